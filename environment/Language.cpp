#include "Language.h"

#include <cstdio>
#include <vector>

#include "ConfigFile.h"

namespace setup {

namespace {

struct BuiltInAbbr {
    WORD primary;
    const char* abbreviation;
};

// Chinese (4) and Portuguese (22) depend on the sublanguage.
const BuiltInAbbr kBuiltInAbbrs[] = {
    {1, "AB"},  {5, "CZ"},  {6, "DN"},  {7, "GR"},  {8, "GK"},  {9, "EN"},  {10, "SP"}, {11, "FI"},
    {12, "FN"}, {13, "HB"}, {14, "HU"}, {16, "IT"}, {17, "JP"}, {18, "KR"}, {19, "DT"}, {20, "NR"},
    {21, "PO"}, {25, "RU"}, {29, "SW"}, {30, "TI"}, {31, "TK"}, {33, "IN"},
};

constexpr WORD kLangChinese = 4;
constexpr WORD kLangPortuguese = 22;

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Hex(const char* format, WORD id) {
    char text[16];
    std::snprintf(text, sizeof(text), format, static_cast<unsigned>(id));
    return text;
}

}  // namespace

std::string LanguageKey(WORD id) {
    return Hex("0X%04X", id);
}

std::string BuiltInLanguageAbbr(WORD id) {
    const WORD primary = PrimaryLangId(id);
    const WORD sub = SubLangId(id);
    if (primary == kLangChinese) {
        return sub == 1 ? "CT" : "CP";
    }
    if (primary == kLangPortuguese) {
        return sub == 1 ? "BP" : sub == 2 ? "PT" : "";
    }
    for (const BuiltInAbbr& entry : kBuiltInAbbrs) {
        if (entry.primary == primary) {
            return entry.abbreviation;
        }
    }
    return "EN";
}

bool FindSupportedLanguage(CConfigFile& data, DWORD& id) {
    if (id == 0 || id > 0xFFFF) {
        return false;
    }
    const DWORD primary = PrimaryLangId(static_cast<WORD>(id));
    std::vector<std::string> lines;
    if (!data.GetSectionLines(kProgramLangInfoSection, lines, true)) {
        return false;
    }
    for (const std::string& line : lines) {
        const std::string key = Trim(line.substr(0, line.find('=')));
        const DWORD listed = CProfile::StringToDword(key.c_str());
        if (listed != 0 && (listed == id || listed == primary)) {
            id = listed;
            return true;
        }
    }
    return false;
}

ResolvedLanguage ResolveLanguage(CConfigFile& data, WORD requested) {
    DWORD current = requested;
    if (!data.GetDword(kCountryLangCodeSection, LanguageKey(requested).c_str(), current)) {
        data.GetDword(kCountryLangCodeSection, LanguageKey(PrimaryLangId(requested)).c_str(),
                      current);
    }
    if (!FindSupportedLanguage(data, current)) {
        current = kLangEnglish;
    }
    DWORD asked = requested;
    if (!FindSupportedLanguage(data, asked)) {
        asked = kLangEnglish;
    }
    return {static_cast<WORD>(asked), static_cast<WORD>(current)};
}

std::string LookupLanguageText(CConfigFile& data, WORD id, const char* section) {
    std::string text;
    if (section != nullptr && *section != '\0' &&
        (data.GetString(section, LanguageKey(id).c_str(), text, true) ||
         data.GetString(section, LanguageKey(PrimaryLangId(id)).c_str(), text, true))) {
        return text;
    }
    return BuiltInLanguageAbbr(id);
}

bool SetLanguage(LANGUAGE_INFO& language, CConfigFile& data, WORD requested, bool force,
                 const LogSink& log) {
    language.config = &data;
    if (requested == 0) {
        requested = language.systemId;
    } else if (!force && requested == language.requestedId) {
        return false;
    }
    const ResolvedLanguage ids = ResolveLanguage(data, requested);
    // Field by field, so that a directory value naming $LANG_ABBR$ already
    // sees the new abbreviation.
    language.requestedId = ids.requested;
    language.currentId = ids.current;
    language.currentAbbr = LookupLanguageText(data, language.currentId, kLanguageAbbrSection);
    language.requestedAbbr = LookupLanguageText(data, language.requestedId, kLanguageAbbrSection);
    language.currentDir = LookupLanguageText(data, language.currentId, kLanguageDirSection);
    language.requestedDir = LookupLanguageText(data, language.requestedId, kLanguageDirSection);
    language.systemAbbr = LookupLanguageText(data, language.systemId, kLanguageAbbrSection);

    if (log) {
        log("Set Language : Language ID\t\t= " + Hex("0X%04X", language.currentId));
        log("Set Language : Language Abbr\t\t= " + language.currentAbbr);
        log("Set Language : System Language ID\t= " + Hex("0X%04X", language.systemId));
        log("Set Language : System Language Abbr = " + language.systemAbbr);
        log("Set Language : Language Dir\t\t= " + language.currentDir);
        log("Set Language : Org Language ID\t\t= " + Hex("0X%04X", language.requestedId));
        log("Set Language : Org Language Abbr\t\t= " + language.requestedAbbr);
        log("Set Language : Org Language Dir\t\t= " + language.requestedDir);
    }
    return true;
}

std::string FormatStringFile(const std::string& format, const std::string& abbreviation) {
    std::string path = format;
    const size_t placeholder = path.find("%s");
    if (placeholder != std::string::npos) {
        path.replace(placeholder, 2, abbreviation);
    }
    return path;
}

}  // namespace setup

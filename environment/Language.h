// The language the installer shows its texts in. A requested Windows
// language id (LANGID) is checked against the package's supported languages
// (PROGRAM_LANG_INFO) and mapped to the language whose texts to show
// (COUNTRY_LANG_CODE); each language then gets its abbreviation
// (LANGUAGE_ABBR) and directory (LANGUAGE_DIR) from the data file, or from
// the built-in table. The registry and file side of a change is
// CInstallEnv's (ChangeLanguage, SetLanguageFiles).
#pragma once

#include <string>

#include "LogSink.h"
#include "foundation/WinTypes.h"

class CConfigFile;

// The language record. Abbreviations and directories always belong to the
// ids held beside them.
struct LANGUAGE_INFO {
    WORD currentId = 9;                // whose texts are shown (after the country mapping)
    WORD systemId = 9;                 // the system's default language
    WORD requestedId = 9;              // the language asked for, after validation ("LangCode")
    std::string currentAbbr = "EN";    // $LANG_ABBR$
    std::string systemAbbr = "EN";     // logged only
    std::string requestedAbbr = "EN";  // $ORG_LANG_ABBR$
    std::string currentDir;            // $LANG_DIR$
    std::string requestedDir;          // $ORG_LANG_DIR$
    // The command line named the language: the language list stays disabled.
    bool fixedForRun = false;
    // The data configuration the tables are read from; not owned.
    CConfigFile* config = nullptr;
};

namespace setup {

constexpr WORD kLangEnglish = 9;
constexpr const char* kProgramLangInfoSection = "PROGRAM_LANG_INFO";
constexpr const char* kCountryLangCodeSection = "COUNTRY_LANG_CODE";
constexpr const char* kLanguageAbbrSection = "LANGUAGE_ABBR";
constexpr const char* kLanguageDirSection = "LANGUAGE_DIR";

// A LANGID's primary language (its low 10 bits) and sublanguage (the rest).
constexpr WORD PrimaryLangId(WORD id) {
    return static_cast<WORD>(id & 0x3FF);
}
constexpr WORD SubLangId(WORD id) {
    return static_cast<WORD>(id >> 10);
}

// The key of a language in the data file's tables: "0X%04X".
std::string LanguageKey(WORD id);

// The built-in abbreviation of a language, by its primary id; "EN" for a
// language the table does not name. Chinese (4) is "CT" for sublanguage 1
// and "CP" otherwise; Portuguese (22) is "BP" for sublanguage 1, "PT" for 2
// and empty otherwise.
std::string BuiltInLanguageAbbr(WORD id);

// True when a line of PROGRAM_LANG_INFO names the id or its primary id (the
// line's key, decimal or "0X" hexadecimal); id becomes the number of the
// first such line. Zero and numbers over 16 bits are no language and are
// never supported. The section is read with variables substituted.
bool FindSupportedLanguage(CConfigFile& data, DWORD& id);

struct ResolvedLanguage {
    WORD requested;  // the request, validated; English when unsupported
    WORD current;    // the language whose texts to show
};

// The country mapping (COUNTRY_LANG_CODE under the full id, else the primary
// id) and the validation of both the request and the mapped language; an
// unsupported one becomes English.
ResolvedLanguage ResolveLanguage(CConfigFile& data, WORD requested);

// The value of "0X%04X" of the full id in the section, else of the primary
// id (read with variables substituted), else the built-in abbreviation.
std::string LookupLanguageText(CConfigFile& data, WORD id, const char* section);

// Settles the record for a request: 0 takes the system language; without
// force, a request equal to the requested id already held changes nothing
// and gives false. Otherwise the ids are resolved, the abbreviations and
// directories looked up, the record logged (eight lines) and the result is
// true. The record keeps a pointer to data.
bool SetLanguage(LANGUAGE_INFO& language, CConfigFile& data, WORD requested, bool force,
                 const LogSink& log);

// The string file format with its first "%s" replaced by the abbreviation;
// a format without one is the path itself.
std::string FormatStringFile(const std::string& format, const std::string& abbreviation);

}  // namespace setup

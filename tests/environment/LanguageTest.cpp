// The language tables on small data files: supported languages, the country
// mapping, abbreviations and directories with the built-in fallback, and the
// record a request settles.
#include "environment/Language.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "environment/ConfigFile.h"
#include "tests/support/TempDir.h"

namespace {

// Answers $LANG_ABBR$ from a language record, as the environment does, and
// $JP$ with a language key.
class LanguageContext : public setup::CConfigContext {
public:
    explicit LanguageContext(const LANGUAGE_INFO& language) : m_language(language) {}
    std::string Substitute(const std::string& text, const setup::LanguageOverride&) const override {
        std::string result = text;
        Replace(result, "$LANG_ABBR$", m_language.currentAbbr);
        Replace(result, "$JP$", "0X0011");
        return result;
    }
    bool IsRemoteInstall() const override { return false; }
    std::vector<std::string> SectionVariants(const std::string& base) const override {
        return {base};
    }

private:
    static void Replace(std::string& text, const std::string& name, const std::string& value) {
        for (size_t at = text.find(name); at != std::string::npos; at = text.find(name, at)) {
            text.replace(at, name.size(), value);
            at += value.size();
        }
    }
    const LANGUAGE_INFO& m_language;
};

class LanguageTest : public ::testing::Test {
protected:
    // A data configuration with the given text, read through the context.
    CConfigFile& Data(const std::string& text) {
        const std::string path =
            m_dir.Write("setup" + std::to_string(m_files.size()) + ".dat", text);
        m_files.push_back(std::make_unique<CConfigFile>());
        CConfigFile& file = *m_files.back();
        file.SetContext(&m_context);
        EXPECT_TRUE(file.Load(path, path, std::string(), false));
        return file;
    }

    testing_support::TempDir m_dir;
    LANGUAGE_INFO m_language;
    LanguageContext m_context{m_language};
    std::vector<std::unique_ptr<CConfigFile>> m_files;
};

TEST(LanguageIds, KeysAndParts) {
    EXPECT_EQ(setup::LanguageKey(0x0409), "0X0409");
    EXPECT_EQ(setup::LanguageKey(7), "0X0007");
    EXPECT_EQ(setup::LanguageKey(0xFC0A), "0XFC0A");
    EXPECT_EQ(setup::PrimaryLangId(0x0816), 0x16);
    EXPECT_EQ(setup::SubLangId(0x0816), 2);
    EXPECT_EQ(setup::PrimaryLangId(0xFFFF), 0x3FF);
    EXPECT_EQ(setup::SubLangId(0xFFFF), 63);
}

TEST(LanguageIds, BuiltInAbbreviations) {
    const struct {
        WORD id;
        const char* abbreviation;
    } cases[] = {
        {0x0001, "AB"},
        {0x0401, "AB"},
        {0x0005, "CZ"},
        {0x0006, "DN"},
        {0x0407, "GR"},
        {0x0807, "GR"},
        {0x0008, "GK"},
        {0x0009, "EN"},
        {0x0409, "EN"},
        {0x0C0A, "SP"},
        {0x000B, "FI"},
        {0x040C, "FN"},
        {0x000D, "HB"},
        {0x000E, "HU"},
        {0x0010, "IT"},
        {0x0411, "JP"},
        {0x0412, "KR"},
        {0x0413, "DT"},
        {0x0414, "NR"},
        {0x0415, "PO"},
        {0x0419, "RU"},
        {0x041D, "SW"},
        {0x041E, "TI"},
        {0x041F, "TK"},
        {0x0421, "IN"},
        // Chinese: sublanguage 1 is traditional, every other simplified.
        {0x0404, "CT"},
        {0x0804, "CP"},
        {0x0004, "CP"},
        {0x0C04, "CP"},
        {0x7C04, "CP"},
        // Portuguese: Brazil, Portugal, and nothing for any other.
        {0x0416, "BP"},
        {0x0816, "PT"},
        {0x0016, ""},
        {0x0C16, ""},
        // Any language the table does not name.
        {0x0000, "EN"},
        {0x0002, "EN"},
        {0x000F, "EN"},
        {0x0418, "EN"},
        {0x0020, "EN"},
        {0x0022, "EN"},
        {0x03FF, "EN"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setup::BuiltInLanguageAbbr(c.id), c.abbreviation) << setup::LanguageKey(c.id);
    }
}

TEST_F(LanguageTest, SupportedLanguages) {
    const struct {
        const char* name;
        const char* list;  // lines of PROGRAM_LANG_INFO; null: no section
        DWORD id;
        bool supported;
        DWORD result;
    } cases[] = {
        {"full id", "0X0409 = English\r\n", 0x0409, true, 0x0409},
        {"primary id listed", "0X0007 = German\r\n", 0x0807, true, 7},
        {"other full id of the language", "0X0407 = German\r\n", 0x0807, false, 0x0807},
        {"decimal, blanks and tabs", " \t9\t = English\r\n", 0x0409, true, 9},
        {"bare key, lower-case hex", "0x0c07\r\n", 0x0C07, true, 0x0C07},
        {"equals sign in the value", "0X0012 = a = b\r\n", 0x0412, true, 0x12},
        {"first match wins", "7\r\n0X0807\r\n", 0x0807, true, 7},
        {"first match wins, reversed", "0X0807\r\n7\r\n", 0x0807, true, 0x0807},
        {"key from a variable", "$JP$ = Japanese\r\n", 0x0411, true, 0x11},
        {"not listed", "0X0009 = English\r\n0X0007\r\n", 0x0411, false, 0x0411},
        {"empty section", "", 0x0409, false, 0x0409},
        {"no section", nullptr, 0x0409, false, 0x0409},
        // A key that is no number reads as 0 and names no language, not
        // even one whose primary id is 0.
        {"key that is no number", "ENGLISH = 1\r\n", 0x0400, false, 0x0400},
        {"id zero", "0\r\nENGLISH\r\n", 0, false, 0},
        {"id over 16 bits", "7\r\n", 0x10007, false, 0x10007},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string text = "[OTHER]\r\n0X0409 = English\r\n";
        if (c.list != nullptr) {
            text += std::string("[PROGRAM_LANG_INFO]\r\n") + c.list;
        }
        CConfigFile& data = Data(text);
        DWORD id = c.id;
        EXPECT_EQ(setup::FindSupportedLanguage(data, id), c.supported);
        EXPECT_EQ(id, c.result);
    }
}

TEST_F(LanguageTest, ResolvesRequestAndShownLanguage) {
    const struct {
        const char* name;
        const char* tables;
        WORD request;
        WORD requested;
        WORD current;
    } cases[] = {
        {"listed, no mapping", "[PROGRAM_LANG_INFO]\r\n0X0409\r\n0X0407\r\n", 0x0407, 0x0407,
         0x0407},
        {"primary id listed", "[PROGRAM_LANG_INFO]\r\n9\r\n7\r\n", 0x0807, 7, 7},
        {"unsupported becomes English", "[PROGRAM_LANG_INFO]\r\n0X0007\r\n", 0x0411, 9, 9},
        {"no list at all", "", 0x0407, 9, 9},
        {"mapped by full id",
         "[PROGRAM_LANG_INFO]\r\n0X0416\r\n0X0816\r\n"
         "[COUNTRY_LANG_CODE]\r\n0X0416 = 0X0816\r\n",
         0x0416, 0x0416, 0x0816},
        {"only the primary id listed",
         "[PROGRAM_LANG_INFO]\r\n22\r\n[COUNTRY_LANG_CODE]\r\n0X0416 = 0X0816\r\n", 0x0416, 22, 22},
        {"mapped by primary id, request unsupported",
         "[PROGRAM_LANG_INFO]\r\n7\r\n[COUNTRY_LANG_CODE]\r\n0X006E = 7\r\n", 0x046E, 9, 7},
        {"full id mapping wins over the primary",
         "[PROGRAM_LANG_INFO]\r\n7\r\n0X000C\r\n0X0013\r\n"
         "[COUNTRY_LANG_CODE]\r\n0X0013 = 0X000C\r\n0X0813 = 0X0007\r\n",
         0x0813, 0x13, 7},
        {"mapped to an unsupported language",
         "[PROGRAM_LANG_INFO]\r\n0X0013\r\n[COUNTRY_LANG_CODE]\r\n0X0013 = 0X0011\r\n", 0x0413,
         0x13, 9},
        {"mapping value that is no number",
         "[PROGRAM_LANG_INFO]\r\n0X0013\r\nDUTCH\r\n[COUNTRY_LANG_CODE]\r\n0X0013 = DUTCH\r\n",
         0x0013, 0x13, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const setup::ResolvedLanguage ids = setup::ResolveLanguage(Data(c.tables), c.request);
        EXPECT_EQ(ids.requested, c.requested);
        EXPECT_EQ(ids.current, c.current);
    }
}

TEST_F(LanguageTest, LooksUpFullIdThenPrimaryThenBuiltIn) {
    CConfigFile& data = Data(
        "[LANGUAGE_ABBR]\r\n0X0807 = CH\r\n0X0007 = DE\r\n0X0011 = JA\r\n"
        "[LANGUAGE_DIR]\r\n0X0009 = English\r\n0X0016 = \r\n0X0411 = Japan_$LANG_ABBR$\r\n");
    m_language.currentAbbr = "XX";
    const struct {
        WORD id;
        const char* section;
        const char* text;
    } cases[] = {
        {0x0807, "LANGUAGE_ABBR", "CH"},
        {0x0407, "LANGUAGE_ABBR", "DE"},
        {0x0411, "LANGUAGE_ABBR", "JA"},
        {0x0409, "LANGUAGE_ABBR", "EN"},  // built in
        {0x0404, "LANGUAGE_ABBR", "CT"},
        {0x0409, "language_dir", "English"},
        {0x0816, "LANGUAGE_DIR", ""},  // an empty value is a value
        {0x0411, "LANGUAGE_DIR", "Japan_XX"},
        {0x0412, "LANGUAGE_DIR", "KR"},  // no directory: the abbreviation
        {0x0007, "NO_SUCH_SECTION", "GR"},
        {0x0007, "", "GR"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setup::LookupLanguageText(data, c.id, c.section), c.text)
            << setup::LanguageKey(c.id) << " " << c.section;
    }
    EXPECT_EQ(setup::LookupLanguageText(data, 0x0807, nullptr), "GR");
}

TEST_F(LanguageTest, SetLanguageFillsTheRecordAndLogsIt) {
    CConfigFile& data = Data(
        "[PROGRAM_LANG_INFO]\r\n0X0416\r\n0X0816\r\n0X0009\r\n"
        "[COUNTRY_LANG_CODE]\r\n0X0416 = 0X0816\r\n"
        "[LANGUAGE_DIR]\r\n0X0816 = Lang_$LANG_ABBR$\r\n0X0416 = Brazil\r\n");
    m_language.systemId = 0x0411;
    std::vector<std::string> log;
    ASSERT_TRUE(setup::SetLanguage(m_language, data, 0x0416, false,
                                   [&log](const std::string& line) { log.push_back(line); }));
    EXPECT_EQ(m_language.config, &data);
    EXPECT_EQ(m_language.currentId, 0x0816);
    EXPECT_EQ(m_language.requestedId, 0x0416);
    EXPECT_EQ(m_language.currentAbbr, "PT");
    EXPECT_EQ(m_language.requestedAbbr, "BP");
    // The directory sees the abbreviation just settled.
    EXPECT_EQ(m_language.currentDir, "Lang_PT");
    EXPECT_EQ(m_language.requestedDir, "Brazil");
    EXPECT_EQ(m_language.systemId, 0x0411);
    EXPECT_EQ(m_language.systemAbbr, "JP");
    const std::vector<std::string> expected = {
        "Set Language : Language ID\t\t= 0X0816",
        "Set Language : Language Abbr\t\t= PT",
        "Set Language : System Language ID\t= 0X0411",
        "Set Language : System Language Abbr = JP",
        "Set Language : Language Dir\t\t= Lang_PT",
        "Set Language : Org Language ID\t\t= 0X0416",
        "Set Language : Org Language Abbr\t\t= BP",
        "Set Language : Org Language Dir\t\t= Brazil",
    };
    EXPECT_EQ(log, expected);

    // The same request again changes nothing unless forced.
    log.clear();
    m_language.currentAbbr = "marker";
    EXPECT_FALSE(setup::SetLanguage(m_language, data, 0x0416, false, setup::LogSink()));
    EXPECT_EQ(m_language.currentAbbr, "marker");
    EXPECT_TRUE(setup::SetLanguage(m_language, data, 0x0416, true,
                                   [&log](const std::string& line) { log.push_back(line); }));
    EXPECT_EQ(m_language.currentAbbr, "PT");
    EXPECT_EQ(log.size(), 8u);

    // 0 asks for the system language, which this package does not list.
    EXPECT_TRUE(setup::SetLanguage(m_language, data, 0, false, setup::LogSink()));
    EXPECT_EQ(m_language.currentId, 9);
    EXPECT_EQ(m_language.requestedId, 9);
    EXPECT_EQ(m_language.currentAbbr, "EN");
    EXPECT_EQ(m_language.requestedAbbr, "EN");
    EXPECT_EQ(m_language.currentDir, "EN");
    EXPECT_EQ(m_language.requestedDir, "EN");
}

TEST_F(LanguageTest, SwissGermanOnAPackageListingGerman) {
    CConfigFile& data = Data("[PROGRAM_LANG_INFO]\r\n0X0007 = Deutsch\r\n[LANGUAGE_ABBR]\r\n");
    ASSERT_TRUE(setup::SetLanguage(m_language, data, 0x0807, false, setup::LogSink()));
    EXPECT_EQ(m_language.currentId, 7);
    EXPECT_EQ(m_language.requestedId, 7);
    EXPECT_EQ(m_language.currentAbbr, "GR");
    CConfigFile& named = Data("[PROGRAM_LANG_INFO]\r\n7\r\n[LANGUAGE_ABBR]\r\n0X0007 = DE\r\n");
    ASSERT_TRUE(setup::SetLanguage(m_language, named, 0x0807, true, setup::LogSink()));
    EXPECT_EQ(m_language.currentAbbr, "DE");
    EXPECT_EQ(m_language.requestedAbbr, "DE");
}

TEST(LanguageFiles, FormatStringFile) {
    EXPECT_EQ(setup::FormatStringFile(".\\data\\String\\Lang_%s.str", "GR"),
              ".\\data\\String\\Lang_GR.str");
    EXPECT_EQ(setup::FormatStringFile("%s\\%s.str", "JP"), "JP\\%s.str");
    EXPECT_EQ(setup::FormatStringFile(".\\strings.str", "JP"), ".\\strings.str");
    EXPECT_EQ(setup::FormatStringFile("%d_%s", "EN"), "%d_EN");
}

}  // namespace

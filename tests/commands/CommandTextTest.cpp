// Readings of command parameters and data-section values, and the
// applicability lists of a section.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "commands/Applicability.h"
#include "commands/CommandText.h"
#include "commands/RegistryValueLine.h"

namespace {

TEST(CommandTextTest, ListMembership) {
    struct Case {
        const char* list;
        const char* item;
        bool member;
    } cases[] = {
        {"WINXP,WIN7", "WIN7", true},
        {"WINXP, WIN7 ", "win7", true},
        {" \tWINXP\t,WIN7", "WINXP", true},
        {"WINXP,WIN7", "WIN", false},
        {"WINXP,WIN7", "WIN7_64", false},
        {"WIN7_64", "WIN7", false},
        {"", "WIN7", false},
        {"EN,,GR", "", true},  // an empty element matches only an empty item
        {"EN,GR", "", false},
        {",", "", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::IsInList(c.list, c.item), c.member) << c.list << " / " << c.item;
    }
}

TEST(CommandTextTest, CommandTextAndSetupTypes) {
    EXPECT_TRUE(setup::IsCommandText("CT_COMMAND=SEC"));
    EXPECT_TRUE(setup::IsCommandText("ct_open_dlg"));
    EXPECT_TRUE(setup::IsCommandText("CT_"));
    EXPECT_FALSE(setup::IsCommandText("CT"));
    EXPECT_FALSE(setup::IsCommandText(" CT_X"));
    EXPECT_FALSE(setup::IsCommandText("WELCOME"));
    EXPECT_FALSE(setup::IsCommandText(""));

    struct Case {
        const char* name;
        DWORD type;
    } cases[] = {
        {"INSTALL", 1}, {"install", 1}, {"UNINST", 2},    {"Uninst", 2},   {"REINST", 3},
        {"reinst", 3},  {"", 0},        {"REINSTALL", 0}, {" INSTALL", 0}, {"DELETE", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::SetupTypeFromName(c.name), c.type) << c.name;
    }
}

TEST(CommandTextTest, DecimalFlag) {
    struct Case {
        const char* text;
        bool on;
    } cases[] = {
        {"1", true},    {" \t1 ", true}, {"0", false},    {"", false},
        {"abc", false}, {"2x", true},    {"-1", true},    {"+0", false},
        {"000", false}, {"0x10", false}, {"00001", true}, {"99999999999999999999", true},
        {"1 2", true},  {"- 1", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::IsNonZeroDecimal(c.text), c.on) << c.text;
    }
}

TEST(CommandTextTest, SectionLines) {
    std::string key;
    std::string value;
    setup::SplitSectionLine("VALUE = REG_SZ,Name,a=b", key, value);
    EXPECT_EQ(key, "VALUE");
    EXPECT_EQ(value, "REG_SZ,Name,a=b");
    setup::SplitSectionLine("  BARE\t", key, value);
    EXPECT_EQ(key, "BARE");
    EXPECT_EQ(value, "");
}

TEST(RegistryValueLineTest, Fields) {
    struct Case {
        const char* text;
        const char* type;
        const char* name;
        const char* data;
    } cases[] = {
        {"REG_DWORD, Flag, 0x10", "REG_DWORD", "Flag", "0x10"},
        {"REG_SZ,Path,C:\\a,b,c", "REG_SZ", "Path", "C:\\a,b,c"},
        {"REG_SZ , Name , \t text with, comma \t", "REG_SZ", "Name", "text with, comma"},
        {"Flag", "Flag", "", ""},
        {"REG_SZ,Name", "REG_SZ", "Name", ""},
        {"REG_SZ,Name,", "REG_SZ", "Name", ""},
        {",Name,Data", "Name", "Data", ""},  // a missing type shifts the others
        {"REG_SZ,,Name,Data", "REG_SZ", "Name", "Data"},
        {"REG_SZ,Name,,Data", "REG_SZ", "Name", ",Data"},
        {"REG_SZ, ,Data", "REG_SZ", "", "Data"},  // a blank name is empty once trimmed
        {"", "", "", ""},
        {",,,", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const setup::RegistryValueLine line = setup::ParseRegistryValueLine(c.text);
        EXPECT_EQ(line.type, c.type);
        EXPECT_EQ(line.name, c.name);
        EXPECT_EQ(line.data, c.data);
    }
}

TEST(RegistryValueLineTest, RootKeyAndType) {
    EXPECT_TRUE(setup::NamesCurrentUser("HKCU"));
    EXPECT_TRUE(setup::NamesCurrentUser("hkcu"));
    EXPECT_TRUE(setup::NamesCurrentUser("XHKCUROOT"));
    EXPECT_FALSE(setup::NamesCurrentUser("HKEY_CURRENT_USER"));
    EXPECT_FALSE(setup::NamesCurrentUser("HKLM"));
    EXPECT_FALSE(setup::NamesCurrentUser(""));
    EXPECT_TRUE(setup::IsDwordType("REG_DWORD"));
    EXPECT_TRUE(setup::IsDwordType("reg_dword"));
    EXPECT_FALSE(setup::IsDwordType("REG_SZ"));
    EXPECT_FALSE(setup::IsDwordType("REG_DWORD "));
}

// A section store: section -> key -> value.
class FakeConfig : public setup::CConfigReader {
public:
    bool GetString(const char* section, const char* key, std::string& value) override {
        const auto s = sections.find(section);
        if (s == sections.end()) {
            return false;
        }
        const auto k = s->second.find(key);
        if (k == s->second.end()) {
            return false;
        }
        value = k->second;
        return true;
    }
    bool GetDword(const char*, const char*, DWORD&) override { return false; }
    bool FindSectionVariant(const char*, std::string&) override { return false; }

    std::map<std::string, std::map<std::string, std::string>> sections;
};

TEST(ApplicabilityTest, ListsAgainstOSAndLanguage) {
    struct Case {
        const char* key;
        const char* list;
        bool applies;  // for the system WIN7 and the language GR
    } cases[] = {
        {"SUPPORTED_OS", "WINXP,WIN7", true}, {"SUPPORTED_OS", "WINXP,VISTA", false},
        {"SUPPORTED_OS", "", false},          {"UNSUPPORTED_OS", "win7", false},
        {"UNSUPPORTED_OS", "WINXP", true},    {"UNSUPPORTED_OS", "", true},
        {"SUPPORTED_LANG", "EN, GR", true},   {"SUPPORTED_LANG", "EN", false},
        {"UNSUPPORTED_LANG", "gr", false},    {"UNSUPPORTED_LANG", "EN,FR", true},
    };
    for (const Case& c : cases) {
        FakeConfig config;
        config.sections["SEC"][c.key] = c.list;
        EXPECT_EQ(setup::IsSectionApplicable(config, "SEC", "WIN7", "GR"), c.applies)
            << c.key << " = " << c.list;
    }

    FakeConfig config;
    EXPECT_TRUE(setup::IsSectionApplicable(config, "MISSING", "WIN7", "GR"));
    config.sections["BOTH"]["SUPPORTED_OS"] = "WIN7";
    config.sections["BOTH"]["UNSUPPORTED_LANG"] = "GR";
    EXPECT_FALSE(setup::IsSectionApplicable(config, "BOTH", "WIN7", "GR"));
    EXPECT_TRUE(setup::IsSectionApplicable(config, "BOTH", "WIN7", "EN"));
}

}  // namespace

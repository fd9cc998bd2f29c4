#include "environment/ConfigFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace {

// An environment that marks substituted text and answers two variants.
class FakeContext : public setup::CConfigContext {
public:
    std::string Substitute(const std::string& text,
                           const setup::LanguageOverride& language) const override {
        std::string result = text;
        const size_t at = result.find("$DIR$");
        if (at != std::string::npos) {
            result.replace(at, 5, language.directory.empty() ? "C:\\Dest" : language.directory);
        }
        return result;
    }
    bool IsRemoteInstall() const override { return remote; }
    std::vector<std::string> SectionVariants(const std::string& base) const override {
        return {base + ".WINXP.EN", base + ".WINXP", base};
    }
    bool remote = false;
};

class ConfigFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_data = m_dir.Write("setup.dat", "[STRINGS]\r\n%CO% = \"Koruna\"\r\n");
        m_strings = m_dir.Write("Lang_EN.str",
                                "[MESSAGES]\r\nHELLO = Hello from %CO%\\n\r\nDIR = $DIR$\r\n");
        m_main = m_dir.Write("main.psi",
                             "[STRINGS]\r\n%CO% = \"Other\"\r\n%P% = %CO% KP\r\n"
                             "[S]\r\nCaption = %P% @HELLO@\r\nPath = $DIR$\\app\r\n"
                             "Nested = @DIR@\\x\r\nBare\r\nN = 0x10\r\nSize = 3,4\r\n"
                             "[OPTION]\r\n[OPTION.WINXP]\r\n[OPTION.EN]\r\n");
        m_file.SetContext(&m_context);
        ASSERT_TRUE(m_file.Load(m_main, m_data, m_strings, false));
    }

    testing_support::TempDir m_dir;
    std::string m_data;
    std::string m_strings;
    std::string m_main;
    FakeContext m_context;
    CConfigFile m_file;
};

TEST_F(ConfigFileTest, ExpandsDefinedStringsMessagesAndVariables) {
    std::string value;
    ASSERT_TRUE(m_file.GetString("S", "Caption", value, true));
    // The data file's defined string wins; the message's own defined string
    // and escape are expanded in the string file.
    EXPECT_EQ(value, "Koruna KP Hello from Koruna\n");
    ASSERT_TRUE(m_file.GetString("S", "Path", value, true));
    EXPECT_EQ(value, "C:\\Dest\\app");
    ASSERT_TRUE(m_file.GetString("S", "Path", value, false));
    EXPECT_EQ(value, "$DIR$\\app");
    setup::LanguageOverride language;
    language.directory = "D:\\Other";
    ASSERT_TRUE(m_file.GetString("S", "Nested", value, true, language));
    EXPECT_EQ(value, "D:\\Other\\x");

    m_context.remote = true;
    ASSERT_TRUE(m_file.GetString("S", "Path", value, true));
    EXPECT_EQ(value, "$DIR$\\app");
    value = "unchanged";
    EXPECT_FALSE(m_file.GetString("S", "Missing", value, true));
    EXPECT_EQ(value, "unchanged");
}

TEST_F(ConfigFileTest, TypedReadsSectionsAndVariants) {
    DWORD number = 0;
    EXPECT_TRUE(m_file.GetDword("S", "N", number));
    EXPECT_EQ(number, 16u);
    SIZE size{};
    EXPECT_TRUE(m_file.GetSize("S", "Size", size));
    EXPECT_EQ(size.cy, 4);
    RECT rect{};
    EXPECT_FALSE(m_file.GetRect("S", "Size", rect));

    std::vector<std::string> lines;
    ASSERT_TRUE(m_file.GetSectionLines("S", lines, true));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "Caption = Koruna KP Hello from Koruna\n");
    EXPECT_EQ(lines[1], "Path = C:\\Dest\\app");
    EXPECT_EQ(lines[3], "Bare");
    lines.clear();
    EXPECT_FALSE(m_file.GetSectionLines("Missing", lines, true));
    m_context.remote = true;
    EXPECT_TRUE(m_file.GetSectionLines("S", lines, true));
    EXPECT_TRUE(lines.empty());

    EXPECT_TRUE(m_file.HasSection("s"));
    EXPECT_FALSE(m_file.HasSection(""));
    EXPECT_EQ(m_file.GetSectionNames(), "STRINGS S OPTION OPTION.WINXP OPTION.EN ");
    std::string variant;
    // The OS comes before the language.
    ASSERT_TRUE(m_file.FindSectionVariant("option", variant));
    EXPECT_EQ(variant, "OPTION.WINXP");
    EXPECT_FALSE(m_file.FindSectionVariant("NOTHING", variant));
}

TEST_F(ConfigFileTest, MissingFilesAndReloads) {
    CConfigFile file;
    EXPECT_FALSE(file.Load((m_dir.path() / "missing.psi").string(), m_data, "", false));
    std::string value;
    EXPECT_FALSE(file.GetString("S", "Caption", value, false));

    std::vector<std::string> logged;
    file.SetLog([&logged](const std::string& line) { logged.push_back(line); });
    ASSERT_TRUE(file.Load(m_main, m_data, (m_dir.path() / "Lang_XX.str").string(), false));
    EXPECT_FALSE(file.AreMessagesLoaded());
    EXPECT_EQ(logged.size(), 1u);
    ASSERT_TRUE(file.GetString("S", "Caption", value, false));
    EXPECT_EQ(value, "Koruna KP @HELLO@");
    ASSERT_TRUE(file.ReloadMessages(m_strings));
    ASSERT_TRUE(file.GetString("S", "Caption", value, false));
    EXPECT_EQ(value, "Koruna KP Hello from Koruna\n");

    const std::string other = m_dir.Write("other.psi", "[S]\r\nCaption = %CO%\r\n");
    ASSERT_TRUE(file.ReloadMain(other));
    ASSERT_TRUE(file.GetString("S", "Caption", value, false));
    EXPECT_EQ(value, "Koruna");
}

}  // namespace

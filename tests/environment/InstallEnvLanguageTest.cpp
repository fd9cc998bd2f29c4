// The language choice at start-up and while running, on packages laid out in
// a temporary directory (and on a copy of the demo package), against Wine's
// registry and file system: the stored "LangCode", the string and configure
// files chosen, the values recorded under the Installing key, the English
// fallback and the log.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kTestRoot = "Software\\SetupTestMfg";
constexpr const char* kInstalled = "Software\\SetupTestMfg\\Lang Test\\Installed";
constexpr const char* kInstalling = "Software\\SetupTestMfg\\Lang Test\\Installing";

// A package with English, German and Japanese listed; German has its own
// string and configure files, Japanese has no string file.
struct Package {
    std::string programInfo =
        "MFG = SetupTestMfg\r\nMDL = M\r\nVIDPID = V\r\nPROGRAM_NAME = Lang Test\r\n"
        "DESTINATION_DIR = $SRC_DIR$\\dest\r\n";
    std::string languages =
        "[PROGRAM_LANG_INFO]\r\n0X0009 = English\r\n7 = Deutsch\r\n0X0411 = Nihongo\r\n";
    std::string fileInfo = "CONFIGURE_FILE.GR = .\\data\\german.psi\r\n";
    std::string extra;
    std::vector<std::string> stringFiles = {"EN", "GR"};
};

class InstallEnvLanguageTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        m_cwd = cwd;
        m_log = std::make_unique<CLog>("Lang Test", m_dir.path().string(), "langtest.exe");
        SetLog(m_log.get());
    }

    void TearDown() override {
        SetLog(nullptr);
        m_log.reset();
        SetCurrentDirectoryA(m_cwd.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\SetupTestKoruna");
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\SetupTestNoMfg");
    }

    // Lays the package out in a fresh media directory and starts env on it.
    bool Start(const Package& package, CInstallEnv& env) {
        const fs::path media = m_dir.path() / ("media" + std::to_string(m_count++));
        fs::create_directories(media / "data" / "String");
        testing_support::WriteTextFile(media / "setup.dat",
                                       "[PROGRAM_INFO]\r\n" + package.programInfo +
                                           "[INSTALLER_FILE_INFO]\r\n" + package.fileInfo +
                                           package.languages + package.extra +
                                           "[DATA_TEXT]\r\nTEXT = @HI@\r\n");
        testing_support::WriteTextFile(media / "data" / "psinst.psi",
                                       "[WIZARD]\r\nCAPTION = @HI@ ($LANG_ABBR$)\r\n");
        testing_support::WriteTextFile(media / "data" / "german.psi",
                                       "[WIZARD]\r\nCAPTION = DE @HI@\r\n[GERMAN]\r\n");
        testing_support::WriteTextFile(media / "data" / "psinst.cmd", "[START]\r\nCMD = @HI@\r\n");
        for (const std::string& abbr : package.stringFiles) {
            testing_support::WriteTextFile(media / "data" / "String" / ("Lang_" + abbr + ".str"),
                                           "[MESSAGES]\r\nHI = " + Greeting(abbr) + "\r\n");
        }
        m_media = media.string();
        return env.Init((media / "setup.exe").string());
    }

    static std::string Greeting(const std::string& abbr) {
        return abbr == "GR" ? "Hallo" : abbr == "EN" ? "Hello" : "Hi " + abbr;
    }

    static void StoreLangCode(DWORD code) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kInstalled, 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, "LangCode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&code),
                       sizeof(code));
        RegCloseKey(key);
    }

    static bool ReadDword(const char* key, const char* name, DWORD& value) {
        DWORD size = sizeof(value);
        return RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_DWORD, nullptr, &value,
                            &size) == ERROR_SUCCESS;
    }

    static std::string ReadText(const char* key, const char* name) {
        char value[MAX_PATH] = {};
        DWORD size = sizeof(value);
        if (RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, value, &size) !=
            ERROR_SUCCESS) {
            return "<missing>";
        }
        return value;
    }

    static std::string Read(CConfigFile& file, const char* section, const char* key) {
        std::string value;
        return file.GetString(section, key, value, true) ? value : "<missing>";
    }

    std::string LogText() const { return testing_support::ReadTextFile(m_log->GetPath()); }

    size_t Count(const std::string& text) const {
        const std::string log = LogText();
        size_t n = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
            ++n;
        }
        return n;
    }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    std::string m_media;
    int m_count = 0;
    std::unique_ptr<CLog> m_log;
};

TEST_F(InstallEnvLanguageTest, StartsInTheStoredOrSystemLanguage) {
    const struct {
        const char* name;
        DWORD stored;  // 0: nothing stored
        WORD system;
        WORD current;
        WORD requested;
        const char* abbr;
        const char* stringFile;
        const char* greeting;
        const char* configure;
    } cases[] = {
        {"system language listed by its primary id", 0, 0x0407, 7, 7, "GR", "Lang_GR.str", "Hallo",
         "german.psi"},
        {"system language not listed", 0, 0x0419, 9, 9, "EN", "Lang_EN.str", "Hello", "psinst.psi"},
        {"stored language wins over the system's", 0x0407, 0x0409, 7, 7, "GR", "Lang_GR.str",
         "Hallo", "german.psi"},
        {"stored English on a German system", 9, 0x0407, 9, 9, "EN", "Lang_EN.str", "Hello",
         "psinst.psi"},
        {"stored language not listed", 0x0419, 0x0407, 9, 9, "EN", "Lang_EN.str", "Hello",
         "psinst.psi"},
        {"no string file for Japanese", 0x0411, 0x0409, 0x0411, 0x0411, "JP", "Lang_EN.str",
         "Hello", "psinst.psi"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot);
        if (c.stored != 0) {
            StoreLangCode(c.stored);
        }
        CInstallEnv env;
        env.GetLanguage().systemId = c.system;
        ASSERT_TRUE(Start(Package(), env));

        const LANGUAGE_INFO& language = env.GetLanguage();
        EXPECT_EQ(language.currentId, c.current);
        EXPECT_EQ(language.requestedId, c.requested);
        EXPECT_EQ(language.currentAbbr, c.abbr);
        EXPECT_EQ(language.systemId, c.system);
        EXPECT_EQ(env.Substitute("$LANG_ABBR$ $ORG_LCID$"),
                  std::string(c.abbr) + " " + setup::LanguageKey(c.requested).substr(2));

        CConfigFiles& files = env.GetConfigFiles();
        EXPECT_EQ(files.stringFileName, c.stringFile);
        EXPECT_EQ(files.stringFile, m_media + "\\data\\String\\" + c.stringFile);
        EXPECT_EQ(files.configureFile, m_media + "\\data\\" + c.configure);
        EXPECT_EQ(Read(files.Strings(), "MESSAGES", "HI"), c.greeting);
        // Every configuration file takes its messages from that file.
        EXPECT_EQ(Read(files.Data(), "DATA_TEXT", "TEXT"), c.greeting);
        EXPECT_EQ(Read(files.Command(), "START", "CMD"), c.greeting);
        const std::string caption = Read(files.Configure(), "WIZARD", "CAPTION");
        EXPECT_NE(caption.find(c.greeting), std::string::npos) << caption;

        // The choice is recorded for the next run under the Installing key.
        DWORD code = 0;
        EXPECT_TRUE(ReadDword(kInstalling, "LangCode", code));
        EXPECT_EQ(code, c.requested);
        EXPECT_EQ(ReadText(kInstalling, "LangAbbr"), c.abbr);
        EXPECT_EQ(ReadText(kInstalling, "STR_FILE"), files.stringFile);
    }
}

TEST_F(InstallEnvLanguageTest, LogsTheChoiceInOrder) {
    StoreLangCode(0x0407);
    CInstallEnv env;
    env.GetLanguage().systemId = 0x0411;
    ASSERT_TRUE(Start(Package(), env));
    const std::string log = LogText();
    size_t at = 0;
    const std::vector<std::string> lines = {
        "Set Language : Language ID\t\t= 0X0007\r\n",
        "Set Language : Language Abbr\t\t= GR\r\n",
        "Set Language : System Language ID\t= 0X0411\r\n",
        "Set Language : System Language Abbr = JP\r\n",
        "Set Language : Language Dir\t\t= GR\r\n",
        "Set Language : Org Language ID\t\t= 0X0007\r\n",
        "Set Language : Org Language Abbr\t\t= GR\r\n",
        "Set Language : Org Language Dir\t\t= GR\r\n",
        "Set Language : String file\t\t= Lang_GR.str\r\n",
        "Set Language : Configure file\t\t= " + m_media + "\\data\\german.psi\r\n",
        " Language Abbreviation = GR",
        " Original Language Abbreviation = GR",
        " Language directory = GR",
        " Language ID = 0x0007",
    };
    for (const std::string& line : lines) {
        const size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << line;
        at = found;
    }
}

TEST_F(InstallEnvLanguageTest, EnglishFallbackFollowsTheTable) {
    // English is "US" in this package; Japanese has no string file.
    Package package;
    package.extra = "[LANGUAGE_ABBR]\r\n0X0009 = US\r\n";
    package.stringFiles = {"EN", "US"};
    StoreLangCode(0x0411);
    CInstallEnv env;
    ASSERT_TRUE(Start(package, env));
    CConfigFiles& files = env.GetConfigFiles();
    EXPECT_EQ(files.stringFileName, "Lang_US.str");
    EXPECT_EQ(Read(files.Strings(), "MESSAGES", "HI"), "Hi US");
    EXPECT_EQ(env.GetLanguage().currentAbbr, "JP");
    EXPECT_EQ(env.Substitute("$STRING_FILE_NAME$ $LANG_ABBR$"), "Lang_US.str JP");
    EXPECT_NE(LogText().find("Lang_JP.str) file does not exist."), std::string::npos);
}

TEST_F(InstallEnvLanguageTest, WithoutAnyStringFileForTheLanguageTheLoadedOneStays) {
    // Neither Japanese nor the table's English ("US") exists: the English
    // file loaded at start stays, messages and all.
    Package package;
    package.extra = "[LANGUAGE_ABBR]\r\n0X0009 = US\r\n";
    StoreLangCode(0x0411);
    CInstallEnv env;
    ASSERT_TRUE(Start(package, env));
    CConfigFiles& files = env.GetConfigFiles();
    EXPECT_EQ(files.stringFileName, "Lang_EN.str");
    EXPECT_TRUE(files.Strings().IsLoaded());
    EXPECT_EQ(Read(files.Strings(), "MESSAGES", "HI"), "Hello");
    EXPECT_EQ(Read(files.Command(), "START", "CMD"), "Hello");
    EXPECT_NE(LogText().find("Lang_JP.str) file does not exist."), std::string::npos);
    EXPECT_NE(LogText().find("Lang_US.str) file does not exist."), std::string::npos);
}

TEST_F(InstallEnvLanguageTest, ChangeWhileRunning) {
    Package package;
    package.fileInfo += "CONFIGURE_FILE.JP = .\\data\\japanese.psi\r\n";
    package.extra = "[OPTION]\r\nNETWORK = 0\r\n[OPTION.GR]\r\nNETWORK = 1\r\n";
    CInstallEnv env;
    env.GetLanguage().systemId = 0x0409;
    ASSERT_TRUE(Start(package, env));
    ASSERT_EQ(env.GetLanguage().currentId, 9);
    EXPECT_FALSE(env.GetOptions().network);
    int rebuilt = 0;
    int reloaded = 0;
    env.SetInterfaceRebuilder([&rebuilt] { ++rebuilt; });
    env.SetLanguageReloadHandler([&reloaded] { ++reloaded; });
    CConfigFiles& files = env.GetConfigFiles();

    // The language already in effect, from the command: nothing happens.
    const size_t before = Count("Set Language : ");
    EXPECT_TRUE(env.ChangeLanguage(9, true));
    EXPECT_EQ(rebuilt, 0);
    EXPECT_EQ(reloaded, 0);
    EXPECT_EQ(Count("Set Language : "), before);

    EXPECT_TRUE(env.ChangeLanguage(0x0407, true));
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(reloaded, 1);
    EXPECT_EQ(env.GetLanguage().currentAbbr, "GR");
    EXPECT_EQ(files.stringFileName, "Lang_GR.str");
    EXPECT_EQ(Read(files.Configure(), "WIZARD", "CAPTION"), "DE Hallo");
    EXPECT_TRUE(files.Configure().HasSection("GERMAN"));
    EXPECT_TRUE(env.GetOptions().network);  // OPTION.GR now
    DWORD code = 0;
    EXPECT_TRUE(ReadDword(kInstalling, "LangCode", code));
    EXPECT_EQ(code, 7u);
    EXPECT_EQ(ReadText(kInstalling, "LangAbbr"), "GR");
    EXPECT_EQ(ReadText(kInstalling, "STR_FILE"), files.stringFile);

    // Without the apply flag the files are set again, nothing is rebuilt.
    EXPECT_TRUE(env.ChangeLanguage(7, false));
    EXPECT_EQ(rebuilt, 1);
    EXPECT_EQ(reloaded, 2);

    // Japanese names a configure file that is not there: the German one
    // stays loaded; the texts fall back to English.
    EXPECT_TRUE(env.ChangeLanguage(0x0411, true));
    EXPECT_EQ(rebuilt, 2);
    EXPECT_EQ(files.configureFile, m_media + "\\data\\german.psi");
    EXPECT_EQ(Read(files.Configure(), "WIZARD", "CAPTION"), "DE Hello");
    EXPECT_FALSE(env.GetOptions().network);
    EXPECT_NE(LogText().find("japanese.psi) file does not exist."), std::string::npos);
    EXPECT_EQ(ReadText(kInstalling, "LangAbbr"), "JP");

    // With no interface to rebuild, the change is made all the same.
    env.SetInterfaceRebuilder(nullptr);
    env.SetLanguageReloadHandler(nullptr);
    EXPECT_TRUE(env.ChangeLanguage(9, true));
    EXPECT_EQ(rebuilt, 2);
    EXPECT_EQ(env.GetLanguage().currentAbbr, "EN");
    EXPECT_EQ(files.configureFile, m_media + "\\data\\psinst.psi");
    EXPECT_EQ(Read(files.Configure(), "WIZARD", "CAPTION"), "Hello (EN)");
}

TEST_F(InstallEnvLanguageTest, MainOnlyPackageWithoutMakerRecordsNothing) {
    // Its key paths would lose the maker and land on "Software\<program>".
    Package package;
    package.programInfo = "PROGRAM_NAME = SetupTestNoMfg\r\nDESTINATION_DIR = $SRC_DIR$\\d\r\n";
    package.extra = "[OPTION]\r\nMAIN_ONLY = 1\r\n";
    CInstallEnv env;
    env.GetLanguage().systemId = 0x0407;
    ASSERT_TRUE(Start(package, env));
    EXPECT_EQ(env.GetConfigFiles().stringFileName, "Lang_GR.str");
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\SetupTestNoMfg", 0, KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(InstallEnvLanguageTest, LookupLanguageTextUsesTheDataFile) {
    Package package;
    package.extra = "[LANGUAGE_DIR]\r\n0X0007 = Deutsch\r\n";
    CInstallEnv env;
    ASSERT_TRUE(Start(package, env));
    std::string text;
    env.LookupLanguageText(0x0807, setup::kLanguageDirSection, text);
    EXPECT_EQ(text, "Deutsch");
    env.LookupLanguageText(0x0816, setup::kLanguageDirSection, text);
    EXPECT_EQ(text, "PT");
    env.LookupLanguageText(0x0804, setup::kLanguageAbbrSection, text);
    EXPECT_EQ(text, "CP");
}

// The demo package in the source tree, copied and started in each language.
TEST_F(InstallEnvLanguageTest, DemoPackageSpeaksEachLanguage) {
    const fs::path source = fs::absolute(SETUP_PACKAGE_DIR);
    ASSERT_TRUE(fs::exists(source / "setup.dat")) << source.string();
    const fs::path media = m_dir.path() / "demo";
    fs::copy(source, media, fs::copy_options::recursive);
    // Its records go under a key of the test's own, its destination into
    // the copy.
    std::ifstream in(media / "setup.dat", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::string data = text.str();
    const size_t mfg = data.find("MFG = Koruna");
    ASSERT_NE(mfg, std::string::npos);
    data.replace(mfg, 12, "MFG = SetupTestKoruna\nDESTINATION_DIR = $SRC_DIR$\\dest");
    testing_support::WriteTextFile(media / "setup.dat", data);
    const char* installed = "Software\\SetupTestKoruna\\Koruna Printer Setup\\Installed";
    const char* installing = "Software\\SetupTestKoruna\\Koruna Printer Setup\\Installing";

    const struct {
        const char* name;
        DWORD stored;
        WORD current;
        WORD requested;
        const char* abbr;
        const char* requestedDir;
        const char* stringFile;
        const char* caption;
        const char* welcome;
    } cases[] = {
        {"nothing stored, English system", 0, 9, 9, "EN", "English", "Lang_EN.str",
         "Koruna KP-2040 Setup", "Welcome to the setup of the Koruna printer software."},
        {"German", 0x0407, 7, 7, "GR", "German", "Lang_GR.str", "Koruna KP-2040 Installation",
         "Willkommen bei der Installation der Druckersoftware von Koruna."},
        {"Swiss German", 0x0807, 7, 7, "GR", "German", "Lang_GR.str", "Koruna KP-2040 Installation",
         "Willkommen bei der Installation der Druckersoftware von Koruna."},
        {"Luxembourgish shows German", 0x046E, 7, 0x046E, "GR", "Luxembourgish", "Lang_GR.str",
         "Koruna KP-2040 Installation",
         "Willkommen bei der Installation der Druckersoftware von Koruna."},
        {"Japanese is not offered", 0x0411, 9, 9, "EN", "English", "Lang_EN.str",
         "Koruna KP-2040 Setup", "Welcome to the setup of the Koruna printer software."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\SetupTestKoruna");
        if (c.stored != 0) {
            HKEY key = nullptr;
            ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, installed, 0, nullptr, 0, KEY_ALL_ACCESS,
                                      nullptr, &key, nullptr),
                      ERROR_SUCCESS);
            RegSetValueExA(key, "LangCode", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&c.stored),
                           sizeof(c.stored));
            RegCloseKey(key);
        }
        CInstallEnv env;
        env.GetLanguage().systemId = 0x0409;
        ASSERT_TRUE(env.Init((media / "setup.exe").string()));
        const LANGUAGE_INFO& language = env.GetLanguage();
        EXPECT_EQ(language.currentId, c.current);
        EXPECT_EQ(language.requestedId, c.requested);
        EXPECT_EQ(language.currentAbbr, c.abbr);
        EXPECT_EQ(env.Substitute("$ORG_LANG_DIR$"), c.requestedDir);
        CConfigFiles& files = env.GetConfigFiles();
        EXPECT_EQ(files.stringFileName, c.stringFile);
        EXPECT_EQ(Read(files.Configure(), "DLG_COMMON", "CAPTION"), c.caption);
        EXPECT_EQ(Read(files.Strings(), "MESSAGES", "WELCOME"), c.welcome);
        DWORD code = 0;
        EXPECT_TRUE(ReadDword(installing, "LangCode", code));
        EXPECT_EQ(code, c.requested);
        EXPECT_EQ(ReadText(installing, "STR_FILE"), files.stringFile);
    }
}

}  // namespace

// The start-up sequence and the environment's services on small packages
// laid out in a temporary directory, against Wine's real registry, spooler
// and file system.
#include "environment/InstallEnv.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "environment/Ports.h"
#include "foundation/Log.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

// The parts of a package's data file that tests change.
struct Package {
    std::string programInfo =
        "MFG = SetupTestMfg\r\nMDL = Model 1\r\nVIDPID = VID_0001&PID_0002\r\n"
        "PROGRAM_NAME = Env Test\r\nDESTINATION_DIR = $SRC_DIR$\\dest\r\n";
    std::string fileInfo;
    std::string extra = "[VERSION]\r\nVERSION = 2.5\r\n";
    bool configure = true;
    bool command = true;
    bool strings = true;
};

class InstallEnvTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        m_cwd = cwd;
        m_log = std::make_unique<CLog>("Env Test", m_dir.path().string(), "envtest.exe");
        SetLog(m_log.get());
    }

    void TearDown() override {
        SetLog(nullptr);
        m_log.reset();
        SetCurrentDirectoryA(m_cwd.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\SetupTestMfg");
    }

    std::string Src() const { return (m_dir.path() / "media").string(); }

    bool Start(const Package& package) { return Start(package, m_env, m_dir.path() / "media"); }

    // Lays out the package in the media directory and runs the start-up
    // sequence of env on it.
    static bool Start(const Package& package, CInstallEnv& env, const fs::path& media) {
        fs::create_directories(media / "data" / "String");
        testing_support::WriteTextFile(media / "setup.dat",
                                       "[PROGRAM_INFO]\r\n" + package.programInfo +
                                           "[INSTALLER_FILE_INFO]\r\n" + package.fileInfo +
                                           "[OS_DEFINE]\r\n" + testing_support::OSDefineLines() +
                                           package.extra);
        if (package.configure) {
            testing_support::WriteTextFile(media / "data" / "psinst.psi", "[WIZARD]\r\nA = 1\r\n");
        }
        if (package.command) {
            testing_support::WriteTextFile(media / "data" / "psinst.cmd",
                                           "[START]\r\nCMD = CT_APP_TERMINATE\r\n");
        }
        if (package.strings) {
            testing_support::WriteTextFile(media / "data" / "String" / "Lang_EN.str",
                                           "[MESSAGES]\r\nHI = Hello\r\n");
        }
        return env.Init((media / "setup.exe").string());
    }

    std::string LogText() const { return testing_support::ReadTextFile(m_log->GetPath()); }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    std::unique_ptr<CLog> m_log;
    CInstallEnv m_env;
};

TEST_F(InstallEnvTest, StartsOnACompletePackage) {
    ASSERT_TRUE(Start(Package()));
    EXPECT_EQ(m_env.GetSourceDir(), Src());
    EXPECT_EQ(m_env.GetInstallerExe(), "setup.exe");
    EXPECT_EQ(m_env.GetVersion(), "2.5");
    CConfigFiles& files = m_env.GetConfigFiles();
    EXPECT_EQ(files.dataFile, Src() + "\\setup.dat");
    EXPECT_EQ(files.configureFile, Src() + "\\data\\psinst.psi");
    EXPECT_EQ(files.commandFile, Src() + "\\data\\psinst.cmd");
    EXPECT_EQ(files.stringFile, Src() + "\\data\\String\\Lang_EN.str");
    EXPECT_EQ(files.stringFileName, "Lang_EN.str");
    EXPECT_EQ(files.settingFile, "");  // no Config.ini in this package
    EXPECT_TRUE(files.Command().HasSection("START"));

    EXPECT_EQ(m_env.GetProgramInfo().programName, "Env Test");
    EXPECT_EQ(m_env.GetRegistryKeys().installing, "Software\\SetupTestMfg\\Env Test\\Installing");
    EXPECT_EQ(m_env.GetRegistryKeys().installedHistory,
              "Software\\SetupTestMfg\\Env Test\\Installed\\InstHistory");
    EXPECT_EQ(m_env.GetRegistryKeys().uninstallInfo,
              "Software\\SetupTestMfg\\Env Test\\UninstallInfo");

    INSTALL_RECORD& record = m_env.GetInstallRecord();
    EXPECT_EQ(record.destDir, Src() + "\\dest");
    EXPECT_EQ(record.destInstDir, Src() + "\\dest\\Install");
    EXPECT_TRUE(fs::is_directory(record.destDir));
    EXPECT_EQ(record.deviceVidPid, "VID_0001&PID_0002");
    EXPECT_EQ(record.osDefine.rfind("OS0", 0), 0u) << record.osDefine;
    EXPECT_EQ(record.osDir, record.osDefine);
    EXPECT_FALSE(m_env.GetSystemDirs().windows.empty());
    EXPECT_EQ(m_env.GetSystemDirs().inf, m_env.GetSystemDirs().windows + "\\Inf");
    EXPECT_TRUE(m_env.GetSystemDirs().is64Bit);

    // The environment goes to the log in a fixed order.
    const std::string log = LogText();
    size_t at = 0;
    for (const char* line : {"OS Define String = ",
                             "OS Directory = ",
                             " m_cstrDataFile file name is [",
                             " Configure file Name is [",
                             " String file Name is [",
                             " Source Directroy = ",
                             " Destination Directroy = ",
                             " Inf Directroy = ",
                             " Language Abbreviation = EN",
                             " Original Language Abbreviation = EN",
                             " Language directory = ",
                             " Original Language directory = ",
                             " OS Directroy = ",
                             " OS String = ",
                             " System Directroy = ",
                             " Windows Directroy = ",
                             " Language ID = 0x0009",
                             " Program files directory = ",
                             " Current Installing registry root key = Software",
                             " Current Installed registry root key = Software",
                             " Temporary directory = "}) {
        const size_t found = log.find(line, at);
        ASSERT_NE(found, std::string::npos) << line;
        at = found;
    }
}

TEST_F(InstallEnvTest, StartUpFailures) {
    struct Case {
        const char* name;
        Package package;
        const char* logLine;
    };
    Package noConfigure;
    noConfigure.configure = false;
    Package noCommand;
    noCommand.command = false;
    Package noStrings;
    noStrings.strings = false;
    Package noModel;
    noModel.programInfo = "MFG = SetupTestMfg\r\nVIDPID = V\r\n";
    Package badNames;
    badNames.fileInfo = "COMMAND_FILE = .\\data\\other.cmd\r\n";
    const Case cases[] = {
        {"configure file missing", noConfigure, "psinst.psi) file does not exist."},
        {"command file missing", noCommand, "psinst.cmd) file does not exist."},
        {"string file missing", noStrings, "Initialize Profiles fail!!"},
        {"command file named but absent", badNames, "other.cmd) file does not exist."},
        {"program information incomplete", noModel, "Initialize Model Variable fail!!"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CInstallEnv env;
        EXPECT_FALSE(Start(c.package, env, m_dir.path() / ("case" + std::to_string(n++))));
        EXPECT_NE(LogText().find(c.logLine), std::string::npos);
    }
}

TEST_F(InstallEnvTest, MissingDataFileFails) {
    EXPECT_FALSE(m_env.Init((m_dir.path() / "nothing" / "setup.exe").string()));
    EXPECT_NE(LogText().find("Initialize Profiles fail!!"), std::string::npos);
}

TEST_F(InstallEnvTest, MainOnlyStartsWithoutTheModel) {
    Package package;
    package.programInfo = "PROGRAM_NAME = Env Test\r\n";
    package.extra = "[OPTION]\r\nMAIN_ONLY = 1\r\n";
    EXPECT_TRUE(Start(package));
    EXPECT_TRUE(m_env.GetOptions().mainOnly);
}

TEST_F(InstallEnvTest, NamedFilesVersionFallbackAndStoredDestination) {
    Package package;
    package.extra = "";
    package.fileInfo =
        "CONFIGURE_FILE.EN = $SRC_DIR$\\data\\english.psi\r\n"
        "CONFIGURE_FILE = .\\data\\psinst.psi\r\n";
    fs::create_directories(m_dir.path() / "media" / "data");
    testing_support::WriteTextFile(m_dir.path() / "media" / "data" / "english.psi",
                                   "[ENGLISH]\r\n");
    testing_support::WriteTextFile(m_dir.path() / "media" / "Autorun.inf",
                                   "[INFOMATION]\r\nVERSION = 9.1\r\n");
    const std::string stored = (m_dir.path() / "stored").string();
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\SetupTestMfg\\Env Test\\Installed", 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExA(key, "Dest_Dir", 0, REG_SZ, reinterpret_cast<const BYTE*>(stored.c_str()),
                   static_cast<DWORD>(stored.size() + 1));
    RegCloseKey(key);

    ASSERT_TRUE(Start(package));
    EXPECT_EQ(m_env.GetConfigFiles().configureFile, Src() + "\\data\\english.psi");
    EXPECT_TRUE(m_env.GetConfigFiles().Configure().HasSection("ENGLISH"));
    EXPECT_EQ(m_env.GetVersion(), "9.1");
    EXPECT_EQ(m_env.GetInstallRecord().destDir, stored);
    EXPECT_TRUE(fs::is_directory(stored));
}

TEST_F(InstallEnvTest, DefaultPort) {
    const std::string fallback = setup::PortExists("LPT1:") ? "LPT1:" : "FILE:";
    struct Case {
        const char* programInfo;
        const char* options;
        std::string port;
    } cases[] = {
        {"DEFAULT_PORT = NOPORT99:\r\n", "", fallback},
        {"DEFAULT_PORT = NOPORT99:\r\n", "[OPTION]\r\nUSB_ONLY = 1\r\n", "FILE:"},
        {"DEFAULT_PORT = file:\r\n", "", "file:"},
        {"", "", fallback},
    };
    int n = 0;
    for (const auto& c : cases) {
        CInstallEnv env;
        Package package;
        package.programInfo += c.programInfo;
        package.extra = c.options;
        ASSERT_TRUE(Start(package, env, m_dir.path() / ("case" + std::to_string(n++))));
        EXPECT_EQ(env.GetInstallRecord().port, c.port) << c.programInfo << c.options;
    }
    ASSERT_TRUE(Start(Package()));
    m_env.SetPort("");
    EXPECT_EQ(m_env.GetInstallRecord().port, fallback);
    m_env.SetPort("USB001");
    EXPECT_EQ(m_env.GetInstallRecord().port, "USB001");
    EXPECT_NE(LogText().find("Set Port : USB001"), std::string::npos);
}

TEST_F(InstallEnvTest, DestinationThatCannotBeCreatedIsLogged) {
    testing_support::WriteTextFile(m_dir.path() / "afile", "x");
    Package package;
    // The first DESTINATION_DIR line wins; put the bad one first.
    package.programInfo = "DESTINATION_DIR = " + (m_dir.path() / "afile" / "sub").string() +
                          "\r\n" + package.programInfo;
    EXPECT_TRUE(Start(package));
    EXPECT_NE(LogText().find("Create Directory ("), std::string::npos);
    EXPECT_NE(LogText().find("Error Code = "), std::string::npos);
}

TEST_F(InstallEnvTest, ResolvePath) {
    ASSERT_TRUE(Start(Package()));
    const std::string src = Src();
    const std::string parent = src.substr(0, src.find_last_of('\\'));
    struct Case {
        std::string path;
        std::string full;
    } cases[] = {
        {"C:", "C:"},
        {"D:\\x\\y.dat", "D:\\x\\y.dat"},
        {"\\\\server\\share\\f", "\\\\server\\share\\f"},
        {"..\\up.txt", parent + "\\up.txt"},
        {".\\data\\a.psi", src + "\\data\\a.psi"},
        {"data\\a.psi", src + "\\data\\a.psi"},
        {"$SRC_DIR$\\x", src + "\\" + src + "\\x"},
        {"", src + "\\"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_env.ResolvePath(c.path, false), c.full) << c.path;
    }
    EXPECT_EQ(m_env.ResolvePath(".\\data\\psinst.psi", true), src + "\\data\\psinst.psi");
    EXPECT_EQ(m_env.ResolvePath(".\\data\\none.psi", true), "");
    EXPECT_NE(LogText().find("none.psi) file does not exist."), std::string::npos);
}

TEST_F(InstallEnvTest, Substitute) {
    ASSERT_TRUE(Start(Package()));
    INSTALL_RECORD& record = m_env.GetInstallRecord();
    m_env.SetIPAddress("192.0.2.7");
    struct Case {
        std::string text;
        std::string expected;
    } cases[] = {
        {"$DEST_DIR$\\$NOT_A_VARIABLE$", record.destDir + "\\$NOT_A_VARIABLE$"},
        {"$LCID$/$ORG_LCID$", "0009/0009"},
        {"$LANG_ABBR$-$ORG_LANG_ABBR$", "EN-EN"},
        {"$DEST_INST_DIR$", record.destDir + "\\Install"},
        {"$IP$ $PORT$", "192.0.2.7 " + record.port},
        {"$BOOL_INSTALLED$$BOOL_!INSTALLED$", "01"},
        {"$VERSION$ $INSTALLER_EXE$ $STRING_FILE_NAME$", "2.5 setup.exe Lang_EN.str"},
        {"$src_dir$", "$src_dir$"},
        {"$OS_DIR$", record.osDir},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(m_env.Substitute(c.text), c.expected) << c.text;
    }
    setup::LanguageOverride language;
    language.lcid = 0x409;
    language.abbreviation = "FR";
    language.directory = "French";
    EXPECT_EQ(m_env.Substitute("$LCID$ $LANG_ABBR$ $LANG_DIR$", language), "0409 FR French");
    record.installed = true;
    EXPECT_EQ(m_env.Substitute("$BOOL_INSTALLED$$BOOL_!INSTALLED$"), "10");
    EXPECT_NE(LogText().find("Set IP : 192.0.2.7"), std::string::npos);
}

TEST_F(InstallEnvTest, SectionVariantsPutTheOSBeforeTheLanguage) {
    ASSERT_TRUE(Start(Package()));
    m_env.GetInstallRecord().osDefine = "WINXP";
    CConfigFile& data = m_env.GetConfigFiles().Data();
    std::string variant;
    ASSERT_TRUE(data.FindSectionVariant("PROGRAM_INFO", variant));
    EXPECT_EQ(variant, "PROGRAM_INFO");
    EXPECT_FALSE(data.FindSectionVariant("NO_SUCH", variant));
    const std::vector<std::string> names = m_env.SectionVariants("OPTION");
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "OPTION.WINXP.EN");
    EXPECT_EQ(names.back(), "OPTION");
}

TEST_F(InstallEnvTest, SetDestination) {
    ASSERT_TRUE(Start(Package()));
    INSTALL_RECORD& record = m_env.GetInstallRecord();
    const std::string first = record.destDir;
    const std::string installing = m_env.GetRegistryKeys().installing;

    // The same directory in another letter case changes nothing.
    std::string upper = first;
    CharUpperBuffA(&upper[0], static_cast<DWORD>(upper.size()));
    m_env.SetDestination(upper + "\\");
    EXPECT_EQ(record.destDir, first);
    // (The start-up records the language under the same key.)
    EXPECT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, installing.c_str(), "Dest_Dir", RRF_RT_ANY, nullptr,
                           nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);

    const std::string second = (m_dir.path() / "other" / "place").string();
    m_env.SetDestination(second + "\\");
    EXPECT_EQ(record.destDir, second);
    EXPECT_EQ(record.destInstDir, second + "\\Install");
    EXPECT_TRUE(fs::is_directory(second));
    EXPECT_FALSE(fs::exists(first));  // the old, empty destination is gone
    char value[MAX_PATH] = {};
    DWORD size = sizeof(value);
    ASSERT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, installing.c_str(), "Dest_Dir", RRF_RT_REG_SZ,
                           nullptr, value, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(std::string(value), second);
    EXPECT_NE(LogText().find("Set Destination ==> " + second), std::string::npos);

    // An empty path goes back to the initial destination.
    m_env.SetDestination("");
    EXPECT_EQ(record.destDir, first);
    EXPECT_NE(LogText().find("Reset Destination Directory [" + first + "]"), std::string::npos);
}

class FakePorts : public setup::CDevicePortSource {
public:
    bool GetDevicePort(const std::string& mfg, const std::string&, const std::string&,
                       std::string& found) override {
        seenMfg = mfg;
        if (port.empty()) {
            return false;
        }
        found = port;
        return true;
    }
    std::string port;
    std::string seenMfg;
};

TEST_F(InstallEnvTest, FindDevicePort) {
    ASSERT_TRUE(Start(Package()));
    INSTALL_RECORD& record = m_env.GetInstallRecord();
    EXPECT_FALSE(m_env.FindDevicePort(false));  // no utility library
    FakePorts ports;
    m_env.SetDevicePortSource(&ports);
    EXPECT_FALSE(m_env.FindDevicePort(false));
    EXPECT_EQ(ports.seenMfg, "SetupTestMfg");
    EXPECT_FALSE(record.devicePortFound);

    ports.port = "USB003";
    EXPECT_FALSE(m_env.FindDevicePort(true));  // not a parallel port
    EXPECT_EQ(record.port, "USB003");          // set all the same
    EXPECT_TRUE(m_env.FindDevicePort(false));
    ports.port = "lpt2:";
    EXPECT_TRUE(m_env.FindDevicePort(true));
    EXPECT_TRUE(record.devicePortFound);
    EXPECT_TRUE(record.portKnown);

    m_env.SetPrinterInstalled(true);
    EXPECT_TRUE(record.printerInstalled);
    EXPECT_NE(LogText().find("Printer was installed"), std::string::npos);
}

}  // namespace

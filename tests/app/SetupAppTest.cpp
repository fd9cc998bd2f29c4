// The application object's start-up, run modes and exit on small packages in
// a temporary directory, against Wine's registry, mutexes and windows.
#include "app/SetupApp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "environment/ShowMessage.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kRegistryRoot = "Software\\SetupAppTestMfg";
constexpr const char* kInstalling = "Software\\SetupAppTestMfg\\App Test\\Installing";
constexpr const char* kMutexName = "App Test Installer Program";

struct ShownMessage {
    std::string text;
    std::string caption;
    UINT style = 0;
    int count = 0;
};

class SetupAppTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        m_cwd = cwd;
        m_previousPresenter = setup::SetMessagePresenter(
            [this](HWND, const std::string& text, const std::string& caption, UINT style) {
                m_shown.text = text;
                m_shown.caption = caption;
                m_shown.style = style;
                ++m_shown.count;
                return IDOK;
            });
    }

    void TearDown() override {
        setup::SetMessagePresenter(m_previousPresenter);
        SetCurrentDirectoryA(m_cwd.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRegistryRoot);
    }

    // Lays out a package; extra goes at the end of its data file.
    std::string Package(const std::string& extra = std::string(),
                        const std::string& setting = std::string()) {
        const fs::path media = m_dir.path() / "media";
        fs::create_directories(media / "data" / "String");
        testing_support::WriteTextFile(
            media / "setup.dat",
            "[PROGRAM_INFO]\r\nMFG = SetupAppTestMfg\r\nMDL = M\r\nVIDPID = V\r\n"
            "PROGRAM_NAME = App Test\r\nDESTINATION_DIR = $SRC_DIR$\\dest\r\n"
            "[OS_DEFINE]\r\n0X00020601.64 = WIN7_64\r\n0X00020600.64 = VISTA_64\r\n"
            "0X00020A00.64 = WIN10_64\r\n0X00020602.64 = WIN8_64\r\n" +
                extra);
        testing_support::WriteTextFile(media / "data" / "psinst.psi", "[WIZARD]\r\n");
        testing_support::WriteTextFile(media / "data" / "psinst.cmd",
                                       "[START]\r\nCT_APP_TERMINATE\r\n");
        testing_support::WriteTextFile(media / "data" / "String" / "Lang_EN.str", "[MESSAGES]\r\n");
        if (!setting.empty()) {
            testing_support::WriteTextFile(media / "Config.ini", setting);
        }
        return (media / "setup.exe").string();
    }

    std::unique_ptr<CSetupApp> MakeApp(const std::string& programPath) {
        SETUP_APP_PATHS paths;
        paths.programPath = programPath;
        paths.logDirectory = m_dir.path().string();
        return std::make_unique<CSetupApp>(paths);
    }

    static std::string ReadAll(const std::string& path) {
        return testing_support::ReadTextFile(path);
    }

    static bool HasLine(CSetupApp& app, const std::string& text) {
        return ReadAll(app.GetLog().GetPath()).find(text) != std::string::npos;
    }

    static std::string RegistryText(const char* name) {
        char value[1024] = {};
        DWORD size = sizeof(value);
        if (RegGetValueA(HKEY_LOCAL_MACHINE, kInstalling, name, RRF_RT_REG_SZ, nullptr, value,
                         &size) != ERROR_SUCCESS) {
            return "<missing>";
        }
        return value;
    }

    static DWORD RegistryNumber(const char* name) {
        DWORD value = 0xDEADBEEF;
        DWORD size = sizeof(value);
        RegGetValueA(HKEY_LOCAL_MACHINE, kInstalling, name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size);
        return value;
    }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    setup::MessagePresenter m_previousPresenter;
    ShownMessage m_shown;
};

TEST_F(SetupAppTest, WizardRunEndsUntilTheWizardExists) {
    auto app = MakeApp(Package());
    EXPECT_EQ(app->Run(""), setup::kExitNotAvailable);
    EXPECT_EQ(app->GetSetupType(), CSetupApp::kInstall);
    EXPECT_TRUE(HasLine(*app, "Parameter : \r\n"));
    EXPECT_TRUE(HasLine(*app, "The setup wizard is not available in this build"));
    EXPECT_TRUE(HasLine(*app, "End of installation"));
    // The single-instance mutex is released at exit.
    SetLastError(0xdeadbeef);
    platform::UniqueHandleNull mutex(CreateMutexA(nullptr, TRUE, kMutexName));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
}

TEST_F(SetupAppTest, InitialisationFailure) {
    auto app = MakeApp((m_dir.path() / "empty" / "setup.exe").string());
    EXPECT_EQ(app->Run("/S"), setup::kExitInitFailed);
    EXPECT_TRUE(HasLine(*app, "Initilize global variable fail"));
}

LRESULT CALLBACK RecordActivation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_USER + 1026) {
        SetWindowLongPtrA(window, GWLP_USERDATA, GetWindowLongPtrA(window, GWLP_USERDATA) + 1);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

TEST_F(SetupAppTest, SecondInstance) {
    const std::string program = Package();
    platform::UniqueHandleNull first(CreateMutexA(nullptr, TRUE, kMutexName));
    ASSERT_TRUE(first.valid());
    {
        auto app = MakeApp(program);
        EXPECT_EQ(app->Run(""), setup::kExitAlreadyRunning);
        EXPECT_TRUE(HasLine(*app,
                            "There is a previous running instance of this application, so "
                            "it is terminated."));
    }

    // With the first instance's window present, the second hands over to it.
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &RecordActivation;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kMutexName;
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    HWND window = CreateWindowA(kMutexName, "first", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        auto app = MakeApp(program);
        ASSERT_TRUE(app->GetEnv().Init(program));
        EXPECT_TRUE(app->CheckSingleInstance());
        EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), 1);
    }
    DestroyWindow(window);
    UnregisterClassA(kMutexName, GetModuleHandleA(nullptr));
}

TEST_F(SetupAppTest, AdministratorRights) {
    {
        auto app = MakeApp(Package("[SYSTEM_REQUIREMENT]\r\nMSG_IS_NOT_ADMIN = Rights needed\r\n"));
        app->SetAdministratorTest([] { return false; });
        EXPECT_EQ(app->Run(""), setup::kExitNotAdministrator);
        EXPECT_EQ(m_shown.text, "Rights needed");
        EXPECT_EQ(m_shown.caption, "App Test");
        EXPECT_EQ(m_shown.style & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    }
    {
        // Without the message the run goes on.
        m_shown = ShownMessage();
        auto app = MakeApp(Package());
        app->SetAdministratorTest([] { return false; });
        EXPECT_EQ(app->Run(""), setup::kExitNotAvailable);
        EXPECT_EQ(m_shown.count, 0);
    }
    {
        // A package that installs no device asks for no rights.
        auto app =
            MakeApp(Package("[OPTION]\r\nDEVICE_INSTALL = 0\r\n"
                            "[SYSTEM_REQUIREMENT]\r\nMSG_IS_NOT_ADMIN = Rights needed\r\n"));
        app->SetAdministratorTest([] { return false; });
        EXPECT_EQ(app->Run(""), setup::kExitNotAvailable);
        EXPECT_EQ(m_shown.count, 0);
    }
}

TEST_F(SetupAppTest, MinimumRequirementOnFirstInstallOnly) {
    const std::string refused =
        "[SYSTEM_REQUIREMENT]\r\nUNSUPPORTED_OS = WIN7_64 VISTA_64 WIN10_64 WIN8_64\r\n";
    {
        auto app = MakeApp(Package(refused));
        EXPECT_EQ(app->Run(""), setup::kExitRequirements);
        EXPECT_TRUE(HasLine(*app,
                            "This system could not satisfy the installer Minimum "
                            "Requirement!"));
        EXPECT_EQ(m_shown.count, 1);
    }
    {
        // An uninstall does not ask.
        auto app = MakeApp(Package(refused));
        EXPECT_EQ(app->Run("/U"), setup::kExitNotAvailable);
    }
    {
        // Nor an install over an earlier one.
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\SetupAppTestMfg\\App Test\\Installed", 0,
                            nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        const std::string dest = (m_dir.path() / "earlier").string();
        RegSetValueExA(key, "Dest_Dir", 0, REG_SZ, reinterpret_cast<const BYTE*>(dest.c_str()),
                       static_cast<DWORD>(dest.size() + 1));
        RegCloseKey(key);
        auto app = MakeApp(Package(refused));
        EXPECT_EQ(app->Run(""), setup::kExitNotAvailable);
    }
}

TEST_F(SetupAppTest, CommandLineAndSettingFile) {
    const std::string silentSetting = "[INSTALL]\r\nSILENT = 1\r\n";
    struct Case {
        const char* commandLine;
        std::string setting;
        int setupType;
        bool silent;
    } cases[] = {
        {"", "", CSetupApp::kInstall, false},
        {"/u", "", CSetupApp::kUninstall, false},
        {"-U /R", "", CSetupApp::kReinstall, false},
        {"/D /S", "", CSetupApp::kDeleteAll, true},
        {"/X", "", CSetupApp::kInstall, false},
        {"", silentSetting, CSetupApp::kScriptInstall, true},
        {"/S", "[INSTALL]\r\nSILENT = 0\r\n", CSetupApp::kInstall, true},
        {"/U", silentSetting, CSetupApp::kUninstall, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        fs::remove(m_dir.path() / "media" / "Config.ini");
        auto app = MakeApp(
            Package("[INSTALLER_FILE_INFO]\r\nSETTING_FILE = .\\Config.ini\r\n", c.setting));
        EXPECT_EQ(app->Run(c.commandLine), setup::kExitNotAvailable);
        EXPECT_EQ(app->GetSetupType(), c.setupType);
        EXPECT_EQ(app->IsSilent(), c.silent);
        EXPECT_TRUE(HasLine(*app, std::string("Parameter : ") + c.commandLine));
    }
}

TEST_F(SetupAppTest, SwitchesSetDestinationPortAndLanguage) {
    auto app = MakeApp(Package());
    ASSERT_TRUE(app->GetEnv().Init((m_dir.path() / "media" / "setup.exe").string()));
    const std::string dest = (m_dir.path() / "chosen dir").string();
    EXPECT_EQ(app->ParseCommandLine("/A\"" + dest + "\" /PUSB009 /L9"), CSetupApp::kInstall);
    EXPECT_EQ(app->GetEnv().GetInstallRecord().destDir, dest);
    EXPECT_TRUE(fs::is_directory(dest));
    EXPECT_EQ(app->GetEnv().GetInstallRecord().port, "USB009");
    EXPECT_TRUE(app->PortFromCommandLine());
    EXPECT_EQ(app->GetEnv().GetLanguage().requestedId, 9);

    // An empty P takes the configured default port.
    app->ParseCommandLine("/P");
    EXPECT_NE(app->GetEnv().GetInstallRecord().port, "USB009");
    EXPECT_FALSE(app->GetEnv().GetInstallRecord().port.empty());
}

TEST_F(SetupAppTest, WriteSetupInfo) {
    {
        auto app = MakeApp(Package());
        ASSERT_TRUE(app->GetEnv().Init((m_dir.path() / "media" / "setup.exe").string()));
        EXPECT_TRUE(app->WriteSetupInfo(false));
        EXPECT_EQ(RegistryText("MFG"), "<missing>");
        EXPECT_EQ(RegistryText("Dest_Dir"), app->GetEnv().GetInstallRecord().destDir);
        EXPECT_TRUE(app->WriteSetupInfo(true));
        EXPECT_EQ(RegistryText("MFG"), "SetupAppTestMfg");
        EXPECT_EQ(RegistryText("MDL"), "M");
        EXPECT_EQ(RegistryText("Printer_Port"), "V");
        EXPECT_EQ(RegistryText("Program_Name"), "App Test");
        EXPECT_EQ(RegistryText("LangAbbr"), "EN");
        EXPECT_EQ(RegistryText("STR_FILE"), app->GetEnv().GetConfigFiles().stringFile);
        EXPECT_EQ(RegistryText("Win_Dir"), app->GetEnv().GetSystemDirs().windows);
        EXPECT_EQ(RegistryNumber("LangCode"), 9u);
        EXPECT_EQ(RegistryNumber("OS_Ver"), 5u);  // a 64-bit NT system
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRegistryRoot);
    {
        auto app = MakeApp(Package("[OPTION]\r\nMAIN_ONLY = 1\r\n"));
        ASSERT_TRUE(app->GetEnv().Init((m_dir.path() / "media" / "setup.exe").string()));
        EXPECT_TRUE(app->WriteSetupInfo(true));
        EXPECT_EQ(RegistryText("MFG"), "<missing>");
        EXPECT_EQ(RegistryText("Dest_Dir"), "<missing>");
    }
}

TEST_F(SetupAppTest, PreInstallerCommand) {
    auto app = MakeApp(Package());
    const std::string program = (m_dir.path() / "media" / "setup.exe").string();
    ASSERT_TRUE(app->GetEnv().Init(program));
    EXPECT_EQ(app->CallPreInstaller(nullptr), 1);
    const std::string src = (m_dir.path() / "media").string();
    EXPECT_TRUE(HasLine(*app, "Call Pre-Installer : Command ==> /P " + src + "\\setup.dat /S " +
                                  src + " /D " + src +
                                  "\\dest /R Software\\SetupAppTestMfg\\App "
                                  "Test\\Installing\\InstHistory /L " +
                                  app->GetEnv().GetLanguage().currentDir + " /A EN"))
        << ReadAll(app->GetLog().GetPath());
}

TEST_F(SetupAppTest, PlugAndPlayThreadsCallTheLibraryAndStopAtOnce) {
    auto app = MakeApp(Package());
    ASSERT_TRUE(app->GetEnv().Init((m_dir.path() / "media" / "setup.exe").string()));
    ASSERT_TRUE(app->StartCompressPnpThread());
    ASSERT_TRUE(app->StartActivePnpThread());
    // The first call comes at once; without the utility library it logs the
    // missing entry.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!(HasLine(*app, "Call RemoveHardwareWizardDialog ==> NULL") &&
             HasLine(*app, "Call MySetForegroundNHWdDialog ==> NULL")) &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(HasLine(*app, "Call RemoveHardwareWizardDialog ==> NULL"));
    EXPECT_TRUE(HasLine(*app, "Call MySetForegroundNHWdDialog ==> NULL"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(app->StopCompressPnpThread());
    EXPECT_TRUE(app->StopActivePnpThread());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // Stopping a thread that never started only clears its flag.
    EXPECT_TRUE(app->StopActivePnpThread());
}

}  // namespace

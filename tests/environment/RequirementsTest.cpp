// The start-up requirement check and the destination's free-space test on
// packages laid out in a temporary directory, with the stand-in utility
// library (FaultyExtension.dll, built beside this program: free space 500,
// no USB for the model "NOUSB") and the message box captured.
#include "environment/Requirements.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "environment/InstallEnv.h"
#include "environment/ShowMessage.h"
#include "foundation/Log.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

struct Shown {
    std::string text;
    std::string caption;
    UINT style = 0;
    HWND owner = nullptr;
};

// Every OS define string the test package names, so that a list of them
// all refuses whatever system Wine emulates.
std::string AllDefines(const char* separator) {
    std::string names;
    for (const char* version : {"0501", "0502", "0600", "0601", "0602", "0603", "0A00"}) {
        names += std::string(names.empty() ? "" : separator) + "OS" + version + separator + "OS" +
                 version + "_64";
    }
    return names;
}

class RequirementsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        m_cwd = cwd;
        m_log = std::make_unique<CLog>("Req Test", m_dir.path().string(), "reqtest.exe");
        SetLog(m_log.get());
        m_previous = setup::SetMessagePresenter(
            [this](HWND owner, const std::string& text, const std::string& caption, UINT style) {
                m_shown.push_back({text, caption, style, owner});
                return IDOK;
            });
    }

    void TearDown() override {
        setup::SetMessagePresenter(m_previous);
        m_requirements.reset();
        m_env.reset();
        SetLog(nullptr);
        m_log.reset();
        SetCurrentDirectoryA(m_cwd.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\SetupReqMfg");
    }

    // Lays out a package with the model and the extra data file text, the
    // stand-in library as its utility library unless withLibrary is clear,
    // starts an environment on it and reads the requirements.
    void Start(const std::string& model, const std::string& extra, bool withLibrary = true) {
        const fs::path media = m_dir.path() / ("media" + std::to_string(m_packages++));
        testing_support::WriteTextFile(
            media / "setup.dat",
            "[PROGRAM_INFO]\r\nMFG = SetupReqMfg\r\nMDL = " + model +
                "\r\nVIDPID = VID_1&PID_2\r\nPROGRAM_NAME = Req Test\r\n"
                "DESTINATION_DIR = $SRC_DIR$\\dest\r\n[INSTALLER_FILE_INFO]\r\n"
                "[OS_DEFINE]\r\n" +
                testing_support::OSDefineLines() + extra);
        testing_support::WriteTextFile(media / "data" / "psinst.psi", "[WIZARD]\r\nA = 1\r\n");
        testing_support::WriteTextFile(media / "data" / "psinst.cmd",
                                       "[START]\r\nCMD = CT_APP_TERMINATE\r\n");
        testing_support::WriteTextFile(media / "data" / "String" / "Lang_EN.str",
                                       "[MESSAGES]\r\nHI = Hello\r\n");
        if (withLibrary) {
            char self[MAX_PATH] = {};
            GetModuleFileNameA(nullptr, self, MAX_PATH);
            fs::copy_file(fs::path(self).parent_path() / "FaultyExtension.dll",
                          media / "data" / "Psutil.dll");
        }
        m_requirements.reset();
        m_env = std::make_unique<CInstallEnv>();
        ASSERT_TRUE(m_env->Init((media / "setup.exe").string()));
        m_src = media.string();
        m_requirements = std::make_unique<CRequirements>(*m_env);
        m_requirements->Load();
    }

    // The loaded stand-in's last call on this thread.
    std::string LastCall() const {
        const HMODULE module = GetModuleHandleA((m_src + "\\data\\Psutil.dll").c_str());
        if (module == nullptr) {
            return "(not loaded)";
        }
        using Fn = const char*(WINAPI*)();
        return reinterpret_cast<Fn>(
            reinterpret_cast<void*>(GetProcAddress(module, "FaultyExtensionLastCall")))();
    }

    void SetFault(const char* kind) const {
        const HMODULE module = GetModuleHandleA((m_src + "\\data\\Psutil.dll").c_str());
        ASSERT_NE(nullptr, module);
        using Fn = void(WINAPI*)(const char*);
        reinterpret_cast<Fn>(
            reinterpret_cast<void*>(GetProcAddress(module, "FaultyExtensionSetFault")))(kind);
    }

    std::string LogText() const { return testing_support::ReadTextFile(m_log->GetPath()); }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    std::string m_src;
    int m_packages = 0;
    std::unique_ptr<CLog> m_log;
    std::unique_ptr<CInstallEnv> m_env;
    std::unique_ptr<CRequirements> m_requirements;
    setup::MessagePresenter m_previous;
    std::vector<Shown> m_shown;
};

const char* const kNoSpace =
    "The available Disk space is not enough. Please increase available disk space about "
    "\"600MB\" and try again.";
const char* const kNoUsb =
    "USB Devic is not available. Please check the configuration of system and BIOS then USB "
    "device as available status and try again.";

// One start-up check: the package, the check's arguments, and what it
// decides and shows ("" for nothing shown).
struct CheckCase {
    const char* name;
    const char* model;
    std::string requirement;  // data file text after the OS_DEFINE section
    bool checkUsb;
    bool usbKnown;
    bool passes;
    std::string message;
};

const CheckCase kCheckCases[] = {
    {"EnoughSpace", "XR-470", "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 500\r\n", false, false, true,
     ""},
    {"SpaceTooLow", "XR-470", "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 600\r\n", false, false, false,
     kNoSpace},
    {"OSRefusedInCommaList", "XR-470",
     "[SYSTEM_REQUIREMENT]\r\nUNSUPPORTED_OS = " + AllDefines(", ") + "\r\n", false, false, false,
     "This Windows Version is not supported.\r\nThe Setup program will be terminated."},
    {"OSRefusedWithOwnMessage", "XR-470",
     "[SYSTEM_REQUIREMENT]\r\nUNSUPPORTED_OS = \"" + AllDefines(" ") +
         "\"\r\nMSG_NOT_SUPPORTED_OS = Not on this system ($INSTALLER_EXE$)\r\n",
     false, false, false, "Not on this system (setup.exe)"},
    {"UsbMissing", "NOUSB", "[SYSTEM_REQUIREMENT]\r\n", true, false, false, kNoUsb},
    {"UsbMissingButPortKnown", "NOUSB", "[SYSTEM_REQUIREMENT]\r\n", true, true, true, ""},
    {"UsbMissingNotRequired", "NOUSB", "[SYSTEM_REQUIREMENT]\r\n", false, false, true, ""},
    {"UsbPresent", "XR-470", "[SYSTEM_REQUIREMENT]\r\n", true, false, true, ""},
    {"SectionNamedOtherwise", "NOUSB", "[SYSTEM_REQUIREMENT.OSX]\r\nFREE_SPACE = 600\r\n", true,
     false, false, kNoUsb},
};

class RequirementsCheckTest : public RequirementsTest,
                              public ::testing::WithParamInterface<CheckCase> {};

TEST_P(RequirementsCheckTest, ShowsTheFailedTestsMessage) {
    const CheckCase& c = GetParam();
    Start(c.model, c.requirement);
    EXPECT_EQ(c.passes, m_requirements->CheckRequirements(c.checkUsb, c.usbKnown));
    if (c.message.empty()) {
        EXPECT_TRUE(m_shown.empty());
    } else {
        ASSERT_EQ(1u, m_shown.size());
        EXPECT_EQ(c.message, m_shown[0].text);
        EXPECT_EQ("Req Test", m_shown[0].caption);
        EXPECT_EQ(static_cast<UINT>(MB_OK), m_shown[0].style);
        EXPECT_EQ(nullptr, m_shown[0].owner);
    }
    // Free space is asked of the library's own choice of drive.
    EXPECT_NE(std::string::npos, LogText().find("Call GetDiskFreeSpacePS()\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Cases, RequirementsCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(RequirementsTest, WithoutTheSectionNothingIsAsked) {
    Start("NOUSB", "[OTHER]\r\nFREE_SPACE = 600\r\n");
    EXPECT_TRUE(m_requirements->CheckRequirements(true, false));
    EXPECT_TRUE(m_shown.empty());
    const std::string log = LogText();
    EXPECT_EQ(std::string::npos, log.find("Call GetDiskFreeSpacePS")) << log;
    EXPECT_EQ(std::string::npos, log.find("Call GetDevicePort")) << log;
}

TEST_F(RequirementsTest, LibraryThatCannotAnswerLetsTheCheckPass) {
    Start("NOUSB", "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 600\r\n", false);
    EXPECT_TRUE(m_requirements->CheckRequirements(true, false));
    EXPECT_TRUE(m_shown.empty());

    Start("NOUSB", "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 600\r\n");
    SetFault("access");
    EXPECT_TRUE(m_requirements->CheckRequirements(true, false));
    EXPECT_TRUE(m_shown.empty());
    EXPECT_NE(std::string::npos, LogText().find("Call GetDiskFreeSpacePS() ==> GPF!!!!"));
    SetFault("none");
}

TEST_F(RequirementsTest, FreeSpaceOfTheChosenDirectory) {
    Start("XR-470", "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 600\r\n");
    EXPECT_FALSE(m_requirements->CheckFreeSpace("D:\\Target", false));
    EXPECT_EQ("GetDiskFreeSpacePS(D:\\Target)", LastCall());
    EXPECT_TRUE(m_shown.empty());

    EXPECT_FALSE(m_requirements->CheckFreeSpace("D:\\Target", true));
    ASSERT_EQ(1u, m_shown.size());
    EXPECT_EQ(kNoSpace, m_shown[0].text);
    EXPECT_EQ("Req Test", m_shown[0].caption);

    Start("XR-470", "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 400\r\n");
    EXPECT_TRUE(m_requirements->CheckFreeSpace("D:\\Target", true));
    EXPECT_EQ(1u, m_shown.size());
}

}  // namespace

// The commands that call the package's utility library, with a stand-in
// library in the package and without any.
#include <filesystem>

#include "CommandFixture.h"

namespace commands_test {
namespace {

namespace fs = std::filesystem;

// The stand-in library, built beside the test program.
fs::path StubPath() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path() / "UtilityStub.dll";
}

class LibraryCommandsTest : public CommandFixture {
protected:
    // Starts the package, with the stand-in as its utility library or
    // without one.
    void StartWith(bool library) {
        if (library) {
            fs::create_directories(m_dir.path() / "media" / "data");
            ASSERT_TRUE(fs::copy_file(StubPath(), m_dir.path() / "media" / "data" / "Psutil.dll"));
        }
        ASSERT_TRUE(Start("[WIZARD]\r\n", "[EMPTY]\r\n"));
    }

    std::string Calls() {
        HMODULE stub =
            GetModuleHandleA((m_dir.path() / "media" / "data" / "Psutil.dll").string().c_str());
        if (stub == nullptr) {
            return "(not loaded)";
        }
        auto calls = reinterpret_cast<const char* (*)()>(
            reinterpret_cast<void*>(GetProcAddress(stub, "UtilityStubCalls")));
        return calls != nullptr ? calls() : "(no record)";
    }
};

TEST_F(LibraryCommandsTest, CallTheUtilityLibraryWithTheModel) {
    StartWith(true);
    struct Case {
        const char* line;
        const char* call;
        const char* logLine;
    } cases[] = {
        {"CT_START_PREVENT_PNP", "StartPreventPnP(SetupCmdTestMfgModel 1)",
         "Call StartPreventPnP(SetupCmdTestMfgModel 1)"},
        {"ct_end_prevent_pnp", "EndPreventPnP(SetupCmdTestMfgModel 1)",
         "Call EndPreventPnP(SetupCmdTestMfgModel 1)"},
        {"CT_REMOVE_DEV", "RemoveUnknownDev(SetupCmdTestMfgModel 1,VID_0001&PID_0002)",
         "Call RemoveUnknownDev(SetupCmdTestMfgModel 1,VID_0001&PID_0002)"},
        {"CT_RMHW_DLG", "RemoveHardwareWizardDialog()", nullptr},
        {"CT_REFRESH_SYSTEM = ignored", "SystemRefresh(SetupCmdTestMfgModel 1,VID_0001&PID_0002)",
         "Call SystemRefresh(SetupCmdTestMfgModel 1,VID_0001&PID_0002)"},
    };
    std::string expected;
    for (const Case& c : cases) {
        EXPECT_TRUE(Commands().ExecuteLine(c.line)) << c.line;
        expected += std::string(c.call) + ";";
        EXPECT_EQ(Calls(), expected);
        if (c.logLine != nullptr) {
            EXPECT_TRUE(LogHas(c.logLine)) << c.line;
        }
    }
}

TEST_F(LibraryCommandsTest, WithoutTheLibraryTheCommandsFail) {
    StartWith(false);
    struct Case {
        const char* line;
        const char* logLine;
    } cases[] = {
        {"CT_START_PREVENT_PNP", "Call StartPreventPnP ==> NULL"},
        {"CT_END_PREVENT_PNP", "Call EndPreventPnP ==> NULL"},
        {"CT_REMOVE_DEV", "Call RemoveUnknownDev ==> NULL"},
        {"CT_RMHW_DLG", "Call RemoveHardwareWizardDialog ==> NULL"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Commands().ExecuteLine(c.line)) << c.line;
        EXPECT_TRUE(LogHas(c.logLine)) << c.line;
    }
    // Windows NT 3.x and 4.0 skip the refresh with success.
    const int os = Env().GetOSCode().code;
    EXPECT_EQ(Commands().ExecuteLine("CT_REFRESH_SYSTEM"), os == 11 || os == 12);
    EXPECT_EQ(LogHas("Call SystemRefresh ==> NULL"), !(os == 11 || os == 12));
}

}  // namespace
}  // namespace commands_test

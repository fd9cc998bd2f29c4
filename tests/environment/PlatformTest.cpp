// The platform code on the running system under Wine, in this process and,
// through a small probe program, under the Windows versions Wine can report.
#include "environment/Platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "environment/ProfileConfigReader.h"
#include "foundation/Log.h"
#include "foundation/Profile.h"
#include "platform/Handle.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

using platform::UniqueHandleNull;
using platform::UniqueKey;

std::string ReadAll(const std::string& path) {
    return testing_support::ReadTextFile(path);
}

// The log's text lines, without their "[HH.MM.SS]  " stamps.
std::vector<std::string> LogTexts(const std::string& path) {
    std::vector<std::string> texts;
    std::istringstream in(ReadAll(path));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.size() > 12 && line[0] == '[' && line.compare(9, 3, "]  ") == 0) {
            texts.push_back(line.substr(12));
        }
    }
    return texts;
}

// A run log in a temporary directory, set as the run's log while it lives.
class RunLogTest : public ::testing::Test {
protected:
    RunLogTest() : m_log("Platform Test", m_dir.path().string(), "platform.exe") { SetLog(&m_log); }
    ~RunLogTest() override { SetLog(nullptr); }

    testing_support::TempDir m_dir;
    CLog m_log;
};

TEST(PlatformTest, ReadsTheRunningSystem) {
    setup::OSVersionInfo version;
    ASSERT_TRUE(setup::QueryOSVersion(version));
    EXPECT_EQ(2u, version.platformId);
    EXPECT_TRUE(version.extended);
    EXPECT_NE(0, version.productType);
    EXPECT_GE(version.major, 5u);
    // A 64-bit program runs only on 64-bit Windows, though IsWow64Process
    // reports false for it.
    EXPECT_TRUE(version.is64Bit);
    EXPECT_TRUE(setup::Is64Bit());
    EXPECT_FALSE(setup::IsWow64());

    setup::OSCode code;
    ASSERT_TRUE(setup::GetOSCode(code));
    EXPECT_EQ(setup::ClassifyOS(version).code, code.code);
    EXPECT_EQ(17, code.family);
}

TEST_F(RunLogTest, FindOSDefineWritesTheSearchToTheRunLog) {
    const std::string path = m_dir.Write("setup.dat", "[OS_DEFINE]\r\n0X00020400.64 = NT4_64\r\n");
    CProfile profile;
    ASSERT_EQ(ERROR_SUCCESS, profile.Create(path.c_str(), path.c_str()));
    setup::CProfileConfigReader reader(profile);

    std::string define;
    ASSERT_TRUE(setup::FindOSDefine(reader, define));
    EXPECT_EQ("NT4_64", define);

    const std::vector<std::string> texts = LogTexts(m_log.GetPath());
    ASSERT_GE(texts.size(), 4u);
    EXPECT_EQ("OS Define not found, so installer finds Lastest Version OS Define", texts[0]);
    EXPECT_EQ(0u, texts[1].find("OS Major Version [0x000")) << texts[1];
    EXPECT_EQ("Find Define ==> (0X00020400.64)", texts[texts.size() - 2]);
    EXPECT_EQ("OS String was found ==> [NT4_64]", texts.back());
}

TEST_F(RunLogTest, ReadOptionsWritesEachOptionToTheRunLog) {
    const std::string path =
        m_dir.Write("setup.dat", "[OPTION]\r\nRIGHT_ALIGN = 1\r\nNETWORK = 1\r\n");
    CProfile profile;
    ASSERT_EQ(ERROR_SUCCESS, profile.Create(path.c_str(), path.c_str()));
    setup::CProfileConfigReader reader(profile);

    OPTION options;
    setup::ReadOptions(reader, options);
    EXPECT_TRUE(options.network);
    EXPECT_TRUE(options.rightAlign);  // Wine reports an NT 6 system
    const std::vector<std::string> expected = {
        "USB ONLY Option is OFF",   "NETWORK Option is ON",     "WIRELESS Option is OFF",
        "RIGHT ALIGN Option is ON", "MAINTENANCE Option is ON", "Community Name size = 14",
    };
    EXPECT_EQ(expected, LogTexts(m_log.GetPath()));
}

// Runs the probe program beside this test under the Windows versions Wine
// emulates for one program, chosen by its AppDefaults "Version" value.
class WineVersionTest : public ::testing::Test {
protected:
    static constexpr const char* kProbe = "platform_probe.exe";
    static constexpr const char* kProbeKey = "Software\\Wine\\AppDefaults\\platform_probe.exe";

    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kProbeKey); }

    void SetWineVersion(const char* version) {
        UniqueKey key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kProbeKey, 0, nullptr, 0,
                                                 KEY_SET_VALUE, nullptr, key.put(), nullptr));
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(key.get(), "Version", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(version), lstrlenA(version) + 1));
    }

    static std::string ProbePath() {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string directory(path, length);
        return directory.substr(0, directory.find_last_of('\\') + 1) + kProbe;
    }

    // Runs the probe with the argument; its exit code and standard output
    // without the final line end.
    bool RunProbe(const std::string& argument, DWORD& exitCode, std::string& output) {
        SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
        UniqueHandleNull readEnd;
        UniqueHandleNull writeEnd;
        if (!CreatePipe(readEnd.put(), writeEnd.put(), &inherit, 0) ||
            !SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0)) {
            return false;
        }
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = writeEnd.get();
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        std::string commandLine = "\"" + ProbePath() + "\" \"" + argument + "\"";
        PROCESS_INFORMATION process = {};
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                            &startup, &process)) {
            return false;
        }
        UniqueHandleNull processHandle(process.hProcess);
        UniqueHandleNull threadHandle(process.hThread);
        writeEnd.reset();  // the read below ends when the probe's copy closes

        output.clear();
        char buffer[512];
        DWORD read = 0;
        while (ReadFile(readEnd.get(), buffer, sizeof(buffer), &read, nullptr) && read > 0) {
            output.append(buffer, read);
        }
        while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) {
            output.pop_back();
        }
        if (WaitForSingleObject(processHandle.get(), 30000) != WAIT_OBJECT_0) {
            TerminateProcess(processHandle.get(), 1);
            return false;
        }
        return GetExitCodeProcess(processHandle.get(), &exitCode) != 0;
    }

    testing_support::TempDir m_dir;
};

TEST_F(WineVersionTest, ClassifiesEachEmulatedWindowsVersion) {
    const std::string data = m_dir.Write("setup.dat",
                                         "[OS_DEFINE]\r\n"
                                         "0X00020502.64.PRO = WINXP_X64\r\n"
                                         "0X00020601.64 = WIN7_64\r\n"
                                         "0X00020600.64.SER = SRV2008_64\r\n"
                                         "0X00020501.64 = WINXP_64\r\n"
                                         "0X0001040A = WIN98\r\n"
                                         "[OPTION]\r\n"
                                         "RIGHT_ALIGN = 1\r\n");
    struct Case {
        const char* wineVersion;
        const char* expected;
    } cases[] = {
        // Wine runs a 64-bit program as 64-bit Windows whatever version it
        // reports, so every record carries is64=1.
        {"nt351",
         "platform=2 major=3 minor=51 product=1 extended=1 is64=1 code=11 family=15 "
         "define= rightalign=0"},
        {"nt40",
         "platform=2 major=4 minor=0 product=1 extended=1 is64=1 code=12 family=15 "
         "define= rightalign=0"},
        {"win95",
         "platform=1 major=4 minor=0 product=0 extended=1 is64=1 code=3 family=10 "
         "define= rightalign=0"},
        // Windows 98 SE reports the service text " A ".
        {"win98",
         "platform=1 major=4 minor=10 product=0 extended=1 is64=1 code=7 family=10 "
         "define=WIN98 rightalign=1"},
        {"win2k",
         "platform=2 major=5 minor=0 product=1 extended=1 is64=1 code=13 family=17 "
         "define= rightalign=1"},
        {"winxp",
         "platform=2 major=5 minor=1 product=1 extended=1 is64=1 code=14 family=17 "
         "define=WINXP_64 rightalign=1"},
        {"winxp64",
         "platform=2 major=5 minor=2 product=1 extended=1 is64=1 code=14 family=17 "
         "define=WINXP_X64 rightalign=1"},
        {"win2003",
         "platform=2 major=5 minor=2 product=3 extended=1 is64=1 code=16 family=17 "
         "define=WINXP_64 rightalign=1"},
        {"vista",
         "platform=2 major=6 minor=0 product=1 extended=1 is64=1 code=18 family=17 "
         "define=WINXP_X64 rightalign=1"},
        {"win2008",
         "platform=2 major=6 minor=0 product=3 extended=1 is64=1 code=19 family=17 "
         "define=SRV2008_64 rightalign=1"},
        // Wine 8.0 gives "win7" the server product type and "win2008r2" the
        // workstation one; the code follows the product type reported.
        {"win7",
         "platform=2 major=6 minor=1 product=3 extended=1 is64=1 code=19 family=17 "
         "define=WIN7_64 rightalign=1"},
        {"win2008r2",
         "platform=2 major=6 minor=1 product=1 extended=1 is64=1 code=18 "
         "family=17 define=WIN7_64 rightalign=1"},
        // A program without a compatibility manifest is told 6.2 from
        // Windows 8 on.
        {"win10",
         "platform=2 major=6 minor=2 product=1 extended=1 is64=1 code=18 family=17 "
         "define=WIN7_64 rightalign=1"},
    };
    for (const Case& c : cases) {
        SetWineVersion(c.wineVersion);
        DWORD exitCode = 0xdeadbeef;
        std::string output;
        ASSERT_TRUE(RunProbe(data, exitCode, output)) << c.wineVersion;
        EXPECT_EQ(0u, exitCode) << c.wineVersion;
        EXPECT_EQ(c.expected, output) << c.wineVersion;
    }
}

}  // namespace

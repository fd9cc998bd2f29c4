// The extension libraries on packages laid out in a temporary directory: the
// stand-in library (FaultyExtension.dll, built beside this program) copied
// under the real file names, then every wrapper called normally, with the
// library faulting, with the library missing, and from several threads.
#include "environment/ExtLibraries.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "tests/environment/ExtWrapperCases.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;
using ext_test::CountPrinter;
using ext_test::WrapperCase;
using ext_test::WrapperCases;

// File names of the libraries under their default keys, relative to the
// source directory.
const char* const kLibraryFiles[] = {"data\\Psrun.dll",  "data\\Psutil.dll",   "data\\Psrmtint.dll",
                                     "data\\Psdiag.dll", "data\\PsNetMan.dll", "PSres.dll",
                                     "data\\PSpre.dll",  "data\\Setip.dll"};

fs::path BesideThisProgram(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path() / name;
}

// The control entries of a loaded copy of the stand-in library.
struct StandIn {
    explicit StandIn(const fs::path& path) : module(GetModuleHandleA(path.string().c_str())) {}
    void SetFault(const char* kind) const {
        using Fn = void(WINAPI*)(const char*);
        reinterpret_cast<Fn>(
            reinterpret_cast<void*>(GetProcAddress(module, "FaultyExtensionSetFault")))(kind);
    }
    std::string LastCall() const {
        using Fn = const char*(WINAPI*)();
        return reinterpret_cast<Fn>(
            reinterpret_cast<void*>(GetProcAddress(module, "FaultyExtensionLastCall")))();
    }
    HMODULE module;
};

class ExtLibrariesTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, cwd);
        m_cwd = cwd;
        m_log = std::make_unique<CLog>("Ext Test", m_dir.path().string(), "exttest.exe");
        SetLog(m_log.get());
    }

    void TearDown() override {
        m_envs.clear();
        SetLog(nullptr);
        m_log.reset();
        SetCurrentDirectoryA(m_cwd.c_str());
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "Software\\SetupExtMfg");
    }

    fs::path Media(const std::string& name) const { return m_dir.path() / name; }

    // Lays out a package whose data file has fileInfo in its file
    // information section plus extra sections, and starts an environment
    // on it.
    CInstallEnv& Start(const std::string& name, const std::string& fileInfo = std::string(),
                       const std::string& extra = std::string()) {
        const fs::path media = Media(name);
        testing_support::WriteTextFile(
            media / "setup.dat",
            "[PROGRAM_INFO]\r\nMFG = SetupExtMfg\r\nMDL = XR-470\r\nVIDPID = VID_1&PID_2\r\n"
            "PROGRAM_NAME = Ext Test\r\nDESTINATION_DIR = $SRC_DIR$\\dest\r\n"
            "[INSTALLER_FILE_INFO]\r\n" +
                fileInfo + "[OS_DEFINE]\r\n" + testing_support::OSDefineLines() + extra);
        testing_support::WriteTextFile(media / "data" / "psinst.psi", "[WIZARD]\r\nA = 1\r\n");
        testing_support::WriteTextFile(media / "data" / "psinst.cmd",
                                       "[START]\r\nCMD = CT_APP_TERMINATE\r\n");
        testing_support::WriteTextFile(media / "data" / "String" / "Lang_EN.str",
                                       "[MESSAGES]\r\nHI = Hello\r\n");
        testing_support::WriteTextFile(media / "Config.ini", "[INSTALL]\r\nSILENT = 0\r\n");
        m_envs.push_back(std::make_unique<CInstallEnv>());
        EXPECT_TRUE(m_envs.back()->Init((media / "setup.exe").string()));
        return *m_envs.back();
    }

    // Copies the stand-in library (or the one lacking entries) to a file of
    // the package.
    void Place(const std::string& media, const std::string& file, bool partial = false) const {
        const fs::path target = Media(media) / file;
        fs::create_directories(target.parent_path());
        fs::copy_file(BesideThisProgram(partial ? "PartialExtension.dll" : "FaultyExtension.dll"),
                      target, fs::copy_options::overwrite_existing);
    }

    void PlaceAll(const std::string& media) const {
        for (const char* file : kLibraryFiles) {
            Place(media, file);
        }
        testing_support::WriteTextFile(Media(media) / "data" / "ZOZizEzu.exe", "uninstaller");
        testing_support::WriteTextFile(Media(media) / "data" / "Psopen.exe", "opener");
    }

    void SetFault(const std::string& media, const char* kind) const {
        for (const char* file : kLibraryFiles) {
            StandIn(Media(media) / file).SetFault(kind);
        }
    }

    std::string LogText() const { return testing_support::ReadTextFile(m_log->GetPath()); }

    // The log written since the last call.
    std::string NewLog() {
        const std::string text = LogText();
        const std::string added = text.substr(std::min(m_logMark, text.size()));
        m_logMark = text.size();
        return added;
    }

    // True when every line appears in text, in order.
    static bool InOrder(const std::string& text, const std::vector<std::string>& lines) {
        size_t at = 0;
        for (const std::string& line : lines) {
            at = text.find(line, at);
            if (at == std::string::npos) {
                return false;
            }
            at += line.size();
        }
        return true;
    }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    std::unique_ptr<CLog> m_log;
    std::vector<std::unique_ptr<CInstallEnv>> m_envs;
    size_t m_logMark = 0;
};

// Splits "a|b" into its lines.
std::vector<std::string> Lines(const std::string& joined) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t bar = joined.find('|'); bar != std::string::npos; bar = joined.find('|', start)) {
        lines.push_back(joined.substr(start, bar - start));
        start = bar + 1;
    }
    lines.push_back(joined.substr(start));
    return lines;
}

TEST_F(ExtLibrariesTest, EveryWrapperPassesItsArgumentsAndReturnsTheResult) {
    PlaceAll("media");
    CExtLibraries& libraries = Start("media").GetExtLibraries();
    const std::string log = NewLog();
    EXPECT_EQ(log.find("DLL fail"), std::string::npos) << log;
    EXPECT_EQ(log.find("does not exist"), std::string::npos) << log;

    for (const WrapperCase& c : WrapperCases()) {
        SCOPED_TRACE(c.entry);
        std::string answer = "stale";
        EXPECT_EQ(c.call(libraries, answer), c.normal);
        EXPECT_EQ(answer, c.answer.empty() ? "stale" : c.answer);
        EXPECT_EQ(StandIn(Media("media") / c.library).LastCall(), c.recorded);
        const std::string written = NewLog();
        if (!c.logLine.empty()) {
            EXPECT_NE(written.find("  " + c.logLine + "\r\n"), std::string::npos) << written;
        } else {
            EXPECT_EQ(written, "");
        }
        EXPECT_EQ(written.find("==>"), std::string::npos) << written;
    }
}

TEST_F(ExtLibrariesTest, AFaultInEveryWrapperGivesItsFailureValueAndTheRunGoesOn) {
    PlaceAll("media");
    CExtLibraries& libraries = Start("media").GetExtLibraries();
    SetFault("media", "access");
    NewLog();
    for (const WrapperCase& c : WrapperCases()) {
        SCOPED_TRACE(c.entry);
        std::string answer = "stale";
        EXPECT_EQ(c.call(libraries, answer), c.failure);
        EXPECT_EQ(answer, c.cleared);
        EXPECT_EQ(StandIn(Media("media") / c.library).LastCall(), c.recorded);
        std::vector<std::string> lines;
        if (!c.logLine.empty()) {
            lines.push_back(c.logLine);
        }
        lines.push_back(std::string("Call ") + c.entry + "() ==> GPF!!!!");
        EXPECT_TRUE(InOrder(NewLog(), lines));
    }
    // The same libraries answer normally once they stop faulting.
    SetFault("media", "");
    for (const WrapperCase& c : WrapperCases()) {
        std::string answer;
        EXPECT_EQ(c.call(libraries, answer), c.normal) << c.entry;
    }
}

TEST_F(ExtLibrariesTest, EveryKindOfFaultIsSurvived) {
    PlaceAll("media");
    CInstallEnv& env = Start("media");
    const CExtLibraries& libraries = env.GetExtLibraries();
    for (const char* kind : {"access", "divide", "stack", "throw", "raise"}) {
        SCOPED_TRACE(kind);
        SetFault("media", kind);
        NewLog();
        EXPECT_EQ(libraries.PrintTestPage("P", "", "", "", ""), -1);
        EXPECT_NE(NewLog().find("Call PrintTestPage() ==> GPF!!!!"), std::string::npos);
        std::string description;
        EXPECT_EQ(libraries.MyGetPrinterDesc("192.0.2.10", description, 0), 4096);
        EXPECT_EQ(description, "");
        // A fault inside the device query leaves the environment's port alone.
        const std::string port = env.GetInstallRecord().port;
        EXPECT_FALSE(env.FindDevicePort(false));
        EXPECT_EQ(env.GetInstallRecord().port, port);
        SetFault("media", "");
        EXPECT_EQ(libraries.PrintTestPage("P", "", "", "", ""), 41);
    }
}

TEST_F(ExtLibrariesTest, ThreadsCallFaultingAndWorkingLibrariesAtOnce) {
    PlaceAll("good");
    PlaceAll("bad");
    const CExtLibraries& good = Start("good").GetExtLibraries();
    const CExtLibraries& bad = Start("bad").GetExtLibraries();
    SetFault("bad", "access");
    const std::vector<WrapperCase> cases = WrapperCases();
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 6; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                for (size_t i = 0; i < cases.size(); ++i) {
                    const WrapperCase& c = cases[(i + t) % cases.size()];
                    std::string answer;
                    if (c.call(good, answer) != c.normal ||
                        (!c.answer.empty() && answer != c.answer)) {
                        wrong++;
                    }
                    if (c.call(bad, answer) != c.failure) {
                        wrong++;
                    }
                }
            }
        });
    }
    for (std::thread& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(wrong.load(), 0);
}

TEST_F(ExtLibrariesTest, MissingLibrariesAreLoggedAndEveryCallGivesItsFailureValue) {
    CInstallEnv& env = Start("media");
    const std::string src = Media("media").string();
    const std::string log = NewLog();
    EXPECT_TRUE(InOrder(
        log,
        {"(" + src + "\\data\\Psrun.dll) file does not exist.", "Load installer DLL fail ()\r\n",
         "Error Code = 2 :", "(" + src + "\\data\\Psutil.dll) file does not exist.",
         "Load Utility DLL fail ()\r\n", "Error Code = 2 :", "Load Remote DLL fail ()",
         "Load Diagnosis DLL fail ()", "Load TestPage DLL fail ()",
         "Get network Netmanager DLL fail", "Load Resource DLL fail ()",
         "data\\ZOZizEzu.exe) file does not exist.", "data\\Psopen.exe) file does not exist.",
         "data\\PSpre.dll) file does not exist.", "Load SetIP DLL fail ()",
         " Temporary directory = "}))
        << log;
    EXPECT_EQ(log.find("Load Netmanager DLL fail"), std::string::npos);

    const CExtLibraries& libraries = env.GetExtLibraries();
    EXPECT_EQ(libraries.GetNetworkLibraryPath(), "");
    EXPECT_EQ(libraries.GetUninstallerPath(), "");
    EXPECT_EQ(libraries.GetResourceModule(), nullptr);
    for (const WrapperCase& c : WrapperCases()) {
        SCOPED_TRACE(c.entry);
        std::string answer = "stale";
        EXPECT_EQ(c.call(libraries, answer), c.missing);
        EXPECT_EQ(answer, c.cleared);
        const std::string written = NewLog();
        EXPECT_TRUE(InOrder(written, Lines(c.nullLine))) << written;
        if (!c.logLine.empty()) {
            EXPECT_EQ(written.find(c.logLine + "\r\n"), std::string::npos) << written;
        }
    }
    EXPECT_FALSE(env.FindDevicePort(false));
}

TEST_F(ExtLibrariesTest, ALibraryWithoutSomeEntries) {
    PlaceAll("media");
    Place("media", "data\\Psrun.dll", true);
    Place("media", "data\\PsNetMan.dll", true);
    const CExtLibraries& libraries = Start("media").GetExtLibraries();
    EXPECT_TRUE(libraries.HasEntry("MyInstall"));
    EXPECT_FALSE(libraries.HasEntry("MyCreateShortCut"));
    EXPECT_FALSE(libraries.HasEntry("SnmpDiscoveryAdv"));
    EXPECT_FALSE(libraries.HasEntry("NoSuchEntry"));
    NewLog();

    EXPECT_EQ(libraries.MyInstall(0, "K", "I", 0), 31);
    EXPECT_EQ(libraries.MyCreateShortCut(0, "K", "S"), 0);
    EXPECT_TRUE(InOrder(NewLog(), {"Call MyInstall(0,K,I,0)", "Call MyCreateShortCut ==> NULL"}));

    // The advanced forms fall back to the plain entries.
    EXPECT_EQ(libraries.SnmpDiscoveryAdv(CountPrinter, "public"), 62);
    EXPECT_TRUE(InOrder(NewLog(), {"Call SnmpDiscoveryAdv ==> NULL", "Call SnmpDiscovery()"}));
    std::string text;
    EXPECT_EQ(libraries.MyGetPrinterDescAdv("192.0.2.10", text, 1, "public"), 0);
    EXPECT_EQ(text, "DESC 192.0.2.10 1");
    EXPECT_TRUE(InOrder(
        NewLog(), {"Call MyGetPrinterDescAdv ==> NULL", "Call MyGetPrinterDesc(192.0.2.10)"}));
    EXPECT_EQ(libraries.MyGetIPXAdv("192.0.2.10", text, "public"), 61);
    EXPECT_EQ(text, "IPX 192.0.2.10");
    NETWORK_PORT_INFO port;
    port.port = "IP_1";
    EXPECT_EQ(libraries.MySetNetworkPortAdv(port, "public"), 63);
    EXPECT_TRUE(
        InOrder(NewLog(), {"Call MyGetIPXAdv ==> NULL", "Call MyGetIPX(192.0.2.10)",
                           "Call MySetNetworkPortAdv ==> NULL", "Call MySetNetworkPortEx(IP_1,"}));
}

TEST_F(ExtLibrariesTest, AFileThatIsNoLibraryIsLoggedAndSkipped) {
    PlaceAll("media");
    testing_support::WriteTextFile(Media("media") / "data" / "Psrun.dll",
                                   "This is a text file, not a library.\r\n");
    testing_support::WriteTextFile(Media("media") / "data" / "PSpre.dll", "");
    const CExtLibraries& libraries = Start("media").GetExtLibraries();
    const std::string src = Media("media").string();
    const std::string log = NewLog();
    EXPECT_TRUE(
        InOrder(log, {"Load installer DLL fail (" + src + "\\data\\Psrun.dll)\r\n", "Error Code = ",
                      // the pre-installer's failure names the path alone
                      "  " + src + "\\data\\PSpre.dll\r\n", "Error Code = "}))
        << log;
    EXPECT_EQ(libraries.MyInstall(0, "K", "I", 0), 0);
    EXPECT_EQ(libraries.Preinstall("/P", nullptr), -1);
    EXPECT_EQ(libraries.StartPreventPnP("M"), 21);  // the other libraries work
}

TEST_F(ExtLibrariesTest, PathsComeFromTheDataFile) {
    PlaceAll("media");
    Place("media", "os\\Diag.dll");
    Place("media", "lib\\Util.dll");
    fs::remove(Media("media") / "data" / "Psutil.dll");
    // The variant for the running system names the diagnosis library; the
    // test page library defaults to the plain section's diagnosis library.
    std::string variants;
    for (const char* version : {"0501", "0502", "0600", "0601", "0602", "0603", "0A00"}) {
        for (const char* bits : {"", "_64"}) {
            variants += std::string("[INSTALLER_FILE_INFO.OS") + version + bits +
                        "]\r\nDIAGNOSIS_DLL = .\\os\\Diag.dll\r\n";
        }
    }
    CInstallEnv& env = Start("media",
                             "DIAGNOSIS_DLL = .\\data\\Psdiag.dll\r\n"
                             "UTILITY_DLL = $SRC_DIR$\\lib\\Util.dll\r\n"
                             "NETWORKMAN_DLL = ..\\media\\data\\PsNetMan.dll\r\n",
                             variants);
    const CExtLibraries& libraries = env.GetExtLibraries();
    const fs::path media = Media("media");
    EXPECT_EQ(libraries.Diagnosis("M", "P", "D", "V"), 51);
    EXPECT_EQ(StandIn(media / "os" / "Diag.dll").LastCall(), "Diagnosis(M,P,D,V)");
    EXPECT_EQ(libraries.PrintTestPage("P", "", "", "", ""), 41);
    EXPECT_EQ(StandIn(media / "data" / "Psdiag.dll").LastCall(), "PrintTestPage(P,,,,)");
    EXPECT_EQ(libraries.StartPreventPnP("M"), 21);
    EXPECT_EQ(StandIn(media / "lib" / "Util.dll").LastCall(), "StartPreventPnP(M)");

    EXPECT_EQ(libraries.GetNetworkLibraryPath(), media.string() + "\\data\\PsNetMan.dll");
    EXPECT_EQ(libraries.GetUninstallerPath(), media.string() + "\\data\\ZOZizEzu.exe");
    EXPECT_EQ(libraries.GetOpenerPath(), media.string() + "\\data\\Psopen.exe");
    EXPECT_EQ(libraries.GetResourceLibraryPath(), media.string() + "\\PSres.dll");
    EXPECT_EQ(libraries.GetResourceModule(), StandIn(media / "PSres.dll").module);
    EXPECT_NE(libraries.GetResourceModule(), nullptr);
}

TEST_F(ExtLibrariesTest, ABareNameIsNeverLookedForOutsideThePackage) {
    // A library of the configured name lies on the search path; the package
    // does not hold it.
    const fs::path planted = m_dir.path() / "elsewhere";
    fs::create_directories(planted);
    fs::copy_file(BesideThisProgram("FaultyExtension.dll"), planted / "Planted.dll");
    char path[32767] = {};
    GetEnvironmentVariableA("PATH", path, sizeof(path));
    const std::string oldPath = path;
    SetEnvironmentVariableA("PATH", (planted.string() + ";" + oldPath).c_str());

    PlaceAll("media");
    const CExtLibraries& libraries =
        Start("media", "UTILITY_DLL = Planted.dll\r\nINSTALLER_DLL = kernel32.dll\r\n")
            .GetExtLibraries();
    EXPECT_EQ(GetModuleHandleA((planted / "Planted.dll").string().c_str()), nullptr);
    // A load by the bare name would have found the planted copy.
    HMODULE control = LoadLibraryA("Planted.dll");
    EXPECT_NE(control, nullptr);
    FreeLibrary(control);
    SetEnvironmentVariableA("PATH", oldPath.c_str());

    const std::string src = Media("media").string();
    EXPECT_TRUE(InOrder(
        NewLog(), {"(" + src + "\\kernel32.dll) file does not exist.", "Load installer DLL fail ()",
                   "(" + src + "\\Planted.dll) file does not exist.", "Load Utility DLL fail ()"}));
    EXPECT_EQ(libraries.StartPreventPnP("M"), 0);
    EXPECT_EQ(libraries.MyInstall(0, "K", "I", 0), 0);
}

TEST_F(ExtLibrariesTest, TheEnvironmentFindsTheDevicePortThroughTheUtilityLibrary) {
    PlaceAll("media");
    CInstallEnv& env = Start("media");
    EXPECT_TRUE(env.FindDevicePort(false));
    EXPECT_EQ(env.GetInstallRecord().port, "USB001");
    EXPECT_TRUE(env.GetInstallRecord().devicePortFound);
    EXPECT_FALSE(env.FindDevicePort(true));  // found, but not on a parallel port
    EXPECT_EQ(StandIn(Media("media") / "data" / "Psutil.dll").LastCall(),
              "GetDevicePort(SetupExtMfg,XR-470,VID_1&PID_2)");

    // No device of the model, or no USB at all: nothing found.
    env.GetInstallRecord().deviceMdl = "NONE";
    EXPECT_FALSE(env.FindDevicePort(false));
    std::vector<std::string> ports;
    int count = 0;
    env.GetExtLibraries().GetDevicePort("M", "NOUSB", "V", ports, count);
    EXPECT_EQ(count, -1);
    EXPECT_TRUE(ports.empty());
}

TEST_F(ExtLibrariesTest, LibrariesAreReleasedWithTheEnvironment) {
    PlaceAll("media");
    Start("media");
    const std::string utility = (Media("media") / "data" / "Psutil.dll").string();
    const std::string resource = (Media("media") / "PSres.dll").string();
    EXPECT_NE(GetModuleHandleA(utility.c_str()), nullptr);
    m_envs.clear();
    EXPECT_EQ(GetModuleHandleA(utility.c_str()), nullptr);
    EXPECT_EQ(GetModuleHandleA(resource.c_str()), nullptr);
}

}  // namespace

// The command executor on a package laid out in a temporary directory:
// dispatch, command sections, posting, the page-or-command branches, the
// commands owned by other parts reached through their hosts, and the end of
// the installer against Wine's registry.
#include <fstream>
#include <thread>
#include <vector>

#include "CommandFixture.h"
#include "FakeHosts.h"
#include "TestWindow.h"
#include "commands/CommandMessages.h"

namespace commands_test {
namespace {

const std::string kInstalling = std::string("Software\\") + kMfg + "\\" + kProgram + "\\Installing";

const char* const kConfigure =
    "[WIZARD]\r\nA = 1\r\n"
    "[BOTH]\r\nCT_SET_INST_TYPE = FROM_CONFIGURE\r\n"
    "[CYCLE_A]\r\nCT_COMMAND = CYCLE_B\r\n";

std::string CommandFile() {
    return std::string(
               "[BOTH]\r\nCT_SET_INST_TYPE = FROM_COMMAND_FILE\r\n"
               "[ONLY_CMD]\r\nCT_SET_INST_TYPE = FROM_COMMAND_FILE\r\n"
               "ct_set_setup_type = uninst\r\n"
               "[ORDER]\r\nCT_SET_INST_TYPE = ONE\r\nCT_SET_SETUP_TYPE = REINST\r\n"
               "CT_SET_INST_TYPE = TWO\r\n"
               "[VARIABLES]\r\nCT_SET_INST_TYPE = v$VERSION$\r\n"
               "[CHOSEN]\r\nCT_SET_INST_TYPE = CHOSEN\r\n"
               "[CYCLE_B]\r\nCT_COMMAND = CYCLE_A\r\nCT_SET_INST_TYPE = AFTER_CYCLE\r\n"
               "[SELF_TWICE]\r\nCT_COMMAND = SELF_TWICE\r\nCT_COMMAND = SELF_TWICE\r\n"
               "[APPLY.SUPPORTED_OS]\r\nSUPPORTED_OS = ") +
           AllOSDefines() +
           "\r\n[APPLY.OTHER_OS]\r\nSUPPORTED_OS = NOT_AN_OS\r\n"
           "[APPLY.UNSUPPORTED_OS]\r\nUNSUPPORTED_OS = " +
           AllOSDefines() +
           "\r\n[APPLY.LANG]\r\nSUPPORTED_LANG = GR, en\r\n"
           "[APPLY.NOT_EN]\r\nUNSUPPORTED_LANG = EN\r\n"
           "[APPLY.VARIABLE]\r\nSUPPORTED_LANG = $LANG_ABBR$\r\n"
           "[APPLY.NONE]\r\nX = 1\r\n";
}

class FakePorts : public setup::CDevicePortSource {
public:
    bool GetDevicePort(const std::string&, const std::string&, const std::string&,
                       std::string& found) override {
        found = port;
        return !port.empty();
    }
    std::string port;
};

class CmdOperatorTest : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        // The package offers English and German.
        ASSERT_TRUE(Start(kConfigure, CommandFile(),
                          "[PROGRAM_LANG_INFO]\r\n0X0009 = English\r\n0X0007 = German\r\n"));
        ASSERT_NE(m_window.get(), nullptr);
        TakeQuit();
    }
    void TearDown() override {
        m_window.TakePosted();
        TakeQuit();
        CommandFixture::TearDown();
    }

    std::string InstallType() {
        std::string text;
        ReadText(HKEY_LOCAL_MACHINE, kInstalling, "Install_Type", text);
        return text;
    }

    TestWindow m_window;
    FakeWizard m_wizard;
    FakeItems m_items;
    FakeLauncher m_launcher;
    FakeNetwork m_network;
};

TEST_F(CmdOperatorTest, DispatchIgnoresCaseAndUnknownTypesSucceed) {
    EXPECT_TRUE(Commands().ExecuteLine("ct_set_setup_type = reinst"));
    DWORD type = 0;
    ASSERT_TRUE(ReadNumber(HKEY_LOCAL_MACHINE, kInstalling, "Setup_Type", type));
    EXPECT_EQ(type, 3u);
    EXPECT_TRUE(
        LogHas("]  Call Command : Type = ct_set_setup_type, "
               "Param1=reinst,Param2=,Param3=,Param4=,Param5=\r\n"));

    EXPECT_TRUE(Commands().IssueCommand("CT_NO_SUCH_COMMAND", "a", "b", "c", "d", "e"));
    EXPECT_TRUE(
        LogHas("Call Command : Type = CT_NO_SUCH_COMMAND, "
               "Param1=a,Param2=b,Param3=c,Param4=d,Param5=e"));
    EXPECT_TRUE(Commands().ExecuteLine(""));

    const size_t calls = LogCount("Call Command :");
    EXPECT_FALSE(Commands().Execute(nullptr));
    EXPECT_EQ(LogCount("Call Command :"), calls);

    for (const char* line : {"CT_RUNDLL = x.dll", "CT_RUNDLL_AND_TERMINATE", "CT_DLG_HELP",
                             "ct_view_licesne = anything"}) {
        EXPECT_TRUE(Commands().ExecuteLine(line)) << line;
    }
    EXPECT_FALSE(TakeQuit());  // CT_RUNDLL_AND_TERMINATE does not end the run
}

TEST_F(CmdOperatorTest, SetupValuesUnderTheInstallingKey) {
    struct Case {
        const char* name;
        DWORD type;
    } cases[] = {{"INSTALL", 1}, {"Uninst", 2}, {"reinst", 3}, {"", 0}, {"DELETE", 0}};
    for (const Case& c : cases) {
        EXPECT_TRUE(Commands().IssueCommand("CT_SET_SETUP_TYPE", c.name)) << c.name;
        DWORD type = 99;
        ASSERT_TRUE(ReadNumber(HKEY_LOCAL_MACHINE, kInstalling, "Setup_Type", type));
        EXPECT_EQ(type, c.type) << c.name;
    }
    EXPECT_TRUE(Commands().IssueCommand("CT_SET_INST_TYPE", "SILENT_INST"));
    EXPECT_EQ(InstallType(), "SILENT_INST");
    EXPECT_TRUE(Commands().IssueCommand("CT_SET_INST_TYPE", ""));
    EXPECT_TRUE(ValueExists(HKEY_LOCAL_MACHINE, kInstalling, "Install_Type"));
    EXPECT_EQ(InstallType(), "");
}

TEST_F(CmdOperatorTest, RemoteInstallFlag) {
    struct Case {
        const char* text;
        bool on;
    } cases[] = {{" 1\t", true}, {"0", false}, {"7", true}, {"", false}, {"yes", false}};
    OPTION& options = Env().GetOptions();
    for (const Case& c : cases) {
        options.remoteInstall = !c.on;
        EXPECT_TRUE(Commands().IssueCommand("CT_SET_REMOTE_INSTALL", c.text)) << c.text;
        EXPECT_EQ(options.remoteInstall, c.on) << c.text;
    }
}

TEST_F(CmdOperatorTest, IsSectionApplicable) {
    struct Case {
        const char* section;
        bool applies;
    } cases[] = {
        {"APPLY.SUPPORTED_OS", true}, {"APPLY.OTHER_OS", false}, {"APPLY.UNSUPPORTED_OS", false},
        {"APPLY.LANG", true},         {"APPLY.NOT_EN", false},   {"APPLY.VARIABLE", true},
        {"APPLY.NONE", true},         {"NO_SUCH_SECTION", true},
    };
    ASSERT_FALSE(OSDefine().empty());
    for (const Case& c : cases) {
        EXPECT_EQ(Commands().IsSectionApplicable(c.section), c.applies) << c.section;
    }
}

TEST_F(CmdOperatorTest, CommandSections) {
    // The configure file's section wins over the command file's.
    EXPECT_TRUE(Commands().IssueCommand("CT_COMMAND", "BOTH"));
    EXPECT_EQ(InstallType(), "FROM_CONFIGURE");
    EXPECT_TRUE(Commands().ExecuteLine("CT_COMMAND = only_cmd"));
    EXPECT_EQ(InstallType(), "FROM_COMMAND_FILE");
    DWORD type = 0;
    ASSERT_TRUE(ReadNumber(HKEY_LOCAL_MACHINE, kInstalling, "Setup_Type", type));
    EXPECT_EQ(type, 2u);
    EXPECT_TRUE(Commands().IssueCommand("CT_COMMAND", "VARIABLES"));
    EXPECT_EQ(InstallType(), "v2.5");

    // Lines run in order.
    EXPECT_TRUE(Commands().IssueCommand("CT_COMMAND", "ORDER"));
    const std::string log = LogText();
    const size_t one = log.find("Type = CT_SET_INST_TYPE, Param1=ONE,");
    const size_t reinst = log.find("Type = CT_SET_SETUP_TYPE, Param1=REINST,");
    const size_t two = log.find("Type = CT_SET_INST_TYPE, Param1=TWO,");
    ASSERT_NE(two, std::string::npos);
    EXPECT_LT(one, reinst);
    EXPECT_LT(reinst, two);
    EXPECT_EQ(InstallType(), "TWO");

    EXPECT_FALSE(Commands().IssueCommand("CT_COMMAND", "NO_SUCH_SECTION"));
    EXPECT_TRUE(LogHas("Command section (NO_SUCH_SECTION) not found"));
    EXPECT_FALSE(Commands().IssueCommand("CT_COMMAND"));
}

TEST_F(CmdOperatorTest, CommandSectionCyclesAreStopped) {
    const std::string stopped = "is nested more than 16 deep: stopped";
    // CYCLE_A (configure file) and CYCLE_B (command file) call each other.
    EXPECT_FALSE(Commands().IssueCommand("CT_COMMAND", "CYCLE_A"));
    EXPECT_EQ(LogCount(stopped), 1u);
    EXPECT_LE(LogCount("Type = CT_COMMAND,"), 2u * CCmdOperator::kMaxSectionDepth);
    // Nothing after the call that was stopped runs, at any level.
    EXPECT_FALSE(LogHas("Param1=AFTER_CYCLE"));

    // A section that calls itself twice would run 2^depth times unless the
    // whole nest stops at the first cut.
    EXPECT_FALSE(Commands().IssueCommand("CT_COMMAND", "SELF_TWICE"));
    EXPECT_EQ(LogCount(stopped), 2u);
    EXPECT_LE(LogCount("Type = CT_COMMAND, Param1=SELF_TWICE"),
              CCmdOperator::kMaxSectionDepth + 1u);

    // The executor runs sections normally again afterwards.
    EXPECT_TRUE(Commands().IssueCommand("CT_COMMAND", "CHOSEN"));
    EXPECT_EQ(InstallType(), "CHOSEN");
}

TEST_F(CmdOperatorTest, CommandsWithoutTheirOwnerAreNotAvailable) {
    const char* types[] = {
        "CT_OPEN_DLG",
        "CT_DLG_BACK",
        "CT_DLG_CANCEL",
        "CT_DO_MODAL",
        "CT_SHOW_TOGGLE",
        "CT_CHECK_ITEM",
        "CT_EXE_FILE_WAIT",
        "CT_EXE_FILE_NOWAIT",
        "CT_EXE_FILE_ACTIVE",
        "CT_EXE_AND_TERMINATE",
        "CT_OPEN_FILE_NOWAIT",
        "CT_OPEN_FILE_WAIT",
        "CT_OPEN_URL",
        "CT_OPEN_BROWSE",
        "CT_OPEN_MANUAL",
        "CT_PRINT_TEST_PAGE",
        "CT_PRINT_META_TEST_PAGE",
        "CT_PRINT_PRN_TEST_PAGE",
        "CT_DIAGNOSIS",
        "CT_RUN_REMOTE_INSTALL",
        "CT_DELETE_ALL",
        "CT_COPY_FILE",
        "CT_DELETE_FILE",
        "CT_WRITE_ITEM_INFO",
        "CT_INSTALL_UPDATE",
    };
    for (const char* type : types) {
        EXPECT_FALSE(Commands().IssueCommand(type, "P1")) << type;
        EXPECT_TRUE(LogHas(std::string(type) + " is not available: no ")) << type;
    }
    // A page chosen by a branch is not available either.
    EXPECT_FALSE(Commands().ExecuteLine("CT_FIND_LOCAL_PRINTER = FOUND, NOT_FOUND"));
    EXPECT_TRUE(LogHas("Type = CT_OPEN_DLG, Param1=NOT_FOUND,"));
    EXPECT_FALSE(TakeQuit());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
}

TEST_F(CmdOperatorTest, RegisteredHostsReceiveTheirCommands) {
    Commands().SetHost(&m_wizard);
    Commands().SetItems(&m_items);
    Commands().SetLauncher(&m_launcher);
    struct Case {
        COMMAND_RECORD command;
        const char* call;
    } cases[] = {
        {COMMAND_RECORD::Make("CT_OPEN_DLG", "WELCOME-1"), "open:WELCOME-1"},
        {COMMAND_RECORD::Make("ct_dlg_back", "PREVIOUS"), "back:PREVIOUS"},
        {COMMAND_RECORD::Make("CT_DO_MODAL", "WIRELESS.DLG"), "modal:WIRELESS.DLG"},
        {COMMAND_RECORD::Make("CT_SHOW_TOGGLE", "A, \"B\""), "toggle:A, \"B\""},
        {COMMAND_RECORD::Make("CT_EXE_FILE_WAIT", "a.exe", "/x"), "start wait:a.exe|/x"},
        {COMMAND_RECORD::Make("CT_EXE_FILE_NOWAIT", "b.exe"), "start nowait:b.exe|"},
        {COMMAND_RECORD::Make("CT_EXE_FILE_ACTIVE", "c.exe", "/y"), "start active:c.exe|/y"},
        {COMMAND_RECORD::Make("CT_OPEN_FILE_NOWAIT", "doc.txt"), "file:doc.txt"},
        {COMMAND_RECORD::Make("CT_OPEN_FILE_WAIT", "doc2.txt"), "file:doc2.txt"},
        {COMMAND_RECORD::Make("CT_OPEN_URL", "http://example.com/"), "url:http://example.com/"},
        {COMMAND_RECORD::Make("CT_OPEN_BROWSE", "C:\\"), "browse:C:\\"},
        {COMMAND_RECORD::Make("CT_OPEN_MANUAL", "man.pdf", "2"), "manual:man.pdf|2"},
        {COMMAND_RECORD::Make("CT_PRINT_TEST_PAGE", "P", "a", "b", "c", "d"), "test page:P|a|b|c"},
        {COMMAND_RECORD::Make("CT_PRINT_META_TEST_PAGE", "P", "f.emf"), "meta page:P|f.emf"},
        {COMMAND_RECORD::Make("CT_PRINT_PRN_TEST_PAGE", "P", "f.prn"), "prn page:P|f.prn"},
        {COMMAND_RECORD::Make("CT_DIAGNOSIS"), "diagnosis:"},
        {COMMAND_RECORD::Make("CT_RUN_REMOTE_INSTALL"), "remote install"},
        {COMMAND_RECORD::Make("CT_DELETE_ALL"), "delete all"},
        {COMMAND_RECORD::Make("CT_COPY_FILE", "COPY.SEC"), "copy:COPY.SEC"},
        {COMMAND_RECORD::Make("CT_DELETE_FILE", "DEL.SEC"), "delete:DEL.SEC"},
        {COMMAND_RECORD::Make("CT_WRITE_ITEM_INFO"), "write item info"},
        {COMMAND_RECORD::Make("CT_INSTALL_UPDATE"), "install update"},
    };
    for (const Case& c : cases) {
        m_wizard.calls.clear();
        m_items.calls.clear();
        m_launcher.calls.clear();
        EXPECT_TRUE(Commands().Execute(c.command)) << c.command.type;
        std::vector<std::string> calls = m_wizard.calls;
        calls.insert(calls.end(), m_items.calls.begin(), m_items.calls.end());
        calls.insert(calls.end(), m_launcher.calls.begin(), m_launcher.calls.end());
        EXPECT_EQ(calls, std::vector<std::string>{c.call}) << c.command.type;
    }

    // Their failures are the commands' failures...
    m_wizard.result = false;
    m_items.result = false;
    m_launcher.result = false;
    EXPECT_FALSE(Commands().IssueCommand("CT_OPEN_DLG", "X"));
    EXPECT_FALSE(Commands().IssueCommand("CT_COPY_FILE", "X"));
    EXPECT_FALSE(Commands().IssueCommand("CT_OPEN_URL", "X"));
    // ...except for the waited programs, which succeed whether they started
    // or not; a program that did not start ends nothing.
    m_launcher.started = false;
    EXPECT_TRUE(Commands().IssueCommand("CT_EXE_FILE_WAIT", "missing.exe"));
    EXPECT_TRUE(Commands().IssueCommand("CT_EXE_FILE_ACTIVE", "missing.exe"));
    EXPECT_FALSE(Commands().IssueCommand("CT_EXE_FILE_NOWAIT", "missing.exe"));
    Commands().SetMainWindow(m_window.get());
    EXPECT_TRUE(Commands().IssueCommand("CT_EXE_AND_TERMINATE", "missing.exe"));
    EXPECT_FALSE(TakeQuit());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
    m_launcher.started = true;
    EXPECT_TRUE(Commands().IssueCommand("CT_EXE_AND_TERMINATE", "there.exe"));
    EXPECT_TRUE(TakeQuit());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
}

TEST_F(CmdOperatorTest, PageOrCommandBranches) {
    Commands().SetHost(&m_wizard);
    Commands().SetItems(&m_items);
    FakePorts ports;
    Env().SetDevicePortSource(&ports);

    // No device: the second choice, a page.
    EXPECT_TRUE(Commands().ExecuteLine("CT_FIND_LOCAL_PRINTER = CT_COMMAND=CHOSEN, NOT_FOUND"));
    EXPECT_EQ(m_wizard.calls, std::vector<std::string>{"open:NOT_FOUND"});
    EXPECT_EQ(InstallType(), "");
    // A device: the first choice, here a whole command line.
    ports.port = "USB001";
    m_wizard.calls.clear();
    EXPECT_TRUE(Commands().ExecuteLine("CT_FIND_LOCAL_PRINTER = ct_command=CHOSEN, NOT_FOUND"));
    EXPECT_TRUE(m_wizard.calls.empty());
    EXPECT_EQ(InstallType(), "CHOSEN");
    EXPECT_EQ(Env().GetInstallRecord().port, "USB001");

    struct Case {
        int count;
        std::vector<std::string> calls;
    } cases[] = {
        {0, {"message:There is no item to be installed!!!!", "open:SEVERAL"}},
        {1, {"open:ONE"}},
        {2, {"open:SEVERAL"}},
    };
    for (const Case& c : cases) {
        m_items.count = c.count;
        m_wizard.calls.clear();
        EXPECT_TRUE(Commands().IssueCommand("CT_CHECK_ITEM", "ONE", "SEVERAL")) << c.count;
        EXPECT_EQ(m_wizard.calls, c.calls) << c.count;
    }
    // Two installable items and a second choice that is a command section.
    m_items.count = 2;
    m_wizard.calls.clear();
    ASSERT_TRUE(Commands().IssueCommand("CT_SET_INST_TYPE", "RESET"));
    EXPECT_TRUE(Commands().ExecuteLine("CT_CHECK_ITEM = ONE, CT_COMMAND=CHOSEN"));
    EXPECT_TRUE(m_wizard.calls.empty());
    EXPECT_EQ(InstallType(), "CHOSEN");
    Env().SetDevicePortSource(nullptr);
}

TEST_F(CmdOperatorTest, PostedCommandsRunInOrderAndOnce) {
    Commands().SetHost(&m_wizard);

    EXPECT_FALSE(Commands().PostCommand("CT_OPEN_DLG", "EARLY"));
    EXPECT_TRUE(LogHas("No main window: command CT_OPEN_DLG is not posted"));
    EXPECT_EQ(Commands().PendingCommands(), 0u);

    Commands().SetMainWindow(m_window.get());
    Commands().SetSilent(true);
    EXPECT_TRUE(Commands().PostCommand("CT_OPEN_DLG", "SILENT"));
    EXPECT_TRUE(m_window.TakePosted().empty());
    EXPECT_EQ(Commands().PendingCommands(), 0u);
    Commands().SetSilent(false);

    // Two posts before either is handled keep both commands.
    EXPECT_TRUE(Commands().PostCommand("CT_OPEN_DLG", "FIRST"));
    EXPECT_TRUE(Commands().PostCommand(COMMAND_RECORD::Make("CT_OPEN_DLG", "SECOND")));
    const std::vector<LPARAM> posted = m_window.TakePosted();
    ASSERT_EQ(posted.size(), 2u);
    EXPECT_NE(posted[0], posted[1]);
    EXPECT_TRUE(m_wizard.calls.empty());  // nothing runs before the message is handled
    for (LPARAM lParam : posted) {
        EXPECT_TRUE(Commands().RunPostedCommand(lParam));
    }
    EXPECT_EQ(m_wizard.calls, (std::vector<std::string>{"open:FIRST", "open:SECOND"}));
    EXPECT_EQ(Commands().PendingCommands(), 0u);

    // A record runs once; a message that names no queued record is refused.
    EXPECT_FALSE(Commands().RunPostedCommand(posted[0]));
    EXPECT_TRUE(LogHas("Command Structure is invalid"));
    EXPECT_FALSE(Commands().RunPostedCommand(0));
    EXPECT_EQ(m_wizard.calls.size(), 2u);
}

TEST_F(CmdOperatorTest, PostingFromWorkerThreads) {
    Commands().SetHost(&m_wizard);
    Commands().SetMainWindow(m_window.get());
    constexpr int kThreads = 4;
    constexpr int kPosts = 50;
    std::vector<std::thread> workers;
    for (int t = 0; t < kThreads; ++t) {
        workers.emplace_back([this, t] {
            for (int i = 0; i < kPosts; ++i) {
                Commands().PostCommand("CT_OPEN_DLG", std::to_string(t) + "-" + std::to_string(i));
            }
        });
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    const std::vector<LPARAM> posted = m_window.TakePosted();
    ASSERT_EQ(posted.size(), static_cast<size_t>(kThreads * kPosts));
    for (LPARAM lParam : posted) {
        EXPECT_TRUE(Commands().RunPostedCommand(lParam));
    }
    EXPECT_EQ(m_wizard.calls.size(), static_cast<size_t>(kThreads * kPosts));
    EXPECT_EQ(Commands().PendingCommands(), 0u);
}

TEST_F(CmdOperatorTest, OpenTestPagePostsThePage) {
    Commands().SetHost(&m_wizard);
    Commands().SetMainWindow(m_window.get());
    INSTALL_RECORD& record = Env().GetInstallRecord();
    struct Case {
        bool portFound;
        bool printerInstalled;
        const char* second;
        const char* page;
    } cases[] = {
        {true, true, "OTHER", "TEST"},
        {true, false, "OTHER", "OTHER"},
        {false, true, "OTHER", "OTHER"},
        {false, false, "", "TEST"},
    };
    for (const Case& c : cases) {
        record.devicePortFound = c.portFound;
        record.printerInstalled = c.printerInstalled;
        m_wizard.calls.clear();
        EXPECT_TRUE(Commands().IssueCommand("CT_OPEN_TEST_PAGE", "TEST", c.second));
        EXPECT_TRUE(m_wizard.calls.empty());  // posted, not run
        const std::vector<LPARAM> posted = m_window.TakePosted();
        ASSERT_EQ(posted.size(), 1u);
        EXPECT_TRUE(Commands().RunPostedCommand(posted[0]));
        EXPECT_EQ(m_wizard.calls, std::vector<std::string>{std::string("open:") + c.page});
    }
}

TEST_F(CmdOperatorTest, ChangeLanguage) {
    std::ofstream(m_dir.path() / "media" / "data" / "String" / "Lang_GR.str", std::ios::binary)
        << "[MESSAGES]\r\nHI = Hallo\r\n";
    int rebuilt = 0;
    Env().SetInterfaceRebuilder([&rebuilt] { ++rebuilt; });

    EXPECT_TRUE(Commands().ExecuteLine("CT_CHANGE_LANG = 0x0007"));
    EXPECT_EQ(Env().GetLanguage().currentAbbr, "GR");
    EXPECT_EQ(rebuilt, 1);
    EXPECT_NE(Env().GetConfigFiles().stringFile.find("Lang_GR.str"), std::string::npos);
    // The language already in effect changes nothing.
    EXPECT_TRUE(Commands().ExecuteLine("CT_CHANGE_LANG = 7"));
    EXPECT_EQ(rebuilt, 1);
    // A number that is no language id is refused.
    EXPECT_FALSE(Commands().ExecuteLine("CT_CHANGE_LANG = 0x10009"));
    EXPECT_TRUE(LogHas("Change language : (0x10009) is not a language id"));
    EXPECT_EQ(Env().GetLanguage().currentAbbr, "GR");
    EXPECT_TRUE(Commands().ExecuteLine("CT_CHANGE_LANG = 9"));
    EXPECT_EQ(Env().GetLanguage().currentAbbr, "EN");
    EXPECT_EQ(rebuilt, 2);
    Env().SetInterfaceRebuilder(nullptr);
}

}  // namespace
}  // namespace commands_test

// The end of the installer (CT_APP_TERMINATE and the cancel through
// CT_DLG_CANCEL) against Wine's registry: which install records survive,
// the license page's values, the recorded ports and the end of the message
// loop.
#include <vector>

#include "CommandFixture.h"
#include "FakeHosts.h"
#include "TestWindow.h"
#include "foundation/Registry.h"

namespace commands_test {
namespace {

const std::string kProgramKey = std::string("Software\\") + kMfg + "\\" + kProgram;
const std::string kInstalling = kProgramKey + "\\Installing";
const std::string kInstalled = kProgramKey + "\\Installed";
const std::string kWebKey = std::string(kTestKey) + "\\Web";
const char* const kWebValues[] = {"Agree", "Disagree", "Agree64", "Disagree64"};

std::string WebSection(const char* name, const char* value) {
    return std::string("[") + name + "]\r\nROOTKEY = HKCU\r\nKEYNAME = " + kWebKey +
           "\r\nVALUE = REG_DWORD, " + value + ", 1\r\n";
}

class AppTerminateTest : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        ASSERT_TRUE(
            Start("[WIZARD]\r\n", WebSection("ADD_REG.WEB_AGREEMENT_TRUE", "Agree") +
                                      WebSection("ADD_REG.WEB_AGREEMENT_FALSE", "Disagree") +
                                      WebSection("ADD_REG.WEB_AGREEMENT_TRUE_64", "Agree64") +
                                      WebSection("ADD_REG.WEB_AGREEMENT_FALSE_64", "Disagree64")));
        ASSERT_NE(m_window.get(), nullptr);
        Commands().SetMainWindow(m_window.get());
        TakeQuit();
        // What a run leaves: its own records, an earlier install's records
        // and the license page's answer.
        ASSERT_EQ(CRegistry::SetValue(kInstalling.c_str(), "Setup_Type", static_cast<DWORD>(1)),
                  0u);
        ASSERT_EQ(
            CRegistry::SetValue((kInstalling + "\\Items\\Driver").c_str(), "Item_Name", "Driver"),
            0u);
        ASSERT_EQ(CRegistry::SetValue(kInstalled.c_str(), "Dest_Dir", "C:\\Dest"), 0u);
        for (const char* value : kWebValues) {
            ASSERT_EQ(CRegistry::SetValue(kWebKey.c_str(), value, static_cast<DWORD>(1),
                                          HKEY_CURRENT_USER),
                      0u);
        }
    }
    void TearDown() override {
        TakeQuit();
        CommandFixture::TearDown();
    }

    size_t WebValuesLeft() const {
        size_t left = 0;
        for (const char* value : kWebValues) {
            left += ValueExists(HKEY_CURRENT_USER, kWebKey, value) ? 1 : 0;
        }
        return left;
    }

    TestWindow m_window;
    FakeWizard m_wizard;
    FakeItems m_items;
    FakeNetwork m_network;
};

TEST_F(AppTerminateTest, NothingInstalledRemovesTheRunsTraces) {
    Commands().SetItems(&m_items);
    Commands().SetNetwork(&m_network);
    Env().GetOptions().network = true;
    m_items.installed = false;

    EXPECT_TRUE(Commands().ExecuteLine("CT_APP_TERMINATE"));
    EXPECT_EQ(m_items.calls,
              (std::vector<std::string>{"move history", "installed?", "remove uninstall info"}));
    EXPECT_TRUE(m_network.calls.empty());  // not a cancel
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstalled));
    // The empty program and maker keys go with them.
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, std::string("Software\\") + kMfg));
    // The license page's values, the 64-bit twins only on 64-bit Windows.
    const bool is64 = Env().GetSystemDirs().is64Bit;
    EXPECT_EQ(WebValuesLeft(), is64 ? 0u : 2u);
    EXPECT_TRUE(LogHas("Type = CT_DELREG, Param1=ADD_REG.WEB_AGREEMENT_FALSE,"));
    EXPECT_TRUE(TakeQuit());
}

TEST_F(AppTerminateTest, InstalledItemsKeepTheirRecords) {
    Commands().SetItems(&m_items);
    m_items.installed = true;
    EXPECT_FALSE(Commands().IsTerminating());
    EXPECT_TRUE(Commands().IssueCommand("CT_APP_TERMINATE"));
    EXPECT_TRUE(Commands().IsTerminating());
    // A second end (a finish button pressed twice) settles nothing again.
    EXPECT_TRUE(Commands().IssueCommand("CT_APP_TERMINATE"));
    EXPECT_TRUE(LogHas("Terminate : the setup is already ending"));
    EXPECT_EQ(m_items.calls, (std::vector<std::string>{"move history", "installed?"}));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
    std::string dest;
    EXPECT_TRUE(ReadText(HKEY_LOCAL_MACHINE, kInstalled, "Dest_Dir", dest));
    EXPECT_EQ(WebValuesLeft(), 4u);
    EXPECT_TRUE(TakeQuit());
}

TEST_F(AppTerminateTest, WithoutTheItemSetTheInstalledKeyIsKept) {
    EXPECT_TRUE(Commands().IssueCommand("CT_APP_TERMINATE"));
    EXPECT_TRUE(LogHas("the installing history is not moved"));
    EXPECT_TRUE(LogHas("no item set registered, the Installed key is kept"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kInstalled));
    EXPECT_EQ(WebValuesLeft(), 4u);
    EXPECT_TRUE(TakeQuit());
}

TEST_F(AppTerminateTest, CancelRemovesRecordedPortsOnlyWithNetwork) {
    // A run ends once: each case is a run of its own executor.
    const auto newRun = [this](setup::CNetworkHost* network) {
        m_commands = std::make_unique<CCmdOperator>(m_env);
        Commands().SetMainWindow(m_window.get());
        Commands().SetHost(&m_wizard);
        Commands().SetItems(&m_items);
        Commands().SetNetwork(network);
    };
    newRun(&m_network);

    // The user says no: nothing ends.
    m_wizard.confirm = false;
    EXPECT_TRUE(Commands().IssueCommand("CT_DLG_CANCEL"));
    EXPECT_TRUE(m_items.calls.empty());
    EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
    EXPECT_FALSE(TakeQuit());

    struct Case {
        bool network;
        bool installed;
        size_t removals;
    } cases[] = {{false, false, 0}, {true, true, 0}, {true, false, 1}};
    m_wizard.confirm = true;
    for (const Case& c : cases) {
        Env().GetOptions().network = c.network;
        m_items.installed = c.installed;
        m_network.calls.clear();
        newRun(&m_network);
        EXPECT_TRUE(Commands().IssueCommand("CT_DLG_CANCEL"));
        EXPECT_EQ(m_network.calls.size(), c.removals) << c.network << c.installed;
        EXPECT_TRUE(TakeQuit());
    }

    // Without the network search the ports stay, with a log line.
    newRun(nullptr);
    EXPECT_TRUE(Commands().IssueCommand("CT_DLG_CANCEL"));
    EXPECT_TRUE(LogHas("no network printer search registered"));
}

TEST_F(AppTerminateTest, WithoutAMainWindowNothingIsPosted) {
    Commands().SetMainWindow(nullptr);
    EXPECT_TRUE(Commands().IssueCommand("CT_APP_TERMINATE"));
    EXPECT_TRUE(LogHas("Terminate : no main window to end"));
    EXPECT_FALSE(TakeQuit());
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kInstalling));
}

}  // namespace
}  // namespace commands_test

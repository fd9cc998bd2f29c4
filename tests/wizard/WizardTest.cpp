// The wizard window driven through its messages and commands on real
// windows: the page sequence, sizing and placement, the close rule, the
// command sections and the language change.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "WizardFixture.h"
#include "commands/ItemsHost.h"
#include "foundation/Registry.h"
#include "wizard/NormalPage.h"
#include "wizard/PageFactory.h"
#include "wizard/Wizard.h"
#include "wizard/WizardMessages.h"

namespace {

using wizard_test::kProgram;

// A plain page that records how the wizard enters and leaves it.
class RecordingPage : public CNormalPage {
public:
    void OnEnterPage(const std::string& parameter) override {
        parameters.push_back(parameter);
        CNormalPage::OnEnterPage(parameter);
    }
    void OnLeavePage() override {
        ++left;
        CNormalPage::OnLeavePage();
    }
    int Entered() const { return static_cast<int>(parameters.size()); }

    std::vector<std::string> parameters;
    int left = 0;
};

// An item set that answers whether items are still installed.
class InstalledItems : public setup::CItemsHost {
public:
    explicit InstalledItems(bool installed) : m_installed(installed) {}
    bool MoveInstallingHistory() override { return true; }
    bool IsAnyItemInstalled() override { return m_installed; }
    bool RemoveUninstallInfo() override { return true; }
    int CountInstallableItems() override { return 0; }
    bool WriteItemInfo() override { return true; }
    bool InstallUpdate() override { return true; }
    bool DeleteAll() override { return true; }
    bool CopyFiles(const std::string&) override { return true; }
    bool DeleteFiles(const std::string&) override { return true; }

private:
    bool m_installed;
};

// Three pages listed for creation in advance; the third refuses closing.
const char* const kThreePages =
    "[DLG_COMMON]\r\n"
    "CANCEL_TYPE = NULL\r\n"
    "[INSTALL_START_INFO]\r\n"
    "DIALOGS = PAGE_LIST\r\n"
    "START_CMD = START_SECTION\r\n"
    "CMD_TYPE = CT_OPEN_DLG\r\n"
    "CMD_PARAM1 = NORMAL.WELCOME\r\n"
    "[PAGE_LIST]\r\n"
    "NORMAL.WELCOME\r\n"
    "NORMAL.SECOND\r\n"
    "NORMAL.THIRD\r\n"
    "[NORMAL.WELCOME]\r\n"
    "CAPTION = Welcome caption\r\n"
    "DLG_RECT = 0,0,400,300\r\n"
    "[NORMAL.SECOND]\r\n"
    "CAPTION = Second caption\r\n"
    "DLG_RECT = 0,0,360,240\r\n"
    "[NORMAL.THIRD]\r\n"
    "CAPTION = Third caption\r\n"
    "BLOCK_CANCEL = 1\r\n"
    "[NOKIND]\r\n"
    "CAPTION = Not a page\r\n"
    "[START_SECTION]\r\n";

class WizardWindowTest : public wizard_test::WizardFixture {
protected:
    // Each wizard costs about 2 s here: Wine without a window manager waits
    // that long whenever a shown captioned window is hidden or destroyed.
    // The tests therefore run several related checks on one wizard.
    void TearDown() override {
        m_wizard.reset();
        WizardFixture::TearDown();
    }

    // The package, the environment and a created wizard whose pages record
    // their entries; Init with the resolved "INSTALL_START_INFO".
    bool StartWizard(const std::string& configure, const std::string& strings = std::string(),
                     const std::string& dataExtra = std::string()) {
        if (!Start(configure, strings, dataExtra)) {
            return false;
        }
        m_wizard = std::make_unique<CWizard>(Env());
        m_wizard->SetPageMaker([](const std::string& section) -> std::unique_ptr<CPageDlg> {
            if (!setup::MakePage(section)) {
                return nullptr;
            }
            return std::make_unique<RecordingPage>();
        });
        if (m_wizard->Create(kProgram) != CWizard::kCreated) {
            return false;
        }
        std::string start;
        if (!Env().GetConfigFiles().Configure().FindSectionVariant("INSTALL_START_INFO", start)) {
            return false;
        }
        return m_wizard->Init(start, nullptr);
    }

    CWizard& Wizard() { return *m_wizard; }
    RecordingPage* Page(int index) { return static_cast<RecordingPage*>(Wizard().GetPage(index)); }
    std::string CurrentSection() {
        CPageDlg* page = Wizard().GetCurrentPage();
        return page != nullptr ? page->GetConfig().GetSectionName() : std::string();
    }
    // The start message, handled as the message loop would.
    bool StartPages() {
        Wizard().PostMessage(WM_WIZARD_START, 1, 0);
        return PumpUntil([this]() { return Wizard().GetCurrentPage() != nullptr; });
    }
    LRESULT Open(INT_PTR request, const char* name = nullptr) {
        return Wizard().SendMessage(WM_WIZARD_OPEN_PAGE, static_cast<WPARAM>(request),
                                    reinterpret_cast<LPARAM>(name));
    }
    int CountLog(const std::string& text) const {
        const std::string log = LogText();
        int count = 0;
        for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
            ++count;
        }
        return count;
    }
    SIZE ClientSize() {
        RECT client = {};
        Wizard().GetClientRect(client);
        return SIZE{client.right, client.bottom};
    }

    std::unique_ptr<CWizard> m_wizard;
};

TEST_F(WizardWindowTest, StartOpensTheFirstPageAndNextAndBackWalkThePages) {
    ASSERT_TRUE(StartWizard(kThreePages));
    EXPECT_EQ(std::string(kProgram) + " Installer Program", Wizard().GetClassName());
    EXPECT_EQ(&Wizard().GetCommands(), GetCmdOperator());
    EXPECT_EQ(Wizard().GetHandle(), Wizard().GetCommands().GetMainWindow());
    EXPECT_TRUE(LogHas("Call Command : Type = CT_COMMAND, Param1=START_SECTION,"));

    // The frame: caption and close box only, an application window.
    const LONG_PTR style = Wizard().GetStyle();
    EXPECT_EQ(static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU), style & (WS_CAPTION | WS_SYSMENU));
    EXPECT_EQ(0, style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));
    EXPECT_NE(0, Wizard().GetExStyle() & WS_EX_APPWINDOW);
    EXPECT_EQ(0, Wizard().GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_EQ(nullptr, GetMenu(Wizard()));
    EXPECT_EQ(static_cast<ULONG_PTR>(COLOR_MENU + 1),
              GetClassLongPtrA(Wizard(), GCLP_HBRBACKGROUND));
    EXPECT_EQ(static_cast<ULONG_PTR>(CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS),
              GetClassLongPtrA(Wizard(), GCL_STYLE));
    EXPECT_NE(0u, GetClassLongPtrA(Wizard(), GCLP_HICON));
    EXPECT_FALSE(Wizard().IsVisible());

    // Every listed page exists, hidden and disabled, before the start.
    ASSERT_EQ(3, Wizard().GetPageCount());
    EXPECT_EQ("PAGE_LIST", Wizard().GetDialogsSection());
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(Page(i)->IsVisible());
        EXPECT_FALSE(Page(i)->IsEnabled());
        EXPECT_EQ(Wizard().GetHandle(), Page(i)->GetParent());
    }

    ASSERT_TRUE(StartPages());
    EXPECT_EQ(0, Wizard().GetCurrentIndex());
    EXPECT_EQ(std::vector<std::string>{""}, Page(0)->parameters);
    EXPECT_EQ(0, Page(0)->left);
    EXPECT_TRUE(Wizard().IsVisible());
    EXPECT_TRUE(Page(0)->IsVisible());
    EXPECT_TRUE(Page(0)->IsEnabled());
    EXPECT_TRUE(wizard_test::HasRect(Page(0)->GetHandle(), 0, 0, 400, 300))
        << wizard_test::RectOf(Page(0)->GetHandle());
    EXPECT_FALSE(Page(1)->IsVisible());
    EXPECT_EQ("Welcome caption", Wizard().GetText());

    // The client area is the page rectangle, the frame centred on the screen.
    const SIZE client = ClientSize();
    EXPECT_EQ(400, client.cx);
    EXPECT_EQ(300, client.cy);
    RECT frame = {};
    Wizard().GetRect(frame);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    EXPECT_EQ((GetSystemMetrics(SM_CXSCREEN) - width) / 2, frame.left);
    EXPECT_EQ((GetSystemMetrics(SM_CYSCREEN) - height) / 2, frame.top);

    // Back on the first page does nothing: the page is not left or entered.
    EXPECT_EQ(0, Open(-1));
    EXPECT_EQ(0, Wizard().GetCurrentIndex());
    EXPECT_EQ(1, Page(0)->Entered());
    EXPECT_EQ(0, Page(0)->left);

    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ(1, Page(0)->left);
    EXPECT_FALSE(Page(0)->IsVisible());
    EXPECT_FALSE(Page(0)->IsEnabled());
    EXPECT_TRUE(Page(1)->IsVisible());
    EXPECT_EQ("Second caption", Wizard().GetText());
    EXPECT_EQ(360, ClientSize().cx);
    EXPECT_EQ(240, ClientSize().cy);

    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ(2, Wizard().GetCurrentIndex());
    // The third page has no rectangle of its own: the frame keeps its size.
    EXPECT_EQ(360, ClientSize().cx);
    EXPECT_EQ(240, ClientSize().cy);

    // Next on the last page does nothing.
    EXPECT_EQ(0, Open(-2));
    EXPECT_EQ(2, Wizard().GetCurrentIndex());
    EXPECT_EQ(1, Page(2)->Entered());
    EXPECT_EQ(0, Page(2)->left);

    // Back through the command, whose page name plays no part.
    EXPECT_TRUE(Wizard().RunCommand("CT_DLG_BACK", "NORMAL.WELCOME"));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ(2, Page(1)->Entered());
    EXPECT_EQ(1, Open(-1));
    EXPECT_EQ(0, Wizard().GetCurrentIndex());
    EXPECT_EQ(2, Page(0)->Entered());
    EXPECT_EQ(3, Wizard().GetPageCount());
}

TEST_F(WizardWindowTest, OpensPagesByNameAndFollowsTheirCloseRule) {
    ASSERT_TRUE(StartWizard(kThreePages));
    ASSERT_TRUE(StartPages());

    // Name, blank, "-", blank, word: the page gets the word.
    EXPECT_TRUE(Wizard().RunCommand("CT_OPEN_DLG", " \"normal.third\" - word "));
    EXPECT_EQ(2, Wizard().GetCurrentIndex());
    EXPECT_EQ(std::vector<std::string>{"word"}, Page(2)->parameters);
    EXPECT_EQ(1, Page(0)->left);
    EXPECT_EQ(3, Wizard().GetPageCount());

    // A command posted to the wizard runs when its message is handled.
    ASSERT_TRUE(GetCmdOperator()->PostCommand("CT_OPEN_DLG", "NORMAL.SECOND-a-b"));
    ASSERT_TRUE(PumpUntil([this]() { return Wizard().GetCurrentIndex() == 1; }));
    EXPECT_EQ(std::vector<std::string>{"a-b"}, Page(1)->parameters);

    // An empty name shows the current page again.
    EXPECT_EQ(1, Open(0, ""));
    EXPECT_TRUE(LogHas("Dialog section is empty!!!"));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ(2, Page(1)->Entered());
    EXPECT_EQ(1, Page(1)->left);

    // So does a request without a name.
    EXPECT_EQ(1, Open(0));
    EXPECT_EQ(3, Page(1)->Entered());

    // A page whose section does not resolve: nothing changes.
    EXPECT_FALSE(Wizard().RunCommand("CT_OPEN_DLG", "NORMAL.MISSING-x"));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ(3, Page(1)->Entered());
    EXPECT_EQ(3, Wizard().GetPageCount());

    // A section without a page kind: logged, nothing changes.
    EXPECT_FALSE(Wizard().RunCommand("CT_OPEN_DLG", "NOKIND"));
    EXPECT_TRUE(LogHas("NOKIND Section is invalid dialog section"));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ(3, Wizard().GetPageCount());

    // Still usable afterwards.
    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ(2, Wizard().GetCurrentIndex());

    // The third page refuses closing; the next page restores it.
    const std::string cancel = "Call Command : Type = CT_DLG_CANCEL";
    EXPECT_TRUE(Wizard().RunCommand("CT_OPEN_DLG", "NORMAL.THIRD"));
    EXPECT_TRUE(Wizard().IsCloseBlocked());
    EXPECT_EQ(0, Wizard().GetStyle() & WS_SYSMENU);
    Wizard().SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_TRUE(Wizard().IsWindow());
    EXPECT_EQ(0, CountLog(cancel));

    // The next page without the key restores the close box.
    EXPECT_EQ(1, Open(-1));
    EXPECT_FALSE(Wizard().IsCloseBlocked());
    EXPECT_NE(0, Wizard().GetStyle() & WS_SYSMENU);

    // BlockClose holds until the page changes.
    Wizard().BlockClose();
    Wizard().SendMessage(WM_CLOSE);
    PumpPending();
    EXPECT_EQ(0, CountLog(cancel));
    EXPECT_EQ(1, Open(-1));
    EXPECT_FALSE(Wizard().IsCloseBlocked());

    // Closing now is a cancel ("CANCEL_TYPE = NULL": no question), which
    // ends the run; the window itself stays until its owner destroys it.
    Wizard().SendMessage(WM_CLOSE);
    ASSERT_TRUE(PumpUntil([&]() { return CountLog(cancel) == 1; }));
    EXPECT_TRUE(LogHas("Cancel : CANCEL_TYPE is NULL"));
    EXPECT_TRUE(LogHas("Terminate : no item set registered"));
    EXPECT_TRUE(Wizard().IsWindow());
}

TEST_F(WizardWindowTest, WithoutPrecreationPagesAreBuiltOnFirstOpening) {
    ASSERT_TRUE(StartWizard(kThreePages, std::string(), "[OPTION]\r\nPRECREATE_DLG = 0\r\n"));
    EXPECT_EQ(0, Wizard().GetPageCount());
    EXPECT_TRUE(Wizard().GetDialogsSection().empty());
    // Nothing to show yet: the current index names no page.
    EXPECT_EQ(0, Open(0));

    ASSERT_TRUE(StartPages());
    EXPECT_EQ(1, Wizard().GetPageCount());
    EXPECT_EQ("NORMAL.WELCOME", CurrentSection());

    EXPECT_TRUE(Wizard().RunCommand("CT_OPEN_DLG", "NORMAL.THIRD"));
    EXPECT_EQ(2, Wizard().GetPageCount());
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ("NORMAL.THIRD", CurrentSection());

    // Found again by name, in any case: no second page.
    EXPECT_TRUE(Wizard().RunCommand("CT_OPEN_DLG", "Normal.Welcome"));
    EXPECT_EQ(2, Wizard().GetPageCount());
    EXPECT_EQ(0, Wizard().GetCurrentIndex());
    EXPECT_EQ(2, Page(0)->Entered());

    // The order of next and back is the order of creation.
    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ("NORMAL.THIRD", CurrentSection());
}

TEST_F(WizardWindowTest, PlacesTheFrameByThePagePositionType) {
    const std::string configure =
        "[DLG_COMMON]\r\n"
        "DLG_RECT = 0,0,300,200\r\n"
        "[INSTALL_START_INFO]\r\n"
        "DIALOGS = PAGES\r\n"
        "CMD_PARAM1 = NORMAL.FULL\r\n"
        "[PAGES]\r\n"
        "NORMAL.CENTRED\r\n"
        "NORMAL.FREE\r\n"
        "NORMAL.FULL\r\n"
        "NORMAL.COMMON_RECT\r\n"
        "[NORMAL.CENTRED]\r\n"
        "DLG_RECT = 10,10,410,310\r\n"
        "[NORMAL.FREE]\r\n"
        "BASE_ON = FREE_BASE\r\n"
        "[FREE_BASE]\r\n"
        "DLG_RECT = 0,0,200,100\r\n"
        "DLG_POS_TYPE = free\r\n"
        "[NORMAL.FULL]\r\n"
        "DLG_RECT = 0,0,100,100\r\n"
        "DLG_POS_TYPE = FULL_SCREEN\r\n"
        "[NORMAL.COMMON_RECT]\r\n"
        "CAPTION = Common\r\n";
    ASSERT_TRUE(StartWizard(configure));
    // Without "CMD_TYPE" the start opens a page without a name: the
    // current one, the first page; "CMD_PARAM1" plays no part.
    ASSERT_TRUE(StartPages());
    EXPECT_EQ("NORMAL.CENTRED", CurrentSection());
    EXPECT_TRUE(LogHas("Call Command : Type = CT_OPEN_DLG, Param1=,"));
    EXPECT_TRUE(LogHas("Dialog section is empty!!!"));
    EXPECT_EQ(400, ClientSize().cx);
    EXPECT_EQ(300, ClientSize().cy);

    RECT before = {};
    Wizard().GetRect(before);
    EXPECT_EQ(1, Open(-2));
    RECT free = {};
    Wizard().GetRect(free);
    EXPECT_EQ(before.left, free.left);
    EXPECT_EQ(before.top, free.top);
    EXPECT_EQ(200, ClientSize().cx);
    EXPECT_EQ(100, ClientSize().cy);

    EXPECT_EQ(1, Open(-2));
    RECT full = {};
    Wizard().GetRect(full);
    EXPECT_EQ(0, full.left);
    EXPECT_EQ(0, full.top);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), full.right);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), full.bottom);

    // A rectangle only from "DLG_COMMON" leaves the frame as it is.
    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ("Common", Wizard().GetText());
    RECT common = {};
    Wizard().GetRect(common);
    EXPECT_TRUE(EqualRect(&full, &common));
}

// A first page with neither a rectangle nor a background keeps its
// template's size, and so does the frame around it.
TEST_F(WizardWindowTest, AFirstPageWithoutASizeKeepsItsTemplateSize) {
    ASSERT_TRUE(
        StartWizard("[INSTALL_START_INFO]\r\nDIALOGS = PAGES\r\n"
                    "CMD_TYPE = CT_OPEN_DLG\r\nCMD_PARAM1 = NORMAL.PLAIN\r\n"
                    "[PAGES]\r\nNORMAL.PLAIN\r\n[NORMAL.PLAIN]\r\nCAPTION = Plain\r\n"));
    ASSERT_TRUE(StartPages());
    RECT units = {0, 0, 320, 201};
    Wizard().GetCurrentPage()->MapDialogRect(units);
    EXPECT_EQ(units.right, ClientSize().cx);
    EXPECT_EQ(units.bottom, ClientSize().cy);
}

TEST_F(WizardWindowTest, BuildsListedPagesByResolvedNameAndReportsBadLists) {
    const std::string configure = std::string(kThreePages) +
                                  "[BAD_LIST]\r\n"
                                  "NOKIND\r\n"
                                  "NORMAL.GHOST\r\n"
                                  "FINISH.END\r\n"
                                  "NORMAL.LOCAL\r\n"
                                  "[NORMAL.LOCAL.EN]\r\n"
                                  "CAPTION = English variant\r\n"
                                  "[FINISH.END]\r\n"
                                  "CAPTION = The end\r\n"
                                  "[EMPTY_LIST]\r\n"
                                  "[START_WITHOUT_DIALOGS]\r\n"
                                  "CMD_TYPE = CT_OPEN_DLG\r\n"
                                  "CMD_PARAM1 = NORMAL.SECOND\r\n"
                                  "[START_EMPTY_DIALOGS]\r\n"
                                  "DIALOGS =\r\n"
                                  "[START_BAD_DIALOGS]\r\n"
                                  "DIALOGS = NO_SUCH_LIST\r\n";
    ASSERT_TRUE(StartWizard(configure));
    ASSERT_EQ(3, Wizard().GetPageCount());

    // A listed name without a kind is skipped; one without a section gets
    // an empty page; a kind without its own page here gets a plain one; a
    // name is resolved to its variant for the running language.
    EXPECT_TRUE(Wizard().AddDialogs("BAD_LIST", nullptr));
    EXPECT_TRUE(LogHas("NOKIND Section is invalid dialog section"));
    EXPECT_TRUE(LogHas("[NORMAL.GHOST] Dialog section not found"));
    EXPECT_TRUE(LogHas("[FINISH.END] The FINISH. page is not available in this build"));
    ASSERT_EQ(6, Wizard().GetPageCount());
    EXPECT_EQ("NORMAL.GHOST", Page(3)->GetConfig().GetSectionName());
    EXPECT_EQ("FINISH.END", Page(4)->GetConfig().GetSectionName());
    EXPECT_EQ("The end", Page(4)->GetConfig().GetCaption());
    EXPECT_EQ("NORMAL.LOCAL.EN", Page(5)->GetConfig().GetSectionName());

    // An empty list adds nothing and is no failure.
    EXPECT_TRUE(Wizard().AddDialogs("EMPTY_LIST", nullptr));
    EXPECT_EQ(6, Wizard().GetPageCount());

    EXPECT_FALSE(Wizard().AddDialogs("", nullptr));
    EXPECT_TRUE(LogHas("Set Start Section Name Fail"));
    EXPECT_FALSE(Wizard().AddDialogs("NO_SUCH_LIST", nullptr));
    EXPECT_TRUE(LogHas("Invalid Dialogs section!!! [NO_SUCH_LIST]"));

    // Start sections with a missing, empty or unresolvable "DIALOGS": the
    // start goes on without pages built in advance.
    EXPECT_TRUE(Wizard().Init("START_WITHOUT_DIALOGS", nullptr));
    EXPECT_TRUE(LogHas("[START_WITHOUT_DIALOGS] Get Dialogs fail !"));
    EXPECT_EQ(0, CountLog("Add Dialogs Fail"));
    EXPECT_TRUE(Wizard().Init("START_EMPTY_DIALOGS", nullptr));
    EXPECT_EQ(2, CountLog("Set Start Section Name Fail"));
    EXPECT_EQ(1, CountLog("Add Dialogs Fail"));
    EXPECT_TRUE(Wizard().Init("START_BAD_DIALOGS", nullptr));
    EXPECT_EQ(2, CountLog("Add Dialogs Fail"));
    // Without a start section Init fails and keeps the one it had.
    EXPECT_FALSE(Wizard().Init("", nullptr));
    EXPECT_EQ("START_BAD_DIALOGS", Wizard().GetStartSection());
    EXPECT_EQ(6, Wizard().GetPageCount());

    // The wizard runs on.
    EXPECT_TRUE(Wizard().Init("START_WITHOUT_DIALOGS", nullptr));
    ASSERT_TRUE(StartPages());
    EXPECT_EQ("NORMAL.SECOND", CurrentSection());
    // A listed page whose section does not resolve is reached only in
    // sequence: by name it does not resolve.
    EXPECT_FALSE(Wizard().RunCommand("CT_OPEN_DLG", "NORMAL.GHOST"));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ(2, Wizard().GetCurrentIndex());
    // The listed variant is found by its base name: no second page.
    EXPECT_TRUE(Wizard().RunCommand("CT_OPEN_DLG", "NORMAL.LOCAL"));
    EXPECT_EQ(5, Wizard().GetCurrentIndex());
    EXPECT_EQ("English variant", Wizard().GetText());
    EXPECT_EQ(6, Wizard().GetPageCount());
}

TEST_F(WizardWindowTest, PhaseCommandsFollowTheRecordedSetupType) {
    const std::string configure =
        "[INSTALL_START_INFO]\r\n"
        "[GIVEN_START]\r\n"
        "INSTALLING_CMD = MY_INSTALLING\r\n"
        "END_CMD = MY_END\r\n";
    ASSERT_TRUE(StartWizard(configure));
    const std::string installing = Env().GetRegistryKeys().installing;
    InstalledItems none(false);
    InstalledItems some(true);

    struct Case {
        int setupType;  // -1: no value recorded
        setup::CItemsHost* items;
        const char* installingSection;  // null: nothing runs
        const char* endSection;
    };
    const Case cases[] = {
        {-1, nullptr, nullptr, nullptr},
        {1, nullptr, "INST_INSTALLING_CMD", "INST_END_CMD"},
        {2, nullptr, "UNINST_INSTALLING_CMD", "UNINST_END_CMD"},
        {2, &none, "UNINST_INSTALLING_CMD", "UNINST_END_CMD"},
        {2, &some, nullptr, nullptr},
        {3, nullptr, "REINST_INSTALLING_CMD", "REINST_END_CMD"},
        {4, nullptr, "REINST_INSTALLING_CMD", "REINST_END_CMD"},
        {5, &some, "REINST_INSTALLING_CMD", "REINST_END_CMD"},
        {0, nullptr, "", ""},
        {7, nullptr, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("Setup_Type " + std::to_string(c.setupType));
        CRegistry::DeleteValue(installing.c_str(), "Setup_Type");
        if (c.setupType >= 0) {
            ASSERT_EQ(static_cast<DWORD>(ERROR_SUCCESS),
                      CRegistry::SetValue(installing.c_str(), "Setup_Type",
                                          static_cast<DWORD>(c.setupType)));
        }
        Wizard().GetCommands().SetItems(c.items);
        const int before = CountLog("Call Command : Type = CT_COMMAND,");
        Wizard().RunInstallingCommand();
        Wizard().RunEndCommand();
        const int ran = CountLog("Call Command : Type = CT_COMMAND,") - before;
        EXPECT_EQ(c.installingSection == nullptr ? 0 : 2, ran);
        if (c.installingSection != nullptr) {
            EXPECT_TRUE(LogHas(std::string("Type = CT_COMMAND, Param1=") + c.installingSection +
                               ",Param2="));
            EXPECT_TRUE(
                LogHas(std::string("Type = CT_COMMAND, Param1=") + c.endSection + ",Param2="));
        }
    }
    Wizard().GetCommands().SetItems(nullptr);

    // The start section's own keys win over the setup type.
    ASSERT_TRUE(Wizard().Init("GIVEN_START", nullptr));
    Wizard().RunInstallingCommand();
    Wizard().RunEndCommand();
    EXPECT_TRUE(LogHas("Type = CT_COMMAND, Param1=MY_INSTALLING,"));
    EXPECT_TRUE(LogHas("Type = CT_COMMAND, Param1=MY_END,"));
}

// Ends the modal page that the test runs: checks that the wizard is
// disabled meanwhile and cancels the page with its cancel button.
struct ModalWatch {
    HWND wizard = nullptr;
    bool sawDisabledWizard = false;
    bool sawPage = false;
    std::string caption;
};
ModalWatch g_modalWatch;

BOOL CALLBACK FindModalPage(HWND window, LPARAM) {
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof(caption));
    if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == g_modalWatch.wizard &&
        GetDlgItem(window, kModalCancelId) != nullptr) {
        g_modalWatch.sawPage = true;
        g_modalWatch.caption = caption;
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(kModalCancelId, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(window, kModalCancelId)));
        return FALSE;
    }
    return TRUE;
}

void CALLBACK EndModalPage(HWND, UINT, UINT_PTR id, DWORD) {
    g_modalWatch.sawDisabledWizard = !IsWindowEnabled(g_modalWatch.wizard);
    EnumThreadWindows(GetCurrentThreadId(), &FindModalPage, 0);
    if (g_modalWatch.sawPage) {
        KillTimer(nullptr, id);
    }
}

TEST_F(WizardWindowTest, FrameAnswersItsMessagesAndPageCommands) {
    const std::string configure = std::string(kThreePages) +
                                  "[CUSTOM_START]\r\n"
                                  "CMD_TYPE = CT_SET_INST_TYPE\r\n"
                                  "CMD_PARAM1 = $SRC_DIR$\r\n"
                                  "[NORMAL.MODAL]\r\n"
                                  "CAPTION = Modal caption\r\n"
                                  "DLG_RECT = 0,0,200,120\r\n";
    ASSERT_TRUE(StartWizard(configure));

    // Toggling objects needs a page shown.
    EXPECT_FALSE(Wizard().RunCommand("CT_SHOW_TOGGLE", "LINK.A, \"STATIC.B\""));
    EXPECT_TRUE(LogHas("no page is shown"));

    // The start lays the wizard out right to left with RIGHT_ALIGN.
    EXPECT_EQ(0, Wizard().GetExStyle() & WS_EX_LAYOUTRTL);
    Env().GetOptions().rightAlign = true;
    ASSERT_TRUE(StartPages());
    Env().GetOptions().rightAlign = false;
    EXPECT_NE(0, Wizard().GetExStyle() & WS_EX_LAYOUTRTL);
    EXPECT_TRUE(Wizard().RunCommand("CT_SHOW_TOGGLE", "LINK.A, \"STATIC.B\""));

    // A second wizard of the same program brings the first to the front.
    SetForegroundWindow(Sink());
    ASSERT_EQ(Sink().GetHandle(), GetForegroundWindow());
    {
        CWizard second(Env());
        EXPECT_EQ(CWizard::kAlreadyRunning, second.Create(kProgram));
        EXPECT_EQ(nullptr, second.GetHandle());
        EXPECT_EQ(Wizard().GetHandle(), GetForegroundWindow());
    }
    EXPECT_EQ(&Wizard().GetCommands(), GetCmdOperator());

    // The end of a wait enables the wizard and the background window; the
    // background follows right behind the wizard when it is activated.
    wizard_test::CommandSink background;
    ASSERT_TRUE(background.Open(100, 80));
    Wizard().SetBackgroundWindow(background);
    Wizard().Enable(false);
    background.Enable(false);
    SetForegroundWindow(Sink());
    Wizard().SendMessage(WM_USER_END_WAIT, 1, 0);
    EXPECT_TRUE(Wizard().IsEnabled());
    EXPECT_TRUE(background.IsEnabled());
    EXPECT_EQ(Wizard().GetHandle(), GetForegroundWindow());
    EXPECT_EQ(background.GetHandle(), GetWindow(Wizard(), GW_HWNDNEXT));

    SetForegroundWindow(Sink());
    SetWindowPos(background, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Wizard().SendMessage(WM_WIZARD_ACTIVATE);
    EXPECT_EQ(Wizard().GetHandle(), GetForegroundWindow());
    EXPECT_EQ(background.GetHandle(), GetWindow(Wizard(), GW_HWNDNEXT));

    // Without the bring-to-front flag the foreground stays where it is.
    SetForegroundWindow(Sink());
    Wizard().Enable(false);
    Wizard().SendMessage(WM_USER_END_WAIT, 0, 0);
    EXPECT_TRUE(Wizard().IsEnabled());
    EXPECT_EQ(Sink().GetHandle(), GetForegroundWindow());
    Wizard().SetBackgroundWindow(nullptr);

    // A modal page runs over the disabled wizard and is gone afterwards.
    g_modalWatch = ModalWatch();
    g_modalWatch.wizard = Wizard();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &EndModalPage);
    ASSERT_NE(0u, timer);
    EXPECT_TRUE(Wizard().RunCommand("CT_DO_MODAL", "NORMAL.MODAL"));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(g_modalWatch.sawPage);
    EXPECT_TRUE(g_modalWatch.sawDisabledWizard);
    EXPECT_EQ("Modal caption", g_modalWatch.caption);
    EXPECT_TRUE(Wizard().IsEnabled());
    EXPECT_EQ(3, Wizard().GetPageCount());
    EXPECT_FALSE(Wizard().RunCommand("CT_DO_MODAL", "NOKIND"));

    // Another start command, with its parameters substituted.
    ASSERT_TRUE(Wizard().Init("CUSTOM_START", nullptr));
    Wizard().SendMessage(WM_WIZARD_START, 1, 0);
    char value[4096] = {};
    ASSERT_EQ(
        static_cast<DWORD>(ERROR_SUCCESS),
        CRegistry::GetValue(Env().GetRegistryKeys().installing.c_str(), "Install_Type", value));
    EXPECT_EQ(Env().GetSourceDir(), value);

    // A failed start ends the run.
    Wizard().SendMessage(WM_WIZARD_START, 0, 0);
    EXPECT_TRUE(LogHas("Initializing fail"));
    EXPECT_TRUE(LogHas("Call Command : Type = CT_APP_TERMINATE"));
    MSG quit;
    EXPECT_TRUE(PeekMessageA(&quit, Wizard(), WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(WizardWindowTest, LanguageChangeRebuildsThePagesInTheNewLanguage) {
    const std::string configure =
        "[INSTALL_START_INFO]\r\n"
        "DIALOGS = PAGES\r\n"
        "CMD_TYPE = CT_OPEN_DLG\r\n"
        "CMD_PARAM1 = NORMAL.ONE\r\n"
        "[PAGES]\r\n"
        "NORMAL.ONE\r\n"
        "NORMAL.TWO\r\n"
        "[NORMAL.ONE]\r\n"
        "CAPTION = @TITLE_ONE@\r\n"
        "DLG_RECT = 0,0,300,200\r\n"
        "[NORMAL.TWO]\r\n"
        "CAPTION = @TITLE_TWO@\r\n"
        "[CHANGE_LANG_WIN]\r\n"
        "CAPTION = @CHANGING@\r\n"
        "DLG_RECT = 0,0,200,60\r\n";
    const std::string english =
        "[MESSAGES]\r\nTITLE_ONE = First page\r\nTITLE_TWO = Second page\r\n"
        "CHANGING = Changing language\r\n";
    const std::string languages =
        "[PROGRAM_LANG_INFO]\r\n0X0009 = English\r\n0X0007 = Deutsch\r\n"
        "[OPTION.GR]\r\nRIGHT_ALIGN = 1\r\n";
    ASSERT_TRUE(StartWizard(configure, english, languages));
    WriteMediaFile("data\\String\\Lang_GR.str",
                   "[MESSAGES]\r\nTITLE_ONE = Erste Seite\r\nTITLE_TWO = Zweite Seite\r\n"
                   "CHANGING = Sprache wechseln\r\n");
    ASSERT_TRUE(StartPages());
    ASSERT_EQ("First page", Wizard().GetText());
    EXPECT_EQ(1, Open(-2));
    EXPECT_EQ("Second page", Wizard().GetText());
    EXPECT_EQ(0, Wizard().GetExStyle() & WS_EX_LAYOUTRTL);

    wizard_test::CommandSink background;
    ASSERT_TRUE(background.Open(100, 80));
    Wizard().SetBackgroundWindow(background);

    EXPECT_TRUE(Wizard().RunCommand("CT_CHANGE_LANG", "7"));
    // The pages were refreshed at once; the current one is shown again when
    // the posted request arrives.
    EXPECT_EQ("Erste Seite", Page(0)->GetConfig().GetCaption());
    EXPECT_EQ("Zweite Seite", Page(1)->GetConfig().GetCaption());
    EXPECT_FALSE(background.IsVisible());
    EXPECT_NE(0, Wizard().GetExStyle() & WS_EX_LAYOUTRTL);
    ASSERT_TRUE(PumpUntil([this]() { return Page(1)->Entered() == 2; }));
    EXPECT_EQ(1, Wizard().GetCurrentIndex());
    EXPECT_EQ("Zweite Seite", Wizard().GetText());
    EXPECT_TRUE(Wizard().IsVisible());
    EXPECT_TRUE(Page(1)->IsVisible());
    EXPECT_FALSE(Page(0)->IsVisible());
    EXPECT_FALSE(LogHas("[CHANGE_LANG_WIN] Get Init Dialog information fail!"));

    // Back to English: the layout goes left to right again.
    EXPECT_TRUE(Wizard().RunCommand("CT_CHANGE_LANG", "9"));
    ASSERT_TRUE(PumpUntil([this]() { return Page(1)->Entered() == 3; }));
    EXPECT_EQ("Second page", Wizard().GetText());
    EXPECT_EQ(0, Wizard().GetExStyle() & WS_EX_LAYOUTRTL);

    // A request for the language in effect rebuilds nothing.
    EXPECT_TRUE(Wizard().RunCommand("CT_CHANGE_LANG", "9"));
    PumpPending();
    EXPECT_EQ(3, Page(1)->Entered());
    EXPECT_TRUE(Page(1)->IsVisible());
    Wizard().SetBackgroundWindow(nullptr);
}

}  // namespace

// The wizard's message box and the cancel question, driven from a thread
// timer that the box's own modal loop dispatches: each tick finds the box
// by its class and title, looks at it and answers it as a user would.
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>

#include "WizardFixture.h"
#include "platform/Button.h"
#include "resources/ResourceIds.h"
#include "wizard/CancelConfirm.h"
#include "wizard/MsgBoxDlg.h"
#include "wizard/Wizard.h"
#include "wizard/WizardCommandHost.h"
#include "wizard/WizardMessages.h"

namespace wizard_test {
namespace {

constexpr const char* kDialogClass = "#32770";
// What a box that the test had to close itself answers.
constexpr INT_PTR kForcedEnd = 99;

std::string TextOf(HWND window) {
    char text[2048] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

// A box as the user sees it, taken while it is open.
struct BoxView {
    bool seen = false;
    std::string title;
    std::string text;  // of the hidden static that marks the text's place
    std::string first;
    std::string second;
    bool secondVisible = false;
    HICON icon = nullptr;
    HWND owner = nullptr;
    LONG_PTR exStyle = 0;
    SIZE window = {};
    SIZE client = {};
    RECT firstRect = {};  // client pixels
    RECT secondRect = {};
    RECT windowScreen = {};
    RECT iconScreen = {};
};

RECT ScreenToClientRect(HWND box, HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ScreenToClient(box, &corners[0]);
    ScreenToClient(box, &corners[1]);
    return {std::min(corners[0].x, corners[1].x), corners[0].y,
            std::max(corners[0].x, corners[1].x), corners[1].y};
}

BoxView Inspect(HWND box) {
    BoxView view;
    view.seen = true;
    view.title = TextOf(box);
    view.text = TextOf(GetDlgItem(box, IDC_MSGBOX_TEXT));
    view.first = TextOf(GetDlgItem(box, IDC_MSGBOX_FIRST));
    view.second = TextOf(GetDlgItem(box, IDC_MSGBOX_SECOND));
    view.secondVisible = IsWindowVisible(GetDlgItem(box, IDC_MSGBOX_SECOND)) != FALSE;
    view.icon =
        reinterpret_cast<HICON>(SendDlgItemMessageA(box, IDC_MSGBOX_ICON, STM_GETICON, 0, 0));
    view.owner = GetWindow(box, GW_OWNER);
    view.exStyle = GetWindowLongPtrA(box, GWL_EXSTYLE);
    GetWindowRect(box, &view.windowScreen);
    view.window = {view.windowScreen.right - view.windowScreen.left,
                   view.windowScreen.bottom - view.windowScreen.top};
    RECT rect = {};
    GetClientRect(box, &rect);
    view.client = {rect.right, rect.bottom};
    view.firstRect = ScreenToClientRect(box, GetDlgItem(box, IDC_MSGBOX_FIRST));
    view.secondRect = ScreenToClientRect(box, GetDlgItem(box, IDC_MSGBOX_SECOND));
    GetWindowRect(GetDlgItem(box, IDC_MSGBOX_ICON), &view.iconScreen);
    return view;
}

HICON SystemIcon(WORD id) {
    return LoadIconA(nullptr, MAKEINTRESOURCEA(id));
}

void Click(HWND box, int id) {
    platform::Button(GetDlgItem(box, id)).Click();
}

// The ways a user answers a box.
enum class Action { kFirst, kSecond, kEscape, kClose };

void Answer(HWND box, Action action) {
    switch (action) {
        case Action::kFirst:
            Click(box, IDC_MSGBOX_FIRST);
            break;
        case Action::kSecond:
            Click(box, IDC_MSGBOX_SECOND);
            break;
        case Action::kEscape:
            SendMessageA(box, WM_COMMAND, IDCANCEL, 0);
            break;
        case Action::kClose:
            SendMessageA(box, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
    }
}

// One step of a user at the open box; returns true when it has answered.
using BoxStep = std::function<bool(HWND box, int step)>;

// Runs body (which opens a modal box) while a thread timer plays the user:
// once the box with the program's title is visible, step runs on every tick
// until it returns true. A box that is still open 3 seconds later is ended
// with kForcedEnd, so a fault fails the test instead of hanging it. True
// when a box was seen.
class BoxDriver {
public:
    static bool Run(const BoxStep& step, const std::function<void()>& body) {
        BoxDriver driver(step);
        s_current = &driver;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, &BoxDriver::OnTick);
        body();
        KillTimer(nullptr, timer);
        s_current = nullptr;
        return driver.m_seen;
    }

private:
    explicit BoxDriver(const BoxStep& step) : m_step(step) {}

    static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_current != nullptr) {
            s_current->Tick();
        }
    }

    void Tick() {
        const HWND box = FindWindowA(kDialogClass, kProgram);
        if (box == nullptr || !IsWindowVisible(box)) {
            return;
        }
        m_seen = true;
        if (!m_answered) {
            m_answered = m_step(box, m_steps++);
            return;
        }
        if (++m_waited > 300) {
            ADD_FAILURE() << "the box stayed open after it was answered";
            EndDialog(box, kForcedEnd);
        }
    }

    static BoxDriver* s_current;
    BoxStep m_step;
    bool m_seen = false;
    bool m_answered = false;
    int m_steps = 0;
    int m_waited = 0;
};

BoxDriver* BoxDriver::s_current = nullptr;

const char* const kCaptions =
    "BUTTON.OK = Okay!\r\n"
    "BUTTON.YES = Yes!\r\n"
    "BUTTON.NO = No!\r\n"
    "BUTTON.RESUME = Resume!\r\n"
    "BUTTON.EXIT = Exit!\r\n";

class MsgBoxTest : public WizardFixture {
protected:
    // Shows text in a box with style over parent, looking at the box with
    // view and answering it with answer.
    int ShowBox(const std::string& text, DWORD style, HWND parent, BoxView& view,
                const std::function<void(HWND)>& answer) {
        CMsgBoxDlg box(parent);
        EXPECT_TRUE(box.SetMessage(text, style));
        int result = -1;
        BoxDriver::Run(
            [&](HWND window, int) {
                view = Inspect(window);
                answer(window);
                return true;
            },
            [&] { result = box.Show(); });
        return result;
    }
};

TEST_F(MsgBoxTest, EmptyTextIsRefusedAndNothingIsShown) {
    ASSERT_TRUE(Start("[DLG_COMMON]\r\n"));
    CMsgBoxDlg box;
    EXPECT_FALSE(box.SetMessage("", 0x40));
    int result = -1;
    const bool seen = BoxDriver::Run([](HWND, int) { return true; }, [&] { result = box.Show(); });
    EXPECT_FALSE(seen);
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(LogHas("Message box not shown: it has no text"));
}

// Button sets with their captions (BUTTON.CANCEL is not in the strings: the
// template's caption stays), icons, owners and ways of answering; the
// Resume/Exit set is shown by the cancel question below. Every text is one short line, so every box
// has the minimum size.
TEST_F(MsgBoxTest, ButtonSetsCaptionsIconsAndAnswers) {
    ASSERT_TRUE(Start("[DLG_COMMON]\r\n", kCaptions));
    platform::Window other;
    ASSERT_TRUE(other.Create(0, "Static", "", WS_POPUP, RECT{0, 0, 50, 50}, nullptr));
    other.Show(SW_SHOWNOACTIVATE);

    struct Case {
        DWORD style;
        bool ownParent;
        bool rightAlign;
        WORD icon;
        const char* first;
        const char* second;
        Action action;
        int answer;
    } cases[] = {
        {0x40, false, false, 32516, "Okay!", nullptr, Action::kEscape, 1},
        {0x11, true, false, 32513, "Okay!", "Cancel", Action::kSecond, 2},
        {0x24, false, true, 32514, "Yes!", "No!", Action::kFirst, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "style 0x" << std::hex << c.style);
        Env().GetOptions().rightAlign = c.rightAlign;
        BoxView view;
        const int result =
            ShowBox("Short line.", c.style, c.ownParent ? other.GetHandle() : nullptr, view,
                    [&](HWND box) { Answer(box, c.action); });
        ASSERT_TRUE(view.seen);
        EXPECT_EQ(result, c.answer);
        EXPECT_EQ(view.title, kProgram);
        EXPECT_EQ(view.text, "Short line.");
        EXPECT_EQ(view.owner, c.ownParent ? other.GetHandle() : Sink().GetHandle());
        EXPECT_EQ(view.icon, SystemIcon(c.icon));
        EXPECT_EQ(view.first, c.first);
        EXPECT_EQ(view.secondVisible, c.second != nullptr);
        if (c.second != nullptr) {
            EXPECT_EQ(view.second, c.second);
        }
        EXPECT_EQ(view.window.cx, 300);
        EXPECT_EQ(view.window.cy, 100);
        EXPECT_EQ((view.exStyle & WS_EX_LAYOUTRTL) != 0, c.rightAlign);
        if (c.rightAlign) {
            // Mirrored: the icon 14 pixels in from the right edge of the
            // client area (and from its top, which the frame does not move).
            const LONG border = (view.window.cx - view.client.cx) / 2;
            EXPECT_EQ(view.iconScreen.right, view.windowScreen.right - border - 14);
            EXPECT_EQ(view.iconScreen.top, view.windowScreen.bottom - border - view.client.cy + 14);
        }
        // Buttons 10 pixels above the bottom, centred alone or as a pair.
        EXPECT_EQ(view.firstRect.bottom, view.client.cy - 10);
        const LONG rowRight = c.second != nullptr ? view.secondRect.right : view.firstRect.right;
        EXPECT_LE(std::abs(view.firstRect.left - (view.client.cx - rowRight)), 1);
        if (c.second != nullptr) {
            EXPECT_EQ(view.secondRect.left, view.firstRect.right + 10);
        }
    }
    Env().GetOptions().rightAlign = false;
    other.Destroy();
}

TEST_F(MsgBoxTest, LongLineWidensTheBoxUpToTheMeasuringWidthThenWraps) {
    ASSERT_TRUE(Start("[DLG_COMMON]\r\n", kCaptions));
    std::string text;
    for (int i = 0; i < 60; ++i) {
        text += "several words ";
    }
    BoxView view;
    const int result =
        ShowBox(text, 0x21, nullptr, view, [](HWND box) { Click(box, IDC_MSGBOX_FIRST); });
    ASSERT_TRUE(view.seen);
    EXPECT_EQ(result, 1);
    const LONG halfFrame = (view.window.cx - view.client.cx) / 2;
    // Measured from x 66 up to 816 at most: the widest line ends within a
    // word of the right edge.
    EXPECT_LE(view.window.cx, halfFrame + 816 + 10);
    EXPECT_GT(view.window.cx, halfFrame + 816 + 10 - 100);
    // Several lines: taller than the minimum, the buttons still 10 above the
    // bottom and centred.
    EXPECT_GT(view.window.cy, 100);
    EXPECT_EQ(view.firstRect.bottom, view.client.cy - 10);
    EXPECT_LE(std::abs(view.firstRect.left - (view.client.cx - view.secondRect.right)), 1);
}

TEST_F(MsgBoxTest, LockedBoxIgnoresCloseAndButtonsUntilUnlocked) {
    ASSERT_TRUE(Start("[DLG_COMMON]\r\n"));
    CMsgBoxDlg box;
    ASSERT_TRUE(box.SetMessage("Working...", 0x31));
    bool lockedDisabled = false;
    bool stayedOpen = false;
    bool unlockedEnabled = false;
    int result = -1;
    BoxDriver::Run(
        [&](HWND window, int step) {
            const HWND first = GetDlgItem(window, IDC_MSGBOX_FIRST);
            const HWND second = GetDlgItem(window, IDC_MSGBOX_SECOND);
            if (step == 0) {
                SendMessageA(window, WM_MSGBOX_LOCK, 0, 0);
                lockedDisabled = !IsWindowEnabled(first) && !IsWindowEnabled(second);
                // The close box, Escape and a click that reaches the
                // disabled button: all would answer 2.
                SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
                SendMessageA(window, WM_COMMAND, IDCANCEL, 0);
                SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_MSGBOX_SECOND, BN_CLICKED),
                             reinterpret_cast<LPARAM>(second));
                return false;
            }
            // Anything the close box posted has been handled by now.
            stayedOpen = IsWindowVisible(window) != FALSE;
            SendMessageA(window, WM_MSGBOX_LOCK, 1, 0);
            unlockedEnabled = IsWindowEnabled(first) && IsWindowEnabled(second);
            Click(window, IDC_MSGBOX_FIRST);
            return true;
        },
        [&] { result = box.Show(); });
    EXPECT_TRUE(lockedDisabled);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(unlockedEnabled);
    EXPECT_EQ(result, 1);
}

class CancelConfirmTest : public MsgBoxTest {};

const char* const kBuiltInText =
    "Setup is not complete. If you quit the setup program now, the components you requested to "
    "add/remove will not be installed/uninstalled.\r\nYou may run the setup program at a later "
    "time to complete the operations.\r\nAre you sure you want to quit the setup?";

TEST_F(CancelConfirmTest, CancelTypeChoosesTheQuestionAndTheAnswerThatQuits) {
    struct Case {
        const char* configure;
        bool asks;
        const char* first;
        const char* second;
        Action action;
        bool quits;
        bool configuredText;
    } cases[] = {
        // No key: Resume/Exit, Exit quits; the built-in text.
        {"[DLG_COMMON]\r\n", true, "Resume!", "Exit!", Action::kSecond, true, false},
        // Closing the question is going on. An empty text would leave
        // nothing to ask: the built-in one is used.
        {"[DLG_COMMON]\r\nCANCEL_TYPE = RESUME_EXIT\r\n[CANCEL_DLG]\r\nCANCEL_MSG =\r\n", true,
         "Resume!", "Exit!", Action::kClose, false, false},
        // Lower case still means the Yes/No form; the configured text.
        {"[DLG_COMMON]\r\nCANCEL_TYPE = ok_cancel\r\n[CANCEL_DLG]\r\n"
         "CANCEL_MSG = Quit the setup from $SRC_DIR$?\r\n",
         true, "Yes!", "No!", Action::kFirst, true, true},
        {"[DLG_COMMON]\r\nCANCEL_TYPE = OK_CANCEL\r\n", true, "Yes!", "No!", Action::kSecond, false,
         false},
        {"[DLG_COMMON]\r\nCANCEL_TYPE = NULL\r\n", false, nullptr, nullptr, Action::kFirst, true,
         false},
    };
    ASSERT_TRUE(Start("[DLG_COMMON]\r\n", kCaptions));
    CConfigFile& configure = Env().GetConfigFiles().Configure();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.configure);
        ASSERT_TRUE(configure.ReloadMain(WriteMediaFile("data\\psinst.psi", c.configure)));
        BoxView view;
        bool quits = false;
        const bool seen = BoxDriver::Run(
            [&](HWND box, int) {
                view = Inspect(box);
                Answer(box, c.action);
                return true;
            },
            [&] { quits = setup::ConfirmCancel(nullptr); });
        EXPECT_EQ(seen, c.asks);
        EXPECT_EQ(quits, c.quits);
        if (!c.asks) {
            EXPECT_TRUE(LogHas("CANCEL_TYPE is NULL"));
            continue;
        }
        EXPECT_EQ(view.first, c.first);
        EXPECT_EQ(view.second, c.second);
        EXPECT_EQ(view.icon, SystemIcon(32515));
        EXPECT_EQ(view.owner, Sink().GetHandle());
        if (c.configuredText) {
            EXPECT_EQ(view.text, "Quit the setup from " + Env().Substitute("$SRC_DIR$") + "?");
        } else {
            EXPECT_EQ(view.text, kBuiltInText);
        }
    }
}

TEST_F(CancelConfirmTest, CopyPageAsksResumeExitWhateverTheCancelType) {
    ASSERT_TRUE(Start("[DLG_COMMON]\r\nCANCEL_TYPE = NULL\r\n", kCaptions));
    BoxView view;
    bool quits = false;
    const bool seen = BoxDriver::Run(
        [&](HWND box, int) {
            view = Inspect(box);
            Click(box, IDC_MSGBOX_SECOND);
            return true;
        },
        [&] { quits = setup::ConfirmCopyCancel(Sink()); });
    EXPECT_TRUE(seen);
    EXPECT_TRUE(quits);
    EXPECT_EQ(view.first, "Resume!");
    EXPECT_EQ(view.second, "Exit!");
    EXPECT_EQ(view.text, kBuiltInText);
}

// A box asked for while a modal window keeps the wizard disabled sits over
// that window, and answering it leaves the wizard disabled; a second cancel
// while the question is open is not asked again.
TEST_F(CancelConfirmTest, TheQuestionRespectsModalWindowsAndIsAskedOnce) {
    ASSERT_TRUE(Start("[DLG_COMMON]\r\n", kCaptions));
    CommandSink modal;
    ASSERT_TRUE(modal.Open(200, 100));
    SetWindowLongPtrA(modal, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Sink().GetHandle()));
    // As a modal page over the wizard: active, the wizard disabled.
    SetActiveWindow(modal);
    Sink().Enable(false);

    CWizard wizard(Env());
    setup::CWizardCommandHost host(wizard);
    BoxView view;
    bool secondAsked = true;
    bool quits = true;
    BoxDriver::Run(
        [&](HWND box, int) {
            view = Inspect(box);
            secondAsked = host.ConfirmCancel();
            Answer(box, Action::kFirst);
            return true;
        },
        [&] { quits = host.ConfirmCancel(); });
    EXPECT_FALSE(quits);
    EXPECT_FALSE(secondAsked);
    EXPECT_TRUE(LogHas("Cancel : the question is already open"));
    EXPECT_EQ(view.owner, modal.GetHandle());
    EXPECT_FALSE(Sink().IsEnabled());
    EXPECT_FALSE(host.IsModalOpen());
    Sink().Enable(true);
    modal.Destroy();
}

}  // namespace
}  // namespace wizard_test

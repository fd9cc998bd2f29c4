// Our own windows: messages reach the one handler and its hooks, what the
// handler leaves goes to the default processing, exceptions stay inside the
// window procedure, and the object and its window part cleanly.
#include "platform/CustomWindow.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "UiTestSupport.h"

namespace {

using platform::CustomWindow;
using ui_test::LogCapture;
using ui_test::PumpUntil;

constexpr UINT kAdd = WM_USER + 1;
constexpr const char* kClassName = "PlatformTestRecording";

class RecordingWindow : public CustomWindow {
public:
    bool refuseCreate = false;
    bool throwOnCreate = false;
    bool throwOnAdd = false;
    bool keepOnClose = false;

    int creates = 0;
    std::string createTitle;
    std::vector<int> commandIds;
    std::vector<int> commandCodes;
    std::vector<HWND> commandControls;
    SIZE lastSize = {-1, -1};
    std::vector<UINT_PTR> timers;
    std::vector<UINT> notifyCodes;
    int destroys = 0;
    int adds = 0;

    static bool Register() {
        WNDCLASSEXA windowClass = {};
        windowClass.lpszClassName = kClassName;
        windowClass.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        return RegisterWindowClass(windowClass);
    }

    bool Open(HWND parent = nullptr) {
        const RECT rect = {50, 50, 350, 250};
        if (!Create(kClassName, "Recording", ui_test::HostWindow::kStyle, 0, rect, parent)) {
            return false;
        }
        Show(SW_SHOWNOACTIVATE);  // see HostWindow::Open
        return true;
    }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == kAdd) {
            ++adds;
            if (throwOnAdd) {
                throw std::runtime_error("adding failed on purpose");
            }
            result = static_cast<LRESULT>(wParam + lParam);
            return true;
        }
        return CustomWindow::OnMessage(message, wParam, lParam, result);
    }
    bool OnCreate(const CREATESTRUCTA& create) override {
        ++creates;
        createTitle = create.lpszName != nullptr ? create.lpszName : "";
        if (throwOnCreate) {
            throw std::runtime_error("creation failed on purpose");
        }
        return !refuseCreate;
    }
    bool OnCommand(int code, int id, HWND control) override {
        commandCodes.push_back(code);
        commandIds.push_back(id);
        commandControls.push_back(control);
        return true;
    }
    bool OnNotify(int, NMHDR& header, LRESULT& result) override {
        notifyCodes.push_back(header.code);
        result = 77;
        return true;
    }
    bool OnSize(UINT, int width, int height) override {
        lastSize = {width, height};
        return true;
    }
    bool OnTimer(UINT_PTR id) override {
        timers.push_back(id);
        KillTimer(id);
        return true;
    }
    bool OnClose() override { return keepOnClose; }
    void OnDestroy() override { ++destroys; }
};

class CustomWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(RecordingWindow::Register()); }
};

TEST_F(CustomWindowTest, MessagesReachTheHandlerAndItsHooks) {
    RecordingWindow window;
    ASSERT_TRUE(window.Open()) << ::GetLastError();
    EXPECT_EQ(window.creates, 1);
    EXPECT_EQ(window.createTitle, "Recording");

    // WM_COMMAND splits into code, id and control.
    const HWND control = reinterpret_cast<HWND>(0x1234);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(42, BN_DOUBLECLICKED),
                       reinterpret_cast<LPARAM>(control));
    ASSERT_EQ(window.commandIds, std::vector<int>{42});
    EXPECT_EQ(window.commandCodes, std::vector<int>{BN_DOUBLECLICKED});
    EXPECT_EQ(window.commandControls, std::vector<HWND>{control});

    // WM_SIZE carries the new client size.
    ASSERT_TRUE(window.Move(60, 60, 420, 330));
    RECT client;
    ASSERT_TRUE(window.GetClientRect(client));
    EXPECT_EQ(window.lastSize.cx, client.right);
    EXPECT_EQ(window.lastSize.cy, client.bottom);

    // A user message sent and posted, with the handler's result.
    EXPECT_EQ(window.SendMessage(kAdd, 20, 22), 42);
    ASSERT_TRUE(window.PostMessage(kAdd, 1, 2));
    EXPECT_TRUE(PumpUntil([&] { return window.adds == 2; }));

    // WM_NOTIFY gives its result back to the sender.
    NMHDR header = {};
    header.hwndFrom = window;
    header.idFrom = 9;
    header.code = NM_CLICK;
    EXPECT_EQ(window.SendMessage(WM_NOTIFY, 9, reinterpret_cast<LPARAM>(&header)), 77);
    EXPECT_EQ(window.notifyCodes, std::vector<UINT>{static_cast<UINT>(NM_CLICK)});

    // WM_TIMER.
    ASSERT_TRUE(window.SetTimer(7, 10));
    EXPECT_TRUE(PumpUntil([&] { return !window.timers.empty(); }));
    EXPECT_EQ(window.timers.front(), 7u);
}

TEST_F(CustomWindowTest, UnhandledMessagesGetTheDefaultProcessing) {
    RecordingWindow window;
    ASSERT_TRUE(window.Open());
    // WM_SETTEXT and WM_GETTEXT are left to DefWindowProcA, which keeps the
    // text.
    ASSERT_TRUE(window.SetText("Changed title"));
    EXPECT_EQ(window.GetText(), "Changed title");
    // WM_CLOSE left to the default destroys the window after OnDestroy.
    const HWND hwnd = window;
    window.SendMessage(WM_CLOSE);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(window.destroys, 1);
    EXPECT_EQ(window.GetHandle(), nullptr);
}

TEST_F(CustomWindowTest, OnCloseCanKeepTheWindow) {
    RecordingWindow window;
    window.keepOnClose = true;
    ASSERT_TRUE(window.Open());
    window.SendMessage(WM_CLOSE);
    EXPECT_TRUE(window.IsWindow());
    EXPECT_EQ(window.destroys, 0);
}

TEST_F(CustomWindowTest, ExceptionInAHandlerStaysInsideAndIsLogged) {
    LogCapture log;
    RecordingWindow window;
    ASSERT_TRUE(window.Open());
    window.throwOnAdd = true;

    // Sent: the caller gets the default result and the window lives on.
    EXPECT_EQ(window.SendMessage(kAdd, 1, 1), 0);
    EXPECT_TRUE(window.IsWindow());
    // Posted: the exception does not leave the dispatch either.
    ASSERT_TRUE(window.PostMessage(kAdd, 1, 1));
    EXPECT_TRUE(PumpUntil([&] { return window.adds == 2; }));
    EXPECT_TRUE(window.IsWindow());

    window.throwOnAdd = false;
    EXPECT_EQ(window.SendMessage(kAdd, 1, 1), 2);

    const std::string text = log.Text();
    EXPECT_NE(
        text.find("Message 0x0401 to [PlatformTestRecording] failed: adding failed on purpose"),
        std::string::npos)
        << text;
}

TEST_F(CustomWindowTest, RefusedOrFailedCreationLeavesNoWindow) {
    LogCapture log;
    struct Case {
        const char* name;
        bool refuse;
        bool fail;
    } cases[] = {
        {"OnCreate refuses", true, false},
        {"OnCreate throws", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingWindow window;
        window.refuseCreate = c.refuse;
        window.throwOnCreate = c.fail;
        EXPECT_FALSE(window.Open());
        EXPECT_EQ(window.GetHandle(), nullptr);
        EXPECT_EQ(::FindWindowA(kClassName, "Recording"), nullptr);
        // The object can try again.
        window.refuseCreate = false;
        window.throwOnCreate = false;
        EXPECT_TRUE(window.Open());
    }
    EXPECT_NE(log.Text().find("failed: creation failed on purpose"), std::string::npos);
}

TEST_F(CustomWindowTest, SecondCreateIsRefused) {
    RecordingWindow window;
    ASSERT_TRUE(window.Open());
    const HWND first = window;
    ::SetLastError(0xdeadbeef);
    EXPECT_FALSE(window.Open());
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_INITIALIZED));
    EXPECT_EQ(window.GetHandle(), first);
}

TEST_F(CustomWindowTest, ObjectDestroysItsWindowWithoutCallingBack) {
    HWND hwnd = nullptr;
    int destroys = 0;
    {
        RecordingWindow window;
        ASSERT_TRUE(window.Open());
        hwnd = window;
        destroys = window.destroys;
    }
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(destroys, 0);
}

TEST_F(CustomWindowTest, ChildWindowGetsItsId) {
    RecordingWindow parent;
    ASSERT_TRUE(parent.Open());
    RecordingWindow child;
    const RECT rect = {10, 10, 60, 40};
    ASSERT_TRUE(child.Create(kClassName, "", WS_CHILD | WS_VISIBLE, 0, rect, parent, 321));
    EXPECT_EQ(child.GetId(), 321);
    EXPECT_EQ(child.GetParent(), parent.GetHandle());
}

TEST_F(CustomWindowTest, RegisteringAClassOfAnotherProcedureFails) {
    WNDCLASSEXA foreign = {};
    foreign.cbSize = sizeof(foreign);
    foreign.lpfnWndProc = ::DefWindowProcA;
    foreign.hInstance = ::GetModuleHandleA(nullptr);
    foreign.lpszClassName = "PlatformTestForeign";
    ASSERT_NE(::RegisterClassExA(&foreign), 0);

    WNDCLASSEXA ours = {};
    ours.lpszClassName = "PlatformTestForeign";
    ::SetLastError(0xdeadbeef);
    EXPECT_FALSE(CustomWindow::RegisterWindowClass(ours));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));
    // Registering our own class again is fine.
    EXPECT_TRUE(RecordingWindow::Register());
    ::UnregisterClassA("PlatformTestForeign", foreign.hInstance);
}

}  // namespace

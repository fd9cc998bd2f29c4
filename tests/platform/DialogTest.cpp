// Dialogs: modeless and modal, from resource templates and from templates
// built at run time; how they close; what the dialog procedure gives back;
// and a failing initialisation.
#include "platform/Dialog.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "UiTestSupport.h"
#include "platform/DialogTemplate.h"
#include "platform/Gdi.h"
#include "resources/ResourceIds.h"

namespace {

using platform::Dialog;
using platform::DialogTemplate;
using ui_test::HostWindow;
using ui_test::LogCapture;
using ui_test::RectText;

constexpr UINT kQuery = WM_USER + 7;
constexpr UINT_PTR kWatchdog = 99;
constexpr INT_PTR kTimedOut = -2;

class TestDialog : public Dialog {
public:
    // A command posted to itself once initialised (0: none).
    int postOnInit = 0;
    bool throwOnInit = false;
    bool throwOnQuery = false;
    HBRUSH staticBrush = nullptr;

    int inits = 0;
    int oks = 0;
    int cancels = 0;
    int destroys = 0;
    HWND initFocus = nullptr;

protected:
    bool OnInitDialog(HWND focus) override {
        ++inits;
        initFocus = focus;
        if (throwOnInit) {
            throw std::runtime_error("initialisation failed on purpose");
        }
        if (postOnInit != 0) {
            PostMessage(WM_COMMAND, MAKEWPARAM(postOnInit, BN_CLICKED));
        }
        // Nothing may hang: a modal loop ends on its own after a while.
        if (IsModal()) {
            SetTimer(kWatchdog, 5000);
        }
        return true;
    }
    bool OnTimer(UINT_PTR id) override {
        if (id == kWatchdog) {
            End(kTimedOut);
            return true;
        }
        return false;
    }
    void OnOk() override {
        ++oks;
        Dialog::OnOk();
    }
    void OnCancel() override {
        ++cancels;
        Dialog::OnCancel();
    }
    void OnDestroy() override { ++destroys; }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == kQuery) {
            if (throwOnQuery) {
                throw std::runtime_error("query failed on purpose");
            }
            result = 1234;
            return true;
        }
        if (message == WM_CTLCOLORSTATIC && staticBrush != nullptr) {
            result = reinterpret_cast<LRESULT>(staticBrush);
            return true;
        }
        return Dialog::OnMessage(message, wParam, lParam, result);
    }
};

// The client size a dialog of width x height dialog units has.
SIZE DialogUnitsToPixels(const Dialog& dialog, int width, int height) {
    RECT rect = {0, 0, width, height};
    EXPECT_TRUE(dialog.MapDialogRect(rect));
    return {rect.right, rect.bottom};
}

DialogTemplate MakePopupTemplate() {
    DialogTemplate popup(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 20, 20, 180, 80,
                         "Popup");
    popup.AddControl(IDOK, DialogTemplate::ControlClass::kButton, "OK",
                     WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 60, 58, 50, 14);
    popup.AddControl(IDCANCEL, DialogTemplate::ControlClass::kButton, "Cancel",
                     WS_VISIBLE | WS_TABSTOP, 120, 58, 50, 14);
    return popup;
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_host.Open()); }
    HostWindow m_host;
};

TEST_F(DialogTest, ModelessPageFromTemplate130) {
    TestDialog page;
    ASSERT_TRUE(page.Create(IDD_PAGE, m_host)) << ::GetLastError();
    EXPECT_EQ(page.inits, 1);
    EXPECT_FALSE(page.IsModal());
    EXPECT_NE(page.GetStyle() & WS_CHILD, 0);
    EXPECT_EQ(page.GetParent(), m_host.GetHandle());

    RECT client;
    ASSERT_TRUE(page.GetClientRect(client));
    const SIZE expected = DialogUnitsToPixels(page, 320, 201);
    EXPECT_EQ(client.right, expected.cx);
    EXPECT_EQ(client.bottom, expected.cy);

    // A second Create on a live dialog is refused.
    ::SetLastError(0xdeadbeef);
    EXPECT_FALSE(page.Create(IDD_PAGE, m_host));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_INITIALIZED));
}

TEST_F(DialogTest, ModelessDialogClosesByDestroyingItself) {
    const DialogTemplate popup = MakePopupTemplate();
    TestDialog dialog;
    dialog.postOnInit = IDCANCEL;
    ASSERT_TRUE(dialog.Create(popup, m_host));
    const HWND hwnd = dialog;
    EXPECT_TRUE(ui_test::PumpUntil([&] { return !::IsWindow(hwnd); }));
    EXPECT_EQ(dialog.cancels, 1);
    EXPECT_EQ(dialog.destroys, 1);
    EXPECT_EQ(dialog.GetResult(), IDCANCEL);
    EXPECT_EQ(dialog.GetHandle(), nullptr);
    // The object can open the dialog again.
    dialog.postOnInit = 0;
    EXPECT_TRUE(dialog.Create(popup, m_host));
}

TEST_F(DialogTest, ModalDialogEndsWithThePostedCommand) {
    const DialogTemplate popup = MakePopupTemplate();
    struct Case {
        const char* name;
        const DialogTemplate* inMemory;
        int templateId;
        int command;
    } cases[] = {
        {"message box template, OK", nullptr, IDD_MSGBOX, IDOK},
        {"message box template, Cancel", nullptr, IDD_MSGBOX, IDCANCEL},
        {"built template, OK", &popup, 0, IDOK},
        {"built template, Cancel", &popup, 0, IDCANCEL},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestDialog dialog;
        dialog.postOnInit = c.command;
        const INT_PTR result = c.inMemory != nullptr ? dialog.DoModal(*c.inMemory, m_host)
                                                     : dialog.DoModal(c.templateId, m_host);
        EXPECT_EQ(result, c.command);
        EXPECT_TRUE(dialog.IsModal());
        EXPECT_EQ(dialog.oks, c.command == IDOK ? 1 : 0);
        EXPECT_EQ(dialog.cancels, c.command == IDCANCEL ? 1 : 0);
        EXPECT_EQ(dialog.destroys, 1);
        EXPECT_EQ(dialog.GetHandle(), nullptr);
        // The owner is usable again.
        EXPECT_TRUE(m_host.IsEnabled());
    }
}

TEST_F(DialogTest, BuiltTemplatePlacesControlsWhereAsked) {
    DialogTemplate built(WS_CHILD | WS_VISIBLE, 0, 0, 0, 240, 150, "", "MS Shell Dlg", 8);
    using Class = DialogTemplate::ControlClass;
    struct Control {
        WORD id;
        const char* className;
        Class predefined;  // used when byName is false
        bool byName;
        const char* text;
        DWORD style;
        RECT units;  // left, top, width, height
    } controls[] = {
        {101,
         "Button",
         Class::kButton,
         false,
         "Press",
         WS_VISIBLE | BS_PUSHBUTTON,
         {10, 10, 60, 14}},
        {102, "Edit", Class::kEdit, false, "typed", WS_VISIBLE | WS_BORDER, {80, 10, 120, 12}},
        {103, "Static", Class::kStatic, false, "A label", WS_VISIBLE, {10, 34, 200, 8}},
        {104,
         "ListBox",
         Class::kListBox,
         false,
         "",
         WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT,
         {10, 50, 100, 60}},
        {105, "msctls_progress32", Class::kStatic, true, "", WS_VISIBLE, {120, 50, 110, 10}},
    };
    for (const Control& c : controls) {
        if (c.byName) {
            built.AddControl(c.id, c.className, c.text, c.style, c.units.left, c.units.top,
                             c.units.right, c.units.bottom);
        } else {
            built.AddControl(c.id, c.predefined, c.text, c.style, c.units.left, c.units.top,
                             c.units.right, c.units.bottom);
        }
    }
    EXPECT_EQ(built.GetControlCount(), 5u);

    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(built, m_host)) << ::GetLastError();
    RECT client;
    ASSERT_TRUE(dialog.GetClientRect(client));
    const SIZE size = DialogUnitsToPixels(dialog, 240, 150);
    EXPECT_EQ(client.right, size.cx);
    EXPECT_EQ(client.bottom, size.cy);

    for (const Control& c : controls) {
        SCOPED_TRACE(c.className);
        const HWND item = dialog.GetItem(c.id);
        ASSERT_NE(item, nullptr);
        char className[64] = "";
        ::GetClassNameA(item, className, sizeof(className));
        EXPECT_STRCASEEQ(className, c.className);
        EXPECT_EQ(platform::Window(item).GetText(), c.text);

        RECT expected = {c.units.left, c.units.top, c.units.left + c.units.right,
                         c.units.top + c.units.bottom};
        ASSERT_TRUE(dialog.MapDialogRect(expected));
        RECT actual;
        ASSERT_TRUE(::GetWindowRect(item, &actual));
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_TRUE(ui_test::SameRect(actual, expected))
            << RectText(actual) << " expected " << RectText(expected);
    }
}

TEST_F(DialogTest, ResultsComeBackThroughTheDialogProcedure) {
    TestDialog dialog;
    const platform::UniqueBrush brush(::CreateSolidBrush(RGB(10, 20, 30)));
    dialog.staticBrush = brush.get();
    ASSERT_TRUE(dialog.Create(IDD_DEST_DIR, m_host));
    // An ordinary message's result travels through DWLP_MSGRESULT.
    EXPECT_EQ(dialog.SendMessage(kQuery), 1234);
    // A colour message's result is the brush itself.
    const HWND label = dialog.GetItem(IDC_DEST_DESC);
    const HDC dc = ::GetDC(label);
    EXPECT_EQ(dialog.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(label)),
              reinterpret_cast<LRESULT>(brush.get()));
    ::ReleaseDC(label, dc);
    dialog.Destroy();
}

TEST_F(DialogTest, ExceptionInAHandlerLeavesTheDialogRunning) {
    LogCapture log;
    TestDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_PAGE, m_host));
    dialog.throwOnQuery = true;
    EXPECT_EQ(dialog.SendMessage(kQuery), 0);
    EXPECT_TRUE(dialog.IsWindow());
    dialog.throwOnQuery = false;
    EXPECT_EQ(dialog.SendMessage(kQuery), 1234);
    EXPECT_NE(log.Text().find("Message 0x0407 to [#32770] failed: query failed on purpose"),
              std::string::npos)
        << log.Text();
}

TEST_F(DialogTest, FailedInitialisationClosesTheDialog) {
    LogCapture log;
    {
        TestDialog modeless;
        modeless.throwOnInit = true;
        EXPECT_FALSE(modeless.Create(IDD_PAGE, m_host));
        EXPECT_EQ(modeless.GetHandle(), nullptr);
        EXPECT_EQ(::GetWindow(m_host, GW_CHILD), nullptr);
    }
    {
        TestDialog modal;
        modal.throwOnInit = true;
        EXPECT_EQ(modal.DoModal(IDD_MSGBOX, m_host), -1);
        EXPECT_EQ(modal.GetHandle(), nullptr);
    }
    EXPECT_NE(log.Text().find("failed: initialisation failed on purpose"), std::string::npos);
}

TEST_F(DialogTest, MissingTemplateFails) {
    TestDialog dialog;
    EXPECT_FALSE(dialog.Create(4321, m_host));
    EXPECT_EQ(dialog.inits, 0);
    EXPECT_EQ(dialog.DoModal(4321, m_host), -1);
    EXPECT_EQ(dialog.inits, 0);
}

}  // namespace

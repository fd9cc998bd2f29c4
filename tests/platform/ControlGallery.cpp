// A window showing one of every control the window layer wraps, for looking
// at them by eye (a screenshot under Xvfb, a run on Windows). Not a test:
// it stays open for the milliseconds given as its argument (default 3000),
// or until closed.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "UiTestSupport.h"
#include "platform/Animation.h"
#include "platform/Button.h"
#include "platform/ComboBox.h"
#include "platform/CommonControls.h"
#include "platform/Edit.h"
#include "platform/IPAddress.h"
#include "platform/ListBox.h"
#include "platform/ListView.h"
#include "platform/ProgressBar.h"
#include "platform/RichEdit.h"
#include "platform/Static.h"
#include "platform/ToolTip.h"
#include "resources/ResourceIds.h"
#include "tests/support/TempDir.h"

namespace {

using namespace platform;

RECT At(int x, int y, int width, int height) {
    return {x, y, x + width, y + height};
}

class Gallery : public ui_test::HostWindow {
public:
    explicit Gallery(const std::string& clip) : m_clip(clip) {}

    bool Build() {
        if (!Open(660, 400, WS_OVERLAPPEDWINDOW)) {
            return false;
        }
        SetText("Window layer: every control");
        const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));

        m_label.Create(*this, 1, At(12, 12, 140, 16), "Static text");
        m_icon.Create(*this, 2, At(160, 6, 32, 32), "", WS_CHILD | WS_VISIBLE | SS_ICON);
        m_icon.SetIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP)));
        m_push.Create(*this, 3, At(12, 44, 110, 26), "Push button");
        m_check.Create(*this, 4, At(132, 44, 100, 26), "Check box",
                       WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
        m_check.SetCheck(BST_CHECKED);
        m_radio.Create(*this, 5, At(240, 44, 100, 26), "Radio",
                       WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON);
        m_radio.SetCheck(BST_CHECKED);

        m_edit.Create(*this, 6, At(12, 80, 220, 24), "Edit box");
        m_combo.Create(*this, 7, At(240, 80, 160, 200));
        for (const char* language : {"English", "Deutsch",
                                     "Fran\xE7"
                                     "ais"}) {
            m_combo.AddString(language);
        }
        m_combo.SetCurSel(0);
        m_address.Create(*this, 8, At(410, 80, 160, 24));
        m_address.SetAddress(MAKEIPADDRESS(192, 168, 0, 10));

        m_list.Create(*this, 9, At(12, 116, 160, 110));
        for (const char* item : {"Printer driver", "Scanner driver", "Status monitor"}) {
            m_list.AddString(item);
        }
        m_list.SetCurSel(1);

        m_view.Create(*this, 10, At(184, 116, 300, 110));
        m_view.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                                LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
        m_view.InsertColumn(0, "Item", 190);
        m_view.InsertColumn(1, "Size", 90);
        m_view.InsertItem(0, "Printer driver");
        m_view.SetItemText(0, 1, "24 MB");
        m_view.SetCheck(0, true);
        m_view.InsertItem(1, "Scanner driver");
        m_view.SetItemText(1, 1, "12 MB");

        m_animation.Create(*this, 11, At(500, 120, 128, 96), WS_CHILD | WS_VISIBLE | ACS_CENTER);
        if (m_animation.Open(m_clip)) {
            m_animation.Play();
        }

        m_progress.Create(*this, 12, At(12, 240, 472, 20));
        m_progress.SetRange(0, 100);
        m_progress.SetPos(60);

        m_rich.Create(*this, 13, At(12, 272, 472, 110));
        m_rich.StreamIn(
            "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs18 Rich edit: {\\b bold}, "
            "{\\i italic} and {\\ul underlined} text.\\par License texts arrive here.}",
            true);

        m_tip.Create(*this);
        m_tip.AddTool(m_push, "A tooltip on the push button");

        for (HWND child = ::GetWindow(*this, GW_CHILD); child != nullptr;
             child = ::GetWindow(child, GW_HWNDNEXT)) {
            if (child != m_rich.GetHandle()) {
                Window(child).SetFont(font);
            }
        }
        return true;
    }

    // Rests the pointer on the push button so that its tooltip shows.
    void HoverPushButton() const {
        RECT rect;
        m_push.GetRect(rect);
        ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }

private:
    std::string m_clip;
    Static m_label;
    Static m_icon;
    Button m_push;
    Button m_check;
    Button m_radio;
    Edit m_edit;
    ComboBox m_combo;
    IPAddress m_address;
    ListBox m_list;
    ListView m_view;
    Animation m_animation;
    ProgressBar m_progress;
    RichEdit m_rich;
    ToolTip m_tip;
};

}  // namespace

int main(int argc, char** argv) {
    const DWORD holdMs = argc > 1 ? static_cast<DWORD>(std::strtoul(argv[1], nullptr, 10)) : 3000;
    InitCommonControlClasses();
    testing_support::TempDir dir;
    Gallery gallery(dir.Write("clip.avi", ui_test::MakeTestClip(48, 36, 12)));
    if (!gallery.Build()) {
        return 1;
    }
    ui_test::PumpUntil([] { return false; }, 300);
    gallery.HoverPushButton();
    ui_test::PumpUntil([&] { return !gallery.IsWindow(); }, holdMs);
    return 0;
}

// Each control wrapper's main calls on a real control, with the failure
// answers its header promises.
#include <gtest/gtest.h>

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

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(InitCommonControlClasses());
        ASSERT_TRUE(m_host.Open());
    }
    ui_test::HostWindow m_host;
};

TEST_F(ControlsTest, StaticShowsTextAndIcon) {
    Static text;
    ASSERT_TRUE(text.Create(m_host, 10, At(10, 10, 200, 20), "Label"));
    EXPECT_EQ(text.GetText(), "Label");
    EXPECT_EQ(text.GetId(), 10);

    Static icon;
    ASSERT_TRUE(icon.Create(m_host, 11, At(10, 40, 32, 32), "", WS_CHILD | WS_VISIBLE | SS_ICON));
    const HICON setupIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SETUP));
    ASSERT_NE(setupIcon, nullptr);
    icon.SetIcon(setupIcon);
    EXPECT_EQ(icon.GetIcon(), setupIcon);
}

TEST_F(ControlsTest, ButtonClicksAndChecks) {
    Button push;
    ASSERT_TRUE(push.Create(m_host, 20, At(10, 10, 80, 24), "Push"));
    push.Click();
    ASSERT_EQ(m_host.commands().size(), 1u);
    EXPECT_EQ(m_host.commands()[0].id, 20);
    EXPECT_EQ(m_host.commands()[0].code, BN_CLICKED);
    EXPECT_EQ(m_host.commands()[0].control, push.GetHandle());
    EXPECT_EQ(push.GetCheck(), BST_UNCHECKED);

    Button check;
    ASSERT_TRUE(check.Create(m_host, 21, At(10, 40, 120, 20), "Check",
                             WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX));
    EXPECT_FALSE(check.IsChecked());
    check.SetCheck(BST_CHECKED);
    EXPECT_TRUE(check.IsChecked());
    check.Click();  // an automatic check box toggles itself
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
}

TEST_F(ControlsTest, EditLimitsSelectionAndReadOnly) {
    Edit edit;
    ASSERT_TRUE(edit.Create(m_host, 30, At(10, 10, 200, 22), "abcdef"));
    edit.SetLimit(8);
    EXPECT_EQ(edit.GetLimit(), 8u);
    edit.SetSel(2, 4);
    int start = -1;
    int end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 2);
    EXPECT_EQ(end, 4);
    edit.ReplaceSel("XY");
    EXPECT_EQ(edit.GetText(), "abXYef");
    EXPECT_TRUE(edit.IsModified());
    edit.SetModified(false);
    EXPECT_FALSE(edit.IsModified());

    EXPECT_FALSE(edit.IsReadOnly());
    ASSERT_TRUE(edit.SetReadOnly(true));
    EXPECT_TRUE(edit.IsReadOnly());

    Edit lines;
    ASSERT_TRUE(lines.Create(m_host, 31, At(10, 40, 200, 80), "one\r\ntwo\r\nthree",
                             WS_CHILD | WS_VISIBLE | ES_MULTILINE));
    EXPECT_EQ(lines.GetLineCount(), 3);
}

TEST_F(ControlsTest, ComboBoxEntriesAndSelection) {
    ComboBox combo;
    ASSERT_TRUE(combo.Create(m_host, 40, At(10, 10, 120, 200)));
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.GetCurSel(), -1);
    EXPECT_EQ(combo.AddString("English"), 0);
    EXPECT_EQ(combo.AddString("Deutsch"), 1);
    EXPECT_EQ(combo.InsertString(0,
                                 "Fran\xE7"
                                 "ais"),
              0);
    EXPECT_EQ(combo.GetCount(), 3);

    ASSERT_TRUE(combo.SetCurSel(2));
    EXPECT_EQ(combo.GetCurSel(), 2);
    EXPECT_EQ(combo.GetText(), "Deutsch");
    EXPECT_FALSE(combo.SetCurSel(9));
    EXPECT_TRUE(combo.SetCurSel(-1));
    EXPECT_EQ(combo.GetCurSel(), -1);

    std::string text = "unchanged";
    ASSERT_TRUE(combo.GetItemText(0, text));
    EXPECT_EQ(text,
              "Fran\xE7"
              "ais");
    text = "unchanged";
    EXPECT_FALSE(combo.GetItemText(7, text));
    EXPECT_EQ(text, "unchanged");

    EXPECT_EQ(combo.FindStringExact("deutsch"), 2);
    EXPECT_EQ(combo.FindStringExact("Dansk"), -1);
    ASSERT_TRUE(combo.SetItemData(1, 1033));
    EXPECT_EQ(combo.GetItemData(1), 1033);
    EXPECT_EQ(combo.GetItemData(9), CB_ERR);

    ASSERT_TRUE(combo.SetDroppedWidth(300));
    EXPECT_GE(combo.GetDroppedWidth(), 300);
    EXPECT_EQ(combo.DeleteString(0), 2);
    EXPECT_EQ(combo.DeleteString(5), -1);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(ControlsTest, ListBoxEntriesSelectionAndExtent) {
    ListBox list;
    ASSERT_TRUE(list.Create(m_host, 50, At(10, 10, 150, 120),
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL));
    EXPECT_EQ(list.AddString("Printer driver"), 0);
    EXPECT_EQ(list.AddString("Scanner driver"), 1);
    EXPECT_EQ(list.InsertString(-1, "Utility"), 2);
    EXPECT_EQ(list.GetCount(), 3);
    ASSERT_TRUE(list.SetCurSel(1));
    EXPECT_EQ(list.GetCurSel(), 1);
    EXPECT_FALSE(list.SetCurSel(3));
    std::string text;
    ASSERT_TRUE(list.GetItemText(2, text));
    EXPECT_EQ(text, "Utility");
    EXPECT_FALSE(list.GetItemText(3, text));
    EXPECT_EQ(text, "Utility");
    ASSERT_TRUE(list.SetItemData(0, 7));
    EXPECT_EQ(list.GetItemData(0), 7);
    list.SetHorizontalExtent(400);
    EXPECT_EQ(list.GetHorizontalExtent(), 400);
    EXPECT_EQ(list.DeleteString(0), 2);

    // A list without selection refuses to select.
    ListBox plain;
    ASSERT_TRUE(plain.Create(m_host, 51, At(200, 10, 150, 120), WS_CHILD | WS_VISIBLE | LBS_NOSEL));
    plain.AddString("only");
    EXPECT_FALSE(plain.SetCurSel(0));
}

TEST_F(ControlsTest, ListViewColumnsItemsChecksAndSelection) {
    ListView view;
    ASSERT_TRUE(view.Create(m_host, 60, At(10, 10, 400, 200)));
    view.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                          LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(view.GetExtendedStyle() & LVS_EX_CHECKBOXES, static_cast<DWORD>(LVS_EX_CHECKBOXES));
    EXPECT_EQ(view.InsertColumn(0, "Item", 200), 0);
    EXPECT_EQ(view.InsertColumn(1, "Size", 100), 1);

    EXPECT_EQ(view.InsertItem(0, "Printer driver", 11), 0);
    EXPECT_EQ(view.InsertItem(1, "Scanner driver", 12), 1);
    const std::string longText(700, 'w');
    EXPECT_EQ(view.InsertItem(2, longText, 13), 2);
    EXPECT_EQ(view.GetItemCount(), 3);
    ASSERT_TRUE(view.SetItemText(1, 1, "12 MB"));
    EXPECT_EQ(view.GetItemText(1, 0), "Scanner driver");
    EXPECT_EQ(view.GetItemText(1, 1), "12 MB");
    EXPECT_EQ(view.GetItemText(2, 0), longText);
    EXPECT_EQ(view.GetItemText(9, 0), "");
    EXPECT_EQ(view.GetItemData(1), 12);

    EXPECT_FALSE(view.GetCheck(0));
    ASSERT_TRUE(view.SetCheck(0, true));
    EXPECT_TRUE(view.GetCheck(0));
    EXPECT_FALSE(view.GetCheck(1));
    ASSERT_TRUE(view.SetCheck(0, false));
    EXPECT_FALSE(view.GetCheck(0));

    EXPECT_EQ(view.GetNextSelected(), -1);
    ASSERT_TRUE(view.Select(1, true));
    EXPECT_EQ(view.GetNextSelected(), 1);
    EXPECT_EQ(view.GetNextSelected(1), -1);
    ASSERT_TRUE(view.Select(-1, false));
    EXPECT_EQ(view.GetNextSelected(), -1);

    ASSERT_TRUE(view.DeleteItem(0));
    EXPECT_EQ(view.GetItemText(0, 0), "Scanner driver");
    ASSERT_TRUE(view.DeleteAllItems());
    EXPECT_EQ(view.GetItemCount(), 0);
}

TEST_F(ControlsTest, ProgressBarRangeAndSteps) {
    ProgressBar bar;
    ASSERT_TRUE(bar.Create(m_host, 1000, At(10, 10, 300, 20)));
    bar.SetRange(0, 100);
    int low = -1;
    int high = -1;
    bar.GetRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 100);
    EXPECT_EQ(bar.SetPos(30), 0);
    EXPECT_EQ(bar.GetPos(), 30);
    bar.SetStep(10);
    EXPECT_EQ(bar.StepIt(), 30);
    EXPECT_EQ(bar.GetPos(), 40);
    EXPECT_EQ(bar.OffsetPos(5), 40);
    EXPECT_EQ(bar.GetPos(), 45);
    bar.SetPos(500);
    EXPECT_EQ(bar.GetPos(), 100);
}

TEST_F(ControlsTest, AnimationOpensPlaysAndStops) {
    testing_support::TempDir dir;
    const std::string clip = dir.Write("search.avi", ui_test::MakeTestClip(32, 24, 6));
    Animation animation;
    ASSERT_TRUE(animation.Create(m_host, 70, At(10, 10, 64, 48)));
    EXPECT_FALSE(animation.Play());  // nothing open yet
    EXPECT_FALSE(animation.Open((dir.path() / "missing.avi").string()));
    ASSERT_TRUE(animation.Open(clip));
    EXPECT_TRUE(animation.Play());
    ui_test::PumpUntil([] { return false; }, 300);
    EXPECT_TRUE(animation.Stop());
    EXPECT_TRUE(animation.Close());
    EXPECT_FALSE(animation.Play());
}

TEST_F(ControlsTest, IPAddressFieldsRoundTrip) {
    IPAddress address;
    ASSERT_TRUE(address.Create(m_host, 80, At(10, 10, 160, 22)));
    EXPECT_TRUE(address.IsBlank());
    DWORD value = 0xdeadbeef;
    EXPECT_EQ(address.GetAddress(value), 0);
    EXPECT_EQ(value, 0u);

    address.SetAddress(MAKEIPADDRESS(192, 168, 1, 20));
    EXPECT_FALSE(address.IsBlank());
    EXPECT_EQ(address.GetAddress(value), 4);
    EXPECT_EQ(value, static_cast<DWORD>(MAKEIPADDRESS(192, 168, 1, 20)));
    EXPECT_EQ(address.GetText(), "192.168.1.20");

    EXPECT_TRUE(address.SetRange(0, 1, 223));
    address.Clear();
    EXPECT_TRUE(address.IsBlank());
}

TEST_F(ControlsTest, RichEditTakesRichAndPlainText) {
    RichEdit rich;
    ASSERT_TRUE(rich.Create(m_host, 90, At(10, 10, 300, 120))) << ::GetLastError();
    ASSERT_TRUE(rich.StreamIn("{\\rtf1\\ansi Hello {\\b bold} world}", true));
    EXPECT_EQ(rich.GetText(), "Hello bold world");
    ASSERT_TRUE(rich.StreamIn("plain {\\b not rtf}", false));
    EXPECT_EQ(rich.GetText(), "plain {\\b not rtf}");
    EXPECT_EQ(rich.GetTextLength(), 18);
    ASSERT_TRUE(rich.StreamIn("", false));
    EXPECT_EQ(rich.GetTextLength(), 0);

    // A text larger than one read of the control arrives whole.
    std::string big;
    for (int line = 0; line < 300; ++line) {
        big += std::string(78, static_cast<char>('a' + line % 26)) + "\r\n";
    }
    rich.LimitText(100000);
    ASSERT_TRUE(rich.StreamIn(big, false));
    EXPECT_EQ(rich.GetTextLength(), static_cast<int>(big.size()));

    rich.SetBackgroundColor(RGB(1, 2, 3));
    EXPECT_EQ(rich.SetBackgroundColor(RGB(4, 5, 6)), RGB(1, 2, 3));
}

TEST_F(ControlsTest, ToolTipKeepsOneTextPerTool) {
    Button first;
    Button second;
    ASSERT_TRUE(first.Create(m_host, 100, At(10, 10, 80, 24), "First"));
    ASSERT_TRUE(second.Create(m_host, 101, At(100, 10, 80, 24), "Second"));
    ToolTip tip;
    ASSERT_TRUE(tip.Create(m_host));
    EXPECT_EQ(::GetWindow(tip, GW_OWNER), m_host.GetHandle());
    ASSERT_TRUE(tip.AddTool(first, "Installs the printer driver"));
    ASSERT_TRUE(tip.AddTool(second, "Skips it"));
    EXPECT_EQ(tip.GetToolCount(), 2);
    EXPECT_EQ(tip.GetToolText(first), "Installs the printer driver");
    ASSERT_TRUE(tip.SetToolText(second, "Later"));
    EXPECT_EQ(tip.GetToolText(second), "Later");
    EXPECT_EQ(tip.GetToolText(m_host), "");
    EXPECT_FALSE(tip.SetToolText(m_host, "no such tool"));
    EXPECT_TRUE(tip.RemoveTool(first));
    EXPECT_FALSE(tip.RemoveTool(first));
    EXPECT_EQ(tip.GetToolCount(), 1);
}

}  // namespace

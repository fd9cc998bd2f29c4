// Pages built from their sections: the description's lookup order, the
// page's size and placement, the status line, the fixed next command, modal
// pages, and the progress window.
#include <windows.h>

#include "WizardFixture.h"
#include "platform/Gdi.h"
#include "wizard/InitWindow.h"
#include "wizard/NormalPage.h"
#include "wizard/WizardMessages.h"

namespace wizard_test {
namespace {

const char* const kPages =
    "[DLG_COMMON]\r\n"
    "CAPTION = Common caption\r\n"
    "DLG_RECT = 0, 0, 300, 200\r\n"
    "CANCEL_TYPE = NULL\r\n"
    "[PAGE_BASE]\r\n"
    "CAPTION = Base caption\r\n"
    "DLG_RECT = 0, 0, 420, 310\r\n"
    "DLG_POS_TYPE = full_screen\r\n"
    "BLOCK_CANCEL = 1\r\n"
    "ITEM_TYPE = NOT_INST UNCHK TYPE_UNIN\r\n"
    "NORMAL_DESC = CTRL.STATUS\r\n"
    "[NORMAL.ONLY_BASE]\r\n"
    "BASE_ON = PAGE_BASE\r\n"
    "[NORMAL.OWN]\r\n"
    "BASE_ON = PAGE_BASE\r\n"
    "CAPTION = Own caption @WORD@\r\n"
    "DLG_POS_TYPE = Free\r\n"
    "BLOCK_CANCEL = 0\r\n"
    "FIXED_NEXT = CTRL.NEXT\r\n"
    "[NORMAL.COMMON_RECT]\r\n"
    "FIXED_NEXT = CTRL.NEXT_TWO\r\n"
    "[NORMAL.BITMAP_SIZE]\r\n"
    "BACK_BMP = TEST_BACK\r\n"
    "[NORMAL.MISSING_BITMAP]\r\n"
    "BACK_BMP = NO_SUCH_BITMAP\r\n"
    "[CTRL.STATUS]\r\n"
    "POSITION = 12, 250\r\n"
    "SIZE = 300, 20\r\n"
    "NAME = Ready @WORD@\r\n"
    "BACK_COLOR = 255, 255, 0\r\n"
    "COLOR = 0, 0, 200\r\n"
    "FONT = FONT.STATUS\r\n"
    "[FONT.STATUS]\r\n"
    "LF_HEIGHT = 20\r\n"
    "LF_ITALIC = 1\r\n"
    "[CTRL.NEXT]\r\n"
    "CMD_TYPE = CT_OPEN_DLG\r\n"
    "CMD_PARAM1 = NORMAL.COMMON_RECT\r\n"
    "[CTRL.NEXT_TWO]\r\n"
    "CMD_TYPE = CT_OPEN_DLG\r\n"
    "CMD_PARAM1 = NORMAL.OWN\r\n"
    "CMD_PARAM2 = NORMAL.ONLY_BASE\r\n"
    "[NORMAL.MODAL]\r\n"
    "DLG_RECT = 0, 0, 320, 240\r\n"
    "CAPTION = Modal page\r\n"
    "FIXED_BTN_MODAL_OK = CTRL.MODAL_OK\r\n"
    "[CTRL.MODAL_OK]\r\n"
    "POSITION = 200, 180\r\n"
    "SIZE = 90, 26\r\n"
    "NAME = Fine\r\n"
    "CMD_TYPE = CT_SHOW_TOGGLE\r\n"
    "CMD_PARAM1 = LINK.X\r\n"
    "[INIT_WINDOW]\r\n"
    "DLG_RECT = 0, 0, 360, 90\r\n"
    "PROGRESS_BAR = CTRL.BAR\r\n"
    "[CTRL.BAR]\r\n"
    "POSITION = 20, 40\r\n"
    "SIZE = 320, 16\r\n"
    "[CHANGE_LANG_WIN]\r\n"
    "CAPTION = Changing\r\n";

class PageDlgTest : public WizardFixture {
protected:
    void SetUp() override {
        WizardFixture::SetUp();
        ASSERT_TRUE(Start(kPages, "WORD = word\r\n"));
    }

    // A page of the section created inside the sink, as the wizard does.
    std::unique_ptr<CNormalPage> MakePage(const std::string& section) {
        auto page = std::make_unique<CNormalPage>();
        page->SetConfig(section);
        EXPECT_TRUE(page->CreatePage(Sink())) << section;
        return page;
    }

    static SIZE ClientSize(HWND window) {
        RECT rect = {};
        GetClientRect(window, &rect);
        return SIZE{rect.right, rect.bottom};
    }
};

TEST_F(PageDlgTest, KeysComeFromTheSectionItsBaseAndTheCommonSection) {
    struct Case {
        const char* section;
        const char* caption;
        RECT rect;
        bool rectGiven;
        CPageConfig::PosType posType;
        bool blockCancel;
    } cases[] = {
        // Only BASE_ON: everything from the base except BLOCK_CANCEL.
        {"NORMAL.ONLY_BASE",
         "Base caption",
         {0, 0, 420, 310},
         true,
         CPageConfig::kFullScreen,
         false},
        {"NORMAL.OWN", "Own caption word", {0, 0, 420, 310}, true, CPageConfig::kFree, false},
        // DLG_RECT from DLG_COMMON gives the rectangle but not rectGiven.
        {"NORMAL.COMMON_RECT",
         "Common caption",
         {0, 0, 300, 200},
         false,
         CPageConfig::kCentred,
         false},
    };
    for (const Case& c : cases) {
        CNormalPage page;
        ASSERT_TRUE(page.SetConfig(c.section));
        const CPageConfig& config = page.GetConfig();
        EXPECT_EQ(config.GetCaption(), c.caption) << c.section;
        EXPECT_TRUE(EqualRect(&config.GetRect(), &c.rect)) << c.section;
        EXPECT_EQ(config.IsRectGiven(), c.rectGiven) << c.section;
        EXPECT_EQ(config.GetPosType(), c.posType) << c.section;
        EXPECT_EQ(page.IsCancelBlocked(), c.blockCancel) << c.section;
    }

    // BLOCK_CANCEL is read from the page's own section only.
    std::string text;
    CNormalPage base;
    base.SetConfig("PAGE_BASE");
    EXPECT_TRUE(base.IsCancelBlocked());
    EXPECT_EQ(base.GetItemTypeFlags(), 2 + 0x10 + 0x100);
    CNormalPage onlyBase;
    onlyBase.SetConfig("NORMAL.ONLY_BASE");
    EXPECT_EQ(onlyBase.GetItemTypeFlags(), 2 + 0x10 + 0x100);
}

TEST_F(PageDlgTest, WithoutAnOwnerTheDescriptionIsNotRead) {
    CPageConfig config;
    EXPECT_FALSE(config.SetConfig(nullptr, "NORMAL.OWN", true));
    EXPECT_TRUE(LogHas("Set Configuration fail due to invalid parameter"));
}

TEST_F(PageDlgTest, APageTakesItsRectangleOrItsBitmapsSize) {
    auto own = MakePage("NORMAL.OWN");
    EXPECT_EQ(ClientSize(*own).cx, 420);
    EXPECT_EQ(ClientSize(*own).cy, 310);
    EXPECT_FALSE(own->IsVisible());
    EXPECT_EQ(own->GetParent(), Sink().GetHandle());
    EXPECT_EQ(own->GetText(), "Own caption word");
}

// Without DLG_RECT anywhere the background bitmap gives the page its size;
// without both the rectangle stays empty.
TEST_F(WizardFixture, WithoutARectangleTheBackgroundGivesTheSize) {
    ASSERT_TRUE(
        Start("[NORMAL.BITMAP_SIZE]\r\nBACK_BMP = TEST_BACK\r\n"
              "[NORMAL.MISSING_BITMAP]\r\nBACK_BMP = NO_SUCH_BITMAP\r\n"));
    CNormalPage page;
    page.SetConfig("NORMAL.BITMAP_SIZE");
    ASSERT_TRUE(page.CreatePage(Sink()));
    // A child page has no frame: exactly the bitmap's 500 x 300.
    const RECT& rect = page.GetConfig().GetRect();
    EXPECT_EQ(rect.right - rect.left, 500);
    EXPECT_EQ(rect.bottom - rect.top, 300);
    EXPECT_FALSE(page.GetConfig().IsRectGiven());
    RECT client = {};
    page.GetClientRect(client);
    EXPECT_EQ(client.right, 500);
    EXPECT_EQ(client.bottom, 300);

    CNormalPage missing;
    missing.SetConfig("NORMAL.MISSING_BITMAP");
    ASSERT_TRUE(missing.CreatePage(Sink()));
    EXPECT_TRUE(IsRectEmpty(&missing.GetConfig().GetRect()));
    // The page keeps its template's size (320 x 201 dialog units) rather
    // than shrinking to nothing.
    RECT units = {0, 0, 320, 201};
    missing.MapDialogRect(units);
    missing.GetClientRect(client);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
    EXPECT_TRUE(LogHas("[NORMAL.MISSING_BITMAP] has no DLG_RECT and no background bitmap"));
}

TEST_F(PageDlgTest, TheBackgroundIsPaintedFromTheBitmapResource) {
    auto page = MakePage("NORMAL.BITMAP_SIZE");
    platform::WindowDc screen(nullptr);
    platform::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    platform::UniqueBitmap target(CreateCompatibleBitmap(screen.get(), 50, 50));
    platform::SelectObjectGuard select(memory.get(), target.get());
    RECT all = {0, 0, 50, 50};
    FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    page->GetConfig().Paint(memory.get());
    EXPECT_EQ(GetPixel(memory.get(), 10, 10), RGB(40, 90, 160));

    // A bitmap that is not there paints nothing.
    auto missing = MakePage("NORMAL.MISSING_BITMAP");
    FillRect(memory.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    missing->GetConfig().Paint(memory.get());
    EXPECT_EQ(GetPixel(memory.get(), 10, 10), RGB(255, 255, 255));
}

TEST_F(PageDlgTest, TheStatusLineShowsScriptsAndReturnsToItsDefault) {
    auto page = MakePage("NORMAL.OWN");
    const HWND status = page->GetStatusLine();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(GetDlgCtrlID(status), kStatusLineId);
    EXPECT_TRUE(HasRect(status, 12, 250, 312, 270)) << RectOf(status);
    EXPECT_EQ(page->GetStatusDefault(), "Ready word");
    EXPECT_TRUE(IsWindowVisible(status) || !page->IsVisible());

    page->SendMessage(WM_SET_STATUS_TEXT, 0, reinterpret_cast<LPARAM>("Opens the manual"));
    EXPECT_EQ(platform::Window(status).GetText(), "Opens the manual");
    page->SendMessage(WM_SET_STATUS_TEXT, 0, reinterpret_cast<LPARAM>(""));
    EXPECT_EQ(platform::Window(status).GetText(), "Ready word");

    // Its background colour comes from BACK_COLOR.
    platform::WindowDc dc(status);
    const LRESULT brush = page->SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                                            reinterpret_cast<LPARAM>(status));
    ASSERT_NE(brush, 0);
    LOGBRUSH info = {};
    GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof(info), &info);
    EXPECT_EQ(info.lbColor, RGB(255, 255, 0));
    // Its text colour and font come from COLOR and FONT.
    EXPECT_EQ(GetTextColor(dc.get()), RGB(0, 0, 200));
    LOGFONTA font = {};
    ASSERT_NE(GetObjectA(platform::Window(status).GetFont(), sizeof(font), &font), 0);
    EXPECT_EQ(abs(font.lfHeight), 20);
    EXPECT_TRUE(font.lfItalic);

    // Without NORMAL_DESC the line stays hidden and status texts change
    // nothing visible.
    auto plain = MakePage("NORMAL.COMMON_RECT");
    plain->Show(SW_SHOWNOACTIVATE);
    EXPECT_FALSE(IsWindowVisible(plain->GetStatusLine()));
}

TEST_F(PageDlgTest, GoNextPostsTheNextCommandOncePerEntry) {
    auto page = MakePage("NORMAL.OWN");
    EXPECT_FALSE(page->GoNext(false));  // never entered
    page->OnEnterPage("");
    EXPECT_TRUE(page->GoNext(false));
    EXPECT_FALSE(page->GoNext(false));
    PumpUntil([&] { return !Sink().posted().empty(); });
    ASSERT_EQ(Sink().posted().size(), 1u);
    EXPECT_EQ(Sink().posted()[0].type, "CT_OPEN_DLG");
    EXPECT_EQ(Sink().posted()[0].params[0], "NORMAL.COMMON_RECT");

    // A second target in CMD_PARAM2 is taken unless forced.
    auto two = MakePage("NORMAL.COMMON_RECT");
    two->OnEnterPage("");
    two->GoNext(false);
    two->OnEnterPage("");
    two->GoNext(true);
    PumpUntil([&] { return Sink().posted().size() == 3; });
    ASSERT_EQ(Sink().posted().size(), 3u);
    EXPECT_EQ(Sink().posted()[1].params[0], "NORMAL.ONLY_BASE");
    EXPECT_EQ(Sink().posted()[1].params[1], "");
    EXPECT_EQ(Sink().posted()[2].params[0], "NORMAL.OWN");
    EXPECT_EQ(Sink().posted()[2].params[1], "NORMAL.ONLY_BASE");
}

TEST_F(PageDlgTest, APageReadsItsSectionAgainOnRefresh) {
    auto page = MakePage("NORMAL.OWN");
    EXPECT_EQ(page->GetConfig().GetCaption(), "Own caption word");
    const std::string strings =
        WriteMediaFile("data\\String\\Lang_XX.str", "[MESSAGES]\r\nWORD = Wort\r\n");
    ASSERT_TRUE(Env().GetConfigFiles().Configure().ReloadMessages(strings));
    EXPECT_TRUE(page->RefreshConfig());
    EXPECT_EQ(page->GetConfig().GetCaption(), "Own caption Wort");
    EXPECT_EQ(page->GetStatusDefault(), "Ready Wort");
    EXPECT_FALSE(page->IsVisible());
}

// A modal page runs over the sink with its caption and the modal buttons
// its section binds; a bound button posts its command and ends the page.
class ModalPage : public CNormalPage {
public:
    HWND okButton = nullptr;
    bool nextVisible = true;
    LONG_PTR style = 0;
    RECT client = {};

protected:
    bool OnInitDialog(HWND focus) override {
        const bool result = CNormalPage::OnInitDialog(focus);
        okButton = GetItem(kModalOkId);
        nextVisible = ::IsWindowVisible(GetItem(kModalNextId)) != FALSE;
        style = GetStyle();
        GetClientRect(client);
        ::PostMessageA(okButton, BM_CLICK, 0, 0);
        return result;
    }
};

TEST_F(PageDlgTest, AModalPageEndsWithItsButtons) {
    ModalPage page;
    page.SetConfig("NORMAL.MODAL");
    EXPECT_EQ(page.DoModalPage(Sink()), IDOK);
    EXPECT_TRUE(page.IsModalPage());
    ASSERT_NE(page.okButton, nullptr);
    EXPECT_FALSE(page.nextVisible);
    EXPECT_TRUE((page.style & WS_CAPTION) == WS_CAPTION);
    EXPECT_FALSE(page.style & WS_CHILD);
    EXPECT_EQ(page.client.right, 320);
    EXPECT_EQ(page.client.bottom, 240);
    PumpUntil([&] { return !Sink().posted().empty(); });
    ASSERT_EQ(Sink().posted().size(), 1u);
    EXPECT_EQ(Sink().posted()[0].type, "CT_SHOW_TOGGLE");
}

TEST_F(PageDlgTest, TheProgressWindowStepsItsBar) {
    CInitWindow none;
    EXPECT_FALSE(none.Create("", Sink()));
    EXPECT_FALSE(none.Create("NO_SUCH_WINDOW", Sink()));
    EXPECT_TRUE(LogHas("[NO_SUCH_WINDOW] Get Init Dialog information fail!"));

    CInitWindow window;
    ASSERT_TRUE(window.Create("INIT_WINDOW", Sink()));
    // The rectangle is the window's size, frame included.
    RECT outer = {};
    window.GetRect(outer);
    EXPECT_EQ(outer.right - outer.left, 360);
    EXPECT_EQ(outer.bottom - outer.top, 90);
    const HWND bar = window.GetItem(1000);
    EXPECT_TRUE(HasRect(bar, 20, 40, 340, 56)) << RectOf(bar);

    window.SendMessage(WM_INIT_PROGRESS, 60, 3);
    for (int i = 0; i < 3; ++i) {
        window.SendMessage(WM_INIT_PROGRESS, 0, 0);
    }
    EXPECT_EQ(window.GetPosition(), 60);
    // The close command is ignored.
    window.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(window.IsWindow());
    window.SendMessage(WM_END_PROGRESS, 7, 0);
    EXPECT_FALSE(window.IsWindow());
    EXPECT_EQ(window.GetResult(), 7);

    // Without PROGRESS_BAR the bar is hidden, and without a rectangle the
    // window keeps the template's size.
    CInitWindow plain;
    ASSERT_TRUE(plain.Create("CHANGE_LANG_WIN", Sink()));
    EXPECT_FALSE(GetWindowLongPtrA(plain.GetItem(1000), GWL_STYLE) & WS_VISIBLE);
    EXPECT_GT(ClientSize(plain).cx, 100);
    plain.Destroy();
}

}  // namespace
}  // namespace wizard_test

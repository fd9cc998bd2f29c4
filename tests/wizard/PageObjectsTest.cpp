// Page objects on real windows: what each kind creates and where, what a
// click, a key or the pointer does, the language list, showing and hiding,
// the default focus, the drawings, and the objects that are left out.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "ObjectGalleryPage.h"
#include "WizardFixture.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "platform/ToolTip.h"
#include "resources/ResourceIds.h"
#include "tests/platform/UiTestSupport.h"
#include "wizard/PageBitmap.h"
#include "wizard/PageObjects.h"
#include "wizard/WizardMessages.h"
#include "wizard/objects/SelectedItems.h"
#include "wizard/objects/TransparentBitmap.h"

namespace wizard_test {
namespace {

constexpr const char* kPage = "NORMAL.PAGE";

// The page section listing the objects given, then the other sections.
std::string PageWith(const std::vector<std::string>& objects, const std::string& sections) {
    std::string text =
        std::string("[") + kPage + "]\r\nNUM_OF_OBJ = " + std::to_string(objects.size()) + "\r\n";
    for (size_t i = 0; i < objects.size(); ++i) {
        text += "OBJ_" + std::to_string(i) + " = " + objects[i] + "\r\n";
    }
    return text + sections;
}

// A page as the wizard makes them (template 130), which records the status
// texts its objects send. Like every page it is not closed by Enter or
// Escape (nor by the buttons with ids 1 and 2).
class TestPage : public platform::Dialog {
public:
    std::vector<std::string> statusTexts;

protected:
    void OnOk() override {}
    void OnCancel() override {}
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_SET_STATUS_TEXT) {
            statusTexts.push_back(lParam != 0 ? reinterpret_cast<const char*>(lParam) : "(null)");
            result = 0;
            return true;
        }
        return Dialog::OnMessage(message, wParam, lParam, result);
    }
};

class PageObjectsTest : public WizardFixture {
protected:
    void TearDown() override {
        m_objects.Clear();
        m_page.Destroy();
        setup::SetSelectedItemsProvider(nullptr);
        WizardFixture::TearDown();
    }

    // Lays out the package and makes a visible page inside the sink.
    bool Open(const std::string& configure, const std::string& strings = std::string()) {
        if (!Start(configure, strings) || !m_page.Create(IDD_PAGE, Sink())) {
            return false;
        }
        m_page.Move(0, 0, 640, 480);
        m_page.Show(SW_SHOWNA);
        return true;
    }
    // Reads the page section and creates the object windows.
    void Build(const std::string& base = std::string()) {
        m_objects.Build(Env().GetConfigFiles().Configure(), kPage, base);
        m_objects.CreateWindows(m_page);
    }
    bool Place(const std::string& configure, const std::string& strings = std::string()) {
        if (!Open(configure, strings)) {
            return false;
        }
        Build();
        return true;
    }

    HWND Window(const std::string& section) const { return m_objects.GetObjectWindow(section); }
    bool HasWarningAbout(const std::string& text) const {
        for (const std::string& warning : m_objects.GetWarnings()) {
            if (warning.find(text) != std::string::npos) {
                return true;
            }
        }
        return false;
    }
    size_t ChildrenOfClass(const std::string& className) const {
        size_t count = 0;
        for (HWND child : ChildrenOf(m_page)) {
            count += ClassOf(child) == className ? 1 : 0;
        }
        return count;
    }
    ::testing::AssertionResult Posted(const std::string& type, const std::string& param1) {
        PumpPending();
        std::string seen;
        for (const COMMAND_RECORD& record : Sink().posted()) {
            if (record.type == type && record.params[0] == param1) {
                return ::testing::AssertionSuccess();
            }
            seen += " [" + record.type + " " + record.params[0] + "]";
        }
        return ::testing::AssertionFailure() << "posted:" << seen;
    }
    static void Click(HWND window, int x = 2, int y = 2) {
        SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }

    TestPage m_page;
    CPageObjects m_objects;
};

TEST_F(PageObjectsTest, AGalleryOfEveryKindCreatesEveryWindow) {
    ASSERT_TRUE(Start(GalleryConfigure(), GalleryStrings()));
    for (const auto& file : GalleryFiles()) {
        WriteMediaFile(file.first, file.second);
    }
    ASSERT_TRUE(m_page.Create(IDD_PAGE, Sink()));
    m_objects.Build(Env().GetConfigFiles().Configure(), kGallerySection, std::string());
    m_objects.CreateWindows(m_page);

    // Eleven objects with windows (every kind but the destination box) and
    // five drawings.
    EXPECT_EQ(m_objects.GetObjectCount(), 16u);
    EXPECT_EQ(ChildrenOfClass("SetupPageLink"), 2u);
    EXPECT_EQ(ChildrenOfClass("SetupPageText"), 2u);
    EXPECT_EQ(ChildrenOfClass("SetupPageBitmap"), 2u);
    EXPECT_EQ(ChildrenOfClass("Button"), 1u);
    EXPECT_EQ(ChildrenOfClass("ComboBox"), 1u);
    EXPECT_EQ(ChildrenOfClass("Edit"), 1u);
    EXPECT_EQ(ChildrenOfClass("SysAnimate32"), 1u);
    EXPECT_EQ(ChildrenOfClass("ListBox"), 1u);
    for (const char* section : {"LINK.MANUAL", "STATIC.TITLE", "BITMAP.LOGO", "BUTTON.INSTALL",
                                "LANG.LIST", "EDIT.LICENSE", "AVI.CLIP", "RESULTLIST.ITEMS"}) {
        EXPECT_NE(Window(section), nullptr) << section;
    }
    // The only thing left out is the destination box, with a reason.
    ASSERT_EQ(m_objects.GetWarnings().size(), 1u);
    EXPECT_NE(m_objects.GetWarnings()[0].find("DEST_DIR.BOX"), std::string::npos);
    EXPECT_TRUE(
        LogHas("Page object [DEST_DIR.BOX] left out: the destination directory box is "
               "not available in this build"));
}

TEST_F(PageObjectsTest, WindowsTakeTheirPlaceAndSize) {
    ASSERT_TRUE(
        Open(PageWith({"LINK.SIZED", "STATIC.SIZED", "BITMAP.OWN", "BITMAP.GIVEN", "BUTTON.SIZED",
                       "EDIT.NO_SIZE", "AVI.NO_SIZE", "RESULTLIST.NO_SIZE", "LANG.SIZED"},
                      "[LINK.SIZED]\r\nNAME = L\r\nPOSITION = 10, 20\r\nSIZE = 100, 30\r\n"
                      "[STATIC.SIZED]\r\nNAME = S\r\nPOSITION = 5, 6\r\nSIZE = 50, 60\r\n"
                      "[BITMAP.OWN]\r\nNAME = TEST_SMALL\r\nPOSITION = 30, 40\r\n"
                      "[BITMAP.GIVEN]\r\nNAME = TEST_SMALL\r\nPOSITION = 1, 2\r\n"
                      "SIZE = 80, 60\r\n"
                      "[BUTTON.SIZED]\r\nNAME = B\r\nPOSITION = 7, 8\r\nSIZE = 90, 25\r\n"
                      "[EDIT.NO_SIZE]\r\nPOSITION = 7, 8\r\nTEXT_FILE = .\\t.txt\r\n"
                      "[AVI.NO_SIZE]\r\nPOSITION = 1, 2\r\nAVI_FILE = .\\c.avi\r\n"
                      "[RESULTLIST.NO_SIZE]\r\nPOSITION = 3, 4\r\n"
                      "[LANG.SIZED]\r\nPOSITION = 200, 10\r\nSIZE = 300, 150\r\n"
                      "DATA_SECTION = LANGS\r\n[LANGS]\r\n9 = EN\r\n")));
    WriteMediaFile("t.txt", "text");
    WriteMediaFile("c.avi", ui_test::MakeTestClip(16, 16, 2));
    Build();

    struct Case {
        const char* section;
        RECT rect;
    } cases[] = {
        {"LINK.SIZED", {10, 20, 110, 50}},
        {"STATIC.SIZED", {5, 6, 55, 66}},
        {"BITMAP.OWN", {30, 40, 70, 70}},
        {"BITMAP.GIVEN", {1, 2, 81, 62}},
        {"BUTTON.SIZED", {7, 8, 97, 33}},
        // A text viewer without a size is empty and a result list 10 x 10.
        {"EDIT.NO_SIZE", {7, 8, 7, 8}},
        // (An animation control takes its clip's size.)
        {"AVI.NO_SIZE", {1, 2, 17, 18}},
        {"RESULTLIST.NO_SIZE", {3, 4, 13, 14}},
    };
    for (const Case& c : cases) {
        const HWND window = Window(c.section);
        ASSERT_NE(window, nullptr) << c.section;
        EXPECT_TRUE(HasRect(window, c.rect.left, c.rect.top, c.rect.right, c.rect.bottom))
            << c.section << ": " << RectOf(window);
        EXPECT_TRUE(IsWindowVisible(window)) << c.section;
        EXPECT_EQ(GetParent(window), m_page.GetHandle()) << c.section;
    }
    // Control ids: bitmaps 0, buttons their place, everything else 0xFFFF.
    EXPECT_EQ(GetDlgCtrlID(Window("BITMAP.OWN")), 0);
    EXPECT_EQ(GetDlgCtrlID(Window("BUTTON.SIZED")), 0);
    EXPECT_EQ(GetDlgCtrlID(Window("LINK.SIZED")), kObjectControlId);
    EXPECT_EQ(GetDlgCtrlID(Window("RESULTLIST.NO_SIZE")), kObjectControlId);
    // A language list keeps the width it was given when that is enough.
    RECT combo = {};
    GetWindowRect(Window("LANG.SIZED"), &combo);
    EXPECT_EQ(combo.right - combo.left, 300);
}

TEST_F(PageObjectsTest, WithoutASizeLinksTextsAndButtonsFitTheirText) {
    ASSERT_TRUE(Place(
        PageWith({"LINK.SHORT", "LINK.ZERO_WIDTH", "LINK.LONG", "LINK.TWO_LINES", "STATIC.SHORT",
                  "STATIC.TWO_LINES", "BUTTON.TEXT", "LINK.ICON", "LINK.MISSING_ICON"},
                 "[LINK.SHORT]\r\nNAME = Manual\r\nPOSITION = 10, 10\r\n"
                 "[LINK.ZERO_WIDTH]\r\nNAME = Manual\r\nPOSITION = 10, 40\r\n"
                 "SIZE = 0, 20\r\n"
                 "[LINK.LONG]\r\nNAME = Manual of the printer driver\r\n"
                 "[LINK.TWO_LINES]\r\nNAME = @TWO@\r\n"
                 "[STATIC.SHORT]\r\nNAME = Manual\r\n"
                 "[STATIC.TWO_LINES]\r\nNAME = @TWO@\r\n"
                 "[BUTTON.TEXT]\r\nNAME = Install the printer driver\r\n"
                 "[LINK.ICON]\r\nNAME = Manual\r\nUSE_BITMAP_ICON = 1\r\n"
                 "OFF_BITMAP = TEST_ICON\r\nON_BITMAP = TEST_ICON\r\n"
                 "[LINK.MISSING_ICON]\r\nNAME = Manual\r\nUSE_BITMAP_ICON = 1\r\n"
                 "OFF_BITMAP = NO_ICON\r\n"),
        "TWO = Manual\\nManual\r\n"));
    auto size = [this](const char* section) {
        RECT rect = {};
        GetWindowRect(Window(section), &rect);
        return SIZE{rect.right - rect.left, rect.bottom - rect.top};
    };
    const SIZE shortLink = size("LINK.SHORT");
    EXPECT_GT(shortLink.cx, 10);
    EXPECT_GT(shortLink.cy, 5);
    // "SIZE = 0, 20" counts as no size.
    EXPECT_EQ(size("LINK.ZERO_WIDTH").cx, shortLink.cx);
    EXPECT_EQ(size("LINK.ZERO_WIDTH").cy, shortLink.cy);
    EXPECT_TRUE(HasRect(Window("LINK.ZERO_WIDTH"), 10, 40, 10 + shortLink.cx, 40 + shortLink.cy));
    EXPECT_GT(size("LINK.LONG").cx, shortLink.cx * 3);
    // Two lines: as wide as one, twice as high.
    EXPECT_EQ(size("LINK.TWO_LINES").cx, shortLink.cx);
    EXPECT_EQ(size("LINK.TWO_LINES").cy, 2 * shortLink.cy);

    const SIZE shortText = size("STATIC.SHORT");
    EXPECT_GT(shortText.cx, 10);
    EXPECT_EQ(size("STATIC.TWO_LINES").cy, 2 * shortText.cy);
    // A link is wider than its text by its margin.
    EXPECT_EQ(shortLink.cx, shortText.cx + 10);

    // An icon comes first, 10 pixels before the text; a missing one is
    // reported and the link stays.
    const SIZE icon = size("LINK.ICON");
    EXPECT_EQ(icon.cx, shortLink.cx + 16 + 10);
    EXPECT_EQ(icon.cy, std::max<LONG>(16, shortLink.cy));
    EXPECT_EQ(size("LINK.MISSING_ICON").cx, shortLink.cx);
    EXPECT_TRUE(HasWarningAbout("Page object [LINK.MISSING_ICON]: icon bitmap NO_ICON is missing"));
    EXPECT_TRUE(LogHas("Page object [LINK.MISSING_ICON]: icon bitmap NO_ICON is missing"));

    const SIZE button = size("BUTTON.TEXT");
    EXPECT_GT(button.cx, shortLink.cx * 2);
    EXPECT_GT(button.cy, shortText.cy);
}

TEST_F(PageObjectsTest, TextsVisibilityAndEnabledState) {
    ASSERT_TRUE(Place(PageWith({"LINK.HIDDEN", "STATIC.OFF", "BUTTON.SHOWN", "BITMAP.HIDDEN"},
                               "[LINK.HIDDEN]\r\nNAME = Hidden @WORD@\r\nSHOW = 0\r\n"
                               "[STATIC.OFF]\r\nNAME = Off\r\nENABLE = 0\r\n"
                               "[BUTTON.SHOWN]\r\nNAME = Shown\r\nSHOW = 1\r\nENABLE = 1\r\n"
                               "[BITMAP.HIDDEN]\r\nNAME = TEST_SMALL\r\nSHOW = 0\r\n"),
                      "WORD = link\r\n"));
    struct Case {
        const char* section;
        const char* text;
        bool visible;
        bool enabled;
    } cases[] = {
        {"LINK.HIDDEN", "Hidden link", false, true},
        {"STATIC.OFF", "Off", true, false},
        {"BUTTON.SHOWN", "Shown", true, true},
        {"BITMAP.HIDDEN", "TEST_SMALL", false, true},
    };
    for (const Case& c : cases) {
        const platform::Window window(Window(c.section));
        ASSERT_TRUE(window.IsWindow()) << c.section;
        EXPECT_EQ(window.GetText(), c.text) << c.section;
        EXPECT_EQ(window.IsVisible(), c.visible) << c.section;
        EXPECT_EQ(window.IsEnabled(), c.enabled) << c.section;
    }
}

TEST_F(PageObjectsTest, ClicksAndEnterPostTheCommand) {
    ASSERT_TRUE(Place(PageWith({"LINK.WEB", "BUTTON.FIRST", "BUTTON.SECOND", "LINK.NOTHING"},
                               "[LINK.WEB]\r\nNAME = Web\r\nPOSITION = 10, 10\r\n"
                               "SIZE = 100, 20\r\nCMD_TYPE = CT_OPEN_URL\r\n"
                               "CMD_PARAM1 = www.example.com\r\nCMD_PARAM2 = two\r\n"
                               "[BUTTON.FIRST]\r\nNAME = First\r\nPOSITION = 10, 50\r\n"
                               "SIZE = 80, 24\r\nCMD_TYPE = CT_OPEN_DLG\r\n"
                               "CMD_PARAM1 = NORMAL.FIRST\r\n"
                               "[BUTTON.SECOND]\r\nNAME = Second\r\nPOSITION = 100, 50\r\n"
                               "SIZE = 80, 24\r\nCMD_TYPE = CT_OPEN_DLG\r\n"
                               "CMD_PARAM1 = NORMAL.SECOND\r\n"
                               "[LINK.NOTHING]\r\nNAME = Nothing\r\nPOSITION = 10, 90\r\n")));
    const HWND link = Window("LINK.WEB");
    Click(link);
    ASSERT_TRUE(Posted("CT_OPEN_URL", "www.example.com"));
    ASSERT_EQ(Sink().posted().size(), 1u);
    EXPECT_EQ(Sink().posted()[0].params[1], "two");

    // Releasing without pressing, or outside the link, does nothing.
    Sink().ClearPosted();
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(300, 2));
    Click(Window("LINK.NOTHING"));
    PumpPending();
    EXPECT_TRUE(Sink().posted().empty());

    // Buttons are numbered in configuration order and post on a click and on
    // Enter.
    const HWND first = Window("BUTTON.FIRST");
    const HWND second = Window("BUTTON.SECOND");
    EXPECT_EQ(GetDlgCtrlID(first), 0);
    EXPECT_EQ(GetDlgCtrlID(second), 1);
    SendMessageA(second, BM_CLICK, 0, 0);
    EXPECT_TRUE(Posted("CT_OPEN_DLG", "NORMAL.SECOND"));
    SendMessageA(first, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_TRUE(Posted("CT_OPEN_DLG", "NORMAL.FIRST"));
    EXPECT_EQ(Sink().posted().size(), 2u);
    // The dialog manager leaves Enter to the focused button.
    MSG enter = {first, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_NE(SendMessageA(first, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                  DLGC_WANTMESSAGE,
              0);
    // A held Enter repeats: one command per press.
    Sink().ClearPosted();
    SendMessageA(first, WM_KEYDOWN, VK_RETURN, 0x40000000);
    PumpPending();
    EXPECT_TRUE(Sink().posted().empty());

    // A link is reached with Tab and used with Enter or Space.
    EXPECT_NE(GetWindowLongA(link, GWL_STYLE) & WS_TABSTOP, 0);
    MSG linkEnter = {link, WM_KEYDOWN, VK_RETURN, 0, 0, {0, 0}};
    EXPECT_NE(SendMessageA(link, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&linkEnter)) &
                  DLGC_WANTMESSAGE,
              0);
    SendMessageA(link, WM_KEYDOWN, VK_SPACE, 0);
    PumpPending();
    EXPECT_EQ(Sink().posted().size(), 1u);

    // Without an executor nothing is posted, and nothing breaks.
    Sink().ClearPosted();
    SetCmdOperator(nullptr);
    Click(link);
    SendMessageA(first, BM_CLICK, 0, 0);
    PumpPending();
    EXPECT_TRUE(Sink().posted().empty());
}

TEST_F(PageObjectsTest, TheLinkFollowsThePointer) {
    ASSERT_TRUE(Place(PageWith({"LINK.HELP", "LINK.OLD", "BUTTON.GO"},
                               "[LINK.HELP]\r\nNAME = Help\r\nSCRIPT = Opens the help\r\n"
                               "TOOLTIP = Help file\r\n"
                               "[LINK.OLD]\r\nNAME = Old\r\nPOSITION = 0, 40\r\n"
                               "UNSUPPORTED_OS = OS0501_64 OS0502_64 OS0600_64 OS0601_64 "
                               "OS0602_64 OS0603_64 OS0A00_64\r\n"
                               "[BUTTON.GO]\r\nNAME = Go\r\nPOSITION = 0, 80\r\n")));
    const HWND link = Window("LINK.HELP");
    const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_LINK));
    ASSERT_NE(hand, nullptr);
    SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
    const HWND button = Window("BUTTON.GO");
    SetCursor(nullptr);
    SendMessageA(button, WM_SETCURSOR, reinterpret_cast<WPARAM>(button),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);
    // A link for another platform keeps the arrow.
    ASSERT_FALSE(Env().GetInstallRecord().osDefine.empty());
    const HWND old = Window("LINK.OLD");
    SendMessageA(old, WM_SETCURSOR, reinterpret_cast<WPARAM>(old),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));

    // Resting on the link shows its script in the status line and takes
    // the focus; leaving restores the status line.
    SendMessageA(link, WM_MOUSEHOVER, 0, MAKELPARAM(2, 2));
    ASSERT_EQ(m_page.statusTexts.size(), 1u);
    EXPECT_EQ(m_page.statusTexts[0], "Opens the help");
    EXPECT_EQ(GetFocus(), link);
    SendMessageA(link, WM_MOUSELEAVE, 0, 0);
    ASSERT_EQ(m_page.statusTexts.size(), 2u);
    EXPECT_EQ(m_page.statusTexts[1], "");
    // A link without a script leaves the status line alone.
    SendMessageA(old, WM_MOUSEHOVER, 0, MAKELPARAM(2, 2));
    SendMessageA(old, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(m_page.statusTexts.size(), 2u);
}

TEST_F(PageObjectsTest, TooltipsCarryTheirText) {
    ASSERT_TRUE(Place(PageWith({"LINK.TIP", "BUTTON.TIP", "LINK.NO_TIP"},
                               "[LINK.TIP]\r\nNAME = Tip\r\nTOOLTIP = Opens the manual\r\n"
                               "[BUTTON.TIP]\r\nNAME = Go\r\nTOOLTIP = Starts @WORD@\r\n"
                               "[LINK.NO_TIP]\r\nNAME = None\r\n"),
                      "WORD = the install\r\n"));
    // The tooltips are popups owned by the page's top-level window.
    std::vector<HWND> tips;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            if (ClassOf(window) == TOOLTIPS_CLASSA) {
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&tips));
    std::vector<std::string> texts;
    for (HWND tip : tips) {
        if (GetWindow(tip, GW_OWNER) != GetAncestor(m_page, GA_ROOT)) {
            continue;
        }
        const platform::ToolTip control(tip);
        for (const char* section : {"LINK.TIP", "BUTTON.TIP", "LINK.NO_TIP"}) {
            const std::string text = control.GetToolText(Window(section));
            if (!text.empty()) {
                texts.push_back(std::string(section) + ": " + text);
            }
        }
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"BUTTON.TIP: Starts the install",
                                               "LINK.TIP: Opens the manual"}));
}

TEST_F(PageObjectsTest, AFontSectionStartsFromThePageFont) {
    ASSERT_TRUE(Place(PageWith({"BUTTON.FONT", "BUTTON.PLAIN"},
                               "[FONT.BIG]\r\nLF_FACENAME = Courier New\r\nLF_HEIGHT = 20\r\n"
                               "LF_BOLD = 1\r\nLF_ITALIC = 1\r\n"
                               "[BUTTON.FONT]\r\nNAME = Big\r\nFONT = FONT.BIG\r\n"
                               "[BUTTON.PLAIN]\r\nNAME = Plain\r\n")));
    LOGFONTA page = {};
    ASSERT_NE(GetObjectA(m_page.GetFont(), sizeof(page), &page), 0);
    LOGFONTA big = {};
    ASSERT_NE(GetObjectA(platform::Window(Window("BUTTON.FONT")).GetFont(), sizeof(big), &big), 0);
    EXPECT_STREQ(big.lfFaceName, "Courier New");
    // The height keeps the sign of the page font's height.
    EXPECT_EQ(big.lfHeight, page.lfHeight < 0 ? -20 : 20);
    EXPECT_EQ(big.lfWeight, FW_BOLD);
    EXPECT_TRUE(big.lfItalic);
    EXPECT_FALSE(big.lfUnderline);
    // Without a font section a button takes the page's font.
    EXPECT_EQ(platform::Window(Window("BUTTON.PLAIN")).GetFont(), m_page.GetFont());
}

const char* const kLanguages =
    "[LANG.LIST]\r\nPOSITION = 10, 10\r\nSIZE = 20, 100\r\nDATA_SECTION = LANGS\r\n"
    "TOOLTIP = Language\r\n"
    "[LANGS]\r\n 0x0409 = LANG_EN\r\n7 = LANG_DE\r\n0x040C = LANG_MISSING\r\n";
const char* const kLanguageTexts = "LANG_EN = English\r\nLANG_DE = Deutsch\r\n";

TEST_F(PageObjectsTest, TheLanguageListOffersTheLanguagesAndPostsTheChoice) {
    ASSERT_TRUE(Open(PageWith({"LANG.LIST"}, kLanguages), kLanguageTexts));
    Env().GetLanguage().requestedId = 7;
    Env().GetLanguage().currentId = 0x0409;
    Build();
    const HWND combo = Window("LANG.LIST");
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(ClassOf(combo), "ComboBox");
    EXPECT_NE(GetWindowLongA(combo, GWL_STYLE) & CBS_DROPDOWNLIST, 0);
    EXPECT_TRUE(IsWindowEnabled(combo));
    std::vector<std::string> entries;
    for (int i = 0; i < SendMessageA(combo, CB_GETCOUNT, 0, 0); ++i) {
        char text[64] = {};
        SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    // A message the string file lacks gives an empty entry.
    EXPECT_EQ(entries, (std::vector<std::string>{"English", "Deutsch", ""}));
    // The requested language is selected.
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    // Too narrow for its entries: widened, and the dropped list as well.
    RECT rect = {};
    GetWindowRect(combo, &rect);
    EXPECT_GT(rect.right - rect.left, 20);
    EXPECT_EQ(SendMessageA(combo, CB_GETDROPPEDWIDTH, 0, 0), rect.right - rect.left);

    // The user picks the next entry with the keyboard.
    SetFocus(combo);
    SendMessageA(combo, WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 2);
    ASSERT_TRUE(Posted("CT_CHANGE_LANG", "0x040C"));
    EXPECT_EQ(Sink().posted().size(), 1u);
    // Choosing the entry that is already chosen posts nothing.
    SendMessageA(GetParent(combo), WM_COMMAND, MAKEWPARAM(kObjectControlId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    SendMessageA(combo, WM_KEYDOWN, VK_UP, 0);
    EXPECT_TRUE(Posted("CT_CHANGE_LANG", "7"));
    EXPECT_EQ(Sink().posted().size(), 2u);
}

TEST_F(PageObjectsTest, TheLanguageListFallsBackToTheCurrentLanguage) {
    struct Case {
        WORD requested;
        WORD current;
        bool fixed;
        int selection;
        bool logged;
    } cases[] = {
        {0x0411, 0x0409, false, 0, false},
        {0x0411, 0x0412, false, -1, true},
        {7, 9, true, 1, false},
    };
    ASSERT_TRUE(Open(PageWith({"LANG.LIST"}, kLanguages), kLanguageTexts));
    for (const Case& c : cases) {
        m_objects.Clear();
        Env().GetLanguage().requestedId = c.requested;
        Env().GetLanguage().currentId = c.current;
        Env().GetLanguage().fixedForRun = c.fixed;
        const bool loggedBefore =
            LogHas("Initialize Language Combo Box Error!! --> Error SetCurSel function");
        Build();
        const HWND combo = Window("LANG.LIST");
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), c.selection) << c.requested;
        // A language fixed on the command line cannot be changed here.
        EXPECT_EQ(IsWindowEnabled(combo) != FALSE, !c.fixed) << c.requested;
        EXPECT_EQ(!loggedBefore &&
                      LogHas("Initialize Language Combo Box Error!! --> Error SetCurSel function"),
                  c.logged)
            << c.requested;
    }
}

TEST_F(PageObjectsTest, ToggleShowSwitchesTheFirstObjectOfTheSection) {
    ASSERT_TRUE(Place(PageWith({"LINK.TWICE", "LINK.TWICE", "STATIC.HIDDEN", "LINE.NOT_A_WINDOW"},
                               "[LINK.TWICE]\r\nNAME = Twice\r\n"
                               "[STATIC.HIDDEN]\r\nNAME = Hidden\r\nSHOW = 0\r\n"
                               "[LINE.NOT_A_WINDOW]\r\nSIZE = 10, 1\r\n")));
    std::vector<HWND> links;
    for (HWND child : ChildrenOf(m_page)) {
        if (ClassOf(child) == "SetupPageLink") {
            links.push_back(child);
        }
    }
    ASSERT_EQ(links.size(), 2u);
    const HWND first = Window("LINK.TWICE");
    const HWND other = links[0] == first ? links[1] : links[0];
    const HWND hidden = Window("STATIC.HIDDEN");

    m_objects.ToggleShow("link.twice");
    EXPECT_FALSE(IsWindowVisible(first));
    EXPECT_TRUE(IsWindowVisible(other));
    m_objects.ToggleShow("LINK.TWICE");
    EXPECT_TRUE(IsWindowVisible(first));
    m_objects.ToggleShow("STATIC.HIDDEN");
    EXPECT_TRUE(IsWindowVisible(hidden));
    m_objects.ToggleShow("LINE.NOT_A_WINDOW");
    m_objects.ToggleShow("NO.SUCH");

    // The page being hidden does not count: the object's own state toggles.
    m_page.Hide();
    m_objects.ToggleShow("STATIC.HIDDEN");
    m_page.Show(SW_SHOWNA);
    EXPECT_FALSE(IsWindowVisible(hidden));
}

TEST_F(PageObjectsTest, TheDefaultFocusPrefersLinksThenButtonsThenTheLanguageList) {
    const std::string sections =
        "[LINK.PLAIN]\r\nNAME = a\r\n[LINK.DEFAULT]\r\nNAME = b\r\nDEFAULT_BUTTON = 1\r\n"
        "[BUTTON.DEFAULT]\r\nNAME = c\r\nDEFAULT_BUTTON = 1\r\n"
        "[BUTTON.PLAIN]\r\nNAME = d\r\n"
        "[LANG.DEFAULT]\r\nDATA_SECTION = LANGS\r\nDEFAULT_BUTTON = 1\r\n[LANGS]\r\n9 = X\r\n";
    struct Case {
        std::vector<std::string> objects;
        const char* focus;
    } cases[] = {
        {{"LANG.DEFAULT", "BUTTON.DEFAULT", "LINK.PLAIN", "LINK.DEFAULT"}, "LINK.DEFAULT"},
        {{"LANG.DEFAULT", "BUTTON.PLAIN", "BUTTON.DEFAULT", "LINK.PLAIN"}, "BUTTON.DEFAULT"},
        {{"LANG.DEFAULT", "BUTTON.PLAIN", "LINK.PLAIN"}, "LANG.DEFAULT"},
        {{"BUTTON.PLAIN", "LINK.PLAIN"}, nullptr},
    };
    ASSERT_TRUE(Open(PageWith({}, sections)));
    for (const Case& c : cases) {
        // The page section is read from the configure file: rewrite it.
        const std::string path = WriteMediaFile("data\\psinst.psi", PageWith(c.objects, sections));
        ASSERT_TRUE(Env().GetConfigFiles().Configure().ReloadMain(path));
        Build();
        const HWND expected = c.focus != nullptr ? Window(c.focus) : nullptr;
        EXPECT_EQ(m_objects.GetDefaultFocus(), expected) << (c.focus ? c.focus : "none");
        if (c.focus != nullptr) {
            EXPECT_NE(expected, nullptr) << c.focus;
        }
    }
}

TEST_F(PageObjectsTest, ResultListsShowTheSelectedItemsOnEachEntry) {
    ASSERT_TRUE(Place(PageWith({"RESULTLIST.R"}, "[RESULTLIST.R]\r\nSIZE = 120, 80\r\n")));
    const HWND list = Window("RESULTLIST.R");
    ASSERT_NE(list, nullptr);
    EXPECT_NE(GetWindowLongA(list, GWL_STYLE) & LBS_NOSEL, 0);
    EXPECT_NE(GetWindowLongA(list, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    // Without an item set the list stays empty.
    SendMessageA(list, WM_PAGE_RESTART, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 0);

    std::vector<std::string> names = {"Printer driver for the model with a long name", "Scanner"};
    setup::SetSelectedItemsProvider([&names] { return names; });
    SendMessageA(list, WM_PAGE_RESTART, 0, 0);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
    char text[128] = {};
    SendMessageA(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, names[0].c_str());
    const LRESULT extent = SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0);
    EXPECT_GT(extent, 120);

    // The next entry shows the selection of then, not an addition to it.
    names = {"Utility"};
    SendMessageA(list, WM_PAGE_RESTART, 0, 0);
    EXPECT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 1);
    EXPECT_LT(SendMessageA(list, LB_GETHORIZONTALEXTENT, 0, 0), extent);
}

TEST_F(PageObjectsTest, TheTextViewerShowsItsFileReadOnly) {
    ASSERT_TRUE(Open(PageWith({"EDIT.LICENSE", "EDIT.HUGE"},
                              "[EDIT.LICENSE]\r\nSIZE = 200, 100\r\n"
                              "TEXT_FILE = $SRC_DIR$\\license.txt\r\n"
                              "[EDIT.HUGE]\r\nSIZE = 200, 100\r\nTEXT_FILE = .\\huge.txt\r\n")));
    // A file over 4 MB (a viewer pointed at the wrong file) is not shown.
    WriteMediaFile("huge.txt", std::string(4 * 1024 * 1024 + 1, 'x'));
    std::string big;
    for (int i = 0; i < 4000; ++i) {
        big += "Line " + std::to_string(i) + "\r\n";
    }
    WriteMediaFile("license.txt", "First line\nSecond line\r\n" + big);
    Build();
    const platform::Window edit(Window("EDIT.LICENSE"));
    ASSERT_TRUE(edit.IsWindow());
    // Every line break shows as one; a text beyond the edit box's usual
    // limit is kept whole.
    EXPECT_EQ(edit.GetText(), "First line\r\nSecond line\r\n" + big);
    const LONG_PTR style = edit.GetStyle();
    EXPECT_NE(style & ES_READONLY, 0);
    EXPECT_NE(style & ES_MULTILINE, 0);
    EXPECT_NE(style & WS_VSCROLL, 0);

    EXPECT_EQ(Window("EDIT.HUGE"), nullptr);
    ASSERT_EQ(m_objects.GetWarnings().size(), 1u);
    EXPECT_NE(m_objects.GetWarnings()[0].find("is larger than 4 MB"), std::string::npos)
        << m_objects.GetWarnings()[0];
}

TEST_F(PageObjectsTest, TheAnimationPlaysItsClip) {
    ASSERT_TRUE(Open(PageWith({"AVI.CLIP"},
                              "[AVI.CLIP]\r\nPOSITION = 5, 5\r\nSIZE = 32, 32\r\n"
                              "AVI_FILE = .\\clip.avi\r\n")));
    WriteMediaFile("clip.avi", ui_test::MakeTestClip(32, 32, 4));
    Build();
    const HWND animation = Window("AVI.CLIP");
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(ClassOf(animation), "SysAnimate32");
    EXPECT_NE(GetWindowLongA(animation, GWL_STYLE) & ACS_TRANSPARENT, 0);
    EXPECT_TRUE(IsWindowVisible(animation));
    EXPECT_TRUE(m_objects.GetWarnings().empty());
}

// Objects that cannot be made are left out with a reason in the log and in
// the warnings; the others on the page are still there.
TEST_F(PageObjectsTest, ObjectsThatCannotBeMadeAreLeftOut) {
    const std::string sections =
        "[BITMAP.MISSING]\r\nNAME = NO_SUCH_BITMAP\r\n"
        "[LINK.LOOP]\r\nBASE_ON = BASE.LOOP\r\nNAME = loop\r\n[BASE.LOOP]\r\nBASE_ON = "
        "LINK.LOOP\r\n"
        "[EDIT.MISSING]\r\nTEXT_FILE = .\\no_such_file.txt\r\n"
        "[AVI.NOT_A_CLIP]\r\nAVI_FILE = .\\not_a_clip.avi\r\n"
        "[AVI.NO_FILE]\r\nNAME = nothing to play\r\n"
        "[BUTTON.MISSING_PROGRAM]\r\nNAME = Run\r\nCMD_TYPE = CT_EXE_FILE_WAIT\r\n"
        "CMD_PARAM1 = .\\no_such_program.exe\r\n"
        "[BUTTON.PRESENT_PROGRAM]\r\nNAME = Run it\r\nCMD_TYPE = CT_EXE_FILE_WAIT\r\n"
        "CMD_PARAM1 = .\\program.exe\r\n"
        "[BUTTON.URL]\r\nNAME = Web\r\nCMD_TYPE = CT_OPEN_URL\r\n"
        "CMD_PARAM1 = .\\no_such_page.htm\r\n"
        "[STATIC.BUTTON.X]\r\nNAME = Text\r\n"
        "[Link.LOWER]\r\nNAME = lower\r\n"
        "[DEST_DIR.BOX]\r\n";
    ASSERT_TRUE(Open(
        PageWith({"BITMAP.MISSING", "LINK.LOOP", "EDIT.MISSING", "AVI.NOT_A_CLIP", "AVI.NO_FILE",
                  "BUTTON.MISSING_PROGRAM", "LINK.UNRESOLVED", "BUTTON.PRESENT_PROGRAM",
                  "BUTTON.URL", "STATIC.BUTTON.X", "Link.LOWER", "DEST_DIR.BOX"},
                 sections)));
    WriteMediaFile("not_a_clip.avi", "RIFF....AVI LIST but not really a clip");
    WriteMediaFile("program.exe", "MZ");
    Build();

    struct Case {
        const char* section;
        const char* reason;
    } cases[] = {
        {"BITMAP.MISSING", "bitmap NO_SUCH_BITMAP is missing"},
        {"LINK.LOOP", "deeper than 16"},
        {"EDIT.MISSING", "no_such_file.txt cannot be opened"},
        {"AVI.NOT_A_CLIP", "not_a_clip.avi cannot be played"},
        {"AVI.NO_FILE", "no AVI_FILE"},
        {"BUTTON.MISSING_PROGRAM", "CT_EXE_FILE_WAIT names a missing file"},
        {"LINK.UNRESOLVED", "the section does not exist"},
        {"Link.LOWER", "names no kind of object"},
        {"DEST_DIR.BOX", "not available in this build"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Window(c.section), nullptr) << c.section;
        const std::string line = std::string("Page object [") + c.section + "] left out: ";
        EXPECT_TRUE(HasWarningAbout(line)) << c.section;
        EXPECT_TRUE(HasWarningAbout(c.reason)) << c.section;
        EXPECT_TRUE(LogHas(line)) << c.section;
    }
    EXPECT_EQ(m_objects.GetWarnings().size(), std::size(cases));
    EXPECT_TRUE(LogHas("CFile::Open"));
    // What could be made is there: a button whose program exists, one with
    // a web address, and a text whose name also holds "BUTTON.".
    EXPECT_NE(Window("BUTTON.PRESENT_PROGRAM"), nullptr);
    EXPECT_NE(Window("BUTTON.URL"), nullptr);
    ASSERT_NE(Window("STATIC.BUTTON.X"), nullptr);
    EXPECT_EQ(ClassOf(Window("STATIC.BUTTON.X")), "SetupPageText");
    EXPECT_EQ(ChildrenOf(m_page).size(), 3u);
}

TEST_F(PageObjectsTest, TheObjectCountIsBoundedAndMayHaveGaps) {
    struct Case {
        const char* count;
        size_t objects;
        const char* logged;
    } cases[] = {
        // Keys 0 and 2 of three: two objects.
        {"3", 2, nullptr},
        {"100000", 3, "NUM_OF_OBJ is 100000; only the first 1024 objects are read"},
        {"-5", 0, "NUM_OF_OBJ is -5; the page gets no objects"},
        {"0", 0, nullptr},
    };
    ASSERT_TRUE(Open("[NOTHING]\r\n"));
    for (const Case& c : cases) {
        const std::string configure =
            std::string(
                "[NORMAL.PAGE]\r\nBASE_ON = PAGE.BASE\r\nOBJ_0 = STATIC.A\r\n"
                "OBJ_2 = STATIC.A\r\nOBJ_1023 = STATIC.A\r\nOBJ_1024 = STATIC.A\r\n"
                "[PAGE.BASE]\r\nNUM_OF_OBJ = ") +
            c.count + "\r\n[STATIC.A]\r\nNAME = a\r\n";
        const std::string path = WriteMediaFile("data\\psinst.psi", configure);
        ASSERT_TRUE(Env().GetConfigFiles().Configure().ReloadMain(path));
        const DWORD start = GetTickCount();
        m_objects.Build(Env().GetConfigFiles().Configure(), kPage, "PAGE.BASE");
        EXPECT_LT(GetTickCount() - start, 5000u) << c.count;
        EXPECT_EQ(m_objects.GetObjectCount(), c.objects) << c.count;
        if (c.logged != nullptr) {
            EXPECT_TRUE(LogHas(std::string("Page object [NORMAL.PAGE]: ") + c.logged)) << c.count;
        }
    }
    // Without NUM_OF_OBJ in the page or its base there are no objects.
    m_objects.Build(Env().GetConfigFiles().Configure(), "STATIC.A", std::string());
    EXPECT_EQ(m_objects.GetObjectCount(), 0u);
}

TEST_F(PageObjectsTest, ClearDestroysTheWindowsAndLetsThePageGo) {
    ASSERT_TRUE(Open(PageWith({"LINK.A", "BUTTON.B", "LANG.L", "RESULTLIST.R", "LINE.X"},
                              "[LINK.A]\r\nNAME = a\r\n[BUTTON.B]\r\nNAME = b\r\n"
                              "[LANG.L]\r\nDATA_SECTION = LANGS\r\n[LANGS]\r\n9 = X\r\n"
                              "[RESULTLIST.R]\r\n[LINE.X]\r\nSIZE = 5, 1\r\n")));
    Build();
    const std::vector<HWND> windows = ChildrenOf(m_page);
    EXPECT_EQ(windows.size(), 4u);
    EXPECT_EQ(m_objects.GetObjectCount(), 5u);
    // Creating again replaces the windows instead of adding to them.
    m_objects.CreateWindows(m_page);
    EXPECT_EQ(ChildrenOf(m_page).size(), 4u);

    m_objects.Clear();
    EXPECT_TRUE(ChildrenOf(m_page).empty());
    EXPECT_EQ(m_objects.GetObjectCount(), 0u);
    EXPECT_EQ(m_objects.GetDefaultFocus(), nullptr);
    // The page's notifications no longer reach the language list.
    SendMessageA(m_page, WM_COMMAND, MAKEWPARAM(kObjectControlId, CBN_SELCHANGE), 0);

    // The objects may also outlive their page.
    Build();
    m_page.Destroy();
    m_objects.Clear();
}

// Drawings and bitmaps painted into a memory device context.
class PaintTest : public PageObjectsTest {
protected:
    void SetUp() override {
        PageObjectsTest::SetUp();
        m_memory.reset(CreateCompatibleDC(m_screen.get()));
        m_target.reset(CreateCompatibleBitmap(m_screen.get(), 200, 120));
        m_select = std::make_unique<platform::SelectObjectGuard>(m_memory.get(), m_target.get());
    }
    void TearDown() override {
        m_select.reset();
        PageObjectsTest::TearDown();
    }
    void Fill(COLORREF color) {
        platform::UniqueBrush brush(CreateSolidBrush(color));
        RECT all = {0, 0, 200, 120};
        FillRect(m_memory.get(), &all, brush.get());
    }
    COLORREF Pixel(int x, int y) const { return GetPixel(m_memory.get(), x, y); }

    platform::WindowDc m_screen{nullptr};
    platform::UniqueMemoryDc m_memory;
    platform::UniqueBitmap m_target;
    std::unique_ptr<platform::SelectObjectGuard> m_select;
};

constexpr COLORREF kWhite = RGB(255, 255, 255);

TEST_F(PaintTest, DrawingsArePaintedInConfigurationOrder) {
    ASSERT_TRUE(Place(PageWith({"LINE.RED", "RECTANGLE.BLUE", "GRADIENTRECT.DEFAULT", "EDGE.TOP",
                                "GROUP_BOX.G", "LINE.OVER"},
                               "[LINE.RED]\r\nPOSITION = 10, 10\r\nSIZE = 50, 3\r\n"
                               "COLOR = 255, 0, 0\r\n"
                               "[RECTANGLE.BLUE]\r\nPOSITION = 10, 20\r\nSIZE = 40, 30\r\n"
                               "LINE_WIDTH = 1\r\nCOLOR = 0, 0, 255\r\n"
                               "[GRADIENTRECT.DEFAULT]\r\nPOSITION = 0, 60\r\nSIZE = 200, 10\r\n"
                               "[EDGE.TOP]\r\nPOSITION = 60, 20\r\nSIZE = 50, 20\r\n"
                               "[GROUP_BOX.G]\r\nPOSITION = 120, 10\r\nSIZE = 70, 40\r\n"
                               "[LINE.OVER]\r\nPOSITION = 30, 10\r\nSIZE = 5, 3\r\n"
                               "COLOR = 0, 255, 0\r\n")));
    Fill(kWhite);
    m_objects.PaintDrawings(m_memory.get());
    // A line is a filled rectangle; a later drawing paints over an earlier.
    EXPECT_EQ(Pixel(10, 10), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(59, 12), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(60, 12), kWhite);
    EXPECT_EQ(Pixel(10, 13), kWhite);
    EXPECT_EQ(Pixel(31, 11), RGB(0, 255, 0));
    // A rectangle is an outline.
    EXPECT_EQ(Pixel(10, 20), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(30, 20), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(10, 35), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(30, 35), kWhite);
    // A gradient without colours runs from pure blue to white.
    const COLORREF left = Pixel(0, 65);
    const COLORREF right = Pixel(199, 65);
    EXPECT_LT(GetRValue(left), 10);
    EXPECT_GT(GetBValue(left), 240);
    EXPECT_GT(GetRValue(right), 240);
    EXPECT_GT(GetRValue(Pixel(100, 65)), GetRValue(left) + 60);
    // An edge is etched along the top only; a group box all around.
    EXPECT_NE(Pixel(80, 20), kWhite);
    EXPECT_EQ(Pixel(80, 30), kWhite);
    EXPECT_NE(Pixel(120, 30), kWhite);
    EXPECT_NE(Pixel(188, 30), kWhite);
    EXPECT_EQ(Pixel(150, 30), kWhite);
}

TEST_F(PaintTest, GroupBoxTitleSitsOnTheTopLine) {
    ASSERT_TRUE(Place(PageWith({"GROUP_BOX.NAMED"},
                               "[GROUP_BOX.NAMED]\r\nPOSITION = 10, 40\r\nSIZE = 180, 60\r\n"
                               "NAME = ....\r\nBACK_COLOR = 0, 200, 0\r\n")));
    Fill(kWhite);
    m_objects.PaintDrawings(m_memory.get());
    // The title's opaque background starts 8 pixels in and covers the line
    // (the dots are drawn below it).
    EXPECT_EQ(Pixel(18, 40), RGB(0, 200, 0));
    EXPECT_EQ(Pixel(19, 40), RGB(0, 200, 0));
    EXPECT_NE(Pixel(14, 40), RGB(0, 200, 0));
    EXPECT_NE(Pixel(14, 40), kWhite);
}

TEST_F(PaintTest, BitmapsLeaveTheirTransparentColourOut) {
    ASSERT_TRUE(Start("[NOTHING]\r\n"));
    platform::UniqueBitmap small = setup::LoadPageBitmap("TEST_SMALL");
    ASSERT_TRUE(small);
    Fill(RGB(255, 0, 0));
    ASSERT_TRUE(
        setup::DrawTransparentBitmap(m_memory.get(), 5, 5, small.get(), RGB(198, 195, 198)));
    // The square is drawn, the grey around it is not.
    EXPECT_EQ(Pixel(5 + 20, 5 + 15), RGB(0, 200, 0));
    EXPECT_EQ(Pixel(5 + 1, 5 + 1), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(5 + 39, 5 + 29), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(50, 50), RGB(255, 0, 0));

    // Stretched: twice the size, every pixel drawn.
    Fill(RGB(255, 0, 0));
    const RECT target = {0, 0, 80, 60};
    ASSERT_TRUE(setup::DrawStretchedBitmap(m_memory.get(), target, small.get()));
    EXPECT_EQ(Pixel(40, 30), RGB(0, 200, 0));
    EXPECT_EQ(Pixel(2, 2), RGB(198, 195, 198));
    EXPECT_EQ(Pixel(79, 59), RGB(198, 195, 198));
    EXPECT_EQ(Pixel(85, 30), RGB(255, 0, 0));
}

}  // namespace
}  // namespace wizard_test

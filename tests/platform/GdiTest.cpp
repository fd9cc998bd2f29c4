// Drawing guards: selections are undone, objects are freed, paint and window
// device contexts are given back.
#include "platform/Gdi.h"

#include <gtest/gtest.h>

#include "UiTestSupport.h"

namespace {

using platform::DcStateGuard;
using platform::PaintDc;
using platform::SelectObjectGuard;
using platform::UniqueBitmap;
using platform::UniqueBrush;
using platform::UniqueFont;
using platform::UniqueMemoryDc;
using platform::UniquePen;
using platform::WindowDc;

UniqueFont MakeFont() {
    LOGFONTA font = {};
    font.lfHeight = -13;
    font.lfWeight = FW_BOLD;
    lstrcpyA(font.lfFaceName, "Tahoma");
    return UniqueFont(::CreateFontIndirectA(&font));
}

TEST(GdiTest, SelectGuardPutsThePreviousObjectBack) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    const UniquePen pen(::CreatePen(PS_SOLID, 3, RGB(200, 0, 0)));
    const UniqueBrush brush(::CreateSolidBrush(RGB(0, 200, 0)));
    const UniqueFont font = MakeFont();
    const UniqueBitmap bitmap(::CreateCompatibleBitmap(dc.get(), 16, 16));
    struct Case {
        const char* name;
        HGDIOBJ object;
        UINT type;
    } cases[] = {
        {"pen", pen.get(), OBJ_PEN},
        {"brush", brush.get(), OBJ_BRUSH},
        {"font", font.get(), OBJ_FONT},
        {"bitmap", bitmap.get(), OBJ_BITMAP},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.object, nullptr);
        const HGDIOBJ before = ::GetCurrentObject(dc.get(), c.type);
        ASSERT_NE(before, c.object);
        {
            SelectObjectGuard guard(dc.get(), c.object);
            ASSERT_TRUE(guard.valid());
            EXPECT_EQ(guard.previous(), before);
            EXPECT_EQ(::GetCurrentObject(dc.get(), c.type), c.object);
        }
        EXPECT_EQ(::GetCurrentObject(dc.get(), c.type), before);
    }
}

TEST(GdiTest, NestedGuardsUnwindInOrder) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const UniquePen first(::CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    const UniquePen second(::CreatePen(PS_DASH, 1, RGB(4, 5, 6)));
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_PEN);
    {
        SelectObjectGuard outer(dc.get(), first.get());
        {
            SelectObjectGuard inner(dc.get(), second.get());
            EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), second.get());
        }
        EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), first.get());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_PEN), original);
}

TEST(GdiTest, FailedSelectionRestoresNothing) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BRUSH);
    HGDIOBJ deleted = nullptr;
    {
        const UniqueBrush gone(::CreateSolidBrush(RGB(9, 9, 9)));
        deleted = gone.get();
    }
    {
        SelectObjectGuard guard(dc.get(), deleted);
        EXPECT_FALSE(guard.valid());
    }
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BRUSH), original);
}

TEST(GdiTest, OwnedObjectsAreDeleted) {
    HGDIOBJ pen = nullptr;
    HGDIOBJ bitmap = nullptr;
    {
        const UniquePen ownedPen(::CreatePen(PS_SOLID, 1, 0));
        const UniqueBitmap ownedBitmap(::CreateBitmap(8, 8, 1, 1, nullptr));
        pen = ownedPen.get();
        bitmap = ownedBitmap.get();
        EXPECT_EQ(::GetObjectType(pen), static_cast<DWORD>(OBJ_PEN));
        EXPECT_EQ(::GetObjectType(bitmap), static_cast<DWORD>(OBJ_BITMAP));
    }
    EXPECT_EQ(::GetObjectType(pen), 0u);
    EXPECT_EQ(::GetObjectType(bitmap), 0u);

    HDC memory = nullptr;
    {
        const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        memory = dc.get();
        EXPECT_EQ(::GetObjectType(memory), static_cast<DWORD>(OBJ_MEMDC));
    }
    EXPECT_EQ(::GetObjectType(memory), 0u);
}

TEST(GdiTest, StateGuardRestoresColoursAndModes) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const COLORREF colour = ::GetTextColor(dc.get());
    const int mode = ::GetBkMode(dc.get());
    {
        DcStateGuard state(dc.get());
        ASSERT_TRUE(state.valid());
        ::SetTextColor(dc.get(), RGB(1, 2, 3));
        ::SetBkMode(dc.get(), mode == TRANSPARENT ? OPAQUE : TRANSPARENT);
    }
    EXPECT_EQ(::GetTextColor(dc.get()), colour);
    EXPECT_EQ(::GetBkMode(dc.get()), mode);
}

// A window that paints with the guards and reports what it saw.
class PaintingWindow : public ui_test::HostWindow {
public:
    int paints = 0;
    bool hadDc = false;
    RECT area = {};

protected:
    bool OnPaint() override {
        ++paints;
        PaintDc dc(*this);
        hadDc = static_cast<bool>(dc);
        area = dc.paint().rcPaint;
        const UniqueBrush brush(::CreateSolidBrush(RGB(30, 60, 90)));
        SelectObjectGuard select(dc.get(), brush.get());
        ::PatBlt(dc.get(), area.left, area.top, area.right - area.left, area.bottom - area.top,
                 PATCOPY);
        return true;
    }
};

TEST(GdiTest, PaintDcValidatesTheUpdateArea) {
    PaintingWindow window;
    ASSERT_TRUE(window.Open(200, 100));
    ui_test::PumpPending();
    const RECT dirty = {10, 10, 60, 40};
    ASSERT_TRUE(::InvalidateRect(window, &dirty, FALSE));
    const int before = window.paints;
    ASSERT_TRUE(window.Update());
    EXPECT_EQ(window.paints, before + 1);
    EXPECT_TRUE(window.hadDc);
    EXPECT_LE(window.area.left, 10);
    EXPECT_GE(window.area.right, 60);
    // EndPaint ran: nothing is left to repaint.
    EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
}

TEST(GdiTest, WindowDcGivesAUsableContext) {
    ui_test::HostWindow window;
    ASSERT_TRUE(window.Open(100, 100));
    for (int i = 0; i < 3; ++i) {
        WindowDc dc(window);
        ASSERT_TRUE(dc);
        EXPECT_GT(::GetDeviceCaps(dc.get(), LOGPIXELSX), 0);
    }
    WindowDc screen(nullptr);
    EXPECT_TRUE(screen);
}

}  // namespace

// The non-owning window wrapper on a real child window, and what its calls
// do without a window.
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <string>

#include "UiTestSupport.h"

namespace {

using platform::Window;
using ui_test::HostWindow;
using ui_test::RectText;

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Open());
        const RECT rect = {10, 20, 110, 50};
        ASSERT_TRUE(m_child.Create(0, "Static", "first", WS_CHILD | WS_VISIBLE, rect, m_host, 55))
            << ::GetLastError();
    }

    HostWindow m_host;
    Window m_child;
};

TEST_F(WindowTest, TextRoundTrips) {
    EXPECT_EQ(m_child.GetText(), "first");
    const std::string texts[] = {"", "caf\xE9 \xE0 la cr\xE8me", std::string(5000, 'x')};
    for (const std::string& text : texts) {
        ASSERT_TRUE(m_child.SetText(text));
        EXPECT_EQ(m_child.GetText(), text);
    }
}

TEST_F(WindowTest, PlacementIsInTheParentsClientArea) {
    RECT rect;
    ASSERT_TRUE(m_child.GetRectInParent(rect));
    EXPECT_TRUE(ui_test::SameRect(rect, {10, 20, 110, 50})) << RectText(rect);

    ASSERT_TRUE(m_child.Move(30, 40, 200, 25));
    ASSERT_TRUE(m_child.GetRectInParent(rect));
    EXPECT_TRUE(ui_test::SameRect(rect, {30, 40, 230, 65})) << RectText(rect);

    // The screen rectangle is the same one moved by the client origin.
    RECT screen;
    ASSERT_TRUE(m_child.GetRect(screen));
    POINT origin = {0, 0};
    ::ClientToScreen(m_host, &origin);
    EXPECT_EQ(screen.left - origin.x, 30);
    EXPECT_EQ(screen.top - origin.y, 40);

    RECT client;
    ASSERT_TRUE(m_child.GetClientRect(client));
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 25);
}

TEST_F(WindowTest, StateCalls) {
    EXPECT_EQ(m_child.GetId(), 55);
    EXPECT_EQ(m_child.GetParent(), m_host.GetHandle());
    EXPECT_EQ(m_host.GetItem(55), m_child.GetHandle());

    EXPECT_TRUE(m_child.IsVisible());
    EXPECT_TRUE(m_child.Hide());  // was visible
    EXPECT_FALSE(m_child.IsVisible());
    EXPECT_FALSE(m_child.Show());  // was hidden
    EXPECT_TRUE(m_child.IsVisible());

    ASSERT_TRUE(m_child.Enable(false));
    EXPECT_FALSE(m_child.IsEnabled());
    ASSERT_TRUE(m_child.Enable(true));
    EXPECT_TRUE(m_child.IsEnabled());

    ASSERT_TRUE(m_child.ModifyStyle(SS_LEFT, SS_CENTER | WS_BORDER));
    EXPECT_EQ(m_child.GetStyle() & (SS_TYPEMASK | WS_BORDER), SS_CENTER | WS_BORDER);
    ASSERT_TRUE(m_child.ModifyExStyle(0, WS_EX_CLIENTEDGE));
    EXPECT_NE(m_child.GetExStyle() & WS_EX_CLIENTEDGE, 0);

    const HFONT font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    m_child.SetFont(font);
    EXPECT_EQ(m_child.GetFont(), font);
}

TEST_F(WindowTest, AttachDetachAndDestroy) {
    Window other;
    other.Attach(m_child);
    EXPECT_EQ(static_cast<HWND>(other), m_child.GetHandle());
    EXPECT_EQ(other.Detach(), m_child.GetHandle());
    EXPECT_EQ(other.GetHandle(), nullptr);
    EXPECT_TRUE(m_child.IsWindow());  // detaching does not destroy

    const HWND hwnd = m_child;
    ASSERT_TRUE(m_child.Destroy());
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_EQ(m_child.GetHandle(), nullptr);
    EXPECT_FALSE(m_child.Destroy());
}

TEST(WindowWithoutHandleTest, CallsFailAndLeaveOutParametersAlone) {
    Window none;
    EXPECT_FALSE(none.IsWindow());
    EXPECT_FALSE(none.SetText("x"));
    EXPECT_EQ(none.GetText(), "");
    EXPECT_FALSE(none.Move(0, 0, 10, 10));
    EXPECT_FALSE(none.Enable());
    EXPECT_FALSE(none.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(none.SetTimer(1, 10));
    RECT rect = {1, 2, 3, 4};
    EXPECT_FALSE(none.GetRect(rect));
    EXPECT_FALSE(none.GetRectInParent(rect));
    EXPECT_TRUE(ui_test::SameRect(rect, {1, 2, 3, 4})) << RectText(rect);

    Window dead;
    const RECT place = {0, 0, 10, 10};
    ASSERT_TRUE(dead.Create(0, "Static", "", WS_POPUP, place, nullptr));
    const HWND hwnd = dead;
    ASSERT_TRUE(dead.Destroy());
    dead.Attach(hwnd);
    EXPECT_FALSE(dead.SetText("x"));
    EXPECT_FALSE(dead.GetRectInParent(rect));
    EXPECT_TRUE(ui_test::SameRect(rect, {1, 2, 3, 4})) << RectText(rect);
}

}  // namespace

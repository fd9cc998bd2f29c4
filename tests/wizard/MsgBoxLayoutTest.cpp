#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "wizard/CancelType.h"
#include "wizard/MsgBoxLayout.h"

namespace {

using setup::MsgBoxIcon;

TEST(MsgBoxStyle, IconFromHighNibbleButtonsFromLowNibble) {
    struct Case {
        DWORD style;
        MsgBoxIcon icon;
        int buttons;
    } cases[] = {
        {0x00, MsgBoxIcon::kInformation, 0},
        {0x10, MsgBoxIcon::kError, 0},
        {0x24, MsgBoxIcon::kQuestion, 4},
        {0x36, MsgBoxIcon::kWarning, 6},
        {0x34, MsgBoxIcon::kWarning, 4},
        {0x31, MsgBoxIcon::kWarning, 1},
        {0x40, MsgBoxIcon::kInformation, 0},
        {0x15, MsgBoxIcon::kError, 1},
        {0x2F, MsgBoxIcon::kQuestion, 1},
        {0xF2, MsgBoxIcon::kInformation, 1},
        // Bits above the low byte choose nothing.
        {0x1024, MsgBoxIcon::kQuestion, 4},
    };
    for (const Case& c : cases) {
        const setup::MsgBoxStyle style = setup::DecodeMsgBoxStyle(c.style);
        EXPECT_EQ(style.icon, c.icon) << std::hex << c.style;
        EXPECT_EQ(style.buttons, c.buttons) << std::hex << c.style;
    }
}

TEST(MsgBoxStyle, CaptionKeysAndCloseAnswerByButtonSet) {
    struct Case {
        int buttons;
        const char* first;
        const char* second;
        int closeAnswer;
    } cases[] = {
        {0, "BUTTON.OK", "BUTTON.CANCEL", 1},
        {1, "BUTTON.OK", "BUTTON.CANCEL", 2},
        {4, "BUTTON.YES", "BUTTON.NO", 2},
        {6, "BUTTON.RESUME", "BUTTON.EXIT", 1},
    };
    for (const Case& c : cases) {
        const setup::MsgBoxCaptionKeys keys = setup::MsgBoxCaptionKeysFor(c.buttons);
        EXPECT_STREQ(keys.first, c.first) << c.buttons;
        EXPECT_STREQ(keys.second, c.second) << c.buttons;
        EXPECT_EQ(setup::MsgBoxCloseAnswer(c.buttons), c.closeAnswer) << c.buttons;
    }
}

TEST(MsgBoxLayout, SizeFromTextAndFrameWithMinimums) {
    // A frame of 3 pixels at each side and a 22-pixel caption; buttons of
    // 75 x 23 pixels.
    const SIZE frame = {6, 28};
    const SIZE button = {75, 23};
    struct Case {
        const char* what;
        RECT text;
        bool twoButtons;
        SIZE window;
        POINT first;
        POINT second;
    } cases[] = {
        // Client 294 x 72: the pair (160 wide) starts at 67, 10 above the bottom.
        {"short text", {66, 14, 150, 27}, true, {300, 100}, {67, 39}, {152, 39}},
        {"one button", {66, 14, 150, 27}, false, {300, 100}, {109, 39}, {}},
        // 3 + 800 + 10 wide; client 807 wide.
        {"wide text", {66, 14, 800, 27}, true, {813, 100}, {323, 39}, {408, 39}},
        // 200 + 28 + 23 + 20 high: the buttons start 10 below the text.
        {"tall text", {66, 14, 400, 200}, true, {413, 271}, {123, 210}, {208, 210}},
        {"right edge at the minimum", {66, 14, 287, 27}, true, {300, 100}, {67, 39}, {152, 39}},
        {"one pixel wider", {66, 14, 288, 27}, true, {301, 100}, {67, 39}, {152, 39}},
    };
    for (const Case& c : cases) {
        setup::MsgBoxMetrics metrics;
        metrics.text = c.text;
        metrics.frame = frame;
        metrics.first = button;
        metrics.second = button;
        metrics.twoButtons = c.twoButtons;
        const setup::MsgBoxLayout layout = setup::LayOutMsgBox(metrics);
        EXPECT_EQ(layout.window.cx, c.window.cx) << c.what;
        EXPECT_EQ(layout.window.cy, c.window.cy) << c.what;
        EXPECT_EQ(layout.first.x, c.first.x) << c.what;
        EXPECT_EQ(layout.first.y, c.first.y) << c.what;
        if (c.twoButtons) {
            EXPECT_EQ(layout.second.x, c.second.x) << c.what;
            EXPECT_EQ(layout.second.y, c.second.y) << c.what;
        }
    }
}

// A text taller than the screen: the box is as tall as the screen, the
// buttons stay on it and the text's area ends above them.
TEST(MsgBoxLayout, ATextTallerThanTheScreenIsCutAboveTheButtons) {
    setup::MsgBoxMetrics metrics;
    metrics.text = {66, 14, 500, 3000};
    metrics.frame = {6, 28};
    metrics.first = {75, 23};
    metrics.second = {75, 23};
    metrics.maxHeight = 768;
    const setup::MsgBoxLayout layout = setup::LayOutMsgBox(metrics);
    EXPECT_EQ(layout.window.cy, 768);
    const LONG clientHeight = 768 - 28;
    EXPECT_EQ(layout.first.y + 23, clientHeight - 10);
    EXPECT_EQ(layout.textBottom, clientHeight - 23 - 20);
    // A text that fits keeps its whole area.
    metrics.text.bottom = 200;
    EXPECT_EQ(setup::LayOutMsgBox(metrics).textBottom, 200);
}

TEST(MsgBoxLayout, ButtonsOfDifferentSizesStayCentredOnTheBottomLine) {
    setup::MsgBoxMetrics metrics;
    metrics.text = {66, 14, 500, 60};
    metrics.frame = {8, 30};
    metrics.first = {90, 25};
    metrics.second = {60, 21};
    const setup::MsgBoxLayout layout = setup::LayOutMsgBox(metrics);
    const LONG clientWidth = layout.window.cx - metrics.frame.cx;
    const LONG clientHeight = layout.window.cy - metrics.frame.cy;
    // The taller button sets the height; each ends 10 above the bottom.
    EXPECT_EQ(layout.window.cy, 60 + 30 + 25 + 20);
    EXPECT_EQ(layout.first.y + metrics.first.cy, clientHeight - 10);
    EXPECT_EQ(layout.second.y + metrics.second.cy, clientHeight - 10);
    EXPECT_EQ(layout.second.x, layout.first.x + 90 + 10);
    const LONG leftMargin = layout.first.x;
    const LONG rightMargin = clientWidth - (layout.second.x + metrics.second.cx);
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1);
}

TEST(MsgBoxLayout, KeepInsideAreaMovesOnlyAsFarAsNeeded) {
    const RECT area = {0, 0, 1280, 1000};
    struct Case {
        const char* what;
        RECT window;
        POINT corner;
    } cases[] = {
        {"inside", {100, 100, 400, 200}, {100, 100}},
        {"out at the right", {1000, 100, 1400, 200}, {880, 100}},
        {"out at the bottom", {100, 950, 400, 1050}, {100, 900}},
        {"wider than the area", {500, 100, 2000, 200}, {0, 100}},
        {"out at the left is brought in", {-50, 100, 250, 200}, {0, 100}},
    };
    for (const Case& c : cases) {
        const POINT corner = setup::KeepInsideArea(c.window, area);
        EXPECT_EQ(corner.x, c.corner.x) << c.what;
        EXPECT_EQ(corner.y, c.corner.y) << c.what;
    }
    // A work area that does not start at the origin (a second monitor, a
    // task bar at the left).
    const POINT corner = setup::KeepInsideArea({1500, 10, 2200, 200}, {1280, 40, 2304, 800});
    EXPECT_EQ(corner.x, 1500);
    EXPECT_EQ(corner.y, 40);
}

TEST(CancelType, NamesInAnyCaseOtherwiseResumeExit) {
    struct Case {
        const char* value;
        setup::CancelType type;
    } cases[] = {
        {"RESUME_EXIT", setup::CancelType::kResumeExit},
        {"OK_CANCEL", setup::CancelType::kOkCancel},
        {"ok_cancel", setup::CancelType::kOkCancel},
        {"Ok_Cancel", setup::CancelType::kOkCancel},
        {"NULL", setup::CancelType::kNull},
        {"null", setup::CancelType::kNull},
        {"", setup::CancelType::kResumeExit},
        {"YES_NO", setup::CancelType::kResumeExit},
        {"OK_CANCEL2", setup::CancelType::kResumeExit},
        {"1", setup::CancelType::kResumeExit},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::ParseCancelType(c.value), c.type) << c.value;
    }
}

}  // namespace

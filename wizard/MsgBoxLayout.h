// The rules of the program's message box that need no window: what a
// message-box style asks for, which captions its buttons take, and where
// the box's parts go once its text has been measured.
#pragma once

#include "foundation/WinTypes.h"

namespace setup {

enum class MsgBoxIcon { kError, kQuestion, kWarning, kInformation };

// Button sets: one button (OK), or two as OK/Cancel, Yes/No, Resume/Exit.
constexpr int kMsgBoxOk = 0;
constexpr int kMsgBoxOkCancel = 1;
constexpr int kMsgBoxYesNo = 4;
constexpr int kMsgBoxResumeExit = 6;

struct MsgBoxStyle {
    MsgBoxIcon icon = MsgBoxIcon::kInformation;
    int buttons = kMsgBoxOk;
};

// The low byte of a system message-box style: 0x10 error, 0x20 question,
// 0x30 warning, anything else information; low nibble 0, 4 and 6 name their
// button sets, any other value OK/Cancel.
MsgBoxStyle DecodeMsgBoxStyle(DWORD style);

// The keys of the "MESSAGES" section that caption the two buttons.
struct MsgBoxCaptionKeys {
    const char* first;
    const char* second;
};
MsgBoxCaptionKeys MsgBoxCaptionKeysFor(int buttons);

// The answer the close box and Escape give: the button that leaves things
// as they are (OK alone, Cancel, No, Resume).
int MsgBoxCloseAnswer(int buttons);

// The text is measured word-wrapped from this rectangle (client pixels).
constexpr RECT kMsgBoxMeasureRect = {66, 14, 816, 74};
constexpr LONG kMsgBoxMinWidth = 300;
constexpr LONG kMsgBoxMinHeight = 100;
// Between the buttons of a pair, and from the buttons to the bottom.
constexpr LONG kMsgBoxButtonGap = 10;

struct MsgBoxMetrics {
    RECT text = {};   // the measured text, client pixels
    SIZE frame = {};  // window size minus client size
    SIZE first = {};  // button sizes
    SIZE second = {};
    bool twoButtons = true;
    // The tallest the window may be (the screen's work area); 0 for no limit.
    LONG maxHeight = 0;
};

struct MsgBoxLayout {
    SIZE window = {};
    POINT first = {};  // client pixels
    POINT second = {};
    // The text's area ends here (client pixels), above the buttons.
    LONG textBottom = 0;
};

// Window width: half the horizontal frame + the text's right edge + 10, at
// least 300. Window height: the text's bottom + the vertical frame + the
// button height + 20, at least 100. The buttons sit 10 pixels above the
// bottom of the client area, centred alone or as a pair 10 pixels apart.
// A text too tall for the screen is cut so that the buttons stay on it.
MsgBoxLayout LayOutMsgBox(const MsgBoxMetrics& metrics);

// The top-left corner that keeps the window inside the area: moved left or
// up only as far as it sticks out, never past the area's left or top.
POINT KeepInsideArea(const RECT& window, const RECT& area);

}  // namespace setup

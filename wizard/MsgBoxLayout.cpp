#include "MsgBoxLayout.h"

#include <algorithm>

namespace setup {

MsgBoxStyle DecodeMsgBoxStyle(DWORD style) {
    MsgBoxStyle decoded;
    switch (style & 0xF0) {
        case 0x10:
            decoded.icon = MsgBoxIcon::kError;
            break;
        case 0x20:
            decoded.icon = MsgBoxIcon::kQuestion;
            break;
        case 0x30:
            decoded.icon = MsgBoxIcon::kWarning;
            break;
        default:
            decoded.icon = MsgBoxIcon::kInformation;
            break;
    }
    switch (style & 0x0F) {
        case kMsgBoxOk:
        case kMsgBoxYesNo:
        case kMsgBoxResumeExit:
            decoded.buttons = static_cast<int>(style & 0x0F);
            break;
        default:
            decoded.buttons = kMsgBoxOkCancel;
            break;
    }
    return decoded;
}

MsgBoxCaptionKeys MsgBoxCaptionKeysFor(int buttons) {
    switch (buttons) {
        case kMsgBoxYesNo:
            return {"BUTTON.YES", "BUTTON.NO"};
        case kMsgBoxResumeExit:
            return {"BUTTON.RESUME", "BUTTON.EXIT"};
        default:
            return {"BUTTON.OK", "BUTTON.CANCEL"};
    }
}

int MsgBoxCloseAnswer(int buttons) {
    return buttons == kMsgBoxOk || buttons == kMsgBoxResumeExit ? 1 : 2;
}

MsgBoxLayout LayOutMsgBox(const MsgBoxMetrics& metrics) {
    MsgBoxLayout layout;
    const LONG buttonHeight =
        std::max(metrics.first.cy, metrics.twoButtons ? metrics.second.cy : 0);
    layout.window.cx =
        std::max(kMsgBoxMinWidth, metrics.frame.cx / 2 + metrics.text.right + kMsgBoxButtonGap);
    layout.window.cy = std::max(kMsgBoxMinHeight, metrics.text.bottom + metrics.frame.cy +
                                                      buttonHeight + 2 * kMsgBoxButtonGap);
    if (metrics.maxHeight >= kMsgBoxMinHeight) {
        layout.window.cy = std::min(layout.window.cy, metrics.maxHeight);
    }

    const LONG clientWidth = layout.window.cx - metrics.frame.cx;
    const LONG clientHeight = layout.window.cy - metrics.frame.cy;
    const LONG rowWidth =
        metrics.first.cx + (metrics.twoButtons ? kMsgBoxButtonGap + metrics.second.cx : 0);
    const LONG left = (clientWidth - rowWidth) / 2;
    layout.first = {left, clientHeight - kMsgBoxButtonGap - metrics.first.cy};
    layout.second = {left + metrics.first.cx + kMsgBoxButtonGap,
                     clientHeight - kMsgBoxButtonGap - metrics.second.cy};
    layout.textBottom =
        std::min(metrics.text.bottom, clientHeight - buttonHeight - 2 * kMsgBoxButtonGap);
    return layout;
}

POINT KeepInsideArea(const RECT& window, const RECT& area) {
    POINT corner = {window.left, window.top};
    if (window.right > area.right) {
        corner.x -= window.right - area.right;
    }
    if (window.bottom > area.bottom) {
        corner.y -= window.bottom - area.bottom;
    }
    corner.x = std::max(corner.x, area.left);
    corner.y = std::max(corner.y, area.top);
    return corner;
}

}  // namespace setup

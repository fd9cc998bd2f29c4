#include "ObjectWindow.h"

#include "ObjectFont.h"
#include "commands/CmdOperator.h"
#include "resources/ResourceIds.h"

namespace setup {

bool PostObjectCommand(const COMMAND_RECORD& command) {
    CCmdOperator* commands = GetCmdOperator();
    if (commands == nullptr || command.type.empty()) {
        return false;
    }
    return commands->PostCommand(command);
}

void ApplyEnableAndShow(HWND window, const OBJECT_RECORD& record) {
    ::EnableWindow(window, record.enable ? TRUE : FALSE);
    ::ShowWindow(window, record.show ? SW_SHOWNA : SW_HIDE);
}

bool HandleSeeThroughMessage(UINT message, LRESULT& result) {
    switch (message) {
        case WM_ERASEBKGND:
            result = 1;
            return true;
        case WM_NCHITTEST:
            result = HTTRANSPARENT;
            return true;
        default:
            return false;
    }
}

void RepaintWithParent(HWND window) {
    const HWND parent = ::GetParent(window);
    RECT rect;
    if (parent == nullptr || !::GetWindowRect(window, &rect)) {
        ::InvalidateRect(window, nullptr, TRUE);
        return;
    }
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    ::RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

HCURSOR LinkCursor() {
    static const HCURSOR cursor = [] {
        HCURSOR own = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDCUR_LINK));
        return own != nullptr ? own : ::LoadCursorA(nullptr, MAKEINTRESOURCEA(32649));
    }();
    return cursor;
}

SIZE ButtonSizeForText(HWND button, const std::string& text) {
    const HFONT font = PageFont(button);
    SIZE size = MeasureTextBlock(font, text);
    // Room for the frame and the focus rectangle on each side.
    size.cx += 2 * (::GetSystemMetrics(SM_CXEDGE) + 6);
    size.cy += 2 * (::GetSystemMetrics(SM_CYEDGE) + 3);
    return size;
}

}  // namespace setup

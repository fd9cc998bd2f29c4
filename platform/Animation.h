// An animation control playing a silent AVI clip (uncompressed or RLE, or a
// codec the system has).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "Window.h"

namespace platform {

class Animation : public Window {
public:
    static constexpr const char* kClassName = ANIMATE_CLASSA;
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | ACS_TRANSPARENT, DWORD exStyle = 0) {
        return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
    }

    // Opens a clip file; false when it is missing or not a clip the control
    // can play (the control then shows nothing).
    bool Open(const std::string& path) const {
        return SendMessage(ACM_OPENA, 0, reinterpret_cast<LPARAM>(path.c_str())) != FALSE;
    }
    // Opens an "AVI" resource of module.
    bool Open(HINSTANCE module, int resourceId) const {
        return SendMessage(ACM_OPENA, reinterpret_cast<WPARAM>(module),
                           reinterpret_cast<LPARAM>(MAKEINTRESOURCEA(resourceId))) != FALSE;
    }
    // Plays frames from to to (0xFFFF: the last frame), repeat times (-1:
    // endlessly). False when no clip is open.
    bool Play(UINT from = 0, UINT to = 0xFFFF, int repeat = -1) const {
        return SendMessage(ACM_PLAY, static_cast<WPARAM>(repeat), MAKELONG(from, to)) != FALSE;
    }
    bool Stop() const { return SendMessage(ACM_STOP) != FALSE; }
    // Closes the clip.
    bool Close() const { return SendMessage(ACM_OPENA) != FALSE; }
};

}  // namespace platform

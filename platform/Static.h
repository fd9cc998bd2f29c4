// A static control: text, icon (SS_ICON) or bitmap (SS_BITMAP). The control
// does not own the icon or bitmap it shows: the caller keeps them alive and
// destroys them.
#pragma once

#include <windows.h>

#include <string>

#include "Window.h"

namespace platform {

class Static : public Window {
public:
    static constexpr const char* kClassName = "Static";
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect, const std::string& text,
                DWORD style = WS_CHILD | WS_VISIBLE | SS_LEFT, DWORD exStyle = 0) {
        return Window::Create(exStyle, kClassName, text.c_str(), style, rect, parent, id);
    }

    // The icon shown before, or null.
    HICON SetIcon(HICON icon) const {
        return reinterpret_cast<HICON>(SendMessage(STM_SETICON, reinterpret_cast<WPARAM>(icon)));
    }
    HICON GetIcon() const { return reinterpret_cast<HICON>(SendMessage(STM_GETICON)); }
    // The bitmap shown before, or null.
    HBITMAP SetBitmap(HBITMAP bitmap) const {
        return reinterpret_cast<HBITMAP>(
            SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
    HBITMAP GetBitmap() const {
        return reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
    }
};

}  // namespace platform

// A button: push button, check box or radio button by its style.
#pragma once

#include <windows.h>

#include <string>

#include "Window.h"

namespace platform {

class Button : public Window {
public:
    static constexpr const char* kClassName = "Button";
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect, const std::string& text,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                DWORD exStyle = 0) {
        return Window::Create(exStyle, kClassName, text.c_str(), style, rect, parent, id);
    }

    // Clicks the button as the user would: the parent gets BN_CLICKED.
    void Click() const { SendMessage(BM_CLICK); }
    // BST_CHECKED, BST_UNCHECKED or BST_INDETERMINATE; BST_UNCHECKED for a
    // push button.
    int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int state) const { SendMessage(BM_SETCHECK, static_cast<WPARAM>(state)); }
    bool IsChecked() const { return GetCheck() == BST_CHECKED; }
    // The bitmap shown before, or null. The button does not own the bitmap.
    HBITMAP SetBitmap(HBITMAP bitmap) const {
        return reinterpret_cast<HBITMAP>(
            SendMessage(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap)));
    }
};

}  // namespace platform

#include "Window.h"

#include <utility>

namespace platform {

HWND Window::Detach() {
    return std::exchange(m_hwnd, nullptr);
}

bool Window::Create(DWORD exStyle, const char* className, const char* text, DWORD style,
                    const RECT& rect, HWND parent, int id, HINSTANCE instance, void* param) {
    if (instance == nullptr) {
        instance = ::GetModuleHandleA(nullptr);
    }
    // For a child the menu slot carries the control id.
    HMENU menu =
        (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    m_hwnd = ::CreateWindowExA(exStyle, className, text != nullptr ? text : "", style, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                               menu, instance, param);
    return m_hwnd != nullptr;
}

bool Window::Destroy() {
    if (m_hwnd == nullptr) {
        return false;
    }
    const bool destroyed = ::DestroyWindow(m_hwnd) != FALSE;
    if (destroyed) {
        m_hwnd = nullptr;
    }
    return destroyed;
}

bool Window::Enable(bool enable) const {
    if (!IsWindow()) {
        return false;
    }
    ::EnableWindow(m_hwnd, enable ? TRUE : FALSE);
    return true;
}

bool Window::Move(int x, int y, int width, int height, bool repaint) const {
    return ::MoveWindow(m_hwnd, x, y, width, height, repaint ? TRUE : FALSE) != FALSE;
}

bool Window::Move(const RECT& rect, bool repaint) const {
    return Move(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, repaint);
}

bool Window::SetPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const {
    return ::SetWindowPos(m_hwnd, insertAfter, x, y, width, height, flags) != FALSE;
}

bool Window::GetRectInParent(RECT& rect) const {
    RECT screen;
    if (!GetRect(screen)) {
        return false;
    }
    const HWND parent = (GetStyle() & WS_CHILD) != 0 ? GetParent() : nullptr;
    if (parent != nullptr) {
        ::SetLastError(ERROR_SUCCESS);
        if (::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&screen), 2) == 0 &&
            ::GetLastError() != ERROR_SUCCESS) {
            return false;
        }
    }
    rect = screen;
    return true;
}

bool Window::SetText(const std::string& text) const {
    return ::SetWindowTextA(m_hwnd, text.c_str()) != FALSE;
}

std::string Window::GetText() const {
    const int length = ::GetWindowTextLengthA(m_hwnd);
    if (length <= 0) {
        return std::string();
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(m_hwnd, &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

namespace {

// Sets one of the window's long values and applies frame changes; false when
// the system refused the new value.
bool ChangeLong(HWND hwnd, int index, DWORD remove, DWORD add) {
    if (::IsWindow(hwnd) == FALSE) {
        return false;
    }
    const LONG_PTR value =
        (::GetWindowLongPtrA(hwnd, index) & ~static_cast<LONG_PTR>(remove)) | add;
    ::SetLastError(ERROR_SUCCESS);
    if (::SetWindowLongPtrA(hwnd, index, value) == 0 && ::GetLastError() != ERROR_SUCCESS) {
        return false;
    }
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    return true;
}

}  // namespace

bool Window::ModifyStyle(DWORD remove, DWORD add) const {
    return ChangeLong(m_hwnd, GWL_STYLE, remove, add);
}

bool Window::ModifyExStyle(DWORD remove, DWORD add) const {
    return ChangeLong(m_hwnd, GWL_EXSTYLE, remove, add);
}

void Window::SetFont(HFONT font, bool redraw) const {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

HFONT Window::GetFont() const {
    return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
}

bool Window::SetTimer(UINT_PTR id, UINT milliseconds) const {
    // A null window would make a thread timer with an id of the system's choice.
    return id != 0 && IsWindow() && ::SetTimer(m_hwnd, id, milliseconds, nullptr) != 0;
}

}  // namespace platform

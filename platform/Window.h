// A thin, non-owning view of a window handle: the everyday calls on a window
// as member functions. Copying the object copies the handle; nothing is
// destroyed when the object goes away. Calls on a null or dead handle fail
// the way the system call fails (false, 0 or an empty text) and touch no
// out-parameter unless their comment says otherwise.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

class Window {
public:
    Window() = default;
    Window(HWND hwnd) : m_hwnd(hwnd) {}

    operator HWND() const { return m_hwnd; }
    HWND GetHandle() const { return m_hwnd; }

    // Makes this object refer to hwnd; the previous handle is forgotten.
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    // Forgets the handle and returns it; the window itself is untouched.
    HWND Detach();

    // CreateWindowExA with a plain rectangle. A child gets id as its control
    // id. False (the system's error in GetLastError) when the system refuses;
    // the object then refers to no window. A child window is destroyed with
    // its parent; a top-level one needs Destroy.
    bool Create(DWORD exStyle, const char* className, const char* text, DWORD style,
                const RECT& rect, HWND parent, int id = 0, HINSTANCE instance = nullptr,
                void* param = nullptr);
    // DestroyWindow; the object refers to no window afterwards.
    bool Destroy();

    bool IsWindow() const { return ::IsWindow(m_hwnd) != FALSE; }
    bool IsVisible() const { return ::IsWindowVisible(m_hwnd) != FALSE; }
    bool IsEnabled() const { return ::IsWindowEnabled(m_hwnd) != FALSE; }
    // ShowWindow: true when the window was visible before.
    bool Show(int command = SW_SHOW) const { return ::ShowWindow(m_hwnd, command) != FALSE; }
    bool Hide() const { return Show(SW_HIDE); }
    // EnableWindow; true when the call reached a window.
    bool Enable(bool enable = true) const;

    // Position and size in the parent's client coordinates (screen
    // coordinates for a top-level window).
    bool Move(int x, int y, int width, int height, bool repaint = true) const;
    bool Move(const RECT& rect, bool repaint = true) const;
    bool SetPos(HWND insertAfter, int x, int y, int width, int height, UINT flags) const;

    // The window's rectangle in screen coordinates.
    bool GetRect(RECT& rect) const { return ::GetWindowRect(m_hwnd, &rect) != FALSE; }
    // The window's rectangle in its parent's client coordinates (screen
    // coordinates for a top-level window).
    bool GetRectInParent(RECT& rect) const;
    // The client area, origin (0, 0).
    bool GetClientRect(RECT& rect) const { return ::GetClientRect(m_hwnd, &rect) != FALSE; }

    // The window text in the ANSI code page. SetText: false when the window
    // refused it (or there is no window).
    bool SetText(const std::string& text) const;
    std::string GetText() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageA(m_hwnd, message, wParam, lParam);
    }
    bool PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageA(m_hwnd, message, wParam, lParam) != FALSE;
    }

    HWND GetParent() const { return ::GetParent(m_hwnd); }
    HWND GetItem(int id) const { return ::GetDlgItem(m_hwnd, id); }
    int GetId() const { return ::GetDlgCtrlID(m_hwnd); }

    LONG_PTR GetStyle() const { return ::GetWindowLongPtrA(m_hwnd, GWL_STYLE); }
    LONG_PTR GetExStyle() const { return ::GetWindowLongPtrA(m_hwnd, GWL_EXSTYLE); }
    // Removes, then adds style bits; frame changes take effect at once.
    // False when the window could not be changed.
    bool ModifyStyle(DWORD remove, DWORD add) const;
    bool ModifyExStyle(DWORD remove, DWORD add) const;

    // WM_SETFONT / WM_GETFONT. The window does not own the font.
    void SetFont(HFONT font, bool redraw = true) const;
    HFONT GetFont() const;

    bool Invalidate(bool erase = true) const {
        return ::InvalidateRect(m_hwnd, nullptr, erase ? TRUE : FALSE) != FALSE;
    }
    bool Update() const { return ::UpdateWindow(m_hwnd) != FALSE; }
    // SetFocus; the window that had the focus, or null.
    HWND Focus() const { return ::SetFocus(m_hwnd); }

    // SetTimer with a non-zero id; false when it could not be set.
    bool SetTimer(UINT_PTR id, UINT milliseconds) const;
    bool KillTimer(UINT_PTR id) const { return ::KillTimer(m_hwnd, id) != FALSE; }

protected:
    HWND m_hwnd = nullptr;
};

}  // namespace platform

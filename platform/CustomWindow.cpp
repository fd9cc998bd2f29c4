#include "CustomWindow.h"

namespace platform {

bool CustomWindow::RegisterWindowClass(WNDCLASSEXA windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &CustomWindow::WindowProc;
    if (windowClass.hInstance == nullptr) {
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
    }
    if (::RegisterClassExA(&windowClass) != 0) {
        return true;
    }
    const DWORD error = ::GetLastError();
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    if (error == ERROR_CLASS_ALREADY_EXISTS &&
        ::GetClassInfoExA(windowClass.hInstance, windowClass.lpszClassName, &existing) != FALSE &&
        existing.lpfnWndProc == &CustomWindow::WindowProc) {
        return true;
    }
    ::SetLastError(error);
    return false;
}

bool CustomWindow::Create(const char* className, const char* title, DWORD style, DWORD exStyle,
                          const RECT& rect, HWND parent, int id) {
    if (m_hwnd != nullptr) {
        ::SetLastError(ERROR_ALREADY_INITIALIZED);
        return false;
    }
    HMENU menu =
        (style & WS_CHILD) != 0 ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    const HWND hwnd =
        ::CreateWindowExA(exStyle, className, title != nullptr ? title : "", style, rect.left,
                          rect.top, rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                          ::GetModuleHandleA(nullptr), this);
    if (hwnd == nullptr) {
        // A refused creation has run WM_NCDESTROY already, which unbound us.
        m_hwnd = nullptr;
        return false;
    }
    return true;
}

bool CustomWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_CREATE:
            result = OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam)) ? 0 : -1;
            return true;
        case WM_CLOSE:
            return OnClose();
        default:
            return MessageWindow::OnMessage(message, wParam, lParam, result);
    }
}

bool CustomWindow::OnCreate(const CREATESTRUCTA&) {
    return true;
}

bool CustomWindow::OnClose() {
    return false;
}

LRESULT CustomWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CustomWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CustomWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        self = static_cast<CustomWindow*>(create->lpCreateParams);
        if (self != nullptr) {
            self->Bind(hwnd);
        }
    } else {
        // Only objects of this class are bound to windows of this procedure.
        self = static_cast<CustomWindow*>(FromHandle(hwnd));
    }
    if (self == nullptr) {
        return ::DefWindowProcA(hwnd, message, wParam, lParam);
    }

    LRESULT result = 0;
    bool failed = false;
    const bool handled = self->HandleMessage(message, wParam, lParam, result, failed);
    if (failed && (message == WM_NCCREATE || message == WM_CREATE)) {
        // A window whose set-up threw is not created half-way.
        return message == WM_NCCREATE ? FALSE : -1;
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
    }
    return handled ? result : ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace platform

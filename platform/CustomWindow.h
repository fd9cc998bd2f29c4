// Base of the windows we create ourselves from a class registered with this
// layer's window procedure (frames, background windows, owner-drawn
// controls). The object receives every message from WM_NCCREATE on through
// OnMessage (MessageWindow); messages it does not handle go to
// DefWindowProcA.
#pragma once

#include <windows.h>

#include "MessageWindow.h"

namespace platform {

class CustomWindow : public MessageWindow {
public:
    CustomWindow() = default;

    // Registers a window class with this layer's window procedure: cbSize
    // and lpfnWndProc are set here, and hInstance when null (the program).
    // True also when the class is already registered with this procedure;
    // false (the system's error in GetLastError) otherwise.
    static bool RegisterWindowClass(WNDCLASSEXA windowClass);

    // Creates the window of a class registered above; a child gets id as its
    // control id. False when the object already has a window
    // (ERROR_ALREADY_INITIALIZED), when the system refuses (its error), or
    // when OnCreate refused or threw (the window is then gone).
    bool Create(const char* className, const char* title, DWORD style, DWORD exStyle,
                const RECT& rect, HWND parent, int id = 0);

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // WM_CREATE: false makes the creation fail.
    virtual bool OnCreate(const CREATESTRUCTA& create);
    // WM_CLOSE: true keeps the window; the default destroys it.
    virtual bool OnClose();

    // The default processing of a message (DefWindowProcA).
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace platform

// A handler placed in front of a window's own procedure (the system's
// window subclassing), so that an object can react to some messages of a
// system control, or to the notifications its parent page receives, without
// owning that window's class. The handler is removed when the object goes
// away or when the window is destroyed, whichever comes first.
#pragma once

#include <windows.h>

#include <functional>

class CWindowSubclass {
public:
    // True when the message was handled, with its result in result; false
    // passes it on to the window's procedure.
    using Handler =
        std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    CWindowSubclass() = default;
    ~CWindowSubclass() { Detach(); }
    CWindowSubclass(const CWindowSubclass&) = delete;
    CWindowSubclass& operator=(const CWindowSubclass&) = delete;

    // Places handler in front of hwnd's procedure; a handler attached before
    // is removed first. False when the system refused.
    bool Attach(HWND hwnd, Handler handler);
    void Detach();
    HWND GetWindow() const { return m_hwnd; }

    // Inside the handler: the processing the message would get without it.
    LRESULT CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR data);

    HWND m_hwnd = nullptr;
    Handler m_handler;
};

// A message-only window that stands in for the main window in tests: it
// receives what the executor posts.
#pragma once

#include <windows.h>

#include <vector>

#include "commands/CommandMessages.h"

namespace commands_test {

class TestWindow {
public:
    TestWindow()
        : m_window(CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                   nullptr)) {}
    ~TestWindow() {
        if (m_window != nullptr) {
            DestroyWindow(m_window);
        }
    }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND get() const { return m_window; }

    // The lParams of the posted commands waiting in the queue, in order.
    std::vector<LPARAM> TakePosted() const {
        std::vector<LPARAM> posted;
        MSG msg;
        while (
            PeekMessageA(&msg, m_window, WM_WIZARD_RUN_COMMAND, WM_WIZARD_RUN_COMMAND, PM_REMOVE)) {
            posted.push_back(msg.lParam);
        }
        return posted;
    }

private:
    HWND m_window;
};

// True when a WM_QUIT was waiting in the thread's queue (it is removed).
inline bool TakeQuit() {
    MSG msg;
    return PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

}  // namespace commands_test

// Helpers for the window tests: a message pump with a deadline, a log
// captured in a temporary directory, a plain host window, and a small
// uncompressed video clip for the animation control.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "foundation/Log.h"
#include "platform/CustomWindow.h"
#include "tests/support/TempDir.h"

namespace ui_test {

// Dispatches messages of this thread until done() holds or timeoutMs have
// passed; gives done()'s last answer.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches what is queued now.
void PumpPending();

// The run's log, written to a temporary directory while the object lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::string Text() const;

private:
    testing_support::TempDir m_dir;
    CLog m_log;
};

// A visible top-level window that records the WM_COMMAND messages its
// children send.
class HostWindow : public platform::CustomWindow {
public:
    static constexpr const char* kClassName = "PlatformTestHost";
    // A popup: Wine's X11 driver keeps it away from a window manager.
    static constexpr DWORD kStyle = WS_POPUP | WS_BORDER;

    struct Command {
        int code;
        int id;
        HWND control;
    };

    // Registers the class, creates the window (width x height client) and
    // shows it without activating it. (On a display without a window
    // manager, Wine's X11 driver waits two seconds when an active or managed
    // window goes away; the popup style and the inactive show avoid both.)
    bool Open(int width = 640, int height = 480, DWORD style = kStyle);
    const std::vector<Command>& commands() const { return m_commands; }

protected:
    bool OnCommand(int code, int id, HWND control) override;

private:
    std::vector<Command> m_commands;
};

// The bytes of an uncompressed 24-bit AVI clip of frames frames.
std::string MakeTestClip(int width, int height, int frames);

// True when r equals the rectangle given as left, top, right, bottom.
bool SameRect(const RECT& r, const RECT& expected);
std::string RectText(const RECT& r);

}  // namespace ui_test

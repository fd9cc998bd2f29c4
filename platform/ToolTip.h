// A tooltip control with one tool per window: hovering the tool window
// shows its text. The tooltip is an owned popup of its owner and is
// destroyed with it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "Window.h"

namespace platform {

class ToolTip : public Window {
public:
    static constexpr const char* kClassName = TOOLTIPS_CLASSA;
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND owner, DWORD style = WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX);

    // Adds tool (a child of the owner) with its text; the tooltip watches the
    // tool's mouse messages itself. False when the control refused.
    bool AddTool(HWND tool, const std::string& text) const;
    bool RemoveTool(HWND tool) const;
    // Changes the text of a tool added before.
    bool SetToolText(HWND tool, const std::string& text) const;
    // The tool's text; empty when there is no such tool.
    std::string GetToolText(HWND tool) const;
    int GetToolCount() const { return static_cast<int>(SendMessage(TTM_GETTOOLCOUNT)); }
    void Activate(bool active) const { SendMessage(TTM_ACTIVATE, active ? TRUE : FALSE); }
    // Wraps texts wider than width pixels (-1: no wrapping); the width before.
    int SetMaxTipWidth(int width) const {
        return static_cast<int>(SendMessage(TTM_SETMAXTIPWIDTH, 0, width));
    }

private:
    TTTOOLINFOA MakeInfo(HWND tool, const char* text) const;
};

}  // namespace platform

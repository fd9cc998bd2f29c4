// The tooltip of one page object: a tooltip window owned by the page that
// shows the object's "TOOLTIP" text while the pointer rests on it, and is
// destroyed with the object.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ToolTip.h"

class CObjectToolTip {
public:
    CObjectToolTip() = default;
    ~CObjectToolTip() { Destroy(); }
    CObjectToolTip(const CObjectToolTip&) = delete;
    CObjectToolTip& operator=(const CObjectToolTip&) = delete;

    // Makes the tooltip for tool (a child of its page); an empty text makes
    // none (true). False when the system refused.
    bool Attach(HWND tool, const std::string& text);
    void Destroy();
    HWND GetHandle() const { return m_tip.GetHandle(); }

private:
    platform::ToolTip m_tip;
};

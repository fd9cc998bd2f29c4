// A button object: a push button (control id = its place among the page's
// buttons) with a hand pointer that posts its command to the wizard when
// the left button is released over it or Enter is pressed while it has the
// focus. Sized to its text when no size is given.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "ObjectToolTip.h"
#include "WindowSubclass.h"
#include "platform/Button.h"
#include "platform/Gdi.h"

class CObjectButton {
public:
    CObjectButton() = default;
    CObjectButton(const CObjectButton&) = delete;
    CObjectButton& operator=(const CObjectButton&) = delete;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    HWND GetHandle() const { return m_button.GetHandle(); }
    bool IsHot() const { return m_hot; }
    HWND GetToolTip() const { return m_tip.GetHandle(); }

private:
    bool OnButtonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    // Destroyed last: the subclass and the tooltip let go of the button first.
    platform::UniqueWindow m_owned;
    platform::Button m_button;
    COMMAND_RECORD m_command;
    bool m_pressed = false;
    bool m_hot = false;
    bool m_tracking = false;
    platform::UniqueFont m_font;
    CWindowSubclass m_subclass;
    CObjectToolTip m_tip;
};

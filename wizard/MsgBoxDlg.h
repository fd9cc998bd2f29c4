// The wizard's own message box: sized to its text, captioned with the
// program name, its buttons captioned from the language's "MESSAGES", laid
// out right to left with the option RIGHT_ALIGN, and lockable while the
// caller runs work (WM_MSGBOX_LOCK).
#pragma once

#include <windows.h>

#include <string>

#include "MsgBoxLayout.h"
#include "platform/Dialog.h"

class CMsgBoxDlg : public platform::Dialog {
public:
    // parent: the window the box is modal over; null means the wizard's
    // main window (the command executor's), or no owner without one.
    explicit CMsgBoxDlg(HWND parent = nullptr) : m_parent(parent) {}

    // The text and the style (the low byte of a system message-box style:
    // the icon in the high nibble, the buttons in the low one). False, with
    // nothing changed, for an empty text.
    bool SetMessage(const std::string& text, DWORD style);

    // Beeps and runs the box modally. 1 for the first button, 2 for the
    // second; the close box and Escape answer as the button that leaves
    // things as they are (setup::MsgBoxCloseAnswer). 0, after a log line,
    // when there is no text or the box could not be created.
    int Show();

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnInitDialog(HWND focus) override;
    bool OnCommand(int notifyCode, int id, HWND control) override;
    bool OnPaint() override;

private:
    void LayOut();
    void SetCaptions() const;
    void SetLocked(bool locked);
    // Ends the box with answer after giving the activation back to the
    // window the box is modal over.
    void Answer(int answer);
    UINT TextFormat() const;

    HWND m_parent;
    std::string m_text;
    setup::MsgBoxStyle m_style;
    bool m_locked = false;
    bool m_rightAlign = false;
    RECT m_textRect = {};
};

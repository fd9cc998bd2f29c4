// Base of our dialogs, from a resource template or from a DialogTemplate
// built at run time. The object receives every message from WM_INITDIALOG
// on through OnMessage (MessageWindow); messages it does not handle get the
// dialog manager's default processing.
//
// Modal and modeless dialogs differ only in how they close: End ends the
// modal loop of DoModal, or destroys the modeless window. OK and Cancel
// (IDOK, IDCANCEL, also Enter and Escape) reach OnOk and OnCancel, which end
// the dialog with IDOK and IDCANCEL unless a subclass decides otherwise.
#pragma once

#include <windows.h>

#include "DialogTemplate.h"
#include "MessageWindow.h"

namespace platform {

class Dialog : public MessageWindow {
public:
    Dialog() = default;

    // Modeless: creates the dialog and returns after OnInitDialog has run.
    // instance null means the program. False when the object already has a
    // window (ERROR_ALREADY_INITIALIZED), when the template is missing or the
    // system refuses (its error), or when OnInitDialog threw (the window is
    // then destroyed).
    bool Create(int templateId, HWND parent, HINSTANCE instance = nullptr);
    bool Create(const DialogTemplate& dialogTemplate, HWND parent);

    // Modal: runs the dialog until End and returns End's result; -1 when it
    // could not be created (GetLastError) or OnInitDialog threw. An owner
    // that was disabled before (under another modal window) is disabled
    // again afterwards.
    INT_PTR DoModal(int templateId, HWND parent, HINSTANCE instance = nullptr);
    INT_PTR DoModal(const DialogTemplate& dialogTemplate, HWND parent);
    // Modal from a resource template whose window style is changed first
    // (a child page template run as a captioned popup, for instance); -1
    // also when the template is missing.
    INT_PTR DoModalRestyled(int templateId, HWND parent, DWORD removeStyle, DWORD addStyle,
                            HINSTANCE instance = nullptr);

    // Closes the dialog with result: DoModal returns it, or the modeless
    // window is destroyed and GetResult keeps it. False when there is no
    // dialog.
    bool End(INT_PTR result);
    bool IsModal() const { return m_modal; }
    INT_PTR GetResult() const { return m_result; }

    // For the message loop of a modeless dialog: keyboard navigation (Tab,
    // Enter, Escape). True when the message was used and must not be
    // dispatched again.
    bool PreTranslate(MSG& message) const;
    // Converts a rectangle in dialog units of this dialog to pixels.
    bool MapDialogRect(RECT& rect) const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // WM_INITDIALOG, focus being the control that would get the focus. True
    // lets the system give it the focus; false means the dialog set it.
    virtual bool OnInitDialog(HWND focus);
    virtual void OnOk();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Prepare(bool modal);
    bool Finish(HWND hwnd);

    bool m_modal = false;
    INT_PTR m_result = 0;
};

}  // namespace platform

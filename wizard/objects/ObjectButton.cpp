#include "ObjectButton.h"

#include "ObjectFont.h"
#include "ObjectWindow.h"

bool CObjectButton::CreateObject(const OBJECT_RECORD& record, HWND page, int index,
                                 std::string& why) {
    m_command = record.command;
    const RECT rect = record.Rect(10, 10);
    if (!m_button.Create(page, index, rect, record.name, WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON)) {
        why = "the button cannot be created";
        return false;
    }
    m_owned.reset(m_button.GetHandle());
    if (record.fontGiven) {
        m_font = setup::MakeObjectFont(page, record.font);
    }
    m_button.SetFont(m_font ? m_font.get() : setup::PageFont(page), false);
    if (!record.HasSize()) {
        const SIZE size = setup::ButtonSizeForText(m_button, record.name);
        m_button.Move(rect.left, rect.top, size.cx, size.cy);
    }
    m_subclass.Attach(m_button,
                      [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
                          return OnButtonMessage(message, wParam, lParam, result);
                      });
    m_tip.Attach(m_button, record.tooltip);
    setup::ApplyEnableAndShow(m_button, record);
    return true;
}

bool CObjectButton::OnButtonMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SETCURSOR:
            if (LOWORD(lParam) != HTCLIENT) {
                return false;
            }
            ::SetCursor(setup::LinkCursor());
            result = TRUE;
            return true;
        case WM_MOUSEMOVE:
            if (!m_tracking) {
                TRACKMOUSEEVENT track = {};
                track.cbSize = sizeof(track);
                track.dwFlags = TME_HOVER | TME_LEAVE;
                track.hwndTrack = m_button;
                track.dwHoverTime = 1;
                m_tracking = ::TrackMouseEvent(&track) != FALSE;
            }
            return false;
        case WM_MOUSEHOVER:
            m_hot = true;
            m_button.Invalidate();
            return false;
        case WM_MOUSELEAVE:
            m_tracking = false;
            m_hot = false;
            m_button.Invalidate();
            return false;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            m_pressed = true;
            return false;
        case WM_LBUTTONUP: {
            if (!m_pressed) {
                return false;
            }
            m_pressed = false;
            RECT client;
            m_button.GetClientRect(client);
            const POINT point = {static_cast<short>(LOWORD(lParam)),
                                 static_cast<short>(HIWORD(lParam))};
            // The button finishes its own click first; the command runs
            // after this message anyway.
            result = m_subclass.CallDefault(message, wParam, lParam);
            if (::PtInRect(&client, point)) {
                setup::PostObjectCommand(m_command);
            }
            return true;
        }
        case WM_GETDLGCODE: {
            result = m_subclass.CallDefault(message, wParam, lParam);
            const MSG* key = reinterpret_cast<const MSG*>(lParam);
            if (key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
                // Enter belongs to the focused button, not to the dialog.
                result |= DLGC_WANTMESSAGE;
            }
            return true;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                // A held key repeats: one command per press.
                if ((lParam & 0x40000000) == 0) {
                    setup::PostObjectCommand(m_command);
                }
                result = 0;
                return true;
            }
            return false;
        default:
            return false;
    }
}

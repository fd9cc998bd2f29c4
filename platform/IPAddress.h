// An IP address control: four fields of 0 to 255. Addresses are in the
// control's form, the first field in the highest byte (MAKEIPADDRESS).
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "Window.h"

namespace platform {

class IPAddress : public Window {
public:
    static constexpr const char* kClassName = WC_IPADDRESSA;
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP, DWORD exStyle = 0) {
        return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
    }

    void SetAddress(DWORD address) const { SendMessage(IPM_SETADDRESS, 0, address); }
    // Reads the address (blank fields as 0) and gives the number of fields
    // that are not blank; 0 and address 0 when there is no control.
    int GetAddress(DWORD& address) const {
        DWORD value = 0;
        const int filled =
            static_cast<int>(SendMessage(IPM_GETADDRESS, 0, reinterpret_cast<LPARAM>(&value)));
        address = value;
        return filled;
    }
    void Clear() const { SendMessage(IPM_CLEARADDRESS); }
    bool IsBlank() const { return SendMessage(IPM_ISBLANK) != 0; }
    // Limits field (0 to 3) to low..high; false for a bad field or range.
    bool SetRange(int field, BYTE low, BYTE high) const {
        return SendMessage(IPM_SETRANGE, field, MAKEIPRANGE(low, high)) != 0;
    }
    void SetFieldFocus(int field) const { SendMessage(IPM_SETFOCUS, field); }
};

}  // namespace platform

// An edit box. Text goes through Window::SetText / GetText.
#pragma once

#include <windows.h>

#include <string>

#include "Window.h"

namespace platform {

class Edit : public Window {
public:
    static constexpr const char* kClassName = "Edit";
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect, const std::string& text,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                DWORD exStyle = WS_EX_CLIENTEDGE) {
        return Window::Create(exStyle, kClassName, text.c_str(), style, rect, parent, id);
    }

    // The most characters the user can type (0: the system's maximum).
    void SetLimit(UINT characters) const { SendMessage(EM_SETLIMITTEXT, characters); }
    UINT GetLimit() const { return static_cast<UINT>(SendMessage(EM_GETLIMITTEXT)); }
    bool SetReadOnly(bool readOnly) const {
        return SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE) != 0;
    }
    bool IsReadOnly() const { return (GetStyle() & ES_READONLY) != 0; }
    // Selects characters start to end (end -1: to the end of the text).
    void SetSel(int start, int end) const { SendMessage(EM_SETSEL, start, end); }
    // The selection; both 0 when there is no control.
    void GetSel(int& start, int& end) const {
        DWORD first = 0;
        DWORD last = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&first), reinterpret_cast<LPARAM>(&last));
        start = static_cast<int>(first);
        end = static_cast<int>(last);
    }
    // Replaces the selection (inserts at the caret when nothing is selected).
    void ReplaceSel(const std::string& text, bool canUndo = true) const {
        SendMessage(EM_REPLACESEL, canUndo ? TRUE : FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    }
    int GetLineCount() const { return static_cast<int>(SendMessage(EM_GETLINECOUNT)); }
    bool IsModified() const { return SendMessage(EM_GETMODIFY) != 0; }
    void SetModified(bool modified) const { SendMessage(EM_SETMODIFY, modified ? TRUE : FALSE); }
};

}  // namespace platform

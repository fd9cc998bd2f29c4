// A list box. Indexes are 0-based; every call that gives an index gives -1
// when the control refused (no such entry, out of memory, no window).
#pragma once

#include <windows.h>

#include <string>

#include "Window.h"

namespace platform {

class ListBox : public Window {
public:
    static constexpr const char* kClassName = "ListBox";
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY,
                DWORD exStyle = WS_EX_CLIENTEDGE);

    // The new entry's index (in sorted order for LBS_SORT).
    int AddString(const std::string& text) const;
    // Inserts before index (-1: at the end), never sorted.
    int InsertString(int index, const std::string& text) const;
    // The number of entries left.
    int DeleteString(int index) const;
    void ResetContent() const { SendMessage(LB_RESETCONTENT); }
    int GetCount() const;

    // The selected entry of a single-selection list, or -1.
    int GetCurSel() const;
    // Selects index; -1 clears the selection. False for an index out of
    // range or a list without selection (LBS_NOSEL, multiple selection).
    bool SetCurSel(int index) const;
    // The entry's text; false (text unchanged) when there is no such entry.
    bool GetItemText(int index, std::string& text) const;

    bool SetItemData(int index, LPARAM data) const;
    // The entry's number; LB_ERR when there is no such entry.
    LPARAM GetItemData(int index) const { return SendMessage(LB_GETITEMDATA, index); }

    // The width in pixels the list scrolls horizontally over (WS_HSCROLL).
    void SetHorizontalExtent(int width) const { SendMessage(LB_SETHORIZONTALEXTENT, width); }
    int GetHorizontalExtent() const {
        return static_cast<int>(SendMessage(LB_GETHORIZONTALEXTENT));
    }
};

}  // namespace platform

// A combo box (drop-down list, drop-down or simple). Indexes are 0-based;
// every call that gives an index gives -1 when the control refused (no such
// entry, out of memory, no window).
#pragma once

#include <windows.h>

#include <string>

#include "Window.h"

namespace platform {

class ComboBox : public Window {
public:
    static constexpr const char* kClassName = "ComboBox";
    using Window::Window;

    // rect is the whole control with its dropped list. False (GetLastError)
    // when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                DWORD exStyle = 0);

    // The new entry's index (in sorted order for CBS_SORT).
    int AddString(const std::string& text) const;
    // Inserts before index (-1: at the end), never sorted.
    int InsertString(int index, const std::string& text) const;
    // The number of entries left.
    int DeleteString(int index) const;
    void ResetContent() const { SendMessage(CB_RESETCONTENT); }
    int GetCount() const;

    // The selected entry, or -1.
    int GetCurSel() const;
    // Selects index; -1 clears the selection. False for an index out of range.
    bool SetCurSel(int index) const;
    // The entry's text; false (text unchanged) when there is no such entry.
    bool GetItemText(int index, std::string& text) const;
    // The first entry equal to text ignoring case, searching after start
    // (-1: from the beginning), or -1.
    int FindStringExact(const std::string& text, int start = -1) const;

    // A number kept with each entry.
    bool SetItemData(int index, LPARAM data) const;
    // The entry's number; CB_ERR when there is no such entry.
    LPARAM GetItemData(int index) const { return SendMessage(CB_GETITEMDATA, index); }

    // Width of the dropped list in pixels; -1 when it cannot be read.
    int GetDroppedWidth() const;
    bool SetDroppedWidth(int width) const;
    void ShowDropDown(bool show) const { SendMessage(CB_SHOWDROPDOWN, show ? TRUE : FALSE); }
};

}  // namespace platform

// A list view (report view with columns, optionally with check boxes).
// Items and columns are 0-based; calls that give an index give -1 when the
// control refused.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "Window.h"

namespace platform {

class ListView : public Window {
public:
    static constexpr const char* kClassName = WC_LISTVIEWA;
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                DWORD exStyle = WS_EX_CLIENTEDGE);

    // Changes the extended styles in mask (LVS_EX_CHECKBOXES, ...); gives the
    // previous ones.
    DWORD SetExtendedStyle(DWORD mask, DWORD style) const;
    DWORD GetExtendedStyle() const;

    // Inserts a column of width pixels at index; its index.
    int InsertColumn(int index, const std::string& text, int width) const;
    // Inserts an item at index with its first column's text and a number
    // kept with it; its index.
    int InsertItem(int index, const std::string& text, LPARAM data = 0) const;
    // The text of the item in column subItem (0 is the item itself).
    bool SetItemText(int item, int subItem, const std::string& text) const;
    // Empty when there is no such item.
    std::string GetItemText(int item, int subItem) const;
    // The item's number; 0 when there is no such item.
    LPARAM GetItemData(int item) const;
    bool DeleteItem(int item) const { return SendMessage(LVM_DELETEITEM, item) != FALSE; }
    bool DeleteAllItems() const { return SendMessage(LVM_DELETEALLITEMS) != FALSE; }
    int GetItemCount() const { return static_cast<int>(SendMessage(LVM_GETITEMCOUNT)); }

    // Check boxes (LVS_EX_CHECKBOXES).
    bool SetCheck(int item, bool checked) const;
    bool GetCheck(int item) const;

    // Selection: selects or clears item (-1: every item).
    bool Select(int item, bool selected) const;
    // The next selected item after start (-1: from the beginning), or -1.
    int GetNextSelected(int start = -1) const;
};

}  // namespace platform

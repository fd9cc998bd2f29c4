#include "ListView.h"

#include <vector>

namespace platform {

bool ListView::Create(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle) {
    return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
}

DWORD ListView::SetExtendedStyle(DWORD mask, DWORD style) const {
    return static_cast<DWORD>(SendMessage(LVM_SETEXTENDEDLISTVIEWSTYLE, mask, style));
}

DWORD ListView::GetExtendedStyle() const {
    return static_cast<DWORD>(SendMessage(LVM_GETEXTENDEDLISTVIEWSTYLE));
}

int ListView::InsertColumn(int index, const std::string& text, int width) const {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(text.c_str());
    column.cx = width;
    column.iSubItem = index;
    return static_cast<int>(
        SendMessage(LVM_INSERTCOLUMNA, index, reinterpret_cast<LPARAM>(&column)));
}

int ListView::InsertItem(int index, const std::string& text, LPARAM data) const {
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = index;
    item.pszText = const_cast<char*>(text.c_str());
    item.lParam = data;
    return static_cast<int>(SendMessage(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::SetItemText(int item, int subItem, const std::string& text) const {
    LVITEMA value = {};
    value.iSubItem = subItem;
    value.pszText = const_cast<char*>(text.c_str());
    return SendMessage(LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&value)) != FALSE;
}

std::string ListView::GetItemText(int item, int subItem) const {
    // The control copies at most the buffer's size and gives the length
    // copied: grow until the text fits with room to spare.
    for (size_t size = 256; size <= 65536; size *= 4) {
        std::vector<char> buffer(size, '\0');
        LVITEMA value = {};
        value.iSubItem = subItem;
        value.pszText = buffer.data();
        value.cchTextMax = static_cast<int>(size);
        const LRESULT length =
            SendMessage(LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&value));
        if (length < static_cast<LRESULT>(size) - 1) {
            return std::string(buffer.data(), length > 0 ? static_cast<size_t>(length) : 0);
        }
    }
    return std::string();
}

LPARAM ListView::GetItemData(int item) const {
    LVITEMA value = {};
    value.mask = LVIF_PARAM;
    value.iItem = item;
    return SendMessage(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&value)) != FALSE ? value.lParam
                                                                                   : 0;
}

bool ListView::SetCheck(int item, bool checked) const {
    LVITEMA value = {};
    value.stateMask = LVIS_STATEIMAGEMASK;
    value.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    return SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&value)) != FALSE;
}

bool ListView::GetCheck(int item) const {
    const LRESULT state = SendMessage(LVM_GETITEMSTATE, item, LVIS_STATEIMAGEMASK);
    return ((static_cast<UINT>(state) & LVIS_STATEIMAGEMASK) >> 12) == 2;
}

bool ListView::Select(int item, bool selected) const {
    LVITEMA value = {};
    value.stateMask = LVIS_SELECTED;
    value.state = selected ? LVIS_SELECTED : 0;
    return SendMessage(LVM_SETITEMSTATE, item, reinterpret_cast<LPARAM>(&value)) != FALSE;
}

int ListView::GetNextSelected(int start) const {
    return static_cast<int>(SendMessage(LVM_GETNEXTITEM, start, LVNI_SELECTED));
}

}  // namespace platform

#include "ListBox.h"

#include <utility>

namespace platform {

namespace {

int IndexOrMinusOne(LRESULT result) {
    return result < 0 ? -1 : static_cast<int>(result);
}

}  // namespace

bool ListBox::Create(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle) {
    return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
}

int ListBox::AddString(const std::string& text) const {
    return IndexOrMinusOne(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int ListBox::InsertString(int index, const std::string& text) const {
    return IndexOrMinusOne(
        SendMessage(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
}

int ListBox::DeleteString(int index) const {
    return IndexOrMinusOne(SendMessage(LB_DELETESTRING, index));
}

int ListBox::GetCount() const {
    return IndexOrMinusOne(SendMessage(LB_GETCOUNT));
}

int ListBox::GetCurSel() const {
    return IndexOrMinusOne(SendMessage(LB_GETCURSEL));
}

bool ListBox::SetCurSel(int index) const {
    const LRESULT result = SendMessage(LB_SETCURSEL, index);
    // Clearing the selection answers LB_ERR as well.
    return index == -1 ? IsWindow() : result == index;
}

bool ListBox::GetItemText(int index, std::string& text) const {
    const LRESULT length = SendMessage(LB_GETTEXTLEN, index);
    if (length < 0) {
        return false;
    }
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessage(LB_GETTEXT, index, reinterpret_cast<LPARAM>(&buffer[0]));
    if (copied < 0) {
        return false;
    }
    buffer.resize(static_cast<size_t>(copied));
    text = std::move(buffer);
    return true;
}

bool ListBox::SetItemData(int index, LPARAM data) const {
    return SendMessage(LB_SETITEMDATA, index, data) != LB_ERR;
}

}  // namespace platform

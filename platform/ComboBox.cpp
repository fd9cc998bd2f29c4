#include "ComboBox.h"

#include <utility>

namespace platform {

namespace {

int IndexOrMinusOne(LRESULT result) {
    return result < 0 ? -1 : static_cast<int>(result);
}

}  // namespace

bool ComboBox::Create(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle) {
    return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
}

int ComboBox::AddString(const std::string& text) const {
    return IndexOrMinusOne(SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int ComboBox::InsertString(int index, const std::string& text) const {
    return IndexOrMinusOne(
        SendMessage(CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
}

int ComboBox::DeleteString(int index) const {
    return IndexOrMinusOne(SendMessage(CB_DELETESTRING, index));
}

int ComboBox::GetCount() const {
    return IndexOrMinusOne(SendMessage(CB_GETCOUNT));
}

int ComboBox::GetCurSel() const {
    return IndexOrMinusOne(SendMessage(CB_GETCURSEL));
}

bool ComboBox::SetCurSel(int index) const {
    const LRESULT result = SendMessage(CB_SETCURSEL, index);
    // Clearing the selection answers CB_ERR as well.
    return index == -1 ? IsWindow() : result == index;
}

bool ComboBox::GetItemText(int index, std::string& text) const {
    const LRESULT length = SendMessage(CB_GETLBTEXTLEN, index);
    if (length < 0) {
        return false;
    }
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessage(CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&buffer[0]));
    if (copied < 0) {
        return false;
    }
    buffer.resize(static_cast<size_t>(copied));
    text = std::move(buffer);
    return true;
}

int ComboBox::FindStringExact(const std::string& text, int start) const {
    return IndexOrMinusOne(
        SendMessage(CB_FINDSTRINGEXACT, start, reinterpret_cast<LPARAM>(text.c_str())));
}

bool ComboBox::SetItemData(int index, LPARAM data) const {
    return SendMessage(CB_SETITEMDATA, index, data) != CB_ERR;
}

int ComboBox::GetDroppedWidth() const {
    return IndexOrMinusOne(SendMessage(CB_GETDROPPEDWIDTH));
}

bool ComboBox::SetDroppedWidth(int width) const {
    return SendMessage(CB_SETDROPPEDWIDTH, width) != CB_ERR;
}

}  // namespace platform

#include "RichEdit.h"

#include <algorithm>

#include "Handle.h"

namespace platform {

namespace {

struct StreamSource {
    const std::string* data;
    size_t offset;
};

DWORD CALLBACK ReadSource(DWORD_PTR cookie, BYTE* buffer, LONG wanted, LONG* given) {
    auto* source = reinterpret_cast<StreamSource*>(cookie);
    const size_t left = source->data->size() - source->offset;
    const size_t count = std::min(left, static_cast<size_t>(std::max<LONG>(wanted, 0)));
    std::copy_n(source->data->data() + source->offset, count, buffer);
    source->offset += count;
    *given = static_cast<LONG>(count);
    return 0;
}

}  // namespace

bool RichEdit::LoadClassLibrary() {
    // Kept for the whole run: the class lives as long as the library.
    static const UniqueModule library(::LoadLibraryA("riched20.dll"));
    return library.valid();
}

bool RichEdit::Create(HWND parent, int id, const RECT& rect, DWORD style, DWORD exStyle) {
    if (!LoadClassLibrary()) {
        return false;
    }
    return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
}

bool RichEdit::StreamIn(const std::string& data, bool rtf) const {
    StreamSource source = {&data, 0};
    EDITSTREAM stream = {};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    stream.pfnCallback = &ReadSource;
    const LRESULT taken =
        SendMessage(EM_STREAMIN, rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
    return stream.dwError == 0 && (taken > 0 || data.empty());
}

}  // namespace platform

// A rich edit control (version 2 and later, ANSI class), for license texts:
// plain or rich text streamed in whole.
#pragma once

#include <windows.h>

#include <richedit.h>

#include <string>

#include "Window.h"

namespace platform {

class RichEdit : public Window {
public:
    static constexpr const char* kClassName = RICHEDIT_CLASSA;
    using Window::Window;

    // Loads the library that registers the class, once per process; later
    // calls only report the first result. Create calls it.
    static bool LoadClassLibrary();

    // False (GetLastError) when the library cannot be loaded or the control
    // cannot be created.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                              ES_AUTOVSCROLL,
                DWORD exStyle = WS_EX_CLIENTEDGE);

    // Replaces the whole content with data, read as rich text (RTF) or as
    // plain text. False when the control reported an error or took nothing
    // from non-empty data.
    bool StreamIn(const std::string& data, bool rtf) const;

    bool SetReadOnly(bool readOnly) const {
        return SendMessage(EM_SETREADONLY, readOnly ? TRUE : FALSE) != 0;
    }
    // The most characters the control holds.
    void LimitText(LONG characters) const { SendMessage(EM_EXLIMITTEXT, 0, characters); }
    // The background colour before.
    COLORREF SetBackgroundColor(COLORREF color) const {
        return static_cast<COLORREF>(SendMessage(EM_SETBKGNDCOLOR, 0, color));
    }
    int GetTextLength() const { return static_cast<int>(SendMessage(WM_GETTEXTLENGTH)); }
};

}  // namespace platform

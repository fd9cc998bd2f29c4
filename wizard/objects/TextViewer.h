// A text viewer object: a read-only multi-line edit box showing the whole
// of "TEXT_FILE" (a licence, a readme). A file that cannot be opened logs
// "CFile::Open" with the system's error and leaves the object out.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "platform/Edit.h"
#include "platform/Gdi.h"

class CTextViewer {
public:
    CTextViewer() = default;
    CTextViewer(const CTextViewer&) = delete;
    CTextViewer& operator=(const CTextViewer&) = delete;

    bool CreateObject(const OBJECT_RECORD& record, HWND page, int index, std::string& why);
    HWND GetHandle() const { return m_edit.GetHandle(); }

    // The file's bytes with every line break made CR LF (what an edit box
    // shows as one); false with the system's error in error when it cannot
    // be read.
    // Text files larger than this are not shown (a viewer pointed at the
    // wrong file would hold the page up); ERROR_FILE_TOO_LARGE.
    static constexpr DWORD kMaxTextFile = 4 * 1024 * 1024;

    static bool ReadTextFile(const std::string& path, std::string& text, DWORD& error);

private:
    platform::UniqueWindow m_owned;
    platform::Edit m_edit;
    platform::UniqueFont m_font;
};

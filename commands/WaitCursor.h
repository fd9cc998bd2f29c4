// Shows the wait cursor for the lifetime of the object and then puts the
// previous cursor back.
#pragma once

#include <windows.h>

namespace setup {

class CWaitCursor {
public:
    CWaitCursor() : m_previous(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
    ~CWaitCursor() { ::SetCursor(m_previous); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    HCURSOR m_previous;
};

}  // namespace setup

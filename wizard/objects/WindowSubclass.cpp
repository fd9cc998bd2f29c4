#include "WindowSubclass.h"

#include <commctrl.h>

#include <exception>

#include "foundation/Log.h"

bool CWindowSubclass::Attach(HWND hwnd, Handler handler) {
    Detach();
    if (hwnd == nullptr) {
        return false;
    }
    m_handler = std::move(handler);
    if (::SetWindowSubclass(hwnd, &CWindowSubclass::Procedure, reinterpret_cast<UINT_PTR>(this),
                            reinterpret_cast<DWORD_PTR>(this)) == FALSE) {
        m_handler = nullptr;
        return false;
    }
    m_hwnd = hwnd;
    return true;
}

void CWindowSubclass::Detach() {
    if (m_hwnd != nullptr) {
        ::RemoveWindowSubclass(m_hwnd, &CWindowSubclass::Procedure,
                               reinterpret_cast<UINT_PTR>(this));
        m_hwnd = nullptr;
    }
    m_handler = nullptr;
}

LRESULT CWindowSubclass::CallDefault(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefSubclassProc(m_hwnd, message, wParam, lParam);
}

LRESULT CALLBACK CWindowSubclass::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR data) {
    CWindowSubclass* self = reinterpret_cast<CWindowSubclass*>(data);
    if (message == WM_NCDESTROY) {
        // The window goes: nothing of ours may stay attached to it.
        self->Detach();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    if (self->m_handler) {
        try {
            LRESULT result = 0;
            if (self->m_handler(message, wParam, lParam, result)) {
                return result;
            }
        } catch (const std::exception& e) {
            LogWrite("Message 0x%04X to a page object failed: %s", message, e.what());
        } catch (...) {
            LogWrite("Message 0x%04X to a page object failed: unknown exception", message);
        }
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

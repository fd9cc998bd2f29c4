#include "Dialog.h"

#include <cstring>
#include <vector>

namespace platform {

namespace {

HINSTANCE OrProgram(HINSTANCE instance) {
    return instance != nullptr ? instance : ::GetModuleHandleA(nullptr);
}

// Messages whose dialog-procedure result is the value itself rather than a
// handled flag with the value in DWLP_MSGRESULT.
bool ReturnsValueDirectly(UINT message) {
    switch (message) {
        case WM_INITDIALOG:
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC:
        case WM_COMPAREITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
        case WM_QUERYDRAGICON:
            return true;
        default:
            return false;
    }
}

// The window a modal dialog over parent disables: parent's top-level window.
HWND ModalOwner(HWND parent) {
    return parent != nullptr ? ::GetAncestor(parent, GA_ROOT) : nullptr;
}

// Ending a modal dialog enables its owner again. An owner that was disabled
// before (by another modal window still open under this one) is disabled
// again, so that the window under both stays out of reach.
class OwnerState {
public:
    explicit OwnerState(HWND parent)
        : m_owner(ModalOwner(parent)),
          m_wasEnabled(m_owner == nullptr || ::IsWindowEnabled(m_owner) != FALSE) {}
    ~OwnerState() {
        if (!m_wasEnabled && ::IsWindow(m_owner)) {
            ::EnableWindow(m_owner, FALSE);
        }
    }
    OwnerState(const OwnerState&) = delete;
    OwnerState& operator=(const OwnerState&) = delete;

private:
    HWND m_owner;
    bool m_wasEnabled;
};

}  // namespace

bool Dialog::Create(int templateId, HWND parent, HINSTANCE instance) {
    if (!Prepare(false)) {
        return false;
    }
    const HWND hwnd =
        ::CreateDialogParamA(OrProgram(instance), MAKEINTRESOURCEA(templateId), parent,
                             &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return Finish(hwnd);
}

bool Dialog::Create(const DialogTemplate& dialogTemplate, HWND parent) {
    if (!Prepare(false)) {
        return false;
    }
    const HWND hwnd =
        ::CreateDialogIndirectParamA(OrProgram(nullptr), dialogTemplate.Get(), parent,
                                     &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return Finish(hwnd);
}

INT_PTR Dialog::DoModal(int templateId, HWND parent, HINSTANCE instance) {
    if (!Prepare(true)) {
        return -1;
    }
    const OwnerState owner(parent);
    return ::DialogBoxParamA(OrProgram(instance), MAKEINTRESOURCEA(templateId), parent,
                             &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::DoModal(const DialogTemplate& dialogTemplate, HWND parent) {
    if (!Prepare(true)) {
        return -1;
    }
    const OwnerState owner(parent);
    return ::DialogBoxIndirectParamA(OrProgram(nullptr), dialogTemplate.Get(), parent,
                                     &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::DoModalRestyled(int templateId, HWND parent, DWORD removeStyle, DWORD addStyle,
                                HINSTANCE instance) {
    const HINSTANCE module = OrProgram(instance);
    const HRSRC resource = ::FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    const HGLOBAL loaded = resource != nullptr ? ::LoadResource(module, resource) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    const DWORD size = resource != nullptr ? ::SizeofResource(module, resource) : 0;
    if (bytes == nullptr || size < sizeof(DLGTEMPLATE) || !Prepare(true)) {
        return -1;
    }
    // A copy in DWORD-aligned storage; the style is the first DWORD of a
    // DLGTEMPLATE and the fourth of a DLGTEMPLATEEX (signature 0xFFFF).
    std::vector<DWORD> copy((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(copy.data(), bytes, size);
    const WORD* words = reinterpret_cast<const WORD*>(copy.data());
    DWORD& style = (words[0] == 1 && words[1] == 0xFFFF) ? copy[3] : copy[0];
    style = (style & ~removeStyle) | addStyle;
    const OwnerState owner(parent);
    return ::DialogBoxIndirectParamA(module, reinterpret_cast<const DLGTEMPLATE*>(copy.data()),
                                     parent, &Dialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::End(INT_PTR result) {
    if (m_hwnd == nullptr) {
        return false;
    }
    m_result = result;
    if (m_modal) {
        return ::EndDialog(m_hwnd, result) != FALSE;
    }
    // WM_NCDESTROY unbinds the object.
    return ::DestroyWindow(m_hwnd) != FALSE;
}

bool Dialog::PreTranslate(MSG& message) const {
    return m_hwnd != nullptr && ::IsDialogMessageA(m_hwnd, &message) != FALSE;
}

bool Dialog::MapDialogRect(RECT& rect) const {
    return ::MapDialogRect(m_hwnd, &rect) != FALSE;
}

bool Dialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_INITDIALOG) {
        result = OnInitDialog(reinterpret_cast<HWND>(wParam)) ? TRUE : FALSE;
        return true;
    }
    if (MessageWindow::OnMessage(message, wParam, lParam, result)) {
        return true;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDOK:
                OnOk();
                return true;
            case IDCANCEL:
                OnCancel();
                return true;
            default:
                break;
        }
    }
    return false;
}

bool Dialog::OnInitDialog(HWND) {
    return true;
}

void Dialog::OnOk() {
    End(IDOK);
}

void Dialog::OnCancel() {
    End(IDCANCEL);
}

bool Dialog::Prepare(bool modal) {
    if (m_hwnd != nullptr) {
        ::SetLastError(ERROR_ALREADY_INITIALIZED);
        return false;
    }
    m_modal = modal;
    m_result = 0;
    return true;
}

bool Dialog::Finish(HWND hwnd) {
    if (hwnd == nullptr || ::IsWindow(hwnd) == FALSE) {
        // Either the system refused, or OnInitDialog failed and the dialog
        // destroyed itself (which unbound the object).
        if (hwnd != nullptr) {
            ::SetLastError(ERROR_CANCELLED);
        }
        m_hwnd = nullptr;
        return false;
    }
    return true;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        if (self != nullptr) {
            self->Bind(hwnd);
        }
    } else {
        // Only objects of this class are bound to windows of this procedure.
        self = static_cast<Dialog*>(FromHandle(hwnd));
    }
    if (self == nullptr) {
        return FALSE;
    }

    LRESULT result = 0;
    bool failed = false;
    const bool handled = self->HandleMessage(message, wParam, lParam, result, failed);
    if (failed && message == WM_INITDIALOG) {
        // A dialog whose set-up threw does not stay open half-built.
        self->End(-1);
        return FALSE;
    }
    if (message == WM_NCDESTROY) {
        self->Unbind();
        return FALSE;
    }
    if (!handled) {
        return FALSE;
    }
    if (ReturnsValueDirectly(message)) {
        return static_cast<INT_PTR>(result);
    }
    ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

}  // namespace platform

#include "MsgBoxDlg.h"

#include "WizardMessages.h"
#include "commands/CmdOperator.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "platform/Gdi.h"
#include "platform/Static.h"
#include "resources/ResourceIds.h"

namespace {

constexpr const char* kMessagesSection = "MESSAGES";

HICON SystemIcon(setup::MsgBoxIcon icon) {
    WORD id = 32516;  // IDI_ASTERISK
    switch (icon) {
        case setup::MsgBoxIcon::kError:
            id = 32513;  // IDI_HAND
            break;
        case setup::MsgBoxIcon::kQuestion:
            id = 32514;  // IDI_QUESTION
            break;
        case setup::MsgBoxIcon::kWarning:
            id = 32515;  // IDI_EXCLAMATION
            break;
        case setup::MsgBoxIcon::kInformation:
            break;
    }
    // Shared system icons: never destroyed.
    return ::LoadIconA(nullptr, MAKEINTRESOURCEA(id));
}

HFONT TextFont() {
    return static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

SIZE SizeOf(const RECT& rect) {
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

}  // namespace

bool CMsgBoxDlg::SetMessage(const std::string& text, DWORD style) {
    if (text.empty()) {
        return false;
    }
    m_text = text;
    m_style = setup::DecodeMsgBoxStyle(style);
    return true;
}

int CMsgBoxDlg::Show() {
    if (m_text.empty()) {
        LogWrite("Message box not shown: it has no text");
        return 0;
    }
    HWND parent = m_parent;
    if (parent == nullptr) {
        if (CCmdOperator* commands = GetCmdOperator()) {
            parent = commands->GetMainWindow();
        }
    }
    // Over whatever is modal on the owner right now (a modal page, another
    // box), so that the box really is modal to what the user sees.
    if (parent != nullptr) {
        const HWND popup = ::GetLastActivePopup(parent);
        if (popup != nullptr && ::IsWindowVisible(popup)) {
            parent = popup;
        }
    }
    m_locked = false;
    ::MessageBeep(MB_OK);
    const INT_PTR answer = DoModal(IDD_MSGBOX, parent);
    if (answer != 1 && answer != 2) {
        LogWriteError(::GetLastError(), "Message box (%s) could not be shown", m_text.c_str());
        return 0;
    }
    return static_cast<int>(answer);
}

bool CMsgBoxDlg::OnInitDialog(HWND) {
    CInstallEnv* env = GetInstallEnv();
    m_rightAlign = env != nullptr && env->GetOptions().rightAlign;
    if (m_rightAlign) {
        ModifyExStyle(0, WS_EX_LAYOUTRTL);
    }

    SetText(env != nullptr ? env->GetProgramInfo().programName : std::string());
    platform::Static icon(GetItem(IDC_MSGBOX_ICON));
    icon.SetIcon(SystemIcon(m_style.icon));
    // The text is painted by the box; the hidden static keeps it for anyone
    // who reads the box's controls.
    platform::Window(GetItem(IDC_MSGBOX_TEXT)).SetText(m_text);
    if (m_style.buttons == setup::kMsgBoxOk) {
        platform::Window(GetItem(IDC_MSGBOX_SECOND)).Hide();
    }

    LayOut();
    SetCaptions();
    if (m_rightAlign) {
        icon.SetPos(nullptr, 14, 14, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

UINT CMsgBoxDlg::TextFormat() const {
    return DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | (m_rightAlign ? DT_RTLREADING : 0);
}

void CMsgBoxDlg::LayOut() {
    setup::MsgBoxMetrics metrics;
    metrics.text = setup::kMsgBoxMeasureRect;
    {
        platform::WindowDc dc(m_hwnd);
        if (dc) {
            platform::SelectObjectGuard font(dc.get(), TextFont());
            ::DrawTextA(dc.get(), m_text.c_str(), static_cast<int>(m_text.size()), &metrics.text,
                        TextFormat() | DT_CALCRECT);
        }
    }
    m_textRect = metrics.text;

    RECT window = {};
    RECT client = {};
    GetRect(window);
    GetClientRect(client);
    metrics.frame = {SizeOf(window).cx - client.right, SizeOf(window).cy - client.bottom};
    const platform::Window first(GetItem(IDC_MSGBOX_FIRST));
    const platform::Window second(GetItem(IDC_MSGBOX_SECOND));
    RECT button = {};
    first.GetRect(button);
    metrics.first = SizeOf(button);
    second.GetRect(button);
    metrics.second = SizeOf(button);
    metrics.twoButtons = m_style.buttons != setup::kMsgBoxOk;

    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    const bool onMonitor =
        ::GetMonitorInfoA(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTONEAREST), &monitor) != FALSE;
    if (onMonitor) {
        metrics.maxHeight = monitor.rcWork.bottom - monitor.rcWork.top;
    }
    const setup::MsgBoxLayout layout = setup::LayOutMsgBox(metrics);
    m_textRect.bottom = layout.textBottom;
    RECT resized = {window.left, window.top, window.left + layout.window.cx,
                    window.top + layout.window.cy};
    // Resized where it stands, unless that would push it off its monitor.
    if (onMonitor) {
        const POINT corner = setup::KeepInsideArea(resized, monitor.rcWork);
        ::OffsetRect(&resized, corner.x - resized.left, corner.y - resized.top);
    }
    SetPos(nullptr, resized.left, resized.top, layout.window.cx, layout.window.cy,
           SWP_NOZORDER | SWP_NOACTIVATE);

    const UINT moveOnly = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    first.SetPos(nullptr, layout.first.x, layout.first.y, 0, 0, moveOnly);
    second.SetPos(nullptr, layout.second.x, layout.second.y, 0, 0, moveOnly);
}

void CMsgBoxDlg::SetCaptions() const {
    CInstallEnv* env = GetInstallEnv();
    if (env == nullptr) {
        return;
    }
    CConfigFile& strings = env->GetConfigFiles().Strings();
    const setup::MsgBoxCaptionKeys keys = setup::MsgBoxCaptionKeysFor(m_style.buttons);
    const std::pair<int, const char*> buttons[] = {{IDC_MSGBOX_FIRST, keys.first},
                                                   {IDC_MSGBOX_SECOND, keys.second}};
    for (const auto& [id, key] : buttons) {
        std::string caption;
        // A missing or empty caption leaves the template's.
        if (strings.GetString(kMessagesSection, key, caption) && !caption.empty()) {
            platform::Window(GetItem(id)).SetText(caption);
        }
    }
}

bool CMsgBoxDlg::OnPaint() {
    platform::PaintDc dc(m_hwnd);
    if (!dc) {
        return true;
    }
    platform::DcStateGuard state(dc.get());
    ::SelectObject(dc.get(), TextFont());
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), ::GetSysColor(COLOR_BTNTEXT));
    RECT text = m_textRect;
    ::DrawTextA(dc.get(), m_text.c_str(), static_cast<int>(m_text.size()), &text, TextFormat());
    return true;
}

bool CMsgBoxDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_MSGBOX_LOCK:
            SetLocked(wParam == 0);
            result = 0;
            return true;
        case WM_SYSCOMMAND:
            if (m_locked && (wParam & 0xFFF0) == SC_CLOSE) {
                result = 0;
                return true;
            }
            break;
        case WM_CLOSE:
            if (m_locked) {
                result = 0;
                return true;
            }
            break;
        default:
            break;
    }
    return Dialog::OnMessage(message, wParam, lParam, result);
}

bool CMsgBoxDlg::OnCommand(int notifyCode, int id, HWND) {
    if (notifyCode != BN_CLICKED) {
        return false;
    }
    int answer = 0;
    switch (id) {
        case IDC_MSGBOX_FIRST:
        case IDOK:  // Enter without a default button
            answer = 1;
            break;
        case IDC_MSGBOX_SECOND:
            answer = 2;
            break;
        case IDCANCEL:  // Escape and the close box
            answer = setup::MsgBoxCloseAnswer(m_style.buttons);
            break;
        default:
            return false;
    }
    // While locked nothing ends the box.
    if (!m_locked) {
        Answer(answer);
    }
    return true;
}

void CMsgBoxDlg::SetLocked(bool locked) {
    m_locked = locked;
    platform::Window(GetItem(IDC_MSGBOX_FIRST)).Enable(!locked);
    platform::Window(GetItem(IDC_MSGBOX_SECOND)).Enable(!locked);
}

void CMsgBoxDlg::Answer(int answer) {
    // Ending the box gives the owner back what the modal loop took (it
    // enables it only when it was enabled before, so a window that another
    // modal dialog keeps disabled stays disabled); then the owner gets the
    // activation back.
    const HWND owner = ::GetWindow(m_hwnd, GW_OWNER);
    End(answer);
    if (owner != nullptr && ::IsWindowEnabled(owner)) {
        ::SetActiveWindow(owner);
    }
}

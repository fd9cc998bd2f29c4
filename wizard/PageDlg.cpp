#include "PageDlg.h"

#include "PageText.h"
#include "WizardMessages.h"
#include "commands/CmdOperator.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "objects/ObjectFont.h"
#include "objects/ObjectKeys.h"

namespace {

bool RightAlign() {
    CInstallEnv* env = GetInstallEnv();
    return env != nullptr && env->GetOptions().rightAlign;
}

void SetLayoutRtl(HWND window, bool rtl) {
    const LONG_PTR exStyle = ::GetWindowLongPtrA(window, GWL_EXSTYLE);
    const LONG_PTR changed = rtl ? (exStyle | WS_EX_LAYOUTRTL) : (exStyle & ~WS_EX_LAYOUTRTL);
    if (changed != exStyle) {
        ::SetWindowLongPtrA(window, GWL_EXSTYLE, changed);
    }
}

// The modal buttons: control id, the key that binds each, and their text
// until a control section names them.
struct ModalButton {
    int id;
    const char* key;
    const char* text;
};

const ModalButton kModalButtons[] = {
    {kModalNextId, "FIXED_BTN_MODAL_NEXT", "Next"},
    {kModalBackId, "FIXED_BTN_MODAL_BACK", "Back"},
    {kModalOkId, "FIXED_BTN_MODAL_OK", "OK"},
    {kModalCancelId, "FIXED_BTN_MODAL_CANCEL", "Cancel"},
};

}  // namespace

CPageDlg::CPageDlg(int templateId) : m_templateId(templateId) {}

CPageDlg::~CPageDlg() {
    // The objects' windows are children of the page: release the records
    // while the page still exists.
    m_config.Clear();
}

void CPageDlg::OnLeavePage() {}

bool CPageDlg::PrepareEnterPage() {
    return true;
}

void CPageDlg::OnEnterPage(const std::string&) {
    m_entered = true;
    const HWND parent = GetParent();
    if (parent != nullptr && ::IsWindowVisible(parent)) {
        ::SetActiveWindow(parent);
    }
    SetStatusText(std::string());
}

bool CPageDlg::SetConfig(const std::string& section) {
    return m_config.SetConfig(this, section, true);
}

bool CPageDlg::CreatePage(HWND parent) {
    m_modalPage = false;
    return Create(m_templateId, parent);
}

INT_PTR CPageDlg::DoModalPage(HWND parent) {
    m_modalPage = true;
    return DoModalRestyled(m_templateId, parent, WS_CHILD | DS_CONTROL,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE);
}

bool CPageDlg::IsCancelBlocked() const {
    return m_config.IsCancelBlocked();
}

bool CPageDlg::RefreshConfig() {
    ApplyLayoutDirection();
    m_config.Clear();
    const std::string section = m_config.GetSectionName();
    const bool read = SetConfig(section);
    m_config.Place(m_modalPage);
    SetFixedControls();
    if (!m_modalPage) {
        Hide();
    }
    SetText(m_config.GetCaption());
    Invalidate();
    return read;
}

void CPageDlg::ApplyLayoutDirection() {
    if (m_hwnd != nullptr) {
        SetLayoutRtl(m_hwnd, RightAlign());
    }
}

bool CPageDlg::OnInitDialog(HWND) {
    ApplyLayoutDirection();
    RECT none = {0, 0, 0, 0};
    m_statusLine.Create(m_hwnd, kStatusLineId, none, std::string(),
                        WS_CHILD | WS_VISIBLE | SS_LEFT);
    m_statusLine.SetFont(GetFont(), false);
    if (m_modalPage) {
        CreateModalButtons();
    }
    m_config.Place(m_modalPage);
    SetFixedControls();
    if (m_modalPage) {
        PrepareEnterPage();
        OnEnterPage(std::string());
    }
    SetText(m_config.GetCaption());
    return true;
}

void CPageDlg::CreateModalButtons() {
    for (size_t i = 0; i < m_modalButtons.size(); ++i) {
        RECT rect = {0, 0, 75, 23};
        m_modalButtons[i].Create(m_hwnd, kModalButtons[i].id, rect, kModalButtons[i].text,
                                 WS_CHILD | WS_TABSTOP | BS_PUSHBUTTON);
        m_modalButtons[i].SetFont(GetFont(), false);
    }
}

void CPageDlg::SetFixedControls() {
    m_nextCommand = COMMAND_RECORD();
    ReadControlCommand("FIXED_NEXT", m_nextCommand);

    BindFixedControl("NORMAL_DESC", m_statusLine, kStaticControl);
    m_statusDefault = m_statusLine.GetText();

    if (m_modalPage) {
        for (size_t i = 0; i < m_modalButtons.size(); ++i) {
            m_modalCommands[i] = COMMAND_RECORD();
            if (BindFixedControl(kModalButtons[i].key, m_modalButtons[i], 0)) {
                ReadControlCommand(kModalButtons[i].key, m_modalCommands[i]);
            }
        }
    }
}

bool CPageDlg::FindControlSection(const char* key, std::string& section) const {
    return m_config.GetValue(key, section, false);
}

bool CPageDlg::BindFixedControl(const char* key, HWND control, int kind) {
    std::string section;
    if (control == nullptr) {
        return false;
    }
    if (!FindControlSection(key, section)) {
        ::ShowWindow(control, SW_HIDE);
        return false;
    }
    CConfigFile* config = CPageConfig::GetConfigure();
    if (config == nullptr) {
        return false;
    }
    SetLayoutRtl(control, kind != kUnmirroredControl && RightAlign());

    RECT rect = {};
    platform::Window(control).GetRectInParent(rect);
    POINT position = {rect.left, rect.top};
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    config->GetPoint(section.c_str(), "POSITION", position);
    config->GetSize(section.c_str(), "SIZE", size);
    ::MoveWindow(control, position.x, position.y, size.cx, size.cy, TRUE);

    std::string name;
    if (config->GetString(section.c_str(), "NAME", name, true)) {
        ::SetWindowTextA(control, name.c_str());
    }
    ::ShowWindow(control, SW_SHOW);
    DWORD enable = 0;
    if (config->GetDword(section.c_str(), "ENABLE", enable)) {
        ::EnableWindow(control, enable != 0 ? TRUE : FALSE);
    }
    if (kind == kStaticControl) {
        StyleStatic(control, section);
    }
    return true;
}

void CPageDlg::StyleStatic(HWND control, const std::string& section) {
    CConfigFile* config = CPageConfig::GetConfigure();
    StaticStyle style;
    style.textGiven = config->GetColor(section.c_str(), "COLOR", style.textColor);
    if (config->GetColor(section.c_str(), "BACK_COLOR", style.backColor)) {
        style.backBrush.reset(::CreateSolidBrush(style.backColor));
    }
    std::string fontSection;
    FONT_SECTION font;
    if (config->GetString(section.c_str(), "FONT", fontSection, true) &&
        setup::ReadFontSection(*config, fontSection, font)) {
        style.font = setup::MakeObjectFont(m_hwnd, font);
    }
    ::SendMessageA(control, WM_SETFONT,
                   reinterpret_cast<WPARAM>(style.font ? style.font.get() : GetFont()), TRUE);
    // The style replaced is released after the control has left its font.
    m_staticStyles[control] = std::move(style);
}

bool CPageDlg::PaintStatic(HDC dc, HWND control, LRESULT& result) const {
    const auto found = m_staticStyles.find(control);
    if (found == m_staticStyles.end()) {
        return false;
    }
    const StaticStyle& style = found->second;
    if (!style.textGiven && !style.backBrush) {
        return false;
    }
    if (style.textGiven) {
        ::SetTextColor(dc, style.textColor);
    }
    if (style.backBrush) {
        ::SetBkColor(dc, style.backColor);
        result = reinterpret_cast<LRESULT>(style.backBrush.get());
    } else {
        ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    return true;
}

bool CPageDlg::ReadControlCommand(const char* key, COMMAND_RECORD& command) const {
    command = COMMAND_RECORD();
    std::string section;
    if (!FindControlSection(key, section)) {
        return false;
    }
    if (section.empty()) {
        return true;
    }
    CConfigFile* config = CPageConfig::GetConfigure();
    if (config == nullptr || !config->GetString(section.c_str(), "CMD_TYPE", command.type, true)) {
        command = COMMAND_RECORD();
        return false;
    }
    const char* keys[] = {"CMD_PARAM1", "CMD_PARAM2", "CMD_PARAM3"};
    for (size_t i = 0; i < 3; ++i) {
        if (!config->GetString(section.c_str(), keys[i], command.params[i], true)) {
            command.params[i].clear();
        }
    }
    command.Cut();
    return true;
}

bool CPageDlg::ReadBackColor(const char* key, COLORREF& color) const {
    std::string section;
    CConfigFile* config = CPageConfig::GetConfigure();
    return FindControlSection(key, section) && !section.empty() && config != nullptr &&
           config->GetColor(section.c_str(), "BACK_COLOR", color);
}

int CPageDlg::GetItemTypeFlags() const {
    std::string value;
    if (!m_config.GetValue("ITEM_TYPE", value, false)) {
        return 0;
    }
    return setup::ItemTypeFlags(value);
}

bool CPageDlg::PostCommand(const COMMAND_RECORD& command) {
    CCmdOperator* commands = GetCmdOperator();
    return commands != nullptr && commands->PostCommand(command);
}

bool CPageDlg::GoNext(bool force) {
    if (!m_entered) {
        return false;
    }
    m_entered = false;
    if (force || m_nextCommand.params[1].empty()) {
        return PostCommand(m_nextCommand);
    }
    return PostCommand(COMMAND_RECORD::Make(m_nextCommand.type, m_nextCommand.params[1]));
}

void CPageDlg::SetStatusText(const std::string& text) {
    if (m_statusLine.IsWindow()) {
        m_statusLine.SetText(text.empty() ? m_statusDefault : text);
    }
}

bool CPageDlg::OnPaint() {
    platform::PaintDc dc(m_hwnd);
    if (dc) {
        m_config.Paint(dc.get());
    }
    return true;
}

bool CPageDlg::OnCommand(int notifyCode, int id, HWND control) {
    if (!m_modalPage || notifyCode != BN_CLICKED) {
        return false;
    }
    for (size_t i = 0; i < m_modalButtons.size(); ++i) {
        if (id == kModalButtons[i].id && !m_modalCommands[i].type.empty()) {
            PostCommand(m_modalCommands[i]);
        }
    }
    (void)control;
    if (id == kModalCancelId) {
        End(IDCANCEL);
        return true;
    }
    if (id == kTemplateNextId || id == kModalBackId || id == kModalOkId || id == kModalNextId) {
        End(IDOK);
        return true;
    }
    return false;
}

bool CPageDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_SET_STATUS_TEXT: {
            const char* text = reinterpret_cast<const char*>(lParam);
            SetStatusText(text != nullptr ? text : "");
            result = 0;
            return true;
        }
        case WM_SETFOCUS: {
            HWND focus = m_focusControl;
            if (focus == nullptr) {
                focus = m_config.GetObjects().GetDefaultFocus();
            }
            if (focus != nullptr) {
                ::SetFocus(focus);
                result = 0;
                return true;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
            if (PaintStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                            result)) {
                return true;
            }
            break;
        case WM_DESTROY:
            m_config.Clear();
            break;
        default:
            break;
    }
    return Dialog::OnMessage(message, wParam, lParam, result);
}

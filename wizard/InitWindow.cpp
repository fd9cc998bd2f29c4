#include "InitWindow.h"

#include "WizardMessages.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "platform/Gdi.h"
#include "resources/ResourceIds.h"

CInitWindow::~CInitWindow() {
    m_config.Clear();
}

bool CInitWindow::Create(const std::string& section, HWND parent) {
    if (section.empty()) {
        return false;
    }
    CConfigFile* config = CPageConfig::GetConfigure();
    if (config == nullptr || !config->HasSection(section.c_str())) {
        LogWrite("[%s] Get Init Dialog information fail!", section.c_str());
        return false;
    }
    m_config.SetConfig(this, section, true);
    return Dialog::Create(IDD_INIT_WINDOW, parent);
}

int CInitWindow::GetPosition() const {
    return m_progress.IsWindow() ? m_progress.GetPos() : 0;
}

bool CInitWindow::OnInitDialog(HWND) {
    CInstallEnv* env = GetInstallEnv();
    if (env != nullptr && env->GetOptions().rightAlign) {
        ModifyExStyle(0, WS_EX_LAYOUTRTL);
    }
    m_progress.Attach(GetItem(IDC_INIT_PROGRESS));
    m_progress.SetRange(0, 100);
    m_progress.SetPos(0);
    // Without a rectangle of its own the window keeps the template's size.
    RECT before = {};
    GetRect(before);
    m_config.Place(false);
    RECT after = {};
    GetRect(after);
    if (after.right - after.left <= 0 || after.bottom - after.top <= 0) {
        Move(before);
    }
    PlaceProgressBar();
    SetText(m_config.GetCaption());
    // Nothing here takes input: no focus, so that creating the window does
    // not activate it.
    return false;
}

void CInitWindow::PlaceProgressBar() {
    std::string section;
    if (!m_config.GetValue("PROGRESS_BAR", section, false) || section.empty()) {
        m_progress.Hide();
        return;
    }
    CConfigFile* config = CPageConfig::GetConfigure();
    RECT rect = {};
    m_progress.GetRectInParent(rect);
    POINT position = {rect.left, rect.top};
    SIZE size = {rect.right - rect.left, rect.bottom - rect.top};
    if (config != nullptr) {
        config->GetPoint(section.c_str(), "POSITION", position);
        config->GetSize(section.c_str(), "SIZE", size);
    }
    m_progress.Move(position.x, position.y, size.cx, size.cy);
    m_progress.Show();
}

bool CInitWindow::OnPaint() {
    platform::PaintDc dc(m_hwnd);
    if (dc) {
        m_config.Paint(dc.get());
    }
    return true;
}

bool CInitWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case WM_INIT_PROGRESS:
            if (wParam != 0 && lParam != 0) {
                m_step = static_cast<int>(wParam / static_cast<WPARAM>(lParam));
            } else if (wParam == 0 && lParam == 0) {
                m_progress.OffsetPos(m_step);
            }
            ::SetForegroundWindow(m_hwnd);
            result = 0;
            return true;
        case WM_END_PROGRESS:
            End(static_cast<INT_PTR>(wParam));
            result = 0;
            return true;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_CLOSE) {
                result = 0;
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

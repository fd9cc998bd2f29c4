#include "NormalPage.h"

#include "WizardMessages.h"

namespace {

BOOL CALLBACK SendRestart(HWND window, LPARAM) {
    ::SendMessageA(window, WM_PAGE_RESTART, 0, 0);
    return TRUE;
}

}  // namespace

CNormalPage::CNormalPage(int templateId) : CPageDlg(templateId) {}

void CNormalPage::OnEnterPage(const std::string& parameter) {
    CPageDlg::OnEnterPage(parameter);
    // EnumChildWindows lists the descendants too.
    ::EnumChildWindows(m_hwnd, &SendRestart, 0);
}

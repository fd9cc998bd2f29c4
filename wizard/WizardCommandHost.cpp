#include "WizardCommandHost.h"

#include <vector>

#include "CancelConfirm.h"
#include "MsgBoxDlg.h"
#include "Wizard.h"
#include "WizardMessages.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"

namespace setup {
namespace {

// The names of a comma-separated list, each without blanks, tabs and double
// quotes at its ends; empty names are left out.
std::vector<std::string> SplitNames(const std::string& list) {
    std::vector<std::string> names;
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(',', start);
        if (end == std::string::npos) {
            end = list.size();
        }
        const std::string name = list.substr(start, end - start);
        const size_t first = name.find_first_not_of(" \t\"");
        if (first != std::string::npos) {
            const size_t last = name.find_last_not_of(" \t\"");
            names.push_back(name.substr(first, last - first + 1));
        }
        start = end + 1;
    }
    return names;
}

}  // namespace

bool CWizardCommandHost::OpenPage(const std::string& page, bool back) {
    if (!m_wizard.IsWindow()) {
        LogWrite("Open page [%s] : the wizard has no window", page.c_str());
        return false;
    }
    const WPARAM request = back ? static_cast<WPARAM>(-1) : 0;
    return m_wizard.SendMessage(WM_WIZARD_OPEN_PAGE, request,
                                reinterpret_cast<LPARAM>(page.c_str())) != 0;
}

bool CWizardCommandHost::ConfirmCancel() {
    if (m_cancelAsked) {
        LogWrite("Cancel : the question is already open");
        return false;
    }
    m_cancelAsked = true;
    ModalScope modal(m_modalDepth);
    const bool cancel = setup::ConfirmCancel(m_wizard.GetHandle());
    m_cancelAsked = false;
    return cancel;
}

bool CWizardCommandHost::DoModal(const std::string& pageSection) {
    std::string section = pageSection;
    CInstallEnv* env = GetInstallEnv();
    std::string resolved;
    if (env != nullptr &&
        env->GetConfigFiles().Configure().FindSectionVariant(pageSection.c_str(), resolved)) {
        section = resolved;
    }
    std::unique_ptr<CPageDlg> page = m_wizard.MakePage(section);
    if (!page) {
        return false;
    }
    page->SetConfig(section);
    // The dialog manager disables the wizard while the page runs.
    ModalScope modal(m_modalDepth);
    const INT_PTR result = page->DoModalPage(m_wizard.GetHandle());
    if (result == -1) {
        LogWriteError(::GetLastError(), "Modal dialog [%s] fail", section.c_str());
        return false;
    }
    return true;
}

bool CWizardCommandHost::ShowToggle(const std::string& objects) {
    CPageDlg* page = m_wizard.GetCurrentPage();
    if (page == nullptr) {
        LogWrite("Show toggle [%s] : no page is shown", objects.c_str());
        return false;
    }
    for (const std::string& name : SplitNames(objects)) {
        page->GetConfig().GetObjects().ToggleShow(name);
    }
    return true;
}

void CWizardCommandHost::ShowMessage(const std::string& text) {
    CMsgBoxDlg box(m_wizard.GetHandle());
    if (box.SetMessage(text, MB_OK)) {
        ModalScope modal(m_modalDepth);
        box.Show();
    }
}

}  // namespace setup

// The wizard's side of the page commands: what the command executor asks
// of the wizard window and its pages (opening pages, the cancel question,
// modal pages, object visibility, notices).
#pragma once

#include <string>

#include "commands/CommandHost.h"

class CWizard;

namespace setup {

class CWizardCommandHost : public CCommandHost {
public:
    // The wizard must outlive the host.
    explicit CWizardCommandHost(CWizard& wizard) : m_wizard(wizard) {}

    // Sends WM_WIZARD_OPEN_PAGE with the text (wParam 0, or -1 with back,
    // which returns to the page before the current one); true when a page
    // was shown.
    bool OpenPage(const std::string& page, bool back) override;
    // The cancel question of "CANCEL_TYPE" over the wizard. While the
    // question is open, a second cancel (a second click on the close box,
    // a worker's cancel) is not asked again and gives false.
    bool ConfirmCancel() override;
    // Builds the page of the section's kind, runs it modally over the
    // wizard (which is disabled meanwhile) and destroys it; false when the
    // section names no page kind or the dialog could not be run.
    bool DoModal(const std::string& pageSection) override;
    // Toggles each object named in the comma-separated list (names trimmed
    // of blanks, tabs and double quotes) on the page shown; false when no
    // page is shown.
    bool ShowToggle(const std::string& objects) override;
    // The wizard's message box with the text and OK.
    void ShowMessage(const std::string& text) override;

    // A message box or modal page of the host is open: the wizard stays
    // disabled under it whatever page commands its loop dispatches.
    bool IsModalOpen() const { return m_modalDepth > 0; }

private:
    // Counts the modal windows open while the guard lives.
    class ModalScope {
    public:
        explicit ModalScope(int& depth) : m_depth(depth) { ++m_depth; }
        ~ModalScope() { --m_depth; }
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

    private:
        int& m_depth;
    };

    CWizard& m_wizard;
    int m_modalDepth = 0;
    bool m_cancelAsked = false;
};

}  // namespace setup

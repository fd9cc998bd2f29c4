// The installer's main window: a captioned frame without menu whose client
// area shows one page at a time. Pages are built from page sections of the
// configure file by the kind their name carries, kept in creation order
// (a page's index never changes) and hidden while another is shown; the
// frame sizes and places itself around the page shown and carries its
// caption. The wizard owns the command executor, through which every page
// action runs, and runs the start, installing and end command sections.
//
// Pages, commands, worker threads and a second instance talk to it through
// the user messages of WizardMessages.h and CommandMessages.h.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PageDlg.h"
#include "WizardCommandHost.h"
#include "commands/CmdOperator.h"
#include "platform/CustomWindow.h"

class CInstallEnv;

class CWizard : public platform::CustomWindow {
public:
    // Results of Create.
    enum CreateResult { kCreateFailed = 0, kAlreadyRunning = 1, kCreated = 2 };
    // Makes the page object of a page section (no window yet); null when
    // the section names no page kind.
    using PageMaker = std::function<std::unique_ptr<CPageDlg>(const std::string& section)>;

    // The environment must outlive the wizard; it need not be initialised
    // before Create.
    explicit CWizard(CInstallEnv& env);
    ~CWizard() override;

    // Creates the (hidden) frame of class "<programName> Installer Program",
    // makes its executor the run's and registers the interface rebuilder of
    // the language change. When a window of that class exists already, it
    // is sent WM_WIZARD_ACTIVATE and the result is kAlreadyRunning.
    int Create(const std::string& programName);

    // Takes the start section (already resolved), runs its "START_CMD" and,
    // with the option PRECREATE_DLG, builds the pages its "DIALOGS" section
    // lists, reporting to progress (may be null). False only for an empty
    // start section; a missing page list is logged and the start goes on.
    bool Init(const std::string& startSection, HWND progress);
    // Builds every page the dialogs section lists; false (logged) when the
    // name is empty, does not resolve or cannot be read.
    bool AddDialogs(const std::string& dialogsSection, HWND progress);
    // Builds the page of section and appends it, hidden and disabled; its
    // index, or -1 (logged) when the name holds no page kind or the page
    // window cannot be created.
    int AddDialog(const std::string& section);
    // The index of the page of section (after section resolution), building
    // it when none exists yet. An empty name gives the current index; -1
    // when the section does not resolve or cannot be built.
    int FindPage(const std::string& section);
    // Shows page index (-1: the current one) and enters it with parameter:
    // the page left is told and hidden, the frame sized and placed when the
    // page asks for it, the close box follows the page's "BLOCK_CANCEL".
    // False for an index out of range.
    bool ShowPage(int index, const std::string& parameter);

    // The command sections of the start section: "START_CMD", and
    // "INSTALLING_CMD" and "END_CMD" (when missing, chosen by the
    // "Setup_Type" recorded under the Installing key).
    void RunStartCommand();
    void RunInstallingCommand();
    void RunEndCommand();
    // Executes one command at once; the executor's result.
    bool RunCommand(const std::string& type, const std::string& param1 = std::string(),
                    const std::string& param2 = std::string(),
                    const std::string& param3 = std::string(),
                    const std::string& param4 = std::string(),
                    const std::string& param5 = std::string());
    // Refuses closing the window until the next page change.
    void BlockClose();
    // Re-reads every page's description (after a language change),
    // reporting to progress (may be null).
    void RefreshAllPages(HWND progress);
    // The language change's rebuild: progress window "CHANGE_LANG_WIN",
    // layout direction, every page refreshed, the current page shown again.
    void RebuildInterface();

    // The maker of the pages built from now on (setup::MakePage unless
    // replaced).
    void SetPageMaker(PageMaker maker) { m_pageMaker = std::move(maker); }
    // A page object of section's kind through the page maker; null when
    // the section names no page kind.
    std::unique_ptr<CPageDlg> MakePage(const std::string& section) const {
        return m_pageMaker ? m_pageMaker(section) : nullptr;
    }

    // The background window: kept directly behind the wizard while it is
    // active, enabled with it at the end of a wait, hidden by a language
    // change; null for none. Not owned.
    void SetBackgroundWindow(HWND background) { m_background = background; }
    HWND GetBackgroundWindow() const { return m_background; }

    // For the message loop: the keyboard navigation of the page shown. True
    // when the message was used.
    bool PreTranslate(MSG& message) const;

    CCmdOperator& GetCommands() { return m_commands; }
    const std::string& GetClassName() const { return m_className; }
    const std::string& GetStartSection() const { return m_startSection; }
    const std::string& GetDialogsSection() const { return m_dialogsSection; }
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    // Null for an index out of range.
    CPageDlg* GetPage(int index) const;
    int GetCurrentIndex() const { return m_current; }
    // The page shown, or null before the first page is shown.
    CPageDlg* GetCurrentPage() const;
    bool IsCloseBlocked() const { return m_closeBlocked; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnClose() override;

private:
    bool OnOpenPage(WPARAM wParam, LPARAM lParam);
    void OnStart(WPARAM wParam);
    void OnEndWait(WPARAM wParam);
    void OnActivate(WPARAM wParam, LPARAM lParam, LRESULT& result);
    // Sizes the frame so that its client area is the page's rectangle and
    // places it by the page's position type.
    void PlaceFrame(const CPageConfig& config);
    // Runs "CT_COMMAND" with the start section's key, else with the section
    // the recorded setup type names.
    void RunPhaseCommand(const char* key, const char* install, const char* uninstall,
                         const char* reinstall);

    CInstallEnv& m_env;
    CCmdOperator m_commands;
    PageMaker m_pageMaker;
    setup::CWizardCommandHost m_host;
    std::string m_className;
    std::string m_startSection;
    std::string m_dialogsSection;
    std::vector<std::unique_ptr<CPageDlg>> m_pages;
    int m_current = 0;
    // A page has been shown (current names it).
    bool m_pageShown = false;
    bool m_resizeOnShow = true;
    bool m_closeBlocked = false;
    bool m_rebuilderSet = false;
    HWND m_background = nullptr;
};

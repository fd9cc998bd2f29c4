// The one object that executes commands: a command record (a type such as
// "CT_OPEN_DLG" and five parameters) is looked up in the command table and
// run by its handler on the main thread. Commands come from page buttons and
// objects, from command sections of the configure and command files, and
// from other parts of the installer, directly (Execute, IssueCommand) or
// posted to the main window to run after the current message (PostCommand).
//
// Work that belongs to the wizard, the item set, the launcher and the
// network search is reached through the host interfaces they register; a
// command whose host is not registered logs that it is not available and
// returns false.
#pragma once

#include <windows.h>

#include <atomic>
#include <list>
#include <mutex>
#include <string>

#include "CommandRecord.h"

class CInstallEnv;

namespace setup {
class CCommandHost;
class CItemsHost;
class CLaunchHost;
class CNetworkHost;
}  // namespace setup

class CCmdOperator {
public:
    // Command sections running inside one another (CT_COMMAND in a command
    // section) deeper than this are stopped, so that sections that call each
    // other in a cycle end.
    static constexpr int kMaxSectionDepth = 16;

    // The environment must outlive the executor.
    explicit CCmdOperator(CInstallEnv& env);
    ~CCmdOperator();
    CCmdOperator(const CCmdOperator&) = delete;
    CCmdOperator& operator=(const CCmdOperator&) = delete;

    // The window that posted commands and the end of the run go to; none
    // before the wizard exists.
    void SetMainWindow(HWND window) { m_mainWindow = window; }
    HWND GetMainWindow() const { return m_mainWindow; }
    // In a silent run nothing is posted to windows.
    void SetSilent(bool silent) { m_silent = silent; }
    bool IsSilent() const { return m_silent; }

    // The hosts are not owned; null unregisters.
    void SetHost(setup::CCommandHost* host) { m_host = host; }
    void SetItems(setup::CItemsHost* items) { m_items = items; }
    void SetLauncher(setup::CLaunchHost* launcher) { m_launcher = launcher; }
    void SetNetwork(setup::CNetworkHost* network) { m_network = network; }
    setup::CCommandHost* GetHost() const { return m_host; }
    setup::CItemsHost* GetItems() const { return m_items; }
    setup::CLaunchHost* GetLauncher() const { return m_launcher; }
    setup::CNetworkHost* GetNetwork() const { return m_network; }
    CInstallEnv& GetEnv() const { return m_env; }

    // Logs the call and runs the command's handler; the result is the
    // handler's. A type that is not in the table (compared without regard to
    // case) does nothing and gives true. A null record gives false.
    bool Execute(const COMMAND_RECORD& command);
    bool Execute(const COMMAND_RECORD* command);
    // Parses a command line ("TYPE = P1, P2, P3") and executes it.
    bool ExecuteLine(const std::string& line);
    // Executes the command at once.
    bool IssueCommand(const std::string& type, const std::string& param1 = std::string(),
                      const std::string& param2 = std::string(),
                      const std::string& param3 = std::string(),
                      const std::string& param4 = std::string(),
                      const std::string& param5 = std::string());

    // Queues the command and posts WM_WIZARD_RUN_COMMAND with it to the main
    // window, so that it runs after the current message. Each post keeps its
    // own record until RunPostedCommand takes it. In a silent run nothing is
    // posted (true); without a main window, or when the post fails, the
    // command is dropped with a log line (false). Safe from any thread.
    bool PostCommand(const COMMAND_RECORD& command);
    bool PostCommand(const std::string& type, const std::string& param1 = std::string(),
                     const std::string& param2 = std::string(),
                     const std::string& param3 = std::string(),
                     const std::string& param4 = std::string(),
                     const std::string& param5 = std::string());
    // The main window's handling of WM_WIZARD_RUN_COMMAND: takes the posted
    // record that lParam names out of the queue and executes it. A zero
    // lParam does nothing (false); one that names no queued record logs
    // "Command Structure is invalid" (false).
    bool RunPostedCommand(LPARAM lParam);
    // Commands posted and not yet run.
    size_t PendingCommands() const;

    // The applicability lists of a section of the command file against the
    // running system's OS define string and the current language.
    bool IsSectionApplicable(const std::string& section);
    // A choice that begins with "CT_" (any case) is a command line and is
    // executed; anything else is a page name, opened with CT_OPEN_DLG.
    bool RunPageOrCommand(const std::string& choice);
    // Runs the lines of the command section, from the configure file when it
    // has the section, else from the command file; false when neither has
    // it, or when the nesting of sections had to be stopped.
    bool RunCommandSection(const std::string& section);
    // Ends the installer: settles the install records, deletes the
    // Installing key and posts WM_QUIT to the main window. cancel is set
    // when the user cancelled the setup.
    bool Terminate(bool cancel);
    // Terminate has run: the run is ending, and nothing is to be shown
    // again.
    bool IsTerminating() const { return m_terminating; }

private:
    CInstallEnv& m_env;
    std::atomic<HWND> m_mainWindow{nullptr};
    std::atomic<bool> m_silent{false};
    setup::CCommandHost* m_host = nullptr;
    setup::CItemsHost* m_items = nullptr;
    setup::CLaunchHost* m_launcher = nullptr;
    setup::CNetworkHost* m_network = nullptr;

    // Posted commands, in posting order; list nodes keep their addresses,
    // which travel as the messages' lParam.
    std::list<COMMAND_RECORD> m_posted;
    mutable std::mutex m_postedMutex;

    int m_sectionDepth = 0;
    bool m_terminating = false;
    bool m_stopSections = false;
};

// The run's command executor, set by its owner; null before.
CCmdOperator* GetCmdOperator();
void SetCmdOperator(CCmdOperator* commands);

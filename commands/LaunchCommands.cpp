// Commands that start programs and documents, print test pages, run the
// diagnosis and the remote install, through the registered launcher.
#include "CmdOperator.h"
#include "CommandHandlers.h"
#include "LaunchHost.h"

namespace setup {
namespace handlers {
namespace {

constexpr const char* kLauncher = "program launcher";

// Starts Param1 with the arguments Param2; false (after the log line) when
// no launcher is registered, else whether the program started.
bool Start(CCmdOperator& commands, const COMMAND_RECORD& command, ProgramWait wait,
           bool& available) {
    CLaunchHost* launcher = commands.GetLauncher();
    available = launcher != nullptr;
    if (!available) {
        return NotAvailable(command, kLauncher);
    }
    return launcher->StartProgram(command.params[0], command.params[1], wait);
}

}  // namespace

bool ExeFileWait(CCmdOperator& commands, const COMMAND_RECORD& command) {
    bool available = false;
    Start(commands, command, ProgramWait::kWait, available);
    return available;
}

bool ExeFileNoWait(CCmdOperator& commands, const COMMAND_RECORD& command) {
    bool available = false;
    return Start(commands, command, ProgramWait::kNone, available);
}

bool ExeFileActive(CCmdOperator& commands, const COMMAND_RECORD& command) {
    bool available = false;
    Start(commands, command, ProgramWait::kActive, available);
    return available;
}

bool ExeAndTerminate(CCmdOperator& commands, const COMMAND_RECORD& command) {
    bool available = false;
    if (Start(commands, command, ProgramWait::kNone, available)) {
        commands.Terminate(false);
    }
    return available;
}

bool OpenDocument(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->OpenDocument(command.params[0])
                               : NotAvailable(command, kLauncher);
}

bool OpenUrl(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->OpenUrl(command.params[0])
                               : NotAvailable(command, kLauncher);
}

bool OpenBrowse(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->OpenBrowse(command.params[0])
                               : NotAvailable(command, kLauncher);
}

bool OpenManual(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->OpenManual(command.params[0], command.params[1])
                               : NotAvailable(command, kLauncher);
}

bool PrintTestPage(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    const auto& p = command.params;
    return launcher != nullptr ? launcher->PrintTestPage(p[0], p[1], p[2], p[3])
                               : NotAvailable(command, kLauncher);
}

bool PrintMetaTestPage(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->PrintMetaTestPage(command.params[0], command.params[1])
                               : NotAvailable(command, kLauncher);
}

bool PrintPrnTestPage(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->PrintPrnTestPage(command.params[0], command.params[1])
                               : NotAvailable(command, kLauncher);
}

bool Diagnosis(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->Diagnosis(command.params[0])
                               : NotAvailable(command, kLauncher);
}

bool RunRemoteInstall(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CLaunchHost* launcher = commands.GetLauncher();
    return launcher != nullptr ? launcher->RunRemoteInstall() : NotAvailable(command, kLauncher);
}

}  // namespace handlers
}  // namespace setup

// The handlers of the command table, one function per command type. Each
// returns the command's result; a handler that cannot do its work logs why
// and returns false.
#pragma once

#include "CommandRecord.h"

class CCmdOperator;

namespace setup {
namespace handlers {

// Logs that the command cannot run because its owner ("wizard", "item
// set", ...) has not registered with the executor; false.
bool NotAvailable(const COMMAND_RECORD& command, const char* owner);

// Types that do nothing and succeed.
bool NoOperation(CCmdOperator& commands, const COMMAND_RECORD& command);

// Pages and the wizard window.
bool OpenDlg(CCmdOperator& commands, const COMMAND_RECORD& command);
bool DlgBack(CCmdOperator& commands, const COMMAND_RECORD& command);
bool DlgCancel(CCmdOperator& commands, const COMMAND_RECORD& command);
bool DoModal(CCmdOperator& commands, const COMMAND_RECORD& command);
bool ShowToggle(CCmdOperator& commands, const COMMAND_RECORD& command);
bool FindLocalPrinter(CCmdOperator& commands, const COMMAND_RECORD& command);
bool OpenTestPage(CCmdOperator& commands, const COMMAND_RECORD& command);
bool CheckItem(CCmdOperator& commands, const COMMAND_RECORD& command);

// Programs, documents, test pages, diagnosis, remote install.
bool ExeFileWait(CCmdOperator& commands, const COMMAND_RECORD& command);
bool ExeFileNoWait(CCmdOperator& commands, const COMMAND_RECORD& command);
bool ExeFileActive(CCmdOperator& commands, const COMMAND_RECORD& command);
bool ExeAndTerminate(CCmdOperator& commands, const COMMAND_RECORD& command);
bool OpenDocument(CCmdOperator& commands, const COMMAND_RECORD& command);
bool OpenUrl(CCmdOperator& commands, const COMMAND_RECORD& command);
bool OpenBrowse(CCmdOperator& commands, const COMMAND_RECORD& command);
bool OpenManual(CCmdOperator& commands, const COMMAND_RECORD& command);
bool PrintTestPage(CCmdOperator& commands, const COMMAND_RECORD& command);
bool PrintMetaTestPage(CCmdOperator& commands, const COMMAND_RECORD& command);
bool PrintPrnTestPage(CCmdOperator& commands, const COMMAND_RECORD& command);
bool Diagnosis(CCmdOperator& commands, const COMMAND_RECORD& command);
bool RunRemoteInstall(CCmdOperator& commands, const COMMAND_RECORD& command);

// Items and install records.
bool DeleteAll(CCmdOperator& commands, const COMMAND_RECORD& command);
bool CopyFiles(CCmdOperator& commands, const COMMAND_RECORD& command);
bool DeleteFiles(CCmdOperator& commands, const COMMAND_RECORD& command);
bool WriteItemInfo(CCmdOperator& commands, const COMMAND_RECORD& command);
bool InstallUpdate(CCmdOperator& commands, const COMMAND_RECORD& command);

// The run: its end, command sections, setup values and language.
bool AppTerminate(CCmdOperator& commands, const COMMAND_RECORD& command);
bool Command(CCmdOperator& commands, const COMMAND_RECORD& command);
bool SetInstType(CCmdOperator& commands, const COMMAND_RECORD& command);
bool SetSetupType(CCmdOperator& commands, const COMMAND_RECORD& command);
bool SetRemoteInstall(CCmdOperator& commands, const COMMAND_RECORD& command);
bool ChangeLang(CCmdOperator& commands, const COMMAND_RECORD& command);

// The package's utility library.
bool RefreshSystem(CCmdOperator& commands, const COMMAND_RECORD& command);
bool StartPreventPnP(CCmdOperator& commands, const COMMAND_RECORD& command);
bool EndPreventPnP(CCmdOperator& commands, const COMMAND_RECORD& command);
bool RemoveHardwareDialog(CCmdOperator& commands, const COMMAND_RECORD& command);
bool RemoveDevice(CCmdOperator& commands, const COMMAND_RECORD& command);

// Registry data sections of the command file.
bool AddRegistry(CCmdOperator& commands, const COMMAND_RECORD& command);
bool DeleteRegistry(CCmdOperator& commands, const COMMAND_RECORD& command);

}  // namespace handlers
}  // namespace setup

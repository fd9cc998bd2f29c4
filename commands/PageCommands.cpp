// Commands of the wizard's pages: opening pages, the cancel question, modal
// pages, object visibility and the branches that choose a page.
#include "CmdOperator.h"
#include "CommandHandlers.h"
#include "CommandHost.h"
#include "ItemsHost.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"

namespace setup {
namespace handlers {
namespace {

constexpr const char* kWizard = "wizard";

}  // namespace

bool OpenDlg(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CCommandHost* host = commands.GetHost();
    return host != nullptr ? host->OpenPage(command.params[0], false)
                           : NotAvailable(command, kWizard);
}

bool DlgBack(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CCommandHost* host = commands.GetHost();
    return host != nullptr ? host->OpenPage(command.params[0], true)
                           : NotAvailable(command, kWizard);
}

bool DlgCancel(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CCommandHost* host = commands.GetHost();
    if (host == nullptr) {
        return NotAvailable(command, kWizard);
    }
    return host->ConfirmCancel() ? commands.Terminate(true) : true;
}

bool DoModal(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CCommandHost* host = commands.GetHost();
    return host != nullptr ? host->DoModal(command.params[0]) : NotAvailable(command, kWizard);
}

bool ShowToggle(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CCommandHost* host = commands.GetHost();
    return host != nullptr ? host->ShowToggle(command.params[0]) : NotAvailable(command, kWizard);
}

bool FindLocalPrinter(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const bool found = commands.GetEnv().FindDevicePort(false);
    return commands.RunPageOrCommand(found ? command.params[0] : command.params[1]);
}

bool OpenTestPage(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const INSTALL_RECORD& record = commands.GetEnv().GetInstallRecord();
    const std::string& first = command.params[0];
    const std::string& second = command.params[1];
    const bool ready = record.devicePortFound && record.printerInstalled;
    return commands.PostCommand("CT_OPEN_DLG", ready || second.empty() ? first : second);
}

bool CheckItem(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CItemsHost* items = commands.GetItems();
    if (items == nullptr) {
        return NotAvailable(command, "item set");
    }
    const int count = items->CountInstallableItems();
    if (count == 0) {
        const char* text = "There is no item to be installed!!!!";
        LogWrite("%s", text);
        if (CCommandHost* host = commands.GetHost()) {
            host->ShowMessage(text);
        }
    }
    return commands.RunPageOrCommand(count == 1 ? command.params[0] : command.params[1]);
}

}  // namespace handlers
}  // namespace setup

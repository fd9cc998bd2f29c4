// Commands of the item set and the install records, through the registered
// items host.
#include "CmdOperator.h"
#include "CommandHandlers.h"
#include "ItemsHost.h"

namespace setup {
namespace handlers {
namespace {

constexpr const char* kItemSet = "item set";

}  // namespace

bool DeleteAll(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CItemsHost* items = commands.GetItems();
    return items != nullptr ? items->DeleteAll() : NotAvailable(command, kItemSet);
}

bool CopyFiles(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CItemsHost* items = commands.GetItems();
    return items != nullptr ? items->CopyFiles(command.params[0]) : NotAvailable(command, kItemSet);
}

bool DeleteFiles(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CItemsHost* items = commands.GetItems();
    return items != nullptr ? items->DeleteFiles(command.params[0])
                            : NotAvailable(command, kItemSet);
}

bool WriteItemInfo(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CItemsHost* items = commands.GetItems();
    return items != nullptr ? items->WriteItemInfo() : NotAvailable(command, kItemSet);
}

bool InstallUpdate(CCmdOperator& commands, const COMMAND_RECORD& command) {
    CItemsHost* items = commands.GetItems();
    return items != nullptr ? items->InstallUpdate() : NotAvailable(command, kItemSet);
}

}  // namespace handlers
}  // namespace setup

// Commands of the run itself: its end, command sections, the setup values
// recorded under the Installing key, the remote-install flag and the
// language.
#include "CmdOperator.h"
#include "CommandHandlers.h"
#include "CommandText.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/Profile.h"
#include "foundation/Registry.h"

namespace setup {
namespace handlers {

bool NotAvailable(const COMMAND_RECORD& command, const char* owner) {
    LogWrite("%s is not available: no %s is registered", command.type.c_str(), owner);
    return false;
}

bool NoOperation(CCmdOperator&, const COMMAND_RECORD&) {
    return true;
}

bool AppTerminate(CCmdOperator& commands, const COMMAND_RECORD&) {
    return commands.Terminate(false);
}

bool Command(CCmdOperator& commands, const COMMAND_RECORD& command) {
    return commands.RunCommandSection(command.params[0]);
}

bool SetInstType(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const std::string& key = commands.GetEnv().GetRegistryKeys().installing;
    const DWORD result =
        CRegistry::SetValue(key.c_str(), "Install_Type", command.params[0].c_str());
    if (result != ERROR_SUCCESS) {
        LogWriteError(result, "Write Install_Type (%s) fail", key.c_str());
        return false;
    }
    return true;
}

bool SetSetupType(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const std::string& key = commands.GetEnv().GetRegistryKeys().installing;
    const DWORD result =
        CRegistry::SetValue(key.c_str(), "Setup_Type", SetupTypeFromName(command.params[0]));
    if (result != ERROR_SUCCESS) {
        LogWriteError(result, "Write Setup_Type (%s) fail", key.c_str());
        return false;
    }
    return true;
}

bool SetRemoteInstall(CCmdOperator& commands, const COMMAND_RECORD& command) {
    commands.GetEnv().GetOptions().remoteInstall = IsNonZeroDecimal(command.params[0]);
    return true;
}

bool ChangeLang(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const DWORD id = CProfile::StringToDword(command.params[0].c_str());
    if (id > 0xFFFF) {
        LogWrite("Change language : (%s) is not a language id", command.params[0].c_str());
        return false;
    }
    return commands.GetEnv().ChangeLanguage(static_cast<WORD>(id), true);
}

}  // namespace handlers
}  // namespace setup

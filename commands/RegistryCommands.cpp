// CT_ADDREG and CT_DELREG: registry values written and removed as data
// sections of the command file describe them.
//
// A section names the root (ROOTKEY: HKEY_CURRENT_USER when the text
// contains "HKCU", else HKEY_LOCAL_MACHINE), the key (KEYNAME, required),
// and one "VALUE = type, name, data" line per value. SET_ALL_ACCESS opens
// the key to all users when values are added, WOW64 addresses the 64-bit
// registry view on 64-bit Windows, DELETE_KEY removes the whole key after
// the values are deleted. A section that does not apply to the running
// system or language is skipped with success.
#include <vector>

#include "CmdOperator.h"
#include "CommandHandlers.h"
#include "CommandText.h"
#include "RegistryValueLine.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/NameCompare.h"
#include "foundation/Profile.h"
#include "foundation/Registry.h"

namespace setup {
namespace handlers {
namespace {

// What a registry section says about its key.
struct RegistrySection {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::string key;
    BOOL wow64 = FALSE;
    std::vector<RegistryValueLine> values;
};

// Reads the section's key, view and VALUE lines. keyError and linesError
// are the log lines for a missing key name and an unreadable section.
bool ReadSection(CInstallEnv& env, const std::string& section, const char* keyError,
                 const char* linesError, RegistrySection& out) {
    CConfigFile& config = env.GetConfigFiles().Command();
    std::string root;
    config.GetString(section.c_str(), "ROOTKEY", root);
    out.root = NamesCurrentUser(root) ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    if (!config.GetString(section.c_str(), "KEYNAME", out.key) || out.key.empty()) {
        LogWrite("%s", keyError);
        return false;
    }
    DWORD wow64 = 0;
    config.GetDword(section.c_str(), "WOW64", wow64);
    out.wow64 = wow64 != 0 && env.GetSystemDirs().is64Bit ? TRUE : FALSE;

    std::vector<std::string> lines;
    if (!config.GetSectionLines(section.c_str(), lines, true)) {
        LogWrite("%s", linesError);
        return false;
    }
    std::string key;
    std::string value;
    for (const std::string& line : lines) {
        SplitSectionLine(line, key, value);
        if (SameName(key.c_str(), "VALUE")) {
            out.values.push_back(ParseRegistryValueLine(value));
        }
    }
    return true;
}

}  // namespace

bool AddRegistry(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const std::string& section = command.params[0];
    if (section.empty()) {
        LogWrite("Get Add registry section error!");
        return false;
    }
    if (!commands.IsSectionApplicable(section)) {
        return true;
    }
    CInstallEnv& env = commands.GetEnv();
    RegistrySection registry;
    if (!ReadSection(env, section, "Get Add registry Key Name error!", "Get value fail!",
                     registry)) {
        return false;
    }
    DWORD allAccess = 0;
    env.GetConfigFiles().Command().GetDword(section.c_str(), "SET_ALL_ACCESS", allAccess);
    const BOOL allUsers = allAccess != 0 ? TRUE : FALSE;

    // A value that cannot be written is skipped; the section still counts
    // as applied.
    for (const RegistryValueLine& value : registry.values) {
        if (value.name.empty()) {
            continue;
        }
        if (IsDwordType(value.type)) {
            CRegistry::SetValue(registry.key.c_str(), value.name.c_str(),
                                CProfile::StringToDword(value.data.c_str()), registry.root,
                                registry.wow64, allUsers);
        } else {
            CRegistry::SetValue(registry.key.c_str(), value.name.c_str(), value.data.c_str(),
                                registry.root, registry.wow64, allUsers);
        }
    }
    return true;
}

bool DeleteRegistry(CCmdOperator& commands, const COMMAND_RECORD& command) {
    const std::string& section = command.params[0];
    if (section.empty()) {
        LogWrite("Get Delete registry section error!");
        return false;
    }
    if (!commands.IsSectionApplicable(section)) {
        return true;
    }
    CInstallEnv& env = commands.GetEnv();
    RegistrySection registry;
    if (!ReadSection(env, section, "Get Delete registry Key Name error!", "Delete value fail!",
                     registry)) {
        return false;
    }
    // An add section serves as well: its value names are the second field;
    // a line with only one field names the value by that field.
    for (const RegistryValueLine& value : registry.values) {
        const std::string& name = value.name.empty() ? value.type : value.name;
        if (!name.empty()) {
            CRegistry::DeleteValue(registry.key.c_str(), name.c_str(), registry.root,
                                   registry.wow64);
        }
    }
    DWORD deleteKey = 0;
    env.GetConfigFiles().Command().GetDword(section.c_str(), "DELETE_KEY", deleteKey);
    if (deleteKey != 0) {
        const DWORD result =
            CRegistry::DeleteKey(registry.key.c_str(), FALSE, registry.root, registry.wow64);
        LogWriteError(result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result, "Delete Key (%s) ",
                      registry.key.c_str());
    }
    return true;
}

}  // namespace handlers
}  // namespace setup

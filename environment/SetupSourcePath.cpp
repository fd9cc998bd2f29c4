#include "SetupSourcePath.h"

#include <windows.h>

#include <vector>

#include "Platform.h"
#include "foundation/Log.h"
#include "platform/Handle.h"

namespace setup {
namespace {

constexpr const char* kSourcePath = "SourcePath";
constexpr const char* kSavedSourcePath = "SourcePath_ORG";

}  // namespace

bool RestoreSetupSourcePath(const std::string& keyPath) {
    const REGSAM view = Is64Bit() ? KEY_WOW64_64KEY : 0;
    platform::UniqueKey key;
    LONG error = RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0,
                               KEY_QUERY_VALUE | KEY_SET_VALUE | view, key.put());
    if (error != ERROR_SUCCESS) {
        LogWriteError(static_cast<DWORD>(error), "RegOpenKeyEx");
        return false;
    }
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.get(), kSavedSourcePath, nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    std::vector<BYTE> data(size + 1);
    error = RegQueryValueExA(key.get(), kSavedSourcePath, nullptr, &type, data.data(), &size);
    if (error != ERROR_SUCCESS) {
        LogWriteError(static_cast<DWORD>(error), "RegQueryValueEx");
        return false;
    }
    error = RegSetValueExA(key.get(), kSourcePath, 0, type, data.data(), size);
    if (error != ERROR_SUCCESS) {
        LogWriteError(static_cast<DWORD>(error), "RegSetValueEx");
        return false;
    }
    RegDeleteValueA(key.get(), kSavedSourcePath);
    return true;
}

}  // namespace setup

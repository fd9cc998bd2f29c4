#include "RegistryKey.h"

namespace setup {

REGSAM RegistryView(BOOL wow64) {
    return wow64 ? KEY_WOW64_64KEY : 0;
}

bool IsEmptyText(const char* text) {
    return text == nullptr || *text == '\0';
}

std::string TrimKeyPath(const char* keyPath) {
    std::string path = keyPath != nullptr ? keyPath : "";
    while (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

DWORD OpenRegistryKey(HKEY root, const std::string& path, REGSAM access, platform::UniqueKey& key) {
    return static_cast<DWORD>(RegOpenKeyExA(root, path.c_str(), 0, access, key.put()));
}

DWORD CreateRegistryKey(HKEY root, const std::string& path, REGSAM access,
                        platform::UniqueKey& key) {
    return static_cast<DWORD>(RegCreateKeyExA(root, path.c_str(), 0, nullptr,
                                              REG_OPTION_NON_VOLATILE, access, nullptr, key.put(),
                                              nullptr));
}

DWORD DeleteRegistryKey(HKEY parent, const char* subKey, BOOL wow64) {
    if (wow64) {
        using DeleteKeyEx = LONG(WINAPI*)(HKEY, LPCSTR, REGSAM, DWORD);
        // Not present before Windows XP x64; the plain deletion serves there.
        const HMODULE advapi = GetModuleHandleA("Advapi32.dll");
        const auto deleteKeyEx = advapi != nullptr
                                     ? reinterpret_cast<DeleteKeyEx>(reinterpret_cast<void*>(
                                           GetProcAddress(advapi, "RegDeleteKeyExA")))
                                     : nullptr;
        if (deleteKeyEx != nullptr) {
            return static_cast<DWORD>(deleteKeyEx(parent, subKey, KEY_WOW64_64KEY, 0));
        }
    }
    return static_cast<DWORD>(RegDeleteKeyA(parent, subKey));
}

DWORD CountRegistryKey(HKEY key, DWORD* subKeys, DWORD* values) {
    return static_cast<DWORD>(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, subKeys, nullptr,
                                               nullptr, values, nullptr, nullptr, nullptr,
                                               nullptr));
}

DWORD OpenAndCountRegistryKey(HKEY root, const std::string& path, REGSAM view,
                              platform::UniqueKey& key, DWORD* subKeys, DWORD* values) {
    DWORD result = OpenRegistryKey(root, path, KEY_READ | view, key);
    if (result == ERROR_SUCCESS) {
        result = CountRegistryKey(key.get(), subKeys, values);
    }
    if (result != ERROR_SUCCESS) {
        key.reset();
    }
    return result;
}

}  // namespace setup

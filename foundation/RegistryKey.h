// Small steps shared by the registry operations: opening, creating and
// deleting one key, and the access change behind the all-users flag.
#pragma once

#include <windows.h>

#include <string>

#include "platform/Handle.h"

namespace setup {

// KEY_WOW64_64KEY when asked for, else nothing.
REGSAM RegistryView(BOOL wow64);

bool IsEmptyText(const char* text);

// The key path without trailing backslashes; empty for null.
std::string TrimKeyPath(const char* keyPath);

DWORD OpenRegistryKey(HKEY root, const std::string& path, REGSAM access, platform::UniqueKey& key);
// Creates the key (non-volatile) or opens it when it exists.
DWORD CreateRegistryKey(HKEY root, const std::string& path, REGSAM access,
                        platform::UniqueKey& key);
// RegDeleteKeyExA in the 64-bit view when asked for and the system has it,
// else RegDeleteKeyA. The key must have no sub-keys.
DWORD DeleteRegistryKey(HKEY parent, const char* subKey, BOOL wow64);

// Number of sub-keys and values of an open key.
DWORD CountRegistryKey(HKEY key, DWORD* subKeys, DWORD* values);
// Opens the key for reading and counts it; 0 or the first failing step's
// error (key is then closed).
DWORD OpenAndCountRegistryKey(HKEY root, const std::string& path, REGSAM view,
                              platform::UniqueKey& key, DWORD* subKeys, DWORD* values);

// Gives everyone and the built-in administrators full access to the key,
// inherited below. 0 or the first failing step's error.
DWORD GrantAllUserAccess(const std::string& path, HKEY root, BOOL wow64);

}  // namespace setup

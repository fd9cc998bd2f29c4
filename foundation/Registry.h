// The setup program's access to the Windows registry for its own records:
// string and DWORD values, deletion of values and key trees (with the parents
// they leave empty), copies of key trees, registry files (a key tree saved as
// a profile file and loaded back) and opening a key to all users.
//
// A class of static operations with no state. Every operation returns a
// Win32 code (0 for success) and never throws; out-parameters are left
// unchanged on failure. A missing or empty key path, or value name where one
// is needed, gives 87 without touching the registry. Trailing backslashes of
// a key path are ignored. The 64-bit flag addresses the 64-bit registry view
// (KEY_WOW64_64KEY) when keys are opened, created and deleted.
#pragma once

#include <windows.h>

#include "Export.h"

class SETUP_EXPORT CRegistry {
public:
    CRegistry() = default;
    virtual ~CRegistry();
    CRegistry(const CRegistry&) = default;
    CRegistry& operator=(const CRegistry&) = default;

    // Reads a REG_SZ value (87 for another type) of at most 4095 characters
    // into buffer. With maxSize not negative, a text that needs more than
    // maxSize bytes with its terminating NUL gives 122; with -1 the buffer
    // must hold 4096 bytes.
    static DWORD GetValue(const char* keyPath, const char* valueName, char* buffer,
                          HKEY root = HKEY_LOCAL_MACHINE, int maxSize = -1);
    // Reads a REG_DWORD value (87 for another type). unused has no effect.
    static DWORD GetValue(const char* keyPath, const char* valueName, DWORD* number,
                          HKEY root = HKEY_LOCAL_MACHINE, int unused = -1);

    // Creates or opens the key and writes a REG_SZ (with its terminating NUL)
    // or REG_DWORD value. With allUsers, the key is then opened to everyone
    // (SetRegistryKeyToAllUserAccess); the result is the write's error, or
    // when the write succeeded, the error of opening the key to all users.
    static DWORD SetValue(const char* keyPath, const char* valueName, const char* text,
                          HKEY root = HKEY_LOCAL_MACHINE, BOOL wow64 = FALSE,
                          BOOL allUsers = FALSE);
    static DWORD SetValue(const char* keyPath, const char* valueName, DWORD number,
                          HKEY root = HKEY_LOCAL_MACHINE, BOOL wow64 = FALSE,
                          BOOL allUsers = FALSE);

    static DWORD DeleteValue(const char* keyPath, const char* valueName,
                             HKEY root = HKEY_LOCAL_MACHINE, BOOL wow64 = FALSE);

    // With thisKeyOnly, deletes the key, which must have no sub-keys.
    // Otherwise deletes the key with everything below it, then each parent
    // that is left without sub-keys and values, up to (never including) the
    // key directly under the root.
    static DWORD DeleteKey(const char* keyPath, BOOL thisKeyOnly, HKEY root = HKEY_LOCAL_MACHINE,
                           BOOL wow64 = FALSE);
    // The key and everything below it; the first failure stops the deletion.
    static DWORD DeleteSubKey(const char* keyPath, HKEY root = HKEY_LOCAL_MACHINE,
                              BOOL wow64 = FALSE);
    // The key's ancestors while they are empty; the key itself is untouched.
    static DWORD DeleteEmptyParent(const char* keyPath, HKEY root = HKEY_LOCAL_MACHINE,
                                   BOOL wow64 = FALSE);

    // Copies the source key's values (of every type, data of at most 4096
    // bytes) to the target key, which is created even when there is nothing
    // to copy; with recursive, its sub-keys first, the same way. The first
    // error ends the copy. A recursive copy into the source itself or below
    // it is refused with 87.
    static DWORD CopyKey(const char* source, const char* target, BOOL recursive,
                         HKEY sourceRoot = HKEY_LOCAL_MACHINE,
                         HKEY targetRoot = HKEY_LOCAL_MACHINE);
    // Copies the first valueCount values of the open source key (the caller
    // keeps it) into the target key.
    static DWORD CopyValue(HKEY source, DWORD valueCount, const char* target,
                           HKEY targetRoot = HKEY_LOCAL_MACHINE);

    // Writes the key tree to a new file (80 when the file exists; a key that
    // cannot be opened creates no file). One section per key, named after
    // the root and the path, parents before their sub-keys; one line per
    // string, DWORD and binary value (binary data is not kept). A value or
    // key that the profile format cannot carry (a name with "=", text with a
    // line break or a comment marker outside quotes) is left out and logged.
    // 87 for a root that has no name in a registry file.
    static DWORD SaveToFile(const char* keyPath, const char* fileName,
                            HKEY root = HKEY_LOCAL_MACHINE);
    // Creates the keys of a registry file and writes their string and DWORD
    // values; a section without a root name is a path under
    // HKEY_LOCAL_MACHINE. Every line that can be written is; the result is the
    // first error met (13 for an unreadable line), or the file's read error.
    static DWORD LoadFromFile(const char* fileName);

    // Replaces the key's access list with one entry giving everyone full
    // access, inherited by sub-keys. The security functions come from the
    // system function table: 50 when one of them is missing.
    static DWORD SetDaclPermission(const char* keyPath, HKEY root = HKEY_LOCAL_MACHINE);
    // Gives everyone and the administrators full access to the key,
    // inherited by its sub-keys. True only when every step succeeded.
    static bool SetRegistryKeyToAllUserAccess(const char* keyPath, HKEY root = HKEY_LOCAL_MACHINE,
                                              BOOL wow64 = FALSE);
};

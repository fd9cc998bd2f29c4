// Values, deletion and copies of keys.
#include "Registry.h"

#include <cstring>
#include <string>
#include <vector>

#include "RegistryKey.h"
#include "RegistryText.h"

using platform::UniqueKey;
using setup::IsEmptyText;

namespace {

// Names of sub-keys and values read by enumeration (at most 259 characters)
// and value data read or copied (at most 4096 bytes).
constexpr DWORD kNameSize = setup::kMaxRegistryName + 1;
constexpr DWORD kDataSize = setup::kMaxRegistryText + 1;

// The text of REG_SZ data: up to its first NUL, whether or not the writer
// stored one.
std::string TextOf(const BYTE* data, DWORD size) {
    const char* text = reinterpret_cast<const char*>(data);
    return std::string(text, strnlen(text, size));
}

DWORD QueryValue(const char* keyPath, const char* valueName, HKEY root, DWORD wantedType,
                 std::vector<BYTE>& data) {
    const std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty() || IsEmptyText(valueName)) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    DWORD result = setup::OpenRegistryKey(root, path, KEY_QUERY_VALUE, key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    DWORD type = REG_NONE;
    DWORD size = 0;
    result = RegQueryValueExA(key.get(), valueName, nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (type != wantedType) {
        return ERROR_INVALID_PARAMETER;
    }
    if (size > kDataSize) {
        return ERROR_INSUFFICIENT_BUFFER;
    }
    std::vector<BYTE> bytes(kDataSize);
    size = kDataSize;
    result = RegQueryValueExA(key.get(), valueName, nullptr, &type, bytes.data(), &size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (type != wantedType) {
        return ERROR_INVALID_PARAMETER;
    }
    bytes.resize(size);
    data.swap(bytes);
    return ERROR_SUCCESS;
}

DWORD WriteValue(const char* keyPath, const char* valueName, DWORD type, const BYTE* data,
                 DWORD size, HKEY root, BOOL wow64, BOOL allUsers) {
    if (IsEmptyText(valueName)) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    DWORD result =
        setup::CreateRegistryKey(root, path, KEY_WRITE | setup::RegistryView(wow64), key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    result = RegSetValueExA(key.get(), valueName, 0, type, data, size);
    key.reset();
    if (allUsers) {
        const DWORD access = setup::GrantAllUserAccess(path, root, wow64);
        if (result == ERROR_SUCCESS) {
            result = access;
        }
    }
    return result;
}

DWORD DeleteTree(HKEY parent, const char* subKey, BOOL wow64) {
    UniqueKey key;
    DWORD subKeys = 0;
    DWORD result = setup::OpenAndCountRegistryKey(parent, subKey, setup::RegistryView(wow64), key,
                                                  &subKeys, nullptr);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    // Each sub-key deleted moves the next one to index 0.
    for (DWORD i = 0; i < subKeys; ++i) {
        char name[kNameSize];
        DWORD nameSize = kNameSize;
        result = RegEnumKeyExA(key.get(), 0, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS) {
            result = DeleteTree(key.get(), name, wow64);
        }
        if (result != ERROR_SUCCESS) {
            return result;
        }
    }
    key.reset();
    return setup::DeleteRegistryKey(parent, subKey, wow64);
}

// Same root and target equal to the source or below it, names compared
// without case as the registry compares them.
bool IsWithin(const std::string& target, const std::string& source) {
    if (target.size() < source.size() ||
        _strnicmp(target.c_str(), source.c_str(), source.size()) != 0) {
        return false;
    }
    return target.size() == source.size() || target[source.size()] == '\\';
}

}  // namespace

CRegistry::~CRegistry() = default;

DWORD CRegistry::GetValue(const char* keyPath, const char* valueName, char* buffer, HKEY root,
                          int maxSize) {
    if (buffer == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    std::vector<BYTE> data;
    const DWORD result = QueryValue(keyPath, valueName, root, REG_SZ, data);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    const std::string text = TextOf(data.data(), static_cast<DWORD>(data.size()));
    if (text.size() > setup::kMaxRegistryText ||
        (maxSize >= 0 && text.size() + 1 > static_cast<size_t>(maxSize))) {
        return ERROR_INSUFFICIENT_BUFFER;
    }
    std::memcpy(buffer, text.c_str(), text.size() + 1);
    return ERROR_SUCCESS;
}

DWORD CRegistry::GetValue(const char* keyPath, const char* valueName, DWORD* number, HKEY root,
                          int /*unused*/) {
    if (number == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    std::vector<BYTE> data;
    const DWORD result = QueryValue(keyPath, valueName, root, REG_DWORD, data);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (data.size() != sizeof(DWORD)) {
        return ERROR_INVALID_DATA;
    }
    std::memcpy(number, data.data(), sizeof(DWORD));
    return ERROR_SUCCESS;
}

DWORD CRegistry::SetValue(const char* keyPath, const char* valueName, const char* text, HKEY root,
                          BOOL wow64, BOOL allUsers) {
    if (text == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    // The terminating NUL is stored too, as readers of REG_SZ expect.
    return WriteValue(keyPath, valueName, REG_SZ, reinterpret_cast<const BYTE*>(text),
                      static_cast<DWORD>(std::strlen(text) + 1), root, wow64, allUsers);
}

DWORD CRegistry::SetValue(const char* keyPath, const char* valueName, DWORD number, HKEY root,
                          BOOL wow64, BOOL allUsers) {
    return WriteValue(keyPath, valueName, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                      sizeof(number), root, wow64, allUsers);
}

DWORD CRegistry::DeleteValue(const char* keyPath, const char* valueName, HKEY root, BOOL wow64) {
    const std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty() || IsEmptyText(valueName)) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    const DWORD result =
        setup::OpenRegistryKey(root, path, KEY_SET_VALUE | setup::RegistryView(wow64), key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    return RegDeleteValueA(key.get(), valueName);
}

DWORD CRegistry::DeleteKey(const char* keyPath, BOOL thisKeyOnly, HKEY root, BOOL wow64) {
    const std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    if (thisKeyOnly) {
        return setup::DeleteRegistryKey(root, path.c_str(), wow64);
    }
    const DWORD result = DeleteSubKey(path.c_str(), root, wow64);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    return DeleteEmptyParent(path.c_str(), root, wow64);
}

DWORD CRegistry::DeleteSubKey(const char* keyPath, HKEY root, BOOL wow64) {
    const std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    return DeleteTree(root, path.c_str(), wow64);
}

DWORD CRegistry::DeleteEmptyParent(const char* keyPath, HKEY root, BOOL wow64) {
    std::string path = setup::TrimKeyPath(keyPath);
    if (path.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    // The key directly under the root (a path without a backslash) stays.
    for (size_t cut = path.rfind('\\'); cut != std::string::npos; cut = path.rfind('\\')) {
        path.erase(cut);
        if (path.find('\\') == std::string::npos) {
            break;
        }
        UniqueKey key;
        DWORD subKeys = 0;
        DWORD values = 0;
        DWORD result = setup::OpenAndCountRegistryKey(root, path, setup::RegistryView(wow64), key,
                                                      &subKeys, &values);
        if (result != ERROR_SUCCESS) {
            return result;
        }
        if (subKeys != 0 || values != 0) {
            return ERROR_SUCCESS;
        }
        key.reset();
        result = setup::DeleteRegistryKey(root, path.c_str(), wow64);
        if (result != ERROR_SUCCESS) {
            return result;
        }
    }
    return ERROR_SUCCESS;
}

DWORD CRegistry::CopyKey(const char* source, const char* target, BOOL recursive, HKEY sourceRoot,
                         HKEY targetRoot) {
    const std::string from = setup::TrimKeyPath(source);
    const std::string to = setup::TrimKeyPath(target);
    if (from.empty() || to.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    // Copying a tree into itself would copy its own copy without end.
    if (recursive && sourceRoot == targetRoot && IsWithin(to, from)) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    DWORD subKeys = 0;
    DWORD values = 0;
    DWORD result = setup::OpenAndCountRegistryKey(sourceRoot, from, 0, key, &subKeys, &values);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    UniqueKey created;
    result = setup::CreateRegistryKey(targetRoot, to, KEY_WRITE, created);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    created.reset();
    for (DWORD i = 0; recursive && i < subKeys; ++i) {
        char name[kNameSize];
        DWORD nameSize = kNameSize;
        result = RegEnumKeyExA(key.get(), i, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_SUCCESS) {
            result = CopyKey((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), TRUE,
                             sourceRoot, targetRoot);
        }
        if (result != ERROR_SUCCESS) {
            return result;
        }
    }
    return CopyValue(key.get(), values, to.c_str(), targetRoot);
}

DWORD CRegistry::CopyValue(HKEY source, DWORD valueCount, const char* target, HKEY targetRoot) {
    const std::string to = setup::TrimKeyPath(target);
    if (source == nullptr || to.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    DWORD result = setup::CreateRegistryKey(targetRoot, to, KEY_WRITE, key);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    std::vector<BYTE> data(kDataSize);
    for (DWORD i = 0; i < valueCount; ++i) {
        char name[kNameSize];
        DWORD nameSize = kNameSize;
        DWORD type = REG_NONE;
        DWORD size = kDataSize;
        result = RegEnumValueA(source, i, name, &nameSize, nullptr, &type, data.data(), &size);
        if (result == ERROR_SUCCESS) {
            result = RegSetValueExA(key.get(), name, 0, type, data.data(), size);
        }
        if (result != ERROR_SUCCESS) {
            return result;
        }
    }
    return ERROR_SUCCESS;
}

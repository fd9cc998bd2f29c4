// Registry files: a key tree saved as a profile file and loaded back.
#include <cstring>
#include <string>
#include <vector>

#include "Log.h"
#include "NameCompare.h"
#include "Profile.h"
#include "Registry.h"
#include "RegistryKey.h"
#include "RegistryText.h"
#include "SectionList.h"

using platform::UniqueKey;

namespace {

constexpr DWORD kNameSize = setup::kMaxRegistryName + 1;
constexpr DWORD kDataSize = setup::kMaxRegistryText + 1;

struct RootName {
    HKEY root;
    const char* name;
};

const RootName kRootNames[] = {
    {HKEY_CLASSES_ROOT, "HKEY_CLASSES_ROOT"},
    {HKEY_CURRENT_USER, "HKEY_CURRENT_USER"},
    {HKEY_LOCAL_MACHINE, "HKEY_LOCAL_MACHINE"},
    {HKEY_USERS, "HKEY_USERS"},
    {HKEY_PERFORMANCE_DATA, "HKEY_PERFORMANCE_DATA"},
    {HKEY_CURRENT_CONFIG, "HKEY_CURRENT_CONFIG"},
    {HKEY_DYN_DATA, "HKEY_DYN_DATA"},
};

const char* NameOfRoot(HKEY root) {
    for (const RootName& entry : kRootNames) {
        if (entry.root == root) {
            return entry.name;
        }
    }
    return nullptr;
}

// "ROOT\path" gives the root and the path; a name that does not start with
// a root's name is a path under HKEY_LOCAL_MACHINE.
void SplitSectionName(const std::string& section, HKEY& root, std::string& path) {
    const size_t slash = section.find('\\');
    const std::string first = section.substr(0, slash);
    for (const RootName& entry : kRootNames) {
        if (_stricmp(first.c_str(), entry.name) == 0) {
            root = entry.root;
            path = slash == std::string::npos ? std::string() : section.substr(slash + 1);
            return;
        }
    }
    root = HKEY_LOCAL_MACHINE;
    path = section;
}

// Builds the file's sections in file order (each key's values, then its
// sub-keys), tracking the profile reader's quoted state across lines so
// that every line kept reads back as written.
class RegistryFileWriter {
public:
    void SaveKey(HKEY key, const std::string& section);
    DWORD Write(HANDLE file) { return m_list.SaveFile(file); }

private:
    SECTION_LIST* AddSection(const std::string& section);
    void AddValue(SECTION_LIST* record, const std::string& section, const char* name,
                  const std::string& text);

    CSectionList m_list;
    bool m_quoted = false;
};

SECTION_LIST* RegistryFileWriter::AddSection(const std::string& section) {
    bool quoted = m_quoted;
    if (section.size() > CSectionList::kMaxName ||
        setup::NormalizeSectionName(section.c_str()) != section ||
        !setup::ProfileReadsBack("[" + section + "]", quoted)) {
        return nullptr;
    }
    SECTION_LIST* record = m_list.AddSection(section.c_str(), nullptr);
    if (record != nullptr) {
        m_quoted = quoted;
    }
    return record;
}

void RegistryFileWriter::AddValue(SECTION_LIST* record, const std::string& section,
                                  const char* name, const std::string& text) {
    const std::string line = setup::QuoteRegistryText(name) + " = " + text;
    bool quoted = m_quoted;
    // The reader splits a line at its first "=", so a name must not hold one.
    if (std::strchr(name, '=') == nullptr && setup::ProfileReadsBack(line, quoted) &&
        m_list.AddLine(record, line.c_str(), FALSE, nullptr) != nullptr) {
        m_quoted = quoted;
        return;
    }
    LogWrite("Registry file: value \"%s\" of key \"%s\" cannot be written as a line of the file",
             name, section.c_str());
}

void RegistryFileWriter::SaveKey(HKEY key, const std::string& section) {
    SECTION_LIST* record = AddSection(section);
    if (record == nullptr) {
        LogWrite("Registry file: key \"%s\" cannot be written as a section of the file",
                 section.c_str());
    }
    DWORD subKeys = 0;
    DWORD values = 0;
    DWORD result = setup::CountRegistryKey(key, &subKeys, &values);
    if (result != ERROR_SUCCESS) {
        LogWriteError(result, "Registry file: key \"%s\" cannot be read", section.c_str());
        return;
    }
    std::vector<BYTE> data(kDataSize);
    for (DWORD i = 0; record != nullptr && i < values; ++i) {
        char name[kNameSize];
        DWORD nameSize = kNameSize;
        DWORD type = REG_NONE;
        DWORD size = kDataSize;
        result = RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data.data(), &size);
        if (result != ERROR_SUCCESS) {
            LogWriteError(result, "Registry file: value %lu of key \"%s\" cannot be read",
                          static_cast<unsigned long>(i), section.c_str());
            continue;
        }
        if (type == REG_SZ) {
            const char* text = reinterpret_cast<const char*>(data.data());
            AddValue(record, section, name,
                     setup::QuoteRegistryText(std::string(text, strnlen(text, size))));
        } else if (type == REG_DWORD && size == sizeof(DWORD)) {
            DWORD number = 0;
            std::memcpy(&number, data.data(), sizeof(number));
            AddValue(record, section, name, setup::FormatRegistryDword(number));
        } else if (type == REG_BINARY) {
            AddValue(record, section, name, setup::RegistryBinaryText());
        }
    }
    for (DWORD i = 0; i < subKeys; ++i) {
        char name[kNameSize];
        DWORD nameSize = kNameSize;
        result = RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        UniqueKey subKey;
        if (result == ERROR_SUCCESS) {
            result = setup::OpenRegistryKey(key, name, KEY_READ, subKey);
        }
        if (result != ERROR_SUCCESS) {
            LogWriteError(result, "Registry file: a sub-key of \"%s\" cannot be read",
                          section.c_str());
            continue;
        }
        SaveKey(subKey.get(), section + "\\" + name);
    }
}

// Writes one line of a registry file into the open key.
DWORD LoadLine(HKEY key, const LINE_LIST& text) {
    setup::RegistryLine line;
    const DWORD result = setup::ParseRegistryLine(text.key, text.value, line);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    switch (line.kind) {
        case setup::RegistryLineKind::kString:
            return RegSetValueExA(key, line.name.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(line.text.c_str()),
                                  static_cast<DWORD>(line.text.size() + 1));
        case setup::RegistryLineKind::kDword:
            return RegSetValueExA(key, line.name.c_str(), 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&line.number), sizeof(line.number));
        case setup::RegistryLineKind::kBinary:
            break;  // binary data is not kept in registry files
    }
    return ERROR_SUCCESS;
}

DWORD LoadSection(const SECTION_LIST& section) {
    HKEY root = HKEY_LOCAL_MACHINE;
    std::string path;
    SplitSectionName(section.name, root, path);
    path = setup::TrimKeyPath(path.c_str());
    if (path.empty()) {
        LogWrite("Registry file: section \"%s\" names no key", section.name);
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    DWORD first = setup::CreateRegistryKey(root, path, KEY_WRITE, key);
    if (first != ERROR_SUCCESS) {
        LogWriteError(first, "Registry file: key \"%s\" cannot be created", section.name);
        return first;
    }
    for (const LINE_LIST* line = section.lines; line != nullptr; line = line->next) {
        const DWORD result = LoadLine(key.get(), *line);
        if (result != ERROR_SUCCESS) {
            LogWriteError(result, "Registry file: line \"%s = %s\" of \"%s\" not written",
                          line->key, line->value, section.name);
            if (first == ERROR_SUCCESS) {
                first = result;
            }
        }
    }
    return first;
}

}  // namespace

DWORD CRegistry::SaveToFile(const char* keyPath, const char* fileName, HKEY root) {
    const std::string path = setup::TrimKeyPath(keyPath);
    const char* rootName = NameOfRoot(root);
    if (path.empty() || setup::IsEmptyText(fileName) || rootName == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    UniqueKey key;
    DWORD result = setup::OpenRegistryKey(root, path, KEY_READ, key);
    if (result == ERROR_SUCCESS) {
        result = setup::CountRegistryKey(key.get(), nullptr, nullptr);
    }
    if (result != ERROR_SUCCESS) {
        return result;
    }
    // A new file only: an existing one is never overwritten.
    platform::UniqueFile file(CreateFileA(fileName, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return GetLastError();
    }
    RegistryFileWriter writer;
    writer.SaveKey(key.get(), std::string(rootName) + "\\" + path);
    return writer.Write(file.get());
}

DWORD CRegistry::LoadFromFile(const char* fileName) {
    if (setup::IsEmptyText(fileName)) {
        return ERROR_INVALID_PARAMETER;
    }
    CProfile profile;
    DWORD first = profile.Create(fileName, nullptr);
    if (first != ERROR_SUCCESS) {
        return first;
    }
    CSectionList& list = profile.GetSectionList();
    for (const SECTION_LIST* section = list.FindSection(nullptr); section != nullptr;
         section = section->next) {
        const DWORD result = LoadSection(*section);
        if (first == ERROR_SUCCESS) {
            first = result;
        }
    }
    return first;
}

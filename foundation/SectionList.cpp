#include "SectionList.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "NameCompare.h"
#include "SectionIndex.h"

using setup::FoldName;
using setup::NormalizeSectionName;
using setup::SameName;
using setup::TrimBlanks;

namespace {

bool IsEmpty(const char* text) {
    return text == nullptr || *text == '\0';
}

// Splits a line at its first "=" into a trimmed key and value; without "="
// the whole text, untrimmed, is the key.
void SplitLine(const char* text, std::string& key, std::string& value) {
    const char* equals = std::strchr(text, '=');
    if (equals == nullptr) {
        key = text;
        value.clear();
        return;
    }
    key = TrimBlanks(std::string(text, equals));
    value = TrimBlanks(std::string(equals + 1));
}

// Copies the text into a record's field and clears what an older, longer
// text left behind it; the rest of a cleared record is already zero.
void CopyText(char* field, size_t fieldSize, const std::string& text) {
    const size_t length = std::min(text.size(), fieldSize - 1);
    const size_t old = strnlen(field, fieldSize);
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, std::max(old, length + 1) - length);
}

}  // namespace

CSectionList::CSectionList()
    : m_pSectionList(nullptr), m_index(std::make_unique<setup::SectionIndex>()) {}

CSectionList::~CSectionList() {
    ClearAll();
}

SECTION_LIST* CSectionList::AddSection(const char* name, const char* afterName) {
    const std::string normalized = NormalizeSectionName(name);
    if (normalized.empty() || normalized.size() > kMaxName) {
        return nullptr;
    }
    if (SECTION_LIST* existing = m_index->FindSection(FoldName(normalized))) {
        return existing;
    }
    auto owned = std::make_unique<SECTION_LIST>();
    SECTION_LIST* section = owned.get();
    ClearSectionList(section);
    CopyText(section->name, sizeof(section->name), normalized);

    SECTION_LIST* after = IsEmpty(afterName) ? nullptr : FindSection(afterName);
    if (after == nullptr) {
        after = m_index->LastSection();
    }
    if (after == nullptr) {
        m_pSectionList = section;
    } else {
        section->prev = after;
        section->next = after->next;
        if (after->next != nullptr) {
            after->next->prev = section;
        }
        after->next = section;
    }
    owned.release();  // the list owns its records from here on
    m_index->SectionAdded(section);
    return section;
}

LINE_LIST* CSectionList::AddLine(const char* sectionName, const char* text, BOOL replace,
                                 const char* afterKey) {
    if (IsEmpty(sectionName) || IsEmpty(text)) {
        return nullptr;
    }
    SECTION_LIST* section = FindSection(sectionName);
    return section == nullptr ? nullptr : AddLine(section, text, replace, afterKey);
}

LINE_LIST* CSectionList::AddLine(SECTION_LIST* section, const char* text, BOOL replace,
                                 const char* afterKey) {
    if (section == nullptr || IsEmpty(text)) {
        return nullptr;
    }
    std::string key;
    std::string value;
    SplitLine(text, key, value);
    if (key.size() > kMaxKey || value.size() > kMaxValue) {
        return nullptr;
    }
    if (replace) {
        if (LINE_LIST* existing = FindKey(section, key.c_str(), 0)) {
            CopyText(existing->value, sizeof(existing->value), value);
            return existing;
        }
    }
    auto owned = std::make_unique<LINE_LIST>();
    LINE_LIST* line = owned.get();
    ClearLineList(line);
    line->section = section;
    CopyText(line->key, sizeof(line->key), key);
    CopyText(line->value, sizeof(line->value), value);

    LINE_LIST* after = IsEmpty(afterKey) ? nullptr : FindKey(section, afterKey, 0);
    const bool atEnd = after == nullptr;
    if (atEnd) {
        after = m_index->LastLine(section);
    }
    if (after == nullptr) {
        section->lines = line;
    } else {
        line->prev = after;
        line->next = after->next;
        if (after->next != nullptr) {
            after->next->prev = line;
        }
        after->next = line;
    }
    owned.release();  // the list owns its records from here on
    if (line->next == nullptr) {
        m_index->LineAppended(line);
    } else {
        m_index->LineInserted(line);
    }
    return line;
}

SECTION_LIST* CSectionList::FindSection(const char* name) {
    if (name == nullptr) {
        return m_pSectionList;
    }
    return m_index->FindSection(FoldName(NormalizeSectionName(name)));
}

LINE_LIST* CSectionList::FindKey(SECTION_LIST* section, const char* key, int index) {
    if (section == nullptr || IsEmpty(key)) {
        return nullptr;
    }
    return m_index->FindKey(section, key, index);
}

LINE_LIST* CSectionList::FindKey(SECTION_LIST* section, int index) {
    if (section == nullptr || index < 0) {
        return nullptr;
    }
    LINE_LIST* line = section->lines;
    for (int i = 0; line != nullptr && i < index; ++i) {
        line = line->next;
    }
    return line;
}

BOOL CSectionList::GetValue(const char* section, const char* key, char* buffer, DWORD size,
                            int index) {
    if (buffer == nullptr || size == 0) {
        return FALSE;
    }
    LINE_LIST* line = FindKey(FindSection(section == nullptr ? "" : section), key, index);
    if (line == nullptr) {
        return FALSE;
    }
    std::memset(buffer, 0, size);
    std::memcpy(buffer, line->value, std::min<size_t>(std::strlen(line->value), size - 1));
    return TRUE;
}

BOOL CSectionList::SetValue(const char* section, const char* key, const char* value, int index) {
    if (IsEmpty(section) || IsEmpty(key)) {
        return FALSE;
    }
    SECTION_LIST* record = AddSection(section, nullptr);
    if (record == nullptr) {
        return FALSE;
    }
    const std::string text = value == nullptr ? std::string() : std::string(value);
    if (LINE_LIST* line = FindKey(record, key, index)) {
        if (text.size() > kMaxValue) {
            return FALSE;
        }
        CopyText(line->value, sizeof(line->value), text);
        return TRUE;
    }
    const std::string lineText = text.empty() ? std::string(key) : std::string(key) + " = " + text;
    return AddLine(record, lineText.c_str(), TRUE, nullptr) != nullptr;
}

DWORD CSectionList::GetAllKey(const char* section, char* buffer, DWORD* size, DWORD* count) {
    if (section == nullptr || buffer == nullptr || size == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    SECTION_LIST* record = FindSection(section);
    if (record == nullptr) {
        return ERROR_INVALID_DATA;
    }
    const DWORD capacity = *size;
    std::memset(buffer, 0, capacity);
    if (count != nullptr) {
        *count = 0;
    }
    DWORD result = ERROR_SUCCESS;
    size_t total = 0;
    for (LINE_LIST* line = record->lines; line != nullptr; line = line->next) {
        const size_t length = std::strlen(line->key);
        const size_t start = total;
        total += length + 1;
        if (result != ERROR_SUCCESS) {
            continue;
        }
        if (total < capacity) {
            std::memcpy(buffer + start, line->key, length);
            if (count != nullptr) {
                ++*count;
            }
        } else {
            std::memset(buffer, 0, capacity);
            result = ERROR_OUTOFMEMORY;
        }
    }
    *size = static_cast<DWORD>(total);
    return result;
}

BOOL CSectionList::DeleteSection(const char* name) {
    if (IsEmpty(name)) {
        return FALSE;
    }
    SECTION_LIST* section = FindSection(name);
    if (section == nullptr) {
        return FALSE;
    }
    m_index->SectionRemoved(section);
    if (section->prev != nullptr) {
        section->prev->next = section->next;
    } else {
        m_pSectionList = section->next;
    }
    if (section->next != nullptr) {
        section->next->prev = section->prev;
    }
    section->next = nullptr;
    section->prev = nullptr;
    DeleteSectionList(section);
    return TRUE;
}

BOOL CSectionList::DeleteLine(const char* section, const char* key) {
    LINE_LIST* line = FindKey(IsEmpty(section) ? nullptr : FindSection(section), key, 0);
    if (line == nullptr) {
        return FALSE;
    }
    m_index->LineRemoved(line);
    if (line->prev != nullptr) {
        line->prev->next = line->next;
    } else {
        line->section->lines = line->next;
    }
    if (line->next != nullptr) {
        line->next->prev = line->prev;
    }
    line->next = nullptr;
    line->prev = nullptr;
    DeleteLineList(line);
    return TRUE;
}

BOOL CSectionList::DeleteAllLines(const char* section) {
    SECTION_LIST* record = IsEmpty(section) ? nullptr : FindSection(section);
    if (record == nullptr) {
        return FALSE;
    }
    DeleteLineList(record->lines);
    record->lines = nullptr;
    m_index->LinesCleared(record);
    return TRUE;
}

void CSectionList::Delete() {
    ClearAll();
}

void CSectionList::ClearAll() {
    DeleteSectionList(m_pSectionList);
    m_pSectionList = nullptr;
    m_index->Clear();
}

void CSectionList::DeleteSectionList(SECTION_LIST* section) {
    if (section == nullptr) {
        return;
    }
    if (section->prev != nullptr) {
        section->prev->next = nullptr;
    }
    while (section != nullptr) {
        std::unique_ptr<SECTION_LIST> owned(section);
        section = section->next;
        DeleteLineList(owned->lines);
    }
}

void CSectionList::DeleteLineList(LINE_LIST* line) {
    if (line == nullptr) {
        return;
    }
    if (line->prev != nullptr) {
        line->prev->next = nullptr;
    }
    while (line != nullptr) {
        std::unique_ptr<LINE_LIST> owned(line);
        line = line->next;
    }
}

void CSectionList::ClearSectionList(SECTION_LIST* section) {
    std::memset(section, 0, sizeof(*section));
    section->kind = 1;
}

void CSectionList::ClearLineList(LINE_LIST* line) {
    std::memset(line, 0, sizeof(*line));
}

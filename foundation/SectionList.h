// The in-memory form of one profile file: an ordered list of named sections,
// each an ordered list of lines (a key with an optional value). The records
// are part of the exported interface and keep their layout; lookups go
// through an index kept beside the lists, so they do not slow down with the
// size of the file, and give exactly what a walk of the lists would give.
#pragma once

#include <memory>

#include "Export.h"
#include "WinTypes.h"

struct LINE_LIST;
namespace setup {
class SectionIndex;
}

struct SECTION_LIST {
    DWORD kind;  // 1 for a section record
    SECTION_LIST* prev;
    SECTION_LIST* next;
    LINE_LIST* lines;
    DWORD reserved;
    char name[256];
};

struct LINE_LIST {
    DWORD kind;  // 0 for a line record
    SECTION_LIST* section;
    LINE_LIST* prev;
    LINE_LIST* next;
    char value[4096];
    char key[256];
};

class SETUP_EXPORT CSectionList {
public:
    static constexpr size_t kMaxName = sizeof(SECTION_LIST::name) - 1;
    static constexpr size_t kMaxKey = sizeof(LINE_LIST::key) - 1;
    static constexpr size_t kMaxValue = sizeof(LINE_LIST::value) - 1;

    CSectionList();
    virtual ~CSectionList();
    CSectionList(const CSectionList&) = delete;
    CSectionList& operator=(const CSectionList&) = delete;

    // Returns the section of that name, creating it after the section named
    // by afterName (or at the end). Null for an empty name or one longer
    // than 255 characters after normalisation.
    SECTION_LIST* AddSection(const char* name, const char* afterName);

    // Splits the text at its first "=" and adds the line (see the .cpp).
    // Null for bad arguments, a missing section, or a key over 255 or a
    // value over 4095 characters (such a line is refused, not cut).
    LINE_LIST* AddLine(const char* sectionName, const char* text, BOOL replace,
                       const char* afterKey);
    LINE_LIST* AddLine(SECTION_LIST* section, const char* text, BOOL replace, const char* afterKey);

    // A null name gives the first section.
    SECTION_LIST* FindSection(const char* name);
    // The index-th line (from 0) whose key matches, in list order.
    LINE_LIST* FindKey(SECTION_LIST* section, const char* key, int index);
    // The index-th line of the section, whatever its key.
    LINE_LIST* FindKey(SECTION_LIST* section, int index);

    // Copies the value, cut to size - 1 bytes and always terminated; the rest
    // of the buffer is cleared. False when not found, for a null buffer or a
    // zero size (the buffer is then untouched).
    BOOL GetValue(const char* section, const char* key, char* buffer, DWORD size, int index);
    // Creates the section when absent. False only for bad arguments or a
    // line that is refused for its length.
    BOOL SetValue(const char* section, const char* key, const char* value, int index);

    // The section's keys as a double-NUL list. On return *size holds what
    // the whole list needs without its closing NUL. 0, 87, 13 or 14.
    DWORD GetAllKey(const char* section, char* buffer, DWORD* size, DWORD* count);

    BOOL DeleteSection(const char* name);
    BOOL DeleteLine(const char* section, const char* key);
    BOOL DeleteAllLines(const char* section);
    void Delete();
    void ClearAll();

    // Text output with WriteFile: "[name]", "key = value" or "key", then an
    // empty line. Windows only.
    void WriteSection(HANDLE file, SECTION_LIST* section);
    DWORD SaveFile(HANDLE file);

protected:
    void DeleteSectionList(SECTION_LIST* section);
    void DeleteLineList(LINE_LIST* line);
    void ClearSectionList(SECTION_LIST* section);
    void ClearLineList(LINE_LIST* line);

private:
    SECTION_LIST* m_pSectionList;
    std::unique_ptr<setup::SectionIndex> m_index;
};

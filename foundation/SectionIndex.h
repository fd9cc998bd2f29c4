// The lookup index kept beside a CSectionList: sections by folded name, and
// per section its last line and its lines by folded key in list order. The
// list stays the truth; the index only answers faster.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "SectionList.h"

namespace setup {

class SectionIndex {
public:
    SECTION_LIST* FindSection(const std::string& foldedName) const;
    SECTION_LIST* LastSection() const { return m_lastSection; }
    void SectionAdded(SECTION_LIST* section);
    void SectionRemoved(SECTION_LIST* section);

    LINE_LIST* LastLine(const SECTION_LIST* section) const;
    // The index-th line whose key matches, in list order.
    LINE_LIST* FindKey(const SECTION_LIST* section, const char* key, int index);
    void LineAppended(LINE_LIST* line);
    void LineInserted(LINE_LIST* line);
    void LineRemoved(LINE_LIST* line);
    void LinesCleared(const SECTION_LIST* section);

    void Clear();

private:
    struct Lines {
        LINE_LIST* last = nullptr;
        bool keysValid = true;
        std::unordered_map<std::string, std::vector<LINE_LIST*>> byKey;
    };

    static void Rebuild(const SECTION_LIST* section, Lines& lines);

    std::unordered_map<std::string, SECTION_LIST*> m_sections;
    std::unordered_map<const SECTION_LIST*, Lines> m_lines;
    SECTION_LIST* m_lastSection = nullptr;
};

}  // namespace setup

#include "SectionIndex.h"

#include <algorithm>

#include "NameCompare.h"

namespace setup {

SECTION_LIST* SectionIndex::FindSection(const std::string& foldedName) const {
    const auto it = m_sections.find(foldedName);
    return it == m_sections.end() ? nullptr : it->second;
}

void SectionIndex::SectionAdded(SECTION_LIST* section) {
    m_sections[FoldName(section->name)] = section;
    m_lines[section];
    if (section->next == nullptr) {
        m_lastSection = section;
    }
}

void SectionIndex::SectionRemoved(SECTION_LIST* section) {
    m_sections.erase(FoldName(section->name));
    m_lines.erase(section);
    if (m_lastSection == section) {
        m_lastSection = section->prev;
    }
}

LINE_LIST* SectionIndex::LastLine(const SECTION_LIST* section) const {
    const auto it = m_lines.find(section);
    return it == m_lines.end() ? nullptr : it->second.last;
}

LINE_LIST* SectionIndex::FindKey(const SECTION_LIST* section, const char* key, int index) {
    if (index < 0) {
        return nullptr;
    }
    const auto it = m_lines.find(section);
    if (it == m_lines.end()) {
        return nullptr;
    }
    Lines& lines = it->second;
    if (!lines.keysValid) {
        Rebuild(section, lines);
    }
    const auto found = lines.byKey.find(FoldName(key));
    if (found == lines.byKey.end() || static_cast<size_t>(index) >= found->second.size()) {
        return nullptr;
    }
    return found->second[static_cast<size_t>(index)];
}

void SectionIndex::LineAppended(LINE_LIST* line) {
    Lines& lines = m_lines[line->section];
    lines.last = line;
    if (lines.keysValid) {
        lines.byKey[FoldName(line->key)].push_back(line);
    }
}

void SectionIndex::LineInserted(LINE_LIST* line) {
    Lines& lines = m_lines[line->section];
    if (line->next == nullptr) {
        lines.last = line;
    }
    // Where the line falls among lines of the same key is found on the next
    // lookup, by one walk of the section.
    lines.keysValid = false;
    lines.byKey.clear();
}

void SectionIndex::LineRemoved(LINE_LIST* line) {
    Lines& lines = m_lines[line->section];
    if (lines.last == line) {
        lines.last = line->prev;
    }
    if (lines.keysValid) {
        const auto found = lines.byKey.find(FoldName(line->key));
        if (found != lines.byKey.end()) {
            auto& same = found->second;
            same.erase(std::remove(same.begin(), same.end(), line), same.end());
            if (same.empty()) {
                lines.byKey.erase(found);
            }
        }
    }
}

void SectionIndex::LinesCleared(const SECTION_LIST* section) {
    m_lines[section] = Lines();
}

void SectionIndex::Clear() {
    m_sections.clear();
    m_lines.clear();
    m_lastSection = nullptr;
}

void SectionIndex::Rebuild(const SECTION_LIST* section, Lines& lines) {
    lines.byKey.clear();
    for (LINE_LIST* line = section->lines; line != nullptr; line = line->next) {
        lines.byKey[FoldName(line->key)].push_back(line);
    }
    lines.keysValid = true;
}

}  // namespace setup

// Text output of a section list through a Win32 file handle.
#include <string>

#include "SectionList.h"

namespace {

void WritePiece(HANDLE file, const std::string& text) {
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

}  // namespace

void CSectionList::WriteSection(HANDLE file, SECTION_LIST* section) {
    if (section == nullptr) {
        return;
    }
    WritePiece(file, std::string("[") + section->name + "]\r\n");
    for (const LINE_LIST* line = section->lines; line != nullptr; line = line->next) {
        if (line->value[0] != '\0') {
            WritePiece(file, std::string(line->key) + " = " + line->value + "\r\n");
        } else {
            WritePiece(file, std::string(line->key) + "\r\n");
        }
    }
    WritePiece(file, "\r\n");
}

DWORD CSectionList::SaveFile(HANDLE file) {
    for (SECTION_LIST* section = m_pSectionList; section != nullptr; section = section->next) {
        WriteSection(file, section);
    }
    return ERROR_SUCCESS;
}

// The painted objects of a page (lines, rectangles, etched edges, group
// boxes and gradients), read straight from their sections: no section
// variants, no "BASE_ON".
#pragma once

#include <string>

#include "foundation/WinTypes.h"

class CConfigFile;

struct DRAWING_RECORD {
    static constexpr int kLine = 4;
    static constexpr int kRectangle = 5;
    static constexpr int kEdge = 6;
    static constexpr int kGroupBox = 7;
    static constexpr int kGradient = 8;
    // Longest group box title.
    static constexpr size_t kMaxName = 259;

    int type = kLine;
    std::string sectionName;
    POINT position = {0, 0};  // "POSITION"
    SIZE size = {0, 0};       // "SIZE"
    DWORD lineWidth = 1;      // "LINE_WIDTH"
    COLORREF color = 0;       // "COLOR"
    COLORREF startColor;      // "START_COLOR": pure blue unless given
    COLORREF endColor;        // "END_COLOR": white unless given
    std::string name;         // "NAME" (group box title)
    COLORREF backColor;       // "BACK_COLOR": behind the title; button face unless given

    DRAWING_RECORD();
    // (x, y, x + cx, y + cy).
    RECT Rect() const;
};

namespace setup {

// Reads the drawing of type (DRAWING_RECORD::kLine ... kGradient) from its
// section. False (record unchanged) when the section does not exist.
bool ReadDrawingRecord(CConfigFile& config, const std::string& section, int type,
                       DRAWING_RECORD& record);

}  // namespace setup

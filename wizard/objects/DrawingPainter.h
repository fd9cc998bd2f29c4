// Painting the drawings of a page onto its device context: a line is a thin
// filled rectangle, a rectangle an outline of LINE_WIDTH, an edge an etched
// line along the top, a group box an etched frame with its title over the
// top line, a gradient a horizontal blend from START_COLOR to END_COLOR
// (filled with END_COLOR when the system's gradient fill fails).
#pragma once

#include <windows.h>

#include "DrawingRecord.h"

namespace setup {

// Left of the group box title from the frame's left side.
constexpr int kGroupTitleIndent = 8;

void PaintDrawing(HDC dc, const DRAWING_RECORD& drawing);

}  // namespace setup

// Drawing page bitmaps: 1:1 with one colour left out (through a monochrome
// mask made from that colour), or stretched with halftone smoothing.
#pragma once

#include <windows.h>

namespace setup {

// Draws bitmap with its top-left corner at (x, y), leaving the pixels of
// exactly transColor out so that what dc shows there stays. False when
// nothing could be drawn.
bool DrawTransparentBitmap(HDC dc, int x, int y, HBITMAP bitmap, COLORREF transColor);
// Draws bitmap scaled to target with HALFTONE stretching.
bool DrawStretchedBitmap(HDC dc, const RECT& target, HBITMAP bitmap);

}  // namespace setup

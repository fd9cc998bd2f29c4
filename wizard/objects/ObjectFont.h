// Fonts and text measuring of page objects: the font a "FONT" section
// describes (made from the page's font), the page's font in bold, and the
// size a text needs.
#pragma once

#include <windows.h>

#include <string>

#include "ObjectRecord.h"
#include "platform/Gdi.h"

namespace setup {

// The page's font (WM_GETFONT), else the default GUI font.
HFONT PageFont(HWND page);
// The page's font with the face name (when given), the height (with the
// sign of the page font's height), width, weight (700 when bold, else 0),
// italic and underline of the section. Null when the system refused.
platform::UniqueFont MakeObjectFont(HWND page, const FONT_SECTION& font);
// The page's font in weight 700.
platform::UniqueFont MakeBoldFont(HWND page);
// The default GUI font in normal weight.
platform::UniqueFont MakeNormalGuiFont();

// The text split at its line breaks: width of the widest line, height the
// sum of the line heights, in font.
SIZE MeasureTextLines(HFONT font, const std::string& text);
// The system's measurement of the whole text (line breaks honoured, no
// wrapping) in font.
SIZE MeasureTextBlock(HFONT font, const std::string& text);

}  // namespace setup

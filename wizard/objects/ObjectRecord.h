// What one page object's section says: its text, place, command, colours,
// font and the files it shows. A record starts with the defaults below and
// takes the keys of its section (and of the sections it is based on) one by
// one (see ObjectKeys.h).
#pragma once

#include <string>

#include "commands/CommandRecord.h"
#include "foundation/WinTypes.h"

namespace setup {

// A colour from its red, green and blue parts (the RGB macro, also natively).
constexpr COLORREF MakeColor(unsigned red, unsigned green, unsigned blue) {
    return static_cast<COLORREF>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}

// The colour of bitmap pixels that objects leave out unless "TRANS_COLOR"
// names another.
constexpr COLORREF kDefaultTransColor = MakeColor(198, 195, 198);

// The system's button-face colour (a fixed light grey in the native build).
COLORREF ButtonFaceColor();

}  // namespace setup

// The font section named by "FONT". Keys that are missing stay zero.
struct FONT_SECTION {
    static constexpr size_t kMaxFaceName = 31;

    std::string faceName;  // "LF_FACENAME", at most 31 characters
    LONG height = 0;       // "LF_HEIGHT"
    LONG width = 0;        // "LF_WIDTH"
    bool bold = false;     // "LF_BOLD"
    bool italic = false;   // "LF_ITALIC"
    bool underline = false;
};

struct OBJECT_RECORD {
    std::string sectionName;  // the section after resolution
    std::string name;         // "NAME"
    POINT position = {0, 0};  // "POSITION"
    SIZE size = {0, 0};       // "SIZE"; 0 in either counts as no size
    COMMAND_RECORD command;   // "CMD_TYPE", "CMD_PARAM1" ... "CMD_PARAM5"
    std::string tooltip;      // "TOOLTIP"
    std::string script;       // "SCRIPT": the status text while the pointer is over it
    bool colorsGiven = false;
    bool transGiven = false;
    bool backGiven = false;
    COLORREF hiColor = 0;
    COLORREF color = 0;
    COLORREF disColor = 0;
    COLORREF transColor = setup::kDefaultTransColor;
    COLORREF backColor = setup::ButtonFaceColor();
    bool useBitmapIcon = false;
    std::string onBitmap;
    std::string offBitmap;
    std::string clickedBitmap;
    bool fontGiven = false;
    FONT_SECTION font;
    bool enable = true;
    bool show = true;
    std::string unsupportedOs;  // "UNSUPPORTED_OS": platform define strings
    std::string dataSection;    // "DATA_SECTION": the languages of a language list
    std::string aviFile;        // "AVI_FILE"
    bool defaultButton = false;
    std::string textFile;  // "TEXT_FILE"
    bool textAlignCenter = false;

    // Both parts of the size are given.
    bool HasSize() const { return size.cx != 0 && size.cy != 0; }
    // (x, y, x + cx, y + cy) with the size, else (x, y, x + width, y + height).
    RECT Rect(LONG width, LONG height) const;
};

#include "DrawingRecord.h"

#include "ObjectRecord.h"
#include "environment/ConfigFile.h"

DRAWING_RECORD::DRAWING_RECORD()
    : startColor(setup::MakeColor(0, 0, 255)),
      endColor(setup::MakeColor(255, 255, 255)),
      backColor(setup::ButtonFaceColor()) {}

RECT DRAWING_RECORD::Rect() const {
    return RECT{position.x, position.y, position.x + size.cx, position.y + size.cy};
}

namespace setup {

bool ReadDrawingRecord(CConfigFile& config, const std::string& section, int type,
                       DRAWING_RECORD& record) {
    const char* name = section.c_str();
    if (!config.HasSection(name)) {
        return false;
    }
    DRAWING_RECORD read;
    read.type = type;
    read.sectionName = section;
    config.GetPoint(name, "POSITION", read.position);
    config.GetSize(name, "SIZE", read.size);
    config.GetDword(name, "LINE_WIDTH", read.lineWidth);
    config.GetColor(name, "COLOR", read.color);
    config.GetColor(name, "START_COLOR", read.startColor);
    config.GetColor(name, "END_COLOR", read.endColor);
    if (type == DRAWING_RECORD::kGroupBox) {
        if (config.GetString(name, "NAME", read.name, true) &&
            read.name.size() > DRAWING_RECORD::kMaxName) {
            read.name.resize(DRAWING_RECORD::kMaxName);
        }
        config.GetColor(name, "BACK_COLOR", read.backColor);
    }
    record = read;
    return true;
}

}  // namespace setup

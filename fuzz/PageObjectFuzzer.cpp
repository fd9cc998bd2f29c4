// Feeds arbitrary bytes to the object reader as a configure file: every
// section is read as an object record (with its BASE_ON chain), a drawing
// and a font section, and every value goes through the page text rules
// (item types, page requests, cancel types, page and object kinds).
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "environment/ConfigFile.h"
#include "wizard/CancelType.h"
#include "wizard/PageKinds.h"
#include "wizard/PageText.h"
#include "wizard/objects/DrawingRecord.h"
#include "wizard/objects/ObjectKeys.h"

namespace {

constexpr int kMaxSections = 32;
constexpr int kMaxLines = 32;

// The configure file is read from a file, as the program reads it.
std::string InputPath() {
    return "/tmp/page_object_fuzz_" + std::to_string(::getpid()) + ".psi";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = InputPath();
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    } else {
        return 0;
    }
    CConfigFile config;
    const bool loaded = config.Load(path, std::string(), std::string(), false);
    std::remove(path.c_str());
    if (!loaded) {
        return 0;
    }

    setup::ObjectReadContext context;
    context.fileExists = [](const std::string& file) { return file.size() % 2 == 0; };
    context.report = [](const std::string&) {};
    CSectionList& list = config.GetProfile().GetSectionList();
    int sections = 0;
    for (SECTION_LIST* s = list.FindSection(nullptr); s && sections < kMaxSections;
         s = s->next, ++sections) {
        const std::string name = s->name;
        setup::FindPageKind(name);
        setup::FindObjectKind(name);
        context.is64Bit = sections % 2 == 0;
        OBJECT_RECORD record;
        setup::LoadObjectRecord(record, config, name, context);
        DRAWING_RECORD drawing;
        setup::ReadDrawingRecord(config, name, 4 + sections % 5, drawing);
        FONT_SECTION font;
        setup::ReadFontSection(config, name, font);

        int lines = 0;
        for (LINE_LIST* l = s->lines; l && lines < kMaxLines; l = l->next, ++lines) {
            const std::string value = l->value;
            setup::ItemTypeFlags(value);
            setup::SplitPageRequest(value);
            setup::ParseCancelType(value);
        }
    }
    return 0;
}

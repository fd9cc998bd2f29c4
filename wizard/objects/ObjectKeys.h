// Reading an object section into its record: the section's keys in line
// order (a later line wins), after the keys of the sections it is based on
// ("BASE_ON"), and the test whether the object's command can run at all.
#pragma once

#include <functional>
#include <string>

#include "ObjectRecord.h"

class CConfigFile;

namespace setup {

// Sections based on one another deeper than this are not followed (a
// "BASE_ON" that names itself, directly or through others, ends here).
constexpr int kMaxBaseDepth = 16;

// What a read needs from the running system.
struct ObjectReadContext {
    // The "CMD_PARAM1.64" ... keys count (a 64-bit system).
    bool is64Bit = false;
    // True when the configured path names an existing file (the
    // environment's path resolution). Without one every path exists.
    std::function<bool(const std::string& path)> fileExists;
    // Why a read went wrong (a base section missing, a chain too deep); may
    // be empty.
    std::function<void(const std::string& reason)> report;
};

// Reads one key of section into record when key (compared without regard to
// case) is a key of the record; a value that cannot be read in its form
// leaves the field unchanged. False when key is no key of the record (or a
// ".64" key on a 32-bit system).
bool ApplyObjectKey(OBJECT_RECORD& record, CConfigFile& config, const std::string& section,
                    const std::string& key, const ObjectReadContext& context);

// Loads the section named by "BASE_ON" first (recursively), then the keys of
// section itself, and sets sectionName. False when the section cannot be
// read, when a chain of bases is deeper than kMaxBaseDepth (reported), or
// when the command is not usable. A missing base section is reported and
// skipped.
bool LoadObjectRecord(OBJECT_RECORD& record, CConfigFile& config, const std::string& section,
                      const ObjectReadContext& context);

// False when the command starts a program or opens a document (the
// CT_EXE_FILE_..., CT_RUNDLL..., CT_OPEN_FILE_... and CT_OPEN_MANUAL types)
// and its first parameter names a file that does not exist. Every other
// command, an empty type and an empty first parameter are usable.
bool IsObjectCommandUsable(const COMMAND_RECORD& command, const ObjectReadContext& context);

// The font section's keys; false (font unchanged) when the section is
// missing.
bool ReadFontSection(CConfigFile& config, const std::string& section, FONT_SECTION& font);

}  // namespace setup

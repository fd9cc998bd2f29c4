#include "ObjectKeys.h"

#include <cctype>
#include <vector>

#include "environment/ConfigFile.h"
#include "foundation/NameCompare.h"

namespace setup {
namespace {

using KeyReader = void (*)(OBJECT_RECORD& record, CConfigFile& config, const char* section,
                           const char* key);

template <std::string OBJECT_RECORD::*Field>
void Text(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    config.GetString(section, key, record.*Field, true);
}

template <bool OBJECT_RECORD::*Field>
void Flag(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    DWORD number = 0;
    if (config.GetDword(section, key, number)) {
        record.*Field = number != 0;
    }
}

template <COLORREF OBJECT_RECORD::*Field, bool OBJECT_RECORD::*Given>
void Color(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    if (config.GetColor(section, key, record.*Field)) {
        record.*Given = true;
    }
}

void CommandType(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    config.GetString(section, key, record.command.type, true);
}

template <size_t Index>
void CommandParam(OBJECT_RECORD& record, CConfigFile& config, const char* section,
                  const char* key) {
    config.GetString(section, key, record.command.params[Index], true);
}

void Position(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    config.GetPoint(section, key, record.position);
}

void Size(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    config.GetSize(section, key, record.size);
}

void Font(OBJECT_RECORD& record, CConfigFile& config, const char* section, const char* key) {
    std::string fontSection;
    if (config.GetString(section, key, fontSection, true) &&
        ReadFontSection(config, fontSection, record.font)) {
        record.fontGiven = true;
    }
}

struct KeyEntry {
    const char* key;
    bool only64;  // accepted on a 64-bit system only
    KeyReader read;
};

const KeyEntry kKeys[] = {
    {"NAME", false, &Text<&OBJECT_RECORD::name>},
    {"POSITION", false, &Position},
    {"SIZE", false, &Size},
    {"CMD_TYPE", false, &CommandType},
    {"CMD_PARAM1", false, &CommandParam<0>},
    {"CMD_PARAM2", false, &CommandParam<1>},
    {"CMD_PARAM3", false, &CommandParam<2>},
    {"CMD_PARAM4", false, &CommandParam<3>},
    {"CMD_PARAM5", false, &CommandParam<4>},
    {"CMD_PARAM1.64", true, &CommandParam<0>},
    {"CMD_PARAM2.64", true, &CommandParam<1>},
    {"CMD_PARAM3.64", true, &CommandParam<2>},
    {"CMD_PARAM4.64", true, &CommandParam<3>},
    {"CMD_PARAM5.64", true, &CommandParam<4>},
    {"TOOLTIP", false, &Text<&OBJECT_RECORD::tooltip>},
    {"SCRIPT", false, &Text<&OBJECT_RECORD::script>},
    {"HI_COLOR", false, &Color<&OBJECT_RECORD::hiColor, &OBJECT_RECORD::colorsGiven>},
    {"COLOR", false, &Color<&OBJECT_RECORD::color, &OBJECT_RECORD::colorsGiven>},
    {"DIS_COLOR", false, &Color<&OBJECT_RECORD::disColor, &OBJECT_RECORD::colorsGiven>},
    {"TRANS_COLOR", false, &Color<&OBJECT_RECORD::transColor, &OBJECT_RECORD::transGiven>},
    {"BACK_COLOR", false, &Color<&OBJECT_RECORD::backColor, &OBJECT_RECORD::backGiven>},
    {"USE_BITMAP_ICON", false, &Flag<&OBJECT_RECORD::useBitmapIcon>},
    {"ON_BITMAP", false, &Text<&OBJECT_RECORD::onBitmap>},
    {"OFF_BITMAP", false, &Text<&OBJECT_RECORD::offBitmap>},
    {"CLICKED_BITMAP", false, &Text<&OBJECT_RECORD::clickedBitmap>},
    {"FONT", false, &Font},
    {"ENABLE", false, &Flag<&OBJECT_RECORD::enable>},
    {"SHOW", false, &Flag<&OBJECT_RECORD::show>},
    {"UNSUPPORTED_OS", false, &Text<&OBJECT_RECORD::unsupportedOs>},
    {"DATA_SECTION", false, &Text<&OBJECT_RECORD::dataSection>},
    {"AVI_FILE", false, &Text<&OBJECT_RECORD::aviFile>},
    {"DEFAULT_BUTTON", false, &Flag<&OBJECT_RECORD::defaultButton>},
    {"TEXT_FILE", false, &Text<&OBJECT_RECORD::textFile>},
    {"TEXT_ALIGN_CENTER", false, &Flag<&OBJECT_RECORD::textAlignCenter>},
};

// The commands that start a program or open a document named by their first
// parameter.
const char* const kFileCommands[] = {
    "CT_EXE_FILE_NOWAIT",   "CT_EXE_FILE_ACTIVE", "CT_EXE_FILE_WAIT",
    "CT_EXE_AND_TERMINATE", "CT_RUNDLL",          "CT_RUNDLL_AND_TERMINATE",
    "CT_OPEN_FILE_NOWAIT",  "CT_OPEN_FILE_WAIT",  "CT_OPEN_MANUAL",
};

bool IsKeyEdge(char c) {
    return c == ' ' || c == '\t' || c == '"';
}

// The key of a section line: the text before the first "=" without blanks,
// tabs and double quotes at its ends; empty for a line without "=".
std::string LineKey(const std::string& line) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
        return std::string();
    }
    size_t begin = 0;
    size_t end = equals;
    while (begin < end && IsKeyEdge(line[begin])) {
        ++begin;
    }
    while (end > begin && IsKeyEdge(line[end - 1])) {
        --end;
    }
    return line.substr(begin, end - begin);
}

void Report(const ObjectReadContext& context, const std::string& reason) {
    if (context.report) {
        context.report(reason);
    }
}

enum class LoadResult { kLoaded, kMissing, kTooDeep };

LoadResult LoadSection(OBJECT_RECORD& record, CConfigFile& config, const std::string& section,
                       const ObjectReadContext& context, int depth) {
    std::vector<std::string> lines;
    if (!config.GetSectionLines(section.c_str(), lines, true)) {
        return LoadResult::kMissing;
    }
    std::string base;
    if (config.GetString(section.c_str(), "BASE_ON", base, true) && !base.empty()) {
        if (depth >= kMaxBaseDepth) {
            Report(context, "BASE_ON chain from [" + section + "] is deeper than " +
                                std::to_string(kMaxBaseDepth) + " sections");
            return LoadResult::kTooDeep;
        }
        const LoadResult baseResult = LoadSection(record, config, base, context, depth + 1);
        if (baseResult == LoadResult::kTooDeep) {
            return baseResult;
        }
        if (baseResult == LoadResult::kMissing) {
            Report(context, "BASE_ON section [" + base + "] of [" + section + "] does not exist");
        }
    }
    record.sectionName = section;
    for (const std::string& line : lines) {
        const std::string key = LineKey(line);
        if (!key.empty()) {
            ApplyObjectKey(record, config, section, key, context);
        }
    }
    return LoadResult::kLoaded;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

}  // namespace

bool ApplyObjectKey(OBJECT_RECORD& record, CConfigFile& config, const std::string& section,
                    const std::string& key, const ObjectReadContext& context) {
    for (const KeyEntry& entry : kKeys) {
        if (SameName(entry.key, key.c_str())) {
            if (entry.only64 && !context.is64Bit) {
                return false;
            }
            entry.read(record, config, section.c_str(), key.c_str());
            return true;
        }
    }
    return false;
}

bool LoadObjectRecord(OBJECT_RECORD& record, CConfigFile& config, const std::string& section,
                      const ObjectReadContext& context) {
    const LoadResult result = LoadSection(record, config, section, context, 0);
    if (result == LoadResult::kMissing) {
        Report(context, "the section [" + section + "] cannot be read");
    }
    return result == LoadResult::kLoaded && IsObjectCommandUsable(record.command, context);
}

bool IsObjectCommandUsable(const COMMAND_RECORD& command, const ObjectReadContext& context) {
    const std::string type = Upper(command.type);
    const std::string& file = command.params[0];
    if (file.empty() || !context.fileExists) {
        return true;
    }
    for (const char* fileCommand : kFileCommands) {
        if (type == fileCommand) {
            if (context.fileExists(file)) {
                return true;
            }
            Report(context, command.type + " names a missing file (" + file + ")");
            return false;
        }
    }
    return true;
}

bool ReadFontSection(CConfigFile& config, const std::string& section, FONT_SECTION& font) {
    if (section.empty() || !config.HasSection(section.c_str())) {
        return false;
    }
    FONT_SECTION read;
    const char* name = section.c_str();
    if (config.GetString(name, "LF_FACENAME", read.faceName, true) &&
        read.faceName.size() > FONT_SECTION::kMaxFaceName) {
        read.faceName.resize(FONT_SECTION::kMaxFaceName);
    }
    DWORD number = 0;
    if (config.GetDword(name, "LF_HEIGHT", number)) {
        read.height = static_cast<LONG>(number);
    }
    number = 0;
    if (config.GetDword(name, "LF_WIDTH", number)) {
        read.width = static_cast<LONG>(number);
    }
    number = 0;
    read.bold = config.GetDword(name, "LF_BOLD", number) && number != 0;
    number = 0;
    read.italic = config.GetDword(name, "LF_ITALIC", number) && number != 0;
    number = 0;
    read.underline = config.GetDword(name, "LF_UNDERLINE", number) && number != 0;
    font = read;
    return true;
}

}  // namespace setup

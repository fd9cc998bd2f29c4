#include "Applicability.h"

#include "CommandText.h"

namespace setup {
namespace {

// False when the list key exists and its membership of item is not wanted.
bool Passes(CConfigReader& config, const std::string& section, const char* key,
            const std::string& item, bool wanted) {
    std::string list;
    if (!config.GetString(section.c_str(), key, list)) {
        return true;
    }
    return IsInList(list, item) == wanted;
}

}  // namespace

bool IsSectionApplicable(CConfigReader& config, const std::string& section,
                         const std::string& osDefine, const std::string& language) {
    return Passes(config, section, "SUPPORTED_OS", osDefine, true) &&
           Passes(config, section, "UNSUPPORTED_OS", osDefine, false) &&
           Passes(config, section, "SUPPORTED_LANG", language, true) &&
           Passes(config, section, "UNSUPPORTED_LANG", language, false);
}

}  // namespace setup

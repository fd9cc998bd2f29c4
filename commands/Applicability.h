// Whether a data section applies to the running system and language: its
// optional SUPPORTED_OS, UNSUPPORTED_OS, SUPPORTED_LANG and UNSUPPORTED_LANG
// lists (comma-separated OS define strings and language abbreviations).
#pragma once

#include <string>

#include "environment/ConfigReader.h"

namespace setup {

// False when a SUPPORTED list exists and does not hold the item, or an
// UNSUPPORTED list exists and holds it; true otherwise, also for a section
// without any of the lists or a section that does not exist.
bool IsSectionApplicable(CConfigReader& config, const std::string& section,
                         const std::string& osDefine, const std::string& language);

}  // namespace setup

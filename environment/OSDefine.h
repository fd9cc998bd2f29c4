// Chooses the package's name for the running Windows version (the OS define
// string) from the data file's OS_DEFINE section, whose keys are platform
// keys with optional ".64", ".PRO", ".DOM" and ".SER" suffixes.
#pragma once

#include <string>

#include "ConfigReader.h"
#include "LogSink.h"
#include "OSVersion.h"

namespace setup {

constexpr const char* kOSDefineSection = "OS_DEFINE";

// Tries the version's own keys (64-bit and product variants first); on NT,
// when none is defined, walks down through earlier versions to 4.0 and takes
// the first defined, logging each key it tries. True with the value in
// define when one was found; define is left unchanged otherwise.
bool SearchOSDefine(const OSVersionInfo& version, CConfigReader& data, const LogSink& log,
                    std::string& define);

}  // namespace setup

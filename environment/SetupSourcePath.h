// The system's installation source path, which a driver install may point
// at the package's media and keeps the original of in "SourcePath_ORG".
#pragma once

#include <string>

namespace setup {

constexpr const char* kSetupKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup";

// Under keyPath in HKEY_LOCAL_MACHINE (the 64-bit view on a 64-bit
// system): copies "SourcePath_ORG" back into "SourcePath" with its type,
// then deletes "SourcePath_ORG". True when it was restored; false when
// there was nothing to restore or a step failed ("RegOpenKeyEx" or
// "RegSetValueEx" logged with the system's error); "SourcePath_ORG" is kept
// when the copy fails.
bool RestoreSetupSourcePath(const std::string& keyPath = kSetupKey);

}  // namespace setup

// The package's minimum requirements from the data file's SYSTEM_REQUIREMENT
// section (free disk space, refused Windows versions, working USB), their
// messages, and the decision whether a system meets them. The questions to
// the system (free space, USB) are asked through the probes, so the decision
// itself has no system dependencies.
#pragma once

#include <functional>
#include <string>

#include "ConfigReader.h"
#include "foundation/WinTypes.h"

struct SYSTEM_REQUIREMENT {
    // A section whose name contains SYSTEM_REQUIREMENT exists; without one
    // every check passes.
    bool present = false;
    // Minimum free space in the unit of the utility library's answer (shown
    // as megabytes); 0 is no minimum.
    DWORD freeSpace = 0;
    // OS define strings the package refuses, separated by spaces or commas.
    std::string unsupportedOS;
    std::string msgNotSupportedOS;
    std::string msgNoFreeSpace;  // one "%s" receives the minimum as "<n>MB"
    std::string msgUsbNotAvailable;
};

namespace setup {

constexpr const char* kRequirementSection = "SYSTEM_REQUIREMENT";

extern const char* const kDefaultMsgNotSupportedOS;
extern const char* const kDefaultMsgNoFreeSpace;
extern const char* const kDefaultMsgUsbNotAvailable;

// Which test a system failed.
enum class RequirementFailure { kNone, kFreeSpace, kUnsupportedOS, kUsbNotAvailable };

// What the decision asks the system.
struct RequirementProbes {
    // Free space of the directory's drive (the empty path: the system's own
    // choice); 0 when nobody can tell.
    std::function<DWORD(const std::string& directory)> freeSpace;
    // The device library's port count for the package's model; -1 when USB
    // is not available on the system.
    std::function<int()> devicePortCount;
};

// Fills the record from the data configuration. sectionNames is the list
// of all its section names joined by spaces; the requirement applies when
// it contains SYSTEM_REQUIREMENT (letter case ignored). Missing keys take
// their defaults; messages are read with variables substituted and cut at
// 16383 characters.
void ReadRequirements(CConfigReader& data, const std::string& sectionNames,
                      SYSTEM_REQUIREMENT& requirement);

// True when the list (UNSUPPORTED_OS) names the OS define string, letter
// case ignored. An empty define string is never refused.
bool IsOSRefused(const std::string& unsupportedList, const std::string& osDefine);

// True when a free-space answer meets the minimum: no minimum, no answer
// (0), or an answer not below it.
bool HasEnoughSpace(const SYSTEM_REQUIREMENT& requirement, DWORD answer);

// The free-space message with its first "%s" replaced by the minimum as
// "<n>MB". Nothing else in the text is interpreted.
std::string FreeSpaceMessage(const SYSTEM_REQUIREMENT& requirement);

// The start-up check: free space (of the empty path), then the refused OS
// list, then, when checkUsb is set and usbKnown is not, USB. The first test
// that fails is the answer; kNone when the record is not present.
RequirementFailure EvaluateRequirements(const SYSTEM_REQUIREMENT& requirement,
                                        const std::string& osDefine, bool checkUsb, bool usbKnown,
                                        const RequirementProbes& probes);

// The message shown for a failed test; empty for kNone.
std::string RequirementMessage(const SYSTEM_REQUIREMENT& requirement, RequirementFailure failure);

}  // namespace setup

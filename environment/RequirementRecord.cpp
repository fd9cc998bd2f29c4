#include "RequirementRecord.h"

#include "TextTokens.h"
#include "foundation/NameCompare.h"

namespace setup {

const char* const kDefaultMsgNotSupportedOS =
    "This Windows Version is not supported.\r\nThe Setup program will be terminated.";
const char* const kDefaultMsgNoFreeSpace =
    "The available Disk space is not enough. Please increase available disk space about \"%s\" "
    "and try again.";
const char* const kDefaultMsgUsbNotAvailable =
    "USB Devic is not available. Please check the configuration of system and BIOS then USB "
    "device as available status and try again.";

namespace {

std::string ReadMessage(CConfigReader& data, const char* key, const char* fallback) {
    std::string text;
    if (!data.GetString(kRequirementSection, key, text)) {
        return fallback;
    }
    if (text.size() > kMaxConfigValue) {
        text.resize(kMaxConfigValue);
    }
    return text;
}

}  // namespace

void ReadRequirements(CConfigReader& data, const std::string& sectionNames,
                      SYSTEM_REQUIREMENT& requirement) {
    requirement = SYSTEM_REQUIREMENT();
    requirement.present =
        FoldName(sectionNames).find(FoldName(kRequirementSection)) != std::string::npos;
    requirement.msgNotSupportedOS = kDefaultMsgNotSupportedOS;
    requirement.msgNoFreeSpace = kDefaultMsgNoFreeSpace;
    requirement.msgUsbNotAvailable = kDefaultMsgUsbNotAvailable;
    if (!requirement.present) {
        return;
    }
    DWORD freeSpace = 0;
    if (data.GetDword(kRequirementSection, "FREE_SPACE", freeSpace)) {
        requirement.freeSpace = freeSpace;
    }
    std::string list;
    if (data.GetString(kRequirementSection, "UNSUPPORTED_OS", list)) {
        requirement.unsupportedOS = list;
    }
    requirement.msgNotSupportedOS =
        ReadMessage(data, "MSG_NOT_SUPPORTED_OS", kDefaultMsgNotSupportedOS);
    requirement.msgNoFreeSpace = ReadMessage(data, "MSG_NO_FREE_SPACE", kDefaultMsgNoFreeSpace);
    requirement.msgUsbNotAvailable =
        ReadMessage(data, "MSG_USB_NOT_AVAILABLE", kDefaultMsgUsbNotAvailable);
}

bool IsOSRefused(const std::string& unsupportedList, const std::string& osDefine) {
    if (osDefine.empty()) {
        return false;
    }
    const char* const kEndTrim = " \"\t";
    const size_t first = unsupportedList.find_first_not_of(kEndTrim);
    if (first == std::string::npos) {
        return false;
    }
    const size_t last = unsupportedList.find_last_not_of(kEndTrim);
    const std::string list = unsupportedList.substr(first, last - first + 1);
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find_first_of(" ,", start);
        if (end == std::string::npos) {
            end = list.size();
        }
        const std::string part = list.substr(start, end - start);
        if (!part.empty() && SameName(part.c_str(), osDefine.c_str())) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

bool HasEnoughSpace(const SYSTEM_REQUIREMENT& requirement, DWORD answer) {
    return answer == 0 || answer >= requirement.freeSpace;
}

std::string FreeSpaceMessage(const SYSTEM_REQUIREMENT& requirement) {
    std::string text = requirement.msgNoFreeSpace;
    const size_t at = text.find("%s");
    if (at != std::string::npos) {
        text.replace(at, 2, std::to_string(requirement.freeSpace) + "MB");
        if (text.size() > kMaxConfigValue) {
            text.resize(kMaxConfigValue);
        }
    }
    return text;
}

RequirementFailure EvaluateRequirements(const SYSTEM_REQUIREMENT& requirement,
                                        const std::string& osDefine, bool checkUsb, bool usbKnown,
                                        const RequirementProbes& probes) {
    if (!requirement.present) {
        return RequirementFailure::kNone;
    }
    const DWORD space = probes.freeSpace ? probes.freeSpace(std::string()) : 0;
    if (!HasEnoughSpace(requirement, space)) {
        return RequirementFailure::kFreeSpace;
    }
    if (IsOSRefused(requirement.unsupportedOS, osDefine)) {
        return RequirementFailure::kUnsupportedOS;
    }
    if (checkUsb && !usbKnown && probes.devicePortCount && probes.devicePortCount() == -1) {
        return RequirementFailure::kUsbNotAvailable;
    }
    return RequirementFailure::kNone;
}

std::string RequirementMessage(const SYSTEM_REQUIREMENT& requirement, RequirementFailure failure) {
    switch (failure) {
        case RequirementFailure::kFreeSpace:
            return FreeSpaceMessage(requirement);
        case RequirementFailure::kUnsupportedOS:
            return requirement.msgNotSupportedOS;
        case RequirementFailure::kUsbNotAvailable:
            return requirement.msgUsbNotAvailable;
        case RequirementFailure::kNone:
            break;
    }
    return std::string();
}

}  // namespace setup

#include "OSVersion.h"

#include <cctype>
#include <cstdio>

namespace setup {

namespace {

constexpr DWORD kPlatformWin32s = 0;
constexpr DWORD kPlatformWindows = 1;
constexpr DWORD kPlatformNT = 2;

// The service text without the blanks around it, upper-cased: Windows 95
// OSR2 reports " B" or " C", Windows 98 SE " A ".
std::string ServiceLetter(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    while (first < last && std::isspace(static_cast<unsigned char>(text[first]))) {
        ++first;
    }
    while (last > first && std::isspace(static_cast<unsigned char>(text[last - 1]))) {
        --last;
    }
    std::string letter = text.substr(first, last - first);
    for (char& c : letter) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return letter;
}

OSCode ClassifyWindows9x(const OSVersionInfo& version) {
    const std::string letter = ServiceLetter(version.servicePack);
    switch (version.minor) {
        case 0:
            return {letter == "B" || letter == "C" ? 4 : 3, 10};
        case 10:
            return {letter == "A" ? 7 : 6, 10};
        case 90:
            return {9, 10};
        default:
            return {10, 10};
    }
}

OSCode ClassifyNT(const OSVersionInfo& version) {
    switch (version.major) {
        case 3:
            return {11, 15};
        case 4:
            return {12, 15};
        case 5:
            if (version.minor == 0) {
                return {13, 17};
            }
            if (version.minor == 2) {
                // Windows XP x64 reports 5.2 like Server 2003, as a workstation.
                const bool xp64 = version.is64Bit && version.productType == kProductWorkstation;
                return {xp64 ? 14 : 16, 17};
            }
            return {14, 17};
        case 6:
            return {version.productType == kProductWorkstation ? 18 : 19, 17};
        default:
            return {13, 17};
    }
}

}  // namespace

OSCode ClassifyOS(const OSVersionInfo& version) {
    switch (version.platformId) {
        case kPlatformWin32s:
            return {2, 2};
        case kPlatformWindows:
            return ClassifyWindows9x(version);
        case kPlatformNT:
            return ClassifyNT(version);
        default:
            // No desktop Windows reports another platform (CE is 3): no class.
            return {0, 0};
    }
}

std::string PlatformKey(DWORD platformId, DWORD major, DWORD minor) {
    char key[32];
    std::snprintf(key, sizeof(key), "0X%04X%02X%02X", static_cast<unsigned>(platformId),
                  static_cast<unsigned>(major), static_cast<unsigned>(minor));
    return key;
}

}  // namespace setup

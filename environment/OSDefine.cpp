#include "OSDefine.h"

#include <cstdio>
#include <vector>

namespace setup {

namespace {

constexpr DWORD kPlatformWindows = 1;
constexpr DWORD kLowestMajor = 4;
// Each lower major version is searched from this minor version down.
constexpr DWORD kHighestMinor = 5;
// Windows Me's platform key, for a Windows Me that reports itself as 98.
constexpr const char* kWindowsMeKey = "0X0001045A";

// The product suffixes to try for the version, in order; none without the
// extended record.
std::vector<std::string> ProductSuffixes(const OSVersionInfo& version) {
    if (!version.extended) {
        return {};
    }
    if (version.productType == kProductWorkstation) {
        return {".PRO"};
    }
    if (version.productType == kProductDomainController) {
        return {".DOM", ".SER"};
    }
    return {".SER"};
}

bool Lookup(CConfigReader& data, const std::string& key, std::string& define) {
    return data.GetString(kOSDefineSection, key.c_str(), define);
}

// One version of the downward search: the product variants, then the key
// itself, each attempt logged.
bool TryLowerVersion(const OSVersionInfo& version, DWORD major, DWORD minor, CConfigReader& data,
                     const LogSink& log, std::string& define) {
    std::string key = PlatformKey(version.platformId, major, minor);
    if (version.is64Bit) {
        key += ".64";
    }
    std::vector<std::string> keys;
    for (const std::string& suffix : ProductSuffixes(version)) {
        keys.push_back(key + suffix);
    }
    keys.push_back(key);
    for (const std::string& attempt : keys) {
        log("Find Define ==> (" + attempt + ")");
        if (Lookup(data, attempt, define)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool SearchOSDefine(const OSVersionInfo& version, CConfigReader& data, const LogSink& log,
                    std::string& define) {
    std::string key = PlatformKey(version.platformId, version.major, version.minor);
    if (version.is64Bit) {
        std::vector<std::string> keys = {key + ".64"};
        for (const std::string& suffix : ProductSuffixes(version)) {
            keys.push_back(key + ".64" + suffix);
        }
        for (const std::string& attempt : keys) {
            if (Lookup(data, attempt, define)) {
                return true;
            }
        }
    }
    if (version.platformId == kPlatformWindows && version.major == 4 && version.minor == 10 &&
        version.versionNumber.find("4.90.") != std::string::npos) {
        key = kWindowsMeKey;
    }
    if (Lookup(data, key, define)) {
        return true;
    }
    if (version.platformId == kPlatformWindows) {
        return false;
    }

    log("OS Define not found, so installer finds Lastest Version OS Define");
    char line[128];
    std::snprintf(line, sizeof(line),
                  "OS Major Version [0x%04x] , minor version [0x%04x], 64bit [%d]",
                  static_cast<unsigned>(version.major), static_cast<unsigned>(version.minor),
                  version.is64Bit ? 1 : 0);
    log(line);
    for (DWORD major = version.major; major >= kLowestMajor; --major) {
        const DWORD highest = major == version.major ? version.minor : kHighestMinor;
        for (DWORD minor = highest + 1; minor-- > 0;) {
            if (TryLowerVersion(version, major, minor, data, log, define)) {
                log("OS String was found ==> [" + define + "]");
                return true;
            }
        }
    }
    return false;
}

}  // namespace setup

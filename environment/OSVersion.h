// The Windows version record as the system reports it, and the classes the
// installer sorts it into: the OS code and family, and the platform key that
// names the version in a data file's OS_DEFINE section. Pure functions of the
// record, so they work for any version, not only the one running.
#pragma once

#include <string>

#include "foundation/WinTypes.h"

namespace setup {

struct OSVersionInfo {
    DWORD platformId = 0;  // 0 Win32s, 1 Windows 9x, 2 Windows NT
    DWORD major = 0;
    DWORD minor = 0;
    DWORD build = 0;
    std::string servicePack;  // the service text ("Service Pack 3", " B", " A ")
    // Only when the extended record was available (not on early Windows 9x).
    bool extended = false;
    int productType = 0;  // 1 workstation, 2 domain controller, 3 server
    DWORD suiteMask = 0;
    bool is64Bit = false;  // the system is 64-bit
    // Windows 9x only: "VersionNumber" of the Windows key, which tells
    // Windows Me apart from a Windows 98 that reports itself as 4.10.
    std::string versionNumber;
};

struct OSCode {
    int code = 0;
    int family = 0;
};

constexpr int kProductWorkstation = 1;
constexpr int kProductDomainController = 2;

// The OS code and family of a version: 2 Win32s; 3 to 10 the Windows 9x
// releases (family 10); 11 and 12 NT 3.x and 4.0 (family 15); 13 Windows 2000
// and any NT release not otherwise named, 14 XP (also XP x64), 16 Server
// 2003, 18 Vista and later workstations, 19 their servers (family 17); an
// unknown platform gives 0 and 0.
OSCode ClassifyOS(const OSVersionInfo& version);

// "0X%04X%02X%02X" of platform, major and minor: Windows XP is 0X00020501.
std::string PlatformKey(DWORD platformId, DWORD major, DWORD minor);

}  // namespace setup

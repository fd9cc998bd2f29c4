// The package's option flags, read from the data file's OPTION section (or
// its most specific variant for the running system and language).
#pragma once

#include "ConfigReader.h"
#include "LogSink.h"
#include "foundation/WinTypes.h"

struct OPTION {
    bool usbOnly = false;
    bool network = false;
    bool wireless = false;
    // Set by the remote-install command, never read from OPTION.
    bool remoteInstall = false;
    bool deviceInstall = true;
    bool showInstError = false;
    bool rightAlign = false;
    bool precreateDlg = true;
    bool mainOnly = false;
    bool setSourcePath = false;
    bool usePublicOid = false;
    bool useIpx = false;
    bool stopFirewall = false;
    bool partner = false;
    bool partnerPresent = false;  // PARTNER was given
    bool maintenanceOn = true;
    DWORD communitySize = 14;  // longest SNMP community name
};

namespace setup {

constexpr const char* kOptionSection = "OPTION";

// Fills the record from the configuration and logs each option's state.
// USB_ONLY, NETWORK, WIRELESS and RIGHT_ALIGN are off when missing,
// MAINTENANCE_ON is on when missing; the other flags and COMMUNITY_SIZE keep
// their current values when missing, so a second read (after a language
// change) changes only what it finds. RIGHT_ALIGN is always off on Windows
// 95 and NT 3.x/4.0 (osCode 3, 4, 5, 11, 12), which cannot lay windows out
// right to left.
void ReadOptions(CConfigReader& config, int osCode, OPTION& options, const LogSink& log);

}  // namespace setup

#include "Options.h"

#include <cstdio>
#include <string>

namespace setup {

namespace {

enum class Missing {
    kOff,   // a missing key turns the flag off; the state is always logged
    kOn,    // a missing key turns the flag on; the state is always logged
    kKeep,  // a missing key keeps the flag and logs nothing
};

struct FlagRule {
    const char* key;
    bool OPTION::*flag;
    Missing missing;
    const char* name;  // the log line is name + " is ON" or " is OFF"
};

// In the order they are read and logged.
const FlagRule kFlagsBeforeRightAlign[] = {
    {"USB_ONLY", &OPTION::usbOnly, Missing::kOff, "USB ONLY Option"},
    {"NETWORK", &OPTION::network, Missing::kOff, "NETWORK Option"},
    {"WIRELESS", &OPTION::wireless, Missing::kOff, "WIRELESS Option"},
    {"DEVICE_INSTALL", &OPTION::deviceInstall, Missing::kKeep, "INSTALL DEVICE Option"},
    {"SHOW_INST_ERROR", &OPTION::showInstError, Missing::kKeep, "SHOW INSTALL ERROR Option"},
};
const FlagRule kFlagsAfterRightAlign[] = {
    {"PRECREATE_DLG", &OPTION::precreateDlg, Missing::kKeep, "PRECREATE DIALOG option"},
    {"MAIN_ONLY", &OPTION::mainOnly, Missing::kKeep, "JUST MAIN option"},
    {"SET_SOURCE_PATH", &OPTION::setSourcePath, Missing::kKeep, "SET SOURCE PATH option"},
    {"USE_PUBLIC_OID", &OPTION::usePublicOid, Missing::kKeep, "USE PUBLIC OID option"},
    {"USE_IPX", &OPTION::useIpx, Missing::kKeep, "USE IPX option"},
    {"STOP_FIREWALL", &OPTION::stopFirewall, Missing::kKeep, "Stop Firewall option"},
    {"PARTNER", &OPTION::partner, Missing::kKeep, "PARTNER option"},
    {"MAINTENANCE_ON", &OPTION::maintenanceOn, Missing::kOn, "MAINTENANCE Option"},
};

// Windows 95 (3, 4, 5) and NT 3.x/4.0 (11, 12) have no right-to-left layout.
bool HasRightToLeft(int osCode) {
    switch (osCode) {
        case 3:
        case 4:
        case 5:
        case 11:
        case 12:
            return false;
        default:
            return true;
    }
}

class OptionReader {
public:
    OptionReader(CConfigReader& config, const LogSink& log) : m_config(config), m_log(log) {
        if (!m_config.FindSectionVariant(kOptionSection, m_variant)) {
            m_log("Get Option fail");
            m_variant.clear();
        }
    }

    // The variant section first, then OPTION itself.
    bool Find(const char* key, DWORD& value) {
        return (!m_variant.empty() && m_config.GetDword(m_variant.c_str(), key, value)) ||
               m_config.GetDword(kOptionSection, key, value);
    }

    void Apply(const FlagRule& rule, OPTION& options) {
        DWORD value = 0;
        if (Find(rule.key, value)) {
            options.*rule.flag = value != 0;
            if (rule.flag == &OPTION::partner) {
                options.partnerPresent = true;
            }
        } else if (rule.missing == Missing::kKeep) {
            return;
        } else {
            options.*rule.flag = rule.missing == Missing::kOn;
        }
        LogState(rule.name, options.*rule.flag);
    }

    void LogState(const char* name, bool on) {
        m_log(std::string(name) + (on ? " is ON" : " is OFF"));
    }

    void Log(const std::string& line) { m_log(line); }

private:
    CConfigReader& m_config;
    const LogSink& m_log;
    std::string m_variant;
};

}  // namespace

void ReadOptions(CConfigReader& config, int osCode, OPTION& options, const LogSink& log) {
    OptionReader reader(config, log);
    for (const FlagRule& rule : kFlagsBeforeRightAlign) {
        reader.Apply(rule, options);
    }

    DWORD value = 0;
    options.rightAlign = HasRightToLeft(osCode) && reader.Find("RIGHT_ALIGN", value) && value != 0;
    reader.LogState("RIGHT ALIGN Option", options.rightAlign);

    for (const FlagRule& rule : kFlagsAfterRightAlign) {
        reader.Apply(rule, options);
    }

    if (reader.Find("COMMUNITY_SIZE", value) && value != 0) {
        options.communitySize = value;
    }
    char line[64];
    std::snprintf(line, sizeof(line), "Community Name size = %d",
                  static_cast<int>(options.communitySize));
    reader.Log(line);
}

}  // namespace setup

// CConfigReader over a bare profile: values with defined strings expanded
// (no message tokens or installer variables), section variants for an OS
// define string, language and connection given by the owner.
#pragma once

#include <string>

#include "ConfigReader.h"
#include "foundation/Profile.h"

namespace setup {

class CProfileConfigReader : public CConfigReader {
public:
    // The profile must outlive the reader.
    explicit CProfileConfigReader(CProfile& profile) : m_profile(profile) {}

    // What FindSectionVariant chooses by.
    void SetVariant(const std::string& osDefine, const std::string& language, bool network,
                    bool usb);

    bool GetString(const char* section, const char* key, std::string& value) override;
    bool GetDword(const char* section, const char* key, DWORD& number) override;
    bool FindSectionVariant(const char* base, std::string& name) override;

private:
    CProfile& m_profile;
    std::string m_osDefine;
    std::string m_language;
    bool m_network = false;
    bool m_usb = false;
};

}  // namespace setup

#include "ProfileConfigReader.h"

#include <vector>

#include "SectionVariant.h"

namespace setup {

namespace {

// A configuration value holds at most 16383 characters.
constexpr DWORD kValueSize = 16384;

}  // namespace

void CProfileConfigReader::SetVariant(const std::string& osDefine, const std::string& language,
                                      bool network, bool usb) {
    m_osDefine = osDefine;
    m_language = language;
    m_network = network;
    m_usb = usb;
}

bool CProfileConfigReader::GetString(const char* section, const char* key, std::string& value) {
    std::vector<char> buffer(kValueSize);
    if (m_profile.GetString(section, key, buffer.data(), kValueSize, FALSE) != ERROR_SUCCESS) {
        return false;
    }
    value = buffer.data();
    return true;
}

bool CProfileConfigReader::GetDword(const char* section, const char* key, DWORD& number) {
    return m_profile.GetDword(section, key, &number) == ERROR_SUCCESS;
}

bool CProfileConfigReader::FindSectionVariant(const char* base, std::string& name) {
    if (base == nullptr || *base == '\0') {
        return false;
    }
    CSectionList& sections = m_profile.GetSectionList();
    for (const std::string& candidate :
         SectionVariantNames(base, m_osDefine, m_language, m_network, m_usb)) {
        if (sections.FindSection(candidate.c_str()) != nullptr) {
            name = candidate;
            return true;
        }
    }
    return false;
}

}  // namespace setup

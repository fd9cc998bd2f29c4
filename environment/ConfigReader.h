// The reads the platform and option code makes on a configuration file. The
// installer's configuration files implement it; so does CProfileConfigReader
// over a bare profile.
#pragma once

#include <string>

#include "foundation/WinTypes.h"

namespace setup {

class CConfigReader {
public:
    virtual ~CConfigReader() = default;

    // The key's value with the file's expansions applied; false when the
    // section or key is missing (value is then unchanged).
    virtual bool GetString(const char* section, const char* key, std::string& value) = 0;
    // The key's value as a number; false when missing (number unchanged).
    virtual bool GetDword(const char* section, const char* key, DWORD& number) = 0;
    // The most specific existing section for the base name and the running
    // system, language and connection; false when none exists.
    virtual bool FindSectionVariant(const char* base, std::string& name) = 0;
};

}  // namespace setup

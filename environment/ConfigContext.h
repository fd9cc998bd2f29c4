// What a configuration file needs from the installer environment to finish a
// read: the installer variables, the remote-install state, and the section
// names to try for the running system, language and connection.
#pragma once

#include <string>
#include <vector>

#include "foundation/WinTypes.h"

namespace setup {

// Overrides for one read: a language id, abbreviation or language directory
// other than the current ones (zero or empty: the current one).
struct LanguageOverride {
    DWORD lcid = 0;
    std::string abbreviation;
    std::string directory;
};

class CConfigContext {
public:
    virtual ~CConfigContext() = default;
    virtual std::string Substitute(const std::string& text,
                                   const LanguageOverride& language) const = 0;
    virtual bool IsRemoteInstall() const = 0;
    virtual std::vector<std::string> SectionVariants(const std::string& base) const = 0;
};

}  // namespace setup

// The spooler's ports.
#pragma once

#include <string>

namespace setup {

// True when the spooler lists a port of that name (letter case ignored).
bool PortExists(const std::string& name);

}  // namespace setup

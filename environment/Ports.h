// The spooler's ports.
#pragma once

#include <string>

namespace setup {

// True when the spooler lists a port of that name (EnumPortsA, level 2),
// letter case ignored; false for an empty name or when the list cannot be
// read.
bool PortExists(const std::string& name);

}  // namespace setup

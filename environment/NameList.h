// Name lists as the extension libraries and the spooler hand them back: names
// one after another in a caller's buffer, each ended by a NUL, the list ended
// by an empty name or by the end of the buffer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace setup {

// At most maxNames names from the first size bytes of buffer. Reading never
// passes the end of the buffer: a last name without its NUL ends there.
std::vector<std::string> SplitNameList(const char* buffer, size_t size, size_t maxNames);

}  // namespace setup

// Reads a whole file into memory with one read, sharing it for reading.
#pragma once

#include <string>

#include "WinTypes.h"

namespace setup {

// 0, or the system's code from opening or reading; bytes is then unchanged.
DWORD ReadWholeFile(const char* path, std::string& bytes);

}  // namespace setup

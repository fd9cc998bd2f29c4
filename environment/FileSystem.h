// Directory helpers the environment needs: creating a directory with every
// missing parent, and removing a directory and its parents while empty.
#pragma once

#include <windows.h>

#include <string>

namespace setup {

// Creates the directory and every missing parent. 0 when it exists
// afterwards, else the system's code of the step that failed.
DWORD CreateDirectoryTree(const std::string& path);

// Removes the directory, then each parent in turn, while they are empty;
// stops at the first that is not (or is a drive root).
void RemoveEmptyDirectories(const std::string& path);

// True when a file or directory of that name exists.
bool PathExists(const std::string& path);

}  // namespace setup

// Text operations on directory paths, with no file system access: the parent
// of a path, whether a path is a root that is never removed, and the root
// a drive query is made on. Both "\" and "/" separate parts.
#pragma once

#include <string>

namespace setup {

// The path without separators at its end ("C:\" keeps nothing of them
// either: "C:").
std::string WithoutTrailingSeparators(const std::string& path);

// The path up to its last separator ("C:\a\b" gives "C:\a", "C:\a" gives
// "C:"); empty when it has none.
std::string ParentDirectory(const std::string& path);

// True for a path that names no removable directory: empty, a drive ("C:",
// "C:\"), the current drive's root ("\"), or a network server or share
// ("\\server", "\\server\share").
bool IsRootDirectory(const std::string& path);

// The root a drive-type query is made on: a network path's
// "\\server\share\", else the path's first part up to and including its
// first backslash ("C:\dir" gives "C:\"). Empty when there is no backslash.
std::string DriveRootOf(const std::string& path);

}  // namespace setup

// File and directory helpers: existence tests, creating a directory with
// every missing parent, removing a directory chain while it is empty,
// deleting a file with the directories it leaves empty, and the kind of
// drive a path lies on.
#pragma once

#include <windows.h>

#include <string>

namespace setup {

// Creates the directory and every missing parent. 0 when it exists
// afterwards, else the system's code of the step that failed.
DWORD CreateDirectoryTree(const std::string& path);

// Removes the directory, then each parent in turn, while the removal
// succeeds; never tries a drive root or a network share. False only for an
// empty path.
bool RemoveEmptyDirectories(const std::string& path);

// Deletes the file; false (nothing else done) when that fails. Unless
// keepDirectories is set, then removes its directory and each parent while
// the removal succeeds, waiting briefly for each removal to show
// ("nTime = %d" logged with the polls made); the first directory that stays
// is logged with "%s directory was not removed !!" and the system's error.
bool DeleteFileAndDirectories(const std::string& file, bool keepDirectories);

// True when a file or directory of that name exists.
bool PathExists(const std::string& path);

// True when the file opens for reading (shared with other readers); false
// for an empty path, a directory, or a file that cannot be opened.
bool FileExists(const std::string& path);

// The kind of drive of the path's root (see DriveRootOf): 1 removable,
// 2 fixed, 3 CD-ROM, 4 RAM disk, 5 remote, 0 anything else. A path
// without a backslash is 0 without asking the system.
int GetDriveKind(const std::string& path);
// The kind of drive the running program lies on.
int GetDriveKind();

}  // namespace setup

#include "FileSystem.h"

#include "DirectoryPath.h"
#include "foundation/Log.h"
#include "platform/Handle.h"

namespace setup {
namespace {

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 3 && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return path;
}

bool IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// A removed directory can linger while another process still has it open;
// gives it a moment to go and returns how many 1 ms polls that took.
int WaitUntilGone(const std::string& directory) {
    constexpr int kPolls = 5;
    Sleep(10);
    int polls = 0;
    while (polls < kPolls && PathExists(directory)) {
        Sleep(1);
        ++polls;
    }
    return polls;
}

}  // namespace

bool PathExists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    const platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
    return file.valid();
}

DWORD CreateDirectoryTree(const std::string& path) {
    const std::string target = WithoutTrailingSlash(path);
    if (target.empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    if (IsDirectory(target)) {
        return ERROR_SUCCESS;
    }
    // Every prefix that ends before a separator, then the whole path; a UNC
    // server and share or a drive are never created.
    size_t start = 0;
    if (target.rfind("\\\\", 0) == 0) {
        start = target.find('\\', 2);
        start = start == std::string::npos ? target.size() : target.find('\\', start + 1);
    } else if (target.size() >= 2 && target[1] == ':') {
        start = 2;
    }
    for (size_t at = target.find('\\', start + 1);; at = target.find('\\', at + 1)) {
        const std::string prefix = at == std::string::npos ? target : target.substr(0, at);
        if (!prefix.empty() && !IsDirectory(prefix) && !CreateDirectoryA(prefix.c_str(), nullptr)) {
            const DWORD error = GetLastError();
            if (error != ERROR_ALREADY_EXISTS || !IsDirectory(prefix)) {
                return error == ERROR_ALREADY_EXISTS ? ERROR_FILE_EXISTS : error;
            }
        }
        if (at == std::string::npos) {
            break;
        }
    }
    return ERROR_SUCCESS;
}

bool RemoveEmptyDirectories(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    for (std::string current = WithoutTrailingSeparators(path); !IsRootDirectory(current);
         current = ParentDirectory(current)) {
        if (!RemoveDirectoryA(current.c_str())) {
            break;
        }
    }
    return true;
}

bool DeleteFileAndDirectories(const std::string& file, bool keepDirectories) {
    if (file.empty() || !DeleteFileA(file.c_str())) {
        return false;
    }
    if (keepDirectories) {
        return true;
    }
    for (std::string current = ParentDirectory(file); !IsRootDirectory(current);
         current = ParentDirectory(current)) {
        if (!RemoveDirectoryA(current.c_str())) {
            LogWriteError(GetLastError(), "%s directory was not removed !!", current.c_str());
            break;
        }
        LogWrite("nTime = %d", WaitUntilGone(current));
    }
    return true;
}

int GetDriveKind(const std::string& path) {
    const std::string root = DriveRootOf(path);
    if (root.empty()) {
        return 0;
    }
    switch (GetDriveTypeA(root.c_str())) {
        case DRIVE_REMOVABLE:
            return 1;
        case DRIVE_FIXED:
            return 2;
        case DRIVE_CDROM:
            return 3;
        case DRIVE_RAMDISK:
            return 4;
        case DRIVE_REMOTE:
            return 5;
        default:
            return 0;
    }
}

int GetDriveKind() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return 0;
    }
    return GetDriveKind(std::string(path, length));
}

}  // namespace setup

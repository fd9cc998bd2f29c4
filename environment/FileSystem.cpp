#include "FileSystem.h"

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

}  // namespace

bool PathExists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
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

void RemoveEmptyDirectories(const std::string& path) {
    std::string current = WithoutTrailingSlash(path);
    while (current.size() > 3) {
        if (!RemoveDirectoryA(current.c_str())) {
            return;
        }
        const size_t slash = current.find_last_of('\\');
        if (slash == std::string::npos) {
            return;
        }
        current.resize(slash);
    }
}

}  // namespace setup

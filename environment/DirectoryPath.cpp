#include "DirectoryPath.h"

namespace setup {
namespace {

constexpr const char* kSeparators = "\\/";

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsNetworkPath(const std::string& path) {
    return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]);
}

}  // namespace

std::string WithoutTrailingSeparators(const std::string& path) {
    const size_t last = path.find_last_not_of(kSeparators);
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string ParentDirectory(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparators(path);
    const size_t slash = trimmed.find_last_of(kSeparators);
    if (slash == std::string::npos) {
        return std::string();
    }
    return WithoutTrailingSeparators(trimmed.substr(0, slash));
}

bool IsRootDirectory(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparators(path);
    if (trimmed.empty()) {
        return true;
    }
    if (trimmed.size() == 2 && trimmed[1] == ':') {
        return true;
    }
    if (IsNetworkPath(path)) {
        // "\\server" or "\\server\share": at most one separator after the
        // server name.
        const size_t share = trimmed.find_first_of(kSeparators, 2);
        return share == std::string::npos ||
               trimmed.find_first_of(kSeparators, share + 1) == std::string::npos;
    }
    return false;
}

std::string DriveRootOf(const std::string& path) {
    if (path.size() > 2 && path[0] == '\\' && path[1] == '\\') {
        const size_t share = path.find('\\', 2);
        if (share == std::string::npos || share + 1 >= path.size()) {
            return std::string();
        }
        const size_t end = path.find('\\', share + 1);
        return end == std::string::npos ? path + "\\" : path.substr(0, end + 1);
    }
    const size_t slash = path.find('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace setup

#include "NameList.h"

#include <cstring>

namespace setup {

std::vector<std::string> SplitNameList(const char* buffer, size_t size, size_t maxNames) {
    std::vector<std::string> names;
    if (buffer == nullptr) {
        return names;
    }
    size_t at = 0;
    while (at < size && names.size() < maxNames) {
        const void* nul = std::memchr(buffer + at, '\0', size - at);
        const size_t length =
            nul != nullptr ? static_cast<size_t>(static_cast<const char*>(nul) - (buffer + at))
                           : size - at;
        if (length == 0) {
            break;
        }
        names.emplace_back(buffer + at, length);
        at += length + 1;
    }
    return names;
}

}  // namespace setup

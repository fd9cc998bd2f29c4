#include "TextReplace.h"

namespace setup {

void ReplaceAll(std::string& text, const std::string& token, const std::string& value,
                size_t limit) {
    if (token.empty()) {
        return;
    }
    std::string result;
    size_t from = 0;
    for (size_t at = text.find(token); at != std::string::npos; at = text.find(token, from)) {
        result.append(text, from, at - from);
        result.append(value);
        from = at + token.size();
        if (result.size() > limit) {
            break;
        }
    }
    if (result.size() <= limit) {
        result.append(text, from, std::string::npos);
    }
    if (result.size() > limit) {
        result.resize(limit);
    }
    text.swap(result);
}

}  // namespace setup

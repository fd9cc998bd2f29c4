#include "TextTokens.h"

#include "foundation/TextReplace.h"

namespace setup {

void ExpandMessageTokens(
    std::string& text,
    const std::function<bool(const std::string& key, std::string& value)>& lookup, size_t limit) {
    std::string value;
    size_t from = 0;
    for (;;) {
        const size_t open = text.find('@', from);
        if (open == std::string::npos) {
            break;
        }
        const size_t close = text.find('@', open + 1);
        if (close == std::string::npos) {
            break;
        }
        const std::string key = text.substr(open + 1, close - open - 1);
        if (!key.empty() && lookup(key, value)) {
            ReplaceAll(text, "@" + key + "@", value, limit);
        }
        from = close + 1;
    }
    if (text.size() > limit) {
        text.resize(limit);
    }
}

void ReplaceVariables(std::string& text,
                      const std::vector<std::pair<std::string, std::string>>& table, size_t limit) {
    for (const auto& variable : table) {
        ReplaceAll(text, variable.first, variable.second, limit);
    }
    if (text.size() > limit) {
        text.resize(limit);
    }
}

}  // namespace setup

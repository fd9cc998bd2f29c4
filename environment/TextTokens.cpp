#include "TextTokens.h"

namespace setup {
namespace {

// Replaces every occurrence, stopping once the text passes the limit.
void ReplaceAllCut(std::string& text, const std::string& token, const std::string& value,
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

}  // namespace

void ExpandMessageTokens(std::string& text,
                         const std::function<bool(const std::string& key, std::string& value)>& lookup,
                         size_t limit) {
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
            ReplaceAllCut(text, "@" + key + "@", value, limit);
        }
        from = close + 1;
    }
    if (text.size() > limit) {
        text.resize(limit);
    }
}

void ReplaceVariables(std::string& text,
                      const std::vector<std::pair<std::string, std::string>>& table,
                      size_t limit) {
    for (const auto& variable : table) {
        ReplaceAllCut(text, variable.first, variable.second, limit);
    }
    if (text.size() > limit) {
        text.resize(limit);
    }
}

}  // namespace setup

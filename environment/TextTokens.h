// The two token expansions that configuration values get after their defined
// strings: messages between at signs and installer variables between dollar
// signs. Both cut their result at a limit instead of growing without end.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace setup {

// Largest value a configuration read returns, without its closing NUL.
constexpr size_t kMaxConfigValue = 16383;

// Replaces "@KEY@" tokens by lookup(KEY) wherever the lookup finds the key,
// searching on after each token's closing at sign; tokens it does not find
// stay. The text is cut at limit.
void ExpandMessageTokens(
    std::string& text,
    const std::function<bool(const std::string& key, std::string& value)>& lookup,
    size_t limit = kMaxConfigValue);

// Replaces every occurrence of each name (exact case) by its value, the
// names in table order; a value is searched again only by the names after it.
// The text is cut at limit.
void ReplaceVariables(std::string& text,
                      const std::vector<std::pair<std::string, std::string>>& table,
                      size_t limit = kMaxConfigValue);

}  // namespace setup

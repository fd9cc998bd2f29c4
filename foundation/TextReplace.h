// Replacing every occurrence of a token in a text.
#pragma once

#include <string>

namespace setup {

// Replaces every occurrence of token (exact case) by value, left to right;
// replaced text is not searched again. Stops once the text passes limit and
// cuts it there.
void ReplaceAll(std::string& text, const std::string& token, const std::string& value,
                size_t limit = std::string::npos);

}  // namespace setup

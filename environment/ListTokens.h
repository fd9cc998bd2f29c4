// Tokens of a list value: the parts of a text between separator characters.
#pragma once

#include <cstddef>
#include <string>

namespace setup {

// The index-th token (from 0) of text, where tokens are the runs of
// characters between any of the separator characters; runs of separators
// and separators at either end make no empty tokens. size is the room the
// caller has for the token with its closing NUL. False, with token left
// empty, when there are not that many tokens, when text, separators or size
// is empty, or when the token needs more than size bytes.
bool GetToken(const std::string& text, const std::string& separators, int index, std::string& token,
              size_t size);

}  // namespace setup

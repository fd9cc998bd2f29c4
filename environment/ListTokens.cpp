#include "ListTokens.h"

namespace setup {

bool GetToken(const std::string& text, const std::string& separators, int index, std::string& token,
              size_t size) {
    token.clear();
    if (text.empty() || separators.empty() || size == 0 || index < 0) {
        return false;
    }
    size_t start = text.find_first_not_of(separators);
    for (int n = 0; start != std::string::npos; ++n) {
        size_t end = text.find_first_of(separators, start);
        if (end == std::string::npos) {
            end = text.size();
        }
        if (n == index) {
            if (end - start >= size) {
                return false;
            }
            token.assign(text, start, end - start);
            return true;
        }
        start = text.find_first_not_of(separators, end);
    }
    return false;
}

}  // namespace setup

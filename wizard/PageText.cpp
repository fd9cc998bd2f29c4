#include "PageText.h"

#include <cctype>

namespace setup {
namespace {

std::string Trim(const std::string& text, const char* characters) {
    const size_t first = text.find_first_not_of(characters);
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(characters);
    return text.substr(first, last - first + 1);
}

bool Has(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

}  // namespace

int ItemTypeFlags(const std::string& value) {
    std::string upper = value;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    int flags = 0;
    if (Has(upper, "NORMAL")) {
        flags = 0;
    } else if (Has(upper, "NOT_INST")) {
        flags = 2;
    } else if (Has(upper, "INST")) {
        flags = 1;
    } else if (Has(upper, "ALL")) {
        flags = 3;
    }
    if (Has(upper, "UNCHK")) {
        flags |= 0x10;
    } else if (Has(upper, "CHK")) {
        flags |= 0x20;
    }
    if (Has(upper, "TYPE_INST")) {
        // an install page adds nothing
    } else if (Has(upper, "TYPE_UNIN")) {
        flags |= 0x100;
    } else if (Has(upper, "TYPE_REIN")) {
        flags |= 0x200;
    }
    return flags;
}

PageRequest SplitPageRequest(const std::string& text) {
    const std::string whole = Trim(text, " \t");
    PageRequest request;
    const size_t dash = whole.find('-');
    request.name = whole.substr(0, dash);
    if (dash != std::string::npos) {
        request.parameter = Trim(whole.substr(dash + 1), " \t");
    }
    request.name = Trim(request.name, " \t\"");
    return request;
}

}  // namespace setup

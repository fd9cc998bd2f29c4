#include "CommandText.h"

#include "foundation/NameCompare.h"

namespace setup {

bool IsInList(const std::string& list, const std::string& item) {
    const std::string wanted = FoldName(TrimBlanks(item));
    size_t at = 0;
    for (;;) {
        const size_t comma = list.find(',', at);
        const size_t end = comma == std::string::npos ? list.size() : comma;
        if (FoldName(TrimBlanks(list.substr(at, end - at))) == wanted) {
            return true;
        }
        if (comma == std::string::npos) {
            return false;
        }
        at = comma + 1;
    }
}

bool IsCommandText(const std::string& text) {
    return text.size() >= 3 && SameName(text.substr(0, 3).c_str(), "CT_");
}

DWORD SetupTypeFromName(const std::string& name) {
    if (SameName(name.c_str(), "INSTALL")) {
        return 1;
    }
    if (SameName(name.c_str(), "UNINST")) {
        return 2;
    }
    if (SameName(name.c_str(), "REINST")) {
        return 3;
    }
    return 0;
}

bool IsNonZeroDecimal(const std::string& text) {
    const std::string number = TrimBlanks(text);
    size_t at = 0;
    if (at < number.size() && (number[at] == '+' || number[at] == '-')) {
        ++at;
    }
    // Any digit other than zero before the first non-digit makes the number
    // non-zero, however long it is.
    for (; at < number.size() && number[at] >= '0' && number[at] <= '9'; ++at) {
        if (number[at] != '0') {
            return true;
        }
    }
    return false;
}

void SplitSectionLine(const std::string& line, std::string& key, std::string& value) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
        key = TrimBlanks(line);
        value.clear();
        return;
    }
    key = TrimBlanks(line.substr(0, equals));
    value = TrimBlanks(line.substr(equals + 1));
}

}  // namespace setup

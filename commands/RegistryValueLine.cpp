#include "RegistryValueLine.h"

#include "foundation/NameCompare.h"

namespace setup {

RegistryValueLine ParseRegistryValueLine(const std::string& text) {
    RegistryValueLine line;
    std::string* fields[] = {&line.type, &line.name};
    size_t at = 0;
    for (std::string* field : fields) {
        at = text.find_first_not_of(',', at);
        if (at == std::string::npos) {
            return line;
        }
        const size_t comma = text.find(',', at);
        const size_t end = comma == std::string::npos ? text.size() : comma;
        *field = TrimBlanks(text.substr(at, end - at));
        if (comma == std::string::npos) {
            return line;
        }
        at = comma + 1;
    }
    line.data = TrimBlanks(text.substr(at));
    return line;
}

bool NamesCurrentUser(const std::string& rootKey) {
    return FoldName(rootKey).find("hkcu") != std::string::npos;
}

bool IsDwordType(const std::string& type) {
    return SameName(type.c_str(), "REG_DWORD");
}

}  // namespace setup

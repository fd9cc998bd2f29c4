#include "CancelType.h"

#include <cctype>

namespace setup {

CancelType ParseCancelType(const std::string& value) {
    std::string upper = value;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (upper == "OK_CANCEL") {
        return CancelType::kOkCancel;
    }
    if (upper == "NULL") {
        return CancelType::kNull;
    }
    return CancelType::kResumeExit;
}

}  // namespace setup

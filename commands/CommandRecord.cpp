#include "CommandRecord.h"

namespace {

void CutText(std::string& text) {
    if (text.size() > setup::kMaxCommandText) {
        text.resize(setup::kMaxCommandText);
    }
}

}  // namespace

COMMAND_RECORD COMMAND_RECORD::Make(const std::string& type, const std::string& param1,
                                    const std::string& param2, const std::string& param3,
                                    const std::string& param4, const std::string& param5) {
    COMMAND_RECORD record;
    record.type = type;
    record.params = {param1, param2, param3, param4, param5};
    record.Cut();
    return record;
}

void COMMAND_RECORD::Cut() {
    CutText(type);
    for (std::string& param : params) {
        CutText(param);
    }
}

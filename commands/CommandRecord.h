// One command: its type (a name such as "CT_OPEN_DLG") and five parameter
// texts. Every field holds at most kMaxCommandText characters; longer texts
// are cut when a record is made or copied for execution.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace setup {

constexpr size_t kMaxCommandText = 16383;
constexpr size_t kCommandParams = 5;

}  // namespace setup

struct COMMAND_RECORD {
    std::string type;
    // Param1 to Param5; empty parameters are empty texts.
    std::array<std::string, setup::kCommandParams> params;

    // A record with every field cut to the limit.
    static COMMAND_RECORD Make(const std::string& type, const std::string& param1 = std::string(),
                               const std::string& param2 = std::string(),
                               const std::string& param3 = std::string(),
                               const std::string& param4 = std::string(),
                               const std::string& param5 = std::string());

    // Cuts every field to the limit.
    void Cut();
};

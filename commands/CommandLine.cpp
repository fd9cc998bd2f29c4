#include "CommandLine.h"

#include "foundation/NameCompare.h"

namespace setup {
namespace {

// Trimmed, cut to the record's limit, and trimmed again where the cut left
// blanks at the end.
std::string Field(const std::string& text) {
    std::string field = TrimBlanks(text);
    if (field.size() > kMaxCommandText) {
        field.resize(kMaxCommandText);
        field = TrimBlanks(field);
    }
    return field;
}

}  // namespace

COMMAND_RECORD ParseCommandLine(const std::string& line, std::string* ignored) {
    std::string type = line;
    std::string params[kCommandLineParams];
    std::string rest;
    const size_t equals = line.find('=');
    if (equals != std::string::npos) {
        type = line.substr(0, equals);
        size_t at = equals + 1;
        for (std::string& param : params) {
            at = line.find_first_not_of(',', at);
            if (at == std::string::npos) {
                break;
            }
            const size_t comma = line.find(',', at);
            const size_t end = comma == std::string::npos ? line.size() : comma;
            param = Field(line.substr(at, end - at));
            at = end;
        }
        if (at != std::string::npos) {
            at = line.find_first_not_of(',', at);
            if (at != std::string::npos) {
                rest = line.substr(at);
            }
        }
    }
    if (ignored != nullptr) {
        *ignored = rest;
    }
    return COMMAND_RECORD::Make(Field(type), params[0], params[1], params[2]);
}

}  // namespace setup

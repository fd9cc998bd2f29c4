#include "CommandLine.h"

#include <cctype>

namespace setup {
namespace {

std::string TrimValue(const std::string& text) {
    const char* kTrimmed = " \t\"";
    const size_t first = text.find_first_not_of(kTrimmed);
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(kTrimmed);
    return text.substr(first, last - first + 1);
}

}  // namespace

std::vector<CommandSwitch> SplitCommandLine(const std::string& commandLine) {
    std::vector<CommandSwitch> switches;
    size_t from = 0;
    while (from < commandLine.size()) {
        const size_t start = commandLine.find_first_not_of("/-", from);
        if (start == std::string::npos) {
            break;
        }
        size_t end = commandLine.find_first_of("/-", start);
        if (end == std::string::npos) {
            end = commandLine.size();
        }
        const std::string token = commandLine.substr(start, std::min(end - start, kMaxSwitchText));
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(token[0])));
        switches.push_back({letter, TrimValue(token.substr(1))});
        from = end;
    }
    return switches;
}

int SetupTypeOf(const std::vector<CommandSwitch>& switches) {
    int setupType = 1;
    for (const CommandSwitch& s : switches) {
        switch (s.letter) {
            case 'D':
                setupType = 6;
                break;
            case 'R':
                setupType = 3;
                break;
            case 'U':
                setupType = 2;
                break;
            default:
                break;
        }
    }
    return setupType;
}

}  // namespace setup

// Feeds arbitrary bytes to the command-line parser, whole and line by line,
// and to the readings of registry value lines and lists, and checks what
// every command record must satisfy; and to the program's own switch
// parser.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/CommandLine.h"
#include "commands/CommandLine.h"
#include "commands/CommandText.h"
#include "commands/RegistryValueLine.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool Trimmed(const std::string& text) {
    return text.empty() || (text.front() != ' ' && text.front() != '\t' && text.back() != ' ' &&
                            text.back() != '\t');
}

void CheckLine(const std::string& line) {
    std::string ignored;
    const COMMAND_RECORD record = setup::ParseCommandLine(line, &ignored);
    Require(record.type.size() <= setup::kMaxCommandText);
    Require(Trimmed(record.type));
    for (size_t i = 0; i < setup::kCommandParams; ++i) {
        const std::string& param = record.params[i];
        Require(param.size() <= setup::kMaxCommandText);
        Require(Trimmed(param));
        Require(param.find(',') == std::string::npos);
        Require(i < setup::kCommandLineParams || param.empty());
    }
    // Text is ignored only after three parameters.
    Require(ignored.empty() || line.find('=') != std::string::npos);
    Require(ignored.empty() || ignored.front() != ',');
    // A line without "=" is its type alone.
    if (line.find('=') == std::string::npos) {
        Require(record.params[0].empty());
    }

    const setup::RegistryValueLine value = setup::ParseRegistryValueLine(line);
    Require(Trimmed(value.type) && Trimmed(value.name) && Trimmed(value.data));
    Require(value.type.find(',') == std::string::npos);
    Require(value.name.find(',') == std::string::npos);

    setup::IsInList(line, record.type);
    setup::IsNonZeroDecimal(line);
    setup::IsCommandText(line);
    setup::SetupTypeFromName(line);
}

void CheckSwitches(const std::string& text) {
    for (const setup::CommandSwitch& s : setup::SplitCommandLine(text)) {
        Require(s.letter != '/' && s.letter != '-');
        Require(s.value.size() < setup::kMaxSwitchText);
        Require(s.value.find_first_of("/-") == std::string::npos);
        Require(s.value.empty() || (s.value.front() != '"' && s.value.back() != '"'));
    }
    const int setupType = setup::SetupTypeOf(setup::SplitCommandLine(text));
    Require(setupType == 1 || setupType == 2 || setupType == 3 || setupType == 6);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckSwitches(text);
    CheckLine(text);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        CheckLine(text.substr(start, end - start));
        start = end + 1;
    }
    return 0;
}

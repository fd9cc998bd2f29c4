// The program's command line: switches introduced by "/" or "-", each a
// letter and a value ("/AC:\Dest", "-U", "/L0x409").
#pragma once

#include <string>
#include <vector>

namespace setup {

struct CommandSwitch {
    char letter;  // upper case
    std::string value;
};

// Longest switch, letter and value, that is read; the rest is cut off.
constexpr size_t kMaxSwitchText = 16383;

// Splits at every "/" and "-" (a run of them is one separator). A token's
// first character is its letter; the rest, without blanks, tabs and double
// quotes at both ends, its value. A value cannot hold "/" or "-": the text
// after one is read as a further switch.
std::vector<CommandSwitch> SplitCommandLine(const std::string& commandLine);

// The run mode the switches ask for: 6 for "D", 3 for "R", 2 for "U", the
// last of them winning; 1 without any.
int SetupTypeOf(const std::vector<CommandSwitch>& switches);

}  // namespace setup

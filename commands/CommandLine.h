// The text form of a command in a command section: "TYPE = P1, P2, P3".
#pragma once

#include <string>

#include "CommandRecord.h"

namespace setup {

// Most parameters a command line can give (Param1 to Param3).
constexpr size_t kCommandLineParams = 3;

// The type is the text before the first "=", trimmed of spaces and tabs; a
// line without "=" is a type alone. The text after it is split at commas,
// runs of commas counting as one (empty fields are skipped), into at most
// three parameters, each trimmed of spaces and tabs. Fields are cut to the
// record's limit, and lose the blanks such a cut leaves at their end. Text
// after the third parameter is not part of the command; when ignored is
// given it receives that text (empty when there is none).
COMMAND_RECORD ParseCommandLine(const std::string& line, std::string* ignored = nullptr);

}  // namespace setup

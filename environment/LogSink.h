// Where the platform and option code sends its log lines: the run's log in
// the program, a list of lines in tests. Each call is one whole line.
#pragma once

#include <functional>
#include <string>

namespace setup {

using LogSink = std::function<void(const std::string& line)>;

}  // namespace setup

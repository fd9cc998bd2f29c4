// Small readings of command parameters and data-section values, shared by
// the command handlers.
#pragma once

#include <string>

#include "foundation/WinTypes.h"

namespace setup {

// True when the comma-separated list holds the item: each element trimmed
// of spaces and tabs and compared without regard to case. An empty element
// matches only an empty item.
bool IsInList(const std::string& list, const std::string& item);

// True when the text's first three characters are "CT_" (any case): the text
// is then a whole command line rather than a page name.
bool IsCommandText(const std::string& text);

// "INSTALL" 1, "UNINST" 2, "REINST" 3 (any case); anything else 0.
DWORD SetupTypeFromName(const std::string& name);

// The text read as a decimal number after trimming spaces and tabs (an
// optional sign, then digits up to the first other character); true when
// that number is not zero.
bool IsNonZeroDecimal(const std::string& text);

// A "key = value" line of a section split at its first "=", both sides
// trimmed of spaces and tabs; a line without "=" is a key alone.
void SplitSectionLine(const std::string& line, std::string& key, std::string& value);

}  // namespace setup

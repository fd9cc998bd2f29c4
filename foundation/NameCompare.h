// Section names and keys compare without regard to case, character by
// character in the ANSI code page: a double-byte character is one unit and
// compares exactly, a single-byte letter compares without its case.
#pragma once

#include <string>

namespace setup {

// The form of a name under which equal names are equal strings: single-byte
// characters lowered, double-byte characters kept as they are.
std::string FoldName(const char* name);
std::string FoldName(const std::string& name);

// True when the two names are equal under the comparison rule.
bool SameName(const char* a, const char* b);

// Section names lose blanks, double quotes and square brackets at both ends
// ("[ Name ]" and "\"name\"" name the same section as "NAME").
std::string NormalizeSectionName(const char* name);

// Trims spaces and tabs at both ends.
std::string TrimBlanks(const std::string& text);

}  // namespace setup

// The text form of registry values in a registry file, which is a profile
// file: one section per key and one line per value, the value name in double
// quotes and a value text that depends on the type:
//   "Name" = "text"            REG_SZ
//   "Count" = dword:0000001a   REG_DWORD
//   "Blob" = hex:              REG_BINARY, listed without its data
// The profile format has no escapes, so a line is written only when the
// profile reader gives it back as it stands (ProfileReadsBack).
#pragma once

#include <string>

#include "WinTypes.h"

namespace setup {

constexpr size_t kMaxRegistryName = 259;
constexpr size_t kMaxRegistryText = 4095;

enum class RegistryLineKind { kString, kDword, kBinary };

struct RegistryLine {
    std::string name;
    RegistryLineKind kind = RegistryLineKind::kString;
    std::string text;  // REG_SZ data
    DWORD number = 0;  // REG_DWORD data
};

// "\"text\"": the form of a value name and of string data.
std::string QuoteRegistryText(const std::string& text);
// "dword:%08x".
std::string FormatRegistryDword(DWORD number);
// "hex:", the whole text written for binary data.
const char* RegistryBinaryText();

// Reads one line of a registry file as the profile reader split it: the key
// and the value (empty for a line without "=", whose key is then all value
// text and whose name is empty). The name loses surrounding blanks and one
// double quote at each end; quoted value text loses one double quote at each
// end, so quotes inside names and data survive. 0, or 13 for a name over 259
// characters, a type other than "dword" and "hex", or a DWORD that is not one
// to eight hexadecimal digits. line is unchanged on failure.
DWORD ParseRegistryLine(const std::string& key, const std::string& value, RegistryLine& line);

// True when the profile reader, entering the line in the given quoted state,
// reads it back exactly: no line end or NUL, no comment marker ("//", "/*")
// outside double quotes, and no more than 4095 characters. On true, quoted
// holds the state after the line (an odd number of double quotes flips it
// for the lines that follow); on false it is unchanged.
bool ProfileReadsBack(const std::string& line, bool& quoted);

}  // namespace setup

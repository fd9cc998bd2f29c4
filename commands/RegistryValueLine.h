// The texts of a registry data section: the root key's name and the
// "VALUE = type, name, data" lines.
#pragma once

#include <string>

namespace setup {

struct RegistryValueLine {
    std::string type;
    std::string name;
    std::string data;
};

// The first comma-separated field (type), the next one (name) and everything
// after the comma that ends the name (data), each trimmed of spaces and
// tabs. Empty fields are skipped while the first two are taken, so a missing
// type shifts the others; the data keeps any further commas.
RegistryValueLine ParseRegistryValueLine(const std::string& text);

// True when the root key text names HKEY_CURRENT_USER: it contains "HKCU"
// in any case, also inside a longer word. Anything else means
// HKEY_LOCAL_MACHINE.
bool NamesCurrentUser(const std::string& rootKey);

// True for the value type "REG_DWORD" (any case); every other type is text.
bool IsDwordType(const std::string& type);

}  // namespace setup

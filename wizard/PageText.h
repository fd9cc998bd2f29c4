// Small text rules of the page sequence: the item filter a page names in
// "ITEM_TYPE", and a request to open a page ("NAME-parameter").
#pragma once

#include <string>

namespace setup {

// "ITEM_TYPE" as flags: installation state (0 normal, 1 installed, 2 not
// installed, 3 all), 0x10 unchecked or 0x20 checked, and 0x100 uninstall or
// 0x200 reinstall pages. Matched by substrings, without regard to case.
int ItemTypeFlags(const std::string& value);

struct PageRequest {
    std::string name;
    std::string parameter;
};

// Splits an open request at its first "-": the page section name before it
// (without blanks, tabs and double quotes at its ends) and the parameter
// after it (without blanks and tabs at its ends).
PageRequest SplitPageRequest(const std::string& text);

}  // namespace setup

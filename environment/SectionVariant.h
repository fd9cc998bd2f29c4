// The names a section may be given per OS define string, language and
// connection, most specific first: base.OS.LANG.NETWORK.USB down to base.
#pragma once

#include <string>
#include <vector>

namespace setup {

// Candidates in lookup order, upper-cased. NETWORK and USB take part only
// when their options are on; an empty OS define string or language leaves
// its part out, and a name that would repeat is listed once.
std::vector<std::string> SectionVariantNames(const std::string& base, const std::string& os,
                                             const std::string& language, bool network, bool usb);

}  // namespace setup

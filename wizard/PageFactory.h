// Makes the page object of the kind a page section names ("NORMAL.WELCOME"
// is a plain page). The page has no window yet: SetConfig and CreatePage
// follow.
#pragma once

#include <memory>
#include <string>

#include "PageDlg.h"

namespace setup {

// The page of section's kind; null (after the log line "%s Section is
// invalid dialog section") when the name holds no page kind. A kind whose
// own page is not part of this build gets a plain page on the empty page
// template, with one log line that says so.
std::unique_ptr<CPageDlg> MakePage(const std::string& section);

}  // namespace setup

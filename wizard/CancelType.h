// How the wizard asks before it gives up a setup: the key "CANCEL_TYPE" of
// "DLG_COMMON" in the configure file.
#pragma once

#include <string>

namespace setup {

enum class CancelType {
    kResumeExit = 0,  // warning box with Resume and Exit; Exit cancels
    kOkCancel = 1,    // warning box with Yes and No; Yes cancels
    kNull = 2,        // no question; cancels at once
};

// "RESUME_EXIT", "OK_CANCEL" or "NULL" in any case; anything else, and an
// empty text, is kResumeExit.
CancelType ParseCancelType(const std::string& value);

}  // namespace setup

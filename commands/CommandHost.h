// What the command executor needs from the wizard window and its pages. The
// wizard implements it and registers itself with the executor; until it
// does, the page commands log that they are not available and fail.
#pragma once

#include <string>

namespace setup {

class CCommandHost {
public:
    virtual ~CCommandHost() = default;

    // Shows the page named by the text ("NAME" or "NAME-parameter"); with
    // back set, returns to it. False when the page cannot be shown.
    virtual bool OpenPage(const std::string& page, bool back) = 0;
    // Asks the user to confirm the cancel as "CANCEL_TYPE" says; true when
    // the setup is to be ended.
    virtual bool ConfirmCancel() = 0;
    // Builds a dialog from the page section, runs it modally with the main
    // window disabled and destroys it. False when it could not be built.
    virtual bool DoModal(const std::string& pageSection) = 0;
    // Toggles the visibility of the named objects (a comma-separated list)
    // on the page now shown; false when no page is shown.
    virtual bool ShowToggle(const std::string& objects) = 0;
    // Shows a notice in the wizard's message box and waits for OK.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace setup

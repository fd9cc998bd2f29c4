// The installer's plain message box. What is shown goes through a presenter
// that a test (or a window that must show its own box) can replace.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace setup {

// Shows the text and returns the button pressed (IDOK...), as MessageBoxA.
using MessagePresenter =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, UINT style)>;

// Replaces the presenter; an empty one restores MessageBoxA. Returns the
// one in use before. Not for use while another thread shows a message.
MessagePresenter SetMessagePresenter(MessagePresenter presenter);

// Shows the message with the style, adding right-to-left reading
// (MB_RTLREADING) when the RIGHT_ALIGN option of the run's environment is
// on. Returns the presenter's answer.
int ShowMessage(HWND owner, const std::string& text, const std::string& caption, UINT style);

}  // namespace setup

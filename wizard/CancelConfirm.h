// The question before the setup is given up: asked in the wizard's message
// box in the form "CANCEL_TYPE" (of "DLG_COMMON" in the configure file)
// chooses, with the text "CANCEL_MSG" of "CANCEL_DLG" or a built-in one.
#pragma once

#include <windows.h>

#include <string>

#include "CancelType.h"

namespace setup {

// What is asked when the configure file has no "CANCEL_MSG" (or an empty one).
extern const char* const kBuiltInCancelText;

// "CANCEL_TYPE" of "DLG_COMMON" in the configure file loaded now;
// kResumeExit without an environment or key.
CancelType ReadCancelType();
// "CANCEL_MSG" of "CANCEL_DLG" with variables substituted, else the
// built-in text.
std::string GetCancelText();

// Asks as the cancel type says, in a box modal over parent (null: the main
// window). True when the setup is to be ended: Exit in the Resume/Exit
// form, Yes in the Yes/No form, always with "NULL". False when the user
// goes on or the box could not be shown.
bool ConfirmCancel(HWND parent);

// The copy page's question: always the Resume/Exit form, whatever
// "CANCEL_TYPE" says. True when the user chose Exit.
bool ConfirmCopyCancel(HWND parent);

}  // namespace setup

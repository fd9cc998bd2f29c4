// The window messages that commands send or post to the main window.
#pragma once

#include <windows.h>

// lParam: a command record posted by CCmdOperator::PostCommand.
constexpr UINT WM_WIZARD_RUN_COMMAND = WM_USER + 1011;
// Remote-install progress.
constexpr UINT WM_INSTALL_STATUS = WM_USER + 1013;
// wParam 1 or 0: a program started by a command has ended (1 also brings the
// wizard to the front).
constexpr UINT WM_USER_END_WAIT = WM_USER + 1016;
// wParam 0: show the page named by lParam; -1: return to it.
constexpr UINT WM_WIZARD_OPEN_PAGE = WM_USER + 1018;

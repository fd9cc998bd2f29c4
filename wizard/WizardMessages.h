// The window messages of the wizard window, its pages and its small windows.
// Numbers that commands also use are in commands/CommandMessages.h.
#pragma once

#include <windows.h>

#include "commands/CommandMessages.h"

// lParam: the status-line text of a page; an empty text restores its default.
constexpr UINT WM_SET_STATUS_TEXT = WM_USER + 1012;
// To the progress window: ends it as a dialog with wParam as result.
constexpr UINT WM_END_PROGRESS = WM_USER + 1013;
// Any wParam: run "CT_DLG_CANCEL".
constexpr UINT WM_WIZARD_CANCEL = WM_USER + 1015;
// To the progress window: (wParam, lParam) both non-zero set the step to
// wParam / lParam; (0, 0) advances the bar by one step.
constexpr UINT WM_INIT_PROGRESS = WM_USER + 1019;
// To a message box: wParam 0 locks its buttons, non-zero unlocks them.
constexpr UINT WM_MSGBOX_LOCK = WM_USER + 1022;
// Sent by a second instance: bring the wizard to the front.
constexpr UINT WM_WIZARD_ACTIVATE = WM_USER + 1026;
// wParam 1: run the start section's first command; 0: the start failed.
constexpr UINT WM_WIZARD_START = WM_USER + 1027;
// Sent to every window below a plain page when the page is entered, so that
// objects that show the run's state refill themselves.
constexpr UINT WM_PAGE_RESTART = WM_USER + 1032;

// Control ids of what a page creates itself.
constexpr int kObjectControlId = 0xFFFF;
constexpr int kStatusLineId = 0xFFFF;
constexpr int kModalNextId = 0xEFFF;
constexpr int kModalOkId = 0xEFFE;
constexpr int kModalBackId = 0xEFFD;
constexpr int kModalCancelId = 0xEFFC;
// The "Next" button of the page templates.
constexpr int kTemplateNextId = 1004;

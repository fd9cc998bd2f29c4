// A progress bar. The range is 32-bit; positions outside it are clamped by
// the control.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "Window.h"

namespace platform {

class ProgressBar : public Window {
public:
    static constexpr const char* kClassName = PROGRESS_CLASSA;
    using Window::Window;

    // False (GetLastError) when the control cannot be created.
    bool Create(HWND parent, int id, const RECT& rect, DWORD style = WS_CHILD | WS_VISIBLE,
                DWORD exStyle = 0) {
        return Window::Create(exStyle, kClassName, "", style, rect, parent, id);
    }

    void SetRange(int minimum, int maximum) const { SendMessage(PBM_SETRANGE32, minimum, maximum); }
    // Both 0 when there is no control.
    void GetRange(int& minimum, int& maximum) const {
        PBRANGE range = {};
        SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        minimum = range.iLow;
        maximum = range.iHigh;
    }
    // Each call gives the position before.
    int SetPos(int position) const { return static_cast<int>(SendMessage(PBM_SETPOS, position)); }
    int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
    int OffsetPos(int delta) const { return static_cast<int>(SendMessage(PBM_DELTAPOS, delta)); }
    // The step StepIt advances by; gives the step before.
    int SetStep(int step) const { return static_cast<int>(SendMessage(PBM_SETSTEP, step)); }
    int StepIt() const { return static_cast<int>(SendMessage(PBM_STEPIT)); }
};

}  // namespace platform

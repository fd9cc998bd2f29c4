#include "CommonControls.h"

#include <windows.h>

#include <commctrl.h>

namespace platform {

bool InitCommonControlClasses() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls = {};
        controls.dwSize = sizeof(controls);
        controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS |
                         ICC_LISTVIEW_CLASSES | ICC_ANIMATE_CLASS | ICC_INTERNET_CLASSES |
                         ICC_BAR_CLASSES | ICC_TAB_CLASSES;
        return ::InitCommonControlsEx(&controls) != FALSE;
    }();
    return registered;
}

}  // namespace platform

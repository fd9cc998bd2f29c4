#include "PnPWaitLoop.h"

namespace setup {

bool RunPnPWait(bool bringForward, const PnPWaitHooks& hooks) {
    const DWORD started = hooks.now();
    if (hooks.wait(kPnPQueryMs) == 0) {
        return false;
    }
    if (bringForward) {
        while (hooks.wait(kPnPQueryMs) == kWaitTimeout) {
            hooks.bringForward();
        }
        return true;
    }
    DWORD answer = hooks.wait(kPnPQueryMs);
    while (answer == kWaitTimeout && hooks.now() - started < kPnPWaitLimitMs) {
        answer = hooks.wait(kPnPQueryMs);
    }
    return true;
}

}  // namespace setup

// The plug-and-play wait's rules, apart from the Setup API: how often the
// pending-installation query is repeated and when the wait gives up.
#pragma once

#include <functional>

#include "foundation/WinTypes.h"

namespace setup {

// The query's answer while installations are still pending after its time.
constexpr DWORD kWaitTimeout = 258;
// Each query waits this long for pending installations.
constexpr DWORD kPnPQueryMs = 1000;
// Without the new-hardware dialog brought forward, the wait ends after this.
constexpr DWORD kPnPWaitLimitMs = 60000;

struct PnPWaitHooks {
    // CMP_WaitNoPendingInstallEvents: 0 when nothing is pending.
    std::function<DWORD(DWORD ms)> wait;
    // Brings the system's new-hardware dialog to the front.
    std::function<void()> bringForward;
    std::function<DWORD()> now;  // ms, wrapping like GetTickCount
};

// False when the first query finds nothing pending. Otherwise queries again
// while the answer is kWaitTimeout: with bringForward set for as long as
// that lasts, bringing the dialog forward after each time-out; without it
// for at most kPnPWaitLimitMs in all. Then true.
bool RunPnPWait(bool bringForward, const PnPWaitHooks& hooks);

}  // namespace setup

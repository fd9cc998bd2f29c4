// The wait for a service to leave a pending state, apart from the service
// manager: the status comes from a query and time from a clock, so the
// polling rules can be followed without a real service.
#pragma once

#include <functional>

#include "foundation/WinTypes.h"

namespace setup {

// Service states and the result codes of the wait, as the service manager
// numbers them.
constexpr DWORD kServiceStopped = 1;
constexpr DWORD kServiceStartPending = 2;
constexpr DWORD kServiceStopPending = 3;
constexpr DWORD kServiceRunning = 4;
constexpr DWORD kErrorServiceRequestTimeout = 1053;

// The parts of a service's status the wait reads.
struct ServiceProgress {
    DWORD state = 0;
    DWORD checkPoint = 0;
    DWORD waitHint = 0;  // ms the service expects its next step to take
    DWORD exitCode = 0;  // the service's Win32 exit code
};

struct ServiceWaitHooks {
    // Refreshes the status; 0, or the error that stopped the query.
    std::function<DWORD(ServiceProgress& status)> query;
    std::function<DWORD()> now;  // ms, wrapping like GetTickCount
    std::function<void(DWORD ms)> sleep;
};

// Polls while the service is in the pending state: each pause is a tenth of
// the wait hint, kept between 100 and 1000 ms; the time-out is the wait hint,
// started again whenever the check point rises. 0 when the service then is
// in the goal state; otherwise the query's error, the service's exit code,
// or kErrorServiceRequestTimeout when it gave none.
DWORD WaitForServiceState(ServiceProgress status, DWORD goal, DWORD pending,
                          const ServiceWaitHooks& hooks);

}  // namespace setup

#include "ServiceWait.h"

#include <algorithm>

namespace setup {

DWORD WaitForServiceState(ServiceProgress status, DWORD goal, DWORD pending,
                          const ServiceWaitHooks& hooks) {
    DWORD started = hooks.now();
    DWORD checkPoint = status.checkPoint;
    while (status.state == pending) {
        hooks.sleep(std::clamp<DWORD>(status.waitHint / 10, 100, 1000));
        const DWORD error = hooks.query(status);
        if (error != 0) {
            return error;
        }
        if (status.state != pending) {
            break;
        }
        if (status.checkPoint > checkPoint) {
            started = hooks.now();
            checkPoint = status.checkPoint;
        } else if (hooks.now() - started > status.waitHint) {
            break;
        }
    }
    if (status.state == goal) {
        return 0;
    }
    return status.exitCode != 0 ? status.exitCode : kErrorServiceRequestTimeout;
}

}  // namespace setup

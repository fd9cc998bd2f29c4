#include "PnPWait.h"

#include <windows.h>

#include "InstallEnv.h"
#include "PnPWaitLoop.h"
#include "platform/Handle.h"

namespace setup {

bool WaitForPnP(bool bringForward) {
    const platform::UniqueModule setupApi(LoadLibraryA("Setupapi.dll"));
    if (!setupApi) {
        return false;
    }
    using WaitFn = DWORD(WINAPI*)(DWORD);
    const auto wait = reinterpret_cast<WaitFn>(
        reinterpret_cast<void*>(GetProcAddress(setupApi.get(), "CMP_WaitNoPendingInstallEvents")));
    if (wait == nullptr) {
        return false;
    }
    PnPWaitHooks hooks;
    hooks.wait = [wait](DWORD ms) { return wait(ms); };
    hooks.bringForward = [] {
        if (CInstallEnv* env = GetInstallEnv()) {
            env->GetExtLibraries().MySetForegroundNHWdDialog();
        }
    };
    hooks.now = [] { return GetTickCount(); };
    return RunPnPWait(bringForward, hooks);
}

}  // namespace setup

// Entry point of setup.exe: the installer environment and the run's log,
// then the start-up sequence on the package beside the program. The exit
// code tells a deploying script whether start-up succeeded.
#include <windows.h>

#include "environment/InstallEnv.h"
#include "foundation/Log.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CInstallEnv env;
    SetInstallEnv(&env);
    CLog log(env.GetProgramInfo().programName);
    SetLog(&log);

    const bool started = env.Init();

    SetLog(nullptr);
    SetInstallEnv(nullptr);
    return started ? 0 : 1;
}

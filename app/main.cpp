// Entry point of setup.exe: the application object runs the whole setup on
// the package beside the program; the exit code tells a deploying script
// how it ended.
#include <windows.h>

#include "SetupApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    CSetupApp app;
    return app.Run(commandLine != nullptr ? commandLine : "");
}

// Entry point of setup.exe. For now it finds the data file beside the
// program and loads it; the application object takes over as it is built.
#include <windows.h>

#include <cstdio>
#include <string>

#include "foundation/Profile.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module);
    const size_t dot = path.find_last_of('.');
    const std::string dataFile = path.substr(0, dot) + ".dat";

    CProfile data;
    const DWORD result = data.Create(dataFile.c_str(), dataFile.c_str());
    if (result != ERROR_SUCCESS) {
        std::printf("setup: cannot load %s (error %lu)\n", dataFile.c_str(), result);
        return 1;
    }
    char name[260] = {};
    data.GetString("PROGRAM_INFO", "PROGRAM_NAME", name, sizeof(name), FALSE);
    std::printf("setup: loaded %s, program \"%s\"\n", dataFile.c_str(), name);
    return 0;
}

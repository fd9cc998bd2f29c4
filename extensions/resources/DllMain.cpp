// PSres.dll holds only resources; the setup program loads it to take page
// bitmaps by name. Loading and unloading have nothing to do.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}

// A stand-in for the package's utility library with only the operations the
// commands call (no GetDevicePort). Each call is appended to a text that the
// test reads back through UtilityStubCalls.
#include <windows.h>

#include <string>

#define EXPORT extern "C" __declspec(dllexport)

namespace {

std::string g_calls;

int Record(const std::string& call) {
    g_calls += call + ";";
    return 1;
}

std::string Text(const char* text) {
    return text != nullptr ? text : "(null)";
}

}  // namespace

EXPORT const char* UtilityStubCalls() {
    return g_calls.c_str();
}

EXPORT int WINAPI StartPreventPnP(const char* model) {
    return Record("StartPreventPnP(" + Text(model) + ")");
}

EXPORT int WINAPI EndPreventPnP(const char* model) {
    return Record("EndPreventPnP(" + Text(model) + ")");
}

EXPORT int WINAPI SystemRefresh(const char* model, const char* vidpid) {
    return Record("SystemRefresh(" + Text(model) + "," + Text(vidpid) + ")");
}

EXPORT int WINAPI RemoveUnknownDev(const char* model, const char* vidpid) {
    return Record("RemoveUnknownDev(" + Text(model) + "," + Text(vidpid) + ")");
}

EXPORT int WINAPI RemoveHardwareWizardDialog() {
    return Record("RemoveHardwareWizardDialog()");
}

// A stand-in for the package's extension libraries, copied under each
// library's file name. Every entry records how it was called (per thread,
// read back with FaultyExtensionLastCall) and returns a known value, or
// faults in the way FaultyExtensionSetFault chose for this loaded copy.
// Built a second time with FAULTY_EXTENSION_PARTIAL as a library that lacks
// the "Adv" entries and MyCreateShortCut.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>

#define EXPORT extern "C" __declspec(dllexport)

namespace {

enum Fault { kNone, kAccess, kDivide, kStack, kThrow, kRaise };

std::atomic<int> g_fault{kNone};
thread_local std::string t_lastCall;
int* volatile g_null = nullptr;
volatile int g_zero = 0;
volatile bool g_deeper = true;

__attribute__((noipa)) int Recurse(int depth) {
    volatile char pad[512];
    pad[0] = static_cast<char>(depth);
    return g_deeper ? Recurse(depth + 1) + pad[0] : 0;
}

// Records the call, then faults as told.
void Enter(const std::string& call) {
    t_lastCall = call;
    switch (g_fault.load()) {
        case kAccess:
            *g_null = 1;
            break;
        case kDivide:
            g_deeper = 100 / g_zero != 0;
            break;
        case kStack:
            Recurse(0);
            break;
        case kThrow:
            throw std::runtime_error("thrown by the library");
        case kRaise:
            RaiseException(0xE0424144, 0, 0, nullptr);
            break;
        default:
            break;
    }
}

std::string Text(const char* text) {
    return text != nullptr ? text : "(null)";
}

std::string Join(std::initializer_list<std::string> parts) {
    std::string joined;
    for (const std::string& part : parts) {
        joined += (joined.empty() ? "" : ",") + part;
    }
    return joined;
}

int WINAPI DiscoveryAnswers(int(WINAPI* callback)(const char*, const char*, const char*,
                                                  const char*, const char*)) {
    int answered = 0;
    answered += callback("Printer A", "MFG:Ruzuvav;MDL:XR-470;", "0011223344AA", "192.0.2.10", "");
    answered += callback("Printer B", "MFG:Other;", "0011223344BB", "", "2001:db8::1");
    return answered;
}

}  // namespace

EXPORT void WINAPI FaultyExtensionSetFault(const char* kind) {
    const std::string name = Text(kind);
    g_fault = name == "access"   ? kAccess
              : name == "divide" ? kDivide
              : name == "stack"  ? kStack
              : name == "throw"  ? kThrow
              : name == "raise"  ? kRaise
                                 : kNone;
}

EXPORT const char* WINAPI FaultyExtensionLastCall() {
    return t_lastCall.c_str();
}

// Utility library. A model of "NONE" has no device; "NOUSB" has no USB.
EXPORT int WINAPI GetDevicePort(const char* mfg, const char* mdl, const char* vidpid, char* port,
                                int* count) {
    Enter("GetDevicePort(" + Join({Text(mfg), Text(mdl), Text(vidpid)}) + ")");
    const std::string model = Text(mdl);
    if (model == "NONE" || model == "NOUSB") {
        *count = model == "NONE" ? 0 : -1;
        return 0;
    }
    std::memcpy(port, "USB001\0LPT2:\0", 14);
    *count = 2;
    return 1;
}
EXPORT int WINAPI RemoveHardwareWizardDialog() {
    Enter("RemoveHardwareWizardDialog()");
    return 11;
}
EXPORT int WINAPI MySetForegroundNHWdDialog() {
    Enter("MySetForegroundNHWdDialog()");
    return 12;
}
EXPORT int WINAPI StartPreventPnP(const char* model) {
    Enter("StartPreventPnP(" + Text(model) + ")");
    return 21;
}
EXPORT int WINAPI EndPreventPnP(const char* model) {
    Enter("EndPreventPnP(" + Text(model) + ")");
    return 22;
}
EXPORT int WINAPI SystemRefresh(const char* model, const char* vidpid) {
    Enter("SystemRefresh(" + Join({Text(model), Text(vidpid)}) + ")");
    return 23;
}
EXPORT int WINAPI RemoveUnknownDev(const char* model, const char* vidpid) {
    Enter("RemoveUnknownDev(" + Join({Text(model), Text(vidpid)}) + ")");
    return 24;
}
EXPORT int WINAPI MyGetDeviceIDFromPort(const char* port, char* deviceId) {
    Enter("MyGetDeviceIDFromPort(" + Text(port) + ")");
    std::snprintf(deviceId, 16384, "MFG:Ruzuvav;MDL:XR-470;PORT:%s;", port);
    return 25;
}
EXPORT int WINAPI SaveFile(const char* file, const char* key, int flags) {
    Enter("SaveFile(" + Join({Text(file), Text(key), std::to_string(flags)}) + ")");
    return 26;
}
EXPORT int WINAPI GetDiskFreeSpacePS(const char* path) {
    Enter("GetDiskFreeSpacePS(" + Text(path) + ")");
    return 500;
}

// Installer library.
EXPORT int WINAPI MyInstall(int mode, const char* installing, const char* item, int installed) {
    Enter("MyInstall(" +
          Join({std::to_string(mode), Text(installing), Text(item), std::to_string(installed)}) +
          ")");
    return 31;
}
#ifndef FAULTY_EXTENSION_PARTIAL
EXPORT int WINAPI MyCreateShortCut(int mode, const char* installing, const char* shortcut) {
    Enter("MyCreateShortCut(" + Join({std::to_string(mode), Text(installing), Text(shortcut)}) +
          ")");
    return 32;
}
#endif

// Test page and diagnosis libraries.
EXPORT int WINAPI PrintTestPage(const char* printer, const char* p2, const char* p3,
                                const char* resource, const char* p4) {
    Enter("PrintTestPage(" + Join({Text(printer), Text(p2), Text(p3), Text(resource), Text(p4)}) +
          ")");
    return 41;
}
EXPORT int WINAPI MetaTestPage(const char* printer, const char* file) {
    Enter("MetaTestPage(" + Join({Text(printer), Text(file)}) + ")");
    return 42;
}
EXPORT int WINAPI PrintPrnFile(const char* printer, const char* file) {
    Enter("PrintPrnFile(" + Join({Text(printer), Text(file)}) + ")");
    return 43;
}
EXPORT int WINAPI Diagnosis(const char* mfg, const char* printer, const char* mdl,
                            const char* vidpid) {
    Enter("Diagnosis(" + Join({Text(mfg), Text(printer), Text(mdl), Text(vidpid)}) + ")");
    return 51;
}
EXPORT int WINAPI DiagnosisEx(const char* mfg, const char* printer, const char* mdl,
                              const char* vidpid, int flags) {
    Enter("DiagnosisEx(" +
          Join({Text(mfg), Text(printer), Text(mdl), Text(vidpid), std::to_string(flags)}) + ")");
    return 52;
}

// Network library.
EXPORT int WINAPI MyGetPrinterDesc(const char* address, char* description, int flags) {
    Enter("MyGetPrinterDesc(" + Join({Text(address), std::to_string(flags)}) + ")");
    std::snprintf(description, 16384, "DESC %s %d", address, flags);
    return 0;
}
EXPORT int WINAPI MyGetIPX(const char* address, char* ipx) {
    Enter("MyGetIPX(" + Text(address) + ")");
    std::snprintf(ipx, 16384, "IPX %s", address);
    return 61;
}
EXPORT int WINAPI MySetNetworkPortEx(const char* port, const char* address, const char* extra,
                                     const char* ipx, const char* monitor, const char* monitorFile,
                                     const char* mutex, int noMonitor) {
    Enter("MySetNetworkPortEx(" +
          Join({Text(port), Text(address), Text(extra), Text(ipx), Text(monitor), Text(monitorFile),
                Text(mutex), std::to_string(noMonitor)}) +
          ")");
    return 63;
}
EXPORT int WINAPI MyDelNetworkPort(const char* port, const char* mutex, int noMonitor) {
    Enter("MyDelNetworkPort(" + Join({Text(port), Text(mutex), std::to_string(noMonitor)}) + ")");
    return 65;
}
EXPORT int WINAPI SnmpDiscovery(int(WINAPI* callback)(const char*, const char*, const char*,
                                                      const char*, const char*)) {
    Enter("SnmpDiscovery()");
    return 60 + DiscoveryAnswers(callback);
}
#ifndef FAULTY_EXTENSION_PARTIAL
EXPORT int WINAPI MyGetPrinterDescAdv(const char* address, char* description, int publicOid,
                                      const char* community) {
    Enter("MyGetPrinterDescAdv(" +
          Join({Text(address), std::to_string(publicOid), Text(community)}) + ")");
    std::snprintf(description, 16384, "ADV %s %d %s", address, publicOid, community);
    return 0;
}
EXPORT int WINAPI MyGetIPXAdv(const char* address, char* ipx, const char* community) {
    Enter("MyGetIPXAdv(" + Join({Text(address), Text(community)}) + ")");
    std::snprintf(ipx, 16384, "IPXADV %s", address);
    return 62;
}
EXPORT int WINAPI MySetNetworkPortAdv(const char* port, const char* address, const char* extra,
                                      const char* ipx, const char* monitor, const char* monitorFile,
                                      const char* mutex, int noMonitor, const char* community) {
    Enter("MySetNetworkPortAdv(" +
          Join({Text(port), Text(address), Text(extra), Text(ipx), Text(monitor), Text(monitorFile),
                Text(mutex), std::to_string(noMonitor), Text(community)}) +
          ")");
    return 64;
}
EXPORT int WINAPI SnmpDiscoveryAdv(int(WINAPI* callback)(const char*, const char*, const char*,
                                                         const char*, const char*),
                                   const char* community) {
    Enter("SnmpDiscoveryAdv(" + Text(community) + ")");
    return 70 + DiscoveryAnswers(callback);
}
#endif

// Pre-installer, set-IP and remote install libraries.
EXPORT int WINAPI Preinstall(const char* command, HWND owner) {
    Enter("Preinstall(" + Join({Text(command), std::to_string(reinterpret_cast<INT_PTR>(owner))}) +
          ")");
    return 71;
}
EXPORT int WINAPI SetIP(const char* address, const char* gateway, const char* mask,
                        const char* mac) {
    Enter("SetIP(" + Join({Text(address), Text(gateway), Text(mask), Text(mac)}) + ")");
    return 81;
}
// Two printers of 65 bytes each, named at offset 7.
EXPORT int WINAPI GetNetPrinter(BYTE* list, DWORD* size, DWORD* count) {
    Enter("GetNetPrinter(" + std::string(list == nullptr ? "null" : "list") + "," +
          std::to_string(*size) + ")");
    constexpr DWORD kNeeded = 2 * 65;
    if (list == nullptr || *size < kNeeded) {
        *size = kNeeded;
        *count = 2;
        return 1;
    }
    std::memset(list, 0, kNeeded);
    std::memcpy(list + 7, "First", 5);
    std::memcpy(list + 65 + 7, "Second", 6);
    *size = kNeeded;
    *count = 2;
    return 0;
}
struct RemoteBlock {
    char fields[8][256];
};
EXPORT int WINAPI DoRemoteInstall(RemoteBlock* block) {
    Enter("DoRemoteInstall(" +
          Join({block->fields[0], block->fields[2], block->fields[5], block->fields[7]}) + ")");
    return 91;
}

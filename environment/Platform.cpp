#include "Platform.h"

#include <windows.h>

#include <cstring>
#include <utility>

#include "OSDefine.h"
#include "foundation/Log.h"
#include "platform/Handle.h"

namespace setup {

namespace {

using IsWow64ProcessFunction = BOOL(WINAPI*)(HANDLE, PBOOL);

std::string ServiceText(const char (&text)[128]) {
    return std::string(text, strnlen(text, sizeof(text)));
}

// "VersionNumber" of the Windows key: "4.90.3000" on Windows Me.
std::string ReadWindowsVersionNumber() {
    platform::UniqueKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return std::string();
    }
    char text[MAX_PATH] = {};
    DWORD size = sizeof(text) - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key.get(), "VersionNumber", nullptr, &type, reinterpret_cast<BYTE*>(text),
                         &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::string();
    }
    return std::string(text, strnlen(text, size));
}

}  // namespace

bool QueryOSVersion(OSVersionInfo& version) {
    OSVersionInfo result;
    OSVERSIONINFOEXA extended = {};
    extended.dwOSVersionInfoSize = sizeof(extended);
    if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) {
        result.platformId = extended.dwPlatformId;
        result.major = extended.dwMajorVersion;
        result.minor = extended.dwMinorVersion;
        result.build = extended.dwBuildNumber;
        result.servicePack = ServiceText(extended.szCSDVersion);
        result.extended = true;
        result.productType = extended.wProductType;
        result.suiteMask = extended.wSuiteMask;
    } else {
        OSVERSIONINFOA plain = {};
        plain.dwOSVersionInfoSize = sizeof(plain);
        if (!GetVersionExA(&plain)) {
            return false;
        }
        result.platformId = plain.dwPlatformId;
        result.major = plain.dwMajorVersion;
        result.minor = plain.dwMinorVersion;
        result.build = plain.dwBuildNumber;
        result.servicePack = ServiceText(plain.szCSDVersion);
    }
    if (result.platformId == VER_PLATFORM_WIN32_WINDOWS) {
        // Windows 9x keeps the version in the build number's high word.
        result.build = LOWORD(result.build);
        result.versionNumber = ReadWindowsVersionNumber();
    }
    result.is64Bit = Is64Bit();
    version = std::move(result);
    return true;
}

bool GetOSCode(OSCode& code) {
    OSVersionInfo version;
    if (!QueryOSVersion(version)) {
        return false;
    }
    code = ClassifyOS(version);
    return true;
}

bool Is64Bit() {
#if defined(_WIN64)
    // IsWow64Process reports false for a native 64-bit process, which only
    // 64-bit Windows can run.
    return true;
#else
    return IsWow64();
#endif
}

bool IsWow64() {
    platform::UniqueModule kernel(LoadLibraryA("Kernel32.dll"));
    if (!kernel) {
        return false;
    }
    // Through a generic function pointer: the exported address has no
    // prototype of its own.
    const auto function = reinterpret_cast<IsWow64ProcessFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel.get(), "IsWow64Process")));
    if (function == nullptr) {
        return false;
    }
    BOOL wow64 = FALSE;
    return function(GetCurrentProcess(), &wow64) && wow64;
}

bool FindOSDefine(CConfigReader& data, std::string& define) {
    OSVersionInfo version;
    if (!QueryOSVersion(version)) {
        LogWriteError(GetLastError(), "Get OS Version fail");
        return false;
    }
    return SearchOSDefine(version, data, RunLogSink(), define);
}

void ReadOptions(CConfigReader& config, OPTION& options) {
    OSCode code;
    GetOSCode(code);
    ReadOptions(config, code.code, options, RunLogSink());
}

LogSink RunLogSink() {
    return [](const std::string& line) { LogWrite("%s", line.c_str()); };
}

}  // namespace setup

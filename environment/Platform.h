// The running system: its version record, OS code, 64-bit flag and the
// package's OS define string for it, and the package's options, all logged
// to the run's log.
#pragma once

#include <string>

#include "ConfigReader.h"
#include "LogSink.h"
#include "OSVersion.h"
#include "Options.h"

namespace setup {

// The version record from GetVersionExA, the extended form first and the
// plain one when that fails (product type and suite mask are then 0). False
// when both fail; the thread's last error then tells why.
bool QueryOSVersion(OSVersionInfo& version);

// The running system's OS code and family; false when the version cannot be
// read (code is then unchanged).
bool GetOSCode(OSCode& code);

// True on 64-bit Windows. A 64-bit build is itself the proof; a 32-bit build
// asks IsWow64Process. Asked afresh on every call; safe from any thread.
bool Is64Bit();

// True when Kernel32.dll exports IsWow64Process and it reports the current
// process as a 32-bit process on 64-bit Windows. False for a 64-bit process.
bool IsWow64();

// The package's OS define string for the running system from the OS_DEFINE
// section of the data configuration (see SearchOSDefine), logged to the run's
// log. False when the version cannot be read ("Get OS Version fail" with the
// error) or nothing is defined for it; define is then unchanged.
bool FindOSDefine(CConfigReader& data, std::string& define);

// ReadOptions for the running system, logged to the run's log.
void ReadOptions(CConfigReader& config, OPTION& options);

// A sink that writes each line to the run's log.
LogSink RunLogSink();

}  // namespace setup

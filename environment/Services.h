// Starting, stopping and querying a Windows service by name, waiting for
// the pending states to end. Results are Win32 codes (0 success).
#pragma once

#include <windows.h>

#include <string>

namespace setup {

// Starts the service and waits while it is starting (see
// WaitForServiceState). 0 when it runs, including when it already ran;
// else the error of the step that failed.
DWORD StartServiceAndWait(const std::string& name);

// Stops the service and waits while it is stopping. 0 when it is stopped,
// including when it already was; else the error of the step that failed.
DWORD StopServiceAndWait(const std::string& name);

// The service's current state (SERVICE_RUNNING...) into state; 87 without
// a state to fill, else 0 or the error of the step that failed (state then
// unchanged).
DWORD QueryServiceState(const std::string& name, DWORD* state);

}  // namespace setup

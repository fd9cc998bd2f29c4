// setup.exe's exit codes, which deployment scripts and tools watch.
#pragma once

namespace setup {

enum ExitCode : int {
    kExitSuccess = 0,
    kExitInitFailed = 1,        // the package's configuration could not be loaded
    kExitAlreadyRunning = 2,    // another instance of the installer is running
    kExitRequirements = 3,      // the system does not meet the minimum requirements
    kExitNotAdministrator = 4,  // administrator rights are required
    kExitSilentFailed = 5,      // a silent operation failed
    kExitCancelled = 6,         // the user cancelled
    kExitNotAvailable = 7,      // the requested operation is not available in this build
};

}  // namespace setup

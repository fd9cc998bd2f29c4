// Waiting for the system's plug-and-play installations to finish.
#pragma once

namespace setup {

// Asks the Setup API (CMP_WaitNoPendingInstallEvents of Setupapi.dll) for
// pending device installations. False when the function is unavailable or
// nothing is pending. Otherwise waits: with bringForward set until the
// installations finish, bringing the new-hardware dialog to the front
// (MySetForegroundNHWdDialog of the run's utility library) every second;
// without it for at most a minute. Then true.
bool WaitForPnP(bool bringForward);

}  // namespace setup

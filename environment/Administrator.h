// Whether the installer runs with administrator rights.
#pragma once

namespace setup {

// True when the thread's token (or, when the thread does not impersonate,
// the process's) passes an access check against a security descriptor that
// grants read access to the built-in Administrators group only. Any failure
// on the way is false.
bool IsAdministrator();

}  // namespace setup

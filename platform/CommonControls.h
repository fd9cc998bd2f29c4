// Registration of the common control classes this program uses (progress
// bar, list view, animation, IP address, tooltips, ...). The classes exist
// in the version the program's manifest selects (version 6 with ours).
#pragma once

namespace platform {

// Registers the classes once per process; later calls only report the
// first result. False when the system refused (controls of those classes
// then cannot be created).
bool InitCommonControlClasses();

}  // namespace platform

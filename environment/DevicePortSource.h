// Where the environment asks for the port of a connected device: the
// package's utility library in the program, a fake in tests.
#pragma once

#include <string>

namespace setup {

// Asks the package's utility library for the port of a connected device;
// false when there is no library or no device.
class CDevicePortSource {
public:
    virtual ~CDevicePortSource() = default;
    virtual bool GetDevicePort(const std::string& mfg, const std::string& mdl,
                               const std::string& vidpid, std::string& port) = 0;
};

}  // namespace setup

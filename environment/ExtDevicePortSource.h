// The environment's device-port query answered by the utility library's
// GetDevicePort: the first port it names for a connected device.
#pragma once

#include <string>
#include <vector>

#include "DevicePortSource.h"
#include "ExtLibraries.h"

class CExtDevicePortSource : public setup::CDevicePortSource {
public:
    explicit CExtDevicePortSource(const CExtLibraries& libraries) : m_libraries(libraries) {}

    // True when the library counts at least one device and names its port.
    bool GetDevicePort(const std::string& mfg, const std::string& mdl, const std::string& vidpid,
                       std::string& port) override {
        std::vector<std::string> ports;
        int count = 0;
        m_libraries.GetDevicePort(mfg, mdl, vidpid, ports, count);
        if (count < 1 || ports.empty()) {
            return false;
        }
        port = ports.front();
        return true;
    }

private:
    const CExtLibraries& m_libraries;
};

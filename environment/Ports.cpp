#include "Ports.h"

#include <windows.h>
#include <winspool.h>

#include "SpoolerList.h"

namespace setup {

bool PortExists(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    std::vector<BYTE> buffer;
    DWORD count = 0;
    const bool read = ReadSpoolerList(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumPortsA(nullptr, 2, data, size, needed, returned);
        },
        buffer, count);
    if (!read || buffer.empty()) {
        return false;
    }
    const auto* ports = reinterpret_cast<const PORT_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (ports[i].pPortName != nullptr && lstrcmpiA(ports[i].pPortName, name.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace setup

#include "Ports.h"

#include <windows.h>
#include <winspool.h>

#include <vector>

namespace setup {

bool PortExists(const std::string& name) {
    if (name.empty()) {
        return false;
    }
    DWORD needed = 0;
    DWORD count = 0;
    EnumPortsA(nullptr, 1, nullptr, 0, &needed, &count);
    if (needed == 0) {
        return false;
    }
    std::vector<BYTE> buffer(needed);
    if (!EnumPortsA(nullptr, 1, buffer.data(), needed, &needed, &count)) {
        return false;
    }
    const auto* ports = reinterpret_cast<const PORT_INFO_1A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (ports[i].pName != nullptr && lstrcmpiA(ports[i].pName, name.c_str()) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace setup

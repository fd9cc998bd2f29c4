#include "PrinterPresence.h"

#include <windows.h>
#include <winspool.h>

#include "SpoolerList.h"

namespace setup {
namespace {

bool Same(const char* a, const std::string& b) {
    return a != nullptr && lstrcmpiA(a, b.c_str()) == 0;
}

bool IsDriverUsedByPrinter(const std::string& driver) {
    std::vector<BYTE> buffer;
    DWORD count = 0;
    const bool read = ReadSpoolerList(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, data, size, needed, returned);
        },
        buffer, count);
    if (!read || buffer.empty()) {
        return false;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (Same(printers[i].pDriverName, driver)) {
            return true;
        }
    }
    return false;
}

bool IsDriverInstalled(const std::string& driver) {
    std::vector<BYTE> buffer;
    DWORD count = 0;
    const bool read = ReadSpoolerList(
        [](BYTE* data, DWORD size, DWORD* needed, DWORD* returned) {
            return EnumPrinterDriversA(nullptr, nullptr, 3, data, size, needed, returned);
        },
        buffer, count);
    if (!read || buffer.empty()) {
        return false;
    }
    const auto* drivers = reinterpret_cast<const DRIVER_INFO_3A*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (Same(drivers[i].pName, driver)) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool IsPrinterPresent(const std::string& name, bool asPrinter) {
    if (name.empty()) {
        return false;
    }
    return asPrinter ? IsDriverUsedByPrinter(name) : IsDriverInstalled(name);
}

}  // namespace setup

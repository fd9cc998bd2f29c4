// Reading a spooler list (EnumPortsA, EnumPrintersA, EnumPrinterDriversA):
// size query, then the read, asked again while the list outgrows the buffer.
#pragma once

#include <windows.h>

#include <vector>

namespace setup {

// call(buffer, size, &needed, &count) is one Enum* call. True with the
// records in buffer and their number in count (0 for an empty list); false
// when the spooler refuses for another reason than the buffer's size.
template <typename Call>
bool ReadSpoolerList(Call call, std::vector<BYTE>& buffer, DWORD& count) {
    buffer.clear();
    for (int attempt = 0; attempt < 4; ++attempt) {
        DWORD needed = 0;
        count = 0;
        if (call(buffer.empty() ? nullptr : buffer.data(), static_cast<DWORD>(buffer.size()),
                 &needed, &count)) {
            return true;
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= buffer.size()) {
            return false;
        }
        buffer.resize(needed);
    }
    return false;
}

}  // namespace setup

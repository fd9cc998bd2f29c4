#include "FileText.h"

#include "platform/Handle.h"

namespace setup {

DWORD ReadWholeFile(const char* path, std::string& bytes) {
    platform::UniqueFile file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return GetLastError();
    }
    DWORD result = ERROR_SUCCESS;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        result = GetLastError();
    } else if (size.QuadPart > 0x7FFFFFFF) {
        result = ERROR_FILE_TOO_LARGE;
    } else {
        std::string data(static_cast<size_t>(size.QuadPart), '\0');
        DWORD read = 0;
        if (!data.empty() &&
            !ReadFile(file.get(), &data[0], static_cast<DWORD>(data.size()), &read, nullptr)) {
            result = GetLastError();
        } else {
            data.resize(read);
            bytes.swap(data);
        }
    }
    return result;
}

}  // namespace setup

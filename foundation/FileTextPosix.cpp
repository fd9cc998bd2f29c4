#include <cerrno>
#include <fstream>
#include <iterator>

#include "FileText.h"

namespace setup {

DWORD ReadWholeFile(const char* path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return ERROR_FILE_NOT_FOUND;
    }
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.swap(data);
    return ERROR_SUCCESS;
}

}  // namespace setup

#include "TestFiles.h"

#include <fstream>
#include <sstream>

namespace testing_support {

void WriteTextFile(const std::filesystem::path& path, const std::string& text) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string ReadTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string OSDefineLines() {
    std::string text;
    for (const char* version : {"0501", "0502", "0600", "0601", "0602", "0603", "0A00"}) {
        text += std::string("0X0002") + version + " = OS" + version + "\r\n";
        text += std::string("0X0002") + version + ".64 = OS" + version + "_64\r\n";
    }
    return text;
}

}  // namespace testing_support

#include "TempDir.h"

#include <atomic>
#include <chrono>
#include <fstream>

namespace testing_support {

TempDir::TempDir() {
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const auto base = std::filesystem::temp_directory_path();
    for (;;) {
        m_path = base / ("setup_test_" + std::to_string(stamp) + "_" + std::to_string(counter++));
        if (std::filesystem::create_directory(m_path)) {
            break;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::string TempDir::Write(const std::string& name, const std::string& bytes) const {
    const auto file = m_path / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

}  // namespace testing_support

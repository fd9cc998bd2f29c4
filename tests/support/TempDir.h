// A fresh directory under the system's temporary directory, removed with
// everything in it when the object goes away.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    // Writes the bytes to a file in the directory; returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_path;
};

}  // namespace testing_support

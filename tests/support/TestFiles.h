// Files of the test packages: writing and reading whole texts, and the
// OS_DEFINE lines every test package's data file carries.
#pragma once

#include <filesystem>
#include <string>

namespace testing_support {

// Writes text to path as it stands (no line-end conversion), making the
// directories on the way.
void WriteTextFile(const std::filesystem::path& path, const std::string& text);
// The whole file; empty when it cannot be read.
std::string ReadTextFile(const std::filesystem::path& path);
// OS_DEFINE lines naming every Windows version Wine may report, 32- and
// 64-bit: "0X0002<version> = OS<version>" and "0X0002<version>.64 =
// OS<version>_64".
std::string OSDefineLines();

}  // namespace testing_support

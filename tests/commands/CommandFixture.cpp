#include "CommandFixture.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/Handle.h"
#include "tests/support/TestFiles.h"

namespace commands_test {
namespace {

namespace fs = std::filesystem;

// Every Windows version Wine may report gets a define string.

bool QueryValue(HKEY root, const std::string& key, const char* name, DWORD type,
                std::string& data) {
    platform::UniqueKey handle;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, handle.put()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD found = 0;
    DWORD size = 0;
    if (RegQueryValueExA(handle.get(), name, nullptr, &found, nullptr, &size) != ERROR_SUCCESS ||
        found != type) {
        return false;
    }
    data.assign(size, '\0');
    return RegQueryValueExA(handle.get(), name, nullptr, nullptr, reinterpret_cast<BYTE*>(&data[0]),
                            &size) == ERROR_SUCCESS;
}

}  // namespace

void CommandFixture::SetUp() {
    char cwd[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, cwd);
    m_cwd = cwd;
    m_log = std::make_unique<CLog>("Cmd Test", m_dir.path().string(), "cmdtest.exe");
    SetLog(m_log.get());
    m_commands = std::make_unique<CCmdOperator>(m_env);
}

void CommandFixture::TearDown() {
    m_commands.reset();
    SetLog(nullptr);
    m_log.reset();
    SetCurrentDirectoryA(m_cwd.c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("Software\\") + kMfg).c_str());
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey);
}

bool CommandFixture::Start(const std::string& configure, const std::string& command,
                           const std::string& dataExtra) {
    const fs::path media = m_dir.path() / "media";
    fs::create_directories(media / "data" / "String");
    testing_support::WriteTextFile(media / "setup.dat",
                                   std::string("[PROGRAM_INFO]\r\nMFG = ") + kMfg +
                                       "\r\nMDL = Model 1\r\nVIDPID = VID_0001&PID_0002\r\n"
                                       "PROGRAM_NAME = " +
                                       kProgram +
                                       "\r\nDESTINATION_DIR = $SRC_DIR$\\dest\r\n"
                                       "[VERSION]\r\nVERSION = 2.5\r\n[OS_DEFINE]\r\n" +
                                       testing_support::OSDefineLines() + dataExtra);
    testing_support::WriteTextFile(media / "data" / "psinst.psi", configure);
    testing_support::WriteTextFile(media / "data" / "psinst.cmd", command);
    testing_support::WriteTextFile(media / "data" / "String" / "Lang_EN.str",
                                   "[MESSAGES]\r\nHI = Hello\r\n");
    return m_env.Init((media / "setup.exe").string());
}

std::string CommandFixture::LogText() const {
    return testing_support::ReadTextFile(m_log->GetPath());
}

size_t CommandFixture::LogCount(const std::string& text) const {
    const std::string log = LogText();
    size_t count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1)) {
        ++count;
    }
    return count;
}

std::string AllOSDefines() {
    std::string list;
    for (const char* version : {"0501", "0502", "0600", "0601", "0602", "0603", "0A00"}) {
        list += std::string("OS") + version + ",OS" + version + "_64,";
    }
    return list;
}

bool ReadText(HKEY root, const std::string& key, const char* name, std::string& text) {
    std::string data;
    if (!QueryValue(root, key, name, REG_SZ, data)) {
        return false;
    }
    text = data.c_str();
    return true;
}

bool ReadNumber(HKEY root, const std::string& key, const char* name, DWORD& number) {
    std::string data;
    if (!QueryValue(root, key, name, REG_DWORD, data) || data.size() != sizeof(DWORD)) {
        return false;
    }
    std::memcpy(&number, data.data(), sizeof(DWORD));
    return true;
}

bool KeyExists(HKEY root, const std::string& key) {
    platform::UniqueKey handle;
    return RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, handle.put()) == ERROR_SUCCESS;
}

bool ValueExists(HKEY root, const std::string& key, const char* name) {
    platform::UniqueKey handle;
    return RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, handle.put()) == ERROR_SUCCESS &&
           RegQueryValueExA(handle.get(), name, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
}

}  // namespace commands_test

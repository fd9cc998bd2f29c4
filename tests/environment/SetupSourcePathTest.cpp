// Restoring the installation source path, on a test key under
// HKEY_LOCAL_MACHINE that is deleted at teardown.
#include "environment/SetupSourcePath.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "foundation/Log.h"
#include "platform/Handle.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

constexpr const char* kRoot = "Software\\SetupReqTest";
constexpr const char* kKey = "Software\\SetupReqTest\\Setup";

class SetupSourcePathTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_log = std::make_unique<CLog>("Src Test", m_dir.path().string(), "srctest.exe");
        SetLog(m_log.get());
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, m_key.put(), nullptr));
    }
    void TearDown() override {
        m_key.reset();
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, kRoot);
        SetLog(nullptr);
        m_log.reset();
    }

    void Set(const char* name, DWORD type, const std::string& text) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(m_key.get(), name, 0, type,
                                                reinterpret_cast<const BYTE*>(text.c_str()),
                                                static_cast<DWORD>(text.size() + 1)));
    }

    // The value's text and type; false when it is missing.
    bool Get(const char* name, std::string& text, DWORD& type) {
        char buffer[MAX_PATH] = {};
        DWORD size = sizeof(buffer);
        if (RegQueryValueExA(m_key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer),
                             &size) != ERROR_SUCCESS) {
            return false;
        }
        text = buffer;
        return true;
    }

    std::string LogText() const { return testing_support::ReadTextFile(m_log->GetPath()); }

    testing_support::TempDir m_dir;
    std::unique_ptr<CLog> m_log;
    platform::UniqueKey m_key;
};

TEST_F(SetupSourcePathTest, MovesTheSavedPathBackWithItsType) {
    Set("SourcePath", REG_SZ, "E:\\media\\");
    Set("SourcePath_ORG", REG_EXPAND_SZ, "%SystemRoot%\\src");
    EXPECT_TRUE(setup::RestoreSetupSourcePath(kKey));
    std::string text;
    DWORD type = 0;
    ASSERT_TRUE(Get("SourcePath", text, type));
    EXPECT_EQ("%SystemRoot%\\src", text);
    EXPECT_EQ(static_cast<DWORD>(REG_EXPAND_SZ), type);
    EXPECT_FALSE(Get("SourcePath_ORG", text, type));
}

TEST_F(SetupSourcePathTest, NothingSavedLeavesThePathAlone) {
    Set("SourcePath", REG_SZ, "D:\\i386");
    EXPECT_FALSE(setup::RestoreSetupSourcePath(kKey));
    std::string text;
    DWORD type = 0;
    ASSERT_TRUE(Get("SourcePath", text, type));
    EXPECT_EQ("D:\\i386", text);
}

TEST_F(SetupSourcePathTest, MissingKeyIsLogged) {
    EXPECT_FALSE(setup::RestoreSetupSourcePath(std::string(kKey) + "\\Missing"));
    const std::string log = LogText();
    EXPECT_NE(std::string::npos, log.find("]  RegOpenKeyEx\r\n")) << log;
    EXPECT_NE(std::string::npos, log.find("Error Code = 2 :")) << log;
}

}  // namespace

// A package laid out in a temporary directory, the environment started on
// it, a log in the same directory and a command executor over both; the
// registry keys the tests write are removed at teardown.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "commands/CmdOperator.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "tests/support/TempDir.h"

namespace commands_test {

// The program's keys: "Software\<kMfg>\<kProgram>\Installing" and so on.
constexpr const char* kMfg = "SetupCmdTestMfg";
constexpr const char* kProgram = "Cmd Test";
// A test-only key under both roots for the registry commands.
constexpr const char* kTestKey = "Software\\SetupCmdTest";

class CommandFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lays out the package with the given configure and command files (and
    // extra data-file text) and starts the environment on it.
    bool Start(const std::string& configure, const std::string& command,
               const std::string& dataExtra = std::string());

    std::string LogText() const;
    bool LogHas(const std::string& text) const { return LogText().find(text) != std::string::npos; }
    // How often the text occurs in the log.
    size_t LogCount(const std::string& text) const;

    CCmdOperator& Commands() { return *m_commands; }
    CInstallEnv& Env() { return m_env; }
    const std::string& OSDefine() { return m_env.GetInstallRecord().osDefine; }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    std::unique_ptr<CLog> m_log;
    CInstallEnv m_env;
    std::unique_ptr<CCmdOperator> m_commands;
};

// Every OS define string the fixture's data file can give, comma-separated.
std::string AllOSDefines();

// Registry reads for the checks; false when the value is missing or of
// another type.
bool ReadText(HKEY root, const std::string& key, const char* name, std::string& text);
bool ReadNumber(HKEY root, const std::string& key, const char* name, DWORD& number);
bool KeyExists(HKEY root, const std::string& key);
bool ValueExists(HKEY root, const std::string& key, const char* name);

}  // namespace commands_test

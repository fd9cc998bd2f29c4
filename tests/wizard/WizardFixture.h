// A package in a temporary directory with the environment started on it, a
// log beside it, a command executor registered as the run's, and a visible
// host window standing in for the wizard: the base of the page, object and
// message box tests. Commands that pages post arrive at the host and are
// recorded there instead of being run.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "commands/CmdOperator.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "platform/CustomWindow.h"
#include "tests/support/TempDir.h"

namespace wizard_test {

constexpr const char* kMfg = "SetupWizardTestMfg";
constexpr const char* kProgram = "Wizard Test";

// Stands in for the wizard window: records the command records posted to it.
class CommandSink : public platform::CustomWindow {
public:
    static constexpr const char* kClassName = "WizardTestSink";
    bool Open(int width, int height);
    const std::vector<COMMAND_RECORD>& posted() const { return m_posted; }
    void ClearPosted() { m_posted.clear(); }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::vector<COMMAND_RECORD> m_posted;
};

class WizardFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Lays out the package: the configure file, the English string file's
    // text (a "[MESSAGES]" section is added in front when missing), extra
    // data-file text, and starts the environment, the executor and the sink.
    bool Start(const std::string& configure, const std::string& strings = std::string(),
               const std::string& dataExtra = std::string());
    // Writes a file under the package's directory (the source directory).
    std::string WriteMediaFile(const std::string& relative, const std::string& bytes);
    std::string MediaDir() const;

    std::string LogText() const;
    bool LogHas(const std::string& text) const { return LogText().find(text) != std::string::npos; }

    // Dispatches messages until done() or the timeout.
    static bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 3000);
    static void PumpPending();

    CInstallEnv& Env() { return m_env; }
    CCmdOperator& Commands() { return *m_commands; }
    CommandSink& Sink() { return m_sink; }

    testing_support::TempDir m_dir;
    std::string m_cwd;
    std::unique_ptr<CLog> m_log;
    CInstallEnv m_env;
    std::unique_ptr<CCmdOperator> m_commands;
    CommandSink m_sink;
};

// True when the window rectangle of child, in its parent's client
// coordinates, is (left, top, right, bottom).
bool HasRect(HWND child, int left, int top, int right, int bottom);
std::string RectOf(HWND child);
// Direct children of parent, in Z order.
std::vector<HWND> ChildrenOf(HWND parent);
std::string ClassOf(HWND window);

}  // namespace wizard_test

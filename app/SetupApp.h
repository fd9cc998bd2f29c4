// The application object: it exists for the whole run and owns the
// installer environment, the log and the command executor. It starts the
// run (environment, single instance, rights, requirements, command line and
// setting file), then either runs a silent operation and ends, or hands over
// to the wizard; and it tears everything down at exit.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "ExitCode.h"
#include "PnpThread.h"
#include "commands/CmdOperator.h"
#include "environment/InstallEnv.h"
#include "environment/Requirements.h"
#include "foundation/Log.h"
#include "platform/Handle.h"

// Where a run finds its program and writes its log; empty fields take the
// running program's path and the temporary directory.
struct SETUP_APP_PATHS {
    std::string programPath;
    std::string logDirectory;
};

class CSetupApp {
public:
    // Setup types (the run mode), stored as "Setup_Type".
    enum SetupType : int {
        kNone = 0,
        kInstall = 1,
        kUninstall = 2,
        kReinstall = 3,
        kReinstallLocal = 4,
        kReinstallMedia = 5,
        kDeleteAll = 6,
        kScriptInstall = 7,
    };

    explicit CSetupApp(const SETUP_APP_PATHS& paths = SETUP_APP_PATHS());
    ~CSetupApp();
    CSetupApp(const CSetupApp&) = delete;
    CSetupApp& operator=(const CSetupApp&) = delete;

    // The whole run: start-up, the message loop when start-up asks for it,
    // and the exit sequence. Returns the process exit code.
    int Run(const std::string& commandLine);

    // The start-up sequence; true enters the message loop. Every failure
    // logs its line and sets the exit code.
    bool InitInstance(const std::string& commandLine);
    int ExitInstance();

    // Applies the command-line switches in order and returns the setup type
    // they ask for (1, 2, 3 or 6).
    int ParseCommandLine(const std::string& commandLine);
    // False when another instance runs without a window to hand over to.
    bool CheckSingleInstance();
    bool WriteSetupInfo(bool withProductValues);
    int CallPreInstaller(HWND owner);
    bool StartCompressPnpThread();
    bool StopCompressPnpThread();
    bool StartActivePnpThread();
    bool StopActivePnpThread();

    // The administrator test; tests replace it to act as a user without rights.
    void SetAdministratorTest(std::function<bool()> test) { m_isAdministrator = std::move(test); }

    CInstallEnv& GetEnv() { return m_env; }
    CLog& GetLog() { return m_log; }
    CCmdOperator& GetCommands() { return m_commands; }
    int GetSetupType() const { return m_setupType; }
    bool IsSilent() const { return m_silent; }
    bool PortFromCommandLine() const { return m_portFromCommandLine; }
    int GetExitCode() const { return m_exitCode; }

private:
    bool Fail(setup::ExitCode code);
    bool CheckAdministrator();
    void ReadSettingFile();
    bool RunSilent();
    std::string SingleInstanceName() const;

    SETUP_APP_PATHS m_paths;
    CInstallEnv m_env;
    CLog m_log;
    CCmdOperator m_commands;
    CRequirements m_requirements;
    bool m_silent = false;
    bool m_portFromCommandLine = false;
    int m_setupType = kInstall;
    int m_exitCode = setup::kExitSuccess;
    platform::UniqueHandleNull m_mutex;
    CPnpThread m_compressPnp;
    CPnpThread m_activePnp;
    std::function<bool()> m_isAdministrator;
};

// The run's application object, while it exists.
CSetupApp* GetSetupApp();

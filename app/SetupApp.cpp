#include "SetupApp.h"

#include <cstdio>

#include "CommandLine.h"
#include "environment/Administrator.h"
#include "environment/FileSystem.h"
#include "environment/ShowMessage.h"
#include "foundation/Profile.h"
#include "foundation/Registry.h"
#include "wizard/WizardMessages.h"

namespace {

CSetupApp* g_app = nullptr;

constexpr int kFamily9x = 10;
constexpr int kFamilyNT4 = 15;

std::string ReadInstalledDestination(const CInstallEnv& env) {
    char buffer[4096] = {};
    if (CRegistry::GetValue(env.GetRegistryKeys().installed.c_str(), "Dest_Dir", buffer,
                            HKEY_LOCAL_MACHINE,
                            static_cast<int>(sizeof(buffer))) != ERROR_SUCCESS) {
        return std::string();
    }
    return buffer;
}

}  // namespace

CSetupApp* GetSetupApp() {
    return g_app;
}

CSetupApp::CSetupApp(const SETUP_APP_PATHS& paths)
    : m_paths(paths),
      m_log(m_env.GetProgramInfo().programName, paths.logDirectory),
      m_commands(m_env),
      m_requirements(m_env),
      m_compressPnp([this] { m_env.GetExtLibraries().RemoveHardwareWizardDialog(); }),
      m_activePnp([this] { m_env.GetExtLibraries().MySetForegroundNHWdDialog(); }),
      m_isAdministrator(&setup::IsAdministrator) {
    g_app = this;
    SetInstallEnv(&m_env);
    SetLog(&m_log);
}

CSetupApp::~CSetupApp() {
    m_compressPnp.Stop();
    m_activePnp.Stop();
    if (::GetLog() == &m_log) {
        SetLog(nullptr);
    }
    if (GetInstallEnv() == &m_env) {
        SetInstallEnv(nullptr);
    }
    if (g_app == this) {
        g_app = nullptr;
    }
}

int CSetupApp::Run(const std::string& commandLine) {
    if (InitInstance(commandLine)) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    ExitInstance();
    return m_exitCode;
}

bool CSetupApp::Fail(setup::ExitCode code) {
    m_exitCode = code;
    return false;
}

bool CSetupApp::InitInstance(const std::string& commandLine) {
    if (!m_env.Init(m_paths.programPath)) {
        m_log.Write("Initilize global variable fail");
        return Fail(setup::kExitInitFailed);
    }
    m_requirements.Load();
    if (!CheckSingleInstance()) {
        m_log.Write(
            "There is a previous running instance of this application, so it is terminated.");
        return Fail(setup::kExitAlreadyRunning);
    }
    if (!CheckAdministrator()) {
        return Fail(setup::kExitNotAdministrator);
    }

    m_setupType = ParseCommandLine(commandLine);
    if (m_setupType == kInstall) {
        if (ReadInstalledDestination(m_env).empty()) {
            const OPTION& options = m_env.GetOptions();
            if (!m_requirements.CheckRequirements(options.usbOnly, options.network)) {
                m_log.Write("This system could not satisfy the installer Minimum Requirement!");
                return Fail(setup::kExitRequirements);
            }
        }
        ReadSettingFile();
    }
    m_commands.SetSilent(m_silent);
    if (m_silent) {
        return RunSilent();
    }
    // The wizard start takes over here once the wizard window exists.
    m_log.Write("The setup wizard is not available in this build; the run ends.");
    return Fail(setup::kExitNotAvailable);
}

bool CSetupApp::CheckAdministrator() {
    if (!m_env.GetOptions().deviceInstall || m_env.GetOSCode().family == kFamily9x ||
        m_isAdministrator()) {
        return true;
    }
    std::string text;
    if (!m_env.GetConfigFiles().Data().GetString("SYSTEM_REQUIREMENT", "MSG_IS_NOT_ADMIN", text,
                                                 true)) {
        return true;
    }
    // ShowMessage adds right-to-left reading when RIGHT_ALIGN is on.
    setup::ShowMessage(nullptr, text, m_env.GetProgramInfo().programName, MB_OK);
    return false;
}

void CSetupApp::ReadSettingFile() {
    const std::string& setting = m_env.GetConfigFiles().settingFile;
    if (setting.empty() || !setup::PathExists(setting)) {
        return;
    }
    char value[260] = {};
    GetPrivateProfileStringA("INSTALL", "SILENT", "", value, sizeof(value), setting.c_str());
    if (lstrcmpiA(value, "1") == 0) {
        m_silent = true;
        m_setupType = kScriptInstall;
    }
}

bool CSetupApp::RunSilent() {
    const std::string installed = ReadInstalledDestination(m_env);
    if (!installed.empty()) {
        m_env.SetDestination(installed);
    }
    switch (m_setupType) {
        case kInstall:
        case kScriptInstall:
        case kUninstall:
        case kReinstall:
            // The silent operations run here once they are built.
            m_log.Write("Silent setup type %d is not available in this build; the run ends.",
                        m_setupType);
            break;
        default:
            m_log.Write("Silent setup type %d does nothing; the run ends.", m_setupType);
            break;
    }
    // A silent run never enters the message loop.
    return Fail(setup::kExitNotAvailable);
}

int CSetupApp::ParseCommandLine(const std::string& commandLine) {
    m_log.Write("Parameter : %s", commandLine.c_str());
    const std::vector<setup::CommandSwitch> switches = setup::SplitCommandLine(commandLine);
    for (const setup::CommandSwitch& s : switches) {
        switch (s.letter) {
            case 'A':
                m_env.SetDestination(s.value);
                break;
            case 'L': {
                const DWORD language = CProfile::StringToDword(s.value.c_str());
                if (language > 0xFFFF) {
                    m_log.Write("Language %s is not a language identifier", s.value.c_str());
                } else {
                    m_env.ChangeLanguage(static_cast<WORD>(language), false);
                    m_env.GetLanguage().fixedForRun = true;
                }
                break;
            }
            case 'P':
                m_env.SetPort(s.value);
                m_portFromCommandLine = true;
                break;
            case 'S':
                m_silent = true;
                break;
            default:
                break;
        }
    }
    return setup::SetupTypeOf(switches);
}

std::string CSetupApp::SingleInstanceName() const {
    return m_env.GetProgramInfo().programName + " Installer Program";
}

bool CSetupApp::CheckSingleInstance() {
    const std::string name = SingleInstanceName();
    SetLastError(ERROR_SUCCESS);
    platform::UniqueHandleNull mutex(CreateMutexA(nullptr, TRUE, name.c_str()));
    const DWORD error = GetLastError();
    if (mutex.valid() && error == ERROR_SUCCESS) {
        m_mutex = std::move(mutex);
        return true;
    }
    if (error != ERROR_ALREADY_EXISTS) {
        return true;
    }
    HWND running = FindWindowA(name.c_str(), nullptr);
    if (running == nullptr) {
        return false;
    }
    SendMessageA(running, WM_WIZARD_ACTIVATE, 0, 0);
    return true;
}

bool CSetupApp::WriteSetupInfo(bool withProductValues) {
    if (m_env.GetOptions().mainOnly) {
        return true;
    }
    const std::string& key = m_env.GetRegistryKeys().installing;
    auto text = [&key](const char* name, const std::string& value) {
        CRegistry::SetValue(key.c_str(), name, value.c_str());
    };
    const PROGRAM_INFO& program = m_env.GetProgramInfo();
    if (withProductValues) {
        text("MFG", program.mfg);
        text("MDL", program.mdl);
        text("VIDPID", program.vidpid);
        text("Printer_Port", program.vidpid);
        text("Program_Name", program.programName);
    }
    const LANGUAGE_INFO& language = m_env.GetLanguage();
    CRegistry::SetValue(key.c_str(), "LangCode", static_cast<DWORD>(language.requestedId));
    text("LangAbbr", language.currentAbbr);
    text("Dest_Dir", m_env.GetInstallRecord().destDir);
    text("Win_Dir", m_env.GetSystemDirs().windows);
    text("Temp_Dir", m_env.GetSystemDirs().temp);
    text("STR_FILE", m_env.GetConfigFiles().stringFile);
    DWORD osVersion = m_env.GetSystemDirs().is64Bit ? 5 : 4;
    if (m_env.GetOSCode().family == kFamily9x) {
        osVersion = 1;
    } else if (m_env.GetOSCode().family == kFamilyNT4) {
        osVersion = 2;
    }
    CRegistry::SetValue(key.c_str(), "OS_Ver", osVersion);
    return true;
}

int CSetupApp::CallPreInstaller(HWND owner) {
    const std::string command = m_env.Substitute(
        "/P $DATA_FILE$ /S " + m_env.GetSourceDir() + " /D $DEST_DIR$ /R " +
        m_env.GetRegistryKeys().installingHistory + " /L $LANG_DIR$ /A $LANG_ABBR$");
    const std::string cut = command.substr(0, 16383);
    m_log.Write("Call Pre-Installer : Command ==> %s", cut.c_str());
    m_env.GetExtLibraries().Preinstall(cut, owner);
    return 1;
}

namespace {

// Windows 95, 95 OSR2 and NT 3.x/4.0 have no plug-and-play windows to handle.
bool HasNoPnpWindows(int osCode) {
    return osCode == 3 || osCode == 4 || osCode == 11 || osCode == 12;
}

}  // namespace

bool CSetupApp::StartCompressPnpThread() {
    if (HasNoPnpWindows(m_env.GetOSCode().code)) {
        return true;
    }
    if (!m_compressPnp.Start()) {
        m_log.WriteError(GetLastError(), "Create Compress PnP Thread error!!");
        return false;
    }
    return true;
}

bool CSetupApp::StopCompressPnpThread() {
    m_compressPnp.Stop();
    return true;
}

bool CSetupApp::StartActivePnpThread() {
    if (HasNoPnpWindows(m_env.GetOSCode().code)) {
        return true;
    }
    if (!m_activePnp.Start()) {
        m_log.WriteError(GetLastError(), "Create Active PnP Thread error!!");
        return false;
    }
    return true;
}

bool CSetupApp::StopActivePnpThread() {
    m_activePnp.Stop();
    return true;
}

int CSetupApp::ExitInstance() {
    m_log.Write("End of installation");
    if (m_mutex.valid()) {
        ReleaseMutex(m_mutex.get());
        m_mutex.reset();
    }
    if (m_env.GetOptions().deviceInstall) {
        StopCompressPnpThread();
        StopActivePnpThread();
    }
    return m_exitCode;
}

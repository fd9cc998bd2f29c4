// The one object that knows where everything is: the source directory the
// installer runs from, the package's configuration files, the system
// directories, the product's identity, the registry keys installs are
// recorded under, the destination and the printer port. Every configuration
// read may expand installer variables ("$SRC_DIR$"), which are answered here.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ConfigContext.h"
#include "ConfigFiles.h"
#include "DevicePortSource.h"
#include "ExtDevicePortSource.h"
#include "ExtLibraries.h"
#include "Language.h"
#include "OSVersion.h"
#include "Options.h"

struct SYSTEM_DIRS {
    std::string windows;
    std::string system;
    std::string inf;
    std::string programFiles;
    std::string temp;
    bool is64Bit = false;
};

struct PROGRAM_INFO {
    std::string mfg;
    std::string mdl;
    std::string vidpid;
    std::string programName = "Ruzuvav Printer Installer Program";
};

struct REGISTRY_KEYS {
    std::string installing;
    std::string installingHistory;
    std::string installed;
    std::string installedHistory;
    std::string uninstallInfo;
};

struct INSTALL_RECORD {
    std::string programDir;
    std::string destDir;
    std::string initialDestDir;
    std::string destInstDir;
    std::string osDir;
    std::string osDefine;
    std::string port;
    std::string ip;
    bool printerInstalled = false;
    bool devicePortFound = false;
    bool portKnown = false;
    bool installed = false;
    // The identity handed to the device library.
    std::string deviceMfg;
    std::string deviceMdl;
    std::string deviceVidPid;
};

class CInstallEnv : public setup::CConfigContext {
public:
    static constexpr const char* kFileInfoSection = "INSTALLER_FILE_INFO";

    CInstallEnv();
    ~CInstallEnv() override;
    CInstallEnv(const CInstallEnv&) = delete;
    CInstallEnv& operator=(const CInstallEnv&) = delete;

    // The start-up sequence. programPath is the running program's full path
    // (empty: GetModuleFileNameA). False, after its log line, when a
    // configuration file is missing or the program information incomplete.
    bool Init(const std::string& programPath = std::string());

    // A configured path made full against the source directory; with
    // mustExist, an absent file gives the empty text and a log line.
    std::string ResolvePath(const std::string& path, bool mustExist) const;
    std::string Substitute(const std::string& text,
                           const setup::LanguageOverride& language) const override;
    std::string Substitute(const std::string& text) const {
        return Substitute(text, setup::LanguageOverride());
    }
    bool IsRemoteInstall() const override { return m_options.remoteInstall; }
    std::vector<std::string> SectionVariants(const std::string& base) const override;

    void SetDestination(const std::string& path);
    void SetPort(const std::string& port);
    void SetIPAddress(const std::string& address);
    void SetPrinterInstalled(bool installed);
    bool FindDevicePort(bool parallelOnly);
    void SetDevicePortSource(setup::CDevicePortSource* source) { m_devicePorts = source; }

    // Switches the language: 0 asks for the one stored as "LangCode" under
    // the Installed key (else the system language). Records the choice under
    // the Installing key, loads the language's string and configure files,
    // re-reads the options and tells the reload handler; with apply set, the
    // interface rebuilder rebuilds the interface, unless the request was the
    // language already in effect (nothing happens then). Always true.
    bool ChangeLanguage(WORD requested, bool apply);
    // The language record for a request (see setup::SetLanguage), logged;
    // false when nothing changed.
    bool SetLanguage(CConfigFile& data, WORD requested, bool force);
    // The language's text in LANGUAGE_ABBR or LANGUAGE_DIR, else built in.
    void LookupLanguageText(WORD id, const char* section, std::string& text);
    // Loads the string file for the abbreviation (the English one when it
    // is missing; the one loaded before when that is missing too) into
    // every configuration file, and the language's configure file when it
    // exists (else the previous one stays).
    void SetLanguageFiles(const std::string& abbreviation);
    // Called after every language change once the new texts are loaded (the
    // network printer list reloads its fixed messages there). May be empty.
    void SetLanguageReloadHandler(std::function<void()> handler) {
        m_languageReload = std::move(handler);
    }
    // Rebuilds the user interface in the new language when a change asks for
    // it (the wizard registers it); without one nothing is rebuilt.
    void SetInterfaceRebuilder(std::function<void()> rebuild) {
        m_rebuildInterface = std::move(rebuild);
    }

    const std::string& GetVersion() const { return m_version; }
    const std::string& GetInstallerExe() const { return m_installerExe; }
    const std::string& GetSourceDir() const { return m_srcDir; }
    OPTION& GetOptions() { return m_options; }
    CConfigFiles& GetConfigFiles() { return m_files; }
    LANGUAGE_INFO& GetLanguage() { return m_language; }
    const SYSTEM_DIRS& GetSystemDirs() const { return m_dirs; }
    const PROGRAM_INFO& GetProgramInfo() const { return m_program; }
    const REGISTRY_KEYS& GetRegistryKeys() const { return m_keys; }
    INSTALL_RECORD& GetInstallRecord() { return m_record; }
    const setup::OSCode& GetOSCode() const { return m_osCode; }
    CExtLibraries& GetExtLibraries() { return m_extLibraries; }

private:
    void GatherSystemDirs();
    bool LoadConfigFiles();
    bool LoadConfig(CConfigFile& file, const std::string& path, const std::string& messagePath,
                    bool convertEscapes);
    std::string FileInfo(const char* key, const char* fallback);
    bool ReadProgramInfo();
    void FormatRegistryKeys();
    void FillInstallRecord();
    void ChooseDefaultPort();
    void WriteEnvironmentLog();

    std::string m_version;
    std::string m_installerExe;
    std::string m_srcDir;
    OPTION m_options;
    CConfigFiles m_files;
    LANGUAGE_INFO m_language;
    SYSTEM_DIRS m_dirs;
    PROGRAM_INFO m_program;
    REGISTRY_KEYS m_keys;
    INSTALL_RECORD m_record;
    setup::OSCode m_osCode;
    CExtLibraries m_extLibraries;
    CExtDevicePortSource m_extDevicePorts{m_extLibraries};
    setup::CDevicePortSource* m_devicePorts = &m_extDevicePorts;
    std::function<void()> m_languageReload;
    std::function<void()> m_rebuildInterface;
};

// The run's environment, set by its owner (the application object).
CInstallEnv* GetInstallEnv();
void SetInstallEnv(CInstallEnv* env);

// The one object that knows where everything is: the source directory the
// installer runs from, the package's configuration files, the system
// directories, the product's identity, the registry keys installs are
// recorded under, the destination and the printer port. Every configuration
// read may expand installer variables ("$SRC_DIR$"), which are answered here.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ConfigContext.h"
#include "ConfigFiles.h"
#include "OSVersion.h"
#include "Options.h"

// The language the texts are shown in; the language selection fills it.
struct LANGUAGE_INFO {
    WORD currentId = 9;
    WORD systemId = 9;
    WORD requestedId = 9;
    std::string currentAbbr = "EN";
    std::string systemAbbr = "EN";
    std::string requestedAbbr = "EN";
    std::string currentDir;
    std::string requestedDir;
};

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

namespace setup {

// Asks the package's utility library for the port of a connected device;
// false when there is no library or no device.
class CDevicePortSource {
public:
    virtual ~CDevicePortSource() = default;
    virtual bool GetDevicePort(const std::string& mfg, const std::string& mdl,
                               const std::string& vidpid, std::string& port) = 0;
};

}  // namespace setup

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
    setup::CDevicePortSource* m_devicePorts = nullptr;
};

// The run's environment, set by its owner (the application object).
CInstallEnv* GetInstallEnv();
void SetInstallEnv(CInstallEnv* env);

#include "InstallEnv.h"

#include <cstdio>
#include <utility>

#include "FileSystem.h"
#include "Platform.h"
#include "Ports.h"
#include "SectionVariant.h"
#include "TextTokens.h"
#include "foundation/Log.h"
#include "foundation/NameCompare.h"
#include "foundation/Registry.h"

namespace {

CInstallEnv* g_env = nullptr;

constexpr const char* kProgramInfo = "PROGRAM_INFO";

std::string WithoutTrailingBackslash(std::string path) {
    while (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

std::string Upper(std::string text) {
    CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

std::string Hex4(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof(text), "%04X", static_cast<unsigned>(value & 0xFFFF));
    return text;
}

std::string ReadRegistryText(HKEY root, const char* key, const char* value) {
    char buffer[4096] = {};
    if (CRegistry::GetValue(key, value, buffer, root, static_cast<int>(sizeof(buffer))) !=
        ERROR_SUCCESS) {
        return std::string();
    }
    return buffer;
}

}  // namespace

CInstallEnv* GetInstallEnv() {
    return g_env;
}
void SetInstallEnv(CInstallEnv* env) {
    g_env = env;
}

CInstallEnv::CInstallEnv() {
    GatherSystemDirs();
    m_language.systemId = GetSystemDefaultLangID();
    const setup::LogSink log = setup::RunLogSink();
    for (CConfigFile* file :
         {&m_files.Data(), &m_files.Configure(), &m_files.Command(), &m_files.Strings()}) {
        file->SetContext(this);
        file->SetLog(log);
    }
}

CInstallEnv::~CInstallEnv() {
    if (g_env == this) {
        g_env = nullptr;
    }
}

void CInstallEnv::GatherSystemDirs() {
    char buffer[MAX_PATH] = {};
    if (GetSystemDirectoryA(buffer, MAX_PATH) != 0) {
        m_dirs.system = buffer;
    }
    setup::OSVersionInfo version;
    const bool terminalServer =
        setup::QueryOSVersion(version) && version.platformId == VER_PLATFORM_WIN32_NT &&
        version.productType != VER_NT_WORKSTATION && (version.suiteMask & VER_SUITE_TERMINAL) != 0;
    if (terminalServer) {
        m_dirs.windows = ReadRegistryText(
            HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot");
        if (m_dirs.windows.empty()) {
            m_dirs.windows = m_dirs.system.substr(0, m_dirs.system.find_last_of('\\'));
        }
    } else if (GetWindowsDirectoryA(buffer, MAX_PATH) != 0) {
        m_dirs.windows = buffer;
    }
    m_dirs.inf = m_dirs.windows + "\\Inf";
    if (GetTempPathA(MAX_PATH, buffer) != 0) {
        m_dirs.temp = WithoutTrailingBackslash(buffer);
    }
    m_dirs.programFiles = ReadRegistryText(
        HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    m_dirs.is64Bit = setup::Is64Bit();
    setup::GetOSCode(m_osCode);
}

bool CInstallEnv::Init(const std::string& programPath) {
    std::string program = programPath;
    if (program.empty()) {
        char module[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, module, MAX_PATH);
        program = module;
    }
    const size_t slash = program.find_last_of('\\');
    m_srcDir = slash == std::string::npos ? std::string(".") : program.substr(0, slash);
    SetCurrentDirectoryA(m_srcDir.c_str());
    std::string name = slash == std::string::npos ? program : program.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) {
        name.resize(dot);
    }
    m_installerExe = name + ".exe";

    if (!LoadConfigFiles()) {
        LogWrite("Initialize Profiles fail!!");
        return false;
    }

    CConfigFile& data = m_files.Data();
    if (!data.GetString("VERSION", "VERSION", m_version)) {
        char version[MAX_PATH] = {};
        const std::string autorun = m_srcDir + "\\Autorun.inf";
        GetPrivateProfileStringA("INFOMATION", "VERSION", "", version, sizeof(version),
                                 autorun.c_str());
        m_version = version;
    }

    setup::ReadOptions(data, m_options);

    if (!ReadProgramInfo() && !m_options.mainOnly) {
        LogWrite("Initialize Model Variable fail!!");
        return false;
    }
    FormatRegistryKeys();
    // The stored choice, else the system language; loads its string file.
    ChangeLanguage(0, false);
    FillInstallRecord();
    m_extLibraries.Load(*this, kFileInfoSection);
    WriteEnvironmentLog();
    return true;
}

std::string CInstallEnv::FileInfo(const char* key, const char* fallback) {
    std::string value;
    if (!m_files.Data().GetString(kFileInfoSection, key, value, true) || value.empty()) {
        value = fallback;
    }
    return value;
}

bool CInstallEnv::LoadConfig(CConfigFile& file, const std::string& path,
                             const std::string& messagePath, bool convertEscapes) {
    if (file.Load(path, m_files.dataFile, messagePath, convertEscapes)) {
        return true;
    }
    LogWrite("(%s) file could not be loaded.", path.c_str());
    return false;
}

bool CInstallEnv::LoadConfigFiles() {
    const std::string stem = m_installerExe.substr(0, m_installerExe.size() - 4);
    m_files.dataFile = m_srcDir + "\\" + stem + ".dat";
    if (!setup::PathExists(m_files.dataFile)) {
        LogWrite("(%s) file does not exist.", m_files.dataFile.c_str());
        return false;
    }
    if (!LoadConfig(m_files.Data(), m_files.dataFile, std::string(), false)) {
        return false;
    }

    const std::string perLanguage = "CONFIGURE_FILE." + m_language.currentAbbr;
    std::string configure;
    if (!m_files.Data().GetString(kFileInfoSection, perLanguage.c_str(), configure, true) ||
        configure.empty()) {
        configure = FileInfo("CONFIGURE_FILE", ".\\data\\psinst.psi");
    }
    m_files.configureFile = ResolvePath(configure, true);
    if (m_files.configureFile.empty() ||
        !LoadConfig(m_files.Configure(), m_files.configureFile, std::string(), false)) {
        return false;
    }

    m_files.commandFile = ResolvePath(FileInfo("COMMAND_FILE", ".\\data\\psinst.cmd"), true);
    if (m_files.commandFile.empty() ||
        !LoadConfig(m_files.Command(), m_files.commandFile, std::string(), false)) {
        return false;
    }

    m_files.stringFileFormat = FileInfo("STRING_FILE_FORMAT", ".\\data\\String\\Lang_%s.str");
    const size_t placeholder = m_files.stringFileFormat.find("%s");
    std::string stringFile = m_files.stringFileFormat;
    if (placeholder != std::string::npos) {
        stringFile.replace(placeholder, 2, "EN");
    }
    m_files.stringFile = ResolvePath(stringFile, false);
    const size_t slash = m_files.stringFile.find_last_of('\\');
    m_files.stringFileName =
        slash == std::string::npos ? m_files.stringFile : m_files.stringFile.substr(slash + 1);
    // The other files get their message texts once the language is settled.
    if (!LoadConfig(m_files.Strings(), m_files.stringFile, m_files.stringFile, true)) {
        return false;
    }

    m_files.settingFile = ResolvePath(FileInfo("SETTING_FILE", ".\\Config.ini"), true);
    return true;
}

bool CInstallEnv::ReadProgramInfo() {
    CConfigFile& data = m_files.Data();
    const bool mfg = data.GetString(kProgramInfo, "MFG", m_program.mfg, true);
    const bool mdl = data.GetString(kProgramInfo, "MDL", m_program.mdl, true);
    const bool vidpid = data.GetString(kProgramInfo, "VIDPID", m_program.vidpid, true);
    std::string name;
    if (data.GetString(kProgramInfo, "PROGRAM_NAME", name, true)) {
        m_program.programName = name;
    }
    return mfg && mdl && vidpid;
}

void CInstallEnv::FormatRegistryKeys() {
    const std::string base = "Software\\" + m_program.mfg + "\\" + m_program.programName;
    m_keys.installing = base + "\\Installing";
    m_keys.installingHistory = base + "\\Installing\\InstHistory";
    m_keys.installed = base + "\\Installed";
    m_keys.installedHistory = base + "\\Installed\\InstHistory";
    m_keys.uninstallInfo = base + "\\UninstallInfo";
}

void CInstallEnv::FillInstallRecord() {
    m_record.deviceMfg = m_program.mfg;
    m_record.deviceMdl = m_program.mdl;
    m_record.deviceVidPid = m_program.vidpid;
    m_record.programDir = m_srcDir;

    std::string dest = ReadRegistryText(HKEY_LOCAL_MACHINE, m_keys.installed.c_str(), "Dest_Dir");
    if (dest.empty()) {
        m_files.Data().GetString(kProgramInfo, "DESTINATION_DIR", dest, true);
    }
    if (dest.empty()) {
        dest = m_dirs.programFiles + "\\" + m_program.mfg + "\\" + m_program.programName;
    }
    m_record.destDir = WithoutTrailingBackslash(dest);
    m_record.initialDestDir = m_record.destDir;
    m_record.destInstDir = m_record.destDir + "\\Install";
    const DWORD created = setup::CreateDirectoryTree(m_record.destDir);
    if (created != ERROR_SUCCESS) {
        LogWriteError(created, "Create Directory (%s) fail", m_record.destDir.c_str());
    }

    ChooseDefaultPort();

    if (!setup::FindOSDefine(m_files.Data(), m_record.osDefine)) {
        m_record.osDefine.clear();
    }
    LogWrite("OS Define String = %s", m_record.osDefine.c_str());
    if (!m_files.Data().GetString("OS_DIR", m_record.osDefine.c_str(), m_record.osDir, true) ||
        m_record.osDir.empty()) {
        m_record.osDir = m_record.osDefine;
    }
    LogWrite("OS Directory = %s", m_record.osDir.c_str());
}

void CInstallEnv::ChooseDefaultPort() {
    std::string port;
    if (m_files.Data().GetString(kProgramInfo, "DEFAULT_PORT", port, true) &&
        setup::PortExists(port)) {
        m_record.port = port;
    } else if (m_options.usbOnly) {
        m_record.port = "FILE:";
    } else if (setup::PortExists("LPT1:")) {
        m_record.port = "LPT1:";
    } else {
        m_record.port = "FILE:";
    }
}

void CInstallEnv::WriteEnvironmentLog() {
    LogWrite(" m_cstrDataFile file name is [%s]\n", m_files.dataFile.c_str());
    LogWrite(" Configure file Name is [%s] \n", m_files.configureFile.c_str());
    LogWrite(" String file Name is [%s] \n", m_files.stringFile.c_str());
    LogWrite(" Source Directroy = %s\n", m_srcDir.c_str());
    LogWrite(" Destination Directroy = %s\n", m_record.destDir.c_str());
    LogWrite(" Inf Directroy = %s\n", m_dirs.inf.c_str());
    LogWrite(" Language Abbreviation = %s\n", m_language.currentAbbr.c_str());
    LogWrite(" Original Language Abbreviation = %s\n", m_language.requestedAbbr.c_str());
    LogWrite(" Language directory = %s\n", m_language.currentDir.c_str());
    LogWrite(" Original Language directory = %s\n", m_language.requestedDir.c_str());
    LogWrite(" OS Directroy = %s\n", m_record.osDir.c_str());
    LogWrite(" OS String = %s\n", m_record.osDefine.c_str());
    LogWrite(" System Directroy = %s\n", m_dirs.system.c_str());
    LogWrite(" Windows Directroy = %s\n", m_dirs.windows.c_str());
    LogWrite(" Language ID = 0x%04X\n", m_language.currentId);
    LogWrite(" Program files directory = %s\n", m_dirs.programFiles.c_str());
    LogWrite(" Current Installing registry root key = %s\n", m_keys.installing.c_str());
    LogWrite(" Current Installed registry root key = %s\n", m_keys.installed.c_str());
    LogWrite(" Temporary directory = %s\n", m_dirs.temp.c_str());
}

std::string CInstallEnv::ResolvePath(const std::string& path, bool mustExist) const {
    std::string full;
    const bool drive = path.size() == 2 && path[1] == ':';
    const bool absolute =
        (path.size() >= 3 && path.compare(1, 2, ":\\") == 0) || path.rfind("\\\\", 0) == 0;
    if (drive || absolute) {
        full = path;
    } else if (path.rfind("..", 0) == 0) {
        full = m_srcDir.substr(0, m_srcDir.find_last_of('\\')) + path.substr(2);
    } else if (path.rfind(".", 0) == 0) {
        full = m_srcDir + path.substr(1);
    } else {
        full = m_srcDir + "\\" + path;
    }
    setup::ReplaceVariables(full, {{"$SRC_DIR$", m_srcDir}}, std::string::npos);
    if (mustExist && !setup::PathExists(full)) {
        LogWrite("(%s) file does not exist.", full.c_str());
        return std::string();
    }
    return full;
}

std::string CInstallEnv::Substitute(const std::string& text,
                                    const setup::LanguageOverride& language) const {
    if (text.find('$') == std::string::npos) {
        return text;
    }
    const std::vector<std::pair<std::string, std::string>> table = {
        {"$LANG_ABBR$",
         language.abbreviation.empty() ? m_language.currentAbbr : language.abbreviation},
        {"$ORG_LANG_ABBR$", m_language.requestedAbbr},
        {"$SRC_DIR$", m_srcDir},
        {"$DEST_DIR$", m_record.destDir},
        {"$DEST_INST_DIR$", m_record.destInstDir},
        {"$WIN_DIR$", m_dirs.windows},
        {"$SYS_DIR$", m_dirs.system},
        {"$INF_DIR$", m_dirs.inf},
        {"$OS_DIR$", m_record.osDir},
        {"$PROGRAM_FILES_DIR$", m_dirs.programFiles},
        {"$LANG_DIR$", language.directory.empty() ? m_language.currentDir : language.directory},
        {"$ORG_LANG_DIR$", m_language.requestedDir},
        {"$DATA_FILE$", m_files.dataFile},
        {"$CONFIG_FILE$", m_files.configureFile},
        {"$STRING_FILE$", m_files.stringFile},
        {"$VERSION$", m_version},
        {"$INSTALLER_EXE$", m_installerExe},
        {"$IP$", m_record.ip},
        {"$STRING_FILE_NAME$", m_files.stringFileName},
        {"$PORT$", m_record.port},
        {"$LCID$", Hex4(language.lcid != 0 ? language.lcid : m_language.currentId)},
        {"$ORG_LCID$", Hex4(m_language.requestedId)},
        {"$BOOL_INSTALLED$", m_record.installed ? "1" : "0"},
        {"$BOOL_!INSTALLED$", m_record.installed ? "0" : "1"},
    };
    std::string result = text;
    setup::ReplaceVariables(result, table);
    return result;
}

std::vector<std::string> CInstallEnv::SectionVariants(const std::string& base) const {
    return setup::SectionVariantNames(base, m_record.osDefine, m_language.currentAbbr,
                                      m_options.network, m_options.usbOnly);
}

void CInstallEnv::SetDestination(const std::string& path) {
    std::string dest = path;
    if (dest.empty()) {
        dest = Substitute(m_record.initialDestDir);
        LogWrite("Reset Destination Directory [%s]", dest.c_str());
    }
    dest = WithoutTrailingBackslash(dest);
    if (setup::SameName(dest.c_str(), m_record.destDir.c_str())) {
        return;
    }
    setup::RemoveEmptyDirectories(m_record.destDir);
    LogWrite("Set Destination ==> %s", dest.c_str());
    m_record.destDir = dest;
    m_record.destInstDir = dest + "\\Install";
    const DWORD written = CRegistry::SetValue(m_keys.installing.c_str(), "Dest_Dir", dest.c_str());
    if (written != ERROR_SUCCESS) {
        LogWriteError(written, "Write Dest_Dir fail");
    }
    const DWORD created = setup::CreateDirectoryTree(dest);
    if (created != ERROR_SUCCESS) {
        LogWriteError(created, "Create Directory (%s) fail", dest.c_str());
    }
}

void CInstallEnv::SetPort(const std::string& port) {
    if (port.empty()) {
        ChooseDefaultPort();
    } else {
        m_record.port = port;
    }
    LogWrite("Set Port : %s", m_record.port.c_str());
}

void CInstallEnv::SetIPAddress(const std::string& address) {
    m_record.ip = address;
    LogWrite("Set IP : %s", address.c_str());
}

void CInstallEnv::SetPrinterInstalled(bool installed) {
    m_record.printerInstalled = installed;
    if (installed) {
        LogWrite("Printer was installed");
    }
}

bool CInstallEnv::FindDevicePort(bool parallelOnly) {
    std::string port;
    if (m_devicePorts == nullptr ||
        !m_devicePorts->GetDevicePort(m_record.deviceMfg, m_record.deviceMdl, m_record.deviceVidPid,
                                      port)) {
        return false;
    }
    m_record.devicePortFound = true;
    SetPort(port);
    m_record.portKnown = true;
    return !parallelOnly || Upper(port).find("LPT") != std::string::npos;
}

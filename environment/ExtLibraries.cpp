#include "ExtLibraries.h"

#include "InstallEnv.h"
#include "foundation/Log.h"

namespace {

using setup::ExtLibrary;
using setup::ExtLibraryInfo;
using setup::ExtLibraryUse;

bool IsFullPath(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\' &&
                       ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    return drive || path.rfind("\\\\", 0) == 0;
}

// Loads the library at a full path, never through the system's search for a
// bare name. Its own imports are looked for beside it, beside the program
// and in the system directory, not in the current directory or on PATH
// (systems without those search flags take the library's directory first).
HMODULE LoadByFullPath(const std::string& path, DWORD& error) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) {
        error = length == 0 ? GetLastError() : ERROR_FILENAME_EXCED_RANGE;
        return nullptr;
    }
    if (!IsFullPath(full)) {
        error = ERROR_BAD_PATHNAME;
        return nullptr;
    }
    HMODULE module = LoadLibraryExA(
        full, nullptr, LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        module = LoadLibraryExA(full, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    error = module == nullptr ? GetLastError() : ERROR_SUCCESS;
    return module;
}

}  // namespace

void CExtLibraries::Reset() {
    for (platform::UniqueModule& module : m_modules) {
        module.reset();
    }
    m_entries.fill(nullptr);
    m_networkPath.clear();
    m_uninstallerPath.clear();
    m_openerPath.clear();
    m_resourcePath.clear();
}

bool CExtLibraries::Load(CInstallEnv& env, const std::string& section) {
    Reset();
    std::string variant;
    if (!env.GetConfigFiles().Data().FindSectionVariant(section.c_str(), variant)) {
        variant = section;
    }
    for (int index = 0; index < setup::kExtLibraryCount; ++index) {
        const auto library = static_cast<ExtLibrary>(index);
        const ExtLibraryInfo& info = setup::GetExtLibraryInfo(library);
        const std::string path = env.ResolvePath(ConfiguredPath(env, variant, info), true);
        switch (library) {
            case setup::kNetworkLibrary:
                m_networkPath = path;
                break;
            case setup::kResourceLibrary:
                m_resourcePath = path;
                break;
            case setup::kUninstallerProgram:
                m_uninstallerPath = path;
                break;
            case setup::kOpenerProgram:
                m_openerPath = path;
                break;
            default:
                break;
        }
        if (info.use != ExtLibraryUse::kPathOnly) {
            LoadLibraryAt(library, path);
        }
    }
    ResolveEntries();
    return true;
}

// The library's key from the variant section, then from the file information
// section, then its default. An empty value counts as not given.
std::string CExtLibraries::ConfiguredPath(CInstallEnv& env, const std::string& variant,
                                          const ExtLibraryInfo& info) const {
    CConfigFile& data = env.GetConfigFiles().Data();
    std::string path;
    if (data.GetString(variant.c_str(), info.key, path, true) && !path.empty()) {
        return path;
    }
    if (data.GetString(CInstallEnv::kFileInfoSection, info.key, path, true) && !path.empty()) {
        return path;
    }
    if (info.defaultKey != nullptr &&
        data.GetString(CInstallEnv::kFileInfoSection, info.defaultKey, path, true) &&
        !path.empty()) {
        return path;
    }
    return info.defaultPath;
}

void CExtLibraries::LoadLibraryAt(ExtLibrary library, const std::string& path) {
    const ExtLibraryInfo& info = setup::GetExtLibraryInfo(library);
    // An empty path is a file that does not exist; the resolution has said
    // which.
    DWORD error = ERROR_FILE_NOT_FOUND;
    if (!path.empty()) {
        m_modules[library].reset(LoadByFullPath(path, error));
    }
    if (m_modules[library]) {
        return;
    }
    if (info.use == ExtLibraryUse::kNetwork && path.empty()) {
        LogWriteError(error, "Get network Netmanager DLL fail");
    } else if (info.use == ExtLibraryUse::kPreInstaller) {
        LogWriteError(error, "%s", path.c_str());
    } else {
        LogWriteError(error, "%s (%s)", info.failedLoad, path.c_str());
    }
}

void CExtLibraries::ResolveEntries() {
    for (int index = 0; index < setup::kExtLibraryCount; ++index) {
        const ExtLibraryInfo& info = setup::GetExtLibraryInfo(static_cast<ExtLibrary>(index));
        const HMODULE module = m_modules[index].get();
        if (module == nullptr) {
            continue;
        }
        for (int entry = info.firstEntry; entry < info.endEntry; ++entry) {
            const FARPROC proc =
                GetProcAddress(module, setup::GetExtEntryName(static_cast<setup::ExtEntry>(entry)));
            m_entries[entry] = reinterpret_cast<void*>(proc);
        }
    }
}

bool CExtLibraries::HasEntry(const std::string& name) const {
    for (int entry = 0; entry < setup::kExtEntryCount; ++entry) {
        if (name == setup::GetExtEntryName(static_cast<setup::ExtEntry>(entry))) {
            return m_entries[entry] != nullptr;
        }
    }
    return false;
}

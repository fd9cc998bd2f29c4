// CInstallEnv's language operations: the switch itself, the record it keeps
// in the registry, and the string and configure files of the language.
#include "InstallEnv.h"

#include "FileSystem.h"
#include "Platform.h"
#include "foundation/Log.h"
#include "foundation/Registry.h"

namespace {

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

bool CInstallEnv::ChangeLanguage(WORD requested, bool apply) {
    // Without a manufacturer (a MAIN_ONLY package) the key paths name no
    // key of this package: the choice is then neither read nor kept.
    const bool recorded = !m_program.mfg.empty();
    bool force = false;
    if (requested == 0) {
        DWORD stored = 0;
        if (recorded &&
            CRegistry::GetValue(m_keys.installed.c_str(), "LangCode", &stored) == ERROR_SUCCESS &&
            stored <= 0xFFFF) {
            requested = static_cast<WORD>(stored);
        }
        force = true;
    }
    if (!SetLanguage(m_files.Data(), requested, force) && apply) {
        return true;
    }

    // The choice is kept for the next run; a failed write costs only that.
    const char* installing = m_keys.installing.c_str();
    if (recorded) {
        CRegistry::SetValue(installing, "LangCode", static_cast<DWORD>(m_language.requestedId));
        CRegistry::SetValue(installing, "LangAbbr", m_language.currentAbbr.c_str());
    }
    SetLanguageFiles(m_language.currentAbbr);
    if (recorded) {
        CRegistry::SetValue(installing, "STR_FILE", m_files.stringFile.c_str());
    }

    // The option section may be chosen by language.
    setup::ReadOptions(m_files.Data(), m_options);
    if (m_languageReload) {
        m_languageReload();
    }
    if (apply && m_rebuildInterface) {
        m_rebuildInterface();
    }
    return true;
}

bool CInstallEnv::SetLanguage(CConfigFile& data, WORD requested, bool force) {
    return setup::SetLanguage(m_language, data, requested, force, setup::RunLogSink());
}

void CInstallEnv::LookupLanguageText(WORD id, const char* section, std::string& text) {
    CConfigFile& data = m_language.config != nullptr ? *m_language.config : m_files.Data();
    text = setup::LookupLanguageText(data, id, section);
}

void CInstallEnv::SetLanguageFiles(const std::string& abbreviation) {
    std::string stringFile =
        ResolvePath(setup::FormatStringFile(m_files.stringFileFormat, abbreviation), false);
    if (!setup::PathExists(stringFile)) {
        LogWrite("(%s) file does not exist.", stringFile.c_str());
        std::string english;
        LookupLanguageText(setup::kLangEnglish, setup::kLanguageAbbrSection, english);
        stringFile = ResolvePath(setup::FormatStringFile(m_files.stringFileFormat, english), false);
        if (!setup::PathExists(stringFile)) {
            // Keep the texts already loaded rather than lose every message.
            LogWrite("(%s) file does not exist.", stringFile.c_str());
            stringFile = m_files.stringFile;
        }
    }
    m_files.stringFile = stringFile;
    m_files.stringFileName = FileNameOf(stringFile);

    std::string configure;
    const std::string perLanguage = "CONFIGURE_FILE." + abbreviation;
    if (!m_files.Data().GetString(kFileInfoSection, perLanguage.c_str(), configure, true) ||
        configure.empty()) {
        configure = FileInfo("CONFIGURE_FILE", ".\\data\\psinst.psi");
    }
    configure = ResolvePath(configure, true);
    if (!configure.empty()) {
        if (m_files.Configure().ReloadMain(configure)) {
            m_files.configureFile = configure;
        } else {
            LogWrite("(%s) file could not be loaded.", configure.c_str());
            m_files.Configure().ReloadMain(m_files.configureFile);
        }
    }

    for (CConfigFile* file : {&m_files.Command(), &m_files.Configure(), &m_files.Data()}) {
        file->ReloadMessages(m_files.stringFile);
    }
    m_files.Strings().ReloadMain(m_files.stringFile);
    m_files.Strings().ReloadMessages(m_files.stringFile);

    LogWrite("Set Language : String file\t\t= %s", m_files.stringFileName.c_str());
    LogWrite("Set Language : Configure file\t\t= %s", m_files.configureFile.c_str());
}

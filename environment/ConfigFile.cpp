#include "ConfigFile.h"

#include "TextTokens.h"

namespace {

constexpr const char* kMessagesSection = "MESSAGES";
constexpr DWORD kValueBuffer = setup::kMaxConfigValue + 1;

}  // namespace

bool CConfigFile::Load(const std::string& mainPath, const std::string& secondPath,
                       const std::string& messagePath, bool convertEscapes) {
    m_bConvertEscapes = convertEscapes;
    m_secondPath = secondPath;
    m_mainPath = mainPath;
    m_bLoaded = m_main.Reload(mainPath.c_str(), secondPath.c_str()) == ERROR_SUCCESS;
    if (!messagePath.empty()) {
        ReloadMessages(messagePath);
    }
    return m_bLoaded;
}

bool CConfigFile::ReloadMain(const std::string& path) {
    m_mainPath = path;
    m_bLoaded = m_main.Reload(path.c_str(), m_secondPath.c_str()) == ERROR_SUCCESS;
    return m_bLoaded;
}

bool CConfigFile::ReloadMessages(const std::string& path) {
    const DWORD result = m_messages.Reload(path.c_str(), m_secondPath.c_str());
    if (result == ERROR_SUCCESS) {
        m_messagePath = path;
        m_bMessagesLoaded = true;
    } else {
        Log("Loading message file (" + path + ") failed, Error Code = " + std::to_string(result));
        m_bMessagesLoaded = false;
    }
    return m_bMessagesLoaded;
}

void CConfigFile::ExpandTokens(std::string& text, bool substitute,
                               const setup::LanguageOverride& language) {
    if (m_bMessagesLoaded) {
        std::vector<char> buffer(kValueBuffer);
        setup::ExpandMessageTokens(text, [&](const std::string& key, std::string& value) {
            if (m_messages.GetString(kMessagesSection, key.c_str(), buffer.data(), kValueBuffer,
                                     TRUE) != ERROR_SUCCESS) {
                return false;
            }
            value = buffer.data();
            return true;
        });
    }
    if (substitute && m_context != nullptr && !m_context->IsRemoteInstall()) {
        text = m_context->Substitute(text, language);
        if (text.size() > setup::kMaxConfigValue) {
            text.resize(setup::kMaxConfigValue);
        }
    }
}

bool CConfigFile::GetString(const char* section, const char* key, std::string& value,
                            bool substitute, const setup::LanguageOverride& language) {
    if (!m_bLoaded) {
        return false;
    }
    std::vector<char> buffer(kValueBuffer);
    if (m_main.GetString(section, key, buffer.data(), kValueBuffer, m_bConvertEscapes) !=
        ERROR_SUCCESS) {
        return false;
    }
    std::string text(buffer.data());
    ExpandTokens(text, substitute, language);
    value.swap(text);
    return true;
}

bool CConfigFile::GetString(const char* section, const char* key, std::string& value) {
    return GetString(section, key, value, true);
}

bool CConfigFile::GetDword(const char* section, const char* key, DWORD& number) {
    return m_main.GetDword(section, key, &number) == ERROR_SUCCESS;
}

bool CConfigFile::GetSize(const char* section, const char* key, SIZE& size) {
    return m_main.GetControl(section, key, &size) == ERROR_SUCCESS;
}

bool CConfigFile::GetPoint(const char* section, const char* key, POINT& point) {
    return m_main.GetControl(section, key, &point) == ERROR_SUCCESS;
}

bool CConfigFile::GetColor(const char* section, const char* key, COLORREF& color) {
    return m_main.GetControl(section, key, &color) == ERROR_SUCCESS;
}

bool CConfigFile::GetRect(const char* section, const char* key, RECT& rect) {
    return m_main.GetControl(section, key, &rect) == ERROR_SUCCESS;
}

bool CConfigFile::GetSectionLines(const char* section, std::vector<std::string>& lines,
                                  bool substitute, const setup::LanguageOverride& language) {
    if (m_context != nullptr && m_context->IsRemoteInstall()) {
        return true;
    }
    CSectionList& list = m_main.GetSectionList();
    SECTION_LIST* record =
        section == nullptr || *section == '\0' ? nullptr : list.FindSection(section);
    if (record == nullptr) {
        return false;
    }
    for (const LINE_LIST* line = record->lines; line != nullptr; line = line->next) {
        std::string text = line->key;
        if (line->value[0] != '\0') {
            text += " = ";
            text += line->value;
            m_main.ExpandDefinedStrings(text, TRUE);
        }
        ExpandTokens(text, substitute, language);
        lines.push_back(text);
    }
    return true;
}

bool CConfigFile::HasSection(const char* name) {
    return name != nullptr && *name != '\0' && m_main.GetSectionList().FindSection(name) != nullptr;
}

std::string CConfigFile::GetSectionNames() {
    std::string names;
    for (SECTION_LIST* s = m_main.GetSectionList().FindSection(nullptr); s != nullptr;
         s = s->next) {
        names += s->name;
        names += ' ';
    }
    return names;
}

bool CConfigFile::FindSectionVariant(const char* base, std::string& name) {
    if (base == nullptr || *base == '\0') {
        return false;
    }
    const std::vector<std::string> candidates =
        m_context != nullptr ? m_context->SectionVariants(base) : std::vector<std::string>{base};
    CSectionList& list = m_main.GetSectionList();
    for (const std::string& candidate : candidates) {
        if (const SECTION_LIST* section =
                candidate.empty() ? nullptr : list.FindSection(candidate.c_str())) {
            name = section->name;
            return true;
        }
    }
    return false;
}

void CConfigFile::Log(const std::string& line) const {
    if (m_log) {
        m_log(line);
    }
}

// One configuration file as the rest of the system reads it: the file itself
// (with the data file as its second file, whose defined strings win), and the
// current language's string file for message tokens. Reads expand defined
// strings, then messages ("@KEY@"), then installer variables ("$NAME$").
#pragma once

#include <string>
#include <vector>

#include "ConfigContext.h"
#include "ConfigReader.h"
#include "LogSink.h"
#include "foundation/Profile.h"

class CConfigFile : public setup::CConfigReader {
public:
    CConfigFile() = default;
    CConfigFile(const CConfigFile&) = delete;
    CConfigFile& operator=(const CConfigFile&) = delete;

    // The environment that substitutes variables and names section variants;
    // without one, reads substitute nothing and variants are the base name.
    void SetContext(const setup::CConfigContext* context) { m_context = context; }
    void SetLog(setup::LogSink log) { m_log = std::move(log); }

    // Loads the file with its second file and, when messagePath is not
    // empty, the string file for messages. True when the file loaded.
    bool Load(const std::string& mainPath, const std::string& secondPath,
              const std::string& messagePath, bool convertEscapes);
    bool ReloadMain(const std::string& path);
    bool ReloadMessages(const std::string& path);

    // False when the file is not loaded or the key is missing. The value is
    // cut at 16383 characters.
    bool GetString(const char* section, const char* key, std::string& value, bool substitute,
                   const setup::LanguageOverride& language = setup::LanguageOverride());
    bool GetString(const char* section, const char* key, std::string& value) override;
    bool GetDword(const char* section, const char* key, DWORD& number) override;
    bool GetSize(const char* section, const char* key, SIZE& size);
    bool GetPoint(const char* section, const char* key, POINT& point);
    bool GetColor(const char* section, const char* key, COLORREF& color);
    bool GetRect(const char* section, const char* key, RECT& rect);

    // The section's lines ("key = value", or a bare key), each expanded as by
    // GetString. False when the section is missing. While a remote install
    // runs, nothing is listed and the result is true.
    bool GetSectionLines(const char* section, std::vector<std::string>& lines, bool substitute,
                         const setup::LanguageOverride& language = setup::LanguageOverride());
    bool HasSection(const char* name);
    // All section names, each followed by a space.
    std::string GetSectionNames();
    bool FindSectionVariant(const char* base, std::string& name) override;

    bool IsLoaded() const { return m_bLoaded; }
    bool AreMessagesLoaded() const { return m_bMessagesLoaded; }
    const std::string& GetMainPath() const { return m_mainPath; }
    const std::string& GetMessagePath() const { return m_messagePath; }
    CProfile& GetProfile() { return m_main; }

private:
    void ExpandTokens(std::string& text, bool substitute, const setup::LanguageOverride& language);
    void Log(const std::string& line) const;

    CProfile m_main;
    CProfile m_messages;
    std::string m_mainPath;
    std::string m_messagePath;
    std::string m_secondPath;
    bool m_bLoaded = false;
    bool m_bMessagesLoaded = false;
    bool m_bConvertEscapes = false;
    const setup::CConfigContext* m_context = nullptr;
    setup::LogSink m_log;
};

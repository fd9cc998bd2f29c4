// Reads one profile file (the package's own INI-like text format) into a
// section list and answers typed queries on it. A second file may be loaded
// beside it: its STRINGS section wins when defined strings ("%NAME%") are
// expanded. Every operation returns a Win32 code (0, 13 missing, 14 too small,
// 87 bad argument, or the system's code from the file) and never throws.
#pragma once

#include <string>

#include "Export.h"
#include "SectionList.h"
#include "WinTypes.h"

class SETUP_EXPORT CProfile {
public:
    static constexpr size_t kMaxPath = 519;
    static constexpr size_t kMaxLine = 4095;
    // Largest text a defined-string expansion may grow to.
    static constexpr size_t kExpansionSize = 32768;

    CProfile();
    CProfile(const char* path, const char* secondPath);
    virtual ~CProfile();
    CProfile(const CProfile&) = delete;
    CProfile& operator=(const CProfile&) = delete;

    // Loads the primary file, then (when that succeeded) the second file.
    // Returns the primary file's result; a failed second file leaves the
    // second list empty. A path over 519 characters is refused (206).
    DWORD Create(const char* path, const char* secondPath, BOOL unused = FALSE);
    DWORD Reload(const char* path, const char* secondPath);

    // First value of the key, cut to size - 1 bytes, with defined strings
    // expanded (and \r, \n converted when asked). 13 when missing, else 0.
    DWORD GetString(const char* section, const char* key, char* buffer, DWORD size,
                    BOOL convertEscapes);
    DWORD GetDword(const char* section, const char* key, DWORD* number);
    DWORD GetControl(const char* section, const char* key, SIZE* size);
    DWORD GetControl(const char* section, const char* key, POINT* point);
    DWORD GetControl(const char* section, const char* key, COLORREF* color);
    DWORD GetControl(const char* section, const char* key, RECT* rect);
    // Out values are left unchanged on failure.

    DWORD GetSectionName(char* buffer, DWORD size, BOOL nulSeparated);
    DWORD GetAllKey(const char* section, char* buffer, DWORD size, BOOL skipBareKeys);

    // Writing goes to the primary file with the system's INI functions and
    // is seen in memory only after Reload. Windows only.
    DWORD SetValue(const char* section, const char* key, const char* text);
    DWORD SetValue(const char* section, const char* key, int number);
    DWORD SetValue(const char* section, const char* key, const POINT& point);
    DWORD SetValue(const char* section, const char* key, const SIZE& size);
    DWORD SetValue(const char* section, const char* key, const COLORREF* color);
    DWORD SetValue(const char* section, const char* key, const RECT& rect);

    // Expands the defined strings of a text as GetString does with its value;
    // returns that expansion's result (0, 13 or 14; on 14 the text is kept).
    DWORD ExpandDefinedStrings(std::string& text, BOOL convertEscapes);

    // Decimal as atoi does, or hexadecimal when the text holds "0x".
    static DWORD StringToDword(const char* text);

    bool IsLoaded() const { return m_bLoaded; }
    bool IsSecondLoaded() const { return m_bSecondLoaded; }
    const std::string& GetPath() const { return m_path; }
    CSectionList& GetSectionList() { return m_list; }

protected:
    DWORD LoadFile(const char* path, CSectionList& list);
    // Comment removal and parsing of a file's bytes already in memory.
    void LoadText(const char* data, size_t size, CSectionList& list);
    static std::string ProcessData(const char* data, size_t size);
    static DWORD ReadOneLine(const std::string& text, size_t pos, std::string& line,
                             size_t* consumed);
    static bool IsSection(const std::string& line);
    void Parsing(const std::string& text, CSectionList& list);
    DWORD GetStringValue(const char* key, char* buffer, DWORD size);
    DWORD ConvertDefinedString(char* buffer, DWORD size, BOOL convertEscapes);
    DWORD SetData(const char* section, const char* key, const char* value);
    DWORD WriteData() { return ERROR_SUCCESS; }

private:
    const LINE_LIST* FirstLine(const char* section, const char* key);
    bool LookupDefined(const std::string& token, std::string& value);
    DWORD Expand(std::string& text, bool convertEscapes);

    CSectionList m_list;
    CSectionList m_secondList;
    bool m_bLoaded = false;
    bool m_bSecondLoaded = false;
    std::string m_path;
};

// Writing a profile's values back to its file with the system's INI functions.
#include <cstdio>

#include "Profile.h"

namespace {

bool IsEmpty(const char* text) {
    return text == nullptr || *text == '\0';
}

}  // namespace

DWORD CProfile::SetData(const char* section, const char* key, const char* value) {
    if (!WritePrivateProfileStringA(section, key, value, m_path.c_str())) {
        return GetLastError();
    }
    return ERROR_SUCCESS;
}

DWORD CProfile::SetValue(const char* section, const char* key, const char* text) {
    if (IsEmpty(section) || key == nullptr || text == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (*key == '\0') {
        // An empty key empties the section.
        static const char kEmptyList[2] = {'\0', '\0'};
        if (!WritePrivateProfileSectionA(section, kEmptyList, m_path.c_str())) {
            return GetLastError();
        }
        return ERROR_SUCCESS;
    }
    return SetData(section, key, text);
}

DWORD CProfile::SetValue(const char* section, const char* key, int number) {
    if (IsEmpty(section) || IsEmpty(key)) {
        return ERROR_INVALID_PARAMETER;
    }
    char text[16];
    std::snprintf(text, sizeof(text), "%d", number);
    return SetData(section, key, text);
}

DWORD CProfile::SetValue(const char* section, const char* key, const POINT& point) {
    if (IsEmpty(section) || IsEmpty(key)) {
        return ERROR_INVALID_PARAMETER;
    }
    char text[32];
    std::snprintf(text, sizeof(text), "%d,%d", static_cast<int>(point.x),
                  static_cast<int>(point.y));
    return SetData(section, key, text);
}

DWORD CProfile::SetValue(const char* section, const char* key, const SIZE& size) {
    const POINT asPoint{size.cx, size.cy};
    return SetValue(section, key, asPoint);
}

DWORD CProfile::SetValue(const char* section, const char* key, const COLORREF* color) {
    if (IsEmpty(section) || IsEmpty(key) || color == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    char text[48];
    std::snprintf(text, sizeof(text), "%d,%d,%d", static_cast<int>(*color & 0xFF),
                  static_cast<int>((*color >> 8) & 0xFF), static_cast<int>((*color >> 16) & 0xFF));
    return SetData(section, key, text);
}

DWORD CProfile::SetValue(const char* section, const char* key, const RECT& rect) {
    if (IsEmpty(section) || IsEmpty(key)) {
        return ERROR_INVALID_PARAMETER;
    }
    char text[64];
    std::snprintf(text, sizeof(text), "%d,%d,%d,%d", static_cast<int>(rect.left),
                  static_cast<int>(rect.top), static_cast<int>(rect.right),
                  static_cast<int>(rect.bottom));
    return SetData(section, key, text);
}

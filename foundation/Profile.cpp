#include "Profile.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "FileText.h"
#include "NameCompare.h"
#include "TextReplace.h"

namespace {

constexpr const char* kStringsSection = "STRINGS";
// Defined strings may name others. An expansion that takes this many
// substitutions in all, or nests this deep at one place, never ends.
constexpr size_t kMaxSubstitutions = 1024;
constexpr size_t kMaxNesting = 256;
// Strings that name each other through others can grow the text slowly for
// a long time; an expansion that has copied this many characters in all is
// taken as one that does not end.
constexpr size_t kMaxExpansionWork = size_t{1} << 20;

bool IsEmpty(const char* text) {
    return text == nullptr || *text == '\0';
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

void ConvertEscapes(std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            result.push_back(text[i + 1] == 'r' ? '\r' : '\n');
            ++i;
        } else {
            result.push_back(text[i]);
        }
    }
    text.swap(result);
}

// Comma-separated numbers; empty fields between commas are skipped.
std::vector<LONG> SplitNumbers(const char* text) {
    std::vector<LONG> numbers;
    const char* p = text;
    while (*p != '\0') {
        const char* comma = std::strchr(p, ',');
        const char* end = comma != nullptr ? comma : p + std::strlen(p);
        if (end > p) {
            const std::string field(p, end);
            numbers.push_back(static_cast<LONG>(CProfile::StringToDword(field.c_str())));
        }
        p = comma != nullptr ? comma + 1 : end;
    }
    return numbers;
}

}  // namespace

CProfile::CProfile() = default;

CProfile::CProfile(const char* path, const char* secondPath) {
    Create(path, secondPath);
}

CProfile::~CProfile() = default;

DWORD CProfile::Create(const char* path, const char* secondPath, BOOL /*unused*/) {
    const DWORD result = LoadFile(path, m_list);
    if (result == ERROR_SUCCESS) {
        m_path = path;
        m_bLoaded = true;
    }
    if (m_bLoaded && !IsEmpty(secondPath) && LoadFile(secondPath, m_secondList) == ERROR_SUCCESS) {
        m_bSecondLoaded = true;
    }
    return result;
}

DWORD CProfile::Reload(const char* path, const char* secondPath) {
    m_bLoaded = false;
    m_bSecondLoaded = false;
    m_list.ClearAll();
    m_secondList.ClearAll();
    return Create(path, secondPath);
}

DWORD CProfile::LoadFile(const char* path, CSectionList& list) {
    if (IsEmpty(path)) {
        return ERROR_INVALID_PARAMETER;
    }
    if (std::strlen(path) > kMaxPath) {
        return ERROR_FILENAME_EXCED_RANGE;
    }
    std::string bytes;
    const DWORD result = setup::ReadWholeFile(path, bytes);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    LoadText(bytes.data(), bytes.size(), list);
    return ERROR_SUCCESS;
}

void CProfile::LoadText(const char* data, size_t size, CSectionList& list) {
    std::string text(data, size);
    text += "\r\n";  // so that the last line always ends
    Parsing(ProcessData(text.data(), text.size()), list);
}

std::string CProfile::ProcessData(const char* data, size_t size) {
    std::string out;
    out.reserve(size * 2);
    bool lineStart = true;
    bool quoted = false;
    size_t i = 0;
    while (i < size) {
        const char c = data[i];
        const bool commentCanStart = !quoted && c == '/' && i + 1 < size;
        if (commentCanStart && data[i + 1] == '/') {
            while (i < size && !IsLineEnd(data[i])) {
                ++i;
            }
            if (i == size) {
                break;
            }
            while (i < size && IsLineEnd(data[i])) {
                ++i;
            }
            if (!lineStart) {
                out += "\r\n";
            }
            lineStart = true;
        } else if (commentCanStart && data[i + 1] == '*') {
            const char* close = nullptr;
            for (size_t j = i + 2; j + 1 < size; ++j) {
                if (data[j] == '*' && data[j + 1] == '/') {
                    close = data + j;
                    break;
                }
            }
            if (close == nullptr) {
                // The rest of the file is an unclosed comment and is dropped;
                // the text before it on its line still ends as a line.
                if (!lineStart) {
                    out += "\r\n";
                }
                break;
            }
            i = static_cast<size_t>(close - data) + 2;
        } else if (IsLineEnd(c)) {
            out += "\r\n";
            while (i < size && IsLineEnd(data[i])) {
                ++i;
            }
            lineStart = true;
        } else {
            if (c == '"') {
                quoted = !quoted;
            }
            out += c;
            lineStart = false;
            ++i;
        }
    }
    return out;
}

DWORD CProfile::ReadOneLine(const std::string& text, size_t pos, std::string& line,
                            size_t* consumed) {
    size_t end = pos;
    while (end < text.size() && text[end] != '\n' && text[end] != '\0') {
        ++end;
    }
    if (end >= text.size() || text[end] == '\0') {
        return ERROR_NO_MORE_ITEMS;  // a partly collected line is dropped
    }
    size_t length = end - pos;
    if (length > 0 && text[end - 1] == '\r') {
        --length;
    }
    if (length > kMaxLine) {
        return ERROR_OUTOFMEMORY;
    }
    line = setup::TrimBlanks(text.substr(pos, length));
    if (consumed != nullptr) {
        *consumed = end + 1 - pos;
    }
    return ERROR_SUCCESS;
}

bool CProfile::IsSection(const std::string& line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

void CProfile::Parsing(const std::string& text, CSectionList& list) {
    SECTION_LIST* current = nullptr;
    std::string line;
    size_t pos = 0;
    size_t consumed = 0;
    // A too-long line ends the file there, keeping what was read before it.
    while (ReadOneLine(text, pos, line, &consumed) == ERROR_SUCCESS) {
        pos += consumed;
        if (line.empty()) {
            continue;
        }
        if (IsSection(line)) {
            // A header that names no usable section (empty, or over 255
            // characters) leaves its lines without a section: they are
            // dropped rather than added to the section before it.
            current = list.AddSection(line.c_str(), nullptr);
        } else if (current != nullptr) {
            list.AddLine(current, line.c_str(), FALSE, nullptr);
        }
    }
}

const LINE_LIST* CProfile::FirstLine(const char* section, const char* key) {
    if (IsEmpty(section) || IsEmpty(key)) {
        return nullptr;
    }
    return m_list.FindKey(m_list.FindSection(section), key, 0);
}

DWORD CProfile::GetString(const char* section, const char* key, char* buffer, DWORD size,
                          BOOL convertEscapes) {
    if (IsEmpty(section) || IsEmpty(key) || buffer == nullptr || size == 0) {
        return ERROR_INVALID_PARAMETER;
    }
    const LINE_LIST* line = FirstLine(section, key);
    if (line == nullptr) {
        return ERROR_INVALID_DATA;
    }
    std::memset(buffer, 0, size);
    std::memcpy(buffer, line->value, std::min<size_t>(std::strlen(line->value), size - 1));
    ConvertDefinedString(buffer, size, convertEscapes);
    return ERROR_SUCCESS;
}

DWORD CProfile::GetDword(const char* section, const char* key, DWORD* number) {
    if (IsEmpty(section) || IsEmpty(key) || number == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const LINE_LIST* line = FirstLine(section, key);
    if (line == nullptr) {
        return ERROR_INVALID_DATA;
    }
    *number = StringToDword(line->value);
    return ERROR_SUCCESS;
}

DWORD CProfile::GetControl(const char* section, const char* key, SIZE* size) {
    if (IsEmpty(section) || IsEmpty(key) || size == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const LINE_LIST* line = FirstLine(section, key);
    if (line == nullptr) {
        return ERROR_INVALID_DATA;
    }
    const std::vector<LONG> n = SplitNumbers(line->value);
    if (n.size() < 2) {
        return ERROR_INVALID_PARAMETER;
    }
    size->cx = n[0];
    size->cy = n[1];
    return ERROR_SUCCESS;
}

DWORD CProfile::GetControl(const char* section, const char* key, POINT* point) {
    const LINE_LIST* line = point == nullptr ? nullptr : FirstLine(section, key);
    if (line == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::vector<LONG> n = SplitNumbers(line->value);
    if (n.size() < 2) {
        return ERROR_INVALID_PARAMETER;
    }
    point->x = n[0];
    point->y = n[1];
    return ERROR_SUCCESS;
}

DWORD CProfile::GetControl(const char* section, const char* key, COLORREF* color) {
    if (IsEmpty(section) || IsEmpty(key) || color == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const LINE_LIST* line = FirstLine(section, key);
    if (line == nullptr) {
        return ERROR_INVALID_DATA;
    }
    const std::vector<LONG> n = SplitNumbers(line->value);
    if (n.size() < 3) {
        return ERROR_INVALID_PARAMETER;
    }
    *color = (static_cast<DWORD>(n[0]) & 0xFF) | ((static_cast<DWORD>(n[1]) & 0xFF) << 8) |
             ((static_cast<DWORD>(n[2]) & 0xFF) << 16);
    return ERROR_SUCCESS;
}

DWORD CProfile::GetControl(const char* section, const char* key, RECT* rect) {
    const LINE_LIST* line = rect == nullptr ? nullptr : FirstLine(section, key);
    if (line == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::vector<LONG> n = SplitNumbers(line->value);
    if (n.size() < 4) {
        return ERROR_INVALID_PARAMETER;
    }
    rect->left = n[0];
    rect->top = n[1];
    rect->right = n[2];
    rect->bottom = n[3];
    return ERROR_SUCCESS;
}

DWORD CProfile::GetSectionName(char* buffer, DWORD size, BOOL nulSeparated) {
    if (buffer == nullptr || size == 0) {
        return ERROR_INVALID_PARAMETER;
    }
    if (nulSeparated) {
        std::memset(buffer, 0, size);
    } else {
        std::memset(buffer, ' ', size);
        buffer[size - 1] = '\0';
    }
    SECTION_LIST* section = m_list.FindSection(nullptr);
    if (section == nullptr) {
        return ERROR_INVALID_DATA;
    }
    // The last byte is kept for the closing NUL in both forms.
    size_t used = 0;
    for (; section != nullptr; section = section->next) {
        const size_t length = std::strlen(section->name);
        if (length + 1 >= size - used) {
            return ERROR_OUTOFMEMORY;
        }
        std::memcpy(buffer + used, section->name, length);
        buffer[used + length] = nulSeparated ? '\0' : ' ';
        used += length + 1;
    }
    return ERROR_SUCCESS;
}

DWORD CProfile::GetAllKey(const char* section, char* buffer, DWORD size, BOOL skipBareKeys) {
    if (IsEmpty(section) || buffer == nullptr || size == 0) {
        return ERROR_INVALID_PARAMETER;
    }
    SECTION_LIST* record = m_list.FindSection(section);
    if (record == nullptr) {
        return ERROR_INVALID_DATA;
    }
    std::memset(buffer, 0, size);
    // The last byte is kept for the closing NUL of the list.
    size_t used = 0;
    for (const LINE_LIST* line = record->lines; line != nullptr; line = line->next) {
        std::string text;
        if (line->value[0] != '\0') {
            text = std::string(line->key) + " = " + line->value;
            Expand(text, true);
        } else if (!skipBareKeys) {
            text = line->key;
        }
        if (text.empty()) {
            continue;
        }
        if (text.size() + 1 >= size - used) {
            return ERROR_OUTOFMEMORY;
        }
        std::memcpy(buffer + used, text.data(), text.size());
        used += text.size() + 1;
    }
    return ERROR_SUCCESS;
}

DWORD CProfile::StringToDword(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (upper.find("0X") == std::string::npos) {
        // As atoi: leading blanks, an optional sign, digits up to the first
        // other character. Overflow wraps, as the 32-bit result does.
        const char* p = upper.c_str();
        while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') {
            ++p;
        }
        bool negative = false;
        if (*p == '+' || *p == '-') {
            negative = *p == '-';
            ++p;
        }
        DWORD value = 0;
        for (; *p >= '0' && *p <= '9'; ++p) {
            value = value * 10 + static_cast<DWORD>(*p - '0');
        }
        return negative ? 0u - value : value;
    }
    std::string digits;
    for (size_t i = 0; i < upper.size(); ++i) {
        if (upper[i] == '0' && i + 1 < upper.size() && upper[i + 1] == 'X') {
            ++i;
        } else {
            digits.push_back(upper[i]);
        }
    }
    DWORD value = 0;
    int shift = 0;
    for (auto it = digits.rbegin(); it != digits.rend() && shift < 32; ++it, shift += 4) {
        DWORD nibble = 0;
        if (*it >= '0' && *it <= '9') {
            nibble = static_cast<DWORD>(*it - '0');
        } else if (*it >= 'A' && *it <= 'F') {
            nibble = static_cast<DWORD>(*it - 'A' + 10);
        }
        value |= nibble << shift;
    }
    return value;
}

bool CProfile::LookupDefined(const std::string& token, std::string& value) {
    const LINE_LIST* line = nullptr;
    if (m_bSecondLoaded) {
        line = m_secondList.FindKey(m_secondList.FindSection(kStringsSection), token.c_str(), 0);
    }
    if (line == nullptr) {
        line = m_list.FindKey(m_list.FindSection(kStringsSection), token.c_str(), 0);
    }
    if (line == nullptr) {
        return false;
    }
    const char* begin = line->value;
    const char* end = begin + std::strlen(begin);
    while (begin < end && *begin == '"') {
        ++begin;
    }
    while (end > begin && end[-1] == '"') {
        --end;
    }
    value.assign(begin, end);
    return true;
}

DWORD CProfile::GetStringValue(const char* key, char* buffer, DWORD size) {
    if (IsEmpty(key) || buffer == nullptr || size == 0) {
        return ERROR_INVALID_PARAMETER;
    }
    std::string value;
    if (!LookupDefined(key, value)) {
        return ERROR_INVALID_DATA;
    }
    std::memset(buffer, 0, size);
    std::memcpy(buffer, value.data(), std::min<size_t>(value.size(), size - 1));
    return ERROR_SUCCESS;
}

// Expands every defined string in the text, the values' own tokens in turn.
// Returns the result of the last lookup (0, or 13 when it found nothing), or
// 14 when the expansion does not end: a string whose value holds its own
// token, or one that names itself through others and so grows the text past
// the expansion size, keeps copying it past the work limit, or brings it back
// to what it was at the same place. The text is then left as it was.
DWORD CProfile::Expand(std::string& text, bool convertEscapes) {
    std::string work = text;
    DWORD result = ERROR_SUCCESS;
    size_t substitutions = 0;
    size_t copied = 0;
    // The texts seen while expanding at one place; one seen again is a loop.
    size_t chainAt = std::string::npos;
    std::vector<std::string> chain;
    std::string value;
    size_t a = work.find('%');
    while (a != std::string::npos) {
        const size_t b = work.find('%', a + 1);
        if (b == std::string::npos) {
            break;
        }
        const std::string token = work.substr(a, b - a + 1);
        if (!LookupDefined(token, value)) {
            result = ERROR_INVALID_DATA;
            a = work.find('%', a + 1);
            continue;
        }
        result = ERROR_SUCCESS;
        if (a != chainAt) {
            chainAt = a;
            chain.clear();
        }
        if (value.find(token) != std::string::npos || ++substitutions > kMaxSubstitutions ||
            chain.size() >= kMaxNesting ||
            std::find(chain.begin(), chain.end(), work) != chain.end()) {
            return ERROR_OUTOFMEMORY;
        }
        chain.push_back(work);
        setup::ReplaceAll(work, token, value);
        copied += work.size();
        if (work.size() >= kExpansionSize || copied > kMaxExpansionWork) {
            return ERROR_OUTOFMEMORY;
        }
        a = work.find('%', a);
    }
    if (convertEscapes) {
        ConvertEscapes(work);
    }
    text.swap(work);
    return result;
}

DWORD CProfile::ExpandDefinedStrings(std::string& text, BOOL convertEscapes) {
    return Expand(text, convertEscapes != FALSE);
}

DWORD CProfile::ConvertDefinedString(char* buffer, DWORD size, BOOL convertEscapes) {
    if (buffer == nullptr || size == 0 || buffer[0] == '\0') {
        return ERROR_INVALID_PARAMETER;
    }
    std::string text(buffer, strnlen(buffer, size));
    const DWORD result = Expand(text, convertEscapes != FALSE);
    if (result == ERROR_OUTOFMEMORY) {
        return result;
    }
    if (text.size() >= size) {
        return ERROR_OUTOFMEMORY;
    }
    std::memset(buffer, 0, size);
    std::memcpy(buffer, text.data(), text.size());
    return result;
}

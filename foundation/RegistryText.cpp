#include "RegistryText.h"

#include <cstdio>
#include <utility>

#include "NameCompare.h"

namespace setup {

namespace {

constexpr size_t kMaxProfileLine = 4095;
constexpr size_t kMaxDwordDigits = 8;

std::string StripOneQuoteEach(const std::string& text) {
    size_t first = 0;
    size_t last = text.size();
    if (first < last && text[first] == '"') {
        ++first;
    }
    if (first < last && text[last - 1] == '"') {
        --last;
    }
    return text.substr(first, last - first);
}

std::string TrimBlanksAndQuotes(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\"");
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(" \t\"");
    return text.substr(first, last - first + 1);
}

std::string Lowered(const std::string& text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lowered;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool ParseHexDword(const std::string& digits, DWORD& number) {
    if (digits.empty() || digits.size() > kMaxDwordDigits) {
        return false;
    }
    DWORD result = 0;
    for (const char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0) {
            return false;
        }
        result = (result << 4) | static_cast<DWORD>(digit);
    }
    number = result;
    return true;
}

}  // namespace

std::string QuoteRegistryText(const std::string& text) {
    return "\"" + text + "\"";
}

std::string FormatRegistryDword(DWORD number) {
    char text[32];
    std::snprintf(text, sizeof(text), "dword:%08x", static_cast<unsigned>(number));
    return text;
}

const char* RegistryBinaryText() {
    return "hex:";
}

DWORD ParseRegistryLine(const std::string& key, const std::string& value, RegistryLine& line) {
    const bool bare = value.empty();
    RegistryLine parsed;
    parsed.name = StripOneQuoteEach(TrimBlanks(bare ? std::string() : key));
    if (parsed.name.size() > kMaxRegistryName) {
        return ERROR_INVALID_DATA;
    }
    const std::string text = TrimBlanks(bare ? key : value);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        parsed.kind = RegistryLineKind::kString;
        parsed.text = text.substr(1, text.size() - 2);
        line = std::move(parsed);
        return ERROR_SUCCESS;
    }
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        return ERROR_INVALID_DATA;
    }
    const std::string type = Lowered(TrimBlanks(text.substr(0, colon)));
    if (type == "dword") {
        if (!ParseHexDword(TrimBlanksAndQuotes(text.substr(colon + 1)), parsed.number)) {
            return ERROR_INVALID_DATA;
        }
        parsed.kind = RegistryLineKind::kDword;
    } else if (type == "hex") {
        parsed.kind = RegistryLineKind::kBinary;
    } else {
        return ERROR_INVALID_DATA;
    }
    line = std::move(parsed);
    return ERROR_SUCCESS;
}

bool ProfileReadsBack(const std::string& line, bool& quoted) {
    if (line.size() > kMaxProfileLine) {
        return false;
    }
    bool state = quoted;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\0' || c == '\r' || c == '\n') {
            return false;
        }
        if (!state && c == '/' && i + 1 < line.size() &&
            (line[i + 1] == '/' || line[i + 1] == '*')) {
            return false;
        }
        if (c == '"') {
            state = !state;
        }
    }
    quoted = state;
    return true;
}

}  // namespace setup

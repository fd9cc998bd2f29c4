#include "NameCompare.h"

#include <array>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#endif

namespace setup {
namespace {

struct FoldTable {
    std::array<unsigned char, 256> lower{};
    std::array<bool, 256> lead{};

    FoldTable() {
        for (int c = 0; c < 256; ++c) {
            lower[c] = static_cast<unsigned char>(c);
        }
#ifdef _WIN32
        for (int c = 1; c < 256; ++c) {
            lead[c] = IsDBCSLeadByte(static_cast<BYTE>(c)) != FALSE;
            if (!lead[c]) {
                char ch = static_cast<char>(c);
                CharLowerBuffA(&ch, 1);
                lower[c] = static_cast<unsigned char>(ch);
            }
        }
#else
        for (int c = 'A'; c <= 'Z'; ++c) {
            lower[c] = static_cast<unsigned char>(c - 'A' + 'a');
        }
#endif
    }
};

const FoldTable& Table() {
    static const FoldTable table;
    return table;
}

}  // namespace

std::string FoldName(const char* name) {
    std::string folded;
    if (name == nullptr) {
        return folded;
    }
    const FoldTable& table = Table();
    folded.reserve(std::strlen(name));
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p != 0; ++p) {
        if (table.lead[*p] && p[1] != 0) {
            folded.push_back(static_cast<char>(p[0]));
            folded.push_back(static_cast<char>(p[1]));
            ++p;
        } else {
            folded.push_back(static_cast<char>(table.lower[*p]));
        }
    }
    return folded;
}

std::string FoldName(const std::string& name) {
    return FoldName(name.c_str());
}

bool SameName(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) {
        return a == b;
    }
    return FoldName(a) == FoldName(b);
}

std::string NormalizeSectionName(const char* name) {
    if (name == nullptr) {
        return std::string();
    }
    const char* begin = name;
    const char* end = name + std::strlen(name);
    while (begin < end && std::strchr(" \t\"[", *begin) != nullptr) {
        ++begin;
    }
    while (end > begin && std::strchr(" \t\"]", end[-1]) != nullptr) {
        --end;
    }
    return std::string(begin, end);
}

std::string TrimBlanks(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return std::string();
    }
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace setup

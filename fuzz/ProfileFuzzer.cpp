// Feeds arbitrary bytes to the profile reader as a file's contents, then runs
// every read operation on what was loaded, with buffers of several sizes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/Profile.h"

namespace {

class FuzzProfile : public CProfile {
public:
    void Load(const uint8_t* data, size_t size) {
        LoadText(reinterpret_cast<const char*>(data), size, GetSectionList());
    }
    using CProfile::ConvertDefinedString;
};

// Buffer sizes around the edges: tiny, a line, the largest value.
constexpr DWORD kSizes[] = {7, 4096, CProfile::kExpansionSize};
constexpr DWORD kListSizes[] = {1, 7, 64, 4096};
constexpr int kMaxSections = 32;
constexpr int kMaxLines = 32;

void ReadLine(FuzzProfile& profile, const SECTION_LIST* section, const LINE_LIST* line) {
    std::vector<char> buffer(CProfile::kExpansionSize);
    for (DWORD size : kSizes) {
        profile.GetString(section->name, line->key, buffer.data(), size, size % 2 == 0);
    }
    DWORD number = 0;
    SIZE size{};
    POINT point{};
    COLORREF color = 0;
    RECT rect{};
    profile.GetDword(section->name, line->key, &number);
    profile.GetControl(section->name, line->key, &size);
    profile.GetControl(section->name, line->key, &point);
    profile.GetControl(section->name, line->key, &color);
    profile.GetControl(section->name, line->key, &rect);
    CProfile::StringToDword(line->value);

    std::string text(line->value);
    text.resize(std::min<size_t>(text.size(), buffer.size() - 1));
    std::copy(text.begin(), text.end(), buffer.begin());
    buffer[text.size()] = '\0';
    profile.ConvertDefinedString(buffer.data(), static_cast<DWORD>(buffer.size()), TRUE);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzProfile profile;
    profile.Load(data, size);

    std::vector<char> buffer(CProfile::kExpansionSize);
    for (DWORD bytes : kListSizes) {
        profile.GetSectionName(buffer.data(), bytes, TRUE);
        profile.GetSectionName(buffer.data(), bytes, FALSE);
    }
    CSectionList& list = profile.GetSectionList();
    int sections = 0;
    for (SECTION_LIST* s = list.FindSection(nullptr); s && sections < kMaxSections;
         s = s->next, ++sections) {
        for (DWORD bytes : kListSizes) {
            profile.GetAllKey(s->name, buffer.data(), bytes, FALSE);
            profile.GetAllKey(s->name, buffer.data(), bytes, TRUE);
            DWORD inOut = bytes;
            DWORD count = 0;
            list.GetAllKey(s->name, buffer.data(), &inOut, &count);
        }
        int lines = 0;
        for (LINE_LIST* l = s->lines; l && lines < kMaxLines; l = l->next, ++lines) {
            ReadLine(profile, s, l);
            list.FindKey(s, l->key, 1);
            list.GetValue(s->name, l->key, buffer.data(), 16, 0);
        }
    }
    return 0;
}

// Measures the profile reader on a generated configure file of about 5 MB
// (2,000 sections, 50,000 lines, defined strings): load time and rate, the
// time of a lookup in the last section, the same lookups through the
// system's GetPrivateProfileStringA, and the memory the load takes. A file a
// tenth of the size shows that lookups do not grow with the file. Prints its
// figures; never fails on timing.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "foundation/Profile.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string MakeFile(int sections, int linesPerSection) {
    std::string text = "// generated configure file\r\n[STRINGS]\r\n";
    for (int i = 0; i < 200; ++i) {
        text += "%STR" + std::to_string(i) + "% = \"Defined text number " + std::to_string(i) +
                " of the package\"\r\n";
    }
    for (int s = 0; s < sections; ++s) {
        text += "[SECTION_" + std::to_string(s) + "]\r\n";
        for (int l = 0; l < linesPerSection; ++l) {
            text += "KEY_" + std::to_string(l) + " = value " + std::to_string(s * 100 + l) +
                    " with %STR" + std::to_string(l % 200) +
                    "% and some padding text to make a line as long as the lines of a real "
                    "package\r\n";
        }
    }
    return text;
}

std::string WriteTemp(const std::string& name, const std::string& text) {
    char dir[MAX_PATH];
    GetTempPathA(MAX_PATH, dir);
    const std::string path = std::string(dir) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

SIZE_T PeakPrivateBytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return counters.PeakPagefileUsage;
}

void Run(int sections, int linesPerSection, bool compareWithSystem) {
    const std::string text = MakeFile(sections, linesPerSection);
    const std::string path = WriteTemp("profile_bench.psi", text);
    const double megabytes = static_cast<double>(text.size()) / (1024.0 * 1024.0);
    std::printf("file: %.2f MB, %d sections, %d lines\n", megabytes, sections,
                sections * linesPerSection + 200);

    const SIZE_T peakBefore = PeakPrivateBytes();
    auto start = Clock::now();
    CProfile profile;
    if (profile.Create(path.c_str(), nullptr) != ERROR_SUCCESS) {
        std::printf("load failed\n");
        return;
    }
    const double load = Seconds(start);
    const SIZE_T peakAfter = PeakPrivateBytes();
    std::printf("  load: %.1f ms, %.1f MB/s, peak memory of the load: %.1f MB\n", load * 1000.0,
                megabytes / load, static_cast<double>(peakAfter - peakBefore) / (1024 * 1024));

    const std::string section = "SECTION_" + std::to_string(sections - 1);
    const std::string key = "KEY_" + std::to_string(linesPerSection - 1);
    constexpr int kLookups = 1000;
    char value[4096];
    start = Clock::now();
    for (int i = 0; i < kLookups; ++i) {
        profile.GetString(section.c_str(), key.c_str(), value, sizeof(value), FALSE);
    }
    const double ours = Seconds(start) / kLookups;
    std::printf("  GetString in the last section: %.2f us (\"%.40s...\")\n", ours * 1e6, value);

    if (compareWithSystem) {
        start = Clock::now();
        for (int i = 0; i < kLookups; ++i) {
            GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof(value),
                                     path.c_str());
        }
        const double system = Seconds(start) / kLookups;
        std::printf("  GetPrivateProfileStringA, same lookups: %.2f us, %.0f times ours\n",
                    system * 1e6, system / ours);
    }
    DeleteFileA(path.c_str());
}

}  // namespace

int main() {
    Run(2000, 25, true);
    Run(200, 25, false);
    return 0;
}

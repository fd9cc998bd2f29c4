// The log against real files under Wine: its name, banner, line format,
// error lines, and many threads writing at once.
#include "foundation/Log.h"

#include <gtest/gtest.h>

#include <atomic>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

constexpr const char* kProgram = "Ruzuvav Printer Installer Program";
// The banner is nine lines; log lines follow it.
constexpr size_t kBannerLines = 9;
const std::regex kLinePattern(R"(\[([01]\d|2[0-3])\.[0-5]\d\.[0-5]\d\]  (.*))");

std::string ReadAll(const std::string& path) {
    return testing_support::ReadTextFile(path);
}

// Splits at CR LF; a lone CR or LF stays inside its line.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t from = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 2;
    }
    EXPECT_EQ(from, text.size()) << "text after the last CR LF";
    return lines;
}

// The text of a log line, or "<bad line>" when the line is not "[HH.MM.SS]  text".
std::string TextOf(const std::string& line) {
    std::smatch match;
    return std::regex_match(line, match, kLinePattern) ? match[2].str() : "<bad line>";
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    char text[128];
    return std::string(text,
                       std::strftime(text, sizeof(text), "%A, %B %d, %Y", std::localtime(&now)));
}

std::string SystemText(DWORD code) {
    char text[1024] = {};
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                       MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), text, sizeof(text), nullptr);
    return std::string(text, length);
}

class LogTest : public ::testing::Test {
protected:
    std::string Dir() const { return m_dir.path().string(); }
    std::string PathOf(const std::string& name) const { return (m_dir.path() / name).string(); }
    // The log lines after the banner.
    std::vector<std::string> LogLines(const CLog& log) const {
        std::vector<std::string> lines = Lines(ReadAll(log.GetPath()));
        EXPECT_GE(lines.size(), kBannerLines);
        lines.erase(lines.begin(), lines.begin() + std::min(lines.size(), kBannerLines));
        return lines;
    }

    testing_support::TempDir m_dir;
};

TEST_F(LogTest, NameTakesTheFirstFreeNumber) {
    struct Case {
        std::vector<std::string> existing;
        std::string expected;
    };
    const Case cases[] = {
        {{}, "Setup.exe.log"},
        {{"Setup.exe.log"}, "Setup.exe0.log"},
        {{"Setup.exe.log", "Setup.exe0.log"}, "Setup.exe1.log"},
        {{"Setup.exe.log", "Setup.exe0.log", "Setup.exe1.log", "Setup.exe2.log"}, "Setup.exe3.log"},
        // A gap in the numbers is not filled before the plain name is taken.
        {{"Setup.exe0.log"}, "Setup.exe.log"},
        {{"Setup.exe.log", "Setup.exe1.log"}, "Setup.exe0.log"},
    };
    for (const Case& c : cases) {
        testing_support::TempDir dir;
        for (const std::string& name : c.existing) {
            dir.Write(name, "old run\r\n");
        }
        {
            CLog log(kProgram, dir.path().string(), "Setup.exe");
            ASSERT_TRUE(log.IsOpen());
            EXPECT_EQ(log.GetPath(), (dir.path() / c.expected).string());
            log.Write("new run");
        }
        // Old logs are never touched.
        for (const std::string& name : c.existing) {
            EXPECT_EQ(ReadAll((dir.path() / name).string()), "old run\r\n") << name;
        }
        EXPECT_NE(ReadAll((dir.path() / c.expected).string()).find("new run"), std::string::npos);
    }
}

TEST_F(LogTest, DefaultsToTheTempDirectoryAndTheProgramsFileName) {
    char temp[MAX_PATH + 1] = {};
    ASSERT_GT(GetTempPathA(sizeof(temp), temp), 0u);
    char module[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(nullptr, module, sizeof(module)), 0u);
    const std::string exeName = std::filesystem::path(module).filename().string();

    std::string path;
    {
        CLog log(kProgram);
        ASSERT_TRUE(log.IsOpen());
        path = log.GetPath();
    }
    EXPECT_EQ(path.rfind(std::string(temp) + exeName, 0), 0u) << path;
    EXPECT_EQ(path.substr(path.size() - 4), ".log");
    EXPECT_EQ(Lines(ReadAll(path)).size(), kBannerLines);
    EXPECT_TRUE(DeleteFileA(path.c_str()));

    // A directory given without its closing backslash gets one.
    CLog inDir(kProgram, Dir(), "Setup.exe");
    EXPECT_EQ(inDir.GetPath(), PathOf("Setup.exe.log"));
}

TEST_F(LogTest, BannerIsExact) {
    const std::string before = Today();
    CLog log(kProgram, Dir(), "Setup.exe");
    const std::string after = Today();
    ASSERT_TRUE(log.IsOpen());

    const std::vector<std::string> lines = Lines(ReadAll(log.GetPath()));
    ASSERT_EQ(lines.size(), kBannerLines);
    const std::string rule(60, '/');
    const std::string frame = "//" + std::string(56, ' ') + "//";
    EXPECT_EQ(lines[0], rule);
    EXPECT_EQ(lines[1], frame);
    EXPECT_EQ(lines[2], "// Ruzuvav Printer Installer Program                      //");
    EXPECT_EQ(lines[2].size(), 60u);
    EXPECT_EQ(lines[3], frame);
    EXPECT_EQ(lines[4], rule);
    EXPECT_EQ(lines[5], "");
    EXPECT_TRUE(lines[6] == "Data : " + before || lines[6] == "Data : " + after) << lines[6];
    EXPECT_TRUE(
        std::regex_match(lines[6], std::regex(R"(Data : [A-Z][a-z]+day, [A-Z][a-z]+ \d\d, \d{4})")))
        << lines[6];
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "");
}

TEST_F(LogTest, LongProgramNamesAreNotCut) {
    const std::string name(70, 'N');
    CLog log(name, Dir(), "Setup.exe");
    EXPECT_EQ(Lines(ReadAll(log.GetPath()))[2], "// " + name + "//");
}

TEST_F(LogTest, LineFormat) {
    CLog log(kProgram, Dir(), "Setup.exe");
    SetLastError(0xdeadbeef);
    log.Write("value %d and %s", 42, "text");
    // Logging leaves the caller's error code alone.
    EXPECT_EQ(GetLastError(), 0xdeadbeefu);
    log.Write("%s", "");
    log.Write("100%% done, %zu items", static_cast<size_t>(7));

    const std::vector<std::string> lines = LogLines(log);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(TextOf(lines[0]), "value 42 and text");
    EXPECT_EQ(TextOf(lines[1]), "");
    EXPECT_EQ(TextOf(lines[2]), "100% done, 7 items");
}

TEST_F(LogTest, EveryLineIsOnDiskAndReadableWhileTheLogIsOpen) {
    CLog log(kProgram, Dir(), "Setup.exe");
    for (int i = 0; i < 3; ++i) {
        log.Write("line %d", i);
        const std::vector<std::string> lines = LogLines(log);
        ASSERT_EQ(lines.size(), static_cast<size_t>(i + 1));
        EXPECT_EQ(TextOf(lines.back()), "line " + std::to_string(i));
    }
    // Others may read, but nobody else may write.
    platform::UniqueFile reader(CreateFileA(log.GetPath().c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_TRUE(reader.valid());
    SetLastError(0xdeadbeef);
    platform::UniqueFile writer(CreateFileA(log.GetPath().c_str(), GENERIC_WRITE,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(writer.valid());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
}

TEST_F(LogTest, LongTextsAreCutTo4095Characters) {
    CLog log(kProgram, Dir(), "Setup.exe");
    for (size_t length : {4094u, 4095u, 4096u, 10000u}) {
        log.Write("%s", std::string(length, 'x').c_str());
    }
    // The cut applies to the whole text, format and arguments together.
    log.Write("head %s", std::string(5000, 'y').c_str());

    const std::vector<std::string> lines = LogLines(log);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(TextOf(lines[0]), std::string(4094, 'x'));
    EXPECT_EQ(TextOf(lines[1]), std::string(4095, 'x'));
    EXPECT_EQ(TextOf(lines[2]), std::string(4095, 'x'));
    EXPECT_EQ(TextOf(lines[3]), std::string(4095, 'x'));
    EXPECT_EQ(TextOf(lines[4]), "head " + std::string(4090, 'y'));
}

TEST_F(LogTest, WriteErrorAddsTheSystemText) {
    const std::string notFound = SystemText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(notFound.empty());
    ASSERT_EQ(notFound.substr(notFound.size() - 2), "\r\n");

    CLog log(kProgram, Dir(), "Setup.exe");
    log.WriteError(0, "no error %d", 0);
    SetLastError(0xdeadbeef);
    log.WriteError(ERROR_FILE_NOT_FOUND, "open %s failed", "a.inf");
    EXPECT_EQ(GetLastError(), 0xdeadbeefu);
    // A code the system has no text for adds nothing.
    log.WriteError(0x2000ABCD, "custom code");
    log.Write("after");

    const std::vector<std::string> lines = LogLines(log);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(TextOf(lines[0]), "no error 0");
    EXPECT_EQ(TextOf(lines[1]), "open a.inf failed");
    // The system text ends in its own CR LF, so the closing space is a line of its own.
    EXPECT_EQ(TextOf(lines[2]), "Error Code = 2 :" + notFound.substr(0, notFound.size() - 2));
    EXPECT_EQ(lines[3], " ");
    EXPECT_EQ(TextOf(lines[4]), "custom code");
    EXPECT_EQ(TextOf(lines[5]), "after");
}

TEST_F(LogTest, WithoutAFileWritesDoNothing) {
    const std::string missing = PathOf("no\\such\\folder");
    CLog log(kProgram, missing, "Setup.exe");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.GetPath(), "");
    log.Write("lost %s", "text");
    log.WriteError(ERROR_ACCESS_DENIED, "lost too");
    SetLog(&log);
    LogWrite("through the global log");
    LogWriteError(ERROR_FILE_NOT_FOUND, "and its error");
    SetLog(nullptr);
    EXPECT_FALSE(std::filesystem::exists(m_dir.path() / "no"));
    EXPECT_TRUE(std::filesystem::is_empty(m_dir.path()));
}

TEST_F(LogTest, GlobalLogForwardsOnlyWhileSet) {
    ASSERT_EQ(GetLog(), nullptr);
    LogWrite("before any log");
    LogWriteError(ERROR_FILE_NOT_FOUND, "before any log");

    {
        CLog log(kProgram, Dir(), "Setup.exe");
        SetLog(&log);
        EXPECT_EQ(GetLog(), &log);
        LogWrite("through %s", "LogWrite");
        LogWriteError(ERROR_FILE_NOT_FOUND, "through %s", "LogWriteError");
        LogWriteError(0, "no error");
        SetLog(nullptr);
        LogWrite("after SetLog(nullptr)");

        const std::vector<std::string> lines = LogLines(log);
        ASSERT_EQ(lines.size(), 5u);
        EXPECT_EQ(TextOf(lines[0]), "through LogWrite");
        EXPECT_EQ(TextOf(lines[1]), "through LogWriteError");
        EXPECT_EQ(TextOf(lines[2]).rfind("Error Code = 2 :", 0), 0u);
        EXPECT_EQ(lines[3], " ");
        EXPECT_EQ(TextOf(lines[4]), "no error");

        // A log that goes away is no longer the run's log.
        SetLog(&log);
    }
    EXPECT_EQ(GetLog(), nullptr);
    LogWrite("after the log is gone");
}

TEST_F(LogTest, ConcurrentWritersLoseNoLineAndKeepEachThreadsOrder) {
    constexpr int kThreads = 8;
    constexpr int kLinesPerThread = 2000;
    constexpr int kErrorEvery = 97;
    CLog log(kProgram, Dir(), "Setup.exe");
    ASSERT_TRUE(log.IsOpen());

    std::atomic<bool> writing{true};
    std::atomic<int> reads{0};
    std::atomic<bool> readFailed{false};
    // Reads the file over and over while the writers run.
    std::thread reader([&] {
        while (writing.load()) {
            const std::string text = ReadAll(log.GetPath());
            if (text.compare(0, 60, std::string(60, '/')) != 0) {
                readFailed = true;
            }
            ++reads;
        }
    });
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&log, t] {
            for (int n = 0; n < kLinesPerThread; ++n) {
                // Lengths vary so that a torn or mixed line cannot match.
                const std::string payload((t * 7 + n) % 50, static_cast<char>('a' + t));
                if (n % kErrorEvery == 0) {
                    log.WriteError(ERROR_FILE_NOT_FOUND, "thread %d line %d %s", t, n,
                                   payload.c_str());
                } else {
                    log.Write("thread %d line %d %s", t, n, payload.c_str());
                }
            }
        });
    }
    for (std::thread& writer : writers) {
        writer.join();
    }
    writing = false;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_FALSE(readFailed.load());

    const std::string notFound = SystemText(ERROR_FILE_NOT_FOUND);
    ASSERT_GT(notFound.size(), 2u);
    const std::string errorText = "Error Code = 2 :" + notFound.substr(0, notFound.size() - 2);
    const std::regex textPattern(R"(thread (\d+) line (\d+) ([a-z]*))");
    const std::vector<std::string> lines = LogLines(log);
    std::map<int, int> next;
    int total = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text = TextOf(lines[i]);
        std::smatch match;
        ASSERT_TRUE(std::regex_match(text, match, textPattern)) << "line " << i << ": " << lines[i];
        const int t = std::stoi(match[1]);
        const int n = std::stoi(match[2]);
        ASSERT_EQ(match[3].str(), std::string((t * 7 + n) % 50, static_cast<char>('a' + t)));
        ASSERT_EQ(n, next[t]) << "thread " << t << " out of order at line " << i;
        ++next[t];
        ++total;
        if (n % kErrorEvery == 0) {
            // The error lines follow their line directly.
            ASSERT_LT(i + 2, lines.size());
            EXPECT_EQ(TextOf(lines[i + 1]), errorText);
            EXPECT_EQ(lines[i + 2], " ");
            i += 2;
        }
    }
    EXPECT_EQ(total, kThreads * kLinesPerThread);
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(next[t], kLinesPerThread) << "thread " << t;
    }
}

}  // namespace

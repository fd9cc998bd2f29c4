// Directory removal, file deletion and the existence and drive queries,
// against Wine's real file system in a temporary directory.
#include "environment/FileSystem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "foundation/Log.h"
#include "platform/Handle.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

namespace fs = std::filesystem;

class FileSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_base = m_dir.path() / "base";
        fs::create_directories(m_base);
        // The base directory is never empty, so every walk stops there.
        Touch(m_base / "keep.txt");
        m_log = std::make_unique<CLog>("FS Test", m_dir.path().string(), "fstest.exe");
        SetLog(m_log.get());
    }

    void TearDown() override {
        SetLog(nullptr);
        m_log.reset();
    }

    static void Touch(const fs::path& file) { std::ofstream(file) << "x"; }

    std::string LogText() const { return testing_support::ReadTextFile(m_log->GetPath()); }

    testing_support::TempDir m_dir;
    fs::path m_base;
    std::unique_ptr<CLog> m_log;
};

TEST_F(FileSystemTest, RemovesEmptyChainUpToTheFirstDirectoryInUse) {
    fs::create_directories(m_base / "a" / "b" / "c");
    EXPECT_TRUE(setup::RemoveEmptyDirectories((m_base / "a" / "b" / "c").string() + "\\"));
    EXPECT_FALSE(fs::exists(m_base / "a"));
    EXPECT_TRUE(fs::exists(m_base / "keep.txt"));
}

TEST_F(FileSystemTest, RemovalStopsAtANonEmptyDirectory) {
    fs::create_directories(m_base / "a" / "b" / "c");
    Touch(m_base / "a" / "other.txt");
    EXPECT_TRUE(setup::RemoveEmptyDirectories((m_base / "a" / "b" / "c").string()));
    EXPECT_FALSE(fs::exists(m_base / "a" / "b"));
    EXPECT_TRUE(fs::exists(m_base / "a" / "other.txt"));

    // A directory that is not empty itself stays with everything above it.
    fs::create_directories(m_base / "d" / "e");
    Touch(m_base / "d" / "e" / "file.txt");
    EXPECT_TRUE(setup::RemoveEmptyDirectories((m_base / "d" / "e").string()));
    EXPECT_TRUE(fs::exists(m_base / "d" / "e" / "file.txt"));
}

TEST_F(FileSystemTest, RemovalOfNothing) {
    EXPECT_FALSE(setup::RemoveEmptyDirectories(""));
    // A missing directory removes nothing above it either.
    fs::create_directories(m_base / "empty");
    EXPECT_TRUE(setup::RemoveEmptyDirectories((m_base / "empty" / "missing").string()));
    EXPECT_TRUE(fs::exists(m_base / "empty"));
}

TEST_F(FileSystemTest, DeletesFileAndTheDirectoriesItLeavesEmpty) {
    fs::create_directories(m_base / "a" / "b");
    const fs::path file = m_base / "a" / "b" / "item.dll";
    Touch(file);
    EXPECT_TRUE(setup::DeleteFileAndDirectories(file.string(), false));
    EXPECT_FALSE(fs::exists(m_base / "a"));
    EXPECT_TRUE(fs::exists(m_base / "keep.txt"));

    const std::string log = LogText();
    size_t polls = 0;
    for (size_t at = log.find("nTime = "); at != std::string::npos;
         at = log.find("nTime = ", at + 1)) {
        ++polls;
    }
    EXPECT_EQ(2u, polls) << log;
    // The walk ends at the base directory, which still holds a file.
    EXPECT_NE(std::string::npos, log.find(m_base.string() + " directory was not removed !!"))
        << log;
    EXPECT_NE(std::string::npos, log.find("Error Code = 145 :")) << log;
}

TEST_F(FileSystemTest, KeepsTheDirectoriesWhenAsked) {
    fs::create_directories(m_base / "a");
    const fs::path file = m_base / "a" / "item.dll";
    Touch(file);
    EXPECT_TRUE(setup::DeleteFileAndDirectories(file.string(), true));
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::exists(m_base / "a"));
}

TEST_F(FileSystemTest, MissingFileRemovesNothing) {
    fs::create_directories(m_base / "a");
    EXPECT_FALSE(setup::DeleteFileAndDirectories((m_base / "a" / "missing.dll").string(), false));
    EXPECT_FALSE(setup::DeleteFileAndDirectories("", false));
    EXPECT_TRUE(fs::exists(m_base / "a"));
    EXPECT_EQ(std::string::npos, LogText().find("nTime"));
}

TEST_F(FileSystemTest, FileExistsOnlyForAReadableFile) {
    const fs::path file = m_base / "keep.txt";
    EXPECT_TRUE(setup::FileExists(file.string()));
    EXPECT_FALSE(setup::FileExists(m_base.string()));
    EXPECT_FALSE(setup::FileExists((m_base / "missing.txt").string()));
    EXPECT_FALSE(setup::FileExists(""));

    // A file another handle holds without sharing cannot be opened.
    const fs::path locked = m_base / "locked.txt";
    Touch(locked);
    platform::UniqueFile holder(CreateFileA(locked.string().c_str(), GENERIC_READ | GENERIC_WRITE,
                                            0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(holder.valid());
    EXPECT_FALSE(setup::FileExists(locked.string()));
    holder.reset();
    EXPECT_TRUE(setup::FileExists(locked.string()));
}

TEST(DriveKind, KindOfThePathsRoot) {
    char windows[MAX_PATH] = {};
    ASSERT_NE(0u, GetWindowsDirectoryA(windows, MAX_PATH));
    EXPECT_EQ(2, setup::GetDriveKind(windows));
    EXPECT_EQ(2, setup::GetDriveKind(std::string(windows, 3)));
    // Without a backslash the system is not asked.
    EXPECT_EQ(0, setup::GetDriveKind("C:"));
    EXPECT_EQ(0, setup::GetDriveKind("file.txt"));
    EXPECT_EQ(0, setup::GetDriveKind(""));
    // A network path is asked about its share, not the current drive.
    EXPECT_EQ(0, setup::GetDriveKind("\\\\no-such-server.invalid\\share\\dir"));
    // The running program's own drive.
    EXPECT_EQ(2, setup::GetDriveKind());
}

}  // namespace

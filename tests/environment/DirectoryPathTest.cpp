#include "environment/DirectoryPath.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PathCase {
    const char* path;
    const char* parent;
    bool root;
    const char* driveRoot;
};

const PathCase kPathCases[] = {
    {"C:\\a\\b", "C:\\a", false, "C:\\"},
    {"C:\\a\\b\\", "C:\\a", false, "C:\\"},
    {"C:\\a", "C:", false, "C:\\"},
    {"C:\\", "", true, "C:\\"},
    {"C:", "", true, ""},
    {"C:/a/b", "C:/a", false, ""},
    {"\\", "", true, "\\"},
    {"\\a", "", false, "\\"},
    {"", "", true, ""},
    {"name", "", false, ""},
    {"dir\\name", "dir", false, "dir\\"},
    {"\\\\server", "", true, ""},
    {"\\\\server\\share", "\\\\server", true, "\\\\server\\share\\"},
    {"\\\\server\\share\\", "\\\\server", true, "\\\\server\\share\\"},
    {"\\\\server\\share\\dir\\file", "\\\\server\\share\\dir", false, "\\\\server\\share\\"},
    {"\\\\server\\", "", true, ""},
};

class DirectoryPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(DirectoryPathTest, ParentRootAndDriveRoot) {
    const PathCase& c = GetParam();
    EXPECT_EQ(c.parent, setup::ParentDirectory(c.path)) << c.path;
    EXPECT_EQ(c.root, setup::IsRootDirectory(c.path)) << c.path;
    EXPECT_EQ(c.driveRoot, setup::DriveRootOf(c.path)) << c.path;
}

INSTANTIATE_TEST_SUITE_P(Cases, DirectoryPathTest, ::testing::ValuesIn(kPathCases));

TEST(DirectoryPathWalk, ParentsOfADeepPathEndAtTheDrive) {
    std::string path = "C:\\Program Files\\Maker\\Product\\Install";
    int steps = 0;
    while (!setup::IsRootDirectory(path)) {
        path = setup::ParentDirectory(path);
        ++steps;
    }
    EXPECT_EQ(4, steps);
    EXPECT_EQ("C:", path);
}

}  // namespace

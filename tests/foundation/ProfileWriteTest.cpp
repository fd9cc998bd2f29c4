// Writing through the system's INI functions and the section list's text
// output, against real files under Wine.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "foundation/Profile.h"
#include "platform/Handle.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

std::string ReadAll(const std::string& path) {
    return testing_support::ReadTextFile(path);
}

TEST(ProfileWrite, TypedValuesRoundTripAfterReload) {
    testing_support::TempDir dir;
    const std::string path = dir.Write("w.psi", "[S]\r\nOld = 1\r\n[Gone]\r\nx = 1\r\ny = 2\r\n");
    CProfile p;
    ASSERT_EQ(p.Create(path.c_str(), nullptr), ERROR_SUCCESS);

    EXPECT_EQ(p.SetValue("S", "Text", "hello world"), ERROR_SUCCESS);
    EXPECT_EQ(p.SetValue("S", "Number", -5), ERROR_SUCCESS);
    EXPECT_EQ(p.SetValue("S", "Point", POINT{3, -4}), ERROR_SUCCESS);
    EXPECT_EQ(p.SetValue("S", "Size", SIZE{640, 480}), ERROR_SUCCESS);
    const COLORREF color = RGB(255, 128, 1);
    EXPECT_EQ(p.SetValue("S", "Color", &color), ERROR_SUCCESS);
    EXPECT_EQ(p.SetValue("S", "Rect", RECT{1, 2, 3, 4}), ERROR_SUCCESS);
    EXPECT_EQ(p.SetValue("Gone", "", ""), ERROR_SUCCESS);

    char text[64];
    // Memory is not changed by writing.
    EXPECT_EQ(p.GetString("S", "Text", text, sizeof(text), FALSE), ERROR_INVALID_DATA);
    ASSERT_EQ(p.Reload(path.c_str(), nullptr), ERROR_SUCCESS);

    EXPECT_EQ(p.GetString("S", "Text", text, sizeof(text), FALSE), ERROR_SUCCESS);
    EXPECT_STREQ(text, "hello world");
    DWORD number = 0;
    EXPECT_EQ(p.GetDword("S", "Number", &number), ERROR_SUCCESS);
    EXPECT_EQ(number, 0xFFFFFFFBu);
    POINT point{};
    EXPECT_EQ(p.GetControl("S", "Point", &point), ERROR_SUCCESS);
    EXPECT_EQ(point.y, -4);
    SIZE size{};
    EXPECT_EQ(p.GetControl("S", "Size", &size), ERROR_SUCCESS);
    EXPECT_EQ(size.cx, 640);
    COLORREF readColor = 0;
    EXPECT_EQ(p.GetControl("S", "Color", &readColor), ERROR_SUCCESS);
    EXPECT_EQ(readColor, color);
    RECT rect{};
    EXPECT_EQ(p.GetControl("S", "Rect", &rect), ERROR_SUCCESS);
    EXPECT_EQ(rect.bottom, 4);
    EXPECT_EQ(p.GetString("S", "Old", text, sizeof(text), FALSE), ERROR_SUCCESS);
    EXPECT_EQ(p.GetString("Gone", "x", text, sizeof(text), FALSE), ERROR_INVALID_DATA);
}

TEST(ProfileWrite, BadArguments) {
    CProfile p;
    const COLORREF color = 0;
    EXPECT_EQ(p.SetValue(nullptr, "k", "v"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.SetValue("", "k", "v"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.SetValue("S", nullptr, "v"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.SetValue("S", "", 5), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.SetValue("S", "k", static_cast<const COLORREF*>(nullptr)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.SetValue("", "k", &color), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.SetValue("S", "", RECT{}), ERROR_INVALID_PARAMETER);
}

TEST(SectionListWrite, WritesSectionsAsText) {
    testing_support::TempDir dir;
    CSectionList list;
    list.SetValue("First", "key", "value", 0);
    list.SetValue("First", "bare", "", 0);
    list.AddSection("Empty", nullptr);
    const std::string path = (dir.path() / "out.txt").string();
    {
        platform::UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr,
                                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(file.valid());
        EXPECT_EQ(list.SaveFile(file.get()), ERROR_SUCCESS);
        list.WriteSection(file.get(), nullptr);
    }
    EXPECT_EQ(ReadAll(path), "[First]\r\nkey = value\r\nbare\r\n\r\n[Empty]\r\n\r\n");

    // What was written reads back the same.
    CProfile p;
    ASSERT_EQ(p.Create(path.c_str(), nullptr), ERROR_SUCCESS);
    char value[16];
    EXPECT_EQ(p.GetString("First", "key", value, sizeof(value), FALSE), ERROR_SUCCESS);
    EXPECT_STREQ(value, "value");
}

}  // namespace

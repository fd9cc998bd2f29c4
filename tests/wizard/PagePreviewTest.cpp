// The page preview reports every page of a page list and writes a picture
// of each page it could build.
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "WizardFixture.h"
#include "app/PagePreview.h"

namespace wizard_test {
namespace {

const char* const kPackage =
    "[INSTALL_START_INFO]\r\n"
    "DIALOGS = PAGES\r\n"
    "[PAGES]\r\n"
    "NORMAL.GOOD\r\n"
    "NORMAL.BAD_BITMAP\r\n"
    "WELCOME\r\n"
    "NORMAL.MISSING\r\n"
    "[NORMAL.GOOD]\r\n"
    "DLG_RECT = 0, 0, 240, 120\r\n"
    "BACK_BMP = TEST_BACK\r\n"
    "[NORMAL.BAD_BITMAP]\r\n"
    "DLG_RECT = 0, 0, 200, 100\r\n"
    "BACK_BMP = NO_SUCH_BITMAP\r\n"
    "[WELCOME]\r\n"
    "DLG_RECT = 0, 0, 200, 100\r\n";

TEST_F(WizardFixture, ThePreviewReportsEveryPageOfTheList) {
    ASSERT_TRUE(Start(kPackage));
    CPagePreview preview(Env());
    std::vector<std::string> pages;
    std::string error;
    ASSERT_TRUE(preview.FindPages("", pages, error)) << error;
    ASSERT_EQ(pages.size(), 4u);

    const std::string out = (m_dir.path() / "out").string();
    CreateDirectoryA(out.c_str(), nullptr);
    const CPagePreview::PageReport good = preview.Preview(pages[0], 1, out);
    EXPECT_EQ(CPagePreview::Summary(good), "NORMAL.GOOD  240x120  0 objects  ok");
    ASSERT_FALSE(good.picture.empty());
    std::ifstream picture(good.picture, std::ios::binary);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    picture.read(reinterpret_cast<char*>(&file), sizeof(file));
    picture.read(reinterpret_cast<char*>(&info), sizeof(info));
    EXPECT_EQ(file.bfType, 0x4D42);
    EXPECT_EQ(info.biWidth, 240);
    EXPECT_EQ(info.biHeight, 120);
    EXPECT_EQ(std::filesystem::path(good.picture).filename().string(), "01_NORMAL.GOOD.bmp");

    EXPECT_EQ(CPagePreview::Summary(preview.Preview(pages[1], 2, out)),
              "NORMAL.BAD_BITMAP  200x100  0 objects  background bitmap NO_SUCH_BITMAP is missing");
    EXPECT_EQ(CPagePreview::Summary(preview.Preview(pages[2], 3, out)),
              "WELCOME  0x0  0 objects  the section name holds no page kind");
    EXPECT_EQ(CPagePreview::Summary(preview.Preview(pages[3], 4, out)),
              "NORMAL.MISSING  0x0  0 objects  the page section does not resolve");

    // A list that is not there is reported as such.
    pages.clear();
    EXPECT_FALSE(preview.FindPages("NO_LIST", pages, error));
    EXPECT_EQ(error, "page list [NO_LIST] does not resolve");
}

}  // namespace
}  // namespace wizard_test

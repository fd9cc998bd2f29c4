// The program's resources: icon, link cursor, dialog templates and the
// manifest, in this test program (linked with the same script) and in
// setup.exe itself.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiTestSupport.h"
#include "platform/Dialog.h"
#include "platform/Gdi.h"
#include "resources/ResourceIds.h"

namespace {

// setup.exe relative to this test program's directory; set by the build.
#ifndef SETUP_EXE_FROM_TESTS
#error "SETUP_EXE_FROM_TESTS must name setup.exe relative to the test program"
#endif

std::string SetupExePath() {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.resize(directory.find_last_of("\\/") + 1);
    std::string relative = SETUP_EXE_FROM_TESTS;
    for (char& c : relative) {
        if (c == '/') {
            c = '\\';
        }
    }
    return directory + relative;
}

std::string ResourceText(HMODULE module, LPCSTR name, LPCSTR type) {
    const HRSRC found = ::FindResourceA(module, name, type);
    if (found == nullptr) {
        return std::string();
    }
    const HGLOBAL loaded = ::LoadResource(module, found);
    const void* data = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    if (data == nullptr) {
        return std::string();
    }
    return std::string(static_cast<const char*>(data), ::SizeofResource(module, found));
}

// Both modules must carry the same resources.
class ResourcesTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) {
            m_library.reset(
                ::LoadLibraryExA(SetupExePath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
            ASSERT_TRUE(m_library) << SetupExePath() << " error " << ::GetLastError();
            m_module = m_library.get();
        } else {
            m_module = ::GetModuleHandleA(nullptr);
        }
    }

    platform::UniqueModule m_library;
    HMODULE m_module = nullptr;
};

TEST_P(ResourcesTest, ManifestAsksForAdministratorControlsAndDpiAwareness) {
    const std::string manifest = ResourceText(m_module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_FALSE(manifest.empty());
    const char* wanted[] = {
        "level=\"requireAdministrator\"",
        "name=\"Microsoft.Windows.Common-Controls\"",
        "version=\"6.0.0.0\"",
        ">true</dpiAware>",
        ">PerMonitorV2</dpiAwareness>",
    };
    for (const char* text : wanted) {
        EXPECT_NE(manifest.find(text), std::string::npos) << text;
    }
}

TEST_P(ResourcesTest, DialogTemplatesArePresent) {
    for (int id : {IDD_PAGE, IDD_INIT_WINDOW, IDD_MSGBOX, IDD_DEST_DIR}) {
        EXPECT_NE(::FindResourceA(m_module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)), nullptr)
            << id;  // RT_DIALOG
    }
}

TEST_P(ResourcesTest, IconAndCursorLoad) {
    const HICON icon = ::LoadIconA(m_module, MAKEINTRESOURCEA(IDI_SETUP));
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(icon, &info));
    const platform::UniqueBitmap colour(info.hbmColor);
    const platform::UniqueBitmap mask(info.hbmMask);
    EXPECT_TRUE(info.fIcon);
    BITMAP bitmap = {};
    ASSERT_NE(::GetObjectA(info.hbmColor, sizeof(bitmap), &bitmap), 0);
    EXPECT_EQ(bitmap.bmWidth, ::GetSystemMetrics(SM_CXICON));

    // The small size is in the file too.
    const platform::UniqueIcon small(static_cast<HICON>(
        ::LoadImageA(m_module, MAKEINTRESOURCEA(IDI_SETUP), IMAGE_ICON, 16, 16, 0)));
    ASSERT_TRUE(small);
    ICONINFO smallInfo = {};
    ASSERT_TRUE(::GetIconInfo(small.get(), &smallInfo));
    const platform::UniqueBitmap smallColour(smallInfo.hbmColor);
    const platform::UniqueBitmap smallMask(smallInfo.hbmMask);
    ASSERT_NE(::GetObjectA(smallInfo.hbmColor, sizeof(bitmap), &bitmap), 0);
    EXPECT_EQ(bitmap.bmWidth, 16);

    const HCURSOR cursor = ::LoadCursorA(m_module, MAKEINTRESOURCEA(IDCUR_LINK));
    ASSERT_NE(cursor, nullptr);
    ICONINFO cursorInfo = {};
    ASSERT_TRUE(::GetIconInfo(cursor, &cursorInfo));
    const platform::UniqueBitmap cursorMask(cursorInfo.hbmMask);
    const platform::UniqueBitmap cursorColour(cursorInfo.hbmColor);
    EXPECT_FALSE(cursorInfo.fIcon);
    // The hot spot is the fingertip.
    EXPECT_EQ(cursorInfo.xHotspot, 5u);
    EXPECT_EQ(cursorInfo.yHotspot, 0u);
}

INSTANTIATE_TEST_SUITE_P(TestProgramAndSetup, ResourcesTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("SetupExe")
                                               : std::string("TestProgram");
                         });

// The templates as windows: sizes and the controls the code relies on.
TEST(ResourceDialogsTest, TemplatesHaveTheirSizesAndControls) {
    ui_test::HostWindow host;
    ASSERT_TRUE(host.Open());
    struct Case {
        int id;
        int width;
        int height;
        bool child;
        std::vector<int> controls;
    } cases[] = {
        {IDD_PAGE, 320, 201, true, {}},
        {IDD_INIT_WINDOW, 268, 55, false, {IDC_INIT_PROGRESS}},
        {IDD_MSGBOX,
         258,
         74,
         false,
         {IDC_MSGBOX_ICON, IDC_MSGBOX_TEXT, IDC_MSGBOX_FIRST, IDC_MSGBOX_SECOND}},
        {IDD_DEST_DIR,
         256,
         40,
         true,
         {IDC_DEST_ICON, IDC_DEST_DESC, IDC_DEST_PATH, IDC_DEST_BROWSE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        platform::Dialog dialog;
        ASSERT_TRUE(dialog.Create(c.id, host)) << ::GetLastError();
        EXPECT_EQ((dialog.GetStyle() & WS_CHILD) != 0, c.child);
        RECT expected = {0, 0, c.width, c.height};
        ASSERT_TRUE(dialog.MapDialogRect(expected));
        RECT client;
        ASSERT_TRUE(dialog.GetClientRect(client));
        EXPECT_EQ(client.right, expected.right);
        EXPECT_EQ(client.bottom, expected.bottom);
        for (int control : c.controls) {
            EXPECT_NE(dialog.GetItem(control), nullptr) << control;
        }
        dialog.Destroy();
    }
}

TEST(ResourceDialogsTest, MessageBoxTextPlaceIsHiddenAndProgressIsABar) {
    ui_test::HostWindow host;
    ASSERT_TRUE(host.Open());
    platform::Dialog box;
    ASSERT_TRUE(box.Create(IDD_MSGBOX, host));
    EXPECT_FALSE(platform::Window(box.GetItem(IDC_MSGBOX_TEXT)).IsVisible());
    EXPECT_NE(platform::Window(box.GetItem(IDC_MSGBOX_FIRST)).GetStyle() & BS_DEFPUSHBUTTON, 0);

    platform::Dialog progress;
    ASSERT_TRUE(progress.Create(IDD_INIT_WINDOW, host));
    char className[64] = "";
    ::GetClassNameA(progress.GetItem(IDC_INIT_PROGRESS), className, sizeof(className));
    EXPECT_STRCASEEQ(className, "msctls_progress32");
}

}  // namespace

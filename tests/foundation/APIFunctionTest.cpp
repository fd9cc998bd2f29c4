// The table of run-time resolved system functions, against Wine's own DLLs,
// and with libraries or functions taken away.
#include "foundation/APIFunction.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace {

// Loads the table with a different way of finding its libraries.
class TestAPIFunction : public CAPIFunction {
public:
    using CAPIFunction::Load;
};

// As LoadLibraryA, but the system has no "Msimg32.dll".
HMODULE WINAPI LoadWithoutMsimg32(LPCSTR name) {
    return lstrcmpiA(name, "Msimg32.dll") == 0 ? nullptr : LoadLibraryA(name);
}

// Every library of the table is "Msimg32.dll", so only GradientFill is found.
HMODULE WINAPI LoadMsimg32Always(LPCSTR) {
    return LoadLibraryA("Msimg32.dll");
}

struct Entry {
    const char* library;
    const char* function;
    void* entry;
};

#define TABLE_ENTRY(library, function)                                     \
    Entry {                                                                \
        library, #function, reinterpret_cast<void*>(api.function##Entry()) \
    }

std::vector<Entry> Entries(const CAPIFunction& api) {
    return {
        TABLE_ENTRY("MPR.dll", WNetAddConnection2A),
        TABLE_ENTRY("Msimg32.dll", GradientFill),
        TABLE_ENTRY("Kernel32.dll", GetDiskFreeSpaceExA),
        TABLE_ENTRY("Kernel32.dll", MoveFileExA),
        TABLE_ENTRY("User32.dll", RegisterDeviceNotificationA),
        TABLE_ENTRY("User32.dll", UnregisterDeviceNotification),
        TABLE_ENTRY("User32.dll", GetWindowModuleFileNameA),
        TABLE_ENTRY("SetupAPI.dll", SetupDiEnumDeviceInterfaces),
        TABLE_ENTRY("SetupAPI.dll", SetupDiGetDeviceInterfaceDetailA),
        TABLE_ENTRY("SetupAPI.dll", SetupDiOpenDeviceInterfaceRegKey),
        TABLE_ENTRY("SetupAPI.dll", SetupDiGetClassDevsA),
        TABLE_ENTRY("SetupAPI.dll", SetupDiDestroyDeviceInfoList),
        TABLE_ENTRY("SetupAPI.dll", SetupDiEnumDeviceInfo),
        TABLE_ENTRY("SetupAPI.dll", SetupDiGetDeviceRegistryPropertyA),
        TABLE_ENTRY("SetupAPI.dll", SetupDiSetDeviceRegistryPropertyA),
        TABLE_ENTRY("SetupAPI.dll", SetupDiRemoveDevice),
        TABLE_ENTRY("SetupAPI.dll", SetupOpenInfFileA),
        TABLE_ENTRY("SetupAPI.dll", SetupGetLineByIndexA),
        TABLE_ENTRY("SetupAPI.dll", SetupGetStringFieldA),
        TABLE_ENTRY("SetupAPI.dll", SetupCloseInfFile),
        TABLE_ENTRY("SetupAPI.dll", SetupGetLineCountA),
        TABLE_ENTRY("SetupAPI.dll", SetupGetInfFileListA),
        TABLE_ENTRY("SetupAPI.dll", SetupGetInfInformationA),
        TABLE_ENTRY("SetupAPI.dll", SetupQueryInfFileInformationA),
        TABLE_ENTRY("SetupAPI.dll", SetupQueryInfVersionInformationA),
        TABLE_ENTRY("SetupAPI.dll", CMP_WaitNoPendingInstallEvents),
        TABLE_ENTRY("Netapi32.dll", NetWkstaGetInfo),
        TABLE_ENTRY("Advapi32.dll", InitializeSecurityDescriptor),
        TABLE_ENTRY("Advapi32.dll", AllocateAndInitializeSid),
        TABLE_ENTRY("Advapi32.dll", InitializeAcl),
        TABLE_ENTRY("Advapi32.dll", AddAccessAllowedObjectAce),
        TABLE_ENTRY("Advapi32.dll", SetSecurityDescriptorDacl),
        TABLE_ENTRY("Advapi32.dll", SetSecurityDescriptorControl),
        TABLE_ENTRY("Advapi32.dll", FreeSid),
    };
}

#undef TABLE_ENTRY

// The address the system gives for the function, null when it has none.
void* SystemEntry(const char* library, const char* function) {
    HMODULE module = GetModuleHandleA(library);
    return module != nullptr ? reinterpret_cast<void*>(GetProcAddress(module, function)) : nullptr;
}

class APIFunctionTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dc = CreateCompatibleDC(nullptr);
        ASSERT_NE(m_dc, nullptr);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = 1;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        m_bitmap.reset(CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        ASSERT_TRUE(m_bitmap.valid());
        m_oldBitmap = SelectObject(m_dc, m_bitmap.get());
    }
    void TearDown() override {
        if (m_dc != nullptr) {
            SelectObject(m_dc, m_oldBitmap);
            DeleteDC(m_dc);
        }
    }

    // A horizontal red-to-blue gradient over the whole bitmap.
    BOOL FillGradient(const CAPIFunction& api) {
        TRIVERTEX vertices[2] = {{0, 0, 0xFF00, 0, 0, 0}, {kWidth, 1, 0, 0, 0xFF00, 0}};
        GRADIENT_RECT rect{0, 1};
        return api.GradientFill(m_dc, vertices, 2, &rect, 1, GRADIENT_FILL_RECT_H);
    }
    COLORREF Pixel(int x) { return GetPixel(m_dc, x, 0); }

    // Every wrapper but GradientFill answers its failure value without
    // calling anything: the arguments are ones the real functions accept.
    void ExpectWrappersFail(const CAPIFunction& api) {
        SECURITY_DESCRIPTOR descriptor{};
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(api.InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
        EXPECT_EQ(descriptor.Revision, 0);

        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID sid = nullptr;
        EXPECT_FALSE(
            api.AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &sid));
        EXPECT_EQ(sid, nullptr);

        // A real SID for the calls that need one, made without the table.
        PSID everyone = nullptr;
        ASSERT_TRUE(::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                               &everyone));
        std::vector<BYTE> aclBuffer(256);
        PACL acl = reinterpret_cast<PACL>(aclBuffer.data());
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(api.InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION_DS));
        ASSERT_TRUE(::InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION_DS));
        ASSERT_TRUE(::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(api.AddAccessAllowedObjectAce(acl, ACL_REVISION_DS, 0, GENERIC_READ, nullptr,
                                                   nullptr, everyone));
        EXPECT_EQ(GetLastError(), 0xdeadbeefu);
        EXPECT_EQ(acl->AceCount, 0);
        EXPECT_FALSE(api.SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE));
        EXPECT_FALSE(
            api.SetSecurityDescriptorControl(&descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED));
        SECURITY_DESCRIPTOR_CONTROL control = 0;
        DWORD revision = 0;
        ASSERT_TRUE(GetSecurityDescriptorControl(&descriptor, &control, &revision));
        EXPECT_EQ(control & (SE_DACL_PRESENT | SE_DACL_PROTECTED), 0);
        // A missing FreeSid fails the way FreeSid fails: it hands the SID back.
        EXPECT_EQ(api.FreeSid(everyone), everyone);
        EXPECT_EQ(GetLastError(), 0xdeadbeefu);
        ::FreeSid(everyone);

        DEV_BROADCAST_DEVICEINTERFACE_A filter{};
        filter.dbcc_size = sizeof(filter);
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        HWND window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                      nullptr, nullptr);
        SetLastError(0xdeadbeef);
        EXPECT_EQ(
            api.RegisterDeviceNotificationA(
                window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES),
            nullptr);
        EXPECT_FALSE(api.UnregisterDeviceNotification(reinterpret_cast<HDEVNOTIFY>(window)));
        EXPECT_EQ(GetLastError(), 0xdeadbeefu);
        DestroyWindow(window);

        EXPECT_EQ(api.CMP_WaitNoPendingInstallEvents(0), CAPIFunction::kWaitMissing);
        EXPECT_NE(CAPIFunction::kWaitMissing, static_cast<DWORD>(WAIT_OBJECT_0));
        EXPECT_NE(CAPIFunction::kWaitMissing, static_cast<DWORD>(WAIT_TIMEOUT));

        testing_support::TempDir dir;
        const std::string from = dir.Write("from.txt", "moved");
        const std::string to = (dir.path() / "to.txt").string();
        SetLastError(0xdeadbeef);
        EXPECT_FALSE(api.MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING));
        EXPECT_EQ(GetLastError(), 0xdeadbeefu);
        EXPECT_NE(GetFileAttributesA(from.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_EQ(GetFileAttributesA(to.c_str()), INVALID_FILE_ATTRIBUTES);
    }

    static constexpr int kWidth = 64;
    HDC m_dc = nullptr;
    platform::UniqueGdiObject m_bitmap;
    HGDIOBJ m_oldBitmap = nullptr;
};

TEST_F(APIFunctionTest, LoadResolvesEveryFunctionFromItsLibrary) {
    CAPIFunction api;
    EXPECT_TRUE(api.Load());
    for (const Entry& e : Entries(api)) {
        EXPECT_NE(e.entry, nullptr) << e.function;
        // The table keeps the library loaded, so the system answers for it.
        EXPECT_EQ(e.entry, SystemEntry(e.library, e.function)) << e.function;
    }
}

TEST_F(APIFunctionTest, UnloadedTableAnswersEveryWrapperWithItsFailureValue) {
    const CAPIFunction api;
    for (const Entry& e : Entries(api)) {
        EXPECT_EQ(e.entry, nullptr) << e.function;
    }
    ExpectWrappersFail(api);
    SetLastError(0xdeadbeef);
    EXPECT_FALSE(FillGradient(api));
    EXPECT_EQ(GetLastError(), 0xdeadbeefu);
    EXPECT_EQ(Pixel(0), RGB(0, 0, 0));
}

TEST_F(APIFunctionTest, MissingLibraryLeavesOnlyItsFunctionsNull) {
    TestAPIFunction api;
    EXPECT_TRUE(api.Load(LoadWithoutMsimg32));
    for (const Entry& e : Entries(api)) {
        if (std::strcmp(e.library, "Msimg32.dll") == 0) {
            EXPECT_EQ(e.entry, nullptr) << e.function;
        } else {
            EXPECT_EQ(e.entry, SystemEntry(e.library, e.function)) << e.function;
            EXPECT_NE(e.entry, nullptr) << e.function;
        }
    }
    EXPECT_FALSE(FillGradient(api));
    EXPECT_EQ(Pixel(0), RGB(0, 0, 0));
}

TEST_F(APIFunctionTest, FunctionsMissingFromALoadedLibraryStayNull) {
    TestAPIFunction api;
    EXPECT_TRUE(api.Load(LoadMsimg32Always));
    for (const Entry& e : Entries(api)) {
        if (std::strcmp(e.function, "GradientFill") == 0) {
            EXPECT_NE(e.entry, nullptr);
        } else {
            EXPECT_EQ(e.entry, nullptr) << e.function;
        }
    }
    ExpectWrappersFail(api);
    EXPECT_TRUE(FillGradient(api));
}

TEST_F(APIFunctionTest, LoadingAgainStartsFromTheNewLoad) {
    TestAPIFunction api;
    EXPECT_TRUE(api.Load());
    EXPECT_TRUE(api.Load(LoadWithoutMsimg32));
    EXPECT_EQ(api.GradientFillEntry(), nullptr);
    EXPECT_NE(api.MoveFileExAEntry(), nullptr);
    EXPECT_TRUE(api.Load(LoadMsimg32Always));
    EXPECT_EQ(api.MoveFileExAEntry(), nullptr);
    EXPECT_NE(api.GradientFillEntry(), nullptr);
}

TEST_F(APIFunctionTest, DestructorReleasesTheLibraries) {
    // The test program itself does not use these two libraries.
    ASSERT_EQ(GetModuleHandleA("msimg32.dll"), nullptr);
    ASSERT_EQ(GetModuleHandleA("netapi32.dll"), nullptr);
    {
        CAPIFunction api;
        api.Load();
        api.Load();
        EXPECT_NE(GetModuleHandleA("msimg32.dll"), nullptr);
        EXPECT_NE(GetModuleHandleA("netapi32.dll"), nullptr);
    }
    EXPECT_EQ(GetModuleHandleA("msimg32.dll"), nullptr);
    EXPECT_EQ(GetModuleHandleA("netapi32.dll"), nullptr);
}

TEST_F(APIFunctionTest, SecurityWrappersBuildADaclForEveryone) {
    CAPIFunction api;
    api.Load();
    SECURITY_DESCRIPTOR descriptor{};
    ASSERT_TRUE(api.InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION));
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    ASSERT_TRUE(api.AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                             &everyone));
    ASSERT_TRUE(IsValidSid(everyone));
    EXPECT_EQ(*GetSidSubAuthority(everyone, 0), static_cast<DWORD>(SECURITY_WORLD_RID));

    std::vector<BYTE> aclBuffer(256);
    PACL acl = reinterpret_cast<PACL>(aclBuffer.data());
    ASSERT_TRUE(api.InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION_DS));
    // The wrapper answers as the system's own function does, error code
    // included (Wine 8 does not implement object ACEs and fails with 1).
    std::vector<BYTE> directBuffer(aclBuffer);
    SetLastError(0xdeadbeef);
    const BOOL direct = ::AddAccessAllowedObjectAce(reinterpret_cast<PACL>(directBuffer.data()),
                                                    ACL_REVISION_DS, CONTAINER_INHERIT_ACE,
                                                    KEY_ALL_ACCESS, nullptr, nullptr, everyone);
    const DWORD directError = GetLastError();
    SetLastError(0xdeadbeef);
    EXPECT_EQ(api.AddAccessAllowedObjectAce(acl, ACL_REVISION_DS, CONTAINER_INHERIT_ACE,
                                            KEY_ALL_ACCESS, nullptr, nullptr, everyone),
              direct);
    EXPECT_EQ(GetLastError(), directError);
    EXPECT_EQ(acl->AceCount, direct ? 1 : 0);
    EXPECT_EQ(directBuffer, aclBuffer);

    ASSERT_TRUE(api.SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE));
    ASSERT_TRUE(
        api.SetSecurityDescriptorControl(&descriptor, SE_DACL_PROTECTED, SE_DACL_PROTECTED));
    EXPECT_TRUE(IsValidSecurityDescriptor(&descriptor));

    BOOL present = FALSE;
    BOOL defaulted = TRUE;
    PACL dacl = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(&descriptor, &present, &dacl, &defaulted));
    EXPECT_TRUE(present);
    EXPECT_FALSE(defaulted);
    EXPECT_EQ(dacl, acl);
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(GetSecurityDescriptorControl(&descriptor, &control, &revision));
    EXPECT_EQ(control & SE_DACL_PROTECTED, SE_DACL_PROTECTED);

    EXPECT_EQ(api.FreeSid(everyone), nullptr);
}

TEST_F(APIFunctionTest, RealCallsGoThrough) {
    CAPIFunction api;
    api.Load();

    ASSERT_TRUE(FillGradient(api));
    EXPECT_EQ(GetRValue(Pixel(0)), 0xFF);
    EXPECT_EQ(GetBValue(Pixel(0)), 0);
    EXPECT_LT(GetRValue(Pixel(kWidth - 1)), 0x10);
    EXPECT_GT(GetBValue(Pixel(kWidth - 1)), 0xF0);

    testing_support::TempDir dir;
    const std::string from = dir.Write("from.txt", "new");
    const std::string to = dir.Write("to.txt", "old");
    ASSERT_TRUE(api.MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ(GetFileAttributesA(from.c_str()), INVALID_FILE_ATTRIBUTES);
    std::ifstream in(to, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    EXPECT_EQ(text.str(), "new");

    const DWORD wait = api.CMP_WaitNoPendingInstallEvents(0);
    EXPECT_TRUE(wait == WAIT_OBJECT_0 || wait == WAIT_TIMEOUT) << wait;

    HWND window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    DEV_BROADCAST_DEVICEINTERFACE_A filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    HDEVNOTIFY notify = api.RegisterDeviceNotificationA(
        window, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES);
    EXPECT_NE(notify, nullptr);
    EXPECT_TRUE(api.UnregisterDeviceNotification(notify));
    DestroyWindow(window);
}

TEST_F(APIFunctionTest, RawEntriesReadAnInf) {
    CAPIFunction api;
    api.Load();
    testing_support::TempDir dir;
    const std::string inf = dir.Write("test.inf",
                                      "[Version]\r\nSignature=\"$Windows NT$\"\r\n"
                                      "[Models]\r\nfirst=one,two\r\nsecond=three\r\n");
    HINF handle = api.SetupOpenInfFileAEntry()(inf.c_str(), nullptr, INF_STYLE_WIN4, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    EXPECT_EQ(api.SetupGetLineCountAEntry()(handle, "Models"), 2);
    INFCONTEXT context{};
    ASSERT_TRUE(api.SetupGetLineByIndexAEntry()(handle, "Models", 1, &context));
    char field[64] = {};
    ASSERT_TRUE(api.SetupGetStringFieldAEntry()(&context, 0, field, sizeof(field), nullptr));
    EXPECT_STREQ(field, "second");
    ASSERT_TRUE(api.SetupGetStringFieldAEntry()(&context, 1, field, sizeof(field), nullptr));
    EXPECT_STREQ(field, "three");
    api.SetupCloseInfFileEntry()(handle);

    ULARGE_INTEGER available{};
    EXPECT_TRUE(
        api.GetDiskFreeSpaceExAEntry()(dir.path().string().c_str(), &available, nullptr, nullptr));
}

}  // namespace

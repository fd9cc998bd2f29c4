#include "environment/OSVersion.h"

#include <gtest/gtest.h>

namespace {

using setup::ClassifyOS;
using setup::OSVersionInfo;

struct VersionCase {
    const char* name;
    DWORD platform;
    DWORD major;
    DWORD minor;
    const char* service;
    bool extended;
    int productType;
    bool is64Bit;
    int code;
    int family;
};

OSVersionInfo Version(const VersionCase& c) {
    OSVersionInfo v;
    v.platformId = c.platform;
    v.major = c.major;
    v.minor = c.minor;
    v.servicePack = c.service;
    v.extended = c.extended;
    v.productType = c.productType;
    v.is64Bit = c.is64Bit;
    return v;
}

TEST(OSVersionTest, ClassifiesEveryRowOfTheTable) {
    const VersionCase cases[] = {
        {"Win32s", 0, 3, 10, "", false, 0, false, 2, 2},
        {"Windows 95", 1, 4, 0, "", false, 0, false, 3, 10},
        {"Windows 95 service text A", 1, 4, 0, " A", false, 0, false, 3, 10},
        {"Windows 95 OSR2 B", 1, 4, 0, "B", false, 0, false, 4, 10},
        {"Windows 95 OSR2 C", 1, 4, 0, "C", false, 0, false, 4, 10},
        {"Windows 95 OSR2 as reported, blank first", 1, 4, 0, " B", false, 0, false, 4, 10},
        {"Windows 95 OSR2 lower case", 1, 4, 0, " c ", false, 0, false, 4, 10},
        {"Windows 95 longer text is not OSR2", 1, 4, 0, "BC", false, 0, false, 3, 10},
        {"Windows 98", 1, 4, 10, "", false, 0, false, 6, 10},
        {"Windows 98 service text B", 1, 4, 10, " B", false, 0, false, 6, 10},
        {"Windows 98 SE", 1, 4, 10, "A", false, 0, false, 7, 10},
        {"Windows 98 SE as reported", 1, 4, 10, " A ", true, 0, false, 7, 10},
        {"Windows 98 SE lower case", 1, 4, 10, "a", false, 0, false, 7, 10},
        {"Windows Me", 1, 4, 90, "", true, 0, false, 9, 10},
        {"Windows Me service text A", 1, 4, 90, " A", true, 0, false, 9, 10},
        {"other Windows 9x", 1, 4, 3, "", false, 0, false, 10, 10},
        {"NT 3.51", 2, 3, 51, "Service Pack 5", false, 0, false, 11, 15},
        {"NT 4.0 workstation", 2, 4, 0, "Service Pack 6", true, 1, false, 12, 15},
        {"NT 4.0 server", 2, 4, 0, "Service Pack 6", true, 3, false, 12, 15},
        {"NT 4.0 without extended record", 2, 4, 0, "Service Pack 3", false, 0, false, 12, 15},
        {"Windows 2000", 2, 5, 0, "", true, 1, false, 13, 17},
        {"Windows 2000 server", 2, 5, 0, "", true, 3, false, 13, 17},
        {"Windows XP", 2, 5, 1, "Service Pack 3", true, 1, false, 14, 17},
        {"Windows 5.3", 2, 5, 3, "", true, 1, false, 14, 17},
        {"Server 2003", 2, 5, 2, "", true, 3, false, 16, 17},
        {"Server 2003 domain controller", 2, 5, 2, "", true, 2, false, 16, 17},
        {"Server 2003 x64", 2, 5, 2, "", true, 3, true, 16, 17},
        {"5.2 workstation on 32-bit", 2, 5, 2, "", true, 1, false, 16, 17},
        {"Windows XP x64", 2, 5, 2, "Service Pack 2", true, 1, true, 14, 17},
        {"Windows Vista", 2, 6, 0, "", true, 1, false, 18, 17},
        {"Windows 7 x64", 2, 6, 1, "Service Pack 1", true, 1, true, 18, 17},
        {"Server 2008", 2, 6, 0, "", true, 3, false, 19, 17},
        {"Server 2008 R2 domain controller", 2, 6, 1, "", true, 2, true, 19, 17},
        {"6.x without extended record", 2, 6, 0, "", false, 0, false, 19, 17},
        {"Windows 10", 2, 10, 0, "", true, 1, true, 13, 17},
        {"Server 2016", 2, 10, 0, "", true, 3, true, 13, 17},
        {"unknown platform", 3, 6, 0, "", true, 1, false, 0, 0},
    };
    for (const VersionCase& c : cases) {
        const setup::OSCode code = ClassifyOS(Version(c));
        EXPECT_EQ(c.code, code.code) << c.name;
        EXPECT_EQ(c.family, code.family) << c.name;
    }
}

TEST(OSVersionTest, PlatformKeyIsHexOfPlatformMajorMinor) {
    EXPECT_EQ("0X00020501", setup::PlatformKey(2, 5, 1));
    EXPECT_EQ("0X0001045A", setup::PlatformKey(1, 4, 90));
    EXPECT_EQ("0X00020A00", setup::PlatformKey(2, 10, 0));
    EXPECT_EQ("0X00000000", setup::PlatformKey(0, 0, 0));
}

}  // namespace

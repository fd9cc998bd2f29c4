#include "environment/OSDefine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "environment/ProfileConfigReader.h"
#include "foundation/Profile.h"
#include "tests/support/TempDir.h"

namespace {

using setup::OSVersionInfo;

OSVersionInfo NT(DWORD major, DWORD minor, int productType, bool is64Bit) {
    OSVersionInfo v;
    v.platformId = 2;
    v.major = major;
    v.minor = minor;
    v.extended = productType != 0;
    v.productType = productType;
    v.is64Bit = is64Bit;
    return v;
}

OSVersionInfo Win9x(DWORD minor, const char* versionNumber) {
    OSVersionInfo v;
    v.platformId = 1;
    v.major = 4;
    v.minor = minor;
    v.versionNumber = versionNumber;
    return v;
}

class OSDefineTest : public ::testing::Test {
protected:
    // Searches with a data file whose OS_DEFINE section holds the lines.
    bool Search(const OSVersionInfo& version, const std::string& lines) {
        const std::string path = m_dir.Write("setup.dat", "[OS_DEFINE]\r\n" + lines);
        CProfile profile;
        EXPECT_EQ(ERROR_SUCCESS, profile.Create(path.c_str(), path.c_str()));
        setup::CProfileConfigReader reader(profile);
        m_log.clear();
        m_define = "<unchanged>";
        return setup::SearchOSDefine(
            version, reader, [this](const std::string& line) { m_log.push_back(line); }, m_define);
    }

    testing_support::TempDir m_dir;
    std::vector<std::string> m_log;
    std::string m_define;
};

TEST_F(OSDefineTest, OwnVersionKeysAreTriedFirstWithoutSearchLog) {
    struct Case {
        const char* name;
        OSVersionInfo version;
        const char* lines;
        const char* define;
    } cases[] = {
        {"XP", NT(5, 1, 1, false), "0X00020501 = WINXP\r\n", "WINXP"},
        {"case of the key", NT(5, 1, 1, false), "0x00020501 = WINXP\r\n", "WINXP"},
        {"32-bit ignores .64 and product keys", NT(5, 1, 1, false),
         "0X00020501.64 = X\r\n0X00020501.PRO = Y\r\n0X00020501 = WINXP\r\n", "WINXP"},
        {".64 before product", NT(5, 2, 1, true),
         "0X00020502.64.PRO = PRO64\r\n0X00020502.64 = XP64\r\n0X00020502 = W2003\r\n", "XP64"},
        {"workstation .64.PRO", NT(5, 2, 1, true),
         "0X00020502.64.SER = SER64\r\n0X00020502.64.PRO = PRO64\r\n0X00020502 = W2003\r\n",
         "PRO64"},
        {"domain controller .64.DOM before .64.SER", NT(6, 1, 2, true),
         "0X00020601.64.SER = SER64\r\n0X00020601.64.DOM = DOM64\r\n", "DOM64"},
        {"domain controller .64.SER", NT(6, 1, 2, true),
         "0X00020601.64.PRO = PRO64\r\n0X00020601.64.SER = SER64\r\n", "SER64"},
        {"server .64.SER", NT(6, 0, 3, true), "0X00020600.64.SER = SER64\r\n", "SER64"},
        {"64-bit falls back to its plain key", NT(6, 1, 1, true),
         "0X00020601.64.SER = SER64\r\n0X00020601 = WIN7\r\n", "WIN7"},
        {"no product keys without extended record", NT(5, 2, 0, true),
         "0X00020502.64.SER = SER64\r\n0X00020502 = W2003\r\n", "W2003"},
        {"Windows 95", Win9x(0, ""), "0X00010400 = WIN95\r\n", "WIN95"},
        {"Windows 98", Win9x(10, "4.10.2222"), "0X0001040A = WIN98\r\n0X0001045A = WINME\r\n",
         "WIN98"},
        {"Windows Me reporting 4.10", Win9x(10, "4.90.3000"),
         "0X0001040A = WIN98\r\n0X0001045A = WINME\r\n", "WINME"},
        {"Windows Me", Win9x(90, ""), "0X0001045A = WINME\r\n", "WINME"},
        {"defined string in the value", NT(5, 1, 1, false),
         "0X00020501 = %XP%\r\n[STRINGS]\r\n%XP% = WINXP\r\n", "WINXP"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Search(c.version, c.lines)) << c.name;
        EXPECT_EQ(c.define, m_define) << c.name;
        EXPECT_TRUE(m_log.empty()) << c.name;
    }
}

TEST_F(OSDefineTest, Windows9xDoesNotSearchEarlierVersions) {
    struct Case {
        const char* name;
        OSVersionInfo version;
        const char* lines;
    } cases[] = {
        {"Windows 98", Win9x(10, "4.10.2222"), "0X00010400 = WIN95\r\n0X0001045A = WINME\r\n"},
        {"Windows Me reporting 4.10 takes only the Me key", Win9x(10, "4.90.3000"),
         "0X0001040A = WIN98\r\n"},
        {"Windows Me", Win9x(90, ""), "0X0001040A = WIN98\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(Search(c.version, c.lines)) << c.name;
        EXPECT_EQ("<unchanged>", m_define) << c.name;
        EXPECT_TRUE(m_log.empty()) << c.name;
    }
}

TEST_F(OSDefineTest, Vista64WithOnlyA32BitXPKeyFindsNothing) {
    EXPECT_FALSE(Search(NT(6, 0, 1, true), "0X00020501 = WINXP\r\n"));
    EXPECT_EQ("<unchanged>", m_define);

    std::vector<std::string> expected = {
        "OS Define not found, so installer finds Lastest Version OS Define",
        "OS Major Version [0x0006] , minor version [0x0000], 64bit [1]",
        "Find Define ==> (0X00020600.64.PRO)",
        "Find Define ==> (0X00020600.64)",
    };
    for (const char* version : {"0505", "0504", "0503", "0502", "0501", "0500", "0405", "0404",
                                "0403", "0402", "0401", "0400"}) {
        expected.push_back(std::string("Find Define ==> (0X0002") + version + ".64.PRO)");
        expected.push_back(std::string("Find Define ==> (0X0002") + version + ".64)");
    }
    EXPECT_EQ(expected, m_log);
}

TEST_F(OSDefineTest, Vista64FindsTheXP64Key) {
    EXPECT_TRUE(Search(NT(6, 0, 1, true), "0X00020501 = WINXP\r\n0X00020501.64 = WINXP_64\r\n"));
    EXPECT_EQ("WINXP_64", m_define);
    const std::vector<std::string> expected = {
        "OS Define not found, so installer finds Lastest Version OS Define",
        "OS Major Version [0x0006] , minor version [0x0000], 64bit [1]",
        "Find Define ==> (0X00020600.64.PRO)",
        "Find Define ==> (0X00020600.64)",
        "Find Define ==> (0X00020505.64.PRO)",
        "Find Define ==> (0X00020505.64)",
        "Find Define ==> (0X00020504.64.PRO)",
        "Find Define ==> (0X00020504.64)",
        "Find Define ==> (0X00020503.64.PRO)",
        "Find Define ==> (0X00020503.64)",
        "Find Define ==> (0X00020502.64.PRO)",
        "Find Define ==> (0X00020502.64)",
        "Find Define ==> (0X00020501.64.PRO)",
        "Find Define ==> (0X00020501.64)",
        "OS String was found ==> [WINXP_64]",
    };
    EXPECT_EQ(expected, m_log);
}

TEST_F(OSDefineTest, VistaFindsTheServer2003Key) {
    EXPECT_TRUE(Search(NT(6, 0, 1, false), "0X00020502 = W2003\r\n0X00020501 = WINXP\r\n"));
    EXPECT_EQ("W2003", m_define);
    const std::vector<std::string> expected = {
        "OS Define not found, so installer finds Lastest Version OS Define",
        "OS Major Version [0x0006] , minor version [0x0000], 64bit [0]",
        "Find Define ==> (0X00020600.PRO)",
        "Find Define ==> (0X00020600)",
        "Find Define ==> (0X00020505.PRO)",
        "Find Define ==> (0X00020505)",
        "Find Define ==> (0X00020504.PRO)",
        "Find Define ==> (0X00020504)",
        "Find Define ==> (0X00020503.PRO)",
        "Find Define ==> (0X00020503)",
        "Find Define ==> (0X00020502.PRO)",
        "Find Define ==> (0X00020502)",
        "OS String was found ==> [W2003]",
    };
    EXPECT_EQ(expected, m_log);
}

TEST_F(OSDefineTest, ServerProductVariantsInTheSearch) {
    // A domain controller tries .DOM, then .SER, then the plain key.
    EXPECT_TRUE(Search(NT(6, 1, 2, false), "0X00020600.SER = SRV2008\r\n0X00020600 = VISTA\r\n"));
    EXPECT_EQ("SRV2008", m_define);
    const std::vector<std::string> expected = {
        "OS Define not found, so installer finds Lastest Version OS Define",
        "OS Major Version [0x0006] , minor version [0x0001], 64bit [0]",
        "Find Define ==> (0X00020601.DOM)",
        "Find Define ==> (0X00020601.SER)",
        "Find Define ==> (0X00020601)",
        "Find Define ==> (0X00020600.DOM)",
        "Find Define ==> (0X00020600.SER)",
        "OS String was found ==> [SRV2008]",
    };
    EXPECT_EQ(expected, m_log);

    // A server tries .SER only; a .PRO key is not its own.
    EXPECT_TRUE(
        Search(NT(6, 1, 3, true), "0X00020600.64.PRO = VISTA64\r\n0X00020502.64 = X64\r\n"));
    EXPECT_EQ("X64", m_define);
    EXPECT_EQ("Find Define ==> (0X00020600.64.SER)", m_log[4]);
    EXPECT_EQ("OS String was found ==> [X64]", m_log.back());
}

TEST_F(OSDefineTest, SearchWithoutExtendedRecordTriesPlainKeysOnly) {
    EXPECT_FALSE(Search(NT(4, 0, 0, false), "0X00020351 = NT351\r\n0X00020400.PRO = NT4\r\n"));
    const std::vector<std::string> expected = {
        "OS Define not found, so installer finds Lastest Version OS Define",
        "OS Major Version [0x0004] , minor version [0x0000], 64bit [0]",
        "Find Define ==> (0X00020400)",
    };
    EXPECT_EQ(expected, m_log);
}

TEST_F(OSDefineTest, LaterVersionsFallBackToTheNewestDefined) {
    EXPECT_TRUE(Search(NT(10, 0, 1, true),
                       "0X00020601.64.PRO = WIN7_64\r\n0X00020600.64.PRO = VISTA_64\r\n"));
    EXPECT_EQ("WIN7_64", m_define);
    EXPECT_EQ("OS Major Version [0x000a] , minor version [0x0000], 64bit [1]", m_log[1]);
    EXPECT_EQ("Find Define ==> (0X00020A00.64.PRO)", m_log[2]);
    EXPECT_EQ("Find Define ==> (0X00020905.64.PRO)", m_log[4]);
    EXPECT_EQ("OS String was found ==> [WIN7_64]", m_log.back());
}

TEST_F(OSDefineTest, NT3SearchesNoEarlierVersion) {
    EXPECT_FALSE(Search(NT(3, 51, 0, false), "0X00020400 = NT4\r\n"));
    EXPECT_EQ(2u, m_log.size());
    EXPECT_EQ("OS Major Version [0x0003] , minor version [0x0033], 64bit [0]", m_log[1]);
}

TEST_F(OSDefineTest, EmptySectionOrNoSectionFindsNothing) {
    EXPECT_FALSE(Search(NT(5, 1, 1, false), ""));
    EXPECT_EQ("<unchanged>", m_define);
    EXPECT_EQ(2u + 2 * (2 + 6), m_log.size());  // 5.1, 5.0, then 4.5 to 4.0
}

}  // namespace

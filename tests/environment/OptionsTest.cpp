#include "environment/Options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "environment/ProfileConfigReader.h"
#include "foundation/Profile.h"
#include "tests/support/TempDir.h"

namespace {

constexpr int kWinXP = 14;

class OptionsTest : public ::testing::Test {
protected:
    // Reads the options from a data file with the given text into m_options.
    void Read(const std::string& text, int osCode = kWinXP, const std::string& osDefine = "WINXP",
              const std::string& language = "EN") {
        const std::string path = m_dir.Write("setup.dat", text);
        CProfile profile;
        ASSERT_EQ(ERROR_SUCCESS, profile.Create(path.c_str(), path.c_str()));
        setup::CProfileConfigReader reader(profile);
        reader.SetVariant(osDefine, language, false, false);
        m_log.clear();
        setup::ReadOptions(reader, osCode, m_options,
                           [this](const std::string& line) { m_log.push_back(line); });
    }

    bool Logged(const std::string& line) const {
        return std::find(m_log.begin(), m_log.end(), line) != m_log.end();
    }

    testing_support::TempDir m_dir;
    OPTION m_options;
    std::vector<std::string> m_log;
};

const std::vector<std::string> kDefaultLog = {
    "USB ONLY Option is OFF",    "NETWORK Option is OFF",    "WIRELESS Option is OFF",
    "RIGHT ALIGN Option is OFF", "MAINTENANCE Option is ON", "Community Name size = 14",
};

TEST_F(OptionsTest, EmptyOptionSectionGivesTheDefaults) {
    Read("[OPTION]\r\n");
    const OPTION defaults;
    EXPECT_FALSE(m_options.usbOnly);
    EXPECT_FALSE(m_options.network);
    EXPECT_FALSE(m_options.wireless);
    EXPECT_FALSE(m_options.remoteInstall);
    EXPECT_TRUE(m_options.deviceInstall);
    EXPECT_FALSE(m_options.showInstError);
    EXPECT_FALSE(m_options.rightAlign);
    EXPECT_TRUE(m_options.precreateDlg);
    EXPECT_FALSE(m_options.mainOnly);
    EXPECT_FALSE(m_options.setSourcePath);
    EXPECT_FALSE(m_options.usePublicOid);
    EXPECT_FALSE(m_options.useIpx);
    EXPECT_FALSE(m_options.stopFirewall);
    EXPECT_FALSE(m_options.partner);
    EXPECT_FALSE(m_options.partnerPresent);
    EXPECT_TRUE(m_options.maintenanceOn);
    EXPECT_EQ(14u, m_options.communitySize);
    EXPECT_EQ(kDefaultLog, m_log);
}

TEST_F(OptionsTest, MissingOptionSectionIsLoggedAndGivesTheDefaults) {
    Read("[PROGRAM_INFO]\r\nUSB_ONLY = 1\r\n");
    std::vector<std::string> expected = {"Get Option fail"};
    expected.insert(expected.end(), kDefaultLog.begin(), kDefaultLog.end());
    EXPECT_EQ(expected, m_log);
    EXPECT_FALSE(m_options.usbOnly);
}

TEST_F(OptionsTest, EveryOptionIsReadAndLoggedInOrder) {
    Read(
        "[OPTION]\r\n"
        "COMMUNITY_SIZE = 32\r\nMAINTENANCE_ON = 0\r\nPARTNER = 1\r\nSTOP_FIREWALL = 1\r\n"
        "USE_IPX = 1\r\nUSE_PUBLIC_OID = 1\r\nSET_SOURCE_PATH = 1\r\nMAIN_ONLY = 1\r\n"
        "PRECREATE_DLG = 0\r\nRIGHT_ALIGN = 1\r\nSHOW_INST_ERROR = 1\r\nDEVICE_INSTALL = 0\r\n"
        "WIRELESS = 1\r\nNETWORK = 1\r\nUSB_ONLY = 1\r\nREMOTE_INSTALL = 1\r\n");
    const std::vector<std::string> expected = {
        "USB ONLY Option is ON",
        "NETWORK Option is ON",
        "WIRELESS Option is ON",
        "INSTALL DEVICE Option is OFF",
        "SHOW INSTALL ERROR Option is ON",
        "RIGHT ALIGN Option is ON",
        "PRECREATE DIALOG option is OFF",
        "JUST MAIN option is ON",
        "SET SOURCE PATH option is ON",
        "USE PUBLIC OID option is ON",
        "USE IPX option is ON",
        "Stop Firewall option is ON",
        "PARTNER option is ON",
        "MAINTENANCE Option is OFF",
        "Community Name size = 32",
    };
    EXPECT_EQ(expected, m_log);
    EXPECT_TRUE(m_options.usbOnly);
    EXPECT_TRUE(m_options.network);
    EXPECT_TRUE(m_options.wireless);
    EXPECT_FALSE(m_options.remoteInstall);  // never read from the file
    EXPECT_FALSE(m_options.deviceInstall);
    EXPECT_TRUE(m_options.showInstError);
    EXPECT_TRUE(m_options.rightAlign);
    EXPECT_FALSE(m_options.precreateDlg);
    EXPECT_TRUE(m_options.mainOnly);
    EXPECT_TRUE(m_options.setSourcePath);
    EXPECT_TRUE(m_options.usePublicOid);
    EXPECT_TRUE(m_options.useIpx);
    EXPECT_TRUE(m_options.stopFirewall);
    EXPECT_TRUE(m_options.partner);
    EXPECT_TRUE(m_options.partnerPresent);
    EXPECT_FALSE(m_options.maintenanceOn);
    EXPECT_EQ(32u, m_options.communitySize);
}

TEST_F(OptionsTest, ValuesAreNumbersAndNonZeroMeansOn) {
    struct Case {
        const char* value;
        bool on;
    } cases[] = {
        {"1", true},  {"0", false}, {"2", true},    {"0x10", true}, {"0x0", false},
        {"-1", true}, {"", false},  {"yes", false}, {"7abc", true},
    };
    for (const Case& c : cases) {
        Read(std::string("[OPTION]\r\nUSB_ONLY = ") + c.value + "\r\n");
        EXPECT_EQ(c.on, m_options.usbOnly) << c.value;
    }
}

TEST_F(OptionsTest, SecondReadChangesOnlyWhatItFinds) {
    Read(
        "[OPTION]\r\nUSB_ONLY = 1\r\nDEVICE_INSTALL = 0\r\nPRECREATE_DLG = 0\r\n"
        "PARTNER = 0\r\nMAINTENANCE_ON = 0\r\nCOMMUNITY_SIZE = 30\r\nRIGHT_ALIGN = 1\r\n");
    EXPECT_TRUE(m_options.partnerPresent);

    Read("[OPTION]\r\nSHOW_INST_ERROR = 1\r\n");
    EXPECT_FALSE(m_options.deviceInstall);
    EXPECT_FALSE(m_options.precreateDlg);
    EXPECT_FALSE(m_options.partner);
    EXPECT_TRUE(m_options.partnerPresent);
    EXPECT_EQ(30u, m_options.communitySize);
    EXPECT_TRUE(m_options.showInstError);
    // These four are settled by every read.
    EXPECT_FALSE(m_options.usbOnly);
    EXPECT_FALSE(m_options.rightAlign);
    EXPECT_TRUE(m_options.maintenanceOn);
    const std::vector<std::string> expected = {
        "USB ONLY Option is OFF",          "NETWORK Option is OFF",     "WIRELESS Option is OFF",
        "SHOW INSTALL ERROR Option is ON", "RIGHT ALIGN Option is OFF", "MAINTENANCE Option is ON",
        "Community Name size = 30",
    };
    EXPECT_EQ(expected, m_log);
}

TEST_F(OptionsTest, RightAlignIsOffOnSystemsWithoutRightToLeftLayout) {
    struct Case {
        int osCode;
        bool on;
    } cases[] = {{3, false}, {4, false}, {5, false}, {11, false}, {12, false}, {6, true},
                 {7, true},  {9, true},  {13, true}, {14, true},  {18, true},  {0, true}};
    for (const Case& c : cases) {
        Read("[OPTION]\r\nRIGHT_ALIGN = 1\r\n", c.osCode);
        EXPECT_EQ(c.on, m_options.rightAlign) << c.osCode;
        EXPECT_TRUE(Logged(c.on ? "RIGHT ALIGN Option is ON" : "RIGHT ALIGN Option is OFF"))
            << c.osCode;
    }
}

TEST_F(OptionsTest, CommunitySizeZeroOrMissingKeepsTheSize) {
    Read("[OPTION]\r\nCOMMUNITY_SIZE = 0\r\n");
    EXPECT_EQ(14u, m_options.communitySize);
    EXPECT_TRUE(Logged("Community Name size = 14"));

    Read("[OPTION]\r\nCOMMUNITY_SIZE = 0x20\r\n");
    EXPECT_EQ(32u, m_options.communitySize);
    Read("[OPTION]\r\nCOMMUNITY_SIZE = 0\r\n");
    EXPECT_EQ(32u, m_options.communitySize);
}

TEST_F(OptionsTest, SetSourcePathOffIsLogged) {
    Read("[OPTION]\r\nSET_SOURCE_PATH = 0\r\n");
    EXPECT_FALSE(m_options.setSourcePath);
    EXPECT_TRUE(Logged("SET SOURCE PATH option is OFF"));
}

TEST_F(OptionsTest, VariantSectionWinsOverOption) {
    const std::string text =
        "[OPTION]\r\nNETWORK = 0\r\nWIRELESS = 1\r\n"
        "[OPTION.WINXP]\r\nNETWORK = 1\r\n"
        "[OPTION.EN]\r\nUSB_ONLY = 1\r\n";
    Read(text);
    EXPECT_TRUE(m_options.network);
    EXPECT_TRUE(m_options.wireless);  // not in the variant: from OPTION
    EXPECT_FALSE(m_options.usbOnly);  // OPTION.WINXP is more specific than OPTION.EN

    Read(text, 18, "VISTA");
    EXPECT_FALSE(m_options.network);
    EXPECT_TRUE(m_options.usbOnly);

    Read(text + "[OPTION.winxp.en]\r\nNETWORK = 0\r\n");
    EXPECT_FALSE(m_options.network);
}

TEST_F(OptionsTest, VariantWithoutPlainOptionSection) {
    Read("[OPTION.WINXP]\r\nPRECREATE_DLG = 0\r\n");
    EXPECT_FALSE(m_options.precreateDlg);
    EXPECT_FALSE(Logged("Get Option fail"));
}

}  // namespace

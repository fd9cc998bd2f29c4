#include "environment/RequirementRecord.h"

#include <gtest/gtest.h>

#include <string>

#include "environment/ProfileConfigReader.h"
#include "foundation/Profile.h"
#include "tests/support/TempDir.h"

namespace {

using setup::RequirementFailure;

class RequirementReadTest : public ::testing::Test {
protected:
    SYSTEM_REQUIREMENT Read(const std::string& text, const std::string& sectionNames) {
        const std::string path = m_dir.Write("setup.dat", text);
        CProfile profile;
        EXPECT_EQ(ERROR_SUCCESS, profile.Create(path.c_str(), path.c_str()));
        setup::CProfileConfigReader reader(profile);
        SYSTEM_REQUIREMENT requirement;
        requirement.freeSpace = 99;  // must not survive the read
        setup::ReadRequirements(reader, sectionNames, requirement);
        return requirement;
    }

    testing_support::TempDir m_dir;
};

TEST_F(RequirementReadTest, ReadsEveryKey) {
    const SYSTEM_REQUIREMENT r = Read(
        "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 500\r\nUNSUPPORTED_OS = WIN95, WIN98\r\n"
        "MSG_NOT_SUPPORTED_OS = Old system\r\nMSG_NO_FREE_SPACE = Need %s\r\n"
        "MSG_USB_NOT_AVAILABLE = No USB\r\n",
        "SYSTEM_REQUIREMENT ");
    EXPECT_TRUE(r.present);
    EXPECT_EQ(500u, r.freeSpace);
    EXPECT_EQ("WIN95, WIN98", r.unsupportedOS);
    EXPECT_EQ("Old system", r.msgNotSupportedOS);
    EXPECT_EQ("Need %s", r.msgNoFreeSpace);
    EXPECT_EQ("No USB", r.msgUsbNotAvailable);
}

TEST_F(RequirementReadTest, MissingKeysTakeTheDefaultMessages) {
    const SYSTEM_REQUIREMENT r =
        Read("[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 10\r\n", "OPTION SYSTEM_REQUIREMENT ");
    EXPECT_TRUE(r.present);
    EXPECT_EQ(10u, r.freeSpace);
    EXPECT_EQ("", r.unsupportedOS);
    EXPECT_EQ("This Windows Version is not supported.\r\nThe Setup program will be terminated.",
              r.msgNotSupportedOS);
    EXPECT_EQ(
        "The available Disk space is not enough. Please increase available disk space about "
        "\"%s\" and try again.",
        r.msgNoFreeSpace);
    EXPECT_EQ(
        "USB Devic is not available. Please check the configuration of system and BIOS then "
        "USB device as available status and try again.",
        r.msgUsbNotAvailable);
}

TEST_F(RequirementReadTest, PresenceIsAnySectionNameContainingTheWord) {
    const std::string text = "[SYSTEM_REQUIREMENT]\r\nFREE_SPACE = 10\r\n";
    EXPECT_TRUE(Read(text, "OPTION my_system_requirements ").present);
    const SYSTEM_REQUIREMENT absent = Read(text, "OPTION PROGRAM_INFO SYSTEM_REQ ");
    EXPECT_FALSE(absent.present);
    EXPECT_EQ(0u, absent.freeSpace);
}

struct OSCase {
    const char* list;
    const char* define;
    bool refused;
};

const OSCase kOSCases[] = {
    {"WIN95, WIN98", "WIN98", true},
    {"WIN95,WIN98", "win95", true},
    {"  \"win95 win98\"\t", "WIN98", true},
    {"WIN95,,WIN98", "WIN98", true},
    {"WIN95, WIN98", "WINXP", false},
    {"WIN95X", "WIN95", false},
    {"WIN95", "WIN95X", false},
    {"WIN95, WIN98", "", false},
    {", ,", "", false},
    {"", "WINXP", false},
};

class RefusedOSTest : public ::testing::TestWithParam<OSCase> {};

TEST_P(RefusedOSTest, MatchesWholeNamesOnly) {
    const OSCase& c = GetParam();
    EXPECT_EQ(c.refused, setup::IsOSRefused(c.list, c.define))
        << "list \"" << c.list << "\" define \"" << c.define << "\"";
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedOSTest, ::testing::ValuesIn(kOSCases));

TEST(FreeSpaceMessage, FillsTheMinimumIntoItsPlaceholderOnly) {
    SYSTEM_REQUIREMENT r;
    r.freeSpace = 500;
    r.msgNoFreeSpace = setup::kDefaultMsgNoFreeSpace;
    EXPECT_EQ(
        "The available Disk space is not enough. Please increase available disk space about "
        "\"500MB\" and try again.",
        setup::FreeSpaceMessage(r));
    // Any other percent sign in a configured text is shown as written.
    r.msgNoFreeSpace = "%d%% of %s; then %s %n";
    EXPECT_EQ("%d%% of 500MB; then %s %n", setup::FreeSpaceMessage(r));
    r.msgNoFreeSpace = "No placeholder";
    EXPECT_EQ("No placeholder", setup::FreeSpaceMessage(r));
}

// One start-up check: the record's minimum and refused list, the system's
// answers, and what the check decides.
struct CheckCase {
    const char* name;
    DWORD minimum;
    const char* unsupported;
    DWORD freeSpace;
    const char* osDefine;
    bool checkUsb;
    bool usbKnown;
    int portCount;
    RequirementFailure failure;
    bool asksUsb;
};

const CheckCase kCheckCases[] = {
    {"EnoughSpace", 500, "", 800, "WINXP", false, false, 0, RequirementFailure::kNone, false},
    {"SpaceTooLow", 500, "", 200, "WINXP", false, false, 0, RequirementFailure::kFreeSpace, false},
    {"SpaceExactlyTheMinimum", 500, "", 500, "WINXP", false, false, 0, RequirementFailure::kNone,
     false},
    {"NoSpaceAnswerPasses", 500, "", 0, "WINXP", false, false, 0, RequirementFailure::kNone, false},
    {"NoMinimum", 0, "", 1, "WINXP", false, false, 0, RequirementFailure::kNone, false},
    {"SpaceIsTestedBeforeTheOS", 500, "WINXP", 200, "WINXP", true, false, -1,
     RequirementFailure::kFreeSpace, false},
    {"OSRefused", 0, "WIN95, WIN98", 0, "WIN98", false, false, 0,
     RequirementFailure::kUnsupportedOS, false},
    {"OSIsTestedBeforeUsb", 0, "WIN98", 0, "WIN98", true, false, -1,
     RequirementFailure::kUnsupportedOS, false},
    {"UsbRequiredAndMissing", 0, "WIN95", 0, "WINXP", true, false, -1,
     RequirementFailure::kUsbNotAvailable, true},
    {"UsbRequiredNoDeviceYet", 0, "", 0, "WINXP", true, false, 0, RequirementFailure::kNone, true},
    {"UsbRequiredDeviceFound", 0, "", 0, "WINXP", true, false, 1, RequirementFailure::kNone, true},
    {"UsbAlreadyKnown", 0, "", 0, "WINXP", true, true, -1, RequirementFailure::kNone, false},
    {"UsbNotRequired", 0, "", 0, "WINXP", false, false, -1, RequirementFailure::kNone, false},
};

class RequirementCheckTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(RequirementCheckTest, DecidesByTheFirstFailedTest) {
    const CheckCase& c = GetParam();
    SYSTEM_REQUIREMENT r;
    r.present = true;
    r.freeSpace = c.minimum;
    r.unsupportedOS = c.unsupported;
    int spaceCalls = 0;
    int usbCalls = 0;
    setup::RequirementProbes probes;
    probes.freeSpace = [&](const std::string& directory) {
        EXPECT_EQ("", directory);
        ++spaceCalls;
        return c.freeSpace;
    };
    probes.devicePortCount = [&] {
        ++usbCalls;
        return c.portCount;
    };
    EXPECT_EQ(c.failure,
              setup::EvaluateRequirements(r, c.osDefine, c.checkUsb, c.usbKnown, probes));
    EXPECT_EQ(1, spaceCalls);
    EXPECT_EQ(c.asksUsb ? 1 : 0, usbCalls);
}

INSTANTIATE_TEST_SUITE_P(Cases, RequirementCheckTest, ::testing::ValuesIn(kCheckCases),
                         [](const ::testing::TestParamInfo<CheckCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(RequirementCheck, WithoutTheSectionNothingIsAsked) {
    SYSTEM_REQUIREMENT r;
    r.freeSpace = 500;
    r.unsupportedOS = "WINXP";
    setup::RequirementProbes probes;
    probes.freeSpace = [](const std::string&) -> DWORD {
        ADD_FAILURE() << "free space asked";
        return 1;
    };
    probes.devicePortCount = [] {
        ADD_FAILURE() << "USB asked";
        return -1;
    };
    EXPECT_EQ(RequirementFailure::kNone,
              setup::EvaluateRequirements(r, "WINXP", true, false, probes));
}

TEST(RequirementCheck, MessageForEachFailure) {
    SYSTEM_REQUIREMENT r;
    r.freeSpace = 750;
    r.msgNoFreeSpace = "space %s";
    r.msgNotSupportedOS = "os";
    r.msgUsbNotAvailable = "usb";
    EXPECT_EQ("space 750MB", setup::RequirementMessage(r, RequirementFailure::kFreeSpace));
    EXPECT_EQ("os", setup::RequirementMessage(r, RequirementFailure::kUnsupportedOS));
    EXPECT_EQ("usb", setup::RequirementMessage(r, RequirementFailure::kUsbNotAvailable));
    EXPECT_EQ("", setup::RequirementMessage(r, RequirementFailure::kNone));
}

}  // namespace

#include "environment/SectionVariant.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "environment/ProfileConfigReader.h"
#include "foundation/Profile.h"
#include "tests/support/TempDir.h"

namespace {

using setup::SectionVariantNames;
using Names = std::vector<std::string>;

TEST(SectionVariantTest, CandidatesMostSpecificFirst) {
    EXPECT_EQ((Names{"OPTION.WINXP.EN.NETWORK.USB", "OPTION.WINXP.EN.NETWORK",
                     "OPTION.WINXP.EN.USB", "OPTION.WINXP.EN", "OPTION.WINXP.NETWORK.USB",
                     "OPTION.WINXP.NETWORK", "OPTION.WINXP.USB", "OPTION.WINXP",
                     "OPTION.EN.NETWORK.USB", "OPTION.EN.NETWORK", "OPTION.EN.USB", "OPTION.EN",
                     "OPTION.NETWORK.USB", "OPTION.NETWORK", "OPTION.USB", "OPTION"}),
              SectionVariantNames("OPTION", "WINXP", "EN", true, true));
    EXPECT_EQ((Names{"OPTION.WINXP.EN.NETWORK", "OPTION.WINXP.EN", "OPTION.WINXP.NETWORK",
                     "OPTION.WINXP", "OPTION.EN.NETWORK", "OPTION.EN", "OPTION.NETWORK", "OPTION"}),
              SectionVariantNames("OPTION", "WINXP", "EN", true, false));
    EXPECT_EQ((Names{"OPTION.WINXP.EN.USB", "OPTION.WINXP.EN", "OPTION.WINXP.USB", "OPTION.WINXP",
                     "OPTION.EN.USB", "OPTION.EN", "OPTION.USB", "OPTION"}),
              SectionVariantNames("OPTION", "WINXP", "EN", false, true));
    EXPECT_EQ((Names{"PAGE.VISTA.JP", "PAGE.VISTA", "PAGE.JP", "PAGE"}),
              SectionVariantNames("page", "Vista", "jp", false, false));
}

TEST(SectionVariantTest, EmptyPartsAreLeftOut) {
    EXPECT_EQ((Names{"OPTION.EN", "OPTION"}),
              SectionVariantNames("OPTION", "", "EN", false, false));
    EXPECT_EQ((Names{"OPTION.WINXP.USB", "OPTION.WINXP", "OPTION.USB", "OPTION"}),
              SectionVariantNames("OPTION", "WINXP", "", false, true));
}

TEST(SectionVariantTest, ReaderFindsTheFirstExistingCandidate) {
    testing_support::TempDir dir;
    const std::string path =
        dir.Write("setup.dat", "[Option]\r\nA=1\r\n[option.en.usb]\r\nA=2\r\n[OPTION.EN]\r\n");
    CProfile profile;
    ASSERT_EQ(ERROR_SUCCESS, profile.Create(path.c_str(), nullptr));
    setup::CProfileConfigReader reader(profile);
    std::string name = "<unchanged>";

    reader.SetVariant("WINXP", "EN", false, false);
    EXPECT_TRUE(reader.FindSectionVariant("OPTION", name));
    EXPECT_EQ("OPTION.EN", name);
    reader.SetVariant("WINXP", "EN", false, true);
    EXPECT_TRUE(reader.FindSectionVariant("OPTION", name));
    EXPECT_EQ("OPTION.EN.USB", name);
    reader.SetVariant("WINXP", "FN", false, false);
    EXPECT_TRUE(reader.FindSectionVariant("OPTION", name));
    EXPECT_EQ("OPTION", name);

    name = "<unchanged>";
    EXPECT_FALSE(reader.FindSectionVariant("PAGE", name));
    EXPECT_FALSE(reader.FindSectionVariant("", name));
    EXPECT_EQ("<unchanged>", name);
}

}  // namespace

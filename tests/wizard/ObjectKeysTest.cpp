// Object sections read into their records: the keys and their forms, line
// order, the 64-bit parameters, chains of base sections, the test whether a
// command can run, font sections, drawings, and the result-list provider.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "environment/ConfigFile.h"
#include "tests/support/TempDir.h"
#include "wizard/objects/DrawingRecord.h"
#include "wizard/objects/ObjectKeys.h"
#include "wizard/objects/SelectedItems.h"

namespace {

using setup::MakeColor;

class ObjectKeysTest : public ::testing::Test {
protected:
    void Load(const std::string& text) {
        const std::string path = m_dir.Write("objects.psi", text);
        ASSERT_TRUE(m_config.Load(path, std::string(), std::string(), false));
    }

    setup::ObjectReadContext Context(bool is64Bit = false) {
        setup::ObjectReadContext context;
        context.is64Bit = is64Bit;
        context.fileExists = [this](const std::string& path) {
            return m_existing.count(path) != 0;
        };
        context.report = [this](const std::string& reason) { m_reports.push_back(reason); };
        return context;
    }

    bool Read(const std::string& section, OBJECT_RECORD& record, bool is64Bit = false) {
        return setup::LoadObjectRecord(record, m_config, section, Context(is64Bit));
    }

    testing_support::TempDir m_dir;
    CConfigFile m_config;
    std::set<std::string> m_existing;
    std::vector<std::string> m_reports;
};

TEST_F(ObjectKeysTest, DefaultsOfAnEmptySection) {
    Load("[LINK.EMPTY]\r\n");
    OBJECT_RECORD record;
    ASSERT_TRUE(Read("LINK.EMPTY", record));
    EXPECT_EQ(record.sectionName, "LINK.EMPTY");
    EXPECT_TRUE(record.name.empty());
    EXPECT_EQ(record.position.x, 0);
    EXPECT_FALSE(record.HasSize());
    EXPECT_TRUE(record.command.type.empty());
    EXPECT_TRUE(record.enable);
    EXPECT_TRUE(record.show);
    EXPECT_FALSE(record.colorsGiven || record.transGiven || record.backGiven);
    EXPECT_FALSE(record.fontGiven || record.useBitmapIcon || record.defaultButton);
    EXPECT_EQ(record.transColor, MakeColor(198, 195, 198));
    EXPECT_EQ(record.backColor, setup::ButtonFaceColor());
    EXPECT_EQ(record.color, 0u);
    EXPECT_TRUE(m_reports.empty());
}

TEST_F(ObjectKeysTest, EveryKeyInItsForm) {
    Load(
        "[FONT.BIG]\r\nLF_FACENAME = Courier New\r\nLF_HEIGHT = -20\r\nLF_BOLD = 1\r\n"
        "[BUTTON.ALL]\r\n"
        "NAME = Read me\r\nPOSITION = 10, 20\r\nSIZE = 30, 40\r\n"
        "CMD_TYPE = CT_OPEN_URL\r\nCMD_PARAM1 = p1\r\nCMD_PARAM2 = p2\r\nCMD_PARAM3 = p3\r\n"
        "CMD_PARAM4 = p4\r\nCMD_PARAM5 = p5\r\nTOOLTIP = tip\r\nSCRIPT = status\r\n"
        "HI_COLOR = 1, 2, 3\r\nCOLOR = 4, 5, 6\r\nDIS_COLOR = 7, 8, 9\r\n"
        "TRANS_COLOR = 10, 11, 12\r\nBACK_COLOR = 13, 14, 15\r\nUSE_BITMAP_ICON = 1\r\n"
        "ON_BITMAP = ON\r\nOFF_BITMAP = OFF\r\nCLICKED_BITMAP = CLICKED\r\nFONT = FONT.BIG\r\n"
        "ENABLE = 0\r\nSHOW = 0\r\nUNSUPPORTED_OS = OS0501\r\nDATA_SECTION = LANGS\r\n"
        "AVI_FILE = clip.avi\r\nDEFAULT_BUTTON = 1\r\nTEXT_FILE = readme.txt\r\n"
        "TEXT_ALIGN_CENTER = 2\r\nUNKNOWN_KEY = 5\r\n");
    OBJECT_RECORD r;
    ASSERT_TRUE(Read("BUTTON.ALL", r));
    EXPECT_EQ(r.name, "Read me");
    EXPECT_EQ(r.position.x, 10);
    EXPECT_EQ(r.position.y, 20);
    EXPECT_EQ(r.size.cx, 30);
    EXPECT_EQ(r.size.cy, 40);
    EXPECT_EQ(r.command.type, "CT_OPEN_URL");
    EXPECT_EQ(r.command.params[0], "p1");
    EXPECT_EQ(r.command.params[4], "p5");
    EXPECT_EQ(r.tooltip, "tip");
    EXPECT_EQ(r.script, "status");
    EXPECT_TRUE(r.colorsGiven);
    EXPECT_EQ(r.hiColor, MakeColor(1, 2, 3));
    EXPECT_EQ(r.color, MakeColor(4, 5, 6));
    EXPECT_EQ(r.disColor, MakeColor(7, 8, 9));
    EXPECT_TRUE(r.transGiven);
    EXPECT_EQ(r.transColor, MakeColor(10, 11, 12));
    EXPECT_TRUE(r.backGiven);
    EXPECT_EQ(r.backColor, MakeColor(13, 14, 15));
    EXPECT_TRUE(r.useBitmapIcon);
    EXPECT_EQ(r.onBitmap, "ON");
    EXPECT_EQ(r.offBitmap, "OFF");
    EXPECT_EQ(r.clickedBitmap, "CLICKED");
    ASSERT_TRUE(r.fontGiven);
    EXPECT_EQ(r.font.faceName, "Courier New");
    EXPECT_EQ(r.font.height, -20);
    EXPECT_TRUE(r.font.bold);
    EXPECT_FALSE(r.font.italic);
    EXPECT_FALSE(r.enable);
    EXPECT_FALSE(r.show);
    EXPECT_EQ(r.unsupportedOs, "OS0501");
    EXPECT_EQ(r.dataSection, "LANGS");
    EXPECT_EQ(r.aviFile, "clip.avi");
    EXPECT_TRUE(r.defaultButton);
    EXPECT_EQ(r.textFile, "readme.txt");
    EXPECT_TRUE(r.textAlignCenter);
}

TEST_F(ObjectKeysTest, KeysAreTrimmedAndMatchedWithoutCase) {
    Load(
        "[STATIC.T]\r\nname = lower\r\n\tPosition\t= 5, 6\r\nSHOW\r\n"
        "[STATIC.BAD]\r\nPOSITION = x\r\nSIZE = 1\r\nCOLOR = red\r\n");
    OBJECT_RECORD record;
    ASSERT_TRUE(Read("STATIC.T", record));
    EXPECT_EQ(record.name, "lower");
    EXPECT_EQ(record.position.x, 5);
    // A bare key carries no value and changes nothing.
    EXPECT_TRUE(record.show);

    // Values that cannot be read in their form leave the defaults.
    OBJECT_RECORD bad;
    ASSERT_TRUE(Read("STATIC.BAD", bad));
    EXPECT_FALSE(bad.HasSize());
    EXPECT_FALSE(bad.colorsGiven);
    EXPECT_EQ(bad.color, 0u);
}

TEST_F(ObjectKeysTest, SixtyFourBitParametersFollowLineOrder) {
    Load(
        "[BUTTON.AFTER]\r\nCMD_TYPE = CT_OPEN_URL\r\nCMD_PARAM1 = plain\r\n"
        "CMD_PARAM1.64 = wide\r\nCMD_PARAM5.64 = five\r\n"
        "[BUTTON.BEFORE]\r\nCMD_TYPE = CT_OPEN_URL\r\nCMD_PARAM1.64 = wide\r\n"
        "CMD_PARAM1 = plain\r\n");
    struct Case {
        const char* section;
        bool is64Bit;
        const char* param1;
        const char* param5;
    } cases[] = {
        {"BUTTON.AFTER", true, "wide", "five"},
        {"BUTTON.AFTER", false, "plain", ""},
        {"BUTTON.BEFORE", true, "plain", ""},
        {"BUTTON.BEFORE", false, "plain", ""},
    };
    for (const Case& c : cases) {
        OBJECT_RECORD record;
        ASSERT_TRUE(Read(c.section, record, c.is64Bit)) << c.section;
        EXPECT_EQ(record.command.params[0], c.param1) << c.section << " " << c.is64Bit;
        EXPECT_EQ(record.command.params[4], c.param5) << c.section << " " << c.is64Bit;
    }
}

TEST_F(ObjectKeysTest, ApplyObjectKeyTellsWhetherTheKeyBelongsToTheRecord) {
    Load("[S]\r\nCMD_PARAM2.64 = x\r\nOTHER = y\r\n");
    OBJECT_RECORD record;
    EXPECT_FALSE(setup::ApplyObjectKey(record, m_config, "S", "CMD_PARAM2.64", Context(false)));
    EXPECT_TRUE(record.command.params[1].empty());
    EXPECT_TRUE(setup::ApplyObjectKey(record, m_config, "S", "cmd_param2.64", Context(true)));
    EXPECT_EQ(record.command.params[1], "x");
    EXPECT_FALSE(setup::ApplyObjectKey(record, m_config, "S", "OTHER", Context(true)));
}

TEST_F(ObjectKeysTest, BaseSectionsComeFirstAndOwnKeysWin) {
    Load(
        "[BASE.ROOT]\r\nNAME = root\r\nTOOLTIP = root tip\r\nSHOW = 0\r\n"
        "[BASE.MID]\r\nBASE_ON = BASE.ROOT\r\nNAME = middle\r\nSCRIPT = mid\r\n"
        "[LINK.OWN]\r\nBASE_ON = BASE.MID\r\nNAME = own\r\n"
        "[LINK.INHERITS]\r\nBASE_ON = BASE.MID\r\nPOSITION = 1, 2\r\n"
        "[LINK.NO_BASE]\r\nBASE_ON = NOWHERE\r\nNAME = alone\r\n");
    OBJECT_RECORD own;
    ASSERT_TRUE(Read("LINK.OWN", own));
    EXPECT_EQ(own.name, "own");
    EXPECT_EQ(own.tooltip, "root tip");
    EXPECT_EQ(own.script, "mid");
    EXPECT_FALSE(own.show);
    EXPECT_EQ(own.sectionName, "LINK.OWN");

    OBJECT_RECORD inherits;
    ASSERT_TRUE(Read("LINK.INHERITS", inherits));
    EXPECT_EQ(inherits.name, "middle");
    EXPECT_EQ(inherits.sectionName, "LINK.INHERITS");
    EXPECT_TRUE(m_reports.empty());

    // A base that does not exist is reported; the object keeps its own keys.
    OBJECT_RECORD alone;
    ASSERT_TRUE(Read("LINK.NO_BASE", alone));
    EXPECT_EQ(alone.name, "alone");
    ASSERT_EQ(m_reports.size(), 1u);
    EXPECT_NE(m_reports[0].find("NOWHERE"), std::string::npos);
}

TEST_F(ObjectKeysTest, BaseChainsEndAtTheDepthLimit) {
    // LINK.CHAIN<n> is based on LINK.CHAIN<n+1>; the last one on nothing.
    auto chain = [](int bases) {
        std::string text;
        for (int i = 0; i <= bases; ++i) {
            text +=
                "[LINK.CHAIN" + std::to_string(i) + "]\r\nNAME = n" + std::to_string(i) + "\r\n";
            if (i < bases) {
                text += "BASE_ON = LINK.CHAIN" + std::to_string(i + 1) + "\r\n";
            }
        }
        return text;
    };
    Load(chain(setup::kMaxBaseDepth));
    OBJECT_RECORD deepest;
    EXPECT_TRUE(Read("LINK.CHAIN0", deepest));
    EXPECT_EQ(deepest.name, "n0");
    EXPECT_TRUE(m_reports.empty());

    Load(chain(setup::kMaxBaseDepth + 1));
    OBJECT_RECORD tooDeep;
    EXPECT_FALSE(Read("LINK.CHAIN0", tooDeep));
    ASSERT_EQ(m_reports.size(), 1u);
    EXPECT_NE(m_reports[0].find("deeper than 16"), std::string::npos);

    Load(
        "[LINK.SELF]\r\nBASE_ON = link.self\r\n"
        "[LINK.A]\r\nBASE_ON = LINK.B\r\n[LINK.B]\r\nBASE_ON = LINK.A\r\n");
    for (const char* looping : {"LINK.SELF", "LINK.A"}) {
        m_reports.clear();
        OBJECT_RECORD record;
        EXPECT_FALSE(Read(looping, record)) << looping;
        EXPECT_EQ(m_reports.size(), 1u) << looping;
    }
}

TEST_F(ObjectKeysTest, MissingSectionFails) {
    Load("[OTHER]\r\n");
    OBJECT_RECORD record;
    EXPECT_FALSE(Read("LINK.NONE", record));
    EXPECT_EQ(m_reports.size(), 1u);
}

TEST_F(ObjectKeysTest, CommandsThatNameMissingFilesAreNotUsable) {
    m_existing.insert("setup\\present.exe");
    struct Case {
        const char* type;
        const char* param1;
        bool usable;
    } cases[] = {
        {"CT_EXE_FILE_WAIT", "setup\\missing.exe", false},
        {"ct_exe_file_wait", "setup\\missing.exe", false},
        {"CT_EXE_FILE_WAIT", "setup\\present.exe", true},
        {"CT_EXE_FILE_NOWAIT", "setup\\missing.exe", false},
        {"CT_EXE_FILE_ACTIVE", "setup\\missing.exe", false},
        {"CT_EXE_AND_TERMINATE", "setup\\missing.exe", false},
        {"CT_RUNDLL", "setup\\missing.exe", false},
        {"CT_RUNDLL_AND_TERMINATE", "setup\\missing.exe", false},
        {"CT_OPEN_FILE_NOWAIT", "setup\\missing.exe", false},
        {"CT_OPEN_FILE_WAIT", "setup\\missing.exe", false},
        {"CT_OPEN_MANUAL", "setup\\missing.exe", false},
        {"CT_EXE_FILE_WAIT", "", true},
        {"CT_OPEN_URL", "setup\\missing.exe", true},
        {"CT_OPEN_DLG", "NORMAL.NEXT", true},
        {"", "setup\\missing.exe", true},
    };
    for (const Case& c : cases) {
        const COMMAND_RECORD command = COMMAND_RECORD::Make(c.type, c.param1);
        EXPECT_EQ(setup::IsObjectCommandUsable(command, Context()), c.usable)
            << c.type << " " << c.param1;
    }
}

TEST_F(ObjectKeysTest, UnusableCommandLeavesTheObjectOut) {
    Load(
        "[BUTTON.RUN]\r\nNAME = Run\r\nCMD_TYPE = CT_EXE_FILE_WAIT\r\n"
        "CMD_PARAM1 = setup\\missing.exe\r\n");
    OBJECT_RECORD record;
    EXPECT_FALSE(Read("BUTTON.RUN", record));
    ASSERT_EQ(m_reports.size(), 1u);
    EXPECT_NE(m_reports[0].find("setup\\missing.exe"), std::string::npos);
}

TEST_F(ObjectKeysTest, FontSections) {
    Load("[FONT.LONG]\r\nLF_FACENAME = " + std::string(40, 'F') +
         "\r\nLF_WIDTH = 7\r\nLF_ITALIC = 1\r\nLF_UNDERLINE = 3\r\nLF_BOLD = 0\r\n"
         "[STATIC.NO_FONT]\r\nFONT = FONT.MISSING\r\n");
    FONT_SECTION font;
    ASSERT_TRUE(setup::ReadFontSection(m_config, "FONT.LONG", font));
    EXPECT_EQ(font.faceName, std::string(31, 'F'));
    EXPECT_EQ(font.width, 7);
    EXPECT_EQ(font.height, 0);
    EXPECT_TRUE(font.italic);
    EXPECT_TRUE(font.underline);
    EXPECT_FALSE(font.bold);

    OBJECT_RECORD record;
    ASSERT_TRUE(Read("STATIC.NO_FONT", record));
    EXPECT_FALSE(record.fontGiven);
}

TEST_F(ObjectKeysTest, DrawingRecords) {
    Load(
        "[GRADIENTRECT.PLAIN]\r\nPOSITION = 5, 6\r\nSIZE = 100, 20\r\n"
        "[RECTANGLE.R]\r\nLINE_WIDTH = 3\r\nCOLOR = 1, 2, 3\r\nNAME = not read\r\n"
        "[GROUP_BOX.G]\r\nNAME = " +
        std::string(300, 'g') + "\r\nBACK_COLOR = 9, 9, 9\r\nBASE_ON = RECTANGLE.R\r\n");
    DRAWING_RECORD gradient;
    ASSERT_TRUE(setup::ReadDrawingRecord(m_config, "GRADIENTRECT.PLAIN", DRAWING_RECORD::kGradient,
                                         gradient));
    EXPECT_EQ(gradient.type, DRAWING_RECORD::kGradient);
    EXPECT_EQ(gradient.startColor, 0xFF0000u);
    EXPECT_EQ(gradient.endColor, 0xFFFFFFu);
    EXPECT_EQ(gradient.lineWidth, 1u);
    const RECT rect = gradient.Rect();
    EXPECT_EQ(rect.left, 5);
    EXPECT_EQ(rect.bottom, 26);

    DRAWING_RECORD rectangle;
    ASSERT_TRUE(
        setup::ReadDrawingRecord(m_config, "RECTANGLE.R", DRAWING_RECORD::kRectangle, rectangle));
    EXPECT_EQ(rectangle.lineWidth, 3u);
    EXPECT_EQ(rectangle.color, MakeColor(1, 2, 3));
    EXPECT_TRUE(rectangle.name.empty());

    // No base sections for drawings; the title is cut to 259 characters.
    DRAWING_RECORD group;
    ASSERT_TRUE(
        setup::ReadDrawingRecord(m_config, "GROUP_BOX.G", DRAWING_RECORD::kGroupBox, group));
    EXPECT_EQ(group.name.size(), DRAWING_RECORD::kMaxName);
    EXPECT_EQ(group.backColor, MakeColor(9, 9, 9));
    EXPECT_EQ(group.lineWidth, 1u);
    EXPECT_EQ(group.color, 0u);

    DRAWING_RECORD missing;
    EXPECT_FALSE(setup::ReadDrawingRecord(m_config, "LINE.NONE", DRAWING_RECORD::kLine, missing));
}

TEST(SelectedItems, ProviderGivesTheNames) {
    EXPECT_TRUE(setup::GetSelectedItemNames().empty());
    setup::SetSelectedItemsProvider([] { return std::vector<std::string>{"Driver", "Utility"}; });
    EXPECT_EQ(setup::GetSelectedItemNames(), (std::vector<std::string>{"Driver", "Utility"}));
    setup::SetSelectedItemsProvider(nullptr);
    EXPECT_TRUE(setup::GetSelectedItemNames().empty());
}

}  // namespace

#include <gtest/gtest.h>

#include "wizard/PageKinds.h"
#include "wizard/PageText.h"

namespace {

using setup::ObjectKind;
using setup::PageKind;

TEST(PageKinds, FirstKindOfTheTableDecides) {
    struct Case {
        const char* section;
        PageKind kind;
        int templateId;
    } cases[] = {
        {"NORMAL.WELCOME", PageKind::kNormal, 130},
        {"normal.welcome", PageKind::kNormal, 130},
        {"FINISH.NORMAL.X", PageKind::kNormal, 130},
        {"INSTALL1.MAIN", PageKind::kInstall1, 146},
        {"INSTALL.MAIN", PageKind::kInstall, 136},
        {"SET_PRINTER1.A", PageKind::kSetPrinter1, 148},
        {"WEB_AGREE.A", PageKind::kWebAgree, 149},
        {"WELCOME", PageKind::kNone, 0},
        {"", PageKind::kNone, 0},
    };
    for (const Case& c : cases) {
        const setup::PageKindInfo info = setup::FindPageKind(c.section);
        EXPECT_EQ(info.kind, c.kind) << c.section;
        EXPECT_EQ(info.templateId, c.templateId) << c.section;
    }
}

TEST(ObjectKinds, CaseSensitiveAndInTableOrder) {
    struct Case {
        const char* section;
        ObjectKind kind;
    } cases[] = {
        {"LINK.README", ObjectKind::kLink},
        {"Link.README", ObjectKind::kNone},
        {"BUTTON.STATIC.X", ObjectKind::kText},
        {"BITMAP.LOGO", ObjectKind::kBitmap},
        {"LANG.LIST", ObjectKind::kLanguageList},
        {"RESULTLIST.R", ObjectKind::kResultList},
        {"GRADIENTRECT.TOP", ObjectKind::kGradient},
        {"GROUP_BOX.G", ObjectKind::kGroupBox},
        {"NOTHING", ObjectKind::kNone},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::FindObjectKind(c.section), c.kind) << c.section;
    }
    EXPECT_EQ(setup::DrawingType(ObjectKind::kLine), 4);
    EXPECT_EQ(setup::DrawingType(ObjectKind::kGradient), 8);
    EXPECT_EQ(setup::DrawingType(ObjectKind::kLink), 0);
}

TEST(ItemTypeFlags, SubstringsMakeTheFlags) {
    struct Case {
        const char* value;
        int flags;
    } cases[] = {
        {"NOT_INST|UNCHK|TYPE_UNIN", 2 + 0x10 + 0x100},
        {"ALL", 3},
        {"inst chk", 1 + 0x20},
        {"NORMAL", 0},
        {"NORMAL TYPE_REIN", 0x200},
        {"", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(setup::ItemTypeFlags(c.value), c.flags) << c.value;
    }
}

TEST(PageRequest, SplitsAtTheFirstDash) {
    struct Case {
        const char* text;
        const char* name;
        const char* parameter;
    } cases[] = {
        {"NORMAL.WELCOME", "NORMAL.WELCOME", ""},
        {"NORMAL.WELCOME - again", "NORMAL.WELCOME", "again"},
        {" \t\"NORMAL.X\"-a-b \t", "NORMAL.X", "a-b"},
        {"-param", "", "param"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const setup::PageRequest request = setup::SplitPageRequest(c.text);
        EXPECT_EQ(request.name, c.name) << c.text;
        EXPECT_EQ(request.parameter, c.parameter) << c.text;
    }
}

}  // namespace

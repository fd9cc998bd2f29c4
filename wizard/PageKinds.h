// The kinds of pages and page objects, named by a text inside their section
// names ("NORMAL.WELCOME", "LINK.README").
#pragma once

#include <string>

namespace setup {

enum class PageKind {
    kNone,
    kNormal,
    kDeviceConnect,
    kCustom,
    kCopyFile,
    kInstall,
    kInstall1,
    kTestPage,
    kFinish,
    kSearchAvi,
    kSelectNetPrinter1,
    kAddTcpipPort,
    kSetIp,
    kSetPrinter,
    kSetPrinter1,
    kSelectType,
    kLicense,
    kWebAgree,
};

struct PageKindInfo {
    PageKind kind;
    const char* text;  // "NORMAL."
    int templateId;    // dialog template of the kind
};

// The page kind of a section name: the name is upper-cased and searched for
// each kind text in table order; the first found decides. kNone (template
// 0) when the name holds none.
PageKindInfo FindPageKind(const std::string& section);

enum class ObjectKind {
    kNone,
    kLink,
    kText,
    kBitmap,
    kButton,
    kLanguageList,
    kTextViewer,
    kDestDir,
    kAnimation,
    kResultList,
    kLine,
    kRectangle,
    kEdge,
    kGroupBox,
    kGradient,
};

// The object kind of an object section name, by a case-sensitive search for
// "LINK.", "STATIC.", "BITMAP.", "BUTTON.", "LANG.", "EDIT.", "DEST_DIR.",
// "AVI.", "RESULTLIST.", "LINE.", "RECTANGLE.", "EDGE.", "GROUP_BOX." and
// "GRADIENTRECT." in that order.
ObjectKind FindObjectKind(const std::string& section);
// The drawing type of a drawing kind (4 line to 8 gradient); 0 otherwise.
int DrawingType(ObjectKind kind);

}  // namespace setup

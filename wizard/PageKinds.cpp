#include "PageKinds.h"

#include <cctype>

namespace setup {
namespace {

// Order matters: "INSTALL1." is tested after "INSTALL.", which it does not
// contain, and "SET_PRINTER1." after "SET_PRINTER.", likewise.
const PageKindInfo kPageKinds[] = {
    {PageKind::kNormal, "NORMAL.", 130},
    {PageKind::kDeviceConnect, "DEVICE_CONNECT.", 132},
    {PageKind::kCustom, "CUSTOM.", 134},
    {PageKind::kCopyFile, "COPYFILE.", 135},
    {PageKind::kInstall, "INSTALL.", 136},
    {PageKind::kInstall1, "INSTALL1.", 146},
    {PageKind::kTestPage, "TEST_PAGE.", 137},
    {PageKind::kFinish, "FINISH.", 138},
    {PageKind::kSearchAvi, "SEARCH_AVI.", 140},
    {PageKind::kSelectNetPrinter1, "SELECT_NET_PRINTER1.", 141},
    {PageKind::kAddTcpipPort, "ADD_TCPIP_PORT.", 142},
    {PageKind::kSetIp, "SET_IP.", 143},
    {PageKind::kSetPrinter, "SET_PRINTER.", 144},
    {PageKind::kSetPrinter1, "SET_PRINTER1.", 148},
    {PageKind::kSelectType, "SELECT_TYPE.", 145},
    {PageKind::kLicense, "LICENSE.", 149},
    {PageKind::kWebAgree, "WEB_AGREE.", 149},
};

struct ObjectKindText {
    ObjectKind kind;
    const char* text;
};

const ObjectKindText kObjectKinds[] = {
    {ObjectKind::kLink, "LINK."},
    {ObjectKind::kText, "STATIC."},
    {ObjectKind::kBitmap, "BITMAP."},
    {ObjectKind::kButton, "BUTTON."},
    {ObjectKind::kLanguageList, "LANG."},
    {ObjectKind::kTextViewer, "EDIT."},
    {ObjectKind::kDestDir, "DEST_DIR."},
    {ObjectKind::kAnimation, "AVI."},
    {ObjectKind::kResultList, "RESULTLIST."},
    {ObjectKind::kLine, "LINE."},
    {ObjectKind::kRectangle, "RECTANGLE."},
    {ObjectKind::kEdge, "EDGE."},
    {ObjectKind::kGroupBox, "GROUP_BOX."},
    {ObjectKind::kGradient, "GRADIENTRECT."},
};

}  // namespace

PageKindInfo FindPageKind(const std::string& section) {
    std::string upper = section;
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    for (const PageKindInfo& info : kPageKinds) {
        if (upper.find(info.text) != std::string::npos) {
            return info;
        }
    }
    return PageKindInfo{PageKind::kNone, "", 0};
}

ObjectKind FindObjectKind(const std::string& section) {
    for (const ObjectKindText& entry : kObjectKinds) {
        if (section.find(entry.text) != std::string::npos) {
            return entry.kind;
        }
    }
    return ObjectKind::kNone;
}

int DrawingType(ObjectKind kind) {
    switch (kind) {
        case ObjectKind::kLine:
            return 4;
        case ObjectKind::kRectangle:
            return 5;
        case ObjectKind::kEdge:
            return 6;
        case ObjectKind::kGroupBox:
            return 7;
        case ObjectKind::kGradient:
            return 8;
        default:
            return 0;
    }
}

}  // namespace setup

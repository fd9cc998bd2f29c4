#include "ObjectGalleryPage.h"

#include "tests/platform/UiTestSupport.h"

namespace wizard_test {

std::string GalleryConfigure() {
    return "[NORMAL.GALLERY]\r\n"
           "DLG_RECT = 0, 0, 640, 400\r\n"
           "CAPTION = Page objects\r\n"
           "NUM_OF_OBJ = 17\r\n"
           "OBJ_0 = GRADIENTRECT.BAND\r\n"
           "OBJ_1 = STATIC.TITLE\r\n"
           "OBJ_2 = BITMAP.LOGO\r\n"
           "OBJ_3 = LINK.MANUAL\r\n"
           "OBJ_4 = LINK.WEB\r\n"
           "OBJ_5 = GROUP_BOX.OPTIONS\r\n"
           "OBJ_6 = STATIC.NOTE\r\n"
           "OBJ_7 = BUTTON.INSTALL\r\n"
           "OBJ_8 = LANG.LIST\r\n"
           "OBJ_9 = EDIT.LICENSE\r\n"
           "OBJ_10 = AVI.CLIP\r\n"
           "OBJ_11 = RESULTLIST.ITEMS\r\n"
           "OBJ_12 = LINE.RULE\r\n"
           "OBJ_13 = RECTANGLE.FRAME\r\n"
           "OBJ_14 = EDGE.BOTTOM\r\n"
           "OBJ_15 = DEST_DIR.BOX\r\n"
           "OBJ_16 = BITMAP.STRETCHED\r\n"
           "[GRADIENTRECT.BAND]\r\nPOSITION = 0, 0\r\nSIZE = 640, 56\r\n"
           "START_COLOR = 0, 60, 130\r\nEND_COLOR = 255, 255, 255\r\n"
           "[FONT.TITLE]\r\nLF_FACENAME = Tahoma\r\nLF_HEIGHT = 20\r\nLF_BOLD = 1\r\n"
           "[STATIC.TITLE]\r\nNAME = Every page object\r\nPOSITION = 20, 16\r\n"
           "COLOR = 255, 255, 255\r\nFONT = FONT.TITLE\r\n"
           "[BITMAP.LOGO]\r\nNAME = TEST_SMALL\r\nPOSITION = 580, 13\r\n"
           "TRANS_COLOR = 198, 195, 198\r\n"
           "[BITMAP.STRETCHED]\r\nNAME = TEST_SMALL\r\nPOSITION = 500, 8\r\nSIZE = 60, 40\r\n"
           "[LINK.BASE]\r\nCOLOR = 0, 0, 200\r\nHI_COLOR = 200, 0, 0\r\n"
           "DIS_COLOR = 128, 128, 128\r\nCMD_TYPE = CT_OPEN_URL\r\n"
           "[LINK.MANUAL]\r\nBASE_ON = LINK.BASE\r\nNAME = Read the manual\r\n"
           "POSITION = 20, 76\r\nUSE_BITMAP_ICON = 1\r\nOFF_BITMAP = TEST_ICON\r\n"
           "TRANS_COLOR = 198, 195, 198\r\nSCRIPT = Opens the manual\r\n"
           "TOOLTIP = The printer's manual\r\nCMD_PARAM1 = manual.pdf\r\nDEFAULT_BUTTON = 1\r\n"
           "[LINK.WEB]\r\nBASE_ON = LINK.BASE\r\nNAME = Visit the web site\r\n"
           "POSITION = 20, 104\r\nCMD_PARAM1 = www.example.com\r\n"
           "[GROUP_BOX.OPTIONS]\r\nPOSITION = 330, 72\r\nSIZE = 290, 96\r\nNAME = Options\r\n"
           "[STATIC.NOTE]\r\nNAME = @NOTE@\r\n"
           "POSITION = 345, 96\r\nCOLOR = 0, 100, 0\r\n"
           "[BUTTON.INSTALL]\r\nNAME = Install\r\nPOSITION = 20, 136\r\nSIZE = 100, 26\r\n"
           "CMD_TYPE = CT_OPEN_DLG\r\nCMD_PARAM1 = NORMAL.NEXT\r\nTOOLTIP = Starts the install\r\n"
           "[LANG.LIST]\r\nPOSITION = 140, 136\r\nSIZE = 160, 200\r\nDATA_SECTION = LANGS\r\n"
           "[LANGS]\r\n9 = LANG_EN\r\n7 = LANG_DE\r\n12 = LANG_FR\r\n"
           "[EDIT.LICENSE]\r\nPOSITION = 20, 184\r\nSIZE = 300, 120\r\n"
           "TEXT_FILE = .\\license.txt\r\n"
           "[AVI.CLIP]\r\nPOSITION = 340, 184\r\nSIZE = 80, 60\r\nAVI_FILE = .\\clip.avi\r\n"
           "[RESULTLIST.ITEMS]\r\nPOSITION = 440, 184\r\nSIZE = 180, 120\r\n"
           "[LINE.RULE]\r\nPOSITION = 20, 324\r\nSIZE = 600, 2\r\nCOLOR = 0, 60, 130\r\n"
           "[RECTANGLE.FRAME]\r\nPOSITION = 10, 66\r\nSIZE = 620, 248\r\nLINE_WIDTH = 2\r\n"
           "COLOR = 160, 160, 160\r\n"
           "[EDGE.BOTTOM]\r\nPOSITION = 20, 340\r\nSIZE = 600, 10\r\n"
           "[DEST_DIR.BOX]\r\nPOSITION = 20, 350\r\n";
}

std::string GalleryStrings() {
    return "[MESSAGES]\r\nLANG_EN = English\r\nLANG_DE = Deutsch\r\nLANG_FR = Fran\xE7"
           "ais\r\nNOTE = A text in its own colour\\non the page's background\r\n";
}

std::vector<std::pair<std::string, std::string>> GalleryFiles() {
    std::string license = "SOFTWARE LICENSE AGREEMENT\n\n";
    for (int i = 1; i <= 12; ++i) {
        license += std::to_string(i) + ". The software is licensed, not sold.\n";
    }
    return {{"license.txt", license}, {"clip.avi", ui_test::MakeTestClip(64, 48, 8)}};
}

}  // namespace wizard_test

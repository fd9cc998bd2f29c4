// The demo package (package/) read as setup.exe reads it: the package is
// laid out in a temporary directory with the PSres.dll and the animation
// clip of this build beside it, the environment is started on it, and the
// start section, pages, objects, commands, bitmaps, files and texts of its
// configure file are looked up in every language the package offers. A
// mistake in the package (a page that does not resolve, a bitmap missing
// from the resource library, a message missing from one string file) would
// otherwise only show as a silently missing object on screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "commands/CommandTable.h"
#include "environment/InstallEnv.h"
#include "foundation/Log.h"
#include "foundation/NameCompare.h"
#include "foundation/Profile.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"
#include "wizard/PageBitmap.h"
#include "wizard/PageKinds.h"
#include "wizard/Wizard.h"
#include "wizard/WizardMessages.h"

#ifndef DEMO_PACKAGE_FROM_TESTS
#error "DEMO_PACKAGE_FROM_TESTS must name package/ relative to the test program"
#endif
#ifndef DEMO_RESOURCES_FROM_TESTS
#error "DEMO_RESOURCES_FROM_TESTS must name the directory of PSres.dll relative to the test program"
#endif

namespace {

namespace fs = std::filesystem;
using setup::ObjectKind;

// The staged copy records its choices under this manufacturer's keys, not
// under the demo's own.
constexpr const char* kTestMfg = "SetupDemoPackageTestMfg";
constexpr const char* kMirroredAbbr = "MR";

fs::path FromTests(const char* relative) {
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path);
    directory.resize(directory.find_last_of("\\/") + 1);
    std::string tail = relative;
    for (char& c : tail) {
        if (c == '/') {
            c = '\\';
        }
    }
    return fs::path(directory + tail);
}

std::string ReadText(const fs::path& path) {
    return testing_support::ReadTextFile(path);
}

std::string Trim(const std::string& text, const char* blanks = " \t") {
    const size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The "key" of a "key = value" line as GetSectionLines gives it.
std::string KeyOf(const std::string& line) {
    return Trim(line.substr(0, line.find('=')));
}
std::string ValueOf(const std::string& line) {
    const size_t equals = line.find('=');
    return equals == std::string::npos ? std::string() : Trim(line.substr(equals + 1));
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.';
}

// The names between two marks ("@KEY@", "%NAME%") in a text.
std::vector<std::string> TokensIn(const std::string& text, char mark) {
    std::vector<std::string> names;
    size_t open = text.find(mark);
    while (open != std::string::npos) {
        size_t end = open + 1;
        while (end < text.size() && IsNameChar(text[end])) {
            ++end;
        }
        if (end < text.size() && text[end] == mark && end > open + 1) {
            names.push_back(text.substr(open + 1, end - open - 1));
            open = text.find(mark, end + 1);
        } else {
            open = text.find(mark, open + 1);
        }
    }
    return names;
}

// A message or defined string that is not found stays in the text as it
// was written.
std::vector<std::string> LeftoverTokens(const std::string& text) {
    std::vector<std::string> left;
    for (const char mark : {'@', '%'}) {
        for (const std::string& name : TokensIn(text, mark)) {
            left.push_back(mark + name + mark);
        }
    }
    return left;
}

std::string Hex(DWORD id) {
    char text[16];
    std::snprintf(text, sizeof(text), "0X%04lX", static_cast<unsigned long>(id));
    return text;
}

// The package names every object section "KIND.NAME".
struct KindPrefix {
    const char* prefix;
    ObjectKind kind;
};
constexpr KindPrefix kKindPrefixes[] = {
    {"LINK", ObjectKind::kLink},
    {"STATIC", ObjectKind::kText},
    {"BITMAP", ObjectKind::kBitmap},
    {"BUTTON", ObjectKind::kButton},
    {"LANG", ObjectKind::kLanguageList},
    {"EDIT", ObjectKind::kTextViewer},
    {"DEST_DIR", ObjectKind::kDestDir},
    {"AVI", ObjectKind::kAnimation},
    {"RESULTLIST", ObjectKind::kResultList},
    {"LINE", ObjectKind::kLine},
    {"RECTANGLE", ObjectKind::kRectangle},
    {"EDGE", ObjectKind::kEdge},
    {"GROUP_BOX", ObjectKind::kGroupBox},
    {"GRADIENTRECT", ObjectKind::kGradient},
};

ObjectKind KindOfPrefix(const std::string& section) {
    const std::string prefix = section.substr(0, section.find('.'));
    for (const KindPrefix& entry : kKindPrefixes) {
        if (prefix == entry.prefix) {
            return entry.kind;
        }
    }
    return ObjectKind::kNone;
}

// Commands whose object is left out when their first parameter names a
// file that does not exist.
bool NeedsExistingFile(const std::string& type) {
    for (const char* name : {"CT_EXE_FILE_NOWAIT", "CT_EXE_FILE_ACTIVE", "CT_EXE_FILE_WAIT",
                             "CT_EXE_AND_TERMINATE", "CT_RUNDLL", "CT_RUNDLL_AND_TERMINATE",
                             "CT_OPEN_FILE_NOWAIT", "CT_OPEN_FILE_WAIT", "CT_OPEN_MANUAL"}) {
        if (setup::SameName(type.c_str(), name)) {
            return true;
        }
    }
    return false;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& candidate : names) {
        if (setup::SameName(candidate.c_str(), name.c_str())) {
            return true;
        }
    }
    return false;
}

// The keys of the "MESSAGES" section of a string file.
std::set<std::string> MessageKeys(const fs::path& path) {
    CProfile profile;
    std::set<std::string> keys;
    if (profile.Create(path.string().c_str(), nullptr) != ERROR_SUCCESS) {
        return keys;
    }
    if (const SECTION_LIST* section = profile.GetSectionList().FindSection("MESSAGES")) {
        for (const LINE_LIST* line = section->lines; line != nullptr; line = line->next) {
            keys.insert(setup::FoldName(line->key));
        }
    }
    return keys;
}

class DemoPackageTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH] = "";
        ::GetCurrentDirectoryA(MAX_PATH, cwd);
        m_cwd = cwd;
        m_media = m_dir.path() / "media";
        const fs::path build = FromTests(DEMO_RESOURCES_FROM_TESTS);
        std::error_code error;
        fs::copy(FromTests(DEMO_PACKAGE_FROM_TESTS), m_media, fs::copy_options::recursive, error);
        ASSERT_FALSE(error) << "package: " << error.message();
        fs::copy_file(build / "PSres.dll", m_media / "PSres.dll", error);
        ASSERT_FALSE(error) << "PSres.dll: " << error.message();
        fs::copy_file(build / "koruna.avi", m_media / "data" / "koruna.avi", error);
        ASSERT_FALSE(error) << "koruna.avi: " << error.message();
        ASSERT_TRUE(UseTestManufacturer(m_media / "setup.dat"));

        m_log = std::make_unique<CLog>("Demo Package Test", m_dir.path().string(), "demotest.exe");
        SetLog(m_log.get());
        SetInstallEnv(&m_env);
        ASSERT_TRUE(m_env.Init((m_media / "setup.exe").string())) << LogText();
        m_resources = m_env.GetExtLibraries().GetResourceModule();
        ASSERT_NE(m_resources, nullptr) << "PSres.dll did not load\n" << LogText();
    }

    void TearDown() override {
        SetInstallEnv(nullptr);
        SetLog(nullptr);
        m_log.reset();
        ::SetCurrentDirectoryA(m_cwd.c_str());
        ::RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string("Software\\") + kTestMfg).c_str());
    }

    static bool UseTestManufacturer(const fs::path& dataFile) {
        std::istringstream in(ReadText(dataFile));
        std::string out;
        int replaced = 0;
        for (std::string line; std::getline(in, line);) {
            if (KeyOf(line) == "MFG") {
                line = std::string("MFG = ") + kTestMfg;
                ++replaced;
            }
            out += line + "\n";
        }
        std::ofstream(dataFile, std::ios::binary) << out;
        return replaced == 1;
    }

    std::string LogText() const { return ReadText(m_log->GetPath()); }

    CConfigFile& Configure() { return m_env.GetConfigFiles().Configure(); }

    bool Get(const std::string& section, const char* key, std::string& value) {
        return !section.empty() && Configure().GetString(section.c_str(), key, value, true);
    }

    // A key of a page-like section, else of its base, else of DLG_COMMON.
    bool GetPageValue(const std::string& section, const std::string& base, const char* key,
                      std::string& value, bool common) {
        return Get(section, key, value) || Get(base, key, value) ||
               (common && Get("DLG_COMMON", key, value));
    }

    std::string Resolve(const std::string& name) {
        std::string resolved;
        return Configure().FindSectionVariant(name.c_str(), resolved) ? resolved : std::string();
    }

    std::vector<std::string> Lines(const std::string& section) {
        std::vector<std::string> lines;
        Configure().GetSectionLines(section.c_str(), lines, true);
        return lines;
    }

    // The pages of the start section's dialogs section, in creation order.
    std::vector<std::string> DialogPages() {
        std::string dialogs;
        std::vector<std::string> pages;
        if (Get(Resolve("INSTALL_START_INFO"), "DIALOGS", dialogs)) {
            for (const std::string& line : Lines(Resolve(dialogs))) {
                pages.push_back(KeyOf(line));
            }
        }
        return pages;
    }

    std::vector<DWORD> Languages() {
        std::vector<std::string> lines;
        m_env.GetConfigFiles().Data().GetSectionLines("PROGRAM_LANG_INFO", lines, true);
        std::vector<DWORD> ids;
        for (const std::string& line : lines) {
            ids.push_back(CProfile::StringToDword(KeyOf(line).c_str()));
        }
        return ids;
    }

    bool HasMessage(const std::string& key) {
        std::string text;
        return m_env.GetConfigFiles().Strings().GetString("MESSAGES", key.c_str(), text, false);
    }

    SIZE BitmapSize(const std::string& name) {
        platform::UniqueBitmap bitmap(static_cast<HBITMAP>(
            ::LoadImageA(m_resources, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        return setup::GetBitmapSize(bitmap.get());
    }

    void ExpectBitmap(const std::string& where, const std::string& name) {
        EXPECT_NE(::FindResourceA(m_resources, name.c_str(), MAKEINTRESOURCEA(2)), nullptr)
            << where << ": bitmap [" << name << "] is not in PSres.dll";
        EXPECT_GT(BitmapSize(name).cx, 0) << where << ": bitmap [" << name << "] does not load";
    }

    void ExpectFile(const std::string& where, const std::string& path) {
        EXPECT_FALSE(m_env.ResolvePath(path, true).empty())
            << where << ": file [" << path << "] is missing";
    }

    // Every line of the section, expanded, keeps no message or defined
    // string token.
    void ExpectExpanded(const std::string& section) {
        for (const std::string& line : Lines(section)) {
            for (const std::string& token : LeftoverTokens(line)) {
                ADD_FAILURE() << "[" << section << "] " << KeyOf(line) << ": " << token
                              << " is not defined";
            }
        }
    }

    // An object's section and its BASE_ON sections, own section first.
    std::vector<std::string> BaseChain(const std::string& section) {
        std::vector<std::string> chain{section};
        std::string base;
        while (Get(chain.back(), "BASE_ON", base)) {
            if (!Configure().HasSection(base.c_str()) || Contains(chain, base) ||
                chain.size() > 8) {
                ADD_FAILURE() << "[" << chain.back() << "] BASE_ON names [" << base
                              << "], which is missing or loops";
                break;
            }
            chain.push_back(base);
        }
        return chain;
    }

    struct PageObject {
        std::string section;  // resolved
        ObjectKind kind = ObjectKind::kNone;
        std::string commandType;
        std::string commandParam;
    };

    // Checks one object of a page and returns what the page checks need.
    PageObject CheckObject(const std::string& where, const std::string& name) {
        PageObject object;
        object.kind = setup::FindObjectKind(name);
        if (object.kind == ObjectKind::kNone) {
            ADD_FAILURE() << where << ": [" << name << "] has no object kind";
            return object;
        }
        EXPECT_EQ(static_cast<int>(KindOfPrefix(name)), static_cast<int>(object.kind))
            << where << ": [" << name << "] is read as another kind than its prefix says";
        m_kindsSeen.insert(static_cast<int>(object.kind));
        if (setup::DrawingType(object.kind) != 0) {
            // Drawings are read from their own section only.
            EXPECT_TRUE(Configure().HasSection(name.c_str())) << where << ": [" << name << "]";
            object.section = name;
            ExpectExpanded(name);
            return object;
        }
        object.section = Resolve(name);
        if (object.section.empty()) {
            ADD_FAILURE() << where << ": [" << name << "] does not resolve";
            return object;
        }
        const std::vector<std::string> chain = BaseChain(object.section);
        auto value = [&](const char* key, std::string& text) {
            for (const std::string& section : chain) {
                if (Get(section, key, text)) {
                    return true;
                }
            }
            return false;
        };
        for (const std::string& section : chain) {
            ExpectExpanded(section);
        }
        const std::string at = where + " [" + object.section + "]";

        std::string text;
        if (value("FONT", text)) {
            EXPECT_TRUE(Configure().HasSection(text.c_str())) << at << ": font [" << text << "]";
        }
        if (value("CMD_TYPE", object.commandType)) {
            EXPECT_NE(setup::FindCommand(object.commandType), nullptr)
                << at << ": unknown command " << object.commandType;
            value("CMD_PARAM1", object.commandParam);
            if (NeedsExistingFile(object.commandType) && !object.commandParam.empty()) {
                ExpectFile(at, object.commandParam);
            }
        }
        switch (object.kind) {
            case ObjectKind::kBitmap:
                EXPECT_TRUE(value("NAME", text)) << at << ": no bitmap name";
                ExpectBitmap(at, text);
                break;
            case ObjectKind::kLink:
                if (value("USE_BITMAP_ICON", text) && text != "0") {
                    for (const char* key : {"OFF_BITMAP", "ON_BITMAP", "CLICKED_BITMAP"}) {
                        EXPECT_TRUE(value(key, text)) << at << ": no " << key;
                        ExpectBitmap(at, text);
                    }
                }
                break;
            case ObjectKind::kTextViewer:
                EXPECT_TRUE(value("TEXT_FILE", text)) << at << ": no TEXT_FILE";
                ExpectFile(at, text);
                break;
            case ObjectKind::kAnimation:
                EXPECT_TRUE(value("AVI_FILE", text)) << at << ": no AVI_FILE";
                ExpectFile(at, text);
                break;
            case ObjectKind::kLanguageList:
                EXPECT_TRUE(value("DATA_SECTION", text)) << at << ": no DATA_SECTION";
                CheckLanguageList(at, text);
                break;
            default:
                break;
        }
        return object;
    }

    // Every language of the package is offered, by a name the current
    // string file has, and nothing else is.
    void CheckLanguageList(const std::string& at, const std::string& section) {
        std::vector<DWORD> listed;
        for (const std::string& line : Lines(section)) {
            listed.push_back(CProfile::StringToDword(KeyOf(line).c_str()));
            EXPECT_TRUE(HasMessage(ValueOf(line)))
                << at << ": language name " << ValueOf(line) << " is not a message";
        }
        const std::vector<DWORD> languages = Languages();
        for (DWORD id : languages) {
            EXPECT_TRUE(std::find(listed.begin(), listed.end(), id) != listed.end())
                << at << ": language " << Hex(id) << " is not offered";
        }
        for (DWORD id : listed) {
            EXPECT_TRUE(std::find(languages.begin(), languages.end(), id) != languages.end())
                << at << ": language " << Hex(id) << " is not a language of the package";
        }
    }

    // A page, a progress window or the background window: its keys and the
    // objects of NUM_OF_OBJ / OBJ_n (own section, then base). index is the
    // page's place in the dialogs section, -1 for the windows.
    void CheckWindow(const std::string& name, const std::vector<std::string>& pages, int index) {
        const std::string section = index >= 0 ? Resolve(name) : name;
        if (section.empty() || !Configure().HasSection(section.c_str())) {
            ADD_FAILURE() << "[" << name << "] does not resolve";
            return;
        }
        std::string base;
        if (Get(section, "BASE_ON", base)) {
            EXPECT_TRUE(Configure().HasSection(base.c_str())) << "[" << section << "] BASE_ON";
            ExpectExpanded(base);
        }
        ExpectExpanded(section);

        std::string text;
        if (GetPageValue(section, base, "BACK_BMP", text, true)) {
            ExpectBitmap("[" + section + "] BACK_BMP", text);
            RECT rect = {};
            if (index >= 0 && (Configure().GetRect(section.c_str(), "DLG_RECT", rect) ||
                               Configure().GetRect(base.c_str(), "DLG_RECT", rect))) {
                const SIZE size = BitmapSize(text);
                EXPECT_TRUE(size.cx == rect.right - rect.left && size.cy == rect.bottom - rect.top)
                    << "[" << section << "] background " << size.cx << "x" << size.cy
                    << " does not cover the page";
            }
        }
        for (const char* key : {"NORMAL_DESC", "PROGRESS_BAR"}) {
            if (GetPageValue(section, base, key, text, false)) {
                EXPECT_TRUE(Configure().HasSection(text.c_str()))
                    << "[" << section << "] " << key << " names [" << text << "]";
                ExpectExpanded(text);
            }
        }

        DWORD count = 0;
        if (!Configure().GetDword(section.c_str(), "NUM_OF_OBJ", count)) {
            Configure().GetDword(base.c_str(), "NUM_OF_OBJ", count);
        }
        std::vector<PageObject> objects;
        for (DWORD i = 0; i < count; ++i) {
            const std::string key = "OBJ_" + std::to_string(i);
            std::string object;
            if (!Get(section, key.c_str(), object) && !Get(base, key.c_str(), object)) {
                ADD_FAILURE() << "[" << section << "] " << key << " is missing";
                continue;
            }
            objects.push_back(CheckObject("[" + section + "] " + key, object));
        }
        for (const PageObject& object : objects) {
            CheckPageCommand(section, object, objects, pages, index);
        }
    }

    void CheckPageCommand(const std::string& section, const PageObject& object,
                          const std::vector<PageObject>& objects,
                          const std::vector<std::string>& pages, int index) {
        const std::string at = "[" + section + "] [" + object.section + "] ";
        const std::string& type = object.commandType;
        if (setup::SameName(type.c_str(), "CT_OPEN_DLG")) {
            EXPECT_TRUE(Contains(pages, object.commandParam))
                << at << "opens [" << object.commandParam << "], which is not a listed page";
        } else if (setup::SameName(type.c_str(), "CT_DLG_BACK")) {
            // Back shows the page created before this one, whatever it names.
            ASSERT_GT(index, 0) << at << "goes back from the first page";
            EXPECT_TRUE(setup::SameName(object.commandParam.c_str(), pages[index - 1].c_str()))
                << at << "names [" << object.commandParam << "] but goes back to ["
                << pages[index - 1] << "]";
        } else if (setup::SameName(type.c_str(), "CT_SHOW_TOGGLE")) {
            std::stringstream list(object.commandParam);
            for (std::string target; std::getline(list, target, ',');) {
                target = Trim(target, " \t\"");
                bool found = false;
                for (const PageObject& other : objects) {
                    found = found || setup::SameName(other.section.c_str(), target.c_str());
                }
                EXPECT_TRUE(found) << at << "toggles [" << target << "], not on this page";
            }
        }
    }

    std::string m_cwd;
    testing_support::TempDir m_dir;
    fs::path m_media;
    std::unique_ptr<CLog> m_log;
    CInstallEnv m_env;
    HMODULE m_resources = nullptr;
    std::set<int> m_kindsSeen;
};

TEST_F(DemoPackageTest, StartSectionOpensTheFirstOfItsPages) {
    const std::string start = Resolve("INSTALL_START_INFO");
    ASSERT_FALSE(start.empty());
    std::string dialogs;
    ASSERT_TRUE(Get(start, "DIALOGS", dialogs));
    EXPECT_FALSE(Resolve(dialogs).empty()) << "DIALOGS names [" << dialogs << "]";
    const std::vector<std::string> pages = DialogPages();
    ASSERT_FALSE(pages.empty());

    std::string type;
    std::string first;
    ASSERT_TRUE(Get(start, "CMD_TYPE", type));
    EXPECT_EQ(type, "CT_OPEN_DLG");
    ASSERT_TRUE(Get(start, "CMD_PARAM1", first));
    EXPECT_TRUE(setup::SameName(first.c_str(), pages.front().c_str()));

    std::set<std::string> seen;
    for (const std::string& page : pages) {
        EXPECT_NE(setup::FindPageKind(page).kind, setup::PageKind::kNone) << page;
        EXPECT_FALSE(Resolve(page).empty()) << page;
        EXPECT_TRUE(seen.insert(setup::FoldName(page)).second) << page << " is listed twice";
    }

    // The cancel question and the windows beside the pages.
    std::string text;
    ASSERT_TRUE(Get("DLG_COMMON", "CANCEL_TYPE", text));
    EXPECT_TRUE(text == "RESUME_EXIT" || text == "OK_CANCEL" || text == "NULL") << text;
    EXPECT_TRUE(Get("CANCEL_DLG", "CANCEL_MSG", text));
    ASSERT_TRUE(Get("DLG_COMMON", "BACKGROUND_DLG", text));
    EXPECT_TRUE(Configure().HasSection(text.c_str())) << text;
    for (const char* window : {"INIT_WINDOW", "CHANGE_LANG_WIN"}) {
        std::string bar;
        ASSERT_TRUE(Get(window, "PROGRESS_BAR", bar)) << window;
        POINT position = {};
        SIZE size = {};
        EXPECT_TRUE(Configure().GetPoint(bar.c_str(), "POSITION", position)) << window;
        EXPECT_TRUE(Configure().GetSize(bar.c_str(), "SIZE", size)) << window;
    }
}

// The wizard on the demo package, used as a person would: the start opens
// the welcome page, each page's Next button leads to the next page and Back
// returns, and choosing German in the language list rebuilds the pages in
// German.
TEST_F(DemoPackageTest, TheWizardWalksThroughThePagesByTheirButtons) {
    CWizard wizard(m_env);
    ASSERT_EQ(wizard.Create(m_env.GetProgramInfo().programName), CWizard::kCreated);
    ASSERT_TRUE(wizard.Init(Resolve("INSTALL_START_INFO"), nullptr));
    const auto pump = [](const std::function<bool()>& done) {
        const DWORD start = ::GetTickCount();
        while (!done() && ::GetTickCount() - start < 5000) {
            MSG message;
            while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageA(&message);
            }
            ::Sleep(5);
        }
        return done();
    };
    const auto current = [&wizard]() {
        const CPageDlg* page = wizard.GetCurrentPage();
        return page != nullptr ? page->GetConfig().GetSectionName() : std::string();
    };
    const auto click = [&](const std::string& button, const std::string& expected) {
        const HWND window =
            wizard.GetCurrentPage()->GetConfig().GetObjects().GetObjectWindow(button);
        EXPECT_NE(window, nullptr) << button;
        ::SendMessageA(window, BM_CLICK, 0, 0);
        return pump([&] { return current() == expected; });
    };
    const auto title = [&](const std::string& object) {
        return platform::Window(
                   wizard.GetCurrentPage()->GetConfig().GetObjects().GetObjectWindow(object))
            .GetText();
    };

    wizard.PostMessage(WM_WIZARD_START, 1, 0);
    ASSERT_TRUE(pump([&] { return current() == "NORMAL.WELCOME"; })) << LogText();
    EXPECT_EQ(title("STATIC.WELCOME_TITLE"), "Welcome");
    EXPECT_TRUE(click("BUTTON.WELCOME_NEXT", "NORMAL.LANGUAGE"));
    EXPECT_TRUE(click("BUTTON.LANGUAGE_NEXT", "NORMAL.README"));
    EXPECT_TRUE(click("BUTTON.README_NEXT", "NORMAL.PRINTER"));
    EXPECT_TRUE(click("BUTTON.PRINTER_NEXT", "NORMAL.READY"));
    EXPECT_TRUE(click("BUTTON.READY_BACK", "NORMAL.PRINTER"));
    EXPECT_TRUE(click("BUTTON.PRINTER_NEXT", "NORMAL.READY"));
    EXPECT_TRUE(click("BUTTON.READY_NEXT", "NORMAL.DONE"));
    // The last page keeps the close box away.
    EXPECT_TRUE(wizard.IsCloseBlocked());
    EXPECT_EQ(wizard.GetStyle() & WS_SYSMENU, 0);

    // Opened by name, the language page gives the close box back.
    wizard.SendMessage(WM_WIZARD_OPEN_PAGE, 0, reinterpret_cast<LPARAM>("NORMAL.LANGUAGE - again"));
    EXPECT_EQ(current(), "NORMAL.LANGUAGE");
    EXPECT_FALSE(wizard.IsCloseBlocked());
    EXPECT_NE(wizard.GetStyle() & WS_SYSMENU, 0);
    EXPECT_EQ(title("STATIC.LANGUAGE_TITLE"), "Choose your language");

    // German from the list: every page is built again in German and the
    // language page is shown again.
    const HWND list =
        wizard.GetCurrentPage()->GetConfig().GetObjects().GetObjectWindow("LANG.SELECT");
    ASSERT_NE(list, nullptr);
    const int german = static_cast<int>(::SendMessageA(
        list, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("Deutsch")));
    ASSERT_GE(german, 0);
    ::SendMessageA(list, CB_SETCURSEL, static_cast<WPARAM>(german), 0);
    ::SendMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(list), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(pump([&] {
        return current() == "NORMAL.LANGUAGE" &&
               title("STATIC.LANGUAGE_TITLE") == "Sprache ausw\xE4hlen";
    })) << title("STATIC.LANGUAGE_TITLE");
    EXPECT_EQ(m_env.GetLanguage().currentId, 7);
    EXPECT_TRUE(click("BUTTON.LANGUAGE_BACK", "NORMAL.WELCOME"));
    EXPECT_EQ(title("STATIC.WELCOME_TITLE"), "Willkommen");
}

TEST_F(DemoPackageTest, EveryLanguageHasItsTextsAndLayout) {
    const std::vector<std::string> pages = DialogPages();
    ASSERT_FALSE(pages.empty());
    const std::string page = Resolve(pages.front());
    std::string base;
    Get(page, "BASE_ON", base);
    bool sawMirrored = false;
    for (const DWORD id : Languages()) {
        SCOPED_TRACE("language " + Hex(id));
        m_env.ChangeLanguage(static_cast<WORD>(id), false);
        const std::string abbr = m_env.GetLanguage().currentAbbr;
        // No silent fall back to the English texts.
        EXPECT_EQ(m_env.GetConfigFiles().stringFileName, "Lang_" + abbr + ".str");
        EXPECT_TRUE(fs::exists(m_media / "data" / "String" / ("Lang_" + abbr + ".str")));

        const bool mirrored = abbr == kMirroredAbbr;
        sawMirrored = sawMirrored || mirrored;
        EXPECT_EQ(m_env.GetOptions().rightAlign, mirrored);
        // The mirrored layout draws bitmaps mirrored: it needs the
        // background drawn the other way round.
        std::string background;
        ASSERT_TRUE(GetPageValue(page, base, "BACK_BMP", background, true));
        EXPECT_EQ(background, mirrored ? "KORUNA_BACK_RTL" : "KORUNA_BACK");
    }
    EXPECT_TRUE(sawMirrored) << "no language with the abbreviation " << kMirroredAbbr;
}

TEST_F(DemoPackageTest, PagesAndObjectsResolveInEveryLanguage) {
    const std::vector<std::string> pages = DialogPages();
    ASSERT_FALSE(pages.empty());
    for (const DWORD id : Languages()) {
        SCOPED_TRACE("language " + Hex(id));
        m_env.ChangeLanguage(static_cast<WORD>(id), false);
        for (size_t i = 0; i < pages.size(); ++i) {
            CheckWindow(pages[i], pages, static_cast<int>(i));
        }
        std::string background;
        ASSERT_TRUE(Get("DLG_COMMON", "BACKGROUND_DLG", background));
        for (const std::string& window :
             {std::string("INIT_WINDOW"), std::string("CHANGE_LANG_WIN"), background}) {
            CheckWindow(window, pages, -1);
        }
    }

    // The demo shows every kind of object but the destination directory,
    // which belongs to an install.
    for (const KindPrefix& entry : kKindPrefixes) {
        if (entry.kind != ObjectKind::kDestDir) {
            EXPECT_EQ(m_kindsSeen.count(static_cast<int>(entry.kind)), 1u)
                << "no " << entry.prefix << " object";
        }
    }
}

TEST_F(DemoPackageTest, EveryMessageIsInEveryStringFile) {
    // Messages named by the configure file, as written (before expansion).
    std::set<std::string> used;
    CSectionList& list = Configure().GetProfile().GetSectionList();
    for (const SECTION_LIST* s = list.FindSection(nullptr); s != nullptr; s = s->next) {
        for (const LINE_LIST* line = s->lines; line != nullptr; line = line->next) {
            for (const std::string& key : TokensIn(line->value, '@')) {
                used.insert(setup::FoldName(key));
            }
        }
    }
    ASSERT_FALSE(used.empty());

    const fs::path strings = m_media / "data" / "String";
    const std::set<std::string> english = MessageKeys(strings / "Lang_EN.str");
    ASSERT_FALSE(english.empty());
    for (const fs::directory_entry& entry : fs::directory_iterator(strings)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::set<std::string> keys = MessageKeys(entry.path());
        for (const std::string& key : used) {
            EXPECT_EQ(keys.count(key), 1u) << "@" << key << "@ is missing";
        }
        // Every text of the English file is translated, and no file has
        // texts the others lack.
        EXPECT_EQ(keys, english);
    }
}

}  // namespace

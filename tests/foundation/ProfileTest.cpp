#include "foundation/Profile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/TempDir.h"

namespace {

class ProfileTest : public ::testing::Test {
protected:
    // Loads the text as a profile, with an optional second file.
    DWORD Load(const std::string& text, const std::string& second = std::string()) {
        const std::string path = m_dir.Write("main.psi", text);
        if (second.empty()) {
            return m_profile.Create(path.c_str(), nullptr);
        }
        const std::string secondPath = m_dir.Write("second.dat", second);
        return m_profile.Create(path.c_str(), secondPath.c_str());
    }

    std::string Get(const char* section, const char* key, BOOL escapes = FALSE) {
        char buffer[CProfile::kExpansionSize];
        if (m_profile.GetString(section, key, buffer, sizeof(buffer), escapes) != ERROR_SUCCESS) {
            return "<missing>";
        }
        return buffer;
    }

    std::vector<std::string> Sections() {
        std::vector<std::string> names;
        for (SECTION_LIST* s = m_profile.GetSectionList().FindSection(nullptr); s; s = s->next) {
            names.push_back(s->name);
        }
        return names;
    }

    std::vector<std::string> Lines(const char* section) {
        std::vector<std::string> lines;
        CSectionList& list = m_profile.GetSectionList();
        SECTION_LIST* s = list.FindSection(section);
        for (LINE_LIST* l = s ? s->lines : nullptr; l; l = l->next) {
            lines.push_back(std::string(l->key) + "|" + l->value);
        }
        return lines;
    }

    testing_support::TempDir m_dir;
    CProfile m_profile;
};

TEST_F(ProfileTest, ParsesSectionsLinesAndComments) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;  // of section S
    } cases[] = {
        {"plain", "[S]\r\nA = 1\r\nB=2\r\n", {"A|1", "B|2"}},
        {"LF and CR line ends", "[S]\nA=1\rB=2\n\n\r\nC=3", {"A|1", "B|2", "C|3"}},
        {"no final line end", "[S]\r\nA=1", {"A|1"}},
        {"blanks trimmed", "  [S]  \r\n\t A \t= \t1 \t\r\n", {"A|1"}},
        {"line comment", "[S]\r\n// whole line\r\nA = 1 // tail\r\nB=2", {"A|1", "B|2"}},
        {"block comment after a key", "[S]\r\nA = 1   /* note */\r\nB=2", {"A|1", "B|2"}},
        {"block comment over lines", "[S]\r\nA=1/* x\r\nB=2\r\n*/C=3\r\n", {"A|1C=3"}},
        {"web address loses its slashes", "[S]\r\nURL = http://example.test/x\r\n", {"URL|http:"}},
        {"quoted address stays whole",
         "[S]\r\nURL = \"http://example.test/x\"\r\n",
         {"URL|\"http://example.test/x\""}},
        {"quote state runs across lines",
         "[S]\r\nA = \"open\r\nB = // kept\"\r\nC=1 // gone",
         {"A|\"open", "B|// kept\"", "C|1"}},
        {"unclosed block comment drops the rest",
         "[S]\r\nA=1\r\nB=2 /* never closed\r\nC=3",
         {"A|1", "B|2"}},
        {"lines before a header dropped", "A=0\r\n[S]\r\nA=1", {"A|1"}},
        {"duplicate keys kept", "[S]\r\nA=1\r\nA=2", {"A|1", "A|2"}},
        {"bare key", "[S]\r\nJustAKey\r\n", {"JustAKey|"}},
        {"NUL ends the text", std::string("[S]\r\nA=1\r\nB=2\0\r\nC=3\r\n", 21), {"A|1"}},
        {"only comments", "// one\r\n/* two */\r\n", {}},
        {"empty file", "", {}},
    };
    for (const Case& c : cases) {
        CProfile fresh;
        const std::string path = m_dir.Write("case.psi", c.text);
        ASSERT_EQ(fresh.Create(path.c_str(), nullptr), ERROR_SUCCESS) << c.name;
        std::vector<std::string> lines;
        SECTION_LIST* s = fresh.GetSectionList().FindSection("S");
        for (LINE_LIST* l = s ? s->lines : nullptr; l; l = l->next) {
            lines.push_back(std::string(l->key) + "|" + l->value);
        }
        EXPECT_EQ(lines, c.lines) << c.name;
    }
}

TEST_F(ProfileTest, ReopenedSectionAppendsAndKeepsOrder) {
    ASSERT_EQ(Load("[A]\r\nx=1\r\n[B]\r\ny=2\r\n[a]\r\nz=3\r\n"), ERROR_SUCCESS);
    EXPECT_EQ(Sections(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Lines("A"), (std::vector<std::string>{"x|1", "z|3"}));
}

TEST_F(ProfileTest, LineLengthLimitEndsTheFile) {
    const std::string ok(CProfile::kMaxLine - 2, 'v');
    ASSERT_EQ(Load("[S]\r\nA=" + ok + "\r\nB=1\r\nC=" + std::string(5000, 'x') + "\r\nD=1\r\n"),
              ERROR_SUCCESS);
    EXPECT_EQ(Lines("S").size(), 2u);
    EXPECT_EQ(Get("S", "A").size(), ok.size());
    EXPECT_EQ(Get("S", "D"), "<missing>");

    CProfile exact;
    const std::string path = m_dir.Write("x.psi", "[S]\r\nA=1\r\nB=" + std::string(4094, 'b'));
    ASSERT_EQ(exact.Create(path.c_str(), nullptr), ERROR_SUCCESS);  // 4096 characters
    char value[16];
    EXPECT_EQ(exact.GetString("S", "A", value, sizeof(value), FALSE), ERROR_SUCCESS);
    EXPECT_EQ(exact.GetString("S", "B", value, sizeof(value), FALSE), ERROR_INVALID_DATA);
}

TEST_F(ProfileTest, OverlongHeaderDropsItsLines) {
    ASSERT_EQ(
        Load("[A]\r\nx=1\r\n[" + std::string(256, 'h') + "]\r\ny=2\r\n[]\r\nw=4\r\n[B]\r\nz=3"),
        ERROR_SUCCESS);
    EXPECT_EQ(Sections(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(Lines("A"), (std::vector<std::string>{"x|1"}));
    EXPECT_EQ(Lines("B"), (std::vector<std::string>{"z|3"}));
}

TEST_F(ProfileTest, BinaryJunkNeverCrashes) {
    std::string junk;
    unsigned seed = 7;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        junk.push_back(static_cast<char>(seed >> 24));
    }
    junk[100] = '[';
    ASSERT_EQ(Load(junk), ERROR_SUCCESS);
    char buffer[64];
    EXPECT_NE(m_profile.GetSectionName(buffer, sizeof(buffer), TRUE), ERROR_INVALID_PARAMETER);
}

TEST_F(ProfileTest, LoadFailures) {
    CProfile p;
    EXPECT_EQ(p.Create("", nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.Create((m_dir.path() / "missing.psi").string().c_str(), nullptr),
              ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(p.IsLoaded());
    EXPECT_EQ(p.Create(std::string(520, 'p').c_str(), nullptr), ERROR_FILENAME_EXCED_RANGE);
    char buffer[8];
    EXPECT_EQ(p.GetString("S", "A", buffer, sizeof(buffer), FALSE), ERROR_INVALID_DATA);

    // A second file that fails is not reported.
    const std::string path = m_dir.Write("ok.psi", "[S]\r\nA=1");
    EXPECT_EQ(p.Create(path.c_str(), "missing-second.dat"), ERROR_SUCCESS);
    EXPECT_TRUE(p.IsLoaded());
    EXPECT_FALSE(p.IsSecondLoaded());
    EXPECT_EQ(p.GetPath(), path);
}

TEST_F(ProfileTest, ReloadStartsAfreshAndCreateTwiceAdds) {
    const std::string one = m_dir.Write("one.psi", "[A]\r\nx=1");
    const std::string two = m_dir.Write("two.psi", "[B]\r\ny=2");
    ASSERT_EQ(m_profile.Create(one.c_str(), nullptr), ERROR_SUCCESS);
    ASSERT_EQ(m_profile.Create(two.c_str(), nullptr), ERROR_SUCCESS);
    EXPECT_EQ(Sections(), (std::vector<std::string>{"A", "B"}));
    ASSERT_EQ(m_profile.Reload(two.c_str(), nullptr), ERROR_SUCCESS);
    EXPECT_EQ(Sections(), (std::vector<std::string>{"B"}));
}

TEST_F(ProfileTest, DefinedStrings) {
    ASSERT_EQ(Load("[STRINGS]\r\n"
                   "%TITLE% = \"\"Setup %VER%\"\"\r\n"
                   "%VER% = 2\r\n"
                   "%OWN% = main\r\n"
                   "%A% = <%B%>\r\n"
                   "%B% = b\r\n"
                   "[S]\r\n"
                   "T = %TITLE%!\r\n"
                   "Percent = 100% of %UNDEFINED%\r\n"
                   "Twice = %VER%%VER%\r\n"
                   "Chain = %A%\r\n"
                   "Own = %OWN%\r\n"
                   "Close = 5%%VER%\r\n"
                   "Escapes = one\\ntwo\\rthree\\t\r\n",
                   "[STRINGS]\r\n%OWN% = \"second\"\r\n"),
              ERROR_SUCCESS);
    EXPECT_EQ(Get("S", "T"), "Setup 2!");
    EXPECT_EQ(Get("S", "Percent"), "100% of %UNDEFINED%");
    EXPECT_EQ(Get("S", "Twice"), "22");
    EXPECT_EQ(Get("S", "Chain"), "<b>");
    EXPECT_EQ(Get("S", "Own"), "second");  // the second file's STRINGS win
    EXPECT_EQ(Get("S", "Close"), "5%2");   // a failed pair's closing % opens the next
    EXPECT_EQ(Get("S", "Escapes"), "one\\ntwo\\rthree\\t");
    EXPECT_EQ(Get("S", "Escapes", TRUE), "one\ntwo\rthree\\t");
    EXPECT_EQ(Get("S", "Missing"), "<missing>");
}

// A subclass reaches the protected expansion to see its result codes.
class ExpandingProfile : public CProfile {
public:
    using CProfile::ConvertDefinedString;
    using CProfile::GetStringValue;
};

TEST_F(ProfileTest, SelfReferencingStringsEndAndLeaveTheTextAlone) {
    const std::string path = m_dir.Write("loop.psi",
                                         "[STRINGS]\r\n"
                                         "%SELF% = %SELF%\r\n"
                                         "%GROW% = x%GROW%\r\n"
                                         "%PING% = %PONG%\r\n"
                                         "%PONG% = %PING%\r\n"
                                         "%BIG% = %BIG%%BIG%\r\n"
                                         "%ONE% = x%TWO%\r\n"
                                         "%TWO% = y%ONE%\r\n"
                                         "%OK% = fine\r\n"
                                         "[S]\r\nV = a %PING% b\r\n");
    ExpandingProfile p;
    ASSERT_EQ(p.Create(path.c_str(), nullptr), ERROR_SUCCESS);
    for (const char* text :
         {"%SELF%", "[%GROW%]", "a %PING% b", "%BIG%", "%OK% then %SELF%", "%ONE%"}) {
        char buffer[CProfile::kExpansionSize];
        std::strcpy(buffer, text);
        EXPECT_EQ(p.ConvertDefinedString(buffer, sizeof(buffer), FALSE), ERROR_OUTOFMEMORY) << text;
        EXPECT_STREQ(buffer, text);
    }
    char value[64];
    EXPECT_EQ(p.GetString("S", "V", value, sizeof(value), FALSE), ERROR_SUCCESS);
    EXPECT_STREQ(value, "a %PING% b");
}

TEST_F(ProfileTest, ExpansionResultCodes) {
    const std::string path =
        m_dir.Write("codes.psi", "[STRINGS]\r\n%LONG% = 0123456789\r\n%Q% = \"v\"\r\n");
    ExpandingProfile p;
    ASSERT_EQ(p.Create(path.c_str(), nullptr), ERROR_SUCCESS);
    char buffer[64] = "%LONG%";
    EXPECT_EQ(p.ConvertDefinedString(buffer, 11, FALSE), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "0123456789");
    std::strcpy(buffer, "x%LONG%");  // eleven characters need twelve bytes
    EXPECT_EQ(p.ConvertDefinedString(buffer, 11, FALSE), ERROR_OUTOFMEMORY);
    EXPECT_STREQ(buffer, "x%LONG%");
    EXPECT_EQ(p.ConvertDefinedString(buffer, 12, FALSE), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "x0123456789");
    std::strcpy(buffer, "%LONG%%NO%");
    EXPECT_EQ(p.ConvertDefinedString(buffer, sizeof(buffer), FALSE), ERROR_INVALID_DATA);
    EXPECT_STREQ(buffer, "0123456789%NO%");
    std::strcpy(buffer, "%NO%%LONG%");
    EXPECT_EQ(p.ConvertDefinedString(buffer, sizeof(buffer), FALSE), ERROR_SUCCESS);
    std::strcpy(buffer, "no token");
    EXPECT_EQ(p.ConvertDefinedString(buffer, sizeof(buffer), FALSE), ERROR_SUCCESS);
    buffer[0] = '\0';
    EXPECT_EQ(p.ConvertDefinedString(buffer, sizeof(buffer), FALSE), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(p.ConvertDefinedString(nullptr, 4, FALSE), ERROR_INVALID_PARAMETER);

    EXPECT_EQ(p.GetStringValue("%Q%", buffer, sizeof(buffer)), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "v");
    EXPECT_EQ(p.GetStringValue("%NONE%", buffer, sizeof(buffer)), ERROR_INVALID_DATA);
    EXPECT_EQ(p.GetStringValue("", buffer, sizeof(buffer)), ERROR_INVALID_PARAMETER);
}

TEST(StringToDword, Conversions) {
    struct Case {
        const char* text;
        DWORD value;
    } cases[] = {
        {"31", 31},     {"0x1F", 31},        {"0X1f", 31},
        {"12abc", 12},  {"-1", 0xFFFFFFFFu}, {"0x123456789", 0x23456789},
        {"  +7", 7},    {"abc", 0},          {"", 0},
        {"0xZZ", 0},    {"0x0x10", 0x10},    {"4294967296", 0},
        {"0x-1", 0x01}, {"  0x10", 0x10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CProfile::StringToDword(c.text), c.value) << c.text;
    }
    EXPECT_EQ(CProfile::StringToDword(nullptr), 0u);
}

TEST_F(ProfileTest, TypedReads) {
    ASSERT_EQ(Load("[S]\r\n"
                   "N = 0x1F\r\n"
                   "Size = 640, 480\r\n"
                   "SizeGaps = ,,640,,480,\r\n"
                   "One = 5\r\n"
                   "Color = 255,128,0\r\n"
                   "Wide = 300,0,0\r\n"
                   "Two = 1,2\r\n"
                   "Rect = 1,2,3,4\r\n"
                   "Neg = -5,-6\r\n"),
              ERROR_SUCCESS);
    DWORD n = 0;
    EXPECT_EQ(m_profile.GetDword("S", "N", &n), ERROR_SUCCESS);
    EXPECT_EQ(n, 31u);
    n = 77;
    EXPECT_EQ(m_profile.GetDword("S", "Missing", &n), ERROR_INVALID_DATA);
    EXPECT_EQ(n, 77u);

    SIZE size{};
    EXPECT_EQ(m_profile.GetControl("S", "Size", &size), ERROR_SUCCESS);
    EXPECT_EQ(size.cx, 640);
    EXPECT_EQ(size.cy, 480);
    size = SIZE{};
    EXPECT_EQ(m_profile.GetControl("S", "SizeGaps", &size), ERROR_SUCCESS);
    EXPECT_EQ(size.cy, 480);
    EXPECT_EQ(m_profile.GetControl("S", "One", &size), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_profile.GetControl("S", "Missing", &size), ERROR_INVALID_DATA);
    EXPECT_EQ(m_profile.GetControl("", "Size", &size), ERROR_INVALID_PARAMETER);

    POINT point{};
    EXPECT_EQ(m_profile.GetControl("S", "Neg", &point), ERROR_SUCCESS);
    EXPECT_EQ(point.x, -5);
    EXPECT_EQ(point.y, -6);
    EXPECT_EQ(m_profile.GetControl("S", "Missing", &point), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_profile.GetControl("S", "One", &point), ERROR_INVALID_PARAMETER);

    COLORREF color = 0;
    EXPECT_EQ(m_profile.GetControl("S", "Color", &color), ERROR_SUCCESS);
    EXPECT_EQ(color, 255u + 128u * 256u);
    EXPECT_EQ(m_profile.GetControl("S", "Wide", &color), ERROR_SUCCESS);
    EXPECT_EQ(color, 44u);
    EXPECT_EQ(m_profile.GetControl("S", "Two", &color), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_profile.GetControl("S", "Missing", &color), ERROR_INVALID_DATA);

    RECT rect{};
    EXPECT_EQ(m_profile.GetControl("S", "Rect", &rect), ERROR_SUCCESS);
    EXPECT_EQ(rect.left, 1);
    EXPECT_EQ(rect.bottom, 4);
    const RECT before = rect;
    EXPECT_EQ(m_profile.GetControl("S", "Two", &rect), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_profile.GetControl("S", "Missing", &rect), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(rect.right, before.right);
}

TEST_F(ProfileTest, SectionNames) {
    ASSERT_EQ(Load("[One]\r\n[Two]\r\n[Three]\r\n"), ERROR_SUCCESS);
    char buffer[32];
    EXPECT_EQ(m_profile.GetSectionName(buffer, sizeof(buffer), TRUE), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, 15), std::string("One\0Two\0Three\0\0", 15));
    EXPECT_EQ(m_profile.GetSectionName(buffer, sizeof(buffer), FALSE), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, 14), "One Two Three ");
    EXPECT_EQ(buffer[31], '\0');
    // Fourteen bytes hold the names but not the list's closing NUL.
    EXPECT_EQ(m_profile.GetSectionName(buffer, 14, TRUE), ERROR_OUTOFMEMORY);
    EXPECT_EQ(std::string(buffer, 9), std::string("One\0Two\0\0", 9));
    EXPECT_EQ(m_profile.GetSectionName(buffer, 15, TRUE), ERROR_SUCCESS);

    CProfile empty;
    const std::string path = m_dir.Write("empty.psi", "");
    ASSERT_EQ(empty.Create(path.c_str(), nullptr), ERROR_SUCCESS);
    EXPECT_EQ(empty.GetSectionName(buffer, sizeof(buffer), TRUE), ERROR_INVALID_DATA);
}

TEST_F(ProfileTest, SectionLines) {
    ASSERT_EQ(Load("[STRINGS]\r\n%X% = ex\r\n[S]\r\nA = %X%\\n\r\nBare\r\nB = 2\r\n[E]\r\n"),
              ERROR_SUCCESS);
    char buffer[64];
    EXPECT_EQ(m_profile.GetAllKey("S", buffer, sizeof(buffer), FALSE), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, 19), std::string("A = ex\n\0Bare\0B = 2\0\0", 19));
    EXPECT_EQ(m_profile.GetAllKey("S", buffer, sizeof(buffer), TRUE), ERROR_SUCCESS);
    EXPECT_EQ(std::string(buffer, 14), std::string("A = ex\n\0B = 2\0\0", 14));
    EXPECT_EQ(m_profile.GetAllKey("S", buffer, 10, TRUE), ERROR_OUTOFMEMORY);
    EXPECT_EQ(std::string(buffer, 8), std::string("A = ex\n\0", 8));
    EXPECT_EQ(m_profile.GetAllKey("E", buffer, sizeof(buffer), FALSE), ERROR_SUCCESS);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(m_profile.GetAllKey("Missing", buffer, sizeof(buffer), FALSE), ERROR_INVALID_DATA);
    EXPECT_EQ(m_profile.GetAllKey("S", buffer, 0, FALSE), ERROR_INVALID_PARAMETER);
}

TEST_F(ProfileTest, GetStringCutsToTheBuffer) {
    ASSERT_EQ(Load("[S]\r\nA = abcdef\r\n"), ERROR_SUCCESS);
    char buffer[4];
    EXPECT_EQ(m_profile.GetString("S", "A", buffer, sizeof(buffer), FALSE), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(m_profile.GetString("S", "A", buffer, 0, FALSE), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(m_profile.GetString(nullptr, "A", buffer, 4, FALSE), ERROR_INVALID_PARAMETER);
}

}  // namespace

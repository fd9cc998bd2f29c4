// Lines of registry files: how a value is written as text and read back.
#include <gtest/gtest.h>

#include <string>

#include "foundation/RegistryText.h"

namespace {

using setup::RegistryLine;
using setup::RegistryLineKind;

TEST(RegistryText, FormatsValueTexts) {
    EXPECT_EQ(setup::QuoteRegistryText("a \"b\" = c"), "\"a \"b\" = c\"");
    EXPECT_EQ(setup::FormatRegistryDword(26), "dword:0000001a");
    EXPECT_EQ(setup::FormatRegistryDword(0xFFFFFFFFu), "dword:ffffffff");
    EXPECT_STREQ(setup::RegistryBinaryText(), "hex:");
}

struct ParseCase {
    const char* key;
    const char* value;
    DWORD result;
    RegistryLineKind kind;
    const char* name;
    const char* text;
    DWORD number;
};

TEST(RegistryText, ParsesLinesAsTheProfileReaderSplitsThem) {
    const ParseCase cases[] = {
        {"\"Name\"", "\"Value\"", 0, RegistryLineKind::kString, "Name", "Value", 0},
        {"Name", "\"\"", 0, RegistryLineKind::kString, "Name", "", 0},
        // One quote at each end goes; quotes and blanks inside stay.
        {"\"say \"hi\"\"", "\"\"quoted\"\"", 0, RegistryLineKind::kString, "say \"hi\"",
         "\"quoted\"", 0},
        {"\" padded \"", "\" text \"", 0, RegistryLineKind::kString, " padded ", " text ", 0},
        {"\"Eq\"", "\"a=b = c\"", 0, RegistryLineKind::kString, "Eq", "a=b = c", 0},
        {"\"\"", "\"default\"", 0, RegistryLineKind::kString, "", "default", 0},
        // A line without "=" is all value text and names the default value.
        {"\"bare\"", "", 0, RegistryLineKind::kString, "", "bare", 0},
        {"\"Count\"", "dword:0000001a", 0, RegistryLineKind::kDword, "Count", "", 26},
        {"\"Count\"", "dword:1A", 0, RegistryLineKind::kDword, "Count", "", 26},
        {"\"Count\"", "DWORD : \"ffffffff\"", 0, RegistryLineKind::kDword, "Count", "",
         0xFFFFFFFFu},
        {"\"Blob\"", "hex:", 0, RegistryLineKind::kBinary, "Blob", "", 0},
        {"\"Blob\"", "hex:01,02", 0, RegistryLineKind::kBinary, "Blob", "", 0},
        // Unreadable lines.
        {"\"Count\"", "dword:", 13, RegistryLineKind::kString, "", "", 0},
        {"\"Count\"", "dword:123456789", 13, RegistryLineKind::kString, "", "", 0},
        {"\"Count\"", "dword:12g4", 13, RegistryLineKind::kString, "", "", 0},
        {"\"Count\"", "dword:-1", 13, RegistryLineKind::kString, "", "", 0},
        {"\"Multi\"", "hex(7):61,00", 13, RegistryLineKind::kString, "", "", 0},
        {"\"Plain\"", "no type here", 13, RegistryLineKind::kString, "", "", 0},
        {"\"Half\"", "\"open", 13, RegistryLineKind::kString, "", "", 0},
        {"\"One\"", "\"", 13, RegistryLineKind::kString, "", "", 0},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value);
        RegistryLine line;
        line.name = "unchanged";
        ASSERT_EQ(setup::ParseRegistryLine(c.key, c.value, line), c.result);
        if (c.result != 0) {
            EXPECT_EQ(line.name, "unchanged");
            continue;
        }
        EXPECT_EQ(line.kind, c.kind);
        EXPECT_EQ(line.name, c.name);
        EXPECT_EQ(line.text, c.text);
        EXPECT_EQ(line.number, c.number);
    }
}

TEST(RegistryText, NameLimit) {
    RegistryLine line;
    const std::string longest(setup::kMaxRegistryName, 'n');
    EXPECT_EQ(setup::ParseRegistryLine("\"" + longest + "\"", "\"x\"", line), 0u);
    EXPECT_EQ(line.name, longest);
    EXPECT_EQ(setup::ParseRegistryLine("\"" + longest + "n\"", "\"x\"", line),
              static_cast<DWORD>(ERROR_INVALID_DATA));
}

struct ReadBackCase {
    const char* line;
    bool quotedBefore;
    bool readsBack;
    bool quotedAfter;
};

TEST(RegistryText, TellsWhetherTheProfileReaderReadsALineBack) {
    const ReadBackCase cases[] = {
        {"\"Url\" = \"http://host/a/*b*/\"", false, true, false},
        {"\"Path\" = \"C:\\new\\table\"", false, true, false},
        {"\"Odd\" = \"5\" screen\"", false, true, true},
        // After an odd line the reader's quotes are the other way round.
        {"\"Url\" = \"http://host\"", true, false, true},
        {"\"Plain\" = \"text\"", true, true, true},
        {"\"Bad\" = \"a\" // b\"", false, false, false},
        {"\"Bad\" = \"a\" /* b\"", false, false, false},
        {"\"Trailing\" = dword:0000001a", false, true, false},
        {"\"Slash\" = \"ends in /\"", false, true, false},
        {"[HKEY_CURRENT_USER\\Software\\a//b]", false, false, false},
        {"\"Break\" = \"a\r\nb\"", false, false, false},
        {"\"Break\" = \"a\nb\"", false, false, false},
    };
    for (const ReadBackCase& c : cases) {
        SCOPED_TRACE(c.line);
        bool quoted = c.quotedBefore;
        EXPECT_EQ(setup::ProfileReadsBack(c.line, quoted), c.readsBack);
        EXPECT_EQ(quoted, c.quotedAfter);
    }
    bool quoted = false;
    EXPECT_TRUE(setup::ProfileReadsBack(std::string(4095, 'x'), quoted));
    EXPECT_FALSE(setup::ProfileReadsBack(std::string(4096, 'x'), quoted));
    EXPECT_FALSE(setup::ProfileReadsBack(std::string("a\0b", 3), quoted));
}

}  // namespace

// The text form of commands and the command record's limits.
#include "commands/CommandLine.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using setup::kMaxCommandText;
using setup::ParseCommandLine;

struct LineCase {
    const char* line;
    const char* type;
    const char* p1;
    const char* p2;
    const char* p3;
    const char* ignored;
};

TEST(CommandLineTest, ParsesTypeAndParameters) {
    const LineCase cases[] = {
        {"", "", "", "", "", ""},
        {"=", "", "", "", "", ""},
        {",,,", ",,,", "", "", "", ""},  // no "=": all of it is the type
        {"=,,,", "", "", "", "", ""},
        {" \t=\t , ,", "", "", "", "", ""},  // blank fields are fields, empty once trimmed
        {"CT_RMHW_DLG", "CT_RMHW_DLG", "", "", "", ""},
        {"  CT_RMHW_DLG \t", "CT_RMHW_DLG", "", "", "", ""},
        {"CT_OPEN_DLG = WELCOME", "CT_OPEN_DLG", "WELCOME", "", "", ""},
        {"ct_open_dlg=welcome", "ct_open_dlg", "welcome", "", "", ""},
        {"CT_COPY_FILE = COPY_SEC,,Second", "CT_COPY_FILE", "COPY_SEC", "Second", "", ""},
        {"CT_X=,,,a,,,b,,,c,,,", "CT_X", "a", "b", "c", ""},
        {"CT_X = \ta b\t, c d ,  e  ", "CT_X", "a b", "c d", "e", ""},
        {"CT_X=a,b,c,d,e", "CT_X", "a", "b", "c", "d,e"},
        {"CT_X=a,b,c,,,d", "CT_X", "a", "b", "c", "d"},
        {"CT_X=a,b,c,,,", "CT_X", "a", "b", "c", ""},
        {"CT_X=a=b,c", "CT_X", "a=b", "c", "", ""},
        {"CT_COMMAND=SECTION", "CT_COMMAND", "SECTION", "", "", ""},
        {"CT_CHECK_ITEM=PAGE1,CT_COMMAND=SEC", "CT_CHECK_ITEM", "PAGE1", "CT_COMMAND=SEC", "", ""},
        {"\"CT_X\" = \"a\"", "\"CT_X\"", "\"a\"", "", "", ""},  // quotes are kept
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.line);
        std::string ignored = "stale";
        const COMMAND_RECORD record = ParseCommandLine(c.line, &ignored);
        EXPECT_EQ(record.type, c.type);
        EXPECT_EQ(record.params[0], c.p1);
        EXPECT_EQ(record.params[1], c.p2);
        EXPECT_EQ(record.params[2], c.p3);
        EXPECT_EQ(record.params[3], "");
        EXPECT_EQ(record.params[4], "");
        EXPECT_EQ(ignored, c.ignored);
    }
}

TEST(CommandLineTest, LongFieldsAreCutAtTheLimit) {
    const std::string big(16 * 1024, 'T');
    const std::string param(20000, 'p');
    const COMMAND_RECORD record = ParseCommandLine(big + "=" + param + ",x," + param);
    EXPECT_EQ(record.type, big.substr(0, kMaxCommandText));
    EXPECT_EQ(record.params[0], param.substr(0, kMaxCommandText));
    EXPECT_EQ(record.params[1], "x");
    EXPECT_EQ(record.params[2].size(), kMaxCommandText);

    // Exactly at the limit nothing is lost.
    const std::string exact(kMaxCommandText, 'e');
    EXPECT_EQ(ParseCommandLine("CT_X=" + exact).params[0], exact);

    // A field is trimmed before it is cut: the blanks do not use up room.
    const std::string padded = std::string(100, ' ') + exact + std::string(100, '\t');
    EXPECT_EQ(ParseCommandLine("CT_X=" + padded).params[0], exact);

    // A cut that ends among blanks leaves no blank at the field's end.
    const std::string head(kMaxCommandText - 3, 'h');
    EXPECT_EQ(ParseCommandLine("CT_X=" + head + "      tail,b").params[0], head);
}

TEST(CommandRecordTest, MakeCutsEveryField) {
    const std::string big(kMaxCommandText + 10, 'z');
    const COMMAND_RECORD record = COMMAND_RECORD::Make(big, big, "", big, "short", big);
    EXPECT_EQ(record.type.size(), kMaxCommandText);
    EXPECT_EQ(record.params[0].size(), kMaxCommandText);
    EXPECT_EQ(record.params[1], "");
    EXPECT_EQ(record.params[2].size(), kMaxCommandText);
    EXPECT_EQ(record.params[3], "short");
    EXPECT_EQ(record.params[4].size(), kMaxCommandText);

    COMMAND_RECORD filled;
    filled.type = big;
    filled.params[4] = big + big;
    filled.Cut();
    EXPECT_EQ(filled.type.size(), kMaxCommandText);
    EXPECT_EQ(filled.params[4].size(), kMaxCommandText);
}

}  // namespace

#include "environment/TextTokens.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

using setup::ExpandMessageTokens;
using setup::ReplaceVariables;

TEST(MessageTokens, Expansion) {
    const std::map<std::string, std::string> messages = {
        {"TITLE", "Setup"}, {"NEST", "@TITLE@"}, {"SELF", "@SELF@@SELF@"}, {"EMPTY", ""}};
    auto lookup = [&](const std::string& key, std::string& value) {
        const auto it = messages.find(key);
        if (it == messages.end()) {
            return false;
        }
        value = it->second;
        return true;
    };
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"@TITLE@ - @TITLE@", "Setup - Setup"},
        {"no tokens", "no tokens"},
        {"@MISSING@ stays", "@MISSING@ stays"},
        // The search goes on after a failed token's closing at sign, so the
        // at sign of a mail address can hide the token behind it.
        {"mail@example.test @TITLE@", "mail@example.test @TITLE@"},
        {"mail@example.test @TITLE@ @TITLE@", "mail@example.test @TITLE@ @TITLE@"},
        {"@@TITLE@", "@@TITLE@"},
        {"[@EMPTY@]", "[]"},
        // A value's own tokens are seen only when they lie after the search
        // position.
        {"@NEST@", "@TITLE@"},
        {"unclosed @TITLE", "unclosed @TITLE"},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        ExpandMessageTokens(text, lookup);
        EXPECT_EQ(text, c.expected) << c.text;
    }

    // A value that repeats its own token cannot grow the text without end.
    std::string text = "@SELF@ @SELF@ @SELF@ @SELF@ @SELF@ @SELF@ @SELF@ @SELF@";
    ExpandMessageTokens(text, lookup, 100);
    EXPECT_LE(text.size(), 100u);
}

TEST(Variables, ReplacedInTableOrderAndCut) {
    const std::vector<std::pair<std::string, std::string>> table = {
        {"$A$", "<$B$>"}, {"$B$", "b"}, {"$C$", "$A$"}};
    std::string text = "$A$ $B$ $C$ $a$ $UNKNOWN$";
    ReplaceVariables(text, table);
    // $C$'s value is not searched again: $A$ came before it in the table.
    EXPECT_EQ(text, "<b> b $A$ $a$ $UNKNOWN$");

    std::string many;
    for (int i = 0; i < 100; ++i) {
        many += "$A$";
    }
    ReplaceVariables(many, {{"$A$", std::string(1000, 'x')}}, 4096);
    EXPECT_EQ(many, std::string(4096, 'x'));
}

}  // namespace

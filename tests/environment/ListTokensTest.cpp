#include "environment/ListTokens.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TokenCase {
    const char* text;
    const char* separators;
    int index;
    size_t size;
    bool found;
    const char* token;
};

const TokenCase kTokenCases[] = {
    {"WIN95,WIN98,WINME", ",", 0, 260, true, "WIN95"},
    {"WIN95,WIN98,WINME", ",", 2, 260, true, "WINME"},
    {"WIN95,WIN98,WINME", ",", 3, 260, false, ""},
    // Any of the separators splits; runs of them make no empty tokens.
    {"WIN95, WIN98\tWINME", ", \t", 1, 260, true, "WIN98"},
    {"WIN95, WIN98\tWINME", ", \t", 2, 260, true, "WINME"},
    {"a,,b", ",", 1, 260, true, "b"},
    {",,a,,", ",", 0, 260, true, "a"},
    {",,a,,", ",", 1, 260, false, ""},
    {",,,", ",", 0, 260, false, ""},
    {"no separator here", ",", 0, 260, true, "no separator here"},
    // Empty arguments and negative indexes.
    {"", ",", 0, 260, false, ""},
    {"a,b", "", 0, 260, false, ""},
    {"a,b", ",", -1, 260, false, ""},
    {"a,b", ",", 0, 0, false, ""},
    // The token needs its length plus the closing NUL.
    {"abcd,e", ",", 0, 5, true, "abcd"},
    {"abcd,e", ",", 0, 4, false, ""},
    {"abcd,e", ",", 1, 2, true, "e"},
};

class GetTokenTest : public ::testing::TestWithParam<TokenCase> {};

TEST_P(GetTokenTest, SplitsAtAnySeparator) {
    const TokenCase& c = GetParam();
    std::string token = "left over";
    EXPECT_EQ(c.found, setup::GetToken(c.text, c.separators, c.index, token, c.size))
        << "text \"" << c.text << "\" index " << c.index;
    EXPECT_EQ(c.token, token);
}

INSTANTIATE_TEST_SUITE_P(Cases, GetTokenTest, ::testing::ValuesIn(kTokenCases));

TEST(GetTokenLongText, FindsATokenBeyondAFixedBuffer) {
    const std::string longToken(20000, 'x');
    const std::string text = "first;" + longToken + ";last";
    std::string token;
    EXPECT_FALSE(setup::GetToken(text, ";", 1, token, 16384));
    EXPECT_TRUE(setup::GetToken(text, ";", 1, token, longToken.size() + 1));
    EXPECT_EQ(longToken, token);
    EXPECT_TRUE(setup::GetToken(text, ";", 2, token, 16384));
    EXPECT_EQ("last", token);
}

}  // namespace

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using setup::CommandSwitch;
using setup::SetupTypeOf;
using setup::SplitCommandLine;

std::string Describe(const std::vector<CommandSwitch>& switches) {
    std::string text;
    for (const CommandSwitch& s : switches) {
        text += std::string(1, s.letter) + "[" + s.value + "]";
    }
    return text;
}

TEST(CommandLine, Switches) {
    struct Case {
        std::string line;
        std::string switches;
        int setupType;
    } cases[] = {
        {"", "", 1},
        // Blanks before the first separator make a switch of no known letter.
        {"   ", " []", 1},
        {"/-/--//", "", 1},
        {"/u", "U[]", 2},
        {"-U", "U[]", 2},
        {"/U /R", "U[]R[]", 3},
        {"/R /U /D", "R[]U[]D[]", 6},
        {"/D /U", "D[]U[]", 2},
        {"/X", "X[]", 1},
        {"/S /U", "S[]U[]", 2},
        {"/P", "P[]", 1},
        {"/PUSB001", "P[USB001]", 1},
        {"/A\"C:\\Program Files\\Koruna\" /S", "A[C:\\Program Files\\Koruna]S[]", 1},
        // A value is cut at "-" and the rest read as a further switch.
        {"/AC:\\a-data", "A[C:\\a]D[ata]", 6},
        {"/L0x409", "L[0x409]", 1},
        {"/A\"unclosed", "A[unclosed]", 1},
        {"/\"", "\"[]", 1},
        {" /s \t/u ", " []S[]U[]", 2},
    };
    for (const Case& c : cases) {
        const std::vector<CommandSwitch> switches = SplitCommandLine(c.line);
        EXPECT_EQ(Describe(switches), c.switches) << c.line;
        EXPECT_EQ(SetupTypeOf(switches), c.setupType) << c.line;
    }
}

TEST(CommandLine, LongTokensAreCut) {
    const std::string path(20000, 'p');
    const std::vector<CommandSwitch> switches = SplitCommandLine("/A" + path + " /U");
    ASSERT_EQ(switches.size(), 2u);
    EXPECT_EQ(switches[0].value.size(), setup::kMaxSwitchText - 1);
    EXPECT_EQ(switches[1].letter, 'U');
}

}  // namespace

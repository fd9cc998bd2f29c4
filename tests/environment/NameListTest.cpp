// Name lists read from buffers a library filled: the end of the list, the
// limit on the count, and buffers that were not ended properly.
#include "environment/NameList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using setup::SplitNameList;

TEST(NameListTest, SplitsUntilTheEmptyNameOrTheLimit) {
    struct Case {
        std::string bytes;
        size_t maxNames;
        std::vector<std::string> names;
    } cases[] = {
        {std::string("LPT1:\0USB001\0\0junk\0", 18), 10, {"LPT1:", "USB001"}},
        {std::string("LPT1:\0USB001\0USB002\0\0", 21), 2, {"LPT1:", "USB001"}},
        {std::string("\0LPT1:\0", 7), 10, {}},
        {std::string("LPT1:\0USB001\0\0", 14), 0, {}},
        {std::string("", 0), 10, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitNameList(c.bytes.data(), c.bytes.size(), c.maxNames), c.names)
            << c.bytes.size() << " bytes, at most " << c.maxNames;
    }
    EXPECT_TRUE(SplitNameList(nullptr, 10, 10).empty());
}

TEST(NameListTest, NeverReadsPastTheBuffer) {
    // Exactly sized heap copies, so that the sanitizer sees any overread.
    const std::string unended("USB001\0USB0", 11);
    std::vector<char> bytes(unended.begin(), unended.end());
    EXPECT_EQ(SplitNameList(bytes.data(), bytes.size(), 10),
              (std::vector<std::string>{"USB001", "USB0"}));
    std::vector<char> full(300, 'A');
    const std::vector<std::string> names = SplitNameList(full.data(), full.size(), 10);
    ASSERT_EQ(names.size(), 1u);
    EXPECT_EQ(names[0].size(), 300u);
}

}  // namespace

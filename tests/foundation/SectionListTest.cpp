#include "foundation/SectionList.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::vector<std::string> SectionNames(CSectionList& list) {
    std::vector<std::string> names;
    for (SECTION_LIST* s = list.FindSection(nullptr); s != nullptr; s = s->next) {
        names.push_back(s->name);
    }
    return names;
}

std::vector<std::string> Keys(SECTION_LIST* section) {
    std::vector<std::string> keys;
    for (LINE_LIST* l = section->lines; l != nullptr; l = l->next) {
        keys.push_back(std::string(l->key) + "=" + l->value);
    }
    return keys;
}

// Walks the links both ways, so that a broken prev/next shows.
void ExpectLinked(CSectionList& list) {
    SECTION_LIST* prev = nullptr;
    for (SECTION_LIST* s = list.FindSection(nullptr); s != nullptr; s = s->next) {
        EXPECT_EQ(s->prev, prev);
        EXPECT_EQ(s->kind, 1u);
        LINE_LIST* prevLine = nullptr;
        for (LINE_LIST* l = s->lines; l != nullptr; l = l->next) {
            EXPECT_EQ(l->prev, prevLine);
            EXPECT_EQ(l->section, s);
            EXPECT_EQ(l->kind, 0u);
            prevLine = l;
        }
        prev = s;
    }
}

TEST(SectionList, NamesNormaliseToTheSameSection) {
    CSectionList list;
    SECTION_LIST* a = list.AddSection("Alpha", nullptr);
    ASSERT_NE(a, nullptr);
    list.AddLine(a, "first = 1", FALSE, nullptr);
    for (const char* alias : {"ALPHA", "[alpha]", "\"Alpha\"", "  [ \"alpha\" ]\t", "\t\"[Alpha"}) {
        EXPECT_EQ(list.AddSection(alias, nullptr), a) << alias;
        EXPECT_EQ(list.FindSection(alias), a) << alias;
    }
    list.AddLine("[ALPHA]", "second = 2", FALSE, nullptr);
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"first=1", "second=2"}));
    EXPECT_STREQ(a->name, "Alpha");
    EXPECT_EQ(SectionNames(list).size(), 1u);
}

TEST(SectionList, AddSectionPlacesAfterNamedSectionOrAtEnd) {
    CSectionList list;
    list.AddSection("A", nullptr);
    list.AddSection("C", "");
    list.AddSection("B", "a");
    list.AddSection("D", "missing");
    list.AddSection("A", "D");  // existing: not moved
    EXPECT_EQ(SectionNames(list), (std::vector<std::string>{"A", "B", "C", "D"}));
    ExpectLinked(list);
}

TEST(SectionList, RefusesNamesThatCannotBeStored) {
    CSectionList list;
    EXPECT_EQ(list.AddSection(nullptr, nullptr), nullptr);
    EXPECT_EQ(list.AddSection("", nullptr), nullptr);
    EXPECT_EQ(list.AddSection(" [\"\"] ", nullptr), nullptr);
    EXPECT_NE(list.AddSection(std::string(255, 'n').c_str(), nullptr), nullptr);
    EXPECT_EQ(list.AddSection(std::string(256, 'm').c_str(), nullptr), nullptr);

    SECTION_LIST* s = list.AddSection("S", nullptr);
    EXPECT_NE(list.AddLine(s, (std::string(255, 'k') + "=v").c_str(), FALSE, nullptr), nullptr);
    EXPECT_EQ(list.AddLine(s, (std::string(256, 'k') + "=v").c_str(), FALSE, nullptr), nullptr);
    EXPECT_NE(list.AddLine(s, ("k=" + std::string(4095, 'v')).c_str(), FALSE, nullptr), nullptr);
    EXPECT_EQ(list.AddLine(s, ("k=" + std::string(4096, 'v')).c_str(), FALSE, nullptr), nullptr);
    EXPECT_EQ(list.AddLine(s, "", FALSE, nullptr), nullptr);
    EXPECT_EQ(list.AddLine(static_cast<SECTION_LIST*>(nullptr), "a=b", FALSE, nullptr), nullptr);
    EXPECT_EQ(list.AddLine("missing", "a=b", FALSE, nullptr), nullptr);
    EXPECT_EQ(list.AddLine("", "a=b", FALSE, nullptr), nullptr);
}

TEST(SectionList, LineSplitting) {
    struct Case {
        const char* text;
        const char* key;
        const char* value;
    } cases[] = {
        {"key = value", "key", "value"},
        {"\tkey\t=\t value \t", "key", "value"},
        {"X=", "X", ""},
        {"  bare words  ", "  bare words  ", ""},
        {"a = b = c", "a", "b = c"},
        {"\"quoted\" = \"v\"", "\"quoted\"", "\"v\""},
        {"=value", "", "value"},
    };
    for (const Case& c : cases) {
        CSectionList list;
        LINE_LIST* line = list.AddLine(list.AddSection("S", nullptr), c.text, FALSE, nullptr);
        ASSERT_NE(line, nullptr) << c.text;
        EXPECT_STREQ(line->key, c.key) << c.text;
        EXPECT_STREQ(line->value, c.value) << c.text;
    }
}

TEST(SectionList, DuplicateKeysKeepFileOrder) {
    CSectionList list;
    SECTION_LIST* s = list.AddSection("S", nullptr);
    list.AddLine(s, "A = 1", FALSE, nullptr);
    list.AddLine(s, "a = 2", FALSE, nullptr);
    list.AddLine(s, "A = 3", FALSE, nullptr);
    for (int i = 0; i < 3; ++i) {
        LINE_LIST* line = list.FindKey(s, "A", i);
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->value, std::to_string(i + 1));
    }
    EXPECT_EQ(list.FindKey(s, "A", 3), nullptr);
    EXPECT_EQ(list.FindKey(s, "A", -1), nullptr);
    EXPECT_EQ(list.FindKey(s, "", 0), nullptr);
    EXPECT_EQ(list.FindKey(nullptr, "A", 0), nullptr);
    char value[8];
    EXPECT_TRUE(list.GetValue("s", "a", value, sizeof(value), 1));
    EXPECT_STREQ(value, "2");
    EXPECT_FALSE(list.GetValue("s", "a", value, sizeof(value), 3));
    EXPECT_FALSE(list.GetValue(nullptr, "a", value, sizeof(value), 0));
}

TEST(SectionList, InsertionAfterKeyKeepsLookupsInListOrder) {
    CSectionList list;
    SECTION_LIST* s = list.AddSection("S", nullptr);
    list.AddLine(s, "K = first", FALSE, nullptr);
    list.AddLine(s, "M = mid", FALSE, nullptr);
    list.AddLine(s, "K = last", FALSE, nullptr);
    // Inserted after the first K: it becomes the second K in list order.
    list.AddLine(s, "K = inserted", FALSE, "k");
    EXPECT_EQ(Keys(s), (std::vector<std::string>{"K=first", "K=inserted", "M=mid", "K=last"}));
    EXPECT_STREQ(list.FindKey(s, "K", 1)->value, "inserted");
    EXPECT_STREQ(list.FindKey(s, "K", 2)->value, "last");
    // Appending after an inserted line still lands at the end.
    list.AddLine(s, "K = end", FALSE, "missing");
    EXPECT_STREQ(list.FindKey(s, "K", 3)->value, "end");
    EXPECT_STREQ(list.FindKey(s, 4)->value, "end");
    ExpectLinked(list);
}

TEST(SectionList, ReplaceOverwritesFirstMatch) {
    CSectionList list;
    SECTION_LIST* s = list.AddSection("S", nullptr);
    list.AddLine(s, "K = 1", FALSE, nullptr);
    list.AddLine(s, "K = 2", FALSE, nullptr);
    LINE_LIST* replaced = list.AddLine(s, "k = new", TRUE, nullptr);
    EXPECT_EQ(replaced, list.FindKey(s, "K", 0));
    EXPECT_EQ(Keys(s), (std::vector<std::string>{"K=new", "K=2"}));
    EXPECT_NE(list.AddLine(s, "other = x", TRUE, nullptr), nullptr);
    EXPECT_EQ(Keys(s).size(), 3u);
}

TEST(SectionList, SetValue) {
    CSectionList list;
    list.AddSection("First", nullptr);
    EXPECT_TRUE(list.SetValue("New", "key", "value", 0));
    EXPECT_TRUE(list.SetValue("New", "bare", "", 0));
    EXPECT_EQ(SectionNames(list), (std::vector<std::string>{"First", "New"}));
    SECTION_LIST* s = list.FindSection("new");
    EXPECT_EQ(Keys(s), (std::vector<std::string>{"key=value", "bare="}));
    // An index past the matches overwrites the first match.
    list.AddLine(s, "key = second", FALSE, nullptr);
    EXPECT_TRUE(list.SetValue("New", "key", "again", 5));
    EXPECT_EQ(Keys(s), (std::vector<std::string>{"key=again", "bare=", "key=second"}));
    EXPECT_TRUE(list.SetValue("New", "key", "two", 1));
    EXPECT_STREQ(list.FindKey(s, "key", 1)->value, "two");
    EXPECT_FALSE(list.SetValue(nullptr, "k", "v", 0));
    EXPECT_FALSE(list.SetValue("New", "", "v", 0));
    EXPECT_FALSE(list.SetValue("New", "key", std::string(4096, 'x').c_str(), 0));
}

TEST(SectionList, GetValueCutsAndTerminates) {
    CSectionList list;
    list.SetValue("S", "k", "abcdef", 0);
    char buffer[8];
    std::memset(buffer, 'Z', sizeof(buffer));
    ASSERT_TRUE(list.GetValue("S", "k", buffer, 4, 0));
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], 'Z');  // nothing written past the given size
    ASSERT_TRUE(list.GetValue("S", "k", buffer, sizeof(buffer), 0));
    EXPECT_STREQ(buffer, "abcdef");
    EXPECT_EQ(buffer[7], '\0');
    EXPECT_FALSE(list.GetValue("S", "k", buffer, 0, 0));
    EXPECT_FALSE(list.GetValue("S", "k", nullptr, 8, 0));
}

TEST(SectionList, GetAllKey) {
    CSectionList list;
    SECTION_LIST* s = list.AddSection("S", nullptr);
    list.AddLine(s, "ab = 1", FALSE, nullptr);
    list.AddLine(s, "c", FALSE, nullptr);
    list.AddLine(s, "ab = 2", FALSE, nullptr);
    const std::string expected("ab\0c\0ab\0", 8);

    struct Case {
        DWORD size;
        DWORD result;
        DWORD count;
    } cases[] = {
        {64, ERROR_SUCCESS, 3},
        {9, ERROR_SUCCESS, 3},      // room for the closing NUL
        {8, ERROR_OUTOFMEMORY, 2},  // exactly the keys and their NULs
        {1, ERROR_OUTOFMEMORY, 0},
    };
    for (const Case& c : cases) {
        std::vector<char> buffer(c.size, 'Z');
        DWORD size = c.size;
        DWORD count = 99;
        EXPECT_EQ(list.GetAllKey("S", buffer.data(), &size, &count), c.result) << c.size;
        EXPECT_EQ(size, 8u) << c.size;
        if (c.result == ERROR_SUCCESS) {
            EXPECT_EQ(std::string(buffer.data(), 9), expected + '\0');
            EXPECT_EQ(count, c.count);
        } else {
            EXPECT_EQ(std::string(buffer.begin(), buffer.end()), std::string(c.size, '\0'));
        }
    }
    DWORD size = 4;
    char buffer[4];
    EXPECT_EQ(list.GetAllKey("missing", buffer, &size, nullptr), ERROR_INVALID_DATA);
    EXPECT_EQ(list.GetAllKey(nullptr, buffer, &size, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(list.GetAllKey("S", buffer, nullptr, nullptr), ERROR_INVALID_PARAMETER);
    list.AddSection("Empty", nullptr);
    size = 4;
    EXPECT_EQ(list.GetAllKey("Empty", buffer, &size, nullptr), ERROR_SUCCESS);
    EXPECT_EQ(size, 0u);
}

TEST(SectionList, Deletion) {
    CSectionList list;
    for (const char* name : {"A", "B", "C"}) {
        list.SetValue(name, "k", "1", 0);
        list.AddLine(name, "k = 2", FALSE, nullptr);
        list.AddLine(name, "j = 3", FALSE, nullptr);
    }
    EXPECT_TRUE(list.DeleteSection("b"));
    EXPECT_FALSE(list.DeleteSection("b"));
    EXPECT_FALSE(list.DeleteSection(""));
    EXPECT_EQ(SectionNames(list), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(list.FindSection("B"), nullptr);

    EXPECT_TRUE(list.DeleteLine("A", "K"));
    SECTION_LIST* a = list.FindSection("A");
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"k=2", "j=3"}));
    EXPECT_STREQ(list.FindKey(a, "k", 0)->value, "2");
    EXPECT_EQ(list.FindKey(a, "k", 1), nullptr);
    EXPECT_TRUE(list.DeleteLine("A", "j"));
    // The last line went: appending goes after the new last line.
    list.AddLine(a, "z = 9", FALSE, nullptr);
    EXPECT_EQ(Keys(a), (std::vector<std::string>{"k=2", "z=9"}));
    EXPECT_FALSE(list.DeleteLine("A", "missing"));

    EXPECT_TRUE(list.DeleteAllLines("C"));
    EXPECT_NE(list.FindSection("C"), nullptr);
    EXPECT_EQ(list.FindKey(list.FindSection("C"), 0), nullptr);
    EXPECT_EQ(list.FindKey(list.FindSection("C"), "k", 0), nullptr);
    list.AddLine("C", "fresh = 1", FALSE, nullptr);
    EXPECT_EQ(Keys(list.FindSection("C")), (std::vector<std::string>{"fresh=1"}));

    // The last section went: new sections still land at the end.
    EXPECT_TRUE(list.DeleteSection("C"));
    list.AddSection("D", nullptr);
    EXPECT_EQ(SectionNames(list), (std::vector<std::string>{"A", "D"}));
    ExpectLinked(list);

    list.ClearAll();
    EXPECT_EQ(list.FindSection(nullptr), nullptr);
    EXPECT_EQ(list.FindSection("A"), nullptr);
    list.AddSection("E", nullptr);
    EXPECT_EQ(SectionNames(list), (std::vector<std::string>{"E"}));
}

TEST(SectionList, LookupsAgreeWithAWalkAfterManyEdits) {
    // A pseudo-random mix of appends, inserts and deletes; every lookup must
    // give the line a walk of the list finds.
    CSectionList list;
    SECTION_LIST* s = list.AddSection("S", nullptr);
    unsigned seed = 12345;
    auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (int step = 0; step < 2000; ++step) {
        const std::string key = "k" + std::to_string(next() % 7);
        switch (next() % 4) {
            case 0:
            case 1:
                list.AddLine(s, (key + "=" + std::to_string(step)).c_str(), FALSE, nullptr);
                break;
            case 2:
                list.AddLine(s, (key + "=" + std::to_string(step)).c_str(), FALSE,
                             ("k" + std::to_string(next() % 7)).c_str());
                break;
            default:
                list.DeleteLine("S", key.c_str());
        }
        const std::string probe = "K" + std::to_string(next() % 7);
        const int index = static_cast<int>(next() % 3);
        LINE_LIST* walked = nullptr;
        int seen = 0;
        for (LINE_LIST* l = s->lines; l != nullptr; l = l->next) {
            if (std::string("K") + (l->key + 1) == probe && seen++ == index) {
                walked = l;
                break;
            }
        }
        ASSERT_EQ(list.FindKey(s, probe.c_str(), index), walked) << "step " << step;
    }
    ExpectLinked(list);
}

}  // namespace

// Registry access against Wine's real registry. Every test works below its
// own key, HKEY_CURRENT_USER\Software\SetupTests\<unique>, and the keys it
// names for other roots; all of them are deleted at teardown.
#include "foundation/Registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "foundation/Log.h"
#include "platform/Handle.h"
#include "tests/support/TempDir.h"
#include "tests/support/TestFiles.h"

namespace {

using platform::UniqueKey;

// A value as the registry holds it: type and raw bytes.
using Value = std::pair<DWORD, std::string>;
using Values = std::map<std::string, Value>;
// Every key of a tree by its path below the tree's top ("" for the top).
using Tree = std::map<std::string, Values>;

std::string Sz(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

std::string DwordBytes(DWORD number) {
    return std::string(reinterpret_cast<const char*>(&number), sizeof(number));
}

void RawSet(HKEY root, const std::string& path, const char* name, DWORD type,
            const std::string& bytes) {
    UniqueKey key;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                             static_cast<DWORD>(bytes.size())),
              ERROR_SUCCESS);
}

void RawCreate(HKEY root, const std::string& path) {
    UniqueKey key;
    ASSERT_EQ(RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.put(),
                              nullptr),
              ERROR_SUCCESS);
}

bool KeyExists(HKEY root, const std::string& path) {
    UniqueKey key;
    return RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

LONG RawGet(HKEY root, const std::string& path, const char* name, Value& value) {
    UniqueKey key;
    LONG result = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put());
    if (result != ERROR_SUCCESS) {
        return result;
    }
    DWORD type = 0;
    DWORD size = 0;
    result = RegQueryValueExA(key.get(), name, nullptr, &type, nullptr, &size);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    std::string bytes(size, '\0');
    result = RegQueryValueExA(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&bytes[0]),
                              &size);
    bytes.resize(size);
    value = Value(type, bytes);
    return result;
}

void SnapshotInto(HKEY key, const std::string& relative, Tree& tree) {
    Values& values = tree[relative];
    for (DWORD i = 0;; ++i) {
        char name[1024];
        DWORD nameSize = sizeof(name);
        DWORD type = 0;
        std::string data(65536, '\0');
        DWORD size = static_cast<DWORD>(data.size());
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type,
                          reinterpret_cast<BYTE*>(&data[0]), &size) != ERROR_SUCCESS) {
            break;
        }
        data.resize(size);
        values[name] = Value(type, data);
    }
    for (DWORD i = 0;; ++i) {
        char name[1024];
        DWORD nameSize = sizeof(name);
        if (RegEnumKeyExA(key, i, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        UniqueKey sub;
        ASSERT_EQ(RegOpenKeyExA(key, name, 0, KEY_READ, sub.put()), ERROR_SUCCESS);
        SnapshotInto(sub.get(), relative.empty() ? name : relative + "\\" + name, tree);
    }
}

// The whole tree below a key, read without CRegistry.
Tree Snapshot(HKEY root, const std::string& path) {
    Tree tree;
    UniqueKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
        SnapshotInto(key.get(), "", tree);
    }
    return tree;
}

std::string ReadAll(const std::string& path) {
    return testing_support::ReadTextFile(path);
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        m_name = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) +
                 "-" + std::to_string(++counter);
        m_root = "Software\\SetupTests\\" + m_name;
        RawCreate(HKEY_CURRENT_USER, m_root);
        Cleanup(HKEY_CURRENT_USER, m_root);
    }

    void TearDown() override {
        for (const auto& [root, path] : m_cleanups) {
            RegDeleteTreeA(root, path.c_str());
            RegDeleteKeyA(root, path.c_str());
        }
        // The common parents go only when no other test run still uses them.
        RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SetupTests");
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\SetupTests");
        RegDeleteKeyA(HKEY_USERS, ".Default\\Software\\SetupTests");
    }

    void Cleanup(HKEY root, const std::string& path) { m_cleanups.emplace_back(root, path); }
    // A path below the test's own key under HKEY_CURRENT_USER.
    std::string Path(const std::string& sub) const { return m_root + "\\" + sub; }
    // The same relative place under HKEY_LOCAL_MACHINE, deleted at teardown.
    std::string MachinePath() {
        Cleanup(HKEY_LOCAL_MACHINE, m_root);
        return m_root;
    }

    std::string m_name;
    std::string m_root;
    std::vector<std::pair<HKEY, std::string>> m_cleanups;
};

// Values

struct ValueCase {
    const char* name;
    bool dword;
    const char* text;
    DWORD number;
};

TEST_F(RegistryTest, WritesAndReadsStringAndDwordValues) {
    const ValueCase cases[] = {
        {"Text", false, "hello world", 0},
        {"Empty", false, "", 0},
        {"Quoted", false, "say \"hi\" = %TEMP% C:\\new", 0},
        {"Zero", true, nullptr, 0},
        {"Count", true, nullptr, 26},
        {"Max", true, nullptr, 0xFFFFFFFFu},
    };
    const std::string path = Path("Values\\Deeper");
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.name);
        Value raw;
        if (c.dword) {
            ASSERT_EQ(CRegistry::SetValue(path.c_str(), c.name, c.number, HKEY_CURRENT_USER), 0u);
            DWORD number = 12345;
            EXPECT_EQ(CRegistry::GetValue(path.c_str(), c.name, &number, HKEY_CURRENT_USER), 0u);
            EXPECT_EQ(number, c.number);
            ASSERT_EQ(RawGet(HKEY_CURRENT_USER, path, c.name, raw), ERROR_SUCCESS);
            EXPECT_EQ(raw, Value(REG_DWORD, DwordBytes(c.number)));
        } else {
            ASSERT_EQ(CRegistry::SetValue(path.c_str(), c.name, c.text, HKEY_CURRENT_USER), 0u);
            char buffer[4096];
            EXPECT_EQ(CRegistry::GetValue(path.c_str(), c.name, buffer, HKEY_CURRENT_USER), 0u);
            EXPECT_STREQ(buffer, c.text);
            // Stored with its terminating NUL, as other readers of REG_SZ expect.
            ASSERT_EQ(RawGet(HKEY_CURRENT_USER, path, c.name, raw), ERROR_SUCCESS);
            EXPECT_EQ(raw, Value(REG_SZ, Sz(c.text)));
        }
    }
    // Writing again replaces the value.
    ASSERT_EQ(CRegistry::SetValue(path.c_str(), "Text", "again", HKEY_CURRENT_USER), 0u);
    char buffer[4096];
    ASSERT_EQ(CRegistry::GetValue(path.c_str(), "Text", buffer, HKEY_CURRENT_USER), 0u);
    EXPECT_STREQ(buffer, "again");
}

struct ReadCase {
    const char* key;
    const char* name;
    bool dword;
    int maxSize;
    DWORD result;
    const char* text;  // expected text of a string read that succeeds
};

TEST_F(RegistryTest, ReadsReportMissingDataWrongTypesAndSmallBuffers) {
    const std::string path = Path("Read");
    RawSet(HKEY_CURRENT_USER, path, "Sz", REG_SZ, Sz("hello"));
    RawSet(HKEY_CURRENT_USER, path, "Dw", REG_DWORD, DwordBytes(26));
    RawSet(HKEY_CURRENT_USER, path, "Exp", REG_EXPAND_SZ, Sz("%TEMP%"));
    RawSet(HKEY_CURRENT_USER, path, "Bin", REG_BINARY, DwordBytes(7));
    RawSet(HKEY_CURRENT_USER, path, "Longest", REG_SZ, Sz(std::string(4095, 'x')));
    RawSet(HKEY_CURRENT_USER, path, "TooLong", REG_SZ, Sz(std::string(4096, 'x')));
    // Written by a program that left out the terminating NUL.
    RawSet(HKEY_CURRENT_USER, path, "NoNul", REG_SZ, "abc");
    const std::string longest(4095, 'x');
    const std::string missing = Path("Missing");
    const ReadCase cases[] = {
        {path.c_str(), "Sz", false, -1, 0, "hello"},
        {path.c_str(), "Sz", false, 6, 0, "hello"},
        {path.c_str(), "Sz", false, 5, ERROR_INSUFFICIENT_BUFFER, nullptr},
        {path.c_str(), "Sz", false, 0, ERROR_INSUFFICIENT_BUFFER, nullptr},
        {path.c_str(), "NoNul", false, 4, 0, "abc"},
        {path.c_str(), "NoNul", false, 3, ERROR_INSUFFICIENT_BUFFER, nullptr},
        {path.c_str(), "Longest", false, -1, 0, longest.c_str()},
        {path.c_str(), "TooLong", false, -1, ERROR_INSUFFICIENT_BUFFER, nullptr},
        {path.c_str(), "Dw", false, -1, ERROR_INVALID_PARAMETER, nullptr},
        {path.c_str(), "Exp", false, -1, ERROR_INVALID_PARAMETER, nullptr},
        {path.c_str(), "Gone", false, -1, ERROR_FILE_NOT_FOUND, nullptr},
        {missing.c_str(), "Sz", false, -1, ERROR_FILE_NOT_FOUND, nullptr},
        {path.c_str(), "Dw", true, -1, 0, nullptr},
        {path.c_str(), "Sz", true, -1, ERROR_INVALID_PARAMETER, nullptr},
        {path.c_str(), "Bin", true, -1, ERROR_INVALID_PARAMETER, nullptr},
        {path.c_str(), "Gone", true, -1, ERROR_FILE_NOT_FOUND, nullptr},
        {missing.c_str(), "Dw", true, -1, ERROR_FILE_NOT_FOUND, nullptr},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.dword ? " as DWORD" : " as text") + ", max " +
                     std::to_string(c.maxSize));
        if (c.dword) {
            DWORD number = 0xDEADBEEF;
            EXPECT_EQ(CRegistry::GetValue(c.key, c.name, &number, HKEY_CURRENT_USER), c.result);
            EXPECT_EQ(number, c.result == 0 ? 26u : 0xDEADBEEFu);
        } else {
            std::string buffer(4100, '#');
            EXPECT_EQ(CRegistry::GetValue(c.key, c.name, &buffer[0], HKEY_CURRENT_USER, c.maxSize),
                      c.result);
            if (c.result == 0) {
                EXPECT_STREQ(buffer.c_str(), c.text);
            } else {
                EXPECT_EQ(buffer, std::string(4100, '#')) << "buffer changed on failure";
            }
        }
    }
}

TEST_F(RegistryTest, DeleteValue) {
    const std::string path = Path("Del");
    RawSet(HKEY_CURRENT_USER, path, "Gone", REG_SZ, Sz("x"));
    RawSet(HKEY_CURRENT_USER, path, "Kept", REG_SZ, Sz("y"));
    EXPECT_EQ(CRegistry::DeleteValue(path.c_str(), "Gone", HKEY_CURRENT_USER), 0u);
    Value raw;
    EXPECT_EQ(RawGet(HKEY_CURRENT_USER, path, "Gone", raw), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RawGet(HKEY_CURRENT_USER, path, "Kept", raw), ERROR_SUCCESS);
    EXPECT_EQ(CRegistry::DeleteValue(path.c_str(), "Gone", HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(CRegistry::DeleteValue(Path("Missing").c_str(), "Kept", HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(RegistryTest, SixtyFourBitFlagReachesTheSameKeysForThisProgram) {
    const std::string path = Path("View\\Key");
    RawSet(HKEY_CURRENT_USER, m_root, "Marker", REG_SZ, Sz("stop"));
    ASSERT_EQ(CRegistry::SetValue(path.c_str(), "Text", "v", HKEY_CURRENT_USER, TRUE), 0u);
    ASSERT_EQ(CRegistry::SetValue(path.c_str(), "Number", 5, HKEY_CURRENT_USER, TRUE), 0u);
    DWORD number = 0;
    EXPECT_EQ(CRegistry::GetValue(path.c_str(), "Number", &number, HKEY_CURRENT_USER), 0u);
    EXPECT_EQ(number, 5u);
    EXPECT_EQ(CRegistry::DeleteValue(path.c_str(), "Number", HKEY_CURRENT_USER, TRUE), 0u);
    RawCreate(HKEY_CURRENT_USER, path + "\\Sub");
    EXPECT_EQ(CRegistry::DeleteKey((path + "\\Sub").c_str(), TRUE, HKEY_CURRENT_USER, TRUE), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, path + "\\Sub"));
    RawCreate(HKEY_CURRENT_USER, path + "\\Sub\\Deep");
    EXPECT_EQ(CRegistry::DeleteKey(path.c_str(), FALSE, HKEY_CURRENT_USER, TRUE), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("View")));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, m_root));
}

TEST_F(RegistryTest, BadArgumentsAreRefusedWithoutTouchingTheRegistry) {
    const std::string path = Path("Untouched");
    const std::string file = (std::filesystem::temp_directory_path() / ("reg-" + m_name)).string();
    RawSet(HKEY_CURRENT_USER, Path("Src"), "V", REG_SZ, Sz("x"));
    UniqueKey open;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, m_root.c_str(), 0, KEY_READ, open.put()),
              ERROR_SUCCESS);
    char buffer[4096];
    DWORD number = 0;
    const HKEY cu = HKEY_CURRENT_USER;
    const std::pair<const char*, std::function<DWORD()>> calls[] = {
        {"GetValue null path", [&] { return CRegistry::GetValue(nullptr, "V", buffer, cu); }},
        {"GetValue empty path", [&] { return CRegistry::GetValue("", "V", buffer, cu); }},
        {"GetValue only backslashes", [&] { return CRegistry::GetValue("\\\\", "V", buffer, cu); }},
        {"GetValue empty name", [&] { return CRegistry::GetValue(path.c_str(), "", buffer, cu); }},
        {"GetValue null buffer",
         [&] { return CRegistry::GetValue(path.c_str(), "V", static_cast<char*>(nullptr), cu); }},
        {"GetValue null name DWORD",
         [&] { return CRegistry::GetValue(path.c_str(), nullptr, &number, cu); }},
        {"GetValue null number",
         [&] { return CRegistry::GetValue(path.c_str(), "V", static_cast<DWORD*>(nullptr), cu); }},
        {"SetValue empty path", [&] { return CRegistry::SetValue("", "V", "x", cu); }},
        {"SetValue empty name", [&] { return CRegistry::SetValue(path.c_str(), "", "x", cu); }},
        {"SetValue null name", [&] { return CRegistry::SetValue(path.c_str(), nullptr, "x", cu); }},
        {"SetValue null text",
         [&] {
             return CRegistry::SetValue(path.c_str(), "V", static_cast<const char*>(nullptr), cu);
         }},
        {"SetValue DWORD empty name",
         [&] { return CRegistry::SetValue(path.c_str(), "", DWORD{1}, cu); }},
        {"SetValue DWORD null path",
         [&] { return CRegistry::SetValue(nullptr, "V", DWORD{1}, cu); }},
        {"DeleteValue empty name", [&] { return CRegistry::DeleteValue(m_root.c_str(), "", cu); }},
        {"DeleteValue null path", [&] { return CRegistry::DeleteValue(nullptr, "V", cu); }},
        {"DeleteKey empty path", [&] { return CRegistry::DeleteKey("", FALSE, cu); }},
        {"DeleteKey backslash", [&] { return CRegistry::DeleteKey("\\", TRUE, cu); }},
        {"DeleteSubKey null", [&] { return CRegistry::DeleteSubKey(nullptr, cu); }},
        {"DeleteEmptyParent empty", [&] { return CRegistry::DeleteEmptyParent("", cu); }},
        {"CopyKey empty source",
         [&] { return CRegistry::CopyKey("", path.c_str(), TRUE, cu, cu); }},
        {"CopyKey null target",
         [&] { return CRegistry::CopyKey(Path("Src").c_str(), nullptr, TRUE, cu, cu); }},
        {"CopyKey into itself",
         [&] {
             return CRegistry::CopyKey(m_root.c_str(), (m_root + "\\Untouched").c_str(), TRUE, cu,
                                       cu);
         }},
        {"CopyValue null key", [&] { return CRegistry::CopyValue(nullptr, 1, path.c_str(), cu); }},
        {"CopyValue empty target", [&] { return CRegistry::CopyValue(open.get(), 1, "", cu); }},
        {"SaveToFile empty path", [&] { return CRegistry::SaveToFile("", file.c_str(), cu); }},
        {"SaveToFile null file",
         [&] { return CRegistry::SaveToFile(m_root.c_str(), nullptr, cu); }},
        {"SaveToFile root without a name",
         [&] { return CRegistry::SaveToFile("Src", file.c_str(), open.get()); }},
        {"LoadFromFile empty", [&] { return CRegistry::LoadFromFile(""); }},
        {"LoadFromFile null", [&] { return CRegistry::LoadFromFile(nullptr); }},
        {"SetDaclPermission empty", [&] { return CRegistry::SetDaclPermission("", cu); }},
    };
    for (const auto& [what, call] : calls) {
        SCOPED_TRACE(what);
        EXPECT_EQ(call(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, path));
        EXPECT_FALSE(std::filesystem::exists(file));
    }
    EXPECT_FALSE(CRegistry::SetRegistryKeyToAllUserAccess("", cu));
    EXPECT_FALSE(CRegistry::SetRegistryKeyToAllUserAccess(nullptr, cu));
    // Nothing was deleted either.
    Value raw;
    EXPECT_EQ(RawGet(HKEY_CURRENT_USER, Path("Src"), "V", raw), ERROR_SUCCESS);
}

// Deleting keys

struct ParentCase {
    const char* what;
    std::function<void(const std::string& parent)> fill;
    bool parentStays;
};

TEST_F(RegistryTest, DeleteKeyRemovesTheTreeAndTheParentsItLeavesEmpty) {
    const ParentCase cases[] = {
        {"empty parent", [](const std::string&) {}, false},
        {"parent with a value",
         [](const std::string& parent) {
             RawSet(HKEY_CURRENT_USER, parent, "Keep", REG_DWORD, DwordBytes(1));
         },
         true},
        {"parent with another sub-key",
         [](const std::string& parent) { RawCreate(HKEY_CURRENT_USER, parent + "\\Sibling"); },
         true},
    };
    // The test's own key holds a value, so the removal of empty parents stops there.
    RawSet(HKEY_CURRENT_USER, m_root, "Marker", REG_SZ, Sz("stop"));
    for (const ParentCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string a = Path("A");
        const std::string b = a + "\\B";
        const std::string target = b + "\\C";
        RawSet(HKEY_CURRENT_USER, target + "\\D\\E", "Deep", REG_SZ, Sz("x"));
        RawSet(HKEY_CURRENT_USER, target, "Own", REG_SZ, Sz("x"));
        RawCreate(HKEY_CURRENT_USER, target + "\\F");
        c.fill(a);

        ASSERT_EQ(CRegistry::DeleteKey(target.c_str(), FALSE, HKEY_CURRENT_USER), 0u);
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, target));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, b));
        EXPECT_EQ(KeyExists(HKEY_CURRENT_USER, a), c.parentStays);
        EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, m_root));
        RegDeleteTreeA(HKEY_CURRENT_USER, a.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, a.c_str());
    }
}

TEST_F(RegistryTest, DeleteKeyNeverRemovesTheKeyDirectlyUnderTheRoot) {
    const std::string top = "SetupTestsTop-" + m_name;
    Cleanup(HKEY_CURRENT_USER, top);
    RawCreate(HKEY_CURRENT_USER, top + "\\B\\C\\D");
    // A trailing backslash names the same key.
    ASSERT_EQ(CRegistry::DeleteKey((top + "\\B\\C\\").c_str(), FALSE, HKEY_CURRENT_USER), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, top + "\\B"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, top));
}

TEST_F(RegistryTest, DeleteKeyOfThisKeyOnly) {
    const std::string leaf = Path("Only\\Leaf");
    RawSet(HKEY_CURRENT_USER, leaf, "V", REG_SZ, Sz("x"));
    ASSERT_EQ(CRegistry::DeleteKey(leaf.c_str(), TRUE, HKEY_CURRENT_USER), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, leaf));
    // Its parent is left, although it is empty now.
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Only")));

    // A key with sub-keys is not deleted at all.
    RawCreate(HKEY_CURRENT_USER, Path("Only\\Inner"));
    EXPECT_NE(CRegistry::DeleteKey(Path("Only").c_str(), TRUE, HKEY_CURRENT_USER), 0u);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("Only\\Inner")));

    EXPECT_EQ(CRegistry::DeleteKey(Path("Missing").c_str(), TRUE, HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(CRegistry::DeleteKey(Path("Missing").c_str(), FALSE, HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(RegistryTest, DeleteSubKeyAndDeleteEmptyParentSeparately) {
    RawSet(HKEY_CURRENT_USER, m_root, "Marker", REG_SZ, Sz("stop"));
    RawCreate(HKEY_CURRENT_USER, Path("P\\Q\\R\\S"));
    // Only the key's ancestors go; the key itself stays.
    ASSERT_EQ(CRegistry::DeleteEmptyParent(Path("P\\Q\\R\\S").c_str(), HKEY_CURRENT_USER), 0u);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("P\\Q\\R\\S")));

    ASSERT_EQ(CRegistry::DeleteSubKey(Path("P\\Q").c_str(), HKEY_CURRENT_USER), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("P\\Q")));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("P")));
    ASSERT_EQ(CRegistry::DeleteEmptyParent(Path("P\\Q").c_str(), HKEY_CURRENT_USER), 0u);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("P")));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, m_root));
    EXPECT_EQ(CRegistry::DeleteEmptyParent(Path("Gone\\Child").c_str(), HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

// Copying keys

// A tree with values of several types, a default value and an empty key.
void FillSource(const std::string& source) {
    RawSet(HKEY_CURRENT_USER, source, "", REG_SZ, Sz("default"));
    RawSet(HKEY_CURRENT_USER, source, "Text", REG_SZ, Sz("hello"));
    RawSet(HKEY_CURRENT_USER, source, "Count", REG_DWORD, DwordBytes(26));
    RawSet(HKEY_CURRENT_USER, source, "Blob", REG_BINARY, std::string("\x01\x00\xff", 3));
    RawSet(HKEY_CURRENT_USER, source, "Expand", REG_EXPAND_SZ, Sz("%TEMP%\\x"));
    RawSet(HKEY_CURRENT_USER, source + "\\Sub", "Inner", REG_SZ, Sz("inner"));
    RawSet(HKEY_CURRENT_USER, source + "\\Sub\\Deep", "Deepest", REG_DWORD, DwordBytes(3));
    RawCreate(HKEY_CURRENT_USER, source + "\\Empty");
}

TEST_F(RegistryTest, CopyKeyCopiesATreeToAnotherRoot) {
    const std::string source = Path("Src");
    FillSource(source);
    const std::string target = MachinePath() + "\\Copy";
    ASSERT_EQ(CRegistry::CopyKey(source.c_str(), target.c_str(), TRUE, HKEY_CURRENT_USER,
                                 HKEY_LOCAL_MACHINE),
              0u);
    const Tree copied = Snapshot(HKEY_LOCAL_MACHINE, target);
    EXPECT_EQ(copied, Snapshot(HKEY_CURRENT_USER, source));
    EXPECT_EQ(copied.size(), 4u);  // the top, Sub, Sub\Deep and Empty
}

TEST_F(RegistryTest, CopyKeyWithoutRecursionCopiesOnlyTheValues) {
    const std::string source = Path("Src");
    FillSource(source);
    const std::string target = Path("Flat");
    ASSERT_EQ(CRegistry::CopyKey(source.c_str(), target.c_str(), FALSE, HKEY_CURRENT_USER,
                                 HKEY_CURRENT_USER),
              0u);
    const Tree copied = Snapshot(HKEY_CURRENT_USER, target);
    ASSERT_EQ(copied.size(), 1u);
    EXPECT_EQ(copied.at(""), Snapshot(HKEY_CURRENT_USER, source).at(""));

    // An empty key is copied as an empty key.
    ASSERT_EQ(CRegistry::CopyKey((source + "\\Empty").c_str(), Path("EmptyCopy").c_str(), FALSE,
                                 HKEY_CURRENT_USER, HKEY_CURRENT_USER),
              0u);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, Path("EmptyCopy")));
}

TEST_F(RegistryTest, CopyKeyErrors) {
    EXPECT_EQ(CRegistry::CopyKey(Path("Missing").c_str(), Path("T").c_str(), TRUE,
                                 HKEY_CURRENT_USER, HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Path("T")));

    // Data over 4096 bytes is not copied, and the copy says so.
    RawSet(HKEY_CURRENT_USER, Path("Big"), "Large", REG_BINARY, std::string(5000, 'x'));
    EXPECT_EQ(CRegistry::CopyKey(Path("Big").c_str(), Path("BigCopy").c_str(), FALSE,
                                 HKEY_CURRENT_USER, HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_MORE_DATA));

    // Into a sibling whose name starts like the source's is no copy into itself.
    RawSet(HKEY_CURRENT_USER, Path("Same"), "V", REG_SZ, Sz("x"));
    EXPECT_EQ(CRegistry::CopyKey(Path("Same").c_str(), Path("Same2").c_str(), TRUE,
                                 HKEY_CURRENT_USER, HKEY_CURRENT_USER),
              0u);
    EXPECT_EQ(CRegistry::CopyKey(Path("Same").c_str(), Path("SAME\\Inner").c_str(), TRUE,
                                 HKEY_CURRENT_USER, HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

// Registry files

TEST_F(RegistryTest, SaveToFileWritesOneSectionPerKeyParentsFirst) {
    const std::string key = Path("Save");
    // Wine lists values in name order, Windows in creation order: both agree here.
    RawSet(HKEY_CURRENT_USER, key, "A_Name", REG_SZ, Sz("Value"));
    RawSet(HKEY_CURRENT_USER, key, "B_Count", REG_DWORD, DwordBytes(26));
    RawSet(HKEY_CURRENT_USER, key, "C_Blob", REG_BINARY, std::string("\x01\x02", 2));
    RawSet(HKEY_CURRENT_USER, key, "D_Multi", REG_MULTI_SZ, std::string("a\0b\0\0", 5));
    RawSet(HKEY_CURRENT_USER, key + "\\Child", "Inner", REG_SZ, Sz("x"));
    RawCreate(HKEY_CURRENT_USER, key + "\\Child\\Leaf");
    RawSet(HKEY_CURRENT_USER, key + "\\Other", "N", REG_DWORD, DwordBytes(0xABCDEF01));
    testing_support::TempDir dir;
    const std::string file = (dir.path() / "save.reg").string();

    ASSERT_EQ(CRegistry::SaveToFile(key.c_str(), file.c_str(), HKEY_CURRENT_USER), 0u);
    const std::string section = "HKEY_CURRENT_USER\\" + key;
    EXPECT_EQ(ReadAll(file), "[" + section +
                                 "]\r\n"
                                 "\"A_Name\" = \"Value\"\r\n"
                                 "\"B_Count\" = dword:0000001a\r\n"
                                 "\"C_Blob\" = hex:\r\n"
                                 "\r\n"
                                 "[" +
                                 section +
                                 "\\Child]\r\n"
                                 "\"Inner\" = \"x\"\r\n"
                                 "\r\n"
                                 "[" +
                                 section +
                                 "\\Child\\Leaf]\r\n"
                                 "\r\n"
                                 "[" +
                                 section +
                                 "\\Other]\r\n"
                                 "\"N\" = dword:abcdef01\r\n"
                                 "\r\n");
}

TEST_F(RegistryTest, SaveToFileNeverOverwritesAFileAndNeedsItsKey) {
    RawSet(HKEY_CURRENT_USER, Path("Save"), "V", REG_SZ, Sz("x"));
    testing_support::TempDir dir;
    const std::string existing = dir.Write("existing.reg", "keep me");
    EXPECT_EQ(CRegistry::SaveToFile(Path("Save").c_str(), existing.c_str(), HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(ReadAll(existing), "keep me");

    const std::string fresh = (dir.path() / "fresh.reg").string();
    EXPECT_EQ(CRegistry::SaveToFile(Path("Missing").c_str(), fresh.c_str(), HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(std::filesystem::exists(fresh));
}

TEST_F(RegistryTest, SavedTreeLoadsBackWithTrickyTexts) {
    const std::string key = Path("Trip");
    // Created in name order, so that Wine and Windows list them alike.
    const std::pair<const char*, std::string> texts[] = {
        {"", "default value"},           {"Empty", ""},
        {"Equals", "a=b = c"},           {"Link", "http://host/a/*b*/"},
        {"Odd", "a 5\" screen"},  // one double quote: the lines after it are read quoted
        {"Padded", "  blanks kept  "},   {"Path", "C:\\new\\table\\x.txt"},
        {"Percent", "%TEMP% is 100% %"}, {"Say \"hi\"", "\"quoted\""},
    };
    for (const auto& [name, text] : texts) {
        RawSet(HKEY_CURRENT_USER, key, name, REG_SZ, Sz(text));
    }
    RawSet(HKEY_CURRENT_USER, key, "Zero", REG_DWORD, DwordBytes(0));
    RawSet(HKEY_CURRENT_USER, key + "\\Sub", "Max", REG_DWORD, DwordBytes(0xFFFFFFFFu));
    RawSet(HKEY_CURRENT_USER, key + "\\Sub", "Blob", REG_BINARY, std::string("\x01\x02", 2));
    RawCreate(HKEY_CURRENT_USER, key + "\\Sub\\EmptyKey");
    Tree expected = Snapshot(HKEY_CURRENT_USER, key);
    expected["Sub"].erase("Blob");  // binary data is not kept in a registry file
    testing_support::TempDir dir;
    const std::string file = (dir.path() / "trip.reg").string();

    ASSERT_EQ(CRegistry::SaveToFile(key.c_str(), file.c_str(), HKEY_CURRENT_USER), 0u);
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(CRegistry::LoadFromFile(file.c_str()), 0u);
    EXPECT_EQ(Snapshot(HKEY_CURRENT_USER, key), expected);
}

TEST_F(RegistryTest, SaveLeavesOutWhatTheFileCannotCarryAndLogsIt) {
    testing_support::TempDir dir;
    CLog log("Registry test", dir.path().string() + "\\", "registry");
    SetLog(&log);
    const std::string key = Path("Lossy");
    RawSet(HKEY_CURRENT_USER, key, "A=B", REG_SZ, Sz("name with equals"));
    RawSet(HKEY_CURRENT_USER, key, "Break", REG_SZ, Sz("two\r\nlines"));
    RawSet(HKEY_CURRENT_USER, key, "Kept", REG_SZ, Sz("kept"));
    RawSet(HKEY_CURRENT_USER, key, "Odd", REG_SZ, Sz("5\" screen"));
    // Read after the odd line, this line's "//" would start a comment.
    RawSet(HKEY_CURRENT_USER, key, "Url", REG_SZ, Sz("http://host"));
    RawSet(HKEY_CURRENT_USER, key, "Words", REG_SZ, Sz("still kept"));
    const std::string file = (dir.path() / "lossy.reg").string();

    ASSERT_EQ(CRegistry::SaveToFile(key.c_str(), file.c_str(), HKEY_CURRENT_USER), 0u);
    SetLog(nullptr);
    ASSERT_EQ(RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(CRegistry::LoadFromFile(file.c_str()), 0u);
    const Tree loaded = Snapshot(HKEY_CURRENT_USER, key);
    ASSERT_EQ(loaded.count(""), 1u);
    const Values expected = {
        {"Kept", Value(REG_SZ, Sz("kept"))},
        {"Odd", Value(REG_SZ, Sz("5\" screen"))},
        {"Words", Value(REG_SZ, Sz("still kept"))},
    };
    EXPECT_EQ(loaded.at(""), expected);

    const std::string text = ReadAll(log.GetPath());
    for (const char* name : {"\"A=B\"", "\"Break\"", "\"Url\""}) {
        EXPECT_NE(text.find(std::string("value ") + name + " of key"), std::string::npos) << name;
    }
}

TEST_F(RegistryTest, LoadFromFileReadsHandWrittenFiles) {
    const std::string machine = MachinePath();
    const std::string users = ".Default\\" + m_root;
    Cleanup(HKEY_USERS, users);
    testing_support::TempDir dir;
    const std::string file = dir.Write("hand.reg",
                                       "// written by hand\r\n"
                                       "[HKEY_CURRENT_USER\\" +
                                           m_root +
                                           "\\Hand]\r\n"
                                           "\"Hex\" = dword:1A\r\n"
                                           "Lower=DWORD:\"00000010\"\r\n"
                                           "\"Text\" = \"a // b\"   // a comment\r\n"
                                           "Unquoted = \"x\"\r\n"
                                           "\"bare default\"\r\n"
                                           "\"Blob\" = hex:01,02\r\n"
                                           "[" +
                                           machine +
                                           "\\NoRoot]\r\n"
                                           "\"V\" = \"machine\"\r\n"
                                           "[ hkey_users\\" +
                                           users +
                                           " ]\r\n"
                                           "\"V\" = dword:2\r\n");

    ASSERT_EQ(CRegistry::LoadFromFile(file.c_str()), 0u);
    const Values hand = {
        {"", Value(REG_SZ, Sz("bare default"))},     {"Hex", Value(REG_DWORD, DwordBytes(26))},
        {"Lower", Value(REG_DWORD, DwordBytes(16))}, {"Text", Value(REG_SZ, Sz("a // b"))},
        {"Unquoted", Value(REG_SZ, Sz("x"))},
    };
    EXPECT_EQ(Snapshot(HKEY_CURRENT_USER, Path("Hand")), Tree({{"", hand}}));
    Value raw;
    ASSERT_EQ(RawGet(HKEY_LOCAL_MACHINE, machine + "\\NoRoot", "V", raw), ERROR_SUCCESS);
    EXPECT_EQ(raw, Value(REG_SZ, Sz("machine")));
    ASSERT_EQ(RawGet(HKEY_USERS, users, "V", raw), ERROR_SUCCESS);
    EXPECT_EQ(raw, Value(REG_DWORD, DwordBytes(2)));
}

TEST_F(RegistryTest, LoadFromFileWritesWhatItCanAndReportsTheFirstError) {
    testing_support::TempDir dir;
    const std::string file = dir.Write("bad.reg", "[HKEY_CURRENT_USER\\" + m_root +
                                                      "\\Bad]\r\n"
                                                      "\"A\" = \"1\"\r\n"
                                                      "\"B\" = weird:1\r\n"
                                                      "\"C\" = dword:xyz\r\n"
                                                      "\"D\" = \"4\"\r\n"
                                                      "[HKEY_CURRENT_USER]\r\n"
                                                      "\"AtTheRoot\" = \"no\"\r\n"
                                                      "[HKEY_CURRENT_USER\\" +
                                                      m_root +
                                                      "\\After]\r\n"
                                                      "\"E\" = dword:5\r\n");
    EXPECT_EQ(CRegistry::LoadFromFile(file.c_str()), static_cast<DWORD>(ERROR_INVALID_DATA));
    const Values bad = {{"A", Value(REG_SZ, Sz("1"))}, {"D", Value(REG_SZ, Sz("4"))}};
    EXPECT_EQ(Snapshot(HKEY_CURRENT_USER, Path("Bad")), Tree({{"", bad}}));
    Value raw;
    EXPECT_EQ(RawGet(HKEY_CURRENT_USER, "", "AtTheRoot", raw), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RawGet(HKEY_CURRENT_USER, Path("After"), "E", raw), ERROR_SUCCESS);

    EXPECT_EQ(CRegistry::LoadFromFile((dir.path() / "missing.reg").string().c_str()),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(RegistryTest, KeysUnderHkeyUsersSaveAndLoadBack) {
    const std::string users = ".Default\\" + m_root;
    Cleanup(HKEY_USERS, users);
    RawSet(HKEY_USERS, users + "\\Sub", "V", REG_SZ, Sz("user"));
    testing_support::TempDir dir;
    const std::string file = (dir.path() / "users.reg").string();
    ASSERT_EQ(CRegistry::SaveToFile(users.c_str(), file.c_str(), HKEY_USERS), 0u);
    EXPECT_EQ(ReadAll(file).rfind("[HKEY_USERS\\" + users + "]\r\n", 0), 0u);
    ASSERT_EQ(RegDeleteTreeA(HKEY_USERS, users.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(CRegistry::LoadFromFile(file.c_str()), 0u);
    Value raw;
    ASSERT_EQ(RawGet(HKEY_USERS, users + "\\Sub", "V", raw), ERROR_SUCCESS);
    EXPECT_EQ(raw, Value(REG_SZ, Sz("user")));
}

// Access for all users

// Whether the key's access list gives the well-known group full access, and
// with which entry flags.
bool FindFullAccess(HKEY root, const std::string& path, WELL_KNOWN_SID_TYPE group,
                    BYTE* flags = nullptr) {
    UniqueKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, READ_CONTROL, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<BYTE> descriptor(4096);
    DWORD size = static_cast<DWORD>(descriptor.size());
    if (RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor.data(), &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    if (!GetSecurityDescriptorDacl(descriptor.data(), &present, &list, &defaulted) || !present ||
        list == nullptr) {
        return false;
    }
    BYTE wanted[SECURITY_MAX_SID_SIZE];
    DWORD wantedSize = sizeof(wanted);
    if (!CreateWellKnownSid(group, nullptr, wanted, &wantedSize)) {
        return false;
    }
    for (DWORD i = 0; i < list->AceCount; ++i) {
        void* entry = nullptr;
        if (!GetAce(list, i, &entry)) {
            return false;
        }
        const auto* header = static_cast<ACE_HEADER*>(entry);
        PSID sid = nullptr;
        ACCESS_MASK mask = 0;
        if (header->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(entry);
            sid = &ace->SidStart;
            mask = ace->Mask;
        } else if (header->AceType == ACCESS_ALLOWED_OBJECT_ACE_TYPE) {
            auto* ace = static_cast<ACCESS_ALLOWED_OBJECT_ACE*>(entry);
            // Without object types the SID follows the flags directly.
            sid = ace->Flags == 0 ? static_cast<PSID>(&ace->ObjectType) : nullptr;
            mask = ace->Mask;
        }
        if (sid != nullptr && EqualSid(sid, wanted) && mask == KEY_ALL_ACCESS) {
            if (flags != nullptr) {
                *flags = header->AceFlags;
            }
            return true;
        }
    }
    return false;
}

TEST_F(RegistryTest, SetDaclPermissionGivesEveryoneInheritableFullAccess) {
    const std::string path = Path("Dacl");
    RawCreate(HKEY_CURRENT_USER, path);
    ASSERT_FALSE(FindFullAccess(HKEY_CURRENT_USER, path, WinWorldSid));
    ASSERT_EQ(CRegistry::SetDaclPermission(path.c_str(), HKEY_CURRENT_USER), 0u);
    BYTE flags = 0;
    ASSERT_TRUE(FindFullAccess(HKEY_CURRENT_USER, path, WinWorldSid, &flags));
    EXPECT_TRUE(flags & CONTAINER_INHERIT_ACE);
    // The key is still usable (and removable at teardown).
    EXPECT_EQ(CRegistry::SetValue(path.c_str(), "After", "x", HKEY_CURRENT_USER), 0u);
    EXPECT_EQ(CRegistry::SetDaclPermission(Path("Missing").c_str(), HKEY_CURRENT_USER),
              static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST_F(RegistryTest, AllUserAccessForEveryoneAndAdministrators) {
    const std::string path = Path("AllUsers");
    RawCreate(HKEY_CURRENT_USER, path);
    ASSERT_TRUE(CRegistry::SetRegistryKeyToAllUserAccess(path.c_str(), HKEY_CURRENT_USER));
    EXPECT_TRUE(FindFullAccess(HKEY_CURRENT_USER, path, WinWorldSid));
    EXPECT_TRUE(FindFullAccess(HKEY_CURRENT_USER, path, WinBuiltinAdministratorsSid));
    EXPECT_FALSE(
        CRegistry::SetRegistryKeyToAllUserAccess(Path("Missing").c_str(), HKEY_CURRENT_USER, TRUE));

    // Through a write with the all-users flag, in the machine's registry.
    const std::string machine = MachinePath() + "\\Shared";
    ASSERT_EQ(CRegistry::SetValue(machine.c_str(), "N", 7, HKEY_LOCAL_MACHINE, TRUE, TRUE), 0u);
    EXPECT_TRUE(FindFullAccess(HKEY_LOCAL_MACHINE, machine, WinWorldSid));
    EXPECT_TRUE(FindFullAccess(HKEY_LOCAL_MACHINE, machine, WinBuiltinAdministratorsSid));
    DWORD number = 0;
    EXPECT_EQ(CRegistry::GetValue(machine.c_str(), "N", &number, HKEY_LOCAL_MACHINE), 0u);
    EXPECT_EQ(number, 7u);
}

}  // namespace

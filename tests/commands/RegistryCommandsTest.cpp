// CT_ADDREG and CT_DELREG on data sections of the command file, against
// Wine's registry, under test keys that the fixture removes.
#include <vector>

#include "CommandFixture.h"
#include "platform/Handle.h"

namespace commands_test {
namespace {

const std::string kKey = std::string(kTestKey) + "\\Values";

// The command file of these tests.
std::string CommandFile() {
    const std::string key = kKey;
    return "[ADD.CU]\r\nROOTKEY = HKCU\r\nKEYNAME = " + key +
           "\r\n"
           "VALUE = REG_DWORD, Flag, 0x10\r\n"
           "VALUE = reg_dword, Number, 16\r\n"
           "VALUE = REG_SZ, Text, first, second, third\r\n"
           "VALUE = REG_SZ, Version, v$VERSION$\r\n"
           "VALUE = REG_SZ, , no name\r\n"
           "VALUE = REG_EXPAND_SZ, Other, 0x10\r\n"
           "VALUE = ,Shifted,Data\r\n"
           "NOTVALUE = REG_SZ, Ignored, x\r\n"
           "[ADD.LM]\r\nKEYNAME = " +
           key +
           "\r\nVALUE = REG_SZ, Machine, yes\r\n"
           "[ADD.PARTWORD]\r\nROOTKEY = MY_HKCU_ROOT\r\nKEYNAME = " +
           key +
           "\r\nVALUE = REG_SZ, Partial, yes\r\n"
           "[ADD.LONGNAME]\r\nROOTKEY = HKEY_CURRENT_USER\r\nKEYNAME = " +
           key +
           "\r\nVALUE = REG_SZ, LongName, yes\r\n"
           "[ADD.ALLACCESS]\r\nROOTKEY = HKCU\r\nKEYNAME = " +
           key +
           "\\Open\r\nSET_ALL_ACCESS = 1\r\nVALUE = REG_SZ, Open, yes\r\n"
           "[ADD.NOKEY]\r\nROOTKEY = HKCU\r\nVALUE = REG_SZ, Lost, x\r\n"
           "[ADD.EMPTYKEY]\r\nKEYNAME =\r\nVALUE = REG_SZ, Lost, x\r\n"
           "[ADD.NOTEN]\r\nROOTKEY = HKCU\r\nKEYNAME = " +
           key +
           "\r\nUNSUPPORTED_LANG = FR, en\r\nVALUE = REG_SZ, Skipped, x\r\n"
           "[ADD.NOTTHISOS]\r\nROOTKEY = HKCU\r\nKEYNAME = " +
           key + "\r\nUNSUPPORTED_OS = " + AllOSDefines() +
           "\r\nVALUE = REG_SZ, Skipped, x\r\n"
           "[DEL.FLAG]\r\nROOTKEY = HKCU\r\nKEYNAME = " +
           key +
           "\r\nVALUE = Flag\r\nVALUE = REG_SZ, Text\r\nVALUE = ,,\r\n"
           "[DEL.KEY]\r\nROOTKEY = HKCU\r\nKEYNAME = " +
           key +
           "\r\nDELETE_KEY = 1\r\n"
           "[DEL.NOKEY]\r\nROOTKEY = HKCU\r\nVALUE = Flag\r\n";
}

class RegistryCommandsTest : public CommandFixture {
protected:
    void SetUp() override {
        CommandFixture::SetUp();
        ASSERT_TRUE(Start("[WIZARD]\r\n", CommandFile()));
    }
};

// Whether everyone has full access to the key.
bool EveryoneHasFullAccess(HKEY root, const std::string& path) {
    platform::UniqueKey key;
    if (RegOpenKeyExA(root, path.c_str(), 0, READ_CONTROL, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    std::vector<BYTE> descriptor(4096);
    DWORD size = static_cast<DWORD>(descriptor.size());
    BOOL present = FALSE;
    BOOL defaulted = FALSE;
    PACL list = nullptr;
    BYTE world[SECURITY_MAX_SID_SIZE];
    DWORD worldSize = sizeof(world);
    if (RegGetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, descriptor.data(), &size) !=
            ERROR_SUCCESS ||
        !GetSecurityDescriptorDacl(descriptor.data(), &present, &list, &defaulted) || !present ||
        list == nullptr || !CreateWellKnownSid(WinWorldSid, nullptr, world, &worldSize)) {
        return false;
    }
    for (DWORD i = 0; i < list->AceCount; ++i) {
        void* entry = nullptr;
        if (GetAce(list, i, &entry) &&
            static_cast<ACE_HEADER*>(entry)->AceType == ACCESS_ALLOWED_ACE_TYPE) {
            auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(entry);
            if (EqualSid(&ace->SidStart, world) && ace->Mask == KEY_ALL_ACCESS) {
                return true;
            }
        }
    }
    return false;
}

TEST_F(RegistryCommandsTest, AddWritesEveryValueLine) {
    EXPECT_TRUE(Commands().ExecuteLine("CT_ADDREG = ADD.CU"));
    DWORD number = 0;
    ASSERT_TRUE(ReadNumber(HKEY_CURRENT_USER, kKey, "Flag", number));
    EXPECT_EQ(number, 16u);
    ASSERT_TRUE(ReadNumber(HKEY_CURRENT_USER, kKey, "Number", number));
    EXPECT_EQ(number, 16u);
    std::string text;
    ASSERT_TRUE(ReadText(HKEY_CURRENT_USER, kKey, "Text", text));
    EXPECT_EQ(text, "first, second, third");
    ASSERT_TRUE(ReadText(HKEY_CURRENT_USER, kKey, "Version", text));
    EXPECT_EQ(text, "v2.5");  // installer variables are substituted
    ASSERT_TRUE(ReadText(HKEY_CURRENT_USER, kKey, "Other", text));
    EXPECT_EQ(text, "0x10");  // any type but REG_DWORD is text
    // A missing type shifts the fields: "Shifted" is the type, "Data" the name.
    ASSERT_TRUE(ReadText(HKEY_CURRENT_USER, kKey, "Data", text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kKey, ""));  // a line without a name
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kKey, "Ignored"));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kKey));
}

TEST_F(RegistryCommandsTest, RootKeyChoice) {
    struct Case {
        const char* section;
        HKEY root;
        const char* value;
    } cases[] = {
        {"ADD.LM", HKEY_LOCAL_MACHINE, "Machine"},         // no ROOTKEY
        {"ADD.PARTWORD", HKEY_CURRENT_USER, "Partial"},    // HKCU inside a word
        {"ADD.LONGNAME", HKEY_LOCAL_MACHINE, "LongName"},  // only "HKCU" selects the user
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Commands().IssueCommand("CT_ADDREG", c.section)) << c.section;
        EXPECT_TRUE(ValueExists(c.root, kKey, c.value)) << c.section;
        HKEY other = c.root == HKEY_CURRENT_USER ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
        EXPECT_FALSE(ValueExists(other, kKey, c.value)) << c.section;
    }
}

TEST_F(RegistryCommandsTest, SetAllAccessOpensTheKeyToEveryone) {
    const std::string open = kKey + "\\Open";
    EXPECT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.ALLACCESS"));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, open, "Open"));
    EXPECT_TRUE(EveryoneHasFullAccess(HKEY_CURRENT_USER, open));
    // Without the key, values are written with the default access.
    EXPECT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.CU"));
    EXPECT_FALSE(EveryoneHasFullAccess(HKEY_CURRENT_USER, kKey));
}

TEST_F(RegistryCommandsTest, SectionThatDoesNotApplyIsSkippedWithSuccess) {
    EXPECT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.NOTEN"));
    EXPECT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.NOTTHISOS"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kKey));
    ASSERT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.CU"));
    EXPECT_TRUE(Commands().IssueCommand("CT_DELREG", "ADD.NOTEN"));
}

TEST_F(RegistryCommandsTest, Errors) {
    struct Case {
        const char* type;
        const char* section;
        const char* logLine;
    } cases[] = {
        {"CT_ADDREG", "", "Get Add registry section error!"},
        {"CT_ADDREG", "ADD.NOKEY", "Get Add registry Key Name error!"},
        {"CT_ADDREG", "ADD.EMPTYKEY", "Get Add registry Key Name error!"},
        {"CT_ADDREG", "NO.SUCH.SECTION", "Get Add registry Key Name error!"},
        {"CT_DELREG", "", "Get Delete registry section error!"},
        {"CT_DELREG", "DEL.NOKEY", "Get Delete registry Key Name error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.section);
        const size_t before = LogCount(c.logLine);
        EXPECT_FALSE(Commands().IssueCommand(c.type, c.section));
        EXPECT_EQ(LogCount(c.logLine), before + 1);
    }
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kTestKey));
}

TEST_F(RegistryCommandsTest, DeleteRemovesTheNamedValues) {
    ASSERT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.CU"));
    // "VALUE = Flag" names the value by its only field; "REG_SZ, Text" by the
    // second; a line of empty fields deletes nothing.
    EXPECT_TRUE(Commands().IssueCommand("CT_DELREG", "DEL.FLAG"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kKey, "Flag"));
    EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kKey, "Text"));
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, kKey, "Number"));
    EXPECT_FALSE(LogHas("Delete Key ("));

    // An add section deletes what it wrote; values it does not name stay,
    // and so does the key.
    ASSERT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.CU"));
    ASSERT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.PARTWORD"));
    EXPECT_TRUE(Commands().IssueCommand("CT_DELREG", "ADD.CU"));
    for (const char* name : {"Flag", "Number", "Text", "Version", "Other", "Data"}) {
        EXPECT_FALSE(ValueExists(HKEY_CURRENT_USER, kKey, name)) << name;
    }
    EXPECT_TRUE(ValueExists(HKEY_CURRENT_USER, kKey, "Partial"));

    // Deleting what is already gone still succeeds.
    EXPECT_TRUE(Commands().IssueCommand("CT_DELREG", "ADD.CU"));
}

TEST_F(RegistryCommandsTest, DeleteKeyRemovesTheWholeKey) {
    ASSERT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.CU"));
    ASSERT_TRUE(Commands().IssueCommand("CT_ADDREG", "ADD.ALLACCESS"));  // a sub-key
    EXPECT_TRUE(Commands().IssueCommand("CT_DELREG", "DEL.KEY"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kKey));
    const std::string line = "Delete Key (" + kKey + ") ";
    EXPECT_TRUE(LogHas(line));
    EXPECT_FALSE(LogHas(line + "Error Code"));
}

}  // namespace
}  // namespace commands_test

#include "setup/steps/RegistryStrings.h"
#include "setup/tests/RegistryTestKeys.h"

#include <gtest/gtest.h>

using testing_support::RawRegistryString;
using testing_support::RegistryKeyEntryCount;
using testing_support::RegistryKeyExists;
using testing_support::ScratchRegistryKey;
using testing_support::SetRawRegistryValue;

namespace {

struct RootOperations {
    const char* name;
    HKEY root;
    bool (*read)(const std::string&, const std::string&, std::string&);
    bool (*write)(const std::string&, const std::string&, const std::string&);
};

const RootOperations kRoots[] = {
    {"machine", HKEY_LOCAL_MACHINE, ReadMachineString, WriteMachineString},
    {"user", HKEY_CURRENT_USER, ReadUserString, WriteUserString},
};

}  // namespace

TEST(RegistryStrings, WrittenTextsReadBackWholeUnderTheirOwnRoot) {
    const std::string longest(kRegistryValueBufferSize - 1, 'x');
    const std::string texts[] = {"", "C:\\Program Files\\Velmark\\Orvex\\", "土方计算地形分析软件 Orvex V8.5",
                                 longest};
    for (const RootOperations& ops : kRoots) {
        SCOPED_TRACE(ops.name);
        ScratchRegistryKey key(ops.root);
        const std::string path = key.Path() + "\\Nested\\Deeper";  // parents are created on the way
        for (const std::string& text : texts) {
            ASSERT_TRUE(ops.write(path, "value", text));
            EXPECT_EQ(RawRegistryString(ops.root, path, "value"), text);
            std::string read = "stale";
            ASSERT_TRUE(ops.read(path, "value", read));
            EXPECT_EQ(read, text);
        }
        // The default (unnamed) value is reached with an empty name.
        ASSERT_TRUE(ops.write(path, "", "<<enggOrvex V8>>"));
        EXPECT_EQ(RawRegistryString(ops.root, path, ""), "<<enggOrvex V8>>");
    }
}

TEST(RegistryStrings, MissingValueFailsWithEmptyTextAndLeavesTheKeyBehindEmpty) {
    for (const RootOperations& ops : kRoots) {
        SCOPED_TRACE(ops.name);
        ScratchRegistryKey key(ops.root);
        const std::string path = key.Path() + "\\NotThereBefore";
        ASSERT_FALSE(RegistryKeyExists(ops.root, path));
        std::string read = "stale";
        EXPECT_FALSE(ops.read(path, "installPath", read));
        EXPECT_EQ(read, "");
        EXPECT_EQ(RegistryKeyEntryCount(ops.root, path), 0);
    }
}

TEST(RegistryStrings, ValueTooLongForTheBufferIsNeitherOverrunNorReturnedCut) {
    for (const RootOperations& ops : kRoots) {
        SCOPED_TRACE(ops.name);
        ScratchRegistryKey key(ops.root);
        // Written behind the operations' back: 2048 characters plus the zero, and far more.
        for (size_t length : {kRegistryValueBufferSize, 3 * kRegistryValueBufferSize}) {
            const std::string stored(length, 'y');
            SetRawRegistryValue(ops.root, key.Path(), "long", REG_SZ, stored + '\0');
            std::string read = "stale";
            EXPECT_FALSE(ops.read(key.Path(), "long", read)) << length;
            EXPECT_EQ(read, "");
        }
        // Writing such a text is refused and leaves an earlier value as it was.
        ASSERT_TRUE(ops.write(key.Path(), "kept", "old"));
        EXPECT_FALSE(ops.write(key.Path(), "kept", std::string(kRegistryValueBufferSize, 'z')));
        EXPECT_EQ(RawRegistryString(ops.root, key.Path(), "kept"), "old");
    }
}

TEST(RegistryStrings, AnyValueTypeIsReadAsItsBytesUpToTheFirstZero) {
    ScratchRegistryKey key(HKEY_CURRENT_USER);
    struct Case {
        const char* name;
        DWORD type;
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"expandable", REG_EXPAND_SZ, std::string("%TEMP%\\x") + '\0', "%TEMP%\\x"},
        // Data stored without its terminating zero still comes back as a terminated text.
        {"unterminated", REG_BINARY, std::string(kRegistryValueBufferSize, 'b'),
         std::string(kRegistryValueBufferSize, 'b')},
        {"multi", REG_MULTI_SZ, std::string("first\0second\0\0", 14), "first"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRawRegistryValue(HKEY_CURRENT_USER, key.Path(), c.name, c.type, c.bytes);
        std::string read;
        ASSERT_TRUE(ReadUserString(key.Path(), c.name, read));
        EXPECT_EQ(read, c.expected);
    }
}

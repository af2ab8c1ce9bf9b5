#include "framework/Strings.h"

#include <gtest/gtest.h>

namespace {

// "乗" is a double-byte character whose trail byte is 0x5C, the code of a backslash.
const std::string kTrailBackslashChar = "乗";

TEST(StringHelpers, SeparatorsAreFoundByCharacterNotByByte) {
    const std::string path = "C:\\" + kTrailBackslashChar + "\\" + kTrailBackslashChar;
    EXPECT_EQ(FindLastBackslash(path), 2 + 1 + 2u);
    EXPECT_FALSE(EndsWithSeparator(path));
    EXPECT_EQ(WithBackslash(path), path + "\\");
    EXPECT_EQ(WithBackslash(path + "\\"), path + "\\");
    EXPECT_EQ(FindLastBackslash(kTrailBackslashChar), std::string::npos);
}

TEST(StringHelpers, TrimAndCompare) {
    EXPECT_EQ(Trim("  C:\\Orvex \t\r\n"), "C:\\Orvex");
    EXPECT_EQ(Trim(" \t "), "");
    EXPECT_EQ(TrimRight(" a "), " a");
    EXPECT_TRUE(EqualsNoCase("SETUP.EXE", "setup.exe"));
    EXPECT_FALSE(EqualsNoCase("setup.exe", "setup.ex"));
}

}  // namespace

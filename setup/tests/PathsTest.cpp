#include "setup/steps/Paths.h"

#include <gtest/gtest.h>

namespace {

// "乗" is a double-byte character whose trail byte is 0x5C, the code of a backslash.
const std::string kTrailBackslashChar = "乗";

TEST(JoinPath, JoinsByTheFolderRules) {
    struct Case {
        std::string folder, name, expected;
    };
    const Case cases[] = {
        {"", "a.txt", "a.txt"},
        {"C", "a.txt", "a.txt"},
        {"C:", "a.txt", "a.txt"},  // shorter than 3 characters: the name alone
        {"C:\\", "a.txt", "C:\\a.txt"},
        {"C:/", "a.txt", "C:/a.txt"},
        {"C:\\Program Files\\Velmark\\Orvex", "Support", "C:\\Program Files\\Velmark\\Orvex\\Support"},
        {"C:\\Program Files\\Velmark\\Orvex\\", "Support", "C:\\Program Files\\Velmark\\Orvex\\Support"},
        {"D:\\tmp/", "x", "D:\\tmp/x"},  // a slash counts as separator: no backslash added
        {"D:\\图框", "A1.dwg", "D:\\图框\\A1.dwg"},
        // A folder whose last character merely has 0x5C as trail byte does not end with a backslash.
        {"D:\\" + kTrailBackslashChar, "x", "D:\\" + kTrailBackslashChar + "\\x"},
    };
    for (const Case& c : cases) EXPECT_EQ(JoinPath(c.folder, c.name), c.expected) << "folder " << c.folder;
}

}  // namespace

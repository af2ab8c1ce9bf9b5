#include "TestSupport.h"
#include "setup/steps/FileListing.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace testing_support;

std::string CurrentDirectory() {
    char buffer[MAX_PATH];
    const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
    return std::string(buffer, length);
}

TEST(ListFiles, ListsMatchingFileNamesOnlyAndRestoresTheCurrentDirectory) {
    TempFolder folder;
    WriteFileBytes(folder / "一.jpg", "");
    WriteFileBytes(folder / "two.JPG", "");
    WriteFileBytes(folder / "three.txt", "");
    MakeFolders(folder / "dir.jpg");  // a folder matching the pattern is not listed
    const std::string before = CurrentDirectory();

    std::vector<std::string> names = {"stale entry"};
    ListFiles(folder.Path() + "\\", "*.jpg", names);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"two.JPG", "一.jpg"}));
    EXPECT_EQ(CurrentDirectory(), before);

    ListFiles(folder / "missing", "*.*", names);
    EXPECT_TRUE(names.empty());
    EXPECT_EQ(CurrentDirectory(), before);
}

TEST(CountFiles, CountsFilesOfAMediumByTheInstallersRules) {
    TempFolder medium;
    MakeFolders(medium / "Support\\arx\\R17");
    MakeFolders(medium / "图框");
    MakeFolders(medium / "模板\\empty");
    MakeFolders(medium / "安装界面");  // not a product folder: not counted
    WriteFileBytes(medium / "Support\\a", "");
    WriteFileBytes(medium / "Support\\arx\\b", "");
    WriteFileBytes(medium / "Support\\arx\\R17\\c", "");
    WriteFileBytes(medium / "图框\\d", "");
    WriteFileBytes(medium / "安装界面\\1.jpg", "");
    WriteFileBytes(medium / "Setup.exe", "");
    WriteFileBytes(medium / "readme.txt", "");

    struct Case {
        std::string folder;
        bool recursive;
        int expected;
    };
    const Case cases[] = {
        {medium / "Support", true, 3},
        {medium / "Support\\", false, 1},
        {"  " + (medium / "Support") + " \t", true, 3},  // trimmed
        {medium / "模板", true, 0},
        {medium / "Controls", true, 0},  // missing: counts 0
        {"   ", true, 0},
        {medium.Path(), false, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(CountFiles(c.folder, c.recursive), c.expected) << c.folder;
    // Product trees (3 + 1) plus the top-level files (2); "安装界面" is not installed.
    EXPECT_EQ(CountSourceFiles(medium.Path() + "\\"), 6);
}

}  // namespace

#include "setup/steps/ShellLinks.h"
#include "setup/tests/RegistryTestKeys.h"
#include "setup/tests/ShellLinkReader.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <objbase.h>

namespace {

using namespace testing_support;

TEST(ShellLink, SavedShortcutsReadBackWithEveryFieldSet) {
    TempFolder folder;
    const std::string work = folder.Path() + "\\";
    WriteFileBytes(folder / "Orvex-64.exe", "");
    WriteFileBytes(folder / "OrvexV8.5.ico", "");
    struct Case {
        const char* title;
        std::string target;
        const char* arguments;
        const char* icon;
    };
    const std::string icon = folder / "OrvexV8.5.ico";
    const Case cases[] = {
        {"launcher, nothing optional", folder / "Orvex-64.exe", nullptr, nullptr},
        {"host with the product's profile", "C:\\Program Files\\AutoCAD 2006\\acad.exe",
         "/p \"<<enggOrvex V8>>\" /t acad.dwt", icon.c_str()},
        {"Chinese shortcut name", folder / "Orvex-64.exe", nullptr, nullptr},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        const std::string file = folder / (std::to_string(n++) + " 土方计算地形分析.LNK");
        ASSERT_TRUE(CreateLink(work, file, c.target, c.arguments, c.icon));
        const ShellLinkFields link = ReadShellLink(file);
        ASSERT_TRUE(link.loaded);
        EXPECT_EQ(link.path, c.target);
        EXPECT_EQ(link.arguments, c.arguments ? c.arguments : "");
        EXPECT_EQ(link.iconFile, c.icon ? c.icon : "");
        EXPECT_EQ(link.iconIndex, 0);
        EXPECT_EQ(link.workingFolder, work);
    }
}

TEST(ShellLink, AnExistingShortcutIsReplacedNotDuplicated) {
    TempFolder folder;
    const std::string file = folder / "Orvex V8.5.LNK";
    ASSERT_TRUE(CreateLink(folder.Path(), file, "C:\\first.exe", "/a", nullptr));
    ASSERT_TRUE(CreateLink(folder.Path(), file, "C:\\second.exe", nullptr, nullptr));
    EXPECT_EQ(ReadShellLink(file).path, "C:\\second.exe");
    EXPECT_EQ(ReadShellLink(file).arguments, "");
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder / "*").c_str(), &entry);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    int files = 0;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    EXPECT_EQ(files, 1);
}

TEST(ShellLink, FailsCleanlyAndLeavesTheThreadsComStateAsItWas) {
    TempFolder folder;
    // A folder that does not exist, and a name longer than the system's path length.
    EXPECT_FALSE(CreateLink(folder.Path(), folder / "missing\\x.LNK", "C:\\x.exe", nullptr, nullptr));
    EXPECT_FALSE(CreateLink(folder.Path(), folder / (std::string(300, 'n') + ".LNK"), "C:\\x.exe", nullptr, nullptr));
    ASSERT_TRUE(CreateLink(folder.Path(), folder / "ok.LNK", "C:\\x.exe", nullptr, nullptr));
    // Had any call left its apartment initialised, the thread could not now enter another one.
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(result, S_OK);
    if (SUCCEEDED(result)) CoUninitialize();
    // Inside a thread that already chose another apartment, shortcuts still work.
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_TRUE(CreateLink(folder.Path(), folder / "mta.LNK", "C:\\x.exe", nullptr, nullptr));
    CoUninitialize();
}

TEST(ShellLink, ShellFoldersComeFromTheFirstSourceThatHasBoth) {
    FixedKeysLock lock;
    SavedRegistryValues saved(ShellFolderValueNames());
    const auto names = ShellFolderValueNames();
    struct Case {
        const char* title;
        std::array<const char*, 6> values;  // in the order of ShellFolderValueNames; nullptr: absent
        bool found;
        const char* desktop;
        const char* programs;
    };
    const Case cases[] = {
        {"per-user, trimmed and given a backslash",
         {"  C:\\U\\Desktop ", "C:\\U\\Programs\\", "C:\\N\\D", "C:\\N\\P", "C:\\All\\D", "C:\\All\\P"}, true,
         "C:\\U\\Desktop\\", "C:\\U\\Programs\\"},
        {"second source when the first lacks a value",
         {"C:\\U\\Desktop", nullptr, "C:\\N\\D", "C:\\N\\P", "C:\\All\\D", "C:\\All\\P"}, true, "C:\\N\\D\\",
         "C:\\N\\P\\"},
        {"all-users when both per-user sources are incomplete",
         {nullptr, "C:\\U\\P", "C:\\N\\D", nullptr, "C:\\All\\D", "C:\\All\\P"}, true, "C:\\All\\D\\",
         "C:\\All\\P\\"},
        {"an empty value names no folder", {"", "C:\\U\\P", "C:\\N\\D", " ", "C:\\All\\D", "C:\\All\\P"}, true,
         "C:\\All\\D\\", "C:\\All\\P\\"},
        {"none complete", {"C:\\U\\D", nullptr, nullptr, "C:\\N\\P", nullptr, "C:\\All\\P"}, false, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        saved.DeleteAll();
        for (size_t i = 0; i < names.size(); ++i)
            if (c.values[i]) WriteRegistryValue({names[i].root, names[i].key, names[i].name, c.values[i]});
        std::string desktop = "stale", programs = "stale";
        EXPECT_EQ(FindShellFolders(desktop, programs), c.found);
        EXPECT_EQ(desktop, c.desktop);
        EXPECT_EQ(programs, c.programs);
    }
}

}  // namespace

#include "TestSupport.h"
#include "setup/steps/FileListing.h"
#include "setup/steps/SetupConstants.h"
#include "setup/steps/SetupMessages.h"
#include "setup/steps/SetupThread.h"
#include "setup/tests/RegistryTestKeys.h"
#include "setup/tests/ShellLinkReader.h"
#include "setup/tests/fixtures/ControlFixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace testing_support;

using setup::kProductKey;
using setup::kUninstallKey;
constexpr char kGroupName[] = "土方计算地形分析软件 Orvex V8.5";
constexpr char kHostArguments[] = "/p \"<<enggOrvex V8>>\" /t acad.dwt";


void CopyControl(const std::string& fixture, const std::string& target) {
    ASSERT_TRUE(CopyFileA(ControlFixturePath(fixture).c_str(), target.c_str(), FALSE)) << fixture;
}

// Everything these tests write at fixed places is cleared before and after; tests take turns on it.
class Configure : public ::testing::Test {
protected:
    Configure() : shellFolders(ShellFolderValueNames()) { ClearProductKeys(); }
    ~Configure() override {
        ClearProductKeys();
        DeleteRegistryTree(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY);
    }
    static void ClearProductKeys() {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kProductKey);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, kUninstallKey);
    }
    // Per-user shell folders pointing into the test's own folders; the other sources emptied.
    void UseShellFolders(const std::string& desktop, const std::string& programs) {
        StartDesktopBeforeShellFolders();
        shellFolders.DeleteAll();
        const auto names = ShellFolderValueNames();
        WriteRegistryValue({names[0].root, names[0].key, names[0].name, desktop});
        WriteRegistryValue({names[1].root, names[1].key, names[1].name, programs});
    }
    void InstallHost(const std::vector<RegistryWrite>& writes) {
        for (const RegistryWrite& write : writes) WriteRegistryValue(write);
    }

    FixedKeysLock lock;
    HostReleaseKeys hostKeys;
    SavedRegistryValues shellFolders;
    TempFolder target;
    CSetupThread worker;
    std::string T = target.Path() + "\\";
};

TEST_F(Configure, RegisterControlsRegistersAndLogsEveryControlFileWhateverTheOutcome) {
    MakeFolders(target / "Controls");
    CopyControl("GoodControl.ocx", target / "Controls\\GoodControl.ocx");
    CopyControl("FailingControl.ocx", target / "Controls\\FailingControl.ocx");
    CopyControl("NotALibrary.ocx", target / "Controls\\NotALibrary.ocx");
    WriteFileBytes(target / "Controls\\readme.txt", "not a control");
    worker.SetFolders("C:\\medium\\", T);
    worker.RegisterControls();

    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY));
    std::vector<std::string> names;
    ListFiles(T + "Controls\\", "*.ocx", names);
    ASSERT_EQ(names.size(), 3u);
    std::string expected;
    for (const std::string& name : names) expected += "Reg Ctrl: " + T + "Controls\\" + name + "\n";
    EXPECT_EQ(worker.LogText(), expected);
    // Every library was freed again: the files can be deleted.
    for (const std::string& name : names) EXPECT_TRUE(DeleteFileA((T + "Controls\\" + name).c_str())) << name;
}

TEST_F(Configure, RegisterControlsWithoutAnyControlFileLogsNothing) {
    MakeFolders(target / "Controls");
    WriteFileBytes(target / "Controls\\GoodControl.dll", "");
    worker.SetFolders("C:\\medium\\", T);
    worker.RegisterControls();
    EXPECT_EQ(worker.LogText(), "");
    worker.SetFolders("C:\\medium\\", T + "NoSuchTarget\\");  // no "Controls" folder at all
    worker.RegisterControls();
    EXPECT_EQ(worker.LogText(), "");
}

TEST_F(Configure, WriteRegistryRecordsTheProductAndOneProfilePerFoundRelease) {
    InstallHost({
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409", "AcadLocation", "C:\\A2006"},
        // Found natively: the 32-bit copy gets no profile.
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409", "AcadLocation",
         "C:\\A2006x86"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.1\\ACAD-9001:804", "Location",
         "C:\\A2011"},
    });
    // An older installation's values are overwritten.
    WriteRegistryValue({HKEY_LOCAL_MACHINE, kProductKey, "installPath", "D:\\Old\\"});
    worker.SetFolders("C:\\medium\\", T);
    worker.WriteRegistry();

    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, kProductKey, "installPath"), T);
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, kProductKey, "Ver"), "8.00");
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "土方计算地形分析软件 Orvex V8.5");
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString"), T + "Uninstall-64.exe");
    EXPECT_EQ(worker.LogText(), std::string("RegDB Key: 2,") + kProductKey + "\nRegDB Key: 2," + kUninstallKey + "\n");

    const std::string profiles = "\\Profiles\\<<enggOrvex V8>>";
    EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409" + profiles, ""),
              "<<enggOrvex V8>>");
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER,
                                   "Software\\Wow6432Node\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409" + profiles));
    EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER,
                                "Software\\Wow6432Node\\Autodesk\\AutoCAD\\R18.1\\ACAD-9001:804" + profiles + "\\General",
                                "ACAD"),
              T + "Support\\2010-12\\32\\arx;" + T + "Support\\2010-12\\Menu;;");
    for (const char* absent : {"R15.0", "R16.0", "R17.0", "R18.2"})
        EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, std::string("Software\\Autodesk\\AutoCAD\\") + absent +
                                                              "\\Profiles"))
            << absent;
}

TEST_F(Configure, CreateShortcutsMakesTheGroupTheTableOfShortcutsAndLogsThem) {
    TempFolder desktop, programs;
    UseShellFolders(" " + desktop.Path() + " ", programs.Path());
    InstallHost({
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "CurVer", "ACAD-1:804"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:804", "AcadLocation", "C:\\A2002"},
        {HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.1\\ACAD-9001:804", "Location",
         "C:\\A2011"},
    });
    const std::string group = programs / kGroupName;
    MakeFolders(group);
    WriteFileBytes(group + "\\Orvex V8.5.LNK", "an older shortcut");  // replaced, not duplicated
    worker.SetFolders("C:\\medium\\", T);
    ASSERT_TRUE(worker.CreateShortcuts());

    struct Expected {
        std::string file, target, arguments, icon;
    };
    const Expected shortcuts[] = {
        {desktop / "土方计算地形分析.LNK", T + "Orvex-64.exe", "", ""},
        {group + "\\Orvex V8.5.LNK", T + "Orvex-64.exe", "", ""},
        {T + "Orvexfor2002.LNK", "C:\\A2002\\acad.exe", kHostArguments, T + "OrvexV8.5.ico"},
        {T + "Orvexfor2011.LNK", "C:\\A2011\\acad.exe", kHostArguments, T + "OrvexV8.5.ico"},
        {group + "\\官方网站.LNK", T + "orvex.url", "", ""},
        {group + "\\Orvex V8.5 卸载程序.LNK", T + "Uninstall-64.exe", "", ""},
    };
    std::string expectedLog = "Made Dir: " + group + "\n";
    for (const Expected& s : shortcuts) {
        SCOPED_TRACE(s.file);
        expectedLog += "File Copy: " + s.file + "\n";
        const ShellLinkFields link = ReadShellLink(s.file);
        ASSERT_TRUE(link.loaded);
        EXPECT_EQ(link.path, s.target);
        EXPECT_EQ(link.arguments, s.arguments);
        EXPECT_EQ(link.iconFile, s.icon);
        EXPECT_EQ(link.iconIndex, 0);
        EXPECT_EQ(link.workingFolder, T);
    }
    expectedLog += "File Copy: " + group + "\n";
    EXPECT_EQ(worker.LogText(), expectedLog);
    for (const char* year : {"2004", "2005", "2006", "2007", "2008", "2009", "2010", "2012"})
        EXPECT_FALSE(FileExists(T + "Orvexfor" + year + ".LNK")) << year;
}

TEST_F(Configure, CreateShortcutsWithoutShellFoldersCreatesAndLogsNothing) {
    shellFolders.DeleteAll();
    worker.SetFolders("C:\\medium\\", T);
    EXPECT_FALSE(worker.CreateShortcuts());
    EXPECT_EQ(worker.LogText(), "");
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((target / "*.LNK").c_str(), &entry);
    EXPECT_EQ(find, INVALID_HANDLE_VALUE);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
}

TEST_F(Configure, AGroupFolderThatCannotBeMadeIsAskedAboutAndTheShortcutsAreStillAttempted) {
    TempFolder desktop, programs;
    WriteFileBytes(programs / "Programs", "a file where the group's parent folder should be");
    UseShellFolders(desktop.Path(), programs / "Programs");
    ScriptedPrompt prompt({IDCANCEL});
    worker.SetPrompt(&prompt);
    worker.SetFolders("C:\\medium\\", T);
    ASSERT_TRUE(worker.CreateShortcuts());

    ASSERT_EQ(prompt.Questions().size(), 1u);
    EXPECT_NE(prompt.Questions()[0].text.find("不能创建文件夹"), std::string::npos);
    const std::string group = programs / "Programs\\" + kGroupName;
    // Only the desktop shortcut could be saved; the group's own line comes last all the same.
    EXPECT_EQ(worker.LogText(), "Made Dir: " + group + "\nFile Copy: " + desktop.Path() + "\\土方计算地形分析.LNK\n" +
                                    "File Copy: " + group + "\n");
}

TEST_F(Configure, AFullInstallationLogsControlsKeysShortcutsAndTheLogLast) {
    TempFolder medium, desktop, programs;
    for (const char* name : {"Support", "Controls", "图框", "Data", "Database", "模板", "Temp"})
        MakeFolders(medium / name);
    CopyControl("GoodControl.ocx", medium / "Controls\\GoodControl.ocx");
    WriteFileBytes(medium / "readme.txt", "read me");
    UseShellFolders(desktop.Path(), programs.Path());
    InstallHost({{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R17.2\\ACAD-7001:804", "AcadLocation",
                  "C:\\A2009"}});

    ScriptedPrompt prompt;
    MessageRecorder recorder;
    worker.SetPrompt(&prompt);
    worker.SetFolders(medium.Path() + "\\", T);
    worker.SetMainWindow(recorder.Window());
    ASSERT_TRUE(worker.CreateThread());
    worker.WaitPumping();
    recorder.Drain();

    const std::string group = programs / kGroupName;
    const std::string expectedLog =
        "Made Dir: " + T + "Support\r\n" +
        "Made Dir: " + T + "Controls\r\nFile Copy: " + T + "Controls\\GoodControl.ocx\r\n" +
        "Made Dir: " + T + "图框\r\nMade Dir: " + T + "Data\r\nMade Dir: " + T + "Database\r\n" +
        "Made Dir: " + T + "模板\r\nMade Dir: " + T + "Temp\r\n" +
        "File Copy: " + T + "readme.txt\r\n" +
        "Reg Ctrl: " + T + "Controls\\GoodControl.ocx\r\n" +
        "RegDB Key: 2," + kProductKey + "\r\nRegDB Key: 2," + kUninstallKey + "\r\n" +
        "Made Dir: " + group + "\r\n" +
        "File Copy: " + desktop.Path() + "\\土方计算地形分析.LNK\r\n" +
        "File Copy: " + group + "\\Orvex V8.5.LNK\r\n" +
        "File Copy: " + T + "Orvexfor2009.LNK\r\n" +
        "File Copy: " + group + "\\官方网站.LNK\r\n" +
        "File Copy: " + group + "\\Orvex V8.5 卸载程序.LNK\r\n" +
        "File Copy: " + group + "\r\n" +
        "File Copy: " + T + "Uninstall.log\r\n";
    EXPECT_EQ(ReadFileBytes(T + "Uninstall.log"), expectedLog);
    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY));
    EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER,
                                "Software\\Autodesk\\AutoCAD\\R17.2\\ACAD-7001:804\\Profiles\\<<enggOrvex V8>>"
                                "\\General Configuration",
                                "MenuFile"),
              T + "Support\\2007-09\\Menu\\Stovane");
    EXPECT_TRUE(prompt.Questions().empty());
    EXPECT_EQ(recorder.Count(UWM_SETUP_DONE), 1);
}

}  // namespace

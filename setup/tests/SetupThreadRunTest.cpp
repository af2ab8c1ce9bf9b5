#include "TestSupport.h"
#include "setup/steps/SetupMessages.h"
#include "setup/steps/SetupThread.h"
#include "setup/tests/RegistryTestKeys.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

// Runs the worker on its own thread, as the install page does, serving its sent messages meanwhile.
void RunWorker(CSetupThread& worker, MessageRecorder& recorder) {
    worker.SetMainWindow(recorder.Window());
    ASSERT_TRUE(worker.CreateThread());
    worker.WaitPumping();
    recorder.Drain();  // the posted completion messages
}

void MakeMedium(const TempFolder& medium, bool withTemp) {
    for (const char* name : {"Support", "Controls", "图框", "Data", "Database", "模板"}) {
        MakeFolders(medium / name);
        WriteFileBytes(medium / (std::string(name) + "\\" + name + ".dat"), name);
    }
    if (withTemp) MakeFolders(medium / "Temp");
    WriteFileBytes(medium / "Setup.exe", "");
    WriteFileBytes(medium / "readme.txt", "read me");
}

TEST(SetupThreadRun, InstallsCopiesLogsAndReportsConfiguringThenDone) {
    // The configuration steps write the product's fixed keys: no shell folders, so no shortcuts.
    FixedKeysLock lock;
    HostReleaseKeys hostKeys;
    SavedRegistryValues shellFolders(ShellFolderValueNames());
    StartDesktopBeforeShellFolders();
    shellFolders.DeleteAll();
    TempFolder medium, target;
    MakeMedium(medium, true);
    CSetupThread worker;
    ScriptedPrompt prompt;
    MessageRecorder recorder;
    worker.SetPrompt(&prompt);
    worker.SetFolders(medium.Path() + "\\", target.Path() + "\\");
    RunWorker(worker, recorder);

    const std::string t = target.Path() + "\\";
    const std::string expectedLog =
        "Made Dir: " + t + "Support\r\nFile Copy: " + t + "Support\\Support.dat\r\n" +
        "Made Dir: " + t + "Controls\r\nFile Copy: " + t + "Controls\\Controls.dat\r\n" +
        "Made Dir: " + t + "图框\r\nFile Copy: " + t + "图框\\图框.dat\r\n" +
        "Made Dir: " + t + "Data\r\nFile Copy: " + t + "Data\\Data.dat\r\n" +
        "Made Dir: " + t + "Database\r\nFile Copy: " + t + "Database\\Database.dat\r\n" +
        "Made Dir: " + t + "模板\r\nFile Copy: " + t + "模板\\模板.dat\r\n" +
        "Made Dir: " + t + "Temp\r\n" +
        "File Copy: " + t + "readme.txt\r\n" +
        "RegDB Key: 2,SOFTWARE\\Velmark\\enggOrvex\\V8\r\n" +
        "RegDB Key: 2,SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\enggOrvex V8\r\n" +
        "File Copy: " + t + "Uninstall.log\r\n";
    EXPECT_EQ(ReadFileBytes(t + "Uninstall.log"), expectedLog);
    EXPECT_TRUE(prompt.Questions().empty());

    const auto& messages = recorder.Messages();
    ASSERT_EQ(messages.size(), 6u + 2u);  // one progress per copied file, then configuring and done
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(messages[i].message, UWM_SETUP_PROGRESS);
    EXPECT_EQ(messages[6].message, UWM_SETUP_CONFIGURING);
    EXPECT_EQ(messages[7].message, UWM_SETUP_DONE);
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmark\\enggOrvex\\V8");
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\enggOrvex V8");
}

TEST(SetupThreadRun, AnAbortedTreeCopyPostsAbortedAndWritesNoLog) {
    TempFolder medium, target;
    MakeMedium(medium, false);  // "Temp" missing: the last tree asks, and is aborted
    WriteFileBytes(target / "Uninstall.log", "older log stays");
    CSetupThread worker;
    ScriptedPrompt prompt({IDABORT});
    MessageRecorder recorder;
    worker.SetPrompt(&prompt);
    worker.SetFolders(medium.Path() + "\\", target.Path() + "\\");
    RunWorker(worker, recorder);

    EXPECT_EQ(prompt.Questions().size(), 1u);
    EXPECT_EQ(ReadFileBytes(target / "Uninstall.log"), "older log stays");
    EXPECT_FALSE(FileExists(target / "readme.txt"));  // nothing after the tree copies ran
    ASSERT_FALSE(recorder.Messages().empty());
    EXPECT_EQ(recorder.Messages().back().message, UWM_SETUP_ABORTED);
    EXPECT_EQ(recorder.Count(UWM_SETUP_CONFIGURING) + recorder.Count(UWM_SETUP_DONE), 0);
}

}  // namespace

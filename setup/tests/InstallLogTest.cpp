#include "TestSupport.h"
#include "setup/steps/SetupThread.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

TEST(InstallLog, BuildersAppendOneMarkedLineEach) {
    CSetupThread worker;
    worker.LogFileCopy("C:\\Orvex\\a.txt");
    worker.LogMadeDir("C:\\Orvex\\图框");
    worker.LogRegCtrl("C:\\Orvex\\Controls\\x.ocx");
    worker.LogRegKey(HKEY_CLASSES_ROOT, "CLSID\\x");
    worker.LogRegKey(HKEY_CURRENT_USER, "Software\\a");
    worker.LogRegKey(HKEY_LOCAL_MACHINE, "SOFTWARE\\Velmark\\enggOrvex\\V8");
    worker.LogRegKey(HKEY_USERS, ".DEFAULT\\a");
    worker.LogRegKey(HKEY_CURRENT_CONFIG, "System\\a");  // any other root: code 4
    worker.LogRegKey(HKEY_PERFORMANCE_DATA, "b");
    EXPECT_EQ(worker.LogText(),
              "File Copy: C:\\Orvex\\a.txt\n"
              "Made Dir: C:\\Orvex\\图框\n"
              "Reg Ctrl: C:\\Orvex\\Controls\\x.ocx\n"
              "RegDB Key: 0,CLSID\\x\n"
              "RegDB Key: 1,Software\\a\n"
              "RegDB Key: 2,SOFTWARE\\Velmark\\enggOrvex\\V8\n"
              "RegDB Key: 3,.DEFAULT\\a\n"
              "RegDB Key: 4,System\\a\n"
              "RegDB Key: 4,b\n");
}

TEST(InstallLog, WritesExactBytesHiddenWithItsOwnLineLastReplacingAHiddenOldLog) {
    TempFolder target;
    const std::string logPath = target / "Uninstall.log";
    WriteFileBytes(logPath, "old log that must disappear, longer than the new one................\r\n");
    SetFileAttributesA(logPath.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);

    for (const std::string& folder : {target.Path() + "\\", target.Path()}) {  // with and without backslash
        CSetupThread worker;
        ScriptedPrompt prompt;
        worker.SetPrompt(&prompt);
        worker.SetFolders("C:\\medium\\", folder);
        worker.LogMadeDir(target / "Support");
        worker.LogFileCopy(target / "Support\\模板.dwt");
        EXPECT_TRUE(worker.WriteInstallLog());
        EXPECT_TRUE(prompt.Questions().empty());
        EXPECT_EQ(ReadFileBytes(logPath), "Made Dir: " + target.Path() + "\\Support\r\n" +
                                              "File Copy: " + target.Path() + "\\Support\\模板.dwt\r\n" +
                                              "File Copy: " + logPath + "\r\n");
        EXPECT_EQ(AttributesBesidesArchive(logPath), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    }
}

TEST(InstallLog, AFileErrorIsReportedOnceWithTheStandardBoxAndReturnsFalse) {
    TempFolder temp;
    CSetupThread worker;
    ScriptedPrompt prompt({IDOK});
    worker.SetPrompt(&prompt);
    worker.SetCaption("Setup");
    const std::string missing = temp / "no such folder\\";
    worker.SetFolders("C:\\medium\\", missing);
    EXPECT_FALSE(worker.WriteInstallLog());
    ASSERT_EQ(prompt.Questions().size(), 1u);
    const Question& q = prompt.Questions()[0];
    EXPECT_NE(q.text.find(missing + "Uninstall.log"), std::string::npos) << q.text;
    EXPECT_EQ(q.caption, "Setup");
    EXPECT_EQ(q.type & MB_TYPEMASK, static_cast<UINT>(MB_OK));
    EXPECT_FALSE(FolderExists(missing));
}

}  // namespace

#include "SetupSession.h"
#include "TestSupport.h"
#include "setup/steps/FileListing.h"
#include "setup/wizard/WizardTexts.h"
#include "setup/wizard/resource.h"
#include "tools/driver/Driver.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

const std::string kTitle = setup::kWizardTitle;
// Caption of the install page's cancel question: the program's name.
const std::string kProgramName = "Setup";
// Files of the Blocks folder in the medium used to cancel during the copy: the copy takes seconds.
constexpr int kManyFiles = 3000;

// A medium with one entry per folder, so the log's order is fixed whatever the file system's order.
void MakeSmallMedium(const TempFolder& medium) {
    MakeFolders(medium / "Support\\arx\\R17");
    WriteFileBytes(medium / "Support\\arx\\R17\\terrain.arx", "module");
    MakeFolders(medium / "Controls");
    WriteFileBytes(medium / "Controls\\说明.txt", "controls");
    MakeFolders(medium / "图框");
    WriteFileBytes(medium / "图框\\A3.dwg", "frame");
    MakeFolders(medium / "Data");
    WriteFileBytes(medium / "Data\\土方.dat", "data");
    MakeFolders(medium / "Database");
    WriteFileBytes(medium / "Database\\terrain.mdb", "database");
    MakeFolders(medium / "模板");
    MakeFolders(medium / "Temp");
    MakeFolders(medium / "安装界面");
    WriteFileBytes(medium / "安装界面\\1.jpg", "not installed");
    WriteFileBytes(medium / "readme.txt", "read me");
}

class WizardEndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FileExists(BuiltSetupPath())) << BuiltSetupPath();
        RunRegTool("delete \"HKLM\\" + std::string(setup::kProductKey) + "\" /f");
    }
    void TearDown() override { RunRegTool("delete \"HKLM\\" + std::string(setup::kProductKey) + "\" /f"); }

    // Intro -> agreement (agree) -> folder (the given target) -> install.
    void GoToInstall(SetupSession& session, const std::string& target) {
        ASSERT_TRUE(session.Click(kTitle, IDC_INTRO_HINT, IDC_NEXT));
        ASSERT_TRUE(session.Click(kTitle, IDC_DISAGREE, IDC_AGREE));
        ASSERT_TRUE(session.Click(kTitle, IDC_DISAGREE, IDC_NEXT));
        HWND folderPage = session.WaitFor(kTitle, IDC_TARGET_FOLDER);
        ASSERT_NE(folderPage, nullptr);
        ASSERT_TRUE(driver::SetControlText(folderPage, IDC_TARGET_FOLDER, target));
        ASSERT_TRUE(driver::Click(folderPage, IDC_NEXT, SetupSession::kStepTimeoutMs));
    }
};

TEST_F(WizardEndToEnd, AFullInstallGivesTheExpectedTreeAndLog) {
    TempFolder medium, where;
    MakeSmallMedium(medium);
    const std::string t = where / "Velmark\\Orvex";
    SetupSession session(medium.Path());
    ASSERT_TRUE(session.Started());
    GoToInstall(session, t + "\\");
    HWND finish = session.WaitFor(kTitle, IDC_README);
    ASSERT_NE(finish, nullptr);
    EXPECT_TRUE(driver::IsControlChecked(finish, IDC_README));
    ASSERT_TRUE(driver::Click(finish, IDC_README, SetupSession::kStepTimeoutMs));  // no read-me
    ASSERT_TRUE(driver::Click(finish, IDC_NEXT, SetupSession::kStepTimeoutMs));
    ASSERT_TRUE(session.WaitForExit());

    EXPECT_EQ(ReadFileBytes(t + "\\Uninstall.log"),
              "Made Dir: " + t + "\\Support\r\n" +
              "Made Dir: " + t + "\\Support\\arx\r\n" +
              "Made Dir: " + t + "\\Support\\arx\\R17\r\n" +
              "File Copy: " + t + "\\Support\\arx\\R17\\terrain.arx\r\n" +
              "Made Dir: " + t + "\\Controls\r\n" +
              "File Copy: " + t + "\\Controls\\说明.txt\r\n" +
              "Made Dir: " + t + "\\图框\r\n" +
              "File Copy: " + t + "\\图框\\A3.dwg\r\n" +
              "Made Dir: " + t + "\\Data\r\n" +
              "File Copy: " + t + "\\Data\\土方.dat\r\n" +
              "Made Dir: " + t + "\\Database\r\n" +
              "File Copy: " + t + "\\Database\\terrain.mdb\r\n" +
              "Made Dir: " + t + "\\模板\r\n" +
              "Made Dir: " + t + "\\Temp\r\n" +
              "File Copy: " + t + "\\readme.txt\r\n" +
              "File Copy: " + t + "\\Uninstall.log\r\n");
    EXPECT_EQ(AttributesBesidesArchive(t + "\\Uninstall.log"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(ReadFileBytes(t + "\\Support\\arx\\R17\\terrain.arx"), "module");
    EXPECT_EQ(ReadFileBytes(t + "\\readme.txt"), "read me");
    EXPECT_TRUE(FolderExists(t + "\\Temp"));
    EXPECT_FALSE(FolderExists(t + "\\安装界面"));
    EXPECT_FALSE(FileExists(t + "\\Setup.exe"));
}

TEST_F(WizardEndToEnd, CancelDuringTheCopyEndsTheWizardAndWritesNoLog) {
    TempFolder medium, where;
    MakeSmallMedium(medium);
    MakeFolders(medium / "Support\\Blocks");
    for (int i = 0; i < kManyFiles; ++i) WriteFileBytes(medium / ("Support\\Blocks\\" + std::to_string(i)), "b");
    const std::string t = where / "Orvex";
    SetupSession session(medium.Path());
    GoToInstall(session, t);

    ASSERT_TRUE(session.Click(kTitle, IDC_PROGRESS, IDCANCEL));
    HWND question = session.WaitFor(kProgramName, IDYES);
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(driver::MessageBoxText(question),
              "安装没有完成。 如果现在退出安装程序，则不会安装或卸载您请求添加/删除的组件。\n\n"
              "可以稍后再运行安装程序来完成此操作。\n\n真要退出安装程序吗？");
    ASSERT_TRUE(driver::Click(question, IDYES, SetupSession::kStepTimeoutMs));
    // No second question: the wizard ends at once, and the program waits for its worker to stop.
    ASSERT_TRUE(session.WaitForExit());

    EXPECT_FALSE(FileExists(t + "\\Uninstall.log"));
    EXPECT_FALSE(FileExists(t + "\\readme.txt"));  // the copy stopped within the trees
    EXPECT_LT(CountFiles(t + "\\Support\\Blocks", false), kManyFiles);
}

TEST_F(WizardEndToEnd, BackAndForwardKeepTheChoicesAndCancelNoBringsThePageBack) {
    TempFolder medium;
    MakeSmallMedium(medium);
    SetupSession session(medium.Path());
    ASSERT_TRUE(session.Click(kTitle, IDC_INTRO_HINT, IDC_NEXT));

    HWND agreement = session.WaitFor(kTitle, IDC_DISAGREE);
    ASSERT_NE(agreement, nullptr);
    EXPECT_TRUE(driver::IsControlChecked(agreement, IDC_DISAGREE));
    EXPECT_FALSE(driver::IsControlEnabled(agreement, IDC_NEXT));
    ASSERT_TRUE(driver::Click(agreement, IDC_AGREE, SetupSession::kStepTimeoutMs));
    ASSERT_TRUE(driver::Click(agreement, IDC_NEXT, SetupSession::kStepTimeoutMs));

    // A folder typed and left with back is not kept; the agreement choice is.
    HWND folder = session.WaitFor(kTitle, IDC_TARGET_FOLDER);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(driver::ControlText(folder, IDC_TARGET_FOLDER), setup::kDefaultTargetFolder);
    driver::SetControlText(folder, IDC_TARGET_FOLDER, "D:\\typed\\");
    ASSERT_TRUE(driver::Click(folder, IDC_BACK, SetupSession::kStepTimeoutMs));
    agreement = session.WaitFor(kTitle, IDC_DISAGREE);
    ASSERT_NE(agreement, nullptr);
    EXPECT_TRUE(driver::IsControlChecked(agreement, IDC_AGREE));
    EXPECT_TRUE(driver::IsControlEnabled(agreement, IDC_NEXT));
    ASSERT_TRUE(driver::Click(agreement, IDC_NEXT, SetupSession::kStepTimeoutMs));
    folder = session.WaitFor(kTitle, IDC_TARGET_FOLDER);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(driver::ControlText(folder, IDC_TARGET_FOLDER), setup::kDefaultTargetFolder);

    // A name without a backslash cannot get past the folder page.
    driver::SetControlText(folder, IDC_TARGET_FOLDER, "Orvex");
    ASSERT_TRUE(driver::Click(folder, IDC_NEXT, SetupSession::kStepTimeoutMs));
    Sleep(500);
    EXPECT_EQ(session.WaitFor(kTitle, IDC_TARGET_FOLDER, 0), folder);

    // Cancel, then No: the same page comes back; cancel, then Yes: the program ends.
    ASSERT_TRUE(driver::Click(folder, IDCANCEL, SetupSession::kStepTimeoutMs));
    HWND quit = session.WaitFor(kTitle, IDYES);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(driver::MessageBoxText(quit), setup::kQuitQuestion);
    ASSERT_TRUE(driver::Click(quit, IDNO, SetupSession::kStepTimeoutMs));
    folder = session.WaitFor(kTitle, IDC_TARGET_FOLDER);
    ASSERT_NE(folder, nullptr);
    ASSERT_TRUE(session.Click(kTitle, IDC_TARGET_FOLDER, IDCANCEL));
    ASSERT_TRUE(session.Click(kTitle, IDYES, IDYES));
    EXPECT_TRUE(session.WaitForExit());
}

}  // namespace

namespace {

TEST_F(WizardEndToEnd, AnInstalledProductIsReinstalledOnlyAfterYes) {
#if !__has_include("setup/steps/RegistryStrings.h")
    GTEST_SKIP() << "the registry string operations are not in this build yet";
#endif
    TempFolder medium;
    MakeSmallMedium(medium);
    ASSERT_TRUE(RunRegTool("add \"HKLM\\" + std::string(setup::kProductKey) + "\" /v " +
                           setup::kInstallPathValue + " /d C:\\old /f"));
    for (int answer : {IDNO, IDYES}) {
        SetupSession session(medium.Path());
        HWND question = session.WaitFor(setup::kReinstallCaption, IDNO);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(driver::MessageBoxText(question), setup::kReinstallQuestion);
        EXPECT_EQ(session.WaitFor(kTitle, IDC_INTRO_HINT, 0), nullptr);  // no page before the answer
        ASSERT_TRUE(driver::Click(question, answer, SetupSession::kStepTimeoutMs));
        if (answer == IDNO) {
            EXPECT_TRUE(session.WaitForExit());  // the program ends before any page
            continue;
        }
        // Yes runs the wizard; leave it from the first page.
        ASSERT_TRUE(session.Click(kTitle, IDC_INTRO_HINT, IDCANCEL));
        ASSERT_TRUE(session.Click(kTitle, IDYES, IDYES));
        EXPECT_TRUE(session.WaitForExit());
    }
}

}  // namespace

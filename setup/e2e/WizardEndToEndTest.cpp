#include "SetupSession.h"
#include "TestSupport.h"
#include "setup/steps/FileListing.h"
#include "setup/steps/SetupConstants.h"
#include "setup/steps/SetupMessages.h"
#include "setup/tests/RegistryTestKeys.h"
#include "setup/tests/ShellLinkReader.h"
#include "setup/tests/fixtures/ControlFixtures.h"
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

    // Cancel on the page with the marker, Yes to the quit question: the program ends.
    void QuitFrom(SetupSession& session, int markerId) {
        ASSERT_TRUE(session.Click(kTitle, markerId, IDCANCEL));
        ASSERT_TRUE(session.Click(kTitle, IDYES, IDYES));
        EXPECT_TRUE(session.WaitForExit());
    }
};

// What a full installation writes beyond the target folder, removed again whatever the test's outcome.
struct ConfigurationCleanup {
    ~ConfigurationCleanup() {
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, setup::kProductKey);
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, setup::kUninstallKey);
        DeleteRegistryTree(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY);
    }
};

TEST_F(WizardEndToEnd, AFullInstallGivesTheExpectedTreeLogRegistryProfilesAndShortcuts) {
    TempFolder medium, where, desktop, programs;
    MakeSmallMedium(medium);
    // The control folder holds one real control; shortcuts go to the test's own shell folders; one host
    // release is installed natively with a default profile.
    ASSERT_TRUE(DeleteFileA((medium / "Controls\\说明.txt").c_str()));
    ASSERT_TRUE(
        CopyFileA(ControlFixturePath("GoodControl.ocx").c_str(), (medium / "Controls\\GoodControl.ocx").c_str(), FALSE));
    ConfigurationCleanup cleanup;
    SavedRegistryValues shellFolders(ShellFolderValueNames());
    StartDesktopBeforeShellFolders();
    shellFolders.DeleteAll();
    const auto folderNames = ShellFolderValueNames();
    WriteRegistryValue({folderNames[0].root, folderNames[0].key, folderNames[0].name, desktop.Path()});
    WriteRegistryValue({folderNames[1].root, folderNames[1].key, folderNames[1].name, programs.Path()});
    HostReleaseKeys hostKeys;
    const std::string product = "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409";
    WriteRegistryValue({HKEY_LOCAL_MACHINE, product, "AcadLocation", "C:\\A2006"});
    WriteRegistryValue({HKEY_CURRENT_USER, product + "\\Profiles\\<<Unnamed Profile>>\\General", "ACAD", "C:\\A2006\\support"});

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

    const std::string group = programs / "土方计算地形分析软件 Orvex V8.5";
    EXPECT_EQ(ReadFileBytes(t + "\\Uninstall.log"),
              "Made Dir: " + t + "\\Support\r\n" +
              "Made Dir: " + t + "\\Support\\arx\r\n" +
              "Made Dir: " + t + "\\Support\\arx\\R17\r\n" +
              "File Copy: " + t + "\\Support\\arx\\R17\\terrain.arx\r\n" +
              "Made Dir: " + t + "\\Controls\r\n" +
              "File Copy: " + t + "\\Controls\\GoodControl.ocx\r\n" +
              "Made Dir: " + t + "\\图框\r\n" +
              "File Copy: " + t + "\\图框\\A3.dwg\r\n" +
              "Made Dir: " + t + "\\Data\r\n" +
              "File Copy: " + t + "\\Data\\土方.dat\r\n" +
              "Made Dir: " + t + "\\Database\r\n" +
              "File Copy: " + t + "\\Database\\terrain.mdb\r\n" +
              "Made Dir: " + t + "\\模板\r\n" +
              "Made Dir: " + t + "\\Temp\r\n" +
              "File Copy: " + t + "\\readme.txt\r\n" +
              "Reg Ctrl: " + t + "\\Controls\\GoodControl.ocx\r\n" +
              "RegDB Key: 2," + setup::kProductKey + "\r\n" +
              "RegDB Key: 2," + setup::kUninstallKey + "\r\n" +
              "Made Dir: " + group + "\r\n" +
              "File Copy: " + desktop.Path() + "\\土方计算地形分析.LNK\r\n" +
              "File Copy: " + group + "\\Orvex V8.5.LNK\r\n" +
              "File Copy: " + t + "\\Orvexfor2006.LNK\r\n" +
              "File Copy: " + group + "\\官方网站.LNK\r\n" +
              "File Copy: " + group + "\\Orvex V8.5 卸载程序.LNK\r\n" +
              "File Copy: " + group + "\r\n" +
              "File Copy: " + t + "\\Uninstall.log\r\n");
    EXPECT_EQ(AttributesBesidesArchive(t + "\\Uninstall.log"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(ReadFileBytes(t + "\\Support\\arx\\R17\\terrain.arx"), "module");
    EXPECT_EQ(ReadFileBytes(t + "\\readme.txt"), "read me");
    EXPECT_TRUE(FolderExists(t + "\\Temp"));
    EXPECT_FALSE(FolderExists(t + "\\安装界面"));
    EXPECT_FALSE(FileExists(t + "\\Setup.exe"));

    EXPECT_TRUE(RegistryKeyExists(HKEY_CURRENT_USER, ORVEX_CONTROL_FIXTURE_KEY));
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, setup::kProductKey, setup::kInstallPathValue), t + "\\");
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, setup::kProductKey, "Ver"), "8.00");
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, setup::kUninstallKey, "DisplayName"),
              "土方计算地形分析软件 Orvex V8.5");
    EXPECT_EQ(RawRegistryString(HKEY_LOCAL_MACHINE, setup::kUninstallKey, "UninstallString"),
              t + "\\Uninstall-64.exe");
    const std::string profile = product + "\\Profiles\\<<enggOrvex V8>>";
    EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, profile, ""), "<<enggOrvex V8>>");
    EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, profile + "\\General", "ACAD"),
              t + "\\Support\\2004-06\\arx;" + t + "\\Support\\2004-06\\Menu;C:\\A2006\\support;");
    const ShellLinkFields host = ReadShellLink(t + "\\Orvexfor2006.LNK");
    EXPECT_EQ(host.path, "C:\\A2006\\acad.exe");
    EXPECT_EQ(host.arguments, "/p \"<<enggOrvex V8>>\" /t acad.dwt");
    EXPECT_EQ(host.iconFile, t + "\\OrvexV8.5.ico");
    EXPECT_EQ(host.workingFolder, t + "\\");
    EXPECT_EQ(ReadShellLink(desktop.Path() + "\\土方计算地形分析.LNK").path, t + "\\Orvex-64.exe");
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
    // The page has handled the click once it selects the name for correction.
    HWND edit = GetDlgItem(folder, IDC_TARGET_FOLDER);
    EXPECT_TRUE(driver::PollUntil(SetupSession::kStepTimeoutMs, [&] {
        return SendMessageA(edit, EM_GETSEL, 0, 0) == MAKELONG(0, 5);  // all of "Orvex"
    }));
    EXPECT_EQ(session.WaitFor(kTitle, IDC_TARGET_FOLDER, 0), folder);

    // Cancel, then No: the same page comes back; cancel, then Yes: the program ends.
    ASSERT_TRUE(driver::Click(folder, IDCANCEL, SetupSession::kStepTimeoutMs));
    HWND quit = session.WaitFor(kTitle, IDYES);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(driver::MessageBoxText(quit), setup::kQuitQuestion);
    ASSERT_TRUE(driver::Click(quit, IDNO, SetupSession::kStepTimeoutMs));
    QuitFrom(session, IDC_TARGET_FOLDER);
}

TEST_F(WizardEndToEnd, AnInstalledProductIsReinstalledOnlyAfterYes) {
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
        QuitFrom(session, IDC_INTRO_HINT);  // Yes ran the wizard: leave it from the first page
    }
}

TEST_F(WizardEndToEnd, AMissingProductFolderAsksOnTheInstallPageAndEachAnswerDoesItsPart) {
    for (int answer : {IDIGNORE, IDABORT}) {
        // The installation that went on recorded the product: the next run must not ask to reinstall.
        DeleteRegistryTree(HKEY_LOCAL_MACHINE, setup::kProductKey);
        TempFolder medium, where;
        MakeSmallMedium(medium);
        RemoveTree(medium / "Temp");
        const std::string t = where / "Orvex";
        SetupSession session(medium.Path());
        GoToInstall(session, t);

        HWND question = session.WaitFor(kProgramName, IDIGNORE);
        ASSERT_NE(question, nullptr);
        const std::string text = driver::MessageBoxText(question);
        EXPECT_NE(text.find("\n找不到安装文件的路径 " + (medium / "Temp") + "\\，\n"), std::string::npos) << text;
        // The page behind the question shows the last file copied.
        HWND page = GetWindow(question, GW_OWNER);
        ASSERT_NE(page, nullptr);
        const std::string lastCopied = t + "\\Database\\terrain.mdb ...";
        // The page repaints its status line within 50 ms, later on a loaded machine.
        EXPECT_TRUE(driver::PollUntil(SetupSession::kStepTimeoutMs,
                                      [&] { return driver::ControlText(page, IDC_STATUS) == lastCopied; }))
            << driver::ControlText(page, IDC_STATUS);
        ASSERT_TRUE(driver::Click(question, answer, SetupSession::kStepTimeoutMs));

        if (answer == IDIGNORE) {  // the folder is made and logged, the installation goes on
            ASSERT_TRUE(session.Click(kTitle, IDC_README, IDC_README));
            ASSERT_TRUE(session.Click(kTitle, IDC_README, IDC_NEXT));
            ASSERT_TRUE(session.WaitForExit());
            EXPECT_NE(ReadFileBytes(t + "\\Uninstall.log").find("Made Dir: " + t + "\\Temp\r\n"), std::string::npos);
            EXPECT_TRUE(FileExists(t + "\\readme.txt"));
        } else {  // the wizard ends at once, without a log
            ASSERT_TRUE(session.WaitForExit());
            EXPECT_FALSE(FileExists(t + "\\Uninstall.log"));
            EXPECT_FALSE(FileExists(t + "\\readme.txt"));
        }
    }
}

TEST_F(WizardEndToEnd, ALogThatCannotBeWrittenIsReportedThenThePageTurnsToConfiguringAndFinishes) {
    TempFolder medium, where;
    MakeSmallMedium(medium);
    const std::string t = where / "Orvex";
    MakeFolders(t + "\\Uninstall.log");  // a folder where the log should go
    SetupSession session(medium.Path());
    GoToInstall(session, t);

    HWND error = session.WaitFor(kProgramName, IDOK);
    ASSERT_NE(error, nullptr);
    EXPECT_NE(driver::MessageBoxText(error).find(t + "\\Uninstall.log"), std::string::npos);

    // The worker waits on the box after its last file: the page behind it gets the configuring message
    // now and trades the copy's status, bar and frame for the configuring label, with no way to cancel.
    HWND page = GetWindow(error, GW_OWNER);
    ASSERT_NE(page, nullptr);
    auto visible = [page](int id) { return IsWindowVisible(GetDlgItem(page, id)) != FALSE; };
    EXPECT_TRUE(driver::PollUntil(SetupSession::kStepTimeoutMs,
                                  [&] { return !driver::ControlText(page, IDC_STATUS).empty(); }));
    EXPECT_TRUE(visible(IDC_PROGRESS) && visible(IDC_COPY_GROUP) && !visible(IDC_CONFIGURING));
    EXPECT_TRUE(driver::IsControlEnabled(page, IDCANCEL));
    DWORD_PTR handled = 0;
    ASSERT_NE(SendMessageTimeoutA(page, UWM_SETUP_CONFIGURING, 0, 0, SMTO_NORMAL, SetupSession::kStepTimeoutMs,
                                  &handled), 0);
    EXPECT_EQ(handled, 1u);
    EXPECT_EQ(driver::ControlText(page, IDC_STATUS), "");
    EXPECT_FALSE(visible(IDC_PROGRESS));
    EXPECT_FALSE(visible(IDC_COPY_GROUP));
    EXPECT_TRUE(visible(IDC_CONFIGURING));
    EXPECT_FALSE(driver::IsControlEnabled(page, IDCANCEL));

    ASSERT_TRUE(driver::Click(error, IDOK, SetupSession::kStepTimeoutMs));
    ASSERT_TRUE(session.Click(kTitle, IDC_README, IDC_README));
    ASSERT_TRUE(session.Click(kTitle, IDC_README, IDC_NEXT));
    ASSERT_TRUE(session.WaitForExit());
    EXPECT_TRUE(FileExists(t + "\\readme.txt"));
    EXPECT_TRUE(FolderExists(t + "\\Uninstall.log"));
}

}  // namespace

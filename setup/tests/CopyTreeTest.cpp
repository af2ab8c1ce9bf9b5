#include "TestSupport.h"
#include "setup/steps/SetupMessages.h"
#include "setup/steps/SetupThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace {

using namespace testing_support;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::string ParentOf(const std::string& path) { return path.substr(0, path.rfind('\\')); }

// A worker whose questions and messages are recorded.
struct Harness {
    ScriptedPrompt prompt;
    MessageRecorder recorder;
    CSetupThread worker;
    explicit Harness(std::deque<int> answers = {}) : prompt(std::move(answers)) {
        worker.SetPrompt(&prompt);
        worker.SetMainWindow(recorder.Window());
        worker.SetCaption("Setup");
    }
};

class CopyTreeTest : public ::testing::Test {
protected:
    TempFolder source, target;
    // Support\a.txt, Support\只读.txt (read-only), Support\sub\b.txt, Support\sub\deep\c.txt, Support\empty\ .
    void SetUp() override {
        MakeFolders(source / "Support\\sub\\deep");
        MakeFolders(source / "Support\\empty");
        WriteFileBytes(source / "Support\\a.txt", "alpha");
        WriteFileBytes(source / "Support\\只读.txt", "read only");
        SetFileAttributesA((source / "Support\\只读.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        WriteFileBytes(source / "Support\\sub\\b.txt", "beta");
        WriteFileBytes(source / "Support\\sub\\deep\\c.txt", "gamma");
    }
};

TEST_F(CopyTreeTest, CopiesTheTreeLoggingFoldersInPreOrderThenTheirFiles) {
    Harness h;
    ASSERT_TRUE(h.worker.CopyTree(source / "Support", target / "Support"));
    EXPECT_TRUE(h.prompt.Questions().empty());

    const std::string t = target / "Support";
    const std::vector<std::string> lines = Lines(h.worker.LogText());
    const std::set<std::string> expected = {
        "Made Dir: " + t,
        "File Copy: " + t + "\\a.txt",
        "File Copy: " + t + "\\只读.txt",
        "Made Dir: " + t + "\\sub",
        "File Copy: " + t + "\\sub\\b.txt",
        "Made Dir: " + t + "\\sub\\deep",
        "File Copy: " + t + "\\sub\\deep\\c.txt",
        "Made Dir: " + t + "\\empty",  // an empty folder is still logged
    };
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()), expected);
    ASSERT_EQ(lines.size(), expected.size());
    EXPECT_EQ(lines.front(), "Made Dir: " + t);
    // Pre-order: every line comes after the "Made Dir: " line of its folder.
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string path = lines[i].substr(lines[i].find(": ") + 2);
        const auto parent = std::find(lines.begin(), lines.end(), "Made Dir: " + ParentOf(path));
        ASSERT_NE(parent, lines.end()) << lines[i];
        EXPECT_LT(parent - lines.begin(), static_cast<long>(i)) << lines[i];
    }

    EXPECT_EQ(ReadFileBytes(t + "\\sub\\deep\\c.txt"), "gamma");
    EXPECT_TRUE(FolderExists(t + "\\empty"));
    EXPECT_FALSE(Attributes(t + "\\只读.txt") & FILE_ATTRIBUTE_READONLY);  // arrives with normal attributes

    // One progress message per entry, folders included, with source and target paths.
    EXPECT_EQ(h.recorder.Count(UWM_SETUP_PROGRESS), 7);
    bool sawFolder = false;
    for (const RecordedMessage& m : h.recorder.Messages()) {
        if (m.target == t + "\\sub") {
            sawFolder = true;
            EXPECT_EQ(m.source, source / "Support\\sub");
        }
    }
    EXPECT_TRUE(sawFolder);
}

TEST_F(CopyTreeTest, AFileWhoseCopyFailsIsNeitherLoggedNorFatalAndProgressStillSteps) {
    MakeFolders(target / "Support\\a.txt");  // a folder where the file should go
    Harness h;
    ASSERT_TRUE(h.worker.CopyTree(source / "Support", target / "Support"));
    EXPECT_EQ(h.worker.LogText().find("a.txt"), std::string::npos);
    EXPECT_NE(h.worker.LogText().find("sub\\deep\\c.txt"), std::string::npos);
    EXPECT_EQ(h.recorder.Count(UWM_SETUP_PROGRESS), 7);
    EXPECT_TRUE(h.prompt.Questions().empty());
}

TEST_F(CopyTreeTest, AnUnreadableSourceAsksAbortRetryIgnore) {
    const std::string missing = source / "Temp";
    struct Case {
        std::deque<int> answers;
        bool result;
        bool targetMade;
        size_t questions;
    };
    const Case cases[] = {
        {{IDIGNORE}, true, true, 1},            // target still made and logged, nothing copied
        {{IDABORT}, false, false, 1},           // the installation ends
        {{IDRETRY, IDABORT}, false, false, 2},  // asked again, then aborted
        {{IDCANCEL}, false, false, 1},          // anything else counts as abort
    };
    for (const Case& c : cases) {
        TempFolder freshTarget;
        Harness h(c.answers);
        EXPECT_EQ(h.worker.CopyTree(missing, freshTarget / "Temp"), c.result);
        EXPECT_EQ(FolderExists(freshTarget / "Temp"), c.targetMade);
        EXPECT_EQ(h.worker.LogText(), c.targetMade ? "Made Dir: " + (freshTarget / "Temp") + "\n" : "");
        ASSERT_EQ(h.prompt.Questions().size(), c.questions);
        const Question& q = h.prompt.Questions()[0];
        const std::string tail = "\n找不到安装文件的路径 " + missing +
                                 "\\，\n点击“重试”按钮试图重新查找该安装文件路径；\n"
                                 "点击“忽略”按钮将跳过该路径下的操作并继续执行；\n点击“取消”按钮将终止程序运行。";
        ASSERT_GT(q.text.size(), tail.size());
        EXPECT_EQ(q.text.substr(q.text.size() - tail.size()), tail);
        EXPECT_EQ(q.type, static_cast<UINT>(MB_ABORTRETRYIGNORE | MB_ICONQUESTION));
        EXPECT_EQ(q.caption, "Setup");
        EXPECT_EQ(h.recorder.Count(UWM_SETUP_PROGRESS), 0);
    }
}

TEST_F(CopyTreeTest, RetryFindsASourceThatAppearedMeanwhile) {
    struct Creating : ScriptedPrompt {
        std::string folder;
        using ScriptedPrompt::ScriptedPrompt;
        int Ask(const std::string& t, const std::string& c, UINT type) override {
            MakeFolders(folder);
            WriteFileBytes(folder + "\\late.txt", "late");
            return ScriptedPrompt::Ask(t, c, type);
        }
    } prompt({IDRETRY});
    prompt.folder = source / "Temp";
    Harness h;
    h.worker.SetPrompt(&prompt);
    EXPECT_TRUE(h.worker.CopyTree(source / "Temp\\", target / "Temp"));
    EXPECT_EQ(ReadFileBytes(target / "Temp\\late.txt"), "late");
    EXPECT_EQ(prompt.Questions().size(), 1u);
}

TEST_F(CopyTreeTest, TheStopFlagStopsAfterTheCurrentEntry) {
    Harness h;
    h.worker.RequestStop();
    EXPECT_FALSE(h.worker.CopyTree(source / "Support", target / "Support"));
    ASSERT_EQ(h.recorder.Count(UWM_SETUP_PROGRESS), 1);
    // Only the one entry handled (perhaps inside subfolders entered on the way) was copied.
    int copies = 0;
    for (const std::string& line : Lines(h.worker.LogText())) copies += line.rfind("File Copy: ", 0) == 0;
    EXPECT_LE(copies, 1);
}

TEST_F(CopyTreeTest, AFolderThatCannotBeCreatedEndsTheCopyWhenCancelled) {
    WriteFileBytes(target / "Support", "a file in the way");
    Harness h({IDCANCEL});
    EXPECT_FALSE(h.worker.CopyTree(source / "Support", target / "Support\\inner"));
    ASSERT_EQ(h.prompt.Questions().size(), 1u);
    EXPECT_NE(h.prompt.Questions()[0].text.find("不能创建文件夹"), std::string::npos);
    EXPECT_EQ(h.recorder.Count(UWM_SETUP_PROGRESS), 0);
}

}  // namespace

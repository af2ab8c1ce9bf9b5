#include "TestSupport.h"
#include "framework/Strings.h"
#include "setup/steps/SetupThread.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

TEST(MakeFolderPath, MakesEveryFolderAlongThePathAndLogsOnlyThePathGiven) {
    TempFolder temp;
    struct Case {
        std::string path;                  // relative to the temp folder
        std::vector<std::string> folders;  // must exist afterwards
    };
    const Case cases[] = {
        {"a/b", {"a", "a/b"}},                  // a slash separates like a backslash
        {"c\\d\\e", {"c", "c\\d", "c\\d\\e"}},
        {"f\\g\\", {"f", "f\\g"}},              // a trailing backslash makes no empty last folder
        {"图框\\乗\\模板", {"图框", "图框\\乗", "图框\\乗\\模板"}},  // 0x5C trail bytes are no separators
    };
    for (const Case& c : cases) {
        CSetupThread worker;
        ScriptedPrompt prompt;
        worker.SetPrompt(&prompt);
        const std::string path = temp / c.path;
        EXPECT_TRUE(worker.MakeFolderPath(path)) << c.path;
        for (const std::string& folder : c.folders) EXPECT_TRUE(FolderExists(temp / folder)) << folder;
        EXPECT_EQ(worker.LogText(), "Made Dir: " + path + "\n");
        EXPECT_TRUE(prompt.Questions().empty());
    }
    EXPECT_FALSE(FolderExists(temp / "乗"));  // no folder from a split double-byte character
}

TEST(MakeFolderPath, AFailedCreationAsksRetryCancelWithTheFormattedText) {
    TempFolder temp;
    WriteFileBytes(temp / "blocker", "a file where a folder is wanted");
    const std::string path = temp / "blocker\\sub";
    const std::string failing = temp / "blocker\\sub";

    CSetupThread worker;
    ScriptedPrompt prompt({IDRETRY, IDCANCEL});
    worker.SetPrompt(&prompt);
    worker.SetCaption("Setup");
    EXPECT_FALSE(worker.MakeFolderPath(path + "\\deeper"));
    ASSERT_EQ(prompt.Questions().size(), 2u);  // asked again after Retry, then cancelled
    const Question& q = prompt.Questions()[0];
    const std::string expectedTail = "\n不能创建文件夹 " + failing +
                                     " ，\n点击“重试”按钮试图重新创建文件夹；\n点击“取消”按钮将终止程序运行。";
    ASSERT_GE(q.text.size(), expectedTail.size());
    EXPECT_EQ(q.text.substr(q.text.size() - expectedTail.size()), expectedTail);
    EXPECT_GT(q.text.size(), expectedTail.size());  // the system's reason comes first
    EXPECT_EQ(q.type, static_cast<UINT>(MB_RETRYCANCEL | MB_ICONQUESTION));
    EXPECT_EQ(q.caption, "Setup");
}

TEST(MakeFolderPath, RetryCreatesTheFolderOnceTheObstacleIsGone) {
    TempFolder temp;
    WriteFileBytes(temp / "x", "");
    // Answering the question replaces the blocking file "x" by a folder, then says Retry.
    struct Clearing : ScriptedPrompt {
        std::string blocker;
        using ScriptedPrompt::ScriptedPrompt;
        int Ask(const std::string& t, const std::string& c, UINT type) override {
            DeleteFileA(blocker.c_str());
            CreateDirectoryA(blocker.c_str(), nullptr);
            return ScriptedPrompt::Ask(t, c, type);
        }
    } prompt({IDRETRY});
    prompt.blocker = temp / "x";
    CSetupThread worker;
    worker.SetPrompt(&prompt);
    EXPECT_TRUE(worker.MakeFolderPath(temp / "x\\y"));
    EXPECT_EQ(prompt.Questions().size(), 1u);
    EXPECT_TRUE(FolderExists(temp / "x\\y"));
}

TEST(MakeFolderPath, AnOverlongPathIsRefusedWithoutOverrun) {
    TempFolder temp;
    for (size_t length : {271u, 272u, 400u, 5000u}) {
        const std::string path = temp.Path() + "\\" + std::string(length - temp.Path().size() - 1, 'z');
        ASSERT_EQ(path.size(), length);
        CSetupThread worker;
        ScriptedPrompt prompt({IDRETRY, IDCANCEL});
        worker.SetPrompt(&prompt);
        EXPECT_FALSE(worker.MakeFolderPath(path)) << length;
        EXPECT_EQ(worker.LogText(), "Made Dir: " + path + "\n");
        ASSERT_FALSE(prompt.Questions().empty());
        EXPECT_NE(prompt.Questions()[0].text.find("不能创建文件夹"), std::string::npos);
    }
}

}  // namespace

#include "TestSupport.h"
#include "setup/steps/SetupMessages.h"
#include "setup/steps/SetupThread.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

using namespace testing_support;

TEST(CopyRootFiles, CopiesTopLevelFilesBySpecialNamesAndLogsEachEvenWhenItFailed) {
    TempFolder source, target;
    WriteFileBytes(source / "SeTuP.ExE", "the installer itself");
    WriteFileBytes(source / "orvexv8.5.ICO", "icon");
    WriteFileBytes(source / "readme.txt", "read me");
    SetFileAttributesA((source / "readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    WriteFileBytes(source / "说明.doc", "doc");
    WriteFileBytes(source / "blocked.dat", "cannot land");
    MakeFolders(target / "blocked.dat");  // a folder in the way makes this copy fail
    MakeFolders(source / "Support");     // folders are not top-level files
    WriteFileBytes(source / "Support\\inner.txt", "tree file");

    CSetupThread worker;
    ScriptedPrompt prompt;
    MessageRecorder recorder;
    worker.SetPrompt(&prompt);
    worker.SetMainWindow(recorder.Window());
    worker.SetFolders(source.Path() + "\\", target.Path() + "\\");
    worker.CopyRootFiles();

    std::set<std::string> lines;
    std::istringstream in(worker.LogText());
    for (std::string line; std::getline(in, line);) lines.insert(line);
    const std::set<std::string> expected = {
        "File Copy: " + (target / "orvexv8.5.ICO"),
        "File Copy: " + (target / "readme.txt"),
        "File Copy: " + (target / "说明.doc"),
        "File Copy: " + (target / "blocked.dat"),  // logged although the copy failed
    };
    EXPECT_EQ(lines, expected);

    EXPECT_FALSE(FileExists(target / "SeTuP.ExE"));
    EXPECT_EQ(AttributesBesidesArchive(target / "orvexv8.5.ICO"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_TRUE(Attributes(target / "readme.txt") & FILE_ATTRIBUTE_READONLY);  // keeps the source's attributes
    EXPECT_EQ(ReadFileBytes(target / "说明.doc"), "doc");
    EXPECT_TRUE(FolderExists(target / "blocked.dat"));
    EXPECT_FALSE(FileExists(target / "inner.txt"));
    EXPECT_TRUE(recorder.Messages().empty());  // no progress for top-level files
    EXPECT_TRUE(prompt.Questions().empty());
}

}  // namespace

namespace {

TEST(CopyRootFiles, AReinstallOverwritesTheHiddenIconAndReadOnlyFilesOfTheLastRun) {
    TempFolder source, target;
    WriteFileBytes(source / "OrvexV8.5.ico", "icon v1");
    WriteFileBytes(source / "readme.txt", "read me v1");
    SetFileAttributesA((source / "readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    for (const char* version : {"v1", "v2"}) {
        SetFileAttributesA((source / "readme.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
        WriteFileBytes(source / "OrvexV8.5.ico", std::string("icon ") + version);
        WriteFileBytes(source / "readme.txt", std::string("read me ") + version);
        SetFileAttributesA((source / "readme.txt").c_str(), FILE_ATTRIBUTE_READONLY);
        CSetupThread worker;
        worker.SetFolders(source.Path() + "\\", target.Path() + "\\");
        worker.CopyRootFiles();
        EXPECT_EQ(ReadFileBytes(target / "OrvexV8.5.ico"), std::string("icon ") + version);
        EXPECT_EQ(ReadFileBytes(target / "readme.txt"), std::string("read me ") + version);
        EXPECT_EQ(AttributesBesidesArchive(target / "OrvexV8.5.ico"), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
        EXPECT_TRUE(Attributes(target / "readme.txt") & FILE_ATTRIBUTE_READONLY);
    }
}

}  // namespace

#include "framework/TextFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string TempPath(const char* name) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    return std::string(temp) + name;
}

std::string ReadAll(const std::string& path) {
    UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.Valid()) return "<missing>";
    std::string bytes(GetFileSize(file.Get(), nullptr), '\0');
    DWORD read = 0;
    if (!bytes.empty()) ReadFile(file.Get(), &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr);
    return bytes.substr(0, read);
}

TEST(TextFile, WritesLineFeedsAsCarriageReturnLineFeed) {
    const std::string path = TempPath("orvex-textfile.txt");
    {
        CTextFile file(path);
        file.WriteText("a\nb\n\n文件\n");
        file.Close();
    }
    EXPECT_EQ(ReadAll(path), "a\r\nb\r\n\r\n文件\r\n");
    DeleteFileA(path.c_str());
}

TEST(TextFile, FailuresArriveAsFileExceptionsWithTheFileName) {
    const std::string path = TempPath("orvex-no-such-folder\\x.log");
    try {
        CTextFile file(path);
        FAIL() << "created a file in a missing folder";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.OsError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
        EXPECT_EQ(error.FileName(), path);
        EXPECT_NE(error.ErrorText().find(path), std::string::npos);
        EXPECT_GT(error.ErrorText().size(), path.size() + 1);  // the reason comes first
    }
    EXPECT_THROW(SetFileAttributesOrThrow(path, FILE_ATTRIBUTE_HIDDEN), CFileException);
}

}  // namespace

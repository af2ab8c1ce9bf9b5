#pragma once
// Fixed names and texts of the installation steps, in one place.
#include "framework/Charset.h"

#include <array>

namespace setup {

// The product folders copied as whole trees, in the order they are copied and logged.
inline constexpr std::array<const char*, 7> kProductFolders = {"Support", "Controls", "图框", "Data",
                                                              "Database", "模板",     "Temp"};

// Top-level file of the medium that is never copied (the running installer itself), any case.
inline constexpr char kSetupProgramName[] = "setup.exe";
// Top-level file that is copied and then hidden (the product icon), any case.
inline constexpr char kProductIconName[] = "OrvexV8.5.ico";
// Name of the install log in the target folder.
inline constexpr char kInstallLogName[] = "Uninstall.log";
// Pattern for "every entry" in folder enumerations.
inline constexpr char kAllEntriesPattern[] = "*.*";

// Markers of the install log's lines; each ends with one blank.
inline constexpr char kLogFileCopy[] = "File Copy: ";
inline constexpr char kLogMadeDir[] = "Made Dir: ";
inline constexpr char kLogRegCtrl[] = "Reg Ctrl: ";
inline constexpr char kLogRegKey[] = "RegDB Key: ";

// Question when a source folder cannot be enumerated: system message, then the source path.
inline constexpr char kSourceMissingFormat[] =
    "%s\n找不到安装文件的路径 %s，\n点击“重试”按钮试图重新查找该安装文件路径；\n"
    "点击“忽略”按钮将跳过该路径下的操作并继续执行；\n点击“取消”按钮将终止程序运行。";
// Question when a folder cannot be created: system message, then the folder.
inline constexpr char kCannotCreateFolderFormat[] =
    "%s\n不能创建文件夹 %s ，\n点击“重试”按钮试图重新创建文件夹；\n点击“取消”按钮将终止程序运行。";

// The product key marks the product as installed (its "installPath" is what the wizard checks at
// start) and tells the uninstaller where the product lies.
inline constexpr char kProductKey[] = "SOFTWARE\\Velmark\\enggOrvex\\V8";
inline constexpr char kInstallPathValue[] = "installPath";
// The product's entry in the system's list of installed programs.
inline constexpr char kUninstallKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\enggOrvex V8";

// MakeFolderPath works on a copy of the path in a buffer of this size (the system's 260-character
// path limit plus room); a longer path is refused rather than cut.
inline constexpr size_t kFolderPathBufferSize = 272;

}  // namespace setup

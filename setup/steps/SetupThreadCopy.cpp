// The copy steps of the installation worker: product trees, folder paths and top-level files.
#include "framework/Handles.h"
#include "framework/Strings.h"
#include "setup/steps/FileListing.h"
#include "setup/steps/Paths.h"
#include "setup/steps/SetupConstants.h"
#include "setup/steps/SetupMessages.h"
#include "setup/steps/SetupThread.h"

#include <cstring>

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Attributes a copy takes over from its source and that an installed file must not keep.
constexpr DWORD kAttributesToClear = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE;

// Windows refuses to copy over a read-only or hidden file: such a file of an earlier installation (the
// hidden icon, a read-only top-level file) is made normal first so that a reinstallation replaces it.
// Returns true when it changed the file's attributes.
bool MakeReplaceable(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
           (attributes & kAttributesToClear) && SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

bool CSetupThread::CopyTree(const std::string& sourcePath, const std::string& targetPath) {
    const std::string source = WithBackslash(sourcePath);
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA((source + setup::kAllEntriesPattern).c_str(), &entry));
    while (!find.Valid()) {
        const std::string reason = SystemErrorText(GetLastError());
        const int answer = Ask(FormatText(setup::kSourceMissingFormat, reason.c_str(), source.c_str()),
                               MB_ABORTRETRYIGNORE | MB_ICONQUESTION);
        if (answer == IDIGNORE) break;
        if (answer != IDRETRY) return false;
        find.Reset(FindFirstFileA((source + setup::kAllEntriesPattern).c_str(), &entry));
    }
    if (!MakeFolderPath(targetPath)) return false;
    if (!find.Valid()) return true;  // ignored: the folder is made and logged, nothing is copied

    do {
        if (IsDotEntry(entry.cFileName)) continue;
        const std::string entrySource = source + entry.cFileName;
        const std::string entryTarget = JoinPath(targetPath, entry.cFileName);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!CopyTree(entrySource, entryTarget)) return false;
        } else if (CopyFileA(entrySource.c_str(), entryTarget.c_str(), FALSE)) {
            // The copy carries the source's attributes; resetting them costs as much as the copy of a
            // small file, so it is done only when there is something to clear.
            if (entry.dwFileAttributes & kAttributesToClear)
                SetFileAttributesA(entryTarget.c_str(), FILE_ATTRIBUTE_NORMAL);
            LogFileCopy(entryTarget);
        }
        Notify(UWM_SETUP_PROGRESS, reinterpret_cast<WPARAM>(entrySource.c_str()),
               reinterpret_cast<LPARAM>(entryTarget.c_str()));
        if (StopRequested()) return false;
    } while (FindNextFileA(find.Get(), &entry));
    return true;
}

bool CSetupThread::MakeFolderPath(const std::string& path) {
    LogMadeDir(path);
    char buffer[setup::kFolderPathBufferSize];
    if (path.size() >= sizeof buffer) {
        // Too long for the buffer: refused like a folder that cannot be created, never cut or overrun.
        const std::string reason = SystemErrorText(ERROR_FILENAME_EXCED_RANGE);
        while (Ask(FormatText(setup::kCannotCreateFolderFormat, reason.c_str(), path.c_str()),
                   MB_RETRYCANCEL | MB_ICONQUESTION) == IDRETRY) {
        }
        return false;
    }
    std::memcpy(buffer, path.c_str(), path.size() + 1);

    const bool endsWithSeparator = EndsWithSeparator(path);
    size_t previous = std::string::npos;  // start of the character before position i
    for (size_t i = 0;; i = NextCharIndex(path, i)) {
        const bool atEnd = i >= path.size();
        const bool folderEnds = atEnd ? !endsWithSeparator : IsSeparator(path[i]);
        if (folderEnds && i > 0 && path[previous] != ':') {
            const char saved = buffer[i];
            buffer[i] = '\0';
            while (!Exists(buffer) && !CreateDirectoryA(buffer, nullptr)) {
                const std::string reason = SystemErrorText(GetLastError());
                if (Ask(FormatText(setup::kCannotCreateFolderFormat, reason.c_str(), buffer),
                        MB_RETRYCANCEL | MB_ICONQUESTION) != IDRETRY)
                    return false;
            }
            buffer[i] = saved;
        }
        if (atEnd) break;
        previous = i;
    }
    return true;
}

void CSetupThread::CopyRootFiles() {
    std::vector<std::string> names;
    ListFiles(m_source, setup::kAllEntriesPattern, names);
    for (const std::string& name : names) {
        if (EqualsNoCase(name, setup::kSetupProgramName)) continue;
        const std::string source = m_source + name;
        const std::string target = m_target + name;
        const bool replacing = MakeReplaceable(target);
        // The copy keeps the source's attributes; over a file made replaceable they are put back explicitly,
        // since not every system hands them to an existing file.
        if (CopyFileA(source.c_str(), target.c_str(), FALSE) && replacing)
            SetFileAttributesA(target.c_str(), GetFileAttributesA(source.c_str()));
        LogFileCopy(target);
        if (EqualsNoCase(name, setup::kProductIconName)) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_HIDDEN);
    }
}

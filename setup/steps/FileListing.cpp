#include "setup/steps/FileListing.h"

#include "framework/Handles.h"
#include "framework/Strings.h"
#include "setup/steps/SetupConstants.h"

#include <windows.h>

namespace {

// Makes a folder the current directory for its lifetime and restores the previous one.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::string& folder) {
        char previous[MAX_PATH];
        const DWORD length = GetCurrentDirectoryA(sizeof previous, previous);
        // A current directory too long for the buffer could not be restored: then it is not changed.
        if (length == 0 || length >= sizeof previous) return;
        m_previous.assign(previous, length);
        m_entered = SetCurrentDirectoryA(folder.c_str()) != FALSE;
    }
    ~CurrentDirectoryScope() {
        if (m_entered) SetCurrentDirectoryA(m_previous.c_str());
    }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;
    bool Entered() const { return m_entered; }

private:
    std::string m_previous;
    bool m_entered = false;
};

}  // namespace

bool IsDotEntry(const char* name) { return lstrcmpA(name, ".") == 0 || lstrcmpA(name, "..") == 0; }

void ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>& list) {
    list.clear();
    CurrentDirectoryScope scope(folder);
    if (!scope.Entered()) return;
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA(pattern.c_str(), &entry));
    if (!find.Valid()) return;
    do {
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) list.emplace_back(entry.cFileName);
    } while (FindNextFileA(find.Get(), &entry));
}

int CountFiles(const std::string& folder, bool recursive) {
    const std::string trimmed = Trim(folder);
    if (trimmed.empty()) return 0;
    const std::string base = WithBackslash(trimmed);
    WIN32_FIND_DATAA entry;
    UniqueFind find(FindFirstFileA((base + setup::kAllEntriesPattern).c_str(), &entry));
    if (!find.Valid()) return 0;
    int count = 0;
    do {
        if (IsDotEntry(entry.cFileName)) continue;
        if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            ++count;
        } else if (recursive) {
            count += CountFiles(base + entry.cFileName, true);
        }
    } while (FindNextFileA(find.Get(), &entry));
    return count;
}

int CountSourceFiles(const std::string& sourceFolder) {
    int count = 0;
    for (const char* name : setup::kProductFolders) count += CountFiles(sourceFolder + name, true);
    return count + CountFiles(sourceFolder, false);
}

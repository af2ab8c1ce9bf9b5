#include "setup/steps/ShellLinks.h"

#include "framework/Handles.h"
#include "framework/Strings.h"
#include "setup/steps/RegistryStrings.h"

#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

namespace {

struct ShellFolderSource {
    bool machine;
    const char* key;
    const char* desktopValue;
    const char* programsValue;
};

// Per-user folders first (two places where systems keep them), then the all-users folders.
constexpr ShellFolderSource kShellFolderSources[] = {
    {false, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Desktop", "Programs"},
    {false, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Explorer\\Shell Folders", "Desktop", "Programs"},
    {true, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Explorer\\Shell Folders", "Common Desktop",
     "Common Programs"},
};

// The icon of every shortcut that has one is the file's first icon.
constexpr int kIconIndex = 0;

// CoInitializeEx / CoUninitialize for the calling thread, balanced. A thread already in another
// apartment keeps it (COM is usable all the same) and is left as it was.
class ScopedComInit {
public:
    ScopedComInit() : m_result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ScopedComInit() {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;
    bool Usable() const { return SUCCEEDED(m_result) || m_result == RPC_E_CHANGED_MODE; }

private:
    HRESULT m_result;
};

// A value that is empty (or only blanks) names no folder: counted as missing, or the shortcuts would
// land in the current folder.
bool ReadFolder(const ShellFolderSource& source, const char* value, std::string& folder) {
    const auto read = source.machine ? ReadMachineString : ReadUserString;
    return read(source.key, value, folder) && !Trim(folder).empty();
}

bool ReadSource(const ShellFolderSource& source, std::string& desktop, std::string& programs) {
    return ReadFolder(source, source.desktopValue, desktop) && ReadFolder(source, source.programsValue, programs);
}

}  // namespace

bool CreateLink(const std::string& workingFolder, const std::string& shortcutFile, const std::string& target,
                const char* arguments, const char* iconFile) {
    const ScopedComInit com;
    if (!com.Usable()) return false;
    ComPtr<IShellLinkA> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(link.Put()))))
        return false;
    link->SetPath(target.c_str());
    link->SetArguments(arguments);
    link->SetIconLocation(iconFile, kIconIndex);
    link->SetWorkingDirectory(workingFolder.c_str());

    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Put())))) return false;
    // A name that does not fit the system's path length is refused rather than saved cut.
    WCHAR wideName[MAX_PATH] = {};
    if (MultiByteToWideChar(CP_ACP, 0, shortcutFile.c_str(), -1, wideName, MAX_PATH) == 0) return false;
    return SUCCEEDED(file->Save(wideName, TRUE));
}

bool FindShellFolders(std::string& desktop, std::string& programs) {
    for (const ShellFolderSource& source : kShellFolderSources) {
        if (ReadSource(source, desktop, programs)) {
            desktop = WithBackslash(Trim(desktop));
            programs = WithBackslash(Trim(programs));
            return true;
        }
    }
    desktop.clear();
    programs.clear();
    return false;
}

// The system configuration steps of the installation worker: the product's controls, its registry
// records with the host profiles, and its shortcuts.
#include "framework/Strings.h"
#include "setup/steps/ControlServer.h"
#include "setup/steps/FileListing.h"
#include "setup/steps/HostProfiles.h"
#include "setup/steps/Paths.h"
#include "setup/steps/RegistryStrings.h"
#include "setup/steps/SetupConstants.h"
#include "setup/steps/SetupThread.h"
#include "setup/steps/ShellLinks.h"

#include <vector>

namespace {

// Controls: every file of this pattern in the target's "Controls" folder.
constexpr char kControlsFolder[] = "Controls\\";
constexpr char kControlPattern[] = "*.ocx";

// Values of the product key beside "installPath".
constexpr char kVersionValue[] = "Ver";
constexpr char kVersion[] = "8.00";
// Values of the entry in the system's list of installed programs.
constexpr char kDisplayNameValue[] = "DisplayName";
constexpr char kUninstallStringValue[] = "UninstallString";
constexpr char kProductDisplayName[] = "土方计算地形分析软件 Orvex V8.5";
constexpr char kUninstallerName[] = "Uninstall-64.exe";

// Shortcuts: the program group and the files the shortcuts point to.
constexpr char kProgramGroupName[] = "土方计算地形分析软件 Orvex V8.5";
constexpr char kLauncherName[] = "Orvex-64.exe";
constexpr char kDesktopShortcutName[] = "土方计算地形分析.LNK";
constexpr char kGroupLauncherShortcutName[] = "Orvex V8.5.LNK";
constexpr char kWebLinkShortcutName[] = "官方网站.LNK";
constexpr char kWebLinkName[] = "orvex.url";
constexpr char kUninstallerShortcutName[] = "Orvex V8.5 卸载程序.LNK";
// Host shortcuts: "Orvexfor" + the release's year + ".LNK" in the target folder, starting the host
// with the product's profile and a plain template.
constexpr char kHostShortcutPrefix[] = "Orvexfor";
constexpr char kHostShortcutSuffix[] = ".LNK";
constexpr char kHostProgramName[] = "acad.exe";
constexpr char kHostArgumentsBeforeProfile[] = "/p \"";
constexpr char kHostArgumentsAfterProfile[] = "\" /t acad.dwt";

struct PlannedShortcut {
    std::string file;
    std::string target;
    std::string arguments;  // empty: none
    std::string icon;       // empty: none
};

const char* OrNone(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// The shortcuts to make, in creation order; host shortcuts only for the releases found now.
std::vector<PlannedShortcut> PlanShortcuts(const std::string& desktop, const std::string& group,
                                           const std::string& target) {
    const std::string launcher = JoinPath(target, kLauncherName);
    const std::string hostArguments =
        kHostArgumentsBeforeProfile + std::string(kHostProfileName) + kHostArgumentsAfterProfile;
    std::vector<PlannedShortcut> shortcuts = {{JoinPath(desktop, kDesktopShortcutName), launcher, "", ""},
                                              {JoinPath(group, kGroupLauncherShortcutName), launcher, "", ""}};
    for (const HostRelease& release : kHostReleases) {
        std::string view, location;
        if (!LocateHostRelease(release, view, location)) continue;
        const std::string name = kHostShortcutPrefix + std::to_string(release.year) + kHostShortcutSuffix;
        shortcuts.push_back({JoinPath(target, name), JoinPath(location, kHostProgramName), hostArguments,
                             JoinPath(target, setup::kProductIconName)});
    }
    shortcuts.push_back({JoinPath(group, kWebLinkShortcutName), JoinPath(target, kWebLinkName), "", ""});
    shortcuts.push_back({JoinPath(group, kUninstallerShortcutName), JoinPath(target, kUninstallerName), "", ""});
    return shortcuts;
}

}  // namespace

void CSetupThread::RegisterControls() {
    const std::string folder = TargetFolder() + kControlsFolder;
    std::vector<std::string> names;
    ListFiles(folder, kControlPattern, names);
    for (const std::string& name : names) {
        RegisterServer(folder + name);  // a control that does not register is still logged
        LogRegCtrl(folder + name);
    }
}

void CSetupThread::WriteRegistry() {
    WriteMachineString(setup::kProductKey, setup::kInstallPathValue, TargetFolder());
    WriteMachineString(setup::kProductKey, kVersionValue, kVersion);
    LogRegKey(HKEY_LOCAL_MACHINE, setup::kProductKey);

    for (const HostRelease& release : kHostReleases) {
        std::string view, location;
        if (LocateHostRelease(release, view, location)) CreateHostProfile(release, view, location, TargetFolder());
    }

    WriteMachineString(setup::kUninstallKey, kDisplayNameValue, kProductDisplayName);
    WriteMachineString(setup::kUninstallKey, kUninstallStringValue, JoinPath(TargetFolder(), kUninstallerName));
    LogRegKey(HKEY_LOCAL_MACHINE, setup::kUninstallKey);
}

bool CSetupThread::CreateShortcuts() {
    std::string desktop, programs;
    if (!FindShellFolders(desktop, programs)) return false;
    const std::string group = JoinPath(programs, kProgramGroupName);
    MakeFolderPath(group);  // whatever the answer to a failure, the shortcuts are still attempted

    // One apartment for all the shortcuts: each link's own initialisation then only nests in it,
    // instead of setting COM up and tearing it down again per shortcut.
    const ScopedComInit com;

    for (const PlannedShortcut& shortcut : PlanShortcuts(desktop, group, TargetFolder())) {
        DeleteFileA(shortcut.file.c_str());
        if (CreateLink(TargetFolder(), shortcut.file, shortcut.target, OrNone(shortcut.arguments),
                       OrNone(shortcut.icon)))
            LogFileCopy(shortcut.file);
    }
    LogFileCopy(group);
    return true;
}

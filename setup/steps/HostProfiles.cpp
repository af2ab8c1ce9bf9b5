#include "setup/steps/HostProfiles.h"

#include "framework/Strings.h"
#include "setup/steps/RegistryStrings.h"

namespace {

constexpr char kMachineSoftware[] = "SOFTWARE";
constexpr char kUserSoftware[] = "Software";
constexpr char kCurVerValue[] = "CurVer";
constexpr char kAcadLocationValue[] = "AcadLocation";
constexpr char kLocationValue[] = "Location";
constexpr char kProfilesKey[] = "\\Profiles\\";
constexpr char kGeneralKey[] = "\\General";
constexpr char kGeneralConfigurationKey[] = "\\General Configuration";
constexpr char kSupportPathValue[] = "ACAD";
constexpr char kMenuFileValue[] = "MenuFile";
// The product's menu, relative to the generation's "Menu" folder (R17 only).
constexpr char kMenuFileName[] = "\\Menu\\Stovane";
// R18's module folders differ by the host's bitness, which the view tells.
constexpr char kModules64[] = "\\64";
constexpr char kModules32[] = "\\32";
// The host's own folders that R15.0's support path lists after the product's.
constexpr std::array<const char*, 4> kR15HostFolders = {"support", "fonts", "help", "express"};

bool IsNative(const std::string& view) { return view.empty(); }

// "CurVer" of the release key from the given roots in order; empty when none has it.
std::string ReadCurVer(const std::string& releaseKey, CurVerRoots roots) {
    std::string text;
    switch (roots) {
    case CurVerRoots::MachineThenUser:
        if (ReadMachineString(releaseKey, kCurVerValue, text) || ReadUserString(releaseKey, kCurVerValue, text))
            return text;
        break;
    case CurVerRoots::UserThenMachine:
        if (ReadUserString(releaseKey, kCurVerValue, text) || ReadMachineString(releaseKey, kCurVerValue, text))
            return text;
        break;
    case CurVerRoots::UserOnly:
        if (ReadUserString(releaseKey, kCurVerValue, text)) return text;
        break;
    }
    return std::string();
}

std::string ProfileKey(const HostRelease& release, const std::string& view, const std::string& productKey,
                       const std::string& profile) {
    return HostReleaseKey(kUserSoftware, release, view) + "\\" + productKey + kProfilesKey + profile;
}

// "ACAD" of the first default profile that has one; empty when none has it.
std::string ExistingSupportPath(const HostRelease& release, const std::string& view,
                                const std::string& productKey) {
    for (const char* profile : release.defaultProfiles) {
        if (!profile) break;
        std::string path;
        if (ReadUserString(ProfileKey(release, view, productKey, profile) + kGeneralKey, kSupportPathValue, path))
            return path;
    }
    return std::string();
}

// The product's folders of the generation: modules first, then menus.
std::string ProductSupportFolders(const HostRelease& release, const std::string& view,
                                  const std::string& targetFolder) {
    const std::string generation = targetFolder + "Support\\" + release.generationFolder;
    std::string modules = generation;
    if (release.generation == HostGeneration::R18) modules += IsNative(view) ? kModules64 : kModules32;
    return modules + "\\arx;" + generation + "\\Menu;";
}

std::string SupportPath(const HostRelease& release, const std::string& view, const std::string& productKey,
                        const std::string& location, const std::string& targetFolder) {
    std::string path = ProductSupportFolders(release, view, targetFolder);
    if (release.generation == HostGeneration::R15) {
        for (const char* folder : kR15HostFolders) path += location + folder + ";";
    } else {
        path += ExistingSupportPath(release, view, productKey) + ";";
    }
    return path;
}

}  // namespace

const std::array<HostRelease, 10> kHostReleases = {{
    {"R15.0", 2002, nullptr, "2000-02", HostGeneration::R15, CurVerRoots::MachineThenUser, false, {}},
    {"R16.0", 2004, "ACAD-201:804", "2004-06", HostGeneration::R16, CurVerRoots::UserThenMachine, false,
     {"<<未命名配置>>", "<<Unnamed Profile>>", nullptr}},
    {"R16.1", 2005, "ACAD-301:409", "2004-06", HostGeneration::R16, CurVerRoots::UserOnly, false,
     {"<<未命名配置>>", "<<Unnamed Profile>>", nullptr}},
    {"R16.2", 2006, "ACAD-4001:409", "2004-06", HostGeneration::R16, CurVerRoots::UserOnly, false,
     {"<<未命名配置>>", "<<Unnamed Profile>>", nullptr}},
    {"R17.0", 2007, "ACAD-5001:804", "2007-09", HostGeneration::R17, CurVerRoots::UserOnly, false,
     {"<<未命名配置>>", "<<Unnamed Profile>>", nullptr}},
    {"R17.1", 2008, "ACAD-6001:804", "2007-09", HostGeneration::R17, CurVerRoots::UserOnly, true,
     {"<<未命名配置>>", "<<Unnamed Profile>>", nullptr}},
    {"R17.2", 2009, "ACAD-7001:804", "2007-09", HostGeneration::R17, CurVerRoots::UserOnly, true,
     {"<<未命名配置>>", "<<Unnamed Profile>>", nullptr}},
    {"R18.0", 2010, "ACAD-8001:804", "2010-12", HostGeneration::R18, CurVerRoots::UserOnly, true,
     {"初始设置配置", "<<初始设置配置>>", "末命名配置"}},
    {"R18.1", 2011, "ACAD-9001:804", "2010-12", HostGeneration::R18, CurVerRoots::UserOnly, true,
     {"初始设置配置", "<<初始设置配置>>", "末命名配置"}},
    {"R18.2", 2012, "ACAD-A001:804", "2010-12", HostGeneration::R18, CurVerRoots::UserOnly, true,
     {"初始设置配置", "<<初始设置配置>>", "末命名配置"}},
}};

std::string HostReleaseKey(const char* rootPath, const HostRelease& release, const std::string& view) {
    std::string key = rootPath;
    if (!IsNative(view)) key += "\\" + view;
    return key + "\\Autodesk\\AutoCAD\\" + release.release;
}

bool FindHostRelease(const HostRelease& release, const std::string& view, std::string& location) {
    location.clear();
    if (release.generation == HostGeneration::R15 && !IsNative(view)) return false;
    const std::string releaseKey = HostReleaseKey(kMachineSoftware, release, view);
    std::string productKey = ReadCurVer(releaseKey, release.curVerRoots);
    if (productKey.empty()) {
        if (!release.defaultProductKey) return false;
        productKey = release.defaultProductKey;
    }
    const std::string key = releaseKey + "\\" + productKey;
    ReadMachineString(key, kAcadLocationValue, location);
    if (location.empty() && release.locationFallback) ReadMachineString(key, kLocationValue, location);
    if (location.empty()) return false;
    location = WithBackslash(location);
    return true;
}

bool LocateHostRelease(const HostRelease& release, std::string& view, std::string& location) {
    for (const char* candidate : {kNativeView, kWow64View}) {
        if (FindHostRelease(release, candidate, location)) {
            view = candidate;
            return true;
        }
        if (release.generation == HostGeneration::R15) break;  // native only
    }
    return false;
}

void CreateHostProfile(const HostRelease& release, const std::string& view, const std::string& location,
                       const std::string& targetFolder) {
    const std::string releaseKey = HostReleaseKey(kMachineSoftware, release, view);
    std::string productKey;
    if (release.generation == HostGeneration::R15) {
        // Under the same roots the look-up found the release by, so the profile lands beside the product
        // key that holds the location rather than under an empty key name.
        productKey = ReadCurVer(releaseKey, CurVerRoots::MachineThenUser);
    } else {
        productKey = ReadCurVer(releaseKey, CurVerRoots::UserThenMachine);
        if (productKey.empty()) productKey = release.defaultProductKey;
    }
    const std::string profileKey = ProfileKey(release, view, productKey, kHostProfileName);
    WriteUserString(profileKey + kGeneralKey, kSupportPathValue,
                    SupportPath(release, view, productKey, location, targetFolder));
    if (release.generation == HostGeneration::R17)
        WriteUserString(profileKey + kGeneralConfigurationKey, kMenuFileValue,
                        targetFolder + "Support\\" + release.generationFolder + kMenuFileName);
    WriteUserString(profileKey, "", kHostProfileName);
}

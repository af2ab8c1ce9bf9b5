#include "setup/steps/HostProfiles.h"
#include "setup/tests/RegistryTestKeys.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using namespace testing_support;

constexpr char kTarget[] = "C:\\Orvex\\";

struct ReleaseCase {
    const char* title;
    const char* release;
    std::vector<RegistryWrite> installed;  // what the host left in the registry
    bool found;
    std::string view;
    std::string location;
    std::string profileKey;  // under HKEY_CURRENT_USER
    std::string supportPath;
    std::string menuFile;  // "<missing>" when the release writes none
};

const HostRelease& Release(const std::string& name) {
    for (const HostRelease& release : kHostReleases)
        if (name == release.release) return release;
    throw std::invalid_argument(name);
}

std::string Profile(const std::string& viewPart, const std::string& release, const std::string& productKey) {
    return "Software\\" + viewPart + "Autodesk\\AutoCAD\\" + release + "\\" + productKey +
           "\\Profiles\\<<enggOrvex V8>>";
}

const std::string T = kTarget;

std::vector<ReleaseCase> Cases() {
    return {
        {"R15.0 from the machine's CurVer, with the host's own folders",
         "R15.0",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "CurVer", "ACAD-1:804"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:804", "AcadLocation", "C:\\ACAD2002"}},
         true, "", "C:\\ACAD2002\\", Profile("", "R15.0", "ACAD-1:804"),
         T + "Support\\2000-02\\arx;" + T + "Support\\2000-02\\Menu;C:\\ACAD2002\\support;C:\\ACAD2002\\fonts;"
             "C:\\ACAD2002\\help;C:\\ACAD2002\\express;",
         "<missing>"},
        {"R15.0 from the user's CurVer: the profile lies under that product key",
         "R15.0",
         {{HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0", "CurVer", "ACAD-2:409"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-2:409", "AcadLocation", "D:\\A\\"}},
         true, "", "D:\\A\\", Profile("", "R15.0", "ACAD-2:409"),
         T + "Support\\2000-02\\arx;" + T + "Support\\2000-02\\Menu;D:\\A\\support;D:\\A\\fonts;D:\\A\\help;"
             "D:\\A\\express;",
         "<missing>"},
        {"R15.0 has no default product key: without CurVer it is absent",
         "R15.0",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0\\ACAD-1:804", "AcadLocation", "C:\\ACAD2002"}},
         false, "", "", "", "", ""},
        {"R16.0 takes the machine's CurVer when the user has none",
         "R16.0",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R16.0", "CurVer", "ACAD-999:804"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R16.0\\ACAD-999:804", "AcadLocation", "C:\\A2004"},
          {HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD\\R16.0\\ACAD-999:804\\Profiles\\<<未命名配置>>\\General", "ACAD",
           "C:\\A2004\\support"}},
         true, "", "C:\\A2004\\", Profile("", "R16.0", "ACAD-999:804"),
         T + "Support\\2004-06\\arx;" + T + "Support\\2004-06\\Menu;C:\\A2004\\support;", "<missing>"},
        {"R16.1 without CurVer falls back to its default product key",
         "R16.1",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R16.1\\ACAD-301:409", "AcadLocation", "C:\\A2005\\"}},
         true, "", "C:\\A2005\\", Profile("", "R16.1", "ACAD-301:409"),
         T + "Support\\2004-06\\arx;" + T + "Support\\2004-06\\Menu;;", "<missing>"},
        {"R16.2 native with the English default profile's path",
         "R16.2",
         {{HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD\\R16.2", "CurVer", "ACAD-4001:409"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409", "AcadLocation", "C:\\A2006"},
          {HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409\\Profiles\\<<Unnamed Profile>>\\General",
           "ACAD", "C:\\A2006\\support;C:\\A2006\\fonts"}},
         true, "", "C:\\A2006\\", Profile("", "R16.2", "ACAD-4001:409"),
         T + "Support\\2004-06\\arx;" + T + "Support\\2004-06\\Menu;C:\\A2006\\support;C:\\A2006\\fonts;",
         "<missing>"},
        {"R17.0 whose default profile lacks ACAD: two semicolons, and the menu file",
         "R17.0",
         {{HKEY_CURRENT_USER, "SOFTWARE\\Autodesk\\AutoCAD\\R17.0", "CurVer", "ACAD-5001:804"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804", "AcadLocation", "C:\\A2007"},
          {HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804\\Profiles\\<<未命名配置>>\\General",
           "Other", "x"}},
         true, "", "C:\\A2007\\", Profile("", "R17.0", "ACAD-5001:804"),
         T + "Support\\2007-09\\arx;" + T + "Support\\2007-09\\Menu;;", T + "Support\\2007-09\\Menu\\Stovane"},
        {"R17.0 knows only AcadLocation: Location alone does not find it",
         "R17.0",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R17.0\\ACAD-5001:804", "Location", "C:\\A2007"}},
         false, "", "", "", "", ""},
        {"R17.1 found through Location when AcadLocation is empty",
         "R17.1",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R17.1\\ACAD-6001:804", "AcadLocation", ""},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R17.1\\ACAD-6001:804", "Location", "C:\\A2008"}},
         true, "", "C:\\A2008\\", Profile("", "R17.1", "ACAD-6001:804"),
         T + "Support\\2007-09\\arx;" + T + "Support\\2007-09\\Menu;;", T + "Support\\2007-09\\Menu\\Stovane"},
        {"R18.0 native gets the 64-bit modules",
         "R18.0",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R18.0\\ACAD-8001:804", "AcadLocation", "C:\\A2010"},
          {HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD\\R18.0\\ACAD-8001:804\\Profiles\\末命名配置\\General",
           "ACAD", "third"},
          {HKEY_CURRENT_USER, "Software\\Autodesk\\AutoCAD\\R18.0\\ACAD-8001:804\\Profiles\\初始设置配置\\General",
           "ACAD", "first"}},
         true, "", "C:\\A2010\\", Profile("", "R18.0", "ACAD-8001:804"),
         T + "Support\\2010-12\\64\\arx;" + T + "Support\\2010-12\\Menu;first;", "<missing>"},
        {"R18.1 only in the 32-bit view, through Location",
         "R18.1",
         {{HKEY_CURRENT_USER, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.1", "CurVer", "ACAD-9001:804"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.1\\ACAD-9001:804", "Location",
           "C:\\A2011 (x86)"},
          {HKEY_CURRENT_USER,
           "Software\\Wow6432Node\\Autodesk\\AutoCAD\\R18.1\\ACAD-9001:804\\Profiles\\<<初始设置配置>>\\General",
           "ACAD", "second"}},
         true, "Wow6432Node", "C:\\A2011 (x86)\\", Profile("Wow6432Node\\", "R18.1", "ACAD-9001:804"),
         T + "Support\\2010-12\\32\\arx;" + T + "Support\\2010-12\\Menu;second;", "<missing>"},
        {"R18.2 in both views: the native view wins",
         "R18.2",
         {{HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.2\\ACAD-A001:804", "AcadLocation",
           "C:\\x86"},
          {HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R18.2\\ACAD-A001:804", "AcadLocation", "C:\\x64"}},
         true, "", "C:\\x64\\", Profile("", "R18.2", "ACAD-A001:804"),
         T + "Support\\2010-12\\64\\arx;" + T + "Support\\2010-12\\Menu;;", "<missing>"},
    };
}

class HostProfile : public ::testing::Test {
protected:
    FixedKeysLock lock;
    HostReleaseKeys keys;  // clears the release keys before and after
};

TEST_F(HostProfile, EachReleaseRowIsFoundInItsViewAndGetsItsProfile) {
    for (const ReleaseCase& c : Cases()) {
        SCOPED_TRACE(c.title);
        keys.Clear();
        for (const RegistryWrite& write : c.installed) WriteRegistryValue(write);
        const HostRelease& release = Release(c.release);

        std::string view = "stale", location = "stale";
        ASSERT_EQ(LocateHostRelease(release, view, location), c.found);
        if (!c.found) {
            EXPECT_EQ(location, "");
            continue;
        }
        EXPECT_EQ(view, c.view);
        EXPECT_EQ(location, c.location);

        CreateHostProfile(release, view, location, kTarget);
        EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, c.profileKey + "\\General", "ACAD"), c.supportPath);
        EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, c.profileKey + "\\General Configuration", "MenuFile"),
                  c.menuFile);
        EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, c.profileKey, ""), "<<enggOrvex V8>>");
    }
}

TEST_F(HostProfile, AReleaseNotInstalledLeavesOnlyItsEmptyLookedUpKeys) {
    for (const HostRelease& release : kHostReleases) {
        SCOPED_TRACE(release.release);
        std::string view, location;
        EXPECT_FALSE(LocateHostRelease(release, view, location));
    }
    // R18.2: the release key under both roots and the default product key, in both views, all empty.
    for (const char* prefix : {"SOFTWARE\\Autodesk\\AutoCAD\\R18.2", "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R18.2"}) {
        SCOPED_TRACE(prefix);
        EXPECT_EQ(RegistryKeyEntryCount(HKEY_CURRENT_USER, prefix), 0);
        EXPECT_EQ(RegistryKeyEntryCount(HKEY_LOCAL_MACHINE, prefix), 1);
        EXPECT_EQ(RegistryKeyEntryCount(HKEY_LOCAL_MACHINE, std::string(prefix) + "\\ACAD-A001:804"), 0);
    }
    // R15.0 is looked up in the native view only, and without a product key nothing below its release key.
    EXPECT_EQ(RegistryKeyEntryCount(HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R15.0"), 0);
    EXPECT_FALSE(RegistryKeyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Wow6432Node\\Autodesk\\AutoCAD\\R15.0"));
    // No profile anywhere.
    EXPECT_FALSE(RegistryKeyExists(HKEY_CURRENT_USER, Profile("", "R18.2", "ACAD-A001:804")));
}

TEST_F(HostProfile, AReinstallationStartsAgainFromTheDefaultProfilesPath) {
    WriteRegistryValue({HKEY_LOCAL_MACHINE, "SOFTWARE\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409", "AcadLocation",
                        "C:\\A2006"});
    WriteRegistryValue({HKEY_CURRENT_USER,
                        "Software\\Autodesk\\AutoCAD\\R16.2\\ACAD-4001:409\\Profiles\\<<未命名配置>>\\General",
                        "ACAD", "host"});
    const HostRelease& release = Release("R16.2");
    const std::string expected = T + "Support\\2004-06\\arx;" + T + "Support\\2004-06\\Menu;host;";
    for (int run = 0; run < 2; ++run) {
        std::string view, location;
        ASSERT_TRUE(LocateHostRelease(release, view, location));
        CreateHostProfile(release, view, location, kTarget);
        EXPECT_EQ(RawRegistryString(HKEY_CURRENT_USER, Profile("", "R16.2", "ACAD-4001:409") + "\\General", "ACAD"),
                  expected);
    }
}

}  // namespace

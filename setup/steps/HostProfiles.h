#pragma once
// The host CAD releases the product supports, how each is found in the registry, and the user profile
// "<<enggOrvex V8>>" written for it so that the host started with that profile finds the product's
// modules and menus first.
#include "framework/Charset.h"

#include <array>
#include <string>

// The profile's name, used both as the profile key's name and as its default value.
inline constexpr char kHostProfileName[] = "<<enggOrvex V8>>";
// Registry view strings: the native view adds nothing, the 32-bit view inserts this component.
inline constexpr char kNativeView[] = "";
inline constexpr char kWow64View[] = "Wow6432Node";

// Which roots are asked, in order, for the release key's "CurVer" when finding the release.
enum class CurVerRoots { MachineThenUser, UserThenMachine, UserOnly };

// Generations differ in the form of the support path (and R17's menu file).
enum class HostGeneration { R15, R16, R17, R18 };

struct HostRelease {
    const char* release;            // release key name, "R16.0"
    int year;                       // the number in the host shortcut's name
    const char* defaultProductKey;  // used when "CurVer" is missing; nullptr: the release is then absent
    const char* generationFolder;   // the product's support subfolder for this generation
    HostGeneration generation;
    CurVerRoots curVerRoots;
    bool locationFallback;                   // "Location" is read when "AcadLocation" is empty
    std::array<const char*, 3> defaultProfiles;  // read in this order; nullptr ends the list
};

// Every supported release, in the order profiles and shortcuts are made.
extern const std::array<HostRelease, 10> kHostReleases;

// Release key of a release in a view, under a root path ("SOFTWARE" for the machine, "Software" for
// the user's profiles): Root[\View]\Autodesk\AutoCAD\Release.
std::string HostReleaseKey(const char* rootPath, const HostRelease& release, const std::string& view);

// True when the release is installed in that view; location then ends with a backslash. R15.0 is
// native only: asked for another view it is not found. Looking up leaves the empty keys it read behind.
bool FindHostRelease(const HostRelease& release, const std::string& view, std::string& location);

// The native view first, then (except for R15.0) the 32-bit view: true with the view and location of
// the first that finds the release.
bool LocateHostRelease(const HostRelease& release, std::string& view, std::string& location);

// Writes the release's profile under HKEY_CURRENT_USER in the view. targetFolder ends with a
// backslash. location is the release's install folder (only R15.0's profile names host folders).
// Failures are silent: a failed write leaves the profile incomplete.
void CreateHostProfile(const HostRelease& release, const std::string& view, const std::string& location,
                       const std::string& targetFolder);

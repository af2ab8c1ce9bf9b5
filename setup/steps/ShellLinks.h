#pragma once
// Shortcut files written through the shell's link object, and the shell folders they go to.
#include "framework/Charset.h"

#include <string>

// Saves a shortcut. arguments and iconFile may be nullptr (none); the icon index is 0. Replaces a file
// of the same name. True when the shortcut was saved. COM is initialised for the call and that
// initialisation is undone before returning.
bool CreateLink(const std::string& workingFolder, const std::string& shortcutFile, const std::string& target,
                const char* arguments, const char* iconFile);

// The desktop and program-menu folders: the user's from the two per-user keys, else the all-users
// ones. Each is trimmed and ends with a backslash. False when no source yields both.
bool FindShellFolders(std::string& desktop, std::string& programs);

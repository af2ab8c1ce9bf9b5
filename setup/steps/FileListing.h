#pragma once
// Listing and counting the files of folders.
#include "framework/Charset.h"

#include <string>
#include <vector>

// True for the "." and ".." entries that every folder enumeration yields.
bool IsDotEntry(const char* name);

// Names (not paths) of the folder's entries that match the pattern and are not folders, in the file
// system's enumeration order. The search runs with the folder as the process's current directory,
// which is restored afterwards.
void ListFiles(const std::string& folder, const std::string& pattern, std::vector<std::string>& list);

// Number of non-folder entries of the folder (and of its subfolders when recursive). The folder is
// trimmed; an empty name or a folder that cannot be enumerated counts 0.
int CountFiles(const std::string& folder, bool recursive);

// Files the worker will copy from a medium: every product folder's tree plus the top-level files.
int CountSourceFiles(const std::string& sourceFolder);

#pragma once
// Path joining used by every installation step.
#include "framework/Charset.h"

#include <string>

// A folder shorter than 3 characters (such as "C:") gives the name alone; otherwise the folder, a
// backslash unless it already ends with a backslash or a slash, and the name.
std::string JoinPath(const std::string& folder, const std::string& name);

#pragma once
// Reads a shortcut file back through the shell's own link object.
#include <string>

namespace testing_support {

struct ShellLinkFields {
    bool loaded = false;
    std::string path;
    std::string arguments;
    std::string iconFile;
    int iconIndex = -1;
    std::string workingFolder;
};

ShellLinkFields ReadShellLink(const std::string& file);

}  // namespace testing_support

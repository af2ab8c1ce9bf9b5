#include "setup/steps/Paths.h"

#include "framework/Strings.h"

namespace {
// Folders shorter than this ("", "C", "C:") are not joined: the name stands alone.
constexpr size_t kShortestJoinableFolder = 3;
}  // namespace

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (folder.size() < kShortestJoinableFolder) return name;
    return EndsWithSeparator(folder) ? folder + name : folder + '\\' + name;
}

#pragma once
// An ordered list of texts; reading outside [0, count) throws std::out_of_range.

#include "terrain/core/Export.h"

#include <string>
#include <vector>

namespace terrain {

class TERRAIN_API TextList {
public:
    void removeAll() { texts_.clear(); }
    // Appends at the end; gives the new text's index.
    int add(const std::string& text);
    int count() const { return static_cast<int>(texts_.size()); }
    bool isEmpty() const { return texts_.empty(); }
    const std::string& at(int index) const;

private:
    std::vector<std::string> texts_;
};

} // namespace terrain

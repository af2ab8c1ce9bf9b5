#pragma once
// A packed static R-tree (Boost.Geometry, bulk-loaded) of the boxes of a composite's bounded segments,
// so that "which segments come near this piece" costs a logarithmic search, not a scan.

#include "host/geometry/Curve2d.h"

#include <functional>
#include <memory>
#include <vector>

namespace host {

class SegmentIndex {
public:
    explicit SegmentIndex(const std::vector<Curve2d>& segments);
    ~SegmentIndex();
    SegmentIndex(const SegmentIndex&) = delete;
    SegmentIndex& operator=(const SegmentIndex&) = delete;

    // The union of all indexed boxes (empty when nothing was indexed).
    const Extents2d& bounds() const { return bounds_; }
    // Segments whose box overlaps the given box. Indexed boxes are padded by a small fraction of the
    // coordinates' size, well above any meeting tolerance, so callers need no margin.
    void query(const Extents2d& box, const std::function<void(int)>& visit) const;
    // Segments whose box a straight piece (segment, ray or line) passes through; rays and lines are
    // clipped to the indexed bounds first, so they are found without scanning every segment.
    void query(const Linear2d& piece, const std::function<void(int)>& visit) const;
    // Segments not indexed because they are unbounded (rays, lines).
    const std::vector<int>& unbounded() const { return unbounded_; }

private:
    struct Tree;
    std::unique_ptr<Tree> tree_;
    Extents2d bounds_;
    Extents2d paddedBounds_;
    std::vector<int> unbounded_;
};

} // namespace host

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
    // The boxes are taken in a frame turned so that `axis` points along +x: straight probes along the
    // axis then become thin horizontal boxes, the cheapest query there is. The default frame is the world's.
    explicit SegmentIndex(const std::vector<Curve2d>& segments, const Vector2d& axis = Vector2d(1.0, 0.0));
    ~SegmentIndex();
    SegmentIndex(const SegmentIndex&) = delete;
    SegmentIndex& operator=(const SegmentIndex&) = delete;

    // The union of all indexed boxes in the index's frame (empty when nothing was indexed).
    const Extents2d& bounds() const { return bounds_; }
    // Segments whose box overlaps the given box. Indexed boxes are padded by a small fraction of the
    // coordinates' size, well above any meeting tolerance, so callers need no margin.
    void query(const Extents2d& box, const std::function<void(int)>& visit) const;
    // Segments whose box a straight piece (segment, ray or line) passes through; rays and lines are
    // clipped to the indexed bounds first, so they are found without scanning every segment.
    void query(const Linear2d& piece, const std::function<void(int)>& visit) const;
    // Segments not indexed because they are unbounded (rays, lines).
    const std::vector<int>& unbounded() const { return unbounded_; }
    const Vector2d& axis() const { return axis_; }

private:
    struct Tree;
    std::unique_ptr<Tree> tree_;
    Point2d toFrame(const Point2d& p) const;
    Extents2d frameBox(const Extents2d& worldBox) const;

    Vector2d axis_;
    Extents2d bounds_;       // in the index's frame
    Extents2d paddedBounds_; // in the index's frame
    std::vector<int> unbounded_;
};

} // namespace host

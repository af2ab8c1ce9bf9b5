#include "host/geometry/SegmentIndex.h"

#include <boost/geometry/algorithms/intersects.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/geometries/segment.hpp>
#include <boost/geometry/index/rtree.hpp>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace host {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {
using BoxPoint = bg::model::point<double, 2, bg::cs::cartesian>;
using Box = bg::model::box<BoxPoint>;
using Segment = bg::model::segment<BoxPoint>;
using Entry = std::pair<Box, int>;
// Node capacity of the packed tree: 16 keeps nodes in a few cache lines and the tree shallow.
constexpr size_t kNodeCapacity = 16;
// Boxes are grown by this fraction of the coordinates' size (plus the same absolute amount) so that
// queries need no tolerance of their own: far above any meeting tolerance, and it only filters.
constexpr double kBoxPadding = 1e-10;

Box toBox(const Extents2d& e, double margin)
{
    return Box(BoxPoint(e.min.x - margin, e.min.y - margin), BoxPoint(e.max.x + margin, e.max.y + margin));
}

// Clips the parameter range of a straight piece to a box (Liang-Barsky); false when it misses.
bool clipToBox(const Linear2d& l, const Extents2d& box, double& u0, double& u1)
{
    u0 = l.uStart;
    u1 = l.uEnd;
    const double o[2] = {l.origin.x, l.origin.y};
    const double d[2] = {l.direction.x, l.direction.y};
    const double lo[2] = {box.min.x, box.min.y};
    const double hi[2] = {box.max.x, box.max.y};
    for (int k = 0; k < 2; ++k) {
        if (d[k] == 0.0) {
            if (o[k] < lo[k] || o[k] > hi[k])
                return false;
            continue;
        }
        double a = (lo[k] - o[k]) / d[k], b = (hi[k] - o[k]) / d[k];
        if (a > b)
            std::swap(a, b);
        u0 = std::max(u0, a);
        u1 = std::min(u1, b);
        if (u0 > u1)
            return false;
    }
    return true;
}
} // namespace

struct SegmentIndex::Tree {
    bgi::rtree<Entry, bgi::quadratic<kNodeCapacity>> rtree;
};

SegmentIndex::SegmentIndex(const std::vector<Curve2d>& segments) : tree_(std::make_unique<Tree>())
{
    std::vector<std::pair<Extents2d, int>> boxes;
    boxes.reserve(segments.size());
    for (size_t i = 0; i < segments.size(); ++i) {
        const auto* l = std::get_if<Linear2d>(&segments[i]);
        if (l && !l->isBounded()) {
            unbounded_.push_back(static_cast<int>(i));
            continue;
        }
        boxes.emplace_back(extents(segments[i]), static_cast<int>(i));
        bounds_.add(boxes.back().first);
    }
    const double pad =
        bounds_.isEmpty() ? 0.0
                          : kBoxPadding * (1.0 + std::max(coordinateMagnitude(bounds_.min), coordinateMagnitude(bounds_.max)));
    paddedBounds_ = bounds_;
    if (!bounds_.isEmpty()) {
        paddedBounds_.min = bounds_.min - Vector2d(pad, pad);
        paddedBounds_.max = bounds_.max + Vector2d(pad, pad);
    }
    std::vector<Entry> entries;
    entries.reserve(boxes.size());
    for (const auto& [box, i] : boxes)
        entries.emplace_back(toBox(box, pad), i);
    // The range constructor packs the tree (sort-tile-recursive bulk loading).
    tree_->rtree = decltype(tree_->rtree)(entries.begin(), entries.end());
}

SegmentIndex::~SegmentIndex() = default;

void SegmentIndex::query(const Extents2d& box, const std::function<void(int)>& visit) const
{
    if (box.isEmpty() || bounds_.isEmpty())
        return;
    for (auto it = tree_->rtree.qbegin(bgi::intersects(toBox(box, 0.0))); it != tree_->rtree.qend(); ++it)
        visit(it->second);
}

void SegmentIndex::query(const Linear2d& piece, const std::function<void(int)>& visit) const
{
    if (bounds_.isEmpty())
        return;
    if (piece.isPoint()) {
        Extents2d at;
        at.add(piece.origin);
        query(at, visit);
        return;
    }
    double u0 = 0.0, u1 = 0.0;
    if (!clipToBox(piece, paddedBounds_, u0, u1))
        return;
    const Point2d a = piece.pointAt(u0), b = piece.pointAt(u1);
    const Segment s(BoxPoint(a.x, a.y), BoxPoint(b.x, b.y));
    for (auto it = tree_->rtree.qbegin(bgi::intersects(s)); it != tree_->rtree.qend(); ++it)
        visit(it->second);
}

} // namespace host

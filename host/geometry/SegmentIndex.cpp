#include "host/geometry/SegmentIndex.h"

#include <boost/geometry/algorithms/intersects.hpp>
#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/geometries/segment.hpp>
#include <boost/geometry/index/rtree.hpp>
#include <boost/iterator/function_output_iterator.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <limits>

namespace host {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {
using BoxPoint = bg::model::point<double, 2, bg::cs::cartesian>;
using Box = bg::model::box<BoxPoint>;
using Segment = bg::model::segment<BoxPoint>;
using Entry = std::pair<Box, int>;
// Node capacity of the packed tree: 8 measured fastest here for both box and ray searches.
constexpr size_t kNodeCapacity = 8;
// Children per node of the band tree: 8 measured best here (4 and 16 within noise, 2 clearly slower).
constexpr size_t kBandFanout = 8;
// The band tree's bucket grid: one bucket per leaf, kept only while the leaves' copies stay below this
// many per leaf (about 3 for smooth outlines; long spanning segments exceed it, and then the tree alone
// answers, so memory stays linear); a bucket meeting more leaves than the second leaves its bands to the tree.
constexpr size_t kGridMaxCopiesPerLeaf = 8;
constexpr size_t kGridMaxPerBucket = 64;
// Room for the band tree's search stack: fanout per level for 64 levels (more than 4^32 boxes).
constexpr size_t kBandStack = kBandFanout * 64;
// Boxes are grown by this fraction of the coordinates' size (plus the same absolute amount) so that
// queries need no tolerance of their own: far above any meeting tolerance, and it only filters.
constexpr double kBoxPadding = 1e-10;
// A probe this close to the frame's axis (as sine) is queried as the box of its two ends, which covers
// the whole probe exactly; above it the thin box would grow and the segment test is cheaper.
constexpr double kAlignedSine = 1e-3;

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
// Calls visit with each found segment's index (the direct query, without type-erased iterators).
auto visitor(const std::function<void(int)>& visit)
{
    return boost::make_function_output_iterator([&visit](const Entry& e) { visit(e.second); });
}
} // namespace

// A packed 1D tree over the y-ranges of the boxes: leaves sorted by the middle of their range, grouped by
// kBandFanout into parents up to a root level. A probe along the frame's axis is a thin band of y; the tree
// finds the boxes whose range meets it with two comparisons per node (the R-tree's generic nodes cost
// several times more for this one query shape, which inside tests repeat by the hundred thousand).
// All levels live in one array and a leaf carries its x range and segment beside its y range, so a search
// touches few cache lines; children are tested before they are stacked, so misses cost no stack traffic.
// In front of the tree, a grid of equal y buckets lists the leaves meeting each bucket: a band inside one
// bucket is answered by one scan of a few neighbouring leaves, without the tree's descent.
class BandTree {
public:
    void build(std::vector<Entry> entries)
    {
        const auto mid = [](const Entry& e) { return e.first.min_corner().get<1>() + e.first.max_corner().get<1>(); };
        std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) { return mid(a) < mid(b); });
        leaves_.clear();
        nodes_.clear();
        levelStart_.clear();
        leaves_.reserve(entries.size());
        for (const Entry& e : entries)
            leaves_.push_back({e.first.min_corner().get<1>(), e.first.max_corner().get<1>(), e.first.min_corner().get<0>(),
                               e.first.max_corner().get<0>(), e.second});
        // Level 1 groups the leaves; each further level groups the one below, until a level fits one node.
        std::vector<Range> below;
        for (const Leaf& l : leaves_)
            below.push_back({l.lo, l.hi});
        while (below.size() > kBandFanout) {
            std::vector<Range> up;
            for (size_t i = 0; i < below.size(); i += kBandFanout) {
                Range r = below[i];
                for (size_t k = i + 1; k < std::min(below.size(), i + kBandFanout); ++k)
                    r = {std::min(r.lo, below[k].lo), std::max(r.hi, below[k].hi)};
                up.push_back(r);
            }
            levelStart_.push_back(nodes_.size());
            nodes_.insert(nodes_.end(), up.begin(), up.end());
            below = std::move(up);
        }
        buildGrid();
    }

    // Boxes meeting [x0, x1] x [y0, y1].
    template <class Visit>
    void query(double x0, double x1, double y0, double y1, const Visit& visit) const
    {
        if (leaves_.empty())
            return;
        if (!bucketStart_.empty() && y0 >= gridLo_ && y1 <= gridHi_) {
            if (const size_t b = bucketOf(y0); b == bucketOf(y1) && !bucketFull_[b]) {
                for (size_t k = bucketStart_[b]; k < bucketStart_[b + 1]; ++k) {
                    const Leaf& l = bucketLeaves_[k];
                    if (l.hi >= y0 && l.lo <= y1 && l.xhi >= x0 && l.xlo <= x1)
                        visit(l.segment);
                }
                return;
            }
        }
        // Depth-first with a fixed stack: at most (fanout - 1) waiting siblings per level plus the top level.
        struct Pending {
            std::uint32_t level, index; // left uninitialised on purpose: the stack is not cleared per query
        };
        std::array<Pending, kBandStack> stack;
        size_t depth = 0;
        const auto meets = [&](const Range& r) { return r.hi >= y0 && r.lo <= y1; };
        const auto visitLeaves = [&](size_t first, size_t end) {
            for (size_t k = first; k < end; ++k) {
                const Leaf& l = leaves_[k];
                if (l.hi >= y0 && l.lo <= y1 && l.xhi >= x0 && l.xlo <= x1)
                    visit(l.segment);
            }
        };
        // Levels are numbered from 1 (just above the leaves); the top one has at most kBandFanout nodes.
        const size_t levels = levelStart_.size();
        if (levels == 0) {
            visitLeaves(0, leaves_.size());
            return;
        }
        const auto stackChildren = [&](size_t level, size_t first, size_t end) {
            const Range* base = nodes_.data() + levelStart_[level - 1];
            for (size_t k = end; k-- > first;)
                if (meets(base[k]))
                    stack[depth++] = {static_cast<std::uint32_t>(level), static_cast<std::uint32_t>(k)};
        };
        stackChildren(levels, 0, levelSize(levels));
        while (depth > 0) {
            const auto [level, i] = stack[--depth];
            const size_t first = static_cast<size_t>(i) * kBandFanout;
            if (level == 1)
                visitLeaves(first, std::min(leaves_.size(), first + kBandFanout));
            else
                stackChildren(level - 1, first, std::min(levelSize(level - 1), first + kBandFanout));
        }
    }

private:
    struct Range {
        double lo, hi;
    };
    struct Leaf {
        double lo, hi, xlo, xhi; // y range first: the band test reads it, the x test only on a match
        int segment;
    };
    // Monotone in y, so a leaf [lo, hi] is listed in every bucket from bucketOf(lo) to bucketOf(hi).
    size_t bucketOf(double y) const
    {
        const double at = (y - gridLo_) * gridScale_;
        if (!(at > 0.0))
            return 0;
        return at >= static_cast<double>(buckets_ - 1) ? buckets_ - 1 : static_cast<size_t>(at);
    }
    // Buckets crowded by many leaves (a cluster of short segments, the flat top of a dense circle) list
    // none and send their bands to the tree; the grid is dropped when long segments would copy too often.
    void buildGrid()
    {
        bucketStart_.clear();
        bucketFull_.clear();
        bucketLeaves_.clear();
        gridLo_ = std::numeric_limits<double>::infinity();
        gridHi_ = -gridLo_;
        for (const Leaf& l : leaves_) {
            gridLo_ = std::min(gridLo_, l.lo);
            gridHi_ = std::max(gridHi_, l.hi);
        }
        buckets_ = leaves_.size();
        if (!(gridHi_ > gridLo_) || !std::isfinite(gridHi_ - gridLo_))
            return;
        gridScale_ = static_cast<double>(buckets_) / (gridHi_ - gridLo_);
        std::vector<std::int64_t> change(buckets_ + 1, 0);
        for (const Leaf& l : leaves_) {
            ++change[bucketOf(l.lo)];
            --change[bucketOf(l.hi) + 1];
        }
        bucketStart_.assign(buckets_ + 1, 0);
        bucketFull_.assign(buckets_, 0);
        std::int64_t inBucket = 0;
        for (size_t b = 0; b < buckets_; ++b) {
            inBucket += change[b];
            const size_t listed = static_cast<size_t>(inBucket);
            bucketFull_[b] = listed > kGridMaxPerBucket;
            bucketStart_[b + 1] = bucketStart_[b] + (bucketFull_[b] ? 0 : listed);
        }
        if (bucketStart_.back() > kGridMaxCopiesPerLeaf * leaves_.size()) {
            bucketStart_.clear();
            bucketFull_.clear();
            return;
        }
        bucketLeaves_.resize(bucketStart_.back());
        std::vector<size_t> next(bucketStart_.begin(), bucketStart_.end() - 1);
        for (const Leaf& l : leaves_)
            for (size_t b = bucketOf(l.lo), last = bucketOf(l.hi); b <= last; ++b)
                if (!bucketFull_[b])
                    bucketLeaves_[next[b]++] = l;
    }
    size_t levelSize(size_t level) const
    {
        return (level < levelStart_.size() ? levelStart_[level] : nodes_.size()) - levelStart_[level - 1];
    }
    std::vector<Leaf> leaves_;
    std::vector<Range> nodes_;       // every level above the leaves, the lowest first
    std::vector<size_t> levelStart_; // where level k (from 1) begins in nodes_, at [k - 1]
    double gridLo_ = 0.0, gridHi_ = 0.0, gridScale_ = 0.0;
    size_t buckets_ = 0;
    std::vector<char> bucketFull_;    // 1: left to the tree
    std::vector<size_t> bucketStart_; // bucket b's leaves are bucketLeaves_[bucketStart_[b], bucketStart_[b + 1])
    std::vector<Leaf> bucketLeaves_;
};

struct SegmentIndex::Tree {
    bgi::rtree<Entry, bgi::quadratic<kNodeCapacity>> rtree;
    BandTree bands;
};

namespace {
// The curve turned by the rotation that takes the unit vector `axis` to +x.
Curve2d turned(const Curve2d& c, const Vector2d& axis)
{
    const auto turn = [&](const Vector2d& v) { return Vector2d(dot(v, axis), cross(axis, v)); };
    const auto turnPoint = [&](const Point2d& p) { return Point2d() + turn(p.asVector()); };
    if (const auto* l = std::get_if<Linear2d>(&c))
        return Linear2d{turnPoint(l->origin), turn(l->direction), l->uStart, l->uEnd};
    if (const auto* a = std::get_if<Arc2d>(&c))
        return Arc2d{turnPoint(a->centre), a->radius, a->startAngle - axis.angle(), a->sweep};
    const auto& e = std::get<Ellipse2d>(c);
    return Ellipse2d{turnPoint(e.centre), turn(e.major), e.ratio, e.startParam, e.sweep};
}
} // namespace

Point2d SegmentIndex::toFrame(const Point2d& p) const
{
    return {dot(p.asVector(), axis_), cross(axis_, p.asVector())};
}

Extents2d SegmentIndex::frameBox(const Extents2d& worldBox) const
{
    Extents2d box;
    for (const Point2d& corner : {worldBox.min, worldBox.max, Point2d(worldBox.min.x, worldBox.max.y),
                                  Point2d(worldBox.max.x, worldBox.min.y)})
        box.add(toFrame(corner));
    return box;
}

SegmentIndex::SegmentIndex(const std::vector<Curve2d>& segments, const Vector2d& axis)
    : tree_(std::make_unique<Tree>()), axis_(axis.normal().lengthSquared() > 0.0 ? axis.normal() : Vector2d(1.0, 0.0))
{
    const bool worldFrame = axis_.x == 1.0 && axis_.y == 0.0;
    std::vector<std::pair<Extents2d, int>> boxes;
    boxes.reserve(segments.size());
    for (size_t i = 0; i < segments.size(); ++i) {
        const auto* l = std::get_if<Linear2d>(&segments[i]);
        if (l && !l->isBounded()) {
            unbounded_.push_back(static_cast<int>(i));
            continue;
        }
        boxes.emplace_back(extents(worldFrame ? segments[i] : turned(segments[i], axis_)), static_cast<int>(i));
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
    tree_->bands.build(std::move(entries));
}

SegmentIndex::~SegmentIndex() = default;

void SegmentIndex::query(const Extents2d& box, const std::function<void(int)>& visit) const
{
    if (box.isEmpty() || bounds_.isEmpty())
        return;
    tree_->rtree.query(bgi::intersects(toBox(frameBox(box), 0.0)), visitor(visit));
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
    // The probe in the index's frame.
    const Linear2d framed{toFrame(piece.origin), Vector2d(dot(piece.direction, axis_), cross(axis_, piece.direction)),
                          piece.uStart, piece.uEnd};
    double u0 = 0.0, u1 = 0.0;
    if (!clipToBox(framed, paddedBounds_, u0, u1))
        return;
    const Point2d a = framed.pointAt(u0), b = framed.pointAt(u1);
    if (std::fabs(framed.direction.y) <= kAlignedSine * std::fabs(framed.direction.x)) {
        // Along the frame's axis: a thin band, as high as the slight slant makes it.
        tree_->bands.query(std::min(a.x, b.x), std::max(a.x, b.x), std::min(a.y, b.y), std::max(a.y, b.y), visit);
        return;
    }
    const Segment s(BoxPoint(a.x, a.y), BoxPoint(b.x, b.y));
    tree_->rtree.query(bgi::intersects(s), visitor(visit));
}

} // namespace host

#include "host/geometry/Composite2d.h"

#include "host/geometry/SegmentIndex.h"

#include <algorithm>
#include <cmath>

namespace host {

namespace {

// Hits whose parameters on the first curve differ by more than this are never the same point found
// twice: duplicates come from the two segments at a vertex, which give the same parameter up to rounding.
constexpr double kSameParamWindow = 1e-6;
// A direction earns its own turned index after this many probes, on composites of at least this many
// segments (smaller ones are searched fast enough by the world-frame index), for at most this many directions.
constexpr int kAlignedIndexAfterProbes = 8;
constexpr size_t kAlignedIndexMinSegments = 64;
constexpr size_t kMaxAlignedIndexes = 4;
// Room reserved for a probe's hits: rays through a boundary meet it a few times.
constexpr size_t kTypicalProbeHits = 8;

// The part of the carrier beyond one end of an end segment: a ray for a straight segment, the whole
// circle for an arc (its parameters are mapped back by paramOf).
Curve2d extensionOf(const Curve2d& segment, int side)
{
    if (const auto* l = std::get_if<Linear2d>(&segment)) {
        if (l->isPoint())
            return *l;
        Linear2d ext = *l;
        if (side < 0) {
            ext.uStart = -kInfinity;
            ext.uEnd = l->uStart;
        } else {
            ext.uStart = l->uEnd;
            ext.uEnd = kInfinity;
        }
        return ext;
    }
    return extended(segment);
}

} // namespace

CompositeBuild Composite2d::fromVertices(const std::vector<Point2d>& vertices, const std::vector<double>& bulges,
                                         bool closed, Composite2d& out)
{
    if (vertices.empty())
        return CompositeBuild::NoVertices;
    Composite2d c;
    c.vertices_ = vertices;
    c.closed_ = closed && vertices.size() > 1;
    const size_t n = vertices.size();
    const size_t segments = n == 1 ? 1 : (c.closed_ ? n : n - 1);
    for (size_t i = 0; i < segments; ++i) {
        const double bulge = i < bulges.size() ? bulges[i] : 0.0;
        const BulgeSegment s = segmentFromBulge(vertices[i], vertices[(i + 1) % n], n == 1 ? 0.0 : bulge);
        if (s.kind == BulgeSegmentCase::Invalid)
            return CompositeBuild::InvalidBulge;
        c.segments_.push_back(s.curve);
    }
    out = std::move(c);
    return CompositeBuild::Ok;
}

Composite2d Composite2d::fromCurve(const Curve2d& curve)
{
    Composite2d c;
    c.segments_.push_back(curve);
    c.vertices_.push_back(host::startPoint(curve));
    c.closed_ = uEnd(curve) >= kTwoPi && !std::holds_alternative<Linear2d>(curve);
    return c;
}

Composite2d Composite2d::fromSegments(std::vector<Curve2d> segments, bool closed)
{
    Composite2d c;
    for (const Curve2d& s : segments)
        c.vertices_.push_back(host::startPoint(s));
    c.segments_ = std::move(segments);
    c.closed_ = closed;
    return c;
}

Point2d Composite2d::startPoint() const { return host::startPoint(segments_.front()); }
Point2d Composite2d::endPoint() const { return host::endPoint(segments_.back()); }

namespace {
// Splits a parameter into a segment index and the natural parameter inside it.
struct SegmentAt {
    int index;
    double u;
};
SegmentAt locate(const std::vector<Curve2d>& segments, double param)
{
    const int n = static_cast<int>(segments.size());
    const double p = std::clamp(param, 0.0, static_cast<double>(n));
    int i = std::min(static_cast<int>(std::floor(p)), n - 1);
    const double fraction = p - i;
    const Curve2d& s = segments[i];
    if (const auto* l = std::get_if<Linear2d>(&s); l && !l->isBounded())
        return {i, l->uStart > -kInfinity ? l->uStart + fraction : fraction};
    if (const auto* l = std::get_if<Linear2d>(&s))
        return {i, l->uStart + fraction * (l->uEnd - l->uStart)};
    return {i, fraction * uEnd(s)};
}
} // namespace

Point2d Composite2d::pointAtParam(double param) const
{
    const SegmentAt at = locate(segments_, param);
    return pointAt(segments_[at.index], at.u);
}

Vector2d Composite2d::tangentAtParam(double param) const
{
    const SegmentAt at = locate(segments_, param);
    return tangentAt(segments_[at.index], at.u);
}

double Composite2d::lengthAtParam(double param) const
{
    const SegmentAt at = locate(segments_, param);
    double total = 0.0;
    for (int i = 0; i < at.index; ++i)
        total += host::length(segments_[i]);
    return total + lengthTo(segments_[at.index], at.u);
}

double Composite2d::length() const
{
    double total = 0.0;
    for (const Curve2d& s : segments_)
        total += host::length(s);
    return total;
}

bool Composite2d::paramAtLength(double dist, double& param) const
{
    if (!(dist >= 0.0))
        return false;
    double before = 0.0;
    for (int i = 0; i < segmentCount(); ++i) {
        const double len = host::length(segments_[i]);
        if (dist <= before + len) {
            double u = 0.0;
            if (!host::paramAtLength(segments_[i], std::min(dist - before, len), u))
                return false;
            param = paramOfSegment(i, u);
            return true;
        }
        before += len;
    }
    return false;
}

double Composite2d::paramOfSegment(int segment, double u) const
{
    const Curve2d& s = segments_[segment];
    if (const auto* l = std::get_if<Linear2d>(&s)) {
        if (!l->isBounded())
            return segment + (l->uStart > -kInfinity ? u - l->uStart : u);
        const double len = l->uEnd - l->uStart;
        return len > 0.0 ? segment + (u - l->uStart) / len : segment;
    }
    const double hi = uEnd(s);
    return hi > 0.0 ? segment + u / hi : segment;
}

double Composite2d::paramOf(const Piece& piece, double u) const
{
    if (piece.extension == 0 || std::holds_alternative<Linear2d>(piece.curve))
        return paramOfSegment(piece.segment, u);
    // An arc's extension is its whole circle: the body keeps its parameters; the rest of the circle
    // counts backwards from the start (extension -1) or onwards from the end (+1).
    const Curve2d& body = segments_[piece.segment];
    const double hi = uEnd(body);
    if (u <= hi || hi <= 0.0)
        return paramOfSegment(piece.segment, std::min(u, hi));
    // A lone arc is extended at both ends by the same circle: count from the nearer end.
    const bool lone = segmentCount() == 1;
    const bool beyondEnd = lone ? (u - hi < kTwoPi - u) : piece.extension > 0;
    return beyondEnd ? piece.segment + u / hi : piece.segment - (kTwoPi - u) / hi;
}

std::vector<Composite2d::Piece> Composite2d::extensionPieces() const
{
    std::vector<Piece> pieces;
    if (closed_ || segments_.empty())
        return pieces;
    const int last = segmentCount() - 1;
    const auto openAt = [](const Curve2d& s, int side) {
        const auto* l = std::get_if<Linear2d>(&s);
        return !l || (side < 0 ? l->uStart > -kInfinity : l->uEnd < kInfinity);
    };
    if (openAt(segments_.front(), -1))
        pieces.push_back({extensionOf(segments_.front(), -1), 0, -1});
    const bool sameCircle = last == 0 && !std::holds_alternative<Linear2d>(segments_.front());
    if (!sameCircle && openAt(segments_.back(), +1))
        pieces.push_back({extensionOf(segments_.back(), +1), last, +1});
    return pieces;
}

double Composite2d::closestParam(const Point2d& p, bool extend) const
{
    double best = 0.0, bestDist = kInfinity;
    for (int i = 0; i < segmentCount(); ++i) {
        const double u = host::closestParam(segments_[i], p);
        const double d = distance(pointAt(segments_[i], u), p);
        if (d < bestDist) {
            bestDist = d;
            best = paramOfSegment(i, u);
        }
    }
    if (extend)
        for (const Piece& piece : extensionPieces()) {
            const double u = host::closestParam(piece.curve, p, false);
            const double d = distance(pointAt(piece.curve, u), p);
            if (d < bestDist) {
                bestDist = d;
                best = paramOf(piece, u);
            }
        }
    return best;
}

Point2d Composite2d::closestPoint(const Point2d& p, bool extend) const
{
    if (!extend)
        return pointAtParam(closestParam(p, false));
    // Parameters of extensions lie outside [0, endParam]; evaluate on the piece itself.
    double bestDist = kInfinity;
    Point2d best = pointAtParam(closestParam(p, false));
    bestDist = distance(best, p);
    for (const Piece& piece : extensionPieces()) {
        const Point2d q = pointAt(piece.curve, host::closestParam(piece.curve, p, false));
        if (distance(q, p) < bestDist) {
            bestDist = distance(q, p);
            best = q;
        }
    }
    return best;
}

double Composite2d::signedArea() const
{
    if (segments_.empty() || vertices_.empty())
        return 0.0;
    // Shoelace about the first vertex (small numbers at survey coordinates) plus each arc's segment area.
    const Point2d o = startPoint();
    double twice = 0.0;
    double arcs = 0.0;
    for (const Curve2d& s : segments_) {
        twice += cross(host::startPoint(s) - o, host::endPoint(s) - o);
        arcs += areaWithChord(s);
    }
    return 0.5 * twice + arcs;
}

Extents2d Composite2d::extents() const
{
    Extents2d box;
    for (const Curve2d& s : segments_)
        box.add(host::extents(s));
    return box;
}

const SegmentIndex& Composite2d::index() const
{
    if (!index_)
        index_ = std::make_shared<const SegmentIndex>(segments_);
    return *index_;
}

const SegmentIndex& Composite2d::indexFor(const Linear2d& probe) const
{
    if (segments_.size() < kAlignedIndexMinSegments || probe.isPoint())
        return index();
    for (AlignedIndex& entry : aligned_) {
        if (entry.direction != probe.direction && entry.direction != -probe.direction)
            continue;
        if (!entry.index && ++entry.probes >= kAlignedIndexAfterProbes)
            entry.index = std::make_shared<const SegmentIndex>(segments_, entry.direction);
        return entry.index ? *entry.index : index();
    }
    if (aligned_.size() < kMaxAlignedIndexes)
        aligned_.push_back({probe.direction, 1, nullptr});
    return index();
}

namespace {

// Candidate segments of a composite near a piece, through the index that suits the piece.
void candidatesNear(const Composite2d& c, const Curve2d& piece, const std::function<void(int)>& visit)
{
    if (const auto* l = std::get_if<Linear2d>(&piece))
        c.indexFor(*l).query(*l, visit);
    else
        c.index().query(extents(piece), visit);
}

struct PieceRef {
    const Curve2d* curve;
    const Composite2d::Piece* ext; // null for a body segment
    int segment;
};

} // namespace

std::vector<CurveHit> intersectComposites(const Composite2d& a, bool extendA, const Composite2d& b, bool extendB)
{
    std::vector<CurveHit> hits;
    if (a.segments().empty() || b.segments().empty())
        return hits;
    const std::vector<Composite2d::Piece> extA = extendA ? a.extensionPieces() : std::vector<Composite2d::Piece>{};
    const std::vector<Composite2d::Piece> extB = extendB ? b.extensionPieces() : std::vector<Composite2d::Piece>{};
    const auto paramA = [&](const PieceRef& r, double u) { return r.ext ? a.paramOf(*r.ext, u) : a.paramOfSegment(r.segment, u); };
    const auto paramB = [&](const PieceRef& r, double u) { return r.ext ? b.paramOf(*r.ext, u) : b.paramOfSegment(r.segment, u); };
    const auto test = [&](const PieceRef& pa, const PieceRef& pb) {
        const Meet m = intersect(*pa.curve, *pb.curve);
        for (const MeetPoint& p : m)
            hits.push_back({p.point, paramA(pa, p.uA), paramB(pb, p.uB)});
    };

    // Pieces of a against b's indexed segments.
    std::vector<PieceRef> piecesA;
    for (int i = 0; i < a.segmentCount(); ++i)
        piecesA.push_back({&a.segments()[i], nullptr, i});
    for (const auto& p : extA)
        piecesA.push_back({&p.curve, &p, p.segment});
    const SegmentIndex& indexB = b.index();
    for (const PieceRef& pa : piecesA) {
        candidatesNear(b, *pa.curve, [&](int j) { test(pa, {&b.segments()[j], nullptr, j}); });
        for (int j : indexB.unbounded())
            test(pa, {&b.segments()[j], nullptr, j});
    }
    // b's extensions against a's bounded segments through a's index, and against a's unbounded pieces.
    for (const auto& p : extB) {
        const SegmentIndex& indexA = a.index();
        const PieceRef pb{&p.curve, &p, p.segment};
        candidatesNear(a, p.curve, [&](int i) { test({&a.segments()[i], nullptr, i}, pb); });
        for (int i : indexA.unbounded())
            test({&a.segments()[i], nullptr, i}, pb);
        for (size_t k = 0; k < extA.size(); ++k)
            test({&extA[k].curve, &extA[k], extA[k].segment}, pb);
    }

    // Order along a; a point found on two neighbouring segments (a vertex) has the same parameter on a
    // from both and is reported once. Only neighbours in parameter order need comparing.
    std::sort(hits.begin(), hits.end(), [](const CurveHit& x, const CurveHit& y) { return x.paramA < y.paramA; });
    std::vector<CurveHit> merged;
    const double tol = meetTolerance(a.segments().front(), b.segments().front());
    const auto repeats = [&](const CurveHit& h) {
        for (auto it = merged.rbegin(); it != merged.rend() && h.paramA - it->paramA <= kSameParamWindow; ++it)
            if (distance(it->point, h.point) <= tol)
                return true;
        return false;
    };
    for (const CurveHit& h : hits)
        if (!repeats(h))
            merged.push_back(h);
    // A closed a meets b at its start vertex at both ends of its parameter range.
    if (a.isClosed() && merged.size() > 1 && distance(merged.front().point, merged.back().point) <= tol)
        merged.pop_back();
    return merged;
}

std::vector<ProbeHit> probeComposite(const Composite2d& c, bool extend, const Linear2d& probe)
{
    std::vector<ProbeHit> hits;
    if (c.segments().empty())
        return hits;
    hits.reserve(kTypicalProbeHits);
    const double tol = meetTolerance(probe, c.segments().front());
    const auto test = [&](const Curve2d& piece, const auto& toParam) {
        if (const auto* l = std::get_if<Linear2d>(&piece)) {
            double uA = 0.0, uB = 0.0;
            switch (quickLinearMeet(probe, *l, tol, uA, uB)) {
            case QuickMeet::Apart:
                return;
            case QuickMeet::Crossing:
                hits.push_back({probe.pointAt(uA), uA, toParam(uB)});
                return;
            case QuickMeet::Undecided:
                break;
            }
        }
        for (const MeetPoint& m : intersect(probe, piece, tol))
            hits.push_back({m.point, m.uA, toParam(m.uB)});
    };
    const SegmentIndex& index = c.indexFor(probe);
    index.query(probe, [&](int i) { test(c.segments()[i], [&](double u) { return c.paramOfSegment(i, u); }); });
    for (int i : index.unbounded())
        test(c.segments()[i], [&](double u) { return c.paramOfSegment(i, u); });
    if (extend && !c.isClosed())
        for (const Composite2d::Piece& p : c.extensionPieces())
            test(p.curve, [&](double u) { return c.paramOf(p, u); });
    std::sort(hits.begin(), hits.end(), [](const ProbeHit& x, const ProbeHit& y) { return x.uProbe < y.uProbe; });
    // Merge in place: a point found on the two segments at a vertex is kept once.
    size_t kept = 0;
    for (size_t i = 0; i < hits.size(); ++i)
        if (kept == 0 || distance(hits[kept - 1].point, hits[i].point) > tol)
            hits[kept++] = hits[i];
    hits.resize(kept);
    return hits;
}

bool compositesOverlap(const Composite2d& a, const Composite2d& b)
{
    bool overlap = false;
    for (const Curve2d& s : a.segments()) {
        candidatesNear(b, s, [&](int j) {
            overlap = overlap || intersect(s, b.segments()[j]).kind == MeetCase::Overlap;
        });
        if (overlap)
            break;
    }
    return overlap;
}

} // namespace host

#pragma once
// The plan form of a polyline: a chain of straight and circular pieces from vertices and bulges.
// Its parameter is the vertex index plus the fraction travelled inside the segment (by length for
// straight and circular pieces; an unbounded straight piece counts its length from its origin).

#include "host/geometry/Bulge.h"
#include "host/geometry/Curve2d.h"
#include "host/geometry/Intersect2d.h"

#include <memory>
#include <vector>

namespace host {

class SegmentIndex;

enum class CompositeBuild {
    Ok,
    NoVertices,      // an empty vertex list
    InvalidBulge,    // a bulge or a coordinate that is not finite
};

// A point where two curves meet, with the parameter along each (in each curve's own convention).
struct CurveHit {
    Point2d point;
    double paramA = 0.0;
    double paramB = 0.0;
};

class Composite2d {
public:
    Composite2d() = default;
    // One segment per vertex pair; bulges missing from a shorter list count as 0. A closed composite
    // has a closing segment from the last vertex to the first. A single vertex gives a point.
    static CompositeBuild fromVertices(const std::vector<Point2d>& vertices, const std::vector<double>& bulges,
                                       bool closed, Composite2d& out);
    // A composite of a single primitive (its parameter is still 0..1 along it).
    static Composite2d fromCurve(const Curve2d& curve);
    // A composite of given pieces, each starting where the previous one ends.
    static Composite2d fromSegments(std::vector<Curve2d> segments, bool closed);

    const std::vector<Curve2d>& segments() const { return segments_; }
    const std::vector<Point2d>& vertices() const { return vertices_; }
    bool isClosed() const { return closed_; }
    int segmentCount() const { return static_cast<int>(segments_.size()); }
    double endParam() const { return static_cast<double>(segments_.size()); }

    Point2d startPoint() const;
    Point2d endPoint() const;
    Point2d pointAtParam(double param) const;
    // Unit tangent in the direction of travel.
    Vector2d tangentAtParam(double param) const;
    double lengthAtParam(double param) const;
    double length() const;
    // False when the length lies outside [0, length()].
    bool paramAtLength(double length, double& param) const;
    // Nearest point's parameter; with extend (open composites only) the first and last segments run on
    // beyond the ends (straight ones as rays, arcs round their circle), giving parameters below 0 or above
    // endParam().
    double closestParam(const Point2d& p, bool extend = false) const;
    Point2d closestPoint(const Point2d& p, bool extend = false) const;
    // Signed area of the figure bounded by the composite and, when open, its closing chord;
    // positive counter-clockwise.
    double signedArea() const;
    bool isClockwise() const { return signedArea() < 0.0; }
    Extents2d extents() const;

    // The pieces that make up the curve for intersections: its segments, plus with extend (open only)
    // the extensions before the start and after the end.
    struct Piece {
        Curve2d curve;
        int segment;   // index of the segment the piece belongs to
        int extension; // 0 body, -1 before the start, +1 after the end
    };
    std::vector<Piece> extensionPieces() const;
    double paramOf(const Piece& piece, double u) const;
    double paramOfSegment(int segment, double u) const;

    // The packed spatial index of the segments, built on first use and kept while the composite lives.
    const SegmentIndex& index() const;
    // The index to search for a straight probe: a composite probed again and again along one direction
    // (as inside tests do) gets an index of its own turned to that direction, where the probe is a thin box.
    const SegmentIndex& indexFor(const Linear2d& probe) const;

private:
    std::vector<Curve2d> segments_;
    std::vector<Point2d> vertices_;
    bool closed_ = false;
    mutable std::shared_ptr<const SegmentIndex> index_;
    struct AlignedIndex {
        Vector2d direction;
        int probes = 0;
        std::shared_ptr<const SegmentIndex> index;
    };
    mutable std::vector<AlignedIndex> aligned_;
};

// All points where two composites meet, ordered along a, coincident points once. extendA / extendB
// extend an open composite's end segments (closed ones are never extended). Costs about
// (n + m) log(n + m) plus the number of close pairs, through the segment indexes.
std::vector<CurveHit> intersectComposites(const Composite2d& a, bool extendA, const Composite2d& b, bool extendB);
// Where a straight probe (segment, ray or line) meets a composite (its end segments extended when
// extend and open): ordered along the probe, coincident points once. The index finds the candidate
// segments, so a ray costs a search along its path, not a scan.
struct ProbeHit {
    Point2d point;
    double uProbe = 0.0;
    double param = 0.0; // on the composite
};
std::vector<ProbeHit> probeComposite(const Composite2d& c, bool extend, const Linear2d& probe);

// Whether the composites share a stretch (collinear or concentric overlap) somewhere.
bool compositesOverlap(const Composite2d& a, const Composite2d& b);

} // namespace host

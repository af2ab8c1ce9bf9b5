#pragma once
// A polyline segment from two vertices and a bulge (tangent of a quarter of the included angle,
// positive counter-clockwise), and back. One pair of functions, tested against each other.

#include "host/geometry/Curve2d.h"

namespace host {

enum class BulgeSegmentCase {
    Straight,   // bulge 0 (or so small the arc is indistinguishable from its chord)
    Arc,        // a circular arc
    ZeroLength, // the two vertices coincide: the segment is a point
    Invalid,    // the bulge or a coordinate is not finite
};

struct BulgeSegment {
    BulgeSegmentCase kind = BulgeSegmentCase::Invalid;
    Curve2d curve; // Linear2d for Straight and ZeroLength, Arc2d for Arc
};

BulgeSegment segmentFromBulge(const Point2d& start, const Point2d& end, double bulge);
// The bulge of an arc as a polyline segment from its start point to its end point; 0 for a full circle
// (which no single polyline segment can draw).
double bulgeOfArc(const Arc2d& arc);

} // namespace host

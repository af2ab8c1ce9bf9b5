#pragma once
// Where two plan primitives meet. Small total functions named by what they intersect; every case
// is a value of MeetCase, degenerate input included (a zero-length segment or zero-radius arc is a point).

#include "host/geometry/Curve2d.h"

#include <array>

namespace host {

enum class MeetCase {
    None,    // no common point
    One,     // one point (crossing or touch)
    Two,     // two points
    Several, // three or four points (only with an ellipse involved)
    Overlap, // the curves share a stretch; points holds the ends of the shared stretches (0 to 4)
};

struct MeetPoint {
    Point2d point; // on the first operand
    double uA = 0.0;
    double uB = 0.0;
};

struct Meet {
    MeetCase kind = MeetCase::None;
    int count = 0;
    std::array<MeetPoint, 4> points{}; // sorted by uA, coincident points reported once

    const MeetPoint* begin() const { return points.data(); }
    const MeetPoint* end() const { return points.data() + count; }
};

// The distance within which two points of these curves are the same meeting point. Takes the
// global point tolerance at the curves' location and the size of the figures into account.
double meetTolerance(const Curve2d& a, const Curve2d& b);

Meet meetLinearLinear(const Linear2d& a, const Linear2d& b, double tol);
Meet meetLinearArc(const Linear2d& a, const Arc2d& b, double tol);
Meet meetArcArc(const Arc2d& a, const Arc2d& b, double tol);
Meet meetLinearEllipse(const Linear2d& a, const Ellipse2d& b, double tol);
// Arc or ellipse against an ellipse (or an arc against an ellipse): up to four points, found numerically.
Meet meetConics(const Curve2d& a, const Curve2d& b, double tol);

// A quick decision for two straight pieces: a crossing well inside both (Crossing, with the parameters),
// clearly no meeting (Apart), or a case near an end, near parallel or degenerate (Undecided), which
// meetLinearLinear settles. Probes that cross thousands of segments decide most of them here.
enum class QuickMeet { Crossing, Apart, Undecided };
QuickMeet quickLinearMeet(const Linear2d& a, const Linear2d& b, double tol, double& uA, double& uB);

// Any pair, computed in a local frame so that survey coordinates keep full precision.
Meet intersect(const Curve2d& a, const Curve2d& b);
Meet intersect(const Curve2d& a, const Curve2d& b, double tol);

// The same meeting with the roles of the operands exchanged.
Meet swapped(const Meet& m, const Curve2d& newFirst);

} // namespace host

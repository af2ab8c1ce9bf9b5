#include "host/geometry/Bulge.h"

#include <cmath>

namespace host {

namespace {
// Below this |bulge| the sagitta of a chord of length L is under L * 2.5e-13: draw it straight.
constexpr double kStraightBulge = 1e-12;
} // namespace

BulgeSegment segmentFromBulge(const Point2d& start, const Point2d& end, double bulge)
{
    if (!std::isfinite(bulge) || !std::isfinite(start.x + start.y + end.x + end.y))
        return {BulgeSegmentCase::Invalid, Linear2d::segment(start, start)};
    const Vector2d chord = end - start;
    const double len = chord.length();
    if (len == 0.0)
        return {BulgeSegmentCase::ZeroLength, Linear2d::segment(start, start)};
    if (std::fabs(bulge) <= kStraightBulge)
        return {BulgeSegmentCase::Straight, Linear2d::segment(start, end)};

    // Centre offset from the chord midpoint along the chord's left normal: L (1 - b^2) / (4 b);
    // radius L (1 + b^2) / (4 |b|); included angle 4 atan b.
    const double b = bulge;
    const Vector2d leftNormal = chord.perpendicular() / len;
    const Point2d centre = midpoint(start, end) + leftNormal * (len * (1.0 - b * b) / (4.0 * b));
    const double radius = len * (1.0 + b * b) / (4.0 * std::fabs(b));
    const double sweep = 4.0 * std::atan(b);
    return {BulgeSegmentCase::Arc, Arc2d{centre, radius, (start - centre).angle(), sweep}};
}

double bulgeOfArc(const Arc2d& arc)
{
    if (arc.isFullCircle())
        return 0.0;
    return std::tan(arc.sweep / 4.0);
}

} // namespace host

#pragma once
// Seeded generators of plan curves for property tests, near the origin or moved to survey coordinates.

#include "host/geometry/Curve2d.h"

#include <random>

namespace host::testing {

// Where a batch of generated cases lives: near the origin or at typical survey coordinates.
struct Placement {
    const char* name;
    Vector2d offset;
};
inline constexpr Placement kPlacements[] = {{"origin", {0.0, 0.0}}, {"survey", {3.5e6, 5e5}}};

class CurveGenerator {
public:
    CurveGenerator(unsigned seed, Vector2d offset) : rng_(seed), offset_(offset) {}

    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    Point2d point() { return Point2d(uniform(-50, 50), uniform(-50, 50)) + offset_; }
    Vector2d direction() { return Vector2d::fromAngle(uniform(0, kTwoPi)); }

    Curve2d segment() { return Linear2d::segment(point(), point()); }
    Curve2d ray() { return Linear2d::ray(point(), direction()); }
    Curve2d line() { return Linear2d::line(point(), direction()); }
    Curve2d arc()
    {
        const double sweep = uniform(0.2, 1.9 * kPi) * (uniform(0, 1) < 0.5 ? -1.0 : 1.0);
        return Arc2d{point(), uniform(5, 60), uniform(0, kTwoPi), sweep};
    }
    Curve2d circle() { return Arc2d::circle(point(), uniform(5, 60)); }
    Curve2d ellipse()
    {
        const double sweep = uniform(0, 1) < 0.3 ? kTwoPi : uniform(0.3, 1.9 * kPi);
        return Ellipse2d{point(), direction() * uniform(10, 60), uniform(0.2, 1.0), uniform(0, kTwoPi), sweep};
    }
    Curve2d any()
    {
        switch (std::uniform_int_distribution<int>(0, 5)(rng_)) {
        case 0: return segment();
        case 1: return ray();
        case 2: return line();
        case 3: return arc();
        case 4: return circle();
        default: return ellipse();
        }
    }

private:
    std::mt19937 rng_;
    Vector2d offset_;
};

// Allowed distance of a computed point from a curve: rounding at the curve's location plus figure size.
inline double onCurveSlack(const Vector2d& offset) { return 1e-9 + 1e-13 * offset.length(); }

} // namespace host::testing

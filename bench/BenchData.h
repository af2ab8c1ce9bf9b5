#pragma once
// Data shared by the benchmarks: contour-like polylines and a star-shaped boundary, made by code.

#include "host/geometry/Vectors.h"

#include <cmath>
#include <random>
#include <vector>

namespace bench {

// Two wavy polylines of n segments along x that cross each other about n / 10 times, like neighbouring
// contour lines that wander over each other.
inline std::vector<host::Point2d> wavyLine(int n, double phase)
{
    std::vector<host::Point2d> v;
    v.reserve(n + 1);
    for (int i = 0; i <= n; ++i)
        v.push_back({3.5e6 + i * 1.0, 5e5 + 4.0 * std::sin(i * 0.3 + phase) + 0.5 * std::sin(i * 0.031)});
    return v;
}

// A simple star-shaped polygon with the given number of vertices around (cx, cy): a wavy outline like
// a site boundary, with small random jitter so that no two edges are alike.
inline std::vector<host::Point2d> starBoundary(int vertices, double cx, double cy, double radius)
{
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> jitter(-0.002, 0.002);
    std::vector<host::Point2d> v;
    v.reserve(vertices);
    for (int i = 0; i < vertices; ++i) {
        const double a = host::kTwoPi * i / vertices;
        const double rr = radius * (0.8 + 0.12 * std::sin(7 * a) + 0.05 * std::sin(31 * a) + jitter(rng));
        v.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
    }
    return v;
}

// The inside-test case: this many query points against a boundary of this many vertices.
inline constexpr int kBoundaryVertices = 10000;
inline constexpr int kQueryPoints = 100000;

inline std::vector<host::Point2d> randomPoints(int count, double cx, double cy, double half)
{
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> u(-half, half);
    std::vector<host::Point2d> p;
    p.reserve(count);
    for (int i = 0; i < count; ++i)
        p.push_back({cx + u(rng), cy + u(rng)});
    return p;
}

} // namespace bench

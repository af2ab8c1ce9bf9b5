#pragma once
// Every text, tolerance and default of the module that is ours to choose, each with its reason.

#include <cstddef>

namespace terrain {

// Local arrays start empty and add at least this many elements per growth step: small lists stay small.
inline constexpr int kDefaultGrowStep = 8;
// A large array grows by at most this many bytes of elements at a time, so growth stays bounded.
inline constexpr std::size_t kGrowthCapBytes = 65536;

// roundTo adds one half before truncating: positive values round half up.
inline constexpr double kRoundingOffset = 0.5;
// indexOfValue: values this close are the same (far below any drawing unit, far above rounding noise).
inline constexpr double kValueTolerance = 1e-8;
// isLeftTurn: only a strictly positive turn counts, so collinear points are never a left turn.
inline constexpr double kOrientationThreshold = 0.0;
// The fixed upper bound of the one-argument-free randomBetween: a unit fraction that callers scale.
inline constexpr double kRandomUpperBound = 1.0;

} // namespace terrain

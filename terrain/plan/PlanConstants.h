#pragma once
// Directions, offsets and tolerances of the plan services that are ours to choose, each with its reason.

#include "terrain/core/Values.h"

namespace terrain {

// Inside tests cast rays along directions at irrational slopes (tan 22.5 deg and tan 67.5 deg mirrored),
// which polygon edges and vertices of surveyed or constructed drawings practically never line up with.
inline constexpr Vector2 kInsideTestDirection1{1.0, 0.41421356237309503};
inline constexpr Vector2 kInsideTestDirection2{-0.41421356237309503, -1.0};
// outsidePointOnRay looks along +y from the interior point.
inline constexpr Vector2 kOutsideRayDirection{0.0, 1.0};
// ... and steps this far beyond a boundary crossing: clear of the boundary for drawing units of metres.
inline constexpr double kOutwardOffset = 0.5;
// isOnCurve: a point this close to the curve is on it (a tenth of a millimetre in metre drawings).
inline constexpr double kOnCurveTolerance = 1e-4;
// measureCurve: smaller steps are refused (they would flood the caller with points).
inline constexpr double kMinimumMeasureStep = 1e-6;
// ... and so is a request for more points than this: more is a unit mistake, and the growth rule of the
// arrays makes millions of points cost seconds.
inline constexpr double kMaximumMeasurePoints = 1e5;
// ... a curve whose distance at its end point is below this (a closed curve) is measured by its end parameter.
inline constexpr double kMeasureLengthTolerance = 1e-9;

} // namespace terrain

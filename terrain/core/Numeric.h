#pragma once
// Rounding, powers, random values, sorting, searching and orientation: the module's small numeric helpers.

#include "terrain/core/Arrays.h"
#include "terrain/core/Export.h"
#include "terrain/core/TextList.h"

#include <string>

namespace terrain {

// x rounded to that many decimal places (negative decimals count as 0); -2.5 at 0 places gives -2.
TERRAIN_API double roundTo(double x, int decimals);
// base raised to an integer power, by squaring.
TERRAIN_API double power10(double base, int exponent);
// A pseudo-random value between low and high from the C run-time generator (not seeded here).
TERRAIN_API double randomBetween(double low, double high);
// A pseudo-random value between 0 and kRandomUpperBound.
TERRAIN_API double randomBetween();

// Exchange sorts in place; a zero flag sorts descending. Both give count - 1.
TERRAIN_API int sortInts(IntArray& values, int ascending);
TERRAIN_API int sortDoubles(DoubleArray& values, int ascending);
TERRAIN_API void reverseIds(IdArray& ids);

// Index of the first largest element and its value; -1 and value untouched when empty.
TERRAIN_API int indexOfMax(DoubleArray values, double& value);
// First index within the host's global tolerance, else -1.
TERRAIN_API int indexOfPoint(const Point3& point, PointArray points);
// First index closer than kValueTolerance, else -1.
TERRAIN_API int indexOfValue(double value, DoubleArray values);
TERRAIN_API int indexOfInt(int value, IntArray values);
TERRAIN_API int indexOfId(EntityId id, IdArray ids);
TERRAIN_API int indexOfText(const std::string& text, TextList texts);

// True when c lies to the left of the direction a -> b by more than kOrientationThreshold.
TERRAIN_API bool isLeftTurn(const Point3& a, const Point3& b, const Point3& c);

} // namespace terrain

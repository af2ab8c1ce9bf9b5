#pragma once
// Texts and defaults of the polyline services that are ours to choose, each with its reason.

namespace terrain {

// New polylines take their linetype from their layer, as drawing by hand does by default.
inline constexpr const char* kDefaultPolylineLinetype = "ByLayer";
// Point markers are green (colour index 3), so they stand out from black and white linework.
inline constexpr short kPointMarkerColor = 3;

} // namespace terrain

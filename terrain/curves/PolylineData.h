#pragma once
// Polylines of the host's three kinds (lightweight, 2D with vertex objects, 3D) as plain lists: vertices,
// bulges and widths; writers of widths, bulges and positions; constructors of new lightweight polylines.
// Every service opens and closes what it needs; lists it fills are emptied first.
//
// They work on the host's current drawing.

#include "host/database/Database.h"
#include "terrain/core/Arrays.h"
#include "terrain/core/Export.h"

#include <string>

namespace terrain {

// Readers: 1 when at least two vertices were read (see each), else 0.
TERRAIN_API int polylineVertices(EntityId id, PointArray& vertices);
TERRAIN_API int polylineVerticesAndBulges(EntityId id, PointArray& vertices, DoubleArray& bulges);
// 2D kind: 1 when two or more vertices were read; lightweight: 1 when it opened.
TERRAIN_API int polylineWidths(EntityId id, DoubleArray& startWidths, DoubleArray& endWidths);
// The same lists; 1 whenever the polyline opened.
TERRAIN_API int polylineWidthLists(EntityId id, DoubleArray& startWidths, DoubleArray& endWidths);
// Plan corners of the vertices' extents (z 0).
TERRAIN_API int polylineBoundingBox(EntityId id, Point3& lower, Point3& upper);

// Writers: 1 when the polyline opened for write.
TERRAIN_API int setPolylineWidths(EntityId id, const DoubleArray& startWidths,
                                  const DoubleArray& endWidths);
TERRAIN_API int setWidthsFromList(EntityId id, const DoubleArray& widths);
TERRAIN_API int setAllWidths(EntityId id, double width);
TERRAIN_API int setConstantWidth(EntityId id, double width);
TERRAIN_API int setVertexBulge(EntityId id, int index, double bulge);
TERRAIN_API int setVertexPosition(EntityId id, int index, const Point3& position);

// Constructors of lightweight polylines in model space. The first three return the new id (null on
// failure); the others return 1 and the id through `id`, or 0.
TERRAIN_API EntityId makePolyline(const PointArray& vertices, const DoubleArray& bulges);
TERRAIN_API EntityId makePolylineFromPlan(const Point2Array& vertices, const DoubleArray& bulges);
TERRAIN_API EntityId makeClosedPolyline(const PointArray& vertices, const DoubleArray& bulges);
TERRAIN_API int makeLayerPolyline(const Point2Array& vertices, const DoubleArray& bulges,
                                  double width, const std::string& layer, bool closed, EntityId& id);
TERRAIN_API int makeStyledPolyline(const Point2Array& vertices, const DoubleArray& bulges,
                                   int colorIndex, double width, const std::string& linetype, const std::string& layer,
                                   EntityId& id);
TERRAIN_API int makeStyledPolylineClosed(const Point2Array& vertices, const DoubleArray& bulges,
                                         int colorIndex, double width, const std::string& linetype,
                                         const std::string& layer, bool closed, EntityId& id);
TERRAIN_API int makeUniformPolyline(const Point2Array& vertices, double bulge, double width,
                                    const std::string& layer, bool closed, EntityId& id);
// A point entity with colour index 3; the null id when it could not be appended.
TERRAIN_API EntityId makePointMarker(const Point3& position);

} // namespace terrain

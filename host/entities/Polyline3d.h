#pragma once
// A polyline in space whose vertices are objects of their own (3D vertices in world coordinates), with a
// closed flag. Its segments are straight.

#include "host/entities/Vertex.h"
#include "host/entities/VertexPolyline.h"

namespace host {

class Polyline3d : public VertexPolyline<Vertex3d> {
public:
    Polyline3d() = default;
    Polyline3d(const Polyline3d& other) = default;

    // The vertex positions in order.
    std::vector<Point3d> vertexPositions() const;

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Polyline3d>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;
};

} // namespace host

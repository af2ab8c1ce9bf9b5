#pragma once
// A planar polyline whose vertices are objects of their own (2D vertices with bulge and widths), with a
// closed flag, default widths, an elevation and the normal of its plane.

#include "host/entities/Vertex.h"
#include "host/entities/VertexPolyline.h"

namespace host {

class Polyline2d : public VertexPolyline<Vertex2d> {
public:
    Polyline2d() = default;
    Polyline2d(const Polyline2d& other) = default;

    // The vertices' values in order (copies), for reading without opening each one.
    std::vector<Vertex2d> vertexValues() const;

    double elevation() const { return elevation_; }
    ErrorStatus setElevation(double elevation) { return assign(elevation_, elevation); }
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }
    double defaultStartWidth() const { return defaultStartWidth_; }
    double defaultEndWidth() const { return defaultEndWidth_; }
    ErrorStatus setDefaultWidths(double startWidth, double endWidth);
    // A vertex position in world coordinates.
    Point3d vertexToWorld(const Vertex2d& vertex) const;

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Polyline2d>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    double elevation_ = 0.0;
    Vector3d normal_ = Vector3d::zAxis();
    double defaultStartWidth_ = 0.0;
    double defaultEndWidth_ = 0.0;
};

} // namespace host

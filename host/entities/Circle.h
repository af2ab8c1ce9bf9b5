#pragma once
// A full circle: centre, radius and the normal of its plane.

#include "host/entities/CircularCurve.h"

namespace host {

class Circle : public CircularCurve {
public:
    Circle() = default;
    Circle(const Point3d& centre, const Vector3d& normal, double radius) : CircularCurve(centre, normal, radius) {}
    const char* typeName() const override { return "CIRCLE"; }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override { return transformCircle(transform); }
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Circle>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;
};

} // namespace host

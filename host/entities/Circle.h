#pragma once
// A full circle: centre, radius and the normal of its plane.

#include "host/entities/Curve.h"

namespace host {

class Circle : public Curve {
public:
    Circle() = default;
    Circle(const Point3d& centre, const Vector3d& normal, double radius);
    const char* typeName() const override { return "CIRCLE"; }

    const Point3d& center() const { return centre_; }
    ErrorStatus setCenter(const Point3d& c) { return assign(centre_, c); }
    double radius() const { return radius_; }
    // A radius must be positive.
    ErrorStatus setRadius(double radius) { return assignPositive(radius_, radius); }
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Circle>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    Point3d centre_;
    double radius_ = 1.0;
    Vector3d normal_ = Vector3d::zAxis();
};

} // namespace host

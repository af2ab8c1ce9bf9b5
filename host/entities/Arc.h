#pragma once
// A circular arc: centre, radius, normal, and start and end angles measured counter-clockwise about the
// normal from the x axis of its plane (arbitrary-axis rule).

#include "host/entities/Curve.h"

namespace host {

class Arc : public Curve {
public:
    Arc() = default;
    // Angles are normalised into [0, 2pi).
    Arc(const Point3d& centre, const Vector3d& normal, double radius, double startAngle, double endAngle);
    const char* typeName() const override { return "ARC"; }

    const Point3d& center() const { return centre_; }
    ErrorStatus setCenter(const Point3d& c) { return assign(centre_, c); }
    double radius() const { return radius_; }
    ErrorStatus setRadius(double radius) { return assignPositive(radius_, radius); }
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }
    double startAngle() const { return startAngle_; }
    ErrorStatus setStartAngle(double angle) { return assign(startAngle_, normalizeAngle(angle)); }
    double endAngle() const { return endAngle_; }
    ErrorStatus setEndAngle(double angle) { return assign(endAngle_, normalizeAngle(angle)); }
    // The counter-clockwise sweep from start to end, in [0, 2pi).
    double sweep() const { return normalizeAngle(endAngle_ - startAngle_); }
    Point3d pointAtAngle(double angle) const;

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Arc>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    Point3d centre_;
    double radius_ = 1.0;
    Vector3d normal_ = Vector3d::zAxis();
    double startAngle_ = 0.0;
    double endAngle_ = kPi;
};

} // namespace host

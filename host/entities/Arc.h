#pragma once
// A circular arc: centre, radius, normal, and start and end angles measured counter-clockwise about the
// normal from the x axis of its plane (arbitrary-axis rule).

#include "host/entities/CircularCurve.h"

namespace host {

class Arc : public CircularCurve {
public:
    Arc() = default;
    // Angles are normalised into [0, 2pi).
    Arc(const Point3d& centre, const Vector3d& normal, double radius, double startAngle, double endAngle);
    const char* typeName() const override { return "ARC"; }

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
    double startAngle_ = 0.0;
    double endAngle_ = kPi;
};

} // namespace host

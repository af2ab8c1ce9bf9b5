#pragma once
// A ray (from a base point along a direction, without end) and an infinite line (through a base point
// in both directions). Temporary geometry for computations: they live in memory and have no extents.

#include "host/entities/Curve.h"

namespace host {

// What both share: a base point and a unit direction.
class UnboundedLine : public Curve {
public:
    const Point3d& basePoint() const { return base_; }
    const Vector3d& unitDir() const { return direction_; }
    ErrorStatus setBasePoint(const Point3d& p) { return assign(base_, p); }
    // A zero direction is refused.
    ErrorStatus setUnitDir(const Vector3d& d) { return assignNormal(direction_, d); }

    ErrorStatus getGeomExtents(Extents3d&) const override { return ErrorStatus::eInvalidExtents; }
    ErrorStatus transformBy(const Matrix3d& transform) override;

protected:
    UnboundedLine() = default;
    UnboundedLine(const Point3d& base, const Vector3d& direction) : base_(base), direction_(direction.normal()) {}

    Point3d base_;
    Vector3d direction_ = Vector3d::xAxis();
};

class Ray : public UnboundedLine {
public:
    Ray() = default;
    Ray(const Point3d& base, const Vector3d& direction) : UnboundedLine(base, direction) {}
    const char* typeName() const override { return "RAY"; }
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Ray>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;
};

class Xline : public UnboundedLine {
public:
    Xline() = default;
    Xline(const Point3d& base, const Vector3d& direction) : UnboundedLine(base, direction) {}
    const char* typeName() const override { return "XLINE"; }
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Xline>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;
};

} // namespace host

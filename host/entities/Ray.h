#pragma once
// A ray (from a base point along a direction, without end) and an infinite line (through a base point
// in both directions). Temporary geometry for computations: they live in memory and have no extents.

#include "host/entities/Curve.h"

namespace host {

class Ray : public Curve {
public:
    Ray() = default;
    Ray(const Point3d& base, const Vector3d& direction) : base_(base), direction_(direction.normal()) {}
    const char* typeName() const override { return "RAY"; }

    const Point3d& basePoint() const { return base_; }
    // A unit vector; a zero direction is refused.
    const Vector3d& unitDir() const { return direction_; }
    ErrorStatus setBasePoint(const Point3d& p) { return assign(base_, p); }
    ErrorStatus setUnitDir(const Vector3d& d) { return assignNormal(direction_, d); }

    ErrorStatus getGeomExtents(Extents3d&) const override { return ErrorStatus::eInvalidExtents; }
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Ray>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    Point3d base_;
    Vector3d direction_ = Vector3d::xAxis();
};

class Xline : public Curve {
public:
    Xline() = default;
    Xline(const Point3d& base, const Vector3d& direction) : base_(base), direction_(direction.normal()) {}
    const char* typeName() const override { return "XLINE"; }

    const Point3d& basePoint() const { return base_; }
    const Vector3d& unitDir() const { return direction_; }
    ErrorStatus setBasePoint(const Point3d& p) { return assign(base_, p); }
    ErrorStatus setUnitDir(const Vector3d& d) { return assignNormal(direction_, d); }

    ErrorStatus getGeomExtents(Extents3d&) const override { return ErrorStatus::eInvalidExtents; }
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Xline>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    Point3d base_;
    Vector3d direction_ = Vector3d::xAxis();
};

} // namespace host

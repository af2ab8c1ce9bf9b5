#pragma once
// An elliptical arc: centre, normal, the major axis as a vector from the centre, the ratio of minor to
// major axis, and start and end parameters (counter-clockwise about the normal; 0 and 2pi for a whole
// ellipse). A point at parameter t is centre + major cos t + minor sin t, minor = ratio * (normal x major).

#include "host/entities/Curve.h"

namespace host {

class Ellipse : public Curve {
public:
    Ellipse() = default;
    // A major axis not perpendicular to the normal is made so; ratios outside (0, 1] and a zero major axis
    // give the default unit circle's values.
    Ellipse(const Point3d& centre, const Vector3d& normal, const Vector3d& majorAxis, double ratio,
            double startParam = 0.0, double endParam = kTwoPi);
    const char* typeName() const override { return "ELLIPSE"; }

    const Point3d& center() const { return centre_; }
    ErrorStatus setCenter(const Point3d& c) { return assign(centre_, c); }
    const Vector3d& normal() const { return normal_; }
    const Vector3d& majorAxis() const { return major_; }
    Vector3d minorAxis() const { return cross(normal_, major_) * ratio_; }
    double radiusRatio() const { return ratio_; }
    // The normal and major axis together, so that they stay perpendicular.
    ErrorStatus set(const Point3d& centre, const Vector3d& normal, const Vector3d& majorAxis, double ratio);
    double startParam() const { return startParam_; }
    double endParam() const { return endParam_; }
    ErrorStatus setParams(double startParam, double endParam);

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Ellipse>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    Point3d centre_;
    Vector3d normal_ = Vector3d::zAxis();
    Vector3d major_ = Vector3d::xAxis();
    double ratio_ = 1.0;
    double startParam_ = 0.0;
    double endParam_ = kTwoPi;
};

} // namespace host

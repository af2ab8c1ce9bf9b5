#include "host/entities/Ellipse.h"

#include <cmath>

namespace host {

namespace {
// A start and end parameter this close describe the whole ellipse (rounding of 2pi).
constexpr double kWholeTurnSlack = 1e-12;
} // namespace

Ellipse::Ellipse(const Point3d& centre, const Vector3d& normal, const Vector3d& majorAxis, double ratio,
                 double startParam, double endParam)
{
    set(centre, normal, majorAxis, ratio);
    setParams(startParam, endParam);
}

ErrorStatus Ellipse::set(const Point3d& centre, const Vector3d& normal, const Vector3d& majorAxis, double ratio)
{
    const Vector3d n = normal.normal();
    // The part of the major axis in the plane: an axis along the normal has none.
    const Vector3d inPlane = majorAxis - n * dot(majorAxis, n);
    if (n.lengthSquared() == 0.0 || inPlane.length() <= 0.0 || !(ratio > 0.0 && ratio <= 1.0))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    centre_ = centre;
    normal_ = n;
    major_ = inPlane;
    ratio_ = ratio;
    return ErrorStatus::eOk;
}

ErrorStatus Ellipse::setParams(double startParam, double endParam)
{
    if (!std::isfinite(startParam) || !std::isfinite(endParam))
        return ErrorStatus::eInvalidInput;
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    const bool whole = std::fabs(std::fabs(endParam - startParam) - kTwoPi) <= kWholeTurnSlack ||
                       std::fabs(endParam - startParam) <= kWholeTurnSlack;
    startParam_ = normalizeAngle(startParam);
    endParam_ = whole ? startParam_ + kTwoPi : startParam_ + normalizeAngle(endParam - startParam);
    return ErrorStatus::eOk;
}

ErrorStatus Ellipse::getGeomExtents(Extents3d& extents) const
{
    const Box3d box = buildSpaceCurve()->extents();
    extents = Extents3d();
    extents.addPoint(box.min);
    extents.addPoint(box.max);
    return ErrorStatus::eOk;
}

ErrorStatus Ellipse::transformBy(const Matrix3d& transform)
{
    if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
        return status;
    if (const ErrorStatus status = checkUniform(transform); status != ErrorStatus::eOk)
        return status;
    const Vector3d major = transform.transform(major_);
    // A mirror turns the sense of travel: the normal follows the image of major x minor, which keeps
    // the parameters meaning the same points.
    const Vector3d minor = transform.transform(minorAxis());
    centre_ = transform.transform(centre_);
    normal_ = cross(major, minor).normal();
    major_ = major;
    return ErrorStatus::eOk;
}

std::optional<SpaceCurve> Ellipse::buildSpaceCurve() const
{
    return SpaceCurve::ellipse(centre_, normal_, major_, ratio_, startParam_, endParam_);
}

} // namespace host

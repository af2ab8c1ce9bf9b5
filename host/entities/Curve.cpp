#include "host/entities/Curve.h"

#include <cmath>

namespace host {

namespace {
// Parameters and distances this far outside a curve's range still count as its end (rounding).
constexpr double kParamSlack = 1e-9;

bool withinRange(double value, double lo, double hi)
{
    const double slack = kParamSlack * (1.0 + std::fmax(std::fabs(lo), std::fabs(hi)));
    return std::isfinite(value) && value >= lo - slack && value <= hi + slack;
}
} // namespace

ErrorStatus Curve::getSpaceCurve(std::shared_ptr<const SpaceCurve>& curve) const
{
    // Only an unchanged database object may reuse its geometry: in memory or open for write it can
    // change under us at any time.
    const bool mayKeep = keepsSpaceCurve() && !isWriteEnabled();
    if (mayKeep && cached_) {
        curve = cached_;
        return ErrorStatus::eOk;
    }
    std::optional<SpaceCurve> built = buildSpaceCurve();
    if (!built)
        return ErrorStatus::eInvalidInput;
    curve = std::make_shared<const SpaceCurve>(std::move(*built));
    if (mayKeep)
        cached_ = curve;
    return ErrorStatus::eOk;
}

#define HOST_WITH_CURVE(c)                                                                                             \
    std::shared_ptr<const SpaceCurve> c;                                                                               \
    if (const ErrorStatus status = getSpaceCurve(c); status != ErrorStatus::eOk)                                       \
    return status

ErrorStatus Curve::getStartParam(double& param) const
{
    HOST_WITH_CURVE(c);
    param = c->startParam();
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getEndParam(double& param) const
{
    HOST_WITH_CURVE(c);
    param = c->endParam();
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getStartPoint(Point3d& point) const
{
    HOST_WITH_CURVE(c);
    point = c->startPoint();
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getEndPoint(Point3d& point) const
{
    HOST_WITH_CURVE(c);
    point = c->endPoint();
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getPointAtParam(double param, Point3d& point) const
{
    HOST_WITH_CURVE(c);
    if (!withinRange(param, c->startParam(), c->endParam()))
        return ErrorStatus::eInvalidInput;
    point = c->pointAtParam(param);
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getParamAtPoint(const Point3d& point, double& param) const
{
    HOST_WITH_CURVE(c);
    param = c->paramAtPoint(point);
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getDistAtParam(double param, double& dist) const
{
    HOST_WITH_CURVE(c);
    if (!withinRange(param, c->startParam(), c->endParam()))
        return ErrorStatus::eInvalidInput;
    dist = c->distanceAtParam(param);
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getParamAtDist(double dist, double& param) const
{
    HOST_WITH_CURVE(c);
    return c->paramAtDistance(dist, param) ? ErrorStatus::eOk : ErrorStatus::eInvalidInput;
}

ErrorStatus Curve::getDistAtPoint(const Point3d& point, double& dist) const
{
    HOST_WITH_CURVE(c);
    dist = c->distanceAtParam(c->paramAtPoint(point));
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getPointAtDist(double dist, Point3d& point) const
{
    HOST_WITH_CURVE(c);
    double param = 0.0;
    if (!c->paramAtDistance(dist, param))
        return ErrorStatus::eInvalidInput;
    point = c->pointAtParam(param);
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getClosestPointTo(const Point3d& given, Point3d& closest, bool extend) const
{
    HOST_WITH_CURVE(c);
    closest = c->closestPoint(given, extend);
    return ErrorStatus::eOk;
}

ErrorStatus Curve::getArea(double& area) const
{
    HOST_WITH_CURVE(c);
    if (!c->isBounded())
        return ErrorStatus::eNotApplicable;
    area = c->area();
    return ErrorStatus::eOk;
}

bool Curve::isClosed() const
{
    std::shared_ptr<const SpaceCurve> c;
    return getSpaceCurve(c) == ErrorStatus::eOk && c->isClosed();
}

bool Curve::isClockwise() const
{
    std::shared_ptr<const SpaceCurve> c;
    return getSpaceCurve(c) == ErrorStatus::eOk && c->isClockwise();
}

ErrorStatus Curve::intersectWith(const Curve& other, int mode, std::vector<Point3d>& points,
                                 const Plane* projection) const
{
    points.clear();
    HOST_WITH_CURVE(mine);
    std::shared_ptr<const SpaceCurve> theirs;
    if (const ErrorStatus status = other.getSpaceCurve(theirs); status != ErrorStatus::eOk)
        return status;
    const ExtendMode extend = (mode >= 0 && mode <= 3) ? static_cast<ExtendMode>(mode) : ExtendMode::None;
    points = host::intersectWith(*mine, *theirs, extend, projection);
    return ErrorStatus::eOk;
}

ErrorStatus Curve::countPlanRayHits(const Point3d& base, const Vector3d& direction, int& count) const
{
    HOST_WITH_CURVE(c);
    count = planRayHitCount(*c, base, direction);
    return ErrorStatus::eOk;
}

#undef HOST_WITH_CURVE

} // namespace host

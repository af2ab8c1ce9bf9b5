#include "host/application/CoordinateSystems.h"

#include "host/geometry/Plane.h"
#include "host/geometry/Tolerance.h"

#include <cmath>
#include <initializer_list>

namespace host {
namespace {

// A frame or view built from a number that is not finite would turn every later conversion into NaN.
bool allFinite(std::initializer_list<double> values)
{
    for (double value : values)
        if (!std::isfinite(value))
            return false;
    return true;
}

} // namespace

ErrorStatus CoordinateSystems::setUcs(const Point3d& origin, const Vector3d& xAxis, const Vector3d& yAxis,
                                      ObjectId namedId)
{
    if (!allFinite({origin.x, origin.y, origin.z, xAxis.x, xAxis.y, xAxis.z, yAxis.x, yAxis.y, yAxis.z}))
        return ErrorStatus::eInvalidInput;
    const Vector3d x = xAxis.normal();
    const Vector3d z = cross(x, yAxis).normal();
    if (isZeroLength(x) || isZeroLength(z))
        return ErrorStatus::eInvalidInput;
    ucs_ = Frame{origin, x, cross(z, x), z};
    ucsId_ = namedId;
    return ErrorStatus::eOk;
}

bool CoordinateSystems::isWorldUcs() const
{
    const Frame world;
    return isEqual(ucs_.origin, world.origin) && isEqual(ucs_.xAxis, world.xAxis) && isEqual(ucs_.yAxis, world.yAxis);
}

ErrorStatus CoordinateSystems::setView(const ViewSettings& view)
{
    if (!allFinite({view.centre.x, view.centre.y, view.height, view.width, view.target.x, view.target.y,
                    view.target.z, view.direction.x, view.direction.y, view.direction.z, view.twist}))
        return ErrorStatus::eInvalidInput;
    if (isZeroLength(view.direction) || !(view.height > 0.0) || !(view.width > 0.0))
        return ErrorStatus::eInvalidInput;
    view_ = view;
    view_.direction = view.direction.normal();
    return ErrorStatus::eOk;
}

Frame CoordinateSystems::displayFrame() const
{
    const Plane plane(view_.target, view_.direction);
    const Vector3d z = plane.normal();
    const Vector3d x = plane.xAxis().rotatedBy(-view_.twist, z);
    return Frame{view_.target, x, cross(z, x), z};
}

Frame CoordinateSystems::frameOf(CoordSpace space) const
{
    switch (space) {
    case CoordSpace::User: return ucs_;
    case CoordSpace::Display: return displayFrame();
    case CoordSpace::World: break;
    }
    return Frame();
}

Point3d CoordinateSystems::toWorld(const Point3d& p, CoordSpace from, bool displacement) const
{
    if (from == CoordSpace::World)
        return p;
    const Frame frame = frameOf(from);
    return displacement ? Point3d() + frame.toWorld(p.asVector()) : frame.toWorld(p);
}

Point3d CoordinateSystems::fromWorld(const Point3d& p, CoordSpace to, bool displacement) const
{
    if (to == CoordSpace::World)
        return p;
    const Frame frame = frameOf(to);
    return displacement ? Point3d() + frame.fromWorld(p.asVector()) : frame.fromWorld(p);
}

} // namespace host

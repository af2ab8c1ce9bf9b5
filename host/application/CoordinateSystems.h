#pragma once
// The coordinate systems of the current drawing: world, the current user system and the display system
// of the current view, with conversions of points and displacements between them.

#include "host/database/Status.h"
#include "host/database/ObjectId.h"
#include "host/database/ViewTable.h"
#include "host/geometry/Vectors.h"

namespace host {

enum class CoordSpace { World, User, Display };

// An orthonormal right-handed frame in world coordinates.
struct Frame {
    Point3d origin;
    Vector3d xAxis = Vector3d::xAxis();
    Vector3d yAxis = Vector3d::yAxis();
    Vector3d zAxis = Vector3d::zAxis();

    Point3d toWorld(const Point3d& local) const
    {
        return origin + xAxis * local.x + yAxis * local.y + zAxis * local.z;
    }
    Vector3d toWorld(const Vector3d& local) const { return xAxis * local.x + yAxis * local.y + zAxis * local.z; }
    Point3d fromWorld(const Point3d& world) const
    {
        const Vector3d v = world - origin;
        return {dot(v, xAxis), dot(v, yAxis), dot(v, zAxis)};
    }
    Vector3d fromWorld(const Vector3d& v) const { return {dot(v, xAxis), dot(v, yAxis), dot(v, zAxis)}; }
};

class CoordinateSystems {
public:
    // The current user system; world until set.
    const Frame& ucs() const { return ucs_; }
    // The axes are made orthonormal (y is taken square to x in their plane); zero or parallel axes are
    // refused with eInvalidInput. `namedId` is the named system's record when the system has a name.
    ErrorStatus setUcs(const Point3d& origin, const Vector3d& xAxis, const Vector3d& yAxis,
                       ObjectId namedId = ObjectId());
    void setWorldUcs() { ucs_ = Frame(); ucsId_ = ObjectId(); }
    ObjectId currentUcsId() const { return ucsId_; }
    bool isWorldUcs() const;

    const ViewSettings& view() const { return view_; }
    // A view needs a non-zero direction and a positive height and width.
    ErrorStatus setView(const ViewSettings& view);
    // Display coordinates: origin at the view's target, z towards the viewer, x and y the screen's
    // directions (the plane's arbitrary-axis x turned by minus the view's twist).
    Frame displayFrame() const;

    Point3d toWorld(const Point3d& p, CoordSpace from, bool displacement = false) const;
    Point3d fromWorld(const Point3d& p, CoordSpace to, bool displacement = false) const;
    Point3d convert(const Point3d& p, CoordSpace from, CoordSpace to, bool displacement = false) const
    {
        return fromWorld(toWorld(p, from, displacement), to, displacement);
    }

private:
    Frame frameOf(CoordSpace space) const;

    Frame ucs_;
    ObjectId ucsId_;
    ViewSettings view_;
};

} // namespace host

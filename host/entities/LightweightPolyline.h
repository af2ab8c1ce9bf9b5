#pragma once
// A planar polyline kept in one object: plan vertices with bulge and start/end widths, a closed flag,
// an elevation and the normal of its plane.

#include "host/entities/Curve.h"

#include <vector>

namespace host {

struct LwVertex {
    Point2d point;
    double bulge = 0.0;      // of the segment that starts here
    double startWidth = 0.0;
    double endWidth = 0.0;
};

class LightweightPolyline : public Curve {
public:
    const char* typeName() const override { return "LWPOLYLINE"; }

    int numVerts() const { return static_cast<int>(vertices_.size()); }
    const std::vector<LwVertex>& vertices() const { return vertices_; }
    // Inserts before index (0 <= index <= numVerts); widths must be finite and not negative.
    ErrorStatus addVertexAt(int index, const Point2d& point, double bulge = 0.0, double startWidth = 0.0,
                            double endWidth = 0.0);
    ErrorStatus removeVertexAt(int index);

    // Every indexed access gives eInvalidInput for an index outside [0, numVerts).
    ErrorStatus getPointAt(int index, Point2d& point) const;
    // The vertex in world coordinates.
    ErrorStatus getPointAt(int index, Point3d& point) const;
    ErrorStatus setPointAt(int index, const Point2d& point);
    ErrorStatus getBulgeAt(int index, double& bulge) const;
    ErrorStatus setBulgeAt(int index, double bulge);
    ErrorStatus getWidthsAt(int index, double& startWidth, double& endWidth) const;
    ErrorStatus setWidthsAt(int index, double startWidth, double endWidth);

    bool isClosed() const { return closed_; }
    ErrorStatus setClosed(bool closed) { return assign(closed_, closed); }
    // eNotApplicable when the widths are not all the same.
    ErrorStatus getConstantWidth(double& width) const;
    // Sets every start and end width.
    ErrorStatus setConstantWidth(double width);
    double elevation() const { return elevation_; }
    ErrorStatus setElevation(double elevation) { return assign(elevation_, elevation); }
    const Vector3d& normal() const { return normal_; }
    ErrorStatus setNormal(const Vector3d& n) { return assignNormal(normal_, n); }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<LightweightPolyline>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;

private:
    bool validIndex(int index) const { return index >= 0 && index < numVerts(); }
    // Runs a change on vertex `index` when the index is valid and writing is allowed.
    template <class Change>
    ErrorStatus changeVertex(int index, Change change)
    {
        if (!validIndex(index))
            return ErrorStatus::eInvalidInput;
        if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
            return status;
        change(vertices_[static_cast<std::size_t>(index)]);
        return ErrorStatus::eOk;
    }

    std::vector<LwVertex> vertices_;
    bool closed_ = false;
    double elevation_ = 0.0;
    Vector3d normal_ = Vector3d::zAxis();
};

} // namespace host

#pragma once
// A polyline in space whose vertices are objects of their own (3D vertices in world coordinates), with a
// closed flag. Its segments are straight.

#include "host/entities/Curve.h"
#include "host/entities/OwnedVertices.h"
#include "host/entities/Vertex.h"

namespace host {

class Polyline3d : public Curve {
public:
    Polyline3d() = default;
    Polyline3d(const Polyline3d& other);
    const char* typeName() const override { return "POLYLINE"; }

    // Takes the vertex (the polyline open for write, or not yet in a database); on success `vertex` is
    // emptied and, in a database, `id` is the vertex's id.
    ErrorStatus appendVertex(std::unique_ptr<Vertex3d>& vertex, ObjectId& id);
    std::vector<ObjectId> vertexIds() const { return vertices_.ids(database()); }
    // The vertex positions in order.
    std::vector<Point3d> vertexPositions() const;

    bool isClosed() const { return closed_; }
    ErrorStatus setClosed(bool closed) { return assign(closed_, closed); }

    ErrorStatus getGeomExtents(Extents3d& extents) const override;
    ErrorStatus transformBy(const Matrix3d& transform) override;
    std::unique_ptr<Entity> clone() const override { return std::make_unique<Polyline3d>(*this); }

protected:
    std::optional<SpaceCurve> buildSpaceCurve() const override;
    bool keepsSpaceCurve() const override { return false; }
    void onAddedToDatabase(Database& database) override;
    void onErasedChanged(bool erased) override { vertices_.setErased(*database(), erased); }
    ErrorStatus forEachSubEntity(const std::function<void(Entity&)>& change) override
    {
        return vertices_.update(database(), [&](Vertex3d& vertex) { change(vertex); });
    }

private:
    OwnedVertices<Vertex3d> vertices_;
    bool closed_ = false;
};

} // namespace host

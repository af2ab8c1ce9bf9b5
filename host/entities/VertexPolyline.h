#pragma once
// The common part of the polylines whose vertices are objects of their own (2D and 3D): the owned vertex
// objects, the closed flag, and keeping the vertices with their polyline as it joins the database, is
// erased or changes a common property.

#include "host/entities/Curve.h"
#include "host/entities/OwnedVertices.h"

#include <memory>
#include <vector>

namespace host {

template <class VertexType>
class VertexPolyline : public Curve {
public:
    const char* typeName() const override { return "POLYLINE"; }

    // Takes the vertex (the polyline open for write, or not yet in a database); on success `vertex` is
    // emptied and, in a database, `id` is the vertex's id.
    ErrorStatus appendVertex(std::unique_ptr<VertexType>& vertex, ObjectId& id)
    {
        if (const ErrorStatus status = checkWrite(); status != ErrorStatus::eOk)
            return status;
        return vertices_.append(*this, vertex, id);
    }
    std::vector<ObjectId> vertexIds() const { return vertices_.ids(database()); }

    bool isClosed() const override { return closed_; }
    ErrorStatus setClosed(bool closed) { return assign(closed_, closed); }

protected:
    VertexPolyline() = default;
    // A copy owns copies of the vertices, in memory.
    VertexPolyline(const VertexPolyline& other)
        : Curve(other), closed_(other.closed_), vertices_(other.vertices_, other.database())
    {
    }

    // Visits each vertex in order without opening it.
    template <class Visit>
    void forEachVertex(Visit visit) const
    {
        vertices_.forEach(database(), visit);
    }
    // Changes every vertex, each opened for write; when one cannot be opened nothing is changed.
    template <class Change>
    ErrorStatus updateVertices(Change change)
    {
        return vertices_.update(database(), change);
    }

    bool keepsSpaceCurve() const override { return false; }
    void onAddedToDatabase(Database& database) override
    {
        Curve::onAddedToDatabase(database);
        vertices_.adopt(database, id());
    }
    // Erasing needs every vertex: one held open by someone else keeps the polyline and its vertices as they are.
    ErrorStatus canChangeErased(bool erasing) override
    {
        return erasing && database() != nullptr ? vertices_.checkWritable(*database()) : ErrorStatus::eOk;
    }
    void onErasedChanged(bool erased) override { vertices_.setErased(*database(), erased); }
    ErrorStatus forEachSubEntity(const std::function<void(Entity&)>& change) override
    {
        return vertices_.update(database(), [&](VertexType& vertex) { change(vertex); });
    }

    bool closed_ = false;

private:
    OwnedVertices<VertexType> vertices_;
};

} // namespace host

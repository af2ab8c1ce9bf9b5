#pragma once
// The vertex objects of a polyline. Before the polyline joins a database its vertices live here; after,
// the database holds them, owned by the polyline, and the polyline reads and changes them as their owner.

#include "host/database/Database.h"

#include <memory>
#include <vector>

namespace host {

template <class Vertex>
class OwnedVertices {
public:
    OwnedVertices() = default;
    // A copy holds copies of the vertices, in memory.
    OwnedVertices(const OwnedVertices& other, const Database* database)
    {
        other.forEach(database, [&](const Vertex& v) { pending_.push_back(std::make_unique<Vertex>(v)); });
    }

    ErrorStatus append(const DbObject& owner, std::unique_ptr<Vertex>& vertex, ObjectId& id)
    {
        if (vertex == nullptr)
            return ErrorStatus::eNullEntityPointer;
        if (vertex->database() != nullptr)
            return ErrorStatus::eAlreadyInDb;
        if (owner.database() == nullptr) {
            pending_.push_back(std::move(vertex));
            id = ObjectId();
            return ErrorStatus::eOk;
        }
        const ErrorStatus status = owner.database()->addObject(vertex, owner.id(), id);
        if (status == ErrorStatus::eOk)
            ids_.push_back(id);
        return status;
    }

    // Moves the in-memory vertices into the database that now holds their owner.
    void adopt(Database& database, ObjectId ownerId)
    {
        for (std::unique_ptr<Vertex>& vertex : pending_) {
            ObjectId id;
            if (database.addObject(vertex, ownerId, id) == ErrorStatus::eOk)
                ids_.push_back(id);
        }
        pending_.clear();
    }

    std::vector<ObjectId> ids(const Database* database) const
    {
        std::vector<ObjectId> live;
        if (database == nullptr)
            return live; // vertices in memory have no ids yet
        for (ObjectId id : ids_)
            if (!database->peek(id)->isErased())
                live.push_back(id);
        return live;
    }

    template <class Visit>
    void forEach(const Database* database, Visit visit) const
    {
        for (const std::unique_ptr<Vertex>& vertex : pending_)
            visit(static_cast<const Vertex&>(*vertex));
        if (database != nullptr)
            for (ObjectId id : ids(database))
                visit(static_cast<const Vertex&>(*database->peek(id)));
    }

    // Changes every vertex, each opened for write; when one cannot be opened nothing is changed.
    template <class Change>
    ErrorStatus update(Database* database, Change change)
    {
        for (std::unique_ptr<Vertex>& vertex : pending_)
            change(*vertex);
        if (database == nullptr)
            return ErrorStatus::eOk;
        std::vector<ObjectPtr<Vertex>> opened;
        for (ObjectId id : ids(database)) {
            opened.emplace_back();
            if (const ErrorStatus status = database->openObject(opened.back(), id, OpenMode::Write);
                status != ErrorStatus::eOk)
                return status;
        }
        for (ObjectPtr<Vertex>& vertex : opened)
            change(*vertex);
        return ErrorStatus::eOk;
    }

    // eOk when every live vertex can be opened for write now (none is held open by someone else).
    ErrorStatus checkWritable(Database& database)
    {
        for (ObjectId id : ids(&database)) {
            ObjectPtr<Vertex> vertex;
            if (const ErrorStatus status = database.openObject(vertex, id, OpenMode::Write);
                status != ErrorStatus::eOk)
                return status;
        }
        return ErrorStatus::eOk;
    }

    // Erases or unerases the vertices with their owner.
    void setErased(Database& database, bool erased)
    {
        for (ObjectId id : ids_)
            database.erase(id, erased);
    }

private:
    std::vector<std::unique_ptr<Vertex>> pending_;
    std::vector<ObjectId> ids_;
};

} // namespace host

#pragma once
// Block definitions: a named, ordered list of entities with a base point. Model and paper space are blocks.

#include "host/database/SymbolTable.h"
#include "host/geometry/Vectors.h"

#include <memory>
#include <vector>

namespace host {

class Entity;

inline constexpr const char* kModelSpaceName = "*Model_Space";
inline constexpr const char* kPaperSpaceName = "*Paper_Space";

class BlockTableRecord : public SymbolTableRecord {
public:
    BlockTableRecord();
    ~BlockTableRecord() override;
    const char* typeName() const override { return "BLOCK_RECORD"; }

    const Point3d& origin() const { return origin_; }
    ErrorStatus setOrigin(const Point3d& origin) { return assign(origin_, origin); }
    bool isLayout() const;

    // Takes the entity (the record open for write, or not yet in a database); on success `entity` is
    // emptied and, when the record is in a database, `id` is the entity's new id.
    ErrorStatus appendEntity(std::unique_ptr<Entity>& entity, ObjectId& id);
    // The entities in order of appending, erased ones left out unless asked for.
    std::vector<ObjectId> entityIds(bool includeErased = false) const;

protected:
    void onAddedToDatabase(Database& database) override;

private:
    Point3d origin_;
    std::vector<ObjectId> entities_;
    std::vector<std::unique_ptr<Entity>> pending_; // appended before the record joined a database
};

using BlockTable = RecordTable<BlockTableRecord>;

} // namespace host

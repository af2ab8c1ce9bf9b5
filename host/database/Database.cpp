#include "host/database/Database.h"

#include "host/database/BlockTable.h"
#include "host/database/LayerTable.h"
#include "host/database/LinetypeTable.h"
#include "host/database/RegAppTable.h"
#include "host/database/TextStyleTable.h"
#include "host/database/UcsTable.h"
#include "host/database/ViewTable.h"

namespace host {
namespace {

// Standard names every drawing has.
constexpr const char* kLayerZero = "0";
constexpr const char* kByLayer = "ByLayer";
constexpr const char* kByBlock = "ByBlock";
constexpr const char* kContinuous = "Continuous";
constexpr const char* kContinuousDescription = "Solid line";
constexpr const char* kStandardStyle = "Standard";
constexpr const char* kHostApplicationName = "ACAD";

template <class Table>
ObjectId addTable(Database& database)
{
    auto table = std::make_unique<Table>();
    ObjectId id;
    database.addObject(table, ObjectId(), id);
    return id;
}

template <class Record>
ObjectId addRecord(Database& database, ObjectId tableId, const std::string& name)
{
    auto record = std::make_unique<Record>();
    record->setName(name);
    ObjectPtr<SymbolTable> table;
    ObjectId id;
    if (database.openObject(table, tableId, OpenMode::Write) == ErrorStatus::eOk)
        table->add(record, id);
    return id;
}

} // namespace

Database::Database()
{
    static std::uint64_t databasesMade = 0;
    serial_ = ++databasesMade;
    createStandardObjects();
}

Database::~Database() = default;

void Database::createStandardObjects()
{
    blockTable_ = addTable<BlockTable>(*this);
    layerTable_ = addTable<LayerTable>(*this);
    linetypeTable_ = addTable<LinetypeTable>(*this);
    textStyleTable_ = addTable<TextStyleTable>(*this);
    ucsTable_ = addTable<UcsTable>(*this);
    viewTable_ = addTable<ViewTable>(*this);
    regAppTable_ = addTable<RegAppTable>(*this);

    byBlock_ = addRecord<LinetypeTableRecord>(*this, linetypeTable_, kByBlock);
    byLayer_ = addRecord<LinetypeTableRecord>(*this, linetypeTable_, kByLayer);
    continuous_ = addRecord<LinetypeTableRecord>(*this, linetypeTable_, kContinuous);
    if (auto* continuous = static_cast<LinetypeTableRecord*>(peekForUpdate(continuous_)))
        continuous->setDescription(kContinuousDescription);
    layerZero_ = addRecord<LayerTableRecord>(*this, layerTable_, kLayerZero);
    currentLayer_ = layerZero_;
    modelSpace_ = addRecord<BlockTableRecord>(*this, blockTable_, kModelSpaceName);
    paperSpace_ = addRecord<BlockTableRecord>(*this, blockTable_, kPaperSpaceName);
    standardStyle_ = addRecord<TextStyleTableRecord>(*this, textStyleTable_, kStandardStyle);
    addRecord<RegAppTableRecord>(*this, regAppTable_, kHostApplicationName);
}

const DbObject* Database::peek(ObjectId id) const
{
    const auto found = objects_.find(id.value);
    return found == objects_.end() ? nullptr : found->second.get();
}

DbObject* Database::peekForUpdate(ObjectId id)
{
    const auto found = objects_.find(id.value);
    return found == objects_.end() ? nullptr : found->second.get();
}

ErrorStatus Database::find(ObjectId id, OpenMode mode, bool openErased, DbObject*& object) const
{
    if (id.isNull())
        return ErrorStatus::eNullObjectId;
    const auto found = objects_.find(id.value);
    if (found == objects_.end())
        return ErrorStatus::eInvalidObjectId;
    if (found->second->isErased() && (mode == OpenMode::Write || !openErased))
        return ErrorStatus::eWasErased;
    object = found->second.get();
    return ErrorStatus::eOk;
}

ErrorStatus Database::acquire(DbObject& object, OpenMode mode)
{
    if (object.writer_)
        return ErrorStatus::eWasOpenForWrite;
    if (mode == OpenMode::Write) {
        if (object.readers_ > 0)
            return ErrorStatus::eWasOpenForRead;
        object.writer_ = true;
        object.onOpenedForWrite();
    } else {
        ++object.readers_;
    }
    ++openCount_;
    return ErrorStatus::eOk;
}

void closeOpenObject(Database& database, DbObject& object, OpenMode mode)
{
    if (mode == OpenMode::Write && object.writer_)
        object.writer_ = false;
    else if (mode == OpenMode::Read && object.readers_ > 0)
        --object.readers_;
    else
        return;
    --database.openCount_;
}

ErrorStatus changeOpenMode(Database&, DbObject& object, OpenMode from, OpenMode to)
{
    if (from == OpenMode::Read && to == OpenMode::Write) {
        if (object.readers_ != 1 || object.writer_)
            return ErrorStatus::eWasOpenForRead;
        if (object.erased_)
            return ErrorStatus::eWasErased;
        object.readers_ = 0;
        object.writer_ = true;
        object.onOpenedForWrite();
    } else if (from == OpenMode::Write && to == OpenMode::Read) {
        object.writer_ = false;
        object.readers_ = 1;
    }
    return ErrorStatus::eOk;
}

ErrorStatus Database::adopt(DbObject* object, ObjectId owner, ObjectId& id)
{
    if (object == nullptr)
        return ErrorStatus::eNullEntityPointer;
    if (object->database_ != nullptr)
        return ErrorStatus::eAlreadyInDb;
    object->database_ = this;
    object->id_ = ObjectId(nextId_++);
    object->handle_ = nextHandle_++;
    object->ownerId_ = owner;
    id = object->id_;
    objects_.emplace(id.value, std::unique_ptr<DbObject>(object));
    object->onAddedToDatabase(*this);
    return ErrorStatus::eOk;
}

ErrorStatus Database::erase(ObjectId id, bool erasing)
{
    if (erasing) {
        ObjectPtr<DbObject> object;
        const ErrorStatus status = openObject(object, id, OpenMode::Write);
        return status == ErrorStatus::eOk ? object->erase(true) : status;
    }
    // Unerasing: an erased object cannot be opened for write, so it is brought back here, when nobody has it open.
    DbObject* object = nullptr;
    if (const ErrorStatus status = find(id, OpenMode::Read, true, object); status != ErrorStatus::eOk)
        return status;
    if (!object->erased_)
        return ErrorStatus::eOk;
    if (object->writer_ || object->readers_ > 0)
        return object->writer_ ? ErrorStatus::eWasOpenForWrite : ErrorStatus::eWasOpenForRead;
    object->erased_ = false;
    object->onErasedChanged(false);
    return ErrorStatus::eOk;
}

ErrorStatus Database::setCurrentLayerId(ObjectId layerId)
{
    if (!isKindOf<LayerTableRecord>(layerId))
        return layerId.isNull() ? ErrorStatus::eNullObjectId : ErrorStatus::eWrongObjectType;
    currentLayer_ = layerId;
    return ErrorStatus::eOk;
}

} // namespace host

#pragma once
// A drawing database: it owns its objects by id and enforces the open rules (many readers or one writer;
// erased objects, the null id and the wrong kind give statuses) and counts what is open.

#include "host/database/DbObject.h"
#include "host/database/ObjectPtr.h"

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace host {

class Database {
public:
    // A new drawing with its tables and standard records: model and paper space, layer "0", the linetypes
    // ByBlock, ByLayer and Continuous, the text style "Standard", the registered application "ACAD".
    Database();
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Opens the object for read or write as kind T. openErased lets an erased object be opened for read.
    template <class T>
    ErrorStatus openObject(ObjectPtr<T>& out, ObjectId id, OpenMode mode, bool openErased = false)
    {
        out.close();
        DbObject* object = nullptr;
        ErrorStatus status = find(id, mode, openErased, object);
        if (status != ErrorStatus::eOk)
            return status;
        T* typed = dynamic_cast<T*>(object);
        if (typed == nullptr)
            return ErrorStatus::eWrongObjectType;
        status = acquire(*object, mode);
        if (status == ErrorStatus::eOk)
            out.attach(*this, *typed, mode);
        return status;
    }

    // True when the id names a live object of kind T (no opening involved).
    template <class T>
    bool isKindOf(ObjectId id) const
    {
        const DbObject* object = peek(id);
        return object != nullptr && !object->isErased() && dynamic_cast<const T*>(object) != nullptr;
    }

    // Takes the object into the database, owned by `owner`; on success `object` is emptied and `id` set.
    template <class T>
    ErrorStatus addObject(std::unique_ptr<T>& object, ObjectId owner, ObjectId& id)
    {
        const ErrorStatus status = adopt(object.get(), owner, id);
        if (status == ErrorStatus::eOk)
            object.release();
        return status;
    }

    // Opens for write, erases (or unerases) and closes.
    ErrorStatus erase(ObjectId id, bool erasing = true);

    // How many open references are held now: 0 whenever every service closed what it opened.
    int openObjectCount() const { return openCount_; }
    bool contains(ObjectId id) const { return peek(id) != nullptr; }
    // A number no other database of this process has: tells names of different drawings apart.
    std::uint64_t serial() const { return serial_; }

    // The object without opening it, for the database's own bookkeeping (owners reading their records).
    const DbObject* peek(ObjectId id) const;
    DbObject* peekForUpdate(ObjectId id);

    ObjectId blockTableId() const { return blockTable_; }
    ObjectId layerTableId() const { return layerTable_; }
    ObjectId linetypeTableId() const { return linetypeTable_; }
    ObjectId textStyleTableId() const { return textStyleTable_; }
    ObjectId ucsTableId() const { return ucsTable_; }
    ObjectId viewTableId() const { return viewTable_; }
    ObjectId regAppTableId() const { return regAppTable_; }
    ObjectId modelSpaceId() const { return modelSpace_; }
    ObjectId paperSpaceId() const { return paperSpace_; }
    ObjectId layerZeroId() const { return layerZero_; }
    ObjectId byLayerLinetypeId() const { return byLayer_; }
    ObjectId byBlockLinetypeId() const { return byBlock_; }
    ObjectId continuousLinetypeId() const { return continuous_; }
    ObjectId standardTextStyleId() const { return standardStyle_; }

    // The current layer (what new entities get when they name none).
    ObjectId currentLayerId() const { return currentLayer_; }
    // Only a live layer of this database can be made current.
    ErrorStatus setCurrentLayerId(ObjectId layerId);

private:
    friend void closeOpenObject(Database&, DbObject&, OpenMode);
    friend ErrorStatus changeOpenMode(Database&, DbObject&, OpenMode, OpenMode);

    ErrorStatus find(ObjectId id, OpenMode mode, bool openErased, DbObject*& object) const;
    ErrorStatus acquire(DbObject& object, OpenMode mode);
    ErrorStatus adopt(DbObject* object, ObjectId owner, ObjectId& id);
    void createStandardObjects();

    std::unordered_map<std::uint64_t, std::unique_ptr<DbObject>> objects_;
    std::uint64_t nextId_ = 1;
    std::uint64_t nextHandle_ = 1;
    int openCount_ = 0;
    std::uint64_t serial_;

    ObjectId blockTable_, layerTable_, linetypeTable_, textStyleTable_, ucsTable_, viewTable_, regAppTable_;
    ObjectId modelSpace_, paperSpace_, layerZero_, byLayer_, byBlock_, continuous_, standardStyle_;
    ObjectId currentLayer_;
};

} // namespace host

#include "host/database/BlockTable.h"
#include "host/database/Database.h"
#include "host/database/LayerTable.h"
#include "host/database/LinetypeTable.h"
#include "host/database/ModelSpace.h"
#include "host/database/RegAppTable.h"
#include "host/database/TextStyleTable.h"
#include "host/database/UcsTable.h"
#include "host/database/ViewTable.h"
#include "host/entities/Circle.h"
#include "host/entities/Line.h"

#include <gtest/gtest.h>

namespace host {
namespace {

using S = ErrorStatus;

class DatabaseTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(db.openObjectCount(), 0); }

    ObjectId appendLine(const Point3d& a = {0, 0, 0}, const Point3d& b = {1, 1, 0})
    {
        auto line = std::make_unique<Line>(a, b);
        ObjectId id;
        EXPECT_EQ(appendToModelSpace(db, line, id), S::eOk);
        return id;
    }

    template <class Table>
    std::vector<std::string> recordNames(ObjectId tableId)
    {
        std::vector<std::string> names;
        ObjectPtr<Table> table;
        EXPECT_EQ(db.openObject(table, tableId, OpenMode::Read), S::eOk);
        for (ObjectId id : table->recordIds()) {
            ObjectPtr<SymbolTableRecord> record;
            EXPECT_EQ(db.openObject(record, id, OpenMode::Read), S::eOk);
            names.push_back(record->name());
        }
        return names;
    }

    Database db;
};

TEST_F(DatabaseTest, NewDrawingHasItsStandardRecords)
{
    EXPECT_EQ(recordNames<BlockTable>(db.blockTableId()), (std::vector<std::string>{"*Model_Space", "*Paper_Space"}));
    EXPECT_EQ(recordNames<LayerTable>(db.layerTableId()), (std::vector<std::string>{"0"}));
    EXPECT_EQ(recordNames<LinetypeTable>(db.linetypeTableId()),
              (std::vector<std::string>{"ByBlock", "ByLayer", "Continuous"}));
    EXPECT_EQ(recordNames<TextStyleTable>(db.textStyleTableId()), (std::vector<std::string>{"Standard"}));
    EXPECT_TRUE(recordNames<UcsTable>(db.ucsTableId()).empty());
    EXPECT_TRUE(recordNames<ViewTable>(db.viewTableId()).empty());
    EXPECT_EQ(recordNames<RegAppTable>(db.regAppTableId()), (std::vector<std::string>{"ACAD"}));
    EXPECT_EQ(db.currentLayerId(), db.layerZeroId());

    ObjectPtr<LayerTableRecord> zero;
    ASSERT_EQ(db.openObject(zero, db.layerZeroId(), OpenMode::Read), S::eOk);
    EXPECT_EQ(zero->linetypeId(), db.continuousLinetypeId());
    EXPECT_EQ(zero->colorIndex(), 7);
}

TEST_F(DatabaseTest, OpenRulesManyReadersOrOneWriter)
{
    const ObjectId id = appendLine();
    struct Case {
        OpenMode first;
        OpenMode second;
        S expected;
    };
    for (const Case& c : {Case{OpenMode::Read, OpenMode::Read, S::eOk},
                          Case{OpenMode::Read, OpenMode::Write, S::eWasOpenForRead},
                          Case{OpenMode::Write, OpenMode::Read, S::eWasOpenForWrite},
                          Case{OpenMode::Write, OpenMode::Write, S::eWasOpenForWrite}}) {
        ObjectPtr<Line> a, b;
        ASSERT_EQ(db.openObject(a, id, c.first), S::eOk);
        EXPECT_EQ(db.openObject(b, id, c.second), c.expected);
        EXPECT_EQ(static_cast<bool>(b), c.expected == S::eOk);
        EXPECT_EQ(db.openObjectCount(), c.expected == S::eOk ? 2 : 1);
    }
    EXPECT_EQ(db.openObjectCount(), 0);
}

TEST_F(DatabaseTest, BadIdsGiveStatusesAndLeaveNothingOpen)
{
    const ObjectId line = appendLine();
    ObjectPtr<Line> asLine;
    ObjectPtr<Circle> asCircle;
    EXPECT_EQ(db.openObject(asLine, ObjectId(), OpenMode::Read), S::eNullObjectId);
    EXPECT_EQ(db.openObject(asLine, ObjectId(999999), OpenMode::Read), S::eInvalidObjectId);
    EXPECT_EQ(db.openObject(asCircle, line, OpenMode::Write), S::eWrongObjectType);
    EXPECT_EQ(db.openObject(asLine, db.layerZeroId(), OpenMode::Read), S::eWrongObjectType);
    EXPECT_FALSE(asLine);
    EXPECT_EQ(db.openObjectCount(), 0);
    EXPECT_EQ(db.erase(ObjectId()), S::eNullObjectId);
}

TEST_F(DatabaseTest, ErasedObjectsOpenOnlyForReadWhenAsked)
{
    const ObjectId id = appendLine();
    ASSERT_EQ(db.erase(id), S::eOk);
    EXPECT_EQ(db.erase(id), S::eWasErased);
    ObjectPtr<Line> line;
    EXPECT_EQ(db.openObject(line, id, OpenMode::Write), S::eWasErased);
    EXPECT_EQ(db.openObject(line, id, OpenMode::Write, true), S::eWasErased);
    EXPECT_EQ(db.openObject(line, id, OpenMode::Read), S::eWasErased);
    ASSERT_EQ(db.openObject(line, id, OpenMode::Read, true), S::eOk);
    EXPECT_TRUE(line->isErased());
    line.close();

    ObjectPtr<BlockTableRecord> modelSpace;
    ASSERT_EQ(db.openObject(modelSpace, db.modelSpaceId(), OpenMode::Read), S::eOk);
    EXPECT_TRUE(modelSpace->entityIds().empty());
    EXPECT_EQ(modelSpace->entityIds(true).size(), 1u);
    modelSpace.close();

    ASSERT_EQ(db.erase(id, false), S::eOk);
    EXPECT_EQ(db.openObject(line, id, OpenMode::Write), S::eOk);
}

TEST_F(DatabaseTest, ChangesNeedWriteAccess)
{
    const ObjectId id = appendLine();
    ObjectPtr<Line> line;
    ASSERT_EQ(db.openObject(line, id, OpenMode::Read), S::eOk);
    EXPECT_EQ(line->setStartPoint({5, 5, 5}), S::eNotOpenForWrite);
    EXPECT_EQ(line->erase(), S::eNotOpenForWrite);
    EXPECT_EQ(line->startPoint(), Point3d(0, 0, 0));

    ASSERT_EQ(line.upgradeOpen(), S::eOk);
    EXPECT_EQ(line->setStartPoint({5, 5, 5}), S::eOk);
    ASSERT_EQ(line.downgradeOpen(), S::eOk);
    EXPECT_EQ(line->setStartPoint({6, 6, 6}), S::eNotOpenForWrite);

    ObjectPtr<Line> second;
    ASSERT_EQ(db.openObject(second, id, OpenMode::Read), S::eOk);
    EXPECT_EQ(line.upgradeOpen(), S::eWasOpenForRead); // two readers: no upgrade
    EXPECT_EQ(db.openObjectCount(), 2);
}

TEST_F(DatabaseTest, AppendToModelSpaceGivesIdOfRightKind)
{
    auto circle = std::make_unique<Circle>(Point3d(3, 4, 0), Vector3d::zAxis(), 2.0);
    ObjectId id;
    ASSERT_EQ(appendToModelSpace(db, circle, id), S::eOk);
    EXPECT_EQ(circle, nullptr);
    EXPECT_FALSE(id.isNull());
    ObjectPtr<Circle> opened;
    ASSERT_EQ(db.openObject(opened, id, OpenMode::Read), S::eOk);
    EXPECT_EQ(opened->radius(), 2.0);
    EXPECT_EQ(opened->ownerId(), db.modelSpaceId());
    EXPECT_EQ(opened->layerId(), db.layerZeroId());
    EXPECT_EQ(opened->linetypeId(), db.byLayerLinetypeId());
    EXPECT_FALSE(opened->handleText().empty());
    opened.close();

    ObjectPtr<Line> wrong;
    EXPECT_EQ(db.openObject(wrong, id, OpenMode::Read), S::eWrongObjectType);
}

TEST_F(DatabaseTest, AppendFailureLeavesEntityWithCaller)
{
    std::unique_ptr<Line> nothing;
    ObjectId id(7);
    EXPECT_EQ(appendToModelSpace(db, nothing, id), S::eNullEntityPointer);
    EXPECT_TRUE(id.isNull());

    ObjectPtr<BlockTableRecord> reader;
    ASSERT_EQ(db.openObject(reader, db.modelSpaceId(), OpenMode::Read), S::eOk);
    auto line = std::make_unique<Line>(Point3d(0, 0, 0), Point3d(1, 0, 0));
    EXPECT_EQ(appendToModelSpace(db, line, id), S::eWasOpenForRead);
    ASSERT_NE(line, nullptr); // still the caller's
    reader.close();
    EXPECT_EQ(appendToModelSpace(db, line, id), S::eOk);
}

TEST_F(DatabaseTest, SymbolTableNamesAreUniqueIgnoringCase)
{
    ObjectPtr<LayerTable> layers;
    ASSERT_EQ(db.openObject(layers, db.layerTableId(), OpenMode::Read), S::eOk);
    auto record = std::make_unique<LayerTableRecord>();
    ASSERT_EQ(record->setName("Contours"), S::eOk);
    ObjectId id;
    EXPECT_EQ(layers->add(record, id), S::eNotOpenForWrite);
    ASSERT_EQ(layers.upgradeOpen(), S::eOk);
    ASSERT_EQ(layers->add(record, id), S::eOk);
    EXPECT_EQ(record, nullptr);

    auto duplicate = std::make_unique<LayerTableRecord>();
    duplicate->setName("CONTOURS");
    EXPECT_EQ(layers->add(duplicate, id), S::eDuplicateRecordName);
    auto unnamed = std::make_unique<LayerTableRecord>();
    EXPECT_EQ(layers->add(unnamed, id), S::eInvalidInput);
    auto linetype = std::make_unique<LinetypeTableRecord>();
    linetype->setName("Dashed");
    EXPECT_EQ(layers->add(linetype, id), S::eWrongObjectType);

    ObjectId found;
    EXPECT_EQ(layers->getAt("contours", found), S::eOk);
    EXPECT_EQ(layers->getAt("missing", found), S::eKeyNotFound);
    layers.close();

    ObjectPtr<LayerTableRecord> zero;
    ASSERT_EQ(db.openObject(zero, db.layerZeroId(), OpenMode::Write), S::eOk);
    EXPECT_EQ(zero->setName("Contours"), S::eDuplicateRecordName);
    EXPECT_EQ(zero->setColorIndex(256), S::eInvalidInput);
}

TEST_F(DatabaseTest, BlockDefinitionMadeInMemoryBringsItsEntities)
{
    auto block = std::make_unique<BlockTableRecord>();
    ASSERT_EQ(block->setName("Tree"), S::eOk);
    std::unique_ptr<Entity> circle = std::make_unique<Circle>(Point3d(0, 0, 0), Vector3d::zAxis(), 1.0);
    ObjectId none;
    ASSERT_EQ(block->appendEntity(circle, none), S::eOk);
    EXPECT_TRUE(none.isNull());
    EXPECT_TRUE(block->entityIds().empty());

    ObjectPtr<BlockTable> blocks;
    ASSERT_EQ(db.openObject(blocks, db.blockTableId(), OpenMode::Write), S::eOk);
    ObjectId blockId;
    ASSERT_EQ(blocks->add(block, blockId), S::eOk);
    blocks.close();

    ObjectPtr<BlockTableRecord> tree;
    ASSERT_EQ(db.openObject(tree, blockId, OpenMode::Read), S::eOk);
    EXPECT_FALSE(tree->isLayout());
    ASSERT_EQ(tree->entityIds().size(), 1u);
    ObjectPtr<Circle> member;
    ASSERT_EQ(db.openObject(member, tree->entityIds()[0], OpenMode::Read), S::eOk);
    EXPECT_EQ(member->ownerId(), blockId);
}

TEST_F(DatabaseTest, CurrentLayerMustBeALiveLayer)
{
    const ObjectId line = appendLine();
    EXPECT_EQ(db.setCurrentLayerId(line), S::eWrongObjectType);
    EXPECT_EQ(db.setCurrentLayerId(ObjectId()), S::eNullObjectId);
    EXPECT_EQ(db.currentLayerId(), db.layerZeroId());
}

} // namespace
} // namespace host

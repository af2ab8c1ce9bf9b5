#include "host/database/Database.h"
#include "host/database/ModelSpace.h"
#include "host/entities/Arc.h"
#include "host/entities/Circle.h"
#include "host/entities/LightweightPolyline.h"
#include "host/entities/Line.h"
#include "host/entities/PointEntity.h"
#include "host/entities/Polyline2d.h"
#include "host/entities/Polyline3d.h"
#include "host/entities/Text.h"
#include "host/geometry/Tolerance.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

using S = ErrorStatus;

void expectBox(const Entity& entity, const Point3d& min, const Point3d& max, const char* what)
{
    Extents3d box;
    ASSERT_EQ(entity.getGeomExtents(box), S::eOk) << what;
    EXPECT_TRUE(isEqual(box.min, min) && isEqual(box.max, max))
        << what << ": (" << box.min.x << "," << box.min.y << "," << box.min.z << ") - (" << box.max.x << ","
        << box.max.y << "," << box.max.z << ")";
}

std::unique_ptr<LightweightPolyline> lwPolyline(std::initializer_list<LwVertex> vertices, bool closed = false)
{
    auto polyline = std::make_unique<LightweightPolyline>();
    int i = 0;
    for (const LwVertex& v : vertices)
        polyline->addVertexAt(i++, v.point, v.bulge, v.startWidth, v.endWidth);
    polyline->setClosed(closed);
    return polyline;
}

TEST(EntityExtents, CurvesIncludeTheirExtremePoints)
{
    const double h = std::sqrt(0.5);
    expectBox(Line({5, 1, 0}, {2, 7, 3}), {2, 1, 0}, {5, 7, 3}, "line");
    expectBox(Circle({3.5e6, 5e5, 0}, Vector3d::zAxis(), 2), {3.5e6 - 2, 5e5 - 2, 0}, {3.5e6 + 2, 5e5 + 2, 0},
              "circle at survey coordinates");
    expectBox(Circle({0, 0, 0}, Vector3d::xAxis(), 1), {0, -1, -1}, {0, 1, 1}, "circle standing in the yz plane");
    expectBox(Arc({0, 0, 0}, Vector3d::zAxis(), 1, 0, kPi / 2), {0, 0, 0}, {1, 1, 0}, "quarter arc");
    expectBox(Arc({0, 0, 0}, Vector3d::zAxis(), 1, kPi / 4, 3 * kPi / 4), {-h, h, 0}, {h, 1, 0}, "arc over the top");
    expectBox(Arc({0, 0, 0}, Vector3d::zAxis(), 1, 3 * kPi / 2, kPi / 2), {0, -1, 0}, {1, 1, 0}, "arc through 0");
    expectBox(*lwPolyline({{{0, 0}, 1.0}, {{2, 0}, 0.0}}), {0, -1, 0}, {2, 0, 0}, "bulge 1 runs below its chord");
    expectBox(*lwPolyline({{{0, 0}, -1.0}, {{2, 0}, 0.0}}), {0, 0, 0}, {2, 1, 0}, "bulge -1 runs above");
    expectBox(*lwPolyline({{{0, 0}, 0.0}, {{2, 0}, 1.0}}, true), {0, 0, 0}, {2, 1, 0}, "closing arc runs back above");
    expectBox(PointEntity({1, 2, 3}), {1, 2, 3}, {1, 2, 3}, "point");

    Text text({10, 20, 0}, "AB", ObjectId(), 2.0);
    expectBox(text, {10, 20, 0}, {12.4, 22, 0}, "left baseline text");
    text.setHorizontalMode(1);
    text.setVerticalMode(2);
    text.setAlignmentPoint({0, 0, 0});
    expectBox(text, {-1.2, -1, 0}, {1.2, 1, 0}, "middle-centred text");

    Extents3d box;
    EXPECT_EQ(LightweightPolyline().getGeomExtents(box), S::eInvalidExtents);

    // Two Chinese characters and a digit measure alike in UTF-8 and in GBK: two wide cells and a narrow one.
    for (const char* chinese : {"\xE5\x9C\xB0\xE5\xBD\xA2" "1", "\xB5\xD8\xD0\xCE" "1"})
        EXPECT_DOUBLE_EQ(Text({0, 0, 0}, chinese, ObjectId(), 1.0).advance(), 2.0 * kWideGlyphAdvance + kNarrowGlyphAdvance);
}

TEST(EntityTransform, MirroringAnArcKeepsItsNormalAndReversesItsEnds)
{
    Arc arc({0, 0, 0}, Vector3d::zAxis(), 1, 0, kPi / 2);
    Matrix3d mirror = Matrix3d::mirroring({0, 0, 0}, Vector3d::xAxis());
    ASSERT_EQ(arc.transformBy(mirror), S::eOk);
    EXPECT_TRUE(isEqual(arc.normal(), Vector3d::zAxis()));
    EXPECT_NEAR(arc.startAngle(), kPi / 2, 1e-12);
    EXPECT_NEAR(arc.endAngle(), kPi, 1e-12);

    auto polyline = lwPolyline({{{0, 0}, 1.0, 0.5, 0.5}, {{2, 0}, 0.0, 0.5, 0.5}});
    ASSERT_EQ(polyline->transformBy(mirror), S::eOk);
    double bulge = 0;
    polyline->getBulgeAt(0, bulge);
    EXPECT_EQ(bulge, -1.0);
    expectBox(*polyline, {-2, -1, 0}, {0, 0, 0}, "mirrored polyline still runs below");

    ASSERT_EQ(polyline->transformBy(Matrix3d::scaling(2.0)), S::eOk);
    double width = 0;
    EXPECT_EQ(polyline->getConstantWidth(width), S::eOk);
    EXPECT_EQ(width, 1.0);
}

TEST(EntityTransform, RotationMovesEveryKindAlike)
{
    const Matrix3d turn = Matrix3d::rotation(kPi / 2, Vector3d::zAxis(), {1, 0, 0});
    Line line({2, 0, 0}, {3, 0, 0});
    ASSERT_EQ(line.transformBy(turn), S::eOk);
    EXPECT_TRUE(isEqual(line.endPoint(), Point3d(1, 2, 0)));

    Text text({2, 0, 0}, "x");
    ASSERT_EQ(text.transformBy(turn), S::eOk);
    EXPECT_NEAR(text.rotation(), kPi / 2, 1e-12);
    EXPECT_TRUE(isEqual(text.position(), Point3d(1, 1, 0)));

    Circle circle({0, 0, 0}, Vector3d::zAxis(), 1);
    Matrix3d stretch = Matrix3d::identity();
    stretch(0, 0) = 2.0;
    EXPECT_EQ(circle.transformBy(stretch), S::eCannotScaleNonUniformly);
    EXPECT_EQ(circle.radius(), 1.0);
}

TEST(LightweightPolylineData, VerticesWidthsAndIndexChecks)
{
    auto polyline = lwPolyline({{{0, 0}, 0.5, 1.0, 2.0}, {{4, 0}, 0.0, 0.0, 0.0}});
    double start = 0, end = 0, width = 0, bulge = 0;
    ASSERT_EQ(polyline->getWidthsAt(0, start, end), S::eOk);
    EXPECT_EQ(start, 1.0);
    EXPECT_EQ(end, 2.0);
    EXPECT_EQ(polyline->getConstantWidth(width), S::eNotApplicable);
    ASSERT_EQ(polyline->setConstantWidth(0.25), S::eOk);
    EXPECT_EQ(polyline->getConstantWidth(width), S::eOk);
    EXPECT_EQ(width, 0.25);
    EXPECT_EQ(polyline->getBulgeAt(0, bulge), S::eOk);
    EXPECT_EQ(bulge, 0.5);

    Point2d p;
    EXPECT_EQ(polyline->getPointAt(2, p), S::eInvalidInput);
    EXPECT_EQ(polyline->getPointAt(-1, p), S::eInvalidInput);
    EXPECT_EQ(polyline->setBulgeAt(5, 1.0), S::eInvalidInput);
    EXPECT_EQ(polyline->addVertexAt(3, {1, 1}), S::eInvalidInput);
    EXPECT_EQ(polyline->addVertexAt(0, {1, 1}, 0, -1, 0), S::eInvalidInput);
    EXPECT_EQ(polyline->removeVertexAt(2), S::eInvalidInput);

    polyline->setElevation(5.0);
    polyline->setNormal({0, 0, -1});
    Point3d world;
    ASSERT_EQ(polyline->getPointAt(1, world), S::eOk);
    EXPECT_TRUE(isEqual(world, Point3d(-4, 0, -5))) << world.x << " " << world.z; // x axis of a -z plane is -x
}

TEST(PolylineWidths, WidthsThatAreNegativeOrNotFiniteAreRefusedAndChangeNothing)
{
    for (const double bad : {-1.0, std::nan(""), HUGE_VAL}) {
        auto lw = lwPolyline({{{0, 0}, 0.0, 1.0, 2.0}, {{4, 0}, 0.0, 1.0, 2.0}});
        EXPECT_EQ(lw->addVertexAt(0, {1, 1}, 0.0, bad, 0.0), S::eInvalidInput) << bad;
        EXPECT_EQ(lw->addVertexAt(0, {1, 1}, 0.0, 0.0, bad), S::eInvalidInput) << bad;
        EXPECT_EQ(lw->setWidthsAt(1, 0.5, bad), S::eInvalidInput) << bad;
        EXPECT_EQ(lw->setConstantWidth(bad), S::eInvalidInput) << bad;
        EXPECT_EQ(lw->numVerts(), 2) << bad;
        double start = 0, end = 0;
        ASSERT_EQ(lw->getWidthsAt(1, start, end), S::eOk);
        EXPECT_EQ(start, 1.0) << bad;
        EXPECT_EQ(end, 2.0) << bad;

        Vertex2d vertex({0, 0}, 0.0, 1.0, 2.0);
        EXPECT_EQ(vertex.setWidths(bad, 1.0), S::eInvalidInput) << bad;
        EXPECT_EQ(vertex.startWidth(), 1.0) << bad;
        Polyline2d polyline;
        ASSERT_EQ(polyline.setDefaultWidths(1.0, 2.0), S::eOk);
        EXPECT_EQ(polyline.setDefaultWidths(1.0, bad), S::eInvalidInput) << bad;
        EXPECT_EQ(polyline.defaultEndWidth(), 2.0) << bad;
    }
}

class PolylineWithVertices : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(db.openObjectCount(), 0); }

    ObjectId appendPolyline2d()
    {
        auto polyline = std::make_unique<Polyline2d>();
        for (const Point2d& p : {Point2d(0, 0), Point2d(4, 0), Point2d(4, 3)}) {
            auto vertex = std::make_unique<Vertex2d>(p, p.x == 0 ? 1.0 : 0.0);
            ObjectId none;
            EXPECT_EQ(polyline->appendVertex(vertex, none), S::eOk);
            EXPECT_TRUE(none.isNull()); // not in a database yet
        }
        polyline->setClosed(true);
        EXPECT_TRUE(polyline->vertexIds().empty()); // in memory: no ids yet
        EXPECT_EQ(polyline->vertexValues().size(), 3u);
        ObjectId id;
        EXPECT_EQ(appendToModelSpace(db, polyline, id), S::eOk);
        return id;
    }

    Database db;
};

TEST_F(PolylineWithVertices, VerticesBecomeObjectsOwnedByThePolyline)
{
    const ObjectId id = appendPolyline2d();
    ObjectPtr<Polyline2d> polyline;
    ASSERT_EQ(db.openObject(polyline, id, OpenMode::Read), S::eOk);
    const std::vector<ObjectId> vertexIds = polyline->vertexIds();
    ASSERT_EQ(vertexIds.size(), 3u);
    for (ObjectId vertexId : vertexIds) {
        ObjectPtr<Vertex2d> vertex;
        ASSERT_EQ(db.openObject(vertex, vertexId, OpenMode::Read), S::eOk);
        EXPECT_EQ(vertex->ownerId(), id);
    }
    expectBox(*polyline, {0, -2, 0}, {4, 3, 0}, "2D polyline with a bulge");

    ASSERT_EQ(polyline.upgradeOpen(), S::eOk);
    auto fourth = std::make_unique<Vertex2d>(Point2d(0, 3));
    ObjectId fourthId;
    ASSERT_EQ(polyline->appendVertex(fourth, fourthId), S::eOk);
    EXPECT_FALSE(fourthId.isNull());
    EXPECT_EQ(polyline->vertexIds().size(), 4u);
}

TEST_F(PolylineWithVertices, TransformMovesVerticesUnlessOneIsHeldOpen)
{
    const ObjectId id = appendPolyline2d();
    ObjectPtr<Polyline2d> polyline;
    ASSERT_EQ(db.openObject(polyline, id, OpenMode::Write), S::eOk);
    ObjectPtr<Vertex2d> held;
    ASSERT_EQ(db.openObject(held, polyline->vertexIds()[1], OpenMode::Read), S::eOk);
    const Matrix3d move = Matrix3d::translation({3.5e6, 5e5, 0});
    EXPECT_EQ(polyline->transformBy(move), S::eWasOpenForRead);
    EXPECT_EQ(polyline->vertexValues()[0].position(), Point2d(0, 0));
    held.close();

    ASSERT_EQ(polyline->transformBy(move), S::eOk);
    EXPECT_EQ(db.openObjectCount(), 1);
    const std::vector<Vertex2d> moved = polyline->vertexValues();
    EXPECT_TRUE(isEqual(moved[2].position(), Point2d(3.5e6 + 4, 5e5 + 3)));
    EXPECT_EQ(moved[0].bulge(), 1.0);
}

TEST_F(PolylineWithVertices, ErasingThePolylineErasesItsVerticesAndCopiesAreIndependent)
{
    const ObjectId id = appendPolyline2d();
    std::unique_ptr<Entity> copy;
    {
        ObjectPtr<Polyline2d> polyline;
        ASSERT_EQ(db.openObject(polyline, id, OpenMode::Read), S::eOk);
        ASSERT_EQ(polyline->getTransformedCopy(Matrix3d::translation({0, 10, 0}), copy), S::eOk);
    }
    ObjectId copyId;
    ASSERT_EQ(appendToModelSpace(db, copy, copyId), S::eOk);

    std::vector<ObjectId> vertexIds;
    {
        ObjectPtr<Polyline2d> polyline;
        ASSERT_EQ(db.openObject(polyline, id, OpenMode::Read), S::eOk);
        vertexIds = polyline->vertexIds();
    }
    {
        // A vertex held open by someone else stops the erase: polyline and vertices stay as they are.
        ObjectPtr<Vertex2d> held;
        ASSERT_EQ(db.openObject(held, vertexIds[1], OpenMode::Read), S::eOk);
        EXPECT_EQ(db.erase(id), S::eWasOpenForRead);
        EXPECT_TRUE(db.isKindOf<Polyline2d>(id));
        for (ObjectId vertexId : vertexIds)
            EXPECT_TRUE(db.isKindOf<Vertex2d>(vertexId));
    }
    ASSERT_EQ(db.erase(id), S::eOk);
    for (ObjectId vertexId : vertexIds) {
        ObjectPtr<Vertex2d> vertex;
        EXPECT_EQ(db.openObject(vertex, vertexId, OpenMode::Read), S::eWasErased);
    }
    ObjectPtr<Polyline2d> survivor;
    ASSERT_EQ(db.openObject(survivor, copyId, OpenMode::Read), S::eOk);
    ASSERT_EQ(survivor->vertexValues().size(), 3u);
    EXPECT_EQ(survivor->vertexValues()[2].position(), Point2d(4, 13));
}

TEST_F(PolylineWithVertices, ThreeDimensionalPolyline)
{
    auto polyline = std::make_unique<Polyline3d>();
    for (const Point3d& p : {Point3d(0, 0, 5), Point3d(3, 4, -1)}) {
        auto vertex = std::make_unique<Vertex3d>(p);
        ObjectId none;
        ASSERT_EQ(polyline->appendVertex(vertex, none), S::eOk);
    }
    ObjectId id;
    ASSERT_EQ(appendToModelSpace(db, polyline, id), S::eOk);
    ObjectPtr<Polyline3d> opened;
    ASSERT_EQ(db.openObject(opened, id, OpenMode::Write), S::eOk);
    expectBox(*opened, {0, 0, -1}, {3, 4, 5}, "3D polyline");
    ASSERT_EQ(opened->transformBy(Matrix3d::translation({1, 1, 1})), S::eOk);
    EXPECT_EQ(opened->vertexPositions()[1], Point3d(4, 5, 0));
}

TEST_F(PolylineWithVertices, CommonPropertiesAreChecked)
{
    const ObjectId polylineId = appendPolyline2d();
    auto line = std::make_unique<Line>(Point3d(0, 0, 0), Point3d(1, 0, 0));
    EXPECT_EQ(line->setColorIndex(257), S::eInvalidInput);
    EXPECT_EQ(line->setLineweight(17), S::eInvalidInput);
    EXPECT_EQ(line->setLinetypeScale(0.0), S::eInvalidInput);
    ASSERT_EQ(line->setColor(Color::fromRgb(10, 20, 30)), S::eOk);
    ASSERT_EQ(line->setLineweight(35), S::eOk);
    ASSERT_EQ(line->setVisibility(false), S::eOk);
    ObjectId lineId;
    ASSERT_EQ(appendToModelSpace(db, line, lineId), S::eOk);

    ObjectPtr<Line> opened;
    ASSERT_EQ(db.openObject(opened, lineId, OpenMode::Write), S::eOk);
    EXPECT_EQ(opened->setLayer(polylineId), S::eWrongObjectType);
    EXPECT_EQ(opened->setLinetype(db.layerZeroId()), S::eWrongObjectType);
    EXPECT_EQ(opened->setLinetype(db.continuousLinetypeId()), S::eOk);
    EXPECT_EQ(opened->color().rgb(), 0x0A141Eu);

    ObjectPtr<Polyline2d> target;
    ASSERT_EQ(db.openObject(target, polylineId, OpenMode::Write), S::eOk);
    ASSERT_EQ(target->setPropertiesFrom(*opened), S::eOk);
    EXPECT_EQ(target->lineweight(), 35);
    EXPECT_FALSE(target->isVisible());
    EXPECT_EQ(target->linetypeId(), db.continuousLinetypeId());
    ASSERT_EQ(target->setColorIndex(3), S::eOk);
    // The vertices follow their polyline.
    for (ObjectId vertexId : target->vertexIds()) {
        ObjectPtr<Vertex2d> vertex;
        ASSERT_EQ(db.openObject(vertex, vertexId, OpenMode::Read), S::eOk);
        EXPECT_EQ(vertex->colorIndex(), 3);
        EXPECT_EQ(vertex->lineweight(), 35);
    }
}

} // namespace
} // namespace host

#include "host/application/Application.h"
#include "host/database/ModelSpace.h"
#include "host/entities/Line.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

class UserInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        application().newDrawing();
        input().setSource(&script);
    }
    void TearDown() override
    {
        EXPECT_EQ(application().workingDatabase().openObjectCount(), 0);
        input().setSource(nullptr);
    }
    static UserInput& input() { return application().input(); }

    ScriptedInput script;
};

TEST_F(UserInputTest, GetPointAnswersEveryStatus)
{
    struct Case {
        InputEvent event;
        int status;
    };
    const Case cases[] = {{InputEvent::pointAt({1, 2, 3}), rt::kNormal}, {InputEvent::keyword("Close"), rt::kKeyword},
                          {InputEvent::keyword("a"), rt::kKeyword},       {InputEvent::cancel(), rt::kCancel},
                          {InputEvent::error(), rt::kError},              {InputEvent::enter(), rt::kNone}};
    for (const Case& c : cases) {
        script.add(c.event);
        input().prepareInput(0, "Arc Close");
        Point3d point;
        EXPECT_EQ(input().getPoint(nullptr, "Next point: ", point), c.status) << int(c.event.type) << c.event.text;
        EXPECT_EQ(script.remaining(), 0u);
    }
    Point3d point;
    EXPECT_EQ(input().getPoint(nullptr, "Nothing left: ", point), rt::kCancel); // an exhausted script cancels
    EXPECT_NE(application().commandLine().text().find("Next point: "), std::string::npos);
}

TEST_F(UserInputTest, KeywordsAreRetrievedOnceAndTruncatedToTheBuffer)
{
    script.keyword("cl");
    input().prepareInput(0, "Arc Close CLip");
    Point3d point;
    // Two keywords start with "cl": the typed text matches neither, is asked again, and the script runs out.
    EXPECT_EQ(input().getPoint(nullptr, "", point), rt::kCancel);
    char buffer[kKeywordBufferSize];
    EXPECT_EQ(input().getKeyword(buffer), rt::kError);

    script.keyword("clo");
    input().prepareInput(0, "Arc Close CLip");
    ASSERT_EQ(input().getPoint(nullptr, "", point), rt::kKeyword);
    char small[4];
    ASSERT_EQ(input().getKeyword(small, sizeof small), rt::kNormal);
    EXPECT_STREQ(small, "Clo");
    EXPECT_EQ(input().getKeyword(buffer), rt::kError); // taken already

    script.keyword("anything goes");
    input().prepareInput(kInputArbitrary, "Arc");
    ASSERT_EQ(input().getPoint(nullptr, "", point), rt::kKeyword);
    ASSERT_EQ(input().getKeyword(buffer), rt::kNormal);
    EXPECT_STREQ(buffer, "anything goes");
}

TEST_F(UserInputTest, RefusedInputIsAskedAgain)
{
    // Enter refused by the flags, a keyword not in the list, a text: each is asked again.
    script.enter().keyword("Zoom").text("abc").point({4, 5, 0});
    input().prepareInput(kInputNoNull, "Arc");
    Point3d point;
    EXPECT_EQ(input().getPoint(nullptr, "", point), rt::kNormal);
    EXPECT_EQ(point, Point3d(4, 5, 0));

    // Numbers that are not finite are refused and asked again, whichever call reads them.
    const double nan = std::nan("");
    script.point({nan, 0, 0}).point({0, HUGE_VAL, 0}).point({1, 2, 3});
    EXPECT_EQ(input().getPoint(nullptr, "", point), rt::kNormal);
    EXPECT_EQ(point, Point3d(1, 2, 3));
    double distance = 0;
    script.distance(nan).distance(-HUGE_VAL).point({0, 0, nan}).distance(2.5);
    EXPECT_EQ(input().getDistance(nullptr, "", distance), rt::kNormal);
    EXPECT_EQ(distance, 2.5);

    // Flags hold for one call only.
    script.enter();
    EXPECT_EQ(input().getPoint(nullptr, "", point), rt::kNone);
}

TEST_F(UserInputTest, DistancesTextsAndPicks)
{
    const Point3d base(1, 1, 0);
    double distance = 0;
    script.distance(0.0).distance(-2.0).point({4, 5, 0});
    input().prepareInput(kInputNoZero | kInputNoNegative, "");
    ASSERT_EQ(input().getDistance(&base, "", distance), rt::kNormal);
    EXPECT_EQ(distance, 5.0);
    script.point({0, 0, 0}).point({0, 3, 4});
    ASSERT_EQ(input().getDistance(nullptr, "", distance), rt::kNormal);
    EXPECT_EQ(distance, 5.0);

    std::string text;
    script.text("20,3 more").text("with spaces kept").enter().cancel();
    ASSERT_EQ(input().getText(false, "", text), rt::kNormal);
    EXPECT_EQ(text, "20,3");
    ASSERT_EQ(input().getText(true, "", text), rt::kNormal);
    EXPECT_EQ(text, "with spaces kept");
    ASSERT_EQ(input().getText(true, "", text), rt::kNormal);
    EXPECT_EQ(text, "");
    EXPECT_EQ(input().getText(true, "", text), rt::kCancel);

    Database& db = application().workingDatabase();
    auto line = std::make_unique<Line>(Point3d(0, 0, 0), Point3d(10, 0, 0));
    ObjectId lineId;
    ASSERT_EQ(appendToModelSpace(db, line, lineId), ErrorStatus::eOk);
    EntityName name;
    Point3d picked;
    script.pick(lineId, {5, 0, 0});
    ASSERT_EQ(input().pickEntity("Select: ", name, picked), rt::kNormal);
    ObjectId back;
    ASSERT_EQ(idFromName(db, name, back), ErrorStatus::eOk);
    EXPECT_EQ(back, lineId);
    EXPECT_EQ(picked, Point3d(5, 0, 0));

    script.pick(ObjectId(), {50, 50, 0}); // a miss
    EXPECT_EQ(input().pickEntity("", name, picked), rt::kError);
    ASSERT_EQ(db.erase(lineId), ErrorStatus::eOk);
    script.pick(lineId, {5, 0, 0});
    EXPECT_EQ(input().pickEntity("", name, picked), rt::kError);
    script.pick(db.layerZeroId(), {5, 0, 0}); // not an entity
    EXPECT_EQ(input().pickEntity("", name, picked), rt::kError);
}

TEST_F(UserInputTest, NamesBelongToTheirDrawing)
{
    Database& db = application().workingDatabase();
    EntityName name;
    ObjectId id;
    EXPECT_EQ(nameFromId(db, ObjectId(), name), ErrorStatus::eNullObjectId);
    EXPECT_EQ(nameFromId(db, ObjectId(987654), name), ErrorStatus::eInvalidObjectId);
    ASSERT_EQ(nameFromId(db, db.modelSpaceId(), name), ErrorStatus::eOk);
    Database other;
    EXPECT_EQ(idFromName(other, name, id), ErrorStatus::eInvalidObjectId);
    EXPECT_EQ(idFromName(db, EntityName(), id), ErrorStatus::eNullObjectId);
}

} // namespace
} // namespace host

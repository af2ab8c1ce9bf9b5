#include "host/application/Application.h"
#include "host/database/LayerTable.h"

#include <gtest/gtest.h>

#include <cmath>

namespace host {
namespace {

class SystemVariablesTest : public ::testing::Test {
protected:
    void SetUp() override { application().newDrawing(); }
    void TearDown() override { EXPECT_EQ(application().workingDatabase().openObjectCount(), 0); }

    // Reads one variable, checks its kind and hands back the list (freed by the caller).
    ResultBuffer* read(const char* name, int expectedKind)
    {
        ResultBuffer* value = nullptr;
        EXPECT_EQ(application().getVariable(name, value), rt::kNormal) << name;
        EXPECT_NE(value, nullptr) << name;
        if (value != nullptr) {
            EXPECT_EQ(value->kind, expectedKind) << name;
        }
        return value;
    }
};

TEST_F(SystemVariablesTest, DefaultsByKind)
{
    struct Case {
        const char* name;
        int kind;
    };
    for (const Case& c : {Case{"OSMODE", kind::kShort}, Case{"snapang", kind::kReal}, Case{"SNAPUNIT", kind::kPoint},
                          Case{"LASTPOINT", kind::kPoint3}, Case{"CLAYER", kind::kText},
                          Case{"CMDECHO", kind::kShort}, Case{"DRAWORDERCTL", kind::kShort},
                          Case{"VIEWCTR", kind::kPoint3}, Case{"SCREENSIZE", kind::kPoint}})
        freeList(read(c.name, c.kind));

    ResultBuffer* osmode = read("OSMODE", kind::kShort);
    EXPECT_EQ(osmode->value.shortValue, 4133);
    freeList(osmode);
    ResultBuffer* layer = read("CLAYER", kind::kText);
    EXPECT_STREQ(layer->value.text, "0");
    freeList(layer);
}

TEST_F(SystemVariablesTest, UnknownNamesWrongKindsAndReadOnlyVariablesAreErrors)
{
    ResultBuffer* value = reinterpret_cast<ResultBuffer*>(1);
    EXPECT_EQ(application().getVariable("NOSUCHVAR", value), rt::kError);
    EXPECT_EQ(value, nullptr);

    ResultBuffer* text = buildList(kind::kText, "x", 0);
    ResultBuffer* shortValue = buildList(kind::kShort, 0, 0);
    ResultBuffer* real = buildList(kind::kReal, 1.0, 0);
    EXPECT_EQ(application().setVariable("NOSUCHVAR", shortValue), rt::kError);
    EXPECT_EQ(application().setVariable("OSMODE", text), rt::kError);
    EXPECT_EQ(application().setVariable("OSMODE", real), rt::kError);
    EXPECT_EQ(application().setVariable("OSMODE", nullptr), rt::kError);
    EXPECT_EQ(application().setVariable("VIEWSIZE", real), rt::kError); // read-only
    EXPECT_EQ(application().setVariable("SNAPANG", shortValue), rt::kNormal); // a real takes a short
    EXPECT_EQ(application().setVariable("osmode", shortValue), rt::kNormal);
    freeList(text);
    freeList(shortValue);
    freeList(real);

    // Numbers that are not finite are refused and the variable keeps its value.
    const double badPoint[3] = {1.0, std::nan(""), 0.0};
    for (ResultBuffer* bad : {buildList(kind::kReal, std::nan(""), 0), buildList(kind::kReal, HUGE_VAL, 0),
                              buildList(kind::kPoint, badPoint, 0), buildList(kind::kPoint3, badPoint, 0)}) {
        EXPECT_EQ(application().setVariable("SNAPANG", bad), rt::kError);
        EXPECT_EQ(application().setVariable("SNAPUNIT", bad), rt::kError);
        EXPECT_EQ(application().setVariable("LASTPOINT", bad), rt::kError);
        freeList(bad);
    }
    ResultBuffer* angle = read("SNAPANG", kind::kReal);
    EXPECT_EQ(angle->value.real, 0.0);
    freeList(angle);
    ResultBuffer* spacing = read("SNAPUNIT", kind::kPoint);
    EXPECT_EQ(spacing->value.point[1], 10.0);
    freeList(spacing);

    ResultBuffer* osmode = read("OSMODE", kind::kShort);
    EXPECT_EQ(osmode->value.shortValue, 0);
    freeList(osmode);
    application().newDrawing();
    osmode = read("OSMODE", kind::kShort);
    EXPECT_EQ(osmode->value.shortValue, 4133); // a new drawing starts from the defaults
    freeList(osmode);
}

TEST_F(SystemVariablesTest, PointVariablesTakeEitherPointKind)
{
    const double p[3] = {3.5e6, 5e5, 12.0};
    ResultBuffer* point3 = buildList(kind::kPoint3, p, 0);
    ASSERT_EQ(application().setVariable("SNAPBASE", point3), rt::kNormal);
    ASSERT_EQ(application().setVariable("LASTPOINT", point3), rt::kNormal);
    freeList(point3);
    ResultBuffer* base = read("SNAPBASE", kind::kPoint);
    EXPECT_EQ(base->value.point[0], 3.5e6);
    EXPECT_EQ(base->value.point[2], 0.0);
    freeList(base);
    ResultBuffer* last = read("LASTPOINT", kind::kPoint3);
    EXPECT_EQ(last->value.point[2], 12.0);
    freeList(last);
}

TEST_F(SystemVariablesTest, CurrentLayerFollowsTheDrawing)
{
    Database& db = application().workingDatabase();
    ObjectId layerId;
    {
        ObjectPtr<LayerTable> layers;
        ASSERT_EQ(db.openObject(layers, db.layerTableId(), OpenMode::Write), ErrorStatus::eOk);
        auto layer = std::make_unique<LayerTableRecord>();
        layer->setName("Contours");
        ASSERT_EQ(layers->add(layer, layerId), ErrorStatus::eOk);
    }
    ResultBuffer* missing = buildList(kind::kText, "Nowhere", 0);
    EXPECT_EQ(application().setVariable("CLAYER", missing), rt::kError);
    freeList(missing);
    ResultBuffer* name = buildList(kind::kText, "contours", 0);
    EXPECT_EQ(application().setVariable("CLAYER", name), rt::kNormal);
    freeList(name);
    EXPECT_EQ(db.currentLayerId(), layerId);
    ResultBuffer* current = read("CLAYER", kind::kText);
    EXPECT_STREQ(current->value.text, "Contours");
    freeList(current);
}

TEST_F(SystemVariablesTest, CoordinateSystemVariablesAreLive)
{
    ASSERT_EQ(application().coordinates().setUcs({100, 200, 0}, {0, 1, 0}, {-1, 0, 0}), ErrorStatus::eOk);
    ResultBuffer* origin = read("UCSORG", kind::kPoint3);
    EXPECT_EQ(origin->value.point[1], 200.0);
    freeList(origin);
    ResultBuffer* xdir = read("UCSXDIR", kind::kPoint3);
    EXPECT_EQ(xdir->value.point[1], 1.0);
    freeList(xdir);
    ResultBuffer* world = read("WORLDUCS", kind::kShort);
    EXPECT_EQ(world->value.shortValue, 0);
    freeList(world);
    // The view's target, the world origin, read in this user system.
    ResultBuffer* target = read("TARGET", kind::kPoint3);
    EXPECT_NEAR(target->value.point[0], -200.0, 1e-9);
    EXPECT_NEAR(target->value.point[1], 100.0, 1e-9);
    freeList(target);
}

} // namespace
} // namespace host

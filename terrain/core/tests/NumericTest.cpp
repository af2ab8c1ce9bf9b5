#include "terrain/core/Numeric.h"

#include "host/geometry/Tolerance.h"

#include <gtest/gtest.h>

#include <vector>

namespace terrain {
namespace {

template <class Array, class T>
Array arrayOf(std::initializer_list<T> values)
{
    Array a;
    for (const T& v : values)
        a.append(v);
    return a;
}

TEST(Numeric, RoundToAndPower10)
{
    struct Case {
        double x;
        int decimals;
        double expected;
    };
    for (const Case& c : {Case{2.346, 2, 2.35}, Case{7.8, -1, 8.0}, Case{-2.5, 0, -2.0}, Case{2.5, 0, 3.0},
                          Case{-2.346, 2, -2.34}, Case{3.14159, 4, 3.1416}, Case{0.0, 3, 0.0}})
        EXPECT_DOUBLE_EQ(roundTo(c.x, c.decimals), c.expected) << c.x << " at " << c.decimals;

    struct Power {
        double base;
        int exponent;
        double expected;
    };
    for (const Power& p : {Power{10, 0, 1}, Power{10, 3, 1000}, Power{10, -2, 0.01}, Power{2, 10, 1024},
                           Power{2, -3, 0.125}, Power{-3, 3, -27}})
        EXPECT_DOUBLE_EQ(power10(p.base, p.exponent), p.expected) << p.base << "^" << p.exponent;
    EXPECT_DOUBLE_EQ(power10(2.0, -2147483647 - 1), 0.0); // the most negative exponent does not overflow
}

TEST(Numeric, RandomBetweenStaysInRange)
{
    for (int i = 0; i < 200; ++i) {
        const double r = randomBetween(-5.0, 7.0);
        EXPECT_GE(r, -5.0);
        EXPECT_LE(r, 7.0);
        const double s = randomBetween();
        EXPECT_GE(s, 0.0);
        EXPECT_LE(s, kRandomUpperBound);
    }
}

TEST(Numeric, ExchangeSortsBothDirections)
{
    for (int ascending : {0, 1}) {
        IntArray ints = arrayOf<IntArray>({3, 1, 2});
        EXPECT_EQ(sortInts(ints, ascending), 2);
        const std::vector<int> expected = ascending ? std::vector<int>{1, 2, 3} : std::vector<int>{3, 2, 1};
        EXPECT_EQ((std::vector<int>{ints[0], ints[1], ints[2]}), expected);

        DoubleArray doubles = arrayOf<DoubleArray>({0.5, -1.0, 0.5, 9.0});
        EXPECT_EQ(sortDoubles(doubles, ascending), 3);
        const std::vector<double> expectedD =
            ascending ? std::vector<double>{-1.0, 0.5, 0.5, 9.0} : std::vector<double>{9.0, 0.5, 0.5, -1.0};
        EXPECT_EQ((std::vector<double>{doubles[0], doubles[1], doubles[2], doubles[3]}), expectedD);
    }
    IntArray empty;
    EXPECT_EQ(sortInts(empty, 1), -1);
}

TEST(Numeric, ReverseIds)
{
    IdArray ids = arrayOf<IdArray>({EntityId(1), EntityId(2), EntityId(3)});
    reverseIds(ids);
    ASSERT_EQ(ids.count(), 3);
    EXPECT_EQ(ids[0], EntityId(3));
    EXPECT_EQ(ids[2], EntityId(1));
}

TEST(Numeric, IndexOfMaxTakesFirstOfEqualMaxima)
{
    double value = -1.0;
    EXPECT_EQ(indexOfMax(arrayOf<DoubleArray>({5.0, 9.0, 9.0}), value), 1);
    EXPECT_EQ(value, 9.0);
    value = 42.0;
    EXPECT_EQ(indexOfMax(DoubleArray(), value), -1);
    EXPECT_EQ(value, 42.0);
}

TEST(Numeric, SearchesFindFirstMatch)
{
    EXPECT_EQ(indexOfValue(2.0 + 1e-10, arrayOf<DoubleArray>({1.0, 2.0, 2.0})), 1);
    EXPECT_EQ(indexOfValue(2.001, arrayOf<DoubleArray>({1.0, 2.0})), -1);
    EXPECT_EQ(indexOfInt(7, arrayOf<IntArray>({1, 7, 7})), 1);
    EXPECT_EQ(indexOfInt(8, arrayOf<IntArray>({1, 7})), -1);
    EXPECT_EQ(indexOfId(EntityId(5), arrayOf<IdArray>({EntityId(4), EntityId(5)})), 1);
    EXPECT_EQ(indexOfId(EntityId(6), IdArray()), -1);
    TextList texts;
    texts.add("a");
    texts.add("b");
    EXPECT_EQ(indexOfText("b", texts), 1);
    EXPECT_EQ(indexOfText("B", texts), -1);
    EXPECT_THROW(texts.at(2), std::out_of_range);
}

TEST(Numeric, IndexOfPointWithinGlobalToleranceNearOriginAndAtSurveyCoordinates)
{
    const double eps = host::globalTolerance().equalPoint;
    for (const Point3 base : {Point3(1.0, 2.0, 0.0), Point3(3.5e6, 5e5, 120.0)}) {
        const double magnitude = host::coordinateMagnitude(toHost(base));
        const double within = host::globalTolerance().pointTolerance(magnitude) * 0.5;
        PointArray points = arrayOf<PointArray>({Point3(0, 0, 0), Point3(base.x + within, base.y, base.z), base});
        EXPECT_EQ(indexOfPoint(base, points), 1) << base.x;
        EXPECT_EQ(indexOfPoint(Point3(base.x + 1e-3, base.y, base.z), points), -1) << base.x;
    }
    EXPECT_GT(eps, 0.0);
}

TEST(Numeric, IsLeftTurn)
{
    struct Case {
        Point3 a, b, c;
        bool left;
    };
    for (const Case& c : {Case{{0, 0}, {1, 0}, {1, 1}, true}, Case{{0, 0}, {1, 0}, {1, -1}, false},
                          Case{{0, 0}, {1, 1}, {2, 2}, false}, Case{{0, 0}, {1, 1}, {0, 0}, false},
                          Case{{3.5e6, 5e5}, {3.5e6 + 1, 5e5 + 1}, {3.5e6 + 2, 5e5 + 2}, false}})
        EXPECT_EQ(isLeftTurn(c.a, c.b, c.c), c.left) << c.c.x << "," << c.c.y;
}

} // namespace
} // namespace terrain

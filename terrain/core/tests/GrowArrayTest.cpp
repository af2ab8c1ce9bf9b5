#include "terrain/core/Arrays.h"

#include <gtest/gtest.h>

#include <vector>

namespace terrain {
namespace {

TEST(GrowArray, NineAppendsGrowCapacityEightThenSixteen)
{
    PointArray points;
    std::vector<int> capacities;
    for (int i = 0; i < 9; ++i) {
        ASSERT_TRUE(points.append(Point3(i, 2.0 * i, 0.0)));
        capacities.push_back(points.capacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{8, 8, 8, 8, 8, 8, 8, 8, 16}));
    ASSERT_EQ(points.count(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(points[i], Point3(i, 2.0 * i, 0.0));
}

TEST(GrowArray, NegativeSetCountLeavesEmptyWithoutStorage)
{
    DoubleArray values;
    values.setCount(-3);
    EXPECT_EQ(values.count(), 0);
    EXPECT_EQ(values.capacity(), 0);
    EXPECT_EQ(values.data(), nullptr);
}

TEST(GrowArray, SetCountFillsNewStorageByInstance)
{
    PointArray points;
    points.setCount(5);
    EXPECT_EQ(points.capacity(), 8); // max(5, 0 + max(min(0, cap), 8))
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(points[i], Point3());

    IdArray ids;
    ids.setCount(20);
    EXPECT_EQ(ids.capacity(), 20);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(ids[i].isNull());

    ids.setCount(21); // 20 + max(min(20, 8192), 8)
    EXPECT_EQ(ids.capacity(), 40);
}

TEST(GrowArray, AppendAllOfEmptyChangesNothingAndOtherwiseGrowsExactly)
{
    IntArray a(3, 8);
    a.append(1);
    IntArray empty;
    a.appendAll(empty);
    EXPECT_EQ(a.count(), 1);
    EXPECT_EQ(a.capacity(), 3);

    IntArray b;
    for (int v : {2, 3, 4, 5})
        b.append(v);
    a.appendAll(b);
    EXPECT_EQ(a.capacity(), 5); // exactly count + other.count, no growth step
    ASSERT_EQ(a.count(), 5);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a[i], i + 1);

    a.appendAll(a); // itself
    ASSERT_EQ(a.count(), 10);
    EXPECT_EQ(a[9], 5);
}

TEST(GrowArray, InsertingOwnElementAcrossReallocationCopiesItFirst)
{
    PointArray points;
    for (int i = 0; i < 8; ++i)
        points.append(Point3(i, i, i));
    ASSERT_EQ(points.capacity(), points.count()); // full: the insert reallocates
    points.insertAt(0, points[7]);
    EXPECT_EQ(points.capacity(), 16);
    ASSERT_EQ(points.count(), 9);
    EXPECT_EQ(points[0], Point3(7, 7, 7));
    EXPECT_EQ(points[1], Point3(0, 0, 0));
    EXPECT_EQ(points[8], Point3(7, 7, 7));
}

TEST(GrowArray, InsertAndRemoveOutsideTheRangeChangeNothing)
{
    IntArray values;
    EXPECT_FALSE(values.insertAt(1, 5));
    EXPECT_FALSE(values.insertAt(-1, 5));
    values.removeAt(0); // empty: nothing
    values.append(1);
    values.append(2);
    values.append(3);
    values.removeAt(3);
    values.removeAt(-1);
    values.removeAt(1);
    ASSERT_EQ(values.count(), 2);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 3);
}

TEST(GrowArray, LargeArrayGrowsByAtMostSixtyFourKibibytes)
{
    struct Case {
        int size;
        int expected;
    };
    // One step from full: size + max(min(size, cap), 8).
    for (const Case& c : {Case{8, 16}, Case{2730, 5460}, Case{10000, 12730}}) {
        PointArray points(c.size, 8);
        points.setCount(c.size);
        points.append(Point3());
        EXPECT_EQ(points.capacity(), c.expected) << c.size;
    }
    IntArray ints(100000, 8);
    ints.setCount(100000);
    ints.append(1);
    EXPECT_EQ(ints.capacity(), 100000 + 16384);
}

TEST(GrowArray, SetCapacityShrinkingClipsCountAndZeroFrees)
{
    DoubleArray values;
    for (int i = 0; i < 10; ++i)
        values.append(i * 0.5);
    values.setCapacity(4);
    EXPECT_EQ(values.capacity(), 4);
    ASSERT_EQ(values.count(), 4);
    EXPECT_EQ(values[3], 1.5);
    values.setCapacity(0);
    EXPECT_EQ(values.count(), 0);
    EXPECT_EQ(values.data(), nullptr);
}

struct RefusingStorage {
    static void* allocate(std::size_t) { return nullptr; }
    static void release(void* p) { ::operator delete(p); }
};

TEST(GrowArray, FailedAllocationLeavesCapacityAndCountZero)
{
    GrowArray<double, StorageUninitialised, RefusingStorage> values;
    values.setCapacity(10);
    EXPECT_EQ(values.capacity(), 0);
    EXPECT_EQ(values.count(), 0);
    EXPECT_FALSE(values.append(1.0));
    values.setCount(3);
    EXPECT_EQ(values.count(), 0);
}

TEST(GrowArray, CopiesAreIndependentWithSameShape)
{
    Point2Array a(5, 4);
    a.append(Point2(1, 2));
    a.append(Point2(3, 4));
    Point2Array b(a);
    EXPECT_EQ(b.capacity(), 5);
    EXPECT_EQ(b.growStep(), 4);
    ASSERT_EQ(b.count(), 2);
    b[0] = Point2(9, 9);
    EXPECT_EQ(a[0], Point2(1, 2));

    Point2Array c;
    c = b;
    EXPECT_EQ(c[0], Point2(9, 9));
    EXPECT_EQ(c.capacity(), 5);
}

} // namespace
} // namespace terrain

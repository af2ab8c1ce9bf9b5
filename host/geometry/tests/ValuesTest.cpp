#include "host/geometry/Matrix3d.h"
#include "host/geometry/Plane.h"
#include "host/geometry/Tolerance.h"
#include "host/geometry/Vectors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace host {
namespace {

constexpr double kExact = 1e-12;

void expectNear(const Point3d& a, const Point3d& b, double eps)
{
    EXPECT_NEAR(a.x, b.x, eps);
    EXPECT_NEAR(a.y, b.y, eps);
    EXPECT_NEAR(a.z, b.z, eps);
}

TEST(Vectors, AnglesAndRotations)
{
    struct Case {
        Vector2d v;
        double angle;
    };
    const Case cases[] = {{{1, 0}, 0.0}, {{0, 1}, kPi / 2}, {{-1, 0}, kPi}, {{0, -2}, 1.5 * kPi}, {{1, -1}, 1.75 * kPi}};
    for (const Case& c : cases) {
        EXPECT_NEAR(c.v.angle(), c.angle, kExact);
        const Vector2d back = Vector2d::fromAngle(c.angle, c.v.length());
        EXPECT_NEAR(back.x, c.v.x, kExact);
        EXPECT_NEAR(back.y, c.v.y, kExact);
    }
    EXPECT_NEAR(Vector2d(1, 0).signedAngleTo({0, -1}), -kPi / 2, kExact);
    EXPECT_NEAR(Vector2d(1, 0).angleTo({0, -1}), kPi / 2, kExact);
    const Vector2d r = Vector2d(1, 0).rotatedBy(kPi / 2);
    EXPECT_NEAR(r.x, 0.0, kExact);
    EXPECT_NEAR(r.y, 1.0, kExact);
    EXPECT_NEAR(normalizeAngle(-kPi / 2), 1.5 * kPi, kExact);
    EXPECT_NEAR(normalizeAngle(5 * kPi), kPi, kExact);
    EXPECT_EQ(normalizeAngle(kTwoPi), 0.0);
    EXPECT_EQ(Vector2d().normal().length(), 0.0);
}

TEST(Vectors, CrossDotAndThreeDRotation)
{
    EXPECT_EQ(cross(Vector3d::xAxis(), Vector3d::yAxis()).z, 1.0);
    EXPECT_EQ(dot(Vector3d(1, 2, 3), Vector3d(4, 5, 6)), 32.0);
    EXPECT_GT(cross(Vector2d(1, 0), Vector2d(0, 1)), 0.0);
    const Vector3d r = Vector3d::xAxis().rotatedBy(kPi / 2, Vector3d::zAxis());
    EXPECT_NEAR(r.y, 1.0, kExact);
    EXPECT_NEAR(Vector3d::xAxis().angleTo(Vector3d(0, -1, 0), Vector3d::zAxis()), 1.5 * kPi, kExact);
    EXPECT_NEAR(Vector3d::xAxis().angleTo(Vector3d(0, -1, 0)), kPi / 2, kExact);
    const Point3d p = Point3d(2, 0, 5).rotatedBy(kPi, Vector3d::zAxis(), Point3d(1, 0, 0));
    expectNear(p, {0, 0, 5}, kExact);
    EXPECT_NEAR(distance(Point3d(1, 2, 3), Point3d(4, 6, 3)), 5.0, kExact);
}

TEST(Matrix3d, ElementaryTransforms)
{
    const Point3d p(1, 2, 3);
    expectNear(Matrix3d::translation({1, 1, 1}).transform(p), {2, 3, 4}, kExact);
    expectNear(Matrix3d::scaling(2.0, {1, 1, 1}).transform(p), {1, 3, 5}, kExact);
    expectNear(Matrix3d::rotation(kPi / 2, Vector3d::zAxis(), {1, 0, 0}).transform(Point3d(2, 0, 7)), {1, 1, 7}, kExact);
    expectNear(Matrix3d::mirroring({0, 0, 1}, Vector3d::zAxis()).transform(p), {1, 2, -1}, kExact);
    // Vectors ignore translation.
    const Vector3d v = Matrix3d::translation({5, 5, 5}).transform(Vector3d(1, 0, 0));
    EXPECT_EQ(v.x, 1.0);
    EXPECT_EQ(v.y, 0.0);
    // Order: A * B applies B first.
    const Matrix3d ab = Matrix3d::translation({1, 0, 0}) * Matrix3d::scaling(2.0);
    expectNear(ab.transform(Point3d(1, 1, 1)), {3, 2, 2}, kExact);
    EXPECT_NEAR(Matrix3d::scaling(3.0).scale(), 3.0, kExact);
}

TEST(Matrix3d, AlignCoordSysAndInverse)
{
    const Point3d fromOrigin(3.5e6, 5e5, 10);
    const Vector3d fx = Vector3d(1, 1, 0).normal(), fy = Vector3d(-1, 1, 0).normal(), fz = Vector3d::zAxis();
    const Matrix3d m = Matrix3d::alignCoordSys(fromOrigin, fx, fy, fz, Point3d(), Vector3d::xAxis(),
                                               Vector3d::yAxis(), Vector3d::zAxis());
    // A point given in the from-system lands on its coordinates.
    const Point3d local = fromOrigin + fx * 2.0 + fy * 3.0 + fz * 4.0;
    expectNear(m.transform(local), {2, 3, 4}, 1e-9);
    Matrix3d inv;
    ASSERT_TRUE(m.inverse(inv));
    expectNear(inv.transform(Point3d(2, 3, 4)), local, 1e-9);

    std::mt19937 rng(7);
    std::uniform_real_distribution<double> u(-10, 10);
    for (int i = 0; i < 50; ++i) {
        const Matrix3d r = Matrix3d::rotation(u(rng), {u(rng), u(rng), u(rng) + 20}, {u(rng), u(rng), u(rng)}) *
                           Matrix3d::scaling(1.5) * Matrix3d::translation({u(rng), u(rng), u(rng)});
        const Point3d q(u(rng), u(rng), u(rng));
        expectNear(r.inverse().transform(r.transform(q)), q, 1e-9);
    }
}

TEST(Matrix3d, SingularHasNoInverse)
{
    Matrix3d flat = Matrix3d::scaling(1.0);
    flat(2, 2) = 0.0;
    Matrix3d out = Matrix3d::translation({1, 2, 3});
    EXPECT_TRUE(flat.isSingular());
    EXPECT_FALSE(flat.inverse(out));
    EXPECT_EQ(out, Matrix3d::translation({1, 2, 3}));
    EXPECT_FALSE(Matrix3d::scaling(1e-3).isSingular());
}

TEST(Plane, ProjectionAndAxes)
{
    const Plane xy;
    expectNear(xy.project({3, 4, 5}), {3, 4, 0}, kExact);
    EXPECT_EQ(xy.xAxis().x, 1.0);
    EXPECT_EQ(xy.yAxis().y, 1.0);

    const Plane tilted({0, 0, 1}, {0, 1, 1});
    Point3d along;
    ASSERT_TRUE(tilted.project({0, 5, 5}, Vector3d::zAxis(), along));
    EXPECT_TRUE(tilted.isOn(along));
    EXPECT_NEAR(along.y, 5.0, kExact);
    EXPECT_FALSE(tilted.project({0, 5, 5}, Vector3d(1, 0, 0), along));
    // Plane coordinates round-trip and the axes form a right-handed frame.
    const Point3d p = tilted.project({2, -3, 7});
    expectNear(tilted.fromPlaneCoords(tilted.toPlaneCoords(p)), p, 1e-12);
    expectNear(Point3d() + cross(tilted.xAxis(), tilted.yAxis()), Point3d() + tilted.normal(), 1e-12);
    // A zero normal still gives a usable plane.
    EXPECT_EQ(Plane({1, 1, 1}, {0, 0, 0}).normal().z, 1.0);
}

TEST(Tolerance, HoldsNearOriginAndAtSurveyCoordinates)
{
    struct Case {
        Point3d base;
    };
    const Case cases[] = {{{0.5, 0.25, 0}}, {{3.5e6, 5e5, 0}}, {{-3.5e6, 5e5, 120.0}}};
    for (const Case& c : cases) {
        // A point recomputed through a translation round trip equals itself.
        const Vector3d shift(123.456789, -98.7654321, 0.1);
        const Point3d roundTrip = (c.base + shift) - shift;
        EXPECT_TRUE(isEqual(c.base, roundTrip));
        // A real offset of 1e-6 is never swallowed, even at survey coordinates.
        EXPECT_FALSE(isEqual(c.base, c.base + Vector3d(1e-6, 0, 0)));
        EXPECT_TRUE(isEqual(c.base.toPlan(), roundTrip.toPlan()));
    }
    EXPECT_FALSE(isEqual(Point3d(0, 0, 0), Point3d(1e-9, 0, 0)));
    EXPECT_TRUE(isEqual(Point3d(0, 0, 0), Point3d(1e-11, 0, 0)));
    EXPECT_TRUE(isParallel(Vector3d(1, 1, 0), Vector3d(-2, -2, 0)));
    EXPECT_TRUE(isCodirectional(Vector3d(1, 1, 0), Vector3d(2, 2, 0)));
    EXPECT_FALSE(isParallel(Vector3d(), Vector3d(1, 0, 0)));
    EXPECT_TRUE(isPerpendicular(Vector3d(1, 0, 0), Vector3d(0, 0, 3)));
}

TEST(Tolerance, GlobalSetterRefusesInvalidValues)
{
    const Tolerance original = globalTolerance();
    Tolerance loose;
    loose.equalPoint = 1e-3;
    EXPECT_EQ(setGlobalTolerance(loose).equalPoint, original.equalPoint);
    EXPECT_TRUE(isEqual(Point3d(), Point3d(5e-4, 0, 0)));
    Tolerance bad;
    bad.equalPoint = -1.0;
    setGlobalTolerance(bad);
    EXPECT_EQ(globalTolerance().equalPoint, 1e-3);
    bad.equalPoint = NAN;
    setGlobalTolerance(bad);
    EXPECT_EQ(globalTolerance().equalPoint, 1e-3);
    setGlobalTolerance(original);
    EXPECT_FALSE(isEqual(Point3d(), Point3d(5e-4, 0, 0)));
}

} // namespace
} // namespace host

#pragma once
// The module's plain value types: points, plan directions and drawing-object identifiers.

#include "host/database/ObjectId.h"
#include "host/geometry/Vectors.h"

namespace terrain {

// A point or displacement in drawing space (world coordinates unless a service says otherwise).
struct Point3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Point3() = default;
    constexpr Point3(double x_, double y_, double z_ = 0.0) : x(x_), y(y_), z(z_) {}
    constexpr bool operator==(const Point3& p) const { return x == p.x && y == p.y && z == p.z; }
    constexpr bool operator!=(const Point3& p) const { return !(*this == p); }
};

// A plan point (polyline and hatch-loop vertices).
struct Point2 {
    double x = 0.0;
    double y = 0.0;

    constexpr Point2() = default;
    constexpr Point2(double x_, double y_) : x(x_), y(y_) {}
    constexpr bool operator==(const Point2& p) const { return x == p.x && y == p.y; }
    constexpr bool operator!=(const Point2& p) const { return !(*this == p); }
};

// A plan direction; only its direction matters to callers.
struct Vector2 {
    double x = 0.0;
    double y = 0.0;

    constexpr Vector2() = default;
    constexpr Vector2(double x_, double y_) : x(x_), y(y_) {}
};

// Drawing objects are named by the host's 64-bit identifier; 0 is the null id.
using EntityId = host::ObjectId;

// Conversions to and from the host's geometry values.
constexpr host::Point3d toHost(const Point3& p) { return {p.x, p.y, p.z}; }
constexpr host::Point2d toHost(const Point2& p) { return {p.x, p.y}; }
constexpr host::Vector2d toHost(const Vector2& v) { return {v.x, v.y}; }
constexpr Point3 fromHost(const host::Point3d& p) { return {p.x, p.y, p.z}; }
constexpr Point2 fromHost(const host::Point2d& p) { return {p.x, p.y}; }
constexpr Vector2 fromHost(const host::Vector2d& v) { return {v.x, v.y}; }

} // namespace terrain

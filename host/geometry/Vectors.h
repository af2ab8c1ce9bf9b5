#pragma once
// Plain point and vector values of the host. Points and vectors are different types so that
// "point - point = vector" and "point + vector = point" are the only ways to mix them.

#include <cmath>

namespace host {

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr double kTwoPi = 2.0 * kPi;

// Maps any finite angle into [0, 2pi); the one place angles are normalised.
inline double normalizeAngle(double angle)
{
    double a = std::fmod(angle, kTwoPi);
    if (a < 0.0)
        a += kTwoPi;
    return a >= kTwoPi ? 0.0 : a;
}

struct Vector2d {
    double x = 0.0;
    double y = 0.0;

    constexpr Vector2d() = default;
    constexpr Vector2d(double x_, double y_) : x(x_), y(y_) {}

    static Vector2d fromAngle(double angle, double length = 1.0)
    {
        return {length * std::cos(angle), length * std::sin(angle)};
    }

    constexpr Vector2d operator+(const Vector2d& v) const { return {x + v.x, y + v.y}; }
    constexpr Vector2d operator-(const Vector2d& v) const { return {x - v.x, y - v.y}; }
    constexpr Vector2d operator-() const { return {-x, -y}; }
    constexpr Vector2d operator*(double s) const { return {x * s, y * s}; }
    constexpr Vector2d operator/(double s) const { return {x / s, y / s}; }
    Vector2d& operator+=(const Vector2d& v) { x += v.x; y += v.y; return *this; }
    Vector2d& operator-=(const Vector2d& v) { x -= v.x; y -= v.y; return *this; }
    Vector2d& operator*=(double s) { x *= s; y *= s; return *this; }
    constexpr bool operator==(const Vector2d& v) const { return x == v.x && y == v.y; }
    constexpr bool operator!=(const Vector2d& v) const { return !(*this == v); }

    // sqrt of the sum of squares, not hypot: several times faster, and drawing coordinates never come
    // near the range where the squares would overflow.
    double length() const { return std::sqrt(x * x + y * y); }
    constexpr double lengthSquared() const { return x * x + y * y; }
    // Unit vector in the same direction; the zero vector stays zero.
    Vector2d normal() const
    {
        const double len = length();
        return len > 0.0 ? Vector2d{x / len, y / len} : Vector2d{};
    }
    // Counter-clockwise quarter turn.
    constexpr Vector2d perpendicular() const { return {-y, x}; }
    // Direction angle in [0, 2pi).
    double angle() const { return normalizeAngle(std::atan2(y, x)); }
    // Unsigned angle between the two directions, in [0, pi].
    double angleTo(const Vector2d& v) const;
    // Counter-clockwise angle from this direction to v, in (-pi, pi].
    double signedAngleTo(const Vector2d& v) const;
    Vector2d rotatedBy(double angle) const
    {
        const double c = std::cos(angle), s = std::sin(angle);
        return {c * x - s * y, s * x + c * y};
    }
};

constexpr Vector2d operator*(double s, const Vector2d& v) { return v * s; }
constexpr double dot(const Vector2d& a, const Vector2d& b) { return a.x * b.x + a.y * b.y; }
// z of the 3D cross product: positive when b lies counter-clockwise of a.
constexpr double cross(const Vector2d& a, const Vector2d& b) { return a.x * b.y - a.y * b.x; }

inline double Vector2d::angleTo(const Vector2d& v) const
{
    return std::fabs(std::atan2(cross(*this, v), dot(*this, v)));
}
inline double Vector2d::signedAngleTo(const Vector2d& v) const
{
    return std::atan2(cross(*this, v), dot(*this, v));
}

struct Point2d {
    double x = 0.0;
    double y = 0.0;

    constexpr Point2d() = default;
    constexpr Point2d(double x_, double y_) : x(x_), y(y_) {}

    constexpr Point2d operator+(const Vector2d& v) const { return {x + v.x, y + v.y}; }
    constexpr Point2d operator-(const Vector2d& v) const { return {x - v.x, y - v.y}; }
    constexpr Vector2d operator-(const Point2d& p) const { return {x - p.x, y - p.y}; }
    Point2d& operator+=(const Vector2d& v) { x += v.x; y += v.y; return *this; }
    Point2d& operator-=(const Vector2d& v) { x -= v.x; y -= v.y; return *this; }
    constexpr bool operator==(const Point2d& p) const { return x == p.x && y == p.y; }
    constexpr bool operator!=(const Point2d& p) const { return !(*this == p); }

    constexpr Vector2d asVector() const { return {x, y}; }
    double distanceTo(const Point2d& p) const { return (p - *this).length(); }
    // Rotation about a centre, counter-clockwise for positive angles.
    Point2d rotatedBy(double angle, const Point2d& centre) const
    {
        return centre + (*this - centre).rotatedBy(angle);
    }
    Point2d rotatedBy(double angle) const { return rotatedBy(angle, Point2d(0.0, 0.0)); }
};

inline double distance(const Point2d& a, const Point2d& b) { return a.distanceTo(b); }
constexpr Point2d midpoint(const Point2d& a, const Point2d& b)
{
    return {a.x + 0.5 * (b.x - a.x), a.y + 0.5 * (b.y - a.y)};
}

struct Vector3d {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Vector3d() = default;
    constexpr Vector3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    constexpr Vector3d(const Vector2d& v, double z_ = 0.0) : x(v.x), y(v.y), z(z_) {}

    static constexpr Vector3d xAxis() { return {1.0, 0.0, 0.0}; }
    static constexpr Vector3d yAxis() { return {0.0, 1.0, 0.0}; }
    static constexpr Vector3d zAxis() { return {0.0, 0.0, 1.0}; }

    constexpr Vector3d operator+(const Vector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    constexpr Vector3d operator-(const Vector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    constexpr Vector3d operator-() const { return {-x, -y, -z}; }
    constexpr Vector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    constexpr Vector3d operator/(double s) const { return {x / s, y / s, z / s}; }
    Vector3d& operator+=(const Vector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
    Vector3d& operator-=(const Vector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    Vector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
    constexpr bool operator==(const Vector3d& v) const { return x == v.x && y == v.y && z == v.z; }
    constexpr bool operator!=(const Vector3d& v) const { return !(*this == v); }

    double length() const { return std::sqrt(x * x + y * y + z * z); }
    constexpr double lengthSquared() const { return x * x + y * y + z * z; }
    // Unit vector in the same direction; the zero vector stays zero.
    Vector3d normal() const
    {
        const double len = length();
        return len > 0.0 ? Vector3d{x / len, y / len, z / len} : Vector3d{};
    }
    Vector3d& normalize() { return *this = normal(); }
    constexpr Vector2d toPlan() const { return {x, y}; }
    // Unsigned angle between the two directions, in [0, pi].
    double angleTo(const Vector3d& v) const;
    // Angle from this direction to v, counter-clockwise seen from the tip of reference, in [0, 2pi).
    double angleTo(const Vector3d& v, const Vector3d& reference) const;
    // Right-handed rotation about an axis through the origin (Rodrigues' formula).
    Vector3d rotatedBy(double angle, const Vector3d& axis) const;
};

constexpr Vector3d operator*(double s, const Vector3d& v) { return v * s; }
constexpr double dot(const Vector3d& a, const Vector3d& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr Vector3d cross(const Vector3d& a, const Vector3d& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

inline double Vector3d::angleTo(const Vector3d& v) const
{
    return std::atan2(cross(*this, v).length(), dot(*this, v));
}
inline double Vector3d::angleTo(const Vector3d& v, const Vector3d& reference) const
{
    const Vector3d c = cross(*this, v);
    const double a = std::atan2(c.length(), dot(*this, v));
    return dot(c, reference) < 0.0 ? normalizeAngle(-a) : a;
}
inline Vector3d Vector3d::rotatedBy(double angle, const Vector3d& axis) const
{
    const Vector3d k = axis.normal();
    const double c = std::cos(angle), s = std::sin(angle);
    return *this * c + cross(k, *this) * s + k * (dot(k, *this) * (1.0 - c));
}

struct Point3d {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;

    constexpr Point3d() = default;
    constexpr Point3d(double x_, double y_, double z_) : x(x_), y(y_), z(z_) {}
    constexpr Point3d(const Point2d& p, double z_ = 0.0) : x(p.x), y(p.y), z(z_) {}

    constexpr Point3d operator+(const Vector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    constexpr Point3d operator-(const Vector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    constexpr Vector3d operator-(const Point3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    Point3d& operator+=(const Vector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
    Point3d& operator-=(const Vector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    constexpr bool operator==(const Point3d& p) const { return x == p.x && y == p.y && z == p.z; }
    constexpr bool operator!=(const Point3d& p) const { return !(*this == p); }

    constexpr Vector3d asVector() const { return {x, y, z}; }
    constexpr Point2d toPlan() const { return {x, y}; }
    double distanceTo(const Point3d& p) const { return (p - *this).length(); }
    // Right-handed rotation about the axis through centre.
    Point3d rotatedBy(double angle, const Vector3d& axis, const Point3d& centre) const
    {
        return centre + (*this - centre).rotatedBy(angle, axis);
    }
    Point3d rotatedBy(double angle, const Vector3d& axis) const
    {
        return rotatedBy(angle, axis, Point3d(0.0, 0.0, 0.0));
    }
};

inline double distance(const Point3d& a, const Point3d& b) { return a.distanceTo(b); }
constexpr Point3d midpoint(const Point3d& a, const Point3d& b)
{
    return {a.x + 0.5 * (b.x - a.x), a.y + 0.5 * (b.y - a.y), a.z + 0.5 * (b.z - a.z)};
}

} // namespace host

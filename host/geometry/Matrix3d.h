#pragma once
// 4x4 affine transformation of 3D space. Points are column vectors: p' = M * p, so A * B applies B first.

#include "host/geometry/Vectors.h"

namespace host {

class Matrix3d {
public:
    // The identity.
    Matrix3d();

    static Matrix3d identity() { return {}; }
    static Matrix3d translation(const Vector3d& v);
    // Right-handed rotation by angle about the axis through centre.
    static Matrix3d rotation(double angle, const Vector3d& axis, const Point3d& centre = {});
    // Uniform scaling about centre.
    static Matrix3d scaling(double factor, const Point3d& centre = {});
    // Reflection in the plane through origin with the given normal.
    static Matrix3d mirroring(const Point3d& origin, const Vector3d& normal);
    // Maps the coordinate system (fromOrigin; fromX, fromY, fromZ) onto (toOrigin; toX, toY, toZ):
    // fromOrigin + a*fromX + b*fromY + c*fromZ goes to toOrigin + a*toX + b*toY + c*toZ.
    static Matrix3d alignCoordSys(const Point3d& fromOrigin, const Vector3d& fromX, const Vector3d& fromY,
                                  const Vector3d& fromZ, const Point3d& toOrigin, const Vector3d& toX,
                                  const Vector3d& toY, const Vector3d& toZ);
    // The coordinate system (origin; x, y, z axes) as a matrix mapping its coordinates to world.
    static Matrix3d coordSysToWorld(const Point3d& origin, const Vector3d& xAxis, const Vector3d& yAxis,
                                    const Vector3d& zAxis);

    double operator()(int row, int column) const { return m_[row][column]; }
    double& operator()(int row, int column) { return m_[row][column]; }

    Matrix3d operator*(const Matrix3d& other) const;
    Matrix3d& operator*=(const Matrix3d& other) { return *this = *this * other; }
    bool operator==(const Matrix3d& other) const;

    double determinant() const;
    bool isSingular() const;
    // The inverse; a singular matrix gives false and leaves `result` untouched.
    bool inverse(Matrix3d& result) const;
    // The inverse, or the identity when the matrix is singular (check isSingular first when it matters).
    Matrix3d inverse() const;

    Point3d transform(const Point3d& p) const;
    Vector3d transform(const Vector3d& v) const;
    // Factor by which lengths change, for uniform transformations (cube root of |det| of the 3x3 part).
    double scale() const;

private:
    double m_[4][4];
};

} // namespace host

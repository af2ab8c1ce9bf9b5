#include "host/geometry/Matrix3d.h"

#include <cmath>

namespace host {

namespace {
// A determinant of the 3x3 part this small relative to the cube of the largest entry means
// the axes are (numerically) dependent and the transformation cannot be undone.
constexpr double kSingularRelativeDeterminant = 1e-14;
} // namespace

Matrix3d::Matrix3d()
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m_[r][c] = r == c ? 1.0 : 0.0;
}

Matrix3d Matrix3d::translation(const Vector3d& v)
{
    Matrix3d m;
    m.m_[0][3] = v.x;
    m.m_[1][3] = v.y;
    m.m_[2][3] = v.z;
    return m;
}

Matrix3d Matrix3d::rotation(double angle, const Vector3d& axis, const Point3d& centre)
{
    const Vector3d ex = Vector3d::xAxis().rotatedBy(angle, axis);
    const Vector3d ey = Vector3d::yAxis().rotatedBy(angle, axis);
    const Vector3d ez = Vector3d::zAxis().rotatedBy(angle, axis);
    Matrix3d m = coordSysToWorld(Point3d(), ex, ey, ez);
    return translation(centre.asVector()) * m * translation(-centre.asVector());
}

Matrix3d Matrix3d::scaling(double factor, const Point3d& centre)
{
    Matrix3d m;
    for (int i = 0; i < 3; ++i) {
        m.m_[i][i] = factor;
    }
    m.m_[0][3] = centre.x * (1.0 - factor);
    m.m_[1][3] = centre.y * (1.0 - factor);
    m.m_[2][3] = centre.z * (1.0 - factor);
    return m;
}

Matrix3d Matrix3d::mirroring(const Point3d& origin, const Vector3d& normal)
{
    const Vector3d n = normal.normal();
    const double k[3] = {n.x, n.y, n.z};
    Matrix3d m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m.m_[r][c] = (r == c ? 1.0 : 0.0) - 2.0 * k[r] * k[c];
    const double d = 2.0 * dot(origin.asVector(), n);
    for (int r = 0; r < 3; ++r)
        m.m_[r][3] = d * k[r];
    return m;
}

Matrix3d Matrix3d::coordSysToWorld(const Point3d& origin, const Vector3d& xAxis, const Vector3d& yAxis,
                                   const Vector3d& zAxis)
{
    Matrix3d m;
    const Vector3d axes[3] = {xAxis, yAxis, zAxis};
    for (int c = 0; c < 3; ++c) {
        m.m_[0][c] = axes[c].x;
        m.m_[1][c] = axes[c].y;
        m.m_[2][c] = axes[c].z;
    }
    m.m_[0][3] = origin.x;
    m.m_[1][3] = origin.y;
    m.m_[2][3] = origin.z;
    return m;
}

Matrix3d Matrix3d::alignCoordSys(const Point3d& fromOrigin, const Vector3d& fromX, const Vector3d& fromY,
                                 const Vector3d& fromZ, const Point3d& toOrigin, const Vector3d& toX,
                                 const Vector3d& toY, const Vector3d& toZ)
{
    const Matrix3d from = coordSysToWorld(fromOrigin, fromX, fromY, fromZ);
    const Matrix3d to = coordSysToWorld(toOrigin, toX, toY, toZ);
    return to * from.inverse();
}

Matrix3d Matrix3d::operator*(const Matrix3d& other) const
{
    Matrix3d result;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += m_[r][k] * other.m_[k][c];
            result.m_[r][c] = sum;
        }
    return result;
}

bool Matrix3d::operator==(const Matrix3d& other) const
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m_[r][c] != other.m_[r][c])
                return false;
    return true;
}

double Matrix3d::determinant() const
{
    // Affine: the determinant is that of the upper-left 3x3 block.
    return m_[0][0] * (m_[1][1] * m_[2][2] - m_[1][2] * m_[2][1]) -
           m_[0][1] * (m_[1][0] * m_[2][2] - m_[1][2] * m_[2][0]) +
           m_[0][2] * (m_[1][0] * m_[2][1] - m_[1][1] * m_[2][0]);
}

bool Matrix3d::isSingular() const
{
    double largest = 0.0;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            largest = std::fmax(largest, std::fabs(m_[r][c]));
    const double det = determinant();
    return !std::isfinite(det) || largest == 0.0 ||
           std::fabs(det) <= kSingularRelativeDeterminant * largest * largest * largest;
}

bool Matrix3d::inverse(Matrix3d& result) const
{
    if (isSingular())
        return false;
    const double invDet = 1.0 / determinant();
    const auto& a = m_;
    Matrix3d inv;
    inv.m_[0][0] = (a[1][1] * a[2][2] - a[1][2] * a[2][1]) * invDet;
    inv.m_[0][1] = (a[0][2] * a[2][1] - a[0][1] * a[2][2]) * invDet;
    inv.m_[0][2] = (a[0][1] * a[1][2] - a[0][2] * a[1][1]) * invDet;
    inv.m_[1][0] = (a[1][2] * a[2][0] - a[1][0] * a[2][2]) * invDet;
    inv.m_[1][1] = (a[0][0] * a[2][2] - a[0][2] * a[2][0]) * invDet;
    inv.m_[1][2] = (a[0][2] * a[1][0] - a[0][0] * a[1][2]) * invDet;
    inv.m_[2][0] = (a[1][0] * a[2][1] - a[1][1] * a[2][0]) * invDet;
    inv.m_[2][1] = (a[0][1] * a[2][0] - a[0][0] * a[2][1]) * invDet;
    inv.m_[2][2] = (a[0][0] * a[1][1] - a[0][1] * a[1][0]) * invDet;
    for (int r = 0; r < 3; ++r)
        inv.m_[r][3] = -(inv.m_[r][0] * a[0][3] + inv.m_[r][1] * a[1][3] + inv.m_[r][2] * a[2][3]);
    result = inv;
    return true;
}

Matrix3d Matrix3d::inverse() const
{
    Matrix3d result;
    inverse(result);
    return result;
}

Point3d Matrix3d::transform(const Point3d& p) const
{
    return {m_[0][0] * p.x + m_[0][1] * p.y + m_[0][2] * p.z + m_[0][3],
            m_[1][0] * p.x + m_[1][1] * p.y + m_[1][2] * p.z + m_[1][3],
            m_[2][0] * p.x + m_[2][1] * p.y + m_[2][2] * p.z + m_[2][3]};
}

Vector3d Matrix3d::transform(const Vector3d& v) const
{
    return {m_[0][0] * v.x + m_[0][1] * v.y + m_[0][2] * v.z, m_[1][0] * v.x + m_[1][1] * v.y + m_[1][2] * v.z,
            m_[2][0] * v.x + m_[2][1] * v.y + m_[2][2] * v.z};
}

double Matrix3d::scale() const { return std::cbrt(std::fabs(determinant())); }

} // namespace host

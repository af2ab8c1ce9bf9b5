#include "terrain/core/Numeric.h"

#include "host/geometry/Tolerance.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace terrain {
namespace {

template <class Array>
int exchangeSort(Array& values, int ascending)
{
    const int n = values.count();
    for (int i = 0; i + 1 < n; ++i)
        for (int j = i + 1; j < n; ++j)
            if (ascending != 0 ? values[i] > values[j] : values[i] < values[j])
                std::swap(values[i], values[j]);
    return n - 1;
}

template <class Array, class Matches>
int firstIndexWhere(const Array& values, Matches matches)
{
    for (int i = 0; i < values.count(); ++i)
        if (matches(values[i]))
            return i;
    return -1;
}

} // namespace

double roundTo(double x, int decimals)
{
    const double scale = power10(10.0, decimals < 0 ? 0 : decimals);
    // Truncation in floating point: the same as a 32-bit integer cast where that is defined, and no
    // undefined behaviour beyond it.
    return std::trunc(x * scale + kRoundingOffset) / scale;
}

double power10(double base, int exponent)
{
    unsigned long long bits = exponent < 0 ? 0ULL - static_cast<unsigned long long>(static_cast<long long>(exponent))
                                           : static_cast<unsigned long long>(exponent);
    double result = 1.0;
    for (; bits != 0; bits >>= 1) {
        if (bits & 1ULL)
            result *= base;
        base *= base;
    }
    return exponent < 0 ? 1.0 / result : result;
}

double randomBetween(double low, double high)
{
    return std::rand() * (high - low) / RAND_MAX + low;
}

double randomBetween()
{
    return std::rand() * kRandomUpperBound / RAND_MAX;
}

int sortInts(IntArray& values, int ascending)
{
    return exchangeSort(values, ascending);
}

int sortDoubles(DoubleArray& values, int ascending)
{
    return exchangeSort(values, ascending);
}

void reverseIds(IdArray& ids)
{
    IdArray reversed(0, kDefaultGrowStep);
    for (int i = ids.count() - 1; i >= 0; --i)
        reversed.append(ids[i]);
    ids.setCount(0);
    ids.appendAll(reversed);
}

int indexOfMax(DoubleArray values, double& value)
{
    if (values.isEmpty())
        return -1;
    int best = 0;
    for (int i = 1; i < values.count(); ++i)
        if (values[i] > values[best])
            best = i;
    value = values[best];
    return best;
}

int indexOfPoint(const Point3& point, PointArray points)
{
    const host::Point3d p = toHost(point);
    return firstIndexWhere(points, [&](const Point3& q) { return host::isEqual(p, toHost(q)); });
}

int indexOfValue(double value, DoubleArray values)
{
    return firstIndexWhere(values, [&](double v) { return std::fabs(value - v) < kValueTolerance; });
}

int indexOfInt(int value, IntArray values)
{
    return firstIndexWhere(values, [&](int v) { return v == value; });
}

int indexOfId(EntityId id, IdArray ids)
{
    return firstIndexWhere(ids, [&](EntityId v) { return v == id; });
}

int indexOfText(const std::string& text, TextList texts)
{
    for (int i = 0; i < texts.count(); ++i)
        if (texts.at(i) == text)
            return i;
    return -1;
}

bool isLeftTurn(const Point3& a, const Point3& b, const Point3& c)
{
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y) > kOrientationThreshold;
}

} // namespace terrain

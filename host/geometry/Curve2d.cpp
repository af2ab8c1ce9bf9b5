#include "host/geometry/Curve2d.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace host {

namespace {
// An arc whose sweep is this close to a whole turn is a full circle (angles carry rounding).
constexpr double kFullTurnSlack = 1e-12;
// Elliptical arc length: Gauss-Legendre on pieces of at most this many radians; with 8 nodes the
// error is far below the point tolerance for any ratio above 1e-3.
constexpr double kEllipsePieceAngle = kPi / 16.0;
// Samples per full turn that seed the Newton search for the nearest point of an ellipse.
constexpr int kEllipseSeedSamples = 64;
constexpr int kNewtonSteps = 40;
constexpr int kBisectionSteps = 200;

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

double clampTo(double u, double hi) { return std::clamp(u, 0.0, hi); }

// Angle travelled from startAngle in the arc's sense, in [0, 2pi).
double travelled(double startAngle, double sense, double angle)
{
    return normalizeAngle(sense * (angle - startAngle));
}

// Nearer of the two ends for a point whose projection falls in the gap of an arc.
double nearerEnd(const Curve2d& c, const Point2d& p, double hi)
{
    return distance(pointAt(c, 0.0), p) <= distance(pointAt(c, hi), p) ? 0.0 : hi;
}

double ellipseSpeed(const Ellipse2d& e, double u) { return e.derivativeAt(u).length(); }

double ellipseLength(const Ellipse2d& e, double u)
{
    static constexpr std::array<double, 8> nodes = {-0.9602898564975363, -0.7966664774136267, -0.5255324099163290,
                                                    -0.1834346424956498, 0.1834346424956498,  0.5255324099163290,
                                                    0.7966664774136267,  0.9602898564975363};
    static constexpr std::array<double, 8> weights = {0.1012285362903763, 0.2223810344533745, 0.3137066458778873,
                                                      0.3626837833783620, 0.3626837833783620, 0.3137066458778873,
                                                      0.2223810344533745, 0.1012285362903763};
    if (u <= 0.0)
        return 0.0;
    const int pieces = std::max(1, static_cast<int>(std::ceil(u / kEllipsePieceAngle)));
    const double h = u / pieces;
    double total = 0.0;
    for (int k = 0; k < pieces; ++k) {
        const double mid = (k + 0.5) * h;
        for (size_t i = 0; i < nodes.size(); ++i)
            total += weights[i] * ellipseSpeed(e, mid + 0.5 * h * nodes[i]);
    }
    return 0.5 * h * total;
}

double ellipseClosestParam(const Ellipse2d& e, const Point2d& p, double hi, bool wrap)
{
    // Seed on samples, then Newton on d/du |P(u) - p|^2 = 0.
    const int samples = std::max(8, static_cast<int>(std::ceil(kEllipseSeedSamples * hi / kTwoPi)));
    double best = 0.0, bestDist = kInfinity;
    for (int i = 0; i <= samples; ++i) {
        const double u = hi * i / samples;
        const double d = distance(e.pointAt(u), p);
        if (d < bestDist) {
            bestDist = d;
            best = u;
        }
    }
    double u = best;
    for (int i = 0; i < kNewtonSteps; ++i) {
        const Vector2d r = e.pointAt(u) - p;
        const Vector2d d1 = e.derivativeAt(u);
        const Vector2d d2 = (e.centre - e.pointAt(u)); // second derivative of the ellipse
        const double g = dot(r, d1);
        const double gp = dot(d1, d1) + dot(r, d2);
        if (gp <= 0.0)
            break;
        double next = u - g / gp;
        next = wrap ? normalizeAngle(next) : clampTo(next, hi);
        if (std::fabs(next - u) < 1e-15)
            break;
        u = next;
    }
    if (distance(e.pointAt(u), p) > bestDist)
        u = best;
    return u;
}

} // namespace

Linear2d Linear2d::segment(const Point2d& start, const Point2d& end)
{
    const Vector2d d = end - start;
    const double len = d.length();
    if (len == 0.0 || !std::isfinite(len))
        return {start, Vector2d{}, 0.0, 0.0};
    return {start, d / len, 0.0, len};
}

Linear2d Linear2d::ray(const Point2d& base, const Vector2d& direction)
{
    return {base, direction.normal(), 0.0, kInfinity};
}

Linear2d Linear2d::line(const Point2d& through, const Vector2d& direction)
{
    return {through, direction.normal(), -kInfinity, kInfinity};
}

Linear2d Linear2d::extended() const
{
    if (isPoint())
        return *this;
    return {origin, direction, -kInfinity, kInfinity};
}

Arc2d Arc2d::fromAngles(const Point2d& centre, double radius, double startAngle, double endAngle)
{
    double sweep = normalizeAngle(endAngle - startAngle);
    if (sweep == 0.0)
        sweep = kTwoPi;
    return {centre, radius, normalizeAngle(startAngle), sweep};
}

bool Arc2d::isFullCircle() const { return std::fabs(sweep) >= kTwoPi - kFullTurnSlack; }
double Arc2d::uEnd() const { return isFullCircle() ? kTwoPi : std::fabs(sweep); }

bool Ellipse2d::isFull() const { return std::fabs(sweep) >= kTwoPi - kFullTurnSlack; }
double Ellipse2d::uEnd() const { return isFull() ? kTwoPi : std::fabs(sweep); }

Point2d Ellipse2d::pointAt(double u) const
{
    const double t = paramAt(u);
    return centre + major * std::cos(t) + minor() * std::sin(t);
}

Vector2d Ellipse2d::derivativeAt(double u) const
{
    const double t = paramAt(u);
    return (major * -std::sin(t) + minor() * std::cos(t)) * sense();
}

Point2d Ellipse2d::toUnit(const Point2d& p) const
{
    const Vector2d v = p - centre;
    const Vector2d mi = minor();
    return {dot(v, major) / major.lengthSquared(), dot(v, mi) / mi.lengthSquared()};
}

bool Ellipse2d::isDegenerate() const
{
    return major.lengthSquared() == 0.0 || ratio == 0.0 || !std::isfinite(ratio);
}

double uEnd(const Curve2d& c)
{
    return std::visit(Overloaded{[](const Linear2d& l) { return l.uEnd; }, [](const Arc2d& a) { return a.uEnd(); },
                                 [](const Ellipse2d& e) { return e.uEnd(); }},
                      c);
}

Point2d pointAt(const Curve2d& c, double u)
{
    return std::visit([u](const auto& k) { return k.pointAt(u); }, c);
}

Point2d startPoint(const Curve2d& c)
{
    if (const auto* l = std::get_if<Linear2d>(&c))
        return l->pointAt(l->uStart);
    return pointAt(c, 0.0);
}

Point2d endPoint(const Curve2d& c) { return pointAt(c, uEnd(c)); }

Vector2d tangentAt(const Curve2d& c, double u)
{
    return std::visit(Overloaded{[](const Linear2d& l) { return l.direction; },
                                 [u](const Arc2d& a) {
                                     return Vector2d::fromAngle(a.angleAt(u)).perpendicular() * a.sense();
                                 },
                                 [u](const Ellipse2d& e) { return e.derivativeAt(u).normal(); }},
                      c);
}

double lengthTo(const Curve2d& c, double u)
{
    return std::visit(Overloaded{[u](const Linear2d& l) { return std::clamp(u, l.uStart, l.uEnd) - l.uStart; },
                                 [u](const Arc2d& a) { return a.radius * clampTo(u, a.uEnd()); },
                                 [u](const Ellipse2d& e) { return ellipseLength(e, clampTo(u, e.uEnd())); }},
                      c);
}

double length(const Curve2d& c) { return lengthTo(c, uEnd(c)); }

bool paramAtLength(const Curve2d& c, double dist, double& u)
{
    const double total = length(c);
    if (!(dist >= 0.0) || dist > total)
        return false;
    if (const auto* l = std::get_if<Linear2d>(&c)) {
        u = l->uStart + dist;
        return true;
    }
    if (const auto* a = std::get_if<Arc2d>(&c)) {
        u = a->radius > 0.0 ? dist / a->radius : 0.0;
        return true;
    }
    // Ellipse: length grows monotonically with u, so bisection always converges.
    double lo = 0.0, hi = uEnd(c);
    for (int i = 0; i < kBisectionSteps && hi - lo > 1e-15; ++i) {
        const double mid = 0.5 * (lo + hi);
        (lengthTo(c, mid) < dist ? lo : hi) = mid;
    }
    u = 0.5 * (lo + hi);
    return true;
}

double closestParam(const Curve2d& c, const Point2d& p, bool extend)
{
    return std::visit(
        Overloaded{[&](const Linear2d& l) {
                       if (l.isPoint())
                           return l.uStart;
                       const double u = dot(p - l.origin, l.direction);
                       return extend ? u : std::clamp(u, l.uStart, l.uEnd);
                   },
                   [&](const Arc2d& a) {
                       if (p == a.centre)
                           return 0.0;
                       const double u = travelled(a.startAngle, a.sense(), (p - a.centre).angle());
                       if (extend || u <= a.uEnd())
                           return u;
                       return nearerEnd(c, p, a.uEnd());
                   },
                   [&](const Ellipse2d& e) {
                       if (extend || e.isFull())
                           return ellipseClosestParam(e.extended(), p, kTwoPi, true);
                       return ellipseClosestParam(e, p, e.uEnd(), false);
                   }},
        c);
}

double distanceTo(const Curve2d& c, const Point2d& p, bool extend)
{
    const Curve2d& onto = c;
    const double u = closestParam(onto, p, extend);
    if (extend)
        return distance(pointAt(extended(c), u), p);
    return distance(pointAt(c, u), p);
}

Curve2d extended(const Curve2d& c)
{
    return std::visit([](const auto& k) -> Curve2d { return k.extended(); }, c);
}

void Extents2d::add(const Point2d& p)
{
    min = {std::min(min.x, p.x), std::min(min.y, p.y)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y)};
}

void Extents2d::add(const Extents2d& e)
{
    if (e.isEmpty())
        return;
    add(e.min);
    add(e.max);
}

bool Extents2d::overlaps(const Extents2d& e, double margin) const
{
    return !(e.min.x > max.x + margin || e.max.x < min.x - margin || e.min.y > max.y + margin ||
             e.max.y < min.y - margin);
}

Extents2d extents(const Curve2d& c)
{
    Extents2d box;
    box.add(startPoint(c));
    box.add(endPoint(c));
    if (const auto* a = std::get_if<Arc2d>(&c)) {
        for (int quarter = 0; quarter < 4; ++quarter) {
            const double u = travelled(a->startAngle, a->sense(), quarter * kPi / 2);
            if (u <= a->uEnd())
                box.add(a->pointAt(u));
        }
    } else if (const auto* e = std::get_if<Ellipse2d>(&c)) {
        const Vector2d mi = e->minor();
        const double extremes[2] = {std::atan2(mi.x, e->major.x), std::atan2(mi.y, e->major.y)};
        for (double t : extremes)
            for (double t2 : {t, t + kPi}) {
                const double u = travelled(e->startParam, e->sense(), t2);
                if (u <= e->uEnd())
                    box.add(e->pointAt(u));
            }
    }
    return box;
}

double areaWithChord(const Curve2d& c)
{
    if (const auto* a = std::get_if<Arc2d>(&c)) {
        const double theta = a->uEnd();
        return a->sense() * 0.5 * a->radius * a->radius * (theta - std::sin(theta));
    }
    if (const auto* e = std::get_if<Ellipse2d>(&c)) {
        const double theta = e->uEnd();
        const double ab = e->major.lengthSquared() * e->ratio; // signed by the mirror
        return e->sense() * 0.5 * ab * (theta - std::sin(theta));
    }
    return 0.0;
}

double featureSize(const Curve2d& c)
{
    return std::visit(Overloaded{[](const Linear2d& l) { return l.isBounded() ? l.uEnd - l.uStart : 0.0; },
                                 [](const Arc2d& a) { return 2.0 * a.radius; },
                                 [](const Ellipse2d& e) { return 2.0 * e.major.length(); }},
                      c);
}

Point2d anchor(const Curve2d& c)
{
    return std::visit(Overloaded{[](const Linear2d& l) { return l.origin; }, [](const Arc2d& a) { return a.centre; },
                                 [](const Ellipse2d& e) { return e.centre; }},
                      c);
}

Curve2d translated(const Curve2d& c, const Vector2d& v)
{
    return std::visit(Overloaded{[&](Linear2d l) -> Curve2d {
                                     l.origin += v;
                                     return l;
                                 },
                                 [&](Arc2d a) -> Curve2d {
                                     a.centre += v;
                                     return a;
                                 },
                                 [&](Ellipse2d e) -> Curve2d {
                                     e.centre += v;
                                     return e;
                                 }},
                      c);
}

} // namespace host

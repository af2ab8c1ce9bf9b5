#include "host/geometry/Intersect2d.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace host {

namespace {
// Meeting points are equal within this fraction of the figures' size as well (rounding grows with size).
constexpr double kRelativeSizeTolerance = 1e-12;
// Samples per full turn when marching along a conic to bracket its meetings with an ellipse.
constexpr int kMarchSamplesPerTurn = 256;
constexpr int kRootRefineSteps = 100;
// Probes between two roots that decide whether they are one touch smeared by rounding.
constexpr int kTouchProbes = 8;
// Below this |sin| between two unit directions, lines are treated as parallel.
constexpr double kParallelSine = 1e-14;
// The quick decision leaves crossings flatter than this (as sine) and within this many tolerances
// (scaled by the crossing angle) of an end to the full test.
constexpr double kQuickMinSine = 1e-6;
constexpr double kQuickMarginFactor = 8.0;

double travelled(double start, double sense, double angle) { return normalizeAngle(sense * (angle - start)); }

// Accepts u on [lo, hi] within slack and clamps it there.
bool acceptOnRange(double& u, double lo, double hi, double slack)
{
    if (u < lo - slack || u > hi + slack)
        return false;
    u = std::clamp(u, lo, hi);
    return true;
}

// The travelled parameter of an angle on a closed carrier restricted to [0, hi], with slack in
// parameter units; a parameter just below a whole turn is the start seen from the other side.
bool acceptOnTurn(double angle, double start, double sense, double hi, double slack, double& u)
{
    u = travelled(start, sense, angle);
    if (u <= hi + slack) {
        u = std::min(u, hi);
        return true;
    }
    if (u >= kTwoPi - slack) {
        u = 0.0;
        return true;
    }
    return false;
}

class MeetBuilder {
public:
    explicit MeetBuilder(double tol) : tol_(tol) {}
    void add(const Point2d& p, double uA, double uB)
    {
        if (count_ < found_.size())
            found_[count_++] = {p, uA, uB};
    }
    Meet finish(bool overlap)
    {
        std::sort(found_.begin(), found_.begin() + count_, [](const MeetPoint& a, const MeetPoint& b) { return a.uA < b.uA; });
        Meet m;
        for (size_t i = 0; i < count_; ++i) {
            const MeetPoint& p = found_[i];
            const bool repeat = std::any_of(m.begin(), m.end(), [&](const MeetPoint& q) {
                return distance(p.point, q.point) <= tol_;
            });
            if (!repeat && m.count < static_cast<int>(m.points.size()))
                m.points[m.count++] = p;
        }
        if (overlap)
            m.kind = MeetCase::Overlap;
        else
            m.kind = m.count == 0 ? MeetCase::None
                     : m.count == 1 ? MeetCase::One
                     : m.count == 2 ? MeetCase::Two
                                    : MeetCase::Several;
        return m;
    }

private:
    double tol_;
    // Candidates before merging: at most 4 meetings plus the ends of two curves on a common carrier.
    std::array<MeetPoint, 16> found_{};
    size_t count_ = 0;
};

bool isPointLike(const Curve2d& c, Point2d& at)
{
    if (const auto* l = std::get_if<Linear2d>(&c); l && l->isPoint()) {
        at = l->origin;
        return true;
    }
    if (const auto* a = std::get_if<Arc2d>(&c); a && a->radius == 0.0) {
        at = a->centre;
        return true;
    }
    return false;
}

// A point (the first operand) against a curve.
Meet meetPoint(const Point2d& p, const Curve2d& b, double uA, double tol)
{
    MeetBuilder out(tol);
    const double uB = closestParam(b, p);
    if (distance(pointAt(b, uB), p) <= tol)
        out.add(p, uA, uB);
    return out.finish(false);
}

// Signed distance (exact for circles, first-order for ellipses) from a point to a full conic.
double conicDistance(const Curve2d& c, const Point2d& p)
{
    if (const auto* a = std::get_if<Arc2d>(&c))
        return distance(p, a->centre) - a->radius;
    const auto& e = std::get<Ellipse2d>(c);
    const Point2d q = e.toUnit(p);
    const Vector2d mi = e.minor();
    const Vector2d grad = (e.major * (q.x / e.major.lengthSquared()) + mi * (q.y / mi.lengthSquared())) * 2.0;
    const double len = grad.length();
    const double f = q.x * q.x + q.y * q.y - 1.0;
    return len > 0.0 ? f / len : -e.major.length() * std::fabs(e.ratio);
}

// Two curves on the same carrier: their ends that lie on the other, and whether they share a stretch.
Meet meetOnSameCarrier(const Curve2d& a, const Curve2d& b, bool aClosed, double tol)
{
    std::vector<Point2d> candidates;
    for (const Curve2d* c : {&a, &b}) {
        const Curve2d& other = c == &a ? b : a;
        const double hi = uEnd(*c);
        if (hi >= kTwoPi && !std::holds_alternative<Linear2d>(*c))
            continue; // full conics have no ends
        for (double u : {0.0, hi})
            if (distanceTo(other, pointAt(*c, u)) <= tol)
                candidates.push_back(pointAt(*c, u));
    }
    if (candidates.empty()) {
        // Either disjoint pieces or both full: the latter share everything.
        const bool bothFull = uEnd(a) >= kTwoPi && uEnd(b) >= kTwoPi;
        Meet m;
        m.kind = bothFull ? MeetCase::Overlap : MeetCase::None;
        return m;
    }
    std::vector<double> us;
    for (const Point2d& p : candidates)
        us.push_back(closestParam(a, p));
    std::sort(us.begin(), us.end());
    bool overlap = false;
    const auto sharesMiddle = [&](double u0, double u1) {
        return u1 - u0 > 0.0 && distanceTo(b, pointAt(a, 0.5 * (u0 + u1))) <= tol &&
               distance(pointAt(a, u0), pointAt(a, u1)) > tol;
    };
    for (size_t i = 0; i + 1 < us.size(); ++i)
        overlap = overlap || sharesMiddle(us[i], us[i + 1]);
    if (aClosed && us.size() >= 2)
        overlap = overlap || (distanceTo(b, pointAt(a, 0.5 * (us.back() + us.front() + kTwoPi))) <= tol &&
                              distance(pointAt(a, us.back()), pointAt(a, us.front())) > tol);
    MeetBuilder out(tol);
    for (const Point2d& p : candidates) {
        const double uA = closestParam(a, p);
        out.add(pointAt(a, uA), uA, closestParam(b, p));
    }
    return out.finish(overlap);
}

Meet meetCollinear(const Linear2d& a, const Linear2d& b, double tol)
{
    const double along = dot(b.direction, a.direction);
    const double base = dot(b.origin - a.origin, a.direction);
    const auto mapEnd = [&](double u) {
        if (std::isinf(u))
            return (u > 0) == (along > 0) ? kInfinity : -kInfinity;
        return base + along * u;
    };
    const double lo = std::max(a.uStart, std::min(mapEnd(b.uStart), mapEnd(b.uEnd)));
    const double hi = std::min(a.uEnd, std::max(mapEnd(b.uStart), mapEnd(b.uEnd)));
    MeetBuilder out(tol);
    if (lo > hi + tol)
        return out.finish(false);
    const auto addAt = [&](double uA) {
        const Point2d p = a.pointAt(uA);
        out.add(p, uA, closestParam(b, p));
    };
    if (hi - lo <= tol) {
        addAt(std::isfinite(lo) ? lo : hi);
        return out.finish(false);
    }
    if (std::isfinite(lo))
        addAt(lo);
    if (std::isfinite(hi))
        addAt(hi);
    return out.finish(true);
}

Meet marchAlong(const Curve2d& a, const Curve2d& b, double tol)
{
    const double hi = uEnd(a);
    const int samples = std::max(16, static_cast<int>(std::ceil(kMarchSamplesPerTurn * hi / kTwoPi)));
    std::vector<double> g(samples + 1);
    bool allOn = true;
    for (int i = 0; i <= samples; ++i) {
        g[i] = conicDistance(b, pointAt(a, hi * i / samples));
        allOn = allOn && std::fabs(g[i]) <= tol;
    }
    if (allOn)
        return meetOnSameCarrier(a, b, hi >= kTwoPi, tol);

    const auto gAt = [&](double u) { return conicDistance(b, pointAt(a, u)); };
    std::vector<double> roots;
    for (int i = 0; i < samples; ++i) {
        double lo = hi * i / samples, up = hi * (i + 1) / samples;
        if (g[i] == 0.0)
            roots.push_back(lo);
        if ((g[i] < 0.0) != (g[i + 1] < 0.0) && g[i + 1] != 0.0 && g[i] != 0.0) {
            double glo = g[i];
            for (int k = 0; k < kRootRefineSteps && up - lo > 1e-15; ++k) {
                const double mid = 0.5 * (lo + up);
                const double gm = gAt(mid);
                if ((gm < 0.0) == (glo < 0.0)) {
                    lo = mid;
                    glo = gm;
                } else {
                    up = mid;
                }
            }
            roots.push_back(0.5 * (lo + up));
        }
    }
    if (g[samples] == 0.0)
        roots.push_back(hi);
    // Touches: local minima of |g| that do not change sign, refined by golden section.
    for (int i = 1; i < samples; ++i) {
        if (std::fabs(g[i]) > std::fabs(g[i - 1]) || std::fabs(g[i]) > std::fabs(g[i + 1]))
            continue;
        if ((g[i - 1] < 0.0) != (g[i + 1] < 0.0))
            continue;
        double lo = hi * (i - 1) / samples, up = hi * (i + 1) / samples;
        const double r = 0.5 * (std::sqrt(5.0) - 1.0);
        for (int k = 0; k < kRootRefineSteps && up - lo > 1e-15; ++k) {
            const double m1 = up - r * (up - lo), m2 = lo + r * (up - lo);
            if (std::fabs(gAt(m1)) < std::fabs(gAt(m2)))
                up = m2;
            else
                lo = m1;
        }
        const double u = 0.5 * (lo + up);
        if (std::fabs(gAt(u)) <= tol)
            roots.push_back(u);
    }
    // Near a touch rounding makes g cross zero several times: roots with g within tolerance all the way
    // between them are one touch point, taken in the middle of the cluster.
    std::sort(roots.begin(), roots.end());
    const auto flatBetween = [&](double u0, double u1) {
        for (int k = 1; k <= kTouchProbes; ++k)
            if (std::fabs(gAt(u0 + (u1 - u0) * k / (kTouchProbes + 1))) > tol)
                return false;
        return true;
    };
    MeetBuilder out(tol);
    for (size_t i = 0; i < roots.size();) {
        size_t j = i;
        while (j + 1 < roots.size() && flatBetween(roots[j], roots[j + 1]))
            ++j;
        const double u = 0.5 * (roots[i] + roots[j]);
        const Point2d p = pointAt(a, u);
        const double uB = closestParam(b, p);
        if (distance(pointAt(b, uB), p) <= tol)
            out.add(p, u, uB);
        i = j + 1;
    }
    return out.finish(false);
}

} // namespace

double meetTolerance(const Curve2d& a, const Curve2d& b)
{
    const double magnitude = std::max(coordinateMagnitude(anchor(a)), coordinateMagnitude(anchor(b)));
    const double size = std::max(featureSize(a), featureSize(b));
    return std::max(globalTolerance().pointTolerance(magnitude), kRelativeSizeTolerance * size);
}

Meet meetLinearLinear(const Linear2d& a, const Linear2d& b, double tol)
{
    if (a.isPoint())
        return meetPoint(a.origin, b, a.uStart, tol);
    if (b.isPoint()) {
        MeetBuilder out(tol);
        const double uA = closestParam(a, b.origin);
        if (distance(a.pointAt(uA), b.origin) <= tol)
            out.add(a.pointAt(uA), uA, b.uStart);
        return out.finish(false);
    }
    const Vector2d w = b.origin - a.origin;
    const double denom = cross(a.direction, b.direction);
    const bool carrierOn = std::fabs(cross(a.direction, w)) <= tol;
    const bool bothEndsOn =
        b.isBounded() && std::fabs(cross(a.direction, b.pointAt(b.uEnd) - a.origin)) <= tol && carrierOn;
    if (bothEndsOn || (std::fabs(denom) <= kParallelSine && carrierOn))
        return meetCollinear(a, b, tol);
    MeetBuilder out(tol);
    if (std::fabs(denom) <= kParallelSine)
        return out.finish(false);
    double uA = cross(w, b.direction) / denom;
    double uB = cross(w, a.direction) / denom;
    // Along a straight curve the parameter is a length, so the tolerance serves as slack directly.
    if (acceptOnRange(uA, a.uStart, a.uEnd, tol) && acceptOnRange(uB, b.uStart, b.uEnd, tol))
        out.add(a.pointAt(uA), uA, uB);
    return out.finish(false);
}

QuickMeet quickLinearMeet(const Linear2d& a, const Linear2d& b, double tol, double& uA, double& uB)
{
    const double denom = cross(a.direction, b.direction);
    if (a.isPoint() || b.isPoint() || std::fabs(denom) < kQuickMinSine)
        return QuickMeet::Undecided;
    const Vector2d w = b.origin - a.origin;
    uA = cross(w, b.direction) / denom;
    uB = cross(w, a.direction) / denom;
    // Parameters within this much of an end are left to the full test (tolerance, vertices).
    const double margin = kQuickMarginFactor * tol / std::fabs(denom);
    const bool outside = uA < a.uStart - margin || uA > a.uEnd + margin || uB < b.uStart - margin || uB > b.uEnd + margin;
    if (outside)
        return QuickMeet::Apart;
    const bool inside = uA > a.uStart + margin && uA < a.uEnd - margin && uB > b.uStart + margin && uB < b.uEnd - margin;
    return inside ? QuickMeet::Crossing : QuickMeet::Undecided;
}

Meet meetLinearArc(const Linear2d& a, const Arc2d& b, double tol)
{
    if (a.isPoint())
        return meetPoint(a.origin, b, a.uStart, tol);
    if (b.radius == 0.0)
        return meetLinearLinear(a, Linear2d::segment(b.centre, b.centre), tol);
    const Vector2d o = a.origin - b.centre;
    const double t0 = -dot(o, a.direction);
    const double h = std::fabs(cross(a.direction, o));
    MeetBuilder out(tol);
    if (h > b.radius + tol)
        return out.finish(false);
    std::array<double, 2> ts{t0, t0};
    int n = 1;
    if (h < b.radius - tol) {
        const double dt = std::sqrt((b.radius - h) * (b.radius + h));
        ts = {t0 - dt, t0 + dt};
        n = 2;
    }
    const double angleSlack = tol / b.radius;
    for (int i = 0; i < n; ++i) {
        double uA = ts[i];
        double uB = 0.0;
        const Point2d p = a.pointAt(uA);
        if (acceptOnRange(uA, a.uStart, a.uEnd, tol) &&
            acceptOnTurn((p - b.centre).angle(), b.startAngle, b.sense(), b.uEnd(), angleSlack, uB))
            out.add(a.pointAt(uA), uA, uB);
    }
    return out.finish(false);
}

Meet meetArcArc(const Arc2d& a, const Arc2d& b, double tol)
{
    if (a.radius == 0.0)
        return meetPoint(a.centre, b, 0.0, tol);
    if (b.radius == 0.0) {
        MeetBuilder out(tol);
        const double uA = closestParam(a, b.centre);
        if (distance(a.pointAt(uA), b.centre) <= tol)
            out.add(a.pointAt(uA), uA, 0.0);
        return out.finish(false);
    }
    const Vector2d cc = b.centre - a.centre;
    const double d = cc.length();
    if (d <= tol && std::fabs(a.radius - b.radius) <= tol)
        return meetOnSameCarrier(a, b, a.isFullCircle(), tol);
    MeetBuilder out(tol);
    if (d <= tol || d > a.radius + b.radius + tol || d < std::fabs(a.radius - b.radius) - tol)
        return out.finish(false);
    // Foot of the common chord at distance x from a's centre along cc, half-chord y.
    const double x = (d * d + a.radius * a.radius - b.radius * b.radius) / (2.0 * d);
    const double y2 = a.radius * a.radius - x * x;
    const Vector2d ex = cc / d;
    const bool touching = std::fabs(d - (a.radius + b.radius)) <= tol || std::fabs(d - std::fabs(a.radius - b.radius)) <= tol || y2 <= 0.0;
    const double y = touching ? 0.0 : std::sqrt(y2);
    const int n = touching ? 1 : 2;
    for (int i = 0; i < n; ++i) {
        const double side = i == 0 ? 1.0 : -1.0;
        const Point2d p = a.centre + ex * x + ex.perpendicular() * (side * y);
        double uA = 0.0, uB = 0.0;
        if (acceptOnTurn((p - a.centre).angle(), a.startAngle, a.sense(), a.uEnd(), tol / a.radius, uA) &&
            acceptOnTurn((p - b.centre).angle(), b.startAngle, b.sense(), b.uEnd(), tol / b.radius, uB))
            out.add(a.pointAt(uA), uA, uB);
    }
    return out.finish(false);
}

Meet meetLinearEllipse(const Linear2d& a, const Ellipse2d& b, double tol)
{
    if (a.isPoint())
        return meetPoint(a.origin, b, a.uStart, tol);
    MeetBuilder out(tol);
    if (b.isDegenerate())
        return out.finish(false);
    // In the ellipse's unit-circle coordinates the line stays a line with the same parameter.
    const Point2d o = b.toUnit(a.origin);
    const Vector2d d = b.toUnit(a.origin + a.direction) - o;
    const double dd = d.lengthSquared();
    const double t0 = -dot(o.asVector(), d) / dd;
    const Point2d foot = o + d * t0;
    const double h = foot.asVector().length();
    const Point2d footWorld = a.pointAt(t0);
    // World distance from the foot to the ellipse along the ray from the centre: small means a touch.
    const double gap = h > 0.0 ? distance(footWorld, b.centre + b.major * (foot.x / h) + b.minor() * (foot.y / h))
                               : kInfinity;
    if (h > 1.0 && gap > tol)
        return out.finish(false);
    std::array<double, 2> ts{t0, t0};
    int n = 1;
    if (h < 1.0 && gap > tol) {
        const double dt = std::sqrt((1.0 - h) * (1.0 + h) / dd);
        ts = {t0 - dt, t0 + dt};
        n = 2;
    }
    const double paramSlack = tol / std::min(b.major.length(), b.minor().length());
    for (int i = 0; i < n; ++i) {
        double uA = ts[i], uB = 0.0;
        const Point2d q = b.toUnit(a.pointAt(uA));
        if (acceptOnRange(uA, a.uStart, a.uEnd, tol) &&
            acceptOnTurn(std::atan2(q.y, q.x), b.startParam, b.sense(), b.uEnd(), paramSlack, uB))
            out.add(a.pointAt(uA), uA, uB);
    }
    return out.finish(false);
}

Meet meetConics(const Curve2d& a, const Curve2d& b, double tol)
{
    for (const Curve2d* c : {&a, &b})
        if (const auto* e = std::get_if<Ellipse2d>(c); e && e->isDegenerate())
            return MeetBuilder(tol).finish(false);
    return marchAlong(a, b, tol);
}

Meet swapped(const Meet& m, const Curve2d& newFirst)
{
    MeetBuilder out(0.0);
    for (const MeetPoint& p : m)
        out.add(pointAt(newFirst, p.uB), p.uB, p.uA);
    Meet result = out.finish(m.kind == MeetCase::Overlap);
    return result;
}

Meet intersect(const Curve2d& a, const Curve2d& b) { return intersect(a, b, meetTolerance(a, b)); }

Meet intersect(const Curve2d& a, const Curve2d& b, double tol)
{
    // Work where a is anchored, so coordinates are small and keep their precision.
    const Vector2d shift = anchor(a).asVector();
    const Curve2d la = translated(a, -shift), lb = translated(b, -shift);
    Meet m;
    Point2d at;
    if (isPointLike(la, at)) {
        m = meetPoint(at, lb, 0.0, tol);
    } else if (isPointLike(lb, at)) {
        m = swapped(meetPoint(at, la, 0.0, tol), la);
    } else {
        const auto* al = std::get_if<Linear2d>(&la);
        const auto* bl = std::get_if<Linear2d>(&lb);
        const auto* aa = std::get_if<Arc2d>(&la);
        const auto* ba = std::get_if<Arc2d>(&lb);
        const auto* ae = std::get_if<Ellipse2d>(&la);
        const auto* be = std::get_if<Ellipse2d>(&lb);
        if (al && bl)
            m = meetLinearLinear(*al, *bl, tol);
        else if (al && ba)
            m = meetLinearArc(*al, *ba, tol);
        else if (aa && bl)
            m = swapped(meetLinearArc(*bl, *aa, tol), la);
        else if (aa && ba)
            m = meetArcArc(*aa, *ba, tol);
        else if (al && be)
            m = meetLinearEllipse(*al, *be, tol);
        else if (ae && bl)
            m = swapped(meetLinearEllipse(*bl, *ae, tol), la);
        else
            m = meetConics(la, lb, tol);
    }
    for (MeetPoint& p : m.points)
        p.point += shift;
    return m;
}

} // namespace host

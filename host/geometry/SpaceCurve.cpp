#include "host/geometry/SpaceCurve.h"

#include "host/geometry/SegmentIndex.h"

#include <boost/geometry/geometries/box.hpp>
#include <boost/geometry/geometries/point.hpp>
#include <boost/geometry/index/rtree.hpp>

#include <algorithm>
#include <cmath>

namespace host {

namespace bg = boost::geometry;
namespace bgi = boost::geometry::index;

namespace {

// Points in space meet within the global point tolerance at their location, widened by this
// fraction of the figures' size for the rounding of plane and projection arithmetic.
constexpr double kSpaceRelativeTolerance = 1e-11;
// Planes whose unit normals differ by less than this (as the sine of their angle) are parallel.
constexpr double kParallelPlanes = 1e-10;
// Two 3D parameters this close (relative) are the same point found twice.
constexpr double kSameParam = 1e-9;

// A straight piece in space: origin + u * direction (unit, or zero for a point), u in [uStart, uEnd];
// the owning curve's parameter is paramBase + paramPerU * u.
struct Piece3d {
    Point3d origin;
    Vector3d direction;
    double uStart = 0.0;
    double uEnd = 0.0;
    double paramBase = 0.0;
    double paramPerU = 1.0;

    Point3d at(double u) const { return origin + direction * u; }
    double param(double u) const { return paramBase + paramPerU * u; }
    bool isPoint() const { return direction.lengthSquared() == 0.0; }
};

struct Hit3d {
    Point3d point;
    double param;
};

// The affine map of plan coordinates of one plane onto another plane's coordinates (orthogonal projection).
struct PlanMap {
    Point2d origin;  // image of (0, 0)
    Vector2d ex, ey; // images of the unit axes

    Point2d apply(const Point2d& q) const { return origin + ex * q.x + ey * q.y; }
    Vector2d apply(const Vector2d& v) const { return ex * v.x + ey * v.y; }
    double det() const { return cross(ex, ey); }
    bool isSimilarity() const
    {
        const double a = ex.lengthSquared(), b = ey.lengthSquared();
        return std::fabs(a - b) <= 1e-14 * (a + b) && std::fabs(dot(ex, ey)) <= 1e-14 * (a + b);
    }
};

PlanMap mapBetween(const Plane& from, const Plane& to)
{
    const Point3d o = from.fromPlaneCoords({0, 0});
    const Point2d o2 = to.toPlaneCoords(o);
    return {o2, to.toPlaneCoords(o + from.xAxis()) - o2, to.toPlaneCoords(o + from.yAxis()) - o2};
}

// A conic piece as c + X cos u + Y sin u over u in [0, |sweep|], u the travelled parameter.
struct Conjugates {
    Point2d centre;
    Vector2d x, y;
    double sweep;
};

Conjugates conjugatesOf(const Arc2d& a)
{
    const double s = a.startAngle;
    return {a.centre, Vector2d(std::cos(s), std::sin(s)) * a.radius,
            Vector2d(-std::sin(s), std::cos(s)) * (a.radius * a.sense()), a.uEnd()};
}

Conjugates conjugatesOf(const Ellipse2d& e)
{
    const double s = e.startParam;
    const Vector2d mi = e.minor();
    return {e.centre, e.major * std::cos(s) + mi * std::sin(s), (e.major * -std::sin(s) + mi * std::cos(s)) * e.sense(),
            e.uEnd()};
}

// The principal-axis form of c + X cos u + Y sin u (a circle when the map kept it one), same u.
Curve2d conicFromConjugates(const Conjugates& k, bool circular)
{
    const double sense = cross(k.x, k.y) < 0.0 ? -1.0 : 1.0;
    if (circular)
        return Arc2d{k.centre, k.x.length(), k.x.angle(), sense * k.sweep};
    // Rotate the conjugate pair by phi until the two diameters are perpendicular.
    const double phi = 0.5 * std::atan2(2.0 * dot(k.x, k.y), k.x.lengthSquared() - k.y.lengthSquared());
    const Vector2d p = k.x * std::cos(phi) + k.y * std::sin(phi);
    const Vector2d q = k.x * -std::sin(phi) + k.y * std::cos(phi);
    const double ratio = p.lengthSquared() > 0.0 ? cross(p, q) / p.lengthSquared() : 0.0;
    return Ellipse2d{k.centre, p, ratio, -phi, k.sweep};
}

Curve2d mapCurve(const Curve2d& c, const PlanMap& m)
{
    if (const auto* l = std::get_if<Linear2d>(&c)) {
        const Vector2d d = m.apply(l->direction);
        const double scale = d.length();
        if (scale == 0.0 || l->isPoint())
            return Linear2d::segment(m.apply(l->origin), m.apply(l->origin));
        return Linear2d{m.apply(l->origin), d / scale, l->uStart * scale, l->uEnd * scale};
    }
    Conjugates k = std::holds_alternative<Arc2d>(c) ? conjugatesOf(std::get<Arc2d>(c)) : conjugatesOf(std::get<Ellipse2d>(c));
    const bool circular = std::holds_alternative<Arc2d>(c) && m.isSimilarity();
    k = {m.apply(k.centre), m.apply(k.x), m.apply(k.y), k.sweep};
    return conicFromConjugates(k, circular);
}

double magnitudeOf(const Box3d& e)
{
    if (e.isEmpty())
        return 0.0;
    return std::max({std::fabs(e.min.x), std::fabs(e.min.y), std::fabs(e.min.z), std::fabs(e.max.x),
                     std::fabs(e.max.y), std::fabs(e.max.z)});
}

double sizeOf(const Box3d& e) { return e.isEmpty() ? 0.0 : (e.max - e.min).length(); }

} // namespace

void Box3d::add(const Point3d& p)
{
    min = {std::min(min.x, p.x), std::min(min.y, p.y), std::min(min.z, p.z)};
    max = {std::max(max.x, p.x), std::max(max.y, p.y), std::max(max.z, p.z)};
}

SpaceCurve SpaceCurve::line(const Point3d& start, const Point3d& end)
{
    SpaceCurve c;
    c.vertices_ = {start, end};
    c.paramScale_ = distance(start, end);
    return c;
}

SpaceCurve SpaceCurve::ray(const Point3d& base, const Vector3d& direction)
{
    SpaceCurve c;
    c.vertices_ = {base, base + direction.normal()};
    c.unbounded_ = Unbounded::End;
    return c;
}

SpaceCurve SpaceCurve::infiniteLine(const Point3d& base, const Vector3d& direction)
{
    SpaceCurve c = ray(base, direction);
    c.unbounded_ = Unbounded::Both;
    return c;
}

SpaceCurve SpaceCurve::arc(const Point3d& centre, const Vector3d& normal, double radius, double startAngle,
                           double endAngle)
{
    SpaceCurve c;
    c.form_ = Form::Planar;
    c.plane_ = Plane(centre, normal);
    const Arc2d a = Arc2d::fromAngles({0, 0}, radius, startAngle, endAngle);
    c.plan_ = Composite2d::fromCurve(a);
    c.paramOffset_ = a.startAngle;
    c.paramScale_ = a.sweep;
    return c;
}

SpaceCurve SpaceCurve::circle(const Point3d& centre, const Vector3d& normal, double radius)
{
    SpaceCurve c;
    c.form_ = Form::Planar;
    c.plane_ = Plane(centre, normal);
    c.plan_ = Composite2d::fromCurve(Arc2d::circle({0, 0}, radius));
    c.paramScale_ = kTwoPi;
    return c;
}

SpaceCurve SpaceCurve::ellipse(const Point3d& centre, const Vector3d& normal, const Vector3d& majorAxis, double ratio,
                               double startParam, double endParam)
{
    SpaceCurve c;
    c.form_ = Form::Planar;
    c.plane_ = Plane(centre, normal);
    double sweep = normalizeAngle(endParam - startParam);
    if (sweep == 0.0)
        sweep = kTwoPi;
    const Point2d major = c.plane_.toPlaneCoords(centre + majorAxis);
    c.plan_ = Composite2d::fromCurve(Ellipse2d{{0, 0}, major.asVector(), ratio, startParam, sweep});
    c.paramOffset_ = startParam;
    c.paramScale_ = sweep;
    return c;
}

std::optional<SpaceCurve> SpaceCurve::planarPolyline(const Vector3d& normal, double elevation,
                                                     const std::vector<Point2d>& vertices,
                                                     const std::vector<double>& bulges, bool closed)
{
    SpaceCurve c;
    c.form_ = Form::Planar;
    const Vector3d n = normal.normal().lengthSquared() > 0.0 ? normal.normal() : Vector3d::zAxis();
    c.plane_ = Plane(Point3d() + n * elevation, n);
    if (Composite2d::fromVertices(vertices, bulges, closed, c.plan_) != CompositeBuild::Ok)
        return std::nullopt;
    c.closed_ = c.plan_.isClosed();
    return c;
}

std::optional<SpaceCurve> SpaceCurve::polyline3d(const std::vector<Point3d>& vertices, bool closed)
{
    if (vertices.empty())
        return std::nullopt;
    for (const Point3d& v : vertices)
        if (!std::isfinite(v.x + v.y + v.z))
            return std::nullopt;
    SpaceCurve c;
    c.vertices_ = vertices;
    c.closed_ = closed && vertices.size() > 1;
    if (c.closed_)
        c.vertices_.push_back(vertices.front());
    return c;
}

bool SpaceCurve::isClosed() const { return form_ == Form::Planar ? plan_.isClosed() : closed_; }

double SpaceCurve::compositeParam(double own) const
{
    return paramScale_ != 0.0 ? (own - paramOffset_) / paramScale_ : 0.0;
}

namespace {
int chainSegments(const std::vector<Point3d>& v) { return std::max(1, static_cast<int>(v.size()) - 1); }
} // namespace

double SpaceCurve::startParam() const
{
    if (unbounded_ == Unbounded::Both)
        return -kInfinity;
    return ownParam(0.0);
}

double SpaceCurve::endParam() const
{
    if (unbounded_ != Unbounded::No)
        return kInfinity;
    if (form_ == Form::Planar)
        return ownParam(plan_.endParam());
    return ownParam(vertices_.size() > 1 ? chainSegments(vertices_) : 0.0);
}

Point3d SpaceCurve::chainPoint(double cp) const
{
    if (vertices_.size() == 1)
        return vertices_.front();
    const int n = chainSegments(vertices_);
    const int i = std::clamp(static_cast<int>(std::floor(cp)), 0, n - 1);
    const double f = cp - i;
    return vertices_[i] + (vertices_[i + 1] - vertices_[i]) * f;
}

Point3d SpaceCurve::pointAtParam(double param) const
{
    if (form_ == Form::Planar)
        return lift(plan_.pointAtParam(compositeParam(param)));
    if (unbounded_ != Unbounded::No) {
        const double t = unbounded_ == Unbounded::End ? std::max(param, 0.0) : param;
        return vertices_[0] + (vertices_[1] - vertices_[0]) * t;
    }
    const double cp = compositeParam(param);
    return chainPoint(std::clamp(cp, 0.0, vertices_.size() > 1 ? double(chainSegments(vertices_)) : 0.0));
}

Point3d SpaceCurve::startPoint() const { return unbounded_ == Unbounded::Both ? vertices_[0] : pointAtParam(startParam()); }

Point3d SpaceCurve::endPoint() const
{
    if (unbounded_ != Unbounded::No)
        return vertices_[1];
    return pointAtParam(endParam());
}

double SpaceCurve::distanceAtParam(double param) const
{
    if (form_ == Form::Planar)
        return plan_.lengthAtParam(compositeParam(param));
    if (unbounded_ != Unbounded::No)
        return param;
    const double cp = std::clamp(compositeParam(param), 0.0, double(vertices_.size() > 1 ? chainSegments(vertices_) : 0));
    double total = 0.0;
    for (int i = 0; i + 1 < static_cast<int>(vertices_.size()); ++i) {
        const double len = distance(vertices_[i], vertices_[i + 1]);
        if (cp <= i + 1)
            return total + len * (cp - i);
        total += len;
    }
    return total;
}

double SpaceCurve::length() const
{
    if (unbounded_ != Unbounded::No)
        return kInfinity;
    return distanceAtParam(endParam());
}

bool SpaceCurve::paramAtDistance(double dist, double& param) const
{
    if (!(dist >= 0.0))
        return false;
    if (form_ == Form::Planar) {
        double cp = 0.0;
        if (!plan_.paramAtLength(dist, cp))
            return false;
        param = ownParam(cp);
        return true;
    }
    if (unbounded_ != Unbounded::No) {
        param = dist;
        return true;
    }
    double before = 0.0;
    for (int i = 0; i + 1 < static_cast<int>(vertices_.size()); ++i) {
        const double len = distance(vertices_[i], vertices_[i + 1]);
        if (dist <= before + len) {
            param = ownParam(i + (len > 0.0 ? (dist - before) / len : 0.0));
            return true;
        }
        before += len;
    }
    if (vertices_.size() == 1 && dist == 0.0) {
        param = 0.0;
        return true;
    }
    return false;
}

namespace {

// The straight pieces of a chain, ray or line; extend runs an open chain's end pieces to infinity.
std::vector<Piece3d> piecesOf(const std::vector<Point3d>& v, bool unboundedEnd, bool unboundedStart, bool closed,
                              bool extend, double paramScale)
{
    std::vector<Piece3d> pieces;
    if (unboundedEnd) {
        Piece3d p{v[0], (v[1] - v[0]).normal(), unboundedStart || extend ? -kInfinity : 0.0, kInfinity, 0.0, 1.0};
        pieces.push_back(p);
        return pieces;
    }
    if (v.size() == 1) {
        pieces.push_back({v[0], Vector3d(), 0.0, 0.0, 0.0, 0.0});
        return pieces;
    }
    const int n = static_cast<int>(v.size()) - 1;
    for (int i = 0; i < n; ++i) {
        const Vector3d d = v[i + 1] - v[i];
        const double len = d.length();
        Piece3d p{v[i], d.normal(), 0.0, len, paramScale * i, len > 0.0 ? paramScale / len : 0.0};
        if (extend && !closed && len > 0.0) {
            if (i == 0)
                p.uStart = -kInfinity;
            if (i == n - 1)
                p.uEnd = kInfinity;
        }
        pieces.push_back(p);
    }
    return pieces;
}

double closestOnPiece(const Piece3d& p, const Point3d& q)
{
    if (p.isPoint())
        return p.uStart;
    return std::clamp(dot(q - p.origin, p.direction), p.uStart, p.uEnd);
}

} // namespace

double SpaceCurve::paramAtPoint(const Point3d& p) const
{
    if (form_ == Form::Planar)
        return ownParam(plan_.closestParam(plane_.toPlaneCoords(p)));
    double best = 0.0, bestDist = kInfinity;
    for (const Piece3d& piece : piecesOf(vertices_, unbounded_ != Unbounded::No, unbounded_ == Unbounded::Both, closed_,
                                         false, paramScale_)) {
        const double u = closestOnPiece(piece, p);
        const double d = distance(piece.at(u), p);
        if (d < bestDist) {
            bestDist = d;
            best = piece.param(u);
        }
    }
    return best;
}

Point3d SpaceCurve::closestPoint(const Point3d& p, bool extend) const
{
    if (form_ == Form::Planar)
        return lift(plan_.closestPoint(plane_.toPlaneCoords(p), extend && !isClosed()));
    Point3d best = vertices_.front();
    double bestDist = kInfinity;
    for (const Piece3d& piece : piecesOf(vertices_, unbounded_ != Unbounded::No, unbounded_ == Unbounded::Both, closed_,
                                         extend, paramScale_)) {
        const Point3d q = piece.at(closestOnPiece(piece, p));
        if (distance(q, p) < bestDist) {
            bestDist = distance(q, p);
            best = q;
        }
    }
    return best;
}

namespace {
// Twice the vector area of the closed chain (Newell), about its first vertex.
Vector3d newellArea(const std::vector<Point3d>& v)
{
    Vector3d sum;
    for (size_t i = 1; i + 1 < v.size(); ++i)
        sum += cross(v[i] - v[0], v[i + 1] - v[0]);
    return sum;
}
} // namespace

double SpaceCurve::area() const
{
    if (form_ == Form::Planar)
        return std::fabs(plan_.signedArea());
    if (unbounded_ != Unbounded::No)
        return 0.0;
    return 0.5 * newellArea(vertices_).length();
}

bool SpaceCurve::isClockwise() const
{
    if (form_ == Form::Planar)
        return plan_.isClockwise();
    return unbounded_ == Unbounded::No && newellArea(vertices_).z < 0.0;
}

const Box3d& SpaceCurve::extents() const
{
    if (!extents_)
        extents_ = computeExtents();
    return *extents_;
}

Box3d SpaceCurve::computeExtents() const
{
    Box3d box;
    if (form_ == Form::Straight) {
        for (const Point3d& v : vertices_)
            box.add(v);
        return box;
    }
    // Exact per axis: a conic piece c + X cos u + Y sin u has its extremes where tan u = Y_k / X_k.
    const Vector3d ax = plane_.xAxis(), ay = plane_.yAxis();
    const auto lift3 = [&](const Vector2d& v) { return ax * v.x + ay * v.y; };
    for (const Curve2d& s : plan_.segments()) {
        box.add(lift(host::startPoint(s)));
        box.add(lift(host::endPoint(s)));
        if (std::holds_alternative<Linear2d>(s))
            continue;
        const Conjugates k =
            std::holds_alternative<Arc2d>(s) ? conjugatesOf(std::get<Arc2d>(s)) : conjugatesOf(std::get<Ellipse2d>(s));
        const Point3d c = lift(k.centre);
        const Vector3d x = lift3(k.x), y = lift3(k.y);
        const double xs[3] = {x.x, x.y, x.z}, ys[3] = {y.x, y.y, y.z};
        for (int axis = 0; axis < 3; ++axis) {
            const double u0 = std::atan2(ys[axis], xs[axis]);
            for (double u : {normalizeAngle(u0), normalizeAngle(u0 + kPi)})
                if (u <= k.sweep)
                    box.add(c + x * std::cos(u) + y * std::sin(u));
        }
    }
    return box;
}

Composite2d SpaceCurve::projectedOnto(const Plane& p) const
{
    if (form_ == Form::Planar) {
        const PlanMap m = mapBetween(plane_, p);
        std::vector<Curve2d> mapped;
        for (const Curve2d& s : plan_.segments())
            mapped.push_back(mapCurve(s, m));
        return Composite2d::fromSegments(std::move(mapped), plan_.isClosed());
    }
    if (unbounded_ != Unbounded::No) {
        const Point2d base = p.toPlaneCoords(vertices_[0]);
        const Vector2d d = p.toPlaneCoords(vertices_[1]) - base;
        Linear2d l = unbounded_ == Unbounded::End ? Linear2d::ray(base, d) : Linear2d::line(base, d);
        if (d.lengthSquared() == 0.0)
            l = Linear2d::segment(base, base);
        return Composite2d::fromCurve(l);
    }
    std::vector<Point2d> v;
    for (size_t i = 0; i + (closed_ ? 1 : 0) < vertices_.size(); ++i)
        v.push_back(p.toPlaneCoords(vertices_[i]));
    Composite2d c;
    Composite2d::fromVertices(v, {}, closed_, c);
    return c;
}

// Intersections ------------------------------------------------------------------------------------

struct SpaceCurveAccess {
    static const std::vector<Point3d>& vertices(const SpaceCurve& c) { return c.vertices_; }
    static bool unboundedEnd(const SpaceCurve& c) { return c.unbounded_ != SpaceCurve::Unbounded::No; }
    static bool unboundedStart(const SpaceCurve& c) { return c.unbounded_ == SpaceCurve::Unbounded::Both; }
    static double ownParam(const SpaceCurve& c, double cp) { return c.ownParam(cp); }
    static double scale(const SpaceCurve& c) { return c.paramScale_; }
    static Point3d chainPoint(const SpaceCurve& c, double cp) { return c.chainPoint(cp); }
    static Point3d lift(const SpaceCurve& c, const Point2d& q) { return c.lift(q); }
};

namespace {

using Access = SpaceCurveAccess;

std::vector<Piece3d> piecesOf(const SpaceCurve& c, bool extend)
{
    return piecesOf(Access::vertices(c), Access::unboundedEnd(c), Access::unboundedStart(c), c.isClosed(),
                    extend && !c.isClosed(), Access::scale(c));
}

double spaceTolerance(const SpaceCurve& a, const SpaceCurve& b)
{
    Box3d box;
    for (const SpaceCurve* c : {&a, &b}) {
        if (c->form() == SpaceCurve::Form::Planar)
            box.add(c->plane().origin());
        for (const Point3d& v : Access::vertices(*c))
            box.add(v);
        if (c->isBounded()) {
            const Box3d e = c->extents();
            box.add(e.min);
            box.add(e.max);
        }
    }
    return std::max(globalTolerance().pointTolerance(magnitudeOf(box)), kSpaceRelativeTolerance * sizeOf(box));
}

// Sorts by parameter on the first curve and reports points found twice (at vertices) once.
std::vector<Point3d> orderedUnique(std::vector<Hit3d> hits, double tol, bool closedFirst)
{
    std::sort(hits.begin(), hits.end(), [](const Hit3d& x, const Hit3d& y) { return x.param < y.param; });
    std::vector<Hit3d> kept;
    for (const Hit3d& h : hits) {
        bool repeat = false;
        for (auto it = kept.rbegin(); it != kept.rend() && !repeat; ++it) {
            if (h.param - it->param > kSameParam * (1.0 + std::fabs(h.param)))
                break;
            repeat = distance(it->point, h.point) <= tol;
        }
        if (!repeat)
            kept.push_back(h);
    }
    if (closedFirst && kept.size() > 1 && distance(kept.front().point, kept.back().point) <= tol)
        kept.pop_back();
    std::vector<Point3d> points;
    for (const Hit3d& h : kept)
        points.push_back(h.point);
    return points;
}

// The composite parameter of a point of the plane that lies on the plan form, if it does.
bool paramOnPlan(const Composite2d& plan, bool extend, const Point2d& q, double tol, double& param)
{
    double best = kInfinity;
    Extents2d at;
    at.add(q);
    at.min = at.min - Vector2d(tol, tol);
    at.max = at.max + Vector2d(tol, tol);
    const auto consider = [&](const Curve2d& piece, const auto& toParam) {
        const double u = closestParam(piece, q);
        const double d = distance(pointAt(piece, u), q);
        if (d <= tol && d < best) {
            best = d;
            param = toParam(u);
        }
    };
    plan.index().query(at, [&](int i) {
        consider(plan.segments()[i], [&](double u) { return plan.paramOfSegment(i, u); });
    });
    if (extend)
        for (const Composite2d::Piece& p : plan.extensionPieces())
            consider(p.curve, [&](double u) { return plan.paramOf(p, u); });
    return best <= tol;
}

// A curve seen in the projection plane, its hits lifted back onto the curve itself.
Point3d liftOnto(const SpaceCurve& a, const Plane& p, const Point2d& h, double cp)
{
    const Point3d seen = p.fromPlaneCoords(h);
    if (a.form() == SpaceCurve::Form::Planar) {
        Point3d onA;
        if (std::fabs(dot(a.plane().normal(), p.normal())) > kParallelPlanes && a.plane().project(seen, p.normal(), onA))
            return onA;
        return a.pointAtParam(Access::ownParam(a, cp));
    }
    if (Access::unboundedEnd(a)) {
        const std::vector<Point3d>& v = Access::vertices(a);
        const Point2d b = p.toPlaneCoords(v[0]);
        const Vector2d d = p.toPlaneCoords(v[1]) - b;
        const double t = d.lengthSquared() > 0.0 ? dot(h - b, d) / d.lengthSquared() : 0.0;
        return v[0] + (v[1] - v[0]) * t;
    }
    return Access::chainPoint(a, cp);
}

// The curve's plan form in p's coordinates: its own (with its index) when p's axes are the curve's own
// plane axes moved along the normal, as for plan curves seen in the world XY plane; else a projection.
const Composite2d& planIn(const SpaceCurve& c, const Plane& p, std::optional<Composite2d>& storage)
{
    // The common case first: a plan curve (normal +z) seen in the world XY plane.
    const bool worldXY = p.normal() == Vector3d::zAxis() && p.origin().x == 0.0 && p.origin().y == 0.0;
    if (c.form() == SpaceCurve::Form::Planar && worldXY && c.plane().normal() == Vector3d::zAxis() &&
        c.plane().origin().x == 0.0 && c.plane().origin().y == 0.0)
        return c.planForm();
    if (c.form() == SpaceCurve::Form::Planar) {
        const PlanMap m = mapBetween(c.plane(), p);
        if (m.origin == Point2d(0.0, 0.0) && m.ex == Vector2d(1.0, 0.0) && m.ey == Vector2d(0.0, 1.0))
            return c.planForm();
    }
    storage = c.projectedOnto(p);
    return *storage;
}

std::vector<Point3d> intersectProjected(const SpaceCurve& a, bool extA, const SpaceCurve& b, bool extB, const Plane& p,
                                        double tol)
{
    std::optional<Composite2d> storeA, storeB;
    const Composite2d& a2 = planIn(a, p, storeA);
    const Composite2d& b2 = planIn(b, p, storeB);
    std::vector<Hit3d> hits;
    for (const CurveHit& h : intersectComposites(a2, extA, b2, extB))
        hits.push_back({liftOnto(a, p, h.point, h.paramA), h.paramA});
    return orderedUnique(std::move(hits), tol, a.isClosed());
}

std::vector<Hit3d> planarWithStraight(const SpaceCurve& planar, bool extPlanar, const SpaceCurve& straight,
                                      bool extStraight, double tol, bool paramOnPlanar)
{
    const Plane& plane = planar.plane();
    const Composite2d& plan = planar.planForm();
    std::vector<Hit3d> hits;
    for (const Piece3d& piece : piecesOf(straight, extStraight)) {
        const double dn = dot(piece.direction, plane.normal());
        if (piece.isPoint() || std::fabs(dn) <= kParallelPlanes) {
            if (std::fabs(plane.signedDistanceTo(piece.origin)) > tol)
                continue;
            // Lying in the plane: meet in the plane's coordinates.
            const Point2d o = plane.toPlaneCoords(piece.origin);
            Linear2d probe = Linear2d::segment(o, o);
            if (!piece.isPoint()) {
                const Vector2d d = plane.toPlaneCoords(piece.origin + piece.direction) - o;
                probe = Linear2d{o, d.normal(), piece.uStart, piece.uEnd};
            }
            for (const ProbeHit& h : probeComposite(plan, extPlanar, probe))
                hits.push_back({paramOnPlanar ? planar.pointAtParam(Access::ownParam(planar, h.param))
                                              : piece.at(h.uProbe),
                                paramOnPlanar ? Access::ownParam(planar, h.param) : piece.param(h.uProbe)});
            continue;
        }
        double u = plane.signedDistanceTo(piece.origin) / -dn;
        const double slack = tol / std::fabs(dn);
        if (u < piece.uStart - slack || u > piece.uEnd + slack)
            continue;
        u = std::clamp(u, piece.uStart, piece.uEnd);
        const Point3d x = piece.at(u);
        double cp = 0.0;
        if (paramOnPlan(plan, extPlanar, plane.toPlaneCoords(x), tol, cp))
            hits.push_back({x, paramOnPlanar ? Access::ownParam(planar, cp) : piece.param(u)});
    }
    return hits;
}

std::vector<Hit3d> planarWithPlanar(const SpaceCurve& a, bool extA, const SpaceCurve& b, bool extB, double tol)
{
    // The planes meet in a line; each curve meets that line in its own plane; common points are the answer.
    const Vector3d na = a.plane().normal(), nb = b.plane().normal();
    const Vector3d dir = cross(na, nb);
    const Point3d base = a.plane().origin();
    const double da = 0.0, db = dot(b.plane().origin() - base, nb);
    const Point3d onBoth = base + (cross(nb, dir) * da + cross(dir, na) * db) / dir.lengthSquared();
    const auto meetLine = [&](const SpaceCurve& c, bool ext) {
        const Point2d o = c.plane().toPlaneCoords(onBoth);
        const Vector2d d = c.plane().toPlaneCoords(onBoth + dir) - o;
        std::vector<std::pair<Point3d, double>> found;
        for (const ProbeHit& h : probeComposite(c.planForm(), ext, Linear2d::line(o, d)))
            found.push_back({Access::lift(c, h.point), Access::ownParam(c, h.param)});
        return found;
    };
    const auto onA = meetLine(a, extA), onB = meetLine(b, extB);
    std::vector<Hit3d> hits;
    for (const auto& [p, param] : onA)
        if (std::any_of(onB.begin(), onB.end(), [&](const auto& q) { return distance(p, q.first) <= tol; }))
            hits.push_back({p, param});
    return hits;
}

// Two straight pieces meet only when coplanar; then they meet as plan lines in their common plane.
void meetPieces(const Piece3d& a, const Piece3d& b, double tol, std::vector<Hit3d>& hits)
{
    if (a.isPoint() || b.isPoint()) {
        const Piece3d& line = a.isPoint() ? b : a;
        const Point3d p = a.isPoint() ? a.origin : b.origin;
        const double u = closestOnPiece(line, p);
        if (distance(line.at(u), p) <= tol)
            hits.push_back({a.isPoint() ? a.origin : a.at(u), a.isPoint() ? a.param(a.uStart) : a.param(u)});
        return;
    }
    const Vector3d w = b.origin - a.origin;
    Vector3d n = cross(a.direction, b.direction);
    if (n.length() <= kParallelPlanes) {
        if (cross(a.direction, w).length() > tol)
            return;
        n = cross(a.direction, std::fabs(a.direction.z) < 0.9 ? Vector3d::zAxis() : Vector3d::xAxis());
    } else if (std::fabs(dot(w, n.normal())) > tol) {
        return;
    }
    const Plane common(a.origin, n);
    const auto flat = [&](const Piece3d& p) {
        const Point2d o = common.toPlaneCoords(p.origin);
        const Vector2d d = (common.toPlaneCoords(p.origin + p.direction) - o).normal();
        return Linear2d{o, d, p.uStart, p.uEnd};
    };
    for (const MeetPoint& m : meetLinearLinear(flat(a), flat(b), tol))
        hits.push_back({a.at(m.uA), a.param(m.uA)});
}

std::vector<Hit3d> straightWithStraight(const SpaceCurve& a, bool extA, const SpaceCurve& b, bool extB, double tol)
{
    using BoxPoint = bg::model::point<double, 3, bg::cs::cartesian>;
    using Box = bg::model::box<BoxPoint>;
    const std::vector<Piece3d> pa = piecesOf(a, extA), pb = piecesOf(b, extB);
    std::vector<std::pair<Box, int>> boxes;
    std::vector<int> unboundedB;
    Box3d boundsB;
    const auto boxOf = [&](const Point3d& p, const Point3d& q) {
        return Box(BoxPoint(std::min(p.x, q.x) - tol, std::min(p.y, q.y) - tol, std::min(p.z, q.z) - tol),
                   BoxPoint(std::max(p.x, q.x) + tol, std::max(p.y, q.y) + tol, std::max(p.z, q.z) + tol));
    };
    for (size_t j = 0; j < pb.size(); ++j) {
        if (!std::isfinite(pb[j].uStart) || !std::isfinite(pb[j].uEnd)) {
            unboundedB.push_back(static_cast<int>(j));
            continue;
        }
        boundsB.add(pb[j].at(pb[j].uStart));
        boundsB.add(pb[j].at(pb[j].uEnd));
        boxes.emplace_back(boxOf(pb[j].at(pb[j].uStart), pb[j].at(pb[j].uEnd)), static_cast<int>(j));
    }
    const bgi::rtree<std::pair<Box, int>, bgi::quadratic<16>> tree(boxes.begin(), boxes.end());
    std::vector<Hit3d> hits;
    for (const Piece3d& piece : pa) {
        for (int j : unboundedB)
            meetPieces(piece, pb[j], tol, hits);
        if (boxes.empty())
            continue;
        // Unbounded pieces are cut to the box of b's bounded pieces before the search.
        double u0 = piece.uStart, u1 = piece.uEnd;
        if (!std::isfinite(u0) || !std::isfinite(u1)) {
            const double reach = sizeOf(boundsB) + distance(piece.origin, boundsB.min) + 1.0;
            u0 = std::max(u0, -reach);
            u1 = std::min(u1, reach);
        }
        for (auto it = tree.qbegin(bgi::intersects(boxOf(piece.at(u0), piece.at(u1)))); it != tree.qend(); ++it)
            meetPieces(piece, pb[it->second], tol, hits);
    }
    return hits;
}

} // namespace

int planRayHitCount(const SpaceCurve& curve, const Point3d& base, const Vector3d& direction)
{
    const Plane worldXY;
    const Vector2d d(direction.x, direction.y);
    if (d.lengthSquared() == 0.0)
        return 0;
    std::optional<Composite2d> storage;
    const Composite2d& plan = planIn(curve, worldXY, storage);
    return static_cast<int>(probeComposite(plan, false, Linear2d::ray(base.toPlan(), d)).size());
}

std::vector<Point3d> intersectWith(const SpaceCurve& a, const SpaceCurve& b, ExtendMode mode, const Plane* projection)
{
    const bool extA = (mode == ExtendMode::ExtendThis || mode == ExtendMode::ExtendBoth) && !a.isClosed();
    const bool extB = (mode == ExtendMode::ExtendOther || mode == ExtendMode::ExtendBoth) && !b.isClosed();
    const double tol = spaceTolerance(a, b);
    if (projection)
        return intersectProjected(a, extA, b, extB, *projection, tol);

    const bool planarA = a.form() == SpaceCurve::Form::Planar, planarB = b.form() == SpaceCurve::Form::Planar;
    std::vector<Hit3d> hits;
    if (planarA && planarB) {
        const bool parallel = cross(a.plane().normal(), b.plane().normal()).length() <= kParallelPlanes;
        if (parallel) {
            if (std::fabs(a.plane().signedDistanceTo(b.plane().origin())) > tol)
                return {};
            return intersectProjected(a, extA, b, extB, a.plane(), tol);
        }
        hits = planarWithPlanar(a, extA, b, extB, tol);
    } else if (planarA) {
        hits = planarWithStraight(a, extA, b, extB, tol, true);
    } else if (planarB) {
        hits = planarWithStraight(b, extB, a, extA, tol, false);
    } else {
        hits = straightWithStraight(a, extA, b, extB, tol);
    }
    return orderedUnique(std::move(hits), tol, a.isClosed());
}

} // namespace host

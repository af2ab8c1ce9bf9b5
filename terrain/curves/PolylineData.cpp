#include "terrain/curves/PolylineData.h"

#include "host/database/LayerTable.h"
#include "host/database/LinetypeTable.h"
#include "host/database/ModelSpace.h"
#include "host/entities/LightweightPolyline.h"
#include "host/entities/PointEntity.h"
#include "host/entities/Polyline2d.h"
#include "host/entities/Polyline3d.h"
#include "terrain/curves/CurveConstants.h"
#include "terrain/curves/PlanExtents.h"

#include <algorithm>
#include <cmath>

#include "terrain/curves/Drawing.h"

namespace terrain {

using host::ErrorStatus;
using host::ObjectPtr;
using host::OpenMode;

namespace {

enum class Kind { Other, Lightweight, TwoD, ThreeD };

Kind kindOf(host::Database& db, EntityId id)
{
    if (db.isKindOf<host::Polyline3d>(id))
        return Kind::ThreeD;
    if (db.isKindOf<host::Polyline2d>(id))
        return Kind::TwoD;
    if (db.isKindOf<host::LightweightPolyline>(id))
        return Kind::Lightweight;
    return Kind::Other;
}

// Visits each vertex object of a 2D or 3D polyline that can be opened, in order, open for `mode`.
template <class Polyline, class Vertex, class Visit>
bool forEachVertex(host::Database& db, EntityId id, OpenMode mode, Visit visit)
{
    std::vector<host::ObjectId> ids;
    {
        ObjectPtr<Polyline> polyline;
        if (db.openObject(polyline, id, OpenMode::Read) != ErrorStatus::eOk)
            return false;
        ids = polyline->vertexIds();
    }
    int index = 0;
    for (host::ObjectId vid : ids) {
        ObjectPtr<Vertex> vertex;
        if (db.openObject(vertex, vid, mode) == ErrorStatus::eOk)
            visit(index, *vertex);
        ++index; // the index counts every vertex visited, opened or not
    }
    return true;
}

// The world position of a 2D vertex needs its polyline's plane.
bool planeOf(host::Database& db, EntityId id, host::Vector3d& normal, double& elevation)
{
    ObjectPtr<host::Polyline2d> polyline;
    if (db.openObject(polyline, id, OpenMode::Read) != ErrorStatus::eOk)
        return false;
    normal = polyline->normal();
    elevation = polyline->elevation();
    return true;
}

Point3 worldOf2dVertex(const host::Vector3d& normal, double elevation, const host::Vertex2d& v)
{
    host::Polyline2d frame;
    frame.setNormal(normal);
    frame.setElevation(elevation);
    return fromHost(frame.vertexToWorld(v));
}

void resetAll(PointArray* points, DoubleArray* a, DoubleArray* b)
{
    if (points)
        points->setCount(0);
    if (a)
        a->setCount(0);
    if (b)
        b->setCount(0);
}

} // namespace

int polylineVertices(EntityId id, PointArray& vertices)
{
    host::Database& db = detail::drawing();
    resetAll(&vertices, nullptr, nullptr);
    switch (kindOf(db, id)) {
    case Kind::ThreeD:
        forEachVertex<host::Polyline3d, host::Vertex3d>(db, id, OpenMode::Read, [&](int, const host::Vertex3d& v) {
            vertices.append(fromHost(v.position()));
        });
        break;
    case Kind::TwoD: {
        host::Vector3d normal;
        double elevation = 0.0;
        if (!planeOf(db, id, normal, elevation))
            break;
        forEachVertex<host::Polyline2d, host::Vertex2d>(db, id, OpenMode::Read, [&](int, const host::Vertex2d& v) {
            vertices.append(worldOf2dVertex(normal, elevation, v));
        });
        break;
    }
    case Kind::Lightweight: {
        ObjectPtr<host::LightweightPolyline> pl;
        if (db.openObject(pl, id, OpenMode::Read) != ErrorStatus::eOk)
            break;
        for (int i = 0; i < pl->numVerts(); ++i) {
            host::Point3d p;
            pl->getPointAt(i, p);
            vertices.append(fromHost(p));
        }
        break;
    }
    case Kind::Other:
        break;
    }
    return vertices.count() >= 2 ? 1 : 0;
}

int polylineVerticesAndBulges(EntityId id, PointArray& vertices, DoubleArray& bulges)
{
    host::Database& db = detail::drawing();
    resetAll(&vertices, &bulges, nullptr);
    const Kind kind = kindOf(db, id);
    if (kind == Kind::TwoD) {
        host::Vector3d normal;
        double elevation = 0.0;
        if (planeOf(db, id, normal, elevation))
            forEachVertex<host::Polyline2d, host::Vertex2d>(db, id, OpenMode::Read, [&](int, const host::Vertex2d& v) {
                vertices.append(worldOf2dVertex(normal, elevation, v));
                bulges.append(v.bulge());
            });
    } else if (kind == Kind::Lightweight) {
        ObjectPtr<host::LightweightPolyline> pl;
        if (db.openObject(pl, id, OpenMode::Read) == ErrorStatus::eOk)
            for (int i = 0; i < pl->numVerts(); ++i) {
                host::Point3d p;
                double bulge = 0.0;
                pl->getPointAt(i, p);
                pl->getBulgeAt(i, bulge);
                vertices.append(fromHost(p));
                bulges.append(bulge);
            }
    }
    return vertices.count() >= 2 ? 1 : 0;
}

namespace {
// Reads both width lists; `opened` tells whether the polyline could be read at all.
void readWidths(host::Database& db, EntityId id, DoubleArray& starts, DoubleArray& ends, bool& opened, int& read)
{
    resetAll(nullptr, &starts, &ends);
    opened = false;
    read = 0;
    const Kind kind = kindOf(db, id);
    if (kind == Kind::TwoD) {
        opened = forEachVertex<host::Polyline2d, host::Vertex2d>(db, id, OpenMode::Read, [&](int, const host::Vertex2d& v) {
            starts.append(v.startWidth());
            ends.append(v.endWidth());
            ++read;
        });
    } else if (kind == Kind::Lightweight) {
        ObjectPtr<host::LightweightPolyline> pl;
        opened = db.openObject(pl, id, OpenMode::Read) == ErrorStatus::eOk;
        for (int i = 0; opened && i < pl->numVerts(); ++i) {
            double s = 0.0, e = 0.0;
            pl->getWidthsAt(i, s, e);
            starts.append(s);
            ends.append(e);
            ++read;
        }
    }
}
} // namespace

int polylineWidths(EntityId id, DoubleArray& startWidths, DoubleArray& endWidths)
{
    host::Database& db = detail::drawing();
    bool opened = false;
    int read = 0;
    readWidths(db, id, startWidths, endWidths, opened, read);
    if (kindOf(db, id) == Kind::TwoD)
        return read >= 2 ? 1 : 0;
    return opened ? 1 : 0;
}

int polylineWidthLists(EntityId id, DoubleArray& startWidths, DoubleArray& endWidths)
{
    host::Database& db = detail::drawing();
    bool opened = false;
    int read = 0;
    readWidths(db, id, startWidths, endWidths, opened, read);
    return opened ? 1 : 0;
}

int polylineBoundingBox(EntityId id, Point3& lower, Point3& upper)
{
    PointArray vertices;
    if (polylineVertices(id, vertices) == 0)
        return 0;
    return detail::userPlanExtents(vertices, lower, upper) ? 1 : 0;
}

// Writers ------------------------------------------------------------------------------------------

namespace {
// Runs `change` on a lightweight polyline open for write, or on each vertex of a 2D one; 1 when it opened.
template <class LwChange, class VertexChange>
int writePlanar(host::Database& db, EntityId id, LwChange lwChange, VertexChange vertexChange)
{
    const Kind kind = kindOf(db, id);
    if (kind == Kind::Lightweight) {
        ObjectPtr<host::LightweightPolyline> pl;
        if (db.openObject(pl, id, OpenMode::Write) != ErrorStatus::eOk)
            return 0;
        lwChange(*pl);
        return 1;
    }
    if (kind == Kind::TwoD) {
        {
            // The polyline itself must be writable too: a locked polyline keeps its vertices.
            ObjectPtr<host::Polyline2d> pl;
            if (db.openObject(pl, id, OpenMode::Write) != ErrorStatus::eOk)
                return 0;
        }
        return forEachVertex<host::Polyline2d, host::Vertex2d>(db, id, OpenMode::Write, vertexChange) ? 1 : 0;
    }
    return 0;
}
} // namespace

int setPolylineWidths(EntityId id, const DoubleArray& startWidths, const DoubleArray& endWidths)
{
    host::Database& db = detail::drawing();
    return writePlanar(
        db, id,
        [&](host::LightweightPolyline& pl) {
            for (int i = 0; i < pl.numVerts(); ++i)
                if (i < startWidths.count() && i < endWidths.count())
                    pl.setWidthsAt(i, startWidths[i], endWidths[i]);
        },
        [&](int i, host::Vertex2d& v) {
            const double s = i < startWidths.count() ? startWidths[i] : v.startWidth();
            const double e = i < endWidths.count() ? endWidths[i] : v.endWidth();
            v.setWidths(s, e);
        });
}

int setWidthsFromList(EntityId id, const DoubleArray& widths)
{
    host::Database& db = detail::drawing();
    if (widths.count() == 0)
        return writePlanar(db, id, [](host::LightweightPolyline&) {}, [](int, host::Vertex2d&) {});
    // Vertex i tapers from w[i] to w[i + 1]; past the list the start stays the last value, the end 0 on the
    // last vertex and past the list.
    const auto startAt = [&](int i) { return widths[std::min(i, widths.count() - 1)]; };
    const auto endAt = [&](int i, int count) { return (i + 1 < widths.count() && i + 1 < count) ? widths[i + 1] : 0.0; };
    int count = 0;
    {
        PointArray vertices;
        polylineVertices(id, vertices);
        count = vertices.count();
    }
    return writePlanar(
        db, id,
        [&](host::LightweightPolyline& pl) {
            for (int i = 0; i < pl.numVerts(); ++i)
                pl.setWidthsAt(i, startAt(i), endAt(i, pl.numVerts()));
        },
        [&](int i, host::Vertex2d& v) { v.setWidths(startAt(i), endAt(i, count)); });
}

int setAllWidths(EntityId id, double width)
{
    host::Database& db = detail::drawing();
    // A width that is not finite cannot be drawn: refused, nothing changes.
    if (!std::isfinite(width))
        return 0;
    return writePlanar(
        db, id,
        [&](host::LightweightPolyline& pl) {
            for (int i = 0; i < pl.numVerts(); ++i)
                pl.setWidthsAt(i, width, width);
        },
        [&](int, host::Vertex2d& v) { v.setWidths(width, width); });
}

int setConstantWidth(EntityId id, double width)
{
    host::Database& db = detail::drawing();
    if (!std::isfinite(width))
        return 0;
    if (kindOf(db, id) == Kind::TwoD) {
        ObjectPtr<host::Polyline2d> pl;
        if (db.openObject(pl, id, OpenMode::Write) != ErrorStatus::eOk)
            return 0;
        pl->setDefaultWidths(width, width);
        pl.close();
        return setAllWidths(id, width);
    }
    ObjectPtr<host::LightweightPolyline> pl;
    if (kindOf(db, id) != Kind::Lightweight || db.openObject(pl, id, OpenMode::Write) != ErrorStatus::eOk)
        return 0;
    pl->setConstantWidth(width);
    return 1;
}

int setVertexBulge(EntityId id, int index, double bulge)
{
    host::Database& db = detail::drawing();
    // A bulge that is not finite would make the polyline unreadable: refused, nothing changes.
    if (!std::isfinite(bulge))
        return 0;
    return writePlanar(
        db, id,
        [&](host::LightweightPolyline& pl) {
            if (index >= 0 && index < pl.numVerts())
                pl.setBulgeAt(index, bulge);
        },
        [&](int i, host::Vertex2d& v) {
            if (i == index)
                v.setBulge(bulge);
        });
}

int setVertexPosition(EntityId id, int index, const Point3& position)
{
    host::Database& db = detail::drawing();
    // A position that is not finite would make the polyline unreadable: refused, nothing changes. Planar
    // kinds take x and y only.
    const bool threeD = kindOf(db, id) == Kind::ThreeD;
    if (!std::isfinite(position.x) || !std::isfinite(position.y) || (threeD && !std::isfinite(position.z)))
        return 0;
    if (threeD) {
        {
            ObjectPtr<host::Polyline3d> pl;
            if (db.openObject(pl, id, OpenMode::Write) != ErrorStatus::eOk)
                return 0;
        }
        return forEachVertex<host::Polyline3d, host::Vertex3d>(db, id, OpenMode::Write, [&](int i, host::Vertex3d& v) {
                   if (i == index)
                       v.setPosition(toHost(position));
               })
                   ? 1
                   : 0;
    }
    return writePlanar(
        db, id,
        [&](host::LightweightPolyline& pl) {
            if (index >= 0 && index < pl.numVerts())
                pl.setPointAt(index, {position.x, position.y});
        },
        [&](int i, host::Vertex2d& v) {
            if (i == index)
                v.setPosition({position.x, position.y});
        });
}

// Constructors --------------------------------------------------------------------------------------

namespace {

struct Style {
    const std::string* layer = nullptr;
    const char* linetype = nullptr;
    int colorIndex = -1; // not set
};

host::ObjectId recordId(host::Database& db, host::ObjectId table, const std::string& name)
{
    ObjectPtr<host::SymbolTable> t;
    host::ObjectId id;
    if (db.openObject(t, table, OpenMode::Read) != ErrorStatus::eOk || t->getAt(name, id) != ErrorStatus::eOk)
        return host::ObjectId();
    return id;
}

// Builds, styles and appends a lightweight polyline; the null id when appending failed.
EntityId appendPolyline(host::Database& db, const std::vector<host::Point2d>& points, const DoubleArray& bulges,
                        double width, bool closed, const Style& style, bool oneBulgeForAll = false,
                        double commonBulge = 0.0)
{
    // A negative width draws as none; one that is not finite too, rather than losing the vertices.
    const double drawnWidth = std::isfinite(width) ? std::max(width, 0.0) : 0.0;
    auto pl = std::make_unique<host::LightweightPolyline>();
    for (size_t i = 0; i < points.size(); ++i) {
        const int k = static_cast<int>(i);
        double bulge = oneBulgeForAll ? commonBulge : (k < bulges.count() ? bulges[k] : 0.0);
        if (!std::isfinite(bulge))
            bulge = 0.0; // a bulge that is not finite cannot be drawn: the segment is drawn straight
        pl->addVertexAt(k, points[i], bulge, drawnWidth, drawnWidth);
    }
    pl->setClosed(closed);
    if (style.colorIndex >= 0)
        pl->setColorIndex(static_cast<short>(style.colorIndex));
    if (style.layer) {
        const host::ObjectId layer = recordId(db, db.layerTableId(), *style.layer);
        if (!layer.isNull())
            pl->setLayer(layer);
    }
    if (style.linetype) {
        const host::ObjectId linetype = recordId(db, db.linetypeTableId(), style.linetype);
        if (!linetype.isNull())
            pl->setLinetype(linetype);
    }
    EntityId id;
    if (host::appendToModelSpace(db, pl, id) != ErrorStatus::eOk)
        return EntityId();
    return id;
}

std::vector<host::Point2d> planOf(const PointArray& points)
{
    std::vector<host::Point2d> plan;
    for (int i = 0; i < points.count(); ++i)
        plan.push_back({points[i].x, points[i].y});
    return plan;
}

std::vector<host::Point2d> planOf(const Point2Array& points)
{
    std::vector<host::Point2d> plan;
    for (int i = 0; i < points.count(); ++i)
        plan.push_back(toHost(points[i]));
    return plan;
}

int idResult(EntityId made, EntityId& id)
{
    id = made;
    return made.isNull() ? 0 : 1;
}

} // namespace

EntityId makePolyline(const PointArray& vertices, const DoubleArray& bulges)
{
    host::Database& db = detail::drawing();
    return appendPolyline(db, planOf(vertices), bulges, 0.0, false, {nullptr, kDefaultPolylineLinetype});
}

EntityId makePolylineFromPlan(const Point2Array& vertices, const DoubleArray& bulges)
{
    host::Database& db = detail::drawing();
    return appendPolyline(db, planOf(vertices), bulges, 0.0, false, {nullptr, kDefaultPolylineLinetype});
}

EntityId makeClosedPolyline(const PointArray& vertices, const DoubleArray& bulges)
{
    host::Database& db = detail::drawing();
    return appendPolyline(db, planOf(vertices), bulges, 0.0, true, {nullptr, kDefaultPolylineLinetype});
}

int makeLayerPolyline(const Point2Array& vertices, const DoubleArray& bulges, double width,
                      const std::string& layer, bool closed, EntityId& id)
{
    host::Database& db = detail::drawing();
    return idResult(appendPolyline(db, planOf(vertices), bulges, width, closed, {&layer, kDefaultPolylineLinetype}), id);
}

int makeStyledPolyline(const Point2Array& vertices, const DoubleArray& bulges, int colorIndex,
                       double width, const std::string& linetype, const std::string& layer, EntityId& id)
{
    return makeStyledPolylineClosed(vertices, bulges, colorIndex, width, linetype, layer, false, id);
}

int makeStyledPolylineClosed(const Point2Array& vertices, const DoubleArray& bulges,
                             int colorIndex, double width, const std::string& linetype, const std::string& layer,
                             bool closed, EntityId& id)
{
    host::Database& db = detail::drawing();
    return idResult(
        appendPolyline(db, planOf(vertices), bulges, width, closed, {&layer, linetype.c_str(), colorIndex}), id);
}

int makeUniformPolyline(const Point2Array& vertices, double bulge, double width,
                        const std::string& layer, bool closed, EntityId& id)
{
    host::Database& db = detail::drawing();
    return idResult(appendPolyline(db, planOf(vertices), DoubleArray(), width, closed, {&layer}, true, bulge), id);
}

EntityId makePointMarker(const Point3& position)
{
    host::Database& db = detail::drawing();
    auto point = std::make_unique<host::PointEntity>(toHost(position));
    point->setColorIndex(kPointMarkerColor);
    EntityId id;
    if (host::appendToModelSpace(db, point, id) != ErrorStatus::eOk)
        return EntityId();
    return id;
}

} // namespace terrain

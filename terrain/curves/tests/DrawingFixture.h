#pragma once
// A fresh current drawing for the module's tests, with short builders of the entities the services read, and a
// check that every service closed what it opened.

#include "host/application/Application.h"
#include "host/database/Database.h"
#include "host/database/ModelSpace.h"
#include "host/entities/Arc.h"
#include "host/entities/Circle.h"
#include "host/entities/LightweightPolyline.h"
#include "host/entities/Line.h"
#include "host/entities/Polyline2d.h"
#include "host/entities/Polyline3d.h"
#include "terrain/core/Arrays.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace terrain::testing {

class Drawing {
public:
    // Every fixture starts the host on a fresh current drawing, which the services work on.
    Drawing() : db(fresh()) {}

    host::Database& db;

    // The service's result, after checking that nothing was left open.
    int closed(int result)
    {
        EXPECT_EQ(db.openObjectCount(), 0) << "a service left an object open";
        return result;
    }

    static host::Database& fresh()
    {
        host::application().newDrawing();
        return host::application().workingDatabase();
    }

    template <class T>
    EntityId add(std::unique_ptr<T> entity)
    {
        EntityId id;
        EXPECT_EQ(host::appendToModelSpace(db, entity, id), host::ErrorStatus::eOk);
        return id;
    }

    EntityId lw(const std::vector<host::Point2d>& points, const std::vector<double>& bulges = {}, bool closed = false,
                double elevation = 0.0)
    {
        auto p = std::make_unique<host::LightweightPolyline>();
        for (size_t i = 0; i < points.size(); ++i)
            p->addVertexAt(static_cast<int>(i), points[i], i < bulges.size() ? bulges[i] : 0.0);
        p->setClosed(closed);
        p->setElevation(elevation);
        return add(std::move(p));
    }

    EntityId poly2d(const std::vector<host::Point2d>& points, const std::vector<double>& bulges = {}, bool closed = false)
    {
        auto p = std::make_unique<host::Polyline2d>();
        for (size_t i = 0; i < points.size(); ++i) {
            auto v = std::make_unique<host::Vertex2d>(points[i], i < bulges.size() ? bulges[i] : 0.0);
            host::ObjectId vid;
            p->appendVertex(v, vid);
        }
        p->setClosed(closed);
        return add(std::move(p));
    }

    EntityId poly3d(const std::vector<host::Point3d>& points, bool closed = false)
    {
        auto p = std::make_unique<host::Polyline3d>();
        for (const host::Point3d& pt : points) {
            auto v = std::make_unique<host::Vertex3d>(pt);
            host::ObjectId vid;
            p->appendVertex(v, vid);
        }
        p->setClosed(closed);
        return add(std::move(p));
    }

    EntityId line(const host::Point3d& a, const host::Point3d& b) { return add(std::make_unique<host::Line>(a, b)); }
    EntityId arc(const host::Point3d& c, double r, double a0, double a1, const host::Vector3d& n = host::Vector3d::zAxis())
    {
        return add(std::make_unique<host::Arc>(c, n, r, a0, a1));
    }
    EntityId circle(const host::Point3d& c, double r) { return add(std::make_unique<host::Circle>(c, host::Vector3d::zAxis(), r)); }
};

inline std::vector<double> values(const DoubleArray& a)
{
    std::vector<double> v;
    for (int i = 0; i < a.count(); ++i)
        v.push_back(a[i]);
    return v;
}

inline DoubleArray doubles(std::initializer_list<double> list)
{
    DoubleArray a;
    for (double d : list)
        a.append(d);
    return a;
}

} // namespace terrain::testing

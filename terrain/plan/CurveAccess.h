#pragma once
// Internal helpers of the plan services: open an entity as a curve for the length of one call, and
// intersect curves with the module's plan projection.

#include "host/database/Database.h"
#include "host/entities/Curve.h"
#include "terrain/core/Arrays.h"

#include <vector>

namespace terrain::detail {

// Runs f(curve) with the entity open for read as a curve; false when it cannot be opened as one.
template <class F>
bool withCurve(host::Database& db, EntityId id, F f)
{
    host::ObjectPtr<host::Curve> curve;
    if (db.openObject(curve, id, host::OpenMode::Read) != host::ErrorStatus::eOk)
        return false;
    f(*curve);
    return true;
}

// The meeting points of a and b (on a), in plan (projected onto the world XY plane) or in space.
std::vector<host::Point3d> meetPoints(const host::Curve& a, const host::Curve& b, int mode, bool inPlan);

void toArray(const std::vector<host::Point3d>& points, PointArray& out);

} // namespace terrain::detail

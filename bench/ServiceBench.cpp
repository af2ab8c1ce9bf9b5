// The module's services on a real drawing: intersections of two long polylines, and inside tests of
// many points against one large boundary, beside GEOS's prepared polygon on the same data.
#include "BenchData.h"

#include "host/application/Application.h"
#include "host/database/ModelSpace.h"
#include "host/entities/LightweightPolyline.h"
#include "terrain/plan/InsideTests.h"
#include "terrain/plan/PlanIntersections.h"

#include <benchmark/benchmark.h>

namespace {

using terrain::EntityId;

EntityId addPolyline(host::Database& db, const std::vector<host::Point2d>& v, bool closed)
{
    auto pl = std::make_unique<host::LightweightPolyline>();
    for (size_t i = 0; i < v.size(); ++i)
        pl->addVertexAt(static_cast<int>(i), v[i]);
    pl->setClosed(closed);
    EntityId id;
    host::appendToModelSpace(db, pl, id);
    return id;
}

// Opening for write drops what the polyline derived from its geometry, as an edit would.
void touch(host::Database& db, EntityId id)
{
    host::ObjectPtr<host::LightweightPolyline> pl;
    db.openObject(pl, id, host::OpenMode::Write);
}

void EntityPointsTyped(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const bool cold = state.range(1) != 0;
    host::application().newDrawing();
    host::Database& db = host::application().workingDatabase();
    const EntityId a = addPolyline(db, bench::wavyLine(n, 0.0), false);
    const EntityId b = addPolyline(db, bench::wavyLine(n, 1.3), false);
    terrain::PointArray points;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            touch(db, a);
            touch(db, b);
            state.ResumeTiming();
        }
        terrain::entityPointsTyped(a, b, 0, points);
        benchmark::DoNotOptimize(points.count());
    }
    state.counters["points"] = points.count();
    state.SetComplexityN(n);
}
// Second argument 1: the polylines were just edited, so their segment indexes are built inside the call.
BENCHMARK(EntityPointsTyped)
    ->ArgsProduct({{1000, 10000, 100000}, {1}})
    ->ArgNames({"n", "cold"})
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oNLogN);
BENCHMARK(EntityPointsTyped)->ArgsProduct({{1000, 10000, 100000}, {0}})->ArgNames({"n", "cold"})->Unit(benchmark::kMillisecond);

void IsInsideClosedCurve(benchmark::State& state)
{
    host::application().newDrawing();
    host::Database& db = host::application().workingDatabase();
    const EntityId boundary = addPolyline(db, bench::starBoundary(bench::kBoundaryVertices, 3.5e6, 5e5, 1000.0), true);
    const auto points = bench::randomPoints(bench::kQueryPoints, 3.5e6, 5e5, 1000.0);
    int inside = 0;
    for (auto _ : state) {
        inside = 0;
        for (const host::Point2d& p : points)
            inside += terrain::isInsideClosedCurve(terrain::Point3(p.x, p.y, 0.0), boundary);
        benchmark::DoNotOptimize(inside);
    }
    state.counters["inside"] = inside;
    state.counters["per_point"] = benchmark::Counter(static_cast<double>(bench::kQueryPoints),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(IsInsideClosedCurve)->Unit(benchmark::kMillisecond);

} // namespace

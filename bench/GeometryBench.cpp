// Pure geometry: composite against composite through the segment indexes, and ray parity against GEOS.
#include "BenchData.h"

#include "host/geometry/Composite2d.h"

#include <benchmark/benchmark.h>
#include <geos_c.h>


namespace {

using host::Composite2d;

Composite2d composite(const std::vector<host::Point2d>& v, bool closed)
{
    Composite2d c;
    Composite2d::fromVertices(v, {}, closed, c);
    return c;
}

void CompositeIntersections(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const auto va = bench::wavyLine(n, 0.0), vb = bench::wavyLine(n, 1.3);
    size_t hits = 0;
    for (auto _ : state) {
        // Fresh composites each round: the index build is part of the cost.
        const Composite2d a = composite(va, false), b = composite(vb, false);
        hits = host::intersectComposites(a, false, b, false).size();
        benchmark::DoNotOptimize(hits);
    }
    state.counters["hits"] = static_cast<double>(hits);
    state.SetComplexityN(n);
}
BENCHMARK(CompositeIntersections)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();

using bench::kBoundaryVertices;
using bench::kQueryPoints;
// A non-axis test direction, as the inside test uses.
const host::Vector2d kTestDirection = host::Vector2d(1.0, 0.4142135623730951).normal();

void InsideByRayParity(benchmark::State& state)
{
    const auto boundary = bench::starBoundary(kBoundaryVertices, 3.5e6, 5e5, 1000.0);
    const auto points = bench::randomPoints(kQueryPoints, 3.5e6, 5e5, 1000.0);
    const Composite2d c = composite(boundary, true);
    c.index();
    int inside = 0;
    for (auto _ : state) {
        inside = 0;
        for (const host::Point2d& p : points)
            inside += host::probeComposite(c, false, host::Linear2d::ray(p, kTestDirection)).size() % 2;
        benchmark::DoNotOptimize(inside);
    }
    state.counters["inside"] = inside;
    state.counters["per_point_ns"] =
        benchmark::Counter(static_cast<double>(kQueryPoints), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(InsideByRayParity)->Unit(benchmark::kMillisecond);

void geosMessage(const char*, void*) {}

void InsideByGeosPrepared(benchmark::State& state)
{
    const auto boundary = bench::starBoundary(kBoundaryVertices, 3.5e6, 5e5, 1000.0);
    const auto points = bench::randomPoints(kQueryPoints, 3.5e6, 5e5, 1000.0);
    GEOSContextHandle_t ctx = GEOS_init_r();
    GEOSContext_setNoticeMessageHandler_r(ctx, geosMessage, nullptr);
    GEOSContext_setErrorMessageHandler_r(ctx, geosMessage, nullptr);
    GEOSCoordSequence* seq = GEOSCoordSeq_create_r(ctx, kBoundaryVertices + 1, 2);
    for (int i = 0; i <= kBoundaryVertices; ++i)
        GEOSCoordSeq_setXY_r(ctx, seq, i, boundary[i % kBoundaryVertices].x, boundary[i % kBoundaryVertices].y);
    GEOSGeometry* polygon = GEOSGeom_createPolygon_r(ctx, GEOSGeom_createLinearRing_r(ctx, seq), nullptr, 0);
    const GEOSPreparedGeometry* prepared = GEOSPrepare_r(ctx, polygon);
    // Point geometries are made outside the timed loop: only the inside test is measured.
    std::vector<GEOSGeometry*> geosPoints;
    for (const host::Point2d& p : points)
        geosPoints.push_back(GEOSGeom_createPointFromXY_r(ctx, p.x, p.y));
    int inside = 0;
    for (auto _ : state) {
        inside = 0;
        for (GEOSGeometry* g : geosPoints)
            inside += GEOSPreparedContains_r(ctx, prepared, g) == 1;
        benchmark::DoNotOptimize(inside);
    }
    state.counters["inside"] = inside;
    state.counters["per_point_ns"] =
        benchmark::Counter(static_cast<double>(kQueryPoints), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    for (GEOSGeometry* g : geosPoints)
        GEOSGeom_destroy_r(ctx, g);
    GEOSPreparedGeom_destroy_r(ctx, prepared);
    GEOSGeom_destroy_r(ctx, polygon);
    GEOS_finish_r(ctx);
}
BENCHMARK(InsideByGeosPrepared)->Unit(benchmark::kMillisecond);

} // namespace

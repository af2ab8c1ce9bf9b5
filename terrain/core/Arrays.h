#pragma once
// The array instances the whole module passes around, with what their new storage holds.

#include "terrain/core/GrowArray.h"
#include "terrain/core/Values.h"

#include <cstdint>

namespace terrain {

using PointArray = GrowArray<Point3, StorageDefaultConstructed>;
using DoubleArray = GrowArray<double, StorageUninitialised>;
using IdArray = GrowArray<EntityId, StorageZeroFilled>;
using Point2Array = GrowArray<Point2, StorageDefaultConstructed>;
using IntArray = GrowArray<std::int32_t, StorageUninitialised>;

static_assert(sizeof(Point3) == 24 && sizeof(EntityId) == 8 && sizeof(Point2) == 16, "element sizes are fixed");
static_assert(PointArray::kGrowthCap == 2730 && DoubleArray::kGrowthCap == 8192 && IdArray::kGrowthCap == 8192 &&
                  IntArray::kGrowthCap == 16384,
              "growth caps follow from 64 KiB per step");

} // namespace terrain

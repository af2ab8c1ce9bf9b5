#pragma once
// The identifier of a drawing object: an opaque 64-bit number, 0 for the null id.

#include <cstdint>
#include <functional>

namespace host {

struct ObjectId {
    std::uint64_t value = 0;

    constexpr ObjectId() = default;
    constexpr explicit ObjectId(std::uint64_t v) : value(v) {}

    constexpr bool isNull() const { return value == 0; }
    constexpr bool operator==(const ObjectId& other) const { return value == other.value; }
    constexpr bool operator!=(const ObjectId& other) const { return value != other.value; }
    constexpr bool operator<(const ObjectId& other) const { return value < other.value; }

    static constexpr ObjectId null() { return ObjectId{}; }
};

} // namespace host

template <>
struct std::hash<host::ObjectId> {
    std::size_t operator()(const host::ObjectId& id) const noexcept { return std::hash<std::uint64_t>{}(id.value); }
};

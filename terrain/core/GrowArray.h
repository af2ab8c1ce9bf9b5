#pragma once
// An ordered, contiguous, growable array of plain values with a bounded growth policy:
// small arrays double, large ones grow by at most kGrowthCapBytes of elements per step.

#include "terrain/core/ModuleConstants.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <new>
#include <type_traits>

namespace terrain {

// What new storage holds before it is written.
struct StorageDefaultConstructed {
    template <class T> static void fill(T* items, int n) { std::fill(items, items + n, T{}); }
};
struct StorageZeroFilled {
    template <class T> static void fill(T* items, int n) { std::memset(static_cast<void*>(items), 0, sizeof(T) * n); }
};
struct StorageUninitialised {
    template <class T> static void fill(T*, int) {}
};

// Where storage comes from; a failed allocation gives null, never an exception.
struct HeapStorage {
    static void* allocate(std::size_t bytes) { return ::operator new(bytes, std::nothrow); }
    static void release(void* p) { ::operator delete(p); }
};

template <class T, class NewStorage, class Storage = HeapStorage>
class GrowArray {
    static_assert(std::is_trivially_copyable_v<T>, "GrowArray holds plain values only");

public:
    // Elements that fit in kGrowthCapBytes: the most one growth step adds to a large array.
    static constexpr int kGrowthCap = static_cast<int>(kGrowthCapBytes / sizeof(T));

    explicit GrowArray(int capacity = 0, int growStep = kDefaultGrowStep) : growStep_(std::max(growStep, 1))
    {
        if (capacity > 0)
            setCapacity(capacity);
    }
    GrowArray(const GrowArray& other) : growStep_(other.growStep_) { copyFrom(other); }
    GrowArray(GrowArray&& other) noexcept
        : items_(other.items_), capacity_(other.capacity_), count_(other.count_), growStep_(other.growStep_)
    {
        other.items_ = nullptr;
        other.capacity_ = other.count_ = 0;
    }
    GrowArray& operator=(const GrowArray& other)
    {
        if (this != &other) {
            setCapacity(0);
            growStep_ = other.growStep_;
            copyFrom(other);
        }
        return *this;
    }
    GrowArray& operator=(GrowArray&& other) noexcept
    {
        if (this != &other) {
            Storage::release(items_);
            items_ = other.items_;
            capacity_ = other.capacity_;
            count_ = other.count_;
            growStep_ = other.growStep_;
            other.items_ = nullptr;
            other.capacity_ = other.count_ = 0;
        }
        return *this;
    }
    ~GrowArray() { Storage::release(items_); }

    int count() const { return count_; }
    int capacity() const { return capacity_; }
    int growStep() const { return growStep_; }
    bool isEmpty() const { return count_ == 0; }
    const T* data() const { return items_; }

    // Unchecked, like every element access of the module: callers keep 0 <= index < count().
    T& operator[](int index) { return items_[index]; }
    const T& operator[](int index) const { return items_[index]; }
    const T& first() const { return items_[0]; }
    const T& last() const { return items_[count_ - 1]; }

    // Makes the logical length n (negative means 0); storage added keeps what it holds.
    void setCount(int n)
    {
        if (n > capacity_)
            setCapacity(static_cast<int>(std::max<std::int64_t>(n, steppedCapacity(capacity_))));
        count_ = std::clamp(n, 0, capacity_);
    }

    // Inserts a copy of value before index (0 <= index <= count); false and nothing changed otherwise.
    // The value is copied first, so an element of this same array may be inserted.
    bool insertAt(int index, const T& value)
    {
        if (index < 0 || index > count_)
            return false;
        const T copy = value;
        if (count_ >= capacity_) {
            setCapacity(static_cast<int>(steppedCapacity(count_)));
            if (count_ >= capacity_)
                return false;
        }
        std::memmove(static_cast<void*>(items_ + index + 1), items_ + index, sizeof(T) * (count_ - index));
        items_[index] = copy;
        ++count_;
        return true;
    }
    bool append(const T& value) { return insertAt(count_, value); }

    // Removes the element at index; an index outside [0, count) changes nothing.
    void removeAt(int index)
    {
        if (index < 0 || index >= count_)
            return;
        std::memmove(static_cast<void*>(items_ + index), items_ + index + 1, sizeof(T) * (count_ - index - 1));
        --count_;
    }

    // Appends other's elements; grows to exactly the size needed, without a growth step.
    void appendAll(const GrowArray& other)
    {
        const int added = other.count_;
        if (added == 0)
            return;
        const std::int64_t needed = static_cast<std::int64_t>(count_) + added;
        if (needed > INT_MAX)
            return;
        if (capacity_ < needed) {
            setCapacity(static_cast<int>(needed));
            if (capacity_ < needed)
                return;
        }
        std::memmove(static_cast<void*>(items_ + count_), other.items_, sizeof(T) * added);
        count_ += added;
    }

    // Reallocates to exactly n elements (negative means 0), keeping the first min(count, n).
    // A failed allocation leaves the array empty: capacity 0, count 0.
    void setCapacity(int n)
    {
        n = std::max(n, 0);
        if (n == capacity_)
            return;
        T* fresh = nullptr;
        if (n > 0) {
            fresh = static_cast<T*>(Storage::allocate(sizeof(T) * static_cast<std::size_t>(n)));
            if (fresh == nullptr) {
                Storage::release(items_);
                items_ = nullptr;
                capacity_ = count_ = 0;
                return;
            }
            NewStorage::fill(fresh, n);
            copyElements(fresh, items_, std::min(count_, n));
        }
        Storage::release(items_);
        items_ = fresh;
        capacity_ = n;
        count_ = std::min(count_, n);
    }

private:
    // The capacity after one growth step from size: size + max(min(size, cap), growStep), at most INT_MAX.
    std::int64_t steppedCapacity(int size) const
    {
        const std::int64_t grown = static_cast<std::int64_t>(size) + std::max(std::min(size, kGrowthCap), growStep_);
        return std::min<std::int64_t>(grown, INT_MAX);
    }

    // memcpy without the null pointer an empty array has (undefined even for zero bytes).
    static void copyElements(T* to, const T* from, int n)
    {
        if (n > 0)
            std::memcpy(static_cast<void*>(to), from, sizeof(T) * static_cast<std::size_t>(n));
    }

    void copyFrom(const GrowArray& other)
    {
        setCapacity(other.capacity_);
        if (capacity_ != other.capacity_)
            return;
        copyElements(items_, other.items_, other.count_);
        count_ = other.count_;
    }

    T* items_ = nullptr;
    int capacity_ = 0;
    int count_ = 0;
    int growStep_ = kDefaultGrowStep;
};

} // namespace terrain

#pragma once
// Result lists: chains of (kind, value) that carry variable values and record data. The caller frees
// every list it receives with freeList.

#include "host/database/Status.h"

#include <cstdint>

namespace host {

struct ResultBuffer {
    ResultBuffer* next = nullptr;
    int kind = kind::kNone;
    union Value {
        double real;
        double point[3];          // kPoint (z 0) and kPoint3
        short shortValue;         // kShort
        std::int32_t longValue;   // kLong
        char* text;               // kText, owned by the element
        std::uint64_t name[2];    // kEntityName and kSelectionSet
    } value{};
};

// Builds a list from (kind, value) pairs ending with 0. Values by kind: kReal a double; kPoint and kPoint3
// a const double* to 3 values; kShort and kLong an int; kText a const char* (copied; null counts as "");
// kEntityName and kSelectionSet a const std::uint64_t* to 2 values. An unknown kind frees what was built
// and gives null.
ResultBuffer* buildList(int kind, ...);
// One element of that kind with a zero value (kText: an empty text).
ResultBuffer* newResult(int kind);
// Frees the whole chain, texts included; null is allowed.
void freeList(ResultBuffer* list);
// Replaces the element's text with a copy of `text`.
void setResultText(ResultBuffer& element, const char* text);

} // namespace host

#pragma once

#include <cstdint>

// Counts every heap allocation the process makes: the bench binary replaces the global operator
// new, which the project's code and the standard library reach, and interposes malloc, calloc and
// realloc, which Qt's containers (QString, QList) reach directly.
namespace bench {

struct AllocationCount {
    std::int64_t viaNew = 0;
    std::int64_t viaMalloc = 0;

    std::int64_t Total() const { return viaNew + viaMalloc; }
    friend AllocationCount operator-(AllocationCount a, AllocationCount b) {
        return {a.viaNew - b.viaNew, a.viaMalloc - b.viaMalloc};
    }
};

// The allocations made so far, in every thread.
AllocationCount AllocationsSoFar();

} // namespace bench

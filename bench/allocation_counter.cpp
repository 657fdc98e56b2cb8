#include "bench/allocation_counter.h"

#include <atomic>
#include <cstddef>
#include <new>

// glibc's own allocator, which the interposed functions count and then call. The interposed ones
// keep glibc's parameter names.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

// Constant-initialised, so that allocations made before main are counted too.
constinit std::atomic<std::int64_t> allocationsViaNew{0};
constinit std::atomic<std::int64_t> allocationsViaMalloc{0};

void* NewCounted(std::size_t size) {
    allocationsViaNew.fetch_add(1, std::memory_order_relaxed);
    if (void* p = __libc_malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

} // namespace

namespace bench {

AllocationCount AllocationsSoFar() {
    return {allocationsViaNew.load(std::memory_order_relaxed),
            allocationsViaMalloc.load(std::memory_order_relaxed)};
}

} // namespace bench

// The other forms of new and delete (nothrow, aligned) forward to these by default.
void* operator new(std::size_t size) {
    return NewCounted(size);
}
void* operator new[](std::size_t size) {
    return NewCounted(size);
}
void operator delete(void* pointer) noexcept {
    __libc_free(pointer);
}
void operator delete[](void* pointer) noexcept {
    __libc_free(pointer);
}
void operator delete(void* pointer, std::size_t /*size*/) noexcept {
    __libc_free(pointer);
}
void operator delete[](void* pointer, std::size_t /*size*/) noexcept {
    __libc_free(pointer);
}

extern "C" {

void* malloc(std::size_t size) noexcept {
    allocationsViaMalloc.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(std::size_t nmemb, std::size_t size) noexcept {
    allocationsViaMalloc.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(nmemb, size);
}

// A reallocation may move the block, so it counts as an allocation.
void* realloc(void* ptr, std::size_t size) noexcept {
    allocationsViaMalloc.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(ptr, size);
}

void free(void* ptr) noexcept {
    __libc_free(ptr);
}

} // extern "C"

// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The malloc family of the program, counting what it hands out and forwarding to glibc's own.
// A program's definitions come before the shared libraries' in symbol lookup, so the toolkit's
// allocations come here too.
#include "TalvikBenchHeap.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

#include <malloc.h>

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* pointer, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void __libc_free(void* pointer);
}

namespace {

std::atomic<long long> g_current{0};
std::atomic<long long> g_peak{0};

void counted(void* pointer)
{
    if (!pointer)
        return;
    const auto size = static_cast<long long>(malloc_usable_size(pointer));
    const long long now = g_current.fetch_add(size, std::memory_order_relaxed) + size;
    long long peak = g_peak.load(std::memory_order_relaxed);
    while (now > peak && !g_peak.compare_exchange_weak(peak, now, std::memory_order_relaxed)) {
    }
}

void uncounted(void* pointer)
{
    if (pointer)
        g_current.fetch_sub(static_cast<long long>(malloc_usable_size(pointer)),
                            std::memory_order_relaxed);
}

} // namespace

#define TALVIK_HEAP_EXPORT extern "C" __attribute__((visibility("default")))

TALVIK_HEAP_EXPORT void* malloc(std::size_t size)
{
    void* pointer = __libc_malloc(size);
    counted(pointer);
    return pointer;
}

TALVIK_HEAP_EXPORT void* calloc(std::size_t count, std::size_t size)
{
    void* pointer = __libc_calloc(count, size);
    counted(pointer);
    return pointer;
}

TALVIK_HEAP_EXPORT void* realloc(void* pointer, std::size_t size)
{
    const long long before = pointer ? static_cast<long long>(malloc_usable_size(pointer)) : 0;
    void* moved = __libc_realloc(pointer, size);
    // A failed realloc leaves the old block as it was; realloc to nothing frees it.
    if (!moved && size != 0)
        return moved;
    g_current.fetch_sub(before, std::memory_order_relaxed);
    counted(moved);
    return moved;
}

TALVIK_HEAP_EXPORT void free(void* pointer)
{
    uncounted(pointer);
    __libc_free(pointer);
}

TALVIK_HEAP_EXPORT void* memalign(std::size_t alignment, std::size_t size)
{
    void* pointer = __libc_memalign(alignment, size);
    counted(pointer);
    return pointer;
}

TALVIK_HEAP_EXPORT void* aligned_alloc(std::size_t alignment, std::size_t size)
{
    return memalign(alignment, size);
}

TALVIK_HEAP_EXPORT int posix_memalign(void** result, std::size_t alignment, std::size_t size)
{
    if (alignment < sizeof(void*) || (alignment & (alignment - 1)) != 0)
        return EINVAL;
    void* pointer = memalign(alignment, size);
    if (!pointer && size != 0)
        return ENOMEM;
    *result = pointer;
    return 0;
}

namespace TalvikBench::Heap {

long long current()
{
    return g_current.load(std::memory_order_relaxed);
}

long long peak()
{
    return g_peak.load(std::memory_order_relaxed);
}

void resetPeak()
{
    g_peak.store(current(), std::memory_order_relaxed);
}

} // namespace TalvikBench::Heap

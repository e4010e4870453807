// Replaces glibc's allocation functions and operator new in the test program with ones that count calls
// while counting is on, and hand the work to glibc's own allocator. glibc calls malloc through its public
// symbol, so allocations made inside the C library (strdup, fopen...) are counted too.
#include "tests/alloc/counting_allocator.h"

#include <errno.h>
#include <stddef.h>
#include <new>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);
}

// Whether allocations are being counted.
static volatile bool Counting;

// Allocations made while counting.
static volatile long Allocations;

static void Count()
{
    if (Counting)
        Allocations = Allocations + 1;
}

void StartCountingAllocations()
{
    Allocations = 0;
    Counting = true;
}

long StopCountingAllocations()
{
    Counting = false;
    return Allocations;
}

extern "C" {

void* malloc(size_t size)
{
    Count();
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size)
{
    Count();
    return __libc_calloc(count, size);
}

void* realloc(void* block, size_t size)
{
    Count();
    return __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size)
{
    Count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size)
{
    Count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** block, size_t alignment, size_t size)
{
    Count();
    void* result = __libc_memalign(alignment, size);
    if (!result)
        return ENOMEM;
    *block = result;
    return 0;
}

void free(void* block)
{
    __libc_free(block);
}

} // extern "C"

static void* New(size_t size)
{
    Count();
    void* block = __libc_malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

static void* NewAligned(size_t size, std::align_val_t alignment)
{
    Count();
    void* block = __libc_memalign(static_cast<size_t>(alignment), size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

void* operator new(size_t size) { return New(size); }
void* operator new[](size_t size) { return New(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept
{
    Count();
    return __libc_malloc(size ? size : 1);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept
{
    Count();
    return __libc_malloc(size ? size : 1);
}
void* operator new(size_t size, std::align_val_t alignment) { return NewAligned(size, alignment); }
void* operator new[](size_t size, std::align_val_t alignment) { return NewAligned(size, alignment); }

void operator delete(void* block) noexcept { __libc_free(block); }
void operator delete[](void* block) noexcept { __libc_free(block); }
void operator delete(void* block, size_t) noexcept { __libc_free(block); }
void operator delete[](void* block, size_t) noexcept { __libc_free(block); }
void operator delete(void* block, std::align_val_t) noexcept { __libc_free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { __libc_free(block); }
void operator delete(void* block, size_t, std::align_val_t) noexcept { __libc_free(block); }
void operator delete[](void* block, size_t, std::align_val_t) noexcept { __libc_free(block); }

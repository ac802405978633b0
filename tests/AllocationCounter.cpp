#include "tests/AllocationCounter.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The replacements allocate with malloc and aligned_alloc and release with free, so they pair up
// under AddressSanitizer, which intercepts those functions rather than operator new. Windows' C
// library has no aligned_alloc: there aligned blocks come from _aligned_malloc and go back to
// _aligned_free.
namespace {

std::atomic<int> activeCounters{0};
std::atomic<long> allocations{0};

void Note()
{
    if (activeCounters.load(std::memory_order_relaxed) > 0) {
        allocations.fetch_add(1, std::memory_order_relaxed);
    }
}

void* Allocate(std::size_t size)
{
    Note();
    void* memory = std::malloc(size == 0 ? 1 : size);
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment)
{
    Note();
    const std::size_t align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = ((size == 0 ? 1 : size) + align - 1) / align * align;
#ifdef _WIN32
    void* memory = _aligned_malloc(rounded, align);
#else
    void* memory = std::aligned_alloc(align, rounded);
#endif
    if (memory == nullptr) {
        throw std::bad_alloc();
    }
    return memory;
}

void ReleaseAligned(void* memory)
{
#ifdef _WIN32
    _aligned_free(memory);
#else
    std::free(memory);
#endif
}

} // namespace

AllocationCounter::AllocationCounter() : start(0)
{
    activeCounters.fetch_add(1);
    start = allocations.load();
}

AllocationCounter::~AllocationCounter()
{
    activeCounters.fetch_sub(1);
}

long AllocationCounter::Count() const
{
    return allocations.load() - start;
}

void* operator new(std::size_t size)
{
    return Allocate(size);
}

void* operator new[](std::size_t size)
{
    return Allocate(size);
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept
{
    try {
        return Allocate(size);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new(std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment)
{
    return AllocateAligned(size, alignment);
}

void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    try {
        return AllocateAligned(size, alignment);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept
{
    try {
        return AllocateAligned(size, alignment);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void operator delete(void* memory) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, std::size_t) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete[](void* memory, const std::nothrow_t&) noexcept
{
    std::free(memory);
}

void operator delete(void* memory, std::align_val_t) noexcept
{
    ReleaseAligned(memory);
}

void operator delete[](void* memory, std::align_val_t) noexcept
{
    ReleaseAligned(memory);
}

void operator delete(void* memory, std::size_t, std::align_val_t) noexcept
{
    ReleaseAligned(memory);
}

void operator delete[](void* memory, std::size_t, std::align_val_t) noexcept
{
    ReleaseAligned(memory);
}

void operator delete(void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    ReleaseAligned(memory);
}

void operator delete[](void* memory, std::align_val_t, const std::nothrow_t&) noexcept
{
    ReleaseAligned(memory);
}

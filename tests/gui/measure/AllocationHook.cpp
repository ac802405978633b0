#include "AllocationHook.h"

#include <atomic>
#include <cerrno>
#include <cstddef>

// The C library's allocator under its internal names; replacing the public names in the program
// makes every library's calls come here first.
extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* memory, std::size_t size);
void* __libc_memalign(std::size_t alignment, std::size_t size);
void* __libc_valloc(std::size_t size);
void* __libc_pvalloc(std::size_t size);
}

// AddressSanitizer brings its own allocator; there the figures are not counted.
#if defined(__SANITIZE_ADDRESS__)
long measure::Allocations()
{
    return -1;
}
#else
namespace {
std::atomic<long> allocations{0};

void Count()
{
    allocations.fetch_add(1, std::memory_order_relaxed);
}
} // namespace

long measure::Allocations()
{
    return allocations.load(std::memory_order_relaxed);
}

extern "C" {
void* malloc(std::size_t size) noexcept
{
    Count();
    return __libc_malloc(size);
}

void* calloc(std::size_t count, std::size_t size) noexcept
{
    Count();
    return __libc_calloc(count, size);
}

void* realloc(void* memory, std::size_t size) noexcept
{
    Count();
    return __libc_realloc(memory, size);
}

void* memalign(std::size_t alignment, std::size_t size) noexcept
{
    Count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(std::size_t alignment, std::size_t size) noexcept
{
    Count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** memory, std::size_t alignment, std::size_t size) noexcept
{
    Count();
    void* block = __libc_memalign(alignment, size);
    if (block == nullptr) {
        return ENOMEM;
    }
    *memory = block;
    return 0;
}

void* valloc(std::size_t size) noexcept
{
    Count();
    return __libc_valloc(size);
}

void* pvalloc(std::size_t size) noexcept
{
    Count();
    return __libc_pvalloc(size);
}
}
#endif

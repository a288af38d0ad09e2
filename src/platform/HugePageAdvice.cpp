// Laying out a long line makes Qt allocate and zero hundreds of megabytes at once. With 4 KB
// pages the page faults cost more than the layout itself (a 10 MB one-line page took 1.3 s to
// open, 0.4 s with huge pages), so large blocks ask the kernel for transparent huge pages, as
// glibc's malloc.hugetlb tunable would if it were set before the program started.
//
// These definitions take the place of the C library's malloc and realloc for the whole process
// and hand every call on to it. Under a sanitizer, which brings its own allocator, they are left
// out.

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(memory_sanitizer) || __has_feature(thread_sanitizer)
#define TOVAREL_OWN_ALLOCATOR_UNDER_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define TOVAREL_OWN_ALLOCATOR_UNDER_SANITIZER
#endif

#ifndef TOVAREL_OWN_ALLOCATOR_UNDER_SANITIZER

#include <cstddef>
#include <cstdint>
#include <sys/mman.h>

extern "C" {
void *__libc_malloc(std::size_t size);
void *__libc_realloc(void *block, std::size_t size);
}

namespace {

// At or above glibc's largest mmap threshold, so each block is a mapping of its own: advising all
// of it neither splits the mapping nor touches the heap.
constexpr std::size_t LargeBlock = std::size_t{32} << 20;
constexpr std::uintptr_t PageSize = 4096;

void adviseHugePages(void *block, std::size_t size)
{
    if (block == nullptr || size < LargeBlock)
        return;
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t begin = address & ~(PageSize - 1);
    const std::uintptr_t end = (address + size + PageSize - 1) & ~(PageSize - 1);
    // Only advice: where the kernel has no huge pages the block stays as it is.
    madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace

extern "C" void *malloc(std::size_t size) noexcept
{
    void *block = __libc_malloc(size);
    adviseHugePages(block, size);
    return block;
}

extern "C" void *realloc(void *block, std::size_t size) noexcept
{
    void *moved = __libc_realloc(block, size);
    adviseHugePages(moved, size);
    return moved;
}

#endif

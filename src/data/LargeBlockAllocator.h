#pragma once

#include <cstddef>
#include <new>
#include <sys/mman.h>

namespace vindel {

// Allocator for the one large block that holds all values of a table. A scan over 100k rows
// touches tens of thousands of 4 KiB pages; asking for huge pages keeps the page walks of such a
// scan in the cache, so the first search after loading is as fast as the following ones.
template <class T> class LargeBlockAllocator {
public:
    using value_type = T;
    LargeBlockAllocator() = default;
    template <class U> LargeBlockAllocator(const LargeBlockAllocator<U> &) {}

    T *allocate(std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLarge)
            return static_cast<T *>(::operator new(bytes));
        void *p = mmap(nullptr, rounded(bytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (p == MAP_FAILED)
            throw std::bad_alloc();
        madvise(p, rounded(bytes), MADV_HUGEPAGE); // a hint: without huge pages it works all the same
        return static_cast<T *>(p);
    }

    void deallocate(T *p, std::size_t n)
    {
        const std::size_t bytes = n * sizeof(T);
        if (bytes < kLarge)
            ::operator delete(p);
        else
            munmap(p, rounded(bytes));
    }

    template <class U> bool operator==(const LargeBlockAllocator<U> &) const { return true; }

private:
    static constexpr std::size_t kHugePage = std::size_t(2) << 20;
    static constexpr std::size_t kLarge = std::size_t(4) << 20;
    static std::size_t rounded(std::size_t bytes) { return (bytes + kHugePage - 1) / kHugePage * kHugePage; }
};

} // namespace vindel

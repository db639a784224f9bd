#pragma once

#include <cstddef>

namespace tavik {

// Memory for the large arrays of the game database (the position index: tens of megabytes,
// filled once). Such an array is aligned on 2 MB and, where the system offers it (Linux), asked
// to be backed by 2 MB pages: filling it then costs a few dozen page faults instead of tens of
// thousands, which on some machines (virtual ones above all) take a quarter of the indexing.
// Small arrays come from the ordinary heap.
void* alloue_grand(std::size_t octets);
void libere_grand(void* memoire, std::size_t octets);

template <class T> struct AllocateurGrand
{
    using value_type = T;

    AllocateurGrand() = default;
    template <class U>
    AllocateurGrand(const AllocateurGrand<U>&) // NOLINT: converts as std::allocator does
    {
    }

    T* allocate(std::size_t n) { return static_cast<T*>(alloue_grand(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) { libere_grand(p, n * sizeof(T)); }

    template <class U> friend bool operator==(const AllocateurGrand&, const AllocateurGrand<U>&)
    {
        return true;
    }
};

} // namespace tavik

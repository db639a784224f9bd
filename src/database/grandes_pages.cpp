#include "database/grandes_pages.h"

#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace tavik {

namespace {

constexpr std::size_t grande_page = std::size_t {2} << 20;

// The size actually reserved: whole large pages for a large array.
constexpr std::size_t arrondi(std::size_t octets)
{
    return (octets + grande_page - 1) / grande_page * grande_page;
}

} // namespace

void* alloue_grand(std::size_t octets)
{
    if (octets < grande_page) return ::operator new(octets);
    const std::size_t taille = arrondi(octets);
    void* memoire = ::operator new (taille, std::align_val_t {grande_page});
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Advice only: without large pages the array works the same, page by page.
    ::madvise(memoire, taille, MADV_HUGEPAGE);
#endif
    return memoire;
}

// The unsized forms of delete: the sized ones are not declared by every compiler's default
// (clang leaves sized deallocation off).
void libere_grand(void* memoire, std::size_t octets)
{
    if (octets < grande_page)
        ::operator delete(memoire);
    else
        ::operator delete (memoire, std::align_val_t {grande_page});
}

} // namespace tavik

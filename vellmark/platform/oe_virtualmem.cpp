#include <vellmark/platform/oe_virtualmem.h>

#include <sys/mman.h>
#include <unistd.h>

namespace
{
    std::size_t RoundToPages(std::size_t a_uSize)
    {
        std::size_t const uPage = OEVirtualPageSize();
        return (a_uSize + uPage - 1) & ~(uPage - 1);
    }
} // namespace

std::size_t OEVirtualPageSize()
{
    static std::size_t const s_uPageSize = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    return s_uPageSize;
}

void * OEVirtualReserve(std::size_t a_uSize)
{
    void * pRange = mmap(nullptr, RoundToPages(a_uSize), PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    return pRange == MAP_FAILED ? nullptr : pRange;
}

bool OEVirtualCommit(void * a_pAddress, std::size_t a_uSize)
{
    return mprotect(a_pAddress, RoundToPages(a_uSize), PROT_READ | PROT_WRITE) == 0;
}

bool OEVirtualDecommit(void * a_pAddress, std::size_t a_uSize)
{
    std::size_t const uSize = RoundToPages(a_uSize);
    // Dropping the pages gives the memory back; taking the access away makes a
    // stale pointer fault instead of reading zeros.
    bool const bDropped = madvise(a_pAddress, uSize, MADV_DONTNEED) == 0;
    return mprotect(a_pAddress, uSize, PROT_NONE) == 0 && bDropped;
}

bool OEVirtualRelease(void * a_pAddress, std::size_t a_uSize)
{
    return munmap(a_pAddress, RoundToPages(a_uSize)) == 0;
}

#include <vellmark/platform/oe_heap.h>

#include <vellmark/platform/oe_virtualmem.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <mutex>

#include <malloc.h>
#include <sys/mman.h>

#if defined(OE_HEAP_MIMALLOC)
#include <mimalloc.h>
// Called through the symbol table directly: one jump less on every request.
extern "C" void * mi_malloc(std::size_t a_uSize) noexcept __attribute__((noplt));
extern "C" void * mi_malloc_small(std::size_t a_uSize) noexcept __attribute__((noplt));
extern "C" void mi_free(void * a_pBlock) noexcept __attribute__((noplt));
#endif

namespace
{
    // ---- the heap beneath ----

#if defined(OE_HEAP_MIMALLOC)
    // mimalloc gives blocks of 8 bytes and less only 8-byte alignment.
    void * RawAllocate(std::size_t a_uSize)
    {
        return a_uSize <= MI_SMALL_SIZE_MAX ? mi_malloc_small(std::max(a_uSize, OE_HEAP_MIN_REQUEST))
                                            : mi_malloc(a_uSize);
    }
    void RawFree(void * a_pBlock)
    {
        mi_free(a_pBlock);
    }
    void * RawExpand(void * a_pBlock, std::size_t a_uSize)
    {
        return mi_expand(a_pBlock, a_uSize);
    }
    std::size_t RawSize(void const * a_pBlock)
    {
        return mi_usable_size(a_pBlock);
    }
#else
    // The same smallest request as the direct road in the memory administration,
    // so that a block's size does not depend on the road it took.
    void * RawAllocate(std::size_t a_uSize)
    {
        return malloc(std::max(a_uSize, OE_HEAP_MIN_REQUEST));
    }
    void RawFree(void * a_pBlock)
    {
        free(a_pBlock);
    }
    std::size_t RawSize(void const * a_pBlock)
    {
        return malloc_usable_size(const_cast<void *>(a_pBlock));
    }
    void * RawExpand(void * a_pBlock, std::size_t a_uSize)
    {
        return a_uSize <= RawSize(a_pBlock) ? a_pBlock : nullptr;
    }
#endif

    // ---- fault injection ----

    std::atomic<bool> s_bInjecting{false};
    std::atomic<unsigned long> s_uUntilFailure{0}; // allocations still to succeed
    std::atomic<unsigned long> s_uFailures{0};     // failures still to give

    bool InjectedFailure()
    {
        if (!s_bInjecting.load(std::memory_order_relaxed))
            return false;
        unsigned long uBefore = s_uUntilFailure.load();
        while (uBefore != 0)
            if (s_uUntilFailure.compare_exchange_weak(uBefore, uBefore - 1))
                return false;
        unsigned long uLeft = s_uFailures.load();
        while (uLeft != 0)
            if (s_uFailures.compare_exchange_weak(uLeft, uLeft == ~0ul ? uLeft : uLeft - 1))
                return true;
        s_bInjecting.store(false);
        g_OEHeapDirect.m_uDirectBelow.store(OE_HEAP_LARGE_BLOCK);
        return false;
    }

    inline bool ShouldFail()
    {
        return s_bInjecting.load(std::memory_order_relaxed) && InjectedFailure();
    }

    // ---- large blocks: mapped pages, found again through a small table ----

    struct bSLargeBlock
    {
        void * m_pBlock;
        std::size_t m_uMapped;
    };

    constexpr std::size_t kLargeSlots = 4096; // a power of two
    bSLargeBlock s_arrLarge[kLargeSlots];
    std::atomic<std::size_t> s_uLargeCount{0};
    std::mutex s_LargeLock;

    std::size_t SlotOf(void const * a_pBlock)
    {
        return (reinterpret_cast<std::uintptr_t>(a_pBlock) >> 12) * 0x9E3779B97F4A7C15ull >> 52 & (kLargeSlots - 1);
    }

    // Caller holds s_LargeLock. Linear probing; a removed entry leaves a hole
    // that is closed by moving later entries of the same run back.
    bSLargeBlock * FindLarge(void const * a_pBlock)
    {
        for (std::size_t i = SlotOf(a_pBlock), n = 0; n < kLargeSlots; i = (i + 1) & (kLargeSlots - 1), ++n)
        {
            if (s_arrLarge[i].m_pBlock == a_pBlock)
                return &s_arrLarge[i];
            if (!s_arrLarge[i].m_pBlock)
                return nullptr;
        }
        return nullptr;
    }

    bool InsertLarge(void * a_pBlock, std::size_t a_uMapped)
    {
        if (s_uLargeCount.load() >= kLargeSlots / 2)
            return false;
        std::size_t i = SlotOf(a_pBlock);
        while (s_arrLarge[i].m_pBlock)
            i = (i + 1) & (kLargeSlots - 1);
        s_arrLarge[i] = {a_pBlock, a_uMapped};
        s_uLargeCount.fetch_add(1);
        g_OEHeapDirect.m_uSpecialBlocks.fetch_add(1);
        return true;
    }

    void RemoveLarge(bSLargeBlock * a_pEntry)
    {
        std::size_t i = static_cast<std::size_t>(a_pEntry - s_arrLarge);
        s_arrLarge[i] = {nullptr, 0};
        for (std::size_t j = (i + 1) & (kLargeSlots - 1); s_arrLarge[j].m_pBlock; j = (j + 1) & (kLargeSlots - 1))
        {
            bSLargeBlock const Moved = s_arrLarge[j];
            s_arrLarge[j] = {nullptr, 0};
            std::size_t k = SlotOf(Moved.m_pBlock);
            while (s_arrLarge[k].m_pBlock)
                k = (k + 1) & (kLargeSlots - 1);
            s_arrLarge[k] = Moved;
        }
        s_uLargeCount.fetch_sub(1);
        g_OEHeapDirect.m_uSpecialBlocks.fetch_sub(1);
    }

    // Room to grow: a buffer grown in small steps remaps once per eighth.
    std::size_t MappedSizeFor(std::size_t a_uSize)
    {
        std::size_t const uPage = OEVirtualPageSize();
        std::size_t const uWanted = a_uSize + a_uSize / 8;
        return (uWanted + uPage - 1) & ~(uPage - 1);
    }

    void * AllocateLarge(std::size_t a_uSize)
    {
        std::size_t const uMapped = MappedSizeFor(a_uSize);
        void * pBlock = mmap(nullptr, uMapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (pBlock == MAP_FAILED)
            return nullptr;
        std::lock_guard<std::mutex> Lock(s_LargeLock);
        if (InsertLarge(pBlock, uMapped))
            return pBlock;
        munmap(pBlock, uMapped);
        return RawAllocate(a_uSize); // table full: an ordinary block will do
    }

    bool MaybeLarge(void const * a_pBlock)
    {
        return s_uLargeCount.load(std::memory_order_acquire) != 0 &&
               (reinterpret_cast<std::uintptr_t>(a_pBlock) & (OEVirtualPageSize() - 1)) == 0;
    }

    bool FreeLarge(void * a_pBlock)
    {
        std::size_t uMapped = 0;
        {
            std::lock_guard<std::mutex> Lock(s_LargeLock);
            bSLargeBlock * pEntry = FindLarge(a_pBlock);
            if (!pEntry)
                return false;
            uMapped = pEntry->m_uMapped;
            RemoveLarge(pEntry);
        }
        munmap(a_pBlock, uMapped);
        return true;
    }

    // Result: the block (possibly moved), null when it cannot grow, or the
    // argument itself through a_bFound = false when the block is not large.
    void * ResizeLarge(void * a_pBlock, std::size_t a_uSize, bool & a_bFound)
    {
        std::lock_guard<std::mutex> Lock(s_LargeLock);
        bSLargeBlock * pEntry = FindLarge(a_pBlock);
        a_bFound = pEntry != nullptr;
        if (!pEntry || a_uSize <= pEntry->m_uMapped)
            return a_pBlock;
        std::size_t const uMapped = MappedSizeFor(a_uSize);
        void * pMoved = mremap(a_pBlock, pEntry->m_uMapped, uMapped, MREMAP_MAYMOVE);
        if (pMoved == MAP_FAILED)
            return nullptr;
        RemoveLarge(pEntry);
        InsertLarge(pMoved, uMapped); // cannot fail: one entry was just removed
        return pMoved;
    }

    std::size_t LargeSize(void const * a_pBlock)
    {
        std::lock_guard<std::mutex> Lock(s_LargeLock);
        bSLargeBlock const * pEntry = FindLarge(a_pBlock);
        return pEntry ? pEntry->m_uMapped : 0;
    }

    int s_iPoolTag; // the address a pool handle names

    [[gnu::noinline]] void * AllocateSlow(std::size_t a_uSize)
    {
        if (ShouldFail())
            return nullptr;
        if (a_uSize >= OE_HEAP_LARGE_BLOCK)
            return AllocateLarge(a_uSize);
        return RawAllocate(a_uSize);
    }

    [[gnu::noinline]] void FreeSlow(void * a_pBlock)
    {
        if (a_pBlock && MaybeLarge(a_pBlock) && FreeLarge(a_pBlock))
            return;
        RawFree(a_pBlock);
    }
} // namespace

bSHeapDirect g_OEHeapDirect = {
#if defined(OE_HEAP_MIMALLOC)
    &mi_malloc,
    &mi_free,
#else
    &malloc,
    &free,
#endif
    {OE_HEAP_LARGE_BLOCK},
    {0}};

void OEHeapRegister() {}

void * OEHeapCreatePool(unsigned long)
{
    return &s_iPoolTag;
}

void OEHeapSetSmallBlockSize(void *, unsigned long) {}

// The checks that send a request off the direct road are one compare each.
void * OEHeapAllocate(void *, std::size_t a_uSize, unsigned long)
{
    if (a_uSize < g_OEHeapDirect.m_uDirectBelow.load(std::memory_order_relaxed)) [[likely]]
        return RawAllocate(a_uSize);
    return AllocateSlow(a_uSize);
}

void OEHeapFree(void * a_pBlock)
{
    if (s_uLargeCount.load(std::memory_order_relaxed) == 0) [[likely]]
        return RawFree(a_pBlock); // null does nothing here too
    FreeSlow(a_pBlock);
}

void * OEHeapResize(void * a_pBlock, std::size_t a_uSize, unsigned long)
{
    if (!a_pBlock || ShouldFail())
        return nullptr;
    if (MaybeLarge(a_pBlock))
    {
        bool bFound = false;
        void * pResult = ResizeLarge(a_pBlock, a_uSize, bFound);
        if (bFound)
            return pResult;
    }
    return RawExpand(a_pBlock, a_uSize);
}

std::size_t OEHeapSize(void const * a_pBlock)
{
    if (!a_pBlock)
        return 0;
    if (MaybeLarge(a_pBlock))
        if (std::size_t const uSize = LargeSize(a_pBlock))
            return uSize;
    return RawSize(a_pBlock);
}

void OEHeapDestroyPool(void *) {}

void OEHeapUnregister() {}

void * OEHeapGetProcessHeap()
{
    return &s_iPoolTag;
}

bool OEHeapSetCompatibility(void *, unsigned long)
{
    return true;
}

void OEHeapInjectFailure(unsigned long a_uNth, unsigned long a_uCount)
{
    s_bInjecting.store(false);
    if (a_uNth == 0 || a_uCount == 0)
    {
        g_OEHeapDirect.m_uDirectBelow.store(OE_HEAP_LARGE_BLOCK);
        return;
    }
    s_uUntilFailure.store(a_uNth - 1);
    s_uFailures.store(a_uCount);
    g_OEHeapDirect.m_uDirectBelow.store(0); // every request counts while failures are injected
    s_bInjecting.store(true);
}

void OEHeapStopFailures()
{
    OEHeapInjectFailure(0, 0);
}

#ifndef OE_MEMPOOL_H_INCLUDED
#define OE_MEMPOOL_H_INCLUDED

// The layer beneath the memory administration: ordinary blocks from the one
// pool of the heap library, and one very large block at a time (the big block,
// meant for memory-stream buffers) from an address range reserved once.
//
// A request of 65,000,001 to 99,999,999 bytes takes the big block when it is
// free; everything else goes to the heap. The reservation is 2 GiB of address
// space with nothing committed, so that the big block grows in place (its
// address never changes) up to that size; pages are committed as it grows.
//
// No lock of its own: the heap beneath is thread-safe and the big block's
// in-use flag is atomic.

#include <vellmark/kernel/oe_types.h>
#include <vellmark/platform/oe_heap.h>

#include <atomic>
#include <cstddef>

// OE_BOUND_LOCALLY comes with oe_heap.h.

class OE_API bCMemPool
{
public:
    static constexpr unsigned long ms_uBigBlockMin = 65000001;
    static constexpr unsigned long ms_uBigBlockMax = 99999999;
    static constexpr std::size_t ms_uBigBlockReservation = std::size_t(2) << 30;
    static constexpr unsigned long ms_uSmallBlockSize = 550;

public:
    bCMemPool();
    ~bCMemPool();
    bCMemPool & operator=(bCMemPool const & a_Source); // copies both fields
    bCMemPool(bCMemPool const &) = delete;

public:
    void * Allocate(unsigned long a_uSize);
    void Free(void * a_pBlock);
    OE_BOUND_LOCALLY void * Reallocate(void * a_pBlock,
                                       unsigned long a_uSize); // null when it fails; the block stays valid then

public:
    bool HasBigBlock() const; // the reservation exists
    bool IsBigBlockInUse() const;
    void * GetBigBlockBase() const;

private:
    bool TakeBigBlock(unsigned long a_uSize);
    bool GrowBigBlock(std::size_t a_uSize);
    void ReleaseBigBlock();

private:
    char * m_pBigBlockBase;
    std::atomic<bool> m_bBigBlockInUse;
    std::size_t m_uBigBlockCommitted; // only its owner touches it
    bool m_bBuiltHeapPool;            // the one pool of the process, which releases it

    static void * ms_pHeapPool;
    static void * ms_pProcessHeap;
};

// The hot path of every request, kept inline. The heap's direct road serves
// what is below the large-block size (never a big-block request) while no
// failures are injected, and frees while no large or big block is out.
inline void * bCMemPool::Allocate(unsigned long a_uSize)
{
    if (a_uSize < g_OEHeapDirect.m_uDirectBelow.load(std::memory_order_relaxed)) [[likely]]
        return OEHeapAllocateDirect(a_uSize);
    if (a_uSize - ms_uBigBlockMin <= ms_uBigBlockMax - ms_uBigBlockMin) [[unlikely]]
        if (TakeBigBlock(a_uSize))
            return m_pBigBlockBase;
    return OEHeapAllocate(ms_pHeapPool, a_uSize, 0);
}

inline void bCMemPool::Free(void * a_pBlock)
{
    if (g_OEHeapDirect.m_uSpecialBlocks.load(std::memory_order_relaxed) == 0) [[likely]]
        return g_OEHeapDirect.m_funcFree(a_pBlock);
    if (a_pBlock == m_pBigBlockBase && a_pBlock && IsBigBlockInUse()) [[unlikely]]
        return ReleaseBigBlock();
    OEHeapFree(a_pBlock);
}

#endif

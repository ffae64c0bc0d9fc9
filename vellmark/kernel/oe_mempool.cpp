#include <vellmark/kernel/oe_mempool.h>

#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_virtualmem.h>

#include <algorithm>
#include <cstring>

void * bCMemPool::ms_pHeapPool = nullptr;
void * bCMemPool::ms_pProcessHeap = nullptr;

namespace
{
    constexpr unsigned long kPoolFlags = 0x8002;
    constexpr unsigned long kLowFragmentationHeap = 2;
    constexpr unsigned long kResizeInPlace = 4;
    // Committing in steps of this size keeps a buffer grown a kilobyte at a
    // time from asking the kernel on every step.
    constexpr std::size_t kCommitStep = std::size_t(1) << 20;

    std::size_t RoundUpToCommitStep(std::size_t a_uSize)
    {
        return (a_uSize + kCommitStep - 1) & ~(kCommitStep - 1);
    }
} // namespace

bCMemPool::bCMemPool() :
    m_pBigBlockBase(nullptr), m_bBigBlockInUse(false), m_uBigBlockCommitted(0), m_bBuiltHeapPool(false)
{
    if (ms_pHeapPool)
        return;
    m_bBuiltHeapPool = true;
    OEHeapRegister();
    ms_pHeapPool = OEHeapCreatePool(kPoolFlags);
    OEHeapSetSmallBlockSize(ms_pHeapPool, ms_uSmallBlockSize);
    ms_pProcessHeap = OEHeapGetProcessHeap();
    OEHeapSetCompatibility(ms_pProcessHeap, kLowFragmentationHeap);
    m_pBigBlockBase = static_cast<char *>(OEVirtualReserve(ms_uBigBlockReservation));
    if (!m_pBigBlockBase)
        OEMessageBox("Can´t reserve big huge block for memorystreams !", "VirtualAlloc: BigHugeBlock",
                     MB_OK | MB_ICONERROR);
}

// A pool built while another existed did nothing, and releases nothing.
bCMemPool::~bCMemPool()
{
    if (!m_bBuiltHeapPool)
        return;
    if (ms_pHeapPool)
        OEHeapDestroyPool(ms_pHeapPool);
    OEHeapUnregister();
    ms_pProcessHeap = nullptr;
    if (m_pBigBlockBase)
        OEVirtualRelease(m_pBigBlockBase, ms_uBigBlockReservation);
    m_pBigBlockBase = nullptr;
    ms_pHeapPool = nullptr;
    if (m_bBigBlockInUse.exchange(false))
        g_OEHeapDirect.m_uSpecialBlocks.fetch_sub(1);
    m_uBigBlockCommitted = 0;
}

bCMemPool & bCMemPool::operator=(bCMemPool const & a_Source)
{
    m_pBigBlockBase = a_Source.m_pBigBlockBase;
    m_bBigBlockInUse.store(a_Source.m_bBigBlockInUse.load());
    m_uBigBlockCommitted = a_Source.m_uBigBlockCommitted;
    return *this;
}

bool bCMemPool::HasBigBlock() const
{
    return m_pBigBlockBase != nullptr;
}

bool bCMemPool::IsBigBlockInUse() const
{
    return m_bBigBlockInUse.load(std::memory_order_acquire);
}

void * bCMemPool::GetBigBlockBase() const
{
    return m_pBigBlockBase;
}

bool bCMemPool::TakeBigBlock(unsigned long a_uSize)
{
    bool bFree = false;
    if (!m_pBigBlockBase || !m_bBigBlockInUse.compare_exchange_strong(bFree, true, std::memory_order_acquire))
        return false;
    if (GrowBigBlock(a_uSize))
    {
        g_OEHeapDirect.m_uSpecialBlocks.fetch_add(1); // frees leave the direct road while it is out
        return true;
    }
    m_bBigBlockInUse.store(false, std::memory_order_release); // nothing committed: let the heap try
    return false;
}

bool bCMemPool::GrowBigBlock(std::size_t a_uSize)
{
    if (a_uSize <= m_uBigBlockCommitted)
        return true;
    std::size_t const uWanted = std::min(RoundUpToCommitStep(a_uSize + a_uSize / 8), ms_uBigBlockReservation);
    if (!OEVirtualCommit(m_pBigBlockBase, uWanted))
        return false;
    m_uBigBlockCommitted = uWanted;
    return true;
}

void bCMemPool::ReleaseBigBlock()
{
    OEVirtualDecommit(m_pBigBlockBase, m_uBigBlockCommitted);
    m_uBigBlockCommitted = 0;
    m_bBigBlockInUse.store(false, std::memory_order_release);
    g_OEHeapDirect.m_uSpecialBlocks.fetch_sub(1);
}

void * bCMemPool::Reallocate(void * a_pBlock, unsigned long a_uSize)
{
    // The big block never moves, whatever the size: it grows in place as far as
    // its reservation and the system allow, and a caller must not use more.
    if (a_pBlock && a_pBlock == m_pBigBlockBase && IsBigBlockInUse())
    {
        GrowBigBlock(std::min<std::size_t>(a_uSize, ms_uBigBlockReservation));
        return a_pBlock;
    }
    if (!a_pBlock)
        return Allocate(a_uSize);
    if (void * pResized = OEHeapResize(a_pBlock, a_uSize, kResizeInPlace))
        return pResized;
    std::size_t const uOldSize = OEHeapSize(a_pBlock);
    if (uOldSize == 0)
        return nullptr;
    void * pNew = Allocate(a_uSize);
    if (!pNew)
        return nullptr;
    std::memcpy(pNew, a_pBlock, std::min<std::size_t>(uOldSize, a_uSize));
    OEHeapFree(a_pBlock);
    return pNew;
}

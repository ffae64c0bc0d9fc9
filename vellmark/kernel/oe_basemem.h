#ifndef OE_BASEMEM_H_INCLUDED
#define OE_BASEMEM_H_INCLUDED

// The memory administration: the one door through which the library and its
// client modules obtain and return heap memory.
//
// Two modes, fixed when an instance is built:
// - untracked (the process-wide instance of GetInstance): every request goes
//   straight to the pool; nothing is recorded. This path takes no lock, since
//   the heap beneath is thread-safe.
// - tracked (the bool constructor with true): every block carries 16 guard
//   bytes on each side (0xBAADF00D below, 0xDEADC0DE above), is described by a
//   bSAllocationItem in the process-wide item table and counted per allocation
//   site and in the instance's statistics. Its operations run under the
//   instance's critical section. A tracked instance uses the process pool
//   without owning it; its Destroy reports and releases only its own blocks,
//   while validation and the summaries walk every tracked block of the process.
//
// Every block handed out is 16-byte aligned. An array block (NewObjectArray)
// has a 16-byte header whose last 4 bytes hold the element count.
//
// Report texts are formatted into g_carrMsgBuffer and handed to a report
// callback; they stay valid until the next report.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_mempool.h>
#include <vellmark/kernel/oe_types.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

// Exported, yet bound inside the library: the library's own calls of these hot
// functions go straight to them instead of through the symbol table.
#ifndef OE_BOUND_LOCALLY
#if defined(OE_BUILDING_VELLMARK)
#define OE_BOUND_LOCALLY __attribute__((visibility("protected")))
#else
#define OE_BOUND_LOCALLY OE_API
#endif
#endif

// Members that only the library itself calls: bound directly, not exported.
#if defined(OE_BUILDING_VELLMARK)
#define OE_LOCAL __attribute__((visibility("hidden")))
#else
#define OE_LOCAL
#endif

// The state of a lock of the memory administration (see oe_basemem.cpp): one
// for all tracked instances together, which share the item and site tables,
// and one in each untracked instance. Re-entrant like a critical section, one
// compare-exchange when uncontended, spinning up to the spin count before it
// sleeps; while the process has only ever run one thread it merely counts
// entries. One thread at a time may own the lock: it enters and leaves with
// plain stores until another thread revokes the ownership through an
// asymmetric barrier.
//
// Each thread that ever owned the instance marks its entries in a place of its
// own, which no other thread writes: a former owner that was held up between
// its look at the owner and its mark cannot overwrite the mark of the next.
struct bSMemoryAdminOwnerPlace
{
    std::atomic<uintptr_t> m_uThread{0}; // set once, under the ordinary lock
    std::atomic<uint32_t> m_uDepth{0};   // the thread's entries now open
};

struct bSMemoryAdminLock
{
    // Threads that may own the instance, one at a time; further ones keep to the ordinary lock.
    static constexpr int kOwnerPlaces = 7;
    // Written by the owners on every operation, read by a revoker. The last
    // place is never given out: the owner place of nobody.
    alignas(64) bSMemoryAdminOwnerPlace m_arrOwnerPlaces[kOwnerPlaces + 1];
    // Entries open on the road of a process that has only ever run one thread,
    // which takes no lock: a thread started from inside such an entry waits for them.
    std::atomic<uint32_t> m_uSoloDepth{0};
    // The ordinary lock, and the owner's place (changed under the ordinary lock only).
    alignas(64) std::atomic<bSMemoryAdminOwnerPlace *> m_pOwnerPlace{&m_arrOwnerPlaces[kOwnerPlaces]};
    std::atomic<uint32_t> m_uState{0}; // 0 free, 1 held, 2 held with sleepers
    std::atomic<uintptr_t> m_uOwner{0};            // the holding thread, 0 when free
    uint32_t m_uDepth = 0;                         // written by the holder only
    uint32_t m_uSpinCount = 4000; // the critical section's
    // Earning ownership: entries of one thread in a row, under the ordinary lock.
    uintptr_t m_uStreakThread = 0;
    uint32_t m_uStreak = 0;
    uint32_t m_uGrantAfter = 0; // grows with every revocation
};

enum bEMemoryAllocationType
{
    bEMemoryAllocationType_Malloc = 0,
    bEMemoryAllocationType_Calloc = 1,
    bEMemoryAllocationType_New = 2,
    bEMemoryAllocationType_NewArray = 3,
    bEMemoryAllocationType_Realloc = 4,
};

enum bECheckPtr
{
    bECheckPtr_Valid = 0,      // known, both guards intact
    bECheckPtr_Unknown = 1,    // not known to the administration
    bECheckPtr_Corrupted = 2,  // known, a guard is damaged
    bECheckPtr_NotTracked = 3, // untracked instance: no check possible
    bECheckPtr_Null = 4,
};

struct bSMemoryStatistics
{
    uint32_t m_uCurrentPtrBytes;
    uint32_t m_uCurrentHeapBytes;
    uint32_t m_uCurrentBlocks;
    uint32_t m_uPeakPtrBytes;
    uint32_t m_uPeakHeapBytes;
    uint32_t m_uPeakBlocks;
    uint32_t m_uTotalPtrBytes; // accumulated, never decreases
    uint32_t m_uTotalHeapBytes;
    uint32_t m_uTotalBlocks;
};

struct bSAllocationSummery // one per allocation site (source-file text and line)
{
    uint32_t m_uFootprint; // pointer bytes of the site's live blocks
    uint32_t m_uMaxFootprint;
    uint32_t m_uItemCount;       // live blocks
    uint32_t m_uFootprintGrowth; // since the last growth snapshot
    uint32_t m_uItemCountGrowth;
    char m_carrSourceFile[62]; // first 61 characters, "-" for none
    char m_carrName[38];       // first 37 characters of the first allocation's name
    int m_iLine;
    uint32_t m_uSmallBlockCount;    // heap size below 550
    uint32_t m_uFreeListBlockCount; // heap size from 550 up to 65,534
    uint32_t m_uHeapBlockCount;     // heap size 65,535 and up
    bSAllocationSummery * m_pNext;
};

struct bSAllocationItem // one per live tracked block
{
    uint32_t m_uHeapSize; // pointer size + 32
    uint32_t m_uPtrSize;
    void * m_pHeapAddress;
    void * m_pPtrAddress;           // heap address + 16
    uint8_t m_u8AllocationType : 3; // a bEMemoryAllocationType
    uint8_t m_u8BreakOnDealloc : 1;
    uint8_t m_u8BreakOnRealloc : 1;
    uint32_t m_uAllocationID;
    bSAllocationSummery * m_pSummery;
    bSAllocationItem * m_pNext; // in the bucket, or on the free list
    bSAllocationItem * m_pPrev;
};

// The report callback of the dump and validate operations; the item is null for
// text that belongs to no single block. Its result is ignored.
typedef bool (*bFMemoryReportCallback)(char const * a_pcText, bSAllocationItem const * a_pItem);

// The buffer every report of the memory administration is formatted into.
inline constexpr std::size_t OE_MSG_BUFFER_SIZE = 2048;
extern OE_API char g_carrMsgBuffer[OE_MSG_BUFFER_SIZE];

class OE_API bCMemoryAdmin
{
public:
    static bCMemoryAdmin & GetInstance(); // untracked, built on first call
    static bool IsMemoryAdminInitialized();

public:
    bCMemoryAdmin();
    explicit bCMemoryAdmin(bool a_bTracking);
    ~bCMemoryAdmin();
    bCMemoryAdmin(bCMemoryAdmin const &) = delete;
    bCMemoryAdmin & operator=(bCMemoryAdmin const &) = delete;

public:
    void Create();  // builds the process pool, once per process
    void Destroy(); // leak report, releases this instance's blocks; the owner also the pool
    OE_BOUND_LOCALLY bool IsPoolValid() const;
    bool IsTracking() const;
    void EnableAllocationReport(bool a_bEnable);
    void EnableMemoryLeakReport(bool a_bEnable);
    bSMemoryStatistics GetMemoryStatistics();
    unsigned long GetAllocationCount() const;

public:
    void * Malloc(unsigned long a_uSize, char const * a_pcName, char const * a_pcFile, int a_iLine);
    void * Realloc(void * a_pPtr, unsigned long a_uSize, char const * a_pcName, char const * a_pcFile, int a_iLine);
    // text1 is the source-file text and the name's prefix, text2 the bracketed
    // part of the name; text3 is not used here.
    void * NewObject(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3,
                     int a_iLine);
    void * NewObjectArray(unsigned long a_uSize, int a_iCount, char const * a_pcText1, char const * a_pcText2,
                          char const * a_pcText3, int a_iLine); // a_uSize: bytes of all elements
    void Free(void * a_pPtr);
    void DeleteObject(void * a_pPtr);
    void DeleteObjectArray(void * a_pPtr);
    int GetArrayBlockCount(void * a_pPtr) const; // -1 for a tracked block that is no array

public:
    OE_BOUND_LOCALLY bSAllocationItem * FindAllocationItem(void const * a_pPtrAddress) const;
    bECheckPtr CheckMemoryBlock(void * a_pPtr);
    OE_BOUND_LOCALLY bool ValidateAllocationItem(bFMemoryReportCallback a_funcCallback,
                                                 bSAllocationItem const & a_Item) const;
    bool ValidateAllAllocationItems(bFMemoryReportCallback a_funcCallback) const; // true when damage was found
    void DumpAllocationItem(bFMemoryReportCallback a_funcCallback, bSAllocationItem const & a_Item) const;
    void DumpHeapStatistics(bFMemoryReportCallback a_funcCallback) const;
    void DumpLeakReport(bFMemoryReportCallback a_funcCallback);
    bool CollectItemSummary(bFMemoryReportCallback a_funcCallback) const;
    bool CollectItemSummaryDiff(bFMemoryReportCallback a_funcCallback) const;

public:
    // Each copies up to a_iCount whole site records, largest key first, and
    // returns how many it copied.
    int GetSummeryFootprintTopTen(bSAllocationSummery * a_pOut, int a_iCount);
    int GetSummeryFootprintGrowTopTen(bSAllocationSummery * a_pOut, int a_iCount);
    int GetSummeryMaxFootprintTopTen(bSAllocationSummery * a_pOut, int a_iCount);
    int GetSummeryItemCountTopTen(bSAllocationSummery * a_pOut, int a_iCount);
    int GetSummeryItemCountGrowTopTen(bSAllocationSummery * a_pOut, int a_iCount);
    int GetSummeryObservedTopTen(bSAllocationSummery * a_pOut, int a_iCount, char const * a_pcFilter);
    // These three add every site's key to a_iTotal (not reset first).
    int GetSummerySmallAllocTopTen(bSAllocationSummery * a_pOut, int a_iCount, int & a_iTotal);
    int GetSummeryFreeListAllocTopTen(bSAllocationSummery * a_pOut, int a_iCount, int & a_iTotal);
    int GetSummeryHeapAllocTopTen(bSAllocationSummery * a_pOut, int a_iCount, int & a_iTotal);
    void MakeSummeryItemGrowSnapshot();

public:
    static unsigned long CalculateHeapSize(unsigned long a_uPtrSize) { return a_uPtrSize + 32; }
    static unsigned long CalculatePtrSize(unsigned long a_uHeapSize) { return a_uHeapSize - 32; }
    static void * CalculatePtrAddress(void * a_pHeapAddress)
    {
        return a_pHeapAddress ? static_cast<char *>(a_pHeapAddress) + 16 : nullptr;
    }

protected:
    OE_BOUND_LOCALLY void * AllocatePure(char const * const a_pcFile, int a_iLine, char const * const a_pcName,
                                         bEMemoryAllocationType a_eType, unsigned long a_uSize);
    OE_BOUND_LOCALLY void * ReallocPure(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                        bEMemoryAllocationType a_eType, unsigned long a_uSize, void * a_pPtr);
    OE_BOUND_LOCALLY void FreePure(void * a_pPtr);
    OE_BOUND_LOCALLY void WipeWithPattern(bSAllocationItem const & a_Item, unsigned long a_uPattern,
                                          unsigned long a_uFrom);
    OE_BOUND_LOCALLY void CreateNewMemoryPoolDescriptor();

private:
    OE_LOCAL void Invalidate();
    OE_LOCAL bSMemoryAdminLock & GetLock();
    OE_LOCAL void * AllocateLocked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                   bEMemoryAllocationType a_eType, unsigned long a_uSize);
    OE_LOCAL void * ReallocLocked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                  bEMemoryAllocationType a_eType, unsigned long a_uSize, void * a_pPtr);
    OE_LOCAL void FreeLocked(void * a_pPtr);
    void * UntrackedMallocFailed();
    OE_LOCAL void * AllocateTracked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                    bEMemoryAllocationType a_eType, unsigned long a_uSize);
    OE_LOCAL void * ReallocTracked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                   bEMemoryAllocationType a_eType, unsigned long a_uSize, void * a_pPtr);
    OE_LOCAL void FreeTracked(void * a_pPtr);
    OE_LOCAL void ReleaseItem(bSAllocationItem & a_Item);
    OE_LOCAL void ReleaseOwnItems();
    OE_LOCAL bool OwnsItem(bSAllocationItem const * a_pItem) const;
    template <class FUNC> void ForEachItemBlock(FUNC a_Func) const;
    OE_LOCAL bool ValidateItem(bFMemoryReportCallback a_funcCallback, bSAllocationItem const & a_Item) const;
    OE_LOCAL bool CollectSummary(bFMemoryReportCallback a_funcCallback, uint32_t a_uFromID, char const * a_pcEnd) const;
    template <class KEY> int TopTen(bSAllocationSummery * a_pOut, int a_iCount, KEY a_Key, int * a_pTotal);

private:
    uint32_t m_uAllocationCount;
    uint32_t m_uItemBlockCount;
    bSAllocationItem * m_pMemoryPoolDesc; // free list of items
    bSAllocationItem ** m_ppItemBlocks;
    bSAllocationItem * m_pUnrecordedItemBlocks; // item blocks the table could not take in
    bSMemoryStatistics m_Statistics;
    bool m_bWipe;
    bool m_bAllocationReport;
    bool m_bTracking;
    bool m_bLeakReport;
    bCMemPool * m_pPool;
    bool m_bOwnsPool;
    bool m_bDirect;                           // untracked with a pool: Malloc and Free may call the heap directly
    bCCriticalSectionWin32 m_CriticalSection; // its spin count is the one the lock below spins with
    bSMemoryAdminLock m_Lock; // untracked only: tracked instances share one

    static bool ms_bInitialized;
    static bool ms_bCreated;
    static bCMemoryAdmin * ms_pInstance; // published once built; read on every request
    static bCMemoryAdmin & CreateInstance();
};

// The untracked path of Malloc and Free is inline: the process-wide instance
// costs its callers one flag and one bound before the heap is called directly.
// Requests off that road (the big-block range, large mapped blocks, injected
// failures, a tracked or destroyed instance) take the full path.
inline void * bCMemoryAdmin::Malloc(unsigned long a_uSize, char const * a_pcName, char const * a_pcFile, int a_iLine)
{
    if (m_bDirect && a_uSize < g_OEHeapDirect.m_uDirectBelow.load(std::memory_order_relaxed)) [[likely]]
    {
        void * pBlock = OEHeapAllocateDirect(a_uSize);
        return pBlock ? pBlock : UntrackedMallocFailed();
    }
    return AllocatePure(a_pcFile, a_iLine, a_pcName, bEMemoryAllocationType_Malloc, a_uSize);
}

inline void bCMemoryAdmin::Free(void * a_pPtr)
{
    if (m_bDirect && g_OEHeapDirect.m_uSpecialBlocks.load(std::memory_order_relaxed) == 0) [[likely]]
        return g_OEHeapDirect.m_funcFree(a_pPtr);
    FreePure(a_pPtr);
}

// Every request of every module starts here: no call, once the instance exists.
inline bCMemoryAdmin & bCMemoryAdmin::GetInstance()
{
    bCMemoryAdmin * pInstance = ms_pInstance;
    return pInstance ? *pInstance : CreateInstance();
}

// The exported client new: allocates through the process-wide instance and
// turns a failure into a fatal error.
OE_C_API void * OE_New(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3,
                       int a_iLine);

// Client new with its allocation site, e.g. new ("bCFoo", "bCFoo", __FILE__, __LINE__) bCFoo.
// Blocks from it are returned with bCMemoryAdmin::GetInstance().DeleteObject after
// the destructor ran (usually from a class operator delete), never with the
// global delete.
inline void * operator new(std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3,
                           int a_iLine) noexcept
{
    return OE_New(static_cast<unsigned long>(a_uSize), a_pcText1, a_pcText2, a_pcText3, a_iLine);
}

inline void * operator new[](std::size_t a_uSize, char const * a_pcText1, char const * a_pcText2,
                             char const * a_pcText3, int a_iLine) noexcept
{
    return OE_New(static_cast<unsigned long>(a_uSize), a_pcText1, a_pcText2, a_pcText3, a_iLine);
}

// Called only when a constructor throws inside such a new-expression.
inline void operator delete(void * a_pPtr, char const *, char const *, char const *, int) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

inline void operator delete[](void * a_pPtr, char const *, char const *, char const *, int) noexcept
{
    bCMemoryAdmin::GetInstance().DeleteObject(a_pPtr);
}

#endif

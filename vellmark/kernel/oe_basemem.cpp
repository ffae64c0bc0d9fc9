#include <vellmark/kernel/oe_basemem.h>

#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/kernel/oe_enginedialogs.h>
#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_mempool.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_asymmetricbarrier.h>
#include <vellmark/platform/oe_singlethreaded.h>

#include <algorithm>
#include <chrono>
#include <emmintrin.h>
#include <cstdio>
#include <cstring>
#include <new>
#include <span>
#include <thread>

char g_carrMsgBuffer[OE_MSG_BUFFER_SIZE];

bool bCMemoryAdmin::ms_bInitialized = false;
bool bCMemoryAdmin::ms_bCreated = false;
bCMemoryAdmin * bCMemoryAdmin::ms_pInstance = nullptr;

namespace
{
    char const * const kModule = "kernel/oe_basemem";
    constexpr unsigned long kAssertOptions = DA_SHOWMSGBOX | DA_SHOWODS | DA_SHOWSTACKTRACE;
    constexpr unsigned long kSpinCount = 4000;
    constexpr uint32_t kLowerGuard = 0xBAADF00D;
    constexpr uint32_t kUpperGuard = 0xDEADC0DE;
    constexpr unsigned long kGuardBytes = 16;
    constexpr uint32_t kGuardWordsBytes = 2 * kGuardBytes; // both guards of a block
    constexpr unsigned long kArrayHeader = 16;                                // keeps array elements 16-byte aligned
    constexpr unsigned long kMaxTrackedSize = 0xFFFFFFFFul - 2 * kGuardBytes; // heap size is 32-bit
    constexpr int kItemsPerBlock = 256;
    // Behind the items, a link for blocks that the item-block table could not
    // take in, so that they are still found and released.
    constexpr std::size_t kItemBlockBytes = kItemsPerBlock * sizeof(bSAllocationItem) + sizeof(void *);

    bSAllocationItem *& UnrecordedLink(bSAllocationItem * a_pBlock)
    {
        return *reinterpret_cast<bSAllocationItem **>(a_pBlock + kItemsPerBlock);
    }
    constexpr std::size_t kItemBuckets = 4096;
    constexpr std::size_t kSiteBuckets = 1024;
    constexpr std::size_t kFileChars = 61;
    constexpr std::size_t kNameChars = 37;
    constexpr std::size_t kNamePartChars = 509;
    constexpr uint32_t kSmallBlockLimit = 550;
    constexpr uint32_t kFreeListBlockLimit = 65535;

    // Two guard words at a time, as immediates: no pattern table is loaded per block.
    constexpr uint64_t kLowerGuardPair = uint64_t{kLowerGuard} << 32 | kLowerGuard;
    constexpr uint64_t kUpperGuardPair = uint64_t{kUpperGuard} << 32 | kUpperGuard;

    char const * const s_arrKindNames[8] = {"malloc",  "calloc", "new",      "new[]",
                                            "realloc", "delete", "delete[]", "free"};

    // Shared by every instance of the process.
    bSAllocationItem * s_arrItemTable[kItemBuckets];
    bSAllocationSummery * s_arrSiteTable[kSiteBuckets];
    uint32_t s_uDiffSnapshot = 0;
    bCMemPool * s_pProcessPool = nullptr;
    alignas(bCMemPool) unsigned char s_arrPoolStorage[sizeof(bCMemPool)];
    char s_carrNewFailure[1024];

    char const * const kOutOfMemory = "bCMemoryAdmin::AllocatePure - Allocation failed. Out of memory.";
    char const * const kNoDescriptor =
        "bCMemoryAdmin::AllocatePure - Unable to allocate memory for internal memory pool descriptor";
    char const * const kReallocOutOfMemory = "bCMemoryAdmin::ReallocPure - Allocation failed. Out of memory.";
    char const * const kReallocFailed = "bCMemoryAdmin::ReallocPure - Reallocation failed. Out of memory.";
    char const * const kReallocUnknown = "bCMemoryAdmin::ReallocPure - Requested memory is not in internal memory pool";

    std::size_t ItemBucket(void const * a_pPtrAddress)
    {
        return (reinterpret_cast<std::uintptr_t>(a_pPtrAddress) >> 4) & 0xFFF;
    }

    std::size_t SiteBucket(int a_iLine)
    {
        return (a_iLine >> 2) & 0x3FF;
    }

    char const * TextOrNull(char const * a_pcText)
    {
        return a_pcText ? a_pcText : "(null)";
    }

    // Addresses print the same on every platform: upper-case hex, no prefix.
    unsigned long AddressValue(void const * a_pAddress)
    {
        return static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(a_pAddress));
    }

    void CopyCut(char * a_pcDest, char const * a_pcSource, std::size_t a_uMaxChars)
    {
        std::memcpy(a_pcDest, a_pcSource, strnlen(a_pcSource, a_uMaxChars));
    }

    // Out-of-memory and unknown-pointer conditions end the operation with a box.
    [[gnu::cold, gnu::noinline]] void ShowMemoryError(char const * a_pcFormat, char const * a_pcRaised)
    {
        char carrText[512];
        std::snprintf(carrText, sizeof(carrText), a_pcFormat, a_pcRaised);
        OEMessageBox(carrText, "Memory error", MB_OK | MB_ICONERROR);
    }

    // The holding thread, told apart by its thread pointer (one register
    // read), or else by the address of a thread-local byte.
#if defined(__x86_64__) && (defined(__clang__) || __GNUC__ >= 11)
    std::uintptr_t ThisThread()
    {
        return reinterpret_cast<std::uintptr_t>(__builtin_thread_pointer());
    }
#else
    thread_local char t_cThreadMark __attribute__((tls_model("initial-exec")));

    std::uintptr_t ThisThread()
    {
        return reinterpret_cast<std::uintptr_t>(&t_cThreadMark);
    }
#endif

    // A spin count is counted in tries of a few cycles each; a pause
    // instruction takes tens of cycles on current processors.
    constexpr uint32_t kTriesPerPause = 32;

    [[gnu::noinline]] void WaitForLock(bSMemoryAdminLock & a_Lock)
    {
        for (uint32_t uSpin = 0; uSpin < a_Lock.m_uSpinCount / kTriesPerPause; ++uSpin)
        {
#if defined(__x86_64__) || defined(__i386__)
            __builtin_ia32_pause();
#endif
            uint32_t uFree = 0;
            if (a_Lock.m_uState.load(std::memory_order_relaxed) == 0 &&
                a_Lock.m_uState.compare_exchange_weak(uFree, 1, std::memory_order_acquire))
                return;
        }
        // Sleep, marking the lock so that its holder wakes a sleeper on release.
        while (a_Lock.m_uState.exchange(2, std::memory_order_acquire) != 0)
            a_Lock.m_uState.wait(2, std::memory_order_relaxed);
    }

    // After a revocation a thread must enter this many times in a row, with no
    // other thread in between, before it owns the instance again.
    constexpr uint32_t kRegrantMin = 1024;
    constexpr uint32_t kRegrantMax = 1u << 20;

    // Waits for a thread that is inside without the ordinary lock to leave:
    // pauses first, then yields, then sleeps, since it may sit in a message
    // box for as long as its user takes.
    void WaitUntilZero(std::atomic<uint32_t> const & a_uDepth)
    {
        for (uint32_t uTry = 0; a_uDepth.load(std::memory_order_acquire) != 0; ++uTry)
        {
            if (uTry < 256)
            {
#if defined(__x86_64__) || defined(__i386__)
                __builtin_ia32_pause();
#endif
            }
            else if (uTry < 512)
                std::this_thread::yield(); // the owner may wait for a core
            else
                std::this_thread::sleep_for(std::chrono::microseconds(std::min(uTry - 511, 1000u)));
        }
    }

    bSMemoryAdminOwnerPlace * NoOwner(bSMemoryAdminLock & a_Lock)
    {
        return &a_Lock.m_arrOwnerPlaces[bSMemoryAdminLock::kOwnerPlaces];
    }

    bSMemoryAdminOwnerPlace * FindOwnerPlace(bSMemoryAdminLock & a_Lock, std::uintptr_t a_uThread)
    {
        for (bSMemoryAdminOwnerPlace & Place : std::span(a_Lock.m_arrOwnerPlaces, bSMemoryAdminLock::kOwnerPlaces))
            if (Place.m_uThread.load(std::memory_order_relaxed) == a_uThread)
                return &Place;
        return nullptr;
    }

    // The thread's owner place: found, or given out while one is left.
    // The caller holds the ordinary lock.
    bSMemoryAdminOwnerPlace * OwnerPlaceFor(bSMemoryAdminLock & a_Lock, std::uintptr_t a_uThread)
    {
        if (bSMemoryAdminOwnerPlace * pPlace = FindOwnerPlace(a_Lock, a_uThread))
            return pPlace;
        bSMemoryAdminOwnerPlace * pFree = FindOwnerPlace(a_Lock, 0);
        if (pFree)
            pFree->m_uThread.store(a_uThread, std::memory_order_relaxed);
        return pFree;
    }

    void AcquireOrdinaryLock(bSMemoryAdminLock & a_Lock, std::uintptr_t a_uThread)
    {
        uint32_t uFree = 0;
        if (!a_Lock.m_uState.compare_exchange_strong(uFree, 1, std::memory_order_acquire)) [[unlikely]]
            WaitForLock(a_Lock);
        a_Lock.m_uOwner.store(a_uThread, std::memory_order_relaxed);
        a_Lock.m_uDepth = 1;
    }

    void ReleaseOrdinaryLock(bSMemoryAdminLock & a_Lock)
    {
        if (--a_Lock.m_uDepth != 0)
            return;
        a_Lock.m_uOwner.store(0, std::memory_order_relaxed);
        if (a_Lock.m_uState.exchange(0, std::memory_order_release) == 2) [[unlikely]]
            a_Lock.m_uState.notify_one();
    }

    // Tracked instances share the item and site tables, so one lock serves them all.
    constinit bSMemoryAdminLock s_TrackedLock;

    // A thread that was given an owner place of the tracked lock gives it back
    // when it ends, so that threads started later can own the lock too.
    void GiveBackOwnerPlace()
    {
        std::uintptr_t const uThread = ThisThread();
        AcquireOrdinaryLock(s_TrackedLock, uThread);
        if (bSMemoryAdminOwnerPlace * pPlace = FindOwnerPlace(s_TrackedLock, uThread))
        {
            // Nobody else passes the owner's check, and this thread is not inside.
            if (s_TrackedLock.m_pOwnerPlace.load(std::memory_order_relaxed) == pPlace)
                s_TrackedLock.m_pOwnerPlace.store(NoOwner(s_TrackedLock), std::memory_order_relaxed);
            pPlace->m_uThread.store(0, std::memory_order_relaxed);
        }
        ReleaseOrdinaryLock(s_TrackedLock);
    }

    struct bSOwnerPlaceReturn
    {
        bool m_bHeld = false;
        ~bSOwnerPlaceReturn()
        {
            if (m_bHeld)
                GiveBackOwnerPlace();
        }
    };
    thread_local bSOwnerPlaceReturn t_OwnerPlaceReturn;

    // Takes the ownership away from its thread: once the barrier passed, the
    // owner sees it gone on its next entry, and the one it is in is waited for.
    // The caller holds the ordinary lock.
    [[gnu::noinline, gnu::cold]] void RevokeOwnership(bSMemoryAdminLock & a_Lock)
    {
        bSMemoryAdminOwnerPlace const * const pPlace = a_Lock.m_pOwnerPlace.load(std::memory_order_relaxed);
        a_Lock.m_pOwnerPlace.store(NoOwner(a_Lock), std::memory_order_relaxed);
        OEAsymmetricBarrierHeavy();
        WaitUntilZero(pPlace->m_uDepth);
        a_Lock.m_uGrantAfter = std::clamp(a_Lock.m_uGrantAfter * 2, kRegrantMin, kRegrantMax);
        a_Lock.m_uStreakThread = 0;
        a_Lock.m_uStreak = 0;
    }

    // A thread inside its owner place when the ownership was revoked enters
    // again there: the revoker waits for it.
    bSMemoryAdminOwnerPlace * RevokedPlaceInside(bSMemoryAdminLock & a_Lock, std::uintptr_t a_uThread)
    {
        bSMemoryAdminOwnerPlace * pPlace = FindOwnerPlace(a_Lock, a_uThread);
        return pPlace && pPlace->m_uDepth.load(std::memory_order_relaxed) != 0 ? pPlace : nullptr;
    }

    // The ordinary lock; on the way, ownership is revoked from another thread
    // or granted to this one after a long enough streak of its own entries.
    [[gnu::noinline]] bSMemoryAdminOwnerPlace * EnterLockSlow(bSMemoryAdminLock & a_Lock, std::uintptr_t a_uThread)
    {
        // A thread started from inside an entry of the one-thread road waits,
        // on the ordinary lock, until that entry is left; the entering thread
        // itself goes on there.
        if (a_Lock.m_uSoloDepth.load(std::memory_order_acquire) != 0 && OE_IsFirstThread())
        {
            a_Lock.m_uSoloDepth.store(a_Lock.m_uSoloDepth.load(std::memory_order_relaxed) + 1,
                                      std::memory_order_relaxed);
            return nullptr;
        }
        if (bSMemoryAdminOwnerPlace * pInside = RevokedPlaceInside(a_Lock, a_uThread))
        {
            pInside->m_uDepth.store(pInside->m_uDepth.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
            return pInside;
        }
        if (a_Lock.m_uOwner.load(std::memory_order_relaxed) == a_uThread)
        {
            ++a_Lock.m_uDepth;
            return NoOwner(a_Lock);
        }
        AcquireOrdinaryLock(a_Lock, a_uThread);
        WaitUntilZero(a_Lock.m_uSoloDepth);
        if (a_Lock.m_pOwnerPlace.load(std::memory_order_relaxed) != NoOwner(a_Lock))
            RevokeOwnership(a_Lock);
        if (a_Lock.m_uStreakThread != a_uThread)
        {
            a_Lock.m_uStreakThread = a_uThread;
            a_Lock.m_uStreak = 0;
        }
        // Granted for the entries to come; this one stays on the ordinary road.
        if (++a_Lock.m_uStreak > a_Lock.m_uGrantAfter && OEAsymmetricBarrierAvailable())
            if (bSMemoryAdminOwnerPlace * pPlace = OwnerPlaceFor(a_Lock, a_uThread))
            {
                a_Lock.m_pOwnerPlace.store(pPlace, std::memory_order_relaxed);
                if (&a_Lock == &s_TrackedLock)
                    t_OwnerPlaceReturn.m_bHeld = true;
            }
        return NoOwner(a_Lock);
    }

    // The owner counts itself inside, then looks whether it still owns the
    // instance; a revoker takes the owner place away, passes the heavy
    // barrier, then looks whether the owner is inside. One of the two sees the other.
    // Gives the place entered: none on the road of a process that has only
    // ever run one thread, the owner place of nobody on the ordinary lock.
    inline bSMemoryAdminOwnerPlace * EnterLock(bSMemoryAdminLock & a_Lock)
    {
        if (OE_IsSingleThreaded())
        {
            a_Lock.m_uSoloDepth.store(a_Lock.m_uSoloDepth.load(std::memory_order_relaxed) + 1,
                                      std::memory_order_relaxed);
            return nullptr;
        }
        std::uintptr_t const uThread = ThisThread();
        bSMemoryAdminOwnerPlace * const pPlace = a_Lock.m_pOwnerPlace.load(std::memory_order_relaxed);
        if (pPlace->m_uThread.load(std::memory_order_relaxed) == uThread) [[likely]]
        {
            uint32_t const uDepth = pPlace->m_uDepth.load(std::memory_order_relaxed);
            pPlace->m_uDepth.store(uDepth + 1, std::memory_order_relaxed);
            OEAsymmetricBarrierLight();
            if (a_Lock.m_pOwnerPlace.load(std::memory_order_relaxed) == pPlace) [[likely]]
                return pPlace;
            pPlace->m_uDepth.store(uDepth, std::memory_order_release);
        }
        return EnterLockSlow(a_Lock, uThread);
    }

    inline void LeaveLock(bSMemoryAdminLock & a_Lock, bSMemoryAdminOwnerPlace * a_pPlace)
    {
        if (a_pPlace != NoOwner(a_Lock))
            return a_pPlace->m_uDepth.store(a_pPlace->m_uDepth.load(std::memory_order_relaxed) - 1,
                                            std::memory_order_release);
        ReleaseOrdinaryLock(a_Lock);
    }

    class bCLock
    {
    public:
        explicit bCLock(bSMemoryAdminLock & a_Lock) : m_Lock(a_Lock), m_pPlace(EnterLock(a_Lock)) {}
        ~bCLock()
        {
            if (m_pPlace)
                LeaveLock(m_Lock, m_pPlace);
            else
                m_Lock.m_uSoloDepth.store(m_Lock.m_uSoloDepth.load(std::memory_order_relaxed) - 1,
                                          std::memory_order_release);
        }
        bCLock(bCLock const &) = delete;
        bCLock & operator=(bCLock const &) = delete;

    private:
        bSMemoryAdminLock & m_Lock;
        bSMemoryAdminOwnerPlace * m_pPlace;
    };

    // A growable array of the administration's own: it takes its storage from
    // the process-wide instance and grows by an eighth (4 to 1,024 elements).
    template <class T> class bTScratchArray
    {
    public:
        bTScratchArray() = default;
        ~bTScratchArray() { bCMemoryAdmin::GetInstance().Free(m_pData); }
        bTScratchArray(bTScratchArray const &) = delete;
        bTScratchArray & operator=(bTScratchArray const &) = delete;

        bool Add(T const & a_Value)
        {
            if (m_iCount == m_iCapacity && !Grow())
                return false;
            m_pData[m_iCount++] = a_Value;
            return true;
        }
        int GetCount() const { return m_iCount; }
        T & operator[](int a_iIndex) { return m_pData[a_iIndex]; }
        T * begin() { return m_pData; }
        T * end() { return m_pData + m_iCount; }

    private:
        bool Grow()
        {
            int const iNew = m_iCapacity + std::clamp(m_iCapacity / 8, 4, 1024);
            void * pNew = bCMemoryAdmin::GetInstance().Realloc(m_pData, static_cast<unsigned long>(iNew) * sizeof(T),
                                                               nullptr, nullptr, -1);
            if (!pNew)
                return false;
            m_pData = static_cast<T *>(pNew);
            m_iCapacity = iNew;
            return true;
        }

        T * m_pData = nullptr;
        int m_iCount = 0;
        int m_iCapacity = 0;
    };

    // Sorting by a key alone would mix the order of equal keys; the position
    // taken keeps it as collected.
    template <class T> struct bSRanked
    {
        T * m_pEntry;
        uint64_t m_uKey;
        int m_iPosition;
    };

    template <class T> void SortDescending(bTScratchArray<bSRanked<T>> & a_arrEntries)
    {
        std::sort(a_arrEntries.begin(), a_arrEntries.end(),
                  [](bSRanked<T> const & a_Left, bSRanked<T> const & a_Right) {
                      if (a_Left.m_uKey != a_Right.m_uKey)
                          return a_Left.m_uKey > a_Right.m_uKey;
                      return a_Left.m_iPosition < a_Right.m_iPosition;
                  });
    }

    constexpr std::uintptr_t kPageBytes = 4096;
    constexpr std::size_t kChunk = 16;

    // Sixteen bytes of the caller's text from a_pcFrom on. A load that would
    // run into the next page, which may be unmapped, copies up to the
    // terminator instead; the bytes behind it do not matter.
    // Out of line: inlined, part of its buffer set-up ran on every tracked allocation.
    [[gnu::noinline, gnu::cold]] __m128i LoadTextChunkBeforePageEnd(char const * a_pcFrom)
    {
        alignas(16) char carrBytes[kChunk] = {};
        for (std::size_t i = 0; i < kChunk && (carrBytes[i] = a_pcFrom[i]) != 0; ++i)
        {
        }
        return _mm_load_si128(reinterpret_cast<__m128i const *>(carrBytes));
    }

    __attribute__((no_sanitize("address", "thread"))) __m128i LoadTextChunk(char const * a_pcFrom)
    {
        if ((reinterpret_cast<std::uintptr_t>(a_pcFrom) & (kPageBytes - 1)) <= kPageBytes - kChunk) [[likely]]
            return _mm_loadu_si128(reinterpret_cast<__m128i const *>(a_pcFrom));
        return LoadTextChunkBeforePageEnd(a_pcFrom);
    }

    // The bytes after the first of a chunk's stops (a difference or the
    // caller's terminator) do not count: a match only if that stop is a
    // terminator that the stored text has too. The minimum of the text and the
    // equality mask is zero exactly at the stops.
    template <bool PAGE_END_NEAR>
    __attribute__((no_sanitize("address", "thread"))) bool SameFileChunks(char const * a_pcStored, char const * a_pcFile)
    {
        for (std::size_t i = 0; i < kFileChars; i += kChunk)
        {
            __m128i const Text = PAGE_END_NEAR ? LoadTextChunk(a_pcFile + i)
                                               : _mm_loadu_si128(reinterpret_cast<__m128i const *>(a_pcFile + i));
            __m128i const Stored = _mm_loadu_si128(reinterpret_cast<__m128i const *>(a_pcStored + i));
            __m128i const Equal = _mm_cmpeq_epi8(Text, Stored);
            uint32_t const uCounted = kFileChars - i >= kChunk ? 0xFFFFu : (1u << (kFileChars - i)) - 1;
            uint32_t const uStops = static_cast<uint32_t>(_mm_movemask_epi8(
                                        _mm_cmpeq_epi8(_mm_min_epu8(Text, Equal), _mm_setzero_si128()))) &
                                    uCounted;
            if (uStops)
                return (static_cast<uint32_t>(_mm_movemask_epi8(Equal)) & uStops & (0u - uStops)) != 0;
        }
        return true;
    }

    // strncmp(a_pcStored, a_pcFile, 61) == 0 for a site's stored text (zero-padded
    // to 62 bytes and followed by the name within the record), 16 bytes at a
    // time. The caller's text is never read past the end of its page: one test
    // for the whole window of 64 bytes, one per chunk only near a page's end.
    bool SameSiteFile(char const * a_pcStored, char const * a_pcFile)
    {
        constexpr std::uintptr_t kWindow = 4 * kChunk;
        if ((reinterpret_cast<std::uintptr_t>(a_pcFile) & (kPageBytes - 1)) <= kPageBytes - kWindow) [[likely]]
            return SameFileChunks<false>(a_pcStored, a_pcFile);
        return SameFileChunks<true>(a_pcStored, a_pcFile);
    }

    bSAllocationSummery * FindSite(char const * a_pcFile, int a_iLine)
    {
        for (bSAllocationSummery * p = s_arrSiteTable[SiteBucket(a_iLine)]; p; p = p->m_pNext)
            if (p->m_iLine == a_iLine && SameSiteFile(p->m_carrSourceFile, a_pcFile))
                return p;
        return nullptr;
    }

    bSAllocationSummery * FindOrCreateSite(bCMemPool & a_Pool, char const * a_pcFile, int a_iLine,
                                           char const * a_pcName)
    {
        char const * pcFile = a_pcFile ? a_pcFile : "-";
        if (bSAllocationSummery * pFound = FindSite(pcFile, a_iLine))
            return pFound;
        auto * pSummery = static_cast<bSAllocationSummery *>(a_Pool.Allocate(sizeof(bSAllocationSummery)));
        if (!pSummery)
            return nullptr;
        std::memset(static_cast<void *>(pSummery), 0, sizeof(bSAllocationSummery));
        CopyCut(pSummery->m_carrSourceFile, pcFile, kFileChars);
        CopyCut(pSummery->m_carrName, a_pcName ? a_pcName : "-", kNameChars);
        pSummery->m_iLine = a_iLine;
        std::size_t const uBucket = SiteBucket(a_iLine);
        pSummery->m_pNext = s_arrSiteTable[uBucket];
        s_arrSiteTable[uBucket] = pSummery;
        return pSummery;
    }

    uint32_t & SizeClassCount(bSAllocationSummery & a_Summery, uint32_t a_uHeapSize)
    {
        if (a_uHeapSize < kSmallBlockLimit)
            return a_Summery.m_uSmallBlockCount;
        if (a_uHeapSize < kFreeListBlockLimit)
            return a_Summery.m_uFreeListBlockCount;
        return a_Summery.m_uHeapBlockCount;
    }

    void LinkItem(bSAllocationItem & a_Item)
    {
        bSAllocationItem *& pHead = s_arrItemTable[ItemBucket(a_Item.m_pPtrAddress)];
        a_Item.m_pPrev = nullptr;
        a_Item.m_pNext = pHead;
        if (pHead)
            pHead->m_pPrev = &a_Item;
        pHead = &a_Item;
    }

    void UnlinkItem(bSAllocationItem & a_Item)
    {
        bSAllocationItem * const pPrev = a_Item.m_pPrev; // loaded once: the stores may alias the item
        bSAllocationItem * const pNext = a_Item.m_pNext;
        if (pPrev)
            pPrev->m_pNext = pNext;
        else
            s_arrItemTable[ItemBucket(a_Item.m_pPtrAddress)] = pNext;
        if (pNext)
            pNext->m_pPrev = pPrev;
        a_Item.m_pNext = nullptr;
        a_Item.m_pPrev = nullptr;
    }

    // Every heap size is its pointer size plus the guards, and a reallocation
    // changes both by the same amount: the current and total heap bytes follow
    // from the pointer bytes and the block counts, modulo 2^32 like the counters.
    uint32_t HeapBytes(uint32_t a_uPtrBytes, uint32_t a_uBlocks)
    {
        return a_uPtrBytes + a_uBlocks * kGuardWordsBytes;
    }

    uint32_t CurrentHeapBytes(bSMemoryStatistics const & a_Stats)
    {
        return HeapBytes(a_Stats.m_uCurrentPtrBytes, a_Stats.m_uCurrentBlocks);
    }

    bSMemoryStatistics CompleteStatistics(bSMemoryStatistics a_Stats)
    {
        a_Stats.m_uCurrentHeapBytes = CurrentHeapBytes(a_Stats);
        a_Stats.m_uTotalHeapBytes = HeapBytes(a_Stats.m_uTotalPtrBytes, a_Stats.m_uTotalBlocks);
        return a_Stats;
    }

    // A peak is rarely raised: a compare and no store on the usual road.
    void RaisePeak(uint32_t & a_uPeak, uint32_t a_uValue)
    {
        if (a_uValue > a_uPeak) [[unlikely]]
            a_uPeak = a_uValue;
    }

    uint32_t const * GuardWords(void const * a_pAddress)
    {
        return static_cast<uint32_t const *>(a_pAddress);
    }

    // Reads a guard word without assuming alignment of the damaged block.
    uint32_t GuardWord(void const * a_pBase, int a_iIndex)
    {
        uint32_t uWord;
        std::memcpy(&uWord, GuardWords(a_pBase) + a_iIndex, sizeof(uWord));
        return uWord;
    }

    uint64_t GuardPair(char const * a_pcFrom)
    {
        uint64_t uPair;
        std::memcpy(&uPair, a_pcFrom, sizeof(uPair));
        return uPair;
    }

    void WriteGuard(unsigned char * a_pcTo, uint64_t a_uPair)
    {
        std::memcpy(a_pcTo, &a_uPair, sizeof(a_uPair));
        std::memcpy(a_pcTo + sizeof(a_uPair), &a_uPair, sizeof(a_uPair));
    }

    bool GuardsIntact(bSAllocationItem const & a_Item)
    {
        char const * const pcLower = static_cast<char const *>(a_Item.m_pHeapAddress);
        char const * const pcUpper = pcLower + a_Item.m_uHeapSize - kGuardBytes;
        return ((GuardPair(pcLower) ^ kLowerGuardPair) | (GuardPair(pcLower + 8) ^ kLowerGuardPair) |
                (GuardPair(pcUpper) ^ kUpperGuardPair) | (GuardPair(pcUpper + 8) ^ kUpperGuardPair)) == 0;
    }

    char const * SiteName(bSAllocationSummery const * a_pSummery)
    {
        return a_pSummery ? a_pSummery->m_carrName : "-";
    }

    char const * SiteFile(bSAllocationSummery const * a_pSummery)
    {
        return a_pSummery ? a_pSummery->m_carrSourceFile : "-";
    }

    int SiteLine(bSAllocationSummery const * a_pSummery)
    {
        return a_pSummery ? a_pSummery->m_iLine : -1;
    }

    // Out of line: a call with nine arguments, some on the stack, cost the
    // allocation a frame pointer even when no report was asked for.
    [[gnu::cold, gnu::noinline]] void ReportAllocation(uint32_t a_uID, bEMemoryAllocationType a_eType,
                                                       unsigned long a_uSize, char const * a_pcFile, int a_iLine,
                                                       char const * a_pcName)
    {
        OE_MESSAGEF_INFO(5,
                         "bCMemoryAdmin::AllocatePure:  %05d %8s of size 0x%08X(%08d) \n by Sourcefile:%s, #Line:%d, "
                         "Name:%s",
                         static_cast<int>(a_uID), s_arrKindNames[a_eType], static_cast<unsigned>(a_uSize),
                         static_cast<int>(a_uSize), TextOrNull(a_pcFile), a_iLine, TextOrNull(a_pcName));
    }
} // namespace

// The layers beneath AllocatePure and FreePure are one call with them.
#define OE_INNER_LAYER [[gnu::always_inline]] inline

// ---- instance and life cycle ----

bSMemoryAdminLock & bCMemoryAdmin::GetLock()
{
    return m_bTracking ? s_TrackedLock : m_Lock;
}

bCMemoryAdmin & bCMemoryAdmin::CreateInstance()
{
    static bCMemoryAdmin s_Instance;
    ms_pInstance = &s_Instance;
    return s_Instance;
}

bool bCMemoryAdmin::IsMemoryAdminInitialized()
{
    return ms_bInitialized;
}

bCMemoryAdmin::bCMemoryAdmin()
{
    Invalidate();
    Create();
    m_bTracking = false;
    m_bDirect = m_pPool != nullptr;
}

bCMemoryAdmin::bCMemoryAdmin(bool a_bTracking)
{
    // The process-wide instance owns the pool; it must exist before any other.
    GetInstance();
    Invalidate();
    Create();
    m_bTracking = a_bTracking;
    m_bDirect = !m_bTracking && m_pPool != nullptr;
}

bCMemoryAdmin::~bCMemoryAdmin()
{
    Destroy();
}

void bCMemoryAdmin::Invalidate()
{
    m_uAllocationCount = 0;
    m_uItemBlockCount = 0;
    m_pMemoryPoolDesc = nullptr;
    m_ppItemBlocks = nullptr;
    m_pUnrecordedItemBlocks = nullptr;
    std::memset(&m_Statistics, 0, sizeof(m_Statistics));
    m_bWipe = false;
    m_bAllocationReport = false;
    m_bLeakReport = true;
    m_pPool = nullptr;
    m_bOwnsPool = false;
    m_bDirect = false;
}

void bCMemoryAdmin::Create()
{
    m_CriticalSection.SetSpinCount(kSpinCount);
    if (!ms_bCreated)
    {
        s_pProcessPool = new (s_arrPoolStorage) bCMemPool;
        m_bOwnsPool = true;
        ms_bCreated = true;
        ms_bInitialized = true;
    }
    if (ms_bInitialized)
        m_pPool = s_pProcessPool;
}

void bCMemoryAdmin::Destroy()
{
    if (!ms_bInitialized || !m_pPool)
        return;
    bCLock Lock(GetLock());
    if (m_bOwnsPool)
        g_strDefault.Clear();
    if (m_bLeakReport)
        DumpLeakReport(nullptr);
    ReleaseOwnItems();
    bool const bOwnsPool = m_bOwnsPool;
    Invalidate();
    m_bTracking = false; // every field back to its first value: a destroyed instance tracks nothing
    if (bOwnsPool)
    {
        s_pProcessPool->~bCMemPool();
        s_pProcessPool = nullptr;
        ms_bInitialized = false;
    }
}

template <class FUNC> void bCMemoryAdmin::ForEachItemBlock(FUNC a_Func) const
{
    for (uint32_t uBlock = 0; uBlock < m_uItemBlockCount; ++uBlock)
        if (a_Func(m_ppItemBlocks[uBlock]))
            return;
    for (bSAllocationItem * pBlock = m_pUnrecordedItemBlocks; pBlock;)
    {
        bSAllocationItem * pNext = UnrecordedLink(pBlock); // the block may be gone after the call
        if (a_Func(pBlock))
            return;
        pBlock = pNext;
    }
}

// Unlinks and frees this instance's live blocks, then its item blocks.
void bCMemoryAdmin::ReleaseOwnItems()
{
    ForEachItemBlock([this](bSAllocationItem * a_pBlock) {
        for (int i = 0; i < kItemsPerBlock; ++i)
            if (a_pBlock[i].m_pHeapAddress)
            {
                UnlinkItem(a_pBlock[i]);
                ReleaseItem(a_pBlock[i]);
            }
        return false;
    });
    ForEachItemBlock([this](bSAllocationItem * a_pBlock) {
        m_pPool->Free(a_pBlock);
        return false;
    });
    m_pPool->Free(m_ppItemBlocks);
    m_ppItemBlocks = nullptr;
    m_pUnrecordedItemBlocks = nullptr;
    m_uItemBlockCount = 0;
    m_pMemoryPoolDesc = nullptr;
}

// The item is unlinked already.
OE_INNER_LAYER void bCMemoryAdmin::ReleaseItem(bSAllocationItem & a_Item)
{
    m_pPool->Free(a_Item.m_pHeapAddress);
    uint32_t const uPtrSize = a_Item.m_uPtrSize; // loaded once: the stores below may alias it
    if (bSAllocationSummery * pSummery = a_Item.m_pSummery)
    {
        SizeClassCount(*pSummery, a_Item.m_uHeapSize) -= 1;
        pSummery->m_uItemCount -= 1;
        pSummery->m_uFootprint -= uPtrSize;
        pSummery->m_uItemCountGrowth -= 1;
        pSummery->m_uFootprintGrowth -= uPtrSize;
    }
    m_Statistics.m_uCurrentPtrBytes -= uPtrSize;
    m_Statistics.m_uCurrentBlocks -= 1;
    // A free item is one without a heap address; the rest is written when it is taken.
    a_Item.m_pHeapAddress = nullptr;
    a_Item.m_pNext = m_pMemoryPoolDesc;
    m_pMemoryPoolDesc = &a_Item;
}

bool bCMemoryAdmin::OwnsItem(bSAllocationItem const * a_pItem) const
{
    bool bOwned = false;
    ForEachItemBlock([a_pItem, &bOwned](bSAllocationItem * a_pBlock) {
        bOwned = a_pItem >= a_pBlock && a_pItem < a_pBlock + kItemsPerBlock;
        return bOwned;
    });
    return bOwned;
}

bool bCMemoryAdmin::IsPoolValid() const
{
    return m_pPool != nullptr;
}

bool bCMemoryAdmin::IsTracking() const
{
    return m_bTracking;
}

void bCMemoryAdmin::EnableAllocationReport(bool a_bEnable)
{
    m_bAllocationReport = a_bEnable;
}

void bCMemoryAdmin::EnableMemoryLeakReport(bool a_bEnable)
{
    m_bLeakReport = a_bEnable;
}

bSMemoryStatistics bCMemoryAdmin::GetMemoryStatistics()
{
    return CompleteStatistics(m_Statistics);
}

unsigned long bCMemoryAdmin::GetAllocationCount() const
{
    return m_uAllocationCount;
}

// ---- allocation ----

void * bCMemoryAdmin::UntrackedMallocFailed()
{
    ShowMemoryError("bCMemoryAdmin::AllocatePure error: %s", kOutOfMemory);
    return nullptr;
}

void * bCMemoryAdmin::Realloc(void * a_pPtr, unsigned long a_uSize, char const * a_pcName, char const * a_pcFile,
                              int a_iLine)
{
    return ReallocPure(a_pcFile, a_iLine, a_pcName, bEMemoryAllocationType_Realloc, a_uSize, a_pPtr);
}

namespace
{
    // text1 + "(" + text2 + ")", or text2 alone without text1.
    char const * BuildObjectName(char const * a_pcText1, char const * a_pcText2)
    {
        char * pcOut = g_carrMsgBuffer;
        if (a_pcText1)
        {
            std::size_t const uLength = strnlen(a_pcText1, kNamePartChars);
            std::memcpy(pcOut, a_pcText1, uLength);
            pcOut += uLength;
            *pcOut++ = '(';
        }
        if (a_pcText2)
        {
            std::size_t const uLength = strnlen(a_pcText2, kNamePartChars);
            std::memcpy(pcOut, a_pcText2, uLength);
            pcOut += uLength;
        }
        if (a_pcText1)
            *pcOut++ = ')';
        *pcOut = 0;
        return g_carrMsgBuffer;
    }
} // namespace

// The name is built in g_carrMsgBuffer under the instance's lock, so that two
// threads allocating objects at once do not write it together.
void * bCMemoryAdmin::NewObject(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const *,
                                int a_iLine)
{
    bCLock Lock(GetLock());
    char const * pcName = BuildObjectName(a_pcText1, a_pcText2);
    return AllocatePure(a_pcText1, a_iLine, pcName, bEMemoryAllocationType_New, a_uSize);
}

void * bCMemoryAdmin::NewObjectArray(unsigned long a_uSize, int a_iCount, char const * a_pcText1,
                                     char const * a_pcText2, char const *, int a_iLine)
{
    unsigned long const uSize = a_uSize > ~0ul - kArrayHeader ? ~0ul : a_uSize + kArrayHeader;
    char * newBlock = nullptr;
    {
        bCLock Lock(GetLock());
        char const * pcName = BuildObjectName(a_pcText1, a_pcText2);
        newBlock =
            static_cast<char *>(AllocatePure(a_pcText1, a_iLine, pcName, bEMemoryAllocationType_NewArray, uSize));
    }
    OE_ASSERT_EX(kAssertOptions, 0 != newBlock, kModule);
    if (!newBlock)
        return nullptr;
    std::memcpy(newBlock + kArrayHeader - 4, &a_iCount, 4);
    return newBlock + kArrayHeader;
}

void bCMemoryAdmin::DeleteObject(void * a_pPtr)
{
    if (a_pPtr)
        FreePure(a_pPtr);
}

void bCMemoryAdmin::DeleteObjectArray(void * a_pPtr)
{
    if (a_pPtr)
        FreePure(static_cast<char *>(a_pPtr) - kArrayHeader);
}

int bCMemoryAdmin::GetArrayBlockCount(void * a_pPtr) const
{
    char const * pcPtr = static_cast<char const *>(a_pPtr);
    if (m_bTracking)
    {
        if (bSAllocationItem const * pItem = FindAllocationItem(pcPtr - kArrayHeader))
            if (pItem->m_u8AllocationType != bEMemoryAllocationType_NewArray)
                return -1;
        if (FindAllocationItem(pcPtr))
            return -1; // a tracked block whose item sits at the pointer itself: no array
    }
    int iCount;
    std::memcpy(&iCount, pcPtr - 4, 4);
    return iCount;
}

void * OE_New(unsigned long a_uSize, char const * a_pcText1, char const * a_pcText2, char const * a_pcText3,
              int a_iLine)
{
    void * pBlock = bCMemoryAdmin::GetInstance().NewObject(a_uSize, a_pcText1, a_pcText2, a_pcText3, a_iLine);
    if (pBlock)
        return pBlock;
    std::snprintf(s_carrNewFailure, sizeof(s_carrNewFailure),
                  "Constructor: %s (%s) -> couldn´t allocate the specified object using new operator. File: %s - "
                  "#Line: %d",
                  TextOrNull(a_pcText2), TextOrNull(a_pcText1), TextOrNull(a_pcText3), a_iLine);
    bCErrorAdmin::GetInstance().CallFatalError(s_carrNewFailure, "Critical memory error", kModule, __LINE__);
    return pBlock;
}

// ---- the core ----

void * bCMemoryAdmin::AllocatePure(char const * const a_pcFile, int a_iLine, char const * const a_pcName,
                                   bEMemoryAllocationType a_eType, unsigned long a_uSize)
{
    if (m_bTracking)
        return AllocateLocked(a_pcFile, a_iLine, a_pcName, a_eType, a_uSize);
    OE_ASSERT_EX(DA_USEDEFAULTS, true == this->IsPoolValid(), kModule);
    void * pBlock = m_pPool ? m_pPool->Allocate(a_uSize) : nullptr;
    if (!pBlock) [[unlikely]]
        ShowMemoryError("bCMemoryAdmin::AllocatePure error: %s", kOutOfMemory);
    return pBlock;
}

OE_INNER_LAYER void * bCMemoryAdmin::AllocateLocked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                     bEMemoryAllocationType a_eType, unsigned long a_uSize)
{
    bCLock Lock(GetLock());
    OE_ASSERT_EX(DA_USEDEFAULTS, true == this->IsPoolValid(), kModule);
    try
    {
        if (!m_pPool)
            throw kOutOfMemory;
        return AllocateTracked(a_pcFile, a_iLine, a_pcName, a_eType, a_uSize);
    }
    catch (char const * pcRaised)
    {
        ShowMemoryError("bCMemoryAdmin::AllocatePure error: %s", pcRaised);
    }
    return nullptr;
}

OE_INNER_LAYER void * bCMemoryAdmin::AllocateTracked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                      bEMemoryAllocationType a_eType, unsigned long a_uSize)
{
    uint32_t const uID = ++m_uAllocationCount;
    if (m_bAllocationReport)
        ReportAllocation(uID, a_eType, a_uSize, a_pcFile, a_iLine, a_pcName);
    bSAllocationSummery * pSummery = FindOrCreateSite(*m_pPool, a_pcFile, a_iLine, a_pcName);
    OE_ASSERT_EX(kAssertOptions, 0 != pSummery, kModule);
    if (!pSummery)
        return nullptr;
    if (!m_pMemoryPoolDesc)
        CreateNewMemoryPoolDescriptor();
    if (!m_pMemoryPoolDesc)
        throw kNoDescriptor;
    OE_ASSERT_EX(kAssertOptions, (0 != this->m_pMemoryPoolDesc), kModule);
    void * pHeap = a_uSize <= kMaxTrackedSize ? m_pPool->Allocate(CalculateHeapSize(a_uSize)) : nullptr;
    if (!pHeap)
        throw kOutOfMemory;

    // The counts are worked out in locals: stored through the records, which
    // the compiler cannot tell apart, each would be loaded again.
    uint32_t const uPtrSize = static_cast<uint32_t>(a_uSize);
    uint32_t const uHeapSize = uPtrSize + kGuardWordsBytes;
    bSAllocationItem & Item = *m_pMemoryPoolDesc;
    m_pMemoryPoolDesc = Item.m_pNext;
    // Every field is written here or by LinkItem: no clear before.
    Item.m_uHeapSize = uHeapSize;
    Item.m_pHeapAddress = pHeap;
    Item.m_uPtrSize = uPtrSize;
    Item.m_pPtrAddress = CalculatePtrAddress(pHeap);
    Item.m_u8AllocationType = a_eType;
    Item.m_u8BreakOnDealloc = 0;
    Item.m_u8BreakOnRealloc = 0;
    Item.m_uAllocationID = uID;
    Item.m_pSummery = pSummery;
    LinkItem(Item);

    uint32_t const uFootprint = pSummery->m_uFootprint + uPtrSize;
    pSummery->m_uItemCount += 1;
    pSummery->m_uFootprint = uFootprint;
    pSummery->m_uItemCountGrowth += 1;
    pSummery->m_uFootprintGrowth += uPtrSize;
    RaisePeak(pSummery->m_uMaxFootprint, uFootprint);
    SizeClassCount(*pSummery, uHeapSize) += 1;

    bSMemoryStatistics & Stats = m_Statistics;
    uint32_t const uCurrentPtrBytes = Stats.m_uCurrentPtrBytes + uPtrSize;
    uint32_t const uCurrentBlocks = Stats.m_uCurrentBlocks + 1;
    Stats.m_uCurrentPtrBytes = uCurrentPtrBytes;
    Stats.m_uCurrentBlocks = uCurrentBlocks;
    RaisePeak(Stats.m_uPeakPtrBytes, uCurrentPtrBytes);
    RaisePeak(Stats.m_uPeakHeapBytes, HeapBytes(uCurrentPtrBytes, uCurrentBlocks));
    RaisePeak(Stats.m_uPeakBlocks, uCurrentBlocks);
    Stats.m_uTotalPtrBytes += uPtrSize;
    Stats.m_uTotalBlocks += 1;

    WipeWithPattern(Item, 0xFEEDFACE, 0);
    if (a_eType == bEMemoryAllocationType_Calloc)
        std::memset(Item.m_pPtrAddress, 0, Item.m_uPtrSize);
    return Item.m_pPtrAddress;
}

void bCMemoryAdmin::CreateNewMemoryPoolDescriptor()
{
    bSAllocationItem * pOldHead = m_pMemoryPoolDesc;
    m_pMemoryPoolDesc = static_cast<bSAllocationItem *>(m_pPool->Allocate(kItemBlockBytes));
    OE_ASSERT_EX(kAssertOptions, 0 != this->m_pMemoryPoolDesc, kModule);
    if (!m_pMemoryPoolDesc)
    {
        m_pMemoryPoolDesc = pOldHead;
        return;
    }
    bSAllocationItem * pBlock = m_pMemoryPoolDesc;
    std::memset(static_cast<void *>(pBlock), 0, kItemBlockBytes);
    for (int i = 0; i + 1 < kItemsPerBlock; ++i)
        pBlock[i].m_pNext = &pBlock[i + 1];
    pBlock[kItemsPerBlock - 1].m_pNext = pOldHead;

    auto ** ppTemp = static_cast<bSAllocationItem **>(
        m_pPool->Reallocate(m_ppItemBlocks, (m_uItemBlockCount + 1) * sizeof(bSAllocationItem *)));
    OE_ASSERT_EX(kAssertOptions, ppTemp, kModule);
    if (!ppTemp)
    {
        UnrecordedLink(pBlock) = m_pUnrecordedItemBlocks; // the items are used all the same
        m_pUnrecordedItemBlocks = pBlock;
        return;
    }
    m_ppItemBlocks = ppTemp;
    m_ppItemBlocks[m_uItemBlockCount++] = pBlock;
}

void bCMemoryAdmin::WipeWithPattern(bSAllocationItem const & a_Item, unsigned long a_uPattern, unsigned long a_uFrom)
{
    unsigned char * pcBytes = static_cast<unsigned char *>(a_Item.m_pPtrAddress);
    if (m_bWipe && a_Item.m_uPtrSize > a_uFrom)
    {
        uint32_t const uPattern = static_cast<uint32_t>(a_uPattern);
        unsigned long uOffset = a_uFrom;
        for (; uOffset + 4 <= a_Item.m_uPtrSize; uOffset += 4)
            std::memcpy(pcBytes + uOffset, &uPattern, 4);
        for (int iByte = 0; uOffset < a_Item.m_uPtrSize; ++uOffset, ++iByte)
            pcBytes[uOffset] = static_cast<unsigned char>(uPattern >> (8 * iByte));
    }
    unsigned char * pcHeap = static_cast<unsigned char *>(a_Item.m_pHeapAddress);
    WriteGuard(pcHeap, kLowerGuardPair);
    WriteGuard(pcHeap + a_Item.m_uHeapSize - kGuardBytes, kUpperGuardPair);
}

void * bCMemoryAdmin::ReallocPure(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                  bEMemoryAllocationType a_eType, unsigned long a_uSize, void * a_pPtr)
{
    if (m_bTracking)
        return ReallocLocked(a_pcFile, a_iLine, a_pcName, a_eType, a_uSize, a_pPtr);
    OE_ASSERT_EX(DA_USEDEFAULTS, true == this->IsPoolValid(), kModule);
    void * pBlock = m_pPool ? m_pPool->Reallocate(a_pPtr, a_uSize) : nullptr;
    if (!pBlock) [[unlikely]]
        ShowMemoryError("bCMemoryAdmin::ReallocatePure error: %s", kReallocOutOfMemory);
    return pBlock;
}

void * bCMemoryAdmin::ReallocLocked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                    bEMemoryAllocationType a_eType, unsigned long a_uSize, void * a_pPtr)
{
    bCLock Lock(GetLock());
    OE_ASSERT_EX(DA_USEDEFAULTS, true == this->IsPoolValid(), kModule);
    if (!a_pPtr)
        return AllocatePure(a_pcFile, a_iLine, a_pcName, a_eType, a_uSize);
    try
    {
        if (!m_pPool)
            throw kReallocOutOfMemory;
        return ReallocTracked(a_pcFile, a_iLine, a_pcName, a_eType, a_uSize, a_pPtr);
    }
    catch (char const * pcRaised)
    {
        ShowMemoryError("bCMemoryAdmin::ReallocatePure error: %s", pcRaised);
    }
    return nullptr;
}

void * bCMemoryAdmin::ReallocTracked(char const * a_pcFile, int a_iLine, char const * a_pcName,
                                     bEMemoryAllocationType a_eType, unsigned long a_uSize, void * a_pPtr)
{
    uint32_t const uID = ++m_uAllocationCount;
    if (m_bAllocationReport)
        OE_MESSAGEF_INFO(5,
                         "bCMemoryAdmin::ReallocatePure:  %05d %8s of size 0x%08X(%08d) \n by Sourcefile:%s, "
                         "#Line:%d, Name:%s",
                         static_cast<int>(uID), s_arrKindNames[a_eType], static_cast<unsigned>(a_uSize),
                         static_cast<int>(a_uSize), TextOrNull(a_pcFile), a_iLine, TextOrNull(a_pcName));
    bSAllocationItem * pAllocItem = FindAllocationItem(a_pPtr);
    OE_ASSERT_EX(kAssertOptions, 0 != pAllocItem, kModule);
    if (!pAllocItem)
        throw kReallocUnknown;
    // The condition text is reported as written.
    // clang-format off
    OE_ASSERT_EX(kAssertOptions, true == this->ValidateAllocationItem( 0, *pAllocItem ), kModule);
    // clang-format on
    OE_ASSERT_EX(kAssertOptions,
                 bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_Malloc ||
                     bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_Calloc ||
                     bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_Realloc,
                 kModule);
    OE_ASSERT_EX(kAssertOptions, false == pAllocItem->m_u8BreakOnRealloc, kModule);

    bSAllocationItem & Item = *pAllocItem;
    uint32_t const uOldPtrSize = Item.m_uPtrSize;
    uint32_t const uOldHeapSize = Item.m_uHeapSize;
    void * pHeap =
        a_uSize <= kMaxTrackedSize ? m_pPool->Reallocate(Item.m_pHeapAddress, CalculateHeapSize(a_uSize)) : nullptr;
    if (!pHeap)
        throw kReallocFailed;

    bSMemoryStatistics & Stats = m_Statistics;
    Stats.m_uCurrentPtrBytes -= uOldPtrSize;
    bool const bMoved = CalculatePtrAddress(pHeap) != Item.m_pPtrAddress;
    if (bMoved)
        UnlinkItem(Item);
    Item.m_uHeapSize = static_cast<uint32_t>(CalculateHeapSize(a_uSize));
    Item.m_pHeapAddress = pHeap;
    Item.m_uPtrSize = static_cast<uint32_t>(a_uSize);
    Item.m_pPtrAddress = CalculatePtrAddress(pHeap);
    Item.m_u8AllocationType = a_eType;
    Item.m_uAllocationID = uID;
    if (bMoved)
        LinkItem(Item);

    Stats.m_uCurrentPtrBytes += Item.m_uPtrSize;
    RaisePeak(Stats.m_uPeakPtrBytes, Stats.m_uCurrentPtrBytes);
    RaisePeak(Stats.m_uPeakHeapBytes, CurrentHeapBytes(Stats));
    if (Item.m_uPtrSize > uOldPtrSize)
        Stats.m_uTotalPtrBytes += Item.m_uPtrSize - uOldPtrSize; // the heap total grows alike

    WipeWithPattern(Item, 0xFEEDFACE, uOldPtrSize);
    // The condition text is reported as written.
    // clang-format off
    OE_ASSERT_EX(kAssertOptions, true == this->ValidateAllocationItem( 0, *pAllocItem ), kModule);
    // clang-format on
    bSAllocationSummery * pSummery = Item.m_pSummery;
    OE_ASSERT_EX(kAssertOptions, 0 != pSummery, kModule);
    if (pSummery)
    {
        pSummery->m_uFootprint += Item.m_uPtrSize - uOldPtrSize;
        pSummery->m_uFootprintGrowth += Item.m_uPtrSize - uOldPtrSize;
        RaisePeak(pSummery->m_uMaxFootprint, pSummery->m_uFootprint);
        SizeClassCount(*pSummery, uOldHeapSize) -= 1;
        SizeClassCount(*pSummery, Item.m_uHeapSize) += 1;
    }
    return Item.m_pPtrAddress;
}

void bCMemoryAdmin::FreePure(void * a_pPtr)
{
    if (m_bTracking)
        return FreeLocked(a_pPtr);
    if (!a_pPtr)
        return;
    OE_ASSERT_EX(DA_USEDEFAULTS, true == this->IsPoolValid(), kModule);
    if (m_pPool) [[likely]]
        m_pPool->Free(a_pPtr);
}

OE_INNER_LAYER void bCMemoryAdmin::FreeLocked(void * a_pPtr)
{
    bCLock Lock(GetLock());
    if (!a_pPtr)
        return;
    OE_ASSERT_EX(DA_USEDEFAULTS, true == this->IsPoolValid(), kModule);
    if (m_pPool)
        FreeTracked(a_pPtr);
}

OE_INNER_LAYER void bCMemoryAdmin::FreeTracked(void * a_pPtr)
{
    bSAllocationItem * pAllocItem = FindAllocationItem(a_pPtr);
    if (!pAllocItem)
        return; // unknown, or freed before: nothing to give back
    // The condition text is reported as written.
    // clang-format off
    OE_ASSERT_EX(kAssertOptions, true == this->ValidateAllocationItem( 0, *pAllocItem ), kModule);
    // clang-format on
    OE_ASSERT_EX(kAssertOptions,
                 bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_Malloc ||
                     bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_Calloc ||
                     bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_Realloc ||
                     bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_New ||
                     bEMemoryAllocationType(pAllocItem->m_u8AllocationType) == bEMemoryAllocationType_NewArray,
                 kModule);
    OE_ASSERT_EX(kAssertOptions, false == pAllocItem->m_u8BreakOnDealloc, kModule);
    UnlinkItem(*pAllocItem);
    WipeWithPattern(*pAllocItem, 0xDEADBEEF, 0);
    bSAllocationSummery * pSummery = pAllocItem->m_pSummery;
    OE_ASSERT_EX(kAssertOptions, 0 != pSummery, kModule);
    ReleaseItem(*pAllocItem);
}

// ---- inspection ----

bSAllocationItem * bCMemoryAdmin::FindAllocationItem(void const * a_pPtrAddress) const
{
    if (!m_bTracking)
        return nullptr;
    OE_ASSERT_EX(kAssertOptions, 0 != a_pPtrAddress, kModule);
    for (bSAllocationItem * p = s_arrItemTable[ItemBucket(a_pPtrAddress)]; p; p = p->m_pNext)
        if (p->m_pPtrAddress == a_pPtrAddress)
            return p;
    return nullptr;
}

bECheckPtr bCMemoryAdmin::CheckMemoryBlock(void * a_pPtr)
{
    if (!m_bTracking)
        return bECheckPtr_NotTracked;
    if (!a_pPtr)
        return bECheckPtr_Null;
    bSAllocationItem const * pItem = FindAllocationItem(a_pPtr);
    if (!pItem)
        return bECheckPtr_Unknown;
    return ValidateAllocationItem(nullptr, *pItem) ? bECheckPtr_Valid : bECheckPtr_Corrupted;
}

bool bCMemoryAdmin::ValidateAllocationItem(bFMemoryReportCallback a_funcCallback, bSAllocationItem const & a_Item) const
{
    if (!m_bTracking)
        return false;
    if (GuardsIntact(a_Item)) [[likely]]
        return true; // without a call: every free and reallocation asks this
    return ValidateItem(a_funcCallback, a_Item);
}

// Each damaged guard word is reported on its own, followed by the block's dump.
bool bCMemoryAdmin::ValidateItem(bFMemoryReportCallback a_funcCallback, bSAllocationItem const & a_Item) const
{
    char const * const pcUpper = static_cast<char const *>(a_Item.m_pHeapAddress) + a_Item.m_uHeapSize - kGuardBytes;
    if (GuardsIntact(a_Item)) [[likely]]
        return true;
    bool bIntact = true;
    for (int i = 0; i < 4; ++i)
        for (int iBound = 0; iBound < 2; ++iBound)
        {
            bool const bLower = iBound == 0;
            if (GuardWord(bLower ? a_Item.m_pHeapAddress : pcUpper, i) == (bLower ? kLowerGuard : kUpperGuard))
                continue;
            bIntact = false;
            std::snprintf(g_carrMsgBuffer, sizeof(g_carrMsgBuffer),
                          "<corrupted, %s> Ptr: %010lX | Heap: %010lX | Ptr,HeapSize: %d, %d bytes | ClsObj: %s  #%d "
                          "(%s) | Alloctype: %s | ID: %d \n ",
                          bLower ? "lowerbound" : "upperbound", AddressValue(a_Item.m_pPtrAddress),
                          AddressValue(a_Item.m_pHeapAddress), static_cast<int>(a_Item.m_uPtrSize),
                          static_cast<int>(a_Item.m_uHeapSize), SiteName(a_Item.m_pSummery),
                          SiteLine(a_Item.m_pSummery), SiteFile(a_Item.m_pSummery),
                          s_arrKindNames[a_Item.m_u8AllocationType], static_cast<int>(a_Item.m_uAllocationID));
            if (a_funcCallback)
                a_funcCallback(g_carrMsgBuffer, &a_Item);
            DumpAllocationItem(a_funcCallback, a_Item);
        }
    return bIntact;
}

bool bCMemoryAdmin::ValidateAllAllocationItems(bFMemoryReportCallback a_funcCallback) const
{
    if (!m_bTracking)
        return false;
    int iDamaged = 0;
    for (bSAllocationItem const * pBucket : s_arrItemTable)
        for (bSAllocationItem const * p = pBucket; p; p = p->m_pNext)
            if (!ValidateItem(a_funcCallback, *p))
                ++iDamaged;
    if (iDamaged && a_funcCallback)
    {
        std::snprintf(
            g_carrMsgBuffer, sizeof(g_carrMsgBuffer),
            "bCMemoryAdmin::ValidateAllAllocationItems - warning: %d corrupted allocation items were found\n\n",
            iDamaged);
        a_funcCallback(g_carrMsgBuffer, nullptr);
    }
    return iDamaged != 0;
}

void bCMemoryAdmin::DumpAllocationItem(bFMemoryReportCallback a_funcCallback, bSAllocationItem const & a_Item) const
{
    if (!a_funcCallback || !m_bTracking)
        return;
    std::snprintf(g_carrMsgBuffer, sizeof(g_carrMsgBuffer),
                  " Ptr Address    : %010lX \n Heap Address   : %010lX \n PtrBlockSize   : 0x%08x (%d Bytes) \n "
                  "HeapBlockSize  : 0x%08x (%d Bytes) \n Classobject    : %s  #%d (%s) \n Allocationtype : %s \n "
                  "Allocation ID  : %d",
                  AddressValue(a_Item.m_pPtrAddress), AddressValue(a_Item.m_pHeapAddress), a_Item.m_uPtrSize,
                  static_cast<int>(a_Item.m_uPtrSize), a_Item.m_uHeapSize, static_cast<int>(a_Item.m_uHeapSize),
                  SiteName(a_Item.m_pSummery), SiteLine(a_Item.m_pSummery), SiteFile(a_Item.m_pSummery),
                  s_arrKindNames[a_Item.m_u8AllocationType], static_cast<int>(a_Item.m_uAllocationID));
    a_funcCallback(g_carrMsgBuffer, &a_Item);
}

void bCMemoryAdmin::DumpHeapStatistics(bFMemoryReportCallback a_funcCallback) const
{
    if (!a_funcCallback || !m_bTracking)
        return;
    bSMemoryStatistics const S = CompleteStatistics(m_Statistics);
    std::snprintf(
        g_carrMsgBuffer, sizeof(g_carrMsgBuffer),
        "\nCurrent:\nNumber of elements allocated         :    %d\nMemory allocated by application      :    "
        "%d bytes\nMemory allocated total (heap)        :    %d bytes\nHeapprofiler overhead                : "
        "   %d bytes\n\nPeaks:\nMaximum of allocated elements        :    %d\nMaximum memory allocation       "
        "     :    %d bytes\nMaximum heap memory allocation       :    %d bytes\n\nSummary:\nAllocated "
        "elements accumulated       :    %d\nMemory allocation accumulated        :    %d bytes\nHeap memory "
        "allocation (accumulated) :    %d bytes\n",
        static_cast<int>(S.m_uCurrentBlocks), static_cast<int>(S.m_uCurrentPtrBytes),
        static_cast<int>(S.m_uCurrentHeapBytes), static_cast<int>(S.m_uCurrentHeapBytes - S.m_uCurrentPtrBytes),
        static_cast<int>(S.m_uPeakBlocks), static_cast<int>(S.m_uPeakPtrBytes), static_cast<int>(S.m_uPeakHeapBytes),
        static_cast<int>(S.m_uTotalBlocks), static_cast<int>(S.m_uTotalPtrBytes),
        static_cast<int>(S.m_uTotalHeapBytes));
    a_funcCallback(g_carrMsgBuffer, nullptr);
}

void bCMemoryAdmin::DumpLeakReport(bFMemoryReportCallback a_funcCallback)
{
    if (!m_bTracking || m_Statistics.m_uCurrentBlocks == 0)
        return;
    bCMorvek3EngineDialogs Dialogs;
    Dialogs.LoadVI3RororaLib(false);
    for (bSAllocationItem const * pBucket : s_arrItemTable)
        for (bSAllocationItem const * p = pBucket; p; p = p->m_pNext)
            if (OwnsItem(p))
                Dialogs.AddItemToMemoryOverview(p, ValidateItem(a_funcCallback, *p));
    Dialogs.ShowModalMemoryDialog();
    Dialogs.UnloadVI3RororaLib();
}

bool bCMemoryAdmin::CollectItemSummary(bFMemoryReportCallback a_funcCallback) const
{
    return CollectSummary(a_funcCallback, 0, "Last allocated entries");
}

bool bCMemoryAdmin::CollectItemSummaryDiff(bFMemoryReportCallback a_funcCallback) const
{
    if (!a_funcCallback || !m_bTracking)
        return false;
    char carrEnd[64];
    std::snprintf(carrEnd, sizeof(carrEnd), "Last allocated entries since AllocCount: %d ",
                  static_cast<int>(s_uDiffSnapshot));
    CollectSummary(a_funcCallback, s_uDiffSnapshot, carrEnd);
    s_uDiffSnapshot = m_uAllocationCount;
    return true;
}

namespace
{
    void ReportSiteSummary(bFMemoryReportCallback a_funcCallback, int a_iItems, int a_iInvalid, uint32_t a_uHeap,
                           uint32_t a_uPtr)
    {
        std::snprintf(g_carrMsgBuffer, sizeof(g_carrMsgBuffer),
                      "  Summary: Allocs: %d, Invalid: %d, Heapsize: %d, Ptrsize: %d \n", a_iItems, a_iInvalid,
                      static_cast<int>(a_uHeap), static_cast<int>(a_uPtr));
        a_funcCallback(g_carrMsgBuffer, nullptr);
    }

    void ReportSite(bFMemoryReportCallback a_funcCallback, bSAllocationSummery const * a_pSummery)
    {
        std::snprintf(g_carrMsgBuffer, sizeof(g_carrMsgBuffer), "Object: '%s' at line:%d <%s>: ", SiteName(a_pSummery),
                      SiteLine(a_pSummery), SiteFile(a_pSummery));
        a_funcCallback(g_carrMsgBuffer, nullptr);
    }
} // namespace

// Lists every live tracked block newer than a_uFromID (of any instance: the
// item table is shared), grouped by site.
bool bCMemoryAdmin::CollectSummary(bFMemoryReportCallback a_funcCallback, uint32_t a_uFromID,
                                   char const * a_pcEnd) const
{
    if (!a_funcCallback || !m_bTracking)
        return false;
    bTScratchArray<bSRanked<bSAllocationItem const>> arrItems;
    for (bSAllocationItem const * pBucket : s_arrItemTable)
        for (bSAllocationItem const * p = pBucket; p; p = p->m_pNext)
            if (p->m_uAllocationID > a_uFromID)
                arrItems.Add({p, reinterpret_cast<std::uintptr_t>(p->m_pSummery), arrItems.GetCount()});
    SortDescending(arrItems);

    bSAllocationSummery const * pSite = nullptr;
    int iItems = 0, iInvalid = 0;
    uint32_t uHeap = 0, uPtr = 0;
    for (auto const & Entry : arrItems)
    {
        bSAllocationItem const & Item = *Entry.m_pEntry;
        if (iItems == 0 || Item.m_pSummery != pSite)
        {
            if (iItems)
                ReportSiteSummary(a_funcCallback, iItems, iInvalid, uHeap, uPtr);
            pSite = Item.m_pSummery;
            iItems = iInvalid = 0;
            uHeap = uPtr = 0;
            ReportSite(a_funcCallback, pSite);
        }
        iInvalid += ValidateItem(a_funcCallback, Item) ? 0 : 1;
        ++iItems;
        uHeap += Item.m_uHeapSize;
        uPtr += Item.m_uPtrSize;
    }
    if (iItems)
        ReportSiteSummary(a_funcCallback, iItems, iInvalid, uHeap, uPtr);
    for (char const * pcText :
         {"", "---------------------------------------------------------------------", a_pcEnd, ""})
        a_funcCallback(pcText, nullptr);
    return true;
}

// ---- top ten by site ----

template <class KEY> int bCMemoryAdmin::TopTen(bSAllocationSummery * a_pOut, int a_iCount, KEY a_Key, int * a_pTotal)
{
    if (!m_bTracking)
        return 0;
    bCLock Lock(GetLock());
    bTScratchArray<bSRanked<bSAllocationSummery>> arrSites;
    uint64_t uSmallestTaken = ~uint64_t(0);
    for (bSAllocationSummery * pBucket : s_arrSiteTable)
        for (bSAllocationSummery * p = pBucket; p; p = p->m_pNext)
        {
            bool bCounted = false;
            uint64_t const uKey = a_Key(*p, bCounted);
            if (!bCounted)
                continue;
            if (a_pTotal)
                *a_pTotal += static_cast<int>(uKey);
            // Once enough are held, only a key above the smallest taken can matter.
            if (arrSites.GetCount() >= a_iCount && uKey <= uSmallestTaken)
                continue;
            arrSites.Add({p, uKey, arrSites.GetCount()});
            uSmallestTaken = std::min(uSmallestTaken, uKey);
        }
    SortDescending(arrSites);
    int const iCopied = a_pOut ? std::min(std::max(a_iCount, 0), arrSites.GetCount()) : 0;
    for (int i = 0; i < iCopied; ++i)
        a_pOut[i] = *arrSites[i].m_pEntry;
    return iCopied;
}

namespace
{
    template <uint32_t bSAllocationSummery::*FIELD> auto KeyOf()
    {
        return [](bSAllocationSummery const & a_Summery, bool & a_bCounted) -> uint64_t {
            a_bCounted = true;
            return a_Summery.*FIELD;
        };
    }
} // namespace

int bCMemoryAdmin::GetSummeryFootprintTopTen(bSAllocationSummery * a_pOut, int a_iCount)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uFootprint>(), nullptr);
}

int bCMemoryAdmin::GetSummeryFootprintGrowTopTen(bSAllocationSummery * a_pOut, int a_iCount)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uFootprintGrowth>(), nullptr);
}

int bCMemoryAdmin::GetSummeryMaxFootprintTopTen(bSAllocationSummery * a_pOut, int a_iCount)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uMaxFootprint>(), nullptr);
}

int bCMemoryAdmin::GetSummeryItemCountTopTen(bSAllocationSummery * a_pOut, int a_iCount)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uItemCount>(), nullptr);
}

int bCMemoryAdmin::GetSummeryItemCountGrowTopTen(bSAllocationSummery * a_pOut, int a_iCount)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uItemCountGrowth>(), nullptr);
}

int bCMemoryAdmin::GetSummeryObservedTopTen(bSAllocationSummery * a_pOut, int a_iCount, char const * a_pcFilter)
{
    if (!a_pcFilter)
        return 0;
    auto Key = [a_pcFilter](bSAllocationSummery const & a_Summery, bool & a_bCounted) -> uint64_t {
        a_bCounted = std::strstr(a_Summery.m_carrSourceFile, a_pcFilter) != nullptr;
        return a_Summery.m_uFootprint;
    };
    return TopTen(a_pOut, a_iCount, Key, nullptr);
}

int bCMemoryAdmin::GetSummerySmallAllocTopTen(bSAllocationSummery * a_pOut, int a_iCount, int & a_iTotal)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uSmallBlockCount>(), &a_iTotal);
}

int bCMemoryAdmin::GetSummeryFreeListAllocTopTen(bSAllocationSummery * a_pOut, int a_iCount, int & a_iTotal)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uFreeListBlockCount>(), &a_iTotal);
}

int bCMemoryAdmin::GetSummeryHeapAllocTopTen(bSAllocationSummery * a_pOut, int a_iCount, int & a_iTotal)
{
    return TopTen(a_pOut, a_iCount, KeyOf<&bSAllocationSummery::m_uHeapBlockCount>(), &a_iTotal);
}

void bCMemoryAdmin::MakeSummeryItemGrowSnapshot()
{
    if (!m_bTracking)
        return;
    bCLock Lock(GetLock());
    for (bSAllocationSummery * pBucket : s_arrSiteTable)
        for (bSAllocationSummery * p = pBucket; p; p = p->m_pNext)
            p->m_uFootprintGrowth = p->m_uItemCountGrowth = 0;
}

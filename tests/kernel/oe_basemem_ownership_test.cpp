// One tracked instance used by several threads in turn: the thread that owns
// it enters with plain stores, another one revokes that through the
// asymmetric barrier, or, without the barrier, everybody takes the ordinary
// lock. Either road gives the same counters, peaks and IDs.

#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/platform/oe_asymmetricbarrier.h>
#include <vellmark/platform/oe_heap.h>

#include "oe_basemem_testsupport.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include <sys/mman.h>
#include <sys/single_threaded.h>
#include <unistd.h>

namespace
{
    // Runs a test body once with the barrier as the system offers it and once
    // with the ordinary lock alone.
    class bCBarrierRoad
    {
    public:
        explicit bCBarrierRoad(bool a_bFallback) { OEAsymmetricBarrierForceUnavailable(a_bFallback); }
        ~bCBarrierRoad() { OEAsymmetricBarrierForceUnavailable(false); }
    };

    // Every counter, the live blocks' IDs in the order held, and the site's items, footprint and peak.
    using bSOutcome = std::vector<unsigned long long>;

    // A allocates ten blocks and frees three; while A still lives, B frees the
    // other seven, allocates five and reallocates one.
    bSOutcome HandOver(std::string const & a_strFile)
    {
        bCMemoryAdmin Admin(true);
        std::vector<void *> arrFromA;
        std::atomic<int> iStep{0};
        std::thread A([&] {
            for (int i = 0; i < 10; ++i)
                arrFromA.push_back(Admin.Malloc(10 + i, "a", a_strFile.c_str(), 7));
            for (int i = 0; i < 3; ++i)
                Admin.Free(arrFromA[i]);
            iStep = 1;
            while (iStep.load() != 2)
                std::this_thread::yield();
        });
        while (iStep.load() != 1)
            std::this_thread::yield();
        std::vector<void *> arrFromB;
        std::thread B([&] {
            for (int i = 3; i < 10; ++i)
                Admin.Free(arrFromA[i]);
            for (int i = 0; i < 5; ++i)
                arrFromB.push_back(Admin.Malloc(100 + i, "b", a_strFile.c_str(), 7));
            arrFromB[1] = Admin.Realloc(arrFromB[1], 300, "b", a_strFile.c_str(), 7);
        });
        B.join();
        iStep = 2;
        A.join();

        bSMemoryStatistics const S = Admin.GetMemoryStatistics();
        bSOutcome Outcome = {S.m_uCurrentPtrBytes, S.m_uCurrentHeapBytes,     S.m_uCurrentBlocks, S.m_uPeakPtrBytes,
                             S.m_uPeakHeapBytes,   S.m_uPeakBlocks,           S.m_uTotalPtrBytes, S.m_uTotalHeapBytes,
                             S.m_uTotalBlocks,     Admin.GetAllocationCount()};
        for (void * pBlock : arrFromB)
            Outcome.push_back(Admin.FindAllocationItem(pBlock)->m_uAllocationID);
        bSAllocationSummery arrTop[1] = {};
        EXPECT_EQ(Admin.GetSummeryObservedTopTen(arrTop, 1, a_strFile.c_str()), 1);
        Outcome.insert(Outcome.end(), {arrTop[0].m_uItemCount, arrTop[0].m_uFootprint, arrTop[0].m_uMaxFootprint});
        for (void * pBlock : arrFromB)
            Admin.Free(pBlock);
        return Outcome;
    }
} // namespace

using bCMemoryOwnership = bCMemoryTest;

TEST_F(bCMemoryOwnership, HandedFromThreadToThreadKeepsEveryCounterExact)
{
    // A: 10..19 bytes, 145 in all; three freed (33 bytes). B: 100..104 bytes, 510 in all, then block 101
    // grows to 300. Current, peak and total pointer bytes, heap bytes (32 more a block) and blocks; the
    // requests; B's IDs; the site's items, footprint and peak.
    bSOutcome const Expected = {709, 709 + 5 * 32, 5,  709, 709 + 5 * 32, 10, 854, 854 + 15 * 32, 15,
                                16,  11,           16, 13,  14,           15, 5,   709,           709};
    for (bool bFallback : {false, true})
    {
        SCOPED_TRACE(bFallback ? "ordinary lock" : "barrier as offered");
        bCBarrierRoad Road(bFallback);
        EXPECT_EQ(HandOver(SiteFile(bFallback ? "F" : "B")), Expected);
    }
}

// A thread inside the instance keeps every other thread out, whichever road it
// entered by: the second thread's request waits while the first one shows an
// out-of-memory box from inside.
namespace
{
    bCMemoryAdmin * s_pShared = nullptr;
    std::string s_strSharedFile;
    std::atomic<bool> s_bOtherStarted{false};
    std::atomic<bool> s_bOtherDone{false};
    bool s_bOtherDoneWhileInside = true;
    uint32_t s_uOtherID = 0;
    int s_iNestedSites = 0;
    std::thread s_Other;

    int BoxThatLetsAnotherThreadIn(char const *, char const *, unsigned int)
    {
        s_Other = std::thread([] {
            s_bOtherStarted = true;
            void * pBlock = s_pShared->Malloc(8, "other", s_strSharedFile.c_str(), 3);
            s_uOtherID = s_pShared->FindAllocationItem(pBlock)->m_uAllocationID;
            s_pShared->Free(pBlock);
            s_bOtherDone = true;
        });
        while (!s_bOtherStarted.load())
            std::this_thread::yield();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // Entering once more from inside, while the other thread waits to revoke.
        bSAllocationSummery arrTop[1] = {};
        s_iNestedSites = s_pShared->GetSummeryObservedTopTen(arrTop, 1, s_strSharedFile.c_str());
        std::this_thread::sleep_for(std::chrono::milliseconds(50)); // the nested leave let nobody in
        s_bOtherDoneWhileInside = s_bOtherDone.load();
        return IDOK;
    }
} // namespace

namespace
{
    // The calling thread allocates twice, then fails a third time and, inside,
    // shows the box above. What the other thread saw, the nested query's
    // count, the other's ID, total and current blocks.
    bSOutcome OtherWaitsWhileThisIsInside(std::string const & a_strFile)
    {
        bCMemoryAdmin Admin(true);
        s_pShared = &Admin;
        s_strSharedFile = a_strFile;
        s_bOtherStarted = s_bOtherDone = false;
        s_bOtherDoneWhileInside = true;
        void * pWarm = Admin.Malloc(8, "w", a_strFile.c_str(), 3); // the site, an item block; owned after
        void * pAgain = Admin.Malloc(8, "w", a_strFile.c_str(), 3);
        OEHeapInjectFailure(1, 1); // the next block: a box from inside
        OEMessageBoxHandler funcPrevious = OESetMessageBoxHandler(&BoxThatLetsAnotherThreadIn);
        void * pFailed = Admin.Malloc(8, "w", a_strFile.c_str(), 3);
        OESetMessageBoxHandler(funcPrevious);
        s_Other.join();
        Admin.Free(pWarm);
        Admin.Free(pAgain);
        bSMemoryStatistics const S = Admin.GetMemoryStatistics();
        return {pFailed != nullptr,
                s_bOtherDoneWhileInside,
                s_bOtherDone.load(),
                s_uOtherID,
                static_cast<unsigned>(s_iNestedSites),
                S.m_uTotalBlocks,
                S.m_uCurrentBlocks};
    }

    // The other thread came in after the one inside, with the ID after the two kept blocks and the failed one.
    bSOutcome const kOtherWaited = {false, false, true, 4, 1, 3, 0};
} // namespace

TEST_F(bCMemoryOwnership, OtherThreadsWaitWhileOneIsInside)
{
    for (bool bFallback : {false, true})
    {
        SCOPED_TRACE(bFallback ? "ordinary lock" : "barrier as offered");
        bCBarrierRoad Road(bFallback);
        bSOutcome Outcome;
        std::thread([&] { Outcome = OtherWaitsWhileThisIsInside(SiteFile(bFallback ? "F" : "B")); }).join();
        EXPECT_EQ(Outcome, kOtherWaited);
    }
}

// The same in a process of its own that has run no other thread: the first
// one is started from inside, by the box.
TEST_F(bCMemoryOwnership, FirstThreadStartedFromInsideWaits)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool const bAlone = __libc_single_threaded != 0;
            bSOutcome const Outcome = OtherWaitsWhileThisIsInside(SiteFile());
            for (unsigned long long uValue : Outcome)
                std::fprintf(stderr, "%llu ", uValue);
            std::exit(bAlone && Outcome == kOtherWaited ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// Each thread frees the other's blocks while allocating now and then, so
// ownership moves back and forth; counters, IDs and guard checks stay exact.
TEST_F(bCMemoryOwnership, TwoThreadsFreeEachOthersBlocks)
{
    constexpr unsigned kBlocks = 300;
    for (bool bFallback : {false, true})
    {
        SCOPED_TRACE(bFallback ? "ordinary lock" : "barrier as offered");
        bCBarrierRoad Road(bFallback);
        bCMemoryAdmin Admin(true);
        std::string const strFile = SiteFile(bFallback ? "F" : "B");
        std::vector<void *> arrBlocks[2], arrKept[2];
        std::atomic<int> iReady{0};
        auto Work = [&](int a_iSelf) {
            for (unsigned i = 0; i < kBlocks; ++i)
                arrBlocks[a_iSelf].push_back(Admin.Malloc(16 + a_iSelf, "x", strFile.c_str(), 5));
            ++iReady;
            while (iReady.load() != 2)
                std::this_thread::yield();
            for (void * pBlock : arrBlocks[1 - a_iSelf])
            {
                Admin.Free(pBlock);
                if (arrKept[a_iSelf].size() < 10)
                    arrKept[a_iSelf].push_back(Admin.Malloc(40, "k", strFile.c_str(), 6));
            }
        };
        std::thread First(Work, 0), Second(Work, 1);
        First.join();
        Second.join();

        bSMemoryStatistics const S = Admin.GetMemoryStatistics();
        EXPECT_EQ((bSOutcome{S.m_uCurrentBlocks, S.m_uCurrentPtrBytes, S.m_uCurrentHeapBytes, S.m_uTotalBlocks,
                             S.m_uTotalPtrBytes, Admin.GetAllocationCount()}),
                  (bSOutcome{20, 20 * 40, 20 * 72, 2 * kBlocks + 20, kBlocks * 33 + 20 * 40, 2 * kBlocks + 20}));
        EXPECT_GE(S.m_uPeakBlocks, 2 * kBlocks);
        std::vector<bool> arrSeen(2 * kBlocks + 21, false);
        for (auto const & arrOwn : arrKept)
            for (void * pBlock : arrOwn)
            {
                uint32_t const uID = Admin.FindAllocationItem(pBlock)->m_uAllocationID;
                ASSERT_LE(uID, 2 * kBlocks + 20);
                EXPECT_FALSE(arrSeen[uID]) << uID;
                arrSeen[uID] = true;
            }
        char & cPastEnd = static_cast<char *>(arrKept[1][3])[40];
        cPastEnd = 0;
        EXPECT_EQ(Admin.CheckMemoryBlock(arrKept[1][3]), bECheckPtr_Corrupted);
        cPastEnd = static_cast<char>(0xDE); // the guard word's low byte again
        for (auto const & arrOwn : arrKept)
            for (void * pBlock : arrOwn)
                Admin.Free(pBlock);
        EXPECT_EQ(Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);
    }
}

// Seven threads may own the tracked lock in turn, each marking its entries in
// a place of its own; an eighth keeps to the ordinary lock, one of the seven
// earns its old place back, and the places of threads that ended are given
// out again. Each ownership taken away costs one heavy barrier. In a process
// of its own, so that no earlier test holds a place; all threads are started
// at once, so that none reuses another's thread pointer.
namespace
{
    // Entries in a row that earn ownership after seven revocations: more than 131,072.
    constexpr unsigned kOwnerPairs = 70000;

    bool OwnerPlacesInTurn()
    {
        bCMemoryAdmin Admin(true);
        std::string const strFile = SiteFile();
        // Threads 0 to 6 own in turn; 7 finds no place; 0 owns its old place again
        // until 7 comes back; once 0 to 7 have ended, 8 is given a place and 9
        // takes it away.
        std::vector<int> const arrOrder = {0, 1, 2, 3, 4, 5, 6, 7, 0, 7, 8, 9};
        std::vector<unsigned long long> const arrRevoked = {0, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 1};
        constexpr int kAfterEnds = 10; // the step that waits until threads 0 to 7 have ended
        std::vector<unsigned long long> arrBarriers(arrOrder.size() + 1);
        std::atomic<int> iTurn{0}, iEnded{0};
        auto Work = [&](int a_iSelf) {
            for (int iStep = 0; iStep < static_cast<int>(arrOrder.size()); ++iStep)
            {
                if (arrOrder[iStep] != a_iSelf)
                    continue;
                for (int iSeen = iTurn.load(); iSeen < iStep; iSeen = iTurn.load())
                    iTurn.wait(iSeen);
                if (iStep == kAfterEnds)
                    for (int iSeen = iEnded.load(); iSeen < 8; iSeen = iEnded.load())
                        iEnded.wait(iSeen);
                for (unsigned i = 0; i < kOwnerPairs; ++i)
                    Admin.Free(Admin.Malloc(8, "t", strFile.c_str(), 9));
                arrBarriers[iStep + 1] = OEAsymmetricBarrierHeavyCount();
                iTurn = iStep + 1;
                iTurn.notify_all();
            }
            // Threads 0 to 7 end together before step 10, the others at the end.
            int const iEnd = a_iSelf < 8 ? kAfterEnds : static_cast<int>(arrOrder.size());
            for (int iSeen = iTurn.load(); iSeen < iEnd; iSeen = iTurn.load())
                iTurn.wait(iSeen);
        };
        arrBarriers[0] = OEAsymmetricBarrierHeavyCount();
        std::vector<std::thread> arrThreads;
        for (int i = 0; i < 10; ++i)
            arrThreads.emplace_back(Work, i);
        for (int i = 0; i < 10; ++i)
        {
            arrThreads[i].join();
            ++iEnded;
            iEnded.notify_all();
        }
        bool bAsExpected = true;
        for (std::size_t i = 0; i < arrOrder.size(); ++i)
        {
            unsigned long long const uRevoked = arrBarriers[i + 1] - arrBarriers[i];
            std::fprintf(stderr, "%llu ", uRevoked);
            bAsExpected = bAsExpected && uRevoked == (OEAsymmetricBarrierAvailable() ? arrRevoked[i] : 0);
        }
        bSMemoryStatistics const S = Admin.GetMemoryStatistics();
        return bAsExpected && S.m_uCurrentBlocks == 0 && S.m_uPeakBlocks == 1 &&
               S.m_uTotalBlocks == arrOrder.size() * kOwnerPairs;
    }
} // namespace

TEST_F(bCMemoryOwnership, SevenThreadsOwnInTurnAndEndedThreadsGiveTheirPlacesBack)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(OwnerPlacesInTurn() ? 0 : 1), ::testing::ExitedWithCode(0), "");
}

// Tracked instances share the item and site tables: two instances used by two
// threads at once keep them whole, and each its own counters.
TEST_F(bCMemoryOwnership, TwoInstancesOnTwoThreadsShareTheTablesSafely)
{
    constexpr unsigned kPairs = 20000;
    std::string const strFile = SiteFile();
    bCMemoryAdmin arrAdmins[2] = {bCMemoryAdmin(true), bCMemoryAdmin(true)};
    std::vector<void *> arrKept[2];
    auto Work = [&](int a_iSelf) {
        for (unsigned i = 0; i < kPairs; ++i)
        {
            void * pBlock = arrAdmins[a_iSelf].Malloc(16 + a_iSelf, "i", strFile.c_str(), 11 + 4 * a_iSelf);
            if (i % 1000 == 0)
                arrKept[a_iSelf].push_back(pBlock);
            else
                arrAdmins[a_iSelf].Free(pBlock);
        }
    };
    std::thread First(Work, 0), Second(Work, 1);
    First.join();
    Second.join();
    for (int i = 0; i < 2; ++i)
    {
        bSMemoryStatistics const S = arrAdmins[i].GetMemoryStatistics();
        EXPECT_EQ((bSOutcome{S.m_uCurrentBlocks, S.m_uTotalBlocks, arrAdmins[i].GetAllocationCount()}),
                  (bSOutcome{kPairs / 1000, kPairs, kPairs}));
        for (void * pBlock : arrKept[i])
        {
            EXPECT_EQ(arrAdmins[i].CheckMemoryBlock(pBlock), bECheckPtr_Valid);
            arrAdmins[i].Free(pBlock);
        }
    }
}

// The site text is read 16 bytes at a time, yet never into the page behind
// its terminator.
TEST_F(bCMemoryOwnership, SiteTextEndingRightBeforeAnUnreadablePage)
{
    long const lPage = sysconf(_SC_PAGESIZE);
    char * pcArea =
        static_cast<char *>(mmap(nullptr, 2 * lPage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    ASSERT_NE(pcArea, MAP_FAILED);
    ASSERT_EQ(mprotect(pcArea + lPage, lPage, PROT_NONE), 0);
    bCMemoryAdmin Admin(true);
    std::string const strBase = SiteFile();
    std::string const strLong = strBase + std::string(80, 'q');
    for (std::string const & strText : {std::string("-"), strBase.substr(0, 15), strBase.substr(0, 16), strBase,
                                        strLong.substr(0, 60), strLong.substr(0, 61), strLong.substr(0, 62), strLong})
    {
        SCOPED_TRACE(strText);
        char * pcText = pcArea + lPage - strText.size() - 1; // the terminator is the page's last byte
        std::memcpy(pcText, strText.c_str(), strText.size() + 1);
        void * pAtPageEnd = Admin.Malloc(4, "p", pcText, 40);
        void * pElsewhere = Admin.Malloc(4, "p", strText.c_str(), 40);
        ASSERT_NE(pAtPageEnd, nullptr);
        EXPECT_EQ(Admin.FindAllocationItem(pAtPageEnd)->m_pSummery, Admin.FindAllocationItem(pElsewhere)->m_pSummery);
        // Without its first character, ending at the same place: another site.
        void * pShorter = Admin.Malloc(4, "p", pcText + 1, 40);
        EXPECT_NE(Admin.FindAllocationItem(pShorter)->m_pSummery, Admin.FindAllocationItem(pAtPageEnd)->m_pSummery);
        for (void * pBlock : {pAtPageEnd, pElsewhere, pShorter})
            Admin.Free(pBlock);
    }
    munmap(pcArea, 2 * lPage);
}

// Whether the process has no other thread yet, or the instance is owned, or
// the ordinary lock is taken, the heap is asked in the same order: a fresh
// instance at a fresh site asks for the site record, the item block, the
// item-block table, the block; an instance with items left asks for the site
// record and the block. The road without threads is only the first one in a
// process of its own (as CTest runs every test).
TEST_F(bCMemoryOwnership, FailureInjectionOrderUnchangedOnEveryRoad)
{
    char const * const pcDescriptorBox = "bCMemoryAdmin::AllocatePure error: bCMemoryAdmin::AllocatePure - Unable to "
                                         "allocate memory for internal memory pool descriptor";
    char const * const pcOutOfMemoryBox =
        "bCMemoryAdmin::AllocatePure error: bCMemoryAdmin::AllocatePure - Allocation failed. Out of memory.";
    struct bSCase
    {
        bool m_bWarm;
        unsigned long m_uNth;
        bool m_bBlock;
        char const * m_pcAssertion;
        char const * m_pcBox;
    } const arrCases[] = {
        {false, 1, false, "0 != pSummery", nullptr}, {false, 2, false, "0 != this->m_pMemoryPoolDesc", pcDescriptorBox},
        {false, 3, true, "ppTemp", nullptr},         {false, 4, false, "", pcOutOfMemoryBox},
        {true, 1, false, "0 != pSummery", nullptr},  {true, 2, false, "", pcOutOfMemoryBox},
    };
    int iCase = 0;
    for (char const * pcRoad : {"main thread", "barrier as offered", "ordinary lock"})
        for (bSCase const & Case : arrCases)
        {
            SCOPED_TRACE(std::string(pcRoad) + (Case.m_bWarm ? ", warm, " : ", fresh, ") + std::to_string(Case.m_uNth));
            bCBarrierRoad Road(pcRoad[0] == 'o');
            std::string const strFile = SiteFile(std::to_string(iCase++).c_str());
            RecordedBoxes().clear();
            auto Body = [&] {
                bCMemoryAdmin Admin(true);
                void * pWarm = Case.m_bWarm ? Admin.Malloc(8, "w", (strFile + "w").c_str(), 1) : nullptr;
                void * pBlock = nullptr;
                OEHeapInjectFailure(Case.m_uNth, 1);
                std::string const strOut = AssertionOutput([&] { pBlock = Admin.Malloc(8, "f", strFile.c_str(), 2); });
                OEHeapStopFailures();
                EXPECT_EQ(pBlock != nullptr, Case.m_bBlock);
                EXPECT_NE(strOut.find(Case.m_pcAssertion), std::string::npos) << strOut;
                EXPECT_EQ(MemoryErrorBoxes(),
                          Case.m_pcBox ? std::vector<std::string>{Case.m_pcBox} : std::vector<std::string>{});
                EXPECT_EQ(Admin.GetMemoryStatistics().m_uTotalBlocks, (pWarm ? 1u : 0u) + (pBlock ? 1u : 0u));
                void * pRetry = Admin.Malloc(8, "f", strFile.c_str(), 2); // the next try succeeds
                EXPECT_EQ(Admin.CheckMemoryBlock(pRetry), bECheckPtr_Valid);
                for (void * pFree : {pBlock, pWarm, pRetry})
                    Admin.Free(pFree);
                EXPECT_EQ(Admin.GetMemoryStatistics().m_uCurrentBlocks, 0u);
            };
            if (pcRoad[0] == 'm')
                Body();
            else
                std::thread(Body).join();
        }
}

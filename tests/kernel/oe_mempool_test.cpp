#include <vellmark/kernel/oe_mempool.h>

#include "oe_basemem_testsupport.h"

#include <vellmark/platform/oe_heap.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

// The process pool sits beneath the process-wide memory administration; its big
// block is seen there by its address.
using bCMemPoolTest = bCMemoryTest;

namespace
{
    bCMemoryAdmin & Untracked()
    {
        return bCMemoryAdmin::GetInstance();
    }

    void * TakeBigBlock()
    {
        return Untracked().Malloc(bCMemPool::ms_uBigBlockMin, nullptr, nullptr, -1);
    }
} // namespace

TEST_F(bCMemPoolTest, BigBlockAdmissionLimits)
{
    void * pBig = TakeBigBlock();
    ASSERT_NE(pBig, nullptr);
    void * pSecond = TakeBigBlock(); // taken: the heap serves it
    ASSERT_NE(pSecond, nullptr);
    EXPECT_NE(pSecond, pBig);
    Untracked().Free(pSecond);
    Untracked().Free(pBig);

    void * pBelow = Untracked().Malloc(65000000, nullptr, nullptr, -1);
    void * pTop = Untracked().Malloc(99999999, nullptr, nullptr, -1);
    EXPECT_NE(pBelow, pBig);
    EXPECT_EQ(pTop, pBig); // free again after Free
    void * pAbove = Untracked().Malloc(100000000, nullptr, nullptr, -1);
    EXPECT_NE(pAbove, nullptr);
    EXPECT_NE(pAbove, pBig);
    for (void * pBlock : {pBelow, pTop, pAbove})
        Untracked().Free(pBlock);
    EXPECT_TRUE(RecordedBoxes().empty());
}

TEST_F(bCMemPoolTest, BigBlockGrowsInPlaceUpToTheReservationThenMovesToTheHeap)
{
    auto * pcBig = static_cast<char *>(TakeBigBlock());
    ASSERT_NE(pcBig, nullptr);
    pcBig[0] = 'a';
    for (unsigned long uSize : {120ul << 20, 1ul << 30, 2ul << 30, 16ul << 20})
    {
        ASSERT_EQ(Untracked().Realloc(pcBig, uSize, nullptr, nullptr, -1), pcBig) << uSize;
        pcBig[uSize - 1] = 'z'; // committed as far as asked
    }
    EXPECT_EQ(pcBig[0], 'a');
    // The commitment only grows: a move copies all of it, so the move starts from a fresh block.
    Untracked().Free(pcBig);
    ASSERT_EQ(TakeBigBlock(), pcBig);
    std::memcpy(pcBig, "moved", 6);
    auto * pcMoved = static_cast<char *>(Untracked().Realloc(pcBig, (2ul << 30) + 4096, nullptr, nullptr, -1));
    ASSERT_NE(pcMoved, nullptr);
    EXPECT_NE(pcMoved, pcBig);
    EXPECT_STREQ(pcMoved, "moved");
    EXPECT_EQ(TakeBigBlock(), pcBig); // released by the move
    Untracked().Free(pcBig);
    Untracked().Free(pcMoved);
}

TEST_F(bCMemPoolTest, TrackedBigBlockCountsTheGuards)
{
    bCMemoryAdmin Admin(true);
    void * pBig = TakeBigBlock();
    Untracked().Free(pBig);
    void * pTracked = Admin.Malloc(bCMemPool::ms_uBigBlockMin - 32, "big", "tests/mempool/big.cpp", 1);
    ASSERT_NE(pTracked, nullptr);
    EXPECT_EQ(static_cast<char *>(pTracked) - 16, pBig);
    void * pGrown = Admin.Realloc(pTracked, 200ul << 20, "big", "tests/mempool/big.cpp", 1);
    EXPECT_EQ(pGrown, pTracked);
    EXPECT_EQ(Admin.CheckMemoryBlock(pGrown), bECheckPtr_Valid);
    Admin.Free(pGrown);
    EXPECT_EQ(TakeBigBlock(), pBig);
    Untracked().Free(pBig);
}

TEST_F(bCMemPoolTest, ReallocateOfABlockThatCannotGrowCopiesIt)
{
    bCMemPool & Pool = *new bCMemPool; // a second pool: no big block, the same heap
    EXPECT_FALSE(Pool.HasBigBlock());
    auto * pcBlock = static_cast<unsigned char *>(Pool.Allocate(64));
    ASSERT_NE(pcBlock, nullptr);
    for (int i = 0; i < 64; ++i)
        pcBlock[i] = static_cast<unsigned char>(i);
    auto * pcGrown = static_cast<unsigned char *>(Pool.Reallocate(pcBlock, 300000));
    ASSERT_NE(pcGrown, nullptr);
    EXPECT_NE(pcGrown, pcBlock);
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(pcGrown[i], i);
    EXPECT_GE(OEHeapSize(pcGrown), 300000u);
    void * pHeap = Pool.Allocate(bCMemPool::ms_uBigBlockMin); // from the heap
    EXPECT_NE(pHeap, nullptr);
    OEHeapInjectFailure(1);
    EXPECT_EQ(Pool.Reallocate(pcGrown, 1u << 20), nullptr); // a failure keeps the block
    EXPECT_EQ(Pool.Allocate(16), nullptr);
    OEHeapStopFailures();
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(pcGrown[i], i);
    Pool.Free(pHeap);
    Pool.Free(pcGrown);
    delete &Pool;
    EXPECT_TRUE(bCMemoryAdmin::IsMemoryAdminInitialized());
    void * pStill = TakeBigBlock(); // the process pool is untouched
    EXPECT_NE(pStill, nullptr);
    Untracked().Free(pStill);
}

TEST_F(bCMemPoolTest, OneBigBlockHolderAtATime)
{
    void * pBig = TakeBigBlock();
    Untracked().Free(pBig);
    std::atomic<int> iHolders{0}, iOverlaps{0}, iTaken{0};
    auto Work = [&] {
        for (int i = 0; i < 50; ++i)
        {
            void * pBlock = TakeBigBlock();
            if (pBlock == pBig)
            {
                if (++iHolders != 1)
                    ++iOverlaps;
                ++iTaken;
                --iHolders;
            }
            Untracked().Free(pBlock);
        }
    };
    std::thread First(Work), Second(Work);
    First.join();
    Second.join();
    EXPECT_EQ(iOverlaps.load(), 0);
    EXPECT_GT(iTaken.load(), 0);
    EXPECT_EQ(TakeBigBlock(), pBig);
    Untracked().Free(pBig);
}

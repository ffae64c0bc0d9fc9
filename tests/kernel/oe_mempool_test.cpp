#include <vellmark/kernel/oe_mempool.h>

#include "oe_basemem_testsupport.h"

#include <vellmark/platform/oe_heap.h>

#include <gtest/gtest.h>

#include <cstring>

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

// One holder at a time, for a request from the minimum to the maximum size. It
// grows in place up to the reservation, then moves to the heap; a tracked
// block counts its guards.
TEST_F(bCMemPoolTest, BigBlockAdmissionGrowthInPlace)
{
    auto * pcBig = static_cast<char *>(TakeBigBlock());
    ASSERT_NE(pcBig, nullptr);
    void * pSecond = TakeBigBlock(); // taken: the heap serves it
    EXPECT_TRUE(pSecond && pSecond != pcBig);
    Untracked().Free(pSecond);
    pcBig[0] = 'a';
    for (unsigned long uSize : {120ul << 20, 2ul << 30, 16ul << 20})
    {
        ASSERT_EQ(Untracked().Realloc(pcBig, uSize, nullptr, nullptr, -1), pcBig) << uSize;
        pcBig[uSize - 1] = 'z'; // committed as far as asked
    }
    EXPECT_EQ(pcBig[0], 'a');
    Untracked().Free(pcBig);

    void * pBelow = Untracked().Malloc(bCMemPool::ms_uBigBlockMin - 1, nullptr, nullptr, -1);
    auto * pcTop = static_cast<char *>(Untracked().Malloc(bCMemPool::ms_uBigBlockMax, nullptr, nullptr, -1));
    void * pAbove = Untracked().Malloc(bCMemPool::ms_uBigBlockMax + 1, nullptr, nullptr, -1);
    EXPECT_NE(pBelow, pcBig);
    EXPECT_EQ(pcTop, pcBig); // free again after Free
    EXPECT_TRUE(pAbove && pAbove != pcBig);
    std::memcpy(pcTop, "kept", 5);
    // Whatever the size, the big block stays where it is; growth ends at the reservation.
    EXPECT_EQ(Untracked().Realloc(pcTop, (2ul << 30) + 4096, nullptr, nullptr, -1), pcBig);
    EXPECT_STREQ(pcTop, "kept");
    pcTop[(2ul << 30) - 1] = 'z';
    for (void * pBlock : {pBelow, pAbove, static_cast<void *>(pcTop)})
        Untracked().Free(pBlock);
    EXPECT_TRUE(RecordedBoxes().empty());

    bCMemoryAdmin Admin(true); // the big block is free again
    void * pTracked = Admin.Malloc(bCMemPool::ms_uBigBlockMin - 32, "big", "tests/mempool/big.cpp", 1);
    EXPECT_EQ(static_cast<char *>(pTracked) - 16, pcBig);
    void * pGrown = Admin.Realloc(pTracked, 200ul << 20, "big", "tests/mempool/big.cpp", 1);
    EXPECT_EQ(pGrown, pTracked);
    EXPECT_EQ(Admin.CheckMemoryBlock(pGrown), bECheckPtr_Valid);
    Admin.Free(pGrown);
    EXPECT_EQ(TakeBigBlock(), pcBig);
    Untracked().Free(pcBig);
}

TEST_F(bCMemPoolTest, ReallocateOfABlockThatCannotGrowCopiesIt)
{
    bCMemPool & Pool = *new bCMemPool; // a second pool: no big block, the same heap
    EXPECT_FALSE(Pool.HasBigBlock());
    auto * pcBlock = static_cast<unsigned char *>(Pool.Allocate(64));
    ASSERT_NE(pcBlock, nullptr);
    for (int i = 0; i < 64; ++i)
        pcBlock[i] = static_cast<unsigned char>(i);
    auto * pcGrown = pcBlock;
    for (unsigned long uSize = 96; uSize <= (4ul << 20) + 32; uSize = 2 * uSize - 32) // the large ones are remapped
    {
        pcGrown = static_cast<unsigned char *>(Pool.Reallocate(pcGrown, uSize));
        ASSERT_NE(pcGrown, nullptr);
    }
    EXPECT_GE(OEHeapSize(pcGrown), (4u << 20) + 32);
    OEHeapInjectFailure(1);
    EXPECT_EQ(Pool.Reallocate(pcGrown, 1u << 20), nullptr); // a failure keeps the block
    EXPECT_EQ(Pool.Allocate(16), nullptr);
    OEHeapStopFailures();
    for (int i = 0; i < 64; ++i)
        ASSERT_EQ(pcGrown[i], i);
    Pool.Free(pcGrown);
    delete &Pool;
    void * pStill = TakeBigBlock(); // the process pool is untouched
    EXPECT_NE(pStill, nullptr);
    Untracked().Free(pStill);
}

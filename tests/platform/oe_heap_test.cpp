#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_virtualmem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

TEST(OEHeap, BlocksAreAlignedAndSizedAndResizeInPlaceOrFailOrAreRemapped)
{
    void * pPool = OEHeapCreatePool(0x8002);
    std::vector<void *> arrBlocks;
    for (int i = 0; i < 9 * 16; ++i) // every size up to 8 bytes, many live at once, then larger ones
        arrBlocks.push_back(OEHeapAllocate(pPool, static_cast<std::size_t>(i % 9), 0));
    for (std::size_t uSize : {std::size_t(24), std::size_t(549), std::size_t(70000), OE_HEAP_LARGE_BLOCK})
    {
        arrBlocks.push_back(OEHeapAllocate(pPool, uSize, 0));
        ASSERT_NE(arrBlocks.back(), nullptr);
        EXPECT_GE(OEHeapSize(arrBlocks.back()), uSize);
        std::memset(arrBlocks.back(), 0x5A, uSize);
    }
    for (void * pBlock : arrBlocks)
    {
        ASSERT_NE(pBlock, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pBlock) % 16, 0u) << pBlock;
        OEHeapFree(pBlock);
    }

    void * pBlock = OEHeapAllocate(pPool, 40, 0);
    EXPECT_EQ(OEHeapResize(pBlock, OEHeapSize(pBlock), 4), pBlock);
    EXPECT_EQ(OEHeapResize(pBlock, 8, 4), pBlock);
    EXPECT_EQ(OEHeapResize(pBlock, 100000, 4), nullptr);
    OEHeapFree(pBlock);

    // Large blocks grow without copying.
    auto * pcBlock = static_cast<unsigned char *>(OEHeapAllocate(pPool, 2 << 20, 0));
    ASSERT_NE(pcBlock, nullptr);
    for (std::size_t i = 0; i < (2u << 20); i += 4096)
        pcBlock[i] = static_cast<unsigned char>(i >> 12);
    std::size_t uSize = 2 << 20;
    for (int iStep = 0; iStep < 600; ++iStep) // small steps: each one in place or remapped
    {
        uSize += 1024 * 17;
        auto * pcGrown = static_cast<unsigned char *>(OEHeapResize(pcBlock, uSize, 4));
        ASSERT_NE(pcGrown, nullptr) << uSize;
        pcBlock = pcGrown;
        pcBlock[uSize - 1] = 1;
    }
    EXPECT_GE(OEHeapSize(pcBlock), uSize);
    for (std::size_t i = 0; i < (2u << 20); i += 4096)
        ASSERT_EQ(pcBlock[i], static_cast<unsigned char>(i >> 12));
    OEHeapFree(pcBlock);
}

TEST(OEHeap, InjectedFailuresCountAllocationsAndStop)
{
    void * pPool = OEHeapCreatePool(0x8002);
    void * pKept = OEHeapAllocate(pPool, 16, 0);
    OEHeapInjectFailure(2, 1);
    void * pFirst = OEHeapAllocate(pPool, 16, 0);
    EXPECT_EQ(OEHeapResize(pKept, 8, 4), nullptr); // the second allocation from now
    void * pThird = OEHeapAllocate(pPool, 16, 0);
    EXPECT_TRUE(pFirst && pThird);

    OEHeapInjectFailure(1); // from the next one on, until turned off
    EXPECT_EQ(OEHeapAllocate(pPool, 16, 0), nullptr);
    EXPECT_EQ(OEHeapAllocate(pPool, 4 << 20, 0), nullptr);
    EXPECT_EQ(OEHeapResize(pKept, 8, 4), nullptr);
    OEHeapStopFailures();
    void * pAfter = OEHeapAllocate(pPool, 16, 0);
    EXPECT_NE(pAfter, nullptr);
    for (void * pBlock : {pKept, pFirst, pThird, pAfter})
        OEHeapFree(pBlock);
}

TEST(OEVirtualMemory, ReserveCommitDecommitRelease)
{
    std::size_t const uSize = std::size_t(64) << 20;
    auto * pcRange = static_cast<unsigned char *>(OEVirtualReserve(uSize));
    ASSERT_NE(pcRange, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(pcRange) % OEVirtualPageSize(), 0u);
    ASSERT_TRUE(OEVirtualCommit(pcRange, 3 * OEVirtualPageSize() + 1));
    pcRange[0] = 7;
    pcRange[4 * OEVirtualPageSize() - 1] = 9; // the partial page is committed whole
    ASSERT_TRUE(OEVirtualDecommit(pcRange, 4 * OEVirtualPageSize()));
    ASSERT_TRUE(OEVirtualCommit(pcRange, OEVirtualPageSize()));
    EXPECT_EQ(pcRange[0], 0); // decommitted contents are gone
    EXPECT_TRUE(OEVirtualRelease(pcRange, uSize));
}

TEST(OEVirtualMemoryDeathTest, DecommittedPagesFault)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto * pcRange = static_cast<unsigned char volatile *>(OEVirtualReserve(1 << 20));
    ASSERT_NE(pcRange, nullptr);
    EXPECT_DEATH(pcRange[0] = 1, "");
    OEVirtualRelease(const_cast<unsigned char *>(pcRange), 1 << 20);
}

#include <vellmark/containers/oe_sort.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <numeric>
#include <string>
#include <vector>

namespace
{
    // A key to sort by and the element's original position, to see stability.
    struct SItem
    {
        uint32_t m_uKey;
        uint32_t m_uOrigin;
    };

    template <unsigned long t_uSize> struct SWideItem
    {
        uint32_t m_uKey;
        unsigned char m_arrPad[t_uSize - 4];
    };

    // Records what the sort asks of the compare function.
    struct SCompareLog
    {
        char const * m_pBase = nullptr;
        unsigned long m_uSize = 0;
        int m_iCalls = 0;
        bool m_bOnlyNeighbours = true; // every call compared an element with its predecessor
        bool m_bElementFirst = true;   // ... and gave the later element first
    };
    SCompareLog g_Log;

    int LoggingCompare(void const * a_p1, void const * a_p2)
    {
        ++g_Log.m_iCalls;
        long const lDistance = static_cast<char const *>(a_p1) - static_cast<char const *>(a_p2);
        if (lDistance != static_cast<long>(g_Log.m_uSize) && lDistance != -static_cast<long>(g_Log.m_uSize))
            g_Log.m_bOnlyNeighbours = false;
        if (lDistance != static_cast<long>(g_Log.m_uSize))
            g_Log.m_bElementFirst = false;
        return g_ArraySortDefaultCompare(a_p1, a_p2);
    }

    void StartLog(void const * a_pBase, unsigned long a_uSize)
    {
        g_Log = SCompareLog();
        g_Log.m_pBase = static_cast<char const *>(a_pBase);
        g_Log.m_uSize = a_uSize;
    }

    std::vector<SItem> MakeItems(std::vector<uint32_t> const & a_arrKeys)
    {
        std::vector<SItem> arrItems;
        for (uint32_t u = 0; u < a_arrKeys.size(); ++u)
            arrItems.push_back({a_arrKeys[u], u});
        return arrItems;
    }
} // namespace

TEST(g_ArraySortDefaultCompare, ComparesTheFirstUnsignedWord)
{
    SItem const Small{1, 99};
    SItem const Large{0x80000000u, 0};
    SItem const Same{1, 0};
    EXPECT_EQ(g_ArraySortDefaultCompare(&Small, &Large), -1);
    EXPECT_EQ(g_ArraySortDefaultCompare(&Large, &Small), 1); // unsigned: the high bit is large
    EXPECT_EQ(g_ArraySortDefaultCompare(&Small, &Same), 0);  // the rest of the element is ignored
}

TEST(g_ArrayInsertionSort, SortsAscendingAndKeepsEqualElementsInOrder)
{
    std::vector<SItem> arrItems = MakeItems({5, 3, 5, 1, 3, 9, 0, 5, 1});
    g_ArrayInsertionSort(arrItems.data(), arrItems.size(), sizeof(SItem), g_ArraySortDefaultCompare, false);
    std::vector<SItem> arrExpected = MakeItems({5, 3, 5, 1, 3, 9, 0, 5, 1});
    std::stable_sort(arrExpected.begin(), arrExpected.end(),
                     [](SItem const & a, SItem const & b) { return a.m_uKey < b.m_uKey; });
    for (size_t u = 0; u < arrItems.size(); ++u)
    {
        EXPECT_EQ(arrItems[u].m_uKey, arrExpected[u].m_uKey) << u;
        EXPECT_EQ(arrItems[u].m_uOrigin, arrExpected[u].m_uOrigin) << u;
    }
}

TEST(g_ArrayInsertionSort, ComparesEachElementWithItsPredecessorOnly)
{
    std::vector<SItem> arrItems = MakeItems({4, 2, 7, 1, 1, 8, 3});
    StartLog(arrItems.data(), sizeof(SItem));
    g_ArrayInsertionSort(arrItems.data(), arrItems.size(), sizeof(SItem), LoggingCompare, false);
    EXPECT_TRUE(g_Log.m_bOnlyNeighbours);
    EXPECT_TRUE(g_Log.m_bElementFirst);
    EXPECT_TRUE(std::is_sorted(arrItems.begin(), arrItems.end(),
                               [](SItem const & a, SItem const & b) { return a.m_uKey < b.m_uKey; }));
}

TEST(g_ArrayInsertionSort, TwoEqualElementsStayWhereTheyAre)
{
    std::vector<SItem> arrItems = MakeItems({7, 7});
    StartLog(arrItems.data(), sizeof(SItem));
    g_ArrayInsertionSort(arrItems.data(), 2, sizeof(SItem), LoggingCompare, true);
    EXPECT_EQ(g_Log.m_iCalls, 1);
    EXPECT_EQ(arrItems[0].m_uOrigin, 0u);
    EXPECT_EQ(arrItems[1].m_uOrigin, 1u);
}

TEST(g_ArrayInsertionSort, FewerThanTwoElementsAreNotCompared)
{
    SItem Item{3, 0};
    StartLog(&Item, sizeof(SItem));
    g_ArrayInsertionSort(&Item, 1, sizeof(SItem), LoggingCompare, false);
    g_ArrayInsertionSort(nullptr, 0, sizeof(SItem), LoggingCompare, false);
    EXPECT_EQ(g_Log.m_iCalls, 0);
}

TEST(g_ArrayInsertionSort, ElementsOfTwentyFourBytesUseTheInsertionSort)
{
    std::vector<SWideItem<24>> arrItems(30);
    for (uint32_t u = 0; u < 30; ++u)
        arrItems[u].m_uKey = u; // already sorted: insertion sort asks only neighbours
    StartLog(arrItems.data(), 24);
    g_ArrayInsertionSort(arrItems.data(), 30, 24, LoggingCompare, false);
    EXPECT_EQ(g_Log.m_iCalls, 29);
    EXPECT_TRUE(g_Log.m_bOnlyNeighbours);
}

TEST(g_ArrayInsertionSort, ElementsLargerThanTwentyFourBytesAlwaysUseQuicksort)
{
    std::vector<SWideItem<32>> arrItems(30);
    for (uint32_t u = 0; u < 30; ++u)
        arrItems[u].m_uKey = (u * 7) % 30;
    StartLog(arrItems.data(), 32);
    g_ArrayInsertionSort(arrItems.data(), 30, 32, LoggingCompare, false);
    EXPECT_FALSE(g_Log.m_bOnlyNeighbours && g_Log.m_bElementFirst);
    for (uint32_t u = 0; u < 30; ++u)
        EXPECT_EQ(arrItems[u].m_uKey, u);
}

// Reversed input of n elements needs n(n-1)/2 swaps. Twelve pass the threshold of 60 at the last element (66)
// and go to quicksort when the swaps are limited; eleven reach exactly 55, which is not past it.
TEST(g_ArrayInsertionSort, SwapLimitHandsReversedInputToQuicksort)
{
    struct
    {
        uint32_t m_uCount;
        bool m_bSwapLimit;
        bool m_bInsertionOnly;
    } const Cases[] = {{12, true, false}, {12, false, true}, {11, true, true}};
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(std::to_string(Case.m_uCount) + (Case.m_bSwapLimit ? " limited" : " free"));
        std::vector<uint32_t> arrKeys(Case.m_uCount);
        std::iota(arrKeys.rbegin(), arrKeys.rend(), 0u);
        std::vector<SItem> arrItems = MakeItems(arrKeys);
        StartLog(arrItems.data(), sizeof(SItem));
        g_ArrayInsertionSort(arrItems.data(), Case.m_uCount, sizeof(SItem), LoggingCompare, Case.m_bSwapLimit);
        EXPECT_EQ(g_Log.m_bOnlyNeighbours && g_Log.m_bElementFirst, Case.m_bInsertionOnly);
        if (Case.m_bInsertionOnly)
        { // every pair compared once, every comparison a swap
            EXPECT_EQ(g_Log.m_iCalls, static_cast<int>(Case.m_uCount * (Case.m_uCount - 1) / 2));
        }
        for (uint32_t u = 0; u < Case.m_uCount; ++u)
            EXPECT_EQ(arrItems[u].m_uKey, u);
    }
}

TEST(g_ArrayInsertionSort, SortsOddElementSizes)
{
    // Three-byte elements compared by their first byte, swapped through the buffer.
    unsigned char arrBytes[] = {3, 'c', 'c', 1, 'a', 'a', 2, 'b', 'b', 1, 'z', 'z'};
    auto const funcCompare = [](void const * a, void const * b) {
        return int(*static_cast<unsigned char const *>(a)) - int(*static_cast<unsigned char const *>(b));
    };
    g_ArrayInsertionSort(arrBytes, 4, 3, funcCompare, false);
    unsigned char const arrExpected[] = {1, 'a', 'a', 1, 'z', 'z', 2, 'b', 'b', 3, 'c', 'c'};
    EXPECT_EQ(0, std::memcmp(arrBytes, arrExpected, sizeof(arrBytes)));
}

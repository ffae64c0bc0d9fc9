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
    // Records what the sort asks of the compare function.
    struct SCompareLog
    {
        unsigned long m_uSize = 0;
        int m_iCalls = 0;
        bool m_bInsertionOnly = true; // every call gave an element and then its predecessor
    };
    SCompareLog g_Log;

    int LoggingCompare(void const * a_p1, void const * a_p2)
    {
        ++g_Log.m_iCalls;
        long const lDistance = static_cast<char const *>(a_p1) - static_cast<char const *>(a_p2);
        g_Log.m_bInsertionOnly = g_Log.m_bInsertionOnly && lDistance == static_cast<long>(g_Log.m_uSize);
        return g_ArraySortDefaultCompare(a_p1, a_p2);
    }

    // Sorts the keys as elements of t_uSize bytes (the key first, then the original position, to see
    // stability); gives the keys and origins afterwards.
    template <unsigned long t_uSize>
    std::vector<uint32_t> Sort(std::vector<uint32_t> const & a_arrKeys, bool a_bSwapLimit,
                               std::vector<uint32_t> * a_pOrigins = nullptr)
    {
        std::vector<unsigned char> arrItems(a_arrKeys.size() * t_uSize);
        for (uint32_t u = 0; u < a_arrKeys.size(); ++u)
        {
            std::memcpy(&arrItems[u * t_uSize], &a_arrKeys[u], 4);
            std::memcpy(&arrItems[u * t_uSize + 4], &u, 4);
        }
        g_Log = SCompareLog();
        g_Log.m_uSize = t_uSize;
        g_ArrayInsertionSort(arrItems.data(), a_arrKeys.size(), t_uSize, LoggingCompare, a_bSwapLimit);
        std::vector<uint32_t> arrKeys(a_arrKeys.size());
        for (uint32_t u = 0; u < a_arrKeys.size(); ++u)
        {
            std::memcpy(&arrKeys[u], &arrItems[u * t_uSize], 4);
            if (a_pOrigins)
                std::memcpy(&a_pOrigins->emplace_back(), &arrItems[u * t_uSize + 4], 4);
        }
        return arrKeys;
    }
} // namespace

TEST(g_ArrayInsertionSort, StableAscendingAndQuicksortForLargeElementsOrPastTheSwapLimit)
{
    uint32_t const Small[2] = {1, 99}, Large[2] = {0x80000000u, 0}, Same[2] = {1, 0};
    EXPECT_EQ(g_ArraySortDefaultCompare(Small, Large), -1);
    EXPECT_EQ(g_ArraySortDefaultCompare(Large, Small), 1); // unsigned: the high bit is large
    EXPECT_EQ(g_ArraySortDefaultCompare(Small, Same), 0);  // the rest of the element is ignored

    // The sort: stable, ascending, comparing neighbours only.
    std::vector<uint32_t> arrOrigins;
    EXPECT_EQ(Sort<8>({5, 3, 5, 1, 3, 9, 0, 5, 1}, false, &arrOrigins),
              (std::vector<uint32_t>{0, 1, 1, 3, 3, 5, 5, 5, 9}));
    EXPECT_EQ(arrOrigins, (std::vector<uint32_t>{6, 3, 8, 1, 4, 0, 2, 7, 5}));
    EXPECT_TRUE(g_Log.m_bInsertionOnly);

    arrOrigins.clear(); // two equal elements stay where they are, after one comparison
    Sort<8>({7, 7}, true, &arrOrigins);
    EXPECT_EQ(arrOrigins, (std::vector<uint32_t>{0, 1}));
    EXPECT_EQ(g_Log.m_iCalls, 1);

    // Elements larger than 24 bytes always use quicksort.
    std::vector<uint32_t> arrKeys(30), arrSorted(30);
    std::iota(arrSorted.begin(), arrSorted.end(), 0u);
    EXPECT_EQ(Sort<24>(arrSorted, false), arrSorted); // sorted already: only neighbours asked
    EXPECT_EQ(g_Log.m_iCalls, 29);
    EXPECT_TRUE(g_Log.m_bInsertionOnly);
    for (uint32_t u = 0; u < 30; ++u)
        arrKeys[u] = (u * 7) % 30;
    EXPECT_EQ(Sort<32>(arrKeys, false), arrSorted);
    EXPECT_FALSE(g_Log.m_bInsertionOnly);

    // Reversed input of n elements needs n(n-1)/2 swaps: twelve pass the threshold of 60 (66), eleven reach 55.
    struct
    {
        uint32_t m_uCount;
        bool m_bSwapLimit;
        bool m_bInsertionOnly;
    } const Cases[] = {{12, true, false}, {12, false, true}, {11, true, true}};
    for (auto const & Case : Cases)
    {
        SCOPED_TRACE(std::to_string(Case.m_uCount) + (Case.m_bSwapLimit ? " limited" : " free"));
        std::vector<uint32_t> arrKeys(Case.m_uCount), arrSorted(Case.m_uCount);
        std::iota(arrKeys.rbegin(), arrKeys.rend(), 0u);
        std::iota(arrSorted.begin(), arrSorted.end(), 0u);
        EXPECT_EQ(Sort<8>(arrKeys, Case.m_bSwapLimit), arrSorted);
        EXPECT_EQ(g_Log.m_bInsertionOnly, Case.m_bInsertionOnly);
        int const iPairs = static_cast<int>(Case.m_uCount * (Case.m_uCount - 1) / 2);
        EXPECT_TRUE(!Case.m_bInsertionOnly || g_Log.m_iCalls == iPairs); // each pair once, each a swap
    }

    // Three-byte elements compared by their first byte, swapped through the buffer.
    // Three-byte elements compared by their first byte, swapped through the buffer.
    unsigned char arrBytes[] = {3, 'c', 'c', 1, 'a', 'a', 2, 'b', 'b', 1, 'z', 'z'};
    auto const funcCompare = [](void const * a, void const * b) {
        return int(*static_cast<unsigned char const *>(a)) - int(*static_cast<unsigned char const *>(b));
    };
    g_ArrayInsertionSort(arrBytes, 4, 3, funcCompare, false);
    unsigned char const arrExpected[] = {1, 'a', 'a', 1, 'z', 'z', 2, 'b', 'b', 3, 'c', 'c'};
    EXPECT_EQ(0, std::memcmp(arrBytes, arrExpected, sizeof(arrBytes)));
}


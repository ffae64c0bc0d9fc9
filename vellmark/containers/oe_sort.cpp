#include <vellmark/containers/oe_sort.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
    // The largest element the insertion sort swaps; larger ones go to qsort.
    constexpr unsigned long kMaxSwapSize = 24;
    constexpr unsigned long kFirstSwapThreshold = 10;
    constexpr unsigned long kSwapThresholdStep = 5;

    unsigned char s_arrSwapBuffer[kMaxSwapSize];

    // t_uSize > 0 fixes the element size at compile time so that the copies
    // become plain moves; 0 takes the size at run time.
    template <unsigned long t_uSize>
    void SwapElements(unsigned char * a_pFirst, unsigned char * a_pSecond, unsigned long a_uSize)
    {
        unsigned long const uSize = t_uSize ? t_uSize : a_uSize;
        std::memcpy(s_arrSwapBuffer, a_pFirst, uSize);
        std::memcpy(a_pFirst, a_pSecond, uSize);
        std::memcpy(a_pSecond, s_arrSwapBuffer, uSize);
    }

    // Moves the element at a_uIndex towards the front; returns the swaps made.
    template <unsigned long t_uSize, typename TCompare>
    unsigned long SinkElement(unsigned char * a_pBase, unsigned long a_uIndex, unsigned long a_uSize,
                              TCompare a_funcCompare)
    {
        unsigned long const uSize = t_uSize ? t_uSize : a_uSize;
        unsigned long uSwaps = 0;
        for (unsigned long u = a_uIndex; u > 0; --u)
        {
            unsigned char * pElement = a_pBase + u * uSize;
            unsigned char * pPredecessor = pElement - uSize;
            if (a_funcCompare(pElement, pPredecessor) >= 0)
                break;
            SwapElements<t_uSize>(pElement, pPredecessor, uSize);
            ++uSwaps;
        }
        return uSwaps;
    }

    // The insertion sort; false when the swap limit gives the array to qsort.
    template <unsigned long t_uSize, typename TCompare>
    bool InsertionSort(unsigned char * a_pBase, unsigned long a_uCount, unsigned long a_uSize, TCompare a_funcCompare,
                       bool a_bSwapLimit)
    {
        unsigned long uSwaps = 0;
        unsigned long uThreshold = kFirstSwapThreshold;
        for (unsigned long u = 1; u < a_uCount; ++u)
        {
            uSwaps += SinkElement<t_uSize, TCompare>(a_pBase, u, a_uSize, a_funcCompare);
            if (a_bSwapLimit && uSwaps > uThreshold)
                return false;
            uThreshold += kSwapThresholdStep;
        }
        return true;
    }

    template <typename TCompare>
    bool DispatchInsertionSort(unsigned char * a_pBase, unsigned long a_uCount, unsigned long a_uSize,
                               TCompare a_funcCompare, bool a_bSwapLimit)
    {
        switch (a_uSize)
        {
        case 4: return InsertionSort<4>(a_pBase, a_uCount, a_uSize, a_funcCompare, a_bSwapLimit);
        case 8: return InsertionSort<8>(a_pBase, a_uCount, a_uSize, a_funcCompare, a_bSwapLimit);
        case 12: return InsertionSort<12>(a_pBase, a_uCount, a_uSize, a_funcCompare, a_bSwapLimit);
        case 16: return InsertionSort<16>(a_pBase, a_uCount, a_uSize, a_funcCompare, a_bSwapLimit);
        default: return InsertionSort<0>(a_pBase, a_uCount, a_uSize, a_funcCompare, a_bSwapLimit);
        }
    }

    // The default compare, visible to the compiler so that it can be inlined.
    struct SDefaultCompare
    {
        int operator()(void const * a_pElement1, void const * a_pElement2) const
        {
            uint32_t u1;
            uint32_t u2;
            std::memcpy(&u1, a_pElement1, sizeof(u1));
            std::memcpy(&u2, a_pElement2, sizeof(u2));
            if (u1 < u2)
                return -1;
            return u1 > u2 ? 1 : 0;
        }
    };
} // namespace

int g_ArraySortDefaultCompare(void const * a_pElement1, void const * a_pElement2)
{
    return SDefaultCompare()(a_pElement1, a_pElement2);
}

void g_ArrayInsertionSort(void * a_pBase, unsigned long a_uCount, unsigned long a_uElementSize,
                          bFArraySortCompare a_funcCompare, bool a_bSwapLimit)
{
    if (a_uElementSize > kMaxSwapSize)
    {
        if (a_uCount > 1) // qsort wants a non-null base even for nothing to sort
            std::qsort(a_pBase, a_uCount, a_uElementSize, a_funcCompare);
        return;
    }
    if (a_uCount < 2)
        return;
    unsigned char * pBase = static_cast<unsigned char *>(a_pBase);
    bool const bSorted = a_funcCompare == g_ArraySortDefaultCompare
                             ? DispatchInsertionSort(pBase, a_uCount, a_uElementSize, SDefaultCompare(), a_bSwapLimit)
                             : DispatchInsertionSort(pBase, a_uCount, a_uElementSize, a_funcCompare, a_bSwapLimit);
    if (!bSorted)
        std::qsort(a_pBase, a_uCount, a_uElementSize, a_funcCompare);
}

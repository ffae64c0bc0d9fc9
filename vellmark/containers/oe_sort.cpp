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

    void SwapElements(unsigned char * a_pFirst, unsigned char * a_pSecond, unsigned long a_uSize)
    {
        std::memcpy(s_arrSwapBuffer, a_pFirst, a_uSize);
        std::memcpy(a_pFirst, a_pSecond, a_uSize);
        std::memcpy(a_pSecond, s_arrSwapBuffer, a_uSize);
    }

    // Moves the element at a_uIndex towards the front; returns the swaps made.
    unsigned long SinkElement(unsigned char * a_pBase, unsigned long a_uIndex, unsigned long a_uSize,
                              bFArraySortCompare a_funcCompare)
    {
        unsigned long uSwaps = 0;
        for (unsigned long u = a_uIndex; u > 0; --u)
        {
            unsigned char * pElement = a_pBase + u * a_uSize;
            unsigned char * pPredecessor = pElement - a_uSize;
            if (a_funcCompare(pElement, pPredecessor) >= 0)
                break;
            SwapElements(pElement, pPredecessor, a_uSize);
            ++uSwaps;
        }
        return uSwaps;
    }
} // namespace

int g_ArraySortDefaultCompare(void const * a_pElement1, void const * a_pElement2)
{
    uint32_t u1;
    uint32_t u2;
    std::memcpy(&u1, a_pElement1, sizeof(u1));
    std::memcpy(&u2, a_pElement2, sizeof(u2));
    if (u1 < u2)
        return -1;
    return u1 > u2 ? 1 : 0;
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
    unsigned long uSwaps = 0;
    unsigned long uThreshold = kFirstSwapThreshold;
    for (unsigned long u = 1; u < a_uCount; ++u)
    {
        uSwaps += SinkElement(pBase, u, a_uElementSize, a_funcCompare);
        if (a_bSwapLimit && uSwaps > uThreshold)
        {
            std::qsort(a_pBase, a_uCount, a_uElementSize, a_funcCompare);
            return;
        }
        uThreshold += kSwapThresholdStep;
    }
}

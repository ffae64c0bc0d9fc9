#ifndef OE_SORT_H_INCLUDED
#define OE_SORT_H_INCLUDED

// Sorting of raw element arrays.
//
// g_ArrayInsertionSort sorts ascending by a compare function of two element
// pointers (negative, zero or positive, as for qsort):
// - elements larger than 24 bytes are sorted with the standard qsort;
// - otherwise a stable insertion sort runs: an element moves towards the front
//   while compare(element, predecessor) is negative;
// - with the swap limit set, the insertion sort gives way to qsort once the
//   swaps counted so far exceed a threshold that starts at 10 and rises by 5
//   with every element placed (nearly sorted input stays on the cheap path).
// Swaps go through one static 24-byte buffer: two threads must not sort at the
// same time.

#include <vellmark/kernel/oe_types.h>

typedef int (*bFArraySortCompare)(void const * a_pElement1, void const * a_pElement2);

// Compares the first unsigned 32-bit word of each element: -1, 0 or 1.
OE_API int g_ArraySortDefaultCompare(void const * a_pElement1, void const * a_pElement2);

OE_API void g_ArrayInsertionSort(void * a_pBase, unsigned long a_uCount, unsigned long a_uElementSize,
                                 bFArraySortCompare a_funcCompare, bool a_bSwapLimit);

#endif

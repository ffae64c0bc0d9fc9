#ifndef OE_SINGLETHREADED_H_INCLUDED
#define OE_SINGLETHREADED_H_INCLUDED

// Whether the process has only ever run one thread. Shared counters use plain
// arithmetic while this holds and atomic operations afterwards: the C library
// clears the flag before a second thread starts, and thread creation orders
// every earlier plain access before the new thread's first one.
//
// Internal to the library; include it from .cpp files only.

#include <sys/single_threaded.h>

inline bool OE_IsSingleThreaded()
{
    return __libc_single_threaded != 0;
}

#endif

#ifndef OE_SINGLETHREADED_H_INCLUDED
#define OE_SINGLETHREADED_H_INCLUDED

// Whether the process has only ever run one thread. Shared counters use plain
// arithmetic while this holds and atomic operations afterwards: the C library
// clears the flag before a second thread starts, and thread creation orders
// every earlier plain access before the new thread's first one.
//
// Internal to the library; include it from .cpp files only.

#include <sys/single_threaded.h>
#include <unistd.h>

inline bool OE_IsSingleThreaded()
{
    return __libc_single_threaded != 0;
}

// Whether the caller is the process's first thread: the one thread of a
// process for which OE_IsSingleThreaded held. Two system calls.
inline bool OE_IsFirstThread()
{
    return gettid() == getpid();
}

#endif

#ifndef OE_THREADING_H_INCLUDED
#define OE_THREADING_H_INCLUDED

// Stand-ins for the kernel's thread services: thread ids, sleeping, threads
// with a bounded join, thread priorities and events.
//
// Thread ids are 32-bit, never 0 and never reused while the process runs
// (0 marks a free slot in the tables that store them).
//
// Priorities take the kernel's values (-15 idle, -2 lowest ... 2 highest, 15
// time critical) and become nice values of the thread, relative to the nice
// value the process had when the library was loaded: idle +19, lowest +10,
// below normal +5, normal 0, above normal -5, highest -10, time critical -20,
// clamped to the range 19..-20. An unprivileged process may only move a thread
// to a higher nice value (lower priority), unless RLIMIT_NICE allows more; a
// request for more than is allowed gets the highest priority allowed.
//
// Events: auto-reset events release one waiter per signal and reset
// themselves; manual-reset events stay signalled until reset. Pulse releases
// the waiters present at that moment (one for auto-reset) and leaves the event
// reset.

#include <vellmark/platform/oe_export.h>

#include <cstdint>

struct OEThread;
struct OEEvent;

typedef unsigned long (*OEThreadProc)(void * a_pParam);

// The calling thread's id, 0 until its first use; read through OEGetCurrentThreadId. Locks ask for
// it on every call, so it is one load from the thread's static block.
extern OE_API constinit thread_local uint32_t g_tuCurrentThreadId __attribute__((tls_model("initial-exec")));
OE_API uint32_t OEAssignCurrentThreadId();

inline uint32_t OEGetCurrentThreadId()
{
    uint32_t const uId = g_tuCurrentThreadId;
    return uId != 0 ? uId : OEAssignCurrentThreadId();
}
OE_API void OESleep(unsigned long a_uMilliseconds); // 0 yields the processor

// Starts a thread at once with the default stack size; null on failure.
OE_API OEThread * OECreateThread(OEThreadProc a_funcProc, void * a_pParam);
// True when the thread ended within the time (a negative time waits without limit).
OE_API bool OEWaitForThread(OEThread * a_pThread, long a_iMilliseconds);
// Releases the handle; a thread that still runs keeps running, detached.
OE_API void OECloseThread(OEThread * a_pThread);
OE_API uint32_t OEGetThreadId(OEThread const * a_pThread); // 0 until the thread has started
OE_API bool OESetThreadPriority(OEThread * a_pThread, int a_iPriority);
OE_API int OEGetThreadNiceValue(OEThread * a_pThread); // the nice value the priority became
OE_API int OEGetBaseNiceValue();

OE_API OEEvent * OECreateEvent(bool a_bManualReset, bool a_bInitialState);
OE_API void OECloseEvent(OEEvent * a_pEvent);
OE_API void OESetEvent(OEEvent * a_pEvent);
OE_API void OEResetEvent(OEEvent * a_pEvent);
OE_API void OEPulseEvent(OEEvent * a_pEvent);
// True when signalled within the time (a negative time waits without limit).
OE_API bool OEWaitForEvent(OEEvent * a_pEvent, long a_iMilliseconds);

#endif

#ifndef OE_THREAD_H_INCLUDED
#define OE_THREAD_H_INCLUDED

// Threads. bCThreadWin32 runs a plain procedure on a thread of its own;
// bCThreadWin32Ex runs the virtual ThreadProc of a derived class and keeps a
// running flag.
//
// EnableThreads(false) switches every bCThreadWin32Ex of the process to
// synchronous work: StartThread runs ThreadProc on the calling thread and
// returns after it; EndThread then leaves the work and StartThread returns
// true, while the calling thread goes on.
//
// Destroying waits up to 3,000 ms for the thread and then lets it run on
// detached; a bCThreadWin32Ex must therefore not be destroyed while its
// ThreadProc may still run. A C++ exception escaping ThreadProc is reported and
// ends the work as if ThreadProc had returned; hardware faults go to the
// process-wide crash handler.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_types.h>

#include <atomic>
#include <cstdint>

struct OEThread;

class OE_API bCThreadWin32
{
public:
    // The kernel's thread priorities; see oe_threading.h for what they become here.
    enum bEThreadPriority
    {
        bEThreadPriority_Idle = -15,
        bEThreadPriority_Lowest = -2,
        bEThreadPriority_BelowNormal = -1,
        bEThreadPriority_Normal = 0,
        bEThreadPriority_AboveNormal = 1,
        bEThreadPriority_Highest = 2,
        bEThreadPriority_TimeCritical = 15,
    };

    // The copy handed to the thread procedure.
    struct bSThreadContext
    {
        uintptr_t m_uOwner = 0; // for bCThreadWin32Ex the thread object itself
        uint32_t m_uParam = 0;
    };

    typedef unsigned long (*bFThreadProc)(void * a_pContext);

public:
    bCThreadWin32();
    ~bCThreadWin32();
    bCThreadWin32(bCThreadWin32 const &) = delete;
    bCThreadWin32 & operator=(bCThreadWin32 const &) = delete;

public:
    // Starts proc with the address of the object's copy of the context; true when a thread runs.
    bool Create(bSThreadContext const & a_Context, bFThreadProc a_funcProc);
    void Destroy(); // waits up to 3,000 ms, never terminates the thread
    bool IsValid() const;
    void * GetHandle() const;
    void SetPriority(bEThreadPriority a_ePriority);
    bSThreadContext const & GetContext() const;

private:
    OEThread * m_hThread;
    bSThreadContext m_Context;
};

class OE_API bCThreadWin32Ex
{
public:
    bCThreadWin32Ex();
    virtual ~bCThreadWin32Ex();
    bCThreadWin32Ex(bCThreadWin32Ex const &) = delete;
    bCThreadWin32Ex & operator=(bCThreadWin32Ex const &) = delete;

public:
    bool StartThread();          // false while running or when no thread could be started
    bool EndThread();            // from inside ThreadProc: leaves the work at once
    void WaitIfThreadFinished(); // returns once the work has finished
    void SleepThread(unsigned long a_uMilliseconds);
    static void EnableThreads(bool a_bEnable);

protected:
    virtual unsigned long ThreadProc() = 0; // the work; its result is not used
    static unsigned long ThreadFunc(void * a_pContext);

private:
    void RunWork();

protected:
    bCThreadWin32 m_Thread;
    bCCriticalSectionWin32 m_CriticalSection;
    std::atomic<bool> m_bRunning;

public:
    static std::atomic<bool> ms_bEnableThreads; // false: StartThread runs the work on the caller's thread
};

#endif

#include <vellmark/platform/oe_threading.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <new>
#include <thread>

#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

struct OEThread
{
    std::mutex m_Mutex;
    std::condition_variable m_Ended;
    bool m_bFinished = false;
    bool m_bPendingPriority = false;
    int m_iPendingNice = 0;
    pid_t m_iKernelId = 0;
    uint32_t m_uId = 0;
    std::atomic<int> m_iReferences{2}; // the handle and the running thread
    pthread_t m_Handle{};
    OEThreadProc m_funcProc = nullptr;
    void * m_pParam = nullptr;
};

struct OEEvent
{
    std::mutex m_Mutex;
    std::condition_variable m_Changed;
    bool m_bManualReset = false;
    // Signal and reset skip the mutex when nobody waits; waiter count and state are seq_cst so that
    // a signaller and a new waiter always see one another (one of them at least).
    std::atomic<bool> m_bSignalled{false};
    std::atomic<uint32_t> m_uWaiters{0};
    uint64_t m_uGeneration = 0;   // counts pulses; a waiter may take a pulse made after it began
    uint32_t m_uPulseTickets = 0; // waiters a pulse may still release
};

namespace
{
    std::atomic<uint32_t> g_uNextThreadId{1};
    // Nice values are relative to what the process had when the library came in.
    int const g_iBaseNice = getpriority(PRIO_PROCESS, 0);

    void ReleaseThread(OEThread * a_pThread)
    {
        if (a_pThread->m_iReferences.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete a_pThread;
    }

    int NiceForPriority(int a_iPriority)
    {
        int iOffset = -5 * a_iPriority;
        if (a_iPriority <= -15)
            iOffset = 19;
        else if (a_iPriority >= 15)
            iOffset = -20;
        return std::clamp(g_iBaseNice + iOffset, -20, 19);
    }

    // Unprivileged threads may not go below 20 - RLIMIT_NICE: fall back to the lowest nice allowed.
    bool ApplyNice(pid_t a_iKernelId, int a_iNice)
    {
        if (setpriority(PRIO_PROCESS, static_cast<id_t>(a_iKernelId), a_iNice) == 0)
            return true;
        rlimit Limit{};
        if (errno != EPERM && errno != EACCES)
            return false;
        if (getrlimit(RLIMIT_NICE, &Limit) != 0)
            return false;
        int const iLowest = 20 - static_cast<int>(std::min<rlim_t>(Limit.rlim_cur, 40));
        if (iLowest <= a_iNice || iLowest > 19)
            return false;
        return setpriority(PRIO_PROCESS, static_cast<id_t>(a_iKernelId), iLowest) == 0;
    }

    struct FinishGuard
    {
        OEThread * m_pThread;
        // Runs on return and on unwinding (pthread_exit unwinds too), so waiters always learn of the end.
        ~FinishGuard()
        {
            {
                std::lock_guard<std::mutex> Lock(m_pThread->m_Mutex);
                m_pThread->m_bFinished = true;
            }
            m_pThread->m_Ended.notify_all();
            ReleaseThread(m_pThread);
        }
    };

    void * ThreadStart(void * a_pParam)
    {
        OEThread * pThread = static_cast<OEThread *>(a_pParam);
        {
            std::lock_guard<std::mutex> Lock(pThread->m_Mutex);
            pThread->m_iKernelId = gettid();
            pThread->m_uId = OEGetCurrentThreadId();
            if (pThread->m_bPendingPriority)
                ApplyNice(pThread->m_iKernelId, pThread->m_iPendingNice);
        }
        FinishGuard Guard{pThread};
        pThread->m_funcProc(pThread->m_pParam);
        return nullptr;
    }

    template <typename Predicate>
    bool WaitUntil(std::condition_variable & a_Condition, std::unique_lock<std::mutex> & a_Lock, long a_iMilliseconds,
                   Predicate a_Predicate)
    {
        if (a_iMilliseconds < 0)
        {
            a_Condition.wait(a_Lock, a_Predicate);
            return true;
        }
        return a_Condition.wait_for(a_Lock, std::chrono::milliseconds(a_iMilliseconds), a_Predicate);
    }
} // namespace

constinit thread_local uint32_t g_tuCurrentThreadId __attribute__((tls_model("initial-exec"))) = 0;

uint32_t OEAssignCurrentThreadId()
{
    while (g_tuCurrentThreadId == 0)
        g_tuCurrentThreadId = g_uNextThreadId.fetch_add(1, std::memory_order_relaxed);
    return g_tuCurrentThreadId;
}

void OESleep(unsigned long a_uMilliseconds)
{
    if (a_uMilliseconds == 0)
        std::this_thread::yield();
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(a_uMilliseconds));
}

OEThread * OECreateThread(OEThreadProc a_funcProc, void * a_pParam)
{
    if (!a_funcProc)
        return nullptr;
    OEThread * pThread = new (std::nothrow) OEThread;
    if (!pThread)
        return nullptr;
    pThread->m_funcProc = a_funcProc;
    pThread->m_pParam = a_pParam;
    if (pthread_create(&pThread->m_Handle, nullptr, &ThreadStart, pThread) != 0)
    {
        delete pThread;
        return nullptr;
    }
    return pThread;
}

bool OEWaitForThread(OEThread * a_pThread, long a_iMilliseconds)
{
    if (!a_pThread)
        return true;
    std::unique_lock<std::mutex> Lock(a_pThread->m_Mutex);
    return WaitUntil(a_pThread->m_Ended, Lock, a_iMilliseconds, [a_pThread] { return a_pThread->m_bFinished; });
}

void OECloseThread(OEThread * a_pThread)
{
    if (!a_pThread)
        return;
    bool bFinished;
    {
        std::lock_guard<std::mutex> Lock(a_pThread->m_Mutex);
        bFinished = a_pThread->m_bFinished;
    }
    // A finished thread is joined so that its resources go at once; a running one goes on alone.
    if (bFinished)
        pthread_join(a_pThread->m_Handle, nullptr);
    else
        pthread_detach(a_pThread->m_Handle);
    ReleaseThread(a_pThread);
}

uint32_t OEGetThreadId(OEThread const * a_pThread)
{
    if (!a_pThread)
        return 0;
    std::lock_guard<std::mutex> Lock(const_cast<OEThread *>(a_pThread)->m_Mutex);
    return a_pThread->m_uId;
}

bool OESetThreadPriority(OEThread * a_pThread, int a_iPriority)
{
    if (!a_pThread)
        return false;
    std::lock_guard<std::mutex> Lock(a_pThread->m_Mutex);
    if (a_pThread->m_bFinished)
        return false;
    int const iNice = NiceForPriority(a_iPriority);
    if (a_pThread->m_iKernelId == 0)
    {
        // Not started yet: the thread applies it itself as it starts.
        a_pThread->m_bPendingPriority = true;
        a_pThread->m_iPendingNice = iNice;
        return true;
    }
    return ApplyNice(a_pThread->m_iKernelId, iNice);
}

int OEGetThreadNiceValue(OEThread * a_pThread)
{
    if (!a_pThread)
        return g_iBaseNice;
    std::lock_guard<std::mutex> Lock(a_pThread->m_Mutex);
    if (a_pThread->m_iKernelId == 0 || a_pThread->m_bFinished)
        return a_pThread->m_bPendingPriority ? a_pThread->m_iPendingNice : g_iBaseNice;
    errno = 0;
    return getpriority(PRIO_PROCESS, static_cast<id_t>(a_pThread->m_iKernelId));
}

int OEGetBaseNiceValue()
{
    return g_iBaseNice;
}

OEEvent * OECreateEvent(bool a_bManualReset, bool a_bInitialState)
{
    OEEvent * pEvent = new (std::nothrow) OEEvent;
    if (pEvent)
    {
        pEvent->m_bManualReset = a_bManualReset;
        pEvent->m_bSignalled = a_bInitialState;
    }
    return pEvent;
}

void OECloseEvent(OEEvent * a_pEvent)
{
    delete a_pEvent;
}

void OESetEvent(OEEvent * a_pEvent)
{
    if (!a_pEvent)
        return;
    a_pEvent->m_bSignalled.store(true);
    if (a_pEvent->m_uWaiters.load() == 0)
        return;
    // A waiter between its test and its sleep holds the mutex: pass it before notifying.
    {
        std::lock_guard<std::mutex> Lock(a_pEvent->m_Mutex);
    }
    if (a_pEvent->m_bManualReset)
        a_pEvent->m_Changed.notify_all();
    else
        a_pEvent->m_Changed.notify_one();
}

void OEResetEvent(OEEvent * a_pEvent)
{
    if (a_pEvent)
        a_pEvent->m_bSignalled.store(false);
}

void OEPulseEvent(OEEvent * a_pEvent)
{
    if (!a_pEvent)
        return;
    {
        std::lock_guard<std::mutex> Lock(a_pEvent->m_Mutex);
        a_pEvent->m_bSignalled.store(false);
        uint32_t const uWaiters = a_pEvent->m_uWaiters.load();
        if (uWaiters == 0)
            return;
        ++a_pEvent->m_uGeneration;
        a_pEvent->m_uPulseTickets = a_pEvent->m_bManualReset ? uWaiters : 1;
    }
    a_pEvent->m_Changed.notify_all();
}

bool OEWaitForEvent(OEEvent * a_pEvent, long a_iMilliseconds)
{
    if (!a_pEvent)
        return false;
    std::unique_lock<std::mutex> Lock(a_pEvent->m_Mutex);
    uint64_t const uStart = a_pEvent->m_uGeneration;
    // Evaluated under the mutex only; taking the release is part of the test.
    auto Take = [a_pEvent, uStart] {
        if (a_pEvent->m_bManualReset ? a_pEvent->m_bSignalled.load() : a_pEvent->m_bSignalled.exchange(false))
            return true;
        if (a_pEvent->m_uPulseTickets == 0 || a_pEvent->m_uGeneration == uStart)
            return false;
        --a_pEvent->m_uPulseTickets;
        return true;
    };
    a_pEvent->m_uWaiters.fetch_add(1);
    bool const bReleased = WaitUntil(a_pEvent->m_Changed, Lock, a_iMilliseconds, Take);
    a_pEvent->m_uWaiters.fetch_sub(1);
    return bReleased;
}

#include <vellmark/kernel/oe_thread.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_threading.h>

#include <cxxabi.h>

namespace
{
    char const * const g_pcImproperUsage = "The method %s detected an improper usage! \nHint:%s ";
    long const g_iEndWaitMilliseconds = 3000;

    // Thrown by EndThread and caught by the frame around ThreadProc: leaving the work by
    // unwinding works the same on a thread of its own and on the caller's thread.
    struct bSLeaveWork
    {
    };

    // How many ThreadProc frames the calling thread is inside; EndThread needs one to leave.
    thread_local int t_iWorkDepth = 0;

    struct bSWorkDepthGuard
    {
        bSWorkDepthGuard() { ++t_iWorkDepth; }
        ~bSWorkDepthGuard() { --t_iWorkDepth; }
    };
} // namespace

bCThreadWin32::bCThreadWin32() : m_hThread(nullptr), m_Context{0, 0} {}

bCThreadWin32::~bCThreadWin32()
{
    Destroy();
}

bool bCThreadWin32::Create(bSThreadContext const & a_Context, bFThreadProc a_funcProc)
{
    Destroy();
    m_Context = a_Context;
    m_hThread = OECreateThread(a_funcProc, &m_Context);
    return m_hThread != nullptr;
}

void bCThreadWin32::Destroy()
{
    if (m_hThread)
    {
        OEWaitForThread(m_hThread, g_iEndWaitMilliseconds);
        OECloseThread(m_hThread);
    }
    m_hThread = nullptr;
    m_Context = bSThreadContext{0, 0};
}

bool bCThreadWin32::IsValid() const
{
    return m_hThread != nullptr;
}

void * bCThreadWin32::GetHandle() const
{
    return m_hThread;
}

void bCThreadWin32::SetPriority(bEThreadPriority a_ePriority)
{
    if (m_hThread)
        OESetThreadPriority(m_hThread, static_cast<int>(a_ePriority));
}

bCThreadWin32::bSThreadContext const & bCThreadWin32::GetContext() const
{
    return m_Context;
}

std::atomic<bool> bCThreadWin32Ex::ms_bEnableThreads{true};

bCThreadWin32Ex::bCThreadWin32Ex() : m_bRunning(false) {}

// The members go in reverse order: the critical section first, then the thread is waited for.
bCThreadWin32Ex::~bCThreadWin32Ex() = default;

bool bCThreadWin32Ex::StartThread()
{
    if (m_bRunning.load(std::memory_order_acquire))
        return false;
    m_Thread.Destroy();
    if (!ms_bEnableThreads.load(std::memory_order_relaxed))
    {
        RunWork();
        return true;
    }
    bCThreadWin32::bSThreadContext const Context{reinterpret_cast<uintptr_t>(this), 0};
    m_bRunning.store(true, std::memory_order_release);
    if (m_Thread.Create(Context, &bCThreadWin32Ex::ThreadFunc))
        return true;
    m_bRunning.store(false, std::memory_order_release);
    return false;
}

unsigned long bCThreadWin32Ex::ThreadFunc(void * a_pContext)
{
    auto const * pContext = static_cast<bCThreadWin32::bSThreadContext const *>(a_pContext);
    auto * pThis = reinterpret_cast<bCThreadWin32Ex *>(pContext->m_uOwner);
    pThis->RunWork();
    // The owner may go away as soon as the flag is clear: nothing touches it afterwards.
    pThis->m_bRunning.store(false, std::memory_order_release);
    return 0;
}

void bCThreadWin32Ex::RunWork()
{
    bSWorkDepthGuard Guard;
    try
    {
        ThreadProc();
    }
    catch (bSLeaveWork const &)
    {
    }
    catch (abi::__forced_unwind const &)
    {
        throw; // the thread is being ended by pthread_exit or cancellation: let it go
    }
    catch (...)
    {
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCThreadWin32Ex::ThreadFunc",
                         "An exception left the thread body; the work ends here.");
    }
}

bool bCThreadWin32Ex::EndThread()
{
    if (t_iWorkDepth == 0)
    {
        OE_MESSAGEF_WARN(g_pcImproperUsage, "bCThreadWin32Ex::EndThread",
                         "EndThread is only allowed inside the thread body.");
        return false;
    }
    // The flag is cleared by ThreadFunc once the unwinding is over: clearing it here would let the
    // owner destroy the object while its thread still unwinds through it.
    throw bSLeaveWork();
}

void bCThreadWin32Ex::WaitIfThreadFinished()
{
    while (m_bRunning.load(std::memory_order_acquire))
        OESleep(0);
}

void bCThreadWin32Ex::SleepThread(unsigned long a_uMilliseconds)
{
    OESleep(a_uMilliseconds);
}

void bCThreadWin32Ex::EnableThreads(bool a_bEnable)
{
    ms_bEnableThreads.store(a_bEnable, std::memory_order_relaxed);
}

#include <vellmark/kernel/oe_eventwin32.h>

#include <vellmark/platform/oe_threading.h>

bCEventWin32::bCEventWin32() : m_hEvent(nullptr)
{
    Create();
}

bCEventWin32::~bCEventWin32()
{
    Destroy();
}

bool bCEventWin32::IsValid() const
{
    return m_hEvent != nullptr;
}

void * bCEventWin32::GetHandle() const
{
    return m_hEvent;
}

void bCEventWin32::Signal()
{
    if (m_hEvent)
        OESetEvent(m_hEvent);
}

void bCEventWin32::Unsignal()
{
    if (m_hEvent)
        OEResetEvent(m_hEvent);
}

void bCEventWin32::Pulse()
{
    if (m_hEvent)
        OEPulseEvent(m_hEvent);
}

void bCEventWin32::WaitForSignal(long a_iTimeout)
{
    if (m_hEvent)
        OEWaitForEvent(m_hEvent, a_iTimeout);
}

bool bCEventWin32::Create()
{
    // A second Create would lose the first event, so it replaces it.
    Destroy();
    m_hEvent = OECreateEvent(false, false);
    return true;
}

void bCEventWin32::Destroy()
{
    OECloseEvent(m_hEvent);
    m_hEvent = nullptr;
}

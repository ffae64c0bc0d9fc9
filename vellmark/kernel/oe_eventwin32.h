#ifndef OE_EVENTWIN32_H_INCLUDED
#define OE_EVENTWIN32_H_INCLUDED

// An unnamed auto-reset event, initially not signalled: Signal releases one
// waiter (or the next one to wait) and resets itself; Pulse releases one waiter
// present at that moment and leaves the event reset. Every operation does
// nothing on an object without an event.

#include <vellmark/kernel/oe_types.h>

struct OEEvent;

class OE_API bCEventWin32
{
public:
    bCEventWin32();
    ~bCEventWin32();
    bCEventWin32(bCEventWin32 const &) = delete;
    bCEventWin32 & operator=(bCEventWin32 const &) = delete;

public:
    bool IsValid() const;
    void * GetHandle() const;
    void Signal();
    void Unsignal();
    void Pulse();
    void WaitForSignal(long a_iTimeout); // milliseconds, -1 waits without limit

protected:
    bool Create(); // always true
    void Destroy();

private:
    OEEvent * m_hEvent;
};

#endif

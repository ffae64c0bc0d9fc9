#ifndef OE_SPIEADMIN_H_INCLUDED
#define OE_SPIEADMIN_H_INCLUDED

// The datagram channel: when a file "vLogFile.txt" exists in the current
// directory at creation, every message that passes the message filter goes as
// one UDP datagram to 127.0.0.1:4711 (layout in oe_viewerprotocol.h), after a
// one-byte hello; destruction sends a one-byte goodbye.

#include <vellmark/kernel/oe_criticalsection.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_udpsocket.h>

class OE_API bCSpieAdmin
{
public:
    static bCSpieAdmin & GetInstance();

public:
    // Refused: a message box says so and offers the debugger; the copy stays disabled.
    bCSpieAdmin(bCSpieAdmin const & a_Source);
    bCSpieAdmin & operator=(bCSpieAdmin const & a_Source);
    ~bCSpieAdmin();

public:
    void Create(); // goodbye when connected, then looks for the marker file anew
    bool Send(void * const a_pData, unsigned long a_uLength); // one datagram; false on a send error
    bCCriticalSectionWin32 & GetCriticalSection() { return m_CriticalSection; }

protected:
    void Destroy(); // goodbye when connected; unregisters; forgets the socket

private:
    bCSpieAdmin();
    static void DestroyInstance();
    static bool OnMessage(bEMessageTypes a_eType, char const * a_pcText, char const * a_pcText2,
                          unsigned long a_uUserData, char const * a_pcFile, int a_iLine, int a_iPriority);
    void SendKind(unsigned char a_u8Kind);

private:
    bCCriticalSectionWin32 m_CriticalSection;
    OESOCKET m_Socket;
};

#endif

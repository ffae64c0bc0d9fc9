#ifndef OE_LOGVIEW_FORMAT_H_INCLUDED
#define OE_LOGVIEW_FORMAT_H_INCLUDED

// Turns one received datagram into the viewer's printed record. Kept apart
// from the program's loop so that the fuzz target can compile it in.

#include <vellmark/platform/oe_viewerprotocol.h>

#include <string>

enum bELogViewChannel
{
    bELogViewChannel_Datagram, // UDP 127.0.0.1:4711
    bELogViewChannel_Window,   // the "[vLogView]" endpoint
};

struct bSLogViewRecord
{
    bool m_bValid;         // false: not a datagram of either protocol
    bool m_bIsMessage;     // a message or a viewer line, as opposed to hello, goodbye or a command
    int m_iType;           // 1..5 as sent, other values kept; a viewer line's type from its prefix
    std::string m_strHead; // "Warn  5" or "process started" and the like
    std::string m_strText; // message text; line breaks kept
};

// a_lSender: source port (datagram channel) or process id (window), -1 unknown.
bSLogViewRecord OELogViewDescribe(bELogViewChannel a_eChannel, void const * a_pData, unsigned long a_uSize,
                                  long a_lSender);
// Type name as the viewer shows it: "OK", "Info", "Warn", "Fault", "Fatal" or "Type 7".
std::string OELogViewTypeName(int a_iType);

#endif

// vellmark-logdemo: a small client that sends a few messages through the
// library, so that a running vellmark-logview shows them. Start it in a folder
// that holds "vLogFile.txt" to use the datagram channel as well as the window.

#include <vellmark/kernel/oe_message.h>

#include <cstdio>

int main()
{
    std::FILE * pMarker = std::fopen("vLogFile.txt", "r");
    if (pMarker)
        std::fclose(pMarker);
    else
        std::fprintf(stderr, "no vLogFile.txt here: only a running viewer window gets the messages\n");

    bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
    OE_MESSAGE(g_iDefaultMessagePriority, "vellmark-logdemo says hello");
    OE_MESSAGEF_INFO(3, "%d messages follow", 4);
    OE_MESSAGEF_WARN("a warning with a tab:\t<- here");
    OE_MESSAGE_D_INFO(1, "a message over\r\ntwo lines", "second text for callbacks only");
    Admin.SetFilterType(bEMessageFilterTypes_None);
    OE_MESSAGEF_OK("OK messages pass once the filter is %d", static_cast<int>(Admin.GetFilterType()));
    Admin.OnMessage(bEMessageTypes_Fault, "a recoverable fault, as the error administration reports it", nullptr,
                    __FILE__, __LINE__, g_iDefaultMessagePriority);
    return 0;
}

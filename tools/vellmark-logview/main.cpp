// vellmark-logview: shows the messages of every process that uses the library.
//
// Listens on UDP 127.0.0.1:4711 (the datagram channel, active in processes
// started in a folder that holds "vLogFile.txt") and on the viewer window
// "[vLogView]" (the window-message channel, active in processes started while
// the viewer runs), and prints each message as it arrives.
//
//   vellmark-logview [--output FILE] [--min-type N] [--no-window] [--no-udp]

#include "oe_logview_format.h"

#include <vellmark/platform/oe_terminal.h>
#include <vellmark/platform/oe_udpsocket.h>
#include <vellmark/platform/oe_viewerprotocol.h>
#include <vellmark/platform/oe_viewerwindow.h>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace
{
    std::atomic<bool> s_bStop{false};

    void OnSignal(int)
    {
        s_bStop.store(true);
    }

    struct bSOptions
    {
        char const * m_pcOutput = nullptr;
        int m_iMinType = 0;
        bool m_bWindow = true;
        bool m_bDatagram = true;
    };

    bool ParseOptions(int a_iCount, char ** a_ppArgs, bSOptions & a_Options)
    {
        for (int i = 1; i < a_iCount; ++i)
        {
            std::string const strArg = a_ppArgs[i];
            if (strArg == "--output" && i + 1 < a_iCount)
                a_Options.m_pcOutput = a_ppArgs[++i];
            else if (strArg == "--min-type" && i + 1 < a_iCount)
                a_Options.m_iMinType = std::atoi(a_ppArgs[++i]);
            else if (strArg == "--no-window")
                a_Options.m_bWindow = false;
            else if (strArg == "--no-udp")
                a_Options.m_bDatagram = false;
            else
                return false;
        }
        return true;
    }

    std::string TimeStamp()
    {
        auto const Now = std::chrono::system_clock::now();
        std::time_t const Seconds = std::chrono::system_clock::to_time_t(Now);
        long const lMillis = static_cast<long>(
            std::chrono::duration_cast<std::chrono::milliseconds>(Now.time_since_epoch()).count() % 1000);
        char carrTime[32];
        std::strftime(carrTime, sizeof(carrTime), "%H:%M:%S", std::localtime(&Seconds));
        char carrStamp[40];
        std::snprintf(carrStamp, sizeof(carrStamp), "%s.%03ld", carrTime, lMillis);
        return carrStamp;
    }

    char const * ColourOf(bSLogViewRecord const & a_Record)
    {
        if (!a_Record.m_bIsMessage)
            return "\033[36m";
        switch (a_Record.m_iType)
        {
        case 1: return "\033[32m";
        case 3: return "\033[33m";
        case 4: return "\033[31m";
        case 5: return "\033[1;31m";
        default: return "";
        }
    }

    // Continuation lines of a multi-line text are indented under the first.
    void Print(std::FILE * a_pFile, bool a_bColour, char const * a_pcChannel, bSLogViewRecord const & a_Record)
    {
        std::string strText = a_Record.m_strText;
        for (std::size_t u = strText.find('\n'); u != std::string::npos; u = strText.find('\n', u + 2))
            strText.replace(u, 1, "\n\t");
        std::fprintf(a_pFile, "%s%s %-6s %s%s%s%s\n", a_bColour ? ColourOf(a_Record) : "", TimeStamp().c_str(),
                     a_pcChannel, a_Record.m_strHead.c_str(), strText.empty() ? "" : ": ", strText.c_str(),
                     a_bColour ? "\033[0m" : "");
        std::fflush(a_pFile);
    }

    bool Wanted(bSLogViewRecord const & a_Record, int a_iMinType)
    {
        bool const bKnownType = a_Record.m_iType >= 1 && a_Record.m_iType <= 5;
        return a_Record.m_bValid && (!a_Record.m_bIsMessage || !bKnownType || a_Record.m_iType >= a_iMinType);
    }
} // namespace

int main(int a_iCount, char ** a_ppArgs)
{
    bSOptions Options;
    if (!ParseOptions(a_iCount, a_ppArgs, Options))
    {
        std::fprintf(stderr, "usage: %s [--output FILE] [--min-type N] [--no-window] [--no-udp]\n", a_ppArgs[0]);
        return 2;
    }
    std::FILE * pOutput = Options.m_pcOutput ? std::fopen(Options.m_pcOutput, "a") : nullptr;
    if (Options.m_pcOutput && !pOutput)
    {
        std::fprintf(stderr, "cannot append to %s\n", Options.m_pcOutput);
        return 1;
    }
    OESOCKET arrSockets[2] = {OE_INVALID_SOCKET, OE_INVALID_SOCKET};
    if (Options.m_bDatagram && (arrSockets[0] = OEBindDatagramSocket(OE_LOG_ADDRESS, OE_LOG_PORT)) == OE_INVALID_SOCKET)
        std::fprintf(stderr, "UDP %s:%u is in use; datagrams are not shown\n", OE_LOG_ADDRESS, OE_LOG_PORT);
    if (Options.m_bWindow && (arrSockets[1] = OEOpenViewerWindow(OE_VIEWER_WINDOW_TITLE)) == OE_INVALID_SOCKET)
        std::fprintf(stderr, "another viewer window \"%s\" is running; window lines are not shown\n",
                     OE_VIEWER_WINDOW_TITLE);
    if (arrSockets[0] == OE_INVALID_SOCKET && arrSockets[1] == OE_INVALID_SOCKET)
        return 1;
    std::signal(SIGINT, &OnSignal);
    std::signal(SIGTERM, &OnSignal);
    bool const bColour = OEIsTerminal(1);
    // Room for the longest viewer line a sender's socket buffer can carry.
    std::vector<char> arrBuffer(1 << 20);
    while (!s_bStop.load())
    {
        // Closed endpoints (-1) are never readable; the short wait lets Ctrl-C end the loop.
        int const iReady = OEWaitReadable(arrSockets, 2, 200);
        long lSender = -1;
        long const lSize =
            iReady < 0 ? -1 : OEReceive(arrSockets[iReady], arrBuffer.data(), arrBuffer.size(), 0, &lSender);
        if (lSize < 0)
            continue;
        bELogViewChannel const eChannel = iReady == 0 ? bELogViewChannel_Datagram : bELogViewChannel_Window;
        bSLogViewRecord const Record =
            OELogViewDescribe(eChannel, arrBuffer.data(), static_cast<unsigned long>(lSize), lSender);
        if (!Wanted(Record, Options.m_iMinType))
            continue;
        char const * pcChannel = iReady == 0 ? "udp" : "window";
        Print(stdout, bColour, pcChannel, Record);
        if (pOutput)
            Print(pOutput, false, pcChannel, Record);
    }
    OECloseSocket(arrSockets[0]);
    OECloseSocket(arrSockets[1]);
    if (pOutput)
        std::fclose(pOutput);
    return 0;
}

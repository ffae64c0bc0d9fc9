#include <vellmark/platform/oe_debugger.h>

#include <csignal>
#include <cstdio>
#include <cstring>

namespace
{
    thread_local unsigned long t_uLastError = 0;
}

bool OEIsDebuggerPresent()
{
    std::FILE * pFile = std::fopen("/proc/self/status", "r");
    if (!pFile)
        return false;
    char carrLine[256];
    long lTracer = 0;
    while (std::fgets(carrLine, sizeof(carrLine), pFile))
        if (std::strncmp(carrLine, "TracerPid:", 10) == 0)
        {
            std::sscanf(carrLine + 10, "%ld", &lTracer);
            break;
        }
    std::fclose(pFile);
    return lTracer != 0;
}

void OEOutputDebugString(char const * a_pcText)
{
    if (!a_pcText)
        return;
    std::fputs(a_pcText, stderr);
    std::fflush(stderr);
}

void OEDebugBreak()
{
    if (OEIsDebuggerPresent())
        std::raise(SIGTRAP);
}

unsigned long OEGetLastError()
{
    return t_uLastError;
}

void OESetLastError(unsigned long a_uCode)
{
    t_uLastError = a_uCode;
}

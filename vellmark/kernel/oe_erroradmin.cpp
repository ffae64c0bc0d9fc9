#include <vellmark/kernel/oe_erroradmin.h>

#include <cstdio>
#include <unistd.h>

// Seam: a fatal error prints its texts and ends the process with the
// library's fatal exit code; a fault is printed and the program goes on.

namespace
{
    constexpr int kFatalExitCode = 447;

    void Print(char const * a_pcKind, char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile,
               int a_iLine)
    {
        std::fprintf(stderr, "%s: %s\n%s\n%s #%d\n", a_pcKind, a_pcMessage ? a_pcMessage : "",
                     a_pcDetail ? a_pcDetail : "", a_pcFile ? a_pcFile : "", a_iLine);
        std::fflush(stderr);
    }
}

bCErrorAdmin & bCErrorAdmin::GetInstance()
{
    static bCErrorAdmin s_Instance;
    return s_Instance;
}

void bCErrorAdmin::CallFatalError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine)
{
    Print("Fatal", a_pcMessage, a_pcDetail, a_pcFile, a_iLine);
    _exit(kFatalExitCode);
}

void bCErrorAdmin::CallFatalError(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
{
    CallFatalError(a_pcMessage, nullptr, a_pcFile, a_iLine);
}

void bCErrorAdmin::CallFaultError(char const * a_pcMessage, char const * a_pcDetail, char const * a_pcFile, int a_iLine)
{
    Print("Fault", a_pcMessage, a_pcDetail, a_pcFile, a_iLine);
}

void bCErrorAdmin::CallFaultError(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
{
    CallFaultError(a_pcMessage, nullptr, a_pcFile, a_iLine);
}

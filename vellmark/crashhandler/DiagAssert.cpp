#include <vellmark/crashhandler/DiagAssert.h>

#include <cstdarg>
#include <cstdio>
#include <unistd.h>

// Seam: assertions are written to standard error and never stop.

int DiagAssert(unsigned long, char const * a_pcExpression, char const * a_pcFile, unsigned long a_uLine)
{
    std::fprintf(stderr, "Assertion failed: %s (%s, %lu)\n", a_pcExpression ? a_pcExpression : "",
                 a_pcFile ? a_pcFile : "", a_uLine);
    return 0;
}

unsigned long SetDiagAssertOptions(unsigned long)
{
    return 3;
}

void SetMessageBuffer(char *)
{
}

void DiagOutput(char const * a_pcFormat, ...)
{
    va_list Args;
    va_start(Args, a_pcFormat);
    std::vfprintf(stderr, a_pcFormat, Args);
    va_end(Args);
}

void OEAssertFailed(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile, unsigned long a_uLine)
{
    if (DiagAssert(a_uOptions, a_pcExpression, a_pcFile, a_uLine))
        _exit(-1);
}

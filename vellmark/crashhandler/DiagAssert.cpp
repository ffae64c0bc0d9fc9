#include <vellmark/crashhandler/DiagAssert.h>

#include <vellmark/crashhandler/BSUFunctions.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/platform/oe_stackwalk.h>
#include <vellmark/platform/oe_systeminfo.h>

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace
{
    constexpr unsigned long kOutputSize = 4096;
    constexpr unsigned long kDebugOutputSize = 1024;
    constexpr int kMaxFrames = 512;
    constexpr int kOwnFrames = 2; // AppendCallStack and DiagAssert
    constexpr unsigned int kMaxAssertModules = 64;
    // Box style: abort/retry/ignore, error icon, system-modal, foreground.
    constexpr unsigned int kSystemModal = 0x1000;
    constexpr unsigned int kSetForeground = 0x10000;

    unsigned long s_uOptions = DA_SHOWMSGBOX | DA_SHOWODS;
    char s_carrOutput[kOutputSize];
    char * s_pcClientBuffer = nullptr;
    HINSTANCE s_arrModules[kMaxAssertModules];
    unsigned int s_uModuleCount = 0;
    char s_carrDebugOutput[kDebugOutputSize];

    // Appends to the output buffer; text that does not fit is cut.
    void Append(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));
    void Append(char const * a_pcFormat, ...)
    {
        size_t const uUsed = std::strlen(s_carrOutput);
        if (uUsed + 1 >= kOutputSize)
            return;
        va_list Args;
        va_start(Args, a_pcFormat);
        std::vsnprintf(s_carrOutput + uUsed, kOutputSize - uUsed, a_pcFormat, Args);
        va_end(Args);
    }

    char const * OrNull(char const * a_pcText)
    {
        return a_pcText ? a_pcText : "(null)";
    }

    // No module of this platform carries a message table, and the system has
    // none either, so every code ends with the fallback text.
    char const * LastErrorText(unsigned long)
    {
        return "**Last error code does not exist!!!!";
    }

    void AppendHeader(char const * a_pcExpression, char const * a_pcFile, unsigned long a_uLine,
                      unsigned long a_uLastError)
    {
        char carrProgram[1024];
        if (!OEGetProgramPath(carrProgram, sizeof(carrProgram)))
            std::strcpy(carrProgram, "<unknown application>");
        Append("Debug Assertion Failed!\n\nProgram : %s\nFile : %s\nLine : %d\nExpression : %s\nLast Error (0x%08X) : "
               "%s\n\n",
               carrProgram, OrNull(a_pcFile), static_cast<int>(a_uLine), OrNull(a_pcExpression),
               static_cast<unsigned int>(a_uLastError), LastErrorText(a_uLastError));
    }

    void AppendFrame(void const * a_pAddress)
    {
        Append("0x%08X ", static_cast<unsigned int>(reinterpret_cast<uintptr_t>(a_pAddress)));
        char carrText[512];
        if (BSUGetModuleBaseNameOfAddress(a_pAddress, carrText, sizeof(carrText)))
            Append("%s: ", carrText);
        else
            Append("<unknown module>: ");
        unsigned long uDisplacement = 0;
        if (!BSUSymGetSymFromAddr(a_pAddress, carrText, sizeof(carrText), &uDisplacement))
            Append("<unknown symbol>");
        else
        {
            uDisplacement ? Append("%s + %d bytes", carrText, static_cast<int>(uDisplacement)) : Append("%s", carrText);
            unsigned long uLine = 0;
            if (BSUSymGetLineFromAddr(a_pAddress, carrText, sizeof(carrText), &uLine, &uDisplacement))
            {
                Append("\n\t\t%s, Line %d", carrText, static_cast<int>(uLine));
                if (uDisplacement)
                    Append(" + %d bytes", static_cast<int>(uDisplacement));
            }
        }
        Append("\n");
    }

    __attribute__((noinline)) void AppendCallStack()
    {
        static void * s_arrFrames[kMaxFrames + kOwnFrames];
        int const iCount = OECaptureStackBackTrace(s_arrFrames, kMaxFrames + kOwnFrames);
        for (int i = kOwnFrames; i < iCount; ++i)
            AppendFrame(s_arrFrames[i]);
    }

    int AskUser()
    {
        return OEMessageBox(s_carrOutput, "ASSERTION FAILURE...",
                            MB_ABORTRETRYIGNORE | MB_ICONERROR | kSystemModal | kSetForeground);
    }
} // namespace

int DiagAssert(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile, unsigned long a_uLine)
{
    s_carrOutput[0] = 0;
    unsigned long const uLastError = OEGetLastError();
    unsigned long const uOptions = a_uOptions == DA_USEDEFAULTS ? s_uOptions : a_uOptions;
    if (!(uOptions & DA_STACKTRACEONLY))
        AppendHeader(a_pcExpression, a_pcFile, a_uLine, uLastError);
    if (uOptions & (DA_SHOWSTACKTRACE | DA_STACKTRACEONLY))
        AppendCallStack();
    if (uOptions & DA_SHOWODS)
        OEOutputDebugString(s_carrOutput);
    int const iAnswer = (uOptions & DA_SHOWMSGBOX) ? AskUser() : IDIGNORE;
    if (s_pcClientBuffer)
        std::memcpy(s_pcClientBuffer, s_carrOutput, std::strlen(s_carrOutput) + 1);
    OESetLastError(uLastError);
    return iAnswer != IDIGNORE ? 1 : 0;
}

unsigned long SetDiagAssertOptions(unsigned long a_uOptions)
{
    if (a_uOptions == 0)
        return 0;
    unsigned long const uOld = s_uOptions;
    s_uOptions = a_uOptions;
    return uOld;
}

void SetMessageBuffer(char * a_pcBuffer)
{
    s_pcClientBuffer = a_pcBuffer;
}

int AddDiagAssertModule(HINSTANCE a_hModule)
{
    if (s_uModuleCount < kMaxAssertModules)
        s_arrModules[s_uModuleCount++] = a_hModule;
    return 1;
}

void DiagOutput(char const * a_pcFormat, ...)
{
    unsigned long const uLastError = OEGetLastError();
    if (!a_pcFormat)
        return;
    va_list Args;
    va_start(Args, a_pcFormat);
    std::vsnprintf(s_carrDebugOutput, kDebugOutputSize, a_pcFormat, Args);
    va_end(Args);
    OEOutputDebugString(s_carrDebugOutput);
    OESetLastError(uLastError);
}

void OEAssertFailed(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile, unsigned long a_uLine)
{
    if (DiagAssert(a_uOptions, a_pcExpression, a_pcFile, a_uLine))
    {
        OEDebugBreak();
        _exit(-1);
    }
}

#include <vellmark/crashhandler/CrashHandler.h>

#include <vellmark/crashhandler/BSUFunctions.h>
#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/crashhandler/GetLoadedModules.h>
#include <vellmark/platform/oe_memprobe.h>

#include <link.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
    constexpr char const * kModule = "crashhandler/CrashHandler";
    constexpr unsigned long kBufferSize = 1024;
    constexpr unsigned int kMaxWalkFrames = 512;

    OECrashHandlerFilter s_funcClientFilter = nullptr;
    OETopLevelExceptionFilter s_funcPreviousFilter = nullptr;
    bool s_bFilterInstalled = false;
    HINSTANCE * s_pLimitModules = nullptr;
    unsigned int s_uLimitModuleCount = 0;
    char s_carrBuffer[kBufferSize];

    struct bSCodeName
    {
        uint32_t m_uCode;
        char const * m_pcName;
    };

    constexpr bSCodeName kExceptionNames[] = {
        {EXCEPTION_ACCESS_VIOLATION, "EXCEPTION_ACCESS_VIOLATION"},
        {EXCEPTION_DATATYPE_MISALIGNMENT, "EXCEPTION_DATATYPE_MISALIGNMENT"},
        {EXCEPTION_BREAKPOINT, "EXCEPTION_BREAKPOINT"},
        {EXCEPTION_SINGLE_STEP, "EXCEPTION_SINGLE_STEP"},
        {EXCEPTION_ARRAY_BOUNDS_EXCEEDED, "EXCEPTION_ARRAY_BOUNDS_EXCEEDED"},
        {EXCEPTION_FLT_DENORMAL_OPERAND, "EXCEPTION_FLT_DENORMAL_OPERAND"},
        {EXCEPTION_FLT_DIVIDE_BY_ZERO, "EXCEPTION_FLT_DIVIDE_BY_ZERO"},
        {EXCEPTION_FLT_INEXACT_RESULT, "EXCEPTION_FLT_INEXACT_RESULT"},
        {EXCEPTION_FLT_INVALID_OPERATION, "EXCEPTION_FLT_INVALID_OPERATION"},
        {EXCEPTION_FLT_OVERFLOW, "EXCEPTION_FLT_OVERFLOW"},
        {EXCEPTION_FLT_STACK_CHECK, "EXCEPTION_FLT_STACK_CHECK"},
        {EXCEPTION_FLT_UNDERFLOW, "EXCEPTION_FLT_UNDERFLOW"},
        {EXCEPTION_INT_DIVIDE_BY_ZERO, "EXCEPTION_INT_DIVIDE_BY_ZERO"},
        {EXCEPTION_INT_OVERFLOW, "EXCEPTION_INT_OVERFLOW"},
        {EXCEPTION_PRIV_INSTRUCTION, "EXCEPTION_PRIV_INSTRUCTION"},
        {EXCEPTION_IN_PAGE_ERROR, "EXCEPTION_IN_PAGE_ERROR"},
        {EXCEPTION_ILLEGAL_INSTRUCTION, "EXCEPTION_ILLEGAL_INSTRUCTION"},
        {EXCEPTION_NONCONTINUABLE_EXCEPTION, "EXCEPTION_NONCONTINUABLE_EXCEPTION"},
        {EXCEPTION_STACK_OVERFLOW, "EXCEPTION_STACK_OVERFLOW"},
        {EXCEPTION_INVALID_DISPOSITION, "EXCEPTION_INVALID_DISPOSITION"},
        {EXCEPTION_GUARD_PAGE, "EXCEPTION_GUARD_PAGE"},
        {EXCEPTION_INVALID_HANDLE, "EXCEPTION_INVALID_HANDLE"},
    };

    // The walk behind GetFirst/GetNextStackTraceString.
    struct bSStackFrame
    {
        uintptr_t m_uAddress;
        uintptr_t m_arrParams[4];
    };
    bSStackFrame s_arrWalk[kMaxWalkFrames];
    unsigned int s_uWalkCount = 0;
    unsigned int s_uWalkNext = 0;

    void Append(unsigned long & a_uCurr, char const * a_pcFormat, ...) __attribute__((format(printf, 2, 3)));
    void Append(unsigned long & a_uCurr, char const * a_pcFormat, ...)
    {
        if (a_uCurr + 1 >= kBufferSize)
            return;
        va_list Args;
        va_start(Args, a_pcFormat);
        int const iWritten = std::vsnprintf(s_carrBuffer + a_uCurr, kBufferSize - a_uCurr, a_pcFormat, Args);
        va_end(Args);
        if (iWritten > 0)
            a_uCurr = a_uCurr + iWritten < kBufferSize - 1 ? a_uCurr + iWritten : kBufferSize - 1;
        OE_ASSERT_TEXT(a_uCurr < kBufferSize, "iCurr < 1024", kModule);
    }

    unsigned int Low32(uint64_t a_uValue)
    {
        return static_cast<unsigned int>(a_uValue);
    }

    bool IsReadablePointers(EXCEPTION_POINTERS * a_pPointers, char const * a_pcComplaint)
    {
        bool const bReadable = !OEIsBadReadPtr(a_pPointers, sizeof(EXCEPTION_POINTERS));
        OE_ASSERT_TEXT(bReadable, "0 == IsBadReadPtr ( pExPtrs , sizeof(EXCEPTION_POINTERS ) )", kModule);
        bool const bRecords = bReadable && !OEIsBadReadPtr(a_pPointers->ExceptionRecord, sizeof(EXCEPTION_RECORD)) &&
                              !OEIsBadReadPtr(a_pPointers->ContextRecord, sizeof(CONTEXT));
        OE_ASSERT_TEXT(!bReadable || bRecords,
                       "0 == IsBadReadPtr ( pExPtrs->ExceptionRecord , sizeof(EXCEPTION_RECORD ) )", kModule);
        if (!bRecords)
            DiagOutput("%s", a_pcComplaint);
        return bRecords;
    }

    void AppendSymbolAndLine(unsigned long & a_uCurr, void const * a_pAddress, bool a_bSymbol, bool a_bLine,
                             char const * a_pcSymbolSeparator)
    {
        char carrText[kBufferSize];
        unsigned long uDisplacement = 0;
        if (a_bSymbol && BSUSymGetSymFromAddr(a_pAddress, carrText, sizeof(carrText), &uDisplacement))
        {
            Append(a_uCurr, "%s", a_pcSymbolSeparator);
            uDisplacement ? Append(a_uCurr, "%s()+%d byte(s)", carrText, static_cast<int>(uDisplacement))
                          : Append(a_uCurr, *a_pcSymbolSeparator ? "%s" : "%s ", carrText);
        }
        unsigned long uLine = 0;
        if (a_bLine && BSUSymGetLineFromAddr(a_pAddress, carrText, sizeof(carrText), &uLine, &uDisplacement))
        {
            Append(a_uCurr, ", ");
            uDisplacement ? Append(a_uCurr, "%s, line %d+%d byte(s)", carrText, static_cast<int>(uLine),
                                   static_cast<int>(uDisplacement))
                          : Append(a_uCurr, "%s, line %d", carrText, static_cast<int>(uLine));
        }
    }

    // A limit module may be given by its base (as the module lists name it) or
    // by the loader's handle of it, which is its entry in the loader's list.
    bool IsModule(HMODULE a_hLimit, HMODULE a_hBase)
    {
        if (a_hLimit == a_hBase)
            return true;
        for (link_map const * pEntry = _r_debug.r_map; pEntry; pEntry = pEntry->l_next)
            if (static_cast<void const *>(pEntry) == a_hLimit)
                return OEGetModuleOfAddress(pEntry->l_ld) == a_hBase;
        return false;
    }

    bool IsClientsCrash(void const * a_pAddress)
    {
        if (s_uLimitModuleCount == 0)
            return true;
        HMODULE const hModule = OEGetModuleOfAddress(a_pAddress);
        for (unsigned int i = 0; i < s_uLimitModuleCount; ++i)
            if (IsModule(s_pLimitModules[i], hModule))
                return true;
        return false;
    }

    bool IsCodePointer(void const * a_pFunction)
    {
        return a_pFunction && !OEIsBadReadPtr(a_pFunction, 1);
    }

    long CrashHandlerFilter(EXCEPTION_POINTERS * a_pPointers)
    {
        if (!s_funcClientFilter)
            return EXCEPTION_CONTINUE_SEARCH;
        void const * const pAddress = a_pPointers->ExceptionRecord->ExceptionAddress;
        if (IsClientsCrash(pAddress))
            return IsCodePointer(reinterpret_cast<void const *>(s_funcClientFilter)) ? s_funcClientFilter(a_pPointers)
                                                                                     : EXCEPTION_CONTINUE_SEARCH;
        if (IsCodePointer(reinterpret_cast<void const *>(s_funcPreviousFilter)))
            return s_funcPreviousFilter(a_pPointers);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    void FreeLimitModules()
    {
        std::free(s_pLimitModules);
        s_pLimitModules = nullptr;
        s_uLimitModuleCount = 0;
    }

    // Follows the frame-pointer chain, reading through the memory probe so
    // that a broken chain ends the walk instead of faulting.
    void WalkFramePointers(uintptr_t a_uFramePointer)
    {
        while (s_uWalkCount < kMaxWalkFrames && a_uFramePointer)
        {
            uintptr_t arrWords[6];
            if (!OEProbeRead(reinterpret_cast<void const *>(a_uFramePointer), arrWords, sizeof(arrWords)) ||
                !arrWords[1])
                return;
            bSStackFrame & Frame = s_arrWalk[s_uWalkCount++];
            Frame.m_uAddress = arrWords[1];
            std::memcpy(Frame.m_arrParams, arrWords + 2, sizeof(Frame.m_arrParams));
            if (arrWords[0] <= a_uFramePointer)
                return;
            a_uFramePointer = arrWords[0];
        }
    }

    // Frame 0 is the faulting instruction with the argument registers as its
    // parameters; the rest come from the frames seen when the signal arrived,
    // or from the frame-pointer chain for a context without them.
    void StartWalk(CONTEXT const & a_Context)
    {
        s_uWalkCount = s_uWalkNext = 0;
        bSStackFrame & First = s_arrWalk[s_uWalkCount++];
        First = bSStackFrame{a_Context.Rip, {a_Context.Rdi, a_Context.Rsi, a_Context.Rdx, a_Context.Rcx}};
        uint32_t const uFrames = a_Context.FrameCount < 64 ? a_Context.FrameCount : 64;
        if (uFrames == 0)
            return WalkFramePointers(a_Context.Rbp);
        for (uint32_t i = (a_Context.Frames[0] == reinterpret_cast<void *>(a_Context.Rip)) ? 1 : 0; i < uFrames; ++i)
            s_arrWalk[s_uWalkCount++] = bSStackFrame{reinterpret_cast<uintptr_t>(a_Context.Frames[i]), {}};
    }

    char const * FormatFrame(unsigned long a_uOptions, CONTEXT const & a_Context)
    {
        if (s_uWalkNext >= s_uWalkCount)
            return nullptr;
        bSStackFrame const & Frame = s_arrWalk[s_uWalkNext++];
        void const * const pAddress = reinterpret_cast<void const *>(Frame.m_uAddress);
        unsigned long uCurr = 0;
        Append(uCurr, "%04X:%08X", a_Context.SegCs, Low32(Frame.m_uAddress));
        if (a_uOptions & GSTSO_PARAMS)
            Append(uCurr, " (0x%08X 0x%08X 0x%08X 0x%08X)", Low32(Frame.m_arrParams[0]), Low32(Frame.m_arrParams[1]),
                   Low32(Frame.m_arrParams[2]), Low32(Frame.m_arrParams[3]));
        if (a_uOptions & GSTSO_MODULE)
        {
            char carrName[256];
            Append(uCurr, " %s",
                   BSUGetModuleBaseNameOfAddress(pAddress, carrName, sizeof(carrName)) ? carrName : "<UNKNOWN>");
        }
        AppendSymbolAndLine(uCurr, pAddress, a_uOptions & GSTSO_SYMBOL, a_uOptions & GSTSO_SRCLINE, ", ");
        return s_carrBuffer;
    }

    int CopyToCaller(char const * a_pcText, char * a_pcBuffer, unsigned int a_uSize)
    {
        bool const bWritable = !OEIsBadWritePtr(a_pcBuffer, a_uSize);
        OE_ASSERT_TEXT(bWritable, "0 == IsBadWritePtr ( szBuff , uiSize )", kModule);
        if (!bWritable || !a_pcText)
            return 0;
        if (a_uSize == 0) // room for nothing, not even the terminator
            return 1;
        std::strncpy(a_pcBuffer, a_pcText, a_uSize - 1);
        a_pcBuffer[a_uSize - 1] = 0;
        return 1;
    }

    // Puts the previous filter back when the library goes away.
    struct bSCrashHandlerTeardown
    {
        ~bSCrashHandlerTeardown()
        {
            FreeLimitModules();
            if (s_bFilterInstalled)
                OESetUnhandledExceptionFilter(s_funcPreviousFilter);
            s_bFilterInstalled = false;
        }
    } s_Teardown;
} // namespace

int SetCrashHandlerFilter(OECrashHandlerFilter a_funcFilter)
{
    if (a_funcFilter)
    {
        s_funcClientFilter = a_funcFilter;
        if (!s_bFilterInstalled)
            s_funcPreviousFilter = OESetUnhandledExceptionFilter(&CrashHandlerFilter);
        s_bFilterInstalled = true;
        return 1;
    }
    if (s_bFilterInstalled)
        OESetUnhandledExceptionFilter(s_funcPreviousFilter);
    s_bFilterInstalled = false;
    s_funcPreviousFilter = nullptr;
    FreeLimitModules();
    s_funcClientFilter = nullptr;
    return 1;
}

int AddCrashHandlerLimitModule(HINSTANCE a_hModule)
{
    OE_ASSERT_TEXT(a_hModule != nullptr, "0 != hMod", kModule);
    if (!a_hModule)
        return 0;
    auto * phTemp = static_cast<HINSTANCE *>(std::calloc(s_uLimitModuleCount + 1, sizeof(HINSTANCE)));
    OE_ASSERT_TEXT(phTemp != nullptr, "0 != phTemp", kModule);
    if (!phTemp)
    {
        DiagOutput("Serious trouble in the house! - malloc failed!!!\n");
        return 0;
    }
    if (s_uLimitModuleCount)
        std::memcpy(phTemp, s_pLimitModules, s_uLimitModuleCount * sizeof(HINSTANCE));
    std::free(s_pLimitModules);
    s_pLimitModules = phTemp;
    s_pLimitModules[s_uLimitModuleCount++] = a_hModule;
    return 1;
}

unsigned int GetLimitModuleCount()
{
    return s_uLimitModuleCount;
}

int GetLimitModulesArray(HINSTANCE * a_pModules, unsigned int a_uSize)
{
    bool const bWritable = !OEIsBadWritePtr(a_pModules, a_uSize * sizeof(HINSTANCE));
    OE_ASSERT_TEXT(bWritable, "0 == IsBadWritePtr ( pahMod , uiModCount * sizeof ( HINSTANCE ) )", kModule);
    if (!bWritable)
        return -1;
    if (a_uSize < s_uLimitModuleCount)
        return -2;
    if (s_uLimitModuleCount)
        std::memcpy(a_pModules, s_pLimitModules, s_uLimitModuleCount * sizeof(HINSTANCE));
    return 1;
}

char const * GetExceptionName(unsigned long a_uCode)
{
    for (bSCodeName const & Entry : kExceptionNames)
        if (Entry.m_uCode == a_uCode)
            return Entry.m_pcName;
    return nullptr;
}

char const * GetFaultReason(EXCEPTION_POINTERS * a_pPointers)
{
    if (!IsReadablePointers(a_pPointers, "Bad parameter to GetFaultReasonA\n"))
        return nullptr;
    EXCEPTION_RECORD const & Record = *a_pPointers->ExceptionRecord;
    unsigned long uCurr = 0;
    char carrName[kBufferSize];
    BSUGetModuleBaseName(OEGetMainModule(), carrName, sizeof(carrName));
    Append(uCurr, "%s\ncaused a ", carrName);
    // No system message texts exist for codes without a name here.
    if (char const * pcName = GetExceptionName(Record.ExceptionCode))
        Append(uCurr, "%s", pcName);
    Append(uCurr, "\nin module %s",
           BSUGetModuleBaseNameOfAddress(Record.ExceptionAddress, carrName, sizeof(carrName)) ? carrName : "<UNKNOWN>");
    Append(uCurr, " at %04X:%08X\n", a_pPointers->ContextRecord->SegCs,
           Low32(reinterpret_cast<uintptr_t>(Record.ExceptionAddress)));
    AppendSymbolAndLine(uCurr, Record.ExceptionAddress, true, true, "");
    return s_carrBuffer;
}

char const * GetRegisterString(EXCEPTION_POINTERS * a_pPointers)
{
    if (!IsReadablePointers(a_pPointers, "GetRegisterString - invalid pExPtrs!\n"))
        return nullptr;
    CONTEXT const & C = *a_pPointers->ContextRecord;
    std::snprintf(s_carrBuffer, kBufferSize,
                  "EAX=%08X  EBX=%08X  ECX=%08X  EDX=%08X  ESI=%08X\nEDI=%08X  EBP=%08X  ESP=%08X  EIP=%08X  "
                  "FLG=%08X\nCS=%04X   DS=%04X  SS=%04X  ES=%04X   FS=%04X  GS=%04X",
                  Low32(C.Rax), Low32(C.Rbx), Low32(C.Rcx), Low32(C.Rdx), Low32(C.Rsi), Low32(C.Rdi), Low32(C.Rbp),
                  Low32(C.Rsp), Low32(C.Rip), Low32(C.EFlags), C.SegCs, C.SegDs, C.SegSs, C.SegEs, C.SegFs, C.SegGs);
    return s_carrBuffer;
}

char const * GetFirstStackTraceString(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers)
{
    if (!IsReadablePointers(a_pPointers, "GetStackTraceString - invalid pExPtrs!\n"))
        return nullptr;
    StartWalk(*a_pPointers->ContextRecord);
    return FormatFrame(a_uOptions, *a_pPointers->ContextRecord);
}

char const * GetNextStackTraceString(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers)
{
    if (!IsReadablePointers(a_pPointers, "GetStackTraceString - invalid pExPtrs!\n"))
        return nullptr;
    return FormatFrame(a_uOptions, *a_pPointers->ContextRecord);
}

int GetFaultReasonVB(EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer, unsigned int a_uSize)
{
    return CopyToCaller(GetFaultReason(a_pPointers), a_pcBuffer, a_uSize);
}

int GetRegisterStringVB(EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer, unsigned int a_uSize)
{
    return CopyToCaller(GetRegisterString(a_pPointers), a_pcBuffer, a_uSize);
}

int GetFirstStackTraceStringVB(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer,
                               unsigned int a_uSize)
{
    return CopyToCaller(GetFirstStackTraceString(a_uOptions, a_pPointers), a_pcBuffer, a_uSize);
}

int GetNextStackTraceStringVB(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer,
                              unsigned int a_uSize)
{
    return CopyToCaller(GetNextStackTraceString(a_uOptions, a_pPointers), a_pcBuffer, a_uSize);
}

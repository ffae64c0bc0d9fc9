#include <vellmark/platform/oe_signals.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <execinfo.h>
#include <ucontext.h>
#include <unistd.h>

namespace
{
    constexpr int kSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP};
    constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);
    constexpr int kExitCodeOfHandledException = 447;
    // A filter that keeps answering "resume" for an instruction that keeps
    // faulting would loop for ever; after this many repeats the process ends.
    constexpr int kMaxRepeatedResumes = 8;
    // A fault this close below the stack pointer hit the guard page.
    constexpr uintptr_t kStackGuardReach = 64 * 1024;
    constexpr size_t kAltStackSize = 64 * 1024;

    std::atomic<OETopLevelExceptionFilter> s_funcFilter{nullptr};
    struct sigaction s_arrPrevious[kSignalCount];
    bool s_bInstalled = false;
    alignas(16) char s_arrAltStack[kAltStackSize];
    void * s_pLastResumeAddress = nullptr;
    int s_iResumeRepeats = 0;

    void FillContext(CONTEXT & a_Context, ucontext_t const & a_UContext)
    {
        greg_t const * pRegs = a_UContext.uc_mcontext.gregs;
        a_Context.Rax = pRegs[REG_RAX], a_Context.Rbx = pRegs[REG_RBX], a_Context.Rcx = pRegs[REG_RCX];
        a_Context.Rdx = pRegs[REG_RDX], a_Context.Rsi = pRegs[REG_RSI], a_Context.Rdi = pRegs[REG_RDI];
        a_Context.Rbp = pRegs[REG_RBP], a_Context.Rsp = pRegs[REG_RSP];
        a_Context.R8 = pRegs[REG_R8], a_Context.R9 = pRegs[REG_R9], a_Context.R10 = pRegs[REG_R10];
        a_Context.R11 = pRegs[REG_R11], a_Context.R12 = pRegs[REG_R12], a_Context.R13 = pRegs[REG_R13];
        a_Context.R14 = pRegs[REG_R14], a_Context.R15 = pRegs[REG_R15];
        a_Context.Rip = pRegs[REG_RIP], a_Context.EFlags = pRegs[REG_EFL];
        // cs, gs, fs and ss share one word on this platform; ds and es are not kept.
        uint64_t const uSegments = static_cast<uint64_t>(pRegs[REG_CSGSFS]);
        a_Context.SegCs = static_cast<uint16_t>(uSegments);
        a_Context.SegGs = static_cast<uint16_t>(uSegments >> 16);
        a_Context.SegFs = static_cast<uint16_t>(uSegments >> 32);
        a_Context.SegSs = static_cast<uint16_t>(uSegments >> 48);
        a_Context.SegDs = a_Context.SegEs = 0;
    }

    // The frames below the signal handler, from the interrupted instruction on.
    void FillFrames(CONTEXT & a_Context)
    {
        void * arrFrames[96];
        int const iCount = backtrace(arrFrames, 96);
        int iFirst = 0;
        while (iFirst < iCount && arrFrames[iFirst] != reinterpret_cast<void *>(a_Context.Rip))
            ++iFirst;
        a_Context.FrameCount = 0;
        if (iFirst == iCount)
            return;
        for (int i = iFirst; i < iCount && a_Context.FrameCount < 64; ++i)
            a_Context.Frames[a_Context.FrameCount++] = arrFrames[i];
    }

    void FillRecord(EXCEPTION_RECORD & a_Record, CONTEXT const & a_Context, siginfo_t const & a_Info,
                    ucontext_t const & a_UContext)
    {
        uintptr_t const uFault = reinterpret_cast<uintptr_t>(a_Info.si_addr);
        bool const bNearStack = uFault < a_Context.Rsp + 256 && uFault + kStackGuardReach > a_Context.Rsp;
        a_Record.ExceptionCode = OEExceptionCodeOfSignal(a_Info.si_signo, a_Info.si_code, bNearStack);
        a_Record.ExceptionAddress = reinterpret_cast<void *>(a_Context.Rip);
        if (a_Info.si_signo == SIGSEGV || a_Info.si_signo == SIGBUS)
        {
            // Bit 1 of the page-fault error code tells a write from a read.
            a_Record.NumberParameters = 2;
            a_Record.ExceptionInformation[0] = (a_UContext.uc_mcontext.gregs[REG_ERR] & 2) ? 1 : 0;
            a_Record.ExceptionInformation[1] = uFault;
        }
    }

    void RestorePrevious()
    {
        for (int i = 0; i < kSignalCount; ++i)
            sigaction(kSignals[i], &s_arrPrevious[i], nullptr);
        s_bInstalled = false;
    }

    bool ResumedTooOften(void * a_pAddress)
    {
        s_iResumeRepeats = (a_pAddress == s_pLastResumeAddress) ? s_iResumeRepeats + 1 : 0;
        s_pLastResumeAddress = a_pAddress;
        return s_iResumeRepeats >= kMaxRepeatedResumes;
    }

    void OnSignal(int a_iSignal, siginfo_t * a_pInfo, void * a_pUContext)
    {
        int const iSavedErrno = errno;
        ucontext_t const & UContext = *static_cast<ucontext_t *>(a_pUContext);
        EXCEPTION_RECORD Record{};
        CONTEXT Context{};
        FillContext(Context, UContext);
        FillFrames(Context);
        FillRecord(Record, Context, *a_pInfo, UContext);
        EXCEPTION_POINTERS Pointers{&Record, &Context};
        OETopLevelExceptionFilter const funcFilter = s_funcFilter.load();
        long const lResult = funcFilter ? funcFilter(&Pointers) : EXCEPTION_CONTINUE_SEARCH;
        if (lResult == EXCEPTION_EXECUTE_HANDLER ||
            (lResult == EXCEPTION_CONTINUE_EXECUTION && ResumedTooOften(Record.ExceptionAddress)))
            _exit(kExitCodeOfHandledException);
        if (lResult == EXCEPTION_CONTINUE_SEARCH)
        {
            RestorePrevious();
            // A fault from the processor happens again when the instruction is
            // retried; a sent signal or a breakpoint has to be raised anew.
            if (a_pInfo->si_code <= 0 || a_iSignal == SIGTRAP)
                raise(a_iSignal);
        }
        errno = iSavedErrno;
    }

    void Install()
    {
        // backtrace loads its unwinder on first use; do that now, not in a crash.
        void * pDummy = nullptr;
        backtrace(&pDummy, 1);
        stack_t AltStack{};
        AltStack.ss_sp = s_arrAltStack;
        AltStack.ss_size = kAltStackSize;
        sigaltstack(&AltStack, nullptr);
        struct sigaction Action
        {
        };
        Action.sa_sigaction = &OnSignal;
        Action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_NODEFER;
        sigemptyset(&Action.sa_mask);
        for (int i = 0; i < kSignalCount; ++i)
            sigaction(kSignals[i], &Action, &s_arrPrevious[i]);
        s_bInstalled = true;
    }
} // namespace

OETopLevelExceptionFilter OESetUnhandledExceptionFilter(OETopLevelExceptionFilter a_funcFilter)
{
    OETopLevelExceptionFilter const funcPrevious = s_funcFilter.exchange(a_funcFilter);
    if (a_funcFilter && !s_bInstalled)
        Install();
    else if (!a_funcFilter && s_bInstalled)
        RestorePrevious();
    return funcPrevious;
}

uint32_t OEExceptionCodeOfSignal(int a_iSignal, int a_iCode, bool a_bNearStackPointer)
{
    switch (a_iSignal)
    {
    case SIGSEGV: return a_bNearStackPointer ? EXCEPTION_STACK_OVERFLOW : EXCEPTION_ACCESS_VIOLATION;
    case SIGBUS: return a_iCode == BUS_ADRALN ? EXCEPTION_DATATYPE_MISALIGNMENT : EXCEPTION_IN_PAGE_ERROR;
    case SIGILL: return a_iCode == ILL_PRVOPC ? EXCEPTION_PRIV_INSTRUCTION : EXCEPTION_ILLEGAL_INSTRUCTION;
    case SIGTRAP: return a_iCode == TRAP_TRACE ? EXCEPTION_SINGLE_STEP : EXCEPTION_BREAKPOINT;
    case SIGFPE:
        switch (a_iCode)
        {
        case FPE_INTOVF: return EXCEPTION_INT_OVERFLOW;
        case FPE_FLTDIV: return EXCEPTION_FLT_DIVIDE_BY_ZERO;
        case FPE_FLTOVF: return EXCEPTION_FLT_OVERFLOW;
        case FPE_FLTUND: return EXCEPTION_FLT_UNDERFLOW;
        case FPE_FLTRES: return EXCEPTION_FLT_INEXACT_RESULT;
        case FPE_FLTINV: return EXCEPTION_FLT_INVALID_OPERATION;
        case FPE_FLTSUB: return EXCEPTION_ARRAY_BOUNDS_EXCEEDED;
        default: return EXCEPTION_INT_DIVIDE_BY_ZERO;
        }
    default: return 0;
    }
}

__attribute__((noinline)) void OECaptureContext(CONTEXT * a_pContext)
{
    if (!a_pContext)
        return;
    std::memset(a_pContext, 0, sizeof(*a_pContext));
    ucontext_t UContext;
    std::memset(&UContext, 0, sizeof(UContext));
    getcontext(&UContext);
    FillContext(*a_pContext, UContext);
    // getcontext keeps no segment registers; these are the user selectors.
    a_pContext->SegCs = 0x33;
    a_pContext->SegSs = 0x2B;
    // The context stands for the caller, from its return address on. Tools
    // that wrap backtrace add frames of their own, so look for it.
    void * const pReturn = __builtin_return_address(0);
    void * arrFrames[80];
    int const iCount = backtrace(arrFrames, 80);
    int iFirst = 0;
    while (iFirst < iCount && arrFrames[iFirst] != pReturn)
        ++iFirst;
    a_pContext->Rip = reinterpret_cast<uint64_t>(pReturn);
    for (int i = iFirst; i < iCount && a_pContext->FrameCount < 64; ++i)
        a_pContext->Frames[a_pContext->FrameCount++] = arrFrames[i];
}

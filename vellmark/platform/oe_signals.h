#ifndef OE_SIGNALS_H_INCLUDED
#define OE_SIGNALS_H_INCLUDED

// Structured exceptions of the original platform, built from signals.
//
// SIGSEGV, SIGBUS, SIGFPE, SIGILL and SIGTRAP are caught on an alternate signal
// stack; the handler fills an EXCEPTION_POINTERS-shaped record from the signal
// information and the interrupted context, with the original platform's
// exception code, and hands it to the process's unhandled-exception filter.
// The filter's result decides: 1 ends the process with exit code 447, 0 puts the
// previous dispositions back and lets the signal take its course, -1 resumes
// (the faulting instruction runs again).

#include <vellmark/platform/oe_export.h>

#include <cstdint>

enum : uint32_t
{
    EXCEPTION_ACCESS_VIOLATION = 0xC0000005,
    EXCEPTION_DATATYPE_MISALIGNMENT = 0x80000002,
    EXCEPTION_BREAKPOINT = 0x80000003,
    EXCEPTION_SINGLE_STEP = 0x80000004,
    EXCEPTION_ARRAY_BOUNDS_EXCEEDED = 0xC000008C,
    EXCEPTION_FLT_DENORMAL_OPERAND = 0xC000008D,
    EXCEPTION_FLT_DIVIDE_BY_ZERO = 0xC000008E,
    EXCEPTION_FLT_INEXACT_RESULT = 0xC000008F,
    EXCEPTION_FLT_INVALID_OPERATION = 0xC0000090,
    EXCEPTION_FLT_OVERFLOW = 0xC0000091,
    EXCEPTION_FLT_STACK_CHECK = 0xC0000092,
    EXCEPTION_FLT_UNDERFLOW = 0xC0000093,
    EXCEPTION_INT_DIVIDE_BY_ZERO = 0xC0000094,
    EXCEPTION_INT_OVERFLOW = 0xC0000095,
    EXCEPTION_PRIV_INSTRUCTION = 0xC0000096,
    EXCEPTION_IN_PAGE_ERROR = 0xC0000006,
    EXCEPTION_ILLEGAL_INSTRUCTION = 0xC000001D,
    EXCEPTION_NONCONTINUABLE_EXCEPTION = 0xC0000025,
    EXCEPTION_STACK_OVERFLOW = 0xC00000FD,
    EXCEPTION_INVALID_DISPOSITION = 0xC0000026,
    EXCEPTION_GUARD_PAGE = 0x80000001,
    EXCEPTION_INVALID_HANDLE = 0xC0000008,
};

// Filter results.
enum : long
{
    EXCEPTION_EXECUTE_HANDLER = 1,
    EXCEPTION_CONTINUE_SEARCH = 0,
    EXCEPTION_CONTINUE_EXECUTION = -1,
};

struct EXCEPTION_RECORD
{
    uint32_t ExceptionCode;
    uint32_t ExceptionFlags;
    EXCEPTION_RECORD * ExceptionRecord;
    void * ExceptionAddress;
    uint32_t NumberParameters;
    uintptr_t ExceptionInformation[15]; // access violations: 0 read / 1 write, then the address
};

// The x86-64 registers by their own names; the 32-bit texts use the low halves.
// Frames holds the return addresses seen when the signal arrived, so that a walk
// over a context taken in a signal handler does not depend on frame pointers.
struct CONTEXT
{
    uint64_t Rax, Rbx, Rcx, Rdx, Rsi, Rdi, Rbp, Rsp;
    uint64_t R8, R9, R10, R11, R12, R13, R14, R15;
    uint64_t Rip, EFlags;
    uint16_t SegCs, SegDs, SegEs, SegFs, SegGs, SegSs;
    uint32_t FrameCount;
    void * Frames[64];
};

struct EXCEPTION_POINTERS
{
    EXCEPTION_RECORD * ExceptionRecord;
    CONTEXT * ContextRecord;
};

typedef EXCEPTION_POINTERS bSException_Pointers;
typedef long (*OETopLevelExceptionFilter)(EXCEPTION_POINTERS * a_pPointers);

// Makes a_funcFilter the process's unhandled-exception filter and returns the
// previous one. The first non-null filter installs the signal handlers; null
// puts the dispositions back that were there before.
OE_API OETopLevelExceptionFilter OESetUnhandledExceptionFilter(OETopLevelExceptionFilter a_funcFilter);

// The exception code for a signal and its si_code, by the platform table.
OE_API uint32_t OEExceptionCodeOfSignal(int a_iSignal, int a_iCode, bool a_bNearStackPointer);

// Fills a context of the calling function (for reports outside a signal).
OE_API void OECaptureContext(CONTEXT * a_pContext);

#endif

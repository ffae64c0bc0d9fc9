#ifndef OE_CRASHHANDLER_H_INCLUDED
#define OE_CRASHHANDLER_H_INCLUDED

// The crash handler: an unhandled-exception filter that hands crashes in
// chosen modules (all, when none are chosen) to a client filter, and the texts
// built from exception information: the fault reason, the registers and the
// call stack line by line.
//
// All texts share one static 1,024-character buffer: every call overwrites the
// previous text. Meant for the crashing thread, not for concurrent use.
//
// Stack-trace options: 1 = the frame's first four parameter words; 2 = module
// name; 4 = symbol; 8 = source file and line. The library uses 15.

#include <vellmark/crashhandler/DiagAssert.h> // the assertion facility belongs with the crash handler
#include <vellmark/platform/oe_modules.h>
#include <vellmark/platform/oe_signals.h>

enum : unsigned long
{
    GSTSO_PARAMS = 0x1,
    GSTSO_MODULE = 0x2,
    GSTSO_SYMBOL = 0x4,
    GSTSO_SRCLINE = 0x8,
};

typedef long (*OECrashHandlerFilter)(EXCEPTION_POINTERS * a_pPointers);

// Non-null: remember the client filter, installing the crash filter on first
// use. Null: put the previous filter back and forget the limit modules.
// Returns true.
OE_C_API int SetCrashHandlerFilter(OECrashHandlerFilter a_funcFilter);
OE_C_API int AddCrashHandlerLimitModule(HINSTANCE a_hModule);
OE_C_API unsigned int GetLimitModuleCount();
// 1 = copied; -2 = the array is smaller than the count; -1 = not writable.
OE_C_API int GetLimitModulesArray(HINSTANCE * a_pModules, unsigned int a_uSize);

OE_C_API char const * GetFaultReason(EXCEPTION_POINTERS * a_pPointers);
OE_C_API char const * GetRegisterString(EXCEPTION_POINTERS * a_pPointers);
// Null at the end of the stack.
OE_C_API char const * GetFirstStackTraceString(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers);
OE_C_API char const * GetNextStackTraceString(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers);

// The same texts copied into a caller buffer (cut to size - 1 characters);
// false when there is no text or the buffer is not writable.
OE_C_API int GetFaultReasonVB(EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer, unsigned int a_uSize);
OE_C_API int GetRegisterStringVB(EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer, unsigned int a_uSize);
OE_C_API int GetFirstStackTraceStringVB(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer,
                                        unsigned int a_uSize);
OE_C_API int GetNextStackTraceStringVB(unsigned long a_uOptions, EXCEPTION_POINTERS * a_pPointers, char * a_pcBuffer,
                                       unsigned int a_uSize);

// The name of an exception code from the platform's table, or null.
OE_C_API char const * GetExceptionName(unsigned long a_uCode);

#endif

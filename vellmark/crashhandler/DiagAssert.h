#ifndef OE_DIAGASSERT_H_INCLUDED
#define OE_DIAGASSERT_H_INCLUDED

// The assertion facility.
//
// Option bits: 1 = show the message box; 2 = write the text to the debugger
// output; 4 = append a call stack; 8 = append a call stack and leave out the
// header text. 0 stands for the current default options (initially 3).
//
// Texts are built in static buffers (the output buffer holds 4,096
// characters, the debug output 1,024); the facility is meant for the failing
// thread, not for concurrent use, and never allocates from the memory
// administration.

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_modules.h>

enum : unsigned long
{
    DA_SHOWMSGBOX = 0x1,
    DA_SHOWODS = 0x2,
    DA_SHOWSTACKTRACE = 0x4,
    DA_STACKTRACEONLY = 0x8,
    DA_USEDEFAULTS = 0x0,
};

// Returns nonzero when the caller should stop (Abort or Retry), 0 for Ignore or
// when no box was shown.
OE_C_API int DiagAssert(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile,
                        unsigned long a_uLine);
// Sets new default options and returns the old ones; 0 is refused (returns 0).
OE_C_API unsigned long SetDiagAssertOptions(unsigned long a_uOptions);
// Every assertion text is also copied into a_pcBuffer (4,096 characters); null switches it off.
OE_C_API void SetMessageBuffer(char * a_pcBuffer);
// Adds a module whose message table is searched for the last-error text; returns true.
OE_C_API int AddDiagAssertModule(HINSTANCE a_hModule);
// Formats into the debug-output buffer and writes it to the debugger output,
// keeping the thread's last-error code.
OE_C_API void DiagOutput(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));

// What every assertion of the library does on failure: ask DiagAssert and, when
// it says stop, break into an attached debugger and end the process with -1.
OE_API void OEAssertFailed(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile,
                           unsigned long a_uLine);

// The condition's text is part of the report, so it has to be a macro.
#define OE_ASSERT_EX(OPTIONS, CONDITION, MODULE)                                                                       \
    ((CONDITION) ? static_cast<void>(0) : OEAssertFailed((OPTIONS), #CONDITION, (MODULE), __LINE__))

// For checks whose reported text is fixed and differs from the code's spelling.
#define OE_ASSERT_TEXT(CONDITION, TEXT, MODULE)                                                                        \
    ((CONDITION) ? static_cast<void>(0) : OEAssertFailed(DA_USEDEFAULTS, (TEXT), (MODULE), __LINE__))

#endif

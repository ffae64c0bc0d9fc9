#ifndef OE_DIAGASSERT_H_INCLUDED
#define OE_DIAGASSERT_H_INCLUDED

// The assertion facility.
//
// Option bits: 1 = show the message box; 2 = write the text to the debugger
// output; 4 = append a call stack; 8 = append a call stack and leave out the
// header text.
//
// (Seam: declarations only; the facility is completed with the memory
// administration, the call stack with the crash handler.)

#include <vellmark/platform/oe_export.h>

enum : unsigned long
{
    DA_SHOWMSGBOX = 0x1,
    DA_SHOWODS = 0x2,
    DA_SHOWSTACKTRACE = 0x4,
    DA_STACKTRACEONLY = 0x8,
    DA_USEDEFAULTS = 0x0,
};

// Returns nonzero when the caller should stop.
OE_C_API int DiagAssert(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile,
                        unsigned long a_uLine);
OE_C_API unsigned long SetDiagAssertOptions(unsigned long a_uOptions);
OE_C_API void SetMessageBuffer(char * a_pcBuffer);
OE_C_API void DiagOutput(char const * a_pcFormat, ...) __attribute__((format(printf, 1, 2)));

// What every assertion of the library does on failure: ask DiagAssert and, when
// it says stop, break into an attached debugger and end the process with -1.
OE_API void OEAssertFailed(unsigned long a_uOptions, char const * a_pcExpression, char const * a_pcFile,
                           unsigned long a_uLine);

// The condition's text is part of the report, so it has to be a macro.
#define OE_ASSERT_EX(OPTIONS, CONDITION, MODULE)                                                      \
    ((CONDITION) ? static_cast<void>(0) : OEAssertFailed((OPTIONS), #CONDITION, (MODULE), __LINE__))

#endif

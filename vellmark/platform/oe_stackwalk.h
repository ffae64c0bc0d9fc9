#ifndef OE_STACKWALK_H_INCLUDED
#define OE_STACKWALK_H_INCLUDED

// The symbol engine of this platform: stack capture (backtrace), symbols
// (dladdr and demangling; the full symbol tables when libdw is built in,
// OE_HAVE_LIBDW) and source lines (only with libdw).

#include <vellmark/platform/oe_export.h>

// The return addresses of the calling thread, innermost first (this function's
// own frame left out); returns how many were written.
OE_API int OECaptureStackBackTrace(void ** a_ppFrames, int a_iMax);

// The demangled name of the function at a_pAddress, without its parameter list,
// and the distance from its start; the name is cut to fit. False when no symbol
// is known.
OE_API bool OEGetSymbolFromAddress(void const * a_pAddress, char * a_pcName, unsigned long a_uSize,
                                   unsigned long * a_pDisplacement);

// The source file and line of a_pAddress and the distance from the line's first
// instruction. False when unknown (always without libdw).
OE_API bool OEGetLineFromAddress(void const * a_pAddress, char * a_pcFile, unsigned long a_uSize,
                                 unsigned long * a_pLine, unsigned long * a_pDisplacement);

// Cuts a demangled name before its last parenthesised group at nesting depth 0
// and the cv or reference qualifiers after it: "a::b<int>::operator()(int) const"
// becomes "a::b<int>::operator()". A name without a parameter list stays as it is.
OE_API void OEStripParameterList(char * a_pcName);

// The source line of a_uAddress in a module of the caller's own libdw session
// (a Dwfl_Module): file, line and the line's first address, also in units that
// carry no address-range table. False when unknown (always without libdw).
OE_API bool OEFindSourceLine(void * a_pDwflModule, unsigned long long a_uAddress, char const ** a_ppcFile, int * a_piLine,
                             unsigned long long * a_puLineAddress);

// Whether source lines can be found at all in this build.
OE_API bool OEHasLineInformation();

#endif

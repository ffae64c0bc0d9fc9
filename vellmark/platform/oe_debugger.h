#ifndef OE_DEBUGGER_H_INCLUDED
#define OE_DEBUGGER_H_INCLUDED

// The debugger services of the original platform: whether a debugger is
// attached (the tracer of /proc/self/status), the debugger output (standard
// error) and breaking into the debugger (only when one is attached).

#include <vellmark/platform/oe_export.h>

OE_API bool OEIsDebuggerPresent();
OE_API void OEOutputDebugString(char const * a_pcText);
OE_API void OEDebugBreak();

// The per-thread last-error code: 0 at thread start, set by the stand-in layer
// with the original platform's codes.
OE_API unsigned long OEGetLastError();
OE_API void OESetLastError(unsigned long a_uCode);

#endif

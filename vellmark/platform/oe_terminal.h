#ifndef OE_TERMINAL_H_INCLUDED
#define OE_TERMINAL_H_INCLUDED

// Whether an output goes to a terminal (1 = standard output), for tools that
// colour what they print only there.

#include <vellmark/platform/oe_export.h>

OE_API bool OEIsTerminal(int a_iFileDescriptor);

#endif

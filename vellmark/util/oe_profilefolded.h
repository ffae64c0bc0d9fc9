#ifndef OE_PROFILEFOLDED_H_INCLUDED
#define OE_PROFILEFOLDED_H_INCLUDED

// The profile tree as folded stacks, the text that flame-graph viewers read:
// one line per node, from the root down, children in the order of the child
// chain, e.g.
//   Root;Frame;Physics 1234
// with the path of node names joined by ';' and the node's exclusive time in
// whole microseconds (its total minus its children's totals, rounded, never
// below 0). ';', blanks and line ends inside names become '_'.

#include <vellmark/kernel/oe_string.h>
#include <vellmark/platform/oe_export.h>

class bCOStream;

OE_API bCString g_funcGetFoldedStacks();
OE_API void g_funcWriteFoldedStacks(bCOStream & a_Stream);     // the text's bytes, no terminator
OE_API bool g_funcWriteFoldedStacks(char const * a_pcFileName); // false when the file cannot be written

#endif

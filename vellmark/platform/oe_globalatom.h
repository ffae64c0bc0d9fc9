#ifndef OE_GLOBALATOM_H_INCLUDED
#define OE_GLOBALATOM_H_INCLUDED

// The global atom table of the original platform, kept in this process: a
// name maps to a 16-bit id (0xC000 and up) with a use count. Adding a known
// name raises its count; deleting lowers it and removes the atom at zero.

#include <vellmark/platform/oe_export.h>

typedef unsigned short ATOM;

// The atom of the name (0 for a null or empty name or a full table).
OE_API ATOM OEGlobalAddAtom(char const * a_pcName);
// 0 when the use was dropped; the atom itself when it does not exist (any more).
OE_API ATOM OEGlobalDeleteAtom(ATOM a_Atom);
// Copies the name with its terminator, cut to the buffer; returns its length or 0.
OE_API unsigned int OEGlobalGetAtomName(ATOM a_Atom, char * a_pcBuffer, int a_iSize);

#endif

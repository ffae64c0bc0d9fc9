#ifndef OE_BSUFUNCTIONS_H_INCLUDED
#define OE_BSUFUNCTIONS_H_INCLUDED

// Small services shared by the assertion facility and the crash handler:
// module base names and symbol and source-line lookups, written into caller
// buffers and never allocating from the memory administration.

#include <vellmark/platform/oe_modules.h>

// The module's file name after its last slash or backslash, cut to fit;
// returns its length, 0 for an unknown module.
OE_API unsigned long BSUGetModuleBaseName(HMODULE a_hModule, char * a_pcName, unsigned long a_uSize);

// The base name of the module that maps a_pAddress; 0 when none does.
OE_API unsigned long BSUGetModuleBaseNameOfAddress(void const * a_pAddress, char * a_pcName, unsigned long a_uSize);

// The symbol at a_pAddress and the distance from its start.
OE_API bool BSUSymGetSymFromAddr(void const * a_pAddress, char * a_pcName, unsigned long a_uSize,
                                 unsigned long * a_pDisplacement);

// The source line of a_pAddress. An address without a line of its own is
// looked up again 1, 2, ... 99 bytes before it; the bytes stepped back are
// then the displacement.
OE_API bool BSUSymGetLineFromAddr(void const * a_pAddress, char * a_pcFile, unsigned long a_uSize,
                                  unsigned long * a_pLine, unsigned long * a_pDisplacement);

// The text after the last slash or backslash of a path.
OE_API char const * BSUBaseName(char const * a_pcPath);

#endif

#ifndef OE_GETLOADEDMODULES_H_INCLUDED
#define OE_GETLOADEDMODULES_H_INCLUDED

// The modules loaded in a process. Only the calling process can be listed on
// this platform (its id or 0).

#include <vellmark/platform/oe_modules.h>

// Fills up to a_uSize handles and always sets *a_puRealCount. Size 0 asks for
// the count only. Last errors: 87 bad argument, 122 array too small.
OE_C_API int GetLoadedModules(unsigned long a_uProcessId, unsigned int a_uSize, HMODULE * a_pModules,
                              unsigned int * a_puRealCount);
// The module's file name without its directory; returns its length.
OE_C_API unsigned long CHGetModuleBaseName(HANDLE a_hProcess, HMODULE a_hModule, char * a_pcName,
                                           unsigned long a_uSize);
// This platform answers like the NT family.
OE_C_API bool IsNT();

#endif

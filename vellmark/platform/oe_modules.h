#ifndef OE_MODULES_H_INCLUDED
#define OE_MODULES_H_INCLUDED

// The modules loaded in this process (dl_iterate_phdr). A module handle is the
// lowest address the module is mapped at, so that no loaded module, not even a
// non-relocatable program, has a null handle.

#include <vellmark/platform/oe_export.h>

typedef void * HMODULE;
typedef void * HINSTANCE;
typedef void * HANDLE;

// Fills up to a_uSize handles, in load order, and returns how many there are.
OE_API unsigned int OEEnumProcessModules(HMODULE * a_pModules, unsigned int a_uSize);

// The module that maps a_pAddress, or null.
OE_API HMODULE OEGetModuleOfAddress(void const * a_pAddress);

// The module's full path (the program's from /proc/self/exe), cut to fit;
// returns the length written, 0 for an unknown module.
OE_API unsigned long OEGetModuleFileName(HMODULE a_hModule, char * a_pcName, unsigned long a_uSize);

// The program's own module.
OE_API HMODULE OEGetMainModule();

// The module's mapped size in bytes (0 for an unknown module).
OE_API unsigned long OEGetModuleSize(HMODULE a_hModule);

// The directory of the module that maps a_pAddress, without a trailing
// slash; false when unknown or too long.
OE_API bool OEGetModuleDirectoryOf(void const * a_pAddress, char * a_pcDir, unsigned long a_uSize);

#endif

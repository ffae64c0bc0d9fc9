#ifndef OE_DYNLIB_H_INCLUDED
#define OE_DYNLIB_H_INCLUDED

// Loading a module at run time (dlopen, dlsym, dlclose). A name "X.dll" that is
// not found as given is looked up as "libX.so".

#include <vellmark/platform/oe_export.h>

OE_API void * OELoadLibrary(char const * a_pcName);
OE_API void * OEGetProcAddress(void * a_hLibrary, char const * a_pcName);
OE_API void OEFreeLibrary(void * a_hLibrary);

// The directory of the module that contains a_pAddress, without a trailing
// slash; false when unknown.
OE_API bool OEGetModuleDirectoryOf(void const * a_pAddress, char * a_pcDir, unsigned long a_uSize);

#endif

#ifndef OE_MODULE_H_INCLUDED
#define OE_MODULE_H_INCLUDED

// Module loading as the original platform offers it (LoadLibraryA,
// GetProcAddress, FreeLibrary), over the dynamic loader.
//
// A module name "X.dll" that the loader does not find as given is looked up as
// "libX.so" (in the same folder when the name has one). "vellmark.dll" always
// names the loaded library itself, whatever its file is called.

#include <vellmark/platform/oe_export.h>

#include <cstdint>

typedef void * OEHModule;
typedef void (*OEFarProc)();

// The record a module's "DllGetVersion" export fills: five 32-bit fields, the
// first one its own size (20).
struct OE_API bSDllVersionInfo
{
    uint32_t m_u32Size;
    uint32_t m_u32MajorVersion;
    uint32_t m_u32MinorVersion;
    uint32_t m_u32BuildNumber;
    uint32_t m_u32PlatformID;
};

// The signature of "DllGetVersion": a 32-bit result code, negative on failure.
typedef int32_t (*OEDllGetVersionProc)(bSDllVersionInfo * a_pInfo);

OE_API OEHModule OELoadModule(char const * a_pcModuleName); // null when it cannot be loaded
OE_API OEFarProc OEGetModuleProc(OEHModule a_hModule, char const * a_pcProcName);
OE_API bool OEFreeModule(OEHModule a_hModule);

// The file behind a module name: the file itself when it exists, else the
// module as the loader finds it (already loaded, or loadable). Writes the path
// with its terminator; false when there is none or it does not fit.
OE_API bool OEFindModuleFile(char const * a_pcModuleName, char * a_pcPath, unsigned long a_uPathSize);

#endif

#ifndef OE_DLLMAIN_H_INCLUDED
#define OE_DLLMAIN_H_INCLUDED

// The library's entry point. The loader's stand-in calls it with the process
// attach reason when the library is loaded and with the process detach reason
// when it is unloaded; it may be called for thread attach and detach as well.
// On its first call, whatever the reason, it prints the build banner through the
// message administration; it always reports success.

#include <vellmark/kernel/oe_types.h>

enum bEDllReason
{
    bEDllReason_ProcessDetach = 0,
    bEDllReason_ProcessAttach = 1,
    bEDllReason_ThreadAttach = 2,
    bEDllReason_ThreadDetach = 3,
};

OE_C_API int DllMain(void * a_hModule, unsigned long a_uReason, void * a_pReserved);

#endif

#ifndef OE_MEMPROBE_H_INCLUDED
#define OE_MEMPROBE_H_INCLUDED

// IsBadReadPtr and IsBadWritePtr of the original platform: probes that cannot
// fault, made by asking the kernel to copy the bytes for us
// (process_vm_readv / process_vm_writev on our own process). A write probe
// writes the bytes it has just read back in place. Size 0 is never bad.

#include <vellmark/platform/oe_export.h>

OE_API bool OEIsBadReadPtr(void const * a_pAddress, unsigned long a_uSize);
OE_API bool OEIsBadWritePtr(void * a_pAddress, unsigned long a_uSize);

// Copies a_uSize bytes from a_pAddress into a_pDest; false when unreadable.
OE_API bool OEProbeRead(void const * a_pAddress, void * a_pDest, unsigned long a_uSize);

#endif

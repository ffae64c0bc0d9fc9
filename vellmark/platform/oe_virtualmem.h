#ifndef OE_VIRTUALMEM_H_INCLUDED
#define OE_VIRTUALMEM_H_INCLUDED

// Address-space reservation of the original platform: a range is reserved
// without backing store, committed (made readable and writable) piece by piece,
// decommitted (contents dropped, inaccessible again) and finally released.
// Sizes are rounded up to whole pages.

#include <vellmark/platform/oe_export.h>

#include <cstddef>

OE_API void * OEVirtualReserve(std::size_t a_uSize); // null when the range cannot be reserved
OE_API bool OEVirtualCommit(void * a_pAddress, std::size_t a_uSize);
OE_API bool OEVirtualDecommit(void * a_pAddress, std::size_t a_uSize);
OE_API bool OEVirtualRelease(void * a_pAddress, std::size_t a_uSize);
OE_API std::size_t OEVirtualPageSize();

#endif

#ifndef OE_RANDOM_H_INCLUDED
#define OE_RANDOM_H_INCLUDED

// Random bytes from the operating system's generator, the source of new GUIDs.

#include <vellmark/platform/oe_export.h>

#include <cstddef>

// Fills a_uSize bytes; false when the system could not deliver them all.
OE_API bool OEGetRandomBytes(void * a_pDest, std::size_t a_uSize);

#endif

#ifndef OE_MMTIME_H_INCLUDED
#define OE_MMTIME_H_INCLUDED

// The multimedia timer of the original platform: milliseconds since the
// system started, wrapping at 32 bits. The seed source of the random
// generator and of timed noise seeding.

#include <vellmark/platform/oe_export.h>

OE_API unsigned long OETimeGetTime();

#endif

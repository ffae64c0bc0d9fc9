#ifndef OE_TYPES_H_INCLUDED
#define OE_TYPES_H_INCLUDED

// The library's own names for the fundamental types.
//
// int and unsigned int are the native integers: allowed in memory, warned about
// when persisted. long and unsigned long are the explicit-width integers of the
// interface; they are 64-bit on this platform but travel as exactly 4 bytes in
// every persisted format. Persisting code never uses the <cstdint> names.

#include <vellmark/platform/oe_export.h>

typedef int OEInt;
typedef unsigned int OEUInt;
typedef long OEI32;
typedef unsigned long OEU32;
typedef signed char OEI8;
typedef unsigned char OEU8;
typedef short OEI16;
typedef unsigned short OEU16;
typedef long long OEI64;
typedef unsigned long long OEU64;
typedef bool OEBool;

inline constexpr bool OETrue = true;
inline constexpr bool OEFalse = false;

#ifndef NULL
#define NULL 0
#endif

#endif

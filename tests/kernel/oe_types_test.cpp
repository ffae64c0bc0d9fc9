#include <vellmark/kernel/oe_types.h>

#include <type_traits>

// Checked when this file compiles.
static_assert(sizeof(OEU8) == 1 && sizeof(OEU16) == 2 && sizeof(OEInt) == 4 && sizeof(OEI64) == 8);
// long stays a type of its own beside int, so overloads for both stay distinct.
static_assert(!std::is_same_v<OEU32, OEUInt>);
static_assert(!std::is_same_v<OEI32, OEInt>);
static_assert(!std::is_same_v<OEI64, OEI32>);

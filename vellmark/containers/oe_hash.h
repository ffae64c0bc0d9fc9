#ifndef OE_HASH_H_INCLUDED
#define OE_HASH_H_INCLUDED

// Hash values of map keys.
//
// A key type is usable in the maps once g_GetHashValue is specialised for it;
// the primary template is deleted so that a missing specialisation is a compile
// error rather than a silent bad hash. Results are 32-bit values carried in an
// unsigned long: they wrap at 32 bits on every platform.
//
// Text keys: start with 0, then hash = hash * 33 + byte for every byte up to the
// terminating zero, the byte taken as signed 8-bit (bytes 0x80..0xFF subtract).
// Case-sensitive; an empty or null text hashes to 0.

#include <vellmark/kernel/oe_types.h>

class bCString;
class bCGuid;

template <typename T> unsigned long g_GetHashValue(T const & a_Key) = delete;

template <> OE_API unsigned long g_GetHashValue<bCString>(bCString const & a_strKey);
template <> OE_API unsigned long g_GetHashValue<char *>(char * const & a_pcKey);
// 0 for every GUID: all GUID keys share one bucket.
template <> OE_API unsigned long g_GetHashValue<bCGuid>(bCGuid const & a_Key);

// Literals and constant texts hash like the char * key.
inline unsigned long g_GetHashValue(char const * a_pcKey)
{
    return g_GetHashValue<char *>(const_cast<char *>(a_pcKey));
}

#endif

#ifndef OE_RANDOM_H_INCLUDED
#define OE_RANDOM_H_INCLUDED

// Random numbers from the platform: the operating system's generator (the
// source of new GUIDs) and the C runtime generator of the original platform,
// whose sequences the library's seeded tables rely on.

#include <vellmark/platform/oe_export.h>

#include <cstddef>

// Fills a_uSize bytes; false when the system could not deliver them all.
OE_API bool OEGetRandomBytes(void * a_pDest, std::size_t a_uSize);

// The runtime generator keeps one state per thread, 1 at thread start (as after
// OESRand(1)): state = state * 214013 + 2531011 (32-bit), result = bits 16 to 30
// of the new state. glibc's rand produces another sequence.
inline constexpr int g_iRandMax = 32767;
OE_API void OESRand(unsigned int a_uSeed);
OE_API int OERand(); // 0 to g_iRandMax

#endif

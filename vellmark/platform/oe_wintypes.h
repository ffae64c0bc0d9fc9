#ifndef OE_WINTYPES_H_INCLUDED
#define OE_WINTYPES_H_INCLUDED

// Small records shaped like those of the original platform, with the same field
// order and size, so that values built from them keep their memory layout.

#include <cstdint>

// A globally unique identifier: 16 bytes, the first three fields little-endian.
struct _GUID
{
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(_GUID) == 16, "a GUID is 16 bytes");

// A count of 100-nanosecond ticks since 1 January 1601 (UTC), split in two words.
struct _FILETIME
{
    uint32_t dwLowDateTime;
    uint32_t dwHighDateTime;
};
static_assert(sizeof(_FILETIME) == 8, "a file time is 8 bytes");

// A calendar time broken into its fields; the day of the week counts from Sunday = 0.
struct _SYSTEMTIME
{
    uint16_t wYear;
    uint16_t wMonth;
    uint16_t wDayOfWeek;
    uint16_t wDay;
    uint16_t wHour;
    uint16_t wMinute;
    uint16_t wSecond;
    uint16_t wMilliseconds;
};
static_assert(sizeof(_SYSTEMTIME) == 16, "a system time is 16 bytes");

#endif

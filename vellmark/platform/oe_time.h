#ifndef OE_TIME_H_INCLUDED
#define OE_TIME_H_INCLUDED

// The time services of the original platform: the system time in file-time
// ticks (100 ns since 1 January 1601, UTC), its conversion to local calendar
// time, and the date and time texts of the user's default locale, which is
// language 0x0409 here:
//   long date  "dddd, MMMM d, yyyy"  (Wednesday, December 13, 2006)
//   short date "M/d/yyyy"            (12/13/2006)
//   time       "h:mm:ss tt"          (2:29:02 PM)

#include <vellmark/platform/oe_export.h>
#include <vellmark/platform/oe_wintypes.h>

// Ticks between 1 January 1601 and 1 January 1970.
inline constexpr unsigned long long g_u64FileTimeUnixEpoch = 116444736000000000ULL;

OE_API unsigned long long OEGetSystemTimeAsFileTime();

// False when the ticks lie beyond what the calendar conversion can represent.
OE_API bool OEFileTimeToLocalSystemTime(unsigned long long a_u64Ticks, _SYSTEMTIME & a_Time);

enum bEDateFormat
{
    bEDateFormat_Short = 0,
    bEDateFormat_Long = 1,
};

// Both write the text with its terminator into a_pcDest and return the bytes
// written including the terminator, or 0 when a_iMax is too small.
OE_API int OEGetDateFormat(_SYSTEMTIME const & a_Time, bEDateFormat a_eFormat, char * a_pcDest, int a_iMax);
OE_API int OEGetTimeFormat(_SYSTEMTIME const & a_Time, char * a_pcDest, int a_iMax);

#endif

#ifndef OE_DATETIME_H_INCLUDED
#define OE_DATETIME_H_INCLUDED

// A point in time in 100-nanosecond ticks since 1 January 1601 (UTC).
//
// File times (_FILETIME) are taken with 2-second resolution, as the file
// stamps they come from, and every comparison works in whole 2-second units,
// so a stamp and the same time held at full resolution compare equal.
// Arithmetic is plain 64-bit and wraps.

#include <vellmark/kernel/oe_types.h>
#include <vellmark/platform/oe_wintypes.h>

class bCString;

class OE_API bCDateTime
{
public:
    static constexpr unsigned long long ms_u64TicksPerUnit = 20000000ULL; // one 2-second unit

public:
    bCDateTime(); // time 0
    bCDateTime(unsigned long long a_u64Ticks);
    bCDateTime(_FILETIME const & a_FileTime); // floored to 2 seconds
    bCDateTime(bCDateTime const & a_Source);
    ~bCDateTime() = default;

public:
    void SetDateTime(_FILETIME const & a_FileTime); // floored to 2 seconds
    void SetDateTime(unsigned long long a_u64Ticks);
    bCDateTime & operator=(_FILETIME const & a_FileTime);
    unsigned long long GetDateTime() const;
    void GetDateTime(unsigned long long & a_u64Ticks) const;
    unsigned long long & AccessDateTime();
    operator _FILETIME() const;
    operator _FILETIME();
    void Update(); // the current system time, unrounded
    void Clear();
    void Init();

public:
    bCDateTime & Add(bCDateTime const & a_Other);
    bCDateTime & Sub(bCDateTime const & a_Other);
    bCDateTime & operator+=(bCDateTime const & a_Other);
    bCDateTime & operator-=(bCDateTime const & a_Other);
    bCDateTime operator+(bCDateTime const & a_Other) const;
    bCDateTime operator-(bCDateTime const & a_Other) const;

public:
    bool operator==(bCDateTime const & a_Other) const;
    bool operator!=(bCDateTime const & a_Other) const;
    bool operator<(bCDateTime const & a_Other) const;
    bool operator<=(bCDateTime const & a_Other) const;
    bool operator>(bCDateTime const & a_Other) const;
    bool operator>=(bCDateTime const & a_Other) const;

public:
    // Local time in the user's default layouts; empty when the time cannot be converted.
    void GetDateString(bCString & a_strDate) const;      // "Wednesday, December 13, 2006"
    void GetShortDateString(bCString & a_strDate) const; // "12/13/2006"
    void GetTimeString(bCString & a_strTime) const;      // "2:29:02 PM"

public:
    void CopyFrom(bCDateTime const & a_Source);
    void CopyTo(bCDateTime & a_Dest) const;
    bCDateTime & operator=(bCDateTime const & a_Source);

private:
    unsigned long long GetUnits() const;

private:
    unsigned long long m_u64DateTime;
};

#endif

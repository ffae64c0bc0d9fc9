#include <vellmark/kernel/oe_datetime.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/platform/oe_time.h>

namespace
{
    // The platform fills at most 255 characters and a terminator.
    constexpr int kDateTextCapacity = 256;

    unsigned long long FromFileTime(_FILETIME const & a_FileTime)
    {
        return static_cast<unsigned long long>(a_FileTime.dwHighDateTime) << 32 | a_FileTime.dwLowDateTime;
    }

    _FILETIME ToFileTime(unsigned long long a_u64Ticks)
    {
        _FILETIME FileTime;
        FileTime.dwLowDateTime = static_cast<uint32_t>(a_u64Ticks);
        FileTime.dwHighDateTime = static_cast<uint32_t>(a_u64Ticks >> 32);
        return FileTime;
    }
} // namespace

bCDateTime::bCDateTime() : m_u64DateTime(0) {}

bCDateTime::bCDateTime(unsigned long long a_u64Ticks) : m_u64DateTime(a_u64Ticks) {}

bCDateTime::bCDateTime(_FILETIME const & a_FileTime) : m_u64DateTime(0)
{
    SetDateTime(a_FileTime);
}

bCDateTime::bCDateTime(bCDateTime const & a_Source) : m_u64DateTime(a_Source.m_u64DateTime) {}

void bCDateTime::SetDateTime(_FILETIME const & a_FileTime)
{
    unsigned long long u64Ticks = FromFileTime(a_FileTime);
    m_u64DateTime = u64Ticks - u64Ticks % ms_u64TicksPerUnit;
}

void bCDateTime::SetDateTime(unsigned long long a_u64Ticks)
{
    m_u64DateTime = a_u64Ticks;
}

bCDateTime & bCDateTime::operator=(_FILETIME const & a_FileTime)
{
    SetDateTime(a_FileTime);
    return *this;
}

unsigned long long bCDateTime::GetDateTime() const
{
    return m_u64DateTime;
}

void bCDateTime::GetDateTime(unsigned long long & a_u64Ticks) const
{
    a_u64Ticks = m_u64DateTime;
}

unsigned long long & bCDateTime::AccessDateTime()
{
    return m_u64DateTime;
}

bCDateTime::operator _FILETIME() const
{
    return ToFileTime(m_u64DateTime);
}

bCDateTime::operator _FILETIME()
{
    return ToFileTime(m_u64DateTime);
}

void bCDateTime::Update()
{
    m_u64DateTime = OEGetSystemTimeAsFileTime();
}

void bCDateTime::Clear()
{
    m_u64DateTime = 0;
}

void bCDateTime::Init()
{
    m_u64DateTime = 0;
}

bCDateTime & bCDateTime::Add(bCDateTime const & a_Other)
{
    m_u64DateTime += a_Other.m_u64DateTime;
    return *this;
}

bCDateTime & bCDateTime::Sub(bCDateTime const & a_Other)
{
    m_u64DateTime -= a_Other.m_u64DateTime;
    return *this;
}

bCDateTime & bCDateTime::operator+=(bCDateTime const & a_Other)
{
    return Add(a_Other);
}

bCDateTime & bCDateTime::operator-=(bCDateTime const & a_Other)
{
    return Sub(a_Other);
}

bCDateTime bCDateTime::operator+(bCDateTime const & a_Other) const
{
    return bCDateTime(m_u64DateTime + a_Other.m_u64DateTime);
}

bCDateTime bCDateTime::operator-(bCDateTime const & a_Other) const
{
    return bCDateTime(m_u64DateTime - a_Other.m_u64DateTime);
}

unsigned long long bCDateTime::GetUnits() const
{
    return m_u64DateTime / ms_u64TicksPerUnit;
}

bool bCDateTime::operator==(bCDateTime const & a_Other) const
{
    return GetUnits() == a_Other.GetUnits();
}
bool bCDateTime::operator!=(bCDateTime const & a_Other) const
{
    return GetUnits() != a_Other.GetUnits();
}
bool bCDateTime::operator<(bCDateTime const & a_Other) const
{
    return GetUnits() < a_Other.GetUnits();
}
bool bCDateTime::operator<=(bCDateTime const & a_Other) const
{
    return GetUnits() <= a_Other.GetUnits();
}
bool bCDateTime::operator>(bCDateTime const & a_Other) const
{
    return GetUnits() > a_Other.GetUnits();
}
bool bCDateTime::operator>=(bCDateTime const & a_Other) const
{
    return GetUnits() >= a_Other.GetUnits();
}

void bCDateTime::CopyFrom(bCDateTime const & a_Source)
{
    m_u64DateTime = a_Source.m_u64DateTime;
}

void bCDateTime::CopyTo(bCDateTime & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

bCDateTime & bCDateTime::operator=(bCDateTime const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

namespace
{
    void SetLocalText(unsigned long long a_u64Ticks, bCString & a_strText,
                      int (*a_pfnFormat)(_SYSTEMTIME const &, char *, int))
    {
        _SYSTEMTIME Local;
        char arrText[kDateTextCapacity];
        if (!OEFileTimeToLocalSystemTime(a_u64Ticks, Local) || a_pfnFormat(Local, arrText, kDateTextCapacity) == 0)
            arrText[0] = 0;
        a_strText.SetText(arrText);
    }

    int LongDate(_SYSTEMTIME const & a_Time, char * a_pcDest, int a_iMax)
    {
        return OEGetDateFormat(a_Time, bEDateFormat_Long, a_pcDest, a_iMax);
    }

    int ShortDate(_SYSTEMTIME const & a_Time, char * a_pcDest, int a_iMax)
    {
        return OEGetDateFormat(a_Time, bEDateFormat_Short, a_pcDest, a_iMax);
    }
} // namespace

void bCDateTime::GetDateString(bCString & a_strDate) const
{
    SetLocalText(m_u64DateTime, a_strDate, LongDate);
}

void bCDateTime::GetShortDateString(bCString & a_strDate) const
{
    SetLocalText(m_u64DateTime, a_strDate, ShortDate);
}

void bCDateTime::GetTimeString(bCString & a_strTime) const
{
    SetLocalText(m_u64DateTime, a_strTime, OEGetTimeFormat);
}

#include <vellmark/kernel/oe_clock.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_timer.h>

namespace
{
    constexpr float kRestartMeasuring = -1.0f;

    // Whole seconds of a second-of-day value as the unsigned division sees
    // them: nothing below 0, the largest count above the range.
    uint32_t WholeSeconds(float a_fSecond)
    {
        if (!(a_fSecond >= 1.0f))
            return 0;
        if (a_fSecond >= 4294967295.0f)
            return UINT32_MAX;
        return static_cast<uint32_t>(a_fSecond);
    }
} // namespace

bCClock::bCClock() : m_u32LastTimeStamp(0), m_fPendingSeconds(kRestartMeasuring), m_bPaused(true) {}

bCClock::bCClock(bCClock const &) : bCClock()
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", "bCClock [Copy constructor]",
                     "Copying forbidden!");
}

bCClock & bCClock::operator=(bCClock const & a_Source)
{
    m_Adjustment = a_Source.m_Adjustment;
    m_TimeAndDate = a_Source.m_TimeAndDate;
    m_u32LastTimeStamp = a_Source.m_u32LastTimeStamp;
    m_fPendingSeconds = a_Source.m_fPendingSeconds;
    m_bPaused = a_Source.m_bPaused;
    return *this;
}

void bCClock::GetTimeAndDate(bSTimeAndDate & a_TimeAndDate)
{
    if (m_fPendingSeconds == kRestartMeasuring)
    {
        m_u32LastTimeStamp = static_cast<uint32_t>(bCTimer::GetTimeStamp());
        m_fPendingSeconds = 0.0f;
    }
    if (!m_bPaused)
    {
        uint32_t const u32Now = static_cast<uint32_t>(bCTimer::GetTimeStamp());
        uint32_t const u32Elapsed = u32Now - m_u32LastTimeStamp;
        // One rounding to float: whole milliseconds give whole seconds exactly.
        m_fPendingSeconds +=
            static_cast<float>(static_cast<double>(u32Elapsed) * static_cast<double>(m_Adjustment.m_fSpeedFactor) * 0.001);
        m_u32LastTimeStamp = u32Now;
    }
    m_TimeAndDate.m_fSecond += m_fPendingSeconds;
    m_fPendingSeconds = 0.0f;
    Carry();
    a_TimeAndDate = m_TimeAndDate;
}

// A day or year length of 0 carries nothing (the division has no result).
void bCClock::Carry()
{
    uint32_t const u32SecondsPerDay = m_Adjustment.m_u32SecondsPerDay;
    uint32_t const u32DaysPerYear = m_Adjustment.m_u32DaysPerYear;
    if (u32SecondsPerDay == 0 || u32DaysPerYear == 0)
        return;
    uint32_t const u32WholeDays = WholeSeconds(m_TimeAndDate.m_fSecond) / u32SecondsPerDay;
    m_TimeAndDate.m_fSecond -= static_cast<float>(u32WholeDays * u32SecondsPerDay);
    uint32_t const u32TotalDays = m_TimeAndDate.m_u32Day + u32WholeDays;
    uint32_t const u32WholeYears = u32TotalDays / u32DaysPerYear;
    m_TimeAndDate.m_u32Year += u32WholeYears;
    m_TimeAndDate.m_u32Day = u32TotalDays - u32WholeYears * u32DaysPerYear;
}

void bCClock::Set(bSTimeAndDate const & a_TimeAndDate)
{
    m_TimeAndDate = a_TimeAndDate;
    m_fPendingSeconds = kRestartMeasuring;
}

void bCClock::Adjust(bSClockAdjustment const & a_Adjustment)
{
    m_Adjustment = a_Adjustment;
}

void bCClock::Pause()
{
    m_bPaused = true;
    m_fPendingSeconds = kRestartMeasuring;
}

void bCClock::Resume()
{
    m_bPaused = false;
}

bool bCClock::IsPaused() const
{
    return m_bPaused;
}

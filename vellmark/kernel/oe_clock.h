#ifndef OE_CLOCK_H_INCLUDED
#define OE_CLOCK_H_INCLUDED

// A pausable, speed-scaled calendar clock: year, day of the year and second of
// the day, with configurable day and year lengths, on the time stamp of
// bCTimer. It starts paused. Measuring restarts at the first query after
// construction, Set, Pause or Resume: that query adds no time.

#include <vellmark/platform/oe_export.h>

#include <cstdint>

struct bSClockAdjustment
{
    float m_fSpeedFactor = 1.0f;
    uint32_t m_u32SecondsPerDay = 86400;
    uint32_t m_u32DaysPerYear = 365;
};

struct bSTimeAndDate
{
    uint32_t m_u32Year = 0;
    uint32_t m_u32Day = 0;    // of the year
    float m_fSecond = 0.0f;   // of the day
};

class OE_API bCClock
{
public:
    bCClock();
    bCClock(bCClock const & a_Source); // refused with a warning: the new clock is a default one
    ~bCClock() = default;
    bCClock & operator=(bCClock const & a_Source); // copies every field

public:
    void GetTimeAndDate(bSTimeAndDate & a_TimeAndDate); // adds the time since the last query and carries
    void Set(bSTimeAndDate const & a_TimeAndDate);
    void Adjust(bSClockAdjustment const & a_Adjustment);
    void Pause(); // time since the last query is not counted
    void Resume();
    bool IsPaused() const;

private:
    void Carry();

private:
    bSClockAdjustment m_Adjustment;
    bSTimeAndDate m_TimeAndDate;
    uint32_t m_u32LastTimeStamp;
    float m_fPendingSeconds; // -1 marks that measuring restarts at the next query
    bool m_bPaused;
};

#endif

#ifndef OE_TIMER_H_INCLUDED
#define OE_TIMER_H_INCLUDED

// A pausable, speed-scaled stopwatch in milliseconds on the process-wide time
// stamp. The time base (counter frequency, ticks per millisecond, counter and
// millisecond count at start) is made on the first call of any time function;
// the counter is the platform's performance counter (platform/oe_perfcounter.h,
// whose hook lets tests step time by hand).
//
// A timer starts paused. Time measured while running is multiplied by the
// speed factor in force when it is measured; it collects as pending time until
// GetTime adds it to the accumulated time. Stamps are unsigned 32-bit
// milliseconds, so differences stay right across a wrap.

#include <vellmark/platform/oe_export.h>

#include <cstdint>

class OE_API bCTimer
{
public:
    static unsigned long GetTimeStamp();                       // milliseconds since the time base, wrapping at 32 bits
    static unsigned long long QueryPerformanceCounter();       // ticks since the time base
    static unsigned long long QueryPerformanceFrequency();     // ticks per second

public:
    bCTimer();
    bCTimer(bCTimer const & a_Source); // refused with a warning: the new timer is a default one
    ~bCTimer() = default;
    bCTimer & operator=(bCTimer const & a_Source); // copies every field

public:
    void GetTime(float & a_fTime);                  // adds the pending time; the accumulated time
    void GetTimeDifference(float & a_fTime) const; // the time not yet added; changes nothing
    void GetLastTime(float & a_fTime) const;       // the accumulated time as last added
    void Pause();
    void Resume();
    void Reset();
    void Set(float a_fTime);
    void Adjust(float a_fFactor); // for time measured from now on

private:
    float GetElapsedSinceLast(unsigned long a_uNow) const;

private:
    float m_fSpeedFactor;
    uint32_t m_u32LastTimeStamp;
    float m_fAccumulatedTime;
    float m_fPendingTime;
    bool m_bPaused;
};

#endif

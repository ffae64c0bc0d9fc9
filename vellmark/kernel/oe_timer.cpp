#include <vellmark/kernel/oe_timer.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/platform/oe_perfcounter.h>

namespace
{
    struct bSTimeBase
    {
        unsigned long long m_u64Frequency;
        unsigned long long m_u64TicksPerMillisecond;
        unsigned long long m_u64CounterAtStart;
        unsigned long long m_u64MillisecondsAtStart;
    };

    // Frequencies below 1 kHz are not supported: ticks per millisecond would be 0.
    bSTimeBase MakeTimeBase()
    {
        bSTimeBase Base;
        Base.m_u64Frequency = OEQueryPerformanceFrequency();
        Base.m_u64TicksPerMillisecond = Base.m_u64Frequency / 1000;
        Base.m_u64CounterAtStart = OEQueryPerformanceCounter();
        Base.m_u64MillisecondsAtStart = Base.m_u64CounterAtStart / Base.m_u64TicksPerMillisecond;
        return Base;
    }

    bSTimeBase const & GetTimeBase()
    {
        static bSTimeBase const s_Base = MakeTimeBase();
        return s_Base;
    }
} // namespace

unsigned long bCTimer::GetTimeStamp()
{
    bSTimeBase const & Base = GetTimeBase();
    unsigned long long const u64Milliseconds = OEQueryPerformanceCounter() / Base.m_u64TicksPerMillisecond;
    return static_cast<uint32_t>(u64Milliseconds - Base.m_u64MillisecondsAtStart);
}

unsigned long long bCTimer::QueryPerformanceCounter()
{
    bSTimeBase const & Base = GetTimeBase();
    return OEQueryPerformanceCounter() - Base.m_u64CounterAtStart;
}

unsigned long long bCTimer::QueryPerformanceFrequency()
{
    return GetTimeBase().m_u64Frequency;
}

bCTimer::bCTimer()
    : m_fSpeedFactor(1.0f), m_u32LastTimeStamp(0), m_fAccumulatedTime(0.0f), m_fPendingTime(0.0f), m_bPaused(true)
{
}

bCTimer::bCTimer(bCTimer const &) : bCTimer()
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", "bCTimer [Copy constructor]",
                     "Copying forbidden!");
}

bCTimer & bCTimer::operator=(bCTimer const & a_Source)
{
    m_fSpeedFactor = a_Source.m_fSpeedFactor;
    m_u32LastTimeStamp = a_Source.m_u32LastTimeStamp;
    m_fAccumulatedTime = a_Source.m_fAccumulatedTime;
    m_fPendingTime = a_Source.m_fPendingTime;
    m_bPaused = a_Source.m_bPaused;
    return *this;
}

float bCTimer::GetElapsedSinceLast(unsigned long a_uNow) const
{
    uint32_t const u32Elapsed = static_cast<uint32_t>(a_uNow) - m_u32LastTimeStamp;
    return static_cast<float>(u32Elapsed) * m_fSpeedFactor;
}

void bCTimer::GetTime(float & a_fTime)
{
    if (!m_bPaused)
    {
        unsigned long const uNow = GetTimeStamp();
        m_fPendingTime += GetElapsedSinceLast(uNow);
        m_u32LastTimeStamp = static_cast<uint32_t>(uNow);
    }
    m_fAccumulatedTime += m_fPendingTime;
    m_fPendingTime = 0.0f;
    a_fTime = m_fAccumulatedTime;
}

void bCTimer::GetTimeDifference(float & a_fTime) const
{
    a_fTime = m_fPendingTime;
    if (!m_bPaused)
        a_fTime += GetElapsedSinceLast(GetTimeStamp());
}

void bCTimer::GetLastTime(float & a_fTime) const
{
    a_fTime = m_fAccumulatedTime;
}

void bCTimer::Pause()
{
    if (m_bPaused)
        return;
    unsigned long const uNow = GetTimeStamp();
    m_fPendingTime += GetElapsedSinceLast(uNow);
    m_u32LastTimeStamp = static_cast<uint32_t>(uNow);
    m_bPaused = true;
}

void bCTimer::Resume()
{
    if (!m_bPaused)
        return;
    m_u32LastTimeStamp = static_cast<uint32_t>(GetTimeStamp());
    m_bPaused = false;
}

void bCTimer::Reset()
{
    Set(0.0f);
}

void bCTimer::Set(float a_fTime)
{
    m_fAccumulatedTime = a_fTime;
    m_fPendingTime = 0.0f;
    if (!m_bPaused)
        m_u32LastTimeStamp = static_cast<uint32_t>(GetTimeStamp());
}

void bCTimer::Adjust(float a_fFactor)
{
    m_fSpeedFactor = a_fFactor;
}

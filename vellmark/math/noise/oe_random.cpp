#include <vellmark/math/noise/oe_random.h>

#include <vellmark/platform/oe_mmtime.h>
#include <vellmark/platform/oe_random.h>

#include <algorithm>
#include <cmath>

namespace
{
    uint64_t const g_u64Mask48 = (uint64_t(1) << 48) - 1;
    uint64_t const g_u64Multiplier48 = 0x5DEECE66DULL;
    double const g_dDivisor48 = 281474976710655.0; // 2^48 - 1
} // namespace

bCRandom & bCRandom::GetRandom()
{
    static bCRandom s_Random;
    return s_Random;
}

bCRandom::bCRandom() : m_iSeed(0), m_u32StateLow(0), m_u32StateHigh(0)
{
    Invalidate();
}

void bCRandom::Invalidate()
{
    SetTimedSeed();
}

void bCRandom::SetSeed(int a_iSeed) const
{
    OESRand(static_cast<unsigned int>(a_iSeed));
    m_iSeed = a_iSeed;
    uint64_t const u64State = ((static_cast<uint64_t>(static_cast<uint32_t>(a_iSeed)) << 32) | 0x330E) & g_u64Mask48;
    m_u32StateLow = static_cast<uint32_t>(u64State);
    m_u32StateHigh = static_cast<uint32_t>(u64State >> 32);
}

void bCRandom::SetTimedSeed() const
{
    SetSeed(static_cast<int>(OETimeGetTime()));
}

int bCRandom::GetValue() const
{
    return OERand();
}

float bCRandom::GetValue(float a_fLow, float a_fHigh) const
{
    // The product is a float, the division a double, as the runtime's compiler evaluates it.
    float const fScaled = (a_fHigh - a_fLow) * static_cast<float>(OERand());
    return static_cast<float>(a_fLow + fScaled / 32767.0);
}

int bCRandom::GetValue(int a_iLow, int a_iHigh) const
{
    // Half a step beyond each end, then the integer part (towards zero). That
    // part can fall one past an end (lo - 1 for positive ranges, hi + 1 for
    // negative ones, the far end itself at the top draw): the clamp keeps it in.
    float const fLow = static_cast<float>(a_iLow) - 0.5f;
    float const fHigh = static_cast<float>(a_iHigh) + 0.5f;
    double const dValue = fLow + (fHigh - fLow) * static_cast<float>(OERand()) / 32767.0;
    long const iValue = static_cast<long>(dValue);
    // Bounds given the wrong way round keep the value between them as well.
    return static_cast<int>(std::clamp<long>(iValue, std::min(a_iLow, a_iHigh), std::max(a_iLow, a_iHigh)));
}

double bCRandom::DRand48() const
{
    uint64_t u64State = (static_cast<uint64_t>(m_u32StateHigh & 0xFFFF) << 32) | m_u32StateLow;
    u64State = (g_u64Multiplier48 * u64State + 11) & g_u64Mask48;
    m_u32StateLow = static_cast<uint32_t>(u64State);
    m_u32StateHigh = static_cast<uint32_t>(u64State >> 32);
    return static_cast<double>(u64State) / g_dDivisor48;
}

double bCRandom::DRand48(double a_dLow, double a_dHigh) const
{
    return a_dLow + (a_dHigh - a_dLow) * DRand48();
}

float bCRandom::FRand48() const
{
    return static_cast<float>(DRand48());
}

float bCRandom::FRand48(float a_fLow, float a_fHigh) const
{
    return static_cast<float>(DRand48(a_fLow, a_fHigh));
}

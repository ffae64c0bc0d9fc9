#ifndef OE_NOISE_RANDOM_H_INCLUDED
#define OE_NOISE_RANDOM_H_INCLUDED

// bCRandom: the library's random numbers, from two generators.
// - GetValue draws from the runtime generator, whose state belongs to the
//   calling thread (OERand, 0 to 32767): seeding on one thread leaves the
//   others alone.
// - DRand48 and FRand48 draw from the object's own 48-bit linear congruential
//   generator: state = (0x5DEECE66D * state + 11) mod 2^48, result
//   state / (2^48 - 1), so 1.0 is reachable.
// SetSeed(s) seeds both: the runtime generator with s, the 48-bit state with
// (s << 32) | 0x330E cut to 48 bits, so only the low 16 bits of s reach it.
// All operations are const; the state is mutable and not locked.

#include <vellmark/platform/oe_export.h>

#include <cstdint>

class OE_API bCRandom
{
public:
    static bCRandom & GetRandom(); // the process-wide instance, seeded from the clock on first use

public:
    bCRandom(); // seeded from the clock, as SetTimedSeed

public:
    void SetSeed(int a_iSeed) const;
    void SetTimedSeed() const;
    int GetSeed() const { return m_iSeed; }

    int GetValue() const;                                // 0 to 32767
    float GetValue(float a_fLow, float a_fHigh) const;   // lo + (hi - lo) * rand / 32767
    float GetValue(double a_dLow, double a_dHigh) const // the float form: 0.0 and 1.0 pick no integer form
    {
        return GetValue(static_cast<float>(a_dLow), static_cast<float>(a_dHigh));
    }
    int GetValue(int a_iLow, int a_iHigh) const;         // low to high, both included
    double DRand48() const;                              // 0 to 1, both included
    double DRand48(double a_dLow, double a_dHigh) const; // lo + (hi - lo) * DRand48()
    float FRand48() const;
    float FRand48(float a_fLow, float a_fHigh) const;

protected:
    void Invalidate();

private:
    mutable int m_iSeed;
    mutable uint32_t m_u32StateLow;
    mutable uint32_t m_u32StateHigh; // only the low 16 bits count
};

#endif

#ifndef OE_NOISE_H_INCLUDED
#define OE_NOISE_H_INCLUDED

// bCNoise: the interface of the coherent-noise generators and their fractal
// sum (turbulence).
//
// GetTurbulence(coordinates, n, m, turbulence, amplitude, persistence) sums
// the octaves o = m ... n - m - 1 (none when m >= n - m): the noise at the
// coordinates times f = 2^o, weighted with 1 / f (InverseFrequency) or
// persistence^o (Persistence); Absolute sums the terms' magnitudes. The sum
// is accumulated in float.
//
// Generators are not persisted; their owner stores seed and algorithm.
// Seeding goes through the process-wide bCRandom and so through the calling
// thread's runtime generator.

#include <vellmark/platform/oe_export.h>

class bCVector;
class bCVector2;

enum bENoiseTurbulence : int // every other value sums signed terms
{
    bENoiseTurbulence_Signed = 0,
    bENoiseTurbulence_Absolute = 1,
};

enum bENoiseAmplitude : int // every non-zero value weighs with 1 / frequency
{
    bENoiseAmplitude_Persistence = 0,
    bENoiseAmplitude_InverseFrequency = 1,
};

class OE_API bCNoise
{
public:
    using enum ::bENoiseTurbulence;
    using enum ::bENoiseAmplitude;
    typedef ::bENoiseTurbulence bENoiseTurbulence;
    typedef ::bENoiseAmplitude bENoiseAmplitude;

public:
    bCNoise() = default;
    bCNoise(bCNoise const & a_Source);
    bCNoise & operator=(bCNoise const & a_Source);

public:
    // The base forms report improper usage; the noise forms return 0.
    virtual void SetSeed(int a_iSeed);
    virtual float GetNoise(float a_fX, float a_fY, float a_fZ) const;
    virtual float GetNoise(float a_fX, float a_fY) const;
    virtual float GetNoise(float a_fX) const;
    virtual ~bCNoise();

public:
    float GetNoise(bCVector2 const & a_vecPosition) const;
    float GetNoise(bCVector const & a_vecPosition) const;
    void SetTimedSeed(); // SetSeed with the millisecond clock

    float GetTurbulence(float a_fX, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                        bENoiseAmplitude a_eAmplitude, float a_fPersistence) const;
    float GetTurbulence(float a_fX, float a_fY, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                        bENoiseAmplitude a_eAmplitude, float a_fPersistence) const;
    float GetTurbulence(float a_fX, float a_fY, float a_fZ, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                        bENoiseAmplitude a_eAmplitude, float a_fPersistence) const;
    float GetTurbulence(bCVector2 const & a_vecPosition, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                        bENoiseAmplitude a_eAmplitude, float a_fPersistence) const;
    float GetTurbulence(bCVector const & a_vecPosition, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                        bENoiseAmplitude a_eAmplitude, float a_fPersistence) const;

    void CopyFrom(bCNoise const & a_Source);
    void CopyTo(bCNoise & a_Dest) const { a_Dest.CopyFrom(*this); }

protected:
    static void ReportPureVirtualCall(char const * a_pcMethod);
};

#endif

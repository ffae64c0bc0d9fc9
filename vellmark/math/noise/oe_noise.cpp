#include <vellmark/math/noise/oe_noise.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector2.h>
#include <vellmark/platform/oe_mmtime.h>

#include <cmath>
#include <cstring>

namespace
{
    // A vector's memory image is its floats in index order.
    template <typename V, int t_iCount> void GetFloats(V const & a_vecSource, float (&a_arrDest)[t_iCount])
    {
        static_assert(sizeof(V) == sizeof(a_arrDest), "a vector is its floats");
        std::memcpy(a_arrDest, &a_vecSource, sizeof(a_arrDest));
    }

    // The fractal sum over octaves m ... n - m - 1; a_funcNoise gives the noise at frequency f.
    template <typename F>
    float SumOctaves(int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence, bENoiseAmplitude a_eAmplitude,
                     float a_fPersistence, F a_funcNoise)
    {
        float fSum = 0.0f;
        float fFrequency = std::ldexp(1.0f, a_iM); // doubling keeps every frequency an exact power of 2
        for (int iOctave = a_iM; iOctave < a_iN - a_iM; ++iOctave, fFrequency *= 2.0f)
        {
            float const fAmplitude = a_eAmplitude != bENoiseAmplitude_Persistence
                                         ? 1.0f / fFrequency
                                         : static_cast<float>(std::pow(static_cast<double>(a_fPersistence), iOctave));
            float fTerm = a_funcNoise(fFrequency) * fAmplitude;
            if (a_eTurbulence == bENoiseTurbulence_Absolute)
                fTerm = std::fabs(fTerm);
            fSum += fTerm;
        }
        return fSum;
    }
} // namespace

bCNoise::bCNoise(bCNoise const &)
{
}

bCNoise & bCNoise::operator=(bCNoise const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCNoise::~bCNoise() = default;

void bCNoise::CopyFrom(bCNoise const &)
{
}

void bCNoise::ReportPureVirtualCall(char const * a_pcMethod)
{
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s ", a_pcMethod, "Pure virtual method call");
}

void bCNoise::SetSeed(int)
{
    ReportPureVirtualCall("bCNoise::SetSeed");
}

float bCNoise::GetNoise(float, float, float) const
{
    ReportPureVirtualCall("bCNoise::GetNoise");
    return 0.0f;
}

float bCNoise::GetNoise(float, float) const
{
    ReportPureVirtualCall("bCNoise::GetNoise");
    return 0.0f;
}

float bCNoise::GetNoise(float) const
{
    ReportPureVirtualCall("bCNoise::GetNoise");
    return 0.0f;
}

float bCNoise::GetNoise(bCVector2 const & a_vecPosition) const
{
    float arrXY[2];
    GetFloats(a_vecPosition, arrXY);
    return GetNoise(arrXY[0], arrXY[1]);
}

float bCNoise::GetNoise(bCVector const & a_vecPosition) const
{
    float arrXYZ[3];
    GetFloats(a_vecPosition, arrXYZ);
    return GetNoise(arrXYZ[0], arrXYZ[1], arrXYZ[2]);
}

void bCNoise::SetTimedSeed()
{
    SetSeed(static_cast<int>(OETimeGetTime()));
}

float bCNoise::GetTurbulence(float a_fX, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                             bENoiseAmplitude a_eAmplitude, float a_fPersistence) const
{
    return SumOctaves(a_iN, a_iM, a_eTurbulence, a_eAmplitude, a_fPersistence,
                      [&](float a_fFrequency) { return GetNoise(a_fX * a_fFrequency); });
}

float bCNoise::GetTurbulence(float a_fX, float a_fY, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                             bENoiseAmplitude a_eAmplitude, float a_fPersistence) const
{
    return SumOctaves(a_iN, a_iM, a_eTurbulence, a_eAmplitude, a_fPersistence,
                      [&](float a_fFrequency) { return GetNoise(a_fX * a_fFrequency, a_fY * a_fFrequency); });
}

float bCNoise::GetTurbulence(float a_fX, float a_fY, float a_fZ, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                             bENoiseAmplitude a_eAmplitude, float a_fPersistence) const
{
    return SumOctaves(a_iN, a_iM, a_eTurbulence, a_eAmplitude, a_fPersistence, [&](float a_fFrequency) {
        return GetNoise(a_fX * a_fFrequency, a_fY * a_fFrequency, a_fZ * a_fFrequency);
    });
}

float bCNoise::GetTurbulence(bCVector2 const & a_vecPosition, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                             bENoiseAmplitude a_eAmplitude, float a_fPersistence) const
{
    float arrXY[2];
    GetFloats(a_vecPosition, arrXY);
    return GetTurbulence(arrXY[0], arrXY[1], a_iN, a_iM, a_eTurbulence, a_eAmplitude, a_fPersistence);
}

float bCNoise::GetTurbulence(bCVector const & a_vecPosition, int a_iN, int a_iM, bENoiseTurbulence a_eTurbulence,
                             bENoiseAmplitude a_eAmplitude, float a_fPersistence) const
{
    float arrXYZ[3];
    GetFloats(a_vecPosition, arrXYZ);
    return GetTurbulence(arrXYZ[0], arrXYZ[1], arrXYZ[2], a_iN, a_iM, a_eTurbulence, a_eAmplitude, a_fPersistence);
}

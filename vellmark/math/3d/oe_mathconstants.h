#ifndef OE_MATHCONSTANTS_H_INCLUDED
#define OE_MATHCONSTANTS_H_INCLUDED

// Scalar constants of the mathematics library (single precision).

#include <vellmark/platform/oe_export.h>

#include <bit>
#include <cstdint>

extern OE_API float const g_fPI;
extern OE_API float const g_f2PI;
extern OE_API float const g_fPIDiv2;
extern OE_API float const g_fPIDiv4;
extern OE_API float const g_fInvPI;
extern OE_API float const g_fDegToRad;
extern OE_API float const g_fRadToDeg;
extern OE_API float const g_fEpsilon;     // the general tolerance, 1.0e-5
extern OE_API float const g_fInvEpsilon;  // 1 / g_fEpsilon
extern OE_API float const g_fHuge;        // an open bound for distances
extern OE_API float const g_fPosInfinity; // the largest finite float, not IEEE infinity
extern OE_API float const g_fNegInfinity;
extern OE_API float const g_fZNear;
extern OE_API float const g_fZFar;
extern OE_API float g_fFOV; // writable default field of view in radians

// One Newton step on the classic bit-level estimate: about 0.2% error, no
// square root and no division. The Approx forms of the vectors use it.
inline float g_GetFastInvSqrt(float a_fValue)
{
    uint32_t const u32Bits = 0x5F3759DFu - (std::bit_cast<uint32_t>(a_fValue) >> 1);
    float const fY = std::bit_cast<float>(u32Bits);
    return fY * (1.5f - 0.5f * a_fValue * fY * fY);
}

#endif

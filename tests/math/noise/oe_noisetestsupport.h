#ifndef OE_NOISETESTSUPPORT_H_INCLUDED
#define OE_NOISETESTSUPPORT_H_INCLUDED

// Generators with their protected construction opened for tests, and vectors
// built from their memory image of floats.

#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector2.h>
#include <vellmark/math/noise/oe_ebertnoise.h>
#include <vellmark/math/noise/oe_peacheynoise.h>
#include <vellmark/math/noise/oe_perlinnoise.h>

#include <cstring>

struct bSTestPerlinNoise : bCPerlinNoise
{
    bSTestPerlinNoise() = default;
};

struct bSTestPeacheyNoise : bCPeacheyNoise
{
    bSTestPeacheyNoise() = default;
};

struct bSTestEbertNoise : bCEbertNoise // 1.1 MB: keep it on the heap
{
    bSTestEbertNoise() = default;
};

inline bCVector MakeVector(float a_fX, float a_fY, float a_fZ)
{
    float const arrXYZ[3] = {a_fX, a_fY, a_fZ};
    bCVector vecResult;
    std::memcpy(static_cast<void *>(&vecResult), arrXYZ, sizeof(arrXYZ));
    return vecResult;
}

inline bCVector2 MakeVector2(float a_fX, float a_fY)
{
    float const arrXY[2] = {a_fX, a_fY};
    bCVector2 vecResult;
    std::memcpy(static_cast<void *>(&vecResult), arrXY, sizeof(arrXY));
    return vecResult;
}

#endif

#include <vellmark/math/noise/oe_perlinnoise.h>

#include <vellmark/math/noise/oe_random.h>

#include <cmath>
#include <cstring>

// The published permutation of the improved noise.
#define OE_IMPROVED_NOISE_PERMUTATION                                                                                  \
    151, 160, 137, 91, 90, 15, 131, 13, 201, 95, 96, 53, 194, 233, 7, 225, 140, 36, 103, 30, 69, 142, 8, 99, 37, 240,   \
        21, 10, 23, 190, 6, 148, 247, 120, 234, 75, 0, 26, 197, 62, 94, 252, 219, 203, 117, 35, 11, 32, 57, 177, 33,    \
        88, 237, 149, 56, 87, 174, 20, 125, 136, 171, 168, 68, 175, 74, 165, 71, 134, 139, 48, 27, 166, 77, 146, 158,   \
        231, 83, 111, 229, 122, 60, 211, 133, 230, 220, 105, 92, 41, 55, 46, 245, 40, 244, 102, 143, 54, 65, 25, 63,    \
        161, 1, 216, 80, 73, 209, 76, 132, 187, 208, 89, 18, 169, 200, 196, 135, 130, 116, 188, 159, 86, 164, 100, 109, \
        198, 173, 186, 3, 64, 52, 217, 226, 250, 124, 123, 5, 202, 38, 147, 118, 126, 255, 82, 85, 212, 207, 206, 59,   \
        227, 47, 16, 58, 17, 182, 189, 28, 42, 223, 183, 170, 213, 119, 248, 152, 2, 44, 154, 163, 70, 221, 153, 101,   \
        155, 167, 43, 172, 9, 129, 22, 39, 253, 19, 98, 108, 110, 79, 113, 224, 232, 178, 185, 112, 104, 218, 246, 97,  \
        228, 251, 34, 242, 193, 238, 210, 144, 12, 191, 179, 162, 241, 81, 51, 145, 235, 249, 14, 239, 107, 49, 192,    \
        214, 31, 181, 199, 106, 157, 184, 84, 204, 176, 115, 121, 50, 45, 127, 4, 150, 254, 138, 236, 205, 93, 222,     \
        114, 67, 29, 24, 72, 243, 141, 128, 195, 78, 66, 215, 61, 156, 180

int const bCPerlinNoise::ms_piPermutations[512] = {OE_IMPROVED_NOISE_PERMUTATION, OE_IMPROVED_NOISE_PERMUTATION};

#undef OE_IMPROVED_NOISE_PERMUTATION

namespace
{
    // The classic noise shifts coordinates by this many cells so that small negative ones truncate downwards.
    float const g_fLatticeOffset = 4096.0f;

    float SCurve(float a_fT)
    {
        return static_cast<float>(a_fT * a_fT * (3.0 - 2.0 * a_fT));
    }

    float Lerp(float a_fT, float a_fA, float a_fB)
    {
        return a_fA + a_fT * (a_fB - a_fA);
    }

    float Fade(float a_fT)
    {
        return a_fT * a_fT * a_fT * (a_fT * (a_fT * 6.0f - 15.0f) + 10.0f);
    }

    // The twelve edge directions of a cube, four of them twice, picked by the hash's low four bits:
    // h < 8 ? x : y, plus h < 4 ? y : (h == 12 || h == 14 ? x : z), each negated by bits 0 and 1.
    // A table instead of branches: the hash is random, so branches would mispredict.
    float const g_arrGradients[16][3] = {
        {1, 1, 0}, {-1, 1, 0}, {1, -1, 0}, {-1, -1, 0}, {1, 0, 1}, {-1, 0, 1}, {1, 0, -1}, {-1, 0, -1},
        {0, 1, 1}, {0, -1, 1}, {0, 1, -1}, {0, -1, -1}, {1, 1, 0}, {0, -1, 1}, {-1, 1, 0}, {0, -1, -1},
    };

    float Grad(int a_iHash, float a_fX, float a_fY, float a_fZ)
    {
        float const * pGradient = g_arrGradients[a_iHash & 15];
        return pGradient[0] * a_fX + pGradient[1] * a_fY + pGradient[2] * a_fZ;
    }

    // Floor for coordinates within the integer range; the library call is slow without SSE4.1.
    int FloorToInt(float a_fValue)
    {
        int const iTruncated = static_cast<int>(a_fValue);
        return a_fValue < static_cast<float>(iTruncated) ? iTruncated - 1 : iTruncated;
    }

    // One coordinate of the classic noise: the two lattice cells and the offsets into them.
    struct bSLatticeCoordinate
    {
        int iCell0, iCell1;
        float fOffset0, fOffset1;

        explicit bSLatticeCoordinate(float a_fCoordinate)
        {
            float const fT = a_fCoordinate + g_fLatticeOffset;
            int const iT = static_cast<int>(fT);
            iCell0 = iT & 255;
            iCell1 = (iCell0 + 1) & 255;
            fOffset0 = fT - static_cast<float>(iT);
            fOffset1 = fOffset0 - 1.0f;
        }
    };

    float RandomComponent()
    {
        return static_cast<float>(bCRandom::GetRandom().GetValue() % 512 - 256) / 256.0f;
    }

    template <int t_iCount> void NormalizeUnlessZero(float (&a_arrVector)[t_iCount])
    {
        float fSquare = 0.0f;
        for (float fComponent : a_arrVector)
            fSquare += fComponent * fComponent;
        if (fSquare == 0.0f)
            return;
        float const fLength = std::sqrt(fSquare);
        for (float & fComponent : a_arrVector)
            fComponent = fComponent / fLength;
    }
} // namespace

bCPerlinNoise & bCPerlinNoise::GetPerlinNoise()
{
    static bCPerlinNoise s_Noise;
    return s_Noise;
}

bCPerlinNoise::bCPerlinNoise()
{
    Invalidate();
}

bCPerlinNoise::bCPerlinNoise(bCPerlinNoise const & a_Source) : bCNoise(a_Source)
{
    CopyFrom(a_Source);
}

bCPerlinNoise::~bCPerlinNoise() = default;

bCPerlinNoise & bCPerlinNoise::operator=(bCPerlinNoise const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCPerlinNoise::CopyFrom(bCPerlinNoise const & a_Source)
{
    if (this == &a_Source)
        return;
    m_eAlgorithm = a_Source.m_eAlgorithm;
    std::memcpy(m_arrPermutation, a_Source.m_arrPermutation, sizeof(m_arrPermutation));
    std::memcpy(m_arrGradients3, a_Source.m_arrGradients3, sizeof(m_arrGradients3));
    std::memcpy(m_arrGradients2, a_Source.m_arrGradients2, sizeof(m_arrGradients2));
    std::memcpy(m_arrGradients1, a_Source.m_arrGradients1, sizeof(m_arrGradients1));
}

void bCPerlinNoise::Invalidate()
{
    m_eAlgorithm = bEAlgorithm_Improved;
    Initialize(1);
}

void bCPerlinNoise::SetSeed(int a_iSeed)
{
    Initialize(a_iSeed);
}

void bCPerlinNoise::Initialize(int a_iSeed)
{
    if (a_iSeed >= 1)
        bCRandom::GetRandom().SetSeed(a_iSeed);
    else
        bCRandom::GetRandom().SetTimedSeed();
    FillTables();
    ShufflePermutation();
    RepeatTables();
}

void bCPerlinNoise::FillTables()
{
    for (int i = 0; i < TableSize; ++i)
    {
        m_arrPermutation[i] = i;
        m_arrGradients1[i] = RandomComponent();
        for (float & fComponent : m_arrGradients2[i])
            fComponent = RandomComponent();
        NormalizeUnlessZero(m_arrGradients2[i]);
        for (float & fComponent : m_arrGradients3[i])
            fComponent = RandomComponent();
        NormalizeUnlessZero(m_arrGradients3[i]);
    }
}

void bCPerlinNoise::ShufflePermutation()
{
    for (int i = TableSize - 1; i > 0; --i)
    {
        int const j = bCRandom::GetRandom().GetValue() % TableSize;
        int const iKept = m_arrPermutation[i];
        m_arrPermutation[i] = m_arrPermutation[j];
        m_arrPermutation[j] = iKept;
    }
}

void bCPerlinNoise::RepeatTables()
{
    for (int i = 0; i < StoredSize - TableSize; ++i)
    {
        m_arrPermutation[TableSize + i] = m_arrPermutation[i];
        m_arrGradients1[TableSize + i] = m_arrGradients1[i];
        std::memcpy(m_arrGradients2[TableSize + i], m_arrGradients2[i], sizeof(m_arrGradients2[i]));
        std::memcpy(m_arrGradients3[TableSize + i], m_arrGradients3[i], sizeof(m_arrGradients3[i]));
    }
}

float bCPerlinNoise::GetNoise(float a_fX, float a_fY, float a_fZ) const
{
    switch (m_eAlgorithm)
    {
    case bEAlgorithm_Classic: return Noise(a_fX, a_fY, a_fZ);
    case bEAlgorithm_Improved: return ImprovedNoise(a_fX, a_fY, a_fZ);
    default: return 0.0f;
    }
}

float bCPerlinNoise::GetNoise(float a_fX, float a_fY) const
{
    switch (m_eAlgorithm)
    {
    case bEAlgorithm_Classic: return Noise(a_fX, a_fY);
    case bEAlgorithm_Improved: return ImprovedNoise(a_fX, a_fY);
    default: return 0.0f;
    }
}

float bCPerlinNoise::GetNoise(float a_fX) const
{
    switch (m_eAlgorithm)
    {
    case bEAlgorithm_Classic: return Noise(a_fX);
    case bEAlgorithm_Improved: return ImprovedNoise(a_fX);
    default: return 0.0f;
    }
}

float bCPerlinNoise::Noise(float a_fX) const
{
    bSLatticeCoordinate const X(a_fX);
    float const fU = X.fOffset0 * m_arrGradients1[m_arrPermutation[X.iCell0]];
    float const fV = X.fOffset1 * m_arrGradients1[m_arrPermutation[X.iCell1]];
    return Lerp(SCurve(X.fOffset0), fU, fV);
}

float bCPerlinNoise::Noise(float a_fX, float a_fY) const
{
    bSLatticeCoordinate const X(a_fX), Y(a_fY);
    int const i = m_arrPermutation[X.iCell0];
    int const j = m_arrPermutation[X.iCell1];
    auto At = [this](int a_iIndex, float a_fRX, float a_fRY) {
        float const * pQ = m_arrGradients2[a_iIndex];
        return a_fRX * pQ[0] + a_fRY * pQ[1];
    };
    float const fSX = SCurve(X.fOffset0);
    float const fA = Lerp(fSX, At(m_arrPermutation[i + Y.iCell0], X.fOffset0, Y.fOffset0),
                          At(m_arrPermutation[j + Y.iCell0], X.fOffset1, Y.fOffset0));
    float const fB = Lerp(fSX, At(m_arrPermutation[i + Y.iCell1], X.fOffset0, Y.fOffset1),
                          At(m_arrPermutation[j + Y.iCell1], X.fOffset1, Y.fOffset1));
    return Lerp(SCurve(Y.fOffset0), fA, fB);
}

float bCPerlinNoise::Noise(float a_fX, float a_fY, float a_fZ) const
{
    bSLatticeCoordinate const X(a_fX), Y(a_fY), Z(a_fZ);
    int const i = m_arrPermutation[X.iCell0];
    int const j = m_arrPermutation[X.iCell1];
    int const b00 = m_arrPermutation[i + Y.iCell0];
    int const b10 = m_arrPermutation[j + Y.iCell0];
    int const b01 = m_arrPermutation[i + Y.iCell1];
    int const b11 = m_arrPermutation[j + Y.iCell1];
    auto At = [this](int a_iIndex, float a_fRX, float a_fRY, float a_fRZ) {
        float const * pQ = m_arrGradients3[a_iIndex];
        return a_fRX * pQ[0] + a_fRY * pQ[1] + a_fRZ * pQ[2];
    };
    float const fT = SCurve(X.fOffset0);
    float const fSY = SCurve(Y.fOffset0);
    float const fSZ = SCurve(Z.fOffset0);
    // One plane of z at a time: bilinear in x and y.
    auto Plane = [&](int a_iZCell, float a_fRZ) {
        float const fA = Lerp(fT, At(b00 + a_iZCell, X.fOffset0, Y.fOffset0, a_fRZ),
                              At(b10 + a_iZCell, X.fOffset1, Y.fOffset0, a_fRZ));
        float const fB = Lerp(fT, At(b01 + a_iZCell, X.fOffset0, Y.fOffset1, a_fRZ),
                              At(b11 + a_iZCell, X.fOffset1, Y.fOffset1, a_fRZ));
        return Lerp(fSY, fA, fB);
    };
    float const fC = Plane(Z.iCell0, Z.fOffset0);
    float const fD = Plane(Z.iCell1, Z.fOffset1);
    return Lerp(fSZ, fC, fD);
}

float bCPerlinNoise::ImprovedNoise(float a_fX) const
{
    return ImprovedNoise(a_fX, 0.0f, 0.0f);
}

float bCPerlinNoise::ImprovedNoise(float a_fX, float a_fY) const
{
    return ImprovedNoise(a_fX, a_fY, 0.0f);
}

float bCPerlinNoise::ImprovedNoise(float a_fX, float a_fY, float a_fZ) const
{
    int const * p = ms_piPermutations;
    int const iFloorX = FloorToInt(a_fX), iFloorY = FloorToInt(a_fY), iFloorZ = FloorToInt(a_fZ);
    int const iX = iFloorX & 255, iY = iFloorY & 255, iZ = iFloorZ & 255;
    float const x = a_fX - static_cast<float>(iFloorX);
    float const y = a_fY - static_cast<float>(iFloorY);
    float const z = a_fZ - static_cast<float>(iFloorZ);
    float const u = Fade(x), v = Fade(y), w = Fade(z);
    int const A = p[iX] + iY, AA = p[A] + iZ, AB = p[A + 1] + iZ;
    int const B = p[iX + 1] + iY, BA = p[B] + iZ, BB = p[B + 1] + iZ;
    float const fNear = Lerp(v, Lerp(u, Grad(p[AA], x, y, z), Grad(p[BA], x - 1, y, z)),
                             Lerp(u, Grad(p[AB], x, y - 1, z), Grad(p[BB], x - 1, y - 1, z)));
    float const fFar = Lerp(v, Lerp(u, Grad(p[AA + 1], x, y, z - 1), Grad(p[BA + 1], x - 1, y, z - 1)),
                            Lerp(u, Grad(p[AB + 1], x, y - 1, z - 1), Grad(p[BB + 1], x - 1, y - 1, z - 1)));
    return Lerp(w, fNear, fFar);
}

bool bCPerlinNoise::Read(bCIStream &)
{
    return true;
}

void bCPerlinNoise::Write(bCOStream &) const
{
}

bCIStream & bCPerlinNoise::operator<<(bCIStream & a_Stream)
{
    return a_Stream;
}

bCOStream & bCPerlinNoise::operator>>(bCOStream & a_Stream) const
{
    return a_Stream;
}

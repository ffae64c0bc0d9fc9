#include <vellmark/math/noise/oe_peacheynoise.h>

#include <vellmark/math/noise/oe_random.h>

#include <cmath>
#include <cstring>
#include <numbers>

OEU8 const bCPeacheyNoise::ms_pu8Permutations[256] = {
    225, 155, 210, 108, 175, 199, 221, 144, 203, 116, 70,  213, 69,  158, 33,  252, 5,   82,  173, 133, 222, 139,
    174, 27,  9,   71,  90,  246, 75,  130, 91,  191, 169, 138, 2,   151, 194, 235, 81,  7,   25,  113, 228, 159,
    205, 253, 134, 142, 248, 65,  224, 217, 22,  121, 229, 63,  89,  103, 96,  104, 156, 17,  201, 129, 36,  8,
    165, 110, 237, 117, 231, 56,  132, 211, 152, 20,  181, 111, 239, 218, 170, 163, 51,  172, 157, 47,  80,  212,
    176, 250, 87,  49,  99,  242, 136, 189, 162, 115, 44,  43,  124, 94,  150, 16,  141, 247, 32,  10,  198, 223,
    255, 72,  53,  131, 84,  57,  220, 197, 58,  50,  208, 11,  241, 28,  3,   192, 62,  202, 18,  215, 153, 24,
    76,  41,  15,  179, 39,  46,  55,  6,   128, 167, 23,  188, 106, 34,  187, 140, 164, 73,  112, 182, 244, 195,
    227, 13,  35,  77,  196, 185, 26,  200, 226, 119, 31,  123, 168, 125, 249, 68,  183, 230, 177, 135, 160, 180,
    12,  1,   243, 148, 102, 166, 38,  238, 251, 37,  240, 126, 64,  74,  161, 40,  184, 149, 171, 178, 101, 66,
    29,  59,  146, 61,  254, 107, 42,  86,  154, 4,   236, 232, 120, 21,  233, 209, 45,  98,  193, 114, 78,  19,
    206, 14,  118, 127, 48,  79,  147, 85,  30,  207, 219, 54,  88,  234, 190, 122, 95,  67,  143, 109, 137, 214,
    145, 93,  92,  100, 245, 0,   216, 186, 60,  83,  105, 97,  204, 52,
};

namespace
{
    int const g_iImpulsesPerCell = 3;

    // Rounds towards minus infinity, like the lattice code's integer floor.
    int Floor(float a_fValue)
    {
        int const iTruncated = static_cast<int>(a_fValue);
        return iTruncated - ((a_fValue < 0.0f && a_fValue != static_cast<float>(iTruncated)) ? 1 : 0);
    }

    float SmoothStep(float a_fT)
    {
        return a_fT * a_fT * (3.0f - 2.0f * a_fT);
    }

    float Lerp(float a_fT, float a_fA, float a_fB)
    {
        return a_fA + a_fT * (a_fB - a_fA);
    }

    float Draw()
    {
        return bCRandom::GetRandom().GetValue(0.0f, 1.0f);
    }
} // namespace

bCPeacheyNoise & bCPeacheyNoise::GetPeacheyNoise()
{
    static bCPeacheyNoise s_Noise;
    return s_Noise;
}

bCPeacheyNoise::bCPeacheyNoise() : m_eAlgorithm(bEAlgorithm_Value)
{
    Invalidate();
}

bCPeacheyNoise::bCPeacheyNoise(bCPeacheyNoise const & a_Source) : bCNoise(a_Source)
{
    CopyFrom(a_Source);
}

bCPeacheyNoise::~bCPeacheyNoise() = default;

bCPeacheyNoise & bCPeacheyNoise::operator=(bCPeacheyNoise const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCPeacheyNoise::CopyFrom(bCPeacheyNoise const & a_Source)
{
    if (this == &a_Source)
        return;
    std::memcpy(m_arrGradients, a_Source.m_arrGradients, sizeof(m_arrGradients));
    std::memcpy(m_arrImpulses, a_Source.m_arrImpulses, sizeof(m_arrImpulses));
    std::memcpy(m_arrValues, a_Source.m_arrValues, sizeof(m_arrValues));
    std::memcpy(m_arrFilter, a_Source.m_arrFilter, sizeof(m_arrFilter));
    m_eAlgorithm = a_Source.m_eAlgorithm;
}

void bCPeacheyNoise::Invalidate()
{
    Initialize(1);
}

void bCPeacheyNoise::SetSeed(int a_iSeed)
{
    Initialize(a_iSeed);
}

void bCPeacheyNoise::Reseed(int a_iSeed)
{
    if (a_iSeed >= 1)
        bCRandom::GetRandom().SetSeed(a_iSeed);
    else
        bCRandom::GetRandom().SetTimedSeed();
}

void bCPeacheyNoise::Initialize(int a_iSeed)
{
    Reseed(a_iSeed);
    FillGradientsAndValues();
    // The impulses start from the seed again, as the reference seeds each table on its own.
    Reseed(a_iSeed);
    FillImpulses();
    FillFilter();
}

void bCPeacheyNoise::FillGradientsAndValues()
{
    for (int i = 0; i < TableSize; ++i)
    {
        float const fZ = static_cast<float>(1.0 - 2.0 * Draw());
        m_arrValues[i] = fZ;
        float const fR = std::sqrt(1.0f - fZ * fZ);
        float const fTheta = static_cast<float>(2.0 * std::numbers::pi * Draw());
        m_arrGradients[i][0] = fR * std::cos(fTheta);
        m_arrGradients[i][1] = fR * std::sin(fTheta);
        m_arrGradients[i][2] = fZ;
    }
}

void bCPeacheyNoise::FillImpulses()
{
    for (float(&arrImpulse)[4] : m_arrImpulses)
    {
        arrImpulse[0] = Draw();
        arrImpulse[1] = Draw();
        arrImpulse[2] = Draw();
        arrImpulse[3] = static_cast<float>(1.0 - 2.0 * Draw());
    }
}

void bCPeacheyNoise::FillFilter()
{
    for (int i = 0; i < FilterSize; ++i)
    {
        float const fX = std::sqrt(static_cast<float>(i) / static_cast<float>(FilterSamplesPerUnit));
        if (fX < 1.0f)
            m_arrFilter[i] = 0.5f * (fX * fX * (3.0f * fX - 5.0f) + 2.0f);
        else
            m_arrFilter[i] = 0.5f * (fX * ((5.0f - fX) * fX - 8.0f) + 4.0f);
    }
}

int bCPeacheyNoise::Index(int a_iX, int a_iY, int a_iZ)
{
    OEU8 const * pPerm = ms_pu8Permutations;
    return pPerm[(a_iX + pPerm[(a_iY + pPerm[a_iZ & 255]) & 255]) & 255];
}

float bCPeacheyNoise::GLattice(int a_iX, int a_iY, int a_iZ, float a_fX, float a_fY, float a_fZ) const
{
    float const * pGradient = m_arrGradients[Index(a_iX, a_iY, a_iZ)];
    return pGradient[0] * a_fX + pGradient[1] * a_fY + pGradient[2] * a_fZ;
}

float bCPeacheyNoise::VLattice(int a_iX, int a_iY, int a_iZ) const
{
    return m_arrValues[Index(a_iX, a_iY, a_iZ)];
}

float bCPeacheyNoise::Spline(float a_fX, int a_iKnotCount, float const * a_pfKnots)
{
    // The Catmull-Rom basis, rows for the cubic, square, linear and constant terms.
    static float const s_arrBasis[4][4] = {
        {-0.5f, 1.5f, -1.5f, 0.5f},
        {1.0f, -2.5f, 2.0f, -0.5f},
        {-0.5f, 0.0f, 0.5f, 0.0f},
        {0.0f, 1.0f, 0.0f, 0.0f},
    };
    int const iSpans = a_iKnotCount - 3;
    if (iSpans < 1 || a_pfKnots == nullptr)
        return 0.0f;
    float fX = (a_fX < 0.0f ? 0.0f : (a_fX > 1.0f ? 1.0f : a_fX)) * static_cast<float>(iSpans);
    int iSpan = static_cast<int>(fX);
    if (iSpan >= iSpans)
        iSpan = iSpans - 1;
    fX -= static_cast<float>(iSpan);
    float const * pKnot = a_pfKnots + iSpan;
    float arrCoefficients[4];
    for (int iRow = 0; iRow < 4; ++iRow)
        arrCoefficients[iRow] = s_arrBasis[iRow][0] * pKnot[0] + s_arrBasis[iRow][1] * pKnot[1] +
                                s_arrBasis[iRow][2] * pKnot[2] + s_arrBasis[iRow][3] * pKnot[3];
    return ((arrCoefficients[0] * fX + arrCoefficients[1]) * fX + arrCoefficients[2]) * fX + arrCoefficients[3];
}

float bCPeacheyNoise::CatRom2(float a_fSquareDistance) const
{
    if (!(a_fSquareDistance < 4.0f))
        return 0.0f;
    int const iSample = Floor(a_fSquareDistance * FilterSamplesPerUnit + 0.5f);
    if (iSample < 0 || iSample >= FilterSize)
        return 0.0f;
    return m_arrFilter[iSample];
}

float bCPeacheyNoise::GNoise(float a_fX, float a_fY, float a_fZ) const
{
    int const iX = Floor(a_fX), iY = Floor(a_fY), iZ = Floor(a_fZ);
    float const fX0 = a_fX - static_cast<float>(iX), fX1 = fX0 - 1.0f;
    float const fY0 = a_fY - static_cast<float>(iY), fY1 = fY0 - 1.0f;
    float const fZ0 = a_fZ - static_cast<float>(iZ), fZ1 = fZ0 - 1.0f;
    float const fWX = SmoothStep(fX0), fWY = SmoothStep(fY0), fWZ = SmoothStep(fZ0);
    // One plane of z at a time: bilinear in x and y.
    auto Plane = [&](int a_iZ, float a_fZ) {
        float const fY0Row = Lerp(fWX, GLattice(iX, iY, a_iZ, fX0, fY0, a_fZ), GLattice(iX + 1, iY, a_iZ, fX1, fY0, a_fZ));
        float const fY1Row =
            Lerp(fWX, GLattice(iX, iY + 1, a_iZ, fX0, fY1, a_fZ), GLattice(iX + 1, iY + 1, a_iZ, fX1, fY1, a_fZ));
        return Lerp(fWY, fY0Row, fY1Row);
    };
    float const fNear = Plane(iZ, fZ0);
    float const fFar = Plane(iZ + 1, fZ1);
    return Lerp(fWZ, fNear, fFar);
}

float bCPeacheyNoise::VNoise(float a_fX, float a_fY, float a_fZ) const
{
    int const iX = Floor(a_fX), iY = Floor(a_fY), iZ = Floor(a_fZ);
    float const fX = a_fX - static_cast<float>(iX);
    float const fY = a_fY - static_cast<float>(iY);
    float const fZ = a_fZ - static_cast<float>(iZ);
    float arrXKnots[4], arrYKnots[4], arrZKnots[4];
    for (int k = -1; k <= 2; ++k)
    {
        for (int j = -1; j <= 2; ++j)
        {
            for (int i = -1; i <= 2; ++i)
                arrXKnots[i + 1] = VLattice(iX + i, iY + j, iZ + k);
            arrYKnots[j + 1] = Spline(fX, 4, arrXKnots);
        }
        arrZKnots[k + 1] = Spline(fY, 4, arrYKnots);
    }
    return Spline(fZ, 4, arrZKnots);
}

float bCPeacheyNoise::GVNoise(float a_fX, float a_fY, float a_fZ, float a_fWeight) const
{
    return a_fWeight * GNoise(a_fX, a_fY, a_fZ) + (1.0f - a_fWeight) * VNoise(a_fX, a_fY, a_fZ);
}

float bCPeacheyNoise::VCNoise(float a_fX, float a_fY, float a_fZ) const
{
    int const iX = Floor(a_fX), iY = Floor(a_fY), iZ = Floor(a_fZ);
    float const fX = a_fX - static_cast<float>(iX);
    float const fY = a_fY - static_cast<float>(iY);
    float const fZ = a_fZ - static_cast<float>(iZ);
    float fSum = 0.0f;
    for (int k = -1; k <= 2; ++k)
    {
        float const fDZ = static_cast<float>(k) - fZ;
        for (int j = -1; j <= 2; ++j)
        {
            float const fDY = static_cast<float>(j) - fY;
            for (int i = -1; i <= 2; ++i)
            {
                float const fDX = static_cast<float>(i) - fX;
                fSum += VLattice(iX + i, iY + j, iZ + k) * CatRom2(fDX * fDX + fDY * fDY + fDZ * fDZ);
            }
        }
    }
    return fSum;
}

float bCPeacheyNoise::SCNoise(float a_fX, float a_fY, float a_fZ) const
{
    int const iX = Floor(a_fX), iY = Floor(a_fY), iZ = Floor(a_fZ);
    float const fX = a_fX - static_cast<float>(iX);
    float const fY = a_fY - static_cast<float>(iY);
    float const fZ = a_fZ - static_cast<float>(iZ);
    float fSum = 0.0f;
    for (int i = -2; i <= 2; ++i)
    {
        for (int j = -2; j <= 2; ++j)
        {
            for (int k = -2; k <= 2; ++k)
            {
                int iHash = Index(iX + i, iY + j, iZ + k);
                for (int n = 0; n < g_iImpulsesPerCell; ++n, iHash = (iHash + 1) & (TableSize - 1))
                {
                    float const * pImpulse = m_arrImpulses[iHash];
                    float const fDX = fX - (static_cast<float>(i) + pImpulse[0]);
                    float const fDY = fY - (static_cast<float>(j) + pImpulse[1]);
                    float const fDZ = fZ - (static_cast<float>(k) + pImpulse[2]);
                    fSum += CatRom2(fDX * fDX + fDY * fDY + fDZ * fDZ) * pImpulse[3];
                }
            }
        }
    }
    return fSum / static_cast<float>(g_iImpulsesPerCell);
}

float bCPeacheyNoise::GetNoise(float a_fX, float a_fY, float a_fZ) const
{
    switch (m_eAlgorithm)
    {
    case bEAlgorithm_Gradient: return GNoise(a_fX, a_fY, a_fZ);
    case bEAlgorithm_GradientValue: return GVNoise(a_fX, a_fY, a_fZ, 0.7f);
    case bEAlgorithm_SparseConvolution: return SCNoise(a_fX, a_fY, a_fZ);
    case bEAlgorithm_ValueConvolution: return VCNoise(a_fX, a_fY, a_fZ);
    case bEAlgorithm_Value: return VNoise(a_fX, a_fY, a_fZ);
    default: return 0.0f;
    }
}

float bCPeacheyNoise::GetNoise(float a_fX, float a_fY) const
{
    return GetNoise(a_fX, a_fY, 0.0f);
}

float bCPeacheyNoise::GetNoise(float a_fX) const
{
    return GetNoise(a_fX, 0.0f, 0.0f);
}

bool bCPeacheyNoise::Read(bCIStream &)
{
    return true;
}

void bCPeacheyNoise::Write(bCOStream &) const
{
}

bCIStream & bCPeacheyNoise::operator<<(bCIStream & a_Stream)
{
    return a_Stream;
}

bCOStream & bCPeacheyNoise::operator>>(bCOStream & a_Stream) const
{
    return a_Stream;
}

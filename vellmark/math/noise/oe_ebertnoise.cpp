#include <vellmark/math/noise/oe_ebertnoise.h>

#include <vellmark/math/noise/oe_random.h>

#include <cstring>

namespace
{
    float Lerp(float a_fT, float a_fA, float a_fB)
    {
        return a_fA + a_fT * (a_fB - a_fA);
    }
} // namespace

bCEbertNoise & bCEbertNoise::GetEbertNoise()
{
    static bCEbertNoise s_Noise;
    return s_Noise;
}

bCEbertNoise::bCEbertNoise()
{
    Invalidate();
}

bCEbertNoise::bCEbertNoise(bCEbertNoise const & a_Source) : bCNoise(a_Source)
{
    CopyFrom(a_Source);
}

bCEbertNoise::~bCEbertNoise() = default;

bCEbertNoise & bCEbertNoise::operator=(bCEbertNoise const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCEbertNoise::CopyFrom(bCEbertNoise const & a_Source)
{
    if (this != &a_Source)
        std::memcpy(m_arrLattice, a_Source.m_arrLattice, sizeof(m_arrLattice));
}

void bCEbertNoise::Invalidate()
{
    Initialize(1);
}

void bCEbertNoise::SetSeed(int a_iSeed)
{
    Initialize(a_iSeed);
}

void bCEbertNoise::Initialize(int a_iSeed)
{
    bCRandom const & Random = bCRandom::GetRandom();
    if (a_iSeed >= 1)
        Random.SetSeed(a_iSeed);
    else
        Random.SetTimedSeed();
    for (int x = 0; x < Period; ++x)
        for (int y = 0; y < Period; ++y)
            for (int z = 0; z < Period; ++z)
                m_arrLattice[x][y][z] = Random.FRand48();
    // The far faces repeat the near ones, so a cell at index 63 interpolates towards index 0.
    for (int x = 0; x < Size; ++x)
        for (int y = 0; y < Size; ++y)
            for (int z = 0; z < Size; ++z)
                if (x == Period || y == Period || z == Period)
                    m_arrLattice[x][y][z] = m_arrLattice[x % Period][y % Period][z % Period];
}

float bCEbertNoise::GetNoise(float a_fX, float a_fY, float a_fZ) const
{
    int const iX = static_cast<int>(a_fX), iY = static_cast<int>(a_fY), iZ = static_cast<int>(a_fZ);
    float const fX = a_fX - static_cast<float>(iX);
    float const fY = a_fY - static_cast<float>(iY);
    float const fZ = a_fZ - static_cast<float>(iZ);
    int const x = iX & (Period - 1), y = iY & (Period - 1), z = iZ & (Period - 1);
    auto AlongY = [&](int a_iX, int a_iZ) {
        return Lerp(fY, m_arrLattice[a_iX][y][a_iZ], m_arrLattice[a_iX][y + 1][a_iZ]);
    };
    float const fNear = Lerp(fX, AlongY(x, z), AlongY(x + 1, z));
    float const fFar = Lerp(fX, AlongY(x, z + 1), AlongY(x + 1, z + 1));
    return Lerp(fZ, fNear, fFar);
}

float bCEbertNoise::GetNoise(float a_fX, float a_fY) const
{
    return GetNoise(a_fX, a_fY, 0.0f);
}

float bCEbertNoise::GetNoise(float a_fX) const
{
    return GetNoise(a_fX, 0.0f, 0.0f);
}

bool bCEbertNoise::Read(bCIStream &)
{
    return true;
}

void bCEbertNoise::Write(bCOStream &) const
{
}

bCIStream & bCEbertNoise::operator<<(bCIStream & a_Stream)
{
    return a_Stream;
}

bCOStream & bCEbertNoise::operator>>(bCOStream & a_Stream) const
{
    return a_Stream;
}

#ifndef OE_EBERTNOISE_H_INCLUDED
#define OE_EBERTNOISE_H_INCLUDED

// bCEbertNoise: a periodic lattice of 65 x 65 x 65 random values in 0 ... 1
// (index x, y, z with z fastest; period 64: index 64 repeats index 0) with
// trilinear interpolation, along y first, then x, then z. Coordinates are
// truncated towards zero, so negative ones extrapolate from the cell above.
// The lattice is filled from the 48-bit generator of the process-wide
// bCRandom (about 1.1 million bytes per generator). The one- and
// two-coordinate forms put 0 for the missing coordinates. Seeds of 0 or less
// seed from the clock.

#include <vellmark/math/noise/oe_noise.h>

class bCIStream;
class bCOStream;

class OE_API bCEbertNoise : public bCNoise
{
public:
    static bCEbertNoise & GetEbertNoise(); // the process-wide instance: seed 1

public:
    bCEbertNoise(bCEbertNoise const & a_Source);
    ~bCEbertNoise() override;
    bCEbertNoise & operator=(bCEbertNoise const & a_Source);

public:
    void SetSeed(int a_iSeed) override;
    float GetNoise(float a_fX, float a_fY, float a_fZ) const override;
    float GetNoise(float a_fX, float a_fY) const override;
    float GetNoise(float a_fX) const override;
    using bCNoise::GetNoise;

public:
    void CopyFrom(bCEbertNoise const & a_Source);
    void CopyTo(bCEbertNoise & a_Dest) const { a_Dest.CopyFrom(*this); }

    // Not persisted: Read reads nothing and succeeds, Write writes nothing.
    bool Read(bCIStream & a_Stream);
    void Write(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream) const;

protected:
    bCEbertNoise(); // seed 1

    void Invalidate(); // seed 1
    void Initialize(int a_iSeed);

private:
    static constexpr int Period = 64;
    static constexpr int Size = Period + 1;

private:
    float m_arrLattice[Size][Size][Size];
};

#endif

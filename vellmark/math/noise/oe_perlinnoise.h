#ifndef OE_PERLINNOISE_H_INCLUDED
#define OE_PERLINNOISE_H_INCLUDED

// bCPerlinNoise: Perlin's lattice gradient noise in two forms.
// - Classic: the reference noise with a seeded, shuffled permutation and
//   random gradient tables (256 entries, the first 258 repeated), lattice
//   offset 4096 and the cubic ease curve t t (3 - 2 t). Has its own one-,
//   two- and three-coordinate forms.
// - Improved (the default): the quintic fade 6t^5 - 15t^4 + 10t^3, twelve
//   gradient directions and the published permutation ms_piPermutations; the
//   one- and two-coordinate forms put 0 for the missing coordinates.
// Both are 0 at every lattice point. Seeds of 0 or less seed from the clock.

#include <vellmark/math/noise/oe_noise.h>

class bCIStream;
class bCOStream;

class OE_API bCPerlinNoise : public bCNoise
{
public:
    enum bEAlgorithm : int // any other value gives noise 0
    {
        bEAlgorithm_Classic = 0,
        bEAlgorithm_Improved = 1,
    };

    static bCPerlinNoise & GetPerlinNoise(); // the process-wide instance: seed 1, improved

    static int const ms_piPermutations[512]; // the published permutation, stored twice

public:
    bCPerlinNoise(bCPerlinNoise const & a_Source);
    ~bCPerlinNoise() override;
    bCPerlinNoise & operator=(bCPerlinNoise const & a_Source);

public:
    void SetSeed(int a_iSeed) override;
    float GetNoise(float a_fX, float a_fY, float a_fZ) const override;
    float GetNoise(float a_fX, float a_fY) const override;
    float GetNoise(float a_fX) const override;
    using bCNoise::GetNoise;

public:
    bEAlgorithm GetAlgorithm() const { return m_eAlgorithm; }
    void SetAlgorithm(bEAlgorithm a_eAlgorithm) { m_eAlgorithm = a_eAlgorithm; }

    float Noise(float a_fX) const;
    float Noise(float a_fX, float a_fY) const;
    float Noise(float a_fX, float a_fY, float a_fZ) const;
    float ImprovedNoise(float a_fX) const;
    float ImprovedNoise(float a_fX, float a_fY) const;
    float ImprovedNoise(float a_fX, float a_fY, float a_fZ) const;

    void CopyFrom(bCPerlinNoise const & a_Source);
    void CopyTo(bCPerlinNoise & a_Dest) const { a_Dest.CopyFrom(*this); }

    // Not persisted: Read reads nothing and succeeds, Write writes nothing.
    bool Read(bCIStream & a_Stream);
    void Write(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream) const;

protected:
    bCPerlinNoise(); // seed 1, improved

    void Invalidate(); // seed 1, improved
    void Initialize(int a_iSeed);

private:
    static constexpr int TableSize = 256;
    static constexpr int StoredSize = 256 + 258; // the first 258 entries repeated

    void FillTables();
    void ShufflePermutation();
    void RepeatTables();

private:
    bEAlgorithm m_eAlgorithm;
    int m_arrPermutation[StoredSize];
    float m_arrGradients3[StoredSize][3];
    float m_arrGradients2[StoredSize][2];
    float m_arrGradients1[StoredSize];
};

#endif

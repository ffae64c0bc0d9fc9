#ifndef OE_PEACHEYNOISE_H_INCLUDED
#define OE_PEACHEYNOISE_H_INCLUDED

// bCPeacheyNoise: Peachey's lattice noises over 256-entry tables hashed with
// the published permutation ms_pu8Permutations:
// - GNoise: gradient noise, random unit gradients, cubic smoothstep;
// - VNoise: value noise, a Catmull-Rom spline through 4 x 4 x 4 values;
// - GVNoise(w): w GNoise + (1 - w) VNoise (0.7 as an algorithm);
// - VCNoise: value convolution with the radial Catmull-Rom filter;
// - SCNoise: sparse convolution of three random impulses per cell.
// The one- and two-coordinate forms put 0 for the missing coordinates. Seeds
// of 0 or less seed from the clock.

#include <vellmark/math/noise/oe_noise.h>
#include <vellmark/kernel/oe_types.h>

class bCIStream;
class bCOStream;

class OE_API bCPeacheyNoise : public bCNoise
{
public:
    enum bEAlgorithm : int // any other value gives noise 0
    {
        bEAlgorithm_Gradient = 0,
        bEAlgorithm_GradientValue = 1,
        bEAlgorithm_SparseConvolution = 2,
        bEAlgorithm_ValueConvolution = 3,
        bEAlgorithm_Value = 4,
    };

    static bCPeacheyNoise & GetPeacheyNoise(); // the process-wide instance: seed 1, value noise

    static OEU8 const ms_pu8Permutations[256];

    // The Catmull-Rom spline through a_iKnotCount knots (at least 4) at a_fX in 0 ... 1.
    static float Spline(float a_fX, int a_iKnotCount, float const * a_pfKnots);

public:
    bCPeacheyNoise(bCPeacheyNoise const & a_Source);
    ~bCPeacheyNoise() override;
    bCPeacheyNoise & operator=(bCPeacheyNoise const & a_Source);

public:
    void SetSeed(int a_iSeed) override;
    float GetNoise(float a_fX, float a_fY, float a_fZ) const override;
    float GetNoise(float a_fX, float a_fY) const override;
    float GetNoise(float a_fX) const override;
    using bCNoise::GetNoise;

public:
    bEAlgorithm GetAlgorithm() const { return m_eAlgorithm; }
    void SetAlgorithm(bEAlgorithm a_eAlgorithm) { m_eAlgorithm = a_eAlgorithm; }

    float GNoise(float a_fX, float a_fY, float a_fZ) const;
    float VNoise(float a_fX, float a_fY, float a_fZ) const;
    float GVNoise(float a_fX, float a_fY, float a_fZ, float a_fWeight) const;
    float VCNoise(float a_fX, float a_fY, float a_fZ) const;
    float SCNoise(float a_fX, float a_fY, float a_fZ) const;

    // The gradient of a lattice point dotted with the offset from it.
    float GLattice(int a_iX, int a_iY, int a_iZ, float a_fX, float a_fY, float a_fZ) const;
    float VLattice(int a_iX, int a_iY, int a_iZ) const;
    // The radial filter at a squared distance; 0 from 4 on.
    float CatRom2(float a_fSquareDistance) const;

    void CopyFrom(bCPeacheyNoise const & a_Source);
    void CopyTo(bCPeacheyNoise & a_Dest) const { a_Dest.CopyFrom(*this); }

    // Not persisted: Read reads nothing and succeeds, Write writes nothing.
    bool Read(bCIStream & a_Stream);
    void Write(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream) const;

protected:
    bCPeacheyNoise(); // seed 1, value noise

    void Invalidate(); // seed 1
    void Initialize(int a_iSeed);

private:
    static constexpr int TableSize = 256;
    static constexpr int FilterSamplesPerUnit = 100;                     // per unit of squared distance
    static constexpr int FilterSize = 4 * FilterSamplesPerUnit + 1; // squared distances 0 to 4

    static void Reseed(int a_iSeed);
    static int Index(int a_iX, int a_iY, int a_iZ);
    void FillGradientsAndValues();
    void FillImpulses();
    void FillFilter();

private:
    float m_arrGradients[TableSize][3];
    float m_arrImpulses[TableSize][4]; // x, y, z in 0 ... 1, amplitude in -1 ... 1
    float m_arrValues[TableSize];
    float m_arrFilter[FilterSize];
    bEAlgorithm m_eAlgorithm;
};

#endif

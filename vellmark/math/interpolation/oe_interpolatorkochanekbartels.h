#ifndef OE_INTERPOLATORKOCHANEKBARTELS_H_INCLUDED
#define OE_INTERPOLATORKOCHANEKBARTELS_H_INCLUDED

// bTInterpolatorKochanekBartels<ELEMENT>: a Kochanek-Bartels spline with a
// tension, continuity and bias per key. ReBuild turns every run of four keys
// into one cubic segment from key k + 1 to key k + 2 (n - 3 segments for n
// keys), its tangents scaled by the neighbouring key intervals. The curve runs
// from value[1] at key time 1 to value[n - 2] at key time n - 2 and holds those
// values outside. Update also gives the first and second derivative. Needs at
// least four keys. Stream form: the parameter array only.

#include <vellmark/math/interpolation/oe_interpolatorgeneric.h>

#include <cstdint>

struct bSKochanekBartelsParameter
{
    float m_fTension = 0.0f;
    float m_fContinuity = 0.0f;
    float m_fBias = 0.0f;
};

template <typename ELEMENT> class OE_API bTInterpolatorKochanekBartels : public bTInterpolatorGeneric<ELEMENT>
{
public:
    // value(s) = P1 + c1 s + c2 s^2 + c3 s^3 for s in [0, 1] over start..end.
    struct bSSegment
    {
        ELEMENT m_P1;
        ELEMENT m_C1;
        ELEMENT m_C2;
        ELEMENT m_C3;
        float m_fStart;
        float m_fEnd;
        float m_fDuration; // end - start
    };

public:
    bTInterpolatorKochanekBartels();

public:
    bool IsValid() const override;
    void * AccessParameters() override { return &m_arrParameters; } // bTObjArray<bSKochanekBartelsParameter>
    void SetParameters(void const * a_pParameters) override;        // the same type, or null for none
    void ReBuild() override;
    void Update() override;
    void Read(bCIStream & a_Stream) override;
    void Write(bCOStream & a_Stream) override;

public:
    bTObjArray<bSKochanekBartelsParameter> & AccessParameterArray() { return m_arrParameters; }
    bTObjArray<bSSegment> const & GetSegments() const { return m_arrSegments; }
    float GetS() const { return m_fS; } // local parameter of the last evaluation
    ELEMENT const & GetFirstDerivative() const { return m_FirstDerivative; }
    ELEMENT const & GetSecondDerivative() const { return m_SecondDerivative; }
    int GetSegment() const { return m_iSegment; } // index of the last evaluated segment

private:
    void BuildSegment(int a_iSegment);
    int FindSegment(float & a_fS) const;

private:
    bTObjArray<bSKochanekBartelsParameter> m_arrParameters;
    bTObjArray<bSSegment> m_arrSegments;
    float m_fS;
    ELEMENT m_FirstDerivative;
    ELEMENT m_SecondDerivative;
    int32_t m_iSegment;
    bool m_bEndsAscending; // the segment search may bisect
};

extern template class bTInterpolatorKochanekBartels<float>;
extern template class bTInterpolatorKochanekBartels<bCMotion>;

#endif

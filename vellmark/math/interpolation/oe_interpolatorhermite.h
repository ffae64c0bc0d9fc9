#ifndef OE_INTERPOLATORHERMITE_H_INCLUDED
#define OE_INTERPOLATORHERMITE_H_INCLUDED

// bTInterpolatorHermite<ELEMENT>: cubic Hermite segments between the two keys
// around the time (binary search over all keys, as the linear method). ReBuild
// makes a tangent per key from its tension and bias; the first and last
// tangents are zero. Tangents are per segment parameter, not scaled by the
// segment's duration. Needs a frame range of at least two keys.
// Stream form: the parameter array, then the tangent array.

#include <vellmark/math/interpolation/oe_interpolatorgeneric.h>

struct bSHermiteParameter
{
    float m_fTension = 0.0f; // 1 gives a zero tangent: the segment eases in and out
    float m_fBias = 0.0f;
};

template <typename ELEMENT> class OE_API bTInterpolatorHermite : public bTInterpolatorGeneric<ELEMENT>
{
public:
    bTInterpolatorHermite();

public:
    bool IsValid() const override;
    void * AccessParameters() override { return &m_arrParameters; } // bTObjArray<bSHermiteParameter>
    void SetParameters(void const * a_pParameters) override;        // the same type, or null for none
    void ReBuild() override;
    void Update() override;
    void Read(bCIStream & a_Stream) override;
    void Write(bCOStream & a_Stream) override;

public:
    bTObjArray<bSHermiteParameter> & AccessParameterArray() { return m_arrParameters; }
    bTObjArray<ELEMENT> const & GetTangents() const { return m_arrTangents; }

private:
    ELEMENT GetTangent(int a_iKey) const; // zero for a key ReBuild has not seen

private:
    bTObjArray<bSHermiteParameter> m_arrParameters;
    bTObjArray<ELEMENT> m_arrTangents;
};

extern template class bTInterpolatorHermite<float>;
extern template class bTInterpolatorHermite<bCMotion>;

#endif

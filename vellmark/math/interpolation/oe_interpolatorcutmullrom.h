#ifndef OE_INTERPOLATORCUTMULLROM_H_INCLUDED
#define OE_INTERPOLATORCUTMULLROM_H_INCLUDED

// bTInterpolatorCutmullRom<ELEMENT>: a uniform Catmull-Rom spline over the key
// indices. The key times only fix the span: the first key time maps to
// value[1], the last to value[n - 2], whatever the frame range; value[0] and
// value[n - 1] only shape the ends. Needs at least four keys. Has no
// parameters and streams nothing.

#include <vellmark/math/interpolation/oe_interpolatorgeneric.h>

template <typename ELEMENT> class OE_API bTInterpolatorCutmullRom : public bTInterpolatorGeneric<ELEMENT>
{
public:
    bTInterpolatorCutmullRom();

public:
    bool IsValid() const override;
    void Update() override;
    void Read(bCIStream &) override {}
    void Write(bCOStream &) override {}

private:
    // The cubic of the last evaluated segment: value(f) = a0 + f (a1 + f (a2 + f a3)).
    ELEMENT m_A0;
    ELEMENT m_A1;
    ELEMENT m_A2;
    ELEMENT m_A3;
};

extern template class bTInterpolatorCutmullRom<float>;
extern template class bTInterpolatorCutmullRom<bCMotion>;

#endif

#ifndef OE_INTERPOLATORLINEAR_H_INCLUDED
#define OE_INTERPOLATORLINEAR_H_INCLUDED

// bTInterpolatorLinear<ELEMENT>: straight blends between the two keys around
// the time, found by a binary search over all keys (an exact key time gives
// that key). A bCMotion's rotation is slerped. Needs a frame range of at
// least two keys. Has no parameters and streams nothing.

#include <vellmark/math/interpolation/oe_interpolatorgeneric.h>

#include <cstdint>

template <typename ELEMENT> class OE_API bTInterpolatorLinear : public bTInterpolatorGeneric<ELEMENT>
{
public:
    bTInterpolatorLinear();

public:
    bool IsValid() const override;
    void ReBuild() override;
    void Update() override;
    void Read(bCIStream &) override {}
    void Write(bCOStream &) override {}

private:
    enum : uint32_t
    {
        kCacheEmpty = 1, // flag bit 0: no segment evaluated since ReBuild
    };

    // The segment of the last evaluation; it records, the search never relies on it.
    int32_t m_iCacheLow;
    int32_t m_iCacheHigh;
    float m_fCacheS;
    uint32_t m_u32CacheFlags;
};

extern template class bTInterpolatorLinear<float>;
extern template class bTInterpolatorLinear<bCMotion>;

#endif

#include <vellmark/math/interpolation/oe_interpolatorlinear.h>

#include <vellmark/math/interpolation/oe_interpolatorelement.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

template <typename ELEMENT>
bTInterpolatorLinear<ELEMENT>::bTInterpolatorLinear() :
    m_iCacheLow(0), m_iCacheHigh(0), m_fCacheS(0.0f), m_u32CacheFlags(kCacheEmpty)
{
    this->SetType(bEInterpolator_Linear);
}

template <typename ELEMENT> bool bTInterpolatorLinear<ELEMENT>::IsValid() const
{
    return this->IsCommonValid() && this->GetFrameCount() >= 2;
}

template <typename ELEMENT> void bTInterpolatorLinear<ELEMENT>::ReBuild()
{
    m_iCacheLow = m_iCacheHigh = 0;
    m_fCacheS = 0.0f;
    m_u32CacheFlags |= kCacheEmpty;
    this->PresetValue();
}

template <typename ELEMENT> void bTInterpolatorLinear<ELEMENT>::Update()
{
    if (!IsValid())
    {
        g_InterpolatorWarning(
            "bTInterpolatorLinear< ELEMENT >::Update -> Cannot update value because interpolator is invalid!");
        return;
    }
    int iLow = 0, iHigh = 0;
    if (this->FindKeys(iLow, iHigh))
    {
        this->m_Value = this->GetKeyValue(iLow);
        return;
    }
    float const fLowTime = this->GetKeyTime(iLow);
    float const fSpan = this->GetKeyTime(iHigh) - fLowTime;
    // Keys at one time would divide by zero: the distance itself stands in.
    float const fS = fSpan == 0.0f ? this->m_fTime - fLowTime : (this->m_fTime - fLowTime) / fSpan;
    this->m_Value = bTInterpolatorElement<ELEMENT>::GetLerp(this->GetKeyValue(iLow), this->GetKeyValue(iHigh), fS);
    m_iCacheLow = iLow;
    m_iCacheHigh = iHigh;
    m_fCacheS = fS;
    m_u32CacheFlags &= ~static_cast<uint32_t>(kCacheEmpty);
}

template class bTInterpolatorLinear<float>;
template class bTInterpolatorLinear<bCMotion>;

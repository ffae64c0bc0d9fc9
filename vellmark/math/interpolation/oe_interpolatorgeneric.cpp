#include <vellmark/math/interpolation/oe_interpolatorgeneric.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/math/interpolation/oe_interpolatorelement.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

namespace
{
    char const * const kNotImplemented = "The method  %s was called, but has not yet been implemented!";
} // namespace

template <typename ELEMENT>
bTInterpolatorGeneric<ELEMENT>::bTInterpolatorGeneric() :
    m_parrTimes(nullptr), m_parrValues(nullptr), m_fTime(0.0f), m_Value(bTInterpolatorElement<ELEMENT>::GetZero())
{
}

template <typename ELEMENT> bool bTInterpolatorGeneric<ELEMENT>::IsValid() const
{
    return IsCommonValid();
}

template <typename ELEMENT> void bTInterpolatorGeneric<ELEMENT>::PresetValue()
{
    if (!m_parrValues)
    {
        g_InterpolatorWarning(
            "bTInterpolatorGeneric< ELEMENT >::ReBuild -> Cannot preset value because values' array is invalid!");
        return;
    }
    if (m_parrValues->IsEmpty())
    {
        g_InterpolatorWarning(
            "bTInterpolatorGeneric< ELEMENT >::ReBuild -> Cannot preset value because values' array is empty!");
        return;
    }
    int const iBegin = GetFrameBegin();
    m_Value = GetKeyValue(iBegin >= 0 && iBegin < m_parrValues->GetCount() ? iBegin : 0);
}

template <typename ELEMENT> void bTInterpolatorGeneric<ELEMENT>::ReBuild()
{
    PresetValue();
}

template <typename ELEMENT> void bTInterpolatorGeneric<ELEMENT>::Update()
{
    OE_MESSAGEF_WARN(kNotImplemented, "bTInterpolatorGeneric< ELEMENT >::Update -> Pure pseudo-virtual function call!");
}

template <typename ELEMENT> void bTInterpolatorGeneric<ELEMENT>::Read(bCIStream &)
{
    OE_MESSAGEF_WARN(kNotImplemented, "bCInterpolatorBase::Read -> Pure pseudo-virtual function call!");
}

template <typename ELEMENT> void bTInterpolatorGeneric<ELEMENT>::Write(bCOStream &)
{
    OE_MESSAGEF_WARN(kNotImplemented, "bCInterpolatorBase::Write -> Pure pseudo-virtual function call!");
}

template class bTInterpolatorGeneric<float>;
template class bTInterpolatorGeneric<bCMotion>;

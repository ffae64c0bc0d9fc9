#include <vellmark/math/interpolation/oe_interpolatorcutmullrom.h>

#include <vellmark/math/interpolation/oe_interpolatorelement.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

template <typename ELEMENT>
bTInterpolatorCutmullRom<ELEMENT>::bTInterpolatorCutmullRom() :
    m_A0(bTInterpolatorElement<ELEMENT>::GetZero()), m_A1(m_A0), m_A2(m_A0), m_A3(m_A0)
{
    this->SetType(bEInterpolator_CutmullRom);
}

template <typename ELEMENT> bool bTInterpolatorCutmullRom<ELEMENT>::IsValid() const
{
    return this->IsCommonValid() && this->GetKeyCount() >= 4;
}

template <typename ELEMENT> void bTInterpolatorCutmullRom<ELEMENT>::Update()
{
    using E = bTInterpolatorElement<ELEMENT>;
    if (!IsValid())
    {
        g_InterpolatorWarning(
            "bTInterpolatorCutmullRom< ELEMENT >::Update -> Cannot update value because interpolator is invalid!");
        return;
    }
    int const iCount = this->GetKeyCount();
    float const fFirst = this->GetKeyTime(0);
    float const fU =
        (this->m_fTime - fFirst) / (this->GetKeyTime(iCount - 1) - fFirst) * static_cast<float>(iCount - 3);
    // Clamped before the conversion: keys out of order or at one time give u
    // outside the segments, or no number at all.
    int iSegment = 0;
    if (fU >= static_cast<float>(iCount - 3))
        iSegment = iCount - 4; // the last key time ends the last segment
    else if (fU > 0.0f)
        iSegment = static_cast<int>(fU);
    float const fF = fU - static_cast<float>(iSegment);

    // Float by float: the four coefficients of one component stay in registers.
    auto const P0 = E::GetFloats(this->GetKeyValue(iSegment)), P1 = E::GetFloats(this->GetKeyValue(iSegment + 1));
    auto const P2 = E::GetFloats(this->GetKeyValue(iSegment + 2)), P3 = E::GetFloats(this->GetKeyValue(iSegment + 3));
    typename E::bSFloats A0, A1, A2, A3, Value;
    for (int c = 0; c < E::kFloatCount; ++c)
    {
        float const fP0 = P0.m_arrValues[c], fP1 = P1.m_arrValues[c], fP2 = P2.m_arrValues[c], fP3 = P3.m_arrValues[c];
        A3.m_arrValues[c] = -0.5f * fP0 + 1.5f * fP1 - 1.5f * fP2 + 0.5f * fP3;
        A2.m_arrValues[c] = fP0 - 2.5f * fP1 + 2.0f * fP2 - 0.5f * fP3;
        A1.m_arrValues[c] = -0.5f * fP0 + 0.5f * fP2;
        A0.m_arrValues[c] = fP1;
        Value.m_arrValues[c] =
            A0.m_arrValues[c] + fF * (A1.m_arrValues[c] + fF * (A2.m_arrValues[c] + fF * A3.m_arrValues[c]));
    }
    m_A0 = E::GetElement(A0);
    m_A1 = E::GetElement(A1);
    m_A2 = E::GetElement(A2);
    m_A3 = E::GetElement(A3);
    this->m_Value = E::GetElement(Value);
}

template class bTInterpolatorCutmullRom<float>;
template class bTInterpolatorCutmullRom<bCMotion>;

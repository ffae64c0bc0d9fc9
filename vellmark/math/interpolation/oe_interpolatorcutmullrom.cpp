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

    ELEMENT const & P0 = this->GetKeyValue(iSegment);
    ELEMENT const & P1 = this->GetKeyValue(iSegment + 1);
    ELEMENT const & P2 = this->GetKeyValue(iSegment + 2);
    ELEMENT const & P3 = this->GetKeyValue(iSegment + 3);
    m_A3 =
        E::GetSum(E::GetDifference(E::GetSum(E::GetScaled(P0, -0.5f), E::GetScaled(P1, 1.5f)), E::GetScaled(P2, 1.5f)),
                  E::GetScaled(P3, 0.5f));
    m_A2 = E::GetDifference(E::GetSum(E::GetDifference(P0, E::GetScaled(P1, 2.5f)), E::GetScaled(P2, 2.0f)),
                            E::GetScaled(P3, 0.5f));
    m_A1 = E::GetSum(E::GetScaled(P0, -0.5f), E::GetScaled(P2, 0.5f));
    m_A0 = P1;
    this->m_Value =
        E::GetSum(m_A0, E::GetScaled(E::GetSum(m_A1, E::GetScaled(E::GetSum(m_A2, E::GetScaled(m_A3, fF)), fF)), fF));
}

template class bTInterpolatorCutmullRom<float>;
template class bTInterpolatorCutmullRom<bCMotion>;

#include <vellmark/math/interpolation/oe_interpolatorkochanekbartels.h>

#include <vellmark/math/interpolation/oe_interpolatorelement.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

namespace
{
    void WriteParameter(bCOStream & a_Stream, bSKochanekBartelsParameter const & a_Parameter)
    {
        a_Stream.Write(a_Parameter.m_fTension);
        a_Stream.Write(a_Parameter.m_fContinuity);
        a_Stream.Write(a_Parameter.m_fBias);
    }

    bool ReadParameter(bCIStream & a_Stream, bSKochanekBartelsParameter & a_Parameter)
    {
        return a_Stream.Read(a_Parameter.m_fTension) == 4 && a_Stream.Read(a_Parameter.m_fContinuity) == 4 &&
               a_Stream.Read(a_Parameter.m_fBias) == 4;
    }
} // namespace

template <typename ELEMENT>
bTInterpolatorKochanekBartels<ELEMENT>::bTInterpolatorKochanekBartels() :
    m_fS(0.0f), m_FirstDerivative(bTInterpolatorElement<ELEMENT>::GetZero()), m_SecondDerivative(m_FirstDerivative),
    m_iSegment(0), m_bEndsAscending(true)
{
    this->SetType(bEInterpolator_KochanekBartels);
}

template <typename ELEMENT> bool bTInterpolatorKochanekBartels<ELEMENT>::IsValid() const
{
    return this->IsCommonValid() && this->GetKeyCount() >= 4;
}

template <typename ELEMENT> void bTInterpolatorKochanekBartels<ELEMENT>::SetParameters(void const * a_pParameters)
{
    if (a_pParameters)
        m_arrParameters.CopyFrom(*static_cast<bTObjArray<bSKochanekBartelsParameter> const *>(a_pParameters));
}

template <typename ELEMENT> void bTInterpolatorKochanekBartels<ELEMENT>::ReBuild()
{
    if (!IsValid())
    {
        g_InterpolatorWarning("bTInterpolatorKochanekBartels< ELEMENT >::ReBuild -> Cannot rebuild tangents's "
                              "coefficients because interpolator is invalid. Presetting value.");
        this->PresetValue();
        return;
    }
    int const iCount = this->GetKeyCount();
    m_arrParameters.SetCount(iCount);
    m_arrSegments.SetCount(iCount - 3);
    m_bEndsAscending = true;
    for (int k = 0; k < iCount - 3; ++k)
    {
        BuildSegment(k);
        if (k > 0 && m_arrSegments[k].m_fEnd < m_arrSegments[k - 1].m_fEnd)
            m_bEndsAscending = false;
    }
}

// Keys k .. k + 3; the segment runs from key k + 1 to key k + 2.
template <typename ELEMENT> void bTInterpolatorKochanekBartels<ELEMENT>::BuildSegment(int a_iSegment)
{
    using E = bTInterpolatorElement<ELEMENT>;
    int const i0 = a_iSegment, i1 = a_iSegment + 1, i2 = a_iSegment + 2, i3 = a_iSegment + 3;
    float const fPrevSpan = this->GetKeyTime(i2) - this->GetKeyTime(i0);
    float const fSegSpan = this->GetKeyTime(i2) - this->GetKeyTime(i1);
    float const fNextSpan = this->GetKeyTime(i3) - this->GetKeyTime(i1);
    ELEMENT const PrevDelta = E::GetDifference(this->GetKeyValue(i1), this->GetKeyValue(i0));
    ELEMENT const SegDelta = E::GetDifference(this->GetKeyValue(i2), this->GetKeyValue(i1));
    ELEMENT const NextDelta = E::GetDifference(this->GetKeyValue(i3), this->GetKeyValue(i2));

    bSKochanekBartelsParameter const & Out = m_arrParameters[i1];
    float const fG = fSegSpan / fPrevSpan * (1.0f - Out.m_fTension);
    ELEMENT const S1 = E::GetSum(E::GetScaled(PrevDelta, fG * (1.0f + Out.m_fContinuity) * (1.0f + Out.m_fBias)),
                                 E::GetScaled(SegDelta, fG * (1.0f - Out.m_fContinuity) * (1.0f - Out.m_fBias)));
    bSKochanekBartelsParameter const & In = m_arrParameters[i2];
    float const fH = fSegSpan / fNextSpan * (1.0f - In.m_fTension);
    ELEMENT const D2 = E::GetSum(E::GetScaled(SegDelta, fH * (1.0f - In.m_fContinuity) * (1.0f + In.m_fBias)),
                                 E::GetScaled(NextDelta, fH * (1.0f + In.m_fContinuity) * (1.0f - In.m_fBias)));

    bSSegment & Segment = m_arrSegments[a_iSegment];
    Segment.m_P1 = this->GetKeyValue(i1);
    Segment.m_C1 = S1;
    Segment.m_C2 = E::GetDifference(E::GetDifference(E::GetScaled(SegDelta, 3.0f), E::GetScaled(S1, 2.0f)), D2);
    Segment.m_C3 = E::GetDifference(E::GetSum(S1, D2), E::GetScaled(SegDelta, 2.0f));
    Segment.m_fStart = this->GetKeyTime(i1);
    Segment.m_fEnd = this->GetKeyTime(i2);
    Segment.m_fDuration = Segment.m_fEnd - Segment.m_fStart;
}

template <typename ELEMENT> int bTInterpolatorKochanekBartels<ELEMENT>::FindSegment(float & a_fS) const
{
    float const fTime = this->m_fTime;
    int const iLast = m_arrSegments.GetCount() - 1;
    if (fTime <= m_arrSegments[0].m_fStart)
    {
        a_fS = 0.0f;
        return 0;
    }
    if (fTime >= m_arrSegments[iLast].m_fEnd)
    {
        a_fS = 1.0f;
        return iLast;
    }
    int iFound = iLast;
    if (m_bEndsAscending)
    {
        int iLow = 0, iHigh = iLast; // the first end above the time lies in [iLow, iHigh]
        while (iLow < iHigh)
        {
            int const iMiddle = iLow + (iHigh - iLow) / 2;
            if (m_arrSegments[iMiddle].m_fEnd > fTime)
                iHigh = iMiddle;
            else
                iLow = iMiddle + 1;
        }
        iFound = iLow;
    }
    else
    {
        for (int k = 0; k <= iLast; ++k)
            if (m_arrSegments[k].m_fEnd > fTime)
            {
                iFound = k;
                break;
            }
    }
    bSSegment const & Segment = m_arrSegments[iFound];
    a_fS = (fTime - Segment.m_fStart) / Segment.m_fDuration;
    return iFound;
}

template <typename ELEMENT> void bTInterpolatorKochanekBartels<ELEMENT>::Update()
{
    using E = bTInterpolatorElement<ELEMENT>;
    // Without segments ReBuild has not run since the keys came: as invalid.
    if (!IsValid() || m_arrSegments.IsEmpty())
    {
        g_InterpolatorWarning(
            "bTInterpolatorKochanekBartels< ELEMENT >::Update -> Cannot update value because interpolator is invalid!");
        return;
    }
    float fS = 0.0f;
    m_iSegment = FindSegment(fS);
    fS = fS < 0.0f ? 0.0f : (fS > 1.0f ? 1.0f : fS);
    m_fS = fS;
    bSSegment const & Segment = m_arrSegments[m_iSegment];
    // Float by float, so that a motion's seven components stay in registers.
    auto const P1 = E::GetFloats(Segment.m_P1), C1 = E::GetFloats(Segment.m_C1);
    auto const C2 = E::GetFloats(Segment.m_C2), C3 = E::GetFloats(Segment.m_C3);
    typename E::bSFloats Value, First, Second;
    for (int c = 0; c < E::kFloatCount; ++c)
    {
        float const fC1 = C1.m_arrValues[c], fC2 = C2.m_arrValues[c], fC3 = C3.m_arrValues[c];
        Value.m_arrValues[c] = P1.m_arrValues[c] + fS * (fC1 + fS * (fC2 + fS * fC3));
        // c1 + 2 c2 s + 3 c3 s^2 and 2 c2 + 6 c3 s, multiplied in the order written.
        First.m_arrValues[c] = fC1 + 2.0f * fC2 * fS + 3.0f * fC3 * fS * fS;
        Second.m_arrValues[c] = 2.0f * fC2 + 6.0f * fC3 * fS;
    }
    this->m_Value = E::GetElement(Value);
    m_FirstDerivative = E::GetElement(First);
    m_SecondDerivative = E::GetElement(Second);
}

template <typename ELEMENT> void bTInterpolatorKochanekBartels<ELEMENT>::Write(bCOStream & a_Stream)
{
    g_WriteInterpolatorArray(a_Stream, m_arrParameters, &WriteParameter);
}

template <typename ELEMENT> void bTInterpolatorKochanekBartels<ELEMENT>::Read(bCIStream & a_Stream)
{
    g_ReadInterpolatorArray(a_Stream, m_arrParameters, &ReadParameter);
}

template class bTInterpolatorKochanekBartels<float>;
template class bTInterpolatorKochanekBartels<bCMotion>;

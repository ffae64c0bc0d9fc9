#include <vellmark/math/interpolation/oe_interpolatorhermite.h>

#include <vellmark/math/interpolation/oe_interpolatorelement.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

namespace
{
    void WriteParameter(bCOStream & a_Stream, bSHermiteParameter const & a_Parameter)
    {
        a_Stream.Write(a_Parameter.m_fTension);
        a_Stream.Write(a_Parameter.m_fBias);
    }

    bool ReadParameter(bCIStream & a_Stream, bSHermiteParameter & a_Parameter)
    {
        return a_Stream.Read(a_Parameter.m_fTension) == 4 && a_Stream.Read(a_Parameter.m_fBias) == 4;
    }
} // namespace

template <typename ELEMENT> bTInterpolatorHermite<ELEMENT>::bTInterpolatorHermite()
{
    this->SetType(bEInterpolator_Hermite);
}

template <typename ELEMENT> bool bTInterpolatorHermite<ELEMENT>::IsValid() const
{
    return this->IsCommonValid() && this->GetFrameCount() >= 2;
}

template <typename ELEMENT> void bTInterpolatorHermite<ELEMENT>::SetParameters(void const * a_pParameters)
{
    if (a_pParameters)
        m_arrParameters.CopyFrom(*static_cast<bTObjArray<bSHermiteParameter> const *>(a_pParameters));
}

template <typename ELEMENT> void bTInterpolatorHermite<ELEMENT>::ReBuild()
{
    using E = bTInterpolatorElement<ELEMENT>;
    if (!IsValid())
    {
        g_InterpolatorWarning("bTInterpolatorHermite< ELEMENT >::ReBuild -> Cannot rebuild tangents because "
                              "interpolator is invalid. Presetting value.");
        this->PresetValue();
        return;
    }
    int const iCount = this->GetKeyCount();
    m_arrParameters.SetCount(iCount);
    m_arrTangents.SetCount(iCount);
    m_arrTangents[0] = m_arrTangents[iCount - 1] = E::GetZero();
    for (int i = 1; i < iCount - 1; ++i)
    {
        float const fTension = m_arrParameters[i].m_fTension, fBias = m_arrParameters[i].m_fBias;
        float const fIncoming = (1.0f - fTension) * (1.0f + fBias) / 2.0f;
        float const fOutgoing = (1.0f - fTension) * (1.0f - fBias) / 2.0f;
        ELEMENT const & Value = this->GetKeyValue(i);
        m_arrTangents[i] = E::GetSum(E::GetScaled(E::GetDifference(Value, this->GetKeyValue(i - 1)), fIncoming),
                                     E::GetScaled(E::GetDifference(this->GetKeyValue(i + 1), Value), fOutgoing));
    }
}

template <typename ELEMENT> ELEMENT bTInterpolatorHermite<ELEMENT>::GetTangent(int a_iKey) const
{
    return a_iKey < m_arrTangents.GetCount() ? m_arrTangents[a_iKey] : bTInterpolatorElement<ELEMENT>::GetZero();
}

template <typename ELEMENT> void bTInterpolatorHermite<ELEMENT>::Update()
{
    using E = bTInterpolatorElement<ELEMENT>;
    if (!IsValid())
    {
        g_InterpolatorWarning(
            "bTInterpolatorHermite< ELEMENT >::Update -> Cannot update value because interpolator is invalid!");
        return;
    }
    int iLow = 0, iHigh = 0;
    if (this->FindKeys(iLow, iHigh))
    {
        this->m_Value = this->GetKeyValue(iLow);
        return;
    }
    float const fLowTime = this->GetKeyTime(iLow);
    float const fS = (this->m_fTime - fLowTime) / (this->GetKeyTime(iHigh) - fLowTime);
    float const fS2 = fS * fS, fS3 = fS2 * fS;
    float const fStart = 2.0f * fS3 - 3.0f * fS2 + 1.0f;
    float const fStartTangent = fS3 - 2.0f * fS2 + fS;
    float const fEndTangent = fS3 - fS2;
    float const fEnd = 3.0f * fS2 - 2.0f * fS3;
    this->m_Value = E::GetSum(E::GetSum(E::GetSum(E::GetScaled(this->GetKeyValue(iLow), fStart),
                                                  E::GetScaled(GetTangent(iLow), fStartTangent)),
                                        E::GetScaled(GetTangent(iHigh), fEndTangent)),
                              E::GetScaled(this->GetKeyValue(iHigh), fEnd));
}

template <typename ELEMENT> void bTInterpolatorHermite<ELEMENT>::Write(bCOStream & a_Stream)
{
    g_WriteInterpolatorArray(a_Stream, m_arrParameters, &WriteParameter);
    g_WriteInterpolatorArray(a_Stream, m_arrTangents, &bTInterpolatorElement<ELEMENT>::Write);
}

template <typename ELEMENT> void bTInterpolatorHermite<ELEMENT>::Read(bCIStream & a_Stream)
{
    m_arrTangents.Clear();
    if (g_ReadInterpolatorArray(a_Stream, m_arrParameters, &ReadParameter))
        g_ReadInterpolatorArray(a_Stream, m_arrTangents, &bTInterpolatorElement<ELEMENT>::Read);
}

template class bTInterpolatorHermite<float>;
template class bTInterpolatorHermite<bCMotion>;

#include <vellmark/math/interpolation/oe_keyframerdata.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/math/interpolation/oe_interpolatorcutmullrom.h>
#include <vellmark/math/interpolation/oe_interpolatorelement.h>
#include <vellmark/math/interpolation/oe_interpolatorhermite.h>
#include <vellmark/math/interpolation/oe_interpolatorkochanekbartels.h>
#include <vellmark/math/interpolation/oe_interpolatorlinear.h>
#include <vellmark/math/interpolation/oe_interpolatorwarning.h>

#include <algorithm>
#include <cmath>

namespace
{
    char const * const kModule = "math/interpolation/oe_keyframerdata";
    // Every forbidden list copy carries the same text.
    char const * const kListCopyForbidden = "this->m_arrDataInterpolators = a_arrDataInterpolators not allowed !";
    int const kLineGetDataInterpolators = 482;
    int const kLineGetTimeInterpolators = 499;
    int const kLineSetDataInterpolators = 598;
    int const kLineSetTimeInterpolators = 616;
    unsigned char const kKeyFrameVersion = 1;

    bool IsMethod(bEInterpolator a_eType)
    {
        return a_eType >= bEInterpolator_Linear && a_eType <= bEInterpolator_KochanekBartels;
    }

    template <typename ELEMENT> bCInterpolatorBase * NewInterpolator(bEInterpolator a_eType)
    {
        switch (a_eType)
        {
        case bEInterpolator_Linear: return new bTInterpolatorLinear<ELEMENT>;
        case bEInterpolator_CutmullRom: return new bTInterpolatorCutmullRom<ELEMENT>;
        case bEInterpolator_Hermite: return new bTInterpolatorHermite<ELEMENT>;
        case bEInterpolator_KochanekBartels: return new bTInterpolatorKochanekBartels<ELEMENT>;
        default: return nullptr;
        }
    }

    // NaN times sort last, so that the order stays strict and weak whatever the keys hold.
    bool IsEarlier(float a_fLeft, float a_fRight)
    {
        return !std::isnan(a_fLeft) && (std::isnan(a_fRight) || a_fLeft < a_fRight);
    }
} // namespace

// bSKeyFrame

template <typename ELEMENT>
bTKeyFramerData<ELEMENT>::bSKeyFrame::bSKeyFrame() :
    m_Value(bTInterpolatorElement<ELEMENT>::GetZero()), m_fTime(0.0f), m_iDataInterpolator(-1), m_iTimeInterpolator(-1)
{
}

template <typename ELEMENT>
bTKeyFramerData<ELEMENT>::bSKeyFrame::bSKeyFrame(ELEMENT const & a_Value, float a_fTime, int a_iDataInterpolator,
                                                 int a_iTimeInterpolator) :
    m_Value(a_Value),
    m_fTime(a_fTime), m_iDataInterpolator(a_iDataInterpolator), m_iTimeInterpolator(a_iTimeInterpolator)
{
}

// Life cycle

template <typename ELEMENT> bTKeyFramerData<ELEMENT>::bTKeyFramerData() : m_iFrameBegin(-1), m_iFrameEnd(-1) {}

template <typename ELEMENT>
bTKeyFramerData<ELEMENT>::bTKeyFramerData(bTKeyFramerData const & a_Source) : m_iFrameBegin(-1), m_iFrameEnd(-1)
{
    CopyFrom(a_Source);
}

template <typename ELEMENT> bTKeyFramerData<ELEMENT>::~bTKeyFramerData()
{
    Clear();
}

template <typename ELEMENT>
bTKeyFramerData<ELEMENT> & bTKeyFramerData<ELEMENT>::operator=(bTKeyFramerData const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::CopyFrom(bTKeyFramerData const & a_Source)
{
    if (&a_Source == this)
        return;
    Clear();
    m_iFrameBegin = a_Source.m_iFrameBegin;
    m_iFrameEnd = a_Source.m_iFrameEnd;
    for (bCInterpolatorBase const * pInterpolator : a_Source.m_arrDataInterpolators)
        CreateDataInterpolator(pInterpolator, false);
    for (bCInterpolatorBase const * pInterpolator : a_Source.m_arrTimeInterpolators)
        CreateTimeInterpolator(pInterpolator, false);
    m_arrKeyFrames.CopyFrom(a_Source.m_arrKeyFrames);
    Update();
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::Clear()
{
    m_arrTimeInterpolators.Destroy();
    m_arrDataInterpolators.Destroy();
    m_arrKeyFrames.Destroy();
    m_arrTimes.Destroy();
    m_arrValues.Destroy();
}

// Key frames

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::SortFrames()
{
    bSKeyFrame * pFrames = m_arrKeyFrames.AccessArray();
    if (!pFrames)
        return;
    std::stable_sort(pFrames, pFrames + m_arrKeyFrames.GetCount(),
                     [](bSKeyFrame const & a_Left, bSKeyFrame const & a_Right) {
                         return IsEarlier(a_Left.m_fTime, a_Right.m_fTime);
                     });
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::SplitFrames()
{
    int const iCount = m_arrKeyFrames.GetCount();
    m_arrTimes.SetCount(iCount);
    m_arrValues.SetCount(iCount);
    for (int i = 0; i < iCount; ++i)
    {
        m_arrTimes[i] = m_arrKeyFrames[i].m_fTime;
        m_arrValues[i] = m_arrKeyFrames[i].m_Value;
    }
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::Update()
{
    SplitFrames();
    AttachInterpolators();
}

// Interpolators

template <typename ELEMENT> int bTKeyFramerData<ELEMENT>::CreateDataInterpolator(bEInterpolator a_eType, bool a_bAttach)
{
    bCInterpolatorBase * pInterpolator = NewInterpolator<ELEMENT>(a_eType);
    if (!pInterpolator)
    {
        g_InterpolatorWarning("bTKeyFramerData< ELEMENT >::CreateDataInterpolator -> Encountered invalid enumeration "
                              "value for type bEInterpolator!");
        return 0;
    }
    int const iIndex = m_arrDataInterpolators.Add(pInterpolator);
    if (iIndex < 0)
    {
        delete pInterpolator;
        return 0;
    }
    if (a_bAttach)
        AttachDataInterpolator(iIndex);
    return iIndex;
}

template <typename ELEMENT> int bTKeyFramerData<ELEMENT>::CreateTimeInterpolator(bEInterpolator a_eType, bool a_bAttach)
{
    bCInterpolatorBase * pInterpolator = NewInterpolator<float>(a_eType);
    if (!pInterpolator)
    {
        g_InterpolatorWarning("bTKeyFramerData< ELEMENT >::CreateTimeInterpolator -> Encountered invalid enumeration "
                              "value for type bEInterpolator!");
        return 0;
    }
    int const iIndex = m_arrTimeInterpolators.Add(pInterpolator);
    if (iIndex < 0)
    {
        delete pInterpolator;
        return 0;
    }
    if (a_bAttach)
        AttachTimeInterpolator(iIndex);
    return iIndex;
}

template <typename ELEMENT>
int bTKeyFramerData<ELEMENT>::CreateDataInterpolator(bCInterpolatorBase const * a_pSource, bool a_bAttach)
{
    bEInterpolator const eType = a_pSource ? a_pSource->GetType() : bEInterpolator_None;
    int const iIndex = CreateDataInterpolator(eType, false);
    if (!IsMethod(eType))
        return iIndex;
    // Reading parameters changes nothing; the slot is not const only because it hands out the array to edit.
    m_arrDataInterpolators[iIndex]->SetParameters(const_cast<bCInterpolatorBase *>(a_pSource)->AccessParameters());
    if (a_bAttach)
        AttachDataInterpolator(iIndex);
    return iIndex;
}

template <typename ELEMENT>
int bTKeyFramerData<ELEMENT>::CreateTimeInterpolator(bCInterpolatorBase const * a_pSource, bool a_bAttach)
{
    bEInterpolator const eType = a_pSource ? a_pSource->GetType() : bEInterpolator_None;
    int const iIndex = CreateTimeInterpolator(eType, false);
    if (!IsMethod(eType))
        return iIndex;
    m_arrTimeInterpolators[iIndex]->SetParameters(const_cast<bCInterpolatorBase *>(a_pSource)->AccessParameters());
    if (a_bAttach)
        AttachTimeInterpolator(iIndex);
    return iIndex;
}

template <typename ELEMENT> bCInterpolatorBase * bTKeyFramerData<ELEMENT>::GetDataInterpolator(int a_iIndex) const
{
    return a_iIndex >= 0 && a_iIndex < m_arrDataInterpolators.GetCount() ? m_arrDataInterpolators[a_iIndex] : nullptr;
}

template <typename ELEMENT> bCInterpolatorBase * bTKeyFramerData<ELEMENT>::GetTimeInterpolator(int a_iIndex) const
{
    return a_iIndex >= 0 && a_iIndex < m_arrTimeInterpolators.GetCount() ? m_arrTimeInterpolators[a_iIndex] : nullptr;
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::Attach(bCInterpolatorBase * a_pInterpolator, bool a_bData)
{
    if (!a_pInterpolator)
        return;
    int const iBegin = m_iFrameBegin < 0 ? 0 : m_iFrameBegin;
    int const iEnd = m_iFrameEnd < 0 ? m_arrValues.GetCount() - 1 : m_iFrameEnd;
    a_pInterpolator->SetFrameBegin(iBegin);
    a_pInterpolator->SetFrameEnd(iEnd);
    // A range beyond the keys starts at time 0 as if there were none; the interpolator then reports itself invalid.
    float const fTime = iBegin < m_arrTimes.GetCount() ? m_arrTimes[iBegin] : 0.0f;
    if (a_bData)
    {
        auto * pData = static_cast<bTInterpolatorGeneric<ELEMENT> *>(a_pInterpolator);
        pData->SetTimes(&m_arrTimes);
        pData->SetValues(&m_arrValues);
    }
    else
    {
        auto * pTime = static_cast<bTInterpolatorGeneric<float> *>(a_pInterpolator);
        pTime->SetTimes(&m_arrTimes);
        pTime->SetValues(&m_arrTimes); // a time track's values are its key times
    }
    a_pInterpolator->SetTime(fTime);
    a_pInterpolator->ReBuild();
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::AttachDataInterpolator(int a_iIndex)
{
    Attach(GetDataInterpolator(a_iIndex), true);
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::AttachTimeInterpolator(int a_iIndex)
{
    Attach(GetTimeInterpolator(a_iIndex), false);
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::AttachInterpolators()
{
    for (int i = 0; i < m_arrDataInterpolators.GetCount(); ++i)
        AttachDataInterpolator(i);
    for (int i = 0; i < m_arrTimeInterpolators.GetCount(); ++i)
        AttachTimeInterpolator(i);
}

// The owned lists cannot be shared: handing them out or taking them in whole is a broken invariant.

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::GetDataInterpolators(bTInterpolatorList &) const
{
    bCErrorAdmin::GetInstance().CallFatalError(kListCopyForbidden, kModule, kLineGetDataInterpolators);
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::GetTimeInterpolators(bTInterpolatorList &) const
{
    bCErrorAdmin::GetInstance().CallFatalError(kListCopyForbidden, kModule, kLineGetTimeInterpolators);
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::SetDataInterpolators(bTInterpolatorList const &)
{
    bCErrorAdmin::GetInstance().CallFatalError(kListCopyForbidden, kModule, kLineSetDataInterpolators);
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::SetTimeInterpolators(bTInterpolatorList const &)
{
    bCErrorAdmin::GetInstance().CallFatalError(kListCopyForbidden, kModule, kLineSetTimeInterpolators);
}

// Streams

template <typename ELEMENT>
void bTKeyFramerData<ELEMENT>::WriteInterpolators(bCOStream & a_Stream,
                                                  bTInterpolatorList const & a_arrInterpolators) const
{
    a_Stream.Write(static_cast<unsigned long>(a_arrInterpolators.GetCount()));
    for (bCInterpolatorBase * pInterpolator : a_arrInterpolators)
    {
        a_Stream.Write(static_cast<long>(pInterpolator ? pInterpolator->GetType() : bEInterpolator_None));
        if (pInterpolator)
            pInterpolator->Write(a_Stream);
    }
}

template <typename ELEMENT> void bTKeyFramerData<ELEMENT>::Write(bCOStream & a_Stream) const
{
    a_Stream.Write(static_cast<long>(m_iFrameBegin));
    a_Stream.Write(static_cast<long>(m_iFrameEnd));
    WriteInterpolators(a_Stream, m_arrDataInterpolators);
    WriteInterpolators(a_Stream, m_arrTimeInterpolators);
    a_Stream.Write(kKeyFrameVersion);
    a_Stream.Write(static_cast<unsigned long>(m_arrKeyFrames.GetCount()));
    for (bSKeyFrame const & Frame : m_arrKeyFrames)
    {
        bTInterpolatorElement<ELEMENT>::Write(a_Stream, Frame.m_Value);
        a_Stream.Write(Frame.m_fTime);
        a_Stream.Write(static_cast<long>(Frame.m_iDataInterpolator));
        a_Stream.Write(static_cast<long>(Frame.m_iTimeInterpolator));
    }
}

// Interpolators are created one by one as their types arrive, so an absurd
// count costs no more than the bytes that follow it.
template <typename ELEMENT> bool bTKeyFramerData<ELEMENT>::ReadInterpolators(bCIStream & a_Stream, bool a_bData)
{
    unsigned long uCount = 0;
    if (a_Stream.Read(uCount) != 4)
        return false;
    for (unsigned long i = 0; i < uCount; ++i)
    {
        long lType = 0;
        if (a_Stream.Read(lType) != 4)
            return false;
        bEInterpolator const eType = static_cast<bEInterpolator>(lType);
        int const iIndex = a_bData ? CreateDataInterpolator(eType, false) : CreateTimeInterpolator(eType, false);
        // An unknown method has no reader for the data that follows it.
        if (!IsMethod(eType))
            return false;
        (a_bData ? m_arrDataInterpolators : m_arrTimeInterpolators)[iIndex]->Read(a_Stream);
    }
    return true;
}

template <typename ELEMENT> bool bTKeyFramerData<ELEMENT>::ReadKeyFrames(bCIStream & a_Stream)
{
    unsigned char u8Version = 0; // only version 1 exists; it is not checked
    unsigned long uCount = 0;
    if (a_Stream.Read(u8Version) != 1 || a_Stream.Read(uCount) != 4)
        return false;
    for (unsigned long i = 0; i < uCount; ++i)
    {
        bSKeyFrame Frame;
        long lDataInterpolator = 0, lTimeInterpolator = 0;
        if (!bTInterpolatorElement<ELEMENT>::Read(a_Stream, Frame.m_Value) || a_Stream.Read(Frame.m_fTime) != 4 ||
            a_Stream.Read(lDataInterpolator) != 4 || a_Stream.Read(lTimeInterpolator) != 4)
            return false;
        Frame.m_iDataInterpolator = static_cast<int32_t>(lDataInterpolator);
        Frame.m_iTimeInterpolator = static_cast<int32_t>(lTimeInterpolator);
        if (m_arrKeyFrames.Add(Frame) < 0)
            return false;
    }
    return true;
}

template <typename ELEMENT> bool bTKeyFramerData<ELEMENT>::Read(bCIStream & a_Stream)
{
    Clear();
    long lFrameBegin = 0, lFrameEnd = 0;
    bool const bComplete = a_Stream.Read(lFrameBegin) == 4 && a_Stream.Read(lFrameEnd) == 4 &&
                           ReadInterpolators(a_Stream, true) && ReadInterpolators(a_Stream, false) &&
                           ReadKeyFrames(a_Stream);
    if (!bComplete)
    {
        Clear();
        m_iFrameBegin = m_iFrameEnd = -1;
        return false;
    }
    m_iFrameBegin = static_cast<int32_t>(lFrameBegin);
    m_iFrameEnd = static_cast<int32_t>(lFrameEnd);
    Update();
    return true;
}

template <typename ELEMENT> bCIStream & bTKeyFramerData<ELEMENT>::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

template <typename ELEMENT> bCOStream & bTKeyFramerData<ELEMENT>::operator>>(bCOStream & a_Stream) const
{
    Write(a_Stream);
    return a_Stream;
}

template class bTKeyFramerData<float>;
template class bTKeyFramerData<bCMotion>;

#ifndef OE_INTERPOLATORGENERIC_H_INCLUDED
#define OE_INTERPOLATORGENERIC_H_INCLUDED

// bTInterpolatorGeneric<ELEMENT>: what every method shares: the attached key
// arrays (owned by the key framer data, null until it attaches them), the
// current time and the current value. Instantiated for float and bCMotion.
//
// Validity, common to all methods: the value array exists and is not empty,
// the time array has the same count n, 0 <= begin <= end <= n - 1, and
// times[begin] <= time <= times[end]. Each method adds its own key minimum.

#include <vellmark/containers/oe_array.h>
#include <vellmark/math/3d/oe_motion.h>
#include <vellmark/math/interpolation/oe_interpolatorbase.h>

template <typename ELEMENT> class OE_API bTInterpolatorGeneric : public bCInterpolatorBase
{
public:
    bTInterpolatorGeneric();

public:
    bool IsValid() const override;
    void * AccessParameters() override { return nullptr; }
    void SetParameters(void const *) override {}
    void ReBuild() override; // presets the value
    void Update() override;  // a method's duty: only warns here
    void Read(bCIStream & a_Stream) override;
    void Write(bCOStream & a_Stream) override;
    void SetTime(float a_fTime) override { m_fTime = a_fTime; }

public:
    float GetTime() const { return m_fTime; }
    ELEMENT const & GetValue() const { return m_Value; }
    void GetValue(ELEMENT & a_Value) const { a_Value = m_Value; }
    bTObjArray<float> * GetTimes() const { return m_parrTimes; }
    bTObjArray<ELEMENT> * GetValues() const { return m_parrValues; }
    // The key framer data connects its arrays here; they must outlive the attachment.
    void SetTimes(bTObjArray<float> * a_parrTimes) { m_parrTimes = a_parrTimes; }
    void SetValues(bTObjArray<ELEMENT> * a_parrValues) { m_parrValues = a_parrValues; }

protected:
    bool IsCommonValid() const;
    void PresetValue(); // the current value from the keys, or a report why not
    ELEMENT & AccessValue() { return m_Value; }
    int GetKeyCount() const { return m_parrValues ? m_parrValues->GetCount() : 0; }
    float GetKeyTime(int a_iKey) const { return m_parrTimes->GetAt(a_iKey); }
    ELEMENT const & GetKeyValue(int a_iKey) const { return m_parrValues->GetAt(a_iKey); }
    // The bracketing keys of the current time over all keys (linear and Hermite
    // search): true with a_iLow = a_iHigh = k on an exact match at key k.
    bool FindKeys(int & a_iLow, int & a_iHigh) const;

protected:
    bTObjArray<float> * m_parrTimes;
    bTObjArray<ELEMENT> * m_parrValues;
    float m_fTime;
    ELEMENT m_Value;
};

// The per-evaluation checks and the search are inline: every Update runs them.

template <typename ELEMENT> inline bool bTInterpolatorGeneric<ELEMENT>::IsCommonValid() const
{
    if (!m_parrValues || m_parrValues->IsEmpty() || !m_parrTimes)
        return false;
    int const iCount = m_parrValues->GetCount();
    int const iBegin = GetFrameBegin(), iEnd = GetFrameEnd();
    if (m_parrTimes->GetCount() != iCount || iBegin < 0 || iBegin > iEnd || iEnd > iCount - 1)
        return false;
    return GetKeyTime(iBegin) <= m_fTime && m_fTime <= GetKeyTime(iEnd);
}

template <typename ELEMENT> inline bool bTInterpolatorGeneric<ELEMENT>::FindKeys(int & a_iLow, int & a_iHigh) const
{
    int iLow = 0, iHigh = m_parrTimes->GetCount() - 1;
    float const * pTimes = m_parrTimes->GetArray();
    while (iLow <= iHigh)
    {
        int const iMiddle = iLow + (iHigh - iLow) / 2;
        if (pTimes[iMiddle] == m_fTime)
        {
            a_iLow = a_iHigh = iMiddle;
            return true;
        }
        if (pTimes[iMiddle] < m_fTime)
            iLow = iMiddle + 1;
        else
            iHigh = iMiddle - 1;
    }
    // Keys out of order can leave the search beside the array; the nearest pair stands in.
    int const iLast = m_parrTimes->GetCount() - 1;
    a_iHigh = iLow > iLast ? iLast : (iLow < 1 ? 1 : iLow);
    a_iLow = a_iHigh - 1;
    return false;
}

extern template class bTInterpolatorGeneric<float>;
extern template class bTInterpolatorGeneric<bCMotion>;

#endif

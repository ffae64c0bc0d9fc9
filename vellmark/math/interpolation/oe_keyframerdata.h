#ifndef OE_KEYFRAMERDATA_H_INCLUDED
#define OE_KEYFRAMERDATA_H_INCLUDED

// bTKeyFramerData<ELEMENT>: one key-framed track. It keeps the key frames
// (value, time and two interpolator indices each), the parallel time and value
// arrays the interpolators work on (made from the key frames by SplitFrames)
// and owns two lists of interpolators: data interpolators over the values and
// time interpolators over the key times.
//
// - After the key frames change, call Update (split, then attach every data and
//   every time interpolator) before evaluating.
// - A frame range of -1 means from the first key / to the last key.
// - The time getters index the arrays directly: the range and keys must be set.
// - Copying whole interpolator lists is forbidden (a fatal error): the
//   interpolators belong to this track's arrays.
//
// Stream form (little-endian; counts and indices 32-bit):
//   frame begin, frame end;
//   data interpolator count, per interpolator its bEInterpolator and its own data;
//   time interpolator count, the same;
//   key frames: version byte 1, key count, per key the element's raw floats,
//   the time and the data and time interpolator indices.

#include <vellmark/containers/oe_array.h>
#include <vellmark/math/3d/oe_motion.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/interpolation/oe_interpolatorgeneric.h>

#include <cstdint>

template <typename ELEMENT> class OE_API bTKeyFramerData
{
public:
    struct bSKeyFrame
    {
        ELEMENT m_Value;
        float m_fTime;
        int32_t m_iDataInterpolator;
        int32_t m_iTimeInterpolator; // -1 for none

        bSKeyFrame();
        bSKeyFrame(ELEMENT const & a_Value, float a_fTime, int a_iDataInterpolator, int a_iTimeInterpolator);
    };

    using bTInterpolatorList = bTAutoPtrArray<bCInterpolatorBase *>;

public:
    bTKeyFramerData();
    bTKeyFramerData(bTKeyFramerData const & a_Source);
    virtual ~bTKeyFramerData();
    bTKeyFramerData & operator=(bTKeyFramerData const & a_Source);

public:
    virtual void CopyFrom(bTKeyFramerData const & a_Source);
    void CopyTo(bTKeyFramerData & a_Dest) const { a_Dest.CopyFrom(*this); }
    void Clear(); // deletes the interpolators, frees the key frames, times and values

    bTObjArray<bSKeyFrame> & AccessKeyFrames() { return m_arrKeyFrames; }
    bTObjArray<bSKeyFrame> const & GetKeyFrames() const { return m_arrKeyFrames; }
    void GetKeyFrames(bTObjArray<bSKeyFrame> & a_arrKeyFrames) const { a_arrKeyFrames.CopyFrom(m_arrKeyFrames); }
    void SetKeyFrames(bTObjArray<bSKeyFrame> const & a_arrKeyFrames) { m_arrKeyFrames.CopyFrom(a_arrKeyFrames); }
    void SortFrames(); // by time ascending

    bTObjArray<float> const & GetTimes() const { return m_arrTimes; }
    void GetTimes(bTObjArray<float> & a_arrTimes) const { a_arrTimes.CopyFrom(m_arrTimes); }
    void SetTimes(bTObjArray<float> const & a_arrTimes) { m_arrTimes.CopyFrom(a_arrTimes); }
    bTObjArray<ELEMENT> const & GetValues() const { return m_arrValues; }
    void GetValues(bTObjArray<ELEMENT> & a_arrValues) const { a_arrValues.CopyFrom(m_arrValues); }
    void SetValues(bTObjArray<ELEMENT> const & a_arrValues) { m_arrValues.CopyFrom(a_arrValues); }

    int GetFrameBegin() const { return m_iFrameBegin; }
    int GetFrameEnd() const { return m_iFrameEnd; }
    void SetFrameBegin(int a_iFrameBegin) { m_iFrameBegin = a_iFrameBegin; }
    void SetFrameEnd(int a_iFrameEnd) { m_iFrameEnd = a_iFrameEnd; }
    int GetFrameMin() const { return 0; }
    int GetFrameMax() const { return m_arrValues.GetCount() - 1; }
    int GetFrameCount() const { return m_iFrameEnd - m_iFrameBegin + 1; }
    int GetTotalFrameCount() const { return m_arrValues.GetCount(); }

    float GetTimeBegin() const { return m_arrTimes[m_iFrameBegin]; }
    float GetTimeEnd() const { return m_arrTimes[m_iFrameEnd]; }
    float GetTimeMin() const { return m_arrTimes[0]; }
    float GetTimeMax() const { return m_arrTimes[m_arrTimes.GetCount() - 1]; }
    float GetDuration() const { return m_arrTimes[m_iFrameEnd] - m_arrTimes[m_iFrameBegin]; }
    float GetTotalDuration() const { return m_arrTimes[m_arrTimes.GetCount() - 1] - m_arrTimes[0]; }

    // The new interpolator's index; an invalid method is reported and gives 0
    // without creating anything.
    int CreateDataInterpolator(bEInterpolator a_eType, bool a_bAttach);
    int CreateTimeInterpolator(bEInterpolator a_eType, bool a_bAttach);
    // One of the source's method, with a copy of its per-key parameters.
    int CreateDataInterpolator(bCInterpolatorBase const * a_pSource, bool a_bAttach);
    int CreateTimeInterpolator(bCInterpolatorBase const * a_pSource, bool a_bAttach);
    bCInterpolatorBase * GetDataInterpolator(int a_iIndex) const; // null out of range
    bCInterpolatorBase * GetTimeInterpolator(int a_iIndex) const; // null out of range
    static int GetInvalidDataInterpolator() { return -1; }
    static int GetInvalidTimeInterpolator() { return -1; }
    void AttachDataInterpolator(int a_iIndex);
    void AttachTimeInterpolator(int a_iIndex);

    bTInterpolatorList const & GetDataInterpolators() const { return m_arrDataInterpolators; }
    bTInterpolatorList const & GetTimeInterpolators() const { return m_arrTimeInterpolators; }
    // Forbidden: each is a fatal error.
    void GetDataInterpolators(bTInterpolatorList & a_arrDataInterpolators) const;
    void GetTimeInterpolators(bTInterpolatorList & a_arrTimeInterpolators) const;
    void SetDataInterpolators(bTInterpolatorList const & a_arrDataInterpolators);
    void SetTimeInterpolators(bTInterpolatorList const & a_arrTimeInterpolators);

    void Update(); // split the frames, attach every interpolator

    // False when the stream ended early or named an unknown method: the track is then empty.
    bool Read(bCIStream & a_Stream);
    void Write(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);
    bCOStream & operator>>(bCOStream & a_Stream) const;

protected:
    void SplitFrames();
    void AttachInterpolators();
    bTObjArray<float> & AccessTimes() { return m_arrTimes; }
    bTObjArray<ELEMENT> & AccessValues() { return m_arrValues; }
    int32_t & AccessFrameBegin() { return m_iFrameBegin; }
    int32_t & AccessFrameEnd() { return m_iFrameEnd; }

private:
    void Attach(bCInterpolatorBase * a_pInterpolator, bool a_bData);
    bool ReadInterpolators(bCIStream & a_Stream, bool a_bData);
    void WriteInterpolators(bCOStream & a_Stream, bTInterpolatorList const & a_arrInterpolators) const;
    bool ReadKeyFrames(bCIStream & a_Stream);

private:
    int32_t m_iFrameBegin;
    int32_t m_iFrameEnd;
    bTObjArray<bSKeyFrame> m_arrKeyFrames;
    bTObjArray<float> m_arrTimes;
    bTObjArray<ELEMENT> m_arrValues;
    bTInterpolatorList m_arrTimeInterpolators;
    bTInterpolatorList m_arrDataInterpolators;
};

extern template class bTKeyFramerData<float>;
extern template class bTKeyFramerData<bCMotion>;

#endif

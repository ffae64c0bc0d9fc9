// Imports arbitrary text as a camera path. The first byte picks the step
// (signed), the rest is the file. The import never makes more keys than the
// text has lines, every key names the linear interpolator, and that
// interpolator evaluates without harm anywhere.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/interpolation/oe_motionkeyframerdata.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize < 1)
        return 0;
    int const iStep = static_cast<signed char>(a_pData[0]);
    bCMemoryStream Stream;
    if (a_uSize > 1)
        Stream.Write(a_pData + 1, static_cast<unsigned long>(a_uSize - 1));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCMotionKeyFramerData Track;
    Track.ReadCAM(Stream, iStep, 2.5f);

    long const lLines = std::count(a_pData + 1, a_pData + a_uSize, '\n') + 1;
    Check(Track.GetKeyFrames().GetCount() <= lLines);
    Check(Track.GetTimes().GetCount() == Track.GetKeyFrames().GetCount());
    Check(Track.GetDataInterpolators().GetCount() == 1);
    for (bCMotionKeyFramerData::bSKeyFrame const & Key : Track.GetKeyFrames())
        Check(Key.m_iDataInterpolator == 0 && Key.m_iTimeInterpolator == -1);
    bCInterpolatorBase * pLinear = Track.GetDataInterpolator(0);
    for (float fTime : {0.0f, 0.5f, 1.0f, 7.0f, -3.0f})
    {
        pLinear->SetTime(fTime);
        pLinear->Update();
    }
    return 0;
}

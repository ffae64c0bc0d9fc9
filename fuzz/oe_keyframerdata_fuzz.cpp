// Reads arbitrary bytes as a stored motion track and as a stored float track.
// A read either fails and leaves an empty track, or succeeds; then writing the
// track and reading that again must give the same bytes, and every
// interpolator must evaluate without harm at times inside and outside the keys.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/interpolation/oe_motionkeyframerdata.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    std::vector<unsigned char> GetBytes(bCMemoryStream & a_Stream)
    {
        std::vector<unsigned char> arrBytes(static_cast<size_t>(a_Stream.GetSize()));
        a_Stream.SetPosition(0, bEStreamSeekMode_Begin);
        if (!arrBytes.empty())
            a_Stream.Read(arrBytes.data(), static_cast<unsigned long>(arrBytes.size()));
        return arrBytes;
    }

    template <typename ELEMENT> void Evaluate(bTKeyFramerData<ELEMENT> & a_Track)
    {
        int const iKeys = a_Track.GetTimes().GetCount();
        float const arrTimes[] = {0.0f, -1.0f, 1e30f, iKeys ? a_Track.GetTimes()[iKeys / 2] : 0.5f,
                                  iKeys ? a_Track.GetTimes()[iKeys - 1] : 1.0f};
        for (int i = 0; i < a_Track.GetDataInterpolators().GetCount(); ++i)
            for (float fTime : arrTimes)
            {
                bCInterpolatorBase * pInterpolator = a_Track.GetDataInterpolator(i);
                pInterpolator->SetTime(fTime);
                pInterpolator->Update();
            }
        for (int i = 0; i < a_Track.GetTimeInterpolators().GetCount(); ++i)
            for (float fTime : arrTimes)
            {
                bCInterpolatorBase * pInterpolator = a_Track.GetTimeInterpolator(i);
                pInterpolator->SetTime(fTime);
                pInterpolator->Update();
            }
    }

    template <typename TRACK> void ReadTrack(uint8_t const * a_pData, size_t a_uSize)
    {
        bCMemoryStream Stream;
        if (a_uSize)
            Stream.Write(a_pData, static_cast<unsigned long>(a_uSize));
        Stream.SetPosition(0, bEStreamSeekMode_Begin);
        TRACK Track;
        if (!Track.Read(Stream))
        {
            Check(Track.GetKeyFrames().GetCount() == 0 && Track.GetDataInterpolators().GetCount() == 0 &&
                  Track.GetTimeInterpolators().GetCount() == 0);
            return;
        }
        Check(Stream.GetPosition() <= static_cast<long long>(a_uSize));
        Evaluate(Track);
        bCMemoryStream First;
        Track.Write(First);
        First.SetPosition(0, bEStreamSeekMode_Begin);
        TRACK Again;
        Check(Again.Read(First));
        bCMemoryStream Second;
        Again.Write(Second);
        Check(GetBytes(First) == GetBytes(Second));
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    ReadTrack<bCMotionKeyFramerData>(a_pData, a_uSize);
    ReadTrack<bTKeyFramerData<float>>(a_pData, a_uSize);
    return 0;
}

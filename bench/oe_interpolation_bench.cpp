// Interpolation: a 1,000-key float track and a 1,000-key bCMotion track, each
// evaluated at the same 1,000,000 seeded random times by the library's four
// methods (SetTime then Update through the interpolator's virtual slots), against
// a plain loop written here: a binary search over the key times plus a lerp,
// and for the motion a lerp of the position and a slerp of the rotation.

#include <vellmark/math/interpolation/oe_motionkeyframerdata.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace
{
    int const kKeys = 1000;
    int const kTimes = 1000000;

    struct CFloats7
    {
        float m_arrValues[7];
    };

    // Keys 0.5 to 1.5 s apart; unit quaternions that turn a little from key to key.
    struct CTracks
    {
        bTKeyFramerData<float> m_FloatTrack;
        bCMotionKeyFramerData m_MotionTrack;
        std::vector<float> m_arrKeyTimes;
        std::vector<float> m_arrFloatValues;
        std::vector<CFloats7> m_arrMotionValues;
        std::vector<float> m_arrTimes;

        CTracks()
        {
            std::mt19937 Random(20261206);
            std::uniform_real_distribution<float> Gap(0.5f, 1.5f), Value(-100.0f, 100.0f), Turn(-0.3f, 0.3f);
            float fTime = 0.0f, fAngle = 0.0f;
            for (int k = 0; k < kKeys; ++k)
            {
                fTime += Gap(Random);
                fAngle += Turn(Random);
                float const fValue = Value(Random);
                CFloats7 Motion = {{Value(Random), Value(Random), Value(Random), 0.0f, std::sin(fAngle / 2), 0.0f,
                                    std::cos(fAngle / 2)}};
                m_arrKeyTimes.push_back(fTime);
                m_arrFloatValues.push_back(fValue);
                m_arrMotionValues.push_back(Motion);
                m_FloatTrack.AccessKeyFrames().Add(bTKeyFramerData<float>::bSKeyFrame(fValue, fTime, 0, -1));
                bCMotion const Key(bCVector(Motion.m_arrValues[0], Motion.m_arrValues[1], Motion.m_arrValues[2]),
                                   bCQuaternion(0.0f, Motion.m_arrValues[4], 0.0f, Motion.m_arrValues[6]));
                m_MotionTrack.AccessKeyFrames().Add(bCMotionKeyFramerData::bSKeyFrame(Key, fTime, 0, -1));
            }
            for (int iType = bEInterpolator_Linear; iType <= bEInterpolator_KochanekBartels; ++iType)
            {
                m_FloatTrack.CreateDataInterpolator(static_cast<bEInterpolator>(iType), false);
                m_MotionTrack.CreateDataInterpolator(static_cast<bEInterpolator>(iType), false);
            }
            m_FloatTrack.Update();
            m_MotionTrack.Update();
            std::uniform_real_distribution<float> Time(m_arrKeyTimes.front(), m_arrKeyTimes.back());
            for (int i = 0; i < kTimes; ++i)
                m_arrTimes.push_back(Time(Random));
        }
    };

    CTracks const & GetTracks()
    {
        static CTracks const s_Tracks;
        return s_Tracks;
    }

    template <typename ELEMENT>
    void Evaluate(benchmark::State & a_State, bTKeyFramerData<ELEMENT> const & a_Track, bEInterpolator a_eType)
    {
        auto & Interpolator = *static_cast<bTInterpolatorGeneric<ELEMENT> *>(a_Track.GetDataInterpolator(a_eType - 1));
        for (auto _ : a_State)
            for (float fTime : GetTracks().m_arrTimes)
            {
                Interpolator.SetTime(fTime);
                Interpolator.Update();
                benchmark::DoNotOptimize(Interpolator.GetValue());
            }
        a_State.SetItemsProcessed(a_State.iterations() * kTimes);
    }

    // The plain peer's search: lo, hi around the time (hi = lo + 1), s in [0, 1].
    inline int FindSegment(std::vector<float> const & a_arrKeys, float a_fTime, float & a_fS)
    {
        int iHigh = static_cast<int>(std::upper_bound(a_arrKeys.begin(), a_arrKeys.end(), a_fTime) - a_arrKeys.begin());
        iHigh = std::clamp(iHigh, 1, static_cast<int>(a_arrKeys.size()) - 1);
        a_fS = (a_fTime - a_arrKeys[static_cast<size_t>(iHigh - 1)]) /
               (a_arrKeys[static_cast<size_t>(iHigh)] - a_arrKeys[static_cast<size_t>(iHigh - 1)]);
        return iHigh - 1;
    }

    // The textbook slerp with the near-parallel fallback to a lerp.
    inline void Slerp(float const * a_pfA, float const * a_pfB, float a_fT, float * a_pfOut)
    {
        float fDot = a_pfA[0] * a_pfB[0] + a_pfA[1] * a_pfB[1] + a_pfA[2] * a_pfB[2] + a_pfA[3] * a_pfB[3];
        float fSign = 1.0f;
        if (fDot < 0.0f)
        {
            fSign = -1.0f;
            fDot = -fDot;
        }
        float fW0 = 1.0f - a_fT, fW1 = a_fT;
        if (1.0f - fDot >= 0.05f)
        {
            float const fTheta = std::acos(fDot), fSin = std::sin(fTheta);
            fW0 = std::sin((1.0f - a_fT) * fTheta) / fSin;
            fW1 = std::sin(a_fT * fTheta) / fSin;
        }
        for (int i = 0; i < 4; ++i)
            a_pfOut[i] = fSign * fW0 * a_pfA[i] + fW1 * a_pfB[i];
    }

    void BM_Float_PlainLerp(benchmark::State & a_State)
    {
        CTracks const & Tracks = GetTracks();
        for (auto _ : a_State)
            for (float fTime : Tracks.m_arrTimes)
            {
                float fS = 0.0f;
                size_t const uLow = static_cast<size_t>(FindSegment(Tracks.m_arrKeyTimes, fTime, fS));
                float fValue = (1.0f - fS) * Tracks.m_arrFloatValues[uLow] + fS * Tracks.m_arrFloatValues[uLow + 1];
                benchmark::DoNotOptimize(fValue);
            }
        a_State.SetItemsProcessed(a_State.iterations() * kTimes);
    }
    BENCHMARK(BM_Float_PlainLerp)->Unit(benchmark::kMillisecond);

    void BM_Float_Linear(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_FloatTrack, bEInterpolator_Linear);
    }
    BENCHMARK(BM_Float_Linear)->Unit(benchmark::kMillisecond);

    void BM_Float_CutmullRom(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_FloatTrack, bEInterpolator_CutmullRom);
    }
    BENCHMARK(BM_Float_CutmullRom)->Unit(benchmark::kMillisecond);

    void BM_Float_Hermite(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_FloatTrack, bEInterpolator_Hermite);
    }
    BENCHMARK(BM_Float_Hermite)->Unit(benchmark::kMillisecond);

    void BM_Float_KochanekBartels(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_FloatTrack, bEInterpolator_KochanekBartels);
    }
    BENCHMARK(BM_Float_KochanekBartels)->Unit(benchmark::kMillisecond);

    void BM_Motion_PlainLerpSlerp(benchmark::State & a_State)
    {
        CTracks const & Tracks = GetTracks();
        for (auto _ : a_State)
            for (float fTime : Tracks.m_arrTimes)
            {
                float fS = 0.0f;
                size_t const uLow = static_cast<size_t>(FindSegment(Tracks.m_arrKeyTimes, fTime, fS));
                float const * pfA = Tracks.m_arrMotionValues[uLow].m_arrValues;
                float const * pfB = Tracks.m_arrMotionValues[uLow + 1].m_arrValues;
                CFloats7 Result;
                for (int i = 0; i < 3; ++i)
                    Result.m_arrValues[i] = (1.0f - fS) * pfA[i] + fS * pfB[i];
                Slerp(pfA + 3, pfB + 3, fS, Result.m_arrValues + 3);
                benchmark::DoNotOptimize(Result);
            }
        a_State.SetItemsProcessed(a_State.iterations() * kTimes);
    }
    BENCHMARK(BM_Motion_PlainLerpSlerp)->Unit(benchmark::kMillisecond);

    void BM_Motion_Linear(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_MotionTrack, bEInterpolator_Linear);
    }
    BENCHMARK(BM_Motion_Linear)->Unit(benchmark::kMillisecond);

    void BM_Motion_CutmullRom(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_MotionTrack, bEInterpolator_CutmullRom);
    }
    BENCHMARK(BM_Motion_CutmullRom)->Unit(benchmark::kMillisecond);

    void BM_Motion_Hermite(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_MotionTrack, bEInterpolator_Hermite);
    }
    BENCHMARK(BM_Motion_Hermite)->Unit(benchmark::kMillisecond);

    void BM_Motion_KochanekBartels(benchmark::State & a_State)
    {
        Evaluate(a_State, GetTracks().m_MotionTrack, bEInterpolator_KochanekBartels);
    }
    BENCHMARK(BM_Motion_KochanekBartels)->Unit(benchmark::kMillisecond);
} // namespace

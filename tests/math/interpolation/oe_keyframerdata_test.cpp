// Key framer data over float tracks: interpolator lists, attaching, copying,
// the stream form and bad streams, and the forbidden list copies.

#include "oe_interpolationtestsupport.h"

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/math/interpolation/oe_interpolatorhermite.h>
#include <vellmark/math/interpolation/oe_interpolatorkochanekbartels.h>
#include <vellmark/math/interpolation/oe_interpolatorlinear.h>
#include <vellmark/math/interpolation/oe_keyframerdata.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace
{
    using bCFloatTrack = bTKeyFramerData<float>;
    using bSFloatKey = bCFloatTrack::bSKeyFrame;

    // Keys (time, value): (0, 0), (1, 10), (2, 40), (3, 90), (4, 160).
    void FillKeys(bCFloatTrack & a_Track)
    {
        for (int i = 0; i < 5; ++i)
            a_Track.AccessKeyFrames().Add(bSFloatKey(10.0f * static_cast<float>(i * i), static_cast<float>(i), 0, -1));
    }

    bTInterpolatorGeneric<float> & Data(bCFloatTrack const & a_Track, int a_iIndex)
    {
        return *static_cast<bTInterpolatorGeneric<float> *>(a_Track.GetDataInterpolator(a_iIndex));
    }

    // A Hermite data interpolator with one tension, a linear and a Kochanek-Bartels time interpolator.
    void FillTrack(bCFloatTrack & a_Track)
    {
        FillKeys(a_Track);
        a_Track.SetFrameEnd(3);
        a_Track.CreateDataInterpolator(bEInterpolator_Hermite, false);
        auto & Hermite = static_cast<bTInterpolatorHermite<float> &>(Data(a_Track, 0));
        Hermite.AccessParameterArray().Add({0.5f, 0.0f});
        a_Track.CreateTimeInterpolator(bEInterpolator_Linear, false);
        a_Track.CreateTimeInterpolator(bEInterpolator_KochanekBartels, false);
        a_Track.Update();
    }

    CByteVector FillTrackBytes()
    {
        CByteVector arrBytes;
        AppendU32(arrBytes, 0xFFFFFFFFu); // frame begin -1
        AppendU32(arrBytes, 3);
        AppendU32(arrBytes, 1); // data interpolators
        AppendU32(arrBytes, bEInterpolator_Hermite);
        arrBytes.push_back(1); // parameters, sized to the keys by ReBuild
        AppendU32(arrBytes, 5);
        for (int i = 0; i < 5; ++i)
        {
            AppendFloat(arrBytes, i == 0 ? 0.5f : 0.0f);
            AppendFloat(arrBytes, 0.0f);
        }
        arrBytes.push_back(1); // tangents: (1 - 0) (P[i+1] - P[i-1]) / 2 inside
        AppendU32(arrBytes, 5);
        for (float fTangent : {0.0f, 20.0f, 40.0f, 60.0f, 0.0f})
            AppendFloat(arrBytes, fTangent);
        AppendU32(arrBytes, 2); // time interpolators
        AppendU32(arrBytes, bEInterpolator_Linear);
        AppendU32(arrBytes, bEInterpolator_KochanekBartels);
        arrBytes.push_back(1);
        AppendU32(arrBytes, 5);
        for (int i = 0; i < 15; ++i)
            AppendFloat(arrBytes, 0.0f);
        arrBytes.push_back(1); // key frames
        AppendU32(arrBytes, 5);
        for (int i = 0; i < 5; ++i)
        {
            AppendFloat(arrBytes, 10.0f * static_cast<float>(i * i));
            AppendFloat(arrBytes, static_cast<float>(i));
            AppendU32(arrBytes, 0);
            AppendU32(arrBytes, 0xFFFFFFFFu);
        }
        return arrBytes;
    }

    bool PrintFatalLines(bEMessageTypes a_eType, char const * a_pcText, char const *, unsigned long, char const *, int,
                         int)
    {
        if (a_eType == bEMessageTypes_Fatal)
            std::fprintf(stderr, "%s\n", a_pcText);
        return true;
    }

    void ExpectFatal(void (*a_funcCall)(), char const * a_pcLine)
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        EXPECT_EXIT(
            {
                setenv("VELLMARK_DIALOGS", "none", 1);
                bCMessageAdmin::GetInstance().RegisterCallback(&PrintFatalLines, bEMessageCallbackPriority_Low, 0);
                a_funcCall();
                std::exit(0);
            },
            testing::ExitedWithCode(191),
            std::string("Module: this->m_arrDataInterpolators = a_arrDataInterpolators not allowed !\n"
                        "Filename:<math/interpolation/oe_keyframerdata>, Line:#") +
                a_pcLine);
    }
} // namespace

TEST(bTKeyFramerData, AttachingUsesTheWholeTrackForAnOpenRange)
{
    bCFloatTrack Track;
    FillKeys(Track);
    Track.Update();
    EXPECT_EQ(Track.CreateDataInterpolator(bEInterpolator_Linear, true), 0);
    EXPECT_EQ(Track.CreateDataInterpolator(bEInterpolator_CutmullRom, false), 1);
    bTInterpolatorGeneric<float> & Linear = Data(Track, 0);
    EXPECT_EQ(Linear.GetFrameBegin(), 0);
    EXPECT_EQ(Linear.GetFrameEnd(), 4);
    EXPECT_EQ(Linear.GetValues(), &Track.GetValues());
    EXPECT_EQ(Data(Track, 1).GetFrameBegin(), -1); // not attached
    Linear.SetTime(2.5f);
    Linear.Update();
    EXPECT_EQ(Linear.GetValue(), 65.0f);

    // A range of keys 1 to 3 starts at key 1's time with key 1's value.
    Track.SetFrameBegin(1);
    Track.SetFrameEnd(3);
    Track.AttachDataInterpolator(1);
    EXPECT_EQ(Data(Track, 1).GetFrameBegin(), 1);
    EXPECT_EQ(Data(Track, 1).GetTime(), 1.0f);
    EXPECT_EQ(Data(Track, 1).GetValue(), 10.0f);
    EXPECT_EQ(Track.GetFrameCount(), 3);
    EXPECT_EQ(Track.GetTimeBegin(), 1.0f);
    EXPECT_EQ(Track.GetTimeEnd(), 3.0f);
    EXPECT_EQ(Track.GetDuration(), 2.0f);
}

TEST(bTKeyFramerData, TimeInterpolatorsRunOverTheKeyTimes)
{
    bCFloatTrack Track;
    FillKeys(Track);
    Track.Update();
    int const iIndex = Track.CreateTimeInterpolator(bEInterpolator_Linear, true);
    auto & Time = *static_cast<bTInterpolatorGeneric<float> *>(Track.GetTimeInterpolator(iIndex));
    EXPECT_EQ(Time.GetValues(), &Track.GetTimes());
    Time.SetTime(3.25f);
    Time.Update();
    EXPECT_EQ(Time.GetValue(), 3.25f);
    EXPECT_EQ(Track.GetTimeInterpolator(1), nullptr);
    EXPECT_EQ(Track.GetTimeInterpolator(-1), nullptr);
}

TEST(bTKeyFramerData, InvalidMethodsAreReportedAndGiveIndexZero)
{
    struct
    {
        int m_iType;
        bool m_bData;
    } const arrCases[] = {{5, true}, {-1, false}};
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << Case.m_iType << (Case.m_bData ? " data" : " time"));
        bCFloatTrack Track;
        Track.CreateDataInterpolator(bEInterpolator_Linear, false);
        Track.CreateTimeInterpolator(bEInterpolator_Linear, false);
        CMessageLog Log;
        bEInterpolator const eType = static_cast<bEInterpolator>(Case.m_iType);
        EXPECT_EQ(Case.m_bData ? Track.CreateDataInterpolator(eType, true) : Track.CreateTimeInterpolator(eType, true),
                  0);
        EXPECT_EQ(Track.GetDataInterpolators().GetCount(), 1);
        EXPECT_EQ(Track.GetTimeInterpolators().GetCount(), 1);
        std::string const strText = std::string("bTKeyFramerData< ELEMENT >::") +
                                    (Case.m_bData ? "CreateDataInterpolator" : "CreateTimeInterpolator") +
                                    " -> Encountered invalid enumeration value for type bEInterpolator!";
        EXPECT_EQ(Log.GetTexts(), std::vector<std::string>{strText});
    }
}

TEST(bTKeyFramerData, SortFramesOrdersByTime)
{
    bCFloatTrack Track;
    for (float fTime : {3.0f, 1.0f, 2.0f, 1.0f, 0.0f})
        Track.AccessKeyFrames().Add(bSFloatKey(fTime * 10.0f, fTime, 0, -1));
    Track.AccessKeyFrames()[3].m_Value = 11.0f; // the second key at time 1
    Track.SortFrames();
    std::vector<float> arrTimes, arrValues;
    for (bSFloatKey const & Key : Track.GetKeyFrames())
    {
        arrTimes.push_back(Key.m_fTime);
        arrValues.push_back(Key.m_Value);
    }
    EXPECT_EQ(arrTimes, (std::vector<float>{0, 1, 1, 2, 3}));
    EXPECT_EQ(arrValues[3], 20.0f);
    EXPECT_EQ(arrValues[4], 30.0f);
}

TEST(bTKeyFramerData, CopyMakesItsOwnAttachedInterpolators)
{
    bCFloatTrack Source;
    FillTrack(Source);
    bCFloatTrack Copy(Source);
    ASSERT_EQ(Copy.GetDataInterpolators().GetCount(), 1);
    ASSERT_EQ(Copy.GetTimeInterpolators().GetCount(), 2);
    EXPECT_NE(Copy.GetDataInterpolator(0), Source.GetDataInterpolator(0));
    EXPECT_EQ(Copy.GetTimeInterpolator(1)->GetType(), bEInterpolator_KochanekBartels);
    EXPECT_EQ(Data(Copy, 0).GetValues(), &Copy.GetValues());
    EXPECT_EQ(Data(Copy, 0).GetFrameEnd(), 3);
    auto & Hermite = static_cast<bTInterpolatorHermite<float> &>(Data(Copy, 0));
    EXPECT_EQ(Hermite.AccessParameterArray()[0].m_fTension, 0.5f); // parameters came along

    bCFloatTrack Other;
    Other = Copy;
    bCFloatTrack const & Same = Other;
    Other = Same; // itself: nothing happens
    EXPECT_EQ(Other.GetTimeInterpolators().GetCount(), 2);
    EXPECT_EQ(Other.GetFrameEnd(), 3);
    Other.Clear();
    EXPECT_EQ(Other.GetDataInterpolators().GetCount(), 0);
}

TEST(bTKeyFramerData, WritesItsStreamForm)
{
    bCFloatTrack Track;
    FillTrack(Track);
    bCMemoryStream Stream;
    Track >> Stream;
    EXPECT_EQ(GetStreamBytes(Stream), FillTrackBytes());
}

TEST(bTKeyFramerData, ReadsBackAndAttachesAgain)
{
    bCFloatTrack Track;
    bCMemoryStream Stream;
    CByteVector const arrBytes = FillTrackBytes();
    FillStream(Stream, arrBytes.data(), arrBytes.size());
    Track.CreateDataInterpolator(bEInterpolator_Linear, false); // cleared by reading
    Track << Stream;
    EXPECT_EQ(Stream.GetPosition(), static_cast<long long>(arrBytes.size()));
    EXPECT_EQ(Track.GetFrameBegin(), -1);
    EXPECT_EQ(Track.GetFrameEnd(), 3);
    ASSERT_EQ(Track.GetDataInterpolators().GetCount(), 1);
    ASSERT_EQ(Track.GetTimeInterpolators().GetCount(), 2);
    EXPECT_EQ(Track.GetTimeInterpolator(0)->GetType(), bEInterpolator_Linear);
    ASSERT_EQ(Track.GetKeyFrames().GetCount(), 5);
    EXPECT_EQ(Track.GetKeyFrames()[2].m_iDataInterpolator, 0);
    EXPECT_EQ(Track.GetKeyFrames()[2].m_iTimeInterpolator, -1);
    EXPECT_EQ(Track.GetValues()[3], 90.0f);
    bTInterpolatorGeneric<float> & Hermite = Data(Track, 0);
    EXPECT_EQ(Hermite.GetFrameEnd(), 3);
    Hermite.SetTime(1.0f);
    Hermite.Update();
    EXPECT_EQ(Hermite.GetValue(), 10.0f);

    bCMemoryStream Again;
    Track >> Again;
    EXPECT_EQ(GetStreamBytes(Again), arrBytes);
}

// Cut at every byte, the read stops at the end and leaves an empty track.
TEST(bTKeyFramerData, StreamCutAtEveryByteGivesAnEmptyTrack)
{
    CByteVector const arrBytes = FillTrackBytes();
    for (size_t uSize = 0; uSize < arrBytes.size(); ++uSize)
    {
        SCOPED_TRACE(uSize);
        bCMemoryStream Stream;
        FillStream(Stream, arrBytes.data(), uSize);
        bCFloatTrack Track;
        FillKeys(Track);
        EXPECT_FALSE(Track.Read(Stream));
        EXPECT_EQ(Track.GetKeyFrames().GetCount(), 0);
        EXPECT_EQ(Track.GetDataInterpolators().GetCount(), 0);
        EXPECT_EQ(Track.GetTimeInterpolators().GetCount(), 0);
        EXPECT_EQ(Track.GetFrameEnd(), -1);
    }
}

// An absurd key frame count reads what is there and stops at the end.
TEST(bTKeyFramerData, AbsurdCountStopsAtTheEndOfTheStream)
{
    CByteVector arrBad = FillTrackBytes();
    ASSERT_EQ(arrBad[163], 1); // the key frames' version, then their count
    for (size_t i = 164; i < 168; ++i)
        arrBad[i] = 0xFF;
    bCMemoryStream Stream;
    FillStream(Stream, arrBad.data(), arrBad.size());
    bCFloatTrack Track;
    EXPECT_FALSE(Track.Read(Stream));
    EXPECT_EQ(Track.GetKeyFrames().GetCount(), 0);
    EXPECT_EQ(Stream.GetPosition(), static_cast<long long>(arrBad.size()));
}

TEST(bTKeyFramerData, UnknownStoredMethodClearsAndStops)
{
    CByteVector arrBytes = FillTrackBytes();
    arrBytes[12] = 9; // the data interpolator's type
    bCMemoryStream Stream;
    FillStream(Stream, arrBytes.data(), arrBytes.size());
    bCFloatTrack Track;
    CMessageLog Log;
    EXPECT_FALSE(Track.Read(Stream));
    EXPECT_EQ(Stream.GetPosition(), 16);
    EXPECT_EQ(Track.GetDataInterpolators().GetCount(), 0);
    EXPECT_EQ(Log.GetTexts(),
              (std::vector<std::string>{"bTKeyFramerData< ELEMENT >::CreateDataInterpolator -> "
                                        "Encountered invalid enumeration value for type bEInterpolator!"}));
}

TEST(bTKeyFramerDataDeathTest, ForbiddenListCopiesAreFatal)
{
    struct
    {
        void (*m_funcCall)();
        char const * m_pcLine;
    } const arrCases[] = {
        {[] {
             bCFloatTrack::bTInterpolatorList arrList;
             bCFloatTrack().GetDataInterpolators(arrList);
         },
         "482"},
        {[] { bCFloatTrack().SetTimeInterpolators(bCFloatTrack::bTInterpolatorList()); }, "616"},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcLine);
        ExpectFatal(Case.m_funcCall, Case.m_pcLine);
    }
}

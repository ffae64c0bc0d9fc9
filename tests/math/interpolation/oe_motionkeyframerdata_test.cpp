// Motion tracks: the seven floats of a bCMotion under every method, the slerp
// of the linear method, the key frames' stream bytes, and the camera path
// importer.

#include "oe_interpolationtestsupport.h"

#include <vellmark/math/interpolation/oe_interpolatorlinear.h>
#include <vellmark/math/interpolation/oe_motionkeyframerdata.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
    using bSMotionKey = bCMotionKeyFramerData::bSKeyFrame;

    std::vector<float> GetFloats(bCMotion const & a_Motion)
    {
        bCVector const & vecPosition = a_Motion.GetPosition();
        bCQuaternion const & quatRotation = a_Motion.GetRotation();
        return {vecPosition.GetX(),  vecPosition.GetY(),  vecPosition.GetZ(), quatRotation.GetX(),
                quatRotation.GetY(), quatRotation.GetZ(), quatRotation.GetW()};
    }

    bCMotion MakeMotion(std::vector<float> const & a_arrFloats)
    {
        return bCMotion(bCVector(a_arrFloats[0], a_arrFloats[1], a_arrFloats[2]),
                        bCQuaternion(a_arrFloats[3], a_arrFloats[4], a_arrFloats[5], a_arrFloats[6]));
    }

    void ReadText(bCMotionKeyFramerData & a_Track, std::string const & a_strText, int a_iStep, float a_fScale)
    {
        bCMemoryStream Stream;
        FillStream(Stream, a_strText.data(), a_strText.size());
        a_Track.ReadCAM(Stream, a_iStep, a_fScale);
    }

    // Ten frames at times 1 to 10, x = 10 t, rotation the identity.
    std::string TenFrames(char const * a_pcLineEnd)
    {
        std::string strText = std::string("Camera:\tshipcam") + a_pcLineEnd + "Start:\t0" + a_pcLineEnd +
                              "Frames:\t10" + a_pcLineEnd + "Time;X;Y;Z;QX;QY;QZ;QW" + a_pcLineEnd;
        for (int i = 1; i <= 10; ++i)
            strText += std::to_string(i) + ";" + std::to_string(10 * i) + ";0;0;0;0;0;1" + a_pcLineEnd;
        return strText;
    }

    std::vector<float> KeyTimes(bCMotionKeyFramerData const & a_Track)
    {
        std::vector<float> arrTimes;
        for (bSMotionKey const & Key : a_Track.GetKeyFrames())
            arrTimes.push_back(Key.m_fTime);
        return arrTimes;
    }
} // namespace

// The spline methods act on each of the seven floats as on a float track of its own.
TEST(bCMotionKeyFramerData, SplinesTreatTheSevenFloatsApart)
{
    std::vector<float> const arrTimes = {0.0f, 1.0f, 2.5f, 3.0f, 4.5f, 6.0f};
    for (int iType = bEInterpolator_CutmullRom; iType <= bEInterpolator_KochanekBartels; ++iType)
    {
        SCOPED_TRACE(iType);
        bCMotionKeyFramerData Motion;
        bTKeyFramerData<float> arrComponents[7];
        for (size_t k = 0; k < arrTimes.size(); ++k)
        {
            std::vector<float> arrFloats;
            for (int c = 0; c < 7; ++c)
            {
                float const fValue = std::sin(static_cast<float>(k * 7 + static_cast<size_t>(c)));
                arrFloats.push_back(fValue);
                arrComponents[c].AccessKeyFrames().Add(bTKeyFramerData<float>::bSKeyFrame(fValue, arrTimes[k], 0, -1));
            }
            Motion.AccessKeyFrames().Add(bSMotionKey(MakeMotion(arrFloats), arrTimes[k], 0, -1));
        }
        Motion.CreateDataInterpolator(static_cast<bEInterpolator>(iType), false);
        Motion.Update();
        for (auto & Component : arrComponents)
        {
            Component.CreateDataInterpolator(static_cast<bEInterpolator>(iType), false);
            Component.Update();
        }
        auto & Interpolator = *static_cast<bTInterpolatorGeneric<bCMotion> *>(Motion.GetDataInterpolator(0));
        for (float fTime : {0.0f, 0.7f, 2.0f, 2.75f, 5.9f, 6.0f})
        {
            Interpolator.SetTime(fTime);
            Interpolator.Update();
            std::vector<float> const arrResult = GetFloats(Interpolator.GetValue());
            for (int c = 0; c < 7; ++c)
            {
                auto & Component =
                    *static_cast<bTInterpolatorGeneric<float> *>(arrComponents[c].GetDataInterpolator(0));
                Component.SetTime(fTime);
                Component.Update();
                EXPECT_EQ(arrResult[static_cast<size_t>(c)], Component.GetValue()) << fTime << " component " << c;
            }
        }
    }
}

// Linear: the position blends straight, the rotation turns along the arc (not renormalised).
TEST(bCMotionKeyFramerData, LinearSlerpsTheRotation)
{
    float const fHalf = std::sqrt(0.5f);
    bCMotionKeyFramerData Track;
    Track.AccessKeyFrames().Add(bSMotionKey(MakeMotion({0, 0, 0, 0, 0, 0, 1}), 0.0f, 0, -1));
    Track.AccessKeyFrames().Add(bSMotionKey(MakeMotion({10, 20, -40, 0, fHalf, 0, fHalf}), 2.0f, 0, -1));
    Track.CreateDataInterpolator(bEInterpolator_Linear, false);
    Track.Update();
    auto & Linear = *static_cast<bTInterpolatorGeneric<bCMotion> *>(Track.GetDataInterpolator(0));
    Linear.SetTime(1.0f);
    Linear.Update();
    std::vector<float> const arrResult = GetFloats(Linear.GetValue());
    std::vector<float> const arrExpected = {5, 10, -20, 0, std::sin(0.3926991f), 0, std::cos(0.3926991f)};
    for (size_t c = 0; c < 7; ++c)
        EXPECT_NEAR(arrResult[c], arrExpected[c], 1e-6f) << c;
}

TEST(bCMotionKeyFramerData, KeyFramesStreamAsRawFloats)
{
    bCMotionKeyFramerData Track;
    Track.AccessKeyFrames().Add(bSMotionKey(MakeMotion({1, 2, 3, 4, 5, 6, 7}), 0.5f, 0, -1));
    Track.CreateDataInterpolator(bEInterpolator_Linear, false);
    bCMemoryStream Stream;
    Track >> Stream;
    CByteVector arrExpected;
    AppendU32(arrExpected, 0xFFFFFFFFu);
    AppendU32(arrExpected, 0xFFFFFFFFu);
    AppendU32(arrExpected, 1);
    AppendU32(arrExpected, bEInterpolator_Linear);
    AppendU32(arrExpected, 0);
    arrExpected.push_back(1);
    AppendU32(arrExpected, 1);
    for (float fValue : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f, 0.5f})
        AppendFloat(arrExpected, fValue);
    AppendU32(arrExpected, 0);
    AppendU32(arrExpected, 0xFFFFFFFFu);
    EXPECT_EQ(GetStreamBytes(Stream), arrExpected);

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCMotionKeyFramerData Read;
    EXPECT_TRUE(Read.Read(Stream));
    ASSERT_EQ(Read.GetValues().GetCount(), 1);
    EXPECT_EQ(GetFloats(Read.GetValues()[0]), (std::vector<float>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(Read.GetDataInterpolator(0)->GetFrameEnd(), 0);
}

TEST(bCMotionKeyFramerData, ReadCamUsesEveryStepthLineCountedFromTheLast)
{
    struct
    {
        char const * m_pcLineEnd;
        int m_iStep;
        std::vector<float> m_arrTimes;
    } const arrCases[] = {
        {"\n", 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"\r\n", 2, {2, 4, 6, 8, 10}},
        {"\n", 3, {1, 4, 7, 10}},
        {"\n", 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {"\n", 11, {10}},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << "step " << Case.m_iStep << (Case.m_pcLineEnd[0] == '\r' ? " CRLF" : " LF"));
        bCMotionKeyFramerData Track;
        ReadText(Track, TenFrames(Case.m_pcLineEnd), Case.m_iStep, 1.0f);
        EXPECT_EQ(KeyTimes(Track), Case.m_arrTimes);
        ASSERT_EQ(Track.GetTimes().GetCount(), static_cast<int>(Case.m_arrTimes.size()));
        EXPECT_EQ(Track.GetValues()[0].GetPosition().GetX(), 10.0f * Case.m_arrTimes[0]);
    }
}

TEST(bCMotionKeyFramerData, ReadCamFieldsAndHemisphere)
{
    std::string const strText = "Camera:\tcam\nx\ty\nFrames:\t4\nheader\n"
                                "0,5 ; 1 ; 2 ; 3 ; 0 ; 0 ; 0 ; 1\n"
                                "\t1,5\t;\t-1\t;\t0\t;\t0\t;\t0\t;\t0,6\t;\t0\t;\t-0,8\n"
                                "2;0;0;0;0;0,6;0;0,8\n"
                                "3\n";
    bCMotionKeyFramerData Track;
    ReadText(Track, strText, 1, 100.0f);
    ASSERT_EQ(Track.GetKeyFrames().GetCount(), 4);
    struct
    {
        float m_fTime;
        std::vector<float> m_arrFloats;
    } const arrExpected[] = {
        {0.5f, {100, 200, 300, 0, 0, 0, 1}},
        {1.5f, {-100, 0, 0, 0, -0.6f, 0, 0.8f}}, // negated: opposite hemisphere to the identity
        {2.0f, {0, 0, 0, 0, 0.6f, 0, 0.8f}},     // negated again to follow its predecessor
        {3.0f, {0, 0, 0, 0, 0, 0, 0}},           // missing fields read as 0
    };
    for (int i = 0; i < 4; ++i)
    {
        SCOPED_TRACE(i);
        bSMotionKey const & Key = Track.GetKeyFrames()[i];
        EXPECT_EQ(Key.m_fTime, arrExpected[i].m_fTime);
        std::vector<float> const arrFloats = GetFloats(Key.m_Value);
        for (size_t c = 0; c < 7; ++c)
            EXPECT_FLOAT_EQ(arrFloats[c], arrExpected[i].m_arrFloats[c]) << c;
        EXPECT_EQ(Key.m_iDataInterpolator, 0);
        EXPECT_EQ(Key.m_iTimeInterpolator, -1);
    }
}

TEST(bCMotionKeyFramerData, ReadCamOppositeQuaternionsBecomeEqual)
{
    std::string const strText = "C\tc\n\n\t2\n\n0;0;0;0;0,5;0,5;0,5;0,5\n1;0;0;0;-0,5;-0,5;-0,5;-0,5\n";
    bCMotionKeyFramerData Track;
    ReadText(Track, strText, 1, 1.0f);
    ASSERT_EQ(Track.GetValues().GetCount(), 2);
    EXPECT_EQ(GetFloats(Track.GetValues()[0]), GetFloats(Track.GetValues()[1]));
}

TEST(bCMotionKeyFramerData, ReadCamReportsAndAttaches)
{
    std::string const strText = "Camera:\tdolly cam\nFPS:\t25\nFrames:\t2\nheader\n0;0;0;0;0;0;0;1\n2;4;0;0;0;0;0;1\n";
    bCMotionKeyFramerData Track;
    Track.CreateDataInterpolator(bEInterpolator_Hermite, false); // cleared by the import
    CMessageLog Log;
    ReadText(Track, strText, 1, 1.0f);
    std::string const strDashes(79, '-');
    std::vector<std::string> const arrExpected = {
        strDashes,
        "bCMotionKeyFramerData::ReadCAM -> Camera: %s",
        "bCMotionKeyFramerData::ReadCAM -> Frames: 00000002",
        strDashes,
        "bCMotionKeyFramerData::ReadCAM -> Processing frames ... ",
        "bCMotionKeyFramerData::ReadCAM -> Time: 0.000000000 ",
        "bCMotionKeyFramerData::ReadCAM -> Time: 2.000000000 ",
        strDashes,
        "bCMotionKeyFramerData::ReadCAM -> Splitting frames ... ",
        strDashes,
        "bCMotionKeyFramerData::ReadCAM -> Attaching data interpolator ... ",
        strDashes,
    };
    EXPECT_EQ(Log.GetTexts(), arrExpected);
    ASSERT_EQ(Log.Get().size(), arrExpected.size());
    EXPECT_EQ(Log.Get()[1].m_strText2, "dolly cam");
    ASSERT_EQ(Track.GetDataInterpolators().GetCount(), 1);
    auto & Linear = *static_cast<bTInterpolatorGeneric<bCMotion> *>(Track.GetDataInterpolator(0));
    EXPECT_EQ(Linear.GetType(), bEInterpolator_Linear);
    EXPECT_EQ(Linear.GetFrameEnd(), 1);
    Linear.SetTime(0.5f);
    Linear.Update();
    EXPECT_EQ(Linear.GetValue().GetPosition().GetX(), 1.0f);
}

// Fewer lines than announced, a huge count, a cut header: the import ends with the stream.
TEST(bCMotionKeyFramerData, ReadCamStopsAtTheEndOfTheStream)
{
    struct
    {
        char const * m_pcName;
        std::string m_strText;
        int m_iKeys;
    } const arrCases[] = {
        {"count beyond the lines", "c\tc\n\n\t5\n\n1;1\n2;2\n", 2},
        {"huge count", "c\tc\n\n\t2147483647\n\n1;1\n", 1},
        {"negative count", "c\tc\n\n\t-3\n\n1;1\n", 0},
        {"empty lines still count", "c\tc\n\n\t3\n\n\n\n3;3", 3},
        {"nothing", "", 0},
        {"no count", "c\tc\n\nFrames:\tmany\n\n1;1\n", 0},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        bCMotionKeyFramerData Track;
        ReadText(Track, Case.m_strText, 1, 1.0f);
        EXPECT_EQ(Track.GetKeyFrames().GetCount(), Case.m_iKeys);
        EXPECT_LT(Track.GetKeyFrames().GetCapacity(), 64); // nothing reserved for the announced count
        EXPECT_EQ(Track.GetDataInterpolators().GetCount(), 1);
    }
}

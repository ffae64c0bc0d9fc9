// The four methods over float tracks: their values, validity rules, messages
// and the stream form of their per-key arrays.

#include "oe_interpolationtestsupport.h"

#include <vellmark/math/interpolation/oe_interpolatorcutmullrom.h>
#include <vellmark/math/interpolation/oe_interpolatorhermite.h>
#include <vellmark/math/interpolation/oe_interpolatorkochanekbartels.h>
#include <vellmark/math/interpolation/oe_interpolatorlinear.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
    std::unique_ptr<bTInterpolatorGeneric<float>> MakeInterpolator(bEInterpolator a_eType)
    {
        switch (a_eType)
        {
        case bEInterpolator_Linear: return std::make_unique<bTInterpolatorLinear<float>>();
        case bEInterpolator_CutmullRom: return std::make_unique<bTInterpolatorCutmullRom<float>>();
        case bEInterpolator_Hermite: return std::make_unique<bTInterpolatorHermite<float>>();
        case bEInterpolator_KochanekBartels: return std::make_unique<bTInterpolatorKochanekBartels<float>>();
        default: return std::make_unique<bTInterpolatorGeneric<float>>();
        }
    }

    // Key arrays of a float track and one interpolator attached to all of them.
    struct CTrack
    {
        bTObjArray<float> m_arrTimes;
        bTObjArray<float> m_arrValues;
        std::unique_ptr<bTInterpolatorGeneric<float>> m_pInterpolator;

        CTrack(bEInterpolator a_eType, std::vector<float> const & a_arrTimes, std::vector<float> const & a_arrValues) :
            m_pInterpolator(MakeInterpolator(a_eType))
        {
            for (float fTime : a_arrTimes)
                m_arrTimes.Add(fTime);
            for (float fValue : a_arrValues)
                m_arrValues.Add(fValue);
            m_pInterpolator->SetTimes(&m_arrTimes);
            m_pInterpolator->SetValues(&m_arrValues);
            m_pInterpolator->SetFrameBegin(0);
            m_pInterpolator->SetFrameEnd(m_arrValues.GetCount() - 1);
            m_pInterpolator->SetTime(a_arrTimes.empty() ? 0.0f : a_arrTimes[0]);
        }

        float Evaluate(float a_fTime)
        {
            m_pInterpolator->SetTime(a_fTime);
            m_pInterpolator->Update();
            return m_pInterpolator->GetValue();
        }
    };

    std::vector<float> const g_arrFiveTimes = {0, 1, 2, 3, 4};
    std::vector<float> const g_arrSquares = {0, 1, 4, 9, 16, 25};

    char const * const g_arrUpdateInvalid[] = {
        "",
        "bTInterpolatorLinear< ELEMENT >::Update -> Cannot update value because interpolator is invalid!",
        "bTInterpolatorCutmullRom< ELEMENT >::Update -> Cannot update value because interpolator is invalid!",
        "bTInterpolatorHermite< ELEMENT >::Update -> Cannot update value because interpolator is invalid!",
        "bTInterpolatorKochanekBartels< ELEMENT >::Update -> Cannot update value because interpolator is invalid!",
    };
} // namespace

TEST(bTInterpolator, MethodsGiveTheirValues)
{
    struct
    {
        bEInterpolator m_eType;
        std::vector<float> m_arrTimes;
        std::vector<float> m_arrValues;
        float m_fTension; // every key's tension (Hermite)
        float m_fTime;
        float m_fExpected;
    } const arrCases[] = {
        {bEInterpolator_Linear, g_arrFiveTimes, {0, 10, 20, 30, 40}, 0, 2.5f, 25.0f},
        {bEInterpolator_Linear, {0, 1, 3}, {4, 8, 0}, 0, 1.5f, 6.0f},
        // Catmull-Rom: uniform over the key index; the first key time gives value[1], the last value[n - 2].
        {bEInterpolator_CutmullRom, {0, 1, 2, 3}, {0, 1, 4, 9}, 0, 0.0f, 1.0f},
        {bEInterpolator_CutmullRom, {0, 1, 2, 3}, {0, 1, 4, 9}, 0, 1.5f, 2.25f},
        {bEInterpolator_CutmullRom, {0, 1, 2, 3, 4, 5}, g_arrSquares, 0, 5.0f, 16.0f},
        // Hermite with tension 1: zero tangents, smoothstep between the keys.
        {bEInterpolator_Hermite, {0, 1, 2}, {0, 10, 30}, 1, 1.5f, 20.0f},
        // Tension 0: tangents (P[i+1] - P[i-1]) / 2, the ends zero.
        {bEInterpolator_Hermite, {0, 1, 2, 3}, {0, 1, 4, 9}, 0, 1.5f, 2.25f},
        {bEInterpolator_Hermite, {0, 1, 2, 3}, {0, 1, 4, 9}, 0, 2.75f, 8.40625f},
        // Kochanek-Bartels with zero parameters over even keys: through the squares from key 1 to key n - 2.
        {bEInterpolator_KochanekBartels, g_arrFiveTimes, {0, 1, 4, 9, 16}, 0, 0.5f, 1.0f},
        {bEInterpolator_KochanekBartels, g_arrFiveTimes, {0, 1, 4, 9, 16}, 0, 2.5f, 6.25f},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << "method " << Case.m_eType << " at " << Case.m_fTime);
        CTrack Track(Case.m_eType, Case.m_arrTimes, Case.m_arrValues);
        if (Case.m_eType == bEInterpolator_Hermite)
        {
            auto & arrParameters =
                static_cast<bTInterpolatorHermite<float> &>(*Track.m_pInterpolator).AccessParameterArray();
            for (size_t i = 0; i < Case.m_arrValues.size(); ++i)
                arrParameters.Add({Case.m_fTension, 0.0f});
        }
        Track.m_pInterpolator->ReBuild();
        EXPECT_NEAR(Track.Evaluate(Case.m_fTime), Case.m_fExpected, 1e-5f);
    }
}

TEST(bTInterpolator, HermiteBiasLeansTheTangentToOneSide)
{
    CTrack Track(bEInterpolator_Hermite, {0, 1, 2, 3}, {0, 1, 4, 9});
    auto & Hermite = static_cast<bTInterpolatorHermite<float> &>(*Track.m_pInterpolator);
    Hermite.AccessParameterArray().SetCount(4);
    Hermite.AccessParameterArray()[1] = {0.0f, 1.0f};  // incoming side only: P1 - P0
    Hermite.AccessParameterArray()[2] = {0.0f, -1.0f}; // outgoing side only: P3 - P2
    Hermite.ReBuild();
    std::vector<float> const arrExpected = {0, 1, 5, 0};
    ASSERT_EQ(Hermite.GetTangents().GetCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Hermite.GetTangents()[i], arrExpected[static_cast<size_t>(i)]) << i;
    EXPECT_FLOAT_EQ(Track.Evaluate(1.5f), 2.0f);
    Hermite.AccessParameterArray()[1] = {0.5f, 0.0f}; // tension halves the tangent
    Hermite.ReBuild();
    EXPECT_FLOAT_EQ(Hermite.GetTangents()[1], 1.0f);
}

// Uneven key times with tension, continuity and bias on every inner key.
TEST(bTInterpolator, KochanekBartelsWithTensionContinuityAndBias)
{
    CTrack Track(bEInterpolator_KochanekBartels, {0, 1, 3, 4, 6}, {0, 2, 1, 5, 3});
    auto & Spline = static_cast<bTInterpolatorKochanekBartels<float> &>(*Track.m_pInterpolator);
    bTObjArray<bSKochanekBartelsParameter> arrParameters;
    arrParameters.SetCount(5);
    arrParameters[1] = {0.5f, 0.25f, -0.5f};
    arrParameters[2] = {-0.25f, -0.5f, 0.75f};
    arrParameters[3] = {0.1f, 0.2f, 0.3f};
    Spline.SetParameters(&arrParameters);
    Spline.ReBuild();
    ASSERT_EQ(Spline.GetSegments().GetCount(), 2);
    struct
    {
        float m_fTime;
        int m_iSegment;
        float m_fS, m_fValue, m_fFirst, m_fSecond;
    } const arrCases[] = {
        {0.5f, 0, 0.0f, 2.0f, 0.0416667f, -2.625f},           {2.0f, 0, 0.5f, 1.7265625f, -1.0677083f, -1.8125f},
        {2.5f, 0, 0.75f, 1.4072266f, -1.4700521f, -1.40625f}, {3.5f, 1, 0.5f, 2.9395521f, 5.7488958f, 0.4835833f},
        {5.0f, 1, 1.0f, 5.0f, 0.744f, -20.503167f},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_fTime);
        EXPECT_NEAR(Track.Evaluate(Case.m_fTime), Case.m_fValue, 1e-5f);
        EXPECT_EQ(Spline.GetSegment(), Case.m_iSegment);
        EXPECT_EQ(Spline.GetS(), Case.m_fS);
        EXPECT_NEAR(Spline.GetFirstDerivative(), Case.m_fFirst, 1e-4f);
        EXPECT_NEAR(Spline.GetSecondDerivative(), Case.m_fSecond, 1e-4f);
    }
    auto const & Segment = Spline.GetSegments()[1];
    EXPECT_EQ(Segment.m_fStart, 3.0f);
    EXPECT_EQ(Segment.m_fEnd, 4.0f);
    EXPECT_EQ(Segment.m_fDuration, 1.0f);
}

TEST(bTInterpolator, ValidityRules)
{
    struct
    {
        char const * m_pcName;
        bEInterpolator m_eType;
        int m_iKeys;
        int m_iBegin, m_iEnd;
        float m_fTime;
        bool m_bValid;
    } const arrCases[] = {
        {"linear two keys", bEInterpolator_Linear, 2, 0, 1, 0.5f, true},
        {"linear one key in range", bEInterpolator_Linear, 3, 1, 1, 1.0f, false},
        {"hermite one key in range", bEInterpolator_Hermite, 3, 2, 2, 2.0f, false},
        {"catmull-rom three keys", bEInterpolator_CutmullRom, 3, 0, 2, 1.0f, false},
        {"catmull-rom four keys, one in range", bEInterpolator_CutmullRom, 4, 1, 1, 1.0f, true},
        {"kochanek-bartels three keys", bEInterpolator_KochanekBartels, 3, 0, 2, 1.0f, false},
        {"kochanek-bartels four keys", bEInterpolator_KochanekBartels, 4, 0, 3, 3.0f, true},
        {"time at the range's last key", bEInterpolator_Linear, 5, 1, 3, 3.0f, true},
        {"time after the range", bEInterpolator_Linear, 5, 1, 3, 3.01f, false},
        {"begin after end", bEInterpolator_Linear, 5, 3, 2, 2.5f, false},
        {"end past the last key", bEInterpolator_Linear, 5, 0, 5, 1.0f, false},
        {"end at the last key", bEInterpolator_Linear, 5, 0, 4, 4.0f, true},
        {"generic", bEInterpolator_None, 1, 0, 0, 0.0f, true},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        std::vector<float> arrKeys;
        for (int i = 0; i < Case.m_iKeys; ++i)
            arrKeys.push_back(static_cast<float>(i));
        CTrack Track(Case.m_eType, arrKeys, arrKeys);
        Track.m_pInterpolator->SetFrameBegin(Case.m_iBegin);
        Track.m_pInterpolator->SetFrameEnd(Case.m_iEnd);
        Track.m_pInterpolator->SetTime(Case.m_fTime);
        EXPECT_EQ(Track.m_pInterpolator->IsValid(), Case.m_bValid);
    }
}

TEST(bTInterpolator, ValidityNeedsBothArraysOfOneCount)
{
    for (int iType = bEInterpolator_Linear; iType <= bEInterpolator_KochanekBartels; ++iType)
    {
        SCOPED_TRACE(iType);
        CTrack Track(static_cast<bEInterpolator>(iType), {0, 1, 2, 3}, {0, 1, 2, 3});
        EXPECT_TRUE(Track.m_pInterpolator->IsValid());
        Track.m_arrTimes.Add(4.0f);
        EXPECT_FALSE(Track.m_pInterpolator->IsValid());
        Track.m_pInterpolator->SetTimes(nullptr);
        EXPECT_FALSE(Track.m_pInterpolator->IsValid());
    }
}

// An invalid interpolator reports its class's message and keeps the value it had.
TEST(bTInterpolator, InvalidUpdateReportsAndKeepsTheValue)
{
    for (int iType = bEInterpolator_Linear; iType <= bEInterpolator_KochanekBartels; ++iType)
    {
        SCOPED_TRACE(iType);
        // Times below zero: a stray read past the last key time could not make the range look valid.
        CTrack Track(static_cast<bEInterpolator>(iType), {-4, -3, -2, -1}, {5, 6, 7, 8});
        Track.m_pInterpolator->ReBuild();
        float const fBefore = Track.Evaluate(-3.0f);
        Track.m_pInterpolator->SetFrameEnd(4); // past the last key
        CMessageLog Log;
        EXPECT_EQ(Track.Evaluate(-2.0f), fBefore);
        EXPECT_EQ(Log.GetTexts(), std::vector<std::string>{g_arrUpdateInvalid[iType]});
    }
}

TEST(bTInterpolator, ReBuildOfAnInvalidInterpolatorPresetsTheValue)
{
    struct
    {
        bEInterpolator m_eType;
        char const * m_pcReport; // besides the preset's own
    } const arrCases[] = {
        {bEInterpolator_Linear, nullptr},
        {bEInterpolator_Hermite, "bTInterpolatorHermite< ELEMENT >::ReBuild -> Cannot rebuild tangents because "
                                 "interpolator is invalid. Presetting value."},
        {bEInterpolator_KochanekBartels, "bTInterpolatorKochanekBartels< ELEMENT >::ReBuild -> Cannot rebuild "
                                         "tangents's coefficients because interpolator is invalid. Presetting value."},
    };
    std::string const strNoArray =
        "bTInterpolatorGeneric< ELEMENT >::ReBuild -> Cannot preset value because values' array is invalid!";
    std::string const strEmpty =
        "bTInterpolatorGeneric< ELEMENT >::ReBuild -> Cannot preset value because values' array is empty!";
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_eType);
        std::vector<std::string> arrReport;
        if (Case.m_pcReport)
            arrReport.push_back(Case.m_pcReport);
        // Three keys and a range beyond them: invalid for every method.
        CTrack Track(Case.m_eType, {0, 1, 2}, {5, 6, 7});
        Track.m_pInterpolator->SetFrameBegin(1);
        Track.m_pInterpolator->SetFrameEnd(7);
        CMessageLog Log;
        Track.m_pInterpolator->ReBuild();
        EXPECT_EQ(Track.m_pInterpolator->GetValue(), 6.0f); // value[begin]
        EXPECT_EQ(Log.GetTexts(), arrReport);

        Track.m_pInterpolator->SetFrameBegin(3); // no key: value[0]
        Track.m_pInterpolator->ReBuild();
        EXPECT_EQ(Track.m_pInterpolator->GetValue(), 5.0f);

        Log.Clear();
        Track.m_arrValues.Clear();
        Track.m_pInterpolator->ReBuild();
        arrReport.push_back(strEmpty);
        EXPECT_EQ(Log.GetTexts(), arrReport);
        EXPECT_EQ(Track.m_pInterpolator->GetValue(), 5.0f);

        Log.Clear();
        Track.m_pInterpolator->SetValues(nullptr);
        Track.m_pInterpolator->ReBuild();
        arrReport.back() = strNoArray;
        EXPECT_EQ(Log.GetTexts(), arrReport);
    }
}

TEST(bTInterpolator, GenericOperationsAndCopiesWarn)
{
    bTInterpolatorGeneric<float> Generic;
    CMessageLog Log;
    Generic.Update();
    EXPECT_EQ(Log.GetTexts(), std::vector<std::string>{"The method  bTInterpolatorGeneric< ELEMENT >::Update -> Pure "
                                                       "pseudo-virtual function call! was called, but has not yet "
                                                       "been implemented!"});

    Log.Clear();
    bTInterpolatorLinear<float> Linear;
    Linear.SetFrameBegin(2);
    bTInterpolatorLinear<float> Copy(Linear);
    EXPECT_EQ(Log.GetTexts(), std::vector<std::string>{"The method bCInterpolatorBase [Copy constructor] detected "
                                                       "an improper usage! \nHint:Copying forbidden! "});
    EXPECT_EQ(Copy.GetFrameBegin(), -1);
}

TEST(bTInterpolator, ParameterArraysStreamAsVersionCountAndFloats)
{
    bTInterpolatorHermite<float> Hermite;
    Hermite.AccessParameterArray().Add({0.5f, -1.0f});
    bTInterpolatorKochanekBartels<float> Spline;
    Spline.AccessParameterArray().Add({1.0f, 2.0f, 3.0f});
    Spline.AccessParameterArray().Add({4.0f, 5.0f, 6.0f});

    bCMemoryStream Stream;
    Hermite >> Stream;
    Spline >> Stream;
    CByteVector arrExpected = {1};
    AppendU32(arrExpected, 1);
    AppendFloat(arrExpected, 0.5f);
    AppendFloat(arrExpected, -1.0f);
    arrExpected.push_back(1); // tangents: none before ReBuild
    AppendU32(arrExpected, 0);
    arrExpected.push_back(1);
    AppendU32(arrExpected, 2);
    for (float fValue : {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f})
        AppendFloat(arrExpected, fValue);
    EXPECT_EQ(GetStreamBytes(Stream), arrExpected);

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bTInterpolatorHermite<float> HermiteRead;
    bTInterpolatorKochanekBartels<float> SplineRead;
    HermiteRead << Stream;
    SplineRead << Stream;
    ASSERT_EQ(HermiteRead.AccessParameterArray().GetCount(), 1);
    EXPECT_EQ(HermiteRead.AccessParameterArray()[0].m_fBias, -1.0f);
    ASSERT_EQ(SplineRead.AccessParameterArray().GetCount(), 2);
    EXPECT_EQ(SplineRead.AccessParameterArray()[1].m_fContinuity, 5.0f);
    EXPECT_EQ(SplineRead.AccessParameterArray()[1].m_fBias, 6.0f);
}

// A count far beyond the bytes present reads what is there and stops.
TEST(bTInterpolator, ParameterArrayWithAbsurdCountStopsAtTheEnd)
{
    CByteVector arrBytes = {1};
    AppendU32(arrBytes, 0xFFFFFFFFu);
    AppendFloat(arrBytes, 0.25f);
    AppendFloat(arrBytes, 0.75f);
    AppendFloat(arrBytes, 1.0f); // half a pair
    bCMemoryStream Stream;
    FillStream(Stream, arrBytes.data(), arrBytes.size());
    bTInterpolatorHermite<float> Hermite;
    Hermite.Read(Stream);
    ASSERT_EQ(Hermite.AccessParameterArray().GetCount(), 1);
    EXPECT_EQ(Hermite.AccessParameterArray()[0].m_fBias, 0.75f);
    EXPECT_EQ(Hermite.GetTangents().GetCount(), 0);
}

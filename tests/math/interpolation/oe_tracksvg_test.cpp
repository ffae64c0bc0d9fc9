// The drawing of vellmark-track, parsed back: every curve's points are the
// samples of its method, every key dot sits on its key.

#include "../../../tools/vellmark-track/oe_tracksvg.cpp"

#include "oe_interpolationtestsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>

namespace
{
    struct CParsedPanel
    {
        std::map<std::string, std::vector<std::pair<float, float>>> m_mapCurves; // by method
        std::vector<std::pair<float, float>> m_arrKeys;
    };

    std::vector<std::pair<float, float>> ParsePoints(std::string const & a_strPoints)
    {
        std::vector<std::pair<float, float>> arrPoints;
        char const * pcText = a_strPoints.c_str();
        while (*pcText)
        {
            char * pcEnd = nullptr;
            float const fX = std::strtof(pcText, &pcEnd);
            if (pcEnd == pcText || *pcEnd != ',')
                break;
            pcText = pcEnd + 1;
            float const fY = std::strtof(pcText, &pcEnd);
            arrPoints.emplace_back(fX, fY);
            pcText = pcEnd;
            while (*pcText == ' ')
                ++pcText;
        }
        return arrPoints;
    }

    std::map<std::string, CParsedPanel> ParseSvg(std::string const & a_strSvg)
    {
        std::map<std::string, CParsedPanel> mapPanels;
        std::regex const Group("<g data-channel=\"([a-z]+)\" transform=\"matrix\\([^\"]*\\)\">\n([^]*?)</g>");
        std::regex const Curve("<polyline data-method=\"([a-z-]+)\"[^>]* points=\"([^\"]*)\"/>");
        std::regex const Key("<path data-key=\"[0-9]+\" d=\"M ([^ ]+) l 0,0\"");
        for (std::sregex_iterator It(a_strSvg.begin(), a_strSvg.end(), Group), End; It != End; ++It)
        {
            CParsedPanel & Panel = mapPanels[(*It)[1]];
            std::string const strBody = (*It)[2];
            for (std::sregex_iterator C(strBody.begin(), strBody.end(), Curve); C != End; ++C)
                Panel.m_mapCurves[(*C)[1]] = ParsePoints((*C)[2]);
            for (std::sregex_iterator K(strBody.begin(), strBody.end(), Key); K != End; ++K)
            {
                std::vector<std::pair<float, float>> const arrPoint = ParsePoints((*K)[1]);
                if (arrPoint.size() == 1)
                    Panel.m_arrKeys.push_back(arrPoint[0]);
            }
        }
        return mapPanels;
    }

    // Five keys turning about y by 0, 30, 90, 120 and 180 degrees while moving.
    void ReadFiveKeys(bCMotionKeyFramerData & a_Track, int a_iKeys)
    {
        std::string strText = "Camera:\torbit\nx\t0\nFrames:\t" + std::to_string(a_iKeys) + "\nheader\n";
        float const arrAngles[] = {0, 30, 90, 120, 180};
        for (int i = 0; i < a_iKeys; ++i)
        {
            float const fHalf = arrAngles[i] * 3.14159265f / 360.0f;
            char arrLine[160];
            std::snprintf(arrLine, sizeof(arrLine), "%d;%d;%d;%d;0;%.7f;0;%.7f\n", i, i * i, 3 - i, 2 * i,
                          static_cast<double>(std::sin(fHalf)), static_cast<double>(std::cos(fHalf)));
            strText += arrLine;
        }
        bCMemoryStream Stream;
        FillStream(Stream, strText.data(), strText.size());
        a_Track.ReadCAM(Stream, 1, 1.0f);
    }
} // namespace

TEST(bTrackSvg, CurvesAreTheSamplesOfEachMethod)
{
    bCMotionKeyFramerData Track;
    ReadFiveKeys(Track, 5);
    std::vector<bSTrackCurve> const arrCurves = g_SampleTrack(Track, 50);
    ASSERT_EQ(arrCurves.size(), 4u);
    std::string const strSvg = g_WriteTrackSvg(Track, arrCurves);
    EXPECT_EQ(strSvg.rfind("<?xml", 0), 0u);
    EXPECT_EQ(strSvg.substr(strSvg.size() - 7), "</svg>\n");

    std::map<std::string, CParsedPanel> const mapPanels = ParseSvg(strSvg);
    ASSERT_EQ(mapPanels.size(), 4u);
    for (int iChannel = 0; iChannel < 4; ++iChannel)
    {
        SCOPED_TRACE(g_GetTrackChannelName(iChannel));
        CParsedPanel const & Panel = mapPanels.at(g_GetTrackChannelName(iChannel));
        ASSERT_EQ(Panel.m_mapCurves.size(), 4u);
        for (bSTrackCurve const & Curve : arrCurves)
        {
            auto const & arrPoints = Panel.m_mapCurves.at(g_GetInterpolatorName(Curve.m_eMethod));
            ASSERT_EQ(arrPoints.size(), 50u);
            auto & Interpolator = *static_cast<bTInterpolatorGeneric<bCMotion> *>(
                Track.GetDataInterpolator(static_cast<int>(Curve.m_eMethod) - 1));
            for (auto const & Point : arrPoints)
            {
                Interpolator.SetTime(Point.first);
                Interpolator.Update();
                EXPECT_NEAR(Point.second, g_GetTrackChannel(Interpolator.GetValue(), iChannel), 1e-4f)
                    << g_GetInterpolatorName(Curve.m_eMethod) << " at " << Point.first;
            }
            EXPECT_EQ(arrPoints.front().first, 0.0f);
            EXPECT_EQ(arrPoints.back().first, 4.0f);
        }
        ASSERT_EQ(Panel.m_arrKeys.size(), 5u);
        for (int k = 0; k < 5; ++k)
        {
            EXPECT_EQ(Panel.m_arrKeys[static_cast<size_t>(k)].first, static_cast<float>(k));
            EXPECT_NEAR(Panel.m_arrKeys[static_cast<size_t>(k)].second,
                        g_GetTrackChannel(Track.GetValues()[k], iChannel), 1e-4f);
        }
    }
    EXPECT_NEAR(mapPanels.at("angle").m_arrKeys[2].second, 90.0f, 1e-3f);
    EXPECT_NEAR(mapPanels.at("x").m_arrKeys[3].second, 9.0f, 1e-6f);
}

// Three keys are too few for the splines over four: only linear and Hermite are drawn.
TEST(bTrackSvg, MethodsInvalidForThePathAreLeftOut)
{
    bCMotionKeyFramerData Track;
    ReadFiveKeys(Track, 3);
    std::vector<bSTrackCurve> const arrCurves = g_SampleTrack(Track, 10);
    ASSERT_EQ(arrCurves.size(), 2u);
    EXPECT_EQ(arrCurves[0].m_eMethod, bEInterpolator_Linear);
    EXPECT_EQ(arrCurves[1].m_eMethod, bEInterpolator_Hermite);
    std::map<std::string, CParsedPanel> const mapPanels = ParseSvg(g_WriteTrackSvg(Track, arrCurves));
    EXPECT_EQ(mapPanels.at("z").m_mapCurves.size(), 2u);
    EXPECT_EQ(mapPanels.at("z").m_arrKeys.size(), 3u);
}

TEST(bTrackSvg, AnEmptyPathStillGivesADocument)
{
    bCMotionKeyFramerData Track;
    std::map<std::string, CParsedPanel> const mapPanels = ParseSvg(g_WriteTrackSvg(Track, g_SampleTrack(Track, 10)));
    EXPECT_EQ(mapPanels.size(), 4u);
    EXPECT_TRUE(mapPanels.at("y").m_mapCurves.empty());
}

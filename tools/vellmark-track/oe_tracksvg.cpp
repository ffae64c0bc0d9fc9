#include "oe_tracksvg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace
{
    int const kChannels = 4;
    int const kWidth = 900;
    int const kPanelHeight = 200;
    int const kMargin = 60;
    char const * const kColours[] = {"#d62728", "#1f77b4", "#2ca02c", "#9467bd"}; // by method 1 to 4

    std::string Format(char const * a_pcFormat, double a_dA, double a_dB)
    {
        char arrBuffer[64];
        std::snprintf(arrBuffer, sizeof(arrBuffer), a_pcFormat, a_dA, a_dB);
        return arrBuffer;
    }

    // The smallest and largest value of a channel over keys and samples; never an empty span.
    void GetRange(bCMotionKeyFramerData const & a_Track, std::vector<bSTrackCurve> const & a_arrCurves, int a_iChannel,
                  float & a_fMin, float & a_fMax)
    {
        a_fMin = 1e30f;
        a_fMax = -1e30f;
        auto const Include = [&](bCMotion const & a_Motion) {
            float const fValue = g_GetTrackChannel(a_Motion, a_iChannel);
            if (std::isfinite(fValue))
            {
                a_fMin = std::min(a_fMin, fValue);
                a_fMax = std::max(a_fMax, fValue);
            }
        };
        for (bCMotion const & Motion : a_Track.GetValues())
            Include(Motion);
        for (bSTrackCurve const & Curve : a_arrCurves)
            for (bCMotion const & Motion : Curve.m_arrValues)
                Include(Motion);
        if (a_fMin > a_fMax)
            a_fMin = a_fMax = 0.0f;
        if (a_fMax - a_fMin < 1e-6f)
        {
            a_fMin -= 1.0f;
            a_fMax += 1.0f;
        }
    }

    void WritePanel(std::string & a_strSvg, bCMotionKeyFramerData const & a_Track,
                    std::vector<bSTrackCurve> const & a_arrCurves, int a_iChannel, float a_fTimeMin, float a_fTimeMax)
    {
        float fMin = 0.0f, fMax = 0.0f;
        GetRange(a_Track, a_arrCurves, a_iChannel, fMin, fMax);
        double const dTop = kMargin / 2 + a_iChannel * (kPanelHeight + kMargin / 2);
        double const dPlotWidth = kWidth - 2 * kMargin;
        double const dScaleX = dPlotWidth / (a_fTimeMax - a_fTimeMin);
        double const dScaleY = -kPanelHeight / static_cast<double>(fMax - fMin);
        a_strSvg += "<rect x=\"" + std::to_string(kMargin) + "\" y=\"" + Format("%g", dTop, 0) + "\" width=\"" +
                    Format("%g", dPlotWidth, 0) + "\" height=\"" + std::to_string(kPanelHeight) +
                    "\" fill=\"none\" stroke=\"#888\"/>\n";
        a_strSvg +=
            "<text x=\"4\" y=\"" + Format("%g", dTop + 14, 0) + "\">" + g_GetTrackChannelName(a_iChannel) + "</text>\n";
        a_strSvg += "<text x=\"4\" y=\"" + Format("%g", dTop + 30, 0) + "\" font-size=\"10\">" +
                    Format("%g .. %g", fMin, fMax) + "</text>\n";
        // Panel coordinates: x = time, y = value.
        a_strSvg += "<g data-channel=\"" + std::string(g_GetTrackChannelName(a_iChannel)) + "\" transform=\"matrix(" +
                    Format("%.9g 0 0 %.9g ", dScaleX, dScaleY) +
                    Format("%.9g %.9g", kMargin - a_fTimeMin * dScaleX, dTop + kPanelHeight - fMin * dScaleY) +
                    ")\">\n";
        for (bSTrackCurve const & Curve : a_arrCurves)
        {
            a_strSvg += "<polyline data-method=\"" + std::string(g_GetInterpolatorName(Curve.m_eMethod)) +
                        "\" fill=\"none\" stroke=\"" + kColours[Curve.m_eMethod - 1] +
                        "\" stroke-width=\"1.5\" vector-effect=\"non-scaling-stroke\" points=\"";
            for (size_t i = 0; i < Curve.m_arrTimes.size(); ++i)
                a_strSvg += (i ? " " : "") + Format("%.9g,%.9g", Curve.m_arrTimes[i],
                                                    g_GetTrackChannel(Curve.m_arrValues[i], a_iChannel));
            a_strSvg += "\"/>\n";
        }
        // A key is a dot: a zero-length path with a round cap keeps its size under the group's scaling.
        for (int k = 0; k < a_Track.GetTimes().GetCount(); ++k)
            a_strSvg +=
                "<path data-key=\"" + std::to_string(k) + "\" d=\"M " +
                Format("%.9g,%.9g", a_Track.GetTimes()[k], g_GetTrackChannel(a_Track.GetValues()[k], a_iChannel)) +
                " l 0,0\" stroke=\"black\" stroke-width=\"7\" stroke-linecap=\"round\" "
                "vector-effect=\"non-scaling-stroke\"/>\n";
        a_strSvg += "</g>\n";
    }
} // namespace

float g_GetTrackChannel(bCMotion const & a_Motion, int a_iChannel)
{
    bCVector const & vecPosition = a_Motion.GetPosition();
    switch (a_iChannel)
    {
    case 0: return vecPosition.GetX();
    case 1: return vecPosition.GetY();
    case 2: return vecPosition.GetZ();
    default: break;
    }
    // The splines do not renormalise: the angle is the one of the unit quaternion along q.
    bCQuaternion const & quatRotation = a_Motion.GetRotation();
    float const fMagnitude = std::sqrt(quatRotation.GetDotProduct(quatRotation));
    if (fMagnitude <= 0.0f)
        return 0.0f;
    float const fCos = std::min(1.0f, std::fabs(quatRotation.GetW()) / fMagnitude);
    return 2.0f * std::acos(fCos) * 57.29577951f;
}

char const * g_GetTrackChannelName(int a_iChannel)
{
    static char const * const s_arrNames[kChannels] = {"x", "y", "z", "angle"};
    return a_iChannel >= 0 && a_iChannel < kChannels ? s_arrNames[a_iChannel] : "";
}

char const * g_GetInterpolatorName(bEInterpolator a_eMethod)
{
    switch (a_eMethod)
    {
    case bEInterpolator_Linear: return "linear";
    case bEInterpolator_CutmullRom: return "catmull-rom";
    case bEInterpolator_Hermite: return "hermite";
    case bEInterpolator_KochanekBartels: return "kochanek-bartels";
    default: return "none";
    }
}

std::vector<bSTrackCurve> g_SampleTrack(bCMotionKeyFramerData & a_Track, int a_iSamples)
{
    for (bEInterpolator eMethod : {bEInterpolator_CutmullRom, bEInterpolator_Hermite, bEInterpolator_KochanekBartels})
        a_Track.CreateDataInterpolator(eMethod, true);
    std::vector<bSTrackCurve> arrCurves;
    if (a_Track.GetTimes().GetCount() < 2 || a_iSamples < 2)
        return arrCurves;
    float const fFirst = a_Track.GetTimeMin(), fLast = a_Track.GetTimeMax();
    for (int i = 0; i < a_Track.GetDataInterpolators().GetCount(); ++i)
    {
        auto & Interpolator = *static_cast<bTInterpolatorGeneric<bCMotion> *>(a_Track.GetDataInterpolator(i));
        Interpolator.SetTime(fFirst);
        if (!Interpolator.IsValid())
            continue; // too few keys for this method
        bSTrackCurve Curve{Interpolator.GetType(), {}, {}};
        for (int s = 0; s < a_iSamples; ++s)
        {
            float const fTime = s + 1 == a_iSamples ? fLast : fFirst + (fLast - fFirst) * s / (a_iSamples - 1);
            Interpolator.SetTime(fTime);
            Interpolator.Update();
            Curve.m_arrTimes.push_back(fTime);
            Curve.m_arrValues.push_back(Interpolator.GetValue());
        }
        arrCurves.push_back(Curve);
    }
    return arrCurves;
}

std::string g_WriteTrackSvg(bCMotionKeyFramerData const & a_Track, std::vector<bSTrackCurve> const & a_arrCurves)
{
    int const iHeight = kMargin / 2 + kChannels * (kPanelHeight + kMargin / 2) + kMargin / 2;
    std::string strSvg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                         std::to_string(kWidth) + "\" height=\"" + std::to_string(iHeight) + "\" viewBox=\"0 0 " +
                         std::to_string(kWidth) + " " + std::to_string(iHeight) +
                         "\" font-family=\"sans-serif\" font-size=\"12\">\n";
    float fFirst = 0.0f, fLast = 1.0f;
    if (a_Track.GetTimes().GetCount() > 0)
    {
        fFirst = a_Track.GetTimeMin();
        fLast = a_Track.GetTimeMax();
    }
    if (!(fLast > fFirst))
        fLast = fFirst + 1.0f;
    for (int c = 0; c < kChannels; ++c)
        WritePanel(strSvg, a_Track, a_arrCurves, c, fFirst, fLast);
    // The legend, one colour per method.
    for (int m = 0; m < 4; ++m)
        strSvg += "<text x=\"" + std::to_string(kMargin + 150 * m) + "\" y=\"" + std::to_string(iHeight - 8) +
                  "\" fill=\"" + kColours[m] + "\">" + g_GetInterpolatorName(static_cast<bEInterpolator>(m + 1)) +
                  "</text>\n";
    strSvg += "</svg>\n";
    return strSvg;
}

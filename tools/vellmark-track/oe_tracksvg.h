#ifndef OE_TRACKSVG_H_INCLUDED
#define OE_TRACKSVG_H_INCLUDED

// The drawing of vellmark-track: a motion track sampled by each of the four
// interpolation methods, as an SVG document written by hand.
//
// One panel per channel (position x, y, z and the rotation angle in degrees).
// Every panel holds a group whose transform maps (time, value) to the panel's
// pixels, so the polylines' points are the samples themselves, and the keys
// are dots (zero-length paths) at (key time, key value). Attributes data-channel and
// data-method name what each element shows.

#include <vellmark/math/interpolation/oe_motionkeyframerdata.h>

#include <string>
#include <vector>

struct bSTrackCurve
{
    bEInterpolator m_eMethod;
    std::vector<float> m_arrTimes;
    std::vector<bCMotion> m_arrValues;
};

// The key values' channel: 0 to 2 the position, 3 the rotation angle in degrees.
float g_GetTrackChannel(bCMotion const & a_Motion, int a_iChannel);
char const * g_GetTrackChannelName(int a_iChannel);
char const * g_GetInterpolatorName(bEInterpolator a_eMethod);

// Adds the Catmull-Rom, Hermite and Kochanek-Bartels data interpolators to
// an imported track (whose first is the linear one) and samples each method
// that is valid for the track's keys at a_iSamples evenly spaced times.
std::vector<bSTrackCurve> g_SampleTrack(bCMotionKeyFramerData & a_Track, int a_iSamples);

std::string g_WriteTrackSvg(bCMotionKeyFramerData const & a_Track, std::vector<bSTrackCurve> const & a_arrCurves);

#endif

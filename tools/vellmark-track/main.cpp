// Shows a camera path as the library sees it: imports it with ReadCAM, prints
// its keys and, with --svg, draws the position and rotation angle over time as
// each of the four interpolators samples it.
//
//   vellmark-track FILE.cam [--step N] [--scale S] [--svg OUT.svg]

#include "oe_tracksvg.h"

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_posixfile.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
    int const kSamples = 240;

    struct bSOptions
    {
        char const * m_pcInput = nullptr;
        char const * m_pcSvg = nullptr;
        int m_iStep = 1;
        float m_fScale = 1.0f;
    };

    int Usage()
    {
        std::fprintf(stderr, "usage: vellmark-track FILE.cam [--step N] [--scale S] [--svg OUT.svg]\n");
        return 1;
    }

    bool ParseOptions(int a_iArgCount, char ** a_ppcArgs, bSOptions & a_Options)
    {
        for (int i = 1; i < a_iArgCount; ++i)
        {
            char const * pcArg = a_ppcArgs[i];
            bool const bHasValue = i + 1 < a_iArgCount;
            if (!std::strcmp(pcArg, "--step") && bHasValue)
                a_Options.m_iStep = std::atoi(a_ppcArgs[++i]);
            else if (!std::strcmp(pcArg, "--scale") && bHasValue)
                a_Options.m_fScale = bCString(a_ppcArgs[++i]).GetFloat();
            else if (!std::strcmp(pcArg, "--svg") && bHasValue)
                a_Options.m_pcSvg = a_ppcArgs[++i];
            else if (pcArg[0] != '-' && !a_Options.m_pcInput)
                a_Options.m_pcInput = pcArg;
            else
                return false;
        }
        return a_Options.m_pcInput != nullptr;
    }

    void PrintKeys(bCMotionKeyFramerData const & a_Track)
    {
        std::printf("%d keys\n%4s %12s %12s %12s %12s %9s %9s %9s %9s %9s\n", a_Track.GetKeyFrames().GetCount(), "key",
                    "time", "x", "y", "z", "qx", "qy", "qz", "qw", "angle");
        int iKey = 0;
        for (bCMotionKeyFramerData::bSKeyFrame const & Key : a_Track.GetKeyFrames())
        {
            bCVector const & vecPosition = Key.m_Value.GetPosition();
            bCQuaternion const & quatRotation = Key.m_Value.GetRotation();
            std::printf("%4d %12.4f %12.4f %12.4f %12.4f %9.5f %9.5f %9.5f %9.5f %9.3f\n", iKey++,
                        static_cast<double>(Key.m_fTime), static_cast<double>(vecPosition.GetX()),
                        static_cast<double>(vecPosition.GetY()), static_cast<double>(vecPosition.GetZ()),
                        static_cast<double>(quatRotation.GetX()), static_cast<double>(quatRotation.GetY()),
                        static_cast<double>(quatRotation.GetZ()), static_cast<double>(quatRotation.GetW()),
                        static_cast<double>(g_GetTrackChannel(Key.m_Value, 3)));
        }
    }

    bool WriteSvg(char const * a_pcPath, bCMotionKeyFramerData & a_Track)
    {
        std::vector<bSTrackCurve> const arrCurves = g_SampleTrack(a_Track, kSamples);
        std::string const strSvg = g_WriteTrackSvg(a_Track, arrCurves);
        bCPosixFile File(a_pcPath, bEFileCreationMode_Write);
        if (!File.IsOpen() || File.Write(strSvg.data(), static_cast<unsigned long>(strSvg.size())) !=
                                  static_cast<unsigned long>(strSvg.size()))
        {
            std::fprintf(stderr, "vellmark-track: cannot write %s\n", a_pcPath);
            return false;
        }
        std::printf("%s: %zu curves (", a_pcPath, arrCurves.size());
        for (size_t i = 0; i < arrCurves.size(); ++i)
            std::printf("%s%s", i ? ", " : "", g_GetInterpolatorName(arrCurves[i].m_eMethod));
        std::printf(")\n");
        return true;
    }
} // namespace

int main(int a_iArgCount, char ** a_ppcArgs)
{
    bSOptions Options;
    if (!ParseOptions(a_iArgCount, a_ppcArgs, Options))
        return Usage();
    bCPosixFile File(Options.m_pcInput, bEFileCreationMode_Read);
    bCMemoryStream Text;
    if (!File.IsOpen() || !File.ReadAll(Text))
    {
        std::fprintf(stderr, "vellmark-track: cannot read %s\n", Options.m_pcInput);
        return 2;
    }
    Text.SetPosition(0, bEStreamSeekMode_Begin);
    bCMotionKeyFramerData Track;
    Track.ReadCAM(Text, Options.m_iStep, Options.m_fScale);
    PrintKeys(Track);
    if (Options.m_pcSvg && !WriteSvg(Options.m_pcSvg, Track))
        return 2;
    return 0;
}

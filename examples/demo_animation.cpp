// A cutscene camera: the module imports a camera path exported from a
// modelling tool, lets each of the four interpolators fly it, and stores the
// track as the game would in its level data.

#include "demo_steps.h"

#include <vellmark/vellmark.h>

#include <cmath>
#include <cstdio>

#ifndef VELLMARK_EXAMPLES_DIR
#define VELLMARK_EXAMPLES_DIR "examples"
#endif

namespace
{
    char const * const kCameraPath = VELLMARK_EXAMPLES_DIR "/flyby.cam";

    // The path turns about the up axis only; atan2 needs no unit length.
    float GetYawDegrees(bCQuaternion const & a_quatRotation)
    {
        return 2.0f * std::atan2(a_quatRotation.GetY(), a_quatRotation.GetW()) * 57.29578f;
    }

    void FlyWith(bCMotionKeyFramerData & a_Track, bEInterpolator a_eMethod, char const * a_pcName)
    {
        int const iIndex = a_eMethod == bEInterpolator_Linear ? 0 : a_Track.CreateDataInterpolator(a_eMethod, true);
        auto & Camera = *static_cast<bTInterpolatorGeneric<bCMotion> *>(a_Track.GetDataInterpolator(iIndex));
        std::printf("   %-17s", a_pcName);
        for (float fTime : {1.25f, 2.75f, 4.8f})
        {
            Camera.SetTime(fTime);
            Camera.Update();
            bCVector const & vecPosition = Camera.GetValue().GetPosition();
            std::printf("  t=%.2f (%6.2f %5.2f %6.2f) yaw %6.2f", static_cast<double>(fTime),
                        static_cast<double>(vecPosition.GetX()), static_cast<double>(vecPosition.GetY()),
                        static_cast<double>(vecPosition.GetZ()),
                        static_cast<double>(GetYawDegrees(Camera.GetValue().GetRotation())));
        }
        std::printf("\n");
    }
} // namespace

void DemoAnimation()
{
    std::printf("\n-- camera path %s\n", kCameraPath);
    bCPosixFile File(kCameraPath, bEFileCreationMode_Read);
    bCMemoryStream Text;
    if (!File.IsOpen() || !File.ReadAll(Text))
    {
        std::printf("   cannot read the camera path\n");
        return;
    }
    Text.SetPosition(0, bEStreamSeekMode_Begin);
    bCMotionKeyFramerData Track;
    Track.ReadCAM(Text, 1, 1.0f);
    std::printf("   %d keys from %.2f s to %.2f s; key 7 was exported on the other hemisphere, imported as w = %.3f\n",
                Track.GetTotalFrameCount(), static_cast<double>(Track.GetTimeMin()),
                static_cast<double>(Track.GetTimeMax()),
                static_cast<double>(Track.GetValues()[7].GetRotation().GetW()));
    FlyWith(Track, bEInterpolator_Linear, "linear");
    FlyWith(Track, bEInterpolator_CutmullRom, "catmull-rom");
    FlyWith(Track, bEInterpolator_Hermite, "hermite");
    FlyWith(Track, bEInterpolator_KochanekBartels, "kochanek-bartels");

    bCMemoryStream Level;
    Track >> Level;
    Level.SetPosition(0, bEStreamSeekMode_Begin);
    bCMotionKeyFramerData Loaded;
    Loaded << Level;
    std::printf("   stored in %lld bytes, loaded back with %d interpolators and %d keys\n", Level.GetSize(),
                Loaded.GetDataInterpolators().GetCount(), Loaded.GetTotalFrameCount());
}

#include "demo_steps.h"

#include <vellmark/vellmark.h>

#include <cstdio>

// A few frames of the module's own work, bracketed with the profiler: loading
// a save game through a memory stream, a visibility pass over a bit field and
// a small physics step. The profile is then written as folded stacks, which a
// flame-graph viewer opens as it is.

namespace
{
    constexpr char kFoldedFile[] = "vellmark_demo.folded";

    // Regions nest by scope, so that every start has its stop.
    class bCProfileScope
    {
    public:
        explicit bCProfileScope(char const * a_pcName) { bCProfileManager::StartProfile(a_pcName); }
        ~bCProfileScope() { bCProfileManager::StopProfile(); }
        bCProfileScope(bCProfileScope const &) = delete;
        bCProfileScope & operator=(bCProfileScope const &) = delete;
    };

    long LoadSaveGame()
    {
        bCProfileScope Scope("LoadSaveGame");
        bCMemoryStream Stream;
        for (long i = 0; i < 2000; ++i)
            Stream << i << bCString("entity");
        Stream.Seek(0, bEStreamSeekMode_Begin);
        long lSum = 0;
        for (long i = 0; i < 2000; ++i)
        {
            long lValue = 0;
            bCString strName;
            Stream >> lValue >> strName;
            lSum += lValue;
        }
        return lSum;
    }

    int CullObjects(int a_iFrame)
    {
        bCProfileScope Scope("Visibility");
        bCTrackBitField Visible(10000);
        for (int i = a_iFrame; i < Visible.GetCount(); i += 3)
            Visible.Enable(i);
        bCTrackBitField Lit(10000);
        Lit.EnableAll();
        Lit.ShiftLeft(a_iFrame * 100);
        Visible.And(Lit);
        return Visible.GetCountEnabled();
    }

    float StepPhysics()
    {
        bCProfileScope Scope("Physics");
        float fPosition = 0.0f, fVelocity = 1.0f;
        for (int i = 0; i < 100000; ++i)
        {
            fVelocity -= 9.81f * 0.001f;
            fPosition += fVelocity * 0.001f;
        }
        return fPosition;
    }
} // namespace

void DemoProfile()
{
    std::printf("\n-- profile of five frames (load, visibility, physics)\n");
    long lLoaded = 0;
    int iVisible = 0;
    float fPosition = 0.0f;
    bCProfileManager::Reset();
    for (int iFrame = 0; iFrame < 5; ++iFrame)
    {
        bCProfileScope Frame("Frame");
        if (iFrame == 0)
            lLoaded = LoadSaveGame();
        iVisible += CullObjects(iFrame);
        fPosition = StepPhysics();
        bCProfileManager::IncrementFrameCounter();
    }
    std::printf("   loaded sum %ld, visible %d, position %.3f, %d frames in %.3f ms\n", lLoaded, iVisible,
                static_cast<double>(fPosition), bCProfileManager::GetFrameCountSinceReset(),
                static_cast<double>(bCProfileManager::GetTimeSinceReset()) * 1000.0);

    bCProfileIterator * pIterator = bCProfileManager::CreateIterator();
    if (g_funcGetChildByName(pIterator, bCString("Frame")))
        std::printf("   Frame: %d calls, %.3f ms\n", pIterator->GetCurrentTotalCalls(),
                    static_cast<double>(pIterator->GetCurrentTotalTime()) * 1000.0);
    bCProfileManager::ReleaseIterator(pIterator);

    bool const bWritten = g_funcWriteFoldedStacks(kFoldedFile);
    std::printf("   folded stacks %s %s (microseconds per stack):\n%s", bWritten ? "written to" : "could not be written to",
                kFoldedFile, g_funcGetFoldedStacks().GetText());
}

#include "demo_module.h"
#include "demo_steps.h"

#include <vellmark/vellmark.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

// A game module's view of the library: it asks for the library's version,
// allocates through the memory administration, and keeps a tracked
// administration of its own to find a buffer overrun.

namespace
{
    bool PrintReport(char const * a_pcText, bSAllocationItem const *)
    {
        std::printf("%s\n", a_pcText);
        return true;
    }

    void PrintVersion()
    {
        unsigned long uMajor = 0, uMinor = 0, uBuild = 0, uRevision = 0;
        int const iFound = GetDLLVersion("vellmark.dll", &uMajor, &uMinor, &uBuild, &uRevision);
        std::printf("library version: %lu.%lu.%lu (revision %lu)%s\n", uMajor, uMinor, uBuild, uRevision,
                    iFound ? "" : " - not found");
    }

    void UseTheProcessWideAdministration()
    {
        bCMemoryAdmin & Admin = bCMemoryAdmin::GetInstance();
        void * pBlock = Admin.Malloc(128, "demo", __FILE__, __LINE__);
        pBlock = Admin.Realloc(pBlock, 4096, "demo", __FILE__, __LINE__);
        std::printf("128 bytes grown to 4096 through the memory administration: %s\n", pBlock ? "ok" : "failed");
        Admin.Free(pBlock);
    }

    // A level's worth of objects in a tracked administration, one of which
    // writes past its end.
    void TrackAndFindAnOverrun()
    {
        bCMemoryAdmin Tracked(true);
        Tracked.EnableMemoryLeakReport(false);
        char * arrNames[3];
        for (int i = 0; i < 3; ++i)
            arrNames[i] = static_cast<char *>(Tracked.Malloc(24, "name", "demo/level.cpp", 40 + i));
        void * pMesh = Tracked.NewObject(200, "demo/mesh.cpp", "bCMesh", "demo/mesh.h", 12);

        std::strcpy(arrNames[1], "a name of twenty-six bytes"); // 27 bytes with the terminator: an overrun on purpose

        std::printf("\n-- check of the damaged block: %d (0 intact, 2 damaged)\n", Tracked.CheckMemoryBlock(arrNames[1]));
        std::printf("\n-- statistics\n");
        Tracked.DumpHeapStatistics(&PrintReport);
        std::printf("\n-- validation\n");
        Tracked.ValidateAllAllocationItems(&PrintReport);
        std::printf("\n-- per-site summary\n");
        Tracked.CollectItemSummary(&PrintReport);

        std::uint32_t const uGuard = 0xDEADC0DE; // repair the guard so that the block can be returned
        std::memcpy(arrNames[1] + 24, &uGuard, sizeof(uGuard));
        for (char * pcName : arrNames)
            Tracked.Free(pcName);
        Tracked.DeleteObject(pMesh);
    }

    // A save game: a few values written to a memory stream and read back.
    void SaveAndLoad()
    {
        bCMemoryStream Stream;
        bCString const strPlayer("Aldric");
        bCGuid SaveID;
        SaveID.Generate();
        Stream << strPlayer << 42L << 3.5f << SaveID;
        Stream.Seek(0, bEStreamSeekMode_Begin);
        bCString strName;
        long lLevel = 0;
        float fHealth = 0;
        Stream >> strName >> lLevel >> fHealth;
        std::printf("\n-- save game of %lld bytes read back: %s, level %ld, health %.1f\n", Stream.GetSize(),
                    strName.GetText(), lLevel, fHealth);
    }

    void ParseCommandLine()
    {
        bCCommandLine CommandLine;
        CommandLine.Create("-map:\"harbour town\" /windowed -width=1280 save1.sav");
        std::printf("\n-- command line: %d options, %d arguments\n", CommandLine.GetOptions().GetCount(),
                    CommandLine.GetArguments().GetCount());
        for (auto It = CommandLine.GetOptions().BeginIterator(); It != CommandLine.GetOptions().EndIterator(); ++It)
            std::printf("   option %s = %s\n", It.GetKey().GetText(), It.GetValue().GetText());
    }

    // A recoverable error: the report goes to the dialogs module beside the
    // library, which prints it and lets the game go on.
    void ReportAFault()
    {
        OE_MESSAGEF_WARN("demo: texture %s is missing, using the default", "rock_01.dds");
        std::printf("\n-- a fault error report follows (the program goes on)\n");
        std::fflush(stdout);
        bCErrorAdmin::GetInstance().CallFaultError("demo: the level's navigation mesh is out of date",
                                                   "rebuild it in the editor", "demo/level.cpp", 128);
        std::printf("\n-- still running after the fault\n");
    }
}

int RunDemo()
{
    PrintVersion();
    UseTheProcessWideAdministration();
    TrackAndFindAnOverrun();
    SaveAndLoad();
    ParseCommandLine();
    DemoProperties();
    DemoMath();
    DemoVolumes();
    DemoNoise();
    DemoAnimation();
    DemoProfile();
    ReportAFault(); // last: without a dialogs module a fault error ends the process
    return 0;
}

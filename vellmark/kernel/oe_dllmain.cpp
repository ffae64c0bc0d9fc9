#include <vellmark/kernel/oe_dllmain.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_version.h>

#include <mutex>

namespace
{
    constexpr char kBannerLine[] = "---------------------------------------------------------------------------";
    constexpr int kBannerPriority = 1;

    std::once_flag g_BannerOnce;

    // The numbers start at 0, so a failed query prints zeros.
    void PrintBanner()
    {
        unsigned long uMajor = 0, uMinor = 0, uBuild = 0, uRevision = 0;
        GetDLLVersion("vellmark.dll", &uMajor, &uMinor, &uBuild, &uRevision);
        OE_MESSAGE_INFO(kBannerPriority, kBannerLine);
        OE_MESSAGEF_INFO(kBannerPriority, "Morvek3 (RELEASE) Vellmark:  Compileversion: %d.%d.%d  (Rev. %d)",
                         static_cast<int>(uMajor), static_cast<int>(uMinor), static_cast<int>(uBuild),
                         static_cast<int>(uRevision));
        OE_MESSAGE_INFO(kBannerPriority, kBannerLine);
    }

    int EntryPoint(void *, unsigned long, void *)
    {
        std::call_once(g_BannerOnce, PrintBanner);
        return 1;
    }

    // Stand-ins for the loader's calls of the entry point. They run after the
    // static initialisers of the files linked before this one.
    __attribute__((constructor)) void OnLibraryLoad()
    {
        EntryPoint(nullptr, bEDllReason_ProcessAttach, nullptr);
    }

    __attribute__((destructor)) void OnLibraryUnload()
    {
        EntryPoint(nullptr, bEDllReason_ProcessDetach, nullptr);
    }
} // namespace

int DllMain(void * a_hModule, unsigned long a_uReason, void * a_pReserved)
{
    return EntryPoint(a_hModule, a_uReason, a_pReserved);
}

// Loads the library like any client and records the informational messages it
// sends, by providing the two message functions the banner goes through. Then
// calls the entry point for every reason and prints what was recorded.

#include <vellmark/kernel/oe_dllmain.h>

#include <cstdarg>
#include <cstdio>

namespace
{
    // Plain arrays: the library's load runs before this program's initialisers.
    char g_carrLog[8192];
    int g_iLogLength;

    void Record(char const * a_pcKind, int a_iPriority, char const * a_pcText)
    {
        int const iRoom = static_cast<int>(sizeof(g_carrLog)) - g_iLogLength;
        int const iWritten =
            std::snprintf(g_carrLog + g_iLogLength, iRoom, "%s|%d|%s\n", a_pcKind, a_iPriority, a_pcText);
        if (iWritten > 0 && iWritten < iRoom)
            g_iLogLength += iWritten;
    }
} // namespace

extern "C" __attribute__((visibility("default"))) bool OE_MESSAGE_INFO(int a_iPriority, char const * a_pcText)
{
    Record("INFO", a_iPriority, a_pcText);
    return true;
}

extern "C" __attribute__((visibility("default"))) bool OE_MESSAGEF_INFO(int a_iPriority, char const * a_pcFormat, ...)
{
    char carrText[1024];
    va_list Args;
    va_start(Args, a_pcFormat);
    std::vsnprintf(carrText, sizeof(carrText), a_pcFormat, Args);
    va_end(Args);
    Record("INFOF", a_iPriority, carrText);
    return true;
}

int main()
{
    int const arrReasons[] = {bEDllReason_ThreadAttach, bEDllReason_ThreadDetach, bEDllReason_ProcessAttach,
                              bEDllReason_ProcessDetach};
    std::printf("results");
    for (int iReason : arrReasons)
        std::printf(" %d", DllMain(nullptr, static_cast<unsigned long>(iReason), nullptr));
    std::printf("\n%s", g_carrLog);
    return 0;
}

// Prints the version of a module: its "FileVersion" text and the numbers
// GetDLLVersion finds (through "DllGetVersion" when the module exports it).
//
//   vellmark-version [module ...]      (default: vellmark.dll, the library itself)

#include <vellmark/kernel/oe_version.h>

#include <cstdio>

namespace
{
    bool PrintModuleVersion(char const * a_pcModule)
    {
        char const * pcText = GetVersion(a_pcModule);
        std::printf("%s\n  FileVersion: %s\n", a_pcModule, pcText ? pcText : "(none)");
        unsigned long uMajor = 0, uMinor = 0, uBuild = 0, uRevision = 0;
        if (!GetDLLVersion(a_pcModule, &uMajor, &uMinor, &uBuild, &uRevision))
        {
            std::printf("  GetDLLVersion: failed\n");
            return false;
        }
        std::printf("  GetDLLVersion: %lu.%lu.%lu.%lu\n", uMajor, uMinor, uBuild, uRevision);
        return true;
    }
} // namespace

int main(int a_iArgCount, char ** a_ppcArgs)
{
    if (a_iArgCount < 2)
        return PrintModuleVersion("vellmark.dll") ? 0 : 1;
    bool bAll = true;
    for (int i = 1; i < a_iArgCount; ++i)
        bAll = PrintModuleVersion(a_ppcArgs[i]) && bAll;
    return bAll ? 0 : 1;
}

#include <vellmark/crashhandler/BSUFunctions.h>

#include <vellmark/platform/oe_stackwalk.h>

#include <cstdint>
#include <vellmark/platform/oe_textcopy.h>

#include <cstring>

namespace
{
    constexpr unsigned long kLineLookBack = 99;

} // namespace

char const * BSUBaseName(char const * a_pcPath)
{
    if (!a_pcPath)
        return "";
    char const * pcBase = a_pcPath;
    for (char const * pcAt = a_pcPath; *pcAt; ++pcAt)
        if (*pcAt == '/' || *pcAt == '\\')
            pcBase = pcAt + 1;
    return pcBase;
}

unsigned long BSUGetModuleBaseName(HMODULE a_hModule, char * a_pcName, unsigned long a_uSize)
{
    char carrPath[1024];
    if (!a_hModule || !OEGetModuleFileName(a_hModule, carrPath, sizeof(carrPath)))
        return 0;
    return OECopyTextCut(BSUBaseName(carrPath), a_pcName, a_uSize);
}

unsigned long BSUGetModuleBaseNameOfAddress(void const * a_pAddress, char * a_pcName, unsigned long a_uSize)
{
    return BSUGetModuleBaseName(OEGetModuleOfAddress(a_pAddress), a_pcName, a_uSize);
}

bool BSUSymGetSymFromAddr(void const * a_pAddress, char * a_pcName, unsigned long a_uSize,
                          unsigned long * a_pDisplacement)
{
    return a_pAddress && OEGetSymbolFromAddress(a_pAddress, a_pcName, a_uSize, a_pDisplacement);
}

bool BSUSymGetLineFromAddr(void const * a_pAddress, char * a_pcFile, unsigned long a_uSize, unsigned long * a_pLine,
                           unsigned long * a_pDisplacement)
{
    if (!a_pAddress || !OEHasLineInformation())
        return false;
    // The address may be anything a fault record holds: step back in integers,
    // never through pointer arithmetic on an address that points nowhere.
    uintptr_t const uAddress = reinterpret_cast<uintptr_t>(a_pAddress);
    for (unsigned long uBack = 0; uBack <= kLineLookBack && uBack < uAddress; ++uBack)
    {
        unsigned long uDisplacement = 0;
        if (OEGetLineFromAddress(reinterpret_cast<void const *>(uAddress - uBack), a_pcFile, a_uSize, a_pLine,
                                 &uDisplacement))
        {
            if (a_pDisplacement)
                *a_pDisplacement = uBack ? uBack : uDisplacement;
            return true;
        }
    }
    return false;
}

#include <vellmark/crashhandler/GetLoadedModules.h>

#include <vellmark/crashhandler/BSUFunctions.h>
#include <vellmark/crashhandler/DiagAssert.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/platform/oe_memprobe.h>
#include <vellmark/platform/oe_systeminfo.h>

namespace
{
    constexpr char const * kModule = "crashhandler/GetLoadedModules";
    constexpr unsigned long kErrorInvalidParameter = 87;
    constexpr unsigned long kErrorInsufficientBuffer = 122;

    bool IsOwnProcess(unsigned long a_uProcessId)
    {
        return a_uProcessId == 0 || a_uProcessId == OEGetCurrentProcessId();
    }
} // namespace

int GetLoadedModules(unsigned long a_uProcessId, unsigned int a_uSize, HMODULE * a_pModules,
                     unsigned int * a_puRealCount)
{
    OE_ASSERT_TEXT(a_puRealCount != nullptr, "0 != puiRealCount", kModule);
    bool const bCountWritable = a_puRealCount && !OEIsBadWritePtr(a_puRealCount, sizeof(unsigned int));
    OE_ASSERT_TEXT(!a_puRealCount || bCountWritable, "0 == IsBadWritePtr ( puiRealCount , sizeof ( UINT ) )", kModule);
    if (bCountWritable)
        *a_puRealCount = 0; // set on every road where it can be
    bool const bArrayWritable = !OEIsBadWritePtr(a_pModules, a_uSize * sizeof(HMODULE));
    OE_ASSERT_TEXT(bArrayWritable, "0 == IsBadWritePtr ( pModArray , uiCount * sizeof ( HMODULE ) )", kModule);
    if (!bCountWritable || !bArrayWritable)
    {
        OESetLastError(kErrorInvalidParameter);
        return 0;
    }
    if (!IsOwnProcess(a_uProcessId))
    {
        DiagOutput("Unable to get module snapshot for %08X\n", static_cast<unsigned int>(a_uProcessId));
        return 0;
    }
    unsigned int const uCount = OEEnumProcessModules(a_pModules, a_uSize);
    *a_puRealCount = uCount;
    if (a_uSize != 0 && uCount > a_uSize)
    {
        DiagOutput("Buffer to small in TLHELPGetLoadedModules\n");
        OESetLastError(kErrorInsufficientBuffer);
        return 0;
    }
    return 1;
}

unsigned long CHGetModuleBaseName(HANDLE, HMODULE a_hModule, char * a_pcName, unsigned long a_uSize)
{
    return BSUGetModuleBaseName(a_hModule, a_pcName, a_uSize);
}

bool IsNT()
{
    static bool const s_bIsNT = true;
    return s_bIsNT;
}

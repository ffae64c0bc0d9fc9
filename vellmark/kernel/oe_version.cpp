#include <vellmark/kernel/oe_version.h>
#include <vellmark/kernel/oe_basemem.h>
#include <vellmark/platform/oe_module.h>
#include <vellmark/platform/oe_versioninfo.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <climits>

// Calls into other modules through a type of our own, which sanitizers that
// compare it with the callee's definition would refuse.
#if defined(__clang__)
#define OE_FOREIGN_CALL __attribute__((no_sanitize("function")))
#else
#define OE_FOREIGN_CALL
#endif

namespace
{
    constexpr unsigned long kResultSize = 256;
    constexpr unsigned long kCutLength = 250;
    constexpr unsigned long kMaxPath = 260;

    char g_carrVersionResult[kResultSize];

    // The tokeniser keeps its position per thread, as the runtime's does.
    thread_local char * g_pcTokenPosition = nullptr;

    char * NextToken(char * a_pcText)
    {
        return strtok_r(a_pcText, ",", &g_pcTokenPosition);
    }

    // Decimal, leading blanks skipped, stops at the first non-digit; out-of-range
    // values saturate as the runtime's conversion does. The result wraps at 32 bits.
    unsigned long ToNumber(char const * a_pcToken)
    {
        long long const iValue = std::strtoll(a_pcToken, nullptr, 10);
        long long const iClamped = iValue > INT_MAX ? INT_MAX : (iValue < INT_MIN ? INT_MIN : iValue);
        return static_cast<uint32_t>(static_cast<int32_t>(iClamped));
    }

    void Store(unsigned long * a_puTarget, unsigned long a_uValue)
    {
        if (a_puTarget)
            *a_puTarget = a_uValue;
    }

    // "\StringFileInfo\<language><code page>\FileVersion" for the first
    // translation, or for the user's language with code page 04B0 when the
    // resource names none.
    void BuildFileVersionPath(void * a_pBlock, char * a_pcPath, unsigned long a_uSize)
    {
        void * pValue = nullptr;
        unsigned int uLength = 0;
        if (OEVerQueryValue(a_pBlock, "\\VarFileInfo\\Translation", &pValue, &uLength) && uLength == 4)
        {
            auto const * pBytes = static_cast<unsigned char const *>(pValue);
            uint32_t const uWord = pBytes[0] | (pBytes[1] << 8) | (pBytes[2] << 16) | (uint32_t(pBytes[3]) << 24);
            std::snprintf(a_pcPath, a_uSize, "\\StringFileInfo\\%02X%02X%02X%02X\\FileVersion", (uWord >> 8) & 0xFF,
                          uWord & 0xFF, (uWord >> 24) & 0xFF, (uWord >> 16) & 0xFF);
            return;
        }
        std::snprintf(a_pcPath, a_uSize, "\\StringFileInfo\\%04X04B0\\FileVersion", OEGetUserDefaultLangID());
    }

    // A module declares its export in its own words (its own record type, a
    // 32- or 64-bit result), so the call's type cannot match the definition's
    // exactly; only the low 32 bits of the result count.
    OE_FOREIGN_CALL int32_t CallDllGetVersion(OEDllGetVersionProc a_pProc, bSDllVersionInfo & a_Info)
    {
        return a_pProc(&a_Info);
    }

    void CopyResult(char const * a_pcText, unsigned int a_uLength)
    {
        if (a_uLength < kResultSize)
        {
            std::memcpy(g_carrVersionResult, a_pcText, a_uLength);
            g_carrVersionResult[a_uLength] = 0;
            return;
        }
        std::memcpy(g_carrVersionResult, a_pcText, kCutLength);
        g_carrVersionResult[kCutLength] = 0;
    }
} // namespace

char * GetVersion(char const * a_pcFileName)
{
    unsigned long uHandle = 0;
    unsigned long const uSize = OEGetFileVersionInfoSize(a_pcFileName, &uHandle);
    if (!uSize)
        return nullptr;
    bCMemoryAdmin & MemoryAdmin = bCMemoryAdmin::GetInstance();
    void * pBlock = MemoryAdmin.Malloc(uSize + 1, 0, 0, -1);
    if (!pBlock)
        return nullptr;
    char * pcResult = nullptr;
    void * pValue = nullptr;
    unsigned int uLength = 0;
    if (OEGetFileVersionInfo(a_pcFileName, uHandle, uSize, pBlock))
    {
        BuildFileVersionPath(pBlock, g_carrVersionResult, kResultSize);
        if (OEVerQueryValue(pBlock, g_carrVersionResult, &pValue, &uLength))
        {
            CopyResult(static_cast<char const *>(pValue), uLength);
            pcResult = g_carrVersionResult;
        }
    }
    MemoryAdmin.Free(pBlock);
    return pcResult;
}

bool ParseVersionString(char * a_pcVersion, unsigned long * a_puMajor, unsigned long * a_puMinor,
                        unsigned long * a_puBuild, unsigned long * a_puRevision)
{
    if (!a_pcVersion)
        return false;
    unsigned long * arrTargets[3] = {a_puMajor, a_puMinor, a_puBuild};
    char * pcToken = NextToken(a_pcVersion);
    for (unsigned long * puTarget : arrTargets)
    {
        if (!pcToken)
            return false;
        Store(puTarget, ToNumber(pcToken));
        pcToken = NextToken(nullptr);
    }
    Store(a_puRevision, pcToken ? ToNumber(pcToken) : 0);
    return true;
}

bool CheckFileVersion(char const * a_pcFileName, unsigned long * a_puMajor, unsigned long * a_puMinor,
                      unsigned long * a_puBuild, unsigned long * a_puRevision)
{
    unsigned long uHandle = 0;
    unsigned long const uSize = OEGetFileVersionInfoSize(a_pcFileName, &uHandle);
    if (!uSize)
        return false;
    bCMemoryAdmin & MemoryAdmin = bCMemoryAdmin::GetInstance();
    void * pBlock = MemoryAdmin.Malloc(uSize, 0, 0, -1);
    if (!pBlock)
        return false;
    bool bResult = false;
    if (OEGetFileVersionInfo(a_pcFileName, uHandle, uSize, pBlock))
    {
        char * pcVersion = GetVersion(a_pcFileName);
        bResult = pcVersion && ParseVersionString(pcVersion, a_puMajor, a_puMinor, a_puBuild, a_puRevision);
    }
    MemoryAdmin.Free(pBlock);
    return bResult;
}

int GetDLLVersion(char const * a_pcModuleName, unsigned long * a_puMajor, unsigned long * a_puMinor,
                  unsigned long * a_puBuild, unsigned long * a_puRevision)
{
    char carrPath[kMaxPath];
    if (!a_pcModuleName || std::strlen(a_pcModuleName) >= kMaxPath)
        return 0;
    std::memcpy(carrPath, a_pcModuleName, std::strlen(a_pcModuleName) + 1);
    OEHModule const hModule = OELoadModule(carrPath);
    if (hModule)
    {
        auto const pProc = reinterpret_cast<OEDllGetVersionProc>(OEGetModuleProc(hModule, "DllGetVersion"));
        bSDllVersionInfo Info = {};
        Info.m_u32Size = sizeof(Info);
        if (pProc && CallDllGetVersion(pProc, Info) >= 0)
        {
            Store(a_puMajor, Info.m_u32MajorVersion);
            Store(a_puMinor, Info.m_u32MinorVersion);
            Store(a_puBuild, Info.m_u32BuildNumber);
            Store(a_puRevision, Info.m_u32PlatformID);
            OEFreeModule(hModule);
            return 1;
        }
        OEFreeModule(hModule);
    }
    return CheckFileVersion(a_pcModuleName, a_puMajor, a_puMinor, a_puBuild, a_puRevision) ? 1 : 0;
}

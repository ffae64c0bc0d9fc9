// A client module for the version tests, built in three forms: exporting a
// "DllGetVersion" that succeeds, one that fails, and none at all.

#include <vellmark/platform/oe_module.h>

extern "C" __attribute__((visibility("default"))) int VellmarkTestModuleMarker()
{
    return 1;
}

#ifdef VELLMARK_TEST_EXPORT_DLLGETVERSION
extern "C" __attribute__((visibility("default"))) int32_t DllGetVersion(bSDllVersionInfo * a_pInfo)
{
    // The caller hands over a zeroed record that names its own size.
    if (a_pInfo->m_u32Size != 20 || a_pInfo->m_u32MajorVersion || a_pInfo->m_u32MinorVersion ||
        a_pInfo->m_u32BuildNumber || a_pInfo->m_u32PlatformID)
        return static_cast<int32_t>(0x80070057); // invalid argument
#ifdef VELLMARK_TEST_DLLGETVERSION_FAILS
    a_pInfo->m_u32MajorVersion = 99;
    return static_cast<int32_t>(0x80004005); // unspecified failure
#else
    a_pInfo->m_u32MajorVersion = 7;
    a_pInfo->m_u32MinorVersion = 8;
    a_pInfo->m_u32BuildNumber = 9;
    a_pInfo->m_u32PlatformID = 2;
    return 0;
#endif
}
#endif

// A client module for the version tests, built in three forms: exporting a
// "DllGetVersion" that succeeds, one that fails, and none at all. It declares
// the export in its own words, as a module that does not share the library's
// headers would: its own record, a long result.

#include <cstdint>

extern "C" __attribute__((visibility("default"))) int VellmarkTestModuleMarker()
{
    return 1;
}

#ifdef VELLMARK_TEST_EXPORT_DLLGETVERSION
struct ModuleVersionRecord
{
    uint32_t cbSize, dwMajorVersion, dwMinorVersion, dwBuildNumber, dwPlatformID;
};

extern "C" __attribute__((visibility("default"))) long DllGetVersion(ModuleVersionRecord * a_pInfo)
{
    // The caller hands over a zeroed record that names its own size.
    if (a_pInfo->cbSize != 20 || a_pInfo->dwMajorVersion || a_pInfo->dwMinorVersion || a_pInfo->dwBuildNumber ||
        a_pInfo->dwPlatformID)
        return static_cast<int32_t>(0x80070057); // invalid argument
#ifdef VELLMARK_TEST_DLLGETVERSION_FAILS
    a_pInfo->dwMajorVersion = 99;
    return static_cast<int32_t>(0x80004005); // unspecified failure
#else
    a_pInfo->dwMajorVersion = 7;
    a_pInfo->dwMinorVersion = 8;
    a_pInfo->dwBuildNumber = 9;
    a_pInfo->dwPlatformID = 2;
    return 0;
#endif
}
#endif

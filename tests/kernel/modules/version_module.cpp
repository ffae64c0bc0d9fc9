// A client module for the version tests, built in three forms: exporting a
// "DllGetVersion" that succeeds, one that fails, and none at all.

#include <cstdint>

namespace
{
    constexpr int32_t kInvalidArgument = static_cast<int32_t>(0x80070057);
    constexpr int32_t kFailure = static_cast<int32_t>(0x80004005);
} // namespace

extern "C" __attribute__((visibility("default"))) int VellmarkTestModuleMarker()
{
    return 1;
}

#ifdef VELLMARK_TEST_EXPORT_DLLGETVERSION
extern "C" __attribute__((visibility("default"))) int32_t DllGetVersion(uint32_t * a_pInfo)
{
    // The caller hands over a zeroed record that names its own size.
    if (a_pInfo[0] != 20 || a_pInfo[1] || a_pInfo[2] || a_pInfo[3] || a_pInfo[4])
        return kInvalidArgument;
#ifdef VELLMARK_TEST_DLLGETVERSION_FAILS
    a_pInfo[1] = 99;
    return kFailure;
#else
    a_pInfo[1] = 7;
    a_pInfo[2] = 8;
    a_pInfo[3] = 9;
    a_pInfo[4] = 2; // platform identifier
    return 0;
#endif
}
#endif

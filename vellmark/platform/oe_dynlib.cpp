#include <vellmark/platform/oe_dynlib.h>

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

void * OELoadLibrary(char const * a_pcName)
{
    if (!a_pcName || !*a_pcName)
        return nullptr;
    if (void * hLibrary = dlopen(a_pcName, RTLD_NOW | RTLD_LOCAL))
        return hLibrary;
    size_t const uLength = std::strlen(a_pcName);
    if (uLength < 5 || uLength > 400 || strcasecmp(a_pcName + uLength - 4, ".dll") != 0 || std::strchr(a_pcName, '/'))
        return nullptr;
    char carrName[416];
    std::snprintf(carrName, sizeof(carrName), "lib%.*s.so", static_cast<int>(uLength - 4), a_pcName);
    return dlopen(carrName, RTLD_NOW | RTLD_LOCAL);
}

void * OEGetProcAddress(void * a_hLibrary, char const * a_pcName)
{
    return (a_hLibrary && a_pcName) ? dlsym(a_hLibrary, a_pcName) : nullptr;
}

void OEFreeLibrary(void * a_hLibrary)
{
    if (a_hLibrary)
        dlclose(a_hLibrary);
}

bool OEGetModuleDirectoryOf(void const * a_pAddress, char * a_pcDir, unsigned long a_uSize)
{
    Dl_info Info{};
    if (!a_pcDir || a_uSize == 0 || !dladdr(a_pAddress, &Info) || !Info.dli_fname)
        return false;
    char const * pcSlash = std::strrchr(Info.dli_fname, '/');
    size_t const uLength = pcSlash ? static_cast<size_t>(pcSlash - Info.dli_fname) : 0;
    if (!pcSlash || uLength >= a_uSize)
        return false;
    std::memcpy(a_pcDir, Info.dli_fname, uLength);
    a_pcDir[uLength] = 0;
    return true;
}

#include <vellmark/platform/oe_module.h>

#include <vellmark/platform/oe_systeminfo.h>

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstring>
#include <string>

namespace
{
    bool EqualsNoCase(char const * a_pcLeft, char const * a_pcRight)
    {
        for (; *a_pcLeft && *a_pcRight; ++a_pcLeft, ++a_pcRight)
        {
            char cLeft = *a_pcLeft, cRight = *a_pcRight;
            if (cLeft >= 'A' && cLeft <= 'Z')
                cLeft = static_cast<char>(cLeft - 'A' + 'a');
            if (cRight >= 'A' && cRight <= 'Z')
                cRight = static_cast<char>(cRight - 'A' + 'a');
            if (cLeft != cRight)
                return false;
        }
        return *a_pcLeft == *a_pcRight;
    }

    bool HasDllSuffix(std::string const & a_strName)
    {
        return a_strName.size() > 4 && EqualsNoCase(a_strName.c_str() + a_strName.size() - 4, ".dll");
    }

    // "dir/X.dll" becomes "dir/libX.so".
    std::string ToSharedObjectName(std::string const & a_strName)
    {
        std::string::size_type const uSlash = a_strName.rfind('/');
        std::string::size_type const uBase = uSlash == std::string::npos ? 0 : uSlash + 1;
        return a_strName.substr(0, uBase) + "lib" + a_strName.substr(uBase, a_strName.size() - uBase - 4) + ".so";
    }

    bool IsOwnModuleName(char const * a_pcName)
    {
        return EqualsNoCase(a_pcName, "vellmark.dll");
    }

    // The file this library was loaded from: the loader knows it by the address of
    // any of its own objects. A hidden one, since an exported function's address may
    // be the program's call stub.
    char const g_cOwnAnchor = 0;

    char const * OwnModulePath()
    {
        Dl_info Info;
        if (!dladdr(&g_cOwnAnchor, &Info) || !Info.dli_fname)
            return nullptr;
        return Info.dli_fname;
    }

    std::string PathOfHandle(void * a_pHandle)
    {
        struct link_map * pMap = nullptr;
        if (!a_pHandle || dlinfo(a_pHandle, RTLD_DI_LINKMAP, &pMap) != 0 || !pMap || !pMap->l_name)
            return std::string();
        return pMap->l_name;
    }

    // Asks the loader where it finds a module: a loaded one first, so that nothing
    // runs, else by loading it for the moment.
    std::string LoaderPath(std::string const & a_strName)
    {
        void * pHandle = dlopen(a_strName.c_str(), RTLD_LAZY | RTLD_LOCAL | RTLD_NOLOAD);
        if (!pHandle)
            pHandle = dlopen(a_strName.c_str(), RTLD_LAZY | RTLD_LOCAL);
        std::string strPath = PathOfHandle(pHandle);
        if (pHandle)
            dlclose(pHandle);
        return strPath;
    }

    std::string FindModuleFile(char const * a_pcName)
    {
        if (IsOwnModuleName(a_pcName))
        {
            char const * pcOwn = OwnModulePath();
            return pcOwn ? pcOwn : "";
        }
        std::string const strName = a_pcName;
        if (access(a_pcName, R_OK) == 0)
            return strName;
        if (HasDllSuffix(strName) && access(ToSharedObjectName(strName).c_str(), R_OK) == 0)
            return ToSharedObjectName(strName);
        std::string strPath = LoaderPath(strName);
        if (strPath.empty() && HasDllSuffix(strName))
            strPath = LoaderPath(ToSharedObjectName(strName));
        return strPath;
    }
    std::string ProgramDirectory()
    {
        char carrPath[4096];
        if (!OEGetProgramPath(carrPath, sizeof(carrPath)))
            return std::string();
        std::string const strPath = carrPath;
        return strPath.substr(0, strPath.rfind('/'));
    }

    void * LoadFromDirectory(std::string const & a_strDir, std::string const & a_strName)
    {
        void * pHandle = dlopen((a_strDir + "/" + a_strName).c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!pHandle && HasDllSuffix(a_strName))
            pHandle = dlopen((a_strDir + "/" + ToSharedObjectName(a_strName)).c_str(), RTLD_NOW | RTLD_LOCAL);
        return pHandle;
    }
} // namespace

OEHModule OELoadModule(char const * a_pcModuleName)
{
    if (!a_pcModuleName || !*a_pcModuleName)
        return nullptr;
    if (IsOwnModuleName(a_pcModuleName))
    {
        char const * pcOwn = OwnModulePath();
        return pcOwn ? dlopen(pcOwn, RTLD_NOW | RTLD_NOLOAD) : nullptr;
    }
    // The original platform resolves every import at load time.
    void * pHandle = dlopen(a_pcModuleName, RTLD_NOW | RTLD_LOCAL);
    std::string const strName = a_pcModuleName;
    if (!pHandle && HasDllSuffix(strName))
        pHandle = dlopen(ToSharedObjectName(strName).c_str(), RTLD_NOW | RTLD_LOCAL);
    // A bare name is also looked for where the original loader looks: the
    // program's own folder, then the current one.
    if (!pHandle && strName.find('/') == std::string::npos)
        for (std::string const & strDir : {ProgramDirectory(), std::string(".")})
            if (!strDir.empty() && (pHandle = LoadFromDirectory(strDir, strName)) != nullptr)
                break;
    return pHandle;
}

OEFarProc OEGetModuleProc(OEHModule a_hModule, char const * a_pcProcName)
{
    if (!a_hModule || !a_pcProcName)
        return nullptr;
    return reinterpret_cast<OEFarProc>(dlsym(a_hModule, a_pcProcName));
}

bool OEFreeModule(OEHModule a_hModule)
{
    return a_hModule && dlclose(a_hModule) == 0;
}

bool OEFindModuleFile(char const * a_pcModuleName, char * a_pcPath, unsigned long a_uPathSize)
{
    if (!a_pcModuleName || !*a_pcModuleName || !a_pcPath || !a_uPathSize)
        return false;
    std::string const strPath = FindModuleFile(a_pcModuleName);
    if (strPath.empty() || strPath.size() >= a_uPathSize)
        return false;
    std::memcpy(a_pcPath, strPath.c_str(), strPath.size() + 1);
    return true;
}

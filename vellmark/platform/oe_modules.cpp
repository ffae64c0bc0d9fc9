#include <vellmark/platform/oe_modules.h>

#include <vellmark/platform/oe_textcopy.h>

#include <cstring>
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

namespace
{
    struct bSModuleSpan
    {
        uintptr_t m_uLow = 0;
        uintptr_t m_uHigh = 0;
    };

    bSModuleSpan SpanOf(dl_phdr_info const & a_Info)
    {
        bSModuleSpan Span;
        Span.m_uLow = UINTPTR_MAX;
        for (int i = 0; i < a_Info.dlpi_phnum; ++i)
        {
            ElfW(Phdr) const & Header = a_Info.dlpi_phdr[i];
            if (Header.p_type != PT_LOAD)
                continue;
            uintptr_t const uStart = a_Info.dlpi_addr + Header.p_vaddr;
            Span.m_uLow = uStart < Span.m_uLow ? uStart : Span.m_uLow;
            Span.m_uHigh = uStart + Header.p_memsz > Span.m_uHigh ? uStart + Header.p_memsz : Span.m_uHigh;
        }
        if (Span.m_uLow == UINTPTR_MAX)
            Span.m_uLow = 0;
        return Span;
    }

    template <typename FUNC> void ForEachModule(FUNC a_funcVisit)
    {
        dl_iterate_phdr(
            [](dl_phdr_info * a_pInfo, size_t, void * a_pData) -> int {
                return (*static_cast<FUNC *>(a_pData))(*a_pInfo, SpanOf(*a_pInfo)) ? 1 : 0;
            },
            &a_funcVisit);
    }

} // namespace

unsigned int OEEnumProcessModules(HMODULE * a_pModules, unsigned int a_uSize)
{
    unsigned int uCount = 0;
    ForEachModule([&](dl_phdr_info const &, bSModuleSpan const & a_Span) {
        if (a_Span.m_uHigh == 0)
            return false;
        if (a_pModules && uCount < a_uSize)
            a_pModules[uCount] = reinterpret_cast<HMODULE>(a_Span.m_uLow);
        ++uCount;
        return false;
    });
    return uCount;
}

HMODULE OEGetModuleOfAddress(void const * a_pAddress)
{
    uintptr_t const uAddress = reinterpret_cast<uintptr_t>(a_pAddress);
    HMODULE hFound = nullptr;
    ForEachModule([&](dl_phdr_info const & a_Info, bSModuleSpan const & a_Span) {
        if (uAddress < a_Span.m_uLow || uAddress >= a_Span.m_uHigh)
            return false;
        for (int i = 0; i < a_Info.dlpi_phnum; ++i)
        {
            ElfW(Phdr) const & Header = a_Info.dlpi_phdr[i];
            uintptr_t const uStart = a_Info.dlpi_addr + Header.p_vaddr;
            if (Header.p_type == PT_LOAD && uAddress >= uStart && uAddress < uStart + Header.p_memsz)
                hFound = reinterpret_cast<HMODULE>(a_Span.m_uLow);
        }
        return hFound != nullptr;
    });
    return hFound;
}

unsigned long OEGetModuleFileName(HMODULE a_hModule, char * a_pcName, unsigned long a_uSize)
{
    unsigned long uWritten = 0;
    bool bFirst = true;
    ForEachModule([&](dl_phdr_info const & a_Info, bSModuleSpan const & a_Span) {
        bool const bMain = bFirst;
        bFirst = false;
        if (reinterpret_cast<HMODULE>(a_Span.m_uLow) != a_hModule || a_Span.m_uHigh == 0)
            return false;
        char carrExe[4096];
        if (bMain || !a_Info.dlpi_name || !*a_Info.dlpi_name)
        {
            ssize_t const iLength = bMain ? readlink("/proc/self/exe", carrExe, sizeof(carrExe) - 1) : -1;
            carrExe[iLength > 0 ? iLength : 0] = 0;
            uWritten = OECopyTextCut(iLength > 0 ? carrExe : "linux-vdso.so.1", a_pcName, a_uSize);
        }
        else
            uWritten = OECopyTextCut(a_Info.dlpi_name, a_pcName, a_uSize);
        return true;
    });
    return uWritten;
}

HMODULE OEGetMainModule()
{
    HMODULE hMain = nullptr;
    ForEachModule([&](dl_phdr_info const &, bSModuleSpan const & a_Span) {
        hMain = reinterpret_cast<HMODULE>(a_Span.m_uLow);
        return true;
    });
    return hMain;
}

unsigned long OEGetModuleSize(HMODULE a_hModule)
{
    unsigned long uSize = 0;
    ForEachModule([&](dl_phdr_info const &, bSModuleSpan const & a_Span) {
        if (reinterpret_cast<HMODULE>(a_Span.m_uLow) != a_hModule)
            return false;
        uSize = a_Span.m_uHigh - a_Span.m_uLow;
        return true;
    });
    return uSize;
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

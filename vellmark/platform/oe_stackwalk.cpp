#include <vellmark/platform/oe_stackwalk.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <initializer_list>
#include <dlfcn.h>
#include <execinfo.h>
#include <unistd.h>

#if defined(OE_HAVE_LIBDW) && __has_include(<elfutils/libdwfl.h>)
#include <elfutils/libdw.h>
#include <elfutils/libdwfl.h>
#define OE_USE_LIBDW 1
#endif

namespace
{
    void CopyCut(char const * a_pcText, char * a_pcDest, unsigned long a_uSize)
    {
        if (!a_pcDest || a_uSize == 0)
            return;
        std::strncpy(a_pcDest, a_pcText, a_uSize - 1);
        a_pcDest[a_uSize - 1] = 0;
    }

    // The stack texts add their own "()" after a name, so the name comes
    // without its parameter list.
    void CopyDemangled(char const * a_pcMangled, char * a_pcName, unsigned long a_uSize)
    {
        int iStatus = -1;
        char * pcPlain = abi::__cxa_demangle(a_pcMangled, nullptr, nullptr, &iStatus);
        if (iStatus == 0 && pcPlain)
            OEStripParameterList(pcPlain);
        CopyCut(iStatus == 0 && pcPlain ? pcPlain : a_pcMangled, a_pcName, a_uSize);
        std::free(pcPlain);
    }

    // The length of a_pcName[0, a_uEnd) without one trailing cv or reference
    // qualifier (and the blanks before it); a_uEnd when there is none.
    std::size_t WithoutQualifier(char const * a_pcName, std::size_t a_uEnd)
    {
        for (char const * pcQualifier : {"const", "volatile", "&&", "&"})
        {
            std::size_t const uLength = std::strlen(pcQualifier);
            if (a_uEnd < uLength || std::memcmp(a_pcName + a_uEnd - uLength, pcQualifier, uLength) != 0)
                continue;
            std::size_t uRest = a_uEnd - uLength;
            while (uRest > 0 && a_pcName[uRest - 1] == ' ')
                --uRest;
            return uRest;
        }
        return a_uEnd;
    }

#ifdef OE_USE_LIBDW
    Dwfl * s_pSession = nullptr;

    Dwfl * Session(bool a_bRefresh)
    {
        static Dwfl_Callbacks const s_Callbacks = {dwfl_linux_proc_find_elf, dwfl_standard_find_debuginfo, nullptr,
                                                   nullptr};
        if (s_pSession && !a_bRefresh)
            return s_pSession;
        if (s_pSession)
            dwfl_end(s_pSession);
        s_pSession = dwfl_begin(&s_Callbacks);
        if (s_pSession &&
            (dwfl_linux_proc_report(s_pSession, getpid()) != 0 || dwfl_report_end(s_pSession, nullptr, nullptr) != 0))
        {
            dwfl_end(s_pSession);
            s_pSession = nullptr;
        }
        return s_pSession;
    }

    // Modules loaded after the session began are found by starting it anew.
    Dwfl_Module * ModuleOf(Dwarf_Addr a_uAddress)
    {
        Dwfl * pSession = Session(false);
        Dwfl_Module * pModule = pSession ? dwfl_addrmodule(pSession, a_uAddress) : nullptr;
        if (!pModule && (pSession = Session(true)))
            pModule = dwfl_addrmodule(pSession, a_uAddress);
        return pModule;
    }
#endif
} // namespace

int OECaptureStackBackTrace(void ** a_ppFrames, int a_iMax)
{
    if (!a_ppFrames || a_iMax <= 0)
        return 0;
    void * arrFrames[600];
    int const iWanted = a_iMax + 1 < 600 ? a_iMax + 1 : 600;
    int const iCount = backtrace(arrFrames, iWanted);
    for (int i = 1; i < iCount; ++i)
        a_ppFrames[i - 1] = arrFrames[i];
    return iCount > 0 ? iCount - 1 : 0;
}

bool OEGetSymbolFromAddress(void const * a_pAddress, char * a_pcName, unsigned long a_uSize,
                            unsigned long * a_pDisplacement)
{
#ifdef OE_USE_LIBDW
    Dwarf_Addr const uAddress = reinterpret_cast<Dwarf_Addr>(a_pAddress);
    if (Dwfl_Module * pModule = ModuleOf(uAddress))
    {
        GElf_Off uOffset = 0;
        GElf_Sym Symbol;
        if (char const * pcName = dwfl_module_addrinfo(pModule, uAddress, &uOffset, &Symbol, nullptr, nullptr, nullptr))
        {
            // Versioned names ("name@@GLIBC_2.34") are shown without their version.
            char carrName[1024];
            std::strncpy(carrName, pcName, sizeof(carrName) - 1);
            carrName[sizeof(carrName) - 1] = 0;
            carrName[std::strcspn(carrName, "@")] = 0;
            CopyDemangled(carrName, a_pcName, a_uSize);
            if (a_pDisplacement)
                *a_pDisplacement = uOffset;
            return true;
        }
    }
#endif
    Dl_info Info{};
    if (!dladdr(a_pAddress, &Info) || !Info.dli_sname)
        return false;
    CopyDemangled(Info.dli_sname, a_pcName, a_uSize);
    if (a_pDisplacement)
        *a_pDisplacement = static_cast<char const *>(a_pAddress) - static_cast<char const *>(Info.dli_saddr);
    return true;
}

bool OEGetLineFromAddress(void const * a_pAddress, char * a_pcFile, unsigned long a_uSize, unsigned long * a_pLine,
                          unsigned long * a_pDisplacement)
{
#ifdef OE_USE_LIBDW
    Dwarf_Addr const uAddress = reinterpret_cast<Dwarf_Addr>(a_pAddress);
    Dwfl_Module * pModule = ModuleOf(uAddress);
    unsigned long long uLineAddress = 0;
    int iLine = 0;
    char const * pcFile = nullptr;
    if (!pModule || !OEFindSourceLine(pModule, uAddress, &pcFile, &iLine, &uLineAddress))
        return false;
    CopyCut(pcFile, a_pcFile, a_uSize);
    if (a_pLine)
        *a_pLine = static_cast<unsigned long>(iLine);
    if (a_pDisplacement)
        *a_pDisplacement = uAddress - uLineAddress;
    return true;
#else
    (void)a_pAddress, (void)a_pcFile, (void)a_uSize, (void)a_pLine, (void)a_pDisplacement;
    return false;
#endif
}

void OEStripParameterList(char * a_pcName)
{
    if (!a_pcName)
        return;
    std::size_t uEnd = std::strlen(a_pcName);
    for (std::size_t uShorter = WithoutQualifier(a_pcName, uEnd); uShorter != uEnd;
         uShorter = WithoutQualifier(a_pcName, uEnd))
        uEnd = uShorter;
    if (uEnd == 0 || a_pcName[uEnd - 1] != ')')
        return; // no parameter list: a C name stays as it is
    int iDepth = 0;
    for (std::size_t u = uEnd; u-- > 0;)
    {
        if (a_pcName[u] == ')')
            ++iDepth;
        else if (a_pcName[u] == '(' && --iDepth == 0)
        {
            a_pcName[u] = 0;
            return;
        }
    }
}

bool OEFindSourceLine(void * a_pDwflModule, unsigned long long a_uAddress, char const ** a_ppcFile, int * a_piLine,
                      unsigned long long * a_puLineAddress)
{
#ifdef OE_USE_LIBDW
    Dwfl_Module * pModule = static_cast<Dwfl_Module *>(a_pDwflModule);
    Dwarf_Addr uLineAddress = 0;
    char const * pcFile = nullptr;
    if (Dwfl_Line * pLine = dwfl_module_getsrc(pModule, a_uAddress))
        pcFile = dwfl_lineinfo(pLine, &uLineAddress, a_piLine, nullptr, nullptr, nullptr);
    else
    {
        // Units without an address-range table (clang leaves it out) are found by their own ranges.
        Dwarf_Addr uBias = 0;
        for (Dwarf_Die * pUnit = dwfl_module_nextcu(pModule, nullptr, &uBias); pUnit && !pcFile;
             pUnit = dwfl_module_nextcu(pModule, pUnit, &uBias))
            if (dwarf_haspc(pUnit, a_uAddress - uBias) > 0)
                if (Dwarf_Line * pLine = dwarf_getsrc_die(pUnit, a_uAddress - uBias))
                {
                    pcFile = dwarf_linesrc(pLine, nullptr, nullptr);
                    dwarf_lineno(pLine, a_piLine);
                    dwarf_lineaddr(pLine, &uLineAddress);
                    uLineAddress += uBias;
                }
    }
    if (!pcFile)
        return false;
    *a_ppcFile = pcFile;
    *a_puLineAddress = uLineAddress;
    return true;
#else
    (void)a_pDwflModule, (void)a_uAddress, (void)a_ppcFile, (void)a_piLine, (void)a_puLineAddress;
    return false;
#endif
}

bool OEHasLineInformation()
{
#ifdef OE_USE_LIBDW
    return true;
#else
    return false;
#endif
}

// Prints a crash dump written by the crash filter: the exception, the
// registers and the call stack, symbolised with function, source file and line
// wherever the module files can be found (at their recorded paths or in the
// folders given), and the module list.
//
//   vellmark-dump FILE.dmp [--modules DIR ...]

#include "oe_dumpreader.h"

#include <vellmark/crashhandler/CrashHandler.h>
#include <vellmark/platform/oe_stackwalk.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cxxabi.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifdef OE_HAVE_LIBDW
#include <elfutils/libdwfl.h>
#endif

namespace
{
    namespace fs = std::filesystem;

    char const * const kRegisterNames[18] = {"RAX", "RBX", "RCX", "RDX", "RSI", "RDI", "RBP", "RSP", "R8",
                                             "R9",  "R10", "R11", "R12", "R13", "R14", "R15", "RIP", "EFL"};
    char const * const kSegmentNames[6] = {"CS", "DS", "ES", "FS", "GS", "SS"};

    // The module file: at its recorded path, else by its file name in a folder given.
    std::string FindModuleFile(std::string const & a_strPath, std::vector<std::string> const & a_arrFolders)
    {
        std::error_code Error;
        if (!a_strPath.empty() && fs::is_regular_file(a_strPath, Error))
            return a_strPath;
        std::string const strName = fs::path(a_strPath).filename().string();
        for (std::string const & strFolder : a_arrFolders)
            if (!strName.empty() && fs::is_regular_file(fs::path(strFolder) / strName, Error))
                return (fs::path(strFolder) / strName).string();
        return std::string();
    }

    bSDumpModule const * ModuleOf(bSDump const & a_Dump, uint64_t a_uAddress)
    {
        for (bSDumpModule const & Module : a_Dump.m_arrModules)
            if (a_uAddress >= Module.m_uBase && a_uAddress - Module.m_uBase < Module.m_uSize)
                return &Module;
        return nullptr;
    }

    std::string Demangled(char const * a_pcName)
    {
        int iStatus = -1;
        char * pcPlain = abi::__cxa_demangle(a_pcName, nullptr, nullptr, &iStatus);
        std::string strName = iStatus == 0 && pcPlain ? pcPlain : a_pcName;
        std::free(pcPlain);
        return strName;
    }

    // Symbols and lines from the module files, placed where the dump saw them.
    class bCSymbolizer
    {
    public:
        bCSymbolizer(bSDump const & a_Dump, std::vector<std::string> const & a_arrFolders)
        {
#ifdef OE_HAVE_LIBDW
            static Dwfl_Callbacks const s_Callbacks = {dwfl_build_id_find_elf, dwfl_standard_find_debuginfo, nullptr,
                                                       nullptr};
            m_pSession = dwfl_begin(&s_Callbacks);
            if (!m_pSession)
                return;
            dwfl_report_begin(m_pSession);
            for (bSDumpModule const & Module : a_Dump.m_arrModules)
            {
                std::string const strFile = FindModuleFile(Module.m_strPath, a_arrFolders);
                if (!strFile.empty())
                    dwfl_report_elf(m_pSession, Module.m_strPath.c_str(), strFile.c_str(), -1, Module.m_uBase, false);
            }
            dwfl_report_end(m_pSession, nullptr, nullptr);
#else
            (void)a_Dump, (void)a_arrFolders;
#endif
        }
        ~bCSymbolizer()
        {
#ifdef OE_HAVE_LIBDW
            if (m_pSession)
                dwfl_end(m_pSession);
#endif
        }
        bCSymbolizer(bCSymbolizer const &) = delete;
        bCSymbolizer & operator=(bCSymbolizer const &) = delete;

        // "function+0x12 at file:line", or "" when the module is not at hand.
        // a_bReturn: a return address, whose call lies one byte before it.
        std::string Describe(uint64_t a_uAddress, bool a_bReturn) const
        {
#ifdef OE_HAVE_LIBDW
            Dwfl_Module * pModule = m_pSession ? dwfl_addrmodule(m_pSession, a_uAddress) : nullptr;
            if (!pModule)
                return std::string();
            std::string strText;
            GElf_Off uOffset = 0;
            GElf_Sym Symbol;
            if (char const * pcName =
                    dwfl_module_addrinfo(pModule, a_uAddress, &uOffset, &Symbol, nullptr, nullptr, nullptr))
            {
                char carrOffset[32];
                std::snprintf(carrOffset, sizeof(carrOffset), "+0x%llx", static_cast<unsigned long long>(uOffset));
                std::string const strName(pcName, std::strcspn(pcName, "@")); // without a symbol version
                strText = Demangled(strName.c_str()) + carrOffset;
            }
            int iLine = 0;
            char const * pcFile = nullptr;
            unsigned long long uLineAddress = 0;
            if (OEFindSourceLine(pModule, a_bReturn ? a_uAddress - 1 : a_uAddress, &pcFile, &iLine, &uLineAddress))
                strText += (strText.empty() ? "at " : " at ") + std::string(pcFile) + ":" + std::to_string(iLine);
            return strText;
#else
            (void)a_uAddress, (void)a_bReturn;
            return std::string();
#endif
        }

    private:
#ifdef OE_HAVE_LIBDW
        Dwfl * m_pSession = nullptr;
#endif
    };

    void PrintException(bSDump const & a_Dump)
    {
        if (!a_Dump.m_bHasException)
            return;
        char const * pcName = GetExceptionName(a_Dump.m_uCode);
        std::printf("Exception: 0x%08X %s at 0x%016" PRIX64 "\n", a_Dump.m_uCode, pcName ? pcName : "(unknown)",
                    a_Dump.m_uAddress);
        if ((a_Dump.m_uCode == 0xC0000005u || a_Dump.m_uCode == 0xC0000006u) && a_Dump.m_arrParameters.size() >= 2)
        {
            uint64_t const uKind = a_Dump.m_arrParameters[0];
            char const * pcAccess = uKind == 0 ? "read" : uKind == 1 ? "write" : uKind == 8 ? "execute" : "unknown";
            std::printf("  %s access at 0x%016" PRIX64 "\n", pcAccess, a_Dump.m_arrParameters[1]);
        }
    }

    void PrintRegisters(bSDump const & a_Dump)
    {
        if (!a_Dump.m_bHasRegisters)
            return;
        std::printf("Registers:\n");
        for (int i = 0; i < 18; ++i)
            std::printf("  %-3s=%016" PRIX64 "%s", kRegisterNames[i], a_Dump.m_arrRegisters[i], i % 4 == 3 ? "\n" : "");
        std::printf("\n ");
        for (int i = 0; i < 6; ++i)
            std::printf(" %s=%04X", kSegmentNames[i], a_Dump.m_arrSegments[i]);
        std::printf("\n");
    }

    void PrintCallStack(bSDump const & a_Dump, bCSymbolizer const & a_Symbolizer)
    {
        std::printf("Call stack (%zu frames):\n", a_Dump.m_arrFrames.size());
        for (std::size_t i = 0; i < a_Dump.m_arrFrames.size(); ++i)
        {
            uint64_t const uAddress = a_Dump.m_arrFrames[i];
            std::printf("  #%-2zu 0x%016" PRIX64, i, uAddress);
            if (bSDumpModule const * pModule = ModuleOf(a_Dump, uAddress))
                std::printf(" %s+0x%" PRIx64, fs::path(pModule->m_strPath).filename().c_str(),
                            uAddress - pModule->m_uBase);
            std::string const strWhere = a_Symbolizer.Describe(uAddress, i > 0);
            std::printf("%s%s\n", strWhere.empty() ? "" : " ", strWhere.c_str());
        }
    }

    void PrintModules(bSDump const & a_Dump)
    {
        std::printf("Modules (%zu):\n", a_Dump.m_arrModules.size());
        for (bSDumpModule const & Module : a_Dump.m_arrModules)
            std::printf("  0x%016" PRIX64 " %10" PRIu64 " %s\n", Module.m_uBase, Module.m_uSize,
                        Module.m_strPath.c_str());
    }
} // namespace

int main(int a_iArgCount, char ** a_ppcArgs)
{
    std::string strFile;
    std::vector<std::string> arrFolders;
    for (int i = 1; i < a_iArgCount; ++i)
    {
        std::string const strArg = a_ppcArgs[i];
        if (strArg == "--modules")
            for (; i + 1 < a_iArgCount && a_ppcArgs[i + 1][0] != '-'; ++i)
                arrFolders.push_back(a_ppcArgs[i + 1]);
        else if (strFile.empty() && strArg[0] != '-')
            strFile = strArg;
        else
        {
            std::fprintf(stderr, "vellmark-dump: unknown argument %s\n", strArg.c_str());
            return 2;
        }
    }
    if (strFile.empty())
    {
        std::fprintf(stderr, "usage: vellmark-dump FILE.dmp [--modules DIR ...]\n");
        return 2;
    }
    std::ifstream File(strFile, std::ios::binary);
    if (!File)
    {
        std::fprintf(stderr, "vellmark-dump: cannot open %s\n", strFile.c_str());
        return 1;
    }
    std::vector<unsigned char> const arrBytes((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
    bSDump Dump;
    bool const bIntact = OEReadDump(arrBytes.data(), arrBytes.size(), Dump);
    std::printf("Dump: %s (version %u, %u sections)\n", strFile.c_str(), Dump.m_uVersion, Dump.m_uSectionCount);
    if (Dump.m_bHasProcess)
        std::printf("Process %u, thread %u\n", Dump.m_uProcessID, Dump.m_uThreadID);
    PrintException(Dump);
    PrintRegisters(Dump);
    bCSymbolizer const Symbolizer(Dump, arrFolders);
    PrintCallStack(Dump, Symbolizer);
    PrintModules(Dump);
    if (Dump.m_uStackBytes)
        std::printf("Stack memory: %" PRIu64 " bytes from 0x%016" PRIX64 "\n", Dump.m_uStackBytes, Dump.m_uStackStart);
    for (uint32_t uTag : Dump.m_arrSkippedTags)
        std::printf("Skipped a section of unknown tag %u\n", uTag);
    if (!bIntact)
    {
        std::printf("Damaged dump: %s\n", Dump.m_strDamage.c_str());
        return 1;
    }
    return 0;
}

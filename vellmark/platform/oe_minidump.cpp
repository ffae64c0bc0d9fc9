#include <vellmark/platform/oe_minidump.h>

#include <vellmark/platform/oe_memprobe.h>
#include <vellmark/platform/oe_modules.h>

#include <cstring>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace
{
    constexpr unsigned long kStackBytes = 16 * 1024;
    constexpr unsigned int kMaxModules = 512;

    // Collects one section in memory, so that its size is known before it goes out.
    class bCDumpSection
    {
    public:
        void Put(void const * a_pData, unsigned long a_uSize)
        {
            if (m_uSize + a_uSize > sizeof(m_arrBytes))
                return;
            std::memcpy(m_arrBytes + m_uSize, a_pData, a_uSize);
            m_uSize += a_uSize;
        }
        template <typename T> void PutValue(T a_Value) { Put(&a_Value, sizeof(a_Value)); }
        void Reset() { m_uSize = 0; }
        bool WriteTo(int a_iFile, uint32_t a_uTag) const
        {
            uint32_t const arrHead[2] = {a_uTag, static_cast<uint32_t>(m_uSize)};
            return write(a_iFile, arrHead, sizeof(arrHead)) == sizeof(arrHead) &&
                   write(a_iFile, m_arrBytes, m_uSize) == static_cast<ssize_t>(m_uSize);
        }

    private:
        unsigned char m_arrBytes[256 * 1024];
        unsigned long m_uSize = 0;
    };

    // Static: a crash may be reported on a small alternate signal stack.
    bCDumpSection s_Section;

    void PutException(bCDumpSection & a_Section, EXCEPTION_RECORD const & a_Record)
    {
        a_Section.PutValue<uint32_t>(a_Record.ExceptionCode);
        a_Section.PutValue<uint32_t>(a_Record.ExceptionFlags);
        a_Section.PutValue<uint64_t>(reinterpret_cast<uintptr_t>(a_Record.ExceptionAddress));
        uint32_t const uCount = a_Record.NumberParameters < 15 ? a_Record.NumberParameters : 15;
        a_Section.PutValue<uint32_t>(uCount);
        for (uint32_t i = 0; i < uCount; ++i)
            a_Section.PutValue<uint64_t>(a_Record.ExceptionInformation[i]);
    }

    void PutRegisters(bCDumpSection & a_Section, CONTEXT const & a_Context)
    {
        uint64_t const arrRegisters[] = {a_Context.Rax, a_Context.Rbx, a_Context.Rcx,   a_Context.Rdx, a_Context.Rsi,
                                         a_Context.Rdi, a_Context.Rbp, a_Context.Rsp,   a_Context.R8,  a_Context.R9,
                                         a_Context.R10, a_Context.R11, a_Context.R12,   a_Context.R13, a_Context.R14,
                                         a_Context.R15, a_Context.Rip, a_Context.EFlags};
        a_Section.Put(arrRegisters, sizeof(arrRegisters));
        uint16_t const arrSegments[] = {a_Context.SegCs, a_Context.SegDs, a_Context.SegEs,
                                        a_Context.SegFs, a_Context.SegGs, a_Context.SegSs};
        a_Section.Put(arrSegments, sizeof(arrSegments));
    }

    void PutCallStack(bCDumpSection & a_Section, CONTEXT const & a_Context)
    {
        void * const pFirst = reinterpret_cast<void *>(a_Context.Rip);
        uint32_t const uFrames = a_Context.FrameCount < 64 ? a_Context.FrameCount : 64;
        bool const bLeadingRip = uFrames == 0 || a_Context.Frames[0] != pFirst;
        a_Section.PutValue<uint32_t>(uFrames + (bLeadingRip ? 1 : 0));
        if (bLeadingRip)
            a_Section.PutValue<uint64_t>(a_Context.Rip);
        for (uint32_t i = 0; i < uFrames; ++i)
            a_Section.PutValue<uint64_t>(reinterpret_cast<uintptr_t>(a_Context.Frames[i]));
    }

    void PutModules(bCDumpSection & a_Section)
    {
        static HMODULE s_arrModules[kMaxModules];
        unsigned int uCount = OEEnumProcessModules(s_arrModules, kMaxModules);
        uCount = uCount < kMaxModules ? uCount : kMaxModules;
        a_Section.PutValue<uint32_t>(uCount);
        for (unsigned int i = 0; i < uCount; ++i)
        {
            char carrPath[400];
            unsigned long const uLength = OEGetModuleFileName(s_arrModules[i], carrPath, sizeof(carrPath));
            a_Section.PutValue<uint64_t>(reinterpret_cast<uintptr_t>(s_arrModules[i]));
            a_Section.PutValue<uint64_t>(OEGetModuleSize(s_arrModules[i]));
            a_Section.PutValue<uint16_t>(static_cast<uint16_t>(uLength));
            a_Section.Put(carrPath, uLength);
        }
    }

    // As many whole pages of the stack as can be read, up to the limit.
    void PutStackMemory(bCDumpSection & a_Section, uint64_t a_uStackPointer)
    {
        static unsigned char s_arrBytes[kStackBytes];
        a_Section.PutValue<uint64_t>(a_uStackPointer);
        unsigned long uSize = kStackBytes;
        while (uSize && !OEProbeRead(reinterpret_cast<void const *>(a_uStackPointer), s_arrBytes, uSize))
            uSize = uSize > 4096 ? uSize - 4096 : 0;
        a_Section.Put(s_arrBytes, uSize);
    }

    template <typename FUNC> bool WriteSection(int a_iFile, uint32_t a_uTag, FUNC a_funcFill)
    {
        s_Section.Reset();
        a_funcFill(s_Section);
        return s_Section.WriteTo(a_iFile, a_uTag);
    }
} // namespace

bool OEWriteCrashDump(char const * a_pcPath, EXCEPTION_POINTERS const * a_pPointers)
{
    CONTEXT Context{};
    EXCEPTION_RECORD Record{};
    bool const bGiven = a_pPointers && a_pPointers->ContextRecord && a_pPointers->ExceptionRecord;
    if (bGiven)
        Context = *a_pPointers->ContextRecord, Record = *a_pPointers->ExceptionRecord;
    else
        OECaptureContext(&Context);
    int const iFile = a_pcPath ? open(a_pcPath, O_CREAT | O_TRUNC | O_WRONLY | O_CLOEXEC, 0644) : -1;
    if (iFile < 0)
        return false;
    uint32_t const arrHead[2] = {OE_DUMP_VERSION, 6};
    bool bOk = write(iFile, "VLMKDUMP", 8) == 8 && write(iFile, arrHead, sizeof(arrHead)) == sizeof(arrHead);
    bOk =
        bOk && WriteSection(iFile, OE_DUMP_SECTION_EXCEPTION, [&](bCDumpSection & a_S) { PutException(a_S, Record); });
    bOk =
        bOk && WriteSection(iFile, OE_DUMP_SECTION_REGISTERS, [&](bCDumpSection & a_S) { PutRegisters(a_S, Context); });
    bOk =
        bOk && WriteSection(iFile, OE_DUMP_SECTION_CALLSTACK, [&](bCDumpSection & a_S) { PutCallStack(a_S, Context); });
    bOk = bOk && WriteSection(iFile, OE_DUMP_SECTION_MODULES, [&](bCDumpSection & a_S) { PutModules(a_S); });
    bOk = bOk && WriteSection(iFile, OE_DUMP_SECTION_STACKMEMORY,
                              [&](bCDumpSection & a_S) { PutStackMemory(a_S, Context.Rsp); });
    bOk = bOk && WriteSection(iFile, OE_DUMP_SECTION_PROCESS, [&](bCDumpSection & a_S) {
              a_S.PutValue<uint32_t>(static_cast<uint32_t>(getpid()));
              a_S.PutValue<uint32_t>(static_cast<uint32_t>(syscall(SYS_gettid)));
          });
    return close(iFile) == 0 && bOk;
}

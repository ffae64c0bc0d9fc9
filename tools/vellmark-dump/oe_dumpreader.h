#ifndef OE_DUMPREADER_H_INCLUDED
#define OE_DUMPREADER_H_INCLUDED

// Reads a crash dump written by the crash filter (the format is described in
// vellmark/platform/oe_minidump.h) from its bytes. A damaged or truncated dump
// keeps everything read before the damage, and m_strDamage says where it starts.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct bSDumpModule
{
    uint64_t m_uBase;
    uint64_t m_uSize;
    std::string m_strPath;
};

struct bSDump
{
    uint32_t m_uVersion = 0;
    uint32_t m_uSectionCount = 0;

    bool m_bHasException = false;
    uint32_t m_uCode = 0;
    uint32_t m_uFlags = 0;
    uint64_t m_uAddress = 0;
    std::vector<uint64_t> m_arrParameters;

    bool m_bHasRegisters = false;
    uint64_t m_arrRegisters[18] = {}; // rax rbx rcx rdx rsi rdi rbp rsp r8-r15 rip eflags
    uint16_t m_arrSegments[6] = {};   // cs ds es fs gs ss

    std::vector<uint64_t> m_arrFrames; // the faulting instruction first
    std::vector<bSDumpModule> m_arrModules;

    uint64_t m_uStackStart = 0;
    uint64_t m_uStackBytes = 0;

    bool m_bHasProcess = false;
    uint32_t m_uProcessID = 0;
    uint32_t m_uThreadID = 0;

    std::vector<uint32_t> m_arrSkippedTags; // sections of tags this reader does not know
    std::string m_strDamage;                // empty for an intact dump
};

// False when the dump is damaged (see m_strDamage); a_Dump holds what was read.
bool OEReadDump(unsigned char const * a_pBytes, std::size_t a_uSize, bSDump & a_Dump);

#endif

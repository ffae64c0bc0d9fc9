#ifndef OE_MINIDUMP_H_INCLUDED
#define OE_MINIDUMP_H_INCLUDED

// The crash dump of this platform, a format of our own. All numbers are
// little-endian.
//
//   "VLMKDUMP"  8 bytes
//   version     u32   1
//   sections    u32   number of sections that follow
//   each section: tag u32, byte size u32, then its bytes:
//     1 exception: code u32, flags u32, address u64, parameter count u32, parameters u64 each
//     2 registers: rax rbx rcx rdx rsi rdi rbp rsp r8 .. r15 rip eflags (u64 each),
//                  cs ds es fs gs ss (u16 each)
//     3 call stack: frame count u32, then one u64 address per frame, the
//                  faulting instruction first
//     4 modules:   module count u32, then per module: base u64, size u64,
//                  path length u16, path bytes (no terminator)
//     5 stack memory: start address u64 (the stack pointer), then the bytes
//                  from there up to 16 KiB, as far as they are readable
//     6 process:   process id u32, thread id u32
//
// Version 1 is the first version. Readers skip sections whose tag they do not
// know by their byte size.

#include <vellmark/platform/oe_signals.h>

enum : unsigned int
{
    OE_DUMP_VERSION = 1,
    OE_DUMP_SECTION_EXCEPTION = 1,
    OE_DUMP_SECTION_REGISTERS = 2,
    OE_DUMP_SECTION_CALLSTACK = 3,
    OE_DUMP_SECTION_MODULES = 4,
    OE_DUMP_SECTION_STACKMEMORY = 5,
    OE_DUMP_SECTION_PROCESS = 6,
};

// Writes the dump for a_pPointers (may be null: registers and stack of the
// caller) into a_pcPath, created anew. False when the file cannot be written.
OE_API bool OEWriteCrashDump(char const * a_pcPath, EXCEPTION_POINTERS const * a_pPointers);

#endif

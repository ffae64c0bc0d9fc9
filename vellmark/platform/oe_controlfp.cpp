#include <vellmark/platform/oe_controlfp.h>

#include <cstdint>

namespace
{
    constexpr unsigned long kKnownFields = OE_MCW_EM | OE_MCW_RC | OE_MCW_PC | OE_MCW_IC | OE_MCW_DN;

#if defined(__x86_64__) || defined(__i386__)
    // Word mask bit and its position in the hardware's six-bit mask groups
    // (x87 bits 0-5, MXCSR bits 7-12): invalid, denormal, zero divide,
    // overflow, underflow, precision (inexact).
    constexpr unsigned long kMaskBits[6] = {OE_EM_INVALID,  OE_EM_DENORMAL,  OE_EM_ZERODIVIDE,
                                            OE_EM_OVERFLOW, OE_EM_UNDERFLOW, OE_EM_INEXACT};

    constexpr uint32_t kMxcsrFlags = 0x3F;
    constexpr uint32_t kMxcsrMaskShift = 7;
    constexpr uint32_t kMxcsrRoundingShift = 13;
    constexpr uint32_t kMxcsrFlushToZero = 0x8000;
    constexpr uint16_t kX87InfinityControl = 0x1000;

    uint16_t ReadX87()
    {
        uint16_t u16Word;
        __asm__ volatile("fnstcw %0" : "=m"(u16Word));
        return u16Word;
    }

    void WriteX87(uint16_t a_u16Word)
    {
        __asm__ volatile("fldcw %0" : : "m"(a_u16Word));
    }

    uint32_t ReadMxcsr()
    {
        uint32_t u32Word;
        __asm__ volatile("stmxcsr %0" : "=m"(u32Word));
        return u32Word;
    }

    void WriteMxcsr(uint32_t a_u32Word)
    {
        __asm__ volatile("ldmxcsr %0" : : "m"(a_u32Word));
    }

    // Rounding has the same two-bit code in the word (bits 8-9), the x87 word
    // (bits 10-11) and MXCSR (bits 13-14).
    unsigned long RoundingCode(unsigned long a_uWord)
    {
        return (a_uWord & OE_MCW_RC) >> 8;
    }

    unsigned long ComposeWord(uint16_t a_u16X87, uint32_t a_u32Mxcsr)
    {
        unsigned long uWord = 0;
        for (unsigned i = 0; i < 6; ++i)
            if (a_u16X87 & (1u << i))
                uWord |= kMaskBits[i];
        uWord |= static_cast<unsigned long>((a_u16X87 >> 10) & 3u) << 8;
        switch ((a_u16X87 >> 8) & 3u)
        {
        case 0: uWord |= OE_PC_24; break;
        case 2: uWord |= OE_PC_53; break;
        default: uWord |= OE_PC_64; break;
        }
        if (a_u16X87 & kX87InfinityControl)
            uWord |= OE_IC_AFFINE;
        if (a_u32Mxcsr & kMxcsrFlushToZero)
            uWord |= OE_DN_FLUSH;
        return uWord;
    }

    uint16_t PrecisionCode(unsigned long a_uWord)
    {
        if (a_uWord & OE_PC_24)
            return 0;
        return (a_uWord & OE_PC_53) ? 2 : 3;
    }

    void WriteUnits(unsigned long a_uWord)
    {
        uint16_t u16X87 = static_cast<uint16_t>(ReadX87() & ~0x1F3Fu);
        uint32_t u32Mxcsr = ReadMxcsr() & ~(0x3Fu << kMxcsrMaskShift) & ~(3u << kMxcsrRoundingShift) & ~kMxcsrFlushToZero;
        for (unsigned i = 0; i < 6; ++i)
            if (a_uWord & kMaskBits[i])
            {
                u16X87 = static_cast<uint16_t>(u16X87 | (1u << i));
                u32Mxcsr |= 1u << (kMxcsrMaskShift + i);
            }
        u16X87 = static_cast<uint16_t>(u16X87 | (PrecisionCode(a_uWord) << 8) | (RoundingCode(a_uWord) << 10));
        if (a_uWord & OE_IC_AFFINE)
            u16X87 = static_cast<uint16_t>(u16X87 | kX87InfinityControl);
        u32Mxcsr |= static_cast<uint32_t>(RoundingCode(a_uWord)) << kMxcsrRoundingShift;
        if (a_uWord & OE_DN_FLUSH)
            u32Mxcsr |= kMxcsrFlushToZero;
        WriteX87(u16X87);
        WriteMxcsr(u32Mxcsr);
    }

    unsigned long ReadUnits()
    {
        return ComposeWord(ReadX87(), ReadMxcsr());
    }
#else
    // Elsewhere the word is kept per thread and only reported back.
    thread_local unsigned long t_uWord = OE_MCW_EM | OE_PC_64;

    void WriteUnits(unsigned long a_uWord)
    {
        t_uWord = a_uWord;
    }

    unsigned long ReadUnits()
    {
        return t_uWord;
    }
#endif
} // namespace

unsigned long OEControlFP(unsigned long a_uNew, unsigned long a_uMask)
{
    unsigned long const uCurrent = ReadUnits();
    a_uMask &= kKnownFields;
    if (a_uMask == 0)
        return uCurrent;
    WriteUnits((uCurrent & ~a_uMask) | (a_uNew & a_uMask));
    return ReadUnits();
}

void OEClearFPExceptions()
{
#if defined(__x86_64__) || defined(__i386__)
    __asm__ volatile("fnclex");
    WriteMxcsr(ReadMxcsr() & ~kMxcsrFlags);
#endif
}

#ifndef OE_BITWORDS_H_INCLUDED
#define OE_BITWORDS_H_INCLUDED

// Word-at-a-time helpers shared by bCBitField and bCTrackBitField (used
// inside the library and by their inline iteration). A field of
// n bits holds n / 32 + 1 words; bit i is bit i % 32 of word i / 32; the bits
// from n up to the end of the last word are spare bits. Every helper gives
// exactly the result of the bit-by-bit description of the operation.

#include <bit>
#include <cstdint>

struct bSBitWords
{
    // Where bit i lives: word i / 32, bit i % 32 of it.
    static int SlotIndex(int a_iIndex)
    {
        return a_iIndex >> 5;
    }
    static int Offset(int a_iIndex)
    {
        return a_iIndex & 31;
    }
    static uint32_t Mask(int a_iIndex)
    {
        return uint32_t(1) << Offset(a_iIndex);
    }

    static int GetLastWord(int a_iBitCount)
    {
        return a_iBitCount >> 5;
    }

    // The bits of the last word that lie below the bit count.
    static uint32_t GetLowMask(int a_iBitCount)
    {
        return (uint32_t(1) << (a_iBitCount & 31)) - 1u;
    }

    // std::popcount is an instruction only where the build targets it; the
    // generic build asks the processor once and takes the instruction when it
    // has it.
    static int CountWordsGeneric(uint32_t const * a_pWords, int a_iCount)
    {
        int iCount = 0;
        for (int i = 0; i < a_iCount; ++i)
            iCount += std::popcount(a_pWords[i]);
        return iCount;
    }

#if defined(__x86_64__) || defined(__i386__)
    [[gnu::target("popcnt")]] static int CountWordsPopcnt(uint32_t const * a_pWords, int a_iCount)
    {
        int iCount = 0;
        int i = 0;
        for (; i + 1 < a_iCount; i += 2)
            iCount += std::popcount(uint64_t(a_pWords[i]) | (uint64_t(a_pWords[i + 1]) << 32));
        if (i < a_iCount)
            iCount += std::popcount(a_pWords[i]);
        return iCount;
    }

    static bool HasPopcnt()
    {
        static bool const s_bPopcnt = [] {
            __builtin_cpu_init();
            return __builtin_cpu_supports("popcnt") != 0;
        }();
        return s_bPopcnt;
    }
#endif

    static int CountWords(uint32_t const * a_pWords, int a_iCount)
    {
#if defined(__x86_64__) || defined(__i386__)
        if (HasPopcnt())
            return CountWordsPopcnt(a_pWords, a_iCount);
#endif
        return CountWordsGeneric(a_pWords, a_iCount);
    }

    static int CountEnabled(uint32_t const * a_pWords, int a_iBitCount)
    {
        int const iLast = GetLastWord(a_iBitCount);
        return CountWords(a_pWords, iLast) + std::popcount(a_pWords[iLast] & GetLowMask(a_iBitCount));
    }

    // The first bit at or after a_iStart (>= 0) below the bit count whose value
    // is a_bEnabled, or -1.
    static int FindFrom(uint32_t const * a_pWords, int a_iBitCount, int a_iStart, bool a_bEnabled)
    {
        if (a_iStart >= a_iBitCount)
            return -1;
        uint32_t const u32Flip = a_bEnabled ? 0u : ~0u;
        int iWord = SlotIndex(a_iStart);
        uint32_t u32Bits = (a_pWords[iWord] ^ u32Flip) & (~0u << Offset(a_iStart));
        int const iLast = GetLastWord(a_iBitCount);
        while (u32Bits == 0)
        {
            if (++iWord > iLast)
                return -1;
            u32Bits = a_pWords[iWord] ^ u32Flip;
        }
        int const iIndex = (iWord << 5) + std::countr_zero(u32Bits);
        return iIndex < a_iBitCount ? iIndex : -1;
    }

    static void Fill(uint32_t * a_pWords, int a_iWordCount, uint32_t a_u32Value)
    {
        for (int i = 0; i < a_iWordCount; ++i)
            a_pWords[i] = a_u32Value;
    }

    enum bELogic
    {
        bELogic_And,
        bELogic_Or,
        bELogic_Xor,
    };

    // Combines the words both fields have; And also clears the words of this
    // field beyond the other's.
    static void Apply(uint32_t * a_pWords, int a_iCount, uint32_t const * a_pOther, int a_iOtherCount,
                      bELogic a_eLogic)
    {
        int const iShared = a_iOtherCount < a_iCount ? a_iOtherCount : a_iCount;
        switch (a_eLogic)
        {
        case bELogic_And:
            for (int i = 0; i < iShared; ++i)
                a_pWords[i] &= a_pOther[i];
            Fill(a_pWords + iShared, a_iCount - iShared, 0u);
            break;
        case bELogic_Or:
            for (int i = 0; i < iShared; ++i)
                a_pWords[i] |= a_pOther[i];
            break;
        case bELogic_Xor:
            for (int i = 0; i < iShared; ++i)
                a_pWords[i] ^= a_pOther[i];
            break;
        }
    }

    static void Invert(uint32_t * a_pWords, int a_iCount)
    {
        for (int i = 0; i < a_iCount; ++i)
            a_pWords[i] = ~a_pWords[i];
    }

    static bool AreEqual(uint32_t const * a_pLeft, uint32_t const * a_pRight, int a_iCount)
    {
        for (int i = 0; i < a_iCount; ++i)
            if (a_pLeft[i] != a_pRight[i])
                return false;
        return true;
    }

    // Moves bits [0, count - n) up by n, clears bits [0, n); spare bits keep
    // their values. 0 < a_uShift < bit count.
    static void ShiftUp(uint32_t * a_pWords, int a_iBitCount, unsigned long a_uShift)
    {
        int const iLast = GetLastWord(a_iBitCount);
        uint32_t const u32Spare = a_pWords[iLast] & ~GetLowMask(a_iBitCount);
        int const iWordShift = static_cast<int>(a_uShift >> 5);
        unsigned const uBitShift = static_cast<unsigned>(a_uShift & 31);
        for (int i = iLast; i >= 0; --i)
        {
            int const iSource = i - iWordShift;
            uint32_t u32Value = 0;
            if (iSource >= 0)
            {
                u32Value = a_pWords[iSource] << uBitShift;
                if (uBitShift != 0 && iSource > 0)
                    u32Value |= a_pWords[iSource - 1] >> (32 - uBitShift);
            }
            a_pWords[i] = u32Value;
        }
        a_pWords[iLast] = (a_pWords[iLast] & GetLowMask(a_iBitCount)) | u32Spare;
    }

    // Moves bits [n, count) down by n, clears bits [count - n, count); spare
    // bits keep their values. 0 < a_uShift < bit count.
    static void ShiftDown(uint32_t * a_pWords, int a_iBitCount, unsigned long a_uShift)
    {
        int const iLast = GetLastWord(a_iBitCount);
        uint32_t const u32Spare = a_pWords[iLast] & ~GetLowMask(a_iBitCount);
        a_pWords[iLast] &= GetLowMask(a_iBitCount);
        int const iWordShift = static_cast<int>(a_uShift >> 5);
        unsigned const uBitShift = static_cast<unsigned>(a_uShift & 31);
        for (int i = 0; i <= iLast; ++i)
        {
            int const iSource = i + iWordShift;
            uint32_t u32Value = 0;
            if (iSource <= iLast)
            {
                u32Value = a_pWords[iSource] >> uBitShift;
                if (uBitShift != 0 && iSource < iLast)
                    u32Value |= a_pWords[iSource + 1] << (32 - uBitShift);
            }
            a_pWords[i] = u32Value;
        }
        a_pWords[iLast] |= u32Spare;
    }

    // Shifts towards higher indices for a positive a_lShift, lower ones for a
    // negative one; a distance of at least the bit count clears every word.
    static void Shift(uint32_t * a_pWords, int a_iWordCount, int a_iBitCount, long a_lShift, bool a_bLeft)
    {
        if (a_lShift == 0 || a_iWordCount <= 0)
            return;
        bool const bUp = (a_lShift > 0) == a_bLeft;
        unsigned long const uDistance =
            a_lShift > 0 ? static_cast<unsigned long>(a_lShift) : 0ul - static_cast<unsigned long>(a_lShift);
        if (uDistance >= static_cast<unsigned long>(a_iBitCount))
            Fill(a_pWords, a_iWordCount, 0u);
        else if (bUp)
            ShiftUp(a_pWords, a_iBitCount, uDistance);
        else
            ShiftDown(a_pWords, a_iBitCount, uDistance);
    }
};

#endif

#ifndef OE_BITFIELD_H_INCLUDED
#define OE_BITFIELD_H_INCLUDED

// A growable set of bits addressed by index.
//
// - A field of n bits holds n / 32 + 1 words (a 64-bit field has three); the
//   bits from n to the end of the last word are spare bits. EnableAll,
//   DisableAll, Invert and the logic operations work on whole words, spare
//   bits included; counting, iteration and shifts look only below the bit
//   count. A default field has 64 bits, all disabled.
// - Per-bit operations do not check the index: callers keep it below the bit
//   count.
// - Or and Xor take the words both fields have; And clears every word of this
//   field beyond the other's. The Expand forms first raise this field's bit
//   count to the other's.
// - The first/next iteration keeps its position in the cursor (it starts at 0
//   and never passes the bit count); the const iteration functions move it.
// - The value operators (~, |, &, ^, <<, >>) return a reference to one static
//   result per operator and process, valid until the next call of the same
//   operator. They are not thread-safe.
// - Stream form: version (u8, 1), word count (u32), the words (u32 each), bit
//   count (u32), cursor (u32). A reader that finds the stream cut short or a
//   word count other than bit count / 32 + 1 keeps the field as it was and
//   warns; the cursor read is clamped to [-1, bit count].

#include <vellmark/containers/oe_array.h>
#include <vellmark/platform/oe_export.h>
#include <vellmark/util/oe_bitwords.h>

#include <cstdint>

class bCIStream;
class bCOStream;

class OE_API bCBitField
{
public:
    static constexpr uint32_t bEBits_All = 0xFFFFFFFFu;
    static int GetSlotIndex(int a_iIndex) { return bSBitWords::SlotIndex(a_iIndex); } // the word of bit i
    static int GetOffset(int a_iIndex) { return bSBitWords::Offset(a_iIndex); }       // its position in the word
    static uint32_t GetMask(int a_iIndex) { return bSBitWords::Mask(a_iIndex); }

public:
    bCBitField(); // 64 bits
    explicit bCBitField(int a_iBitCount);
    bCBitField(bCBitField const & a_Source);
    ~bCBitField();
    bCBitField & operator=(bCBitField const & a_Source);

public:
    void CopyFrom(bCBitField const & a_Source); // words, bit count and cursor
    void CopyTo(bCBitField & a_Dest) const;

    int GetCount() const;
    int GetUpperBound() const;
    int GetCapacity() const; // in bits
    bool IsValidIndex(int a_iIndex) const;
    bool IsEmpty() const; // no words at all
    void SetCount(int a_iBitCount); // new words are 0, surviving words keep their bits; below 0 counts as 0
    uint32_t * AccessBitField();

    bool GetAt(int a_iIndex) const;
    bool operator[](int a_iIndex) const;
    bool IsEnabled(int a_iIndex) const;
    bool IsDisabled(int a_iIndex) const;
    void SetAt(int a_iIndex, bool a_bEnable);
    void Enable(int a_iIndex);
    void Disable(int a_iIndex);
    void Toggle(int a_iIndex);

    void EnableAll();
    void DisableAll();
    void Invert();
    bool IsAnyEnabled() const;  // any word non-zero, spare bits included
    bool IsAnyDisabled() const; // below the bit count
    int GetCountEnabled() const;
    int GetCountDisabled() const;

    int GetFirstEnabled() const; // bit index or -1
    int GetNextEnabled() const;
    int GetFirstDisabled() const;
    int GetNextDisabled() const;

    void And(bCBitField const & a_Other);
    void Or(bCBitField const & a_Other);
    void Xor(bCBitField const & a_Other);
    void ExpandAnd(bCBitField const & a_Other);
    void ExpandOr(bCBitField const & a_Other);
    void ExpandXor(bCBitField const & a_Other);
    bCBitField & operator&=(bCBitField const & a_Other);
    bCBitField & operator|=(bCBitField const & a_Other);
    bCBitField & operator^=(bCBitField const & a_Other);

    void ShiftLeft(long a_lShift); // towards higher indices; negative shifts right
    void ShiftRight(long a_lShift);
    bCBitField & operator<<=(long a_lShift);
    bCBitField & operator>>=(long a_lShift);

    bCBitField const & operator~() const;
    bCBitField const & operator|(bCBitField const & a_Other) const;
    bCBitField const & operator&(bCBitField const & a_Other) const;
    bCBitField const & operator^(bCBitField const & a_Other) const;
    bCBitField const & operator<<(long a_lShift) const;
    bCBitField const & operator>>(long a_lShift) const;

    bool operator==(bCBitField const & a_Other) const; // bit counts and every word, spare bits included
    bool operator!=(bCBitField const & a_Other) const;

    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    int FindNext(bool a_bEnabled, bool a_bFirst) const;
    // Bound inside the library: the public operations call them directly.
    OE_LOCAL void Combine(bCBitField const & a_Other, int a_iLogic);
    OE_LOCAL void Shift(long a_lShift, bool a_bLeft);
    OE_LOCAL bCBitField const & ResultOf(bCBitField & a_Result) const;

private:
    bTValArray<uint32_t> m_arrWords;
    int32_t m_iBitCount;
    mutable int32_t m_iCursor;
};

// Iteration is inline: a loop over the enabled bits calls it once per bit.

// The cursor moves to the bit found, or to the bit count when there is none.
inline int bCBitField::FindNext(bool a_bEnabled, bool a_bFirst) const
{
    int iCursor = a_bFirst ? 0 : (m_iCursor < m_iBitCount ? m_iCursor + 1 : m_iBitCount);
    int const iFound =
        m_arrWords.IsEmpty() ? -1 : bSBitWords::FindFrom(m_arrWords.GetArray(), m_iBitCount, iCursor, a_bEnabled);
    m_iCursor = iFound >= 0 ? iFound : m_iBitCount;
    return iFound;
}

inline int bCBitField::GetFirstEnabled() const
{
    return FindNext(true, true);
}

inline int bCBitField::GetNextEnabled() const
{
    return FindNext(true, false);
}

inline int bCBitField::GetFirstDisabled() const
{
    return FindNext(false, true);
}

inline int bCBitField::GetNextDisabled() const
{
    return FindNext(false, false);
}

#endif

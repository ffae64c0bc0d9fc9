#ifndef OE_TRACKBITFIELD_H_INCLUDED
#define OE_TRACKBITFIELD_H_INCLUDED

// A bit field (see oe_bitfield.h for the rules it shares) that keeps a running
// count of its enabled bits below the bit count, so that GetCountEnabled,
// GetCountDisabled, IsAnyEnabled and IsAnyDisabled cost nothing. Every
// operation keeps the count right: per-bit operations adjust it, shifts add
// the bits they set and subtract those they clear, EnableAll, DisableAll and
// Invert derive it, and the logic operations and SetCount recount (spare bits
// are never counted). A reader recounts instead of trusting the stored count.
// The stream form has the enabled count (u32) between bit count and cursor.
// The value operators share one static result per operator and process (not
// thread-safe).

#include <vellmark/containers/oe_array.h>
#include <vellmark/platform/oe_export.h>
#include <vellmark/util/oe_bitwords.h>

#include <cstdint>

class bCIStream;
class bCOStream;

class OE_API bCTrackBitField
{
public:
    static constexpr uint32_t bEBits_All = 0xFFFFFFFFu;
    static int GetSlotIndex(int a_iIndex) { return bSBitWords::SlotIndex(a_iIndex); } // the word of bit i
    static int GetOffset(int a_iIndex) { return bSBitWords::Offset(a_iIndex); }       // its position in the word
    static uint32_t GetMask(int a_iIndex) { return bSBitWords::Mask(a_iIndex); }

public:
    bCTrackBitField(); // 64 bits
    explicit bCTrackBitField(int a_iBitCount);
    bCTrackBitField(bCTrackBitField const & a_Source);
    ~bCTrackBitField();
    bCTrackBitField & operator=(bCTrackBitField const & a_Source);

public:
    void CopyFrom(bCTrackBitField const & a_Source); // words, bit count, enabled count and cursor
    void CopyTo(bCTrackBitField & a_Dest) const;

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
    bool IsAnyEnabled() const;
    bool IsAnyDisabled() const;
    int GetCountEnabled() const;
    int GetCountDisabled() const;

    int GetFirstEnabled() const; // bit index or -1
    int GetNextEnabled() const;
    int GetFirstDisabled() const;
    int GetNextDisabled() const;

    void And(bCTrackBitField const & a_Other);
    void Or(bCTrackBitField const & a_Other);
    void Xor(bCTrackBitField const & a_Other);
    void ExpandAnd(bCTrackBitField const & a_Other);
    void ExpandOr(bCTrackBitField const & a_Other);
    void ExpandXor(bCTrackBitField const & a_Other);
    bCTrackBitField & operator&=(bCTrackBitField const & a_Other);
    bCTrackBitField & operator|=(bCTrackBitField const & a_Other);
    bCTrackBitField & operator^=(bCTrackBitField const & a_Other);

    void ShiftLeft(long a_lShift); // towards higher indices; negative shifts right
    void ShiftRight(long a_lShift);
    bCTrackBitField & operator<<=(long a_lShift);
    bCTrackBitField & operator>>=(long a_lShift);

    bCTrackBitField const & operator~() const;
    bCTrackBitField const & operator|(bCTrackBitField const & a_Other) const;
    bCTrackBitField const & operator&(bCTrackBitField const & a_Other) const;
    bCTrackBitField const & operator^(bCTrackBitField const & a_Other) const;
    bCTrackBitField const & operator<<(long a_lShift) const;
    bCTrackBitField const & operator>>(long a_lShift) const;

    bool operator==(bCTrackBitField const & a_Other) const; // bit counts and every word, spare bits included
    bool operator!=(bCTrackBitField const & a_Other) const;

    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    int FindNext(bool a_bEnabled, bool a_bFirst) const;
    // Bound inside the library: the public operations call them directly.
    OE_LOCAL void Combine(bCTrackBitField const & a_Other, int a_iLogic);
    OE_LOCAL void Shift(long a_lShift, bool a_bLeft);
    OE_LOCAL void Recount();
    OE_LOCAL int CountBelowBitCount() const;
    OE_LOCAL bCTrackBitField const & ResultOf(bCTrackBitField & a_Result) const;

private:
    bTValArray<uint32_t> m_arrWords;
    int32_t m_iBitCount;
    int32_t m_iEnabledCount;
    mutable int32_t m_iCursor;
};

// Iteration is inline: a loop over the enabled bits calls it once per bit.

// The cursor moves to the bit found, or to the bit count when there is none.
inline int bCTrackBitField::FindNext(bool a_bEnabled, bool a_bFirst) const
{
    int iCursor = a_bFirst ? 0 : (m_iCursor < m_iBitCount ? m_iCursor + 1 : m_iBitCount);
    int const iFound =
        m_arrWords.IsEmpty() ? -1 : bSBitWords::FindFrom(m_arrWords.GetArray(), m_iBitCount, iCursor, a_bEnabled);
    m_iCursor = iFound >= 0 ? iFound : m_iBitCount;
    return iFound;
}

inline int bCTrackBitField::GetFirstEnabled() const
{
    return FindNext(true, true);
}

inline int bCTrackBitField::GetNextEnabled() const
{
    return FindNext(true, false);
}

inline int bCTrackBitField::GetFirstDisabled() const
{
    return FindNext(false, true);
}

inline int bCTrackBitField::GetNextDisabled() const
{
    return FindNext(false, false);
}

#endif

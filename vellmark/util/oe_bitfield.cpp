#include <vellmark/util/oe_bitfield.h>

#include <vellmark/util/oe_bitfieldstream.h>
#include <vellmark/util/oe_bitwords.h>

namespace
{
    constexpr int kDefaultBitCount = 64;

    bool TestBit(bTValArray<uint32_t> const & a_arrWords, int a_iIndex)
    {
        return (a_arrWords[bSBitWords::SlotIndex(a_iIndex)] & bSBitWords::Mask(a_iIndex)) != 0;
    }
} // namespace

bCBitField::bCBitField() : bCBitField(kDefaultBitCount) {}

bCBitField::bCBitField(int a_iBitCount) : m_iBitCount(0), m_iCursor(0)
{
    SetCount(a_iBitCount);
}

bCBitField::bCBitField(bCBitField const & a_Source) : m_iBitCount(0), m_iCursor(0)
{
    CopyFrom(a_Source);
}

bCBitField::~bCBitField() = default;

bCBitField & bCBitField::operator=(bCBitField const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCBitField::CopyFrom(bCBitField const & a_Source)
{
    if (&a_Source == this)
        return;
    m_arrWords.CopyFrom(a_Source.m_arrWords);
    m_iBitCount = a_Source.m_iBitCount;
    m_iCursor = a_Source.m_iCursor;
}

void bCBitField::CopyTo(bCBitField & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

int bCBitField::GetCount() const
{
    return m_iBitCount;
}

int bCBitField::GetUpperBound() const
{
    return m_iBitCount - 1;
}

int bCBitField::GetCapacity() const
{
    return m_arrWords.GetCapacity() * 32;
}

bool bCBitField::IsValidIndex(int a_iIndex) const
{
    return a_iIndex < m_iBitCount;
}

bool bCBitField::IsEmpty() const
{
    return m_arrWords.IsEmpty();
}

void bCBitField::SetCount(int a_iBitCount)
{
    if (a_iBitCount < 0)
        a_iBitCount = 0;
    if (!m_arrWords.SetCount(a_iBitCount / 32 + 1))
        return; // out of memory: the field keeps its size
    m_iBitCount = a_iBitCount;
}

uint32_t * bCBitField::AccessBitField()
{
    return m_arrWords.AccessArray();
}

bool bCBitField::GetAt(int a_iIndex) const
{
    return TestBit(m_arrWords, a_iIndex);
}

bool bCBitField::operator[](int a_iIndex) const
{
    return GetAt(a_iIndex);
}

bool bCBitField::IsEnabled(int a_iIndex) const
{
    return GetAt(a_iIndex);
}

bool bCBitField::IsDisabled(int a_iIndex) const
{
    return !GetAt(a_iIndex);
}

void bCBitField::SetAt(int a_iIndex, bool a_bEnable)
{
    if (a_bEnable)
        Enable(a_iIndex);
    else
        Disable(a_iIndex);
}

void bCBitField::Enable(int a_iIndex)
{
    m_arrWords[GetSlotIndex(a_iIndex)] |= GetMask(a_iIndex);
}

void bCBitField::Disable(int a_iIndex)
{
    m_arrWords[GetSlotIndex(a_iIndex)] &= ~GetMask(a_iIndex);
}

void bCBitField::Toggle(int a_iIndex)
{
    m_arrWords[GetSlotIndex(a_iIndex)] ^= GetMask(a_iIndex);
}

void bCBitField::EnableAll()
{
    bSBitWords::Fill(m_arrWords.AccessArray(), m_arrWords.GetCount(), bEBits_All);
}

void bCBitField::DisableAll()
{
    bSBitWords::Fill(m_arrWords.AccessArray(), m_arrWords.GetCount(), 0u);
}

void bCBitField::Invert()
{
    bSBitWords::Invert(m_arrWords.AccessArray(), m_arrWords.GetCount());
}

bool bCBitField::IsAnyEnabled() const
{
    for (uint32_t u32Word : m_arrWords)
        if (u32Word != 0)
            return true;
    return false;
}

bool bCBitField::IsAnyDisabled() const
{
    return !m_arrWords.IsEmpty() && bSBitWords::FindFrom(m_arrWords.GetArray(), m_iBitCount, 0, false) >= 0;
}

int bCBitField::GetCountEnabled() const
{
    return m_arrWords.IsEmpty() ? 0 : bSBitWords::CountEnabled(m_arrWords.GetArray(), m_iBitCount);
}

int bCBitField::GetCountDisabled() const
{
    return m_iBitCount - GetCountEnabled();
}

void bCBitField::Combine(bCBitField const & a_Other, int a_iLogic)
{
    bSBitWords::Apply(m_arrWords.AccessArray(), m_arrWords.GetCount(), a_Other.m_arrWords.GetArray(),
                      a_Other.m_arrWords.GetCount(), static_cast<bSBitWords::bELogic>(a_iLogic));
}

void bCBitField::And(bCBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_And);
}

void bCBitField::Or(bCBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Or);
}

void bCBitField::Xor(bCBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Xor);
}

void bCBitField::ExpandAnd(bCBitField const & a_Other)
{
    if (a_Other.m_iBitCount > m_iBitCount)
        SetCount(a_Other.m_iBitCount);
    Combine(a_Other, bSBitWords::bELogic_And);
}

void bCBitField::ExpandOr(bCBitField const & a_Other)
{
    if (a_Other.m_iBitCount > m_iBitCount)
        SetCount(a_Other.m_iBitCount);
    Combine(a_Other, bSBitWords::bELogic_Or);
}

void bCBitField::ExpandXor(bCBitField const & a_Other)
{
    if (a_Other.m_iBitCount > m_iBitCount)
        SetCount(a_Other.m_iBitCount);
    Combine(a_Other, bSBitWords::bELogic_Xor);
}

bCBitField & bCBitField::operator&=(bCBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_And);
    return *this;
}

bCBitField & bCBitField::operator|=(bCBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Or);
    return *this;
}

bCBitField & bCBitField::operator^=(bCBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Xor);
    return *this;
}

void bCBitField::Shift(long a_lShift, bool a_bLeft)
{
    bSBitWords::Shift(m_arrWords.AccessArray(), m_arrWords.GetCount(), m_iBitCount, a_lShift, a_bLeft);
}

void bCBitField::ShiftLeft(long a_lShift)
{
    Shift(a_lShift, true);
}

void bCBitField::ShiftRight(long a_lShift)
{
    Shift(a_lShift, false);
}

bCBitField & bCBitField::operator<<=(long a_lShift)
{
    Shift(a_lShift, true);
    return *this;
}

bCBitField & bCBitField::operator>>=(long a_lShift)
{
    Shift(a_lShift, false);
    return *this;
}

bCBitField const & bCBitField::ResultOf(bCBitField & a_Result) const
{
    if (&a_Result != this)
        a_Result.CopyFrom(*this);
    return a_Result;
}

bCBitField const & bCBitField::operator~() const
{
    static bCBitField s_Result;
    ResultOf(s_Result);
    s_Result.Invert();
    return s_Result;
}

bCBitField const & bCBitField::operator|(bCBitField const & a_Other) const
{
    static bCBitField s_Result;
    ResultOf(s_Result);
    s_Result.Combine(a_Other, bSBitWords::bELogic_Or);
    return s_Result;
}

bCBitField const & bCBitField::operator&(bCBitField const & a_Other) const
{
    static bCBitField s_Result;
    ResultOf(s_Result);
    s_Result.Combine(a_Other, bSBitWords::bELogic_And);
    return s_Result;
}

bCBitField const & bCBitField::operator^(bCBitField const & a_Other) const
{
    static bCBitField s_Result;
    ResultOf(s_Result);
    s_Result.Combine(a_Other, bSBitWords::bELogic_Xor);
    return s_Result;
}

bCBitField const & bCBitField::operator<<(long a_lShift) const
{
    static bCBitField s_Result;
    ResultOf(s_Result);
    s_Result.Shift(a_lShift, true);
    return s_Result;
}

bCBitField const & bCBitField::operator>>(long a_lShift) const
{
    static bCBitField s_Result;
    ResultOf(s_Result);
    s_Result.Shift(a_lShift, false);
    return s_Result;
}

bool bCBitField::operator==(bCBitField const & a_Other) const
{
    if (m_iBitCount != a_Other.m_iBitCount || m_arrWords.GetCount() != a_Other.m_arrWords.GetCount())
        return false;
    return bSBitWords::AreEqual(m_arrWords.GetArray(), a_Other.m_arrWords.GetArray(), m_arrWords.GetCount());
}

bool bCBitField::operator!=(bCBitField const & a_Other) const
{
    return !(*this == a_Other);
}

bCOStream & bCBitField::operator>>(bCOStream & a_Stream) const
{
    OEWriteBitField(a_Stream, m_arrWords.GetArray(), m_arrWords.GetCount(), m_iBitCount, nullptr, m_iCursor);
    return a_Stream;
}

bCIStream & bCBitField::operator<<(bCIStream & a_Stream)
{
    bSBitFieldImage Image;
    if (!OEReadBitField(a_Stream, false, "bCBitField::operator<<", Image))
        return a_Stream;
    m_arrWords.CopyFrom(Image.m_arrWords);
    m_iBitCount = Image.m_iBitCount;
    m_iCursor = Image.m_iCursor;
    return a_Stream;
}

#include <vellmark/util/oe_trackbitfield.h>

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

bCTrackBitField::bCTrackBitField() : bCTrackBitField(kDefaultBitCount) {}

bCTrackBitField::bCTrackBitField(int a_iBitCount) : m_iBitCount(0), m_iEnabledCount(0), m_iCursor(0)
{
    SetCount(a_iBitCount);
}

bCTrackBitField::bCTrackBitField(bCTrackBitField const & a_Source) : m_iBitCount(0), m_iEnabledCount(0), m_iCursor(0)
{
    CopyFrom(a_Source);
}

bCTrackBitField::~bCTrackBitField() = default;

bCTrackBitField & bCTrackBitField::operator=(bCTrackBitField const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCTrackBitField::CopyFrom(bCTrackBitField const & a_Source)
{
    if (&a_Source == this)
        return;
    m_arrWords.CopyFrom(a_Source.m_arrWords);
    m_iBitCount = a_Source.m_iBitCount;
    m_iEnabledCount = a_Source.m_iEnabledCount;
    m_iCursor = a_Source.m_iCursor;
}

void bCTrackBitField::CopyTo(bCTrackBitField & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

int bCTrackBitField::GetCount() const
{
    return m_iBitCount;
}

int bCTrackBitField::GetUpperBound() const
{
    return m_iBitCount - 1;
}

int bCTrackBitField::GetCapacity() const
{
    return m_arrWords.GetCapacity() * 32;
}

bool bCTrackBitField::IsValidIndex(int a_iIndex) const
{
    return a_iIndex < m_iBitCount;
}

bool bCTrackBitField::IsEmpty() const
{
    return m_arrWords.IsEmpty();
}

void bCTrackBitField::SetCount(int a_iBitCount)
{
    if (a_iBitCount < 0)
        a_iBitCount = 0;
    if (!m_arrWords.SetCount(a_iBitCount / 32 + 1))
        return; // out of memory: the field keeps its size
    m_iBitCount = a_iBitCount;
    Recount();
}

int bCTrackBitField::CountBelowBitCount() const
{
    return m_arrWords.IsEmpty() ? 0 : bSBitWords::CountEnabled(m_arrWords.GetArray(), m_iBitCount);
}

void bCTrackBitField::Recount()
{
    m_iEnabledCount = CountBelowBitCount();
}

uint32_t * bCTrackBitField::AccessBitField()
{
    return m_arrWords.AccessArray();
}

bool bCTrackBitField::GetAt(int a_iIndex) const
{
    return TestBit(m_arrWords, a_iIndex);
}

bool bCTrackBitField::operator[](int a_iIndex) const
{
    return GetAt(a_iIndex);
}

bool bCTrackBitField::IsEnabled(int a_iIndex) const
{
    return GetAt(a_iIndex);
}

bool bCTrackBitField::IsDisabled(int a_iIndex) const
{
    return !GetAt(a_iIndex);
}

void bCTrackBitField::SetAt(int a_iIndex, bool a_bEnable)
{
    if (a_bEnable)
        Enable(a_iIndex);
    else
        Disable(a_iIndex);
}

void bCTrackBitField::Enable(int a_iIndex)
{
    if (TestBit(m_arrWords, a_iIndex))
        return;
    m_arrWords[GetSlotIndex(a_iIndex)] |= GetMask(a_iIndex);
    ++m_iEnabledCount;
}

void bCTrackBitField::Disable(int a_iIndex)
{
    if (!TestBit(m_arrWords, a_iIndex))
        return;
    m_arrWords[GetSlotIndex(a_iIndex)] &= ~GetMask(a_iIndex);
    --m_iEnabledCount;
}

void bCTrackBitField::Toggle(int a_iIndex)
{
    m_iEnabledCount += TestBit(m_arrWords, a_iIndex) ? -1 : 1;
    m_arrWords[GetSlotIndex(a_iIndex)] ^= GetMask(a_iIndex);
}

void bCTrackBitField::EnableAll()
{
    bSBitWords::Fill(m_arrWords.AccessArray(), m_arrWords.GetCount(), bEBits_All);
    m_iEnabledCount = m_iBitCount;
}

void bCTrackBitField::DisableAll()
{
    bSBitWords::Fill(m_arrWords.AccessArray(), m_arrWords.GetCount(), 0u);
    m_iEnabledCount = 0;
}

void bCTrackBitField::Invert()
{
    bSBitWords::Invert(m_arrWords.AccessArray(), m_arrWords.GetCount());
    m_iEnabledCount = m_iBitCount - m_iEnabledCount;
}

bool bCTrackBitField::IsAnyEnabled() const
{
    return m_iEnabledCount != 0;
}

bool bCTrackBitField::IsAnyDisabled() const
{
    return m_iEnabledCount != m_iBitCount;
}

int bCTrackBitField::GetCountEnabled() const
{
    return m_iEnabledCount;
}

int bCTrackBitField::GetCountDisabled() const
{
    return m_iBitCount - m_iEnabledCount;
}

void bCTrackBitField::Combine(bCTrackBitField const & a_Other, int a_iLogic)
{
    bSBitWords::Apply(m_arrWords.AccessArray(), m_arrWords.GetCount(), a_Other.m_arrWords.GetArray(),
                      a_Other.m_arrWords.GetCount(), static_cast<bSBitWords::bELogic>(a_iLogic));
    Recount();
}

void bCTrackBitField::And(bCTrackBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_And);
}

void bCTrackBitField::Or(bCTrackBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Or);
}

void bCTrackBitField::Xor(bCTrackBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Xor);
}

void bCTrackBitField::ExpandAnd(bCTrackBitField const & a_Other)
{
    if (a_Other.m_iBitCount > m_iBitCount)
        SetCount(a_Other.m_iBitCount);
    Combine(a_Other, bSBitWords::bELogic_And);
}

void bCTrackBitField::ExpandOr(bCTrackBitField const & a_Other)
{
    if (a_Other.m_iBitCount > m_iBitCount)
        SetCount(a_Other.m_iBitCount);
    Combine(a_Other, bSBitWords::bELogic_Or);
}

void bCTrackBitField::ExpandXor(bCTrackBitField const & a_Other)
{
    if (a_Other.m_iBitCount > m_iBitCount)
        SetCount(a_Other.m_iBitCount);
    Combine(a_Other, bSBitWords::bELogic_Xor);
}

bCTrackBitField & bCTrackBitField::operator&=(bCTrackBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_And);
    return *this;
}

bCTrackBitField & bCTrackBitField::operator|=(bCTrackBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Or);
    return *this;
}

bCTrackBitField & bCTrackBitField::operator^=(bCTrackBitField const & a_Other)
{
    Combine(a_Other, bSBitWords::bELogic_Xor);
    return *this;
}

void bCTrackBitField::Shift(long a_lShift, bool a_bLeft)
{
    int const iBefore = CountBelowBitCount();
    bSBitWords::Shift(m_arrWords.AccessArray(), m_arrWords.GetCount(), m_iBitCount, a_lShift, a_bLeft);
    m_iEnabledCount += CountBelowBitCount() - iBefore;
}

void bCTrackBitField::ShiftLeft(long a_lShift)
{
    Shift(a_lShift, true);
}

void bCTrackBitField::ShiftRight(long a_lShift)
{
    Shift(a_lShift, false);
}

bCTrackBitField & bCTrackBitField::operator<<=(long a_lShift)
{
    Shift(a_lShift, true);
    return *this;
}

bCTrackBitField & bCTrackBitField::operator>>=(long a_lShift)
{
    Shift(a_lShift, false);
    return *this;
}

bCTrackBitField const & bCTrackBitField::ResultOf(bCTrackBitField & a_Result) const
{
    if (&a_Result != this)
        a_Result.CopyFrom(*this);
    return a_Result;
}

bCTrackBitField const & bCTrackBitField::operator~() const
{
    static bCTrackBitField s_Result;
    ResultOf(s_Result);
    s_Result.Invert();
    return s_Result;
}

bCTrackBitField const & bCTrackBitField::operator|(bCTrackBitField const & a_Other) const
{
    static bCTrackBitField s_Result;
    ResultOf(s_Result);
    s_Result.Combine(a_Other, bSBitWords::bELogic_Or);
    return s_Result;
}

bCTrackBitField const & bCTrackBitField::operator&(bCTrackBitField const & a_Other) const
{
    static bCTrackBitField s_Result;
    ResultOf(s_Result);
    s_Result.Combine(a_Other, bSBitWords::bELogic_And);
    return s_Result;
}

bCTrackBitField const & bCTrackBitField::operator^(bCTrackBitField const & a_Other) const
{
    static bCTrackBitField s_Result;
    ResultOf(s_Result);
    s_Result.Combine(a_Other, bSBitWords::bELogic_Xor);
    return s_Result;
}

bCTrackBitField const & bCTrackBitField::operator<<(long a_lShift) const
{
    static bCTrackBitField s_Result;
    ResultOf(s_Result);
    s_Result.Shift(a_lShift, true);
    return s_Result;
}

bCTrackBitField const & bCTrackBitField::operator>>(long a_lShift) const
{
    static bCTrackBitField s_Result;
    ResultOf(s_Result);
    s_Result.Shift(a_lShift, false);
    return s_Result;
}

bool bCTrackBitField::operator==(bCTrackBitField const & a_Other) const
{
    if (m_iBitCount != a_Other.m_iBitCount || m_arrWords.GetCount() != a_Other.m_arrWords.GetCount())
        return false;
    return bSBitWords::AreEqual(m_arrWords.GetArray(), a_Other.m_arrWords.GetArray(), m_arrWords.GetCount());
}

bool bCTrackBitField::operator!=(bCTrackBitField const & a_Other) const
{
    return !(*this == a_Other);
}

bCOStream & bCTrackBitField::operator>>(bCOStream & a_Stream) const
{
    OEWriteBitField(a_Stream, m_arrWords.GetArray(), m_arrWords.GetCount(), m_iBitCount, &m_iEnabledCount,
                    m_iCursor);
    return a_Stream;
}

bCIStream & bCTrackBitField::operator<<(bCIStream & a_Stream)
{
    bSBitFieldImage Image;
    if (!OEReadBitField(a_Stream, true, "bCTrackBitField::operator<<", Image))
        return a_Stream;
    m_arrWords.CopyFrom(Image.m_arrWords);
    m_iBitCount = Image.m_iBitCount;
    m_iCursor = Image.m_iCursor;
    Recount();
    return a_Stream;
}

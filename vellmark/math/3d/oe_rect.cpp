#include <vellmark/math/3d/oe_rect.h>

#include <vellmark/kernel/oe_stream.h>

#include <algorithm>

namespace
{
    int32_t Add32(long a_iFirst, long a_iSecond)
    {
        return static_cast<int32_t>(static_cast<uint32_t>(a_iFirst) + static_cast<uint32_t>(a_iSecond));
    }

    int32_t Sub32(long a_iFirst, long a_iSecond)
    {
        return static_cast<int32_t>(static_cast<uint32_t>(a_iFirst) - static_cast<uint32_t>(a_iSecond));
    }
}

bCRect::bCRect(long a_iLeft, long a_iTop, long a_iRight, long a_iBottom)
    : m_TopLeft(a_iLeft, a_iTop), m_BottomRight(a_iRight, a_iBottom)
{
}

bCRect::bCRect(bCPoint const & a_TopLeft, bCPoint const & a_BottomRight)
    : m_TopLeft(a_TopLeft), m_BottomRight(a_BottomRight)
{
}

bCRect::bCRect(RECT const & a_Source) : m_TopLeft(a_Source.left, a_Source.top), m_BottomRight(a_Source.right, a_Source.bottom)
{
}

long bCRect::GetCoordinate(int a_iIndex) const
{
    return const_cast<bCRect *>(this)->AccessCoordinate(a_iIndex);
}

int32_t & bCRect::AccessCoordinate(int a_iIndex)
{
    switch (a_iIndex)
    {
    case 0:
        return AccessLeft();
    case 1:
        return AccessTop();
    case 2:
        return AccessRight();
    default:
        return AccessBottom();
    }
}

void bCRect::SetRect(long a_iLeft, long a_iTop, long a_iRight, long a_iBottom)
{
    m_TopLeft.SetPoint(a_iLeft, a_iTop);
    m_BottomRight.SetPoint(a_iRight, a_iBottom);
}

void bCRect::SetRect(bCPoint const & a_TopLeft, bCPoint const & a_BottomRight)
{
    m_TopLeft = a_TopLeft;
    m_BottomRight = a_BottomRight;
}

long bCRect::GetWidth() const
{
    return Sub32(GetRight(), GetLeft());
}

long bCRect::GetHeight() const
{
    return Sub32(GetBottom(), GetTop());
}

bCPoint bCRect::GetMagnitude() const
{
    return bCPoint(GetWidth(), GetHeight());
}

bCPoint bCRect::GetCenterPoint() const
{
    return bCPoint(Add32(GetLeft(), GetRight()) >> 1, Add32(GetTop(), GetBottom()) >> 1);
}

bool bCRect::Contains(bCPoint const & a_Point) const
{
    return GetLeft() <= a_Point.GetX() && a_Point.GetX() < GetRight() && GetTop() <= a_Point.GetY() &&
           a_Point.GetY() < GetBottom();
}

bool bCRect::ContainsExclusive(bCPoint const & a_Point) const
{
    return GetLeft() < a_Point.GetX() && a_Point.GetX() < GetRight() && GetTop() < a_Point.GetY() &&
           a_Point.GetY() < GetBottom();
}

bool bCRect::ContainsInclusive(bCPoint const & a_Point) const
{
    return GetLeft() <= a_Point.GetX() && a_Point.GetX() <= GetRight() && GetTop() <= a_Point.GetY() &&
           a_Point.GetY() <= GetBottom();
}

bool bCRect::Contains(bCRect const & a_Other) const
{
    return a_Other.GetLeft() >= GetLeft() && a_Other.GetTop() >= GetTop() && a_Other.GetRight() <= GetRight() &&
           a_Other.GetBottom() <= GetBottom();
}

bool bCRect::Intersects(bCRect const & a_Other) const
{
    return a_Other.GetRight() > GetLeft() && a_Other.GetBottom() > GetTop() && a_Other.GetLeft() < GetRight() &&
           a_Other.GetTop() < GetBottom();
}

void bCRect::Merge(bCPoint const & a_Point)
{
    SetRect(std::min(GetLeft(), a_Point.GetX()), std::min(GetTop(), a_Point.GetY()),
            std::max(GetRight(), a_Point.GetX()), std::max(GetBottom(), a_Point.GetY()));
}

void bCRect::Merge(bCRect const & a_Other)
{
    SetRect(std::min(GetLeft(), a_Other.GetLeft()), std::min(GetTop(), a_Other.GetTop()),
            std::max(GetRight(), a_Other.GetRight()), std::max(GetBottom(), a_Other.GetBottom()));
}

void bCRect::Intersect(bCRect const & a_Other)
{
    if (!Intersects(a_Other))
        return Invalidate();
    SetRect(std::max(GetLeft(), a_Other.GetLeft()), std::max(GetTop(), a_Other.GetTop()),
            std::min(GetRight(), a_Other.GetRight()), std::min(GetBottom(), a_Other.GetBottom()));
}

bCRect bCRect::GetMerged(bCPoint const & a_Point) const
{
    bCRect Result(*this);
    Result.Merge(a_Point);
    return Result;
}

bCRect bCRect::GetMerged(bCRect const & a_Other) const
{
    bCRect Result(*this);
    Result.Merge(a_Other);
    return Result;
}

bCRect bCRect::GetIntersected(bCRect const & a_Other) const
{
    bCRect Result(*this);
    Result.Intersect(a_Other);
    return Result;
}

bCRect & bCRect::operator|=(bCRect const & a_Other)
{
    Merge(a_Other);
    return *this;
}

bCRect & bCRect::operator&=(bCRect const & a_Other)
{
    Intersect(a_Other);
    return *this;
}

void bCRect::Inflate(long a_iAmount)
{
    SetRect(Sub32(GetLeft(), a_iAmount), Sub32(GetTop(), a_iAmount), Add32(GetRight(), a_iAmount),
            Add32(GetBottom(), a_iAmount));
}

void bCRect::Widen(bCRect const & a_Amounts)
{
    SetRect(Sub32(GetLeft(), a_Amounts.GetLeft()), Sub32(GetTop(), a_Amounts.GetTop()),
            Add32(GetRight(), a_Amounts.GetRight()), Add32(GetBottom(), a_Amounts.GetBottom()));
}

void bCRect::Shrink(bCRect const & a_Amounts)
{
    SetRect(Add32(GetLeft(), a_Amounts.GetLeft()), Add32(GetTop(), a_Amounts.GetTop()),
            Sub32(GetRight(), a_Amounts.GetRight()), Sub32(GetBottom(), a_Amounts.GetBottom()));
}

void bCRect::Widen(bCPoint const & a_Amounts)
{
    SetRect(Sub32(GetLeft(), a_Amounts.GetX()), Sub32(GetTop(), a_Amounts.GetY()), Add32(GetRight(), a_Amounts.GetX()),
            Add32(GetBottom(), a_Amounts.GetY()));
}

void bCRect::Shrink(bCPoint const & a_Amounts)
{
    SetRect(Add32(GetLeft(), a_Amounts.GetX()), Add32(GetTop(), a_Amounts.GetY()), Sub32(GetRight(), a_Amounts.GetX()),
            Sub32(GetBottom(), a_Amounts.GetY()));
}

void bCRect::Translate(bCPoint const & a_Offset)
{
    m_TopLeft.Translate(a_Offset);
    m_BottomRight.Translate(a_Offset);
}

void bCRect::InvTranslate(bCPoint const & a_Offset)
{
    m_TopLeft.InvTranslate(a_Offset);
    m_BottomRight.InvTranslate(a_Offset);
}

bCRect bCRect::operator+(bCPoint const & a_Offset) const
{
    bCRect Result(*this);
    Result.Translate(a_Offset);
    return Result;
}

bCRect bCRect::operator-(bCPoint const & a_Offset) const
{
    bCRect Result(*this);
    Result.InvTranslate(a_Offset);
    return Result;
}

bCRect & bCRect::operator+=(bCPoint const & a_Offset)
{
    Translate(a_Offset);
    return *this;
}

bCRect & bCRect::operator-=(bCPoint const & a_Offset)
{
    InvTranslate(a_Offset);
    return *this;
}

void bCRect::Normalize()
{
    if (GetLeft() > GetRight())
        std::swap(AccessLeft(), AccessRight());
    if (GetTop() > GetBottom())
        std::swap(AccessTop(), AccessBottom());
}

bool bCRect::IsNormalized() const
{
    return GetLeft() <= GetRight() && GetTop() <= GetBottom();
}

bool bCRect::IsEmpty() const
{
    return GetLeft() == GetRight() && GetTop() == GetBottom();
}

void bCRect::Invalidate()
{
    SetRect(2147483647L, 2147483647L, -1L, -1L);
}

bool bCRect::operator==(bCRect const & a_Other) const
{
    return m_TopLeft == a_Other.m_TopLeft && m_BottomRight == a_Other.m_BottomRight;
}

bCIStream & bCRect::operator<<(bCIStream & a_Stream)
{
    m_TopLeft << a_Stream;
    m_BottomRight << a_Stream;
    return a_Stream;
}

bCOStream & bCRect::operator>>(bCOStream & a_Stream) const
{
    m_TopLeft >> a_Stream;
    m_BottomRight >> a_Stream;
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCRect & a_Rect)
{
    return a_Rect << a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCRect const & a_Rect)
{
    return a_Rect >> a_Stream;
}

#ifndef OE_RECT_H_INCLUDED
#define OE_RECT_H_INCLUDED

// bCRect: an integer screen rectangle with the memory image of the platform's
// RECT record (left, top, right, bottom, 32-bit signed).
//
// - Half-open: Contains(point) includes the left and top edges, not the right
//   and bottom ones; ContainsInclusive includes all four, ContainsExclusive none.
// - The invalid rectangle is left = top = 2147483647, right = bottom = -1.
//   Merging into it and intersecting with it compute literally from those
//   values; they are no special cases.
// - Coordinates wrap at 32 bits.

#include <vellmark/math/3d/oe_point.h>

class OE_API bCRect
{
public:
    bCRect() = default;
    bCRect(long a_iLeft, long a_iTop, long a_iRight, long a_iBottom);
    bCRect(bCPoint const & a_TopLeft, bCPoint const & a_BottomRight);
    bCRect(bCRect const & a_Source) = default;
    bCRect(RECT const & a_Source);
    bCRect & operator=(bCRect const & a_Source) = default;

public:
    operator RECT &() { return *reinterpret_cast<RECT *>(this); }
    operator RECT const &() const { return *reinterpret_cast<RECT const *>(this); }
    operator RECT *() { return reinterpret_cast<RECT *>(this); }
    operator RECT const *() const { return reinterpret_cast<RECT const *>(this); }

    long GetLeft() const { return m_TopLeft.GetX(); }
    long GetTop() const { return m_TopLeft.GetY(); }
    long GetRight() const { return m_BottomRight.GetX(); }
    long GetBottom() const { return m_BottomRight.GetY(); }
    bCPoint const & GetTopLeft() const { return m_TopLeft; }
    bCPoint const & GetBottomRight() const { return m_BottomRight; }
    void SetLeft(long a_iLeft) { m_TopLeft.SetX(a_iLeft); }
    void SetTop(long a_iTop) { m_TopLeft.SetY(a_iTop); }
    void SetRight(long a_iRight) { m_BottomRight.SetX(a_iRight); }
    void SetBottom(long a_iBottom) { m_BottomRight.SetY(a_iBottom); }
    void SetTopLeft(bCPoint const & a_Point) { m_TopLeft = a_Point; }
    void SetBottomRight(bCPoint const & a_Point) { m_BottomRight = a_Point; }
    int32_t & AccessLeft() { return m_TopLeft.AccessX(); }
    int32_t & AccessTop() { return m_TopLeft.AccessY(); }
    int32_t & AccessRight() { return m_BottomRight.AccessX(); }
    int32_t & AccessBottom() { return m_BottomRight.AccessY(); }
    bCPoint & AccessTopLeft() { return m_TopLeft; }
    bCPoint & AccessBottomRight() { return m_BottomRight; }
    bCPoint & AccessPoint(int a_iIndex) { return a_iIndex == 1 ? m_BottomRight : m_TopLeft; } // 1: bottom-right
    long GetCoordinate(int a_iIndex) const;                                                   // left, top, right, bottom
    int32_t & AccessCoordinate(int a_iIndex);
    int32_t & operator()(int a_iIndex) { return AccessCoordinate(a_iIndex); }
    long operator()(int a_iIndex) const { return GetCoordinate(a_iIndex); }
    int32_t & operator[](int a_iIndex) { return AccessCoordinate(a_iIndex); }
    long operator[](int a_iIndex) const { return GetCoordinate(a_iIndex); }

    void SetRect(long a_iLeft, long a_iTop, long a_iRight, long a_iBottom);
    void SetRect(bCPoint const & a_TopLeft, bCPoint const & a_BottomRight);
    void SetRect(bCRect const & a_Source) { *this = a_Source; }
    void SetRect() { Invalidate(); }

    long GetWidth() const;         // right - left
    long GetHeight() const;        // bottom - top
    bCPoint GetMagnitude() const;  // (width, height)
    bCPoint GetCenterPoint() const; // halves round towards minus infinity

    bool Contains(bCPoint const & a_Point) const;
    bool ContainsExclusive(bCPoint const & a_Point) const;
    bool ContainsInclusive(bCPoint const & a_Point) const;
    bool Contains(bCRect const & a_Other) const;
    bool Intersects(bCRect const & a_Other) const; // touching rectangles do not intersect

    void Merge(bCPoint const & a_Point);
    void Merge(bCRect const & a_Other);
    void Intersect(bCRect const & a_Other); // the invalid rectangle when they do not intersect
    bCRect GetMerged(bCPoint const & a_Point) const;
    bCRect GetMerged(bCRect const & a_Other) const;
    bCRect GetIntersected(bCRect const & a_Other) const;
    bCRect operator|(bCRect const & a_Other) const { return GetMerged(a_Other); }
    bCRect & operator|=(bCRect const & a_Other);
    bCRect operator&(bCRect const & a_Other) const { return GetIntersected(a_Other); }
    bCRect & operator&=(bCRect const & a_Other);

    void Inflate(long a_iAmount); // every side outwards
    void Widen(bCRect const & a_Amounts);
    void Shrink(bCRect const & a_Amounts);
    void Widen(bCPoint const & a_Amounts);
    void Shrink(bCPoint const & a_Amounts);

    void Translate(bCPoint const & a_Offset);
    void InvTranslate(bCPoint const & a_Offset);
    bCRect operator+(bCPoint const & a_Offset) const;
    bCRect operator-(bCPoint const & a_Offset) const;
    bCRect & operator+=(bCPoint const & a_Offset);
    bCRect & operator-=(bCPoint const & a_Offset);

    void Normalize();
    bool IsNormalized() const;
    bool IsValid() const { return IsNormalized(); }
    bool IsEmpty() const;
    void Invalidate();

    bool operator==(bCRect const & a_Other) const;
    bool operator!=(bCRect const & a_Other) const { return !(*this == a_Other); }

    bCIStream & operator<<(bCIStream & a_Stream);      // reads 16 bytes
    bCOStream & operator>>(bCOStream & a_Stream) const; // writes 16 bytes

private:
    bCPoint m_TopLeft;
    bCPoint m_BottomRight;
};
static_assert(sizeof(bCRect) == sizeof(RECT), "a rectangle has the image of the platform's record");

OE_API bCIStream & operator>>(bCIStream & a_Stream, bCRect & a_Rect);
OE_API bCOStream & operator<<(bCOStream & a_Stream, bCRect const & a_Rect);

#endif

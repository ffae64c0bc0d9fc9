#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_rect.h>

#include <gtest/gtest.h>

#include <ostream>

// Both convert to record pointers; print their values instead.
void PrintTo(bCPoint const & a_Point, std::ostream * a_pStream)
{
    *a_pStream << "(" << a_Point.GetX() << ", " << a_Point.GetY() << ")";
}

void PrintTo(bCRect const & a_Rect, std::ostream * a_pStream)
{
    *a_pStream << "(" << a_Rect.GetLeft() << ", " << a_Rect.GetTop() << ", " << a_Rect.GetRight() << ", "
               << a_Rect.GetBottom() << ")";
}

namespace
{
    bCRect const g_Unit(0, 0, 10, 10);
}

TEST(bCPoint, ScalesWithRoundHalfEven)
{
    struct bSCase
    {
        long m_iX, m_iY;
        float m_fFactor;
        bool m_bInverse;
        long m_iExpectedX, m_iExpectedY;
    };
    bSCase const arrCases[] = {
        {3, 5, 0.5f, false, 2, 2},                               // 1.5 and 2.5 both round to 2
        {-3, -5, 0.5f, false, -2, -2}, {7, 1, 2.0f, true, 4, 0}, // 3.5 -> 4, 0.5 -> 0
        {7, 1, 0.0f, true, 7, 1},                                // a zero divisor changes nothing
        {1, -1, 3.0f, false, 3, -3},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(testing::Message() << Case.m_iX << "," << Case.m_iY << " by " << Case.m_fFactor);
        bCPoint Point(Case.m_iX, Case.m_iY);
        bCPoint const Expected(Case.m_iExpectedX, Case.m_iExpectedY);
        EXPECT_EQ(Case.m_bInverse ? Point / Case.m_fFactor : Point * Case.m_fFactor, Expected);
        if (Case.m_bInverse)
            Point /= Case.m_fFactor;
        else
            Point *= Case.m_fFactor;
        EXPECT_EQ(Point, Expected);
    }
}

TEST(bCPoint, ArithmeticWrapsAndKeepsThePlatformImage)
{
    bCPoint Point(0x100000005L, -7); // a long cut to 32 bits
    EXPECT_EQ(Point.GetX(), 5);
    EXPECT_EQ(Point + bCPoint(1, 2), bCPoint(6, -5));
    EXPECT_EQ(Point - bCPoint(1, 2), bCPoint(4, -9));
    bCPoint Max(2147483647L, 0);
    Max.Translate(1, 0);
    EXPECT_EQ(Max.GetX(), -2147483647L - 1);
    EXPECT_EQ(bCPoint(POINT{3, 4}), bCPoint(3, 4));
}

TEST(bCRect, ContainsAndIntersects)
{
    struct bSCase
    {
        long m_iX, m_iY;
        bool m_bContains, m_bExclusive, m_bInclusive;
    };
    bSCase const arrPoints[] = {
        {0, 0, true, false, true},   {10, 10, false, false, true}, {5, 5, true, true, true},
        {0, 10, false, false, true}, {-1, 5, false, false, false},
    };
    for (bSCase const & Case : arrPoints)
    {
        SCOPED_TRACE(testing::Message() << Case.m_iX << "," << Case.m_iY);
        bCPoint const Point(Case.m_iX, Case.m_iY);
        EXPECT_EQ(g_Unit.Contains(Point), Case.m_bContains);
        EXPECT_EQ(g_Unit.ContainsExclusive(Point), Case.m_bExclusive);
        EXPECT_EQ(g_Unit.ContainsInclusive(Point), Case.m_bInclusive);
    }
    struct bSRectCase
    {
        bCRect m_Other;
        bool m_bIntersects, m_bContains;
    };
    bSRectCase const arrRects[] = {
        {bCRect(9, 9, 20, 20), true, false},  {bCRect(10, 0, 20, 10), false, false},
        {bCRect(2, 2, 10, 10), true, true},   {bCRect(0, 0, 10, 11), true, false},
        {bCRect(-5, -5, 1, 1), true, false},  {bCRect(-5, 0, 0, 10), false, false},
    };
    for (bSRectCase const & Case : arrRects)
    {
        SCOPED_TRACE(testing::Message() << Case.m_Other.GetLeft() << "," << Case.m_Other.GetTop() << ","
                                        << Case.m_Other.GetRight() << "," << Case.m_Other.GetBottom());
        EXPECT_EQ(g_Unit.Intersects(Case.m_Other), Case.m_bIntersects);
        EXPECT_EQ(g_Unit.Contains(Case.m_Other), Case.m_bContains);
    }
}

TEST(bCRect, MergesIntersectsAndInvalidatesLiterally)
{
    bCRect const Invalid(2147483647L, 2147483647L, -1, -1);
    struct bSCase
    {
        char const * m_pcName;
        bCRect m_Result;
        bCRect m_Expected;
    };
    bCRect Merged(Invalid);
    Merged.Merge(bCPoint(3, 4));
    bCRect MergedNegative(Invalid);
    MergedNegative.Merge(bCPoint(-3, -4)); // right and bottom stay at -1
    bCRect Inflated(g_Unit);
    Inflated.Inflate(2);
    bCRect Shrunk(g_Unit);
    Shrunk.Shrink(bCPoint(1, 2));
    bCRect Reversed(10, 10, 0, 0);
    Reversed.Normalize();
    bCRect Cleared;
    Cleared.SetRect();
    bSCase const arrCases[] = {
        {"disjoint intersection", g_Unit & bCRect(20, 20, 30, 30), Invalid},
        {"touching intersection", g_Unit & bCRect(10, 0, 20, 10), Invalid},
        {"overlap", g_Unit & bCRect(5, -5, 20, 5), bCRect(5, 0, 10, 5)},
        {"merge", g_Unit | bCRect(-5, 5, 20, 8), bCRect(-5, 0, 20, 10)},
        {"merge into invalid", Merged, bCRect(3, 4, 3, 4)},
        {"negative point into invalid", MergedNegative, bCRect(-3, -4, -1, -1)},
        {"merge with invalid", g_Unit | Invalid, bCRect(0, 0, 10, 10)},
        {"inflate", Inflated, bCRect(-2, -2, 12, 12)},
        {"shrink", Shrunk, bCRect(1, 2, 9, 8)},
        {"normalize", Reversed, g_Unit},
        {"set to nothing", Cleared, Invalid},
    };
    for (bSCase const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcName);
        EXPECT_EQ(Case.m_Result, Case.m_Expected);
    }
    EXPECT_FALSE((g_Unit & bCRect(20, 20, 30, 30)).IsValid());
    EXPECT_TRUE(g_Unit.IsValid());
    EXPECT_TRUE(bCRect(3, 3, 3, 3).IsEmpty());
    EXPECT_FALSE(bCRect(3, 3, 3, 4).IsEmpty());
}

TEST(bCRect, MeasuresAndIndexes)
{
    EXPECT_EQ(bCRect(-3, -3, 0, 0).GetCenterPoint(), bCPoint(-2, -2)); // shifts round down
    EXPECT_EQ(bCRect(1, 2, 4, 8).GetMagnitude(), bCPoint(3, 6));
    bCRect Rect(1, 2, 3, 4);
    EXPECT_EQ(Rect.AccessPoint(1), bCPoint(3, 4));
    Rect[3] = 9;
    Rect(0) = -1;
    EXPECT_EQ(Rect, bCRect(-1, 2, 3, 9));
}

// The stream-first operators read and write the same memory image (see the value streams).
TEST(bCRect, StreamFirstOperators)
{
    bCMemoryStream Stream;
    bCRect const Rect(-1, 2, 0x7FFFFFFF, -2147483647L - 1);
    Stream << Rect << bCPoint(5, -6);
    ASSERT_EQ(Stream.GetSize(), 24);
    Stream.Seek(0, bEStreamSeekMode_Begin);
    bCRect ReadBack;
    bCPoint Point;
    Stream >> ReadBack >> Point;
    EXPECT_EQ(ReadBack, Rect);
    EXPECT_EQ(Point, bCPoint(5, -6));
}

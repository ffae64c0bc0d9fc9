#include <vellmark/graphics/oe_flexiblevertexptr.h>
#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector2.h>
#include <vellmark/math/3d/oe_vector4.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace
{
    // Vectors from and to their memory image of floats.
    template <typename V> V Make(std::initializer_list<float> a_Values)
    {
        V vecResult;
        std::memcpy(static_cast<void *>(&vecResult), a_Values.begin(), sizeof(V));
        return vecResult;
    }

    template <typename V> std::vector<float> Floats(V const & a_vecSource)
    {
        std::vector<float> arrFloats(sizeof(V) / 4);
        std::memcpy(arrFloats.data(), &a_vecSource, sizeof(V));
        return arrFloats;
    }

    float FloatAt(std::vector<uint8_t> const & a_arrBuffer, size_t a_uOffset)
    {
        float fValue;
        std::memcpy(&fValue, a_arrBuffer.data() + a_uOffset, 4);
        return fValue;
    }

    // Position with two weights, normal, point size, diffuse, specular, sets of 2, 3 and 1 coordinates.
    unsigned long const kFormat = 0x0F8 | 0x300 | (1ul << 18) | (3ul << 20);
} // namespace

TEST(bCFlexibleVertexPtr, WritesEachElementWhereTheFormatPutsIt)
{
    bCFlexibleVertexFormat const Format(kFormat);
    ASSERT_EQ(Format.GetVertexByteCount(), 68);
    std::vector<uint8_t> arrBuffer(3 * 68, 0);
    bCFlexibleVertexPtr Ptr;
    Ptr.AttachTo(Format, arrBuffer.data());
    ++Ptr;
    Ptr.SetPosition(Make<bCVector>({1.0f, 2.0f, 3.0f}));
    Ptr.SetAllWeights(0.5f);
    Ptr.SetWeight(1, 0.25f);
    Ptr.SetNormal(Make<bCVector>({0.0f, 1.0f, 0.0f}));
    Ptr.SetPointSize(7.0f);
    Ptr.SetDiffuse(0xFF102030ul);
    Ptr.SetSpecular(0x80405060ul);
    Ptr.SetAllTextureCoords(Make<bCVector4>({9.0f, 9.0f, 9.0f, 9.0f}));
    Ptr.SetTextureCoords(1, Make<bCVector>({4.0f, 5.0f, 6.0f}));

    struct Expected
    {
        size_t uOffset;
        float fValue;
    };
    // Layout: xyz 0, weights 12, normal 20, point size 32, diffuse 36, specular 40, sets at 44, 52, 64.
    Expected const arrFloats[] = {
        {0, 1.0f},  {4, 2.0f},  {8, 3.0f},  {12, 0.5f}, {16, 0.25f}, {20, 0.0f}, {24, 1.0f}, {28, 0.0f},
        {32, 7.0f}, {44, 9.0f}, {48, 9.0f}, {52, 4.0f}, {56, 5.0f},  {60, 6.0f}, {64, 9.0f},
    };
    for (Expected const & e : arrFloats)
        EXPECT_EQ(FloatAt(arrBuffer, 68 + e.uOffset), e.fValue) << "offset " << e.uOffset;
    uint32_t u32Diffuse, u32Specular;
    std::memcpy(&u32Diffuse, arrBuffer.data() + 68 + 36, 4);
    std::memcpy(&u32Specular, arrBuffer.data() + 68 + 40, 4);
    EXPECT_EQ(u32Diffuse, 0xFF102030u);
    EXPECT_EQ(u32Specular, 0x80405060u);
    for (size_t u = 0; u < 68; ++u)
    {
        EXPECT_EQ(arrBuffer[u], 0) << "the first vertex stays untouched";
        EXPECT_EQ(arrBuffer[136 + u], 0) << "the third vertex stays untouched";
    }

    // Reading back: the getters use the same offsets.
    EXPECT_EQ(Floats(Ptr.GetNormal()), (std::vector<float>{0.0f, 1.0f, 0.0f}));
    EXPECT_EQ(Ptr.GetSpecular(), 0x80405060ul);
    bCVector4 vecCoords = Make<bCVector4>({-1.0f, -1.0f, -1.0f, -1.0f});
    Ptr.GetTextureCoords(2, vecCoords);
    EXPECT_EQ(Floats(vecCoords), (std::vector<float>{9.0f, -1.0f, -1.0f, -1.0f})) << "set 2 has one coordinate";
    EXPECT_EQ(Floats(Ptr.AccessTextureCoords3(1)), (std::vector<float>{4.0f, 5.0f, 6.0f}));
}

TEST(bCFlexibleVertexPtr, MovesByWholeVerticesAndInvalidOnesNeitherReadNorWrite)
{
    std::vector<uint8_t> arrBuffer(10 * 32, 0);
    bCFlexibleVertexPtr Begin;
    Begin.AttachTo(bCFlexibleVertexFormat(0x112), arrBuffer.data());
    bCFlexibleVertexPtr Ptr(Begin);
    for (int i = 0; i < 10; ++i, ++Ptr)
        Ptr.SetX(static_cast<float>(i));
    EXPECT_EQ(Ptr.GetBuffer(), arrBuffer.data() + 320);
    EXPECT_EQ((Begin + 10), Ptr);
    EXPECT_EQ((Ptr - 10), Begin);
    bCFlexibleVertexPtr Step = Begin;
    EXPECT_EQ((Step++).GetBuffer(), arrBuffer.data());
    Step += 4;
    Step -= 2;
    EXPECT_EQ((Step--).GetX(), 3.0f);
    Step.Advance(3);
    Step.Rewind(1);
    EXPECT_EQ(Step.GetX(), 4.0f);
    bCFlexibleVertexPtr OtherFormat(Begin);
    OtherFormat.SetFormat(0x012ul);
    EXPECT_NE(OtherFormat, Begin) << "same buffer, other format";

    // Invalid pointers neither read nor write.
    std::vector<uint8_t> arrGuard(32, 0xAB);
    struct Case
    {
        char const * pcWhat;
        unsigned long uFormat;
        bool bBuffer;
    };
    Case const arrCases[] = {{"no buffer", 0x112, false}, {"empty format", 0x000, true}, {"nothing", 0x000, false}};
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(c.pcWhat);
        bCFlexibleVertexPtr Ptr;
        Ptr.AttachTo(bCFlexibleVertexFormat(c.uFormat), c.bBuffer ? arrGuard.data() : nullptr);
        EXPECT_FALSE(Ptr.IsValid());
        Ptr.SetPosition(Make<bCVector>({1.0f, 2.0f, 3.0f}));
        Ptr.SetDiffuse(5);
        Ptr.SetAllTextureCoords(Make<bCVector2>({1.0f, 1.0f}));
        float fX = -7.0f;
        Ptr.GetX(fX);
        EXPECT_EQ(fX, -7.0f);
        EXPECT_EQ(Ptr.GetDiffuse(), 0ul);
    }
    for (uint8_t u8Byte : arrGuard)
        ASSERT_EQ(u8Byte, 0xAB);

    // A format without weights ignores SetAllWeights.
    bCFlexibleVertexPtr NoWeights;
    NoWeights.AttachTo(bCFlexibleVertexFormat(0x002), arrGuard.data());
    EXPECT_TRUE(NoWeights.IsValid());
    NoWeights.SetAllWeights(1.0f);
    for (uint8_t u8Byte : arrGuard)
        ASSERT_EQ(u8Byte, 0xAB);
}

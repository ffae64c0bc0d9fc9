#include <vellmark/graphics/oe_flexiblevertexformat.h>

#include <gtest/gtest.h>

namespace
{
    struct LayoutCase
    {
        unsigned long uCode;
        int iBytes;
        int iWeights, iWeightsAt, iNormalAt, iPointSizeAt, iDiffuseAt, iSpecularAt, iTexturesAt;
        int iSets;
        int arrCoords[3];
    };

    // Offsets of absent elements are where they would start.
    LayoutCase const kLayouts[] = {
        {0x000, 0, 0, 12, 0, 0, 0, 0, 0, 0, {0, 0, 0}},
        {0x002, 12, 0, 12, 12, 12, 12, 12, 12, 0, {0, 0, 0}},
        {0x006, 16, 1, 12, 16, 16, 16, 16, 16, 0, {0, 0, 0}},
        {0x00E, 32, 5, 12, 32, 32, 32, 32, 32, 0, {0, 0, 0}},
        {0x112, 32, 0, 12, 12, 24, 24, 24, 24, 1, {2, 0, 0}},
        {0x0C4, 24, 0, 16, 16, 16, 16, 20, 24, 0, {0, 0, 0}},
        {0x0013030A, 48, 3, 12, 24, 24, 24, 24, 24, 3, {1, 2, 3}},
        {0x000000F0, 24, 0, 12, 0, 12, 16, 20, 24, 0, {0, 0, 0}},
        {0x00AA0F02, 12 + 4 * 16 + 4 * 8, 0, 12, 12, 12, 12, 12, 12, 8, {4, 4, 4}}, // a count of 15 reads as 8
    };
} // namespace

TEST(bCFlexibleVertexFormat, SizesOffsetsAndEditsOfTheCode)
{
    for (LayoutCase const & c : kLayouts)
    {
        SCOPED_TRACE(testing::Message() << std::hex << "code 0x" << c.uCode);
        bCFlexibleVertexFormat const Format(c.uCode);
        EXPECT_EQ(Format.GetVertexByteCount(), c.iBytes);
        EXPECT_EQ(Format.IsValid(), c.iBytes != 0);
        EXPECT_EQ(Format.GetWeightCount(), c.iWeights);
        EXPECT_EQ(Format.GetOffsetWeights(), c.iWeightsAt);
        EXPECT_EQ(Format.GetOffsetNormal(), c.iNormalAt);
        EXPECT_EQ(Format.GetOffsetPointSize(), c.iPointSizeAt);
        EXPECT_EQ(Format.GetOffsetDiffuse(), c.iDiffuseAt);
        EXPECT_EQ(Format.GetOffsetSpecular(), c.iSpecularAt);
        EXPECT_EQ(Format.GetOffsetTextureCoords(), c.iTexturesAt);
        EXPECT_EQ(Format.GetTextureStageCount(), c.iSets);
        int iSetAt = c.iTexturesAt;
        for (int iSet = 0; iSet < 3; ++iSet)
        {
            EXPECT_EQ(Format.GetTextureCoordCount(iSet), c.arrCoords[iSet]) << "set " << iSet;
            EXPECT_EQ(Format.GetOffsetTextureCoords(iSet), iSetAt) << "set " << iSet;
            EXPECT_EQ(Format.GetOffsetTextureCoord(iSet, 1), iSetAt + 4) << "set " << iSet;
            iSetAt += 4 * c.arrCoords[iSet];
        }
        EXPECT_EQ(Format.GetTextureCoordCount(8), 0);
        EXPECT_EQ(Format.HasXYZ(), (c.uCode & 0xE) != 0);
        EXPECT_EQ(Format.HasWeight(c.iWeights - 1), c.iWeights > 0);
        EXPECT_FALSE(Format.HasWeight(c.iWeights));
        EXPECT_FALSE(Format.HasWeight(-1));
    }

    // Editing, masking and comparing the code.
    struct Case
    {
        char const * pcWhat;
        unsigned long uBefore;
        void (*funcEdit)(bCFlexibleVertexFormat &);
        unsigned long uAfter;
    };
    Case const arrCases[] = {
        {"two weights", 0x012, [](bCFlexibleVertexFormat & f) { f.SetWeightCount(2); }, 0x018},
        {"five weights", 0x002, [](bCFlexibleVertexFormat & f) { f.SetWeightCount(5); }, 0x00E},
        {"no weights", 0x01A, [](bCFlexibleVertexFormat & f) { f.SetWeightCount(0); }, 0x010},
        {"six weights", 0x01A, [](bCFlexibleVertexFormat & f) { f.SetWeightCount(6); }, 0x010},
        {"rhw on", 0x012, [](bCFlexibleVertexFormat & f) { f.EnableRHW(true); }, 0x014},
        {"normal", 0x002, [](bCFlexibleVertexFormat & f) { f.EnableNormal(true); }, 0x012},
        {"diffuse", 0x002, [](bCFlexibleVertexFormat & f) { f.EnableDiffuse(true); }, 0x042},
        {"no specular", 0x0C2, [](bCFlexibleVertexFormat & f) { f.EnableSpecular(false); }, 0x042},
        {"eight stages", 0x102, [](bCFlexibleVertexFormat & f) { f.SetTextureStageCount(8); }, 0x802},
        {"nine stages", 0x302, [](bCFlexibleVertexFormat & f) { f.SetTextureStageCount(9); }, 0x002},
        {"set 1 of 3", 0x202, [](bCFlexibleVertexFormat & f) { f.SetTextureCoordCount(1, 3); }, 0x40202},
        {"set 1 of 2", 0xC0202, [](bCFlexibleVertexFormat & f) { f.SetTextureCoordCount(1, 2); }, 0x202},
        {"set 1 of 5", 0xC0202, [](bCFlexibleVertexFormat & f) { f.SetTextureCoordCount(1, 5); }, 0xC0202},
        {"modify", 0x1F2, [](bCFlexibleVertexFormat & f) { f.ModifyStyle(0x0F0, 0x004); }, 0x106},
    };
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(c.pcWhat);
        bCFlexibleVertexFormat Format(c.uBefore);
        c.funcEdit(Format);
        EXPECT_EQ(Format.GetFormat(), c.uAfter);
    }

    // Masks and comparison.
    EXPECT_TRUE(bCFlexibleVertexFormat(0x152).MatchesMask(0x050));
    EXPECT_FALSE(bCFlexibleVertexFormat(0x112).MatchesMask(0x050));
    bCFlexibleVertexFormat B;
    EXPECT_NE(bCFlexibleVertexFormat(0x112), B);
    B.AccessFormat() = 0x2;
    EXPECT_EQ(B.GetVertexByteCount(), 12);
    EXPECT_TRUE(B == 0x2 && 0x2 == B && B != 0x3);
}

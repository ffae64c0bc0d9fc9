#include <vellmark/graphics/oe_flexiblevertexformat.h>

namespace
{
    // Coordinates per texture set by the two-bit field: 0 -> 2, 1 -> 3, 2 -> 4, 3 -> 1.
    int const g_arrCoordsByField[4] = {2, 3, 4, 1};
    unsigned long const g_arrFieldByCoords[5] = {0, 3, 0, 1, 2};

    int TextureFieldShift(int a_iSet)
    {
        return 16 + 2 * a_iSet;
    }
} // namespace

bCFlexibleVertexFormat & bCFlexibleVertexFormat::operator=(bCFlexibleVertexFormat const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCFlexibleVertexFormat::ModifyStyle(unsigned long a_uRemove, unsigned long a_uAdd)
{
    m_u32Format = static_cast<uint32_t>((m_u32Format & ~a_uRemove) | a_uAdd);
}

bool bCFlexibleVertexFormat::MatchesMask(unsigned long a_uMask) const
{
    return (m_u32Format & a_uMask) == a_uMask;
}

void bCFlexibleVertexFormat::EnableBit(unsigned long a_uBit, bool a_bEnable)
{
    if (a_bEnable)
        ModifyStyle(0, a_uBit);
    else
        ModifyStyle(a_uBit, 0);
}

void bCFlexibleVertexFormat::EnableRHW(bool a_bEnable)
{
    if (a_bEnable)
        ModifyStyle(PositionXYZ, PositionXYZRHW);
    else
        ModifyStyle(PositionXYZRHW, PositionXYZ);
}

int bCFlexibleVertexFormat::GetWeightCount() const
{
    unsigned long const uKind = GetPositionKind();
    return uKind >= 0x006 ? static_cast<int>((uKind - 0x004) / 2) : 0;
}

void bCFlexibleVertexFormat::SetWeightCount(int a_iCount)
{
    unsigned long const uKind = (a_iCount >= 1 && a_iCount <= 5) ? 0x004 + 2 * static_cast<unsigned long>(a_iCount) : 0;
    ModifyStyle(PositionMask, uKind);
}

void bCFlexibleVertexFormat::SetTextureStageCount(int a_iCount)
{
    unsigned long const uCount = (a_iCount >= 1 && a_iCount <= GetMaxTextureStages()) ? a_iCount : 0;
    ModifyStyle(TextureCountMask, uCount << TextureCountShift);
}

int bCFlexibleVertexFormat::GetTextureCoordCount(int a_iSet) const
{
    if (a_iSet < 0 || a_iSet >= GetTextureStageCount())
        return 0;
    return g_arrCoordsByField[(m_u32Format >> TextureFieldShift(a_iSet)) & 3];
}

void bCFlexibleVertexFormat::SetTextureCoordCount(int a_iSet, int a_iCount)
{
    if (a_iSet < 0 || a_iSet >= GetMaxTextureStages() || a_iCount < 1 || a_iCount > 4)
        return;
    int const iShift = TextureFieldShift(a_iSet);
    ModifyStyle(3ul << iShift, g_arrFieldByCoords[a_iCount] << iShift);
}


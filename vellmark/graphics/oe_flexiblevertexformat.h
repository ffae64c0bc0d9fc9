#ifndef OE_FLEXIBLEVERTEXFORMAT_H_INCLUDED
#define OE_FLEXIBLEVERTEXFORMAT_H_INCLUDED

// bCFlexibleVertexFormat: a 32-bit flexible vertex format code and the layout
// it describes.
//
// Bits of the code:
//   0x00E  position kind: 0 none, 0x002 x y z, 0x004 x y z rhw, 0x006 ... 0x00E
//          x y z and 1 ... 5 blend weights
//   0x010 normal, 0x020 point size, 0x040 diffuse, 0x080 specular
//   0xF00  number of texture coordinate sets (read as at most 8)
//   bits 16 + 2 s and 17 + 2 s: coordinates of set s (0 -> 2, 1 -> 3, 2 -> 4, 3 -> 1)
// A vertex holds, in this order and only when present: position (12 bytes,
// 16 transformed), weights (4 each), normal (12), point size (4), diffuse (4),
// specular (4), texture sets 0, 1, ... (4 bytes per coordinate).

#include <vellmark/kernel/oe_types.h>

#include <cstdint>

// Coordinates in the four texture sets whose two-bit fields make up a byte (0 -> 2, 1 -> 3, 2 -> 4, 3 -> 1).
struct bSTextureCoordSums
{
    unsigned char arrSums[256];
    constexpr bSTextureCoordSums() : arrSums()
    {
        constexpr unsigned char arrCoords[4] = {2, 3, 4, 1};
        for (int i = 0; i < 256; ++i)
            arrSums[i] = static_cast<unsigned char>(arrCoords[i & 3] + arrCoords[(i >> 2) & 3] +
                                                    arrCoords[(i >> 4) & 3] + arrCoords[(i >> 6) & 3]);
    }
};

class OE_API bCFlexibleVertexFormat
{
public:
    static int GetMaxTextureStages() { return 8; }

public:
    bCFlexibleVertexFormat() : m_u32Format(0) {}
    bCFlexibleVertexFormat(unsigned long a_uFormat) : m_u32Format(static_cast<uint32_t>(a_uFormat)) {}
    bCFlexibleVertexFormat(bCFlexibleVertexFormat const & a_Source) = default;
    ~bCFlexibleVertexFormat() = default;
    bCFlexibleVertexFormat & operator=(bCFlexibleVertexFormat const & a_Source);

public:
    void CopyFrom(bCFlexibleVertexFormat const & a_Source) { m_u32Format = a_Source.m_u32Format; }
    void CopyTo(bCFlexibleVertexFormat & a_Dest) const { a_Dest.CopyFrom(*this); }

    operator unsigned long() const { return m_u32Format; }
    unsigned long GetFormat() const { return m_u32Format; }
    void SetFormat(unsigned long a_uFormat) { m_u32Format = static_cast<uint32_t>(a_uFormat); }
    uint32_t & AccessFormat() { return m_u32Format; }

    void ModifyStyle(unsigned long a_uRemove, unsigned long a_uAdd); // code = (code & ~remove) | add
    bool MatchesMask(unsigned long a_uMask) const;                   // every bit of the mask is set

    bool HasXYZ() const { return GetPositionKind() != 0; }
    bool HasRHW() const { return GetPositionKind() == PositionXYZRHW; }
    bool IsTransformedAndLit() const { return HasRHW(); }
    bool HasWeight(int a_iWeight) const { return a_iWeight >= 0 && a_iWeight < GetWeightCount(); }
    bool HasNormal() const { return (m_u32Format & Normal) != 0; }
    bool HasPointSize() const { return (m_u32Format & PointSize) != 0; }
    bool HasDiffuse() const { return (m_u32Format & Diffuse) != 0; }
    bool HasSpecular() const { return (m_u32Format & Specular) != 0; }

    void EnableNormal(bool a_bEnable) { EnableBit(Normal, a_bEnable); }
    void EnablePointSize(bool a_bEnable) { EnableBit(PointSize, a_bEnable); }
    void EnableDiffuse(bool a_bEnable) { EnableBit(Diffuse, a_bEnable); }
    void EnableSpecular(bool a_bEnable) { EnableBit(Specular, a_bEnable); }
    void EnableRHW(bool a_bEnable); // true: 0x002 off, 0x004 on; false the reverse

    int GetWeightCount() const;              // 0 to 5
    void SetWeightCount(int a_iCount);       // 1 to 5; any other count removes the position
    int GetTextureStageCount() const;        // 0 to 8
    void SetTextureStageCount(int a_iCount); // 1 to 8; any other count writes 0
    int GetTextureCoordCount(int a_iSet) const;
    void SetTextureCoordCount(int a_iSet, int a_iCount); // 1 to 4; others leave the code

    int GetVertexByteCount() const { return GetOffsetTextureCoords(GetMaxTextureStages()); }
    bool IsValid() const { return GetVertexByteCount() != 0; }

    int GetOffsetXYZ() const { return 0; }
    int GetOffsetX() const { return 0; }
    int GetOffsetY() const { return 4; }
    int GetOffsetZ() const { return 8; }
    int GetOffsetRHW() const { return 12; }
    int GetOffsetWeights() const { return HasRHW() ? 16 : 12; }
    int GetOffsetWeight(int a_iWeight) const { return GetOffsetWeights() + 4 * a_iWeight; }
    int GetOffsetNormal() const { return ms_arrPositionBytes[GetPositionKind() >> 1]; }
    int GetOffsetPointSize() const { return GetOffsetNormal() + (HasNormal() ? 12 : 0); }
    int GetOffsetDiffuse() const { return GetOffsetPointSize() + (HasPointSize() ? 4 : 0); }
    int GetOffsetSpecular() const { return GetOffsetDiffuse() + (HasDiffuse() ? 4 : 0); }
    int GetOffsetTextureCoords() const { return GetOffsetSpecular() + (HasSpecular() ? 4 : 0); }
    int GetOffsetTextureCoords(int a_iSet) const;
    int GetOffsetTextureCoord(int a_iSet, int a_iCoord) const { return GetOffsetTextureCoords(a_iSet) + 4 * a_iCoord; }

    bool operator==(bCFlexibleVertexFormat const & a_Other) const { return m_u32Format == a_Other.m_u32Format; }
    bool operator!=(bCFlexibleVertexFormat const & a_Other) const { return m_u32Format != a_Other.m_u32Format; }

private:
    enum : unsigned long
    {
        PositionMask = 0x00E,
        PositionXYZ = 0x002,
        PositionXYZRHW = 0x004,
        Normal = 0x010,
        PointSize = 0x020,
        Diffuse = 0x040,
        Specular = 0x080,
        TextureCountMask = 0xF00,
        TextureCountShift = 8,
    };

    // Vertex bytes up to the normal by position kind / 2: none, xyz, xyz rhw, xyz and 1 to 5 weights.
    static constexpr unsigned char ms_arrPositionBytes[8] = {0, 12, 16, 16, 20, 24, 28, 32};
    static constexpr bSTextureCoordSums ms_TextureCoordSums{};

    unsigned long GetPositionKind() const { return m_u32Format & PositionMask; }
    int GetTextureCoordTotal(int a_iSets) const; // coordinates in sets 0 to a_iSets - 1
    void EnableBit(unsigned long a_uBit, bool a_bEnable);

private:
    uint32_t m_u32Format;
};

inline int bCFlexibleVertexFormat::GetTextureCoordTotal(int a_iSets) const
{
    // Sets beyond a_iSets are masked to field 0 (two coordinates each) and taken off again.
    int const iSets = a_iSets < 0 ? 0 : (a_iSets < GetTextureStageCount() ? a_iSets : GetTextureStageCount());
    unsigned int const uFields = (m_u32Format >> 16) & ((1u << (2 * iSets)) - 1);
    return ms_TextureCoordSums.arrSums[uFields & 0xFF] + ms_TextureCoordSums.arrSums[uFields >> 8] -
           2 * (GetMaxTextureStages() - iSets);
}

inline int bCFlexibleVertexFormat::GetOffsetTextureCoords(int a_iSet) const
{
    return GetOffsetTextureCoords() + 4 * GetTextureCoordTotal(a_iSet);
}

inline int bCFlexibleVertexFormat::GetTextureStageCount() const
{
    int const iCount = static_cast<int>((m_u32Format & TextureCountMask) >> TextureCountShift);
    return iCount > GetMaxTextureStages() ? GetMaxTextureStages() : iCount;
}

#endif

#include <vellmark/graphics/oe_flexiblevertexptr.h>

#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector2.h>
#include <vellmark/math/3d/oe_vector4.h>

#include <algorithm>
#include <cstring>

// Vectors travel as their memory image, their floats in index order.
static_assert(sizeof(bCVector) == 12 && sizeof(bCVector2) == 8 && sizeof(bCVector4) == 16, "vectors are floats");

bCFlexibleVertexPtr::bCFlexibleVertexPtr() : m_pu8Buffer(nullptr)
{
}

bCFlexibleVertexPtr & bCFlexibleVertexPtr::operator=(bCFlexibleVertexPtr const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

void bCFlexibleVertexPtr::CopyFrom(bCFlexibleVertexPtr const & a_Source)
{
    m_Format = a_Source.m_Format;
    m_pu8Buffer = a_Source.m_pu8Buffer;
}

void bCFlexibleVertexPtr::AttachTo(bCFlexibleVertexFormat const & a_Format, void * a_pBuffer)
{
    m_Format = a_Format;
    SetBuffer(a_pBuffer);
}

void bCFlexibleVertexPtr::Invalidate()
{
    m_Format.SetFormat(0);
    m_pu8Buffer = nullptr;
}

bCFlexibleVertexPtr bCFlexibleVertexPtr::operator++(int)
{
    bCFlexibleVertexPtr Before(*this);
    Advance(1);
    return Before;
}

bCFlexibleVertexPtr bCFlexibleVertexPtr::operator--(int)
{
    bCFlexibleVertexPtr Before(*this);
    Rewind(1);
    return Before;
}

bCFlexibleVertexPtr & bCFlexibleVertexPtr::operator+=(int a_iVertices)
{
    Advance(a_iVertices);
    return *this;
}

bCFlexibleVertexPtr & bCFlexibleVertexPtr::operator-=(int a_iVertices)
{
    Rewind(a_iVertices);
    return *this;
}

bCFlexibleVertexPtr bCFlexibleVertexPtr::operator+(int a_iVertices) const
{
    bCFlexibleVertexPtr Result(*this);
    Result.Advance(a_iVertices);
    return Result;
}

bCFlexibleVertexPtr bCFlexibleVertexPtr::operator-(int a_iVertices) const
{
    bCFlexibleVertexPtr Result(*this);
    Result.Rewind(a_iVertices);
    return Result;
}

bool bCFlexibleVertexPtr::operator==(bCFlexibleVertexPtr const & a_Other) const
{
    return m_pu8Buffer == a_Other.m_pu8Buffer && m_Format == a_Other.m_Format;
}

void bCFlexibleVertexPtr::GetFloats(int a_iOffset, void * a_pDest, int a_iCount) const
{
    if (IsValid() && a_iCount > 0)
        std::memcpy(a_pDest, At(a_iOffset), 4 * static_cast<size_t>(a_iCount));
}

void bCFlexibleVertexPtr::SetFloats(int a_iOffset, void const * a_pSource, int a_iCount)
{
    if (IsValid() && a_iCount > 0)
        std::memcpy(At(a_iOffset), a_pSource, 4 * static_cast<size_t>(a_iCount));
}

bCVector bCFlexibleVertexPtr::GetPosition() const
{
    bCVector vecPosition;
    std::memset(static_cast<void *>(&vecPosition), 0, sizeof(vecPosition));
    GetPosition(vecPosition);
    return vecPosition;
}

void bCFlexibleVertexPtr::GetPosition(bCVector & a_vecPosition) const
{
    GetFloats(m_Format.GetOffsetXYZ(), &a_vecPosition, 3);
}

void bCFlexibleVertexPtr::GetPosition(bCVector2 & a_vecPosition) const
{
    GetFloats(m_Format.GetOffsetXYZ(), &a_vecPosition, 2);
}

bCVector & bCFlexibleVertexPtr::AccessPosition()
{
    return *reinterpret_cast<bCVector *>(At(m_Format.GetOffsetXYZ()));
}

void bCFlexibleVertexPtr::SetPosition(bCVector const & a_vecPosition)
{
    SetFloats(m_Format.GetOffsetXYZ(), &a_vecPosition, 3);
}

void bCFlexibleVertexPtr::SetPosition(bCVector2 const & a_vecPosition)
{
    SetFloats(m_Format.GetOffsetXYZ(), &a_vecPosition, 2);
}

void bCFlexibleVertexPtr::SetAllWeights(float a_fWeight)
{
    for (int iWeight = 0; iWeight < m_Format.GetWeightCount(); ++iWeight)
        SetWeight(iWeight, a_fWeight);
}

bCVector bCFlexibleVertexPtr::GetNormal() const
{
    bCVector vecNormal;
    std::memset(static_cast<void *>(&vecNormal), 0, sizeof(vecNormal));
    GetNormal(vecNormal);
    return vecNormal;
}

void bCFlexibleVertexPtr::GetNormal(bCVector & a_vecNormal) const
{
    GetFloats(m_Format.GetOffsetNormal(), &a_vecNormal, 3);
}

bCVector & bCFlexibleVertexPtr::AccessNormal()
{
    return *reinterpret_cast<bCVector *>(At(m_Format.GetOffsetNormal()));
}

void bCFlexibleVertexPtr::SetNormal(bCVector const & a_vecNormal)
{
    SetFloats(m_Format.GetOffsetNormal(), &a_vecNormal, 3);
}

void bCFlexibleVertexPtr::GetCoords(int a_iSet, void * a_pDest, int a_iCount) const
{
    GetFloats(m_Format.GetOffsetTextureCoords(a_iSet), a_pDest,
              std::min(a_iCount, m_Format.GetTextureCoordCount(a_iSet)));
}

void bCFlexibleVertexPtr::SetCoords(int a_iSet, void const * a_pSource, int a_iCount)
{
    SetFloats(m_Format.GetOffsetTextureCoords(a_iSet), a_pSource,
              std::min(a_iCount, m_Format.GetTextureCoordCount(a_iSet)));
}

void bCFlexibleVertexPtr::SetAllCoords(void const * a_pSource, int a_iCount)
{
    for (int iSet = 0; iSet < m_Format.GetTextureStageCount(); ++iSet)
        SetCoords(iSet, a_pSource, a_iCount);
}

void bCFlexibleVertexPtr::GetTextureCoords(int a_iSet, bCVector2 & a_vecCoords) const
{
    GetCoords(a_iSet, &a_vecCoords, 2);
}

void bCFlexibleVertexPtr::GetTextureCoords(int a_iSet, bCVector & a_vecCoords) const
{
    GetCoords(a_iSet, &a_vecCoords, 3);
}

void bCFlexibleVertexPtr::GetTextureCoords(int a_iSet, bCVector4 & a_vecCoords) const
{
    GetCoords(a_iSet, &a_vecCoords, 4);
}

void bCFlexibleVertexPtr::SetTextureCoords(int a_iSet, bCVector2 const & a_vecCoords)
{
    SetCoords(a_iSet, &a_vecCoords, 2);
}

void bCFlexibleVertexPtr::SetTextureCoords(int a_iSet, bCVector const & a_vecCoords)
{
    SetCoords(a_iSet, &a_vecCoords, 3);
}

void bCFlexibleVertexPtr::SetTextureCoords(int a_iSet, bCVector4 const & a_vecCoords)
{
    SetCoords(a_iSet, &a_vecCoords, 4);
}

bCVector2 & bCFlexibleVertexPtr::AccessTextureCoords2(int a_iSet)
{
    return *reinterpret_cast<bCVector2 *>(At(m_Format.GetOffsetTextureCoords(a_iSet)));
}

bCVector & bCFlexibleVertexPtr::AccessTextureCoords3(int a_iSet)
{
    return *reinterpret_cast<bCVector *>(At(m_Format.GetOffsetTextureCoords(a_iSet)));
}

bCVector4 & bCFlexibleVertexPtr::AccessTextureCoords4(int a_iSet)
{
    return *reinterpret_cast<bCVector4 *>(At(m_Format.GetOffsetTextureCoords(a_iSet)));
}

void bCFlexibleVertexPtr::SetAllTextureCoords(bCVector2 const & a_vecCoords)
{
    SetAllCoords(&a_vecCoords, 2);
}

void bCFlexibleVertexPtr::SetAllTextureCoords(bCVector const & a_vecCoords)
{
    SetAllCoords(&a_vecCoords, 3);
}

void bCFlexibleVertexPtr::SetAllTextureCoords(bCVector4 const & a_vecCoords)
{
    SetAllCoords(&a_vecCoords, 4);
}

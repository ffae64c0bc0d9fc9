#ifndef OE_FLEXIBLEVERTEXPTR_H_INCLUDED
#define OE_FLEXIBLEVERTEXPTR_H_INCLUDED

// bCFlexibleVertexPtr: a cursor over a vertex buffer of one flexible vertex
// format (the buffer is not owned). Moving steps by whole vertices of the
// format's byte count; element access adds the element's offset to the start
// of the current vertex, whether or not the format has the element.
//
// The getters that fill an output argument and every setter do nothing while
// the pointer is not valid (no buffer or an empty format); the value getters
// then return zeros. Access... forms hand out references into the buffer and
// require a valid pointer. Texture coordinates move as many floats as both
// the vector and the set have.

#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/graphics/oe_flexiblevertexformat.h>

#include <cstring>

class bCVector;
class bCVector2;
class bCVector4;

class OE_API bCFlexibleVertexPtr
{
public:
    bCFlexibleVertexPtr();
    bCFlexibleVertexPtr(bCFlexibleVertexPtr const & a_Source) = default;
    ~bCFlexibleVertexPtr() = default;
    bCFlexibleVertexPtr & operator=(bCFlexibleVertexPtr const & a_Source);

public:
    void CopyFrom(bCFlexibleVertexPtr const & a_Source);
    void CopyTo(bCFlexibleVertexPtr & a_Dest) const { a_Dest.CopyFrom(*this); }
    void AttachTo(bCFlexibleVertexFormat const & a_Format, void * a_pBuffer);
    void Invalidate(); // no format, no buffer

    bCFlexibleVertexFormat const & GetFormat() const { return m_Format; }
    bCFlexibleVertexFormat & AccessFormat() { return m_Format; }
    void SetFormat(bCFlexibleVertexFormat const & a_Format) { m_Format = a_Format; }
    void SetFormat(unsigned long a_uFormat) { m_Format.SetFormat(a_uFormat); }
    OEU8 * GetBuffer() const { return m_pu8Buffer; }
    OEU8 *& AccessBuffer() { return m_pu8Buffer; }
    void SetBuffer(void * a_pBuffer) { m_pu8Buffer = static_cast<OEU8 *>(a_pBuffer); }

    bool IsValid() const { return IsBufferValid() && IsFormatValid(); }
    bool IsBufferValid() const { return m_pu8Buffer != nullptr; }
    bool IsFormatValid() const { return m_Format.IsValid(); }

    void Advance(int a_iVertices = 1);
    void Rewind(int a_iVertices = 1);
    bCFlexibleVertexPtr & operator++();
    bCFlexibleVertexPtr operator++(int);
    bCFlexibleVertexPtr & operator--();
    bCFlexibleVertexPtr operator--(int);
    bCFlexibleVertexPtr & operator+=(int a_iVertices);
    bCFlexibleVertexPtr & operator-=(int a_iVertices);
    bCFlexibleVertexPtr operator+(int a_iVertices) const;
    bCFlexibleVertexPtr operator-(int a_iVertices) const;
    bool operator==(bCFlexibleVertexPtr const & a_Other) const;
    bool operator!=(bCFlexibleVertexPtr const & a_Other) const { return !(*this == a_Other); }

    float GetX() const { return GetFloat(m_Format.GetOffsetX()); }
    float GetY() const { return GetFloat(m_Format.GetOffsetY()); }
    float GetZ() const { return GetFloat(m_Format.GetOffsetZ()); }
    void GetX(float & a_fX) const { GetFloat(m_Format.GetOffsetX(), a_fX); }
    void GetY(float & a_fY) const { GetFloat(m_Format.GetOffsetY(), a_fY); }
    void GetZ(float & a_fZ) const { GetFloat(m_Format.GetOffsetZ(), a_fZ); }
    float & AccessX() { return AccessFloat(m_Format.GetOffsetX()); }
    float & AccessY() { return AccessFloat(m_Format.GetOffsetY()); }
    float & AccessZ() { return AccessFloat(m_Format.GetOffsetZ()); }
    void SetX(float a_fX) { SetFloat(m_Format.GetOffsetX(), a_fX); }
    void SetY(float a_fY) { SetFloat(m_Format.GetOffsetY(), a_fY); }
    void SetZ(float a_fZ) { SetFloat(m_Format.GetOffsetZ(), a_fZ); }

    bCVector GetPosition() const;
    void GetPosition(bCVector & a_vecPosition) const;
    void GetPosition(bCVector2 & a_vecPosition) const; // x and y
    bCVector & AccessPosition();
    void SetPosition(bCVector const & a_vecPosition);
    void SetPosition(bCVector2 const & a_vecPosition); // x and y

    float GetRHW() const { return GetFloat(m_Format.GetOffsetRHW()); }
    void GetRHW(float & a_fRHW) const { GetFloat(m_Format.GetOffsetRHW(), a_fRHW); }
    float & AccessRHW() { return AccessFloat(m_Format.GetOffsetRHW()); }
    void SetRHW(float a_fRHW) { SetFloat(m_Format.GetOffsetRHW(), a_fRHW); }

    float GetWeight(int a_iWeight) const { return GetFloat(m_Format.GetOffsetWeight(a_iWeight)); }
    void GetWeight(int a_iWeight, float & a_fWeight) const { GetFloat(m_Format.GetOffsetWeight(a_iWeight), a_fWeight); }
    float & AccessWeight(int a_iWeight) { return AccessFloat(m_Format.GetOffsetWeight(a_iWeight)); }
    void SetWeight(int a_iWeight, float a_fWeight) { SetFloat(m_Format.GetOffsetWeight(a_iWeight), a_fWeight); }
    void SetAllWeights(float a_fWeight); // nothing without weights

    bCVector GetNormal() const;
    void GetNormal(bCVector & a_vecNormal) const;
    bCVector & AccessNormal();
    void SetNormal(bCVector const & a_vecNormal);

    float GetPointSize() const { return GetFloat(m_Format.GetOffsetPointSize()); }
    void GetPointSize(float & a_fSize) const { GetFloat(m_Format.GetOffsetPointSize(), a_fSize); }
    float & AccessPointSize() { return AccessFloat(m_Format.GetOffsetPointSize()); }
    void SetPointSize(float a_fSize) { SetFloat(m_Format.GetOffsetPointSize(), a_fSize); }

    unsigned long GetDiffuse() const { return GetWord(m_Format.GetOffsetDiffuse()); }
    void GetDiffuse(unsigned long & a_uColor) const { GetWord(m_Format.GetOffsetDiffuse(), a_uColor); }
    uint32_t & AccessDiffuse() { return AccessWord(m_Format.GetOffsetDiffuse()); }
    void SetDiffuse(unsigned long a_uColor) { SetWord(m_Format.GetOffsetDiffuse(), a_uColor); }
    unsigned long GetSpecular() const { return GetWord(m_Format.GetOffsetSpecular()); }
    void GetSpecular(unsigned long & a_uColor) const { GetWord(m_Format.GetOffsetSpecular(), a_uColor); }
    uint32_t & AccessSpecular() { return AccessWord(m_Format.GetOffsetSpecular()); }
    void SetSpecular(unsigned long a_uColor) { SetWord(m_Format.GetOffsetSpecular(), a_uColor); }

    void GetTextureCoords(int a_iSet, bCVector2 & a_vecCoords) const;
    void GetTextureCoords(int a_iSet, bCVector & a_vecCoords) const;
    void GetTextureCoords(int a_iSet, bCVector4 & a_vecCoords) const;
    void SetTextureCoords(int a_iSet, bCVector2 const & a_vecCoords);
    void SetTextureCoords(int a_iSet, bCVector const & a_vecCoords);
    void SetTextureCoords(int a_iSet, bCVector4 const & a_vecCoords);
    bCVector2 & AccessTextureCoords2(int a_iSet);
    bCVector & AccessTextureCoords3(int a_iSet);
    bCVector4 & AccessTextureCoords4(int a_iSet);
    void SetAllTextureCoords(bCVector2 const & a_vecCoords);
    void SetAllTextureCoords(bCVector const & a_vecCoords);
    void SetAllTextureCoords(bCVector4 const & a_vecCoords);

private:
    OEU8 * At(int a_iOffset) const { return m_pu8Buffer + a_iOffset; }
    float GetFloat(int a_iOffset) const;
    void GetFloat(int a_iOffset, float & a_fValue) const;
    float & AccessFloat(int a_iOffset) { return *reinterpret_cast<float *>(At(a_iOffset)); }
    void SetFloat(int a_iOffset, float a_fValue);
    unsigned long GetWord(int a_iOffset) const;
    void GetWord(int a_iOffset, unsigned long & a_uValue) const;
    uint32_t & AccessWord(int a_iOffset) { return *reinterpret_cast<uint32_t *>(At(a_iOffset)); }
    void SetWord(int a_iOffset, unsigned long a_uValue);
    void GetFloats(int a_iOffset, void * a_pDest, int a_iCount) const;
    void SetFloats(int a_iOffset, void const * a_pSource, int a_iCount);
    void GetCoords(int a_iSet, void * a_pDest, int a_iCount) const;
    void SetCoords(int a_iSet, void const * a_pSource, int a_iCount);
    void SetAllCoords(void const * a_pSource, int a_iCount);

private:
    bCFlexibleVertexFormat m_Format;
    OEU8 * m_pu8Buffer;
};

// The element accessors and the moves run in inner loops: inline.

inline void bCFlexibleVertexPtr::Advance(int a_iVertices)
{
    m_pu8Buffer += static_cast<long>(a_iVertices) * m_Format.GetVertexByteCount();
}

inline void bCFlexibleVertexPtr::Rewind(int a_iVertices)
{
    m_pu8Buffer -= static_cast<long>(a_iVertices) * m_Format.GetVertexByteCount();
}

inline bCFlexibleVertexPtr & bCFlexibleVertexPtr::operator++()
{
    Advance(1);
    return *this;
}

inline bCFlexibleVertexPtr & bCFlexibleVertexPtr::operator--()
{
    Rewind(1);
    return *this;
}

inline void bCFlexibleVertexPtr::GetFloat(int a_iOffset, float & a_fValue) const
{
    if (IsValid())
        std::memcpy(&a_fValue, At(a_iOffset), 4);
}

inline float bCFlexibleVertexPtr::GetFloat(int a_iOffset) const
{
    float fValue = 0.0f;
    GetFloat(a_iOffset, fValue);
    return fValue;
}

inline void bCFlexibleVertexPtr::SetFloat(int a_iOffset, float a_fValue)
{
    if (IsValid())
        std::memcpy(At(a_iOffset), &a_fValue, 4);
}

inline void bCFlexibleVertexPtr::GetWord(int a_iOffset, unsigned long & a_uValue) const
{
    if (!IsValid())
        return;
    uint32_t u32Value;
    std::memcpy(&u32Value, At(a_iOffset), 4);
    a_uValue = u32Value;
}

inline unsigned long bCFlexibleVertexPtr::GetWord(int a_iOffset) const
{
    unsigned long uValue = 0;
    GetWord(a_iOffset, uValue);
    return uValue;
}

inline void bCFlexibleVertexPtr::SetWord(int a_iOffset, unsigned long a_uValue)
{
    if (!IsValid())
        return;
    uint32_t const u32Value = static_cast<uint32_t>(a_uValue);
    std::memcpy(At(a_iOffset), &u32Value, 4);
}

#endif

#ifndef OE_MATRIX2_H_INCLUDED
#define OE_MATRIX2_H_INCLUDED

// bCMatrix2: 2x2 floats, row by row (rows 0 and 1 the x and y axes); the
// one-index forms take r * 2 + c. Row vectors, v' = v M. Its stream form is
// element (0, 0) alone.

#include <vellmark/math/3d/oe_vector2.h>

class bCIStream;
class bCOStream;

class OE_API bCMatrix2
{
public:
    static bCMatrix2 const & GetIdentity();
    static bCMatrix2 const & GetZero();

public:
    bCMatrix2() = default;                          // uninitialised
    explicit bCMatrix2(float const * a_pfElements); // 4 floats, row by row
    explicit bCMatrix2(float const a_fElements[2][2]);
    bCMatrix2(bCVector2 const & a_vecRow0, bCVector2 const & a_vecRow1);
    bCMatrix2(float a_f00, float a_f01, float a_f10, float a_f11);
    explicit bCMatrix2(float a_fAll);
    bCMatrix2(bCMatrix2 const &) = default;
    bCMatrix2 & operator=(bCMatrix2 const &) = default;
    ~bCMatrix2() = default;

public:
    void SetMatrix(float const * a_pfElements);
    void SetMatrix(float const a_fElements[2][2]);
    void SetMatrix(bCVector2 const & a_vecRow0, bCVector2 const & a_vecRow1);
    void SetMatrix(float a_f00, float a_f01, float a_f10, float a_f11);
    void SetMatrix(bCMatrix2 const & a_matSource);
    void SetMatrix(float a_fAll);

    float GetElement(int a_iRow, int a_iColumn) const;
    float GetElement(int a_iIndex) const;
    void SetElement(int a_iRow, int a_iColumn, float a_fValue);
    void SetElement(int a_iIndex, float a_fValue);
    float & AccessElement(int a_iRow, int a_iColumn);
    float & AccessElement(int a_iIndex);
    float & operator()(int a_iRow, int a_iColumn);
    float operator()(int a_iRow, int a_iColumn) const;
    float & operator[](int a_iIndex);
    float operator[](int a_iIndex) const;
    bCVector2 GetRow(int a_iRow) const;
    void GetRow(int a_iRow, bCVector2 & a_vecRow) const;
    void SetRow(int a_iRow, bCVector2 const & a_vecRow);
    bCVector2 & AccessRow(int a_iRow);
    bCVector2 const & AccessRow(int a_iRow) const;
    bCVector2 GetColumn(int a_iColumn) const;
    bCVector2 GetXAxis() const;
    bCVector2 GetYAxis() const;
    void SetXAxis(bCVector2 const & a_vecAxis);
    void SetYAxis(bCVector2 const & a_vecAxis);

    void SetIdentity();
    void Clear();

    bCMatrix2 & Add(bCMatrix2 const & a_matOther);
    bCMatrix2 & Sub(bCMatrix2 const & a_matOther);
    bCMatrix2 & Multiply(float a_fFactor);
    bCMatrix2 & Divide(float a_fDivisor);
    bCMatrix2 & Negate();
    bCMatrix2 GetSum(bCMatrix2 const & a_matOther) const;
    bCMatrix2 GetDifference(bCMatrix2 const & a_matOther) const;
    bCMatrix2 GetProduct(float a_fFactor) const;
    bCMatrix2 GetQuotient(float a_fDivisor) const;
    bCMatrix2 GetNegated() const;
    bCMatrix2 operator+(bCMatrix2 const & a_matOther) const;
    bCMatrix2 operator-(bCMatrix2 const & a_matOther) const;
    bCMatrix2 operator-() const;
    bCMatrix2 operator+(float a_fOffset) const; // to every element
    bCMatrix2 operator-(float a_fOffset) const;
    bCMatrix2 operator*(float a_fFactor) const;
    bCMatrix2 operator/(float a_fDivisor) const;
    bCMatrix2 & operator+=(bCMatrix2 const & a_matOther);
    bCMatrix2 & operator-=(bCMatrix2 const & a_matOther);
    bCMatrix2 & operator+=(float a_fOffset);
    bCMatrix2 & operator-=(float a_fOffset);
    bCMatrix2 & operator*=(float a_fFactor);
    bCMatrix2 & operator/=(float a_fDivisor);
    friend bCMatrix2 operator*(float a_fFactor, bCMatrix2 const & a_matMatrix) { return a_matMatrix * a_fFactor; }

    // Products: b is applied first (result = b a as row-vector product).
    bCMatrix2 & SetToProduct(bCMatrix2 const & a_matA, bCMatrix2 const & a_matB);
    bCMatrix2 & Multiply(bCMatrix2 const & a_matOther);        // other first, then this
    bCMatrix2 & ReverseMultiply(bCMatrix2 const & a_matOther); // this first, then other
    bCMatrix2 GetProduct(bCMatrix2 const & a_matOther) const;
    bCMatrix2 GetProductPrefix(bCMatrix2 const & a_matOther) const;
    bCMatrix2 operator*(bCMatrix2 const & a_matOther) const;
    bCMatrix2 & operator*=(bCMatrix2 const & a_matOther);

    // (1 / d) [[m11, -m01], [-m10, m00]]; d must not be 0 (not tested).
    bCMatrix2 & SetToInverse(bCMatrix2 const & a_matSource);
    bCMatrix2 & Invert();
    bCMatrix2 GetInverted() const;
    bCMatrix2 operator~() const;
    bCMatrix2 & SetToTranspose(bCMatrix2 const & a_matSource);
    bCMatrix2 & Transpose();
    bCMatrix2 GetTransposed() const;
    float GetDeterminant() const;

    void SetToScaling(float a_fScaling);
    void SetToScaling(bCVector2 const & a_vecScaling);

    bool IsIdentity() const;
    bool IsEqual(bCMatrix2 const & a_matOther) const;
    bool operator==(bCMatrix2 const & a_matOther) const;
    bool operator!=(bCMatrix2 const & a_matOther) const;

    // Element (0, 0) only: 4 bytes; reading changes that element alone.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fElements[4];
};

static_assert(sizeof(bCMatrix2) == 16, "four floats");

inline float & bCMatrix2::operator()(int a_iRow, int a_iColumn)
{
    return m_fElements[a_iRow * 2 + a_iColumn];
}
inline float bCMatrix2::operator()(int a_iRow, int a_iColumn) const
{
    return m_fElements[a_iRow * 2 + a_iColumn];
}

// Vector transforms by a bCMatrix2; the result is formed before it is stored.

inline bCVector2 & bCVector2::SetTransformed(bCVector2 const & a_vecSource, bCMatrix2 const & a_matTransform)
{
    float const fX = a_vecSource[0], fY = a_vecSource[1];
    SetCoordinates(fX * a_matTransform(0, 0) + fY * a_matTransform(1, 0),
                   fX * a_matTransform(0, 1) + fY * a_matTransform(1, 1));
    return *this;
}
inline bCVector2 & bCVector2::Transform(bCMatrix2 const & a_matTransform)
{
    return SetTransformed(*this, a_matTransform);
}
inline bCVector2 bCVector2::GetTransformed(bCMatrix2 const & a_matTransform) const
{
    return bCVector2().SetTransformed(*this, a_matTransform);
}
inline bCVector2 bCVector2::operator*(bCMatrix2 const & a_matTransform) const
{
    return GetTransformed(a_matTransform);
}
inline bCVector2 & bCVector2::operator*=(bCMatrix2 const & a_matTransform)
{
    return Transform(a_matTransform);
}
inline bCVector2 & bCVector2::SetTransposedTransformed(bCVector2 const & a_vecSource, bCMatrix2 const & a_matTransform)
{
    float const fX = a_vecSource[0], fY = a_vecSource[1];
    SetCoordinates(a_matTransform(0, 0) * fX + a_matTransform(0, 1) * fY,
                   a_matTransform(1, 0) * fX + a_matTransform(1, 1) * fY);
    return *this;
}
inline bCVector2 & bCVector2::TransposedTransform(bCMatrix2 const & a_matTransform)
{
    return SetTransposedTransformed(*this, a_matTransform);
}
inline bCVector2 bCVector2::GetTransposedTransformed(bCMatrix2 const & a_matTransform) const
{
    return bCVector2().SetTransposedTransformed(*this, a_matTransform);
}

#endif

#ifndef OE_MATRIX3_H_INCLUDED
#define OE_MATRIX3_H_INCLUDED

// bCMatrix3: 3x3 floats, row by row (rows 0 to 2 the x, y, z axes); the
// one-index forms take r * 3 + c. Same conventions as bCMatrix. Its stream
// form is element (0, 0) alone.

#include <vellmark/math/3d/oe_vector.h>

class bCQuaternion;
class bCEulerAngles;
class bCIStream;
class bCOStream;

class OE_API bCMatrix3
{
public:
    static bCMatrix3 const & GetIdentity();
    static bCMatrix3 const & GetZero();

public:
    bCMatrix3() = default;                          // uninitialised
    explicit bCMatrix3(float const * a_pfElements); // 9 floats, row by row
    explicit bCMatrix3(float const a_fElements[3][3]);
    bCMatrix3(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2);
    explicit bCMatrix3(float a_fAll);
    explicit bCMatrix3(bCQuaternion const & a_quatRotation);
    explicit bCMatrix3(bCEulerAngles const & a_angRotation);
    bCMatrix3(bCMatrix3 const &) = default;
    bCMatrix3 & operator=(bCMatrix3 const &) = default;
    ~bCMatrix3() = default;

public:
    void SetMatrix(float const * a_pfElements);
    void SetMatrix(float const a_fElements[3][3]);
    void SetMatrix(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2);
    void SetMatrix(bCMatrix3 const & a_matSource);
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
    bCVector GetRow(int a_iRow) const;
    void GetRow(int a_iRow, bCVector & a_vecRow) const;
    void SetRow(int a_iRow, bCVector const & a_vecRow);
    bCVector & AccessRow(int a_iRow);
    bCVector const & AccessRow(int a_iRow) const;
    bCVector GetColumn(int a_iColumn) const;

    bCVector GetXAxis() const;
    bCVector GetYAxis() const;
    bCVector GetZAxis() const;
    bCVector & AccessXAxis();
    bCVector & AccessYAxis();
    bCVector & AccessZAxis();
    void SetXAxis(bCVector const & a_vecAxis);
    void SetYAxis(bCVector const & a_vecAxis);
    void SetZAxis(bCVector const & a_vecAxis);

    void SetIdentity();
    void Clear();

    bCMatrix3 & Add(bCMatrix3 const & a_matOther);
    bCMatrix3 & Sub(bCMatrix3 const & a_matOther);
    bCMatrix3 & Multiply(float a_fFactor);
    bCMatrix3 & Divide(float a_fDivisor);
    bCMatrix3 & Negate();
    bCMatrix3 GetSum(bCMatrix3 const & a_matOther) const;
    bCMatrix3 GetDifference(bCMatrix3 const & a_matOther) const;
    bCMatrix3 GetProduct(float a_fFactor) const;
    bCMatrix3 GetQuotient(float a_fDivisor) const;
    bCMatrix3 GetNegated() const;
    bCMatrix3 operator+(bCMatrix3 const & a_matOther) const;
    bCMatrix3 operator-(bCMatrix3 const & a_matOther) const;
    bCMatrix3 operator-() const;
    bCMatrix3 operator+(float a_fOffset) const; // to every element
    bCMatrix3 operator-(float a_fOffset) const;
    bCMatrix3 operator*(float a_fFactor) const;
    bCMatrix3 operator/(float a_fDivisor) const;
    bCMatrix3 & operator+=(bCMatrix3 const & a_matOther);
    bCMatrix3 & operator-=(bCMatrix3 const & a_matOther);
    bCMatrix3 & operator+=(float a_fOffset);
    bCMatrix3 & operator-=(float a_fOffset);
    bCMatrix3 & operator*=(float a_fFactor);
    bCMatrix3 & operator/=(float a_fDivisor);
    friend bCMatrix3 operator*(float a_fFactor, bCMatrix3 const & a_matMatrix) { return a_matMatrix * a_fFactor; }

    // Products: b is applied first (result = b a as row-vector product).
    bCMatrix3 & SetToProduct(bCMatrix3 const & a_matA, bCMatrix3 const & a_matB);
    bCMatrix3 & Multiply(bCMatrix3 const & a_matOther);        // other first, then this
    bCMatrix3 & ReverseMultiply(bCMatrix3 const & a_matOther); // this first, then other
    bCMatrix3 GetProduct(bCMatrix3 const & a_matOther) const;
    bCMatrix3 GetProductPrefix(bCMatrix3 const & a_matOther) const;
    bCMatrix3 operator*(bCMatrix3 const & a_matOther) const;
    bCMatrix3 & operator*=(bCMatrix3 const & a_matOther);

    // Adjugate over determinant; a singular matrix inverts to the identity.
    bCMatrix3 & SetToInverse(bCMatrix3 const & a_matSource);
    bCMatrix3 & Invert();
    bCMatrix3 GetInverted() const;
    bCMatrix3 operator~() const;
    bCMatrix3 & SetToTranspose(bCMatrix3 const & a_matSource);
    bCMatrix3 & Transpose();
    bCMatrix3 GetTransposed() const;
    float GetDeterminant() const;

    void SetToRotation(bCQuaternion const & a_quatRotation);
    void SetToRotation(bCEulerAngles const & a_angRotation);
    void SetToRotationAxisX(float a_fAngle);
    void SetToRotationAxisY(float a_fAngle);
    void SetToRotationAxisZ(float a_fAngle);
    void SetToScaling(float a_fScaling);
    void SetToScaling(bCVector const & a_vecScaling);

    // Frame construction, as for bCMatrix.
    void SetToCrossProduct(bCVector const & a_vecVector); // u M = v x u
    void LookAt(bCVector const & a_vecDirection);
    void LookAt(bCVector const & a_vecDirection, bCVector const & a_vecUp);
    bCMatrix3 & Orthogonalize(); // Gram-Schmidt from the z axis, no normalisation
    bCMatrix3 & Orthonormalize();
    bCMatrix3 GetOrthogonalized() const;
    bCMatrix3 GetOrthonormalized() const;

    bool IsIdentity() const;
    bool IsEqual(bCMatrix3 const & a_matOther) const;
    bool operator==(bCMatrix3 const & a_matOther) const;
    bool operator!=(bCMatrix3 const & a_matOther) const;

    // Element (0, 0) only: 4 bytes; reading changes that element alone.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

private:
    float m_fElements[9];
};

static_assert(sizeof(bCMatrix3) == 36, "nine floats");

inline float bCMatrix3::GetElement(int a_iRow, int a_iColumn) const
{
    return m_fElements[a_iRow * 3 + a_iColumn];
}
inline float bCMatrix3::GetElement(int a_iIndex) const
{
    return m_fElements[a_iIndex];
}
inline void bCMatrix3::SetElement(int a_iRow, int a_iColumn, float a_fValue)
{
    m_fElements[a_iRow * 3 + a_iColumn] = a_fValue;
}
inline void bCMatrix3::SetElement(int a_iIndex, float a_fValue)
{
    m_fElements[a_iIndex] = a_fValue;
}
inline float & bCMatrix3::AccessElement(int a_iRow, int a_iColumn)
{
    return m_fElements[a_iRow * 3 + a_iColumn];
}
inline float & bCMatrix3::AccessElement(int a_iIndex)
{
    return m_fElements[a_iIndex];
}
inline float & bCMatrix3::operator()(int a_iRow, int a_iColumn)
{
    return m_fElements[a_iRow * 3 + a_iColumn];
}
inline float bCMatrix3::operator()(int a_iRow, int a_iColumn) const
{
    return m_fElements[a_iRow * 3 + a_iColumn];
}
inline float & bCMatrix3::operator[](int a_iIndex)
{
    return m_fElements[a_iIndex];
}
inline float bCMatrix3::operator[](int a_iIndex) const
{
    return m_fElements[a_iIndex];
}

// Vector transforms by a bCMatrix3; the result is formed before it is stored.

inline bCVector & bCVector::SetTransformed(bCVector const & a_vecSource, bCMatrix3 const & a_matTransform)
{
    float const fX = a_vecSource[0], fY = a_vecSource[1], fZ = a_vecSource[2];
    float fResult[3];
    for (int c = 0; c < 3; ++c)
        fResult[c] = fX * a_matTransform(0, c) + fY * a_matTransform(1, c) + fZ * a_matTransform(2, c);
    SetCoordinates(fResult);
    return *this;
}
inline bCVector & bCVector::Transform(bCMatrix3 const & a_matTransform)
{
    return SetTransformed(*this, a_matTransform);
}
inline bCVector bCVector::GetTransformed(bCMatrix3 const & a_matTransform) const
{
    return bCVector().SetTransformed(*this, a_matTransform);
}
inline bCVector bCVector::operator*(bCMatrix3 const & a_matTransform) const
{
    return GetTransformed(a_matTransform);
}
inline bCVector & bCVector::operator*=(bCMatrix3 const & a_matTransform)
{
    return Transform(a_matTransform);
}
inline bCVector & bCVector::SetTransposedTransformed(bCVector const & a_vecSource, bCMatrix3 const & a_matTransform)
{
    float const fX = a_vecSource[0], fY = a_vecSource[1], fZ = a_vecSource[2];
    float fResult[3];
    for (int r = 0; r < 3; ++r)
        fResult[r] = a_matTransform(r, 0) * fX + a_matTransform(r, 1) * fY + a_matTransform(r, 2) * fZ;
    SetCoordinates(fResult);
    return *this;
}
inline bCVector & bCVector::TransposedTransform(bCMatrix3 const & a_matTransform)
{
    return SetTransposedTransformed(*this, a_matTransform);
}
inline bCVector bCVector::GetTransposedTransformed(bCMatrix3 const & a_matTransform) const
{
    return bCVector().SetTransposedTransformed(*this, a_matTransform);
}
inline bCVector & bCVector::InvTransform(bCMatrix3 const & a_matTransform)
{
    return Transform(a_matTransform.GetInverted());
}
inline bCVector bCVector::GetInvTransformed(bCMatrix3 const & a_matTransform) const
{
    return GetTransformed(a_matTransform.GetInverted());
}
inline bCVector bCVector::operator/(bCMatrix3 const & a_matTransform) const
{
    return GetInvTransformed(a_matTransform);
}
inline bCVector & bCVector::operator/=(bCMatrix3 const & a_matTransform)
{
    return InvTransform(a_matTransform);
}

#endif

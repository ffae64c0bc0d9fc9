#ifndef OE_MATRIX_H_INCLUDED
#define OE_MATRIX_H_INCLUDED

// bCMatrix: 4x4 floats, row by row; element (r, c) is row r, column c and the
// one-index forms take r * 4 + c. Rows 0, 1, 2 are the x, y, z axes of the
// transformed frame, row 3 the translation; column 3 is (0, 0, 0, 1) for an
// affine matrix. Row vectors: v' = v M. SetToProduct(a, b) applies b first,
// so p * q applies q first. Conventions in full: oe_math3d.h.

#include <vellmark/math/3d/oe_vector4.h>
#include <vellmark/math/3d/oe_vector.h>

#include <cmath>
#include <utility>

class bCMatrix3;
class bCQuaternion;
class bCEulerAngles;
class bCAxisAngle;
class bCMotion;
class bCString;
class bCIStream;
class bCOStream;

class OE_API bCMatrix
{
public:
    static bCMatrix const & GetIdentity();
    static bCMatrix const & GetZero();

public:
    bCMatrix() = default;                          // uninitialised
    explicit bCMatrix(float const * a_pfElements); // 16 floats, row by row
    explicit bCMatrix(float const a_fElements[4][4]);
    bCMatrix(bCVector4 const & a_vecRow0, bCVector4 const & a_vecRow1, bCVector4 const & a_vecRow2,
             bCVector4 const & a_vecRow3);
    bCMatrix(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2,
             bCVector const & a_vecRow3); // column 3 becomes (0, 0, 0, 1)
    explicit bCMatrix(float a_fAll);
    explicit bCMatrix(bCQuaternion const & a_quatRotation);
    explicit bCMatrix(bCEulerAngles const & a_angRotation);
    explicit bCMatrix(bCAxisAngle const & a_aaRotation);
    bCMatrix(bCQuaternion const & a_quatRotation, bCVector const & a_vecTranslation);
    bCMatrix(bCEulerAngles const & a_angRotation, bCVector const & a_vecTranslation);
    bCMatrix(bCAxisAngle const & a_aaRotation, bCVector const & a_vecTranslation);
    explicit bCMatrix(bCMotion const & a_Motion);
    bCMatrix(bCMatrix const &) = default;
    bCMatrix & operator=(bCMatrix const &) = default;
    ~bCMatrix() = default;

public:
    void SetMatrix(float const * a_pfElements);
    void SetMatrix(float const a_fElements[4][4]);
    void SetMatrix(bCVector4 const & a_vecRow0, bCVector4 const & a_vecRow1, bCVector4 const & a_vecRow2,
                   bCVector4 const & a_vecRow3);
    void SetMatrix(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2,
                   bCVector const & a_vecRow3);
    void SetMatrix(bCMatrix const & a_matSource);
    void SetMatrix(float a_fAll);
    void SetMatrix(bCQuaternion const & a_quatRotation, bCVector const & a_vecTranslation);
    void SetMatrix(bCEulerAngles const & a_angRotation, bCVector const & a_vecTranslation);
    void SetMatrix(bCAxisAngle const & a_aaRotation, bCVector const & a_vecTranslation);
    // Translation, rotation in the upper 3x3, row i times scaling component i.
    void SetMatrix(bCVector const & a_vecTranslation, bCQuaternion const & a_quatRotation,
                   bCVector const & a_vecScaling);
    void SetMatrix(bCVector const & a_vecTranslation, bCEulerAngles const & a_angRotation,
                   bCVector const & a_vecScaling);
    void SetMatrix(bCMotion const & a_Motion);

    // Elements and rows; indices are not range-tested.
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
    bCVector4 GetRow4(int a_iRow) const;
    void GetRow(int a_iRow, bCVector & a_vecRow) const;
    void GetRow(int a_iRow, bCVector4 & a_vecRow) const;
    void SetRow(int a_iRow, bCVector const & a_vecRow);  // first three elements
    void SetRow(int a_iRow, bCVector4 const & a_vecRow); // all four
    bCVector & AccessRow(int a_iRow);
    bCVector const & AccessRow(int a_iRow) const;
    bCVector4 & AccessRow4(int a_iRow);
    bCVector4 const & AccessRow4(int a_iRow) const;
    bCVector GetColumn(int a_iColumn) const;   // (m0c, m1c, m2c)
    bCVector4 GetColumn4(int a_iColumn) const; // with m3c

    // Axes (rows 0, 1, 2) and translation (row 3).
    bCVector GetXAxis() const;
    bCVector GetYAxis() const;
    bCVector GetZAxis() const;
    bCVector GetTranslation() const;
    void GetXAxis(bCVector & a_vecAxis) const;
    void GetYAxis(bCVector & a_vecAxis) const;
    void GetZAxis(bCVector & a_vecAxis) const;
    void GetTranslation(bCVector & a_vecTranslation) const;
    bCVector4 GetXAxis4() const;
    bCVector4 GetYAxis4() const;
    bCVector4 GetZAxis4() const;
    bCVector4 GetTranslation4() const;
    bCVector & AccessXAxis();
    bCVector & AccessYAxis();
    bCVector & AccessZAxis();
    bCVector & AccessTranslation();
    bCVector4 & AccessXAxis4();
    bCVector4 & AccessYAxis4();
    bCVector4 & AccessZAxis4();
    bCVector4 & AccessTranslation4();
    void SetXAxis(bCVector const & a_vecAxis);
    void SetYAxis(bCVector const & a_vecAxis);
    void SetZAxis(bCVector const & a_vecAxis);
    void SetXAxis(bCVector4 const & a_vecAxis);
    void SetYAxis(bCVector4 const & a_vecAxis);
    void SetZAxis(bCVector4 const & a_vecAxis);
    void ModifyXAxis(bCVector const & a_vecAxis);
    void ModifyYAxis(bCVector const & a_vecAxis);
    void ModifyZAxis(bCVector const & a_vecAxis);
    void ModifyXAxis(bCVector4 const & a_vecAxis);
    void ModifyYAxis(bCVector4 const & a_vecAxis);
    void ModifyZAxis(bCVector4 const & a_vecAxis);
    void ModifyTranslation(bCVector const & a_vecTranslation); // row 3 only
    void ModifyTranslation(bCVector4 const & a_vecTranslation);
    void SetToTranslation(bCVector const & a_vecTranslation); // from the identity

    void SetIdentity();
    void SetIdentityRotation(); // upper 3x3 only
    void Clear();               // all zero
    void ClearRotation();       // upper 3x3 zero

    // Elementwise arithmetic.
    bCMatrix & Add(bCMatrix const & a_matOther);
    bCMatrix & Sub(bCMatrix const & a_matOther);
    bCMatrix & Multiply(float a_fFactor);
    bCMatrix & Divide(float a_fDivisor);
    bCMatrix & Negate();
    bCMatrix GetSum(bCMatrix const & a_matOther) const;
    bCMatrix GetDifference(bCMatrix const & a_matOther) const;
    bCMatrix GetProduct(float a_fFactor) const;
    bCMatrix GetQuotient(float a_fDivisor) const;
    bCMatrix GetNegated() const;
    bCMatrix operator+(bCMatrix const & a_matOther) const;
    bCMatrix operator-(bCMatrix const & a_matOther) const;
    bCMatrix operator-() const;
    bCMatrix operator+(float a_fOffset) const; // to every element
    bCMatrix operator-(float a_fOffset) const;
    bCMatrix operator*(float a_fFactor) const;
    bCMatrix operator/(float a_fDivisor) const;
    bCMatrix & operator+=(bCMatrix const & a_matOther);
    bCMatrix & operator-=(bCMatrix const & a_matOther);
    bCMatrix & operator+=(float a_fOffset);
    bCMatrix & operator-=(float a_fOffset);
    bCMatrix & operator*=(float a_fFactor);
    bCMatrix & operator/=(float a_fDivisor);
    friend bCMatrix operator*(float a_fFactor, bCMatrix const & a_matMatrix) { return a_matMatrix * a_fFactor; }

    // Products: result(i, j) = sum over k of b(i, k) a(k, j); b is applied first.
    bCMatrix & SetToProduct(bCMatrix const & a_matA, bCMatrix const & a_matB);
    bCMatrix & Multiply(bCMatrix const & a_matOther);             // other first, then this
    bCMatrix & ReverseMultiply(bCMatrix const & a_matOther);      // this first, then other
    bCMatrix GetProduct(bCMatrix const & a_matOther) const;       // other first, then this
    bCMatrix GetProductPrefix(bCMatrix const & a_matOther) const; // this first, then other
    bCMatrix operator*(bCMatrix const & a_matOther) const;        // other first, then this
    bCMatrix & operator*=(bCMatrix const & a_matOther);

    // Inverse (general adjugate; a singular matrix inverts to the identity) and transpose.
    bCMatrix & Invert();
    bCMatrix GetInverted() const;
    bCMatrix operator~() const;
    bCMatrix & Transpose();
    bCMatrix GetTransposed() const;
    bCMatrix & TransposeRotation(); // upper 3x3

    // Rotations. Rotate applies after the current transform (this := this R),
    // RotateLocal before it (this := R this). Angles in radians.
    void SetToRotation(bCQuaternion const & a_quatRotation);
    void SetToRotation(bCEulerAngles const & a_angRotation);
    void SetToRotation(bCAxisAngle const & a_aaRotation);
    void ModifyRotation(bCQuaternion const & a_quatRotation); // upper 3x3 only, q not normalised
    void ModifyRotation(bCEulerAngles const & a_angRotation);
    void ModifyRotation(bCAxisAngle const & a_aaRotation); // keeps the row lengths; turns opposite to the quaternion
    void ModifyRotation(bCMatrix3 const & a_matRotation);
    bCMatrix & Rotate(bCQuaternion const & a_quatRotation);
    bCMatrix & Rotate(bCEulerAngles const & a_angRotation);
    bCMatrix & Rotate(bCAxisAngle const & a_aaRotation);
    bCMatrix & RotateLocal(bCQuaternion const & a_quatRotation);
    bCMatrix & RotateLocal(bCEulerAngles const & a_angRotation);
    bCMatrix & RotateLocal(bCAxisAngle const & a_aaRotation);
    bCMatrix GetRotated(bCQuaternion const & a_quatRotation) const;
    bCMatrix GetRotated(bCEulerAngles const & a_angRotation) const;
    bCMatrix GetRotated(bCAxisAngle const & a_aaRotation) const;
    bCMatrix GetRotatedLocal(bCQuaternion const & a_quatRotation) const;
    bCMatrix GetRotatedLocal(bCEulerAngles const & a_angRotation) const;
    bCMatrix GetRotatedLocal(bCAxisAngle const & a_aaRotation) const;
    void SetToRotationAxisX(float a_fAngle);
    void SetToRotationAxisY(float a_fAngle);
    void SetToRotationAxisZ(float a_fAngle);
    void ModifyRotationAxisX(float a_fAngle);
    void ModifyRotationAxisY(float a_fAngle);
    void ModifyRotationAxisZ(float a_fAngle);
    bCMatrix & RotateAxisX(float a_fAngle);
    bCMatrix & RotateAxisY(float a_fAngle);
    bCMatrix & RotateAxisZ(float a_fAngle);
    bCMatrix & RotateLocalAxisX(float a_fAngle);
    bCMatrix & RotateLocalAxisY(float a_fAngle);
    bCMatrix & RotateLocalAxisZ(float a_fAngle);
    bCMatrix GetRotatedByAxisX(float a_fAngle) const;
    bCMatrix GetRotatedByAxisY(float a_fAngle) const;
    bCMatrix GetRotatedByAxisZ(float a_fAngle) const;
    bCMatrix GetRotatedByLocalAxisX(float a_fAngle) const;
    bCMatrix GetRotatedByLocalAxisY(float a_fAngle) const;
    bCMatrix GetRotatedByLocalAxisZ(float a_fAngle) const;
    bCMatrix GetRotation() const; // the upper 3x3 in an identity
    bCMatrix3 GetRotation3() const;
    bCMatrix GetPureRotation() const; // rows 0 to 2 divided by their lengths, row 3 kept

    // Scaling.
    void SetToScaling(float a_fScaling);
    void SetToScaling(bCVector const & a_vecScaling);
    bCMatrix & Scale(float a_fScaling); // this := S this; the translation stays
    bCMatrix & Scale(bCVector const & a_vecScaling);
    void ModifyScaling(float a_fScaling); // replaces the lengths of rows 0 to 2
    void ModifyScaling(bCVector const & a_vecScaling);
    bCVector GetPureScaling() const; // lengths of rows 0 to 2

    // Frames.
    void SetToCrossProduct(bCVector const & a_vecVector); // u M = v x u
    void LookAt(bCVector const & a_vecDirection);
    void LookAt(bCVector const & a_vecDirection, bCVector const & a_vecUp);
    bCMatrix & Orthogonalize(); // Gram-Schmidt from the z axis, no normalisation
    bCMatrix & Orthonormalize();
    bCMatrix GetOrthogonalized() const;
    bCMatrix GetOrthonormalized() const;

    // Tests. Equality is exact; the frame tests allow 0.01 and lengths in [0.99, 1.01].
    bool IsIdentity() const;
    bool IsEqual(bCMatrix const & a_matOther) const;
    bool operator==(bCMatrix const & a_matOther) const;
    bool operator!=(bCMatrix const & a_matOther) const;
    bool IsExcentric() const; // column 3 is not exactly (0, 0, 0, 1)
    bool IsOrthogonal() const;
    bool IsOrthonormal() const;
    bool IsValid() const; // finite and orthogonal

    float GetDeterminant() const;
    float GetDeterminantRotation() const;                         // upper 3x3
    float GetDeterminantAdjoint(int a_iRow, int a_iColumn) const; // 3x3 minor without row and column

    void PrintDebug(bCString const & a_strLabel) const;

    // The 16 floats raw, row by row; no header.
    bCOStream & operator>>(bCOStream & a_Stream) const;
    bCIStream & operator<<(bCIStream & a_Stream);

protected:
    void ValidateReserved(); // column 3 := (0, 0, 0, 1)

private:
    float m_fElements[16];
};

static_assert(sizeof(bCMatrix) == 64, "sixteen floats");

inline bCMatrix::bCMatrix(float const * a_pfElements)
{
    SetMatrix(a_pfElements);
}
inline bCMatrix::bCMatrix(float const a_fElements[4][4])
{
    SetMatrix(a_fElements);
}
inline bCMatrix::bCMatrix(bCVector4 const & a_vecRow0, bCVector4 const & a_vecRow1, bCVector4 const & a_vecRow2,
                          bCVector4 const & a_vecRow3)
{
    SetMatrix(a_vecRow0, a_vecRow1, a_vecRow2, a_vecRow3);
}
inline bCMatrix::bCMatrix(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2,
                          bCVector const & a_vecRow3)
{
    SetMatrix(a_vecRow0, a_vecRow1, a_vecRow2, a_vecRow3);
}
inline bCMatrix::bCMatrix(float a_fAll)
{
    SetMatrix(a_fAll);
}

inline void bCMatrix::SetMatrix(float const * a_pfElements)
{
    for (int i = 0; i < 16; ++i)
        m_fElements[i] = a_pfElements[i];
}
inline void bCMatrix::SetMatrix(float const a_fElements[4][4])
{
    for (int i = 0; i < 16; ++i)
        m_fElements[i] = a_fElements[i / 4][i % 4];
}
inline void bCMatrix::SetMatrix(bCVector4 const & a_vecRow0, bCVector4 const & a_vecRow1, bCVector4 const & a_vecRow2,
                                bCVector4 const & a_vecRow3)
{
    SetRow(0, a_vecRow0);
    SetRow(1, a_vecRow1);
    SetRow(2, a_vecRow2);
    SetRow(3, a_vecRow3);
}
inline void bCMatrix::SetMatrix(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2,
                                bCVector const & a_vecRow3)
{
    SetRow(0, a_vecRow0);
    SetRow(1, a_vecRow1);
    SetRow(2, a_vecRow2);
    SetRow(3, a_vecRow3);
    ValidateReserved();
}
inline void bCMatrix::SetMatrix(bCMatrix const & a_matSource)
{
    *this = a_matSource;
}
inline void bCMatrix::SetMatrix(float a_fAll)
{
    for (float & fElement : m_fElements)
        fElement = a_fAll;
}

inline float bCMatrix::GetElement(int a_iRow, int a_iColumn) const
{
    return m_fElements[a_iRow * 4 + a_iColumn];
}
inline float bCMatrix::GetElement(int a_iIndex) const
{
    return m_fElements[a_iIndex];
}
inline void bCMatrix::SetElement(int a_iRow, int a_iColumn, float a_fValue)
{
    m_fElements[a_iRow * 4 + a_iColumn] = a_fValue;
}
inline void bCMatrix::SetElement(int a_iIndex, float a_fValue)
{
    m_fElements[a_iIndex] = a_fValue;
}
inline float & bCMatrix::AccessElement(int a_iRow, int a_iColumn)
{
    return m_fElements[a_iRow * 4 + a_iColumn];
}
inline float & bCMatrix::AccessElement(int a_iIndex)
{
    return m_fElements[a_iIndex];
}
inline float & bCMatrix::operator()(int a_iRow, int a_iColumn)
{
    return m_fElements[a_iRow * 4 + a_iColumn];
}
inline float bCMatrix::operator()(int a_iRow, int a_iColumn) const
{
    return m_fElements[a_iRow * 4 + a_iColumn];
}
inline float & bCMatrix::operator[](int a_iIndex)
{
    return m_fElements[a_iIndex];
}
inline float bCMatrix::operator[](int a_iIndex) const
{
    return m_fElements[a_iIndex];
}
inline bCVector bCMatrix::GetRow(int a_iRow) const
{
    return bCVector(&m_fElements[a_iRow * 4]);
}
inline bCVector4 bCMatrix::GetRow4(int a_iRow) const
{
    return bCVector4(&m_fElements[a_iRow * 4]);
}
inline void bCMatrix::GetRow(int a_iRow, bCVector & a_vecRow) const
{
    a_vecRow = GetRow(a_iRow);
}
inline void bCMatrix::GetRow(int a_iRow, bCVector4 & a_vecRow) const
{
    a_vecRow = GetRow4(a_iRow);
}
inline void bCMatrix::SetRow(int a_iRow, bCVector const & a_vecRow)
{
    for (int i = 0; i < 3; ++i)
        m_fElements[a_iRow * 4 + i] = a_vecRow[i];
}
inline void bCMatrix::SetRow(int a_iRow, bCVector4 const & a_vecRow)
{
    for (int i = 0; i < 4; ++i)
        m_fElements[a_iRow * 4 + i] = a_vecRow[i];
}
inline bCVector & bCMatrix::AccessRow(int a_iRow)
{
    return *reinterpret_cast<bCVector *>(&m_fElements[a_iRow * 4]);
}
inline bCVector const & bCMatrix::AccessRow(int a_iRow) const
{
    return *reinterpret_cast<bCVector const *>(&m_fElements[a_iRow * 4]);
}
inline bCVector4 & bCMatrix::AccessRow4(int a_iRow)
{
    return *reinterpret_cast<bCVector4 *>(&m_fElements[a_iRow * 4]);
}
inline bCVector4 const & bCMatrix::AccessRow4(int a_iRow) const
{
    return *reinterpret_cast<bCVector4 const *>(&m_fElements[a_iRow * 4]);
}
inline bCVector bCMatrix::GetColumn(int a_iColumn) const
{
    return bCVector(m_fElements[a_iColumn], m_fElements[4 + a_iColumn], m_fElements[8 + a_iColumn]);
}
inline bCVector4 bCMatrix::GetColumn4(int a_iColumn) const
{
    return bCVector4(m_fElements[a_iColumn], m_fElements[4 + a_iColumn], m_fElements[8 + a_iColumn],
                     m_fElements[12 + a_iColumn]);
}

inline bCVector bCMatrix::GetXAxis() const
{
    return GetRow(0);
}
inline bCVector bCMatrix::GetYAxis() const
{
    return GetRow(1);
}
inline bCVector bCMatrix::GetZAxis() const
{
    return GetRow(2);
}
inline bCVector bCMatrix::GetTranslation() const
{
    return GetRow(3);
}
inline void bCMatrix::GetXAxis(bCVector & a_vecAxis) const
{
    a_vecAxis = GetRow(0);
}
inline void bCMatrix::GetYAxis(bCVector & a_vecAxis) const
{
    a_vecAxis = GetRow(1);
}
inline void bCMatrix::GetZAxis(bCVector & a_vecAxis) const
{
    a_vecAxis = GetRow(2);
}
inline void bCMatrix::GetTranslation(bCVector & a_vecTranslation) const
{
    a_vecTranslation = GetRow(3);
}
inline bCVector4 bCMatrix::GetXAxis4() const
{
    return GetRow4(0);
}
inline bCVector4 bCMatrix::GetYAxis4() const
{
    return GetRow4(1);
}
inline bCVector4 bCMatrix::GetZAxis4() const
{
    return GetRow4(2);
}
inline bCVector4 bCMatrix::GetTranslation4() const
{
    return GetRow4(3);
}
inline bCVector & bCMatrix::AccessXAxis()
{
    return AccessRow(0);
}
inline bCVector & bCMatrix::AccessYAxis()
{
    return AccessRow(1);
}
inline bCVector & bCMatrix::AccessZAxis()
{
    return AccessRow(2);
}
inline bCVector & bCMatrix::AccessTranslation()
{
    return AccessRow(3);
}
inline bCVector4 & bCMatrix::AccessXAxis4()
{
    return AccessRow4(0);
}
inline bCVector4 & bCMatrix::AccessYAxis4()
{
    return AccessRow4(1);
}
inline bCVector4 & bCMatrix::AccessZAxis4()
{
    return AccessRow4(2);
}
inline bCVector4 & bCMatrix::AccessTranslation4()
{
    return AccessRow4(3);
}
inline void bCMatrix::SetXAxis(bCVector const & a_vecAxis)
{
    SetRow(0, a_vecAxis);
}
inline void bCMatrix::SetYAxis(bCVector const & a_vecAxis)
{
    SetRow(1, a_vecAxis);
}
inline void bCMatrix::SetZAxis(bCVector const & a_vecAxis)
{
    SetRow(2, a_vecAxis);
}
inline void bCMatrix::SetXAxis(bCVector4 const & a_vecAxis)
{
    SetRow(0, a_vecAxis);
}
inline void bCMatrix::SetYAxis(bCVector4 const & a_vecAxis)
{
    SetRow(1, a_vecAxis);
}
inline void bCMatrix::SetZAxis(bCVector4 const & a_vecAxis)
{
    SetRow(2, a_vecAxis);
}
inline void bCMatrix::ModifyXAxis(bCVector const & a_vecAxis)
{
    SetRow(0, a_vecAxis);
}
inline void bCMatrix::ModifyYAxis(bCVector const & a_vecAxis)
{
    SetRow(1, a_vecAxis);
}
inline void bCMatrix::ModifyZAxis(bCVector const & a_vecAxis)
{
    SetRow(2, a_vecAxis);
}
inline void bCMatrix::ModifyXAxis(bCVector4 const & a_vecAxis)
{
    SetRow(0, a_vecAxis);
}
inline void bCMatrix::ModifyYAxis(bCVector4 const & a_vecAxis)
{
    SetRow(1, a_vecAxis);
}
inline void bCMatrix::ModifyZAxis(bCVector4 const & a_vecAxis)
{
    SetRow(2, a_vecAxis);
}
inline void bCMatrix::ModifyTranslation(bCVector const & a_vecTranslation)
{
    SetRow(3, a_vecTranslation);
}
inline void bCMatrix::ModifyTranslation(bCVector4 const & a_vecTranslation)
{
    SetRow(3, a_vecTranslation);
}
inline void bCMatrix::SetToTranslation(bCVector const & a_vecTranslation)
{
    SetIdentity();
    SetRow(3, a_vecTranslation);
}

inline void bCMatrix::SetIdentity()
{
    for (int i = 0; i < 16; ++i)
        m_fElements[i] = i % 5 == 0 ? 1.0f : 0.0f;
}
inline void bCMatrix::SetIdentityRotation()
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m_fElements[r * 4 + c] = r == c ? 1.0f : 0.0f;
}
inline void bCMatrix::Clear()
{
    SetMatrix(0.0f);
}
inline void bCMatrix::ClearRotation()
{
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m_fElements[r * 4 + c] = 0.0f;
}

inline bCMatrix & bCMatrix::Add(bCMatrix const & a_matOther)
{
    for (int i = 0; i < 16; ++i)
        m_fElements[i] += a_matOther.m_fElements[i];
    return *this;
}
inline bCMatrix & bCMatrix::Sub(bCMatrix const & a_matOther)
{
    for (int i = 0; i < 16; ++i)
        m_fElements[i] -= a_matOther.m_fElements[i];
    return *this;
}
inline bCMatrix & bCMatrix::Multiply(float a_fFactor)
{
    for (float & fElement : m_fElements)
        fElement *= a_fFactor;
    return *this;
}
inline bCMatrix & bCMatrix::Divide(float a_fDivisor)
{
    for (float & fElement : m_fElements)
        fElement /= a_fDivisor;
    return *this;
}
inline bCMatrix & bCMatrix::Negate()
{
    for (float & fElement : m_fElements)
        fElement = -fElement;
    return *this;
}
inline bCMatrix bCMatrix::GetSum(bCMatrix const & a_matOther) const
{
    return bCMatrix(*this).Add(a_matOther);
}
inline bCMatrix bCMatrix::GetDifference(bCMatrix const & a_matOther) const
{
    return bCMatrix(*this).Sub(a_matOther);
}
inline bCMatrix bCMatrix::GetProduct(float a_fFactor) const
{
    return bCMatrix(*this).Multiply(a_fFactor);
}
inline bCMatrix bCMatrix::GetQuotient(float a_fDivisor) const
{
    return bCMatrix(*this).Divide(a_fDivisor);
}
inline bCMatrix bCMatrix::GetNegated() const
{
    return bCMatrix(*this).Negate();
}
inline bCMatrix bCMatrix::operator+(bCMatrix const & a_matOther) const
{
    return GetSum(a_matOther);
}
inline bCMatrix bCMatrix::operator-(bCMatrix const & a_matOther) const
{
    return GetDifference(a_matOther);
}
inline bCMatrix bCMatrix::operator-() const
{
    return GetNegated();
}
inline bCMatrix bCMatrix::operator+(float a_fOffset) const
{
    return bCMatrix(*this) += a_fOffset;
}
inline bCMatrix bCMatrix::operator-(float a_fOffset) const
{
    return bCMatrix(*this) -= a_fOffset;
}
inline bCMatrix & bCMatrix::operator+=(float a_fOffset)
{
    return Add(bCMatrix(a_fOffset));
}
inline bCMatrix & bCMatrix::operator-=(float a_fOffset)
{
    return Sub(bCMatrix(a_fOffset));
}
inline bCMatrix bCMatrix::operator*(float a_fFactor) const
{
    return GetProduct(a_fFactor);
}
inline bCMatrix bCMatrix::operator/(float a_fDivisor) const
{
    return GetQuotient(a_fDivisor);
}
inline bCMatrix & bCMatrix::operator+=(bCMatrix const & a_matOther)
{
    return Add(a_matOther);
}
inline bCMatrix & bCMatrix::operator-=(bCMatrix const & a_matOther)
{
    return Sub(a_matOther);
}
inline bCMatrix & bCMatrix::operator*=(float a_fFactor)
{
    return Multiply(a_fFactor);
}
inline bCMatrix & bCMatrix::operator/=(float a_fDivisor)
{
    return Divide(a_fDivisor);
}

inline bCMatrix & bCMatrix::SetToProduct(bCMatrix const & a_matA, bCMatrix const & a_matB)
{
    // Into a temporary of this call: the object may be a or b.
    float fResult[16];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            fResult[i * 4 + j] = a_matB.m_fElements[i * 4] * a_matA.m_fElements[j] +
                                 a_matB.m_fElements[i * 4 + 1] * a_matA.m_fElements[4 + j] +
                                 a_matB.m_fElements[i * 4 + 2] * a_matA.m_fElements[8 + j] +
                                 a_matB.m_fElements[i * 4 + 3] * a_matA.m_fElements[12 + j];
    SetMatrix(fResult);
    return *this;
}
inline bCMatrix & bCMatrix::Multiply(bCMatrix const & a_matOther)
{
    return SetToProduct(*this, a_matOther);
}
inline bCMatrix & bCMatrix::ReverseMultiply(bCMatrix const & a_matOther)
{
    return SetToProduct(a_matOther, *this);
}
inline bCMatrix bCMatrix::GetProduct(bCMatrix const & a_matOther) const
{
    bCMatrix matResult;
    matResult.SetToProduct(*this, a_matOther);
    return matResult;
}
inline bCMatrix bCMatrix::GetProductPrefix(bCMatrix const & a_matOther) const
{
    bCMatrix matResult;
    matResult.SetToProduct(a_matOther, *this);
    return matResult;
}
inline bCMatrix bCMatrix::operator*(bCMatrix const & a_matOther) const
{
    return GetProduct(a_matOther);
}
inline bCMatrix & bCMatrix::operator*=(bCMatrix const & a_matOther)
{
    return Multiply(a_matOther);
}

inline bCMatrix bCMatrix::GetInverted() const
{
    return bCMatrix(*this).Invert();
}
inline bCMatrix bCMatrix::operator~() const
{
    return GetInverted();
}
inline bCMatrix & bCMatrix::Transpose()
{
    for (int r = 0; r < 4; ++r)
        for (int c = r + 1; c < 4; ++c)
            std::swap(m_fElements[r * 4 + c], m_fElements[c * 4 + r]);
    return *this;
}
inline bCMatrix bCMatrix::GetTransposed() const
{
    return bCMatrix(*this).Transpose();
}
inline bCMatrix & bCMatrix::TransposeRotation()
{
    for (int r = 0; r < 3; ++r)
        for (int c = r + 1; c < 3; ++c)
            std::swap(m_fElements[r * 4 + c], m_fElements[c * 4 + r]);
    return *this;
}

inline bool bCMatrix::IsEqual(bCMatrix const & a_matOther) const
{
    for (int i = 0; i < 16; ++i)
        if (m_fElements[i] != a_matOther.m_fElements[i])
            return false;
    return true;
}
inline bool bCMatrix::operator==(bCMatrix const & a_matOther) const
{
    return IsEqual(a_matOther);
}
inline bool bCMatrix::operator!=(bCMatrix const & a_matOther) const
{
    return !IsEqual(a_matOther);
}
inline bool bCMatrix::IsIdentity() const
{
    return IsEqual(GetIdentity());
}
inline bool bCMatrix::IsExcentric() const
{
    return m_fElements[3] != 0.0f || m_fElements[7] != 0.0f || m_fElements[11] != 0.0f || m_fElements[15] != 1.0f;
}

inline void bCMatrix::ValidateReserved()
{
    m_fElements[3] = m_fElements[7] = m_fElements[11] = 0.0f;
    m_fElements[15] = 1.0f;
}

// Vector transforms by a bCMatrix; the result is formed before it is stored,
// so source and destination may be the same vector.

inline bCVector & bCVector::SetTransformed(bCVector const & a_vecSource, bCMatrix const & a_matTransform)
{
    float const fX = a_vecSource[0], fY = a_vecSource[1], fZ = a_vecSource[2];
    bCMatrix const & m = a_matTransform;
    float fResultX = fX * m(0, 0) + fY * m(1, 0) + fZ * m(2, 0) + m(3, 0);
    float fResultY = fX * m(0, 1) + fY * m(1, 1) + fZ * m(2, 1) + m(3, 1);
    float fResultZ = fX * m(0, 2) + fY * m(1, 2) + fZ * m(2, 2) + m(3, 2);
    if (m.IsExcentric())
    {
        float const fW = fX * m(0, 3) + fY * m(1, 3) + fZ * m(2, 3) + m(3, 3);
        if (std::fabs(fW) < 1.0e-5f) // g_fEpsilon: a point at infinity has no place
        {
            SetCoordinates(0.0f, 0.0f, 0.0f);
            return *this;
        }
        fResultX /= fW;
        fResultY /= fW;
        fResultZ /= fW;
    }
    SetCoordinates(fResultX, fResultY, fResultZ);
    return *this;
}
inline bCVector & bCVector::Transform(bCMatrix const & a_matTransform)
{
    return SetTransformed(*this, a_matTransform);
}
inline bCVector bCVector::GetTransformed(bCMatrix const & a_matTransform) const
{
    return bCVector().SetTransformed(*this, a_matTransform);
}
inline bCVector bCVector::operator*(bCMatrix const & a_matTransform) const
{
    return GetTransformed(a_matTransform);
}
inline bCVector & bCVector::operator*=(bCMatrix const & a_matTransform)
{
    return Transform(a_matTransform);
}

inline bCVector & bCVector::SetTransformedDirection(bCVector const & a_vecSource, bCMatrix const & a_matTransform)
{
    float const fX = a_vecSource[0], fY = a_vecSource[1], fZ = a_vecSource[2];
    float fResult[3];
    for (int c = 0; c < 3; ++c)
        fResult[c] = fX * a_matTransform(0, c) + fY * a_matTransform(1, c) + fZ * a_matTransform(2, c);
    SetCoordinates(fResult);
    return *this;
}
inline bCVector & bCVector::TransformDirection(bCMatrix const & a_matTransform)
{
    return SetTransformedDirection(*this, a_matTransform);
}
inline bCVector bCVector::GetTransformedDirection(bCMatrix const & a_matTransform) const
{
    return bCVector().SetTransformedDirection(*this, a_matTransform);
}

inline bCVector & bCVector::InvTransform(bCMatrix const & a_matTransform)
{
    return Transform(a_matTransform.GetInverted());
}
inline bCVector bCVector::GetInvTransformed(bCMatrix const & a_matTransform) const
{
    return GetTransformed(a_matTransform.GetInverted());
}
inline bCVector & bCVector::InvTransformDirection(bCMatrix const & a_matTransform)
{
    return TransformDirection(a_matTransform.GetInverted());
}
inline bCVector bCVector::GetInvTransformedDirection(bCMatrix const & a_matTransform) const
{
    return GetTransformedDirection(a_matTransform.GetInverted());
}
inline bCVector bCVector::operator/(bCMatrix const & a_matTransform) const
{
    return GetInvTransformed(a_matTransform);
}
inline bCVector & bCVector::operator/=(bCMatrix const & a_matTransform)
{
    return InvTransform(a_matTransform);
}

inline bCVector4 & bCVector4::SetTransformed(bCVector4 const & a_vecSource, bCMatrix const & a_matTransform)
{
    float fResult[4];
    for (int c = 0; c < 4; ++c)
        fResult[c] = a_vecSource[0] * a_matTransform(0, c) + a_vecSource[1] * a_matTransform(1, c) +
                     a_vecSource[2] * a_matTransform(2, c) + a_vecSource[3] * a_matTransform(3, c);
    SetCoordinates(fResult);
    return *this;
}
inline bCVector4 & bCVector4::Transform(bCMatrix const & a_matTransform)
{
    return SetTransformed(*this, a_matTransform);
}
inline bCVector4 bCVector4::GetTransformed(bCMatrix const & a_matTransform) const
{
    return bCVector4().SetTransformed(*this, a_matTransform);
}
inline bCVector4 bCVector4::operator*(bCMatrix const & a_matTransform) const
{
    return GetTransformed(a_matTransform);
}
inline bCVector4 & bCVector4::operator*=(bCMatrix const & a_matTransform)
{
    return Transform(a_matTransform);
}

// The inline conversion from a quaternion lives with the quaternion.
#include <vellmark/math/3d/oe_quaternion.h>

// Types these operations return by value, complete for every caller (they include this header in turn).
#include <vellmark/math/3d/oe_matrix3.h>

#endif

#ifndef OE_MATRIX_H_INCLUDED
#define OE_MATRIX_H_INCLUDED

// bCMatrix: 4x4 floats, row by row; element (r, c) is row r, column c and the
// one-index forms take r * 4 + c. Rows 0, 1, 2 are the x, y, z axes of the
// transformed frame, row 3 the translation; column 3 is (0, 0, 0, 1) for an
// affine matrix. Row vectors: v' = v M. SetToProduct(a, b) applies b first,
// so p * q applies q first. Conventions in full: oe_math3d.h.

#include <vellmark/math/3d/oe_vector4.h>
#include <vellmark/math/3d/oe_vector.h>

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
    bCMatrix() = default; // uninitialised
    explicit bCMatrix(float const * a_pfElements);  // 16 floats, row by row
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
    bCMatrix operator*(float a_fFactor) const;
    bCMatrix operator/(float a_fDivisor) const;
    bCMatrix & operator+=(bCMatrix const & a_matOther);
    bCMatrix & operator-=(bCMatrix const & a_matOther);
    bCMatrix & operator*=(float a_fFactor);
    bCMatrix & operator/=(float a_fDivisor);
    friend bCMatrix operator*(float a_fFactor, bCMatrix const & a_matMatrix) { return a_matMatrix * a_fFactor; }

    // Products: result(i, j) = sum over k of b(i, k) a(k, j); b is applied first.
    bCMatrix & SetToProduct(bCMatrix const & a_matA, bCMatrix const & a_matB);
    bCMatrix & Multiply(bCMatrix const & a_matOther);        // other first, then this
    bCMatrix & ReverseMultiply(bCMatrix const & a_matOther); // this first, then other
    bCMatrix GetProduct(bCMatrix const & a_matOther) const;  // other first, then this
    bCMatrix GetProductPrefix(bCMatrix const & a_matOther) const; // this first, then other
    bCMatrix operator*(bCMatrix const & a_matOther) const;   // other first, then this
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
    bCMatrix GetRotation() const;     // the upper 3x3 in an identity
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
    float GetDeterminantRotation() const;                          // upper 3x3
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

#endif

// The inline conversion from a quaternion lives with the quaternion.
#include <vellmark/math/3d/oe_quaternion.h>

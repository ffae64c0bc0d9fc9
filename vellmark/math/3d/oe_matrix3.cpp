#include <vellmark/math/3d/oe_matrix3.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrixframe.h>
#include <vellmark/math/3d/oe_quaternion.h>

namespace
{
    int const g_iCount = 9;

    bCMatrix3 GetUpperOf(bCMatrix const & a_matSource)
    {
        return a_matSource.GetRotation3();
    }
} // namespace

bCMatrix3 const & bCMatrix3::GetIdentity()
{
    static bCMatrix3 const s_matIdentity(bCVector(1.0f, 0.0f, 0.0f), bCVector(0.0f, 1.0f, 0.0f),
                                         bCVector(0.0f, 0.0f, 1.0f));
    return s_matIdentity;
}

bCMatrix3 const & bCMatrix3::GetZero()
{
    static bCMatrix3 const s_matZero(0.0f);
    return s_matZero;
}

bCMatrix3::bCMatrix3(float const * a_pfElements)
{
    SetMatrix(a_pfElements);
}
bCMatrix3::bCMatrix3(float const a_fElements[3][3])
{
    SetMatrix(a_fElements);
}
bCMatrix3::bCMatrix3(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2)
{
    SetMatrix(a_vecRow0, a_vecRow1, a_vecRow2);
}
bCMatrix3::bCMatrix3(float a_fAll)
{
    SetMatrix(a_fAll);
}
bCMatrix3::bCMatrix3(bCQuaternion const & a_quatRotation)
{
    SetToRotation(a_quatRotation);
}
bCMatrix3::bCMatrix3(bCEulerAngles const & a_angRotation)
{
    SetToRotation(a_angRotation);
}

void bCMatrix3::SetMatrix(float const * a_pfElements)
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] = a_pfElements[i];
}
void bCMatrix3::SetMatrix(float const a_fElements[3][3])
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] = a_fElements[i / 3][i % 3];
}
void bCMatrix3::SetMatrix(bCVector const & a_vecRow0, bCVector const & a_vecRow1, bCVector const & a_vecRow2)
{
    SetRow(0, a_vecRow0);
    SetRow(1, a_vecRow1);
    SetRow(2, a_vecRow2);
}
void bCMatrix3::SetMatrix(bCMatrix3 const & a_matSource)
{
    *this = a_matSource;
}
void bCMatrix3::SetMatrix(float a_fAll)
{
    for (float & fElement : m_fElements)
        fElement = a_fAll;
}

bCVector bCMatrix3::GetRow(int a_iRow) const
{
    return bCVector(&m_fElements[a_iRow * 3]);
}
void bCMatrix3::GetRow(int a_iRow, bCVector & a_vecRow) const
{
    a_vecRow = GetRow(a_iRow);
}
void bCMatrix3::SetRow(int a_iRow, bCVector const & a_vecRow)
{
    for (int c = 0; c < 3; ++c)
        m_fElements[a_iRow * 3 + c] = a_vecRow[c];
}
bCVector & bCMatrix3::AccessRow(int a_iRow)
{
    return *reinterpret_cast<bCVector *>(&m_fElements[a_iRow * 3]);
}
bCVector const & bCMatrix3::AccessRow(int a_iRow) const
{
    return *reinterpret_cast<bCVector const *>(&m_fElements[a_iRow * 3]);
}
bCVector bCMatrix3::GetColumn(int a_iColumn) const
{
    return bCVector(m_fElements[a_iColumn], m_fElements[3 + a_iColumn], m_fElements[6 + a_iColumn]);
}
bCVector bCMatrix3::GetXAxis() const
{
    return GetRow(0);
}
bCVector bCMatrix3::GetYAxis() const
{
    return GetRow(1);
}
bCVector bCMatrix3::GetZAxis() const
{
    return GetRow(2);
}
bCVector & bCMatrix3::AccessXAxis()
{
    return AccessRow(0);
}
bCVector & bCMatrix3::AccessYAxis()
{
    return AccessRow(1);
}
bCVector & bCMatrix3::AccessZAxis()
{
    return AccessRow(2);
}
void bCMatrix3::SetXAxis(bCVector const & a_vecAxis)
{
    SetRow(0, a_vecAxis);
}
void bCMatrix3::SetYAxis(bCVector const & a_vecAxis)
{
    SetRow(1, a_vecAxis);
}
void bCMatrix3::SetZAxis(bCVector const & a_vecAxis)
{
    SetRow(2, a_vecAxis);
}

void bCMatrix3::SetIdentity()
{
    *this = GetIdentity();
}
void bCMatrix3::Clear()
{
    SetMatrix(0.0f);
}

bCMatrix3 & bCMatrix3::Add(bCMatrix3 const & a_matOther)
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] += a_matOther.m_fElements[i];
    return *this;
}
bCMatrix3 & bCMatrix3::Sub(bCMatrix3 const & a_matOther)
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] -= a_matOther.m_fElements[i];
    return *this;
}
bCMatrix3 & bCMatrix3::Multiply(float a_fFactor)
{
    for (float & fElement : m_fElements)
        fElement *= a_fFactor;
    return *this;
}
bCMatrix3 & bCMatrix3::Divide(float a_fDivisor)
{
    for (float & fElement : m_fElements)
        fElement /= a_fDivisor;
    return *this;
}
bCMatrix3 & bCMatrix3::Negate()
{
    for (float & fElement : m_fElements)
        fElement = -fElement;
    return *this;
}
bCMatrix3 bCMatrix3::GetSum(bCMatrix3 const & a_matOther) const
{
    return bCMatrix3(*this).Add(a_matOther);
}
bCMatrix3 bCMatrix3::GetDifference(bCMatrix3 const & a_matOther) const
{
    return bCMatrix3(*this).Sub(a_matOther);
}
bCMatrix3 bCMatrix3::GetProduct(float a_fFactor) const
{
    return bCMatrix3(*this).Multiply(a_fFactor);
}
bCMatrix3 bCMatrix3::GetQuotient(float a_fDivisor) const
{
    return bCMatrix3(*this).Divide(a_fDivisor);
}
bCMatrix3 bCMatrix3::GetNegated() const
{
    return bCMatrix3(*this).Negate();
}
bCMatrix3 bCMatrix3::operator+(bCMatrix3 const & a_matOther) const
{
    return GetSum(a_matOther);
}
bCMatrix3 bCMatrix3::operator-(bCMatrix3 const & a_matOther) const
{
    return GetDifference(a_matOther);
}
bCMatrix3 bCMatrix3::operator-() const
{
    return GetNegated();
}
bCMatrix3 bCMatrix3::operator+(float a_fOffset) const
{
    return bCMatrix3(*this) += a_fOffset;
}
bCMatrix3 bCMatrix3::operator-(float a_fOffset) const
{
    return bCMatrix3(*this) -= a_fOffset;
}
bCMatrix3 & bCMatrix3::operator+=(float a_fOffset)
{
    return Add(bCMatrix3(a_fOffset));
}
bCMatrix3 & bCMatrix3::operator-=(float a_fOffset)
{
    return Sub(bCMatrix3(a_fOffset));
}
bCMatrix3 bCMatrix3::operator*(float a_fFactor) const
{
    return GetProduct(a_fFactor);
}
bCMatrix3 bCMatrix3::operator/(float a_fDivisor) const
{
    return GetQuotient(a_fDivisor);
}
bCMatrix3 & bCMatrix3::operator+=(bCMatrix3 const & a_matOther)
{
    return Add(a_matOther);
}
bCMatrix3 & bCMatrix3::operator-=(bCMatrix3 const & a_matOther)
{
    return Sub(a_matOther);
}
bCMatrix3 & bCMatrix3::operator*=(float a_fFactor)
{
    return Multiply(a_fFactor);
}
bCMatrix3 & bCMatrix3::operator/=(float a_fDivisor)
{
    return Divide(a_fDivisor);
}

bCMatrix3 & bCMatrix3::SetToProduct(bCMatrix3 const & a_matA, bCMatrix3 const & a_matB)
{
    float fResult[g_iCount]; // the object may be a or b
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            fResult[i * 3 + j] =
                a_matB(i, 0) * a_matA(0, j) + a_matB(i, 1) * a_matA(1, j) + a_matB(i, 2) * a_matA(2, j);
    SetMatrix(fResult);
    return *this;
}
bCMatrix3 & bCMatrix3::Multiply(bCMatrix3 const & a_matOther)
{
    return SetToProduct(*this, a_matOther);
}
bCMatrix3 & bCMatrix3::ReverseMultiply(bCMatrix3 const & a_matOther)
{
    return SetToProduct(a_matOther, *this);
}
bCMatrix3 bCMatrix3::GetProduct(bCMatrix3 const & a_matOther) const
{
    return bCMatrix3().SetToProduct(*this, a_matOther);
}
bCMatrix3 bCMatrix3::GetProductPrefix(bCMatrix3 const & a_matOther) const
{
    return bCMatrix3().SetToProduct(a_matOther, *this);
}
bCMatrix3 bCMatrix3::operator*(bCMatrix3 const & a_matOther) const
{
    return GetProduct(a_matOther);
}
bCMatrix3 & bCMatrix3::operator*=(bCMatrix3 const & a_matOther)
{
    return Multiply(a_matOther);
}

bCMatrix3 & bCMatrix3::SetToInverse(bCMatrix3 const & a_matSource)
{
    bCMatrix3 const & m = a_matSource;
    float const fAdjugate[g_iCount] = {
        m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1), m(0, 2) * m(2, 1) - m(0, 1) * m(2, 2),
        m(0, 1) * m(1, 2) - m(0, 2) * m(1, 1), m(1, 2) * m(2, 0) - m(1, 0) * m(2, 2),
        m(0, 0) * m(2, 2) - m(0, 2) * m(2, 0), m(0, 2) * m(1, 0) - m(0, 0) * m(1, 2),
        m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0), m(0, 1) * m(2, 0) - m(0, 0) * m(2, 1),
        m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0),
    };
    float const fDeterminant = m(0, 0) * fAdjugate[0] + m(0, 1) * fAdjugate[3] + m(0, 2) * fAdjugate[6];
    if (fDeterminant == 0.0f)
    {
        SetIdentity();
        return *this;
    }
    SetMatrix(fAdjugate);
    return Multiply(1.0f / fDeterminant);
}
bCMatrix3 & bCMatrix3::Invert()
{
    return SetToInverse(*this);
}
bCMatrix3 bCMatrix3::GetInverted() const
{
    return bCMatrix3().SetToInverse(*this);
}
bCMatrix3 bCMatrix3::operator~() const
{
    return GetInverted();
}
bCMatrix3 & bCMatrix3::SetToTranspose(bCMatrix3 const & a_matSource)
{
    bCMatrix3 const matSource(a_matSource);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            (*this)(r, c) = matSource(c, r);
    return *this;
}
bCMatrix3 & bCMatrix3::Transpose()
{
    return SetToTranspose(*this);
}
bCMatrix3 bCMatrix3::GetTransposed() const
{
    return bCMatrix3().SetToTranspose(*this);
}
float bCMatrix3::GetDeterminant() const
{
    bCMatrix3 const & m = *this;
    return m(0, 0) * (m(1, 1) * m(2, 2) - m(1, 2) * m(2, 1)) - m(0, 1) * (m(1, 0) * m(2, 2) - m(1, 2) * m(2, 0)) +
           m(0, 2) * (m(1, 0) * m(2, 1) - m(1, 1) * m(2, 0));
}

void bCMatrix3::SetToRotation(bCQuaternion const & a_quatRotation)
{
    *this = GetUpperOf(bCMatrix(a_quatRotation));
}
void bCMatrix3::SetToRotation(bCEulerAngles const & a_angRotation)
{
    *this = GetUpperOf(bCMatrix(a_angRotation));
}
void bCMatrix3::SetToRotationAxisX(float a_fAngle)
{
    bCMatrix matRotation;
    matRotation.SetToRotationAxisX(a_fAngle);
    *this = GetUpperOf(matRotation);
}
void bCMatrix3::SetToRotationAxisY(float a_fAngle)
{
    bCMatrix matRotation;
    matRotation.SetToRotationAxisY(a_fAngle);
    *this = GetUpperOf(matRotation);
}
void bCMatrix3::SetToRotationAxisZ(float a_fAngle)
{
    bCMatrix matRotation;
    matRotation.SetToRotationAxisZ(a_fAngle);
    *this = GetUpperOf(matRotation);
}
void bCMatrix3::SetToScaling(float a_fScaling)
{
    SetToScaling(bCVector(a_fScaling));
}
void bCMatrix3::SetToScaling(bCVector const & a_vecScaling)
{
    Clear();
    for (int i = 0; i < 3; ++i)
        (*this)(i, i) = a_vecScaling[i];
}

bool bCMatrix3::IsIdentity() const
{
    return IsEqual(GetIdentity());
}
bool bCMatrix3::IsEqual(bCMatrix3 const & a_matOther) const
{
    for (int i = 0; i < g_iCount; ++i)
        if (m_fElements[i] != a_matOther.m_fElements[i])
            return false;
    return true;
}
bool bCMatrix3::operator==(bCMatrix3 const & a_matOther) const
{
    return IsEqual(a_matOther);
}
bool bCMatrix3::operator!=(bCMatrix3 const & a_matOther) const
{
    return !IsEqual(a_matOther);
}

// The stored form has always been the first element only; readers depend on its size.
bCOStream & bCMatrix3::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_fElements[0], sizeof(float));
    return a_Stream;
}

bCIStream & bCMatrix3::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_fElements[0], sizeof(float));
    return a_Stream;
}

void bCMatrix3::SetToCrossProduct(bCVector const & a_vecVector)
{
    OESetCrossProductRows(*this, a_vecVector);
}

void bCMatrix3::LookAt(bCVector const & a_vecDirection)
{
    OELookAtRows(*this, a_vecDirection);
}

void bCMatrix3::LookAt(bCVector const & a_vecDirection, bCVector const & a_vecUp)
{
    OELookAtRows(*this, a_vecDirection, a_vecUp);
}

bCMatrix3 & bCMatrix3::Orthogonalize()
{
    OEOrthogonalizeRows(*this);
    return *this;
}

bCMatrix3 & bCMatrix3::Orthonormalize()
{
    OEOrthonormalizeRows(*this);
    return *this;
}

bCMatrix3 bCMatrix3::GetOrthogonalized() const
{
    return bCMatrix3(*this).Orthogonalize();
}

bCMatrix3 bCMatrix3::GetOrthonormalized() const
{
    return bCMatrix3(*this).Orthonormalize();
}

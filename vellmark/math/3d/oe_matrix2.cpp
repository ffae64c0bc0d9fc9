#include <vellmark/math/3d/oe_matrix2.h>

#include <vellmark/kernel/oe_stream.h>

namespace
{
    int const g_iCount = 4;
}

bCMatrix2 const & bCMatrix2::GetIdentity()
{
    static bCMatrix2 const s_matIdentity(1.0f, 0.0f, 0.0f, 1.0f);
    return s_matIdentity;
}

bCMatrix2 const & bCMatrix2::GetZero()
{
    static bCMatrix2 const s_matZero(0.0f);
    return s_matZero;
}

bCMatrix2::bCMatrix2(float const * a_pfElements)
{
    SetMatrix(a_pfElements);
}
bCMatrix2::bCMatrix2(float const a_fElements[2][2])
{
    SetMatrix(a_fElements);
}
bCMatrix2::bCMatrix2(bCVector2 const & a_vecRow0, bCVector2 const & a_vecRow1)
{
    SetMatrix(a_vecRow0, a_vecRow1);
}
bCMatrix2::bCMatrix2(float a_f00, float a_f01, float a_f10, float a_f11)
{
    SetMatrix(a_f00, a_f01, a_f10, a_f11);
}
bCMatrix2::bCMatrix2(float a_fAll)
{
    SetMatrix(a_fAll);
}

void bCMatrix2::SetMatrix(float const * a_pfElements)
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] = a_pfElements[i];
}
void bCMatrix2::SetMatrix(float const a_fElements[2][2])
{
    SetMatrix(a_fElements[0][0], a_fElements[0][1], a_fElements[1][0], a_fElements[1][1]);
}
void bCMatrix2::SetMatrix(bCVector2 const & a_vecRow0, bCVector2 const & a_vecRow1)
{
    SetMatrix(a_vecRow0[0], a_vecRow0[1], a_vecRow1[0], a_vecRow1[1]);
}
void bCMatrix2::SetMatrix(float a_f00, float a_f01, float a_f10, float a_f11)
{
    m_fElements[0] = a_f00;
    m_fElements[1] = a_f01;
    m_fElements[2] = a_f10;
    m_fElements[3] = a_f11;
}
void bCMatrix2::SetMatrix(bCMatrix2 const & a_matSource)
{
    *this = a_matSource;
}
void bCMatrix2::SetMatrix(float a_fAll)
{
    SetMatrix(a_fAll, a_fAll, a_fAll, a_fAll);
}

float bCMatrix2::GetElement(int a_iRow, int a_iColumn) const
{
    return m_fElements[a_iRow * 2 + a_iColumn];
}
float bCMatrix2::GetElement(int a_iIndex) const
{
    return m_fElements[a_iIndex];
}
void bCMatrix2::SetElement(int a_iRow, int a_iColumn, float a_fValue)
{
    m_fElements[a_iRow * 2 + a_iColumn] = a_fValue;
}
void bCMatrix2::SetElement(int a_iIndex, float a_fValue)
{
    m_fElements[a_iIndex] = a_fValue;
}
float & bCMatrix2::AccessElement(int a_iRow, int a_iColumn)
{
    return m_fElements[a_iRow * 2 + a_iColumn];
}
float & bCMatrix2::AccessElement(int a_iIndex)
{
    return m_fElements[a_iIndex];
}
float & bCMatrix2::operator[](int a_iIndex)
{
    return m_fElements[a_iIndex];
}
float bCMatrix2::operator[](int a_iIndex) const
{
    return m_fElements[a_iIndex];
}
bCVector2 bCMatrix2::GetRow(int a_iRow) const
{
    return bCVector2(&m_fElements[a_iRow * 2]);
}
void bCMatrix2::GetRow(int a_iRow, bCVector2 & a_vecRow) const
{
    a_vecRow = GetRow(a_iRow);
}
void bCMatrix2::SetRow(int a_iRow, bCVector2 const & a_vecRow)
{
    m_fElements[a_iRow * 2] = a_vecRow[0];
    m_fElements[a_iRow * 2 + 1] = a_vecRow[1];
}
bCVector2 & bCMatrix2::AccessRow(int a_iRow)
{
    return *reinterpret_cast<bCVector2 *>(&m_fElements[a_iRow * 2]);
}
bCVector2 const & bCMatrix2::AccessRow(int a_iRow) const
{
    return *reinterpret_cast<bCVector2 const *>(&m_fElements[a_iRow * 2]);
}
bCVector2 bCMatrix2::GetColumn(int a_iColumn) const
{
    return bCVector2(m_fElements[a_iColumn], m_fElements[2 + a_iColumn]);
}
bCVector2 bCMatrix2::GetXAxis() const
{
    return GetRow(0);
}
bCVector2 bCMatrix2::GetYAxis() const
{
    return GetRow(1);
}
void bCMatrix2::SetXAxis(bCVector2 const & a_vecAxis)
{
    SetRow(0, a_vecAxis);
}
void bCMatrix2::SetYAxis(bCVector2 const & a_vecAxis)
{
    SetRow(1, a_vecAxis);
}

void bCMatrix2::SetIdentity()
{
    SetMatrix(1.0f, 0.0f, 0.0f, 1.0f);
}
void bCMatrix2::Clear()
{
    SetMatrix(0.0f);
}

bCMatrix2 & bCMatrix2::Add(bCMatrix2 const & a_matOther)
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] += a_matOther.m_fElements[i];
    return *this;
}
bCMatrix2 & bCMatrix2::Sub(bCMatrix2 const & a_matOther)
{
    for (int i = 0; i < g_iCount; ++i)
        m_fElements[i] -= a_matOther.m_fElements[i];
    return *this;
}
bCMatrix2 & bCMatrix2::Multiply(float a_fFactor)
{
    for (float & fElement : m_fElements)
        fElement *= a_fFactor;
    return *this;
}
bCMatrix2 & bCMatrix2::Divide(float a_fDivisor)
{
    for (float & fElement : m_fElements)
        fElement /= a_fDivisor;
    return *this;
}
bCMatrix2 & bCMatrix2::Negate()
{
    for (float & fElement : m_fElements)
        fElement = -fElement;
    return *this;
}
bCMatrix2 bCMatrix2::GetSum(bCMatrix2 const & a_matOther) const
{
    return bCMatrix2(*this).Add(a_matOther);
}
bCMatrix2 bCMatrix2::GetDifference(bCMatrix2 const & a_matOther) const
{
    return bCMatrix2(*this).Sub(a_matOther);
}
bCMatrix2 bCMatrix2::GetProduct(float a_fFactor) const
{
    return bCMatrix2(*this).Multiply(a_fFactor);
}
bCMatrix2 bCMatrix2::GetQuotient(float a_fDivisor) const
{
    return bCMatrix2(*this).Divide(a_fDivisor);
}
bCMatrix2 bCMatrix2::GetNegated() const
{
    return bCMatrix2(*this).Negate();
}
bCMatrix2 bCMatrix2::operator+(bCMatrix2 const & a_matOther) const
{
    return GetSum(a_matOther);
}
bCMatrix2 bCMatrix2::operator-(bCMatrix2 const & a_matOther) const
{
    return GetDifference(a_matOther);
}
bCMatrix2 bCMatrix2::operator-() const
{
    return GetNegated();
}
bCMatrix2 bCMatrix2::operator+(float a_fOffset) const
{
    return bCMatrix2(*this) += a_fOffset;
}
bCMatrix2 bCMatrix2::operator-(float a_fOffset) const
{
    return bCMatrix2(*this) -= a_fOffset;
}
bCMatrix2 & bCMatrix2::operator+=(float a_fOffset)
{
    return Add(bCMatrix2(a_fOffset));
}
bCMatrix2 & bCMatrix2::operator-=(float a_fOffset)
{
    return Sub(bCMatrix2(a_fOffset));
}
bCMatrix2 bCMatrix2::operator*(float a_fFactor) const
{
    return GetProduct(a_fFactor);
}
bCMatrix2 bCMatrix2::operator/(float a_fDivisor) const
{
    return GetQuotient(a_fDivisor);
}
bCMatrix2 & bCMatrix2::operator+=(bCMatrix2 const & a_matOther)
{
    return Add(a_matOther);
}
bCMatrix2 & bCMatrix2::operator-=(bCMatrix2 const & a_matOther)
{
    return Sub(a_matOther);
}
bCMatrix2 & bCMatrix2::operator*=(float a_fFactor)
{
    return Multiply(a_fFactor);
}
bCMatrix2 & bCMatrix2::operator/=(float a_fDivisor)
{
    return Divide(a_fDivisor);
}

bCMatrix2 & bCMatrix2::SetToProduct(bCMatrix2 const & a_matA, bCMatrix2 const & a_matB)
{
    // Into locals first: the object may be a or b.
    float const f00 = a_matB(0, 0) * a_matA(0, 0) + a_matB(0, 1) * a_matA(1, 0);
    float const f01 = a_matB(0, 0) * a_matA(0, 1) + a_matB(0, 1) * a_matA(1, 1);
    float const f10 = a_matB(1, 0) * a_matA(0, 0) + a_matB(1, 1) * a_matA(1, 0);
    float const f11 = a_matB(1, 0) * a_matA(0, 1) + a_matB(1, 1) * a_matA(1, 1);
    SetMatrix(f00, f01, f10, f11);
    return *this;
}
bCMatrix2 & bCMatrix2::Multiply(bCMatrix2 const & a_matOther)
{
    return SetToProduct(*this, a_matOther);
}
bCMatrix2 & bCMatrix2::ReverseMultiply(bCMatrix2 const & a_matOther)
{
    return SetToProduct(a_matOther, *this);
}
bCMatrix2 bCMatrix2::GetProduct(bCMatrix2 const & a_matOther) const
{
    return bCMatrix2().SetToProduct(*this, a_matOther);
}
bCMatrix2 bCMatrix2::GetProductPrefix(bCMatrix2 const & a_matOther) const
{
    return bCMatrix2().SetToProduct(a_matOther, *this);
}
bCMatrix2 bCMatrix2::operator*(bCMatrix2 const & a_matOther) const
{
    return GetProduct(a_matOther);
}
bCMatrix2 & bCMatrix2::operator*=(bCMatrix2 const & a_matOther)
{
    return Multiply(a_matOther);
}

bCMatrix2 & bCMatrix2::SetToInverse(bCMatrix2 const & a_matSource)
{
    bCMatrix2 const & m = a_matSource;
    float const fDeterminant = m(0, 0) * m(1, 1) - m(0, 1) * m(1, 0);
    float const fInv = 1.0f / fDeterminant;
    SetMatrix(fInv * m(1, 1), fInv * -m(0, 1), fInv * -m(1, 0), fInv * m(0, 0));
    return *this;
}
bCMatrix2 & bCMatrix2::Invert()
{
    return SetToInverse(*this);
}
bCMatrix2 bCMatrix2::GetInverted() const
{
    return bCMatrix2().SetToInverse(*this);
}
bCMatrix2 bCMatrix2::operator~() const
{
    return GetInverted();
}
bCMatrix2 & bCMatrix2::SetToTranspose(bCMatrix2 const & a_matSource)
{
    SetMatrix(a_matSource(0, 0), a_matSource(1, 0), a_matSource(0, 1), a_matSource(1, 1));
    return *this;
}
bCMatrix2 & bCMatrix2::Transpose()
{
    return SetToTranspose(*this);
}
bCMatrix2 bCMatrix2::GetTransposed() const
{
    return bCMatrix2().SetToTranspose(*this);
}
float bCMatrix2::GetDeterminant() const
{
    return m_fElements[0] * m_fElements[3] - m_fElements[1] * m_fElements[2];
}

void bCMatrix2::SetToScaling(float a_fScaling)
{
    SetMatrix(a_fScaling, 0.0f, 0.0f, a_fScaling);
}
void bCMatrix2::SetToScaling(bCVector2 const & a_vecScaling)
{
    SetMatrix(a_vecScaling[0], 0.0f, 0.0f, a_vecScaling[1]);
}

bool bCMatrix2::IsIdentity() const
{
    return IsEqual(GetIdentity());
}
bool bCMatrix2::IsEqual(bCMatrix2 const & a_matOther) const
{
    for (int i = 0; i < g_iCount; ++i)
        if (m_fElements[i] != a_matOther.m_fElements[i])
            return false;
    return true;
}
bool bCMatrix2::operator==(bCMatrix2 const & a_matOther) const
{
    return IsEqual(a_matOther);
}
bool bCMatrix2::operator!=(bCMatrix2 const & a_matOther) const
{
    return !IsEqual(a_matOther);
}

// The stored form has always been the first element only; readers depend on its size.
bCOStream & bCMatrix2::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(&m_fElements[0], sizeof(float));
    return a_Stream;
}

bCIStream & bCMatrix2::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(&m_fElements[0], sizeof(float));
    return a_Stream;
}

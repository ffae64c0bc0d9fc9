#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrixframe.h>

#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/kernel/oe_string.h>
#include <vellmark/math/3d/oe_axisangle.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_motion.h>
#include <vellmark/math/3d/oe_quaternion.h>

#include <cmath>

namespace
{
    // The diagnostics of PrintDebug that are not formatted go out as plain warnings.
    void SendWarning(char const * a_pcText)
    {
        bCMessageAdmin::GetInstance().OnMessage(bEMessageTypes_Warn, a_pcText, nullptr, nullptr, -1, 5);
    }

    char const * const g_pcDashes = "------------------------------------------------";

    float GetDeterminant3(float a_f00, float a_f01, float a_f02, float a_f10, float a_f11, float a_f12, float a_f20,
                          float a_f21, float a_f22)
    {
        return a_f00 * (a_f11 * a_f22 - a_f12 * a_f21) - a_f01 * (a_f10 * a_f22 - a_f12 * a_f20) +
               a_f02 * (a_f10 * a_f21 - a_f11 * a_f20);
    }

    // Upper 3x3 of an elementary rotation: the two axes other than a_iAxis turn
    // by the angle in the positive sense (y to z, z to x, x to y).
    void WriteAxisRotation(bCMatrix & a_matTarget, int a_iAxis, float a_fAngle)
    {
        float const fCos = std::cos(a_fAngle), fSin = std::sin(a_fAngle);
        a_matTarget.SetIdentityRotation();
        int const iFrom = (a_iAxis + 1) % 3, iTo = (a_iAxis + 2) % 3;
        a_matTarget(iFrom, iFrom) = fCos;
        a_matTarget(iFrom, iTo) = fSin;
        a_matTarget(iTo, iFrom) = -fSin;
        a_matTarget(iTo, iTo) = fCos;
    }

    bCMatrix GetAxisRotation(int a_iAxis, float a_fAngle)
    {
        bCMatrix matRotation;
        matRotation.SetIdentity();
        WriteAxisRotation(matRotation, a_iAxis, a_fAngle);
        return matRotation;
    }
} // namespace

bCMatrix const & bCMatrix::GetIdentity()
{
    static bCMatrix const s_matIdentity = [] {
        bCMatrix matIdentity;
        matIdentity.SetIdentity();
        return matIdentity;
    }();
    return s_matIdentity;
}

bCMatrix const & bCMatrix::GetZero()
{
    static bCMatrix const s_matZero(0.0f);
    return s_matZero;
}

bCMatrix::bCMatrix(bCEulerAngles const & a_angRotation)
{
    SetToRotation(a_angRotation);
}
bCMatrix::bCMatrix(bCAxisAngle const & a_aaRotation)
{
    SetToRotation(a_aaRotation);
}
bCMatrix::bCMatrix(bCQuaternion const & a_quatRotation, bCVector const & a_vecTranslation)
{
    SetMatrix(a_quatRotation, a_vecTranslation);
}
bCMatrix::bCMatrix(bCEulerAngles const & a_angRotation, bCVector const & a_vecTranslation)
{
    SetMatrix(a_angRotation, a_vecTranslation);
}
bCMatrix::bCMatrix(bCAxisAngle const & a_aaRotation, bCVector const & a_vecTranslation)
{
    SetMatrix(a_aaRotation, a_vecTranslation);
}
bCMatrix::bCMatrix(bCMotion const & a_Motion)
{
    SetMatrix(a_Motion);
}

void bCMatrix::SetMatrix(bCQuaternion const & a_quatRotation, bCVector const & a_vecTranslation)
{
    SetToRotation(a_quatRotation);
    ModifyTranslation(a_vecTranslation);
}

void bCMatrix::SetMatrix(bCEulerAngles const & a_angRotation, bCVector const & a_vecTranslation)
{
    SetToRotation(a_angRotation);
    ModifyTranslation(a_vecTranslation);
}

void bCMatrix::SetMatrix(bCAxisAngle const & a_aaRotation, bCVector const & a_vecTranslation)
{
    SetToRotation(a_aaRotation);
    ModifyTranslation(a_vecTranslation);
}

void bCMatrix::SetMatrix(bCVector const & a_vecTranslation, bCQuaternion const & a_quatRotation,
                         bCVector const & a_vecScaling)
{
    SetToTranslation(a_vecTranslation);
    ModifyRotation(a_quatRotation);
    for (int r = 0; r < 3; ++r)
        AccessRow(r).Scale(a_vecScaling[r]);
    ValidateReserved();
}

void bCMatrix::SetMatrix(bCVector const & a_vecTranslation, bCEulerAngles const & a_angRotation,
                         bCVector const & a_vecScaling)
{
    SetToTranslation(a_vecTranslation);
    ModifyRotation(a_angRotation);
    for (int r = 0; r < 3; ++r)
        AccessRow(r).Scale(a_vecScaling[r]);
    ValidateReserved();
}

void bCMatrix::SetMatrix(bCMotion const & a_Motion)
{
    SetToRotation(a_Motion.GetRotation());
    ModifyTranslation(a_Motion.GetPosition());
}

bCMatrix & bCMatrix::Invert()
{
    // Adjugate over determinant, from the 2x2 minors of the upper and the lower two rows.
    float const * a = m_fElements;
    float const fS0 = a[0] * a[5] - a[4] * a[1], fS1 = a[0] * a[6] - a[4] * a[2];
    float const fS2 = a[0] * a[7] - a[4] * a[3], fS3 = a[1] * a[6] - a[5] * a[2];
    float const fS4 = a[1] * a[7] - a[5] * a[3], fS5 = a[2] * a[7] - a[6] * a[3];
    float const fC5 = a[10] * a[15] - a[14] * a[11], fC4 = a[9] * a[15] - a[13] * a[11];
    float const fC3 = a[9] * a[14] - a[13] * a[10], fC2 = a[8] * a[15] - a[12] * a[11];
    float const fC1 = a[8] * a[14] - a[12] * a[10], fC0 = a[8] * a[13] - a[12] * a[9];
    float const fDeterminant = fS0 * fC5 - fS1 * fC4 + fS2 * fC3 + fS3 * fC2 - fS4 * fC1 + fS5 * fC0;
    if (fDeterminant == 0.0f)
    {
        SetIdentity();
        return *this;
    }
    float const fInv = 1.0f / fDeterminant;
    float const fResult[16] = {
        (a[5] * fC5 - a[6] * fC4 + a[7] * fC3) * fInv,     (-a[1] * fC5 + a[2] * fC4 - a[3] * fC3) * fInv,
        (a[13] * fS5 - a[14] * fS4 + a[15] * fS3) * fInv,  (-a[9] * fS5 + a[10] * fS4 - a[11] * fS3) * fInv,
        (-a[4] * fC5 + a[6] * fC2 - a[7] * fC1) * fInv,    (a[0] * fC5 - a[2] * fC2 + a[3] * fC1) * fInv,
        (-a[12] * fS5 + a[14] * fS2 - a[15] * fS1) * fInv, (a[8] * fS5 - a[10] * fS2 + a[11] * fS1) * fInv,
        (a[4] * fC4 - a[5] * fC2 + a[7] * fC0) * fInv,     (-a[0] * fC4 + a[1] * fC2 - a[3] * fC0) * fInv,
        (a[12] * fS4 - a[13] * fS2 + a[15] * fS0) * fInv,  (-a[8] * fS4 + a[9] * fS2 - a[11] * fS0) * fInv,
        (-a[4] * fC3 + a[5] * fC1 - a[6] * fC0) * fInv,    (a[0] * fC3 - a[1] * fC1 + a[2] * fC0) * fInv,
        (-a[12] * fS3 + a[13] * fS1 - a[14] * fS0) * fInv, (a[8] * fS3 - a[9] * fS1 + a[10] * fS0) * fInv,
    };
    SetMatrix(fResult);
    return *this;
}

float bCMatrix::GetDeterminant() const
{
    float const * a = m_fElements;
    float const fS0 = a[0] * a[5] - a[4] * a[1], fS1 = a[0] * a[6] - a[4] * a[2];
    float const fS2 = a[0] * a[7] - a[4] * a[3], fS3 = a[1] * a[6] - a[5] * a[2];
    float const fS4 = a[1] * a[7] - a[5] * a[3], fS5 = a[2] * a[7] - a[6] * a[3];
    float const fC5 = a[10] * a[15] - a[14] * a[11], fC4 = a[9] * a[15] - a[13] * a[11];
    float const fC3 = a[9] * a[14] - a[13] * a[10], fC2 = a[8] * a[15] - a[12] * a[11];
    float const fC1 = a[8] * a[14] - a[12] * a[10], fC0 = a[8] * a[13] - a[12] * a[9];
    return fS0 * fC5 - fS1 * fC4 + fS2 * fC3 + fS3 * fC2 - fS4 * fC1 + fS5 * fC0;
}

float bCMatrix::GetDeterminantRotation() const
{
    return GetDeterminantAdjoint(3, 3);
}

float bCMatrix::GetDeterminantAdjoint(int a_iRow, int a_iColumn) const
{
    int iRows[3], iColumns[3];
    for (int i = 0, iRow = 0, iColumn = 0; i < 4; ++i)
    {
        if (i != a_iRow)
            iRows[iRow++] = i;
        if (i != a_iColumn)
            iColumns[iColumn++] = i;
    }
    auto const Element = [&](int r, int c) { return (*this)(iRows[r], iColumns[c]); };
    return GetDeterminant3(Element(0, 0), Element(0, 1), Element(0, 2), Element(1, 0), Element(1, 1), Element(1, 2),
                           Element(2, 0), Element(2, 1), Element(2, 2));
}

void bCMatrix::SetToRotation(bCEulerAngles const & a_angRotation)
{
    SetIdentity();
    ModifyRotation(a_angRotation);
}

void bCMatrix::SetToRotation(bCAxisAngle const & a_aaRotation)
{
    SetIdentity();
    ModifyRotation(a_aaRotation);
}

void bCMatrix::ModifyRotation(bCEulerAngles const & a_angRotation)
{
    float const fSy = std::sin(a_angRotation.GetYaw()), fCy = std::cos(a_angRotation.GetYaw());
    float const fSp = std::sin(a_angRotation.GetPitch()), fCp = std::cos(a_angRotation.GetPitch());
    float const fSr = std::sin(a_angRotation.GetRoll()), fCr = std::cos(a_angRotation.GetRoll());
    SetRow(0, bCVector(fSy * fSp * fSr + fCr * fCy, fSr * fCp, fSp * fCy * fSr - fCr * fSy));
    SetRow(1, bCVector(fCr * fSy * fSp - fSr * fCy, fCr * fCp, fSr * fSy + fCr * fSp * fCy));
    SetRow(2, bCVector(fSy * fCp, -fSp, fCy * fCp));
}

void bCMatrix::ModifyRotation(bCAxisAngle const & a_aaRotation)
{
    bCVector const vecLengths = GetPureScaling();
    bCVector const & vecAxis = a_aaRotation.GetAxis();
    float const fAngle = a_aaRotation.GetAngle();
    if (fAngle == 0.0f || vecAxis.HasZeroMagnitude())
    {
        ClearRotation();
        for (int i = 0; i < 3; ++i)
            (*this)(i, i) = vecLengths[i];
        return;
    }
    bCVector const vecU = vecAxis.GetNormalized();
    float const fX = vecU[0], fY = vecU[1], fZ = vecU[2];
    float const fC = std::cos(fAngle), fS = std::sin(fAngle), fT = 1.0f - fC;
    SetRow(0, bCVector(fX * fX * fT + fC, fX * fY * fT - fZ * fS, fX * fZ * fT + fY * fS));
    SetRow(1, bCVector(fX * fY * fT + fZ * fS, fY * fY * fT + fC, fY * fZ * fT - fX * fS));
    SetRow(2, bCVector(fX * fZ * fT - fY * fS, fY * fZ * fT + fX * fS, fZ * fZ * fT + fC));
    ModifyScaling(vecLengths);
}

void bCMatrix::ModifyRotation(bCMatrix3 const & a_matRotation)
{
    for (int r = 0; r < 3; ++r)
        SetRow(r, a_matRotation.GetRow(r));
}

bCMatrix & bCMatrix::Rotate(bCQuaternion const & a_quatRotation)
{
    return ReverseMultiply(bCMatrix(a_quatRotation));
}
bCMatrix & bCMatrix::Rotate(bCEulerAngles const & a_angRotation)
{
    return ReverseMultiply(bCMatrix(a_angRotation));
}
bCMatrix & bCMatrix::Rotate(bCAxisAngle const & a_aaRotation)
{
    return ReverseMultiply(bCMatrix(a_aaRotation));
}
bCMatrix & bCMatrix::RotateLocal(bCQuaternion const & a_quatRotation)
{
    return Multiply(bCMatrix(a_quatRotation));
}
bCMatrix & bCMatrix::RotateLocal(bCEulerAngles const & a_angRotation)
{
    return Multiply(bCMatrix(a_angRotation));
}
bCMatrix & bCMatrix::RotateLocal(bCAxisAngle const & a_aaRotation)
{
    return Multiply(bCMatrix(a_aaRotation));
}
bCMatrix bCMatrix::GetRotated(bCQuaternion const & a_quatRotation) const
{
    return bCMatrix(*this).Rotate(a_quatRotation);
}
bCMatrix bCMatrix::GetRotated(bCEulerAngles const & a_angRotation) const
{
    return bCMatrix(*this).Rotate(a_angRotation);
}
bCMatrix bCMatrix::GetRotated(bCAxisAngle const & a_aaRotation) const
{
    return bCMatrix(*this).Rotate(a_aaRotation);
}
bCMatrix bCMatrix::GetRotatedLocal(bCQuaternion const & a_quatRotation) const
{
    return bCMatrix(*this).RotateLocal(a_quatRotation);
}
bCMatrix bCMatrix::GetRotatedLocal(bCEulerAngles const & a_angRotation) const
{
    return bCMatrix(*this).RotateLocal(a_angRotation);
}
bCMatrix bCMatrix::GetRotatedLocal(bCAxisAngle const & a_aaRotation) const
{
    return bCMatrix(*this).RotateLocal(a_aaRotation);
}

void bCMatrix::SetToRotationAxisX(float a_fAngle)
{
    *this = GetAxisRotation(0, a_fAngle);
}
void bCMatrix::SetToRotationAxisY(float a_fAngle)
{
    *this = GetAxisRotation(1, a_fAngle);
}
void bCMatrix::SetToRotationAxisZ(float a_fAngle)
{
    *this = GetAxisRotation(2, a_fAngle);
}
void bCMatrix::ModifyRotationAxisX(float a_fAngle)
{
    WriteAxisRotation(*this, 0, a_fAngle);
}
void bCMatrix::ModifyRotationAxisY(float a_fAngle)
{
    WriteAxisRotation(*this, 1, a_fAngle);
}
void bCMatrix::ModifyRotationAxisZ(float a_fAngle)
{
    WriteAxisRotation(*this, 2, a_fAngle);
}
bCMatrix & bCMatrix::RotateAxisX(float a_fAngle)
{
    return ReverseMultiply(GetAxisRotation(0, a_fAngle));
}
bCMatrix & bCMatrix::RotateAxisY(float a_fAngle)
{
    return ReverseMultiply(GetAxisRotation(1, a_fAngle));
}
bCMatrix & bCMatrix::RotateAxisZ(float a_fAngle)
{
    return ReverseMultiply(GetAxisRotation(2, a_fAngle));
}
bCMatrix & bCMatrix::RotateLocalAxisX(float a_fAngle)
{
    return Multiply(GetAxisRotation(0, a_fAngle));
}
bCMatrix & bCMatrix::RotateLocalAxisY(float a_fAngle)
{
    return Multiply(GetAxisRotation(1, a_fAngle));
}
bCMatrix & bCMatrix::RotateLocalAxisZ(float a_fAngle)
{
    return Multiply(GetAxisRotation(2, a_fAngle));
}
bCMatrix bCMatrix::GetRotatedByAxisX(float a_fAngle) const
{
    return bCMatrix(*this).RotateAxisX(a_fAngle);
}
bCMatrix bCMatrix::GetRotatedByAxisY(float a_fAngle) const
{
    return bCMatrix(*this).RotateAxisY(a_fAngle);
}
bCMatrix bCMatrix::GetRotatedByAxisZ(float a_fAngle) const
{
    return bCMatrix(*this).RotateAxisZ(a_fAngle);
}
bCMatrix bCMatrix::GetRotatedByLocalAxisX(float a_fAngle) const
{
    return bCMatrix(*this).RotateLocalAxisX(a_fAngle);
}
bCMatrix bCMatrix::GetRotatedByLocalAxisY(float a_fAngle) const
{
    return bCMatrix(*this).RotateLocalAxisY(a_fAngle);
}
bCMatrix bCMatrix::GetRotatedByLocalAxisZ(float a_fAngle) const
{
    return bCMatrix(*this).RotateLocalAxisZ(a_fAngle);
}

bCMatrix bCMatrix::GetRotation() const
{
    bCMatrix matRotation;
    matRotation.SetIdentity();
    for (int r = 0; r < 3; ++r)
        matRotation.SetRow(r, GetRow(r));
    return matRotation;
}

bCMatrix3 bCMatrix::GetRotation3() const
{
    return bCMatrix3(GetRow(0), GetRow(1), GetRow(2));
}

bCMatrix bCMatrix::GetPureRotation() const
{
    bCMatrix matRotation(*this);
    for (int r = 0; r < 3; ++r)
    {
        // The whole row, so that ModifyScaling (S times this) restores it; no zero test.
        bCVector4 & vecRow = matRotation.AccessRow4(r);
        vecRow.InvScale(bCVector4(matRotation.GetRow(r).GetMagnitude()));
    }
    return matRotation;
}

void bCMatrix::SetToScaling(float a_fScaling)
{
    SetToScaling(bCVector(a_fScaling));
}

void bCMatrix::SetToScaling(bCVector const & a_vecScaling)
{
    SetIdentity();
    for (int i = 0; i < 3; ++i)
        (*this)(i, i) = a_vecScaling[i];
}

bCMatrix & bCMatrix::Scale(float a_fScaling)
{
    return Scale(bCVector(a_fScaling));
}

bCMatrix & bCMatrix::Scale(bCVector const & a_vecScaling)
{
    // S this with S diagonal: row i of the frame times s[i]; row 3 stays.
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            (*this)(r, c) *= a_vecScaling[r];
    return *this;
}

void bCMatrix::ModifyScaling(float a_fScaling)
{
    ModifyScaling(bCVector(a_fScaling));
}

void bCMatrix::ModifyScaling(bCVector const & a_vecScaling)
{
    *this = GetPureRotation();
    Scale(a_vecScaling);
}

bCVector bCMatrix::GetPureScaling() const
{
    return bCVector(GetRow(0).GetMagnitude(), GetRow(1).GetMagnitude(), GetRow(2).GetMagnitude());
}

void bCMatrix::SetToCrossProduct(bCVector const & a_vecVector)
{
    OESetCrossProductRows(*this, a_vecVector);
}

void bCMatrix::LookAt(bCVector const & a_vecDirection)
{
    OELookAtRows(*this, a_vecDirection);
}

void bCMatrix::LookAt(bCVector const & a_vecDirection, bCVector const & a_vecUp)
{
    OELookAtRows(*this, a_vecDirection, a_vecUp);
}

bCMatrix & bCMatrix::Orthogonalize()
{
    OEOrthogonalizeRows(*this);
    return *this;
}

bCMatrix & bCMatrix::Orthonormalize()
{
    OEOrthonormalizeRows(*this);
    return *this;
}

bCMatrix bCMatrix::GetOrthogonalized() const
{
    return bCMatrix(*this).Orthogonalize();
}
bCMatrix bCMatrix::GetOrthonormalized() const
{
    return bCMatrix(*this).Orthonormalize();
}

bool bCMatrix::IsOrthogonal() const
{
    bCVector const vecX = GetRow(0), vecY = GetRow(1), vecZ = GetRow(2);
    return std::fabs(vecX.GetDotProduct(vecZ)) <= 0.01f && std::fabs(vecY.GetDotProduct(vecZ)) <= 0.01f &&
           std::fabs(vecX.GetDotProduct(vecY)) <= 0.01f;
}

bool bCMatrix::IsOrthonormal() const
{
    if (!IsOrthogonal())
        return false;
    for (int r = 0; r < 3; ++r)
    {
        float const fLength = GetRow(r).GetMagnitude();
        if (!(fLength >= 0.99f && fLength <= 1.01f))
            return false;
    }
    return true;
}

bool bCMatrix::IsValid() const
{
    for (float fElement : m_fElements)
        if (!std::isfinite(fElement))
            return false;
    return IsOrthogonal();
}

void bCMatrix::PrintDebug(bCString const & a_strLabel) const
{
    SendWarning(g_pcDashes);
    SendWarning(a_strLabel.GetText());
    SendWarning(IsOrthogonal() ? "matrix is orthogonal" : "matrix is not orthogonal");
    SendWarning(IsOrthonormal() ? "matrix is orthonormal" : "matrix is not orthonormal");
    SendWarning(IsValid() ? "matrix is valid" : "matrix is not valid");
    SendWarning("scaling is:");
    bCVector const vecScaling = GetPureScaling();
    vecScaling.PrintDebug(bCString());
    OE_MESSAGEF_WARN("length of x axis is: %f", vecScaling[0]);
    OE_MESSAGEF_WARN("length of y axis is: %f", vecScaling[1]);
    OE_MESSAGEF_WARN("length of z axis is: %f", vecScaling[2]);
    SendWarning("----- contents:");
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            OE_MESSAGEF_WARN(" row: %i, column: %i is %f", r, c, (*this)(r, c));
    SendWarning(g_pcDashes);
}

bCOStream & bCMatrix::operator>>(bCOStream & a_Stream) const
{
    a_Stream.Write(m_fElements, sizeof(m_fElements));
    return a_Stream;
}

bCIStream & bCMatrix::operator<<(bCIStream & a_Stream)
{
    a_Stream.Read(m_fElements, sizeof(m_fElements));
    return a_Stream;
}

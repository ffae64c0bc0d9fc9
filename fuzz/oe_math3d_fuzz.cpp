// Every maths value type read from arbitrary bytes, one after the other, then
// put through the conversions that take any input (NaN, infinities and zero
// included). A read may come up short; nothing may crash, and a value written
// back must give the bytes it was read from.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_math3d.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    // Reads one value at the stream's position; when all its bytes were there,
    // writing it again must reproduce them.
    template <typename T>
    void ReadAndCompare(bCMemoryStream & a_Stream, uint8_t const * a_pData, T & a_Value, unsigned long a_uSize)
    {
        long long const i64Start = a_Stream.GetPosition();
        a_Value << a_Stream;
        if (a_Stream.GetPosition() - i64Start < static_cast<long long>(a_uSize))
            return;
        bCMemoryStream Copy;
        a_Value >> Copy;
        Copy.SetPosition(0, bEStreamSeekMode_Begin);
        Check(Copy.GetSize() == static_cast<long long>(a_uSize));
        Check(std::memcmp(Copy.GetBuffer(a_uSize), a_pData + i64Start, a_uSize) == 0);
    }

    volatile float g_fSink; // keeps the conversions from being optimised away
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bCMemoryStream Stream;
    if (a_uSize)
        Stream.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Stream.SetPosition(0, bEStreamSeekMode_Begin);

    bCVector vecValue(0.0f);
    bCVector4 vec4Value(0.0f);
    bCMatrix matValue(0.0f);
    bCMatrix3 mat3Value(0.0f);
    bCQuaternion quatValue(0, 0, 0, 0);
    bCEulerAngles angValue(0, 0, 0);
    bCAxisAngle aaValue(bCVector(0.0f), 0);
    bCSphericalRotation srValue(0, 0, 0);
    bCMotion Motion(bCVector(0.0f), bCQuaternion(0, 0, 0, 0));
    ReadAndCompare(Stream, a_pData, vecValue, 12);
    ReadAndCompare(Stream, a_pData, vec4Value, 16);
    ReadAndCompare(Stream, a_pData, matValue, 64);
    ReadAndCompare(Stream, a_pData, mat3Value, 4);
    ReadAndCompare(Stream, a_pData, quatValue, 16);
    ReadAndCompare(Stream, a_pData, angValue, 12);
    ReadAndCompare(Stream, a_pData, aaValue, 16);
    ReadAndCompare(Stream, a_pData, srValue, 12);
    ReadAndCompare(Stream, a_pData, Motion, 28);

    bCVector vecResult = vecValue.GetNormalizedSafe() * matValue;
    vecResult.NormalizeApprox();
    float fAzimuth = 0, fElevation = 0;
    vecValue.GetAziElev(fAzimuth, fElevation);
    bCMatrix const matInverse = matValue.GetInverted();
    bCEulerAngles const angBack(matInverse);
    bCQuaternion quatBack(matInverse);
    quatBack.SetSlerp(quatBack, quatValue, fAzimuth);
    bCMatrix matFrame(matValue);
    matFrame.Orthonormalize();
    matFrame.ModifyRotation(aaValue);
    matFrame.SetMatrix(Motion);
    bCSphericalRotation const srBack(bCQuaternion(srValue).GetNormalized());
    bCMatrix3 const mat3Inverse = mat3Value.GetInverted();
    g_fSink = angBack.GetYaw() + srBack.GetAzimuth() + mat3Inverse[0] + vecResult[0] + matFrame[0];
    return 0;
}

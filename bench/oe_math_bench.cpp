// The maths core beside GLM over arrays of 1,024 inputs, so that the loop and
// not the call is measured: 4x4 product, point and direction transform, 4x4
// inverse, quaternion product, quaternion to matrix, slerp and normalise.
// Both sides are built with the project's floating-point rules
// (-ffp-contract=off, no fast-math). GLM is column-vector: the same matrix is
// its transpose, which has the same memory image, so both sides see identical
// bytes.

#include <vellmark/math/3d/oe_math3d.h>

#include <glm/glm.hpp>
#include <glm/gtc/quaternion.hpp>

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace
{
    int const g_iCount = 1024;

    std::vector<float> GetRandomFloats(size_t a_uCount, float a_fLow, float a_fHigh, unsigned a_uSeed)
    {
        std::mt19937 Engine(a_uSeed);
        std::uniform_real_distribution<float> Distribution(a_fLow, a_fHigh);
        std::vector<float> arrValues(a_uCount);
        for (float & fValue : arrValues)
            fValue = Distribution(Engine);
        return arrValues;
    }

    // The same random bytes for both libraries.
    template <typename T> std::vector<T> GetInputs(float a_fLow, float a_fHigh, unsigned a_uSeed)
    {
        static_assert(sizeof(T) % sizeof(float) == 0);
        std::vector<float> const arrFloats =
            GetRandomFloats(g_iCount * sizeof(T) / sizeof(float), a_fLow, a_fHigh, a_uSeed);
        std::vector<T> arrValues(g_iCount);
        std::memcpy(static_cast<void *>(arrValues.data()), arrFloats.data(), arrFloats.size() * sizeof(float));
        return arrValues;
    }

    template <typename T> std::vector<T> GetAffine(unsigned a_uSeed)
    {
        std::vector<T> arrValues = GetInputs<T>(-2.0f, 2.0f, a_uSeed);
        for (T & Value : arrValues)
        {
            float * pfElements = reinterpret_cast<float *>(&Value);
            pfElements[3] = pfElements[7] = pfElements[11] = 0.0f;
            pfElements[15] = 1.0f;
        }
        return arrValues;
    }

    template <typename T> std::vector<T> GetUnitQuaternions(unsigned a_uSeed)
    {
        std::vector<T> arrValues = GetInputs<T>(-1.0f, 1.0f, a_uSeed);
        for (T & Value : arrValues)
        {
            float * pfValues = reinterpret_cast<float *>(&Value);
            float const fLength = std::sqrt(pfValues[0] * pfValues[0] + pfValues[1] * pfValues[1] +
                                            pfValues[2] * pfValues[2] + pfValues[3] * pfValues[3]);
            for (int i = 0; i < 4; ++i)
                pfValues[i] /= fLength;
        }
        return arrValues;
    }

    void SetItems(benchmark::State & a_State)
    {
        a_State.SetItemsProcessed(a_State.iterations() * g_iCount);
    }

    // 4x4 product ------------------------------------------------------------

    void MatrixProduct(benchmark::State & a_State)
    {
        auto const arrA = GetAffine<bCMatrix>(1), arrB = GetAffine<bCMatrix>(2);
        std::vector<bCMatrix> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i].SetToProduct(arrA[i], arrB[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmMatrixProduct(benchmark::State & a_State)
    {
        auto const arrA = GetAffine<glm::mat4>(1), arrB = GetAffine<glm::mat4>(2);
        std::vector<glm::mat4> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = arrA[i] * arrB[i];
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    // Point and direction transforms ------------------------------------------

    void PointTransform(benchmark::State & a_State)
    {
        auto const arrPoints = GetInputs<bCVector>(-10.0f, 10.0f, 3);
        bCMatrix const matTransform = GetAffine<bCMatrix>(4)[0];
        std::vector<bCVector> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i].SetTransformed(arrPoints[i], matTransform);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmPointTransform(benchmark::State & a_State)
    {
        auto const arrPoints = GetInputs<glm::vec3>(-10.0f, 10.0f, 3);
        glm::mat4 const matTransform = GetAffine<glm::mat4>(4)[0];
        std::vector<glm::vec3> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = glm::vec3(matTransform * glm::vec4(arrPoints[i], 1.0f));
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void DirectionTransform(benchmark::State & a_State)
    {
        auto const arrDirections = GetInputs<bCVector>(-1.0f, 1.0f, 5);
        bCMatrix const matTransform = GetAffine<bCMatrix>(6)[0];
        std::vector<bCVector> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i].SetTransformedDirection(arrDirections[i], matTransform);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmDirectionTransform(benchmark::State & a_State)
    {
        auto const arrDirections = GetInputs<glm::vec3>(-1.0f, 1.0f, 5);
        glm::mat3 const matTransform(GetAffine<glm::mat4>(6)[0]);
        std::vector<glm::vec3> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = matTransform * arrDirections[i];
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    // 4x4 inverse ---------------------------------------------------------------

    void MatrixInverse(benchmark::State & a_State)
    {
        auto const arrMatrices = GetInputs<bCMatrix>(-2.0f, 2.0f, 7);
        std::vector<bCMatrix> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = arrMatrices[i].GetInverted();
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmMatrixInverse(benchmark::State & a_State)
    {
        auto const arrMatrices = GetInputs<glm::mat4>(-2.0f, 2.0f, 7);
        std::vector<glm::mat4> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = glm::inverse(arrMatrices[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    // Quaternions -----------------------------------------------------------------
    // glm::quat keeps x, y, z, w in this order here (no GLM_FORCE_QUAT_DATA_WXYZ),
    // so the unit quaternions below have the same bytes on both sides.

    void QuaternionProduct(benchmark::State & a_State)
    {
        auto const arrA = GetUnitQuaternions<bCQuaternion>(8), arrB = GetUnitQuaternions<bCQuaternion>(9);
        std::vector<bCQuaternion> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i].SetToProduct(arrA[i], arrB[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmQuaternionProduct(benchmark::State & a_State)
    {
        auto const arrA = GetUnitQuaternions<glm::quat>(8), arrB = GetUnitQuaternions<glm::quat>(9);
        std::vector<glm::quat> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = arrA[i] * arrB[i];
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void QuaternionToMatrix(benchmark::State & a_State)
    {
        auto const arrQuaternions = GetUnitQuaternions<bCQuaternion>(10);
        std::vector<bCMatrix> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i].SetToRotation(arrQuaternions[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmQuaternionToMatrix(benchmark::State & a_State)
    {
        auto const arrQuaternions = GetUnitQuaternions<glm::quat>(10);
        std::vector<glm::mat4> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = glm::mat4_cast(arrQuaternions[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void QuaternionSlerp(benchmark::State & a_State)
    {
        auto const arrA = GetUnitQuaternions<bCQuaternion>(11), arrB = GetUnitQuaternions<bCQuaternion>(12);
        std::vector<float> const arrT = GetRandomFloats(g_iCount, 0.0f, 1.0f, 13);
        std::vector<bCQuaternion> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i].SetSlerp(arrA[i], arrB[i], arrT[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmQuaternionSlerp(benchmark::State & a_State)
    {
        auto const arrA = GetUnitQuaternions<glm::quat>(11), arrB = GetUnitQuaternions<glm::quat>(12);
        std::vector<float> const arrT = GetRandomFloats(g_iCount, 0.0f, 1.0f, 13);
        std::vector<glm::quat> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = glm::slerp(arrA[i], arrB[i], arrT[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    // Normalise -------------------------------------------------------------------

    void VectorNormalize(benchmark::State & a_State)
    {
        auto const arrVectors = GetInputs<bCVector>(-10.0f, 10.0f, 14);
        std::vector<bCVector> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = arrVectors[i].GetNormalized();
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }

    void GlmVectorNormalize(benchmark::State & a_State)
    {
        auto const arrVectors = GetInputs<glm::vec3>(-10.0f, 10.0f, 14);
        std::vector<glm::vec3> arrOut(g_iCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iCount; ++i)
                arrOut[i] = glm::normalize(arrVectors[i]);
            benchmark::DoNotOptimize(arrOut.data());
            benchmark::ClobberMemory();
        }
        SetItems(a_State);
    }
} // namespace

BENCHMARK(MatrixProduct);
BENCHMARK(GlmMatrixProduct);
BENCHMARK(PointTransform);
BENCHMARK(GlmPointTransform);
BENCHMARK(DirectionTransform);
BENCHMARK(GlmDirectionTransform);
BENCHMARK(MatrixInverse);
BENCHMARK(GlmMatrixInverse);
BENCHMARK(QuaternionProduct);
BENCHMARK(GlmQuaternionProduct);
BENCHMARK(QuaternionToMatrix);
BENCHMARK(GlmQuaternionToMatrix);
BENCHMARK(QuaternionSlerp);
BENCHMARK(GlmQuaternionSlerp);
BENCHMARK(VectorNormalize);
BENCHMARK(GlmVectorNormalize);

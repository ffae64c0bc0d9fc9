// The intersection tests beside GLM over arrays of 1,024 inputs, so that the
// loop and not the call is measured: ray-triangle (glm::intersectRayTriangle),
// ray-sphere (glm::intersectRaySphere), ray-box and the box transform (GLM has
// neither: the peers are a plain slab test and the centre / absolute-matrix
// transform written over GLM types here). Both sides count hits into a sum so
// that nothing is optimised away.

#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <benchmark/benchmark.h>

#define GLM_ENABLE_EXPERIMENTAL
#include <glm/glm.hpp>
#include <glm/gtc/type_ptr.hpp>
#include <glm/gtx/intersect.hpp>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

namespace
{
    int const kCount = 1024;

    // One seeded scene for both sides: rays from around the origin towards
    // shapes scattered in front, about half of them hit.
    struct bSScene
    {
        std::vector<bCVector> m_arrOrigins, m_arrDirections, m_arrCorners, m_arrCenters, m_arrMins, m_arrMaxs;
        std::vector<float> m_arrRadii;
        std::vector<bCMatrix> m_arrMatrices;

        bSScene()
        {
            std::mt19937 Random(2026);
            std::uniform_real_distribution<float> Near(-1.0f, 1.0f), Far(4.0f, 8.0f), Size(0.5f, 2.0f);
            auto const Around = [&](float a_fZ) { return bCVector(Near(Random) * 3.0f, Near(Random) * 3.0f, a_fZ); };
            for (int i = 0; i < kCount; ++i)
            {
                m_arrOrigins.push_back(bCVector(Near(Random), Near(Random), 0.0f));
                bCVector vecDirection = Around(Far(Random)) - m_arrOrigins.back();
                vecDirection.Normalize();
                m_arrDirections.push_back(vecDirection);
                bCVector const vecCenter = Around(Far(Random));
                for (int c = 0; c < 3; ++c)
                    m_arrCorners.push_back(vecCenter + bCVector(Near(Random), Near(Random), Near(Random)) * 2.0f);
                m_arrCenters.push_back(vecCenter);
                m_arrRadii.push_back(Size(Random));
                bCVector const vecHalf(Size(Random), Size(Random), Size(Random));
                m_arrMins.push_back(vecCenter - vecHalf);
                m_arrMaxs.push_back(vecCenter + vecHalf);
                bCMatrix matTransform(bCEulerAngles(Near(Random) * 3.0f, Near(Random) * 1.5f, Near(Random) * 3.0f),
                                      Around(Far(Random)));
                m_arrMatrices.push_back(matTransform);
            }
        }
    };

    bSScene const & GetScene()
    {
        static bSScene const s_Scene;
        return s_Scene;
    }

    glm::vec3 ToGlm(bCVector const & a_vecValue)
    {
        return glm::vec3(a_vecValue.GetX(), a_vecValue.GetY(), a_vecValue.GetZ());
    }

    std::vector<glm::vec3> ToGlm(std::vector<bCVector> const & a_arrValues)
    {
        std::vector<glm::vec3> arrResult;
        for (bCVector const & vecValue : a_arrValues)
            arrResult.push_back(ToGlm(vecValue));
        return arrResult;
    }

    // Our matrices are row-vector matrices stored row by row: read as GLM's
    // column-major storage they are the same transform for column vectors.
    std::vector<glm::mat4> ToGlm(std::vector<bCMatrix> const & a_arrValues)
    {
        std::vector<glm::mat4> arrResult;
        for (bCMatrix const & matValue : a_arrValues)
        {
            float arrElements[16];
            for (int i = 0; i < 16; ++i)
                arrElements[i] = matValue.GetElement(i / 4, i % 4);
            arrResult.push_back(glm::make_mat4(arrElements));
        }
        return arrResult;
    }

    void VellmarkRayTriangle(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<bCRay> arrRays;
        std::vector<bCTriangle> arrTriangles;
        for (int i = 0; i < kCount; ++i)
        {
            arrRays.emplace_back(Scene.m_arrOrigins[i], Scene.m_arrDirections[i]);
            arrTriangles.emplace_back(&Scene.m_arrCorners[3 * i]);
        }
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                float fT = 0.0f;
                if (bCUnitedRay(arrRays[i]).Intersects(arrTriangles[i], fT))
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    // The same through the exported bCRay::Intersects: one library call per test.
    void VellmarkRayTriangleCall(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<bCRay> arrRays;
        std::vector<bCTriangle> arrTriangles;
        for (int i = 0; i < kCount; ++i)
        {
            arrRays.emplace_back(Scene.m_arrOrigins[i], Scene.m_arrDirections[i]);
            arrTriangles.emplace_back(&Scene.m_arrCorners[3 * i]);
        }
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                float fT = 0.0f;
                if (arrRays[i].Intersects(arrTriangles[i], fT))
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    void GlmRayTriangle(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<glm::vec3> const arrOrigins = ToGlm(Scene.m_arrOrigins), arrDirections = ToGlm(Scene.m_arrDirections),
                                     arrCorners = ToGlm(Scene.m_arrCorners);
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                glm::vec2 vecBary;
                float fT = 0.0f;
                if (glm::intersectRayTriangle(arrOrigins[i], arrDirections[i], arrCorners[3 * i], arrCorners[3 * i + 1],
                                              arrCorners[3 * i + 2], vecBary, fT) &&
                    fT >= 0.0f)
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    void VellmarkRaySphere(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<bCRay> arrRays;
        std::vector<bCSphere> arrSpheres;
        for (int i = 0; i < kCount; ++i)
        {
            arrRays.emplace_back(Scene.m_arrOrigins[i], Scene.m_arrDirections[i]);
            arrSpheres.emplace_back(Scene.m_arrRadii[i], Scene.m_arrCenters[i]);
        }
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                float fT = 0.0f;
                if (bCUnitedRay(arrRays[i]).Intersects(arrSpheres[i], fT))
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    void GlmRaySphere(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<glm::vec3> const arrOrigins = ToGlm(Scene.m_arrOrigins), arrDirections = ToGlm(Scene.m_arrDirections),
                                     arrCenters = ToGlm(Scene.m_arrCenters);
        std::vector<float> arrSquareRadii;
        for (float fRadius : Scene.m_arrRadii)
            arrSquareRadii.push_back(fRadius * fRadius);
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                float fT = 0.0f;
                if (glm::intersectRaySphere(arrOrigins[i], arrDirections[i], arrCenters[i], arrSquareRadii[i], fT))
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    void VellmarkRayBox(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<bCRay> arrRays;
        std::vector<bCBox> arrBoxes;
        for (int i = 0; i < kCount; ++i)
        {
            arrRays.emplace_back(Scene.m_arrOrigins[i], Scene.m_arrDirections[i]);
            arrBoxes.emplace_back(Scene.m_arrMins[i], Scene.m_arrMaxs[i]);
        }
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                float fT = 0.0f;
                if (bCUnitedRay(arrRays[i]).Intersects(arrBoxes[i], fT))
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    // The plain slab test over GLM vectors: the ray's interval [0, inf) cut by each slab.
    bool GlmSlabTest(glm::vec3 const & a_vecOrigin, glm::vec3 const & a_vecDirection, glm::vec3 const & a_vecMin,
                     glm::vec3 const & a_vecMax, float & a_fT)
    {
        float fEntry = 0.0f, fExit = 3.4028235e38f;
        for (int i = 2; i >= 0; --i)
        {
            if (a_vecDirection[i] == 0.0f)
            {
                if (!(a_vecOrigin[i] > a_vecMin[i] && a_vecOrigin[i] < a_vecMax[i]))
                    return false;
                continue;
            }
            float const fToMin = (a_vecMin[i] - a_vecOrigin[i]) / a_vecDirection[i];
            float const fToMax = (a_vecMax[i] - a_vecOrigin[i]) / a_vecDirection[i];
            fEntry = std::max(fEntry, std::min(fToMin, fToMax));
            fExit = std::min(fExit, std::max(fToMin, fToMax));
        }
        a_fT = fEntry;
        return fExit >= fEntry;
    }

    void GlmRayBox(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<glm::vec3> const arrOrigins = ToGlm(Scene.m_arrOrigins), arrDirections = ToGlm(Scene.m_arrDirections),
                                     arrMins = ToGlm(Scene.m_arrMins), arrMaxs = ToGlm(Scene.m_arrMaxs);
        for (auto _ : a_State)
        {
            float fSum = 0.0f;
            for (int i = 0; i < kCount; ++i)
            {
                float fT = 0.0f;
                if (GlmSlabTest(arrOrigins[i], arrDirections[i], arrMins[i], arrMaxs[i], fT))
                    fSum += fT;
            }
            benchmark::DoNotOptimize(fSum);
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    void VellmarkBoxTransform(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<bCBox> arrBoxes, arrResults(kCount);
        for (int i = 0; i < kCount; ++i)
            arrBoxes.emplace_back(Scene.m_arrMins[i], Scene.m_arrMaxs[i]);
        for (auto _ : a_State)
        {
            for (int i = 0; i < kCount; ++i)
            {
                arrResults[i] = arrBoxes[i];
                arrResults[i].Transform(Scene.m_arrMatrices[i]);
            }
            benchmark::DoNotOptimize(arrResults.data());
            benchmark::ClobberMemory();
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }

    // The centre moved as a point, the half extents by the absolute rotation part.
    void GlmBoxTransform(benchmark::State & a_State)
    {
        bSScene const & Scene = GetScene();
        std::vector<glm::vec3> const arrMins = ToGlm(Scene.m_arrMins), arrMaxs = ToGlm(Scene.m_arrMaxs);
        std::vector<glm::mat4> const arrMatrices = ToGlm(Scene.m_arrMatrices);
        std::vector<std::pair<glm::vec3, glm::vec3>> arrResults(kCount);
        for (auto _ : a_State)
        {
            for (int i = 0; i < kCount; ++i)
            {
                glm::vec3 const vecCenter = (arrMins[i] + arrMaxs[i]) * 0.5f;
                glm::vec3 const vecHalf = (arrMaxs[i] - arrMins[i]) * 0.5f;
                glm::mat4 const & matTransform = arrMatrices[i];
                glm::vec3 const vecNewCenter = glm::vec3(matTransform * glm::vec4(vecCenter, 1.0f));
                glm::mat3 const matAbsolute(glm::abs(glm::vec3(matTransform[0])), glm::abs(glm::vec3(matTransform[1])),
                                            glm::abs(glm::vec3(matTransform[2])));
                glm::vec3 const vecNewHalf = matAbsolute * vecHalf;
                arrResults[i] = {vecNewCenter - vecNewHalf, vecNewCenter + vecNewHalf};
            }
            benchmark::DoNotOptimize(arrResults.data());
            benchmark::ClobberMemory();
        }
        a_State.SetItemsProcessed(a_State.iterations() * kCount);
    }
} // namespace

BENCHMARK(VellmarkRayTriangle);
BENCHMARK(VellmarkRayTriangleCall);
BENCHMARK(GlmRayTriangle);
BENCHMARK(VellmarkRaySphere);
BENCHMARK(GlmRaySphere);
BENCHMARK(VellmarkRayBox);
BENCHMARK(GlmRayBox);
BENCHMARK(VellmarkBoxTransform);
BENCHMARK(GlmBoxTransform);

// Frustum culling, the 3x3 eigen decomposition and oct tree queries, each side
// by side with a straightforward peer in the same binary.

#include <vellmark/math/3d/oe_eigenvector.h>
#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_octtree.h>
#include <vellmark/math/3d/oe_sphere.h>

#include <benchmark/benchmark.h>
#include <eigen3/Eigen/Dense>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace
{
    int const g_iObjects = 100000;

    bCFrustum MakeFrustum()
    {
        float const fRange = 500.0f / 499.0f;
        float const arrProjection[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, fRange, 1, 0, 0, -fRange, 0};
        bCFrustum Frustum;
        Frustum.SetFrustum(bCMatrix(arrProjection));
        Frustum.Normalize();
        return Frustum;
    }

    std::vector<bCBox> const & Boxes()
    {
        static std::vector<bCBox> s_arrBoxes = [] {
            std::mt19937 Random(1);
            std::uniform_real_distribution<float> Position(-300.0f, 300.0f);
            std::uniform_real_distribution<float> Size(0.1f, 3.0f);
            std::vector<bCBox> arrBoxes;
            for (int i = 0; i < g_iObjects; ++i)
            {
                bCVector const vecMin(Position(Random), Position(Random) * 0.1f, Position(Random));
                arrBoxes.emplace_back(vecMin, vecMin + bCVector(Size(Random), Size(Random), Size(Random)));
            }
            return arrBoxes;
        }();
        return s_arrBoxes;
    }

    std::vector<bCSphere> const & Spheres()
    {
        static std::vector<bCSphere> s_arrSpheres = [] {
            std::vector<bCSphere> arrSpheres;
            for (bCBox const & Box : Boxes())
                arrSpheres.emplace_back(Box.GetWidth(), Box.GetCenter());
            return arrSpheres;
        }();
        return s_arrSpheres;
    }

    // The peer: plain floats and one loop over the six planes.
    struct bSPlainPlane
    {
        float x, y, z, d;
    };

    std::vector<bSPlainPlane> PlainPlanes(bCFrustum const & a_Frustum)
    {
        std::vector<bSPlainPlane> arrPlanes;
        for (int i = 0; i < 6; ++i)
        {
            bCPlane const & Plane = a_Frustum.GetClippingPlane(i);
            arrPlanes.push_back({Plane.GetNormal()[0], Plane.GetNormal()[1], Plane.GetNormal()[2], Plane.GetDistance()});
        }
        return arrPlanes;
    }

    void BM_CullBoxes_Frustum(benchmark::State & a_State)
    {
        bCFrustum const Frustum = MakeFrustum();
        for (auto _ : a_State)
        {
            int iVisible = 0;
            for (bCBox const & Box : Boxes())
                iVisible += Frustum.Cull(Box);
            benchmark::DoNotOptimize(iVisible);
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iObjects);
    }

    void BM_CullBoxes_SixPlaneLoop(benchmark::State & a_State)
    {
        std::vector<bSPlainPlane> const arrPlanes = PlainPlanes(MakeFrustum());
        for (auto _ : a_State)
        {
            int iVisible = 0;
            for (bCBox const & Box : Boxes())
            {
                float const cx = (Box.GetMin()[0] + Box.GetMax()[0]) * 0.5f, hx = (Box.GetMax()[0] - Box.GetMin()[0]) * 0.5f;
                float const cy = (Box.GetMin()[1] + Box.GetMax()[1]) * 0.5f, hy = (Box.GetMax()[1] - Box.GetMin()[1]) * 0.5f;
                float const cz = (Box.GetMin()[2] + Box.GetMax()[2]) * 0.5f, hz = (Box.GetMax()[2] - Box.GetMin()[2]) * 0.5f;
                bool bInside = true;
                for (bSPlainPlane const & P : arrPlanes)
                    if (P.x * cx + P.y * cy + P.z * cz + P.d + std::fabs(P.x * hx) + std::fabs(P.y * hy) + std::fabs(P.z * hz) < 0.0f)
                    {
                        bInside = false;
                        break;
                    }
                iVisible += bInside;
            }
            benchmark::DoNotOptimize(iVisible);
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iObjects);
    }

    void BM_CullSpheres_Frustum(benchmark::State & a_State)
    {
        bCFrustum const Frustum = MakeFrustum();
        for (auto _ : a_State)
        {
            int iVisible = 0;
            for (bCSphere const & Sphere : Spheres())
                iVisible += Frustum.Cull(Sphere);
            benchmark::DoNotOptimize(iVisible);
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iObjects);
    }

    void BM_CullSpheres_SixPlaneLoop(benchmark::State & a_State)
    {
        std::vector<bSPlainPlane> const arrPlanes = PlainPlanes(MakeFrustum());
        for (auto _ : a_State)
        {
            int iVisible = 0;
            for (bCSphere const & Sphere : Spheres())
            {
                bCVector const & c = Sphere.GetPosition();
                bool bInside = true;
                for (bSPlainPlane const & P : arrPlanes)
                    if (P.x * c[0] + P.y * c[1] + P.z * c[2] + P.d < -Sphere.GetRadius())
                    {
                        bInside = false;
                        break;
                    }
                iVisible += bInside;
            }
            benchmark::DoNotOptimize(iVisible);
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iObjects);
    }

    std::vector<Eigen::Matrix3d> const & SymmetricMatrices()
    {
        static std::vector<Eigen::Matrix3d> s_arrMatrices = [] {
            std::mt19937 Random(3);
            std::uniform_real_distribution<double> Value(-5.0, 5.0);
            std::vector<Eigen::Matrix3d> arrMatrices(1024);
            for (Eigen::Matrix3d & mat : arrMatrices)
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j <= i; ++j)
                        mat(i, j) = mat(j, i) = Value(Random);
            return arrMatrices;
        }();
        return s_arrMatrices;
    }

    void BM_Eigen3x3_bCEigenVector(benchmark::State & a_State)
    {
        bCEigenVector Solver(3);
        std::size_t uIndex = 0;
        for (auto _ : a_State)
        {
            Eigen::Matrix3d const & mat = SymmetricMatrices()[uIndex++ & 1023];
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    Solver.Matrix(i, j) = mat(i, j);
            Solver.IncrSortEigenStuff3();
            benchmark::DoNotOptimize(Solver.Eigenvalue(0));
        }
    }

    void BM_Eigen3x3_EigenSelfAdjoint(benchmark::State & a_State)
    {
        Eigen::SelfAdjointEigenSolver<Eigen::Matrix3d> Solver;
        std::size_t uIndex = 0;
        for (auto _ : a_State)
        {
            Solver.compute(SymmetricMatrices()[uIndex++ & 1023]);
            benchmark::DoNotOptimize(Solver.eigenvalues()(0));
        }
    }

    // 100,000 entries in a 2000-unit cube, queried by 10,000 boxes of 10 units.
    struct bSTreeScene
    {
        std::vector<std::unique_ptr<bCOctTreeEntryBase>> m_arrEntries;
        std::vector<bCBox> m_arrQueries;
        std::vector<bCBox> m_arrMoves;
        bCOctTree m_Tree{bCBox(bCVector(-1000.0f), bCVector(1000.0f))};

        bSTreeScene()
        {
            std::mt19937 Random(11);
            std::uniform_real_distribution<float> Position(-1000.0f, 995.0f);
            std::uniform_real_distribution<float> Size(0.5f, 5.0f);
            auto RandomBox = [&](float a_fSize) {
                bCVector const vecMin(Position(Random), Position(Random), Position(Random));
                return bCBox(vecMin, vecMin + bCVector(a_fSize));
            };
            for (int i = 0; i < g_iObjects; ++i)
            {
                m_arrEntries.push_back(std::make_unique<bCOctTreeEntryBase>(RandomBox(Size(Random))));
                m_Tree.AddEntry(m_arrEntries.back().get());
            }
            for (int i = 0; i < 10000; ++i)
            {
                m_arrQueries.push_back(RandomBox(10.0f));
                m_arrMoves.push_back(RandomBox(Size(Random)));
            }
        }
        ~bSTreeScene()
        {
            for (auto & pEntry : m_arrEntries)
                m_Tree.RemoveEntry(pEntry.get());
        }
    };

    bSTreeScene & TreeScene()
    {
        static bSTreeScene s_Scene;
        return s_Scene;
    }

    long g_iFound = 0;
    void CountFound(bCOctTreeEntryBase *)
    {
        ++g_iFound;
    }

    void BM_BoxQueries_OctTree(benchmark::State & a_State)
    {
        bSTreeScene & Scene = TreeScene();
        for (auto _ : a_State)
        {
            g_iFound = 0;
            for (bCBox const & Query : Scene.m_arrQueries)
                Scene.m_Tree.Traverse(&CountFound, Query);
            benchmark::DoNotOptimize(g_iFound);
        }
        a_State.SetItemsProcessed(a_State.iterations() * 10000);
    }

    void BM_BoxQueries_LinearScan(benchmark::State & a_State)
    {
        bSTreeScene & Scene = TreeScene();
        for (auto _ : a_State)
        {
            long iFound = 0;
            for (bCBox const & Query : Scene.m_arrQueries)
                for (auto const & pEntry : Scene.m_arrEntries)
                    iFound += Query.Intersects(pEntry->GetBoundingBox());
            benchmark::DoNotOptimize(iFound);
        }
        a_State.SetItemsProcessed(a_State.iterations() * 10000);
    }

    void BM_MoveEntry_OctTree(benchmark::State & a_State)
    {
        bSTreeScene & Scene = TreeScene();
        std::size_t uIndex = 0;
        for (auto _ : a_State)
        {
            std::size_t const uEntry = (uIndex * 7919) % Scene.m_arrEntries.size();
            Scene.m_Tree.MoveEntry(Scene.m_arrEntries[uEntry].get(), Scene.m_arrMoves[uIndex % 10000]);
            ++uIndex;
        }
    }
}

BENCHMARK(BM_CullBoxes_Frustum);
BENCHMARK(BM_CullBoxes_SixPlaneLoop);
BENCHMARK(BM_CullSpheres_Frustum);
BENCHMARK(BM_CullSpheres_SixPlaneLoop);
BENCHMARK(BM_Eigen3x3_bCEigenVector);
BENCHMARK(BM_Eigen3x3_EigenSelfAdjoint);
BENCHMARK(BM_BoxQueries_OctTree);
BENCHMARK(BM_BoxQueries_LinearScan)->Iterations(1);
BENCHMARK(BM_MoveEntry_OctTree);

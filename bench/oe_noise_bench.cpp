// Noise, random numbers, pixel packing and vertex walking beside their peers:
// improved noise against stb_perlin_noise3, bCRandom against std::minstd_rand,
// the pixel packers against a plain loop, the vertex pointer against a struct
// array.

#include <vellmark/graphics/oe_bytealphacolor.h>
#include <vellmark/graphics/oe_flexiblevertexptr.h>
#include <vellmark/math/noise/oe_ebertnoise.h>
#include <vellmark/math/noise/oe_perlinnoise.h>
#include <vellmark/math/noise/oe_random.h>

#define STB_PERLIN_IMPLEMENTATION
#include <stb/stb_perlin.h>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

namespace
{
    // Sample points walk a diagonal through many cells so that no table stays in one line.
    struct bSWalk
    {
        float fX = 0.1f, fY = 0.2f, fZ = 0.3f;
        void Step()
        {
            fX += 0.173f;
            fY += 0.091f;
            fZ += 0.057f;
            if (fX > 200.0f)
                fX -= 200.0f, fY -= 105.0f, fZ -= 66.0f;
        }
    };

    void BM_ImprovedNoise3(benchmark::State & a_State)
    {
        bCPerlinNoise const & Noise = bCPerlinNoise::GetPerlinNoise();
        bSWalk Walk;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(Noise.ImprovedNoise(Walk.fX, Walk.fY, Walk.fZ));
            Walk.Step();
        }
    }
    BENCHMARK(BM_ImprovedNoise3);

    void BM_stb_perlin_noise3(benchmark::State & a_State)
    {
        bSWalk Walk;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(stb_perlin_noise3(Walk.fX, Walk.fY, Walk.fZ, 0, 0, 0));
            Walk.Step();
        }
    }
    BENCHMARK(BM_stb_perlin_noise3);

    void BM_ClassicNoise3(benchmark::State & a_State)
    {
        bCPerlinNoise const & Noise = bCPerlinNoise::GetPerlinNoise();
        bSWalk Walk;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(Noise.Noise(Walk.fX, Walk.fY, Walk.fZ));
            Walk.Step();
        }
    }
    BENCHMARK(BM_ClassicNoise3);

    void BM_EbertNoise3(benchmark::State & a_State)
    {
        bCEbertNoise const & Noise = bCEbertNoise::GetEbertNoise();
        bSWalk Walk;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(Noise.GetNoise(Walk.fX, Walk.fY, Walk.fZ));
            Walk.Step();
        }
    }
    BENCHMARK(BM_EbertNoise3);

    void BM_ImprovedTurbulence4(benchmark::State & a_State)
    {
        bCPerlinNoise const & Noise = bCPerlinNoise::GetPerlinNoise();
        bSWalk Walk;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(Noise.GetTurbulence(Walk.fX, Walk.fY, Walk.fZ, 4, 0, bENoiseTurbulence_Absolute,
                                                         bENoiseAmplitude_InverseFrequency, 0.5f));
            Walk.Step();
        }
    }
    BENCHMARK(BM_ImprovedTurbulence4);

    void BM_stb_perlin_turbulence4(benchmark::State & a_State)
    {
        bSWalk Walk;
        for (auto _ : a_State)
        {
            benchmark::DoNotOptimize(stb_perlin_turbulence_noise3(Walk.fX, Walk.fY, Walk.fZ, 2.0f, 0.5f, 4));
            Walk.Step();
        }
    }
    BENCHMARK(BM_stb_perlin_turbulence4);

    void BM_bCRandom_GetValueRange(benchmark::State & a_State)
    {
        bCRandom const & Random = bCRandom::GetRandom();
        Random.SetSeed(1);
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Random.GetValue(3, 5000));
    }
    BENCHMARK(BM_bCRandom_GetValueRange);

    void BM_minstd_rand_Range(benchmark::State & a_State)
    {
        std::minstd_rand Engine(1);
        std::uniform_int_distribution<int> Range(3, 5000);
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Range(Engine));
    }
    BENCHMARK(BM_minstd_rand_Range);

    void BM_bCRandom_GetValue(benchmark::State & a_State)
    {
        bCRandom const & Random = bCRandom::GetRandom();
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Random.GetValue());
    }
    BENCHMARK(BM_bCRandom_GetValue);

    void BM_minstd_rand(benchmark::State & a_State)
    {
        std::minstd_rand Engine(1);
        for (auto _ : a_State)
            benchmark::DoNotOptimize(Engine());
    }
    BENCHMARK(BM_minstd_rand);

    int const g_iPixels = 1000000;

    std::vector<bCByteAlphaColor> MakeColors()
    {
        std::vector<bCByteAlphaColor> arrColors;
        arrColors.reserve(g_iPixels);
        for (int i = 0; i < g_iPixels; ++i)
            arrColors.emplace_back(static_cast<OEU8>(i), static_cast<OEU8>(i >> 3), static_cast<OEU8>(i >> 7),
                                   static_cast<OEU8>(i >> 11));
        return arrColors;
    }

    // Packs and unpacks a million pixels of one format through WritePixel and ReadPixel.
    template <bEPixelFormat t_eFormat, typename P> void BM_PixelsVellmark(benchmark::State & a_State)
    {
        std::vector<bCByteAlphaColor> arrColors = MakeColors();
        std::vector<P> arrPixels(g_iPixels);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iPixels; ++i)
                arrColors[i].WritePixel(t_eFormat, &arrPixels[i]);
            for (int i = 0; i < g_iPixels; ++i)
                arrColors[i].ReadPixel(t_eFormat, &arrPixels[i]);
            benchmark::DoNotOptimize(arrColors.data());
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iPixels);
    }

    // The same through the packers named after the format.
    template <bEPixelFormat t_eFormat, typename P> void BM_PackersVellmark(benchmark::State & a_State)
    {
        std::vector<bCByteAlphaColor> arrColors = MakeColors();
        std::vector<P> arrPixels(g_iPixels);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iPixels; ++i)
            {
                if constexpr (t_eFormat == bEPixelFormat_RGB_565)
                    arrPixels[i] = arrColors[i].GetColor_RGB_565();
                else
                    arrPixels[i] = static_cast<P>(arrColors[i].GetColor_ARGB_8888());
            }
            for (int i = 0; i < g_iPixels; ++i)
            {
                if constexpr (t_eFormat == bEPixelFormat_RGB_565)
                {
                    arrColors[i].SetColor_RGB_565(arrPixels[i]);
                    arrColors[i].SetAlpha(255);
                }
                else
                    arrColors[i].SetColor_ARGB_8888(arrPixels[i]);
            }
            benchmark::DoNotOptimize(arrColors.data());
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iPixels);
    }

    struct bSPlainColor
    {
        uint8_t r, g, b, a;
    };

    // The same work as a plain loop over a struct of bytes.
    template <bEPixelFormat t_eFormat, typename P> void BM_PixelsPlain(benchmark::State & a_State)
    {
        std::vector<bSPlainColor> arrColors(g_iPixels);
        for (int i = 0; i < g_iPixels; ++i)
            arrColors[i] = {static_cast<uint8_t>(i), static_cast<uint8_t>(i >> 3), static_cast<uint8_t>(i >> 7),
                            static_cast<uint8_t>(i >> 11)};
        std::vector<P> arrPixels(g_iPixels);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iPixels; ++i)
            {
                bSPlainColor const & c = arrColors[i];
                if constexpr (t_eFormat == bEPixelFormat_RGB_565)
                    arrPixels[i] = static_cast<P>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
                else
                    arrPixels[i] = static_cast<P>((uint32_t(c.a) << 24) | (uint32_t(c.r) << 16) |
                                                  (uint32_t(c.g) << 8) | c.b);
            }
            for (int i = 0; i < g_iPixels; ++i)
            {
                P const w = arrPixels[i];
                bSPlainColor & c = arrColors[i];
                if constexpr (t_eFormat == bEPixelFormat_RGB_565)
                    c = {static_cast<uint8_t>((w >> 8) & 0xF8), static_cast<uint8_t>((w >> 3) & 0xFC),
                         static_cast<uint8_t>((w << 3) & 0xF8), 255};
                else
                    c = {static_cast<uint8_t>(w >> 16), static_cast<uint8_t>(w >> 8), static_cast<uint8_t>(w),
                         static_cast<uint8_t>(w >> 24)};
            }
            benchmark::DoNotOptimize(arrColors.data());
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iPixels);
    }

    BENCHMARK(BM_PixelsVellmark<bEPixelFormat_RGB_565, uint16_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PackersVellmark<bEPixelFormat_RGB_565, uint16_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsPlain<bEPixelFormat_RGB_565, uint16_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsVellmark<bEPixelFormat_ARGB_1555, uint16_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsVellmark<bEPixelFormat_RGBA_4444, uint16_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsVellmark<bEPixelFormat_RGB_555, uint16_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsVellmark<bEPixelFormat_ARGB_8888, uint32_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PackersVellmark<bEPixelFormat_ARGB_8888, uint32_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsPlain<bEPixelFormat_ARGB_8888, uint32_t>)->Unit(benchmark::kMillisecond);
    BENCHMARK(BM_PixelsVellmark<bEPixelFormat_RGBA_8888, uint32_t>)->Unit(benchmark::kMillisecond);

    int const g_iVertices = 100000;

    struct bSVertex
    {
        float x, y, z;
        float nx, ny, nz;
        uint32_t uDiffuse;
        float u, v;
    };

    // Position, normal, diffuse, one set of two coordinates: the layout of bSVertex.
    unsigned long const g_uVertexFormat = 0x152;

    void BM_VertexPtrWalk(benchmark::State & a_State)
    {
        bCFlexibleVertexFormat const Format(g_uVertexFormat);
        std::vector<OEU8> arrBuffer(static_cast<size_t>(g_iVertices) * Format.GetVertexByteCount());
        for (auto _ : a_State)
        {
            bCFlexibleVertexPtr Ptr;
            Ptr.AttachTo(Format, arrBuffer.data());
            for (int i = 0; i < g_iVertices; ++i, ++Ptr)
            {
                Ptr.SetX(static_cast<float>(i));
                Ptr.SetY(Ptr.GetX() * 0.5f);
                Ptr.SetDiffuse(static_cast<unsigned long>(i));
            }
            benchmark::DoNotOptimize(arrBuffer.data());
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iVertices);
    }
    BENCHMARK(BM_VertexPtrWalk)->Unit(benchmark::kMicrosecond);

    void BM_StructArrayWalk(benchmark::State & a_State)
    {
        std::vector<bSVertex> arrVertices(g_iVertices);
        for (auto _ : a_State)
        {
            for (int i = 0; i < g_iVertices; ++i)
            {
                bSVertex & Vertex = arrVertices[i];
                Vertex.x = static_cast<float>(i);
                Vertex.y = Vertex.x * 0.5f;
                Vertex.uDiffuse = static_cast<uint32_t>(i);
            }
            benchmark::DoNotOptimize(arrVertices.data());
        }
        a_State.SetItemsProcessed(a_State.iterations() * g_iVertices);
    }
    BENCHMARK(BM_StructArrayWalk)->Unit(benchmark::kMicrosecond);
} // namespace

// vellmark-noise writes PNGs whose pixels are the library's noise values.

#include <vellmark/math/noise/oe_ebertnoise.h>
#include <vellmark/math/noise/oe_perlinnoise.h>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#ifdef VELLMARK_TEST_NOISE_TOOL

namespace
{
    class bCNoiseToolTest : public testing::Test
    {
    protected:
        void SetUp() override
        {
            m_Folder = std::filesystem::temp_directory_path() /
                       ("vellmark_noise_tool_" + std::to_string(getpid()) + "_" +
                        testing::UnitTest::GetInstance()->current_test_info()->name());
            std::filesystem::create_directories(m_Folder);
        }
        void TearDown() override { std::filesystem::remove_all(m_Folder); }

        // The tool's exit code; its output goes to a file in the folder.
        int Run(std::string const & a_strArguments)
        {
            std::string const strCommand = std::string(VELLMARK_TEST_NOISE_TOOL) + " " + a_strArguments + " >" +
                                           (m_Folder / "out.txt").string() + " 2>&1";
            int const iStatus = std::system(strCommand.c_str());
            return WIFEXITED(iStatus) ? WEXITSTATUS(iStatus) : -1;
        }

        std::filesystem::path m_Folder;
    };

    int Grey(float a_fValue, float a_fLow, float a_fHigh)
    {
        float const fLevel = (a_fValue - a_fLow) / (a_fHigh - a_fLow);
        return static_cast<int>(std::lround(std::clamp(fLevel, 0.0f, 1.0f) * 255.0f));
    }
} // namespace

TEST_F(bCNoiseToolTest, PixelsAreTheLibrarysValuesAndBadArgumentsExitWithTwo)
{
    struct Case
    {
        char const * pcArguments;
        int iWidth, iHeight;
        float fScale, fZ, fLow, fHigh;
        std::function<float(float, float, float)> funcNoise;
    };
    Case const arrCases[] = {
        {"--type improved --size 40x24", 40, 24, 8.0f, 0.5f, -1.0f, 1.0f,
         [](float x, float y, float z) {
             bCPerlinNoise & Noise = bCPerlinNoise::GetPerlinNoise();
             Noise.SetAlgorithm(bCPerlinNoise::bEAlgorithm_Improved);
             return Noise.ImprovedNoise(x, y, z);
         }},
        {"--type perlin --seed 5 --scale 3 --z 1.25 --size 16x16", 16, 16, 3.0f, 1.25f, -1.0f, 1.0f,
         [](float x, float y, float z) { return bCPerlinNoise::GetPerlinNoise().Noise(x, y, z); }},
        {"--type ebert --octaves 4 --absolute --range 0 2 --size 20x10", 20, 10, 8.0f, 0.5f, 0.0f, 2.0f,
         [](float x, float y, float z) {
             return bCEbertNoise::GetEbertNoise().GetTurbulence(x, y, z, 4, 0, bENoiseTurbulence_Absolute,
                                                                bENoiseAmplitude_InverseFrequency, 0.5f);
         }},
    };
    bCPerlinNoise::GetPerlinNoise().SetSeed(5);
    bCEbertNoise::GetEbertNoise().SetSeed(1);
    bCPerlinNoise::GetPerlinNoise().SetAlgorithm(bCPerlinNoise::bEAlgorithm_Classic);
    for (Case const & c : arrCases)
    {
        SCOPED_TRACE(c.pcArguments);
        std::string const strFile = (m_Folder / "noise.png").string();
        ASSERT_EQ(Run(std::string(c.pcArguments) + " " + strFile), 0);
        int iWidth = 0, iHeight = 0, iChannels = 0;
        stbi_uc * pPixels = stbi_load(strFile.c_str(), &iWidth, &iHeight, &iChannels, 0);
        ASSERT_NE(pPixels, nullptr);
        EXPECT_EQ(iChannels, 1);
        ASSERT_EQ(iWidth, c.iWidth);
        ASSERT_EQ(iHeight, c.iHeight);
        int iGreys = 0;
        float const fStep = c.fScale / static_cast<float>(c.iWidth);
        for (int iY = 0; iY < iHeight; ++iY)
            for (int iX = 0; iX < iWidth; ++iX)
            {
                int const iExpected = Grey(c.funcNoise(fStep * iX, fStep * iY, c.fZ), c.fLow, c.fHigh);
                ASSERT_EQ(pPixels[iY * iWidth + iX], iExpected) << iX << "," << iY;
                iGreys += iExpected != pPixels[0];
            }
        EXPECT_GT(iGreys, 0) << "a flat image shows no noise";
        stbi_image_free(pPixels);
    }

    // Bad arguments exit with 2, an unwritable file with 1.
    char const * const arrBad[] = {
        "",
        "--type nonsense out.png",
        "--type improved --size 0x5 out.png",
        "--type improved --octaves 0 out.png",
        "--type improved --range 1 -1 out.png",
        "--type improved a.png b.png",
        "--type improved --seed",
    };
    for (char const * pcArguments : arrBad)
    {
        SCOPED_TRACE(pcArguments);
        EXPECT_EQ(Run(pcArguments), 2);
    }
    EXPECT_EQ(Run("--type improved --size 4x4 " + (m_Folder / "missing" / "x.png").string()), 1);
}

#endif

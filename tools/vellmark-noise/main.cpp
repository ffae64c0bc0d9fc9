// Renders a slice of a noise generator (or its turbulence) to a greyscale PNG,
// so that a noise and its parameters can be picked by looking.
//
//   vellmark-noise --type TYPE [--seed N] [--scale S] [--octaves N] [--absolute]
//                  [--persistence P] [--z Z] [--range LOW HIGH] [--size WxH] OUT.png
//
// TYPE: perlin (classic), improved, peachey-gradient, peachey-value,
// peachey-gradient-value, peachey-value-convolution,
// peachey-sparse-convolution, ebert.
// Pixel (px, py) samples the point (S px / W, S py / W, Z): S lattice cells
// across the width, square cells. With --octaves N above 1 the value is the
// turbulence of octaves 0 to N - 1, weighted 1 / frequency, or persistence^o
// with --persistence, of magnitudes with --absolute. The grey level is
// round(255 (value - LOW) / (HIGH - LOW)) limited to 0 ... 255.
// Defaults: seed 1, scale 8, octaves 1, z 0.5, size 256x256, range -1 1
// (0 1 for ebert). Exit codes: 0 written, 1 not written, 2 bad arguments.

#include <vellmark/math/noise/oe_ebertnoise.h>
#include <vellmark/math/noise/oe_peacheynoise.h>
#include <vellmark/math/noise/oe_perlinnoise.h>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
    struct bSOptions
    {
        std::string strType;
        std::string strOutput;
        int iSeed = 1;
        float fScale = 8.0f;
        int iOctaves = 1;
        bool bAbsolute = false;
        bool bPersistence = false;
        float fPersistence = 0.5f;
        float fZ = 0.5f;
        bool bRange = false;
        float fLow = -1.0f;
        float fHigh = 1.0f;
        int iWidth = 256;
        int iHeight = 256;
    };

    struct bSNoiseType
    {
        char const * pcName;
        int iFamily; // 0 Perlin, 1 Peachey, 2 Ebert
        int iAlgorithm;
    };

    bSNoiseType const g_arrTypes[] = {
        {"perlin", 0, bCPerlinNoise::bEAlgorithm_Classic},
        {"improved", 0, bCPerlinNoise::bEAlgorithm_Improved},
        {"peachey-gradient", 1, bCPeacheyNoise::bEAlgorithm_Gradient},
        {"peachey-value", 1, bCPeacheyNoise::bEAlgorithm_Value},
        {"peachey-gradient-value", 1, bCPeacheyNoise::bEAlgorithm_GradientValue},
        {"peachey-value-convolution", 1, bCPeacheyNoise::bEAlgorithm_ValueConvolution},
        {"peachey-sparse-convolution", 1, bCPeacheyNoise::bEAlgorithm_SparseConvolution},
        {"ebert", 2, 0},
    };

    int Usage(char const * a_pcProblem)
    {
        std::fprintf(stderr, "vellmark-noise: %s\n", a_pcProblem);
        std::fprintf(stderr, "usage: vellmark-noise --type TYPE [--seed N] [--scale S] [--octaves N] [--absolute]\n"
                             "                      [--persistence P] [--z Z] [--range LOW HIGH] [--size WxH] OUT.png\n"
                             "types:");
        for (bSNoiseType const & Type : g_arrTypes)
            std::fprintf(stderr, " %s", Type.pcName);
        std::fprintf(stderr, "\n");
        return 2;
    }

    bool ParseNumber(char const * a_pcText, float & a_fValue)
    {
        char * pcEnd = nullptr;
        double const dValue = std::strtod(a_pcText, &pcEnd);
        if (pcEnd == a_pcText || *pcEnd != '\0' || !std::isfinite(dValue))
            return false;
        a_fValue = static_cast<float>(dValue);
        return true;
    }

    bool ParseInteger(char const * a_pcText, int & a_iValue)
    {
        char * pcEnd = nullptr;
        long const iValue = std::strtol(a_pcText, &pcEnd, 10);
        if (pcEnd == a_pcText || *pcEnd != '\0' || iValue < -2147483647L || iValue > 2147483647L)
            return false;
        a_iValue = static_cast<int>(iValue);
        return true;
    }

    bool ParseSize(char const * a_pcText, int & a_iWidth, int & a_iHeight)
    {
        char cRest = 0;
        return std::sscanf(a_pcText, "%dx%d%c", &a_iWidth, &a_iHeight, &cRest) == 2 && a_iWidth > 0 &&
               a_iHeight > 0 && a_iWidth <= 16384 && a_iHeight <= 16384;
    }

    // Returns an empty text when the arguments are complete, else what is wrong.
    std::string ParseArguments(int a_iCount, char ** a_ppcArgs, bSOptions & a_Options)
    {
        for (int i = 1; i < a_iCount; ++i)
        {
            std::string const strArg = a_ppcArgs[i];
            bool const bHasValue = i + 1 < a_iCount;
            bool bOk = true;
            if (strArg == "--absolute")
                a_Options.bAbsolute = true;
            else if (strArg.rfind("--", 0) == 0 && !bHasValue)
                return "missing value for " + strArg;
            else if (strArg == "--type")
                a_Options.strType = a_ppcArgs[++i];
            else if (strArg == "--seed")
                bOk = ParseInteger(a_ppcArgs[++i], a_Options.iSeed);
            else if (strArg == "--scale")
                bOk = ParseNumber(a_ppcArgs[++i], a_Options.fScale);
            else if (strArg == "--octaves")
                bOk = ParseInteger(a_ppcArgs[++i], a_Options.iOctaves) && a_Options.iOctaves >= 1 &&
                      a_Options.iOctaves <= 30;
            else if (strArg == "--persistence")
                bOk = a_Options.bPersistence = ParseNumber(a_ppcArgs[++i], a_Options.fPersistence);
            else if (strArg == "--z")
                bOk = ParseNumber(a_ppcArgs[++i], a_Options.fZ);
            else if (strArg == "--size")
                bOk = ParseSize(a_ppcArgs[++i], a_Options.iWidth, a_Options.iHeight);
            else if (strArg == "--range")
            {
                bOk = i + 2 < a_iCount && ParseNumber(a_ppcArgs[i + 1], a_Options.fLow) &&
                      ParseNumber(a_ppcArgs[i + 2], a_Options.fHigh) && a_Options.fLow < a_Options.fHigh;
                a_Options.bRange = true;
                i += 2;
            }
            else if (strArg.rfind("--", 0) == 0)
                return "unknown option " + strArg;
            else if (a_Options.strOutput.empty())
                a_Options.strOutput = strArg;
            else
                return "more than one output file";
            if (!bOk)
                return "bad value for " + strArg;
        }
        if (a_Options.strType.empty())
            return "no --type";
        if (a_Options.strOutput.empty())
            return "no output file";
        return std::string();
    }

    bCNoise const * SelectNoise(bSOptions & a_Options)
    {
        for (bSNoiseType const & Type : g_arrTypes)
        {
            if (a_Options.strType != Type.pcName)
                continue;
            if (Type.iFamily == 0)
            {
                bCPerlinNoise & Noise = bCPerlinNoise::GetPerlinNoise();
                Noise.SetSeed(a_Options.iSeed);
                Noise.SetAlgorithm(static_cast<bCPerlinNoise::bEAlgorithm>(Type.iAlgorithm));
                return &Noise;
            }
            if (Type.iFamily == 1)
            {
                bCPeacheyNoise & Noise = bCPeacheyNoise::GetPeacheyNoise();
                Noise.SetSeed(a_Options.iSeed);
                Noise.SetAlgorithm(static_cast<bCPeacheyNoise::bEAlgorithm>(Type.iAlgorithm));
                return &Noise;
            }
            if (!a_Options.bRange)
                a_Options.fLow = 0.0f;
            bCEbertNoise & Noise = bCEbertNoise::GetEbertNoise();
            Noise.SetSeed(a_Options.iSeed);
            return &Noise;
        }
        return nullptr;
    }

    float Sample(bCNoise const & a_Noise, bSOptions const & a_Options, float a_fX, float a_fY)
    {
        if (a_Options.iOctaves <= 1)
            return a_Noise.GetNoise(a_fX, a_fY, a_Options.fZ);
        return a_Noise.GetTurbulence(a_fX, a_fY, a_Options.fZ, a_Options.iOctaves, 0,
                                     a_Options.bAbsolute ? bENoiseTurbulence_Absolute : bENoiseTurbulence_Signed,
                                     a_Options.bPersistence ? bENoiseAmplitude_Persistence
                                                            : bENoiseAmplitude_InverseFrequency,
                                     a_Options.fPersistence);
    }

    std::vector<unsigned char> Render(bCNoise const & a_Noise, bSOptions const & a_Options)
    {
        std::vector<unsigned char> arrPixels(static_cast<size_t>(a_Options.iWidth) * a_Options.iHeight);
        float const fStep = a_Options.fScale / static_cast<float>(a_Options.iWidth);
        for (int iY = 0; iY < a_Options.iHeight; ++iY)
        {
            for (int iX = 0; iX < a_Options.iWidth; ++iX)
            {
                float const fValue = Sample(a_Noise, a_Options, fStep * static_cast<float>(iX), fStep * static_cast<float>(iY));
                float const fLevel = (fValue - a_Options.fLow) / (a_Options.fHigh - a_Options.fLow);
                arrPixels[static_cast<size_t>(iY) * a_Options.iWidth + iX] =
                    static_cast<unsigned char>(std::lround(std::clamp(fLevel, 0.0f, 1.0f) * 255.0f));
            }
        }
        return arrPixels;
    }
} // namespace

int main(int a_iArgCount, char ** a_ppcArgs)
{
    bSOptions Options;
    std::string const strProblem = ParseArguments(a_iArgCount, a_ppcArgs, Options);
    if (!strProblem.empty())
        return Usage(strProblem.c_str());
    bCNoise const * pNoise = SelectNoise(Options);
    if (pNoise == nullptr)
        return Usage(("unknown type " + Options.strType).c_str());
    std::vector<unsigned char> const arrPixels = Render(*pNoise, Options);
    if (!stbi_write_png(Options.strOutput.c_str(), Options.iWidth, Options.iHeight, 1, arrPixels.data(),
                        Options.iWidth))
    {
        std::fprintf(stderr, "vellmark-noise: cannot write %s\n", Options.strOutput.c_str());
        return 1;
    }
    std::printf("%s: %s, seed %d, %dx%d\n", Options.strOutput.c_str(), Options.strType.c_str(), Options.iSeed,
                Options.iWidth, Options.iHeight);
    return 0;
}

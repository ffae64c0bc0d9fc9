#include "demo_steps.h"

#include <vellmark/vellmark.h>

#include <cstdio>
#include <vector>

// A terrain patch: heights from Perlin's improved noise, coloured by height
// through the HSV colours, written into a vertex buffer of position and
// diffuse colour with the flexible vertex pointer.

namespace
{
    int const g_iGridSize = 8;
    float const g_fCellSize = 0.35f;

    // Low ground blue, high ground red, along the hue circle.
    unsigned long HeightColor(float a_fHeight)
    {
        float fLevel = 0.5f + 0.5f * a_fHeight;
        fLevel = fLevel < 0.0f ? 0.0f : (fLevel > 1.0f ? 1.0f : fLevel);
        bCFloatColorHSV const Hsv(0.66f * (1.0f - fLevel), 0.8f, 1.0f);
        return bCByteAlphaColor(Hsv, 255).GetColor_ARGB_8888();
    }

    void PrintFormat(bCFlexibleVertexFormat const & a_Format)
    {
        std::printf("vertex format 0x%03lX: %d bytes per vertex, position at %d, diffuse at %d, %d texture sets%s\n",
                    a_Format.GetFormat(), a_Format.GetVertexByteCount(), a_Format.GetOffsetXYZ(),
                    a_Format.GetOffsetDiffuse(), a_Format.GetTextureStageCount(),
                    a_Format.HasNormal() ? ", with normals" : "");
    }
} // namespace

void DemoNoise()
{
    std::printf("\n-- a %dx%d height field from improved noise in a coloured vertex buffer\n", g_iGridSize,
                g_iGridSize);
    bCFlexibleVertexFormat Format;
    Format.SetFormat(0x002); // position
    Format.EnableDiffuse(true);
    PrintFormat(Format);

    std::vector<OEU8> arrBuffer(static_cast<size_t>(g_iGridSize * g_iGridSize * Format.GetVertexByteCount()));
    bCPerlinNoise const & Noise = bCPerlinNoise::GetPerlinNoise();
    bCFlexibleVertexPtr Vertex;
    Vertex.AttachTo(Format, arrBuffer.data());
    for (int iRow = 0; iRow < g_iGridSize; ++iRow)
    {
        for (int iColumn = 0; iColumn < g_iGridSize; ++iColumn, ++Vertex)
        {
            float const fX = g_fCellSize * static_cast<float>(iColumn);
            float const fZ = g_fCellSize * static_cast<float>(iRow);
            float const fHeight = Noise.GetNoise(fX, fZ, 0.5f);
            Vertex.SetX(fX);
            Vertex.SetY(fHeight);
            Vertex.SetZ(fZ);
            Vertex.SetDiffuse(HeightColor(fHeight));
        }
    }

    // Read the first row back through the pointer.
    Vertex.AttachTo(Format, arrBuffer.data());
    for (int iColumn = 0; iColumn < g_iGridSize; ++iColumn, ++Vertex)
        std::printf("   vertex %d: (%.2f, %+.3f, %.2f) colour 0x%08lX\n", iColumn, Vertex.GetX(), Vertex.GetY(),
                    Vertex.GetZ(), Vertex.GetDiffuse());
    std::printf("   %zu bytes for %d vertices\n", arrBuffer.size(), g_iGridSize * g_iGridSize);
}

#include <vellmark/graphics/oe_colorbase.h>

#include <vellmark/kernel/oe_stream.h>

namespace
{
    // Red, green, blue of the named colours 1 to 50.
    OEU8 const g_arrNamedColors[50][3] = {
        {255, 255, 255}, {192, 192, 192}, {175, 175, 175}, {127, 127, 127}, {79, 79, 79},   {211, 211, 211},
        {128, 138, 135}, {128, 128, 105}, {255, 0, 0},     {175, 0, 0},     {127, 0, 0},    {79, 0, 0},
        {0, 255, 0},     {0, 175, 0},     {0, 127, 0},     {0, 79, 0},      {0, 0, 255},    {0, 0, 175},
        {0, 0, 127},     {0, 0, 79},      {0, 255, 255},   {0, 175, 175},   {0, 127, 127},  {0, 79, 79},
        {255, 255, 0},   {175, 175, 0},   {127, 127, 0},   {79, 79, 0},     {255, 0, 255},  {175, 0, 175},
        {127, 0, 127},   {79, 0, 79},     {41, 36, 33},    {255, 128, 0},   {237, 145, 33}, {59, 94, 43},
        {8, 46, 84},     {135, 206, 235}, {70, 130, 180},  {127, 255, 212}, {255, 215, 0},  {218, 112, 214},
        {160, 32, 240},  {143, 94, 153},  {128, 42, 42},   {135, 66, 31},   {115, 61, 26},  {163, 148, 128},
        {255, 125, 64},  {240, 230, 140},
    };
} // namespace

bCColorBase::~bCColorBase() = default;

void bCColorBase::GetNamedColor(bEColor a_eColor, OEU8 & a_u8Red, OEU8 & a_u8Green, OEU8 & a_u8Blue)
{
    int const iIndex = static_cast<int>(a_eColor) - 1;
    if (iIndex < 0 || iIndex >= 50)
    {
        a_u8Red = a_u8Green = a_u8Blue = 0;
        return;
    }
    a_u8Red = g_arrNamedColors[iIndex][0];
    a_u8Green = g_arrNamedColors[iIndex][1];
    a_u8Blue = g_arrNamedColors[iIndex][2];
}

void bCColorBase::WriteLeadingWord(bCOStream & a_Stream)
{
    unsigned char const arrZeros[4] = {0, 0, 0, 0};
    a_Stream.Write(arrZeros, 4);
}

void bCColorBase::ReadLeadingWord(bCIStream & a_Stream)
{
    unsigned char arrSkipped[4];
    a_Stream.Read(arrSkipped, 4);
}

void bCColorBase::ReadComponent(bCIStream & a_Stream, float & a_fComponent)
{
    float fRead;
    if (a_Stream.Read(&fRead, 4) == 4)
        a_fComponent = fRead;
}

// Colours read from arbitrary bytes: each class in turn reads its stream form
// from the input, writes it back and reads that again; every read consumes at
// most its form's size, and a colour read from its own written form writes the
// same bytes again.
// The first byte of each pixel picks a format for ReadPixel and WritePixel.

#include <vellmark/graphics/oe_bytealphacolor.h>
#include <vellmark/graphics/oe_floatalphacolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>
#include <vellmark/kernel/oe_memorystream.h>

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

    template <typename C> void RoundTrip(bCMemoryStream & a_Input, long long a_i64FormSize)
    {
        C Color;
        long long const i64Before = a_Input.GetPosition();
        Color << a_Input;
        Check(a_Input.GetPosition() - i64Before <= a_i64FormSize);
        bCMemoryStream Written;
        Color >> Written;
        Check(Written.GetSize() == a_i64FormSize);
        Written.SetPosition(0, bEStreamSeekMode_Begin);
        C Back;
        Back << Written;
        bCMemoryStream Again;
        Back >> Again;
        unsigned long const uSize = static_cast<unsigned long>(a_i64FormSize);
        Again.SetPosition(0, bEStreamSeekMode_Begin);
        Written.SetPosition(0, bEStreamSeekMode_Begin);
        // Bytes, not colours: a float form may hold NaNs.
        Check(std::memcmp(Again.GetBuffer(uSize), Written.GetBuffer(uSize), uSize) == 0);
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    bCMemoryStream Input;
    if (a_uSize > 0)
        Input.Write(a_pData, static_cast<unsigned long>(a_uSize));
    Input.SetPosition(0, bEStreamSeekMode_Begin);
    for (int iRound = 0; iRound < 4 && Input.GetPosition() < Input.GetSize(); ++iRound)
    {
        RoundTrip<bCByteColor>(Input, 8);
        RoundTrip<bCByteAlphaColor>(Input, 12);
        RoundTrip<bCFloatColor>(Input, 16);
        RoundTrip<bCFloatAlphaColor>(Input, 20);
        RoundTrip<bCFloatColorHSV>(Input, 16);
    }
    for (size_t u = 0; u + 5 <= a_uSize; u += 5)
    {
        bEPixelFormat const eFormat = static_cast<bEPixelFormat>(a_pData[u] % 9);
        bCByteAlphaColor Color;
        Color.ReadPixel(eFormat, a_pData + u + 1);
        unsigned char arrPixel[4] = {0, 0, 0, 0};
        Color.WritePixel(eFormat, arrPixel);
    }
    return 0;
}

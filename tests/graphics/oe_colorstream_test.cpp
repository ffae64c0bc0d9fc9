#include <vellmark/graphics/oe_bytealphacolor.h>
#include <vellmark/graphics/oe_floatalphacolor.h>
#include <vellmark/graphics/oe_floatcolorhsv.h>
#include "kernel/oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace
{
    std::vector<unsigned char> Written(bCColorBase const & a_Color)
    {
        bCMemoryStream Stream;
        a_Color >> Stream;
        return GetBytes(Stream);
    }

    std::vector<unsigned char> FloatBytes(std::initializer_list<float> a_Values)
    {
        std::vector<unsigned char> arrBytes(4, 0);
        for (float fValue : a_Values)
        {
            unsigned char arrFloat[4];
            std::memcpy(arrFloat, &fValue, 4);
            arrBytes.insert(arrBytes.end(), arrFloat, arrFloat + 4);
        }
        return arrBytes;
    }

    struct StreamCase
    {
        char const * pcClass;
        std::function<bCColorBase *()> funcMakeFull;  // a colour with every component set
        std::function<bCColorBase *()> funcMakeEmpty; // the reader's colour before reading
        std::vector<unsigned char> arrBytes;
    };
} // namespace

TEST(bCColorStream, BytesOfEveryClassReadBackAndCutAtEveryByte)
{
    std::vector<StreamCase> const arrCases = {
        {"bCByteColor",
         [] { return new bCByteColor(1, 2, 3); },
         [] { return new bCByteColor(); },
         {0, 0, 0, 0, 1, 2, 3, 0}},
        {"bCByteAlphaColor",
         [] { return new bCByteAlphaColor(1, 2, 3, 4); },
         [] { return new bCByteAlphaColor(); },
         {0, 0, 0, 0, 1, 2, 3, 0, 4, 0, 0, 0}},
        {"bCFloatColor", [] { return new bCFloatColor(0.5f, -1.0f, 2.0f); }, [] { return new bCFloatColor(); },
         FloatBytes({0.5f, -1.0f, 2.0f})},
        {"bCFloatAlphaColor", [] { return new bCFloatAlphaColor(0.5f, -1.0f, 2.0f, 0.25f); },
         [] { return new bCFloatAlphaColor(); }, FloatBytes({0.5f, -1.0f, 2.0f, 0.25f})},
        {"bCFloatColorHSV", [] { return new bCFloatColorHSV(0.75f, 0.5f, 1.0f); }, [] { return new bCFloatColorHSV(); },
         FloatBytes({0.75f, 0.5f, 1.0f})},
    };
    for (StreamCase const & c : arrCases)
    {
        SCOPED_TRACE(c.pcClass);
        std::unique_ptr<bCColorBase> pFull(c.funcMakeFull());
        EXPECT_EQ(Written(*pFull), c.arrBytes);

        // Whatever the leading word holds, it is skipped.
        std::vector<unsigned char> arrInput = c.arrBytes;
        std::memset(arrInput.data(), 0xA5, 4);
        bCMemoryStream Stream;
        Fill(Stream, arrInput);
        std::unique_ptr<bCColorBase> pRead(c.funcMakeEmpty());
        EXPECT_EQ(&(*pRead << Stream), &Stream);
        EXPECT_EQ(Stream.GetPosition(), static_cast<long long>(arrInput.size()));
        EXPECT_EQ(Written(*pRead), c.arrBytes);
    }

    std::vector<unsigned char> const arrFloat = FloatBytes({0.5f, 0.25f, 0.125f, 2.0f});
    std::vector<unsigned char> const arrByte = {0, 0, 0, 0, 10, 20, 30, 0, 40, 0, 0, 0};
    for (size_t uCut = 0; uCut <= arrFloat.size(); ++uCut)
    {
        SCOPED_TRACE(uCut);
        bCMemoryStream FloatStream, ByteStream;
        Fill(FloatStream, CBytes(arrFloat.begin(), arrFloat.begin() + static_cast<long>(uCut)));
        Fill(ByteStream, CBytes(arrByte.begin(), arrByte.begin() + static_cast<long>(std::min(uCut, arrByte.size()))));
        bCFloatAlphaColor FloatColor(-1.0f, -2.0f, -3.0f, -4.0f);
        FloatColor << FloatStream;
        EXPECT_EQ(FloatColor, bCFloatAlphaColor(uCut >= 8 ? 0.5f : -1.0f, uCut >= 12 ? 0.25f : -2.0f,
                                                uCut >= 16 ? 0.125f : -3.0f, uCut >= 20 ? 2.0f : -4.0f));
        EXPECT_EQ(FloatStream.GetPosition(), static_cast<long long>(uCut));
        bCByteAlphaColor ByteColor(1, 2, 3, 4);
        ByteColor << ByteStream;
        EXPECT_EQ(ByteColor, bCByteAlphaColor(uCut > 4 ? 10 : 1, uCut > 5 ? 20 : 2, uCut > 6 ? 30 : 3,
                                              uCut > 8 ? 40 : 4));
        EXPECT_EQ(ByteStream.GetPosition(), static_cast<long long>(std::min(uCut, arrByte.size())));
    }
}

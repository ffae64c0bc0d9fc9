// Stream forms of the primitives: raw floats in field order (the united ray's
// flag word first), read back whole, and short input that never reads past its end.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_line.h>
#include <vellmark/math/3d/oe_plane.h>
#include <vellmark/math/3d/oe_ray.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_stretch.h>
#include <vellmark/math/3d/oe_triangle.h>
#include <vellmark/math/3d/oe_unitedray.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
    // The bytes a value writes.
    template <class T>
    std::vector<unsigned char> Bytes(T const & a_Value)
    {
        bCMemoryStream Stream;
        a_Value >> Stream;
        Stream.SetPosition(0, bEStreamSeekMode_Begin);
        auto const * pBytes = static_cast<unsigned char const *>(Stream.GetBuffer(static_cast<unsigned long>(Stream.GetSize())));
        return std::vector<unsigned char>(pBytes, pBytes + Stream.GetSize());
    }

    // The little-endian bytes of 32-bit words given as floats (and one integer word first, optionally).
    std::vector<unsigned char> Expected(std::vector<float> const & a_arrFloats, bool a_bFlagWord = false,
                                        int a_iFlags = 0)
    {
        std::vector<unsigned char> arrBytes;
        auto const Append = [&](void const * a_pWord) {
            unsigned char const * pByte = static_cast<unsigned char const *>(a_pWord);
            arrBytes.insert(arrBytes.end(), pByte, pByte + 4);
        };
        if (a_bFlagWord)
            Append(&a_iFlags);
        for (float const & fValue : a_arrFloats)
            Append(&fValue);
        return arrBytes;
    }

    template <class T>
    T ReadBack(std::vector<unsigned char> const & a_arrBytes, T a_Start)
    {
        bCMemoryStream Stream;
        if (!a_arrBytes.empty())
            Stream.Write(a_arrBytes.data(), static_cast<unsigned long>(a_arrBytes.size()));
        Stream.SetPosition(0, bEStreamSeekMode_Begin);
        a_Start << Stream;
        EXPECT_EQ(Stream.GetPosition(), static_cast<long long>(a_arrBytes.size()));
        return a_Start;
    }

    // Writes, checks the bytes, reads back; then reads every shorter prefix.
    template <class T>
    void CheckStreamForm(T const & a_Value, std::vector<unsigned char> const & a_arrExpected, T const & a_Other)
    {
        std::vector<unsigned char> const arrBytes = Bytes(a_Value);
        EXPECT_EQ(arrBytes, a_arrExpected);
        EXPECT_EQ(ReadBack(arrBytes, a_Other), a_Value);
        for (size_t uLength = 0; uLength < arrBytes.size(); ++uLength)
        {
            SCOPED_TRACE(uLength);
            std::vector<unsigned char> const arrShort(arrBytes.begin(), arrBytes.begin() + static_cast<long>(uLength));
            T const Partial = ReadBack(arrShort, a_Other);
            EXPECT_NE(Partial, a_Value);
        }
    }
} // namespace

TEST(bCPrimitiveStreams, RawFloatsInFieldOrder)
{
    bCVector const vecP(1.0f, 2.0f, 3.0f), vecQ(-4.0f, 0.5f, 6.0f), vecR(7.0f, 8.0f, -9.0f);
    bCVector const vecZero(0.0f, 0.0f, 0.0f);
    {
        SCOPED_TRACE("bCLine");
        CheckStreamForm(bCLine(vecP, vecQ), Expected({1, 2, 3, -4, 0.5f, 6}), bCLine(vecZero, vecZero));
    }
    {
        SCOPED_TRACE("bCRay");
        CheckStreamForm(bCRay(vecP, vecQ), Expected({1, 2, 3, -4, 0.5f, 6}), bCRay(vecZero, vecZero));
    }
    {
        SCOPED_TRACE("bCStretch");
        CheckStreamForm(bCStretch(vecQ, vecP), Expected({-4, 0.5f, 6, 1, 2, 3}), bCStretch(vecZero, vecZero));
    }
    {
        SCOPED_TRACE("bCUnitedRay");
        CheckStreamForm(bCUnitedRay(bERayExtension_Forward, vecP, vecQ), Expected({1, 2, 3, -4, 0.5f, 6}, true, 1),
                        bCUnitedRay(bERayExtension_Both, vecZero, vecZero));
    }
    {
        SCOPED_TRACE("bCPlane");
        CheckStreamForm(bCPlane(vecQ, -2.5f), Expected({-4, 0.5f, 6, -2.5f}), bCPlane(vecZero, 0.0f));
    }
    {
        SCOPED_TRACE("bCTriangle");
        CheckStreamForm(bCTriangle(vecP, vecQ, vecR), Expected({1, 2, 3, -4, 0.5f, 6, 7, 8, -9}),
                        bCTriangle(vecZero, vecZero, vecZero));
    }
    {
        SCOPED_TRACE("bCBox");
        CheckStreamForm(bCBox(vecQ, vecP), Expected({-4, 0.5f, 6, 1, 2, 3}), bCBox(vecZero, vecZero));
    }
    {
        SCOPED_TRACE("bCSphere");
        CheckStreamForm(bCSphere(2.5f, vecP), Expected({2.5f, 1, 2, 3}), bCSphere(0.0f, vecZero));
    }
}

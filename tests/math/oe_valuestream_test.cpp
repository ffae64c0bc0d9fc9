// Value types that stream their memory image: the bytes are the fields in
// order, and a reader cut after n bytes takes those n bytes and leaves the
// rest of the object as it was.

#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_math3d.h>
#include <vellmark/math/3d/oe_range.h>
#include <vellmark/math/3d/oe_rect.h>

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>
#include <vector>

namespace
{
    // a_arrFloats, when given, are the expected bytes read as floats.
    template <typename T>
    void ExpectMemoryImage(T const & a_Written, T const & a_Sentinel, std::vector<float> const & a_arrFloats = {})
    {
        static_assert(std::is_trivially_copyable_v<T>);
        bCMemoryStream Full;
        a_Written >> Full;
        ASSERT_EQ(Full.GetSize(), static_cast<long long>(sizeof(T)));
        Full.Seek(0, bEStreamSeekMode_Begin);
        std::vector<unsigned char> arrBytes(sizeof(T));
        std::memcpy(arrBytes.data(), Full.GetBuffer(sizeof(T)), sizeof(T));
        if (!a_arrFloats.empty())
        {
            ASSERT_EQ(a_arrFloats.size() * 4, sizeof(T));
            EXPECT_EQ(std::memcmp(arrBytes.data(), a_arrFloats.data(), sizeof(T)), 0);
        }
        for (std::size_t uCut = 0; uCut <= sizeof(T); ++uCut)
        {
            SCOPED_TRACE(uCut);
            bCMemoryStream Cut;
            Cut.Write(arrBytes.data(), static_cast<unsigned long>(uCut));
            Cut.Seek(0, bEStreamSeekMode_Begin);
            T Read(a_Sentinel);
            Read << Cut;
            unsigned char arrExpected[sizeof(T)], arrActual[sizeof(T)];
            std::memcpy(arrExpected, &a_Sentinel, sizeof(T));
            std::memcpy(arrExpected, arrBytes.data(), uCut);
            std::memcpy(arrActual, &Read, sizeof(T));
            EXPECT_EQ(std::memcmp(arrActual, arrExpected, sizeof(T)), 0);
        }
    }
} // namespace

TEST(bCValueStreams, MemoryImageInFieldOrderAndTruncatedReadsKeepTheRest)
{
    ExpectMemoryImage(bCVector(1, 2, 3), bCVector(-1.0f), {1, 2, 3});
    ExpectMemoryImage(bCVector2(4, 5), bCVector2(-1.0f), {4, 5});
    ExpectMemoryImage(bCVector4(6, 7, 8, 9), bCVector4(-1.0f), {6, 7, 8, 9});
    ExpectMemoryImage(bCMotion(bCVector(1, 2, 3), bCQuaternion(4, 5, 6, 7)),
                      bCMotion(bCVector(0.0f), bCQuaternion(0, 0, 0, 0)), {1, 2, 3, 4, 5, 6, 7});
    ExpectMemoryImage(bCQuaternion(8, 9, 10, 11), bCQuaternion(0, 0, 0, 0), {8, 9, 10, 11});
    ExpectMemoryImage(bCAxisAngle(bCVector(12, 13, 14), 15), bCAxisAngle(bCVector(0.0f), 0), {12, 13, 14, 15});
    ExpectMemoryImage(bCEulerAngles(16, 17, 18), bCEulerAngles(0, 0, 0), {16, 17, 18});
    ExpectMemoryImage(bCSphericalRotation(19, 20, 21), bCSphericalRotation(0, 0, 0), {19, 20, 21});
    bCMatrix matRows(0.0f);
    std::vector<float> arrElements(16);
    for (int i = 0; i < 16; ++i)
        matRows[i] = arrElements[static_cast<size_t>(i)] = static_cast<float>(i) + 0.5f;
    EXPECT_EQ(matRows(3, 1), 13.5f); // row 3, column 1 is element 13 of the image
    ExpectMemoryImage(matRows, bCMatrix(9.0f), arrElements);
    ExpectMemoryImage(bCRect(1, -2, 3, 0x7FFFFFFF), bCRect(9, 9, 9, 9));
    ExpectMemoryImage(bCPoint(-7, 8), bCPoint(5, 5));
    ExpectMemoryImage(bCRange1(-1.5f, 2.5f), bCRange1(7.0f, 7.0f), {-1.5f, 2.5f});
    ExpectMemoryImage(bCRange2(bCVector2(1, 2), bCVector2(3, 4)), bCRange2(bCVector2(9.0f), bCVector2(9.0f)),
                      {1, 2, 3, 4});
    ExpectMemoryImage(bCRange3(bCVector(1, 2, 3), bCVector(4, 5, 6)), bCRange3(bCVector(9.0f), bCVector(9.0f)),
                      {1, 2, 3, 4, 5, 6});
    ExpectMemoryImage(bCRange4(bCVector4(1, 2, 3, 4), bCVector4(5, 6, 7, 8)),
                      bCRange4(bCVector4(9.0f), bCVector4(9.0f)));
    bCFrustum Sentinel;
    Sentinel.Clear();
    ExpectMemoryImage(bCFrustum(bCBox(bCVector(-1, -2, -3), bCVector(4, 5, 6))), Sentinel);
}

// The small matrices write and read element (0, 0) alone.
TEST(bCValueStreams, SmallMatricesStreamTheirFirstElement)
{
    bCMemoryStream Stream;
    bCMatrix3(bCVector(9, 8, 7), bCVector(6, 5, 4), bCVector(3, 2, 1)) >> Stream;
    bCMatrix2(-3, 4, 5, 6) >> Stream;
    ASSERT_EQ(Stream.GetSize(), 8);
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCMatrix3 matSmallRead(1.0f);
    matSmallRead << Stream;
    EXPECT_EQ(matSmallRead, bCMatrix3(bCVector(9, 1, 1), bCVector(1, 1, 1), bCVector(1, 1, 1)));
    bCMatrix2 matTinyRead(1.0f);
    matTinyRead << Stream;
    EXPECT_EQ(matTinyRead, bCMatrix2(-3, 1, 1, 1));
}

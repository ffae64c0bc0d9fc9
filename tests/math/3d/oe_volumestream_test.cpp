#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_frustum.h>
#include <vellmark/math/3d/oe_range.h>
#include <vellmark/math/3d/oe_rect.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{
    // These types stream exactly their memory image: a reader cut after n bytes
    // takes those n bytes and leaves the rest of the object as it was.
    template <typename T> void ExpectTruncatedReadsKeepTheRest(T const & a_Written, T const & a_Sentinel)
    {
        bCMemoryStream Full;
        a_Written >> Full;
        ASSERT_EQ(Full.GetSize(), static_cast<long long>(sizeof(T)));
        Full.Seek(0, bEStreamSeekMode_Begin);
        std::vector<unsigned char> arrBytes(sizeof(T));
        std::memcpy(arrBytes.data(), Full.GetBuffer(sizeof(T)), sizeof(T));
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
}

TEST(bCVolumeStreams, TruncatedReadsKeepWhatTheyDidNotReach)
{
    ExpectTruncatedReadsKeepTheRest(bCRect(1, -2, 3, 0x7FFFFFFF), bCRect(9, 9, 9, 9));
    ExpectTruncatedReadsKeepTheRest(bCPoint(-7, 8), bCPoint(5, 5));
    ExpectTruncatedReadsKeepTheRest(bCRange1(-1.5f, 2.5f), bCRange1(7.0f, 7.0f));
    ExpectTruncatedReadsKeepTheRest(bCRange3(bCVector(1, 2, 3), bCVector(4, 5, 6)), bCRange3(bCVector(9.0f), bCVector(9.0f)));
    ExpectTruncatedReadsKeepTheRest(bCRange4(bCVector4(1, 2, 3, 4), bCVector4(5, 6, 7, 8)),
                                    bCRange4(bCVector4(9.0f), bCVector4(9.0f)));
    bCFrustum const Written(bCBox(bCVector(-1, -2, -3), bCVector(4, 5, 6)));
    bCFrustum Sentinel;
    Sentinel.Clear();
    ExpectTruncatedReadsKeepTheRest(Written, Sentinel);
}

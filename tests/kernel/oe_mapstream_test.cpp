#include <vellmark/kernel/oe_mapstream.h>
#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/kernel/oe_nullstream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

namespace
{
    // Counts the strings that pass the hook.
    class CCountingStream : public bCMemoryStream
    {
    public:
        OE_STREAM_USING_BASES(bCMemoryStream);
        unsigned long Write(bCString const & a_strValue) override
        {
            ++m_iStrings;
            return bCMemoryStream::Write(a_strValue);
        }
        int m_iStrings = 0;
    };
} // namespace

// The byte form itself, a long value as four bytes included, is pinned by the containers' own tests;
// these check that the engine streams carry it.
TEST(bTStringObjMap, StreamFormOnTheEngineStreams)
{
    bTStringObjMap<bCString> mapSource;
    mapSource.SetAt(bCString("a"), bCString("xy"));
    mapSource.SetAt(bCString("6"), bCString(""));
    CCountingStream Stream;
    Stream << mapSource;
    EXPECT_EQ(Stream.m_iStrings, 4);
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 2, 0, 0, 0, 1, 0, '6', 0, 0, 1, 0, 'a', 2, 0, 'x', 'y'}));
    bCNullStream Measure;
    Measure << mapSource;
    EXPECT_EQ(Measure.GetBytesWritten(), 17ul);

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bTStringObjMap<bCString> mapRead;
    mapRead.SetAt(bCString("stale"), bCString("gone"));
    Stream >> mapRead;
    EXPECT_EQ(Stream.GetPosition(), Stream.GetSize());
    EXPECT_EQ(mapRead.GetCount(), 2);
    EXPECT_FALSE(mapRead.Contains(bCString("stale")));
    ASSERT_NE(mapRead.Find(bCString("a")), nullptr);
    EXPECT_EQ(*mapRead.Find(bCString("a")), bCString("xy"));
}

TEST(bTStringObjMap, StreamReadOfTruncatedInputKeepsCompleteEntries)
{
    bTStringObjMap<bCString> mapSource;
    for (int i = 0; i < 5; ++i)
        mapSource.SetAt(bCString::GetFormattedString("n%d", i), bCString::GetFormattedString("v%d", i));
    bCMemoryStream Source;
    Source << mapSource;
    CBytes const arrAll = GetBytes(Source);
    for (size_t uCut = 0; uCut < arrAll.size(); ++uCut)
    {
        bCMemoryStream Stream;
        Fill(Stream, CBytes(arrAll.begin(), arrAll.begin() + static_cast<long>(uCut)));
        bTStringObjMap<bCString> mapRead;
        Stream >> mapRead;
        EXPECT_LE(mapRead.GetCount(), 4);
        for (auto It = mapRead.BeginIterator(); It != mapRead.EndIterator(); ++It)
            EXPECT_EQ(*mapSource.Find(It.GetKey()), It.GetValue());
    }
}

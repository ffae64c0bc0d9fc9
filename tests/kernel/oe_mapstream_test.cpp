#include <vellmark/kernel/oe_mapstream.h>
#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

// The byte form itself, a long value as four bytes included, is pinned by the containers' own tests;
// these check that the engine streams carry it.
TEST(bTStringObjMap, StreamFormOnTheEngineStreams)
{
    bTStringObjMap<bCString> mapSource;
    mapSource.SetAt(bCString("a"), bCString("xy"));
    mapSource.SetAt(bCString("6"), bCString(""));
    bCMemoryStream Stream;
    Stream << mapSource;
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 2, 0, 0, 0, 1, 0, '6', 0, 0, 1, 0, 'a', 2, 0, 'x', 'y'}));

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bTStringObjMap<bCString> mapRead;
    mapRead.SetAt(bCString("stale"), bCString("gone"));
    Stream >> mapRead;
    EXPECT_EQ(Stream.GetPosition(), Stream.GetSize());
    EXPECT_EQ(mapRead.GetCount(), 2);
    EXPECT_FALSE(mapRead.Contains(bCString("stale")));
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

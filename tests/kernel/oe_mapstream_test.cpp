#include <vellmark/kernel/oe_mapstream.h>
#include <vellmark/kernel/oe_memorystream.h>

#include "oe_stream_testsupport.h"

#include <gtest/gtest.h>

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

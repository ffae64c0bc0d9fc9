#include <vellmark/containers/oe_map.h>

#include "kernel/oe_stream_testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// With 43 buckets: "0" (48) lies in bucket 5, "6" (54) and "a" (97) share
// bucket 11, "7" (55) and "b" (98) share bucket 12.

namespace
{
    template <typename TMap> std::vector<std::string> KeysOf(TMap const & a_mapSource)
    {
        std::vector<std::string> arrKeys;
        for (auto It = a_mapSource.BeginIterator(); It != a_mapSource.EndIterator(); ++It)
            arrKeys.push_back(It.GetKey().GetText());
        return arrKeys;
    }

    void FillSample(bTStringValMap<long> & a_mapTarget)
    {
        long lValue = 0;
        for (char const * pcKey : {"a", "b", "0", "6", "7"})
            a_mapTarget.SetAt(bCString(pcKey), ++lValue);
    }

    std::vector<unsigned char> Bytes(std::initializer_list<int> a_arrValues)
    {
        return std::vector<unsigned char>(a_arrValues.begin(), a_arrValues.end());
    }

    // The bytes a map writes; the count it gives must be theirs.
    template <typename TMap> std::vector<unsigned char> Written(TMap const & a_mapSource)
    {
        bCMemoryStream Stream;
        unsigned long const uWritten = a_mapSource.Write(Stream);
        EXPECT_EQ(uWritten, static_cast<unsigned long>(Stream.GetSize()));
        return GetBytes(Stream);
    }

    // Reads the first a_uSize bytes into the map; where the reading stopped.
    template <typename TMap>
    long long ReadInto(TMap & a_mapTarget, std::vector<unsigned char> const & a_arrBytes, bool a_bRead, size_t a_uSize)
    {
        bCMemoryStream Stream;
        Fill(Stream, CBytes(a_arrBytes.begin(), a_arrBytes.begin() + static_cast<long>(a_uSize)));
        EXPECT_EQ(a_mapTarget.Read(Stream), a_bRead) << a_uSize;
        return Stream.GetPosition();
    }
} // namespace

TEST(bTStringValMap, FortyThreeBucketsNoRehashAccessAndRemoval)
{
    bTStringValMap<long> mapValues;
    EXPECT_TRUE(mapValues.BeginIterator() == mapValues.EndIterator());
    EXPECT_EQ(mapValues.GetBucketCount(), 43);
    FillSample(mapValues);
    EXPECT_EQ(KeysOf(mapValues), (std::vector<std::string>{"0", "6", "a", "7", "b"}));
    std::vector<int> arrBuckets;
    for (auto It = mapValues.BeginIterator(); It != mapValues.EndIterator(); ++It)
        arrBuckets.push_back(It.GetBucket());
    EXPECT_EQ(arrBuckets, (std::vector<int>{5, 11, 11, 12, 12}));
    auto It = mapValues.BeginIterator();
    for (int i = 0; i < 7; ++i)
        ++It; // stepping past the end stays at the end
    EXPECT_TRUE(It == mapValues.EndIterator());

    for (long l = 0; l < 1000; ++l)
        mapValues.SetAt(bCString::GetFormattedString("key%ld", l), l);
    EXPECT_EQ(mapValues.GetBucketCount(), 43);
    EXPECT_EQ(*mapValues.Find(bCString("key999")), 999);

    // Access inserts once; removal unlinks anywhere.
    mapValues.Clear();
    EXPECT_EQ(mapValues[bCString("n")], 0);
    mapValues[bCString("n")] += 5;
    mapValues.AccessAt(bCString("n")) += 1;
    long lValue = -1;
    EXPECT_TRUE(mapValues.GetAt(bCString("n"), lValue));
    EXPECT_EQ(lValue, 6);
    EXPECT_FALSE(mapValues.GetAt(bCString("N"), lValue)); // case-sensitive

    mapValues.Clear();
    FillSample(mapValues);
    EXPECT_TRUE(mapValues.Remove(bCString("a"))); // the tail of bucket 11
    EXPECT_TRUE(mapValues.Remove(bCString("7"))); // the head of bucket 12
    EXPECT_FALSE(mapValues.Remove(bCString("7")));
    EXPECT_EQ(KeysOf(mapValues), (std::vector<std::string>{"0", "6", "b"}));
    EXPECT_EQ(*mapValues.Find(bCString("b")), 2);
}


TEST(bTStringValMap, ClearGoesBackToFortyThreeBucketsCopyReversesChainsObjectMapsHoldCopies)
{
    bTStringValMap<long> mapValues;
    mapValues.Create(109);
    FillSample(mapValues);
    // 97 % 109 and 54 % 109: the sample spreads differently over 109 buckets.
    EXPECT_EQ(KeysOf(mapValues), (std::vector<std::string>{"0", "6", "7", "a", "b"}));
    bTStringValMap<long> mapCopy;
    mapCopy.SetAt(bCString("stale"), 9);
    mapCopy = mapValues;
    EXPECT_EQ(mapCopy.GetBucketCount(), 43); // the copy is cleared to the default table
    EXPECT_EQ(mapCopy.GetCount(), 5);
    bTStringValMap<long> mapDefault;
    FillSample(mapDefault);
    bTStringValMap<long> mapSecond(mapDefault); // keys sharing a bucket come out reversed
    EXPECT_EQ(KeysOf(mapSecond), (std::vector<std::string>{"0", "a", "6", "b", "7"}));
    bTStringValMap<long> const & mapSame = mapSecond;
    mapSecond = mapSame;
    EXPECT_EQ(mapSecond.GetCount(), 5);

    mapValues.Clear();
    EXPECT_EQ(mapValues.GetBucketCount(), 43);
    mapValues.Destroy();
    EXPECT_EQ(mapValues.Find(bCString("a")), nullptr);
    mapValues.SetAt(bCString("a"), 1);
    EXPECT_EQ(mapValues.GetBucketCount(), 43);

    // Object maps hold copies; pointer maps do not own.
    bTStringObjMap<bCString> mapTexts;
    bCString strValue("value");
    mapTexts.SetAt(bCString("key"), strValue);
    for (auto It = mapTexts.BeginIterator(); It != mapTexts.EndIterator(); ++It)
        It.AccessValue() += "!";
    EXPECT_STREQ(mapTexts.Find(bCString("key"))->GetText(), "value!");
    EXPECT_STREQ(strValue.GetText(), "value");

    int iFirst = 1;
    bTPtrMap<bCString, int *> mapPointers;
    mapPointers.SetAt(bCString("first"), &iFirst);
    EXPECT_EQ(mapPointers[bCString("third")], nullptr); // inserted as null
    EXPECT_EQ(mapPointers.GetCount(), 2);
}

TEST(bTStringObjMap, WritesVersionCountAndPairsInIterationOrder)
{
    bTStringObjMap<bCString> mapOptions;
    mapOptions.SetAt(bCString("a"), bCString("xy"));
    mapOptions.SetAt(bCString("6"), bCString(""));
    EXPECT_EQ(Written(mapOptions), Bytes({1, 2, 0, 0, 0,                // version, count
                                          1, 0, '6', 0, 0,              // "6" -> ""
                                          1, 0, 'a', 2, 0, 'x', 'y'})); // "a" -> "xy"

    bTStringValMap<long> mapIndices; // long values travel as four bytes
    mapIndices.SetAt(bCString("k"), -2);
    std::vector<unsigned char> const arrBytes = Written(mapIndices);
    EXPECT_EQ(arrBytes, Bytes({1, 1, 0, 0, 0, 1, 0, 'k', 0xFE, 0xFF, 0xFF, 0xFF}));
    bTStringValMap<long> mapRead;
    ReadInto(mapRead, arrBytes, true, arrBytes.size());
    EXPECT_EQ(*mapRead.Find(bCString("k")), -2);
}

TEST(bTStringObjMap, ReadRestoresWhatWasWrittenAndKeepsWhatItReadBeforeTheEnd)
{
    bTStringObjMap<bCString> mapSource;
    for (int i = 0; i < 20; ++i)
        mapSource.SetAt(bCString::GetFormattedString("name%d", i), bCString::GetFormattedString("value%d", i * 3));
    mapSource.SetAt(bCString("zero\0byte", 9), bCString("emb\0edded", 9));
    std::vector<unsigned char> const arrBytes = Written(mapSource);
    bTStringObjMap<bCString> mapRead;
    mapRead.SetAt(bCString("stale"), bCString("gone"));
    EXPECT_EQ(ReadInto(mapRead, arrBytes, true, arrBytes.size()), static_cast<long long>(arrBytes.size()));
    EXPECT_EQ(mapRead.GetCount(), 21);
    EXPECT_FALSE(mapRead.Contains(bCString("stale")));
    for (auto It = mapSource.BeginIterator(); It != mapSource.EndIterator(); ++It)
    {
        bCString const * pValue = mapRead.Find(It.GetKey());
        ASSERT_NE(pValue, nullptr) << It.GetKey().GetText();
        EXPECT_TRUE(*pValue == It.GetValue());
    }

    // Cut short, reading keeps what it read before the end; the version is ignored.
    std::vector<unsigned char> const arrFull = Bytes({1, 2, 0, 0, 0, 1, 0, '6', 0, 0, 1, 0, 'a', 2, 0, 'x', 'y'});
    for (size_t uSize = 0; uSize < arrFull.size(); ++uSize)
    {
        bTStringObjMap<bCString> mapRead;
        ReadInto(mapRead, arrFull, false, uSize);
        EXPECT_LE(mapRead.GetCount(), 1) << uSize; // pairs read before the end stay
    }
    // A count larger than the data, then any version byte (readers never checked it) with a repeated key.
    struct
    {
        std::vector<unsigned char> m_arrBytes;
        bool m_bRead;
        char const * m_pcValue;
    } const Cases[] = {
        {Bytes({1, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 'k', 1, 0, 'v'}), false, "v"},
        {Bytes({7, 2, 0, 0, 0, 1, 0, 'k', 1, 0, '1', 1, 0, 'k', 1, 0, '2'}), true, "2"},
    };
    for (auto const & Case : Cases)
    {
        bTStringObjMap<bCString> mapRead;
        ReadInto(mapRead, Case.m_arrBytes, Case.m_bRead, Case.m_arrBytes.size());
        EXPECT_EQ(mapRead.GetCount(), 1);
        EXPECT_STREQ(mapRead.Find(bCString("k"))->GetText(), Case.m_pcValue);
    }
}

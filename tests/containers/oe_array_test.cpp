#include <vellmark/containers/oe_array.h>
#include <vellmark/kernel/oe_string.h>

#include <gtest/gtest.h>

#include <vector>

namespace
{
    // Counts live objects so that construction and destruction can be balanced.
    struct SCounted
    {
        static int ms_iLive;
        int m_iValue;

        SCounted(int a_iValue = -1) : m_iValue(a_iValue) { ++ms_iLive; }
        SCounted(SCounted const & a_Other) : m_iValue(a_Other.m_iValue) { ++ms_iLive; }
        SCounted & operator=(SCounted const &) = default;
        ~SCounted() { --ms_iLive; }
        bool operator==(SCounted const & a_Other) const { return m_iValue == a_Other.m_iValue; }
        operator int() const { return m_iValue; }
    };
    int SCounted::ms_iLive = 0;

    // Counts deletions of pointees owned by an auto-pointer array.
    struct SOwned
    {
        static int ms_iDeleted;
        int m_iValue;
        explicit SOwned(int a_iValue) : m_iValue(a_iValue) {}
        ~SOwned() { ++ms_iDeleted; }
    };
    int SOwned::ms_iDeleted = 0;

    template <typename TArray> std::vector<int> ValuesOf(TArray const & a_arrSource)
    {
        std::vector<int> arrValues;
        for (int i = 0; i < a_arrSource.GetCount(); ++i)
            arrValues.push_back(static_cast<int>(a_arrSource[i]));
        return arrValues;
    }

    std::vector<std::string> TextsOf(bTObjArray<bCString> const & a_arrSource)
    {
        std::vector<std::string> arrTexts;
        for (auto It = a_arrSource.BeginIterator(); It != a_arrSource.EndIterator(); ++It)
            arrTexts.push_back(It->GetText());
        return arrTexts;
    }
} // namespace

TEST(bTObjArray, GrowthStepAddInsertAndRemove)
{
    int const arrCases[][4] = {
        {0, 1, 0, 5},    {40, 41, 0, 46}, {8192, 8193, 0, 9217}, {8200, 8201, 0, 9225},
        {10, 10, 0, 10}, {10, 20, 7, 27}, {10, 20, -1, 20}, // within the capacity, explicit, none
    };
    for (auto const & c : arrCases)
        EXPECT_EQ(bTArrayBase<int>::GetGrownCapacity(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1] << " " << c[2];

    bTValArray<double> arrReserved;
    int const arrReserves[][3] = {{10, 0, 14}, {20, 100, 120}};
    for (auto const & c : arrReserves)
    {
        arrReserved.Reserve(c[0], c[1]);
        EXPECT_EQ(arrReserved.GetCapacity(), c[2]) << c[0];
    }

    // Add, insert and remove keep or disturb the order.
    bTObjArray<bCString> arrTexts;
    for (char const * pcText : {"b", "c", "d", "e", "f"})
        arrTexts.Add(bCString(pcText));
    arrTexts.FreeExtra();
    arrTexts.Add(arrTexts[0]); // an element of the array itself survives the move of its block
    EXPECT_TRUE(arrTexts.InsertAt(0, bCString("a")));
    EXPECT_TRUE(arrTexts.InsertAt(2, arrTexts[0]));
    EXPECT_FALSE(arrTexts.InsertAt(9, bCString("x")));
    EXPECT_EQ(TextsOf(arrTexts), (std::vector<std::string>{"a", "b", "a", "c", "d", "e", "f", "b"}));

    bTObjArray<int> arrValues;
    for (int i = 0; i < 8; ++i)
        arrValues.Add(i);
    arrValues.RemoveAt(2);
    arrValues.RemoveAt(4, 2);
    EXPECT_EQ(ValuesOf(arrValues), (std::vector<int>{0, 1, 3, 4, 7}));
    arrValues.RemoveAtFast(1);
    EXPECT_TRUE(arrValues.Remove(3));
    EXPECT_FALSE(arrValues.Remove(42));
    EXPECT_EQ(ValuesOf(arrValues), (std::vector<int>{0, 7, 4}));
    arrValues.RemoveAt(1, 100); // clipped at the end
    arrValues.RemoveAt(5);
    EXPECT_EQ(ValuesOf(arrValues), (std::vector<int>{0}));
    EXPECT_EQ(arrValues.GetCapacity(), 10); // removal never shrinks the storage
}


TEST(bTObjArray, SlotsPastTheCountHoldDefaultObjects)
{
    SCounted::ms_iLive = 0;
    {
        bTObjArray<SCounted> arrItems;
        arrItems.Add(SCounted(1));
        EXPECT_EQ(SCounted::ms_iLive, 5); // every slot of the capacity is a live object
        arrItems.Add(SCounted(2));
        arrItems.Add(SCounted(3));
        arrItems.SetCount(1);
        arrItems.SetCount(3);
        EXPECT_EQ(ValuesOf(arrItems), (std::vector<int>{1, -1, -1})); // removed slots made default again
        arrItems.RemoveAt(0);
        arrItems.FreeExtra();
        EXPECT_EQ(arrItems.GetCapacity(), 2);
        EXPECT_EQ(SCounted::ms_iLive, 2);
    }
    EXPECT_EQ(SCounted::ms_iLive, 0);

    bTObjArray<bCString> arrTexts;
    arrTexts.Add(bCString("gone"));
    arrTexts.Clear();
    arrTexts.FreeExtra(); // of an empty array: releases everything
    EXPECT_EQ(arrTexts.GetArray(), nullptr);
}

TEST(bTObjArray, CopyValueAndAutoPointerArrays)
{
    bTObjArray<bCString> arrSource;
    for (char const * pcText : {"x", "y", "z"})
        arrSource.Add(bCString(pcText));
    bTObjArray<bCString> arrDest;
    for (int i = 0; i < 10; ++i)
        arrDest.Add(bCString("old"));
    arrDest = arrSource;
    EXPECT_EQ(TextsOf(arrDest), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(arrDest.GetCapacity(), 10);   // the destination keeps its storage
    EXPECT_EQ(arrDest[0].GetRefCount(), 2); // assigned, so the buffer is shared
    bTObjArray<bCString> const & arrSame = arrDest;
    arrDest = arrSame;
    EXPECT_EQ(arrDest.GetCount(), 3);
    EXPECT_EQ(bTObjArray<bCString>(arrSource).GetCapacity(), 7);

    // Value arrays: new trailing elements are zero.
    bTValArray<int> arrValues;
    arrValues.Add(5);
    arrValues.Add(6);
    arrValues.SetCount(1);
    arrValues.SetCount(3);
    EXPECT_EQ(arrValues.AddNew(), 3);
    EXPECT_EQ(ValuesOf(arrValues), (std::vector<int>{5, 0, 0, 0}));
    EXPECT_FALSE(arrValues.SetCount(-1));
    EXPECT_EQ(arrValues.IndexOf(0), 1);

    // Auto-pointer arrays delete their pointees on removal and destruction.
    SOwned::ms_iDeleted = 0;
    {
        bTAutoPtrArray<SOwned *> arrOwned;
        for (int i = 0; i < 6; ++i)
            arrOwned.Add(new SOwned(i));
        arrOwned.RemoveAt(0);
        arrOwned.RemoveAtFast(0);
        EXPECT_EQ(SOwned::ms_iDeleted, 2);
        EXPECT_EQ(arrOwned[0]->m_iValue, 5);
        delete arrOwned.DetachAt(0);
        EXPECT_EQ(SOwned::ms_iDeleted, 3);
        arrOwned.Add(new SOwned(9));
        arrOwned.SetCount(1);
        EXPECT_EQ(SOwned::ms_iDeleted, 6);
    }
    EXPECT_EQ(SOwned::ms_iDeleted, 7);
}

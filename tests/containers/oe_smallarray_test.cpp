#include <vellmark/containers/oe_smallarray.h>
#include <vellmark/kernel/oe_string.h>

#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    // Appends past the limit with every message let through; gives the messages.
    std::string AppendPastTheLimit(bTSmallArray<unsigned char> & a_arrBytes, unsigned char a_u8Value)
    {
        bCMessageAdmin & Admin = bCMessageAdmin::GetInstance();
        bEMessageFilterTypes const eFilter = Admin.GetFilterType();
        Admin.SetFilterType(bEMessageFilterTypes_None);
        bCMessageRecorder Recorder;
        EXPECT_EQ(a_arrBytes.Add(a_u8Value), -1);
        Admin.SetFilterType(eFilter);
        return Recorder.GetAll();
    }
} // namespace

TEST(bTSmallArray, FieldsGrowthAndTheLimit)
{
    static_assert(sizeof(bTSmallArray<float>) == 4 + sizeof(void *) + (sizeof(void *) - 4));
    bTSmallArray<float> arrValues;
    arrValues.Add(1.5f);
    uint16_t arrFields[2];
    std::memcpy(arrFields, &arrValues, sizeof(arrFields));
    EXPECT_EQ(arrFields[0], 4); // capacity first
    EXPECT_EQ(arrFields[1], 1); // then the count

    // Grows by four, then sixteen, then a quarter below 65536.
    bTSmallArray<float> arrGrown;
    std::vector<int> arrCapacities;
    for (int i = 0; i < 200; ++i)
    {
        arrGrown.Add(static_cast<float>(i));
        if (arrCapacities.empty() || arrCapacities.back() != arrGrown.GetCapacity())
            arrCapacities.push_back(arrGrown.GetCapacity());
    }
    EXPECT_EQ(arrCapacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118, 147, 183, 228}));
    for (int i = 0; i < 200; ++i)
        ASSERT_EQ(arrGrown[i], static_cast<float>(i));
    EXPECT_EQ(bTSmallArray<int>::GetGrownCapacity(52428), 65535);
    EXPECT_EQ(bTSmallArray<int>::GetGrownCapacity(52429), 65534);
    EXPECT_EQ(bTSmallArray<int>::GetGrownCapacity(65534), 65534);

    // From empty the capacity ends at 65534; from exactly 52428 the next append grows by a quarter to 65535.
    for (int iStart : {0, 52428})
    {
        SCOPED_TRACE(iStart);
        bTSmallArray<unsigned char> arrBytes;
        ASSERT_TRUE(arrBytes.SetCount(iStart));
        for (int i = iStart; i < 65534; ++i)
            ASSERT_EQ(arrBytes.Add(static_cast<unsigned char>(i)), i);
        EXPECT_EQ(arrBytes.GetCapacity(), iStart ? 65535 : 65534);
        EXPECT_EQ(AppendPastTheLimit(arrBytes, 1), "The method bTSmallArray::Add detected an improper usage! \nHint:A "
                                                   "bTSmallArray holds at most 65534 elements. \n");
        EXPECT_EQ(arrBytes.GetCount(), 65534);
        EXPECT_EQ(arrBytes[65533], static_cast<unsigned char>(65533));
        EXPECT_FALSE(arrBytes.SetCount(65535));
        EXPECT_EQ(arrBytes.GetCount(), 65534);
    }
}

TEST(bTSmallArray, ConstructsDestroysAndRemovesElements)
{
    bTSmallArray<bCString> arrTexts;
    bCString strShared("shared");
    for (int i = 0; i < 5; ++i)
        arrTexts.Add(strShared);
    arrTexts.RemoveAt(1, 2);
    EXPECT_EQ(strShared.GetRefCount(), 4);
    arrTexts.SetCount(5);
    EXPECT_TRUE(arrTexts[4].IsEmpty());
    arrTexts.SetCount(1);
    EXPECT_EQ(strShared.GetRefCount(), 2);
    {
        bTSmallArray<bCString> arrCopy(arrTexts);
        EXPECT_EQ(strShared.GetRefCount(), 3);
    }
    arrTexts.Destroy();
    EXPECT_EQ(strShared.GetRefCount(), 1);
    EXPECT_EQ(arrTexts.GetCapacity(), 0);

    // Removal forms keep or disturb the order.
    bTSmallArray<int> arrValues;
    for (int i = 0; i < 6; ++i)
        arrValues.Add(i);
    arrValues.RemoveAt(1);
    arrValues.RemoveAtFast(0);
    arrValues.RemoveAt(7);
    arrValues.Add(9);
    arrValues.RemoveAtFast(4); // the last element
    std::vector<int> arrSeen(arrValues.BeginIterator(), arrValues.EndIterator());
    EXPECT_EQ(arrSeen, (std::vector<int>{5, 2, 3, 4}));
    EXPECT_EQ(arrValues.IndexOf(3), 2);
    arrValues.Add(arrValues[0]); // an element of the full block itself
    EXPECT_EQ(arrValues[4], 5);
}

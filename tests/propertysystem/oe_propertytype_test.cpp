#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"

#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <gtest/gtest.h>

namespace
{
    // An output stream that cannot seek: it only collects the bytes.
    class bCCollectingStream : public bCOStream
    {
    public:
        using bCOStream::Write;
        unsigned long Write(void const * a_pBuffer, unsigned long a_uSize) override
        {
            m_strBytes.append(static_cast<char const *>(a_pBuffer), a_uSize);
            return a_uSize;
        }
        std::string m_strBytes;
    };

    bCPropertyTypeBase * Property(char const * a_pcClass, char const * a_pcName)
    {
        return bCPropertyObjectSingleton::GetInstance().FindTemplate(a_pcClass)->FindPropertyTemplate(a_pcName);
    }
} // namespace

TEST(bTPropertyType, StreamThatCannotSeekGetsTheSameBytes)
{
    bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().QueryNewObject("bCTestLeaf");
    bCMemoryStream Seekable;
    bCCollectingStream Plain;
    pObject->Write(Seekable);
    pObject->Write(Plain);
    EXPECT_EQ(Plain.m_strBytes, GetContent(Seekable));
    pObject->ReleaseReference();
}

TEST(bTPropertyType, IdentifiersEnumerationsAndValueAccess)
{
    bCPropertyTypeBase * pLeaf = Property("bCTestLeaf", "Leaf");
    bCPropertyTypeBase * pFlag = Property("bCTestLeaf", "Flag");
    bCPropertyID Expected;
    Expected.CreateFromString("Leaf");
    EXPECT_TRUE(pLeaf->GetID() == Expected);
    EXPECT_TRUE(pLeaf->GetID() != pFlag->GetID());
    EXPECT_EQ(pLeaf->GetEnumCount(), -1);
    EXPECT_EQ(pLeaf->GetEnumEntry(0), nullptr);
    EXPECT_EQ(pLeaf->GetValuePointer(static_cast<bCPropertyObjectBase *>(nullptr)), nullptr);
    EXPECT_FALSE(pLeaf->CopyPropertyValue(nullptr, nullptr));

    bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().QueryNewObject("bCTestLeaf");
    bCTestLeaf * pNative = static_cast<bCTestLeaf *>(pObject->GetNativeObject());
    EXPECT_EQ(pLeaf->GetValuePointer(pObject), &pNative->m_sLeaf);
    dynamic_cast<bTPropertyTypeOnly<short> &>(*pLeaf).SetPropertyValue(pObject, static_cast<short>(44));
    EXPECT_EQ(pNative->m_sLeaf, 44);
    pObject->ReleaseReference();

    auto * pTable = new bCPropertyEnumTable;
    pTable->Add(new bCPropertyEnumValue("Red", 0));
    pTable->Add(new bCPropertyEnumValue("Blue", 5));
    bTPropertyType<bCTestEmpty, long> Colors(0, "Colors", "Look", "the colour", bEPropertyType_Normal, true, pTable);
    EXPECT_TRUE(Colors.IsEnum());
    EXPECT_EQ(Colors.GetEnumCount(), 2);
    EXPECT_EQ(Colors.GetEnumEntry(1)->GetEnumValue(), 5);
    EXPECT_EQ(Colors.GetEnumEntry(Colors.GetEnumCount()), nullptr);
    EXPECT_TRUE(Colors.IsReadOnly());
    EXPECT_EQ(bCPropertyObjectSingleton::GetInstance().FindTemplate("bCTestEmpty")->GetPropertyTypeCount(), 1);
}

TEST(bCPOStream, MoreThan65535StringsIsFatal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bCPOStream Main;
            bCPOStream::DisableLegacyMode();
            for (int i = 0; i <= 0xFFFF; ++i)
                Main.Write(bCString::GetFormattedString("%d", i));
        },
        ::testing::ExitedWithCode(447 & 0xFF), "");
}

#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <gtest/gtest.h>

namespace
{
    bCBytes Record(std::string const & a_strName, std::string const & a_strType, bCBytes const & a_Value)
    {
        bCBytes Bytes;
        Bytes.Str(a_strName).Str(a_strType).U16(30).Sized(a_Value);
        return Bytes;
    }

    // The data block of a bCTestLeaf with its default values.
    bCBytes LeafData()
    {
        bCBytes Data;
        Data.U16(30).U32(5);
        Data.Bytes(Record("Leaf", "short", bCBytes().U16(static_cast<uint16_t>(-3))));
        Data.Bytes(Record("Flag", "bool", bCBytes().U8(1)));
        Data.Bytes(Record("Middle", "float", bCBytes().F32(1.5f)));
        Data.Bytes(Record("Name", "bCString", bCBytes().Str("middle")));
        Data.Bytes(Record("Base", "long", bCBytes().U32(7)));
        Data.U16(2).U8(0x11);
        return Data;
    }

    bCPropertyObjectBase * NewObject(char const * a_pcClass)
    {
        return bCPropertyObjectSingleton::GetInstance().QueryNewObject(a_pcClass);
    }

    template <typename CLASS> CLASS * Native(bCPropertyObjectBase * a_pObject)
    {
        return static_cast<CLASS *>(a_pObject->GetNativeObject());
    }
} // namespace

TEST(bTPropertyObject, WritesRecordsOwnClassFirstThenBaseClassesThenNativeData)
{
    bCPropertyObjectBase * pObject = NewObject("bCTestLeaf");
    ASSERT_NE(pObject, nullptr);
    bCMemoryStream Stream;
    pObject->Write(Stream);
    bCBytes Expected;
    Expected.U16(83).Sized(LeafData());
    EXPECT_EQ(GetContent(Stream), Expected.Get());
    EXPECT_EQ(pObject->ReleaseReference(), 0ul);
    pObject = NewObject("bCTestEmpty"); // no records: the count 0 and the native version
    SetContent(Stream, "");
    pObject->Write(Stream);
    EXPECT_EQ(GetContent(Stream), bCBytes().U16(83).U32(8).U16(30).U32(0).U16(1).Get());
    pObject->ReleaseReference();
}

TEST(bTPropertyObject, PropertyObjectAsAPropertyValue)
{
    bCPropertyObjectBase * pHolder = NewObject("bCTestHolder");
    bCTestHolder * pNative = Native<bCTestHolder>(pHolder);
    Native<bCTestNotified>(&pNative->m_Inner)->m_uKind = 77;
    bCMemoryStream Stream;
    pHolder->Write(Stream);
    bCBytes Inner;
    bCBytes InnerData;
    InnerData.U16(30).U32(2).Str("Count").Str("long").U16(30).Sized(bCBytes().U32(0));
    InnerData.Str("Kind").Str("short").U16(30).Sized(bCBytes().U16(77)).U16(1);
    Inner.U16(83).Sized(InnerData);
    bCBytes Data;
    Data.U16(30).U32(2);
    Data.Str("Inner").Str("bTPropertyObject<class bCTestNotified,class bCObjectRefBase>").U16(30).Sized(Inner);
    Data.Str("Outer").Str("long").U16(30).Sized(bCBytes().U32(3));
    Data.U16(1);
    EXPECT_EQ(GetContent(Stream), bCBytes().U16(83).Sized(Data).Get());

    bCPropertyObjectBase * pRead = NewObject("bCTestHolder");
    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    pRead->Read(Stream);
    EXPECT_EQ(Native<bCTestNotified>(&Native<bCTestHolder>(pRead)->m_Inner)->m_uKind, 77);
    bCPropertyObjectBase * pClone = pHolder->Clone();
    EXPECT_EQ(Native<bCTestNotified>(&Native<bCTestHolder>(pClone)->m_Inner)->m_uKind, 77);
    pClone->ReleaseReference();
    pRead->ReleaseReference();
    pHolder->ReleaseReference();
}

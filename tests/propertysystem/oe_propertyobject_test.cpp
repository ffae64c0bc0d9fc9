#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

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

TEST(bTPropertyObject, WritesRecordsInOrderAndObjectsAsPropertyValues)
{
    bCPropertyObjectBase * pObject = NewObject("bCTestLeaf");
    ASSERT_NE(pObject, nullptr);
    bCMemoryStream Stream;
    pObject->Write(Stream);
    bCBytes Expected;
    Expected.U16(83).Sized(LeafData());
    EXPECT_EQ(GetContent(Stream), Expected.Get());
    bCCollectingStream Plain; // a stream that cannot seek gets the same bytes
    pObject->Write(Plain);
    EXPECT_EQ(Plain.m_strBytes, Expected.Get());
    EXPECT_EQ(pObject->ReleaseReference(), 0ul);
    pObject = NewObject("bCTestEmpty"); // no records: the count 0 and the native version
    SetContent(Stream, "");
    pObject->Write(Stream);
    EXPECT_EQ(GetContent(Stream), bCBytes().U16(83).U32(8).U16(30).U32(0).U16(1).Get());
    pObject->ReleaseReference();

    // A derived class that extends WriteData: its bytes are inside the data block, on both roads.
    struct bCExtended : bTPropertyObject<bCTestEmpty, bCObjectRefBase>
    {
        void WriteData(bCOStream & a_Stream) override
        {
            bTPropertyObject::WriteData(a_Stream);
            a_Stream.Write(static_cast<unsigned char>(0x5A));
        }
    };
    bCExtended * pExtended = new bCExtended;
    SetContent(Stream, "");
    pExtended->Write(Stream);
    std::string const strExtended = bCBytes().U16(83).U32(9).U16(30).U32(0).U16(1).U8(0x5A).Get();
    EXPECT_EQ(GetContent(Stream), strExtended);
    bCCollectingStream PlainExtended;
    pExtended->Write(PlainExtended);
    EXPECT_EQ(PlainExtended.m_strBytes, strExtended);
    pExtended->ReleaseReference();

    // A property object as a property value.
    bCPropertyObjectBase * pHolder = NewObject("bCTestHolder");
    bCTestHolder * pNative = Native<bCTestHolder>(pHolder);
    Native<bCTestNotified>(&pNative->m_Inner)->m_uKind = 77;
    bCMemoryStream HolderStream;
    pHolder->Write(HolderStream);
    // The inner object is one record whose value is the inner object's own stream form.
    std::string const strValueType = "bTPropertyObject<class bCTestNotified,class bCObjectRefBase>";
    EXPECT_NE(GetContent(HolderStream).find(bCBytes().Str("Inner").Str(strValueType).Get()), std::string::npos);
    bCPropertyObjectBase * pRead = NewObject("bCTestHolder");
    HolderStream.SetPosition(0, bEStreamSeekMode_Begin);
    pRead->Read(HolderStream);
    EXPECT_EQ(Native<bCTestNotified>(&Native<bCTestHolder>(pRead)->m_Inner)->m_uKind, 77);
    bCPropertyObjectBase * pClone = pHolder->Clone();
    EXPECT_EQ(Native<bCTestNotified>(&Native<bCTestHolder>(pClone)->m_Inner)->m_uKind, 77);
    pClone->ReleaseReference();
    pRead->ReleaseReference();
    pHolder->ReleaseReference();

    // The property type: its identifier, and null objects.
    bCPropertyTypeBase * pLeaf =
        bCPropertyObjectSingleton::GetInstance().FindTemplate("bCTestLeaf")->FindPropertyTemplate("Leaf");
    bCPropertyID ExpectedID;
    ExpectedID.CreateFromString("Leaf");
    EXPECT_TRUE(pLeaf->GetID() == ExpectedID);
    EXPECT_EQ(pLeaf->GetEnumCount(), -1);
    EXPECT_EQ(pLeaf->GetValuePointer(static_cast<bCPropertyObjectBase *>(nullptr)), nullptr);
    EXPECT_FALSE(pLeaf->CopyPropertyValue(nullptr, nullptr));
}


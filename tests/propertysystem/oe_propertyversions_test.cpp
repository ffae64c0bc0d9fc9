// Reading objects written by other builds of a class: records reordered,
// added, removed, of a changed value type, and older stream versions.

#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

namespace
{
    bCBytes Count(uint32_t a_uValue) { return Record("Count", "long", bCBytes().U32(a_uValue)); }
    bCBytes Kind(uint16_t a_uValue) { return Record("Kind", "short", bCBytes().U16(a_uValue)); }

    // An object of version a_uVersion whose data block holds a_Prefix, then
    // the records with property-data version a_uDataVersion, then native version 1.
    std::string Object(std::vector<bCBytes> const & a_arrRecords, uint16_t a_uDataVersion = 30,
                       uint16_t a_uVersion = 83, bCBytes const & a_Prefix = bCBytes())
    {
        bCBytes Data;
        Data.Bytes(a_Prefix).U16(a_uDataVersion).U32(static_cast<uint32_t>(a_arrRecords.size()));
        for (bCBytes const & Rec : a_arrRecords)
            Data.Bytes(Rec);
        Data.U16(1);
        return bCBytes().U16(a_uVersion).Sized(Data).Get();
    }

    struct bSReadResult
    {
        unsigned long m_uCount;
        unsigned short m_uKind;
        std::vector<std::string> m_arrEvents;
        bool m_bAtEnd;
    };

    bSReadResult ReadNotified(std::string const & a_strBytes)
    {
        bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().QueryNewObject("bCTestNotified");
        bCTestNotified * pNative = static_cast<bCTestNotified *>(pObject->GetNativeObject());
        pNative->m_uCount = 5;
        pNative->m_uKind = 6;
        bCTestNotified::ms_arrEvents.clear();
        bCMemoryStream Stream;
        SetContent(Stream, a_strBytes);
        pObject->Read(Stream);
        bSReadResult Result{pNative->m_uCount, pNative->m_uKind, bCTestNotified::ms_arrEvents,
                            Stream.GetPosition() == Stream.GetSize()};
        pObject->ReleaseReference();
        return Result;
    }
} // namespace

TEST(bTPropertyObject, ReadsRecordsOfOtherBuildsAndNotifiesSettingAndCopying)
{
    bCBytes const Prefix81 = bCBytes().U32(1).U32(2).U32(3).U32(4).U32(9);       // a property identifier
    bCBytes const Prefix1 = bCBytes().Str("old name").Bytes(Prefix81);           // name and identifier
    std::string const strEnterCount = "enter Count stream", strExitCount = "exit Count stream";
    std::string const strEnterKind = "enter Kind stream", strExitKind = "exit Kind stream";
    struct
    {
        char const * m_pcCase;
        std::string m_strBytes;
        unsigned long m_uCount;
        unsigned short m_uKind;
        std::vector<std::string> m_arrEvents;
    } const arrCases[] = {
        {"reordered", Object({Kind(2), Count(1)}), 1, 2, {strEnterKind, strExitKind, strEnterCount, strExitCount}},
        {"property removed from the class", Object({Record("Gone", "float", bCBytes().F32(2)), Count(1)}), 1, 6,
         {strEnterCount, strExitCount}},
        {"property added to the class", Object({Kind(2)}), 5, 2, {strEnterKind, strExitKind}},
        {"value type changed", Object({Record("Count", "float", bCBytes().F32(1)), Kind(2)}), 5, 2,
         {"deprecated Count float pos 0 size 4 version 0 bytes 0000803f", strEnterKind, strExitKind}},
        {"data version 29: no value type names", Object({Record("Kind", "", bCBytes().U16(2))}, 29), 5, 2,
         {strEnterKind, strExitKind}},
        {"object version 81", Object({Count(1)}, 30, 81, Prefix81), 1, 6, {strEnterCount, strExitCount}},
        {"object version 1", Object({Count(1)}, 30, 1, Prefix1), 1, 6, {strEnterCount, strExitCount}},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcCase);
        bSReadResult const Result = ReadNotified(Case.m_strBytes);
        EXPECT_EQ(Result.m_uCount, Case.m_uCount);
        EXPECT_EQ(Result.m_uKind, Case.m_uKind);
        EXPECT_EQ(Result.m_arrEvents, Case.m_arrEvents);
        EXPECT_TRUE(Result.m_bAtEnd);
    }

    // Setting and copying notify as changes of the property system.
    bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().QueryNewObject("bCTestNotified");
    bCPropertyObjectTypeBase * pType = pObject->GetObjectType();
    auto * pKind = dynamic_cast<bTPropertyTypeOnly<unsigned short> *>(pType->FindPropertyTemplate("Kind"));
    ASSERT_NE(pKind, nullptr);
    bCTestNotified::ms_arrEvents.clear();
    pKind->SetPropertyValue(pObject, static_cast<unsigned short>(9));
    EXPECT_EQ(*pKind->ProperyGetter(pObject), 9);
    bCPropertyObjectBase * pClone = pObject->Clone();
    EXPECT_EQ(*pKind->ProperyGetter(pClone), 9);
    EXPECT_EQ(pClone->GetReferenceCount(), 1ul);
    EXPECT_EQ(bCTestNotified::ms_arrEvents,
              (std::vector<std::string>{"enter Kind set", "exit Kind set", "enter Count set", "exit Count set",
                                        "enter Kind set", "exit Kind set"}));
    pClone->ReleaseReference();
    pObject->ReleaseReference();
}

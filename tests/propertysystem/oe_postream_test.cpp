#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <gtest/gtest.h>

TEST(bCPOStream, RepeatedStringIsOneTableEntryWrittenAsIndex)
{
    bCPOStream Main;
    ASSERT_TRUE(Main.IsMain());
    bCPOStream::DisableLegacyMode();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Main.Write(bCString("door")), 2ul);
    Main.Write(bCString("key"));
    EXPECT_EQ(GetContent(Main), bCBytes().U16(0).U16(0).U16(0).U16(1).Get());
    bCMemoryStream File;
    EXPECT_TRUE(Main.WriteFile(File));
    bCBytes Body;
    Body.U16(0).U16(0).U16(0).U16(1);
    EXPECT_EQ(GetContent(File), bCBytes().U16(1).U8(1).U32(2).Str("door").Str("key").U32(8).Bytes(Body).Get());
}

TEST(bCPOStream, OnlyOneMainStreamAndLegacyModeAfterIt)
{
    bCMemoryStream File;
    {
        bCPOStream Main;
        EXPECT_TRUE(bCPOStream::IsInLegacyMode());
        EXPECT_TRUE(Main.WriteFile(File));
        EXPECT_EQ(GetContent(File), bCBytes().U16(1).U8(1).U32(0).U32(0).Get());
        File.Destroy();
        Main.Write(bCString("plain")); // legacy mode: the plain form, no table entry
        bCPOStream Other;
        EXPECT_FALSE(Other.IsMain());
        EXPECT_FALSE(Other.WriteFile(File));
        EXPECT_FALSE(Other.ReadFile(File));
        bCPOStream::DisableLegacyMode();
        Other.Write(bCString("shared")); // through the main stream's table
        Main.Write(bCString("shared"));
        EXPECT_EQ(GetContent(Main), bCBytes().Str("plain").U16(0).Get());
    }
    EXPECT_TRUE(bCPOStream::IsInLegacyMode());
    EXPECT_EQ(File.GetSize(), 0);
    bCPOStream NextMain;
    EXPECT_TRUE(NextMain.IsMain());
}

TEST(bCPOStream, ReadFileLoadsTableAndBodyAndLeavesLegacyMode)
{
    bCMemoryStream File;
    SetContent(File, bCBytes().U16(1).U8(7).U32(2).Str("a").Str("bc").U32(6).U16(1).U16(0).U16(2).Get());
    bCPOStream Main;
    ASSERT_TRUE(Main.ReadFile(File));
    EXPECT_FALSE(bCPOStream::IsInLegacyMode());
    EXPECT_EQ(Main.GetPosition(), 0);
    bCString strText;
    EXPECT_EQ(Main.Read(strText), 4ul);
    EXPECT_STREQ(strText.GetText(), "bc");
    EXPECT_EQ(Main.Read(strText), 4ul);
    EXPECT_STREQ(strText.GetText(), "a");
    bCMessageRecorder Recorder;
    EXPECT_EQ(Main.Read(strText), 0ul); // index 2 == table size
    EXPECT_STREQ(strText.GetText(), "a");
    EXPECT_EQ(Recorder.GetAll(), "bCPOStream::Read - warning: can´t find valid index:2\n");
}

TEST(bCPOStream, DamagedFilesChangeNothing)
{
    std::string const strGood = bCBytes().U16(1).U8(1).U32(1).Str("abc").U32(2).U16(0).Get();
    struct
    {
        char const * m_pcCase;
        std::string m_strBytes;
    } const arrCases[] = {
        {"version 2", bCBytes().U16(2).U8(1).U32(0).U32(0).Get()},
        {"string count larger than the file", bCBytes().U16(1).U8(1).U32(0x7FFFFFFF).Str("a").U32(0).Get()},
        {"body larger than the file", bCBytes().U16(1).U8(1).U32(0).U32(0xFFFFFFF0).U16(0).Get()},
        {"body a little larger than the file", bCBytes().U16(1).U8(1).U32(0).U32(0x10000).U16(0).Get()},
    };
    std::vector<std::string> arrInputs;
    for (auto const & Case : arrCases)
        arrInputs.push_back(Case.m_strBytes);
    for (size_t uCut = 0; uCut < strGood.size(); ++uCut)
        arrInputs.push_back(strGood.substr(0, uCut));
    bCPOStream Main;
    bCPOStream::DisableLegacyMode();
    Main.Write(bCString("kept"));
    // From memory, where the end is known, and from a plain stream, where it is not.
    for (bool bPlain : {false, true})
        for (std::string const & strInput : arrInputs)
        {
            SCOPED_TRACE(std::to_string(strInput.size()) + (bPlain ? " plain" : " memory"));
            bCMemoryStream File;
            SetContent(File, strInput);
            bCPlainInput Plain(strInput);
            EXPECT_FALSE(bPlain ? Main.ReadFile(Plain) : Main.ReadFile(File));
            EXPECT_EQ(GetContent(Main), bCBytes().U16(0).Get());
            bCPOStream::bCStringList * pList = nullptr;
            bCPOStream::bCStringMap * pMap = nullptr;
            bCPOStream::GetStringList(pList, pMap);
            ASSERT_EQ(pList->GetCount(), 1);
            EXPECT_STREQ((*pList)[0].GetText(), "kept");
        }
    for (bool bPlain : {false, true})
    {
        char const * const pcMode = bPlain ? "plain" : "memory";
        SCOPED_TRACE(pcMode);
        std::string const strFile = bCBytes().U16(1).U8(1).U32(1).Str(pcMode).U32(4).U16(0).U16(bPlain).U16(9).Get();
        bCMemoryStream File;
        SetContent(File, strFile);
        bCPlainInput Plain(strFile);
        EXPECT_TRUE(bPlain ? Main.ReadFile(Plain) : Main.ReadFile(File));
        EXPECT_EQ(GetContent(Main), bCBytes().U16(0).U16(bPlain).Get()); // the body, without what follows it
        EXPECT_EQ(Main.GetPosition(), 0);
        bCPOStream::bCStringList * pList = nullptr;
        bCPOStream::bCStringMap * pMap = nullptr;
        bCPOStream::GetStringList(pList, pMap);
        ASSERT_EQ(pList->GetCount(), 1);
        EXPECT_STREQ((*pList)[0].GetText(), pcMode);
    }
}

TEST(bCPOStream, ObjectsRoundTripThroughAFile)
{
    bCMemoryStream File;
    {
        bCPOStream Main;
        bCPOStream::DisableLegacyMode();
        bCPropertyObjectBase * pLeaf = bCPropertyObjectSingleton::GetInstance().QueryNewObject("bCTestLeaf");
        static_cast<bCTestLeaf *>(pLeaf->GetNativeObject())->m_strName = "door";
        static_cast<bCTestLeaf *>(pLeaf->GetNativeObject())->m_u8Native = 0x42;
        bCPropertyObjectSingleton::GetInstance().WriteObject(Main, pLeaf);
        bCPropertyObjectSingleton::GetInstance().WriteObject(Main, pLeaf);
        pLeaf->ReleaseReference();
        ASSERT_TRUE(Main.WriteFile(File));
    }
    // Table: class name, then every property name and value type name once, in first-use order.
    bCBytes Table;
    Table.U16(1).U8(1).U32(12);
    for (char const * pcText : {"bCTestLeaf", "Leaf", "short", "Flag", "bool", "Middle", "float", "Name", "bCString",
                                "door", "Base", "long"})
        Table.Str(pcText);
    EXPECT_EQ(GetContent(File).substr(0, Table.Get().size()), Table.Get());

    File.SetPosition(0, bEStreamSeekMode_Begin);
    bCPOStream Main;
    ASSERT_TRUE(Main.ReadFile(File));
    for (int i = 0; i < 2; ++i)
    {
        bCPropertyObjectBase * pRead = bCPropertyObjectSingleton::GetInstance().ReadNewObject(Main);
        ASSERT_NE(pRead, nullptr);
        EXPECT_STREQ(static_cast<bCTestLeaf *>(pRead->GetNativeObject())->m_strName.GetText(), "door");
        EXPECT_EQ(static_cast<bCTestLeaf *>(pRead->GetNativeObject())->m_u8Native, 0x42);
        EXPECT_EQ(pRead->GetReferenceCount(), 1ul);
        pRead->ReleaseReference();
    }
    EXPECT_EQ(Main.GetPosition(), Main.GetSize());
}

TEST(bCPOStream, ForcedLegacyModeReachesNestedBlocks)
{
    bCPOStream Main;
    bCPOStream::DisableLegacyMode();
    Main.ForceLegacyMode();
    bCPropertyObjectBase * pObject = bCPropertyObjectSingleton::GetInstance().QueryNewObject("bCTestLeaf");
    bCMemoryStream Plain;
    bCPropertyObjectSingleton::GetInstance().WriteObject(Main, pObject);
    bCPropertyObjectSingleton::GetInstance().WriteObject(Plain, pObject);
    pObject->ReleaseReference();
    EXPECT_EQ(GetContent(Main), GetContent(Plain));
    bCPOStream::bCStringList * pList = nullptr;
    bCPOStream::bCStringMap * pMap = nullptr;
    bCPOStream::GetStringList(pList, pMap);
    EXPECT_EQ(pList->GetCount(), 0);
    Main.Create(); // clears the forced mode
    EXPECT_FALSE(Main.IsForcedLegacyMode());
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

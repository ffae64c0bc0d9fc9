// The factory, the singleton registry and the layouts.

#include "propertysystem/oe_propertybytes.h"
#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

#include <vellmark/propertysystem/persistence/oe_classlayout.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace
{
    bCBytes PropertyLayout(char const * a_pcName, char const * a_pcType, char const * a_pcOwner)
    {
        return bCBytes().U16(1).U16(30).U8(2).Str(a_pcName).Str(a_pcType).Str(a_pcOwner);
    }
} // namespace

TEST(bCPropertyObjectSingleton, CreatesObjectsByClassNameAndWritesRecords)
{
    bCMessageRecorder Recorder;
    EXPECT_EQ(Registry().QueryNewObject(""), nullptr);
    EXPECT_EQ(Registry().QueryNewObject("bCNowhere"), nullptr);
    EXPECT_EQ(Recorder.GetAll(), "bCPropertyObjectSingleton::QueryNewObject - can not find rootobject of class: bCNowhere\n");
    bCPropertyObjectBase * pRoot = Registry().GetRootObject("bCTestLeaf");
    bCPropertyObjectBase * pFirst = Registry().QueryNewObject("bCTestLeaf");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetReferenceCount(), 1ul);
    EXPECT_EQ(static_cast<bCObjectRefBase *>(pFirst->GetNativeObject())->GetReferenceCount(), 1ul);
    EXPECT_EQ(pRoot->GetObjectType()->GetObjectFactory()->GetObjectCount(), 1); // only the root is kept
    pFirst->ReleaseReference();

    // Root and non-persistable objects write no record.
    bCMemoryStream Stream;
    Registry().WriteObject(Stream, Registry().GetRootObject("bCTestLeaf"));
    Registry().WriteObject(Stream, nullptr);
    EXPECT_EQ(Stream.GetSize(), 0);

    struct bCHidden : bTPropertyObject<bCTestEmpty, bCObjectRefBase>
    {
        void Hide() { ObjectPersistable(false); }
    };
    bCHidden * pHidden = new bCHidden;
    pHidden->Hide();
    Registry().WriteObject(Stream, pHidden);
    EXPECT_EQ(GetContent(Stream), bCBytes().U16(1).U8(0).Get());
    bCMemoryStream Stream2;
    SetContent(Stream2, bCBytes().U16(1).U8(0).U8(0xAA).Get());
    EXPECT_EQ(Registry().ReadNewObject(Stream2), nullptr);
    EXPECT_EQ(Stream2.GetPosition(), 3);
    pHidden->ReleaseReference();
}

TEST(bCPropertyObjectSingleton, ReadObjectIntoAnExistingObjectNamePatternsAndRegistration)
{
    bCPropertyObjectBase * pSource = Registry().QueryNewObject("bCTestLeaf");
    static_cast<bCTestLeaf *>(pSource->GetNativeObject())->m_lBase = 99;
    bCMemoryStream Stream;
    Registry().WriteObject(Stream, pSource);
    Registry().WriteObject(Stream, pSource);
    std::string strBytes = GetContent(Stream);
    size_t const uSecond = strBytes.size() / 2;
    strBytes.replace(strBytes.find("bCTestLeaf", uSecond), 10, "bCTestLost");
    SetContent(Stream, strBytes);
    bCPropertyObjectBase * pTarget = Registry().QueryNewObject("bCTestLeaf");
    EXPECT_TRUE(Registry().ReadObject(Stream, *pTarget));
    EXPECT_EQ(static_cast<bCTestLeaf *>(pTarget->GetNativeObject())->m_lBase, 99);
    bCMessageRecorder Recorder;
    EXPECT_FALSE(Registry().ReadObject(Stream, *pTarget));
    EXPECT_EQ(Stream.GetPosition(), Stream.GetSize());
    EXPECT_EQ(Recorder.GetAll(), "bCPropertyObjectSingleton::ReadObject - can´t find class-type 'bCTestLost' in "
                                 "POTemplateList. Skipping content\n");
    pTarget->ReleaseReference();
    pSource->ReleaseReference();

    // Name patterns.
    struct
    {
        char const * m_pcName;
        char const * m_pcPattern;
        bool m_bMatch;
    } const arrCases[] = {
        {"bCDoor", "bC*", true},   {"bCDoor", "bCDoor", false}, {"", "any*", true},       {"bCDoor", "b?X*", false},
        {"bCDoor", "b?Do*", true}, {"bC", "bCD*", false},       {"bCDoor", "bX*", false}, {"bCDoor", "*", true},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(std::string(Case.m_pcName) + " ~ " + Case.m_pcPattern);
        EXPECT_EQ(Registry().Matches(Case.m_pcName, Case.m_pcPattern), Case.m_bMatch);
    }

    // Only the first disabler enables the registration again.
    int iFirst = 0, iOther = 0;
    Registry().EnableRegistration(&iFirst, false);
    Registry().EnableRegistration(&iOther, false);
    EXPECT_FALSE(Registry().IsRegistrationEnabled());
    Registry().EnableRegistration(&iOther, true);
    EXPECT_FALSE(Registry().IsRegistrationEnabled());
    Registry().EnableRegistration(&iFirst, true);
    EXPECT_TRUE(Registry().IsRegistrationEnabled());
}


TEST(bCPropertyObjectFactory, FactoryStreamAndLayouts)
{
    bCPropertyObjectFactory Factory("bCTestLeaf");
    bCPropertyObjectBase * pObject = Registry().QueryNewObject("bCTestLeaf");
    bCMemoryStream Records;
    Records.Write(static_cast<unsigned short>(1));
    Records.Write(static_cast<unsigned long>(2));
    Factory.WriteObject(Records, pObject);
    Factory.WriteObject(Records, pObject);
    pObject->ReleaseReference();
    Records.SetPosition(0, bEStreamSeekMode_Begin);
    bCMessageRecorder Recorder;
    EXPECT_EQ(Factory.Read(Records), 1); // no root in this factory: reported, skipped by size
    EXPECT_EQ(Records.GetPosition(), Records.GetSize());
    EXPECT_EQ(Recorder.GetAll(), "bCPropertyObjectFactory::CloneObjectInstance - can´t find rootobject for factoryclass: \n"
                                 "bCPropertyObjectFactory::CloneObjectInstance - can´t find rootobject for factoryclass: \n");
    // Records of objects that are not roots: each clone lives on with its one reference, and the
    // factory keeps only its root. A root object's record is read into a clone released again.
    bCPropertyObjectFactory & LeafFactory = *Registry().FindTemplate("bCTestLeaf")->GetObjectFactory();
    std::set<bCTestLeaf *> const setBefore = bCTestLeaf::ms_setAlive;
    Records.SetPosition(0, bEStreamSeekMode_Begin);
    EXPECT_EQ(LeafFactory.Read(Records), 1);
    EXPECT_EQ(LeafFactory.GetObjectCount(), 1);
    std::vector<bCTestLeaf *> arrRead;
    for (bCTestLeaf * pLeaf : bCTestLeaf::ms_setAlive)
        if (!setBefore.count(pLeaf))
            arrRead.push_back(pLeaf);
    ASSERT_EQ(arrRead.size(), 2u);
    for (bCTestLeaf * pLeaf : arrRead)
        EXPECT_EQ(pLeaf->GetPropertyObject()->ReleaseReference(), 0ul);
    bCMemoryStream RootRecord;
    RootRecord.Write(static_cast<unsigned short>(1));
    RootRecord.Write(static_cast<unsigned long>(1));
    LeafFactory.WriteObject(RootRecord, LeafFactory.GetRootObject());
    RootRecord.SetPosition(0, bEStreamSeekMode_Begin);
    EXPECT_EQ(LeafFactory.Read(RootRecord), 1);
    EXPECT_EQ(RootRecord.GetPosition(), RootRecord.GetSize());
    EXPECT_EQ(bCTestLeaf::ms_setAlive, setBefore);

    // Class layouts: bound property layouts in registration order; sets round trip.
    bCClassLayout Layout;
    Layout.AssignPropertyObjectType(Registry().FindTemplate("bCTestMiddle"));
    bCMemoryStream Stream;
    Layout.Write(Stream);
    bCBytes Expected;
    Expected.U16(1).Str("bCTestMiddle").U16(1).U8(1).U32(2);
    Expected.Bytes(PropertyLayout("Middle", "float", "bCTestMiddle"));
    Expected.Bytes(PropertyLayout("Name", "bCString", "bCTestMiddle"));
    EXPECT_EQ(GetContent(Stream), Expected.Get());

    Stream.SetPosition(0, bEStreamSeekMode_Begin);
    bCClassLayout Read;
    EXPECT_EQ(Read.Read(Stream), 1);
    ASSERT_EQ(Read.GetPropertyLayouts().GetCount(), 2);
    EXPECT_EQ(Read.GetPropertyLayouts()[1].GetPropertyType(),
              Registry().FindTemplate("bCTestMiddle")->FindPropertyTemplate("Name"));

    bCMemoryStream Unknown;
    SetContent(Unknown, bCBytes().U16(1).Str("bCGone").U16(1).U8(1).U32(1).Bytes(PropertyLayout("X", "int", "bCGone")).Get());
    EXPECT_EQ(Read.Read(Unknown), 1);
    EXPECT_FALSE(Read.IsValid());
    ASSERT_EQ(Read.GetPropertyLayouts().GetCount(), 1);
    EXPECT_FALSE(Read.GetPropertyLayouts()[0].IsValid());

    // The registered classes round trip as a set.
    bCSetLayout Set;
    Set.AssignRegisteredClasses();
    bCMemoryStream SetStream;
    Set.Write(SetStream);
    SetStream.SetPosition(0, bEStreamSeekMode_Begin);
    bCSetLayout ReadSet;
    EXPECT_EQ(ReadSet.Read(SetStream), 1);
    EXPECT_EQ(SetStream.GetPosition(), SetStream.GetSize());
    ASSERT_EQ(ReadSet.GetClassLayouts().GetCount(), Set.GetClassLayouts().GetCount());
    for (int i = 0; i < ReadSet.GetClassLayouts().GetCount(); ++i)
        EXPECT_EQ(ReadSet.GetClassLayouts()[i].GetPropertyObjectType(), Set.GetClassLayouts()[i].GetPropertyObjectType());
}


namespace
{
    std::vector<std::string> s_arrFatals;
    void RecordFatal(char const * a_pcMessage, char const * a_pcFile, int a_iLine)
    {
        s_arrFatals.push_back(std::string(a_pcMessage) + "|" + a_pcFile + "|" + std::to_string(a_iLine));
    }
} // namespace

TEST(bTPropertyType, FatalTextOfMisuse)
{
    s_arrFatals.clear();
    bFFatalHook const funcOld = bCErrorAdmin::SetFatalHook(&RecordFatal);
    auto * pLeaf = dynamic_cast<bTPropertyTypeOnly<short> *>(Registry().FindTemplate("bCTestLeaf")->GetPropertyType(0));
    ASSERT_NE(pLeaf, nullptr);
    bCMemoryStream Stream;
    pLeaf->PropertyWrite(Stream, nullptr);
    bCErrorAdmin::SetFatalHook(funcOld);
    EXPECT_EQ(Stream.GetSize(), 0);
    EXPECT_EQ(s_arrFatals, std::vector<std::string>{"bTPropertyType<CLASS, TYPE>::PropertyWrite - Propertysource must "
                                                    "not NULL !|propertysystem\\types\\oe_propertytype|637"});

    // A root object has no native object to read into: the value is passed over by its size,
    // so that the next record is read from its start.
    bCPropertyObjectBase * pRoot = Registry().GetRootObject("bCTestLeaf");
    ASSERT_TRUE(pRoot && pRoot->IsRoot() && !pRoot->GetNativeObject());
    SetContent(Stream, bCBytes().U16(30).Sized(bCBytes().U16(0x1234)).Str("next").Get());
    pLeaf->PropertyRead(Stream, pRoot);
    EXPECT_EQ(Stream.GetPosition(), 8);
    EXPECT_TRUE(pRoot->IsRoot());
}

// Without a hook the fatal errors above end the process with the fatal exit code.
TEST(bCPropertyObjectFactoryDeathTest, FatalErrorsEndTheProcess)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    using bCLeafObject = bTPropertyObject<bCTestLeaf, bCTestMiddle>;
    using FRead = void (*)(bCMemoryStream &);
    struct
    {
        char const * m_pcCase;
        std::string m_strBytes;
        FRead m_funcRead;
    } const arrCases[] = {
        {"second root object", "", [](bCMemoryStream &) { bCLeafObject Second(bCLeafObject::ms_Root); }},
        {"layout of another value type", PropertyLayout("Middle", "double", "bCTestMiddle").Get(),
         [](bCMemoryStream & a_Stream) { bCPropertyLayout().Read(a_Stream); }},
        {"property data version 0", bCBytes().U16(83).U32(8).U16(0).U32(0).U16(1).Get(),
         [](bCMemoryStream & a_Stream) { Registry().QueryNewObject("bCTestLeaf")->Read(a_Stream); }},
    };
    for (auto const & Case : arrCases)
    {
        SCOPED_TRACE(Case.m_pcCase);
        bCMemoryStream Stream;
        SetContent(Stream, Case.m_strBytes);
        EXPECT_EXIT(Case.m_funcRead(Stream), ::testing::ExitedWithCode(447 & 0xFF), "");
    }
}

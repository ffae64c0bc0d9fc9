#include <vellmark/kernel/oe_memorystream.h>
#include <vellmark/platform/oe_heap.h>
#include <vellmark/platform/oe_messagebox.h>
#include <vellmark/propertysystem/base/oe_objectbase.h>

#include "kernel/oe_stream_testsupport.h"
#include "propertysystem/oe_objecttestsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    class bCPlainObject : public bCObjectBase
    {
    public:
        ~bCPlainObject() override { ++ms_iDestructions; }
        bool IsValid() const override { return ++m_iValidityChecks, true; }
        bEResult CopyFrom(bCObjectBase const & a_Source) override
        {
            m_arrCopiedFrom.push_back(&a_Source);
            return bEResult_Ok;
        }

        using bCObjectBase::CopyTo;
        using bCObjectBase::Destroy;

        mutable int m_iValidityChecks = 0;
        std::vector<bCObjectBase const *> m_arrCopiedFrom;
        static inline int ms_iDestructions = 0;
    };

    // The constant Write is private on purpose; a test reaches it the way an
    // explicit instantiation may, without access checks.
    using FConstWrite = bool (bCObjectBase::*)(bCOStream &) const;
    FConstWrite GetConstWrite();
    template <FConstWrite MEMBER> struct bTConstWriteAccess
    {
        friend FConstWrite GetConstWrite() { return MEMBER; }
    };
    template struct bTConstWriteAccess<&bCObjectBase::Write>;

    std::vector<std::string> g_arrBoxes;
    int RecordBox(char const * a_pcText, char const * a_pcCaption, unsigned int)
    {
        g_arrBoxes.push_back(std::string(a_pcCaption) + ": " + a_pcText);
        return IDOK;
    }
} // namespace

TEST(bCObjectBase, DestroyOnlyAsksIsValid)
{
    bCPlainObject Object;
    Object.Destroy();
    EXPECT_EQ(Object.m_iValidityChecks, 1);
}

TEST(bCObjectBase, AssignmentAndCopyToGoThroughCopyFrom)
{
    bCPlainObject Target;
    bCPlainObject Source;
    bCObjectBase & Base = Target;
    EXPECT_EQ(&(Base = Source), &Base);
    Source.CopyTo(Target);
    ASSERT_EQ(Target.m_arrCopiedFrom.size(), 2u);
    EXPECT_EQ(Target.m_arrCopiedFrom[0], &Source);
    EXPECT_EQ(Target.m_arrCopiedFrom[1], &Source);
    EXPECT_TRUE(Source.m_arrCopiedFrom.empty());
}

TEST(bCObjectBase, FirstReleaseDeletesTheObject)
{
    bCPlainObject::ms_iDestructions = 0;
    bCObjectBase * pObject = new bCPlainObject;
    pObject->AddReference();
    EXPECT_EQ(pObject->ReleaseReference(), 0ul);
    EXPECT_EQ(bCPlainObject::ms_iDestructions, 1);
}

TEST(bCObjectBase, StorageComesFromAndReturnsToTheMemoryAdministration)
{
    bCCountedObject::ms_iDestructions = 0;
    bCObjectBase * pObject = new bCBigObject;
    ASSERT_NE(pObject, nullptr);
    EXPECT_FALSE(IsBigBlockFreeAt(pObject)); // the object holds the pool's big block
    EXPECT_EQ(pObject->bCObjectBase::ReleaseReference(), 0ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 1);
    EXPECT_TRUE(IsBigBlockFreeAt(pObject));
}

TEST(bCObjectBase, FailedAllocationYieldsNullWithoutConstruction)
{
    g_arrBoxes.clear();
    OEMessageBoxHandler funcPrevious = OESetMessageBoxHandler(&RecordBox);
    bCPlainObject::ms_iDestructions = 0;
    OEHeapInjectFailure(1, 1);
    bCPlainObject * pObject = new bCPlainObject;
    OEHeapStopFailures();
    OESetMessageBoxHandler(funcPrevious);
    EXPECT_EQ(pObject, nullptr);
    ASSERT_EQ(g_arrBoxes.size(), 1u);
    EXPECT_EQ(g_arrBoxes[0].rfind("Memory error: ", 0), 0u);
}

TEST(bCObjectBase, ClientNewWithSiteAndPlacementNew)
{
    bCPlainObject::ms_iDestructions = 0;
    bCPlainObject * pObject = new ("bCPlainObject", "test", __FILE__, __LINE__) bCPlainObject;
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->ReleaseReference(), 0ul);

    alignas(bCPlainObject) unsigned char arrPlace[sizeof(bCPlainObject)];
    bCPlainObject * pPlaced = new (arrPlace) bCPlainObject;
    EXPECT_EQ(static_cast<void *>(pPlaced), static_cast<void *>(arrPlace));
    pPlaced->~bCPlainObject();
    EXPECT_EQ(bCPlainObject::ms_iDestructions, 2);
}

TEST(bCObjectBase, WritesTheVersionWordThroughEveryOperator)
{
    bCPlainObject Object;
    bCMemoryStream Stream;
    EXPECT_EQ(Object.Write(Stream), bEResult_Ok);
    EXPECT_EQ(GetBytes(Stream), CBytes({1, 0}));

    bCMemoryStream ByFreeOperator;
    EXPECT_EQ(&(ByFreeOperator << Object), &ByFreeOperator);
    EXPECT_EQ(GetBytes(ByFreeOperator), CBytes({1, 0}));

    bCMemoryStream ByMember;
    EXPECT_EQ(&(Object >> ByMember), &ByMember);
    EXPECT_EQ(GetBytes(ByMember), CBytes({1, 0}));
}

TEST(bCObjectBase, ConstantWriteWarnsAndWritesNothing)
{
    bCPlainObject const Object;
    bCMemoryStream Stream;
    CWarningRecorder Recorder;
    EXPECT_TRUE((Object.*GetConstWrite())(Stream));
    std::vector<std::string> const arrWarnings = Recorder.Stop();
    ASSERT_EQ(arrWarnings.size(), 1u);
    EXPECT_EQ(arrWarnings[0],
              "The method bCObjectBase::Write() detected an improper usage! \nHint:How do you use this?");
    EXPECT_EQ(Stream.GetSize(), 0);
}

TEST(bCObjectBase, ReadTakesOneVersionWordOfAnyValue)
{
    for (CBytes const & arrInput : {CBytes{1, 0, 9}, CBytes{0, 0, 9}, CBytes{2, 0, 9}, CBytes{0xFF, 0xFF, 9}})
    {
        bCPlainObject Object;
        bCMemoryStream Stream;
        Fill(Stream, arrInput);
        EXPECT_EQ(Object.Read(Stream), bEResult_Ok);
        EXPECT_EQ(Stream.GetPosition(), 2);
    }

    bCPlainObject Object;
    bCMemoryStream Stream;
    Fill(Stream, {1, 0, 1, 0});
    EXPECT_EQ(&(Object << Stream), &Stream);
    EXPECT_EQ(&(Stream >> Object), &Stream);
    EXPECT_EQ(Stream.GetPosition(), 4);
}

TEST(bCObjectBase, ReadOfTruncatedInputTakesWhatIsThere)
{
    bCPlainObject Object;
    bCMemoryStream Empty;
    EXPECT_EQ(Object.Read(Empty), bEResult_Ok);
    EXPECT_EQ(Empty.GetPosition(), 0);

    bCMemoryStream OneByte;
    Fill(OneByte, {1});
    EXPECT_EQ(Object.Read(OneByte), bEResult_Ok);
    EXPECT_EQ(OneByte.GetPosition(), 1);
}

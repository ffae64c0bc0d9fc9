#include <vellmark/propertysystem/base/oe_objectrefbase.h>

#include "propertysystem/oe_objecttestsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    uint32_t const kCreated = 0x80000000u;

    // Records its copies.
    class bCObservedObject : public bCCountedObject
    {
    public:
        bEResult CopyFrom(bCObjectBase const & a_Source) override
        {
            m_arrCalls.push_back(&a_Source == this ? "copy self" : "copy");
            return bEResult_Ok;
        }

        std::vector<std::string> m_arrCalls;
    };
} // namespace

TEST(bCObjectRefBase, CreatedFlagCountWrapLastReleaseAndCopies)
{
    bCCountedObject Object;
    EXPECT_EQ(AccessReferenceWord(Object), 1u); // one reference, not created
    EXPECT_EQ(Object.AddReference(), 2ul);
    Object.Destroy(); // never created: changes nothing
    EXPECT_EQ(AccessReferenceWord(Object), 2u);
    Object.Create();
    EXPECT_EQ(AccessReferenceWord(Object), kCreated | 2u);
    bCObjectBase & Base = Object; // the virtual count stays that of the base
    EXPECT_EQ(Base.GetReferenceCount(), 1ul);
    Object.Destroy();
    EXPECT_EQ(AccessReferenceWord(Object), 2u);

    // The count wraps at 31 bits and keeps the flag.
    AccessReferenceWord(Object) = kCreated | 0x7FFFFFFFu;
    EXPECT_EQ(Object.AddReference(), 0ul);
    EXPECT_EQ(AccessReferenceWord(Object), kCreated);
    AccessReferenceWord(Object) = 0x7FFFFFFFu;
    EXPECT_EQ(Object.ReleaseReference(), 0x7FFFFFFEul);
    EXPECT_EQ(AccessReferenceWord(Object), 0x7FFFFFFEu);
    Object.Create();
    EXPECT_EQ(Object.GetReferenceCount(), 0x7FFFFFFEul);
    AccessReferenceWord(Object) = 1;

    // The last release deletes and returns the storage.
    bCCountedObject::ms_iDestructions = 0;
    bCBigObject * pObject = new bCBigObject;
    ASSERT_NE(pObject, nullptr);
    pObject->Create();
    EXPECT_EQ(pObject->AddReference(), 2ul);
    EXPECT_EQ(pObject->ReleaseReference(), 1ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 0);
    EXPECT_FALSE(IsBigBlockFreeAt(pObject));
    EXPECT_EQ(pObject->ReleaseReference(), 0ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 1);
    EXPECT_TRUE(IsBigBlockFreeAt(pObject));

    bCCountedObject * pInvalidated = new bCCountedObject; // a release at count zero deletes too
    pInvalidated->Invalidate();
    EXPECT_EQ(pInvalidated->ReleaseReference(), 0ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 2);

    // Copies and virtual references.
    bCObservedObject Source;
    Source.Create();
    Source.AddReference();
    Source.AddReference();
    bCPropertyObjectBase const * pMarker = reinterpret_cast<bCPropertyObjectBase *>(&Source);
    Source.SetPropertyObject(pMarker);
    bCCountedObject Copy(Source);
    EXPECT_EQ(AccessReferenceWord(Copy), 1u);
    EXPECT_EQ(Copy.GetPropertyObject(), nullptr);
    bCObservedObject Target;
    static_cast<bCObjectRefBase &>(Target) = Source;
    EXPECT_EQ(Target.m_arrCalls, std::vector<std::string>({"copy"}));
    EXPECT_EQ(AccessReferenceWord(Target), kCreated | 3u);
    EXPECT_EQ(Target.GetPropertyObject(), pMarker);
    Source.SetPropertyObject(nullptr);
    Target.Invalidate(); // clears pointer and word
    EXPECT_EQ(AccessReferenceWord(Target), 0u);
    AccessReferenceWord(Target) = 1;

}


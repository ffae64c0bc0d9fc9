#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>

#include "propertysystem/oe_objecttestsupport.h"

#include <gtest/gtest.h>

namespace
{
    // The smallest property object: it owns one native object.
    class bCTestPropertyObject : public bCPropertyObjectBase
    {
    public:
        ~bCTestPropertyObject() override
        {
            ReleaseNativeObject(m_pNative);
            ++ms_iDestructions;
        }
        bCObjectRefBase * GetNativeObject() override { return m_pNative; }
        bCString const & GetClassName() const override { return g_strDefault; }
        bCString const & GetBaseClassName() const override { return g_strDefault; }
        bCString const & GetDescription() const override { return g_strDefault; }
        bCPropertyObjectTypeBase * GetObjectType() const override { return nullptr; }
        bool AttachNativeObject(bCObjectRefBase * a_pNative) override { return Attach(a_pNative), true; }
        void Attach(bCObjectRefBase * a_pNative) { BindNativeObject(a_pNative, m_pNative); }
        void Detach() { ReleaseNativeObject(m_pNative); }

        bCObjectRefBase * m_pNative = nullptr;
        static inline int ms_iDestructions = 0;
    };

    using FFlags = uint32_t bCPropertyObjectBase::*;
    FFlags GetFlagsMember();
    template <FFlags MEMBER> struct bTFlagsAccess
    {
        friend FFlags GetFlagsMember() { return MEMBER; }
    };
    template struct bTFlagsAccess<&bCPropertyObjectBase::m_uFlags>;

    void ResetCounters()
    {
        bCCountedObject::ms_iDestructions = 0;
        bCTestPropertyObject::ms_iDestructions = 0;
    }
} // namespace

TEST(bCPropertyObjectBase, FlagsForwardedReferencesAndBinding)
{
    bCTestPropertyObject Object;
    EXPECT_EQ(Object.GetReferenceCount(), 1ul);
    EXPECT_TRUE(Object.IsPersistable() && !Object.IsRoot() && !Object.IsEmbedded());
    EXPECT_EQ(Object.*GetFlagsMember(), 0x0Au);
    Object.*GetFlagsMember() = 0xF8000000u | (0xFFFFFFu << 3) | 0x7u;
    EXPECT_EQ(Object.AddReference(), 0ul);
    EXPECT_EQ(Object.*GetFlagsMember(), 0xF8000007u);
    EXPECT_EQ(Object.AddReference(), 1ul);
    EXPECT_EQ(Object.*GetFlagsMember(), 0xF8000007u | (1u << 3));

    // A bound native object forwards its references.
    ResetCounters();
    bCCountedObject * pNative = new bCCountedObject;
    bCTestPropertyObject * pObject = new bCTestPropertyObject;
    pObject->Attach(pNative);

    EXPECT_EQ(pNative->AddReference(), 2ul);
    EXPECT_EQ(pObject->GetReferenceCount(), 2ul);
    EXPECT_EQ(pNative->GetReferenceCount(), 2ul); // its own count is left alone
    EXPECT_EQ(pNative->ReleaseReference(), 1ul);

    // The last release, through the native object, deletes the property
    // object; the native object loses the reference the binding took.
    EXPECT_EQ(pNative->ReleaseReference(), 0ul);
    EXPECT_EQ(bCTestPropertyObject::ms_iDestructions, 1);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 0);
    EXPECT_EQ(pNative->GetPropertyObject(), nullptr);
    EXPECT_EQ(pNative->GetReferenceCount(), 1ul);
    EXPECT_EQ(pNative->ReleaseReference(), 0ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 1);

    // A property object at count zero is not forwarded to on release.
    ResetCounters();
    pNative = new bCCountedObject;
    pObject = new bCTestPropertyObject;
    pObject->Attach(pNative);
    pObject->*GetFlagsMember() &= 0x7u; // count 0, flags kept

    EXPECT_EQ(pNative->ReleaseReference(), 1ul); // its own count
    EXPECT_EQ(pObject->GetReferenceCount(), 0ul);
    EXPECT_EQ(pNative->AddReference(), 1ul); // adding always forwards
    EXPECT_EQ(pObject->GetReferenceCount(), 1ul);
    EXPECT_EQ(pNative->GetReferenceCount(), 1ul);

    EXPECT_EQ(pObject->ReleaseReference(), 0ul);
    EXPECT_EQ(bCTestPropertyObject::ms_iDestructions, 1);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 1);

    // Binding takes a reference; rebinding releases it.
    ResetCounters();
    bCCountedObject * pFirst = new bCCountedObject;
    bCCountedObject * pSecond = new bCCountedObject;
    bCTestPropertyObject Bound;
    Bound.Attach(pFirst);
    Bound.Attach(pFirst); // the same object again changes nothing
    EXPECT_EQ(pFirst->GetReferenceCount(), 2ul);
    Bound.Attach(pSecond);
    EXPECT_EQ(pFirst->GetPropertyObject(), nullptr);
    EXPECT_EQ(pFirst->GetReferenceCount(), 1ul);
    EXPECT_EQ(pSecond->GetPropertyObject(), &Bound);
    EXPECT_EQ(pFirst->ReleaseReference(), 0ul);
    Bound.Detach();
    EXPECT_EQ(pSecond->GetPropertyObject(), nullptr);
    EXPECT_EQ(pSecond->ReleaseReference(), 0ul);
    EXPECT_EQ(bCCountedObject::ms_iDestructions, 2);
}


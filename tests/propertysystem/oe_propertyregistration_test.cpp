// The registrations of the shared test classes (static initialisation, in
// this order), and the tests of the registration itself.

#include "propertysystem/oe_propertytestclasses.h"
#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

OE_PROPERTY(bCTestBase, m_lBase, "Base")
OE_PROPERTY_OBJECT(bCTestBase)
OE_PROPERTY(bCTestMiddle, m_fMiddle, "Middle")
OE_PROPERTY(bCTestMiddle, m_strName, "Name")
OE_PROPERTY_OBJECT(bCTestMiddle)
OE_PROPERTY(bCTestLeaf, m_sLeaf, "Leaf")
OE_PROPERTY(bCTestLeaf, m_bLeaf, "Flag")
OE_PROPERTY_OBJECT(bCTestLeaf)
OE_PROPERTY(bCTestNotified, m_uCount, "Count")
OE_PROPERTY(bCTestNotified, m_uKind, "Kind")
OE_PROPERTY_OBJECT(bCTestNotified)
OE_PROPERTY_OBJECT(bCTestEmpty)
OE_PROPERTY(bCTestHolder, m_Inner, "Inner")
OE_PROPERTY(bCTestHolder, m_lOuter, "Outer")
OE_PROPERTY_OBJECT(bCTestHolder)
OE_PROPERTY(bCTestNest, m_lDepth, "Depth")
OE_PROPERTY_OBJECT(bCTestNest)

// The README's example class with its private members (the hook for old value types is checked with
// exact bytes in oe_propertyversions_test.cpp).
class bCDoor : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCDoor, bCObjectRefBase)
private:
    float m_fAngle = 0.0f;
    bCString m_strKey = "none";
    bool m_bLocked = false;
};

OE_PROPERTY(bCDoor, m_fAngle, "Angle")
OE_PROPERTY(bCDoor, m_strKey, "Key")
OE_PROPERTY(bCDoor, m_bLocked, "Locked")
OE_PROPERTY_OBJECT(bCDoor)

TEST(bCPropertyObjectTypeBase, RegistrationPrivateMembersAndOrder)
{
    bCPropertyObjectTypeBase * pDoor = bCPropertyObjectSingleton::GetInstance().FindTemplate("bCDoor");
    ASSERT_NE(pDoor, nullptr);
    ASSERT_EQ(pDoor->GetPropertyTypeCount(), 3);
    EXPECT_EQ(pDoor->GetPropertyType(2)->GetValueOffset(), pDoor->GetPropertyType(1)->GetValueOffset() + sizeof(bCString));

    // Registration keeps the order of the source file; registering twice and copies are refused.
    bCPropertyObjectTypeBase * pType = bCPropertyObjectSingleton::GetInstance().FindTemplate("bCTestLeaf");
    ASSERT_NE(pType, nullptr);
    ASSERT_EQ(pType->GetPropertyTypeCount(), 2);
    bCPropertyTypeBase * pLeaf = pType->GetPropertyType(0);
    EXPECT_STREQ(pLeaf->GetPropertyName().GetText(), "Leaf");
    EXPECT_STREQ(pType->GetPropertyType(1)->GetPropertyName().GetText(), "Flag");
    EXPECT_STREQ(pType->GetBaseClassName().GetText(), "bCTestMiddle");
    EXPECT_EQ(pType->FindPropertyTemplate("flag"), nullptr);
    EXPECT_EQ(pType->FindPropertyTemplate("Flag"), pType->GetPropertyType(1));
    bCMessageRecorder Recorder;
    EXPECT_FALSE(pType->RegisterPropertyTemplate(pLeaf));
    EXPECT_FALSE(pType->RegisterPropertyTemplate(nullptr));
    EXPECT_EQ(pType->GetPropertyTypeCount(), 2);
    EXPECT_EQ(pLeaf->Clone(), nullptr);
    EXPECT_EQ(Recorder.GetAll(),
              "__bCPropertyObjectTypeBase::RegisterPropertyTemplate - property 'Leaf' with valuetype 'short' can´t be "
              "added. Already exist in list ! Can´t be called through accessor during runtime !!\n"
              "The method bTPropertyType<CLASS, TYPE>::DoClone detected an improper usage! \nHint:It is not allowed to "
              "make a clone of propertytype.\nDo not call it from derived class or change access !\n");
    EXPECT_TRUE(pType->UnregisterPropertyTemplate(pLeaf));
    EXPECT_EQ(pType->GetPropertyTypeCount(), 1);
    EXPECT_TRUE(pType->RegisterPropertyTemplate(pLeaf)); // back, now behind "Flag"
    EXPECT_EQ(pType->GetPropertyType(1), pLeaf);
    bCPropertyTypeBase * pFlag = pType->GetPropertyType(0);
    EXPECT_TRUE(pType->UnregisterPropertyTemplate(pFlag)); // the original order again
    EXPECT_TRUE(pType->RegisterPropertyTemplate(pFlag));
    EXPECT_EQ(pType->GetPropertyType(0), pLeaf);
}

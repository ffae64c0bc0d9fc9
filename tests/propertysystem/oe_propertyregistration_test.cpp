// The registrations of the shared test classes (static initialisation, in
// this order), and the tests of the registration itself.

#include "propertysystem/oe_propertytestclasses.h"

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
OE_PROPERTY(bCTestNest, m_lDepth, "Depth")
OE_PROPERTY_OBJECT(bCTestNest)

TEST(bTPropertyType, RegistrationKeepsTheOrderOfTheSourceFile)
{
    bCPropertyObjectTypeBase * pLeaf = bCPropertyObjectSingleton::GetInstance().FindTemplate("bCTestLeaf");
    ASSERT_NE(pLeaf, nullptr);
    ASSERT_EQ(pLeaf->GetPropertyTypeCount(), 2);
    EXPECT_STREQ(pLeaf->GetPropertyType(0)->GetPropertyName().GetText(), "Leaf");
    EXPECT_STREQ(pLeaf->GetPropertyType(1)->GetPropertyName().GetText(), "Flag");
    EXPECT_STREQ(pLeaf->GetClassName().GetText(), "bCTestLeaf");
    EXPECT_STREQ(pLeaf->GetBaseClassName().GetText(), "bCTestMiddle");
    EXPECT_EQ(pLeaf->FindPropertyTemplate("flag"), nullptr);
    EXPECT_EQ(pLeaf->FindPropertyTemplate("Flag"), pLeaf->GetPropertyType(1));
}

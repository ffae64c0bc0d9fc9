#include <vellmark/propertysystem/accessors/oe_accessor_type.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>

#include "propertysystem/accessors/oe_accessortestclasses.h"
#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    std::vector<std::string> Enumerate(bCAccessorProperty a_Property)
    {
        std::vector<std::string> arrVisited;
        for (bool bValid = a_Property.IsValid(); bValid; bValid = ++a_Property)
            arrVisited.push_back(std::string(a_Property.GetClassName().GetText()) +
                                 "::" + a_Property.GetPropertyName().GetText());
        return arrVisited;
    }
} // namespace

TEST(bCAccessorProperty, EnumeratesOwnClassFirstUpToAClassWithoutProperties)
{
    bCAccessorCreator Leaf("bCAccChainLeaf");
    ASSERT_TRUE(Leaf.IsValid());
    std::vector<std::string> const arrExpected = {
        "bCAccChainLeaf::LeafFlag",     "bCAccChainLeaf::LeafCount", "bCAccChainMiddle::MiddleCount",
        "bCAccChainMiddle::MiddleName", "bCAccChainBase::BaseValue",
    };
    EXPECT_EQ(Enumerate(bCAccessorProperty(Leaf)), arrExpected);
    EXPECT_EQ(Enumerate(bCAccessorProperty(bCAccessorPropertyObject("bCAccChainMiddle"))),
              std::vector<std::string>(arrExpected.begin() + 2, arrExpected.end()));
    // Enumeration ends at a class without properties.
    bCAccessorCreator Top("bCAccGapTop");
    EXPECT_EQ(Enumerate(bCAccessorProperty(Top)), std::vector<std::string>{"bCAccGapTop::Top"});
    bCAccessorProperty const Missing(Top, bCString("Bottom")); // lookups stop at the same class
    EXPECT_FALSE(Missing.IsValid());
    EXPECT_EQ(Missing.GetPropertyObject(), nullptr); // an invalid accessor gives no object
    EXPECT_TRUE(bCAccessorProperty(bCAccessorCreator("bCAccGapBottom"), bCString("Bottom")).IsValid());
    EXPECT_TRUE(Enumerate(bCAccessorProperty(bCAccessorCreator("bCAccGapEmpty"))).empty());

    // Names and identifiers resolve through the base classes.
    bCAccessorProperty const Property(Leaf);
    struct bSRow
    {
        char const * m_pcName;
        char const * m_pcClass; // "" when not found
        uint32_t m_u32Index;
    };
    std::vector<bSRow> const arrRows = {
        {"LeafFlag", "bCAccChainLeaf", 0},
        {"MiddleName", "bCAccChainMiddle", 1},
        {"BaseValue", "bCAccChainBase", 0},
        {"basevalue", "", 0xFFFFFFFFu},
        {"Nowhere", "", 0xFFFFFFFFu},
    };
    for (bSRow const & Row : arrRows)
    {
        SCOPED_TRACE(Row.m_pcName);
        bCAccessorProperty const Found = Property[Row.m_pcName];
        EXPECT_EQ(Found.IsValid(), *Row.m_pcClass != 0);
        EXPECT_STREQ(Found.GetClassName().GetText(), Row.m_pcClass);
        EXPECT_EQ(Found.GetIndex(), Row.m_u32Index);

        bCPropertyID ID;
        ID.CreateFromString(Row.m_pcName);
        bCAccessorProperty const ByID(Leaf, ID);
        EXPECT_EQ(ByID.IsValid(), Found.IsValid());
        EXPECT_EQ(ByID.GetIndex(), Found.GetIndex());
        EXPECT_EQ(ByID.GetClassName(), Found.GetClassName());
    }
}

TEST(bCAccessorProperty, DescribesComparesStepsAndSetsTheCurrentProperty)
{
    bCAccessorCreator Leaf("bCAccChainLeaf");
    bCAccessorProperty const Name = bCAccessorProperty(Leaf)["MiddleName"];
    EXPECT_STREQ(Name.GetPropertyType().GetText(), "bCString");
    EXPECT_STREQ(Name.GetPropertyHeader().GetText(), "bCAccChainMiddle::MiddleName");
    EXPECT_EQ(Name.GetPropertyValueDetailType(), bEPropertyTypeDetail_String);

    EXPECT_EQ(bCAccessorProperty().GetPropertyValueDetailType(), bEPropertyTypeDetail_Other);
    // Accessors compare index and class.
    bCAccessorCreator Other("bCAccChainLeaf");
    bCAccessorProperty const First(bCAccessorCreator("bCAccChainLeaf"));
    EXPECT_TRUE(First == bCAccessorProperty(Other)); // the same class, another object
    EXPECT_TRUE(First != First["LeafCount"]);
    EXPECT_TRUE(First != bCAccessorProperty(bCAccessorCreator("bCAccChainMiddle")));

    bCAccessorProperty Property(Leaf); // the postfix form answers validity too
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Property++);
    EXPECT_STREQ(Property.GetPropertyName().GetText(), "BaseValue");
    EXPECT_FALSE(Property++);
    EXPECT_EQ(Property.GetPropertyTypeObject(), nullptr);
    EXPECT_EQ(Property.ConvertValueToString(), bCString());

    // A typed accessor reads and sets through the chain, with notification.
    bCAccChainLeaf * pNative = static_cast<bCAccChainLeaf *>(Leaf->GetNativeObject());
    ASSERT_NE(pNative, nullptr);
    bTAccessorType<float> Base{bCAccessorProperty(Leaf)["BaseValue"]};
    ASSERT_TRUE(Base.IsValid());
    EXPECT_EQ(Base.GetValue(), 2.0f);
    Base.SetValue(4.5f);
    EXPECT_EQ(pNative->m_fBaseValue, 4.5f);
    EXPECT_EQ(pNative->m_arrCalls, (std::vector<std::string>{"enter BaseValue 0", "exit BaseValue 0"}));

    // A typed accessor moved on to a property of another type sets nothing there.
    bTAccessorType<bool> Moved{bCAccessorProperty(Leaf)};
    ASSERT_TRUE(Moved.IsValid());
    ++Moved; // LeafCount, a long
    Moved.SetValue(false);
    EXPECT_TRUE(pNative->m_bLeafFlag);
    EXPECT_EQ(pNative->m_arrCalls.size(), 2u);
}

TEST(bTAccessorTypeDeathTest, GetValueOfAnInvalidAccessorIsFatal)
{
    bCAccessorCreator Leaf("bCAccChainLeaf");
    bTAccessorType<double> const Wrong{bCAccessorProperty(Leaf)["BaseValue"]};
    EXPECT_EXIT(Wrong.GetValue(), testing::ExitedWithCode(191), "bTAccessorType::GetValue - accessor is not valid");
}

TEST(bCAccessorPropertyObject, WalksAndComparesTheChain)
{
    bCAccessorCreator Leaf("bCAccChainLeaf");
    bCAccessorPropertyObject Object(Leaf);
    bCAccessorPropertyObject const Middle("bCAccChainMiddle"), Base("bCAccChainBase"), Gap("bCAccGapTop");
    EXPECT_STREQ(Object.GetPropertyObjectHeader().GetText(), "<<PropertyObject>> bCAccChainLeaf()");
    EXPECT_TRUE(Object.IsDerivedFrom(Base));
    EXPECT_FALSE(Object.IsDerivedFrom(Gap));
    EXPECT_FALSE(Middle.IsDerivedFrom(Object));
    EXPECT_FALSE(Object.IsDerivedFrom(static_cast<bCPropertyObjectBase const *>(nullptr)));
    EXPECT_FALSE(Object.GetBaseClass().HasPropertyObject());
    EXPECT_FALSE(Base.GetBaseClass().IsValid());

    bCPropertyObjectBase * pObject = Object.GetPropertyObject();
    bCAccessorPropertyObject const Before = Object++;
    EXPECT_TRUE(Before.IsKindOf(bCAccessorPropertyObject("bCAccChainLeaf")));
    EXPECT_TRUE(Object == Middle);
    EXPECT_EQ(Object.GetPropertyObject(), pObject); // the same object on the base class
    ++Object;
    EXPECT_TRUE(Object == Base);
    ++Object;
    EXPECT_FALSE(Object.IsValid());
    EXPECT_FALSE(Object == bCAccessorPropertyObject()); // an empty accessor equals nothing
    EXPECT_TRUE(Object.IsKindOf(bCAccessorPropertyObject()));

    // One reference per copy: the creator, the walking accessor and the three below.
    {
        bCAccessorProperty const Property(bCAccessorPropertyObject{pObject});
        bCAccessorCreator const Copy(Leaf);
        bCAccessorPropertyObject const Native(pObject->GetNativeObject());
        EXPECT_EQ(Native.GetPropertyObject(), pObject);
        EXPECT_EQ(pObject->GetReferenceCount(), 5ul);
    }
    EXPECT_EQ(pObject->GetReferenceCount(), 2ul);
    EXPECT_FALSE(bCAccessorPropertyObject("bCAccChainLeaf").Clone().IsValid()); // no object to clone
}

TEST(bCAccessorCreator, CreatesClonesAndQueriesBaseClasses)
{
    bCMessageRecorder Recorder;
    bCAccessorCreator const Unknown("bCAccNoSuchClass");
    EXPECT_FALSE(Unknown.IsValid());
    EXPECT_FALSE(Unknown.Clone().IsValid());

    bCAccessorCreator Leaf("bCAccChainLeaf");
    bTAccessorType<long>{bCAccessorProperty(Leaf)["LeafCount"]}.SetValue(42);
    bCAccessorCreator const Clone = Leaf.Clone();
    ASSERT_TRUE(Clone.IsValid());
    EXPECT_NE(static_cast<bCPropertyObjectBase const *>(Clone), static_cast<bCPropertyObjectBase const *>(Leaf));
    EXPECT_EQ(Clone->GetReferenceCount(), 1ul);
    EXPECT_STREQ(bCAccessorProperty(Clone)["LeafCount"].ConvertValueToString().GetText(), "42");

    EXPECT_TRUE(Leaf.HasBaseClass());
    bCAccessorCreator const Middle = Leaf.QueryBaseClass();
    ASSERT_TRUE(Middle.IsValid());
    EXPECT_STREQ(Middle->GetClassName().GetText(), "bCAccChainMiddle");
    EXPECT_FALSE(Middle.QueryBaseClass().QueryBaseClass().IsValid());

    bCAccessorCreator Shared(Leaf);
    EXPECT_EQ(Leaf->GetReferenceCount(), 2ul);
    Shared.SetInstance(Shared); // the same object again keeps it alive
    EXPECT_EQ(Leaf->GetReferenceCount(), 2ul);
    Shared.Invalidate(); // forgets without releasing
    EXPECT_EQ(Leaf->GetReferenceCount(), 2ul);
    Leaf->ReleaseReference();
}

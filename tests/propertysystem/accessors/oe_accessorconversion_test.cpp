#include <vellmark/propertysystem/accessors/oe_accessor_type.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorenum.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>

#include "propertysystem/accessors/oe_accessortestclasses.h"
#include "support/oe_messagerecorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    using bEOperand = bCAccessorProperty::eEOperandValue;

    struct bSConversion
    {
        char const * m_pcProperty;
        char const * m_pcText; // null: only the text of the start value is checked
        int m_iOperand;
        char const * m_pcExpected;
        bool m_bNotified; // the native object saw enter and exit
    };

    // Each row starts from a new object with the class's start values.
    void CheckConversions(std::vector<bSConversion> const & a_arrRows)
    {
        for (bSConversion const & Row : a_arrRows)
        {
            SCOPED_TRACE(std::string(Row.m_pcProperty) + " <- " + (Row.m_pcText ? Row.m_pcText : "(none)") +
                         " operand " + std::to_string(Row.m_iOperand));
            bCAccessorCreator Object("bCAccAllTypes");
            bCAccAllTypes * pNative = static_cast<bCAccAllTypes *>(Object->GetNativeObject());
            bCAccessorProperty Property = bCAccessorProperty(Object)[Row.m_pcProperty];
            ASSERT_TRUE(Property.IsValid());
            if (Row.m_pcText)
                Property.ConvertStringToValue(Row.m_pcText, static_cast<bEOperand>(Row.m_iOperand));
            EXPECT_STREQ(Property.ConvertValueToString().GetText(), Row.m_pcExpected);
            std::vector<std::string> const arrNotified = {std::string("enter ") + Row.m_pcProperty + " 0",
                                                          std::string("exit ") + Row.m_pcProperty + " 0"};
            EXPECT_EQ(pNative->m_arrCalls, Row.m_bNotified ? arrNotified : std::vector<std::string>());
        }
    }
} // namespace

TEST(bCAccessorProperty, ConvertsEveryValueTypeRefusesObjectBasesAndNeedsAnObject)
{
    CheckConversions({
        {"String", "a text", 7, "a text", true}, // the operand does not matter for texts
        {"Unicode", "wide", 0, "wide", true},
        {"Guid", "{00112233-4455-6677-8899-AABBCCDDEEFF}", 0, "{00112233-4455-6677-8899-AABBCCDDEEFF}", true},
        {"Animation", "walk.anim", 0, "walk.anim", true},
        {"Script", "door.script", 0, "door.script", true},
        {"Image", "stone.material", 0, "stone.material", true},
        {"Embedded", "anything", 0, "bCAccChainBase()", false}, // embedded objects are not parsed
        {"Float", "3", 1, "5.000000", true},
        {"Float", "3", 2, "-1.000000", true},
        {"Float", "3", 3, "6.000000", true},
        {"Float", "4", 4, "0.500000", true},
        {"Float", "3", 5, "2.000000", false},
        {"Double", "0.25", 1, "2.250000", true},
        {"Bool", "false", 0, "false", true},
        {"Bool", "TRUE", 0, "true", true},
        {"Char", "100", 3, "-24", true}, // 1000 kept in a signed char
        {"SignedChar", "-3", 4, "3", true},
        {"UnsignedChar", "300", 0, "44", true},
        {"Short", "2", 3, "-600", true},
        {"UnsignedShort", "10000", 1, "4464", true},
        {"Int", "7", 2, "93", true},
        {"Int", "0", 4, "100", false}, // integer division by zero keeps the value
        {"UnsignedInt", nullptr, 0, "-294967296", false}, // "%d" of a 32-bit value
        {"Long", "-6", 3, "30", true},
        {"UnsignedLong", "3", 2, "2", true},
        {"Int64", "-9223372036854775808", 0, "-9223372036854775808", true},
        {"UnsignedInt64", "18446744073709551615", 0, "9223372036854775807", true}, // parsed as signed 64-bit
        {"UnsignedInt64", "-1", 0, "18446744073709551615", true},
        {"Colour", nullptr, 0, "0 : ", false}, // no entry has the value 0
        {"Colour", "2 : Green", 0, "2 : Green", true},
        {"Colour", " 1:x", 0, "1 : Red", true},  // the integer before the first ":"
        {"Colour", "7 : Blue", 0, "7 : ", true}, // the number decides, not the name
        {"PlainContainer", "2", 0, "", false}, // no enumeration table: no text
    });

    // Object-base values are refused.
    bCAccessorCreator Object("bCAccAllTypes");
    bCAccessorProperty Property = bCAccessorProperty(Object)["ObjectBase"];
    ASSERT_EQ(Property.GetPropertyValueDetailType(), bEPropertyTypeDetail_ObjectBase);
    bCMessageRecorder Recorder;
    Property.ConvertStringToValue("{ 1 }");
    EXPECT_STREQ(Property.ConvertValueToString().GetText(), "bCObjectBase");
    auto const Refusal = [](std::string const & a_strMethod) {
        std::string const strReason = "bCObjectBase, can\xC2\xB4t be streamed, blobs currently not supported !\n";
        return "The method " + a_strMethod + " -> bCObjectBase detected an improper usage! \nHint:" + strReason +
               a_strMethod + " -> " + strReason;
    };
    EXPECT_EQ(Recorder.GetAll(), Refusal("bCAccessorProperty::ConvertStringToValue") +
                                     Refusal("bCAccessorProperty::ConvertValueToString"));
    EXPECT_TRUE(static_cast<bCAccNotified *>(Object->GetNativeObject())->m_arrCalls.empty());

    // Without an object nothing is converted.
    bCAccessorProperty Classless = bCAccessorProperty(bCAccessorPropertyObject("bCAccAllTypes"))["Float"];
    ASSERT_TRUE(Classless.IsValid());
    EXPECT_FALSE(Classless.GetAccessorPropertyObject().HasPropertyObject());
    EXPECT_STREQ(Classless.ConvertValueToString().GetText(), "");
    Classless.ConvertStringToValue("5"); // nothing to set, nothing to crash on
    bCAccessorProperty Root(bCAccessorPropertyObject("bCAccAllTypes").GetRootObject());
    EXPECT_STREQ(Root["Float"].ConvertValueToString().GetText(), ""); // the root object has no native object

    // The enumeration accessor reads the entries and the wrapped value.
    bCAccessorProperty Colour = bCAccessorProperty(Object)["Colour"];
    bCAccessorEnum Enum(Colour);
    ASSERT_TRUE(Enum.IsValid());
    EXPECT_EQ(Enum.GetTypeCount(), 3);
    EXPECT_STREQ(Enum.GetEnumTypeString(2).GetText(), "Blue");
    EXPECT_EQ(Enum.GetEnumTypeInt(2), 4);
    for (int iIndex : {-1, 3}) // outside the table: the shared empty string itself
    {
        EXPECT_EQ(&Enum.GetEnumTypeString(iIndex), &g_strDefault);
        EXPECT_EQ(Enum.GetEnumTypeInt(iIndex), -1);
    }
    Enum.SetValue(4);
    EXPECT_EQ(Enum.GetValue(), 4);
    bCAccAllTypes * pNative = static_cast<bCAccAllTypes *>(Object->GetNativeObject());
    EXPECT_EQ(static_cast<bEAccColour>(pNative->m_Colour), bEAccColour_Blue);
    EXPECT_TRUE(pNative->m_arrCalls.empty()); // the enumeration accessor does not notify

    bCAccessorProperty Plain = bCAccessorProperty(Object)["PlainContainer"];
    bCAccessorEnum NoEnum(Plain);
    EXPECT_FALSE(NoEnum.IsValid());
    EXPECT_EQ(NoEnum.GetTypeCount(), -1);
    EXPECT_EQ(NoEnum.GetValue(), -1);
    NoEnum.SetValue(2);
    EXPECT_EQ(static_cast<bEAccColour>(pNative->m_PlainContainer), static_cast<bEAccColour>(0));
}


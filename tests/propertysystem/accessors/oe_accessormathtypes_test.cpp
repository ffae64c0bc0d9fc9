#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_quaternion.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector4.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>

#include "propertysystem/accessors/oe_pofiletestsupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <vector>

// Every maths value type the accessors show as a float list, each starting
// with the floats 1, 2, 3, ... in memory order.
class bCAccMathTypes : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCAccMathTypes, bCObjectRefBase)
public:
    bCAccMathTypes()
    {
        Count(m_vecVector);
        Count(m_vecVector4);
        Count(m_matMatrix);
        Count(m_matMatrix3);
        Count(m_Box);
        Count(m_Sphere);
        Count(m_quatQuaternion);
    }
    bEResult CopyFrom(bCObjectBase const & a_Source) override
    {
        bCAccMathTypes const & Source = static_cast<bCAccMathTypes const &>(a_Source);
        std::tie(m_vecVector, m_vecVector4, m_matMatrix, m_matMatrix3, m_Box, m_Sphere, m_quatQuaternion) =
            std::tie(Source.m_vecVector, Source.m_vecVector4, Source.m_matMatrix, Source.m_matMatrix3, Source.m_Box,
                     Source.m_Sphere, Source.m_quatQuaternion);
        return bEResult_Ok;
    }

    template <typename T> static void Count(T & a_Value)
    {
        float arrFloats[sizeof(T) / sizeof(float)];
        for (size_t i = 0; i < sizeof(T) / sizeof(float); ++i)
            arrFloats[i] = static_cast<float>(i + 1);
        std::memcpy(static_cast<void *>(&a_Value), arrFloats, sizeof(T));
    }

    bCVector m_vecVector;
    bCVector4 m_vecVector4;
    bCMatrix m_matMatrix;
    bCMatrix3 m_matMatrix3;
    bCBox m_Box;
    bCSphere m_Sphere;
    bCQuaternion m_quatQuaternion;
};

OE_PROPERTY(bCAccMathTypes, m_vecVector, "Vector")
OE_PROPERTY(bCAccMathTypes, m_vecVector4, "Vector4")
OE_PROPERTY(bCAccMathTypes, m_matMatrix, "Matrix")
OE_PROPERTY(bCAccMathTypes, m_matMatrix3, "Matrix3")
OE_PROPERTY(bCAccMathTypes, m_Box, "Box")
OE_PROPERTY(bCAccMathTypes, m_Sphere, "Sphere")
OE_PROPERTY(bCAccMathTypes, m_quatQuaternion, "Quaternion")
OE_PROPERTY_OBJECT(bCAccMathTypes)

namespace
{
    // "{ 1.000000, 2.000000, ... }" for the given floats.
    std::string List(std::vector<float> const & a_arrValues)
    {
        std::string strText = "{ ";
        for (size_t i = 0; i < a_arrValues.size(); ++i)
        {
            char arrNumber[64];
            std::snprintf(arrNumber, sizeof(arrNumber), i + 1 < a_arrValues.size() ? "%f, " : "%f }",
                          static_cast<double>(a_arrValues[i]));
            strText += arrNumber;
        }
        return strText;
    }

    std::vector<float> Counting(int a_iCount, int a_iReplaced = 0, float a_fFirst = 0, float a_fStep = 0)
    {
        std::vector<float> arrValues;
        for (int i = 0; i < a_iCount; ++i)
            arrValues.push_back(i < a_iReplaced ? a_fFirst + a_fStep * static_cast<float>(i)
                                                : static_cast<float>(i + 1));
        return arrValues;
    }
} // namespace

TEST(bCAccessorProperty, ConvertsMathsValuesAsFloatListsAsTheInspectorShowsThem)
{
    struct bSRow
    {
        char const * m_pcProperty;
        int m_iFloats;
        bool m_bAddSubtract;
    };
    std::vector<bSRow> const arrRows = {
        {"Vector", 3, true}, {"Vector4", 4, true}, {"Matrix", 16, false},     {"Matrix3", 9, false},
        {"Box", 6, false},   {"Sphere", 4, false}, {"Quaternion", 4, false},
    };
    for (bSRow const & Row : arrRows)
    {
        SCOPED_TRACE(Row.m_pcProperty);
        auto Convert = [&](char const * a_pcText, int a_iOperand) {
            bCAccessorCreator Object("bCAccMathTypes");
            bCAccessorProperty Property = bCAccessorProperty(Object)[Row.m_pcProperty];
            if (a_pcText)
                Property.ConvertStringToValue(a_pcText, static_cast<bCAccessorProperty::eEOperandValue>(a_iOperand));
            return std::string(Property.ConvertValueToString().GetText());
        };
        int const n = Row.m_iFloats;
        EXPECT_EQ(Convert(nullptr, 0), List(Counting(n)));
        // Set: the parsed floats replace the leading components; the others stay.
        EXPECT_EQ(Convert("{ 10, 20 }", 0), List(Counting(n, 2, 10, 10)));
        EXPECT_EQ(Convert(List(Counting(n + 2, n + 2, 5, 1)).c_str(), 0), List(Counting(n, n, 5, 1)));
        // Add and subtract only for the vectors; multiply, divide and others for none.
        EXPECT_EQ(Convert("{ 10, 10 }", 1), List(Row.m_bAddSubtract ? Counting(n, 2, 11, 1) : Counting(n)));
        EXPECT_EQ(Convert("{ 10, 10 }", 2), List(Row.m_bAddSubtract ? Counting(n, 2, -9, 1) : Counting(n)));
        EXPECT_EQ(Convert("{ 10, 10 }", 3), List(Counting(n)));
    }

    // The inspector shows them as the accessors do.
    bCAccessorCreator Object("bCAccMathTypes");
    bSPOInspection const Inspection = InspectPOFile(WritePOFile({Object}));
    ASSERT_FALSE(Inspection.m_bDamaged) << Inspection.m_strDamage; // every stored size fits its value type
    ASSERT_EQ(Inspection.m_arrObjects.size(), 1u);
    ASSERT_EQ(Inspection.m_arrObjects[0].m_arrProperties.size(), 7u);
    ExpectValuesAsTheAccessorsShow(Inspection.m_arrObjects[0], Object);
}

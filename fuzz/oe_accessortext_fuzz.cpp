// The accessors' text conversions with arbitrary text: the first byte picks
// the property, the second the operand, the rest is the text. Converting must
// never crash, and a text property must hold exactly the text it was given.

#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/factories/oe_propertyregistration.h>
#include <vellmark/propertysystem/types/oe_propertycontainer.h>
#include <vellmark/propertysystem/types/oe_propertystrings.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

class bCFuzzValues : public bCObjectRefBase
{
    OE_PROPERTY_CLASS(bCFuzzValues, bCObjectRefBase)
public:
    bCString m_strString;
    bCScriptString m_strScript;
    float m_fFloat = 1.0f;
    double m_dDouble = 1.0;
    bool m_bBool = false;
    char m_cChar = 1;
    unsigned char m_ucByte = 1;
    short m_sShort = 1;
    unsigned short m_usWord = 1;
    int m_iInt = 1;
    unsigned int m_uUInt = 1;
    long m_lLong = 1;
    unsigned long m_ulULong = 1;
    long long m_llInt64 = 1;
    unsigned long long m_ullUInt64 = 1;
    bTPropertyContainer<bEPropertyTypeDetail> m_Container;
};

OE_PROPERTY(bCFuzzValues, m_strString, "String")
OE_PROPERTY(bCFuzzValues, m_strScript, "Script")
OE_PROPERTY(bCFuzzValues, m_fFloat, "Float")
OE_PROPERTY(bCFuzzValues, m_dDouble, "Double")
OE_PROPERTY(bCFuzzValues, m_bBool, "Bool")
OE_PROPERTY(bCFuzzValues, m_cChar, "Char")
OE_PROPERTY(bCFuzzValues, m_ucByte, "Byte")
OE_PROPERTY(bCFuzzValues, m_sShort, "Short")
OE_PROPERTY(bCFuzzValues, m_usWord, "Word")
OE_PROPERTY(bCFuzzValues, m_iInt, "Int")
OE_PROPERTY(bCFuzzValues, m_uUInt, "UInt")
OE_PROPERTY(bCFuzzValues, m_lLong, "Long")
OE_PROPERTY(bCFuzzValues, m_ulULong, "ULong")
OE_PROPERTY(bCFuzzValues, m_llInt64, "Int64")
OE_PROPERTY(bCFuzzValues, m_ullUInt64, "UInt64")
OE_PROPERTY(bCFuzzValues, m_Container, "Container")
OE_PROPERTY_OBJECT(bCFuzzValues)

namespace
{
    void Check(bool a_bCondition)
    {
        if (!a_bCondition)
            std::abort();
    }

    // The float-list parser on its own, with every operand and more floats than components.
    void ConvertFloats(bCString const & a_strText, int a_iOperand)
    {
        float arrValues[16] = {};
        bCAccessorValueText::TextToFloats(a_strText, arrValues, 16, a_iOperand, a_iOperand % 2 == 0);
        bCAccessorValueText::FloatsToText(arrValues, 16);
    }
} // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const * a_pData, size_t a_uSize)
{
    if (a_uSize < 2)
        return 0;
    static bCAccessorCreator s_Object("bCFuzzValues");
    bCAccessorProperty Property(s_Object);
    for (int i = a_pData[0] % 16; i > 0; --i)
        ++Property;
    int const iOperand = static_cast<int8_t>(a_pData[1]) % 7; // -6 .. 6: the valid ones and some others
    bCString const strText(reinterpret_cast<char const *>(a_pData + 2), static_cast<int>(a_uSize - 2));
    Property.ConvertStringToValue(strText, static_cast<bCAccessorProperty::eEOperandValue>(iOperand));
    bCString const strValue = Property.ConvertValueToString();
    if (Property.GetPropertyValueDetailType() == bEPropertyTypeDetail_String &&
        !std::memchr(strText.GetText(), 0, a_uSize - 2))
        Check(strValue == strText);
    bCAccessorValueText::GetDetailType(strText);
    ConvertFloats(strText, iOperand);
    return 0;
}

// bCAccessorProperty's text conversions, by the value type's detail.

#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>

#include <vellmark/kernel/oe_guid.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_unicodestring.h>
#include <vellmark/math/3d/oe_box.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_quaternion.h>
#include <vellmark/math/3d/oe_sphere.h>
#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector4.h>
#include <vellmark/propertysystem/accessors/oe_accessor_type.h>
#include <vellmark/propertysystem/accessors/oe_accessorenum.h>
#include <vellmark/propertysystem/types/oe_propertystrings.h>

namespace
{
    using bCValueText = bCAccessorValueText;

    template <typename T> bool TryNumberToString(bCAccessorProperty const & a_Property, bCString & a_strText)
    {
        bTAccessorType<T> const Accessor(a_Property);
        if (!Accessor.IsValid())
            return false;
        a_strText = bCValueText::NumberToText(Accessor.GetValue());
        return true;
    }

    // The first of the candidate types that the property really has.
    template <typename... T> bCString NumberToString(bCAccessorProperty const & a_Property)
    {
        bCString strText;
        (TryNumberToString<T>(a_Property, strText) || ...);
        return strText;
    }

    template <typename T, typename N>
    bool TryStringToNumber(bCAccessorProperty const & a_Property, N a_Number, int a_iOperand)
    {
        bTAccessorType<T> Accessor(a_Property);
        if (!Accessor.IsValid())
            return false;
        T Value = Accessor.GetValue();
        if (bCValueText::Combine(Value, a_Number, a_iOperand))
            Accessor.SetValue(Value);
        return true;
    }

    template <typename... T, typename N>
    void StringToNumber(bCAccessorProperty const & a_Property, N a_Number, int a_iOperand)
    {
        (TryStringToNumber<T>(a_Property, a_Number, a_iOperand) || ...);
    }

    template <typename T> bCString FloatsToString(bCAccessorProperty const & a_Property)
    {
        bTAccessorType<T> const Accessor(a_Property);
        return Accessor.IsValid() ? bCValueText::ValueToText(Accessor.GetValue()) : bCString();
    }

    template <typename T>
    void StringToFloats(bCAccessorProperty const & a_Property, bCString const & a_strText, int a_iOperand,
                        bool a_bAddSubtract)
    {
        bTAccessorType<T> Accessor(a_Property);
        if (!Accessor.IsValid())
            return;
        T Value = Accessor.GetValue();
        if (bCValueText::TextToValue(a_strText, Value, a_iOperand, a_bAddSubtract))
            Accessor.SetValue(Value);
    }

    template <typename T> bool TryStringTypeToString(bCAccessorProperty const & a_Property, bCString & a_strText)
    {
        bTAccessorType<T> const Accessor(a_Property);
        if (!Accessor.IsValid())
            return false;
        a_strText = Accessor.GetValue();
        return true;
    }

    template <typename T> bool TryStringToStringType(bCAccessorProperty const & a_Property, bCString const & a_strText)
    {
        bTAccessorType<T> Accessor(a_Property);
        if (!Accessor.IsValid())
            return false;
        Accessor.SetValue(T(a_strText));
        return true;
    }
} // namespace

// Without an object with a native object (a root object has none) there is no value.
bCString bCAccessorProperty::ConvertValueToString() const
{
    if (!IsValid() || !m_AccessorPropertyObject.GetNativeObject())
        return bCString();
    switch (GetPropertyValueDetailType())
    {
    case bEPropertyTypeDetail_String: {
        bCString strText;
        return TryStringTypeToString<bCString>(*this, strText) ? strText : ConvertOtherToString();
    }
    case bEPropertyTypeDetail_Other: return ConvertOtherToString();
    case bEPropertyTypeDetail_UnicodeString: {
        bTAccessorType<bCUnicodeString> const Accessor(*this);
        return Accessor.IsValid() ? Accessor.GetValue().GetAnsiText() : bCString();
    }
    case bEPropertyTypeDetail_Guid: {
        bTAccessorType<bCGuid> const Accessor(*this);
        return Accessor.IsValid() ? Accessor.GetValue().GetText() : bCString();
    }
    case bEPropertyTypeDetail_Vector: return FloatsToString<bCVector>(*this);
    case bEPropertyTypeDetail_Vector4: return FloatsToString<bCVector4>(*this);
    case bEPropertyTypeDetail_Matrix: return FloatsToString<bCMatrix>(*this);
    case bEPropertyTypeDetail_Matrix3: return FloatsToString<bCMatrix3>(*this);
    case bEPropertyTypeDetail_Box: return FloatsToString<bCBox>(*this);
    case bEPropertyTypeDetail_Sphere: return FloatsToString<bCSphere>(*this);
    case bEPropertyTypeDetail_Quaternion: return FloatsToString<bCQuaternion>(*this);
    case bEPropertyTypeDetail_ObjectBase:
        RefuseObjectBase("bCAccessorProperty::ConvertValueToString");
        return bCString("bCObjectBase");
    case bEPropertyTypeDetail_PropertyObject: return ConvertEmbeddedToString();
    case bEPropertyTypeDetail_Float: return NumberToString<float>(*this);
    case bEPropertyTypeDetail_Double: return NumberToString<double>(*this);
    case bEPropertyTypeDetail_Bool: {
        bTAccessorType<bool> const Accessor(*this);
        return Accessor.IsValid() ? bCString(Accessor.GetValue() ? "true" : "false") : bCString();
    }
    case bEPropertyTypeDetail_Char: return NumberToString<char, signed char, unsigned char>(*this);
    case bEPropertyTypeDetail_Int64: return NumberToString<long long, unsigned long long>(*this);
    case bEPropertyTypeDetail_Long: return NumberToString<long, unsigned long>(*this);
    case bEPropertyTypeDetail_Short: return NumberToString<short, unsigned short>(*this);
    case bEPropertyTypeDetail_Int: return NumberToString<int, unsigned int>(*this);
    case bEPropertyTypeDetail_PropertyContainer: return ConvertContainerToString();
    }
    return bCString();
}

void bCAccessorProperty::ConvertStringToValue(bCString const & a_strValue, eEOperandValue a_eOperand)
{
    if (!IsValid() || !m_AccessorPropertyObject.GetNativeObject())
        return;
    int const iOperand = a_eOperand;
    switch (GetPropertyValueDetailType())
    {
    case bEPropertyTypeDetail_String:
        if (!TryStringToStringType<bCString>(*this, a_strValue))
            ConvertStringToOther(a_strValue);
        return;
    case bEPropertyTypeDetail_Other: return ConvertStringToOther(a_strValue);
    case bEPropertyTypeDetail_UnicodeString: {
        bTAccessorType<bCUnicodeString> Accessor(*this);
        return Accessor.SetValue(bCUnicodeString(a_strValue.GetText()));
    }
    case bEPropertyTypeDetail_Guid: {
        bTAccessorType<bCGuid> Accessor(*this);
        return Accessor.SetValue(bCGuid(a_strValue));
    }
    case bEPropertyTypeDetail_Vector: return StringToFloats<bCVector>(*this, a_strValue, iOperand, true);
    case bEPropertyTypeDetail_Vector4: return StringToFloats<bCVector4>(*this, a_strValue, iOperand, true);
    case bEPropertyTypeDetail_Matrix: return StringToFloats<bCMatrix>(*this, a_strValue, iOperand, false);
    case bEPropertyTypeDetail_Matrix3: return StringToFloats<bCMatrix3>(*this, a_strValue, iOperand, false);
    case bEPropertyTypeDetail_Box: return StringToFloats<bCBox>(*this, a_strValue, iOperand, false);
    case bEPropertyTypeDetail_Sphere: return StringToFloats<bCSphere>(*this, a_strValue, iOperand, false);
    case bEPropertyTypeDetail_Quaternion: return StringToFloats<bCQuaternion>(*this, a_strValue, iOperand, false);
    case bEPropertyTypeDetail_ObjectBase: return RefuseObjectBase("bCAccessorProperty::ConvertStringToValue");
    case bEPropertyTypeDetail_PropertyObject: return;
    case bEPropertyTypeDetail_Float: return StringToNumber<float>(*this, a_strValue.GetFloat(), iOperand);
    case bEPropertyTypeDetail_Double: return StringToNumber<double>(*this, a_strValue.GetDouble(), iOperand);
    case bEPropertyTypeDetail_Bool: {
        bTAccessorType<bool> Accessor(*this);
        return Accessor.SetValue(a_strValue.GetBool());
    }
    case bEPropertyTypeDetail_Char:
        return StringToNumber<char, signed char, unsigned char>(*this, a_strValue.GetInteger(), iOperand);
    case bEPropertyTypeDetail_Int64:
        return StringToNumber<long long, unsigned long long>(*this, a_strValue.GetI64(), iOperand);
    case bEPropertyTypeDetail_Long:
        return StringToNumber<long, unsigned long>(*this, a_strValue.GetInteger(), iOperand);
    case bEPropertyTypeDetail_Short:
        return StringToNumber<short, unsigned short>(*this, a_strValue.GetInteger(), iOperand);
    case bEPropertyTypeDetail_Int: return StringToNumber<int, unsigned int>(*this, a_strValue.GetInteger(), iOperand);
    case bEPropertyTypeDetail_PropertyContainer: return ConvertStringToContainer(a_strValue);
    }
}

bCString bCAccessorProperty::ConvertOtherToString() const
{
    bCString strText;
    TryStringTypeToString<bCAnimationResourceString>(*this, strText) ||
        TryStringTypeToString<bCScriptString>(*this, strText) ||
        TryStringTypeToString<bCImageOrMaterialResourceString>(*this, strText);
    return strText;
}

void bCAccessorProperty::ConvertStringToOther(bCString const & a_strValue)
{
    TryStringToStringType<bCAnimationResourceString>(*this, a_strValue) ||
        TryStringToStringType<bCScriptString>(*this, a_strValue) ||
        TryStringToStringType<bCImageOrMaterialResourceString>(*this, a_strValue);
}

bCString bCAccessorProperty::ConvertEmbeddedToString() const
{
    // The member is a property object itself, whose base part starts it; a
    // pointer to one is not.
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    void const * pMember = pType->GetValuePointer(GetPropertyObject());
    if (!pMember || pType->GetValueTypeName().Contains('*'))
        return bCString();
    bCString strText;
    strText.Format("%s()", static_cast<bCPropertyObjectBase const *>(pMember)->GetClassName().GetText());
    return strText;
}

bCString bCAccessorProperty::ConvertContainerToString() const
{
    bCAccessorProperty Property(*this);
    bCAccessorEnum const Enum(Property);
    if (!Enum.IsValid())
        return bCString();
    int const iValue = Enum.GetValue();
    bCString strName;
    for (int i = 0; i < Enum.GetTypeCount(); ++i)
        if (Enum.GetEnumTypeInt(i) == iValue)
        {
            strName = Enum.GetEnumTypeString(i);
            break;
        }
    bCString strText;
    strText.Format("%d : %s", iValue, strName.GetText());
    return strText;
}

void bCAccessorProperty::ConvertStringToContainer(bCString const & a_strValue)
{
    bCAccessorEnum Enum(*this);
    if (!Enum.IsValid())
        return;
    int const iValue = a_strValue.Left(a_strValue.Find(':')).GetInteger();
    bCObjectRefBase * pNative = m_AccessorPropertyObject.GetNativeObject();
    bCString const strName = GetPropertyName();
    if (pNative)
        pNative->NotifyPropertyValueChangedEnterEx(strName.GetText(), false);
    Enum.SetValue(iValue);
    if (pNative)
        pNative->NotifyPropertyValueChangedExitEx(strName.GetText(), false);
}

void bCAccessorProperty::RefuseObjectBase(char const * a_pcMethod) const
{
    char const * const pcHint = "bCObjectBase, can´t be streamed, blobs currently not supported !";
    bCString strMethod(a_pcMethod);
    strMethod += " -> bCObjectBase";
    OE_MESSAGEF_WARN("The method %s detected an improper usage! \nHint:%s", strMethod.GetText(), pcHint);
    bCString strText(a_pcMethod);
    strText += " -> ";
    strText += pcHint;
    bCMessageAdmin::GetInstance().OnMessage(bEMessageTypes_Warn, strText.GetText(), nullptr, nullptr, -1, 5);
}

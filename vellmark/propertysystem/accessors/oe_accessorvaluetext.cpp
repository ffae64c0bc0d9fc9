#include <vellmark/propertysystem/accessors/oe_accessorvaluetext.h>

#include <vellmark/containers/oe_smallarray.h>
#include <vellmark/propertysystem/base/oe_stringconverter.h>

namespace
{
    struct bSDetailName
    {
        char const * m_pcName;
        bEPropertyTypeDetail m_eDetail;
        bool m_bContains; // a case-sensitive search instead of a case-folded comparison
    };

    // The order matters: the first row that fits decides.
    bSDetailName const s_arrDetailNames[] = {
        {"bCString", bEPropertyTypeDetail_String, false},
        {"bCUnicodeString", bEPropertyTypeDetail_UnicodeString, false},
        {"bCGuid", bEPropertyTypeDetail_Guid, false},
        {"bCVector", bEPropertyTypeDetail_Vector, false},
        {"bCVector4", bEPropertyTypeDetail_Vector4, false},
        {"bCMatrix", bEPropertyTypeDetail_Matrix, false},
        {"bCMatrix3", bEPropertyTypeDetail_Matrix3, false},
        {"bCBox", bEPropertyTypeDetail_Box, false},
        {"bCSphere", bEPropertyTypeDetail_Sphere, false},
        {"bCQuaternion", bEPropertyTypeDetail_Quaternion, false},
        {"bCObjectBase", bEPropertyTypeDetail_ObjectBase, false},
        {"bTPropertyObject", bEPropertyTypeDetail_PropertyObject, true},
        {"float", bEPropertyTypeDetail_Float, false},
        {"double", bEPropertyTypeDetail_Double, false},
        {"bool", bEPropertyTypeDetail_Bool, false},
        {"char", bEPropertyTypeDetail_Char, false},
        {"__int64", bEPropertyTypeDetail_Int64, false},
        {"long", bEPropertyTypeDetail_Long, false},
        {"short", bEPropertyTypeDetail_Short, false},
        {"int", bEPropertyTypeDetail_Int, false},
        {"bTPropertyContainer", bEPropertyTypeDetail_PropertyContainer, true},
    };

    bool CombineComponent(float & a_fComponent, float a_fParsed, int a_iOperand)
    {
        switch (a_iOperand)
        {
        case 0: a_fComponent = a_fParsed; return true;
        case 1: a_fComponent = a_fComponent + a_fParsed; return true;
        case 2: a_fComponent = a_fComponent - a_fParsed; return true;
        default: return false;
        }
    }
} // namespace

bEPropertyTypeDetail bCAccessorValueText::GetDetailType(bCString const & a_strValueTypeName)
{
    for (bSDetailName const & Row : s_arrDetailNames)
    {
        bool const bFits = Row.m_bContains ? a_strValueTypeName.Contains(Row.m_pcName)
                                           : a_strValueTypeName.CompareNoCase(Row.m_pcName) == 0;
        if (bFits)
            return Row.m_eDetail;
    }
    return bEPropertyTypeDetail_Other;
}

bCString bCAccessorValueText::FloatsToText(float const * a_pfComponents, int a_iCount)
{
    bTSmallArray<float> arrComponents;
    for (int i = 0; i < a_iCount; ++i)
        arrComponents.Add(a_pfComponents[i]);
    return bCStringConverter::ConvertFloatsToString(arrComponents);
}

bool bCAccessorValueText::TextToFloats(bCString const & a_strText, float * a_pfComponents, int a_iCount, int a_iOperand,
                                       bool a_bAddSubtract)
{
    if (a_iOperand != 0 && !(a_bAddSubtract && (a_iOperand == 1 || a_iOperand == 2)))
        return false;
    bTSmallArray<float> arrParsed;
    if (!bCStringConverter::ConvertStringToFloats(a_strText, arrParsed))
        return false;
    int const iCount = arrParsed.GetCount() < a_iCount ? arrParsed.GetCount() : a_iCount;
    for (int i = 0; i < iCount; ++i)
        CombineComponent(a_pfComponents[i], arrParsed[i], a_iOperand);
    return true;
}

bCString bCAccessorValueText::FormatFloat(double a_dValue)
{
    bCString strText;
    strText.Format("%f", a_dValue);
    return strText;
}

bCString bCAccessorValueText::FormatInt(int a_iValue)
{
    bCString strText;
    strText.Format("%d", a_iValue);
    return strText;
}

bCString bCAccessorValueText::FormatInt64(long long a_i64Value)
{
    bCString strText;
    strText.Format("%lld", a_i64Value);
    return strText;
}

bCString bCAccessorValueText::FormatUInt64(unsigned long long a_u64Value)
{
    bCString strText;
    strText.Format("%llu", a_u64Value);
    return strText;
}

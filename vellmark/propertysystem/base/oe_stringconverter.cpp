#include <vellmark/propertysystem/base/oe_stringconverter.h>

#include <cstdio>

bCString bCStringConverter::ConvertFloatsToString(bTSmallArray<float> const & a_arrValues)
{
    int const iCount = a_arrValues.GetCount();
    if (iCount == 0)
        return bCString();
    bCString strText = "{ ";
    char arrNumber[384];
    for (int i = 0; i < iCount; ++i)
    {
        std::snprintf(arrNumber, sizeof(arrNumber), i + 1 < iCount ? "%f, " : "%f }",
                      static_cast<double>(a_arrValues[i]));
        strText += arrNumber;
    }
    return strText;
}

bool bCStringConverter::ConvertStringToFloats(bCString const & a_strText, bTSmallArray<float> & a_arrValues)
{
    int const iOpen = a_strText.Find('{');
    int const iClose = a_strText.Find('}');
    if (iOpen < 0 || iClose < 0 || iClose < iOpen) // "}" before "{" holds no list
        return false;
    bCString const strList = a_strText.Mid(iOpen + 1, iClose - iOpen - 1);
    int iStart = 0;
    for (;;)
    {
        int const iComma = strList.Find(',', iStart);
        int const iEnd = iComma < 0 ? strList.GetLength() : iComma;
        a_arrValues.Add(strList.Mid(iStart, iEnd - iStart).GetFloat());
        if (iComma < 0)
            return true;
        iStart = iComma + 1;
    }
}

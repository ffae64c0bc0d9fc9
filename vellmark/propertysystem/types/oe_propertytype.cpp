#include <vellmark/propertysystem/types/oe_propertytype.h>

#include <vellmark/kernel/oe_memorystream.h>

namespace
{
    char const * const kPropertyTypeFile = "propertysystem\\types\\oe_propertytype";
} // namespace

void g_PropertyTypeRefuseClone()
{
    g_PropertySystemImproperUsage("bTPropertyType<CLASS, TYPE>::DoClone", g_pcPropertyCloneHint);
}

void g_PropertyTypeRefuseCopy()
{
    g_PropertySystemImproperUsage("bTPropertyType<CLASS, TYPE>::CopyFrom", g_pcPropertyCopyHint);
}

void g_PropertyTypeFatalGetter()
{
    bCErrorAdmin::GetInstance().CallFatalError(
        " bTPropertyType<CLASS, TYPE>::ProperyGetter - Propertyobject is NULL, can´t get propertyvalue from "
        "NULLobject ! ",
        "OEFalse == (NULL != a_pPropertyObject)", kPropertyTypeFile, 795);
}

void g_PropertyTypeFatalAccessor()
{
    bCErrorAdmin::GetInstance().CallFatalError(
        "bTPropertyType<CLASS, TYPE>::PropertyAccessor - Propertyobject is NULL, can´t access propertyvalue from "
        "NULobject ! ",
        "OEFalse == (NULL != a_pPropertyObject)", kPropertyTypeFile, 781);
}

void g_PropertyTypeFatalWrite()
{
    bCErrorAdmin::GetInstance().CallFatalError("bTPropertyType<CLASS, TYPE>::PropertyWrite - Propertysource must not NULL !",
                                               "OEFalse == (NULL != a_pSource)", kPropertyTypeFile, 637);
}

void g_PropertyTypeNotify(bCPropertyObjectBase * a_pObject, bCString const & a_strName, bool a_bEnter,
                          bool a_bFromStream)
{
    bCObjectRefBase * pNative = a_pObject ? a_pObject->GetNativeObject() : nullptr;
    if (!pNative)
        return;
    if (a_bEnter)
        pNative->NotifyPropertyValueChangedEnterEx(a_strName.GetText(), a_bFromStream);
    else
        pNative->NotifyPropertyValueChangedExitEx(a_strName.GetText(), a_bFromStream);
}

void g_PropertyTypeSkip(bCIStream & a_Stream, bCPropertyObjectBase * a_pObject, bCString const & a_strName,
                        bCString const & a_strValueTypeName, bool a_bKnown)
{
    unsigned short uVersion = 0;
    unsigned long uSize = 0;
    a_Stream.Read(uVersion);
    a_Stream.Read(uSize);
    bCObjectRefBase * pNative = a_pObject ? a_pObject->GetNativeObject() : nullptr;
    if (!a_bKnown || !pNative)
    {
        g_SkipBytes(a_Stream, uSize);
        return;
    }
    bCMemoryStream Data;
    g_SkipBytes(a_Stream, uSize, &Data);
    Data.SetPosition(0, bEStreamSeekMode_Begin);
    pNative->NotifyPropertyDeprecated(a_strName, a_strValueTypeName, Data, 0);
}

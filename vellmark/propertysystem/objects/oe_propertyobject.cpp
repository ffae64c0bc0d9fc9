#include <vellmark/propertysystem/objects/oe_propertyobject.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/factories/oe_obsoleteclass.h>
#include <vellmark/propertysystem/objects/oe_propertyenumerator.h>
#include <vellmark/propertysystem/persistence/oe_postream.h>
#include <vellmark/propertysystem/types/oe_propertytype.h>

#include <mutex>

namespace
{
    constexpr int kMaxReadDepth = 64; // deeper than any real file
    thread_local int t_iReadDepth = 0;

    bool IsObsolete(bCPropertyTypeBase const * a_pType)
    {
        return a_pType->GetValueTypeName() == g_GetValueTypeName<bCObsoleteClass>();
    }

    // The placeholder that skips records no registered property matches.
    bCPropertyTypeBase & GetSkipType()
    {
        static std::mutex s_Lock;
        std::lock_guard<std::mutex> Lock(s_Lock);
        static bTPropertyType<bCObsoleteClass, bCObsoleteClass> s_Type(0, bCString(), bEPropertyType_Normal);
        return s_Type;
    }
} // namespace

void g_PropertyObjectWriteData(bCOStream & a_Stream, bCPropertyObjectBase & a_Object)
{
    a_Stream.Write(bCPropertyObjectBase::ms_uPropertyDataVersion);
    uint32_t u32Count = 0;
    for (bCPropertyEnumerator It(a_Object.GetObjectType()); It.IsValid(); It.Next())
        if (!IsObsolete(It.GetPropertyType()))
            ++u32Count;
    a_Stream.Write(static_cast<unsigned long>(u32Count));
    for (bCPropertyEnumerator It(a_Object.GetObjectType()); It.IsValid(); It.Next())
    {
        bCPropertyTypeBase * pType = It.GetPropertyType();
        if (IsObsolete(pType))
            continue;
        a_Stream.Write(pType->GetPropertyName());
        a_Stream.Write(pType->GetValueTypeName());
        pType->PropertyWrite(a_Stream, &a_Object);
    }
    if (bCObjectRefBase * pNative = a_Object.GetNativeObject())
        pNative->Write(a_Stream);
}

unsigned short g_PropertyObjectReadData(bCIStream & a_Stream, bCPropertyObjectBase & a_Object)
{
    unsigned short uDataVersion = 0;
    a_Stream.Read(uDataVersion);
    if (uDataVersion == 0)
    {
        bCErrorAdmin::GetInstance().CallFatalError(
            "bTPropertyObject<CLASS, BASECLASS>::ReadData - illegal propertyobject version detected. Can´t read "
            "version ! Filebounds exceeded ?",
            "propertysystem\\objects\\oe_propertyobject", 553);
        return uDataVersion;
    }
    bool const bTyped = uDataVersion >= bCPropertyObjectBase::ms_uPropertyDataVersion;
    bCPropertyObjectTypeBase const * pClassType = a_Object.GetObjectType();
    bCPropertyEnumerator InOrder(pClassType);
    bool bInOrder = true;
    unsigned long uCount = 0;
    a_Stream.Read(uCount);
    bCString strName, strValueTypeName;
    for (uint32_t u = 0; u < static_cast<uint32_t>(uCount) && !g_IsStreamExhausted(a_Stream); ++u)
    {
        if (a_Stream.Read(strName) == 0 && !dynamic_cast<bCPOStream *>(&a_Stream))
            break; // the end of a plain stream (a property-object stream answers 0 for a bad index)
        if (bTyped)
            a_Stream.Read(strValueTypeName);
        else
            strValueTypeName.Clear();
        bCPropertyTypeBase * pType = nullptr;
        if (bInOrder)
        {
            pType = InOrder.GetPropertyType();
            if (!pType || pType->GetPropertyName() != strName)
                bInOrder = false;
            InOrder.Next();
        }
        if (!bInOrder)
            pType = bCPropertyEnumerator::Resolve(pClassType, strName);
        if (pType && (!bTyped || pType->GetValueTypeName() == strValueTypeName))
            pType->PropertyRead(a_Stream, &a_Object);
        else
            GetSkipType().PropertySkip(a_Stream, &a_Object, strName, strValueTypeName, pType != nullptr);
    }
    return uDataVersion;
}

void g_PropertyObjectCopyValues(bCPropertyObjectBase & a_Dest, bCPropertyObjectBase const & a_Source)
{
    for (bCPropertyEnumerator It(a_Dest.GetObjectType()); It.IsValid(); It.Next())
        It.GetPropertyType()->CopyPropertyValue(&a_Dest, &a_Source);
}

void g_PropertyObjectInitializeValues(bCPropertyObjectBase & a_Object)
{
    for (bCPropertyEnumerator It(a_Object.GetObjectType()); It.IsValid(); It.Next())
        It.GetPropertyType()->InitializeValue(&a_Object);
}

bool g_PropertyObjectEnterRead()
{
    if (t_iReadDepth >= kMaxReadDepth)
    {
        OE_MESSAGEF_WARN("bTPropertyObject::Read - objects nested deeper than %d levels; skipping the object",
                         kMaxReadDepth);
        return false;
    }
    ++t_iReadDepth;
    return true;
}

void g_PropertyObjectLeaveRead()
{
    --t_iReadDepth;
}

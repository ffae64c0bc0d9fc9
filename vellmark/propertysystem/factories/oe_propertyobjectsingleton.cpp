#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>

#include <vellmark/kernel/oe_erroradmin.h>
#include <vellmark/kernel/oe_message.h>
#include <vellmark/kernel/oe_stream.h>
#include <vellmark/propertysystem/base/oe_trackednew.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectfactory.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

namespace
{
    constexpr int kClassBuckets = 359;
    constexpr unsigned short kRecordVersion = 1;
} // namespace

bCPropertyObjectSingleton::bCPOTypeListItem::bCPOTypeListItem(bCPropertyObjectTypeBase const * a_pType) :
    m_pObjectType(a_pType)
{
}

bCPropertyObjectSingleton::bCPOTypeListItem &
bCPropertyObjectSingleton::bCPOTypeListItem::operator=(bCPOTypeListItem const & a_Source)
{
    m_pObjectType = a_Source.m_pObjectType;
    return *this;
}

bCString const & bCPropertyObjectSingleton::bCPOTypeListItem::GetBaseClassName() const
{
    if (!m_pObjectType)
    {
        bCErrorAdmin::GetInstance().CallFatalError("bCPropertyObjectSingleton::bCPOTypeListItem::GetBaseClassName",
                                                   "propertysystem\\factories\\oe_propertyobjectsingleton", 446);
        return g_strDefault;
    }
    return m_pObjectType->GetBaseClassName();
}

bCPropertyObjectSingleton & bCPropertyObjectSingleton::GetInstance()
{
    static bCPropertyObjectSingleton s_Instance;
    return s_Instance;
}

bCPropertyObjectSingleton::bCPropertyObjectSingleton() : m_bRegistrationEnabled(true), m_pRegistrationKey(nullptr)
{
    Invalidate();
    Create();
}

bCPropertyObjectSingleton::bCPropertyObjectSingleton(bCPropertyObjectSingleton const &) :
    m_bRegistrationEnabled(true), m_pRegistrationKey(nullptr)
{
    g_PropertySystemImproperUsage("bCPropertyObjectSingleton::bCPropertyObjectSingleton(a_Source)",
                                  g_pcPropertyCopyConstructorHint);
    Create();
}

bCPropertyObjectSingleton::~bCPropertyObjectSingleton()
{
    Destroy();
}

void bCPropertyObjectSingleton::Create()
{
    Destroy();
    m_mapClasses.Create(kClassBuckets);
}

void bCPropertyObjectSingleton::Destroy()
{
    for (bCClassMap::bCIterator It = m_mapClasses.BeginIterator(); It != m_mapClasses.EndIterator(); ++It)
        g_DeleteTracked(It.GetValue());
    m_mapClasses.Create(kClassBuckets);
}

void bCPropertyObjectSingleton::Invalidate()
{
    m_bRegistrationEnabled = true;
    m_pRegistrationKey = nullptr;
}

void bCPropertyObjectSingleton::CopyFrom(bCPropertyObjectSingleton const &)
{
    OE_MESSAGEF_WARN("The method  %s was called, but has not yet been implemented!",
                     "bCPropertyObjectSingleton::CopyFrom");
    Invalidate();
}

bool bCPropertyObjectSingleton::RegisterTemplate(bCPropertyObjectTypeBase const * a_pType)
{
    if (!a_pType)
        return false;
    bCPOTypeListItem * pItem =
        new ("propertysystem\\factories\\oe_propertyobjectsingleton", "bCPOTypeListItem", nullptr, __LINE__)
            bCPOTypeListItem(a_pType);
    bCPOTypeListItem *& pSlot = m_mapClasses.AccessAt(a_pType->GetClassName());
    g_DeleteTracked(pSlot);
    pSlot = pItem;
    return true;
}

bCPropertyObjectTypeBase * bCPropertyObjectSingleton::FindTemplate(bCString const & a_strClassName) const
{
    if (a_strClassName.IsEmpty())
        return nullptr;
    bCPOTypeListItem * pItem = m_mapClasses.GetAt(a_strClassName);
    return pItem ? pItem->AccessObjectType() : nullptr;
}

bCPropertyObjectBase * bCPropertyObjectSingleton::GetRootObject(bCString const & a_strClassName) const
{
    if (a_strClassName.IsEmpty())
        return nullptr;
    bCPropertyObjectTypeBase * pType = FindTemplate(a_strClassName);
    if (!pType)
    {
        OE_MESSAGEF_WARN("bCPropertyObjectSingleton::GetRootObject - can not find rootobject of class: %s",
                         a_strClassName.GetText());
        return nullptr;
    }
    return pType->GetObjectFactory()->GetRootObject();
}

bCPropertyObjectBase * bCPropertyObjectSingleton::QueryNewObject(bCString const & a_strClassName) const
{
    if (a_strClassName.IsEmpty())
        return nullptr;
    bCPropertyObjectTypeBase * pType = FindTemplate(a_strClassName);
    if (!pType)
    {
        OE_MESSAGEF_WARN("bCPropertyObjectSingleton::QueryNewObject - can not find rootobject of class: %s",
                         a_strClassName.GetText());
        return nullptr;
    }
    return pType->GetObjectFactory()->CloneObjectInstance();
}

void bCPropertyObjectSingleton::WriteObject(bCOStream & a_Stream, bCPropertyObjectBase * a_pObject)
{
    if (!a_pObject || a_pObject->IsRoot())
        return;
    a_Stream.Write(kRecordVersion);
    a_Stream.Write(a_pObject->IsPersistable());
    if (!a_pObject->IsPersistable())
        return;
    a_Stream.Write(a_pObject->GetClassName());
    a_pObject->GetObjectType()->GetObjectFactory()->WriteObject(a_Stream, a_pObject);
}

bool bCPropertyObjectSingleton::ReadObject(bCIStream & a_Stream, bCPropertyObjectBase & a_Target)
{
    unsigned short uVersion = 0;
    bool bPersistable = false;
    a_Stream.Read(uVersion);
    a_Stream.Read(bPersistable);
    if (!bPersistable)
        return false;
    bCString strClassName;
    a_Stream.Read(strClassName);
    bCPropertyObjectTypeBase * pType = FindTemplate(strClassName);
    if (!pType)
    {
        OE_MESSAGEF_WARN("%s - can´t find class-type '%s' in POTemplateList. Skipping content",
                         "bCPropertyObjectSingleton::ReadObject", strClassName.GetText());
        bCPropertyObjectFactory::ReadSkipObject(a_Stream);
        return false;
    }
    return pType->GetObjectFactory()->ReadObject(a_Stream, a_Target);
}

bCPropertyObjectBase * bCPropertyObjectSingleton::ReadNewObject(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    bool bPersistable = false;
    a_Stream.Read(uVersion);
    a_Stream.Read(bPersistable);
    if (!bPersistable)
        return nullptr;
    bCString strClassName;
    a_Stream.Read(strClassName);
    bCPropertyObjectTypeBase * pType = FindTemplate(strClassName);
    if (!pType)
    {
        bCPropertyObjectFactory::ReadSkipObject(a_Stream);
        OE_MESSAGEF_WARN("bCPropertyObjectSingleton::ReadNewObject - can´t find class: '%s'. Object can´t be created "
                         "(missing class template). Skipping object...",
                         strClassName.GetText());
        return nullptr;
    }
    return pType->GetObjectFactory()->ReadNewObject(a_Stream);
}

void bCPropertyObjectSingleton::EnableRegistration(void * a_pKey, bool a_bEnable)
{
    if (!a_bEnable)
    {
        if (m_pRegistrationKey)
            return;
        m_bRegistrationEnabled = false;
        m_pRegistrationKey = a_pKey;
        return;
    }
    if (a_pKey != m_pRegistrationKey)
        return;
    m_bRegistrationEnabled = true;
    m_pRegistrationKey = nullptr;
}

bool bCPropertyObjectSingleton::Matches(bCString const & a_strName, bCString const & a_strPattern) const
{
    if (a_strName.IsEmpty())
        return true;
    if (a_strPattern.GetLength() > a_strName.GetLength())
        return false;
    for (int i = 0; i < a_strPattern.GetLength(); ++i)
    {
        char const cPattern = a_strPattern[i];
        if (cPattern == '*')
            return true;
        if (cPattern != '?' && cPattern != a_strName[i])
            return false;
    }
    return false;
}

#include <vellmark/propertysystem/accessors/oe_accessorpropertyobject.h>

#include <vellmark/kernel/oe_stream.h>
#include <vellmark/platform/oe_debugger.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>
#include <vellmark/propertysystem/base/oe_objectrefbase.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectfactory.h>
#include <vellmark/propertysystem/factories/oe_propertyobjectsingleton.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>

namespace
{
    char const * const kNoBaseClass = "bCObjectRefBase";
    unsigned short const kStreamVersion = 1;

    bCPropertyObjectBase * GetRootObjectOf(bCPropertyObjectBase const * a_pObject)
    {
        bCPropertyObjectTypeBase * pType = a_pObject->GetObjectType();
        bCPropertyObjectFactory * pFactory = pType ? pType->GetObjectFactory() : nullptr;
        return pFactory ? pFactory->GetRootObject() : nullptr;
    }

} // namespace

bCPropertyObjectBase * bCAccessorPropertyObject::GetBaseRootObject(bCPropertyObjectBase const * a_pRootObject)
{
    if (!a_pRootObject || a_pRootObject->GetBaseClassName() == kNoBaseClass)
        return nullptr;
    return bCPropertyObjectSingleton::GetInstance().GetRootObject(a_pRootObject->GetBaseClassName());
}

bCAccessorPropertyObject::bCAccessorPropertyObject() : m_pRootObject(nullptr), m_pPropertyObject(nullptr) {}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCString const & a_strClassName) :
    m_pRootObject(bCPropertyObjectSingleton::GetInstance().GetRootObject(a_strClassName)), m_pPropertyObject(nullptr)
{
}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCAccessorCreator const & a_Creator) :
    bCAccessorPropertyObject(const_cast<bCPropertyObjectBase *>(static_cast<bCPropertyObjectBase const *>(a_Creator)))
{
}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCPropertyObjectBase * a_pObject) :
    m_pRootObject(nullptr), m_pPropertyObject(nullptr)
{
    SetInstance(a_pObject);
}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCPropertyObjectBase const * a_pObject) :
    bCAccessorPropertyObject(const_cast<bCPropertyObjectBase *>(a_pObject))
{
}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCObjectRefBase * a_pNativeObject) :
    m_pRootObject(nullptr), m_pPropertyObject(nullptr)
{
    SetInstance(a_pNativeObject);
}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCObjectRefBase const * a_pNativeObject) :
    bCAccessorPropertyObject(const_cast<bCObjectRefBase *>(a_pNativeObject))
{
}

bCAccessorPropertyObject::bCAccessorPropertyObject(bCAccessorPropertyObject const & a_Source) :
    m_pRootObject(nullptr), m_pPropertyObject(nullptr)
{
    CopyFrom(a_Source);
}

bCAccessorPropertyObject & bCAccessorPropertyObject::operator=(bCAccessorPropertyObject const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCAccessorPropertyObject::~bCAccessorPropertyObject()
{
    ReleaseObject();
}

void bCAccessorPropertyObject::CopyFrom(bCAccessorPropertyObject const & a_Source)
{
    if (&a_Source == this)
        return;
    m_pRootObject = a_Source.m_pRootObject;
    SetInstance(a_Source.m_pPropertyObject);
}

void bCAccessorPropertyObject::CopyTo(bCAccessorPropertyObject & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

bCObjectRefBase * bCAccessorPropertyObject::GetNativeObject() const
{
    return m_pPropertyObject ? m_pPropertyObject->GetNativeObject() : nullptr;
}

bCPropertyObjectTypeBase const * bCAccessorPropertyObject::GetPropertyObjectType() const
{
    return m_pRootObject ? m_pRootObject->GetObjectType() : nullptr;
}

bCString bCAccessorPropertyObject::GetClassName() const
{
    return m_pRootObject ? m_pRootObject->GetClassName() : bCString();
}

bool bCAccessorPropertyObject::IsKindOf(bCAccessorPropertyObject const & a_Other) const
{
    return m_pRootObject == a_Other.m_pRootObject;
}

bool bCAccessorPropertyObject::Compare(bCAccessorPropertyObject const & a_Other) const
{
    return m_pRootObject && m_pRootObject == a_Other.m_pRootObject;
}

bool bCAccessorPropertyObject::IsDerivedFrom(bCPropertyObjectBase const * a_pRootObject) const
{
    if (!a_pRootObject)
        return false;
    for (bCPropertyObjectBase const * pRoot = m_pRootObject; pRoot; pRoot = GetBaseRootObject(pRoot))
        if (pRoot == a_pRootObject)
            return true;
    return false;
}

bool bCAccessorPropertyObject::IsDerivedFrom(bCAccessorPropertyObject const & a_Other) const
{
    return IsDerivedFrom(a_Other.m_pRootObject);
}

bool bCAccessorPropertyObject::HasBaseClass() const
{
    return m_pRootObject && m_pRootObject->GetBaseClassName() != kNoBaseClass;
}

bCAccessorPropertyObject bCAccessorPropertyObject::GetBaseClass() const
{
    bCAccessorPropertyObject Base;
    Base.m_pRootObject = GetBaseRootObject(m_pRootObject);
    return Base;
}

bCAccessorPropertyObject & bCAccessorPropertyObject::operator++()
{
    m_pRootObject = GetBaseRootObject(m_pRootObject);
    if (!m_pRootObject)
        ReleaseObject();
    return *this;
}

bCAccessorPropertyObject bCAccessorPropertyObject::operator++(int)
{
    bCAccessorPropertyObject Before(*this);
    ++*this;
    return Before;
}

bCAccessorPropertyObject bCAccessorPropertyObject::Clone() const
{
    bCAccessorPropertyObject Clone;
    if (!m_pRootObject || !m_pPropertyObject)
        return Clone;
    Clone.m_pRootObject = m_pRootObject;
    Clone.m_pPropertyObject = m_pPropertyObject->Clone(); // the clone's only reference
    return Clone;
}

unsigned short bCAccessorPropertyObject::Read(bCIStream & a_Stream)
{
    unsigned short uVersion = 0;
    bool bHasObject = false;
    a_Stream.Read(uVersion);
    a_Stream.Read(bHasObject);
    if (!bHasObject)
        return uVersion;
    if (m_pPropertyObject)
    {
        bCPropertyObjectSingleton::GetInstance().ReadObject(a_Stream, *m_pPropertyObject);
        return uVersion;
    }
    m_pPropertyObject = bCPropertyObjectSingleton::GetInstance().ReadNewObject(a_Stream); // its only reference
    if (m_pPropertyObject && !m_pRootObject)
        StandOnClassOf(m_pPropertyObject);
    return uVersion;
}

void bCAccessorPropertyObject::Write(bCOStream & a_Stream) const
{
    a_Stream.Write(kStreamVersion);
    a_Stream.Write(m_pPropertyObject != nullptr);
    if (m_pPropertyObject)
        bCPropertyObjectSingleton::GetInstance().WriteObject(a_Stream, m_pPropertyObject);
}

bCIStream & bCAccessorPropertyObject::operator<<(bCIStream & a_Stream)
{
    Read(a_Stream);
    return a_Stream;
}

bCOStream & bCAccessorPropertyObject::operator>>(bCOStream & a_Stream) const
{
    Write(a_Stream);
    return a_Stream;
}

bCIStream & operator>>(bCIStream & a_Stream, bCAccessorPropertyObject & a_Accessor)
{
    a_Accessor.Read(a_Stream);
    return a_Stream;
}

bCOStream & operator<<(bCOStream & a_Stream, bCAccessorPropertyObject const & a_Accessor)
{
    a_Accessor.Write(a_Stream);
    return a_Stream;
}

bCString bCAccessorPropertyObject::GetPropertyObjectHeader() const
{
    bCString strHeader;
    strHeader.Format("<<PropertyObject>> %s()", GetClassName().GetText());
    return strHeader;
}

void bCAccessorPropertyObject::DumpOutputDebugString(bool a_bDump) const
{
    if (!a_bDump)
        return;
    for (bCAccessorPropertyObject Class(*this); Class.IsValid(); ++Class)
    {
        bCString strLine("Class:  '");
        strLine += Class.GetClassName();
        strLine += "'\n";
        OEOutputDebugString(strLine.GetText());
        bCPropertyObjectTypeBase const * pType = Class.GetPropertyObjectType();
        int const iCount = pType ? pType->GetPropertyTypeCount() : 0;
        bCAccessorProperty Property(Class);
        for (int i = 0; i < iCount; ++i, ++Property)
            Property.DumpOutputDebugString();
    }
}

void bCAccessorPropertyObject::SetInstance(bCPropertyObjectBase * a_pObject)
{
    if (a_pObject) // first, so that setting the same object again keeps it alive
        a_pObject->AddReference();
    ReleaseObject();
    m_pPropertyObject = a_pObject;
    if (!m_pRootObject && a_pObject)
        StandOnClassOf(a_pObject);
}

void bCAccessorPropertyObject::SetInstance(bCObjectRefBase * a_pNativeObject)
{
    SetInstance(a_pNativeObject ? a_pNativeObject->GetPropertyObject() : nullptr);
}

void bCAccessorPropertyObject::ReleaseObject()
{
    bCPropertyObjectBase * pObject = m_pPropertyObject;
    m_pPropertyObject = nullptr;
    if (pObject)
        pObject->ReleaseReference();
}

void bCAccessorPropertyObject::StandOnClassOf(bCPropertyObjectBase const * a_pObject)
{
    m_pRootObject = GetRootObjectOf(a_pObject);
}

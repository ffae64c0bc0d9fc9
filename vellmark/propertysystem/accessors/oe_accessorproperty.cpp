#include <vellmark/propertysystem/accessors/oe_accessorproperty.h>

#include <vellmark/platform/oe_debugger.h>
#include <vellmark/propertysystem/accessors/oe_accessorcreator.h>
#include <vellmark/propertysystem/base/oe_propertyid.h>
#include <vellmark/propertysystem/objects/oe_propertyobjectbase.h>
#include <vellmark/propertysystem/types/oe_propertyobjecttypebase.h>
#include <vellmark/propertysystem/types/oe_propertytypebase.h>

namespace
{
    uint32_t const kUnresolved = 0xFFFFFFFFu;
}

bCAccessorProperty::bCAccessorProperty() : m_u32Index(0) {}

bCAccessorProperty::bCAccessorProperty(bCAccessorProperty const & a_Source) :
    m_AccessorPropertyObject(a_Source.m_AccessorPropertyObject), m_u32Index(a_Source.m_u32Index)
{
}

bCAccessorProperty::bCAccessorProperty(bCAccessorPropertyObject const & a_Accessor) :
    m_AccessorPropertyObject(a_Accessor), m_u32Index(0)
{
}

bCAccessorProperty::bCAccessorProperty(bCAccessorCreator const & a_Creator) :
    m_AccessorPropertyObject(a_Creator), m_u32Index(0)
{
}

bCAccessorProperty::bCAccessorProperty(bCPropertyObjectBase * a_pObject) :
    m_AccessorPropertyObject(a_pObject), m_u32Index(0)
{
}

bCAccessorProperty::bCAccessorProperty(bCPropertyObjectBase const * a_pObject) :
    m_AccessorPropertyObject(a_pObject), m_u32Index(0)
{
}

bCAccessorProperty::bCAccessorProperty(bCObjectRefBase * a_pNativeObject) :
    m_AccessorPropertyObject(a_pNativeObject), m_u32Index(0)
{
}

bCAccessorProperty::bCAccessorProperty(bCAccessorCreator const & a_Creator, bCString const & a_strPropertyName) :
    m_AccessorPropertyObject(a_Creator), m_u32Index(0)
{
    ResolveProperty(a_strPropertyName);
}

bCAccessorProperty::bCAccessorProperty(bCObjectRefBase * a_pNativeObject, bCString const & a_strPropertyName) :
    m_AccessorPropertyObject(a_pNativeObject), m_u32Index(0)
{
    ResolveProperty(a_strPropertyName);
}

bCAccessorProperty::bCAccessorProperty(bCAccessorCreator const & a_Creator, bCPropertyID const & a_PropertyID) :
    m_AccessorPropertyObject(a_Creator), m_u32Index(0)
{
    ResolveProperty(a_PropertyID);
}

bCAccessorProperty & bCAccessorProperty::operator=(bCAccessorProperty const & a_Source)
{
    CopyFrom(a_Source);
    return *this;
}

bCAccessorProperty::~bCAccessorProperty() = default;

void bCAccessorProperty::CopyFrom(bCAccessorProperty const & a_Source)
{
    m_AccessorPropertyObject = a_Source.m_AccessorPropertyObject;
    m_u32Index = a_Source.m_u32Index;
}

void bCAccessorProperty::CopyTo(bCAccessorProperty & a_Dest) const
{
    a_Dest.CopyFrom(*this);
}

void bCAccessorProperty::Invalidate()
{
    m_u32Index = 0;
}

bCAccessorProperty bCAccessorProperty::operator[](bCString const & a_strPropertyName)
{
    bCAccessorProperty Property(m_AccessorPropertyObject);
    Property.ResolveProperty(a_strPropertyName);
    return Property;
}

bCAccessorProperty bCAccessorProperty::operator[](bCString const & a_strPropertyName) const
{
    return const_cast<bCAccessorProperty *>(this)->operator[](a_strPropertyName);
}

bool bCAccessorProperty::IsValid() const
{
    return m_AccessorPropertyObject.IsValid() && m_u32Index < GetClassPropertyCount();
}

bool bCAccessorProperty::Compare(bCAccessorProperty const & a_Other) const
{
    return m_u32Index == a_Other.m_u32Index && m_AccessorPropertyObject == a_Other.m_AccessorPropertyObject;
}

bCString bCAccessorProperty::GetClassName() const
{
    return IsValid() ? m_AccessorPropertyObject.GetClassName() : bCString();
}

bCPropertyTypeBase * bCAccessorProperty::GetPropertyTypeObject()
{
    if (!IsValid())
        return nullptr;
    return m_AccessorPropertyObject.GetPropertyObjectType()->GetPropertyType(static_cast<int>(m_u32Index));
}

bCPropertyTypeBase const * bCAccessorProperty::GetPropertyTypeObject() const
{
    return const_cast<bCAccessorProperty *>(this)->GetPropertyTypeObject();
}

bCString bCAccessorProperty::GetPropertyName() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType ? pType->GetPropertyName() : bCString();
}

bCString bCAccessorProperty::GetPropertyDescription() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType ? pType->GetPropertyDescription() : bCString();
}

bCString bCAccessorProperty::GetPropertyCategory() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType ? pType->GetPropertyCategory() : bCString();
}

bool bCAccessorProperty::IsPropertyReadOnly() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType && pType->IsReadOnly();
}

bCPropertyID bCAccessorProperty::GetPropertyID() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType ? pType->GetID() : bCPropertyID();
}

bCString bCAccessorProperty::GetPropertyType() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType ? pType->GetValueTypeName() : bCString();
}

bool bCAccessorProperty::IsEnum() const
{
    bCPropertyTypeBase const * pType = GetPropertyTypeObject();
    return pType && pType->IsEnum();
}

bCString bCAccessorProperty::GetPropertyHeader() const
{
    bCString strHeader;
    strHeader.Format("%s::%s", GetClassName().GetText(), GetPropertyName().GetText());
    return strHeader;
}

void bCAccessorProperty::DumpOutputDebugString() const
{
    bCString strLine(GetClassName());
    strLine += " -> ";
    strLine += GetPropertyName();
    strLine += "  [ ";
    strLine += GetPropertyType();
    strLine += " ]\n";
    OEOutputDebugString(strLine.GetText());
}

bool bCAccessorProperty::operator++()
{
    return Iterate();
}

bool bCAccessorProperty::operator++(int)
{
    return Iterate();
}

bEPropertyTypeDetail bCAccessorProperty::GetPropertyValueDetailType() const
{
    return bCAccessorValueText::GetDetailType(GetPropertyType());
}

bool bCAccessorProperty::Iterate()
{
    ++m_u32Index;
    if (m_AccessorPropertyObject.IsValid() && m_u32Index >= GetClassPropertyCount())
    {
        m_u32Index = 0;
        ++m_AccessorPropertyObject;
    }
    return IsValid();
}

template <typename FMatch> bool bCAccessorProperty::ResolveBy(FMatch a_Match)
{
    // The same walk as the enumeration, ending at the first class without
    // properties; it moves the accessor only when it finds the property.
    for (bCPropertyObjectBase * pRoot = m_AccessorPropertyObject.GetRootObject(); pRoot;)
    {
        bCPropertyObjectTypeBase const * pType = pRoot->GetObjectType();
        int const iCount = pType ? pType->GetPropertyTypeCount() : 0;
        for (int i = 0; i < iCount; ++i)
            if (a_Match(*pType->GetPropertyType(i)))
            {
                m_AccessorPropertyObject.m_pRootObject = pRoot;
                m_u32Index = static_cast<uint32_t>(i);
                return true;
            }
        if (iCount == 0)
            break;
        pRoot = bCAccessorPropertyObject::GetBaseRootObject(pRoot);
    }
    m_u32Index = kUnresolved;
    return false;
}

bool bCAccessorProperty::ResolveProperty(bCString const & a_strPropertyName)
{
    return ResolveBy([&](bCPropertyTypeBase const & a_Type) { return a_Type.GetPropertyName() == a_strPropertyName; });
}

bool bCAccessorProperty::ResolveProperty(bCPropertyID const & a_PropertyID)
{
    return ResolveBy([&](bCPropertyTypeBase const & a_Type) { return a_Type.GetID() == a_PropertyID; });
}

uint32_t bCAccessorProperty::GetClassPropertyCount() const
{
    bCPropertyObjectTypeBase const * pType = m_AccessorPropertyObject.GetPropertyObjectType();
    return pType ? static_cast<uint32_t>(pType->GetPropertyTypeCount()) : 0;
}
